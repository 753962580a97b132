#pragma once
#include "app/practice_window.h"
#include <QList>
#include <QTimer>
#include <functional>

// The page-ready flag as read each time the operation let the event loop run
// (every wait on the page does), so a test sees the flag while the page is busy.
inline QList<bool> pageReadyWhile(TForm10& window, const std::function<void()>& operation)
{
    QList<bool> seen;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] { seen.append(window.pageReady()); });
    probe.start();
    operation();
    probe.stop();
    return seen;
}
