#include "app/window_drag.h"
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDrag::WindowDrag(QWidget* window)
    : QObject(window)
    , window_(window)
{
}

void WindowDrag::watch(QWidget* handle)
{
    handle->installEventFilter(this);
}

void WindowDrag::watchFrame(int width)
{
    frame_ = width;
    window_->installEventFilter(this);
}

bool WindowDrag::onFrame(QObject* watched, const QPoint& local) const
{
    if (watched != window_)
        return true;
    // Presses a child leaves unhandled reach the window too; they are not on the frame.
    return frame_ >= 0 && !window_->rect().adjusted(frame_, frame_, -frame_, -frame_).contains(local);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !onFrame(watched, mouse->position().toPoint()))
            break;
        grab_ = mouse->globalPosition().toPoint() - window_->frameGeometry().topLeft();
        dragging_ = true;
        systemMove_ = false;
        break;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!dragging_ || !(mouse->buttons() & Qt::LeftButton))
            break;
        if (!systemMove_ && window_->windowHandle())
            systemMove_ = window_->windowHandle()->startSystemMove();
        if (!systemMove_)
            window_->move(mouse->globalPosition().toPoint() - grab_);
        return true;
    }
    case QEvent::MouseButtonRelease:
        dragging_ = false;
        systemMove_ = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
