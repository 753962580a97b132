#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class PageView;

// What one grading of a chapter page found.
struct GradingOutcome {
    QString chapterId;
    int questions = 0;
    int right = 0;
    // Ids of the questions answered wrongly, in page order.
    QStringList wrongIds;
};

// Grades the answers the candidate gave on the chapter page on show: reads the
// chapter's questions from the bank and every answer from the page, then marks the
// wrong questions in the bank and red on the page and writes the score rows of fenshu.
class PageGrading {
public:
    // Writes of another part of the program that belong to this grading: they run in
    // the grading's transaction after its own writes, and land with them or not at all.
    using JoinedWrites = std::function<void(const QSqlDatabase& db, const GradingOutcome& outcome)>;

    PageGrading(const QSqlDatabase& db, PageView& page, const QString& viewMode);

    // Throws when the bank or the page fails; nothing is written then, neither to the
    // bank nor to the page. A page that died never reads as a page left unanswered.
    GradingOutcome grade(const QString& chapterId, const JoinedWrites& joined = {});

private:
    struct Question {
        QString id;
        QString answer;
        // The option inputs read from the page, or the one drop-down of a matching item.
        QStringList elementIds;
    };
    struct Group {
        QString title;
        QVector<Question> questions;
    };

    QVector<Group> readChapter(const QString& chapterId) const;
    void writeScores(const QVector<Group>& groups, const QVector<int>& rightPerGroup) const;
    void merge(const QString& title, bool always) const;

    QSqlDatabase db_;
    PageView& page_;
    QString viewMode_;
};
