#pragma once
#include "platform/page_view.h"
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QString>
#include <algorithm>
#include <functional>

// Shared by the benchmarks: medians, timed runs and page work, and the page on show saved as one static document.
namespace bench {
inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// One run of work, in milliseconds.
inline double timed(const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed() / 1e6;
}

// Times one piece of page work, ending when the page has laid itself out.
inline double timed(PageView& page, const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    page.evaluate(QStringLiteral("document.body.scrollHeight"));
    return clock.nsecsElapsed() / 1e6;
}

// Writes the page's final HTML to path; false when the file cannot be written.
inline bool saveStatic(PageView& page, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(("<!DOCTYPE html>\n" + page.evaluate(QStringLiteral("document.documentElement.outerHTML")).toString()).toUtf8());
    return true;
}

// Loads a saved page and waits until it is ready.
inline void loadStatic(PageView& page, const QString& path)
{
    page.load(path);
    page.waitReady();
}
}
