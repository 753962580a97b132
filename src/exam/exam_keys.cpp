#include "exam/exam_keys.h"
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
int installs = 0;
}

ExamKeys::ExamKeys(QWidget* window, std::function<void(int)> released)
    : window_(window)
    , released_(std::move(released))
{
}

ExamKeys::~ExamKeys()
{
    listen(false);
    if (installed_)
        installs = 0;
}

int ExamKeys::installCount()
{
    return installs;
}

void ExamKeys::install()
{
    ++installs;
    if (installs == 1) {
        installed_ = true;
        listen(paused_ == 0);
    }
}

void ExamKeys::remove()
{
    installed_ = false;
    installs = 0;
    listen(false);
}

void ExamKeys::listen(bool on)
{
    if (on == listening_)
        return;
    listening_ = on;
    if (!on) {
        qApp->removeEventFilter(this);
        return;
    }
    qApp->installEventFilter(this);
    // A closed message box need not hand the keyboard back to the exam window by itself.
    if (window_ && window_->isVisible())
        window_->activateWindow();
}

ExamKeys::Pause::Pause(ExamKeys& keys)
    : keys_(keys)
{
    ++keys_.paused_;
    keys_.listen(false);
}

ExamKeys::Pause::~Pause()
{
    if (--keys_.paused_ == 0)
        keys_.listen(keys_.installed_);
}

bool ExamKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyRelease || !window_ || !window_->isActiveWindow() || !watched->isWidgetType())
        return false;
    // A key event travels from the focus widget up to its window; it is heard once,
    // at the first widget that receives it.
    QWidget* focus = QApplication::focusWidget();
    QWidget* first = focus && window_->isAncestorOf(focus) ? focus : window_.data();
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched != first || key->isAutoRepeat())
        return false;
    const int code = key->key();
    // The handler may open a message box; it runs once this release has been delivered.
    QMetaObject::invokeMethod(this, [this, code] { if (listening_ && released_) released_(code); }, Qt::QueuedConnection);
    return false;
}
