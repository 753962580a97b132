#pragma once
#include "platform/page_view.h"
#include <QFile>
#include <QList>
#include <QString>
#include <algorithm>

// Shared by the benchmarks: medians, and the page on show saved as one static document.
namespace bench {
inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
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
}
