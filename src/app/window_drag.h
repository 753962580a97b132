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
    // The window itself drags only by its bare frame of the given width.
    void watchFrame(int width);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool onFrame(QObject* watched, const QPoint& local) const;

    QWidget* window_;
    QPoint grab_;
    int frame_ = -1;
    bool dragging_ = false;
    bool systemMove_ = false;
};
