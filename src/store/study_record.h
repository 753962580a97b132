#pragma once
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QVector>

// The study record: one row per graded mock exam or chapter self-test, kept in tables
// of its own in the bank file (jilu, with its rows per question type in jilu_tx), so
// that backup and restore carry it with the rest.
namespace StudyRecord {

struct TypeScore {
    QString type;    // the type's name as the grading shows it
    int units = 0;   // questions (points) of that type
    int correct = 0; // answered right
};

struct ExamRecord {
    QDateTime at;
    int minutes = 0; // minutes the candidate used
    QVector<TypeScore> types;
};

struct SelfTestRecord {
    QDateTime at;
    int chapterId = 0; // tree.id of the graded chapter page
    QString viewMode;  // the view the page was graded in
    QVector<TypeScore> types;
};

struct Exam {
    qint64 id = 0;
    QDateTime at; // in UTC
    int minutes = 0;
    int units = 0;
    int correct = 0;
    QVector<TypeScore> types;
};

struct Chapter {
    int chapterId = 0;
    QString name;
    int attempts = 0;
    int lastPercent = 0;
    int bestPercent = 0;
    int wrongBank = 0; // questions of the chapter now in the wrong-question bank
};

struct Totals {
    int exams = 0;
    int selfTests = 0;
    int selfTestQuestions = 0;
    int favourites = 0;
    int wrongBank = 0;
};

// Below this rate a chapter or an exam has not passed.
constexpr int kPassPercent = 60;

// The rate as a whole percentage, halves rounded up; 0 when there is nothing to rate.
int percentOf(int correct, int units);

// Creates the record's tables where they are missing; no other table is touched.
void ensureTables(const QSqlDatabase& db);

// Appending opens no transaction of its own: a grading calls it inside the transaction
// of its own writes, so that it is recorded together with them or not at all. A
// grading without any question (all units 0) leaves no record. Throws KaivoraError.
void appendExam(const QSqlDatabase& db, const ExamRecord& record);
void appendSelfTest(const QSqlDatabase& db, const SelfTestRecord& record);

// The score rows the last page grading left in fenshu, without its empty groups.
QVector<TypeScore> pageGradingScores(const QSqlDatabase& db);

// Oldest first.
QVector<Exam> exams(const QSqlDatabase& db);
// The chapters with self-tests, weakest first: lowest last rate, then lowest best
// rate, then most wrong-question-bank questions.
QVector<Chapter> chapters(const QSqlDatabase& db);
Totals totals(const QSqlDatabase& db);

// Everything the record window and its report show.
struct Overview {
    Totals totals;
    QVector<Exam> exams;
    QVector<Chapter> chapters;
    bool empty() const { return exams.isEmpty() && chapters.isEmpty(); }
};
Overview overview(const QSqlDatabase& db);
}
