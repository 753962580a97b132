#pragma once
#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>

// The exam number on show is a double; every look-up and cell name uses its
// shortest text (7, 31.2), so a tid is found again only in that form.
QString examNumberText(double number);
// "a12" for 12, "a31f2" for the case sub-question 31.2.
QString CellNameFor(double number);
// The same from a tid as stored ("31.2").
QString cellNameForTid(const QString& tid);

// The colours of the answer-sheet cells and of the legend boxes.
namespace SheetColour {
QColor buttonFace();
// A grey of its own, so that a visited question left unanswered stands out from an unvisited one.
QColor visited();
QColor current();   // red: on show, or graded wrong
QColor answered();  // blue: answered, or graded right
}

// The answer sheet as data: headings and numbered cells with their places and colours.
// The window creates one widget per entry and repaints a cell when it is painted here.
class AnswerSheet {
public:
    struct Heading {
        QString caption;
        QRect geometry;
    };
    struct Cell {
        QString name;
        QString caption;
        QRect geometry;
        QColor colour;
    };

    AnswerSheet() = default;
    // counts: the requested counts of single, multiple, case and matching units;
    // caseTids: the tids of the paper's case rows in paper order.
    static AnswerSheet build(const std::array<int, 4>& counts, const QStringList& caseTids);

    const QVector<Heading>& headings() const { return headings_; }
    const QVector<Cell>& cells() const { return cells_; }
    const Cell* cell(const QString& name) const;
    // Bottom of the lowest entry: the height the column must scroll to.
    int height() const;

    // A number or name without a cell changes nothing and returns false.
    bool PaintCell(double number, const QColor& colour);
    bool paintNamed(const QString& name, const QColor& colour);

    // Told of every cell whose colour was set.
    std::function<void(const Cell&)> painted;

private:
    QVector<Heading> headings_;
    QVector<Cell> cells_;
};
