#pragma once
#include <QWidget>

// The notice shown while the paper is drawn ("提示"): a borderless aqua strip.
class TForm7 : public QWidget {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
    // At left + 165 and top + 350 of the given window.
    void placeOver(const QWidget* window);
};
