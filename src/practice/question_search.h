#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QVector>

// One question found, with its group and the group's type code.
struct SearchHit {
    int questionId = 0;
    int groupId = 0;
    int typeCode = 0;
};

// What a search found: how many questions in all, and the first of them in page order.
struct SearchResult {
    QString text;           // the search text as searched
    int total = 0;
    QVector<SearchHit> hits;
};

// Finds the questions whose stem, options, explanation or case or matching text hold
// the search text, in the current view. The text is always bound and searched as it
// stands: no character of it is query syntax.
class QuestionSearch {
public:
    static constexpr int kShown = 200;

    QuestionSearch(const QSqlDatabase& db, const QString& viewMode);

    // The text as it is searched: white space runs as one blank, none at the ends.
    static QString normalized(const QString& text);
    // Searches an index that is current (SearchIndex::ensureCurrent). Empty text finds nothing.
    SearchResult find(const QString& text, int shown = kShown) const;

private:
    QSqlDatabase db_;
    QString viewMode_;
};
