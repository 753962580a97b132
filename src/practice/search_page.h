#pragma once
#include "practice/question_groups.h"
#include <QHash>
#include <QSqlDatabase>
#include <QString>

class PageView;
struct SearchResult;

// The page of a search: a heading with the number found, then the groups of the hits
// drawn as on a chapter page (case and matching groups whole), each followed by the
// chapter it comes from, the search text marked wherever it stands; a line for the
// hits left out; or a line that nothing was found.
class SearchPage {
public:
    SearchPage(const QSqlDatabase& db, PageView& page, const QString& viewMode);

    // Loads the shell and appends the result. Throws on a database error.
    void render(const SearchResult& result);

private:
    QString chapterPath(int chapterId);

    QSqlDatabase db_;
    PageView& page_;
    QString viewMode_;
    QString needle_;
    QuestionGroups groups_;
    QHash<int, QString> paths_;
};
