#pragma once
#include <QSqlDatabase>
#include <QString>
#include <array>

class DrawSource;

// Draws a new exam paper into sj: the exam types of the bank refreshed, the counts
// read from ts, and for each type a walk over its candidates that spreads the taken
// units over the whole list.
class PaperDrawing {
public:
    explicit PaperDrawing(const QSqlDatabase& db);

    // Writes lx of every question from its group's type; this also clears the
    // matching choices an earlier exam left there.
    void refreshExamTypes();
    // txs of the rows of ts by position: single, multiple, case texts, matching groups.
    std::array<int, 4> readCounts();
    // Empties sj and fills it with the units of the four types; returns the rows written.
    int drawUnits(const std::array<int, 4>& counts, DrawSource& draws);

    // All three in order, all or nothing; returns the counts read.
    std::array<int, 4> draw(DrawSource& draws);

private:
    void writeExamTypes();
    int writeUnits(const std::array<int, 4>& counts, DrawSource& draws);

    QSqlDatabase db_;
};
