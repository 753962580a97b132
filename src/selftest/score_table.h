#pragma once
#include <QSqlDatabase>
#include <QString>

class PageView;

// The score table of the last page grading, built from fenshu into a fresh page shell.
class ScoreTable {
public:
    ScoreTable(const QSqlDatabase& db, PageView& page);

    // Drops the rows of groups without questions, then shows one line per row and
    // the total line. Throws when the shell or the bank fails.
    void render();

    // The rate of right answers as a whole percentage, halves rounded up; 0 for no questions.
    static QString percentage(int right, int questions);

private:
    static QString line(const QString& title, const QString& questions, const QString& right, const QString& rate);

    QSqlDatabase db_;
    PageView& page_;
};
