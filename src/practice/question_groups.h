#pragma once
#include <QList>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <functional>

class PageView;

// The questions of one group that a view shows, in stored order.
QList<QSqlRecord> groupQuestions(const QSqlDatabase& db, const QString& groupId, const QString& viewMode);

// Appends question groups to a page as the chapter page draws them: headings by type,
// the running numbers, the questions with their options and answer blocks.
class QuestionGroups {
public:
    // Applied to the texts of the bank that the page shows (stems, options,
    // explanations, group texts); the chapter page shows them as stored.
    using TextMark = std::function<QString(const QString& html)>;

    QuestionGroups(const QSqlDatabase& db, PageView& page, TextMark mark = {});

    // Numbering and headings start again, as on a fresh page.
    void reset();
    // Appends one group (a readtext row) of the given type with the given questions of it.
    // Throws on a database error, leaving what was appended so far.
    void append(const QSqlRecord& group, int typeCode, const QString& title, const QList<QSqlRecord>& questions);
    // The type row of a group: its code and title. Throws when the group has none.
    QSqlRecord typeOf(const QSqlRecord& group) const;

private:
    void appendQuestion(const QSqlRecord& question, int typeCode, int opnum);
    QString marked(const QString& html) const;

    QSqlDatabase db_;
    PageView& page_;
    TextMark mark_;
    int n_ = 1;
    int m_ = 0;
    int item_ = 1;
    bool caseHeaderShown_ = false;
    bool matchingHeaderShown_ = false;
};
