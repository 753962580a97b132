#include "calc_window.h"
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CalcWindow::CalcWindow(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("计算器"));
    setObjectName(QStringLiteral("calc"));
    setStyleSheet(QStringLiteral(
        "CalcWindow { background: rgb(226, 242, 243); }"
        "QPushButton { font-size: 17px; min-height: 40px; min-width: 54px; border: 1px solid rgb(150, 196, 200);"
        " border-radius: 4px; background: white; color: rgb(0, 70, 76); }"
        "QPushButton:pressed { background: rgb(196, 234, 237); }"
        "QPushButton[role=\"op\"] { background: rgb(0, 134, 143); color: white; border-color: rgb(0, 100, 108); }"
        "QPushButton[role=\"op\"]:pressed { background: rgb(0, 100, 108); }"
        "QPushButton[role=\"mem\"] { font-size: 14px; background: rgb(240, 248, 248); }"));

    memory_ = new QLabel(this);
    memory_->setObjectName(QStringLiteral("memory"));
    memory_->setFixedHeight(16);
    memory_->setStyleSheet(QStringLiteral("color: rgb(0, 100, 108); font-size: 12px; font-weight: bold;"));
    display_ = new QLabel(engine_.display(), this);
    display_->setObjectName(QStringLiteral("display"));
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setMinimumWidth(260);
    display_->setFixedHeight(50);
    display_->setStyleSheet(QStringLiteral(
        "background: white; border: 1px solid rgb(0, 134, 143); border-radius: 4px; padding: 0 8px;"
        " font-size: 24px; font-family: monospace; color: rgb(20, 20, 20);"));

    const char* const keys[6][4] = {
        {"MC", "MR", "M+", "M-"}, {"C", "⌫", "%", "÷"}, {"7", "8", "9", "×"},
        {"4", "5", "6", "-"},     {"1", "2", "3", "+"}, {"±", "0", ".", "="},
    };
    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 4; ++col) {
            const QString key = QString::fromUtf8(keys[row][col]);
            auto* button = new QPushButton(key == QLatin1String("-") ? QStringLiteral("−") : key, this);
            button->setObjectName(QStringLiteral("key ") + key);
            button->setFocusPolicy(Qt::NoFocus);
            if (row == 0)
                button->setProperty("role", QStringLiteral("mem"));
            else if (col == 3 || key == QLatin1String("C"))
                button->setProperty("role", QStringLiteral("op"));
            connect(button, &QPushButton::clicked, this, [this, key] { press(key); });
            grid->addWidget(button, row, col);
        }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(4);
    layout->addWidget(memory_);
    layout->addWidget(display_);
    layout->addSpacing(4);
    layout->addLayout(grid);
    setFixedSize(sizeHint());
}

QString CalcWindow::displayText() const
{
    return display_->text();
}

void CalcWindow::press(const QString& key)
{
    engine_.press(key);
    display_->setText(engine_.display());
    memory_->setText(engine_.hasMemory() ? QStringLiteral("M") : QString());
}

void CalcWindow::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    QString key;
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return: key = QStringLiteral("="); break;
    case Qt::Key_Backspace: key = QStringLiteral("⌫"); break;
    case Qt::Key_Escape:
    case Qt::Key_Delete: key = QStringLiteral("C"); break;
    default:
        if (text == QLatin1String("*"))
            key = QStringLiteral("×");
        else if (text == QLatin1String("/"))
            key = QStringLiteral("÷");
        else if (text == QLatin1String(","))
            key = QStringLiteral(".");
        else if (text.size() == 1 && QStringLiteral("0123456789.+-=%").contains(text))
            key = text;
    }
    if (key.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    press(key);
}
