#include "exam/drawing_notice.h"
#include "exam/exam_widgets.h"
#include <QLabel>

TForm7::TForm7(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("提示"));
    setFixedSize(685, 97);
    ExamWidgets::fill(this, QColor(0, 255, 255));
    auto* text = ExamWidgets::label(QStringLiteral("Label1"), QStringLiteral("您好！ 本系统正在进行智能抽题，请稍候......"),
                                    this, 0, 0, 20, true);
    text->setGeometry(0, 0, width(), height());
    text->setAlignment(Qt::AlignCenter);
}

void TForm7::placeOver(const QWidget* window)
{
    const QPoint origin = window->frameGeometry().topLeft();
    move(origin.x() + 165, origin.y() + 350);
}
