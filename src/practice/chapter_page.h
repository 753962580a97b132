#pragma once
#include <QSqlDatabase>
#include <QSqlRecord>
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
    void renderGroup(const QSqlRecord& group);
    void renderQuestion(const QSqlRecord& question, int typeCode, int opnum);
    QString questionsQuery(const QString& groupId) const;

    QSqlDatabase db_;
    PageView& page_;
    QString viewMode_;
    int n_ = 1;
    int m_ = 0;
    int item_ = 1;
    bool caseHeaderShown_ = false;
    bool matchingHeaderShown_ = false;
};
