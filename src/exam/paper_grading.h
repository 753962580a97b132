#pragma once
#include <QSqlDatabase>
#include <QString>
#include <array>

class AnswerSheet;

// Grades the paper in sj: one point per single, multiple or case question and per
// matching item; paints every cell blue (right) or red (wrong).
class PaperGrading {
public:
    struct Tally {
        int right = 0;
        int wrong = 0;
        int count() const { return right + wrong; }
    };
    // Single, multiple, case, matching.
    using Result = std::array<Tally, 4>;

    explicit PaperGrading(const QSqlDatabase& db);
    Result grade(AnswerSheet& sheet);

    // "单项选择题" … "配伍选择题" for the tallies 0 to 3.
    static QString typeName(int type);
    // right ÷ count with two decimals, as a whole percentage: "67", "100", "0".
    static QString rate(int right, int count);
    // The whole result table, one fragment.
    static QString resultTable(const Result& result);

private:
    QSqlDatabase db_;
};
