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

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
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
