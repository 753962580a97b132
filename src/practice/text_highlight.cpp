#include "practice/text_highlight.h"
#include "store/plain_text.h"
#include <QVector>

QString highlighted(const QString& html, const QString& needle)
{
    if (needle.isEmpty())
        return html;
    const PlainText::Mapped plain = PlainText::mapped(html);
    // Ranges of the HTML to wrap, in order and apart.
    QVector<QPair<int, int>> ranges;
    for (int at = plain.text.indexOf(needle, 0, Qt::CaseInsensitive); at >= 0;
         at = plain.text.indexOf(needle, at + needle.size(), Qt::CaseInsensitive)) {
        for (int i = at; i < at + needle.size(); ++i) {
            const int start = plain.start.at(i);
            // A blank that stands for a tag is not marked; the halves of a pair share a place.
            if (start < 0 || (!ranges.isEmpty() && start < ranges.last().second))
                continue;
            if (!ranges.isEmpty() && ranges.last().second == start)
                ranges.last().second = plain.end.at(i);
            else
                ranges.append({start, plain.end.at(i)});
        }
    }
    if (ranges.isEmpty())
        return html;
    QString out;
    out.reserve(html.size() + ranges.size() * 13);
    int from = 0;
    for (const auto& [start, end] : ranges) {
        out += QStringView(html).mid(from, start - from);
        out += QStringLiteral("<mark>");
        out += QStringView(html).mid(start, end - start);
        out += QStringLiteral("</mark>");
        from = end;
    }
    out += QStringView(html).mid(from);
    return out;
}
