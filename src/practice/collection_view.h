#pragma once
#include <QSqlDatabase>
#include <QString>

// A collection of marked questions shown as a view of the practice window.
struct Collection {
    QString questionMark;  // question column: scbt or ct
    QString viewMode;
    QString emptyMessage;

    static Collection favourites();
    static Collection wrongQuestions();
};

bool collectionHasQuestions(const QSqlDatabase& db, const Collection& collection);
// Marks in tree exactly the chapters holding a marked question, all or nothing.
void rebuildChapterMarks(const QSqlDatabase& db, const Collection& collection);
