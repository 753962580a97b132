#pragma once
#include <QColor>
#include <QSqlDatabase>
#include <QString>

class PageView;

// Reads the answer of the question on show back from the page and stores it in sj
// (and, for a matching group, each item's choice in its question.lx).
class AnswerCapture {
public:
    struct Result {
        bool found = false;  // the number has a row in sj
        QString answer;
        // Blue for an answer, grey for none.
        QColor colour;
    };

    AnswerCapture(const QSqlDatabase& db, PageView& page);
    // The page is read before anything is written: a page that does not answer
    // throws PageError and leaves sj and the bank as they were.
    Result capture(double number);

private:
    QSqlDatabase db_;
    PageView& page_;
};
