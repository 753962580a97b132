#include "exam/answer_sheet.h"

QString examNumberText(double number)
{
    // Fifteen significant digits: 31.2 stays 31.2 and 0.29 * 100 prints as 29.
    return QString::number(number, 'g', 15);
}

QString cellNameForTid(const QString& tid)
{
    const int point = tid.indexOf(QLatin1Char('.'));
    if (point < 0)
        return QStringLiteral("a") + tid;
    return QStringLiteral("a") + tid.left(point) + QStringLiteral("f") + tid.mid(point + 1);
}

QString CellNameFor(double number)
{
    return cellNameForTid(examNumberText(number));
}

namespace SheetColour {
QColor buttonFace() { return QColor(240, 240, 240); }
QColor visited() { return QColor(180, 180, 180); }
QColor current() { return QColor(255, 0, 0); }
QColor answered() { return QColor(0, 0, 255); }
}

namespace {
constexpr int kCellHeight = 23;
const char* const kHeadings[4] = {"单项选择题:", "多项选择题:", "阅读案例分析题:", "配伍选择题:"};
}

AnswerSheet AnswerSheet::build(const std::array<int, 4>& counts, const QStringList& caseTids)
{
    AnswerSheet sheet;
    int row = 1, extra = 0, base = 40, total = 0;
    for (int t = 0; t < 4; ++t) {
        const int c = counts[t];
        const int first = total + 1;
        total += c;
        if (c <= 0)
            continue;
        sheet.headings_.append({QString::fromUtf8(kHeadings[t]), QRect(30, row * 25 + base + extra, 200, kCellHeight)});
        base += 50;
        int col = 0;
        const auto place = [&](const QString& name, const QString& caption, int width) {
            sheet.cells_.append({name, caption, QRect(col * 35 + 10, row * 25 + extra + base - 30, width, kCellHeight), SheetColour::buttonFace()});
            if (col == 5) {
                col = 0;
                extra += 5;
                ++row;
            } else {
                ++col;
            }
        };
        if (t == 2) {
            for (const QString& tid : caseTids)
                place(cellNameForTid(tid), tid, 30);
        } else {
            for (int n = first; n <= total; ++n)
                place(QStringLiteral("a") + QString::number(n), QString::number(n), 28);
        }
    }
    return sheet;
}

const AnswerSheet::Cell* AnswerSheet::cell(const QString& name) const
{
    for (const Cell& c : cells_)
        if (c.name == name)
            return &c;
    return nullptr;
}

int AnswerSheet::height() const
{
    int bottom = 0;
    for (const Heading& h : headings_)
        bottom = std::max(bottom, h.geometry.bottom() + 1);
    for (const Cell& c : cells_)
        bottom = std::max(bottom, c.geometry.bottom() + 1);
    return bottom;
}

bool AnswerSheet::PaintCell(double number, const QColor& colour)
{
    return paintNamed(CellNameFor(number), colour);
}

bool AnswerSheet::paintNamed(const QString& name, const QColor& colour)
{
    for (Cell& c : cells_) {
        if (c.name != name)
            continue;
        c.colour = colour;
        if (painted)
            painted(c);
        return true;
    }
    return false;
}
