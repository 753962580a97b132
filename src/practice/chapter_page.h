#pragma once
#include "practice/question_groups.h"
#include <QSqlDatabase>
#include <QString>

class PageView;

// Builds the page of one chapter: the page shell, then every group of the chapter
// by question type with its numbered questions, options and answer blocks.
class ChapterPage {
public:
    ChapterPage(const QSqlDatabase& db, PageView& page, const QString& viewMode);

    // Loads the shell and appends the chapter; returns the chapter's tree.id.
    // Throws on a database error, leaving what was appended so far.
    QString render(int chapterId);

private:
    QSqlDatabase db_;
    PageView& page_;
    QString viewMode_;
    QuestionGroups groups_;
};
