#pragma once
#include "calc_engine.h"
#include <QWidget>

class QLabel;

// The calculator's window: a display and the keys; the keyboard works too.
class CalcWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalcWindow(QWidget* parent = nullptr);
    QString displayText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void press(const QString& key);

    CalcEngine engine_;
    QLabel* display_ = nullptr;
    QLabel* memory_ = nullptr;
};
