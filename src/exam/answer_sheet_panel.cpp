#include "exam/answer_sheet_panel.h"
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {
// The column's own sky blue.
const QColor kColumn(166, 202, 240);
}

SheetCellWidget::SheetCellWidget(const AnswerSheet::Cell& cell, QWidget* parent)
    : QFrame(parent)
    , caption_(cell.caption)
    , colour_(cell.colour)
{
    setObjectName(cell.name);
    setGeometry(cell.geometry);
    setCursor(Qt::PointingHandCursor);
}

void SheetCellWidget::setColour(const QColor& colour)
{
    colour_ = colour;
    update();
}

void SheetCellWidget::paintEvent(QPaintEvent*)
{
    // Outer bevel lowered, inner bevel raised, as the panels of the original sheet.
    QPainter painter(this);
    const QRect box = rect();
    painter.fillRect(box, colour_);
    const QColor light = colour_.lighter(160), dark = colour_.darker(170);
    const auto bevel = [&](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    bevel(box.adjusted(0, 0, -1, -1), dark, Qt::white);
    bevel(box.adjusted(1, 1, -2, -2), light, dark);
    const bool darkFill = colour_.lightness() < 140;
    painter.setPen(darkFill ? Qt::white : Qt::black);
    QFont f = font();
    f.setPixelSize(11);
    painter.setFont(f);
    painter.drawText(box, Qt::AlignCenter, caption_);
}

void SheetCellWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

AnswerSheetPanel::AnswerSheetPanel(QWidget* column, CellClicked clicked)
    : column_(column)
    , clicked_(std::move(clicked))
{
}

void AnswerSheetPanel::show(AnswerSheet& sheet)
{
    if (!column_)
        return;
    for (const AnswerSheet::Heading& heading : sheet.headings()) {
        auto* label = new QLabel(heading.caption, column_);
        label->setGeometry(heading.geometry);
        QFont f = label->font();
        f.setPointSize(10);
        f.setBold(true);
        label->setFont(f);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, kColumn);
        label->setPalette(palette);
        label->show();
    }
    for (const AnswerSheet::Cell& cell : sheet.cells()) {
        auto* widget = new SheetCellWidget(cell, column_);
        const QString caption = cell.caption;
        QObject::connect(widget, &SheetCellWidget::clicked, widget, [this, caption] {
            if (clicked_)
                clicked_(caption);
        });
        widget->show();
        cells_.insert(cell.name, widget);
    }
    column_->setMinimumHeight(std::max(column_->minimumHeight(), sheet.height() + 20));
    sheet.painted = [this](const AnswerSheet::Cell& cell) {
        if (SheetCellWidget* widget = this->cell(cell.name))
            widget->setColour(cell.colour);
    };
}

SheetCellWidget* AnswerSheetPanel::cell(const QString& name) const
{
    return cells_.value(name);
}
