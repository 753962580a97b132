#pragma once
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>

class PageView;

// One row of sj as a page: picture, case or matching text, stem and options, with the
// candidate's stored answer ticked again; the review form adds the correct answer.
class ExamPage {
public:
    // First: the page the exam opens with; Step: previous and next; Jump: a cell of
    // the answer sheet; Review: a cell after the paper was submitted.
    enum class Form { First, Step, Jump, Review };

    ExamPage(const QSqlDatabase& db, PageView& page);
    void render(const QSqlRecord& row, Form form);

    // The matching drop-down letters: "A" up to the fifteenth letter "O".
    static QString choiceOptions(int count);
    static QString correctAnswer(const QString& answer);

private:
    QSqlDatabase db_;
    PageView& page_;
};
