#pragma once
#include <QObject>
#include <QPoint>

class QWidget;

// Lets the left mouse button drag a frameless window by the widgets it watches.
// The window manager moves it where it can; otherwise the window follows the mouse.
class WindowDrag : public QObject {
public:
    explicit WindowDrag(QWidget* window);
    void watch(QWidget* handle);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QPoint grab_;
    bool dragging_ = false;
    bool systemMove_ = false;
};
