#pragma once
#include "exam/answer_sheet.h"
#include <QFrame>
#include <QHash>
#include <QPointer>
#include <functional>

class QLabel;

// One cell of the answer sheet: a small bevelled panel in the cell's colour with its number.
class SheetCellWidget : public QFrame {
    Q_OBJECT
public:
    SheetCellWidget(const AnswerSheet::Cell& cell, QWidget* parent);
    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);
    QString caption() const { return caption_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    QColor colour_;
};

// Puts the headings and cells of an answer sheet into the window's right column
// and keeps each cell's colour in step with the sheet.
class AnswerSheetPanel {
public:
    using CellClicked = std::function<void(const QString& caption)>;

    AnswerSheetPanel(QWidget* column, CellClicked clicked);
    void show(AnswerSheet& sheet);
    SheetCellWidget* cell(const QString& name) const;

private:
    QPointer<QWidget> column_;
    CellClicked clicked_;
    QHash<QString, QPointer<SheetCellWidget>> cells_;
};
