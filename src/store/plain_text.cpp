#include "store/plain_text.h"
#include <QHash>

namespace {
bool breaksLine(const QString& html, int tagStart, int tagEnd)
{
    int at = tagStart + 1;
    if (at < tagEnd && html.at(at) == QLatin1Char('/'))
        ++at;
    int nameEnd = at;
    while (nameEnd < tagEnd && html.at(nameEnd).isLetterOrNumber())
        ++nameEnd;
    static const QStringList names{QStringLiteral("br"), QStringLiteral("p"), QStringLiteral("div"), QStringLiteral("tr"),
                                   QStringLiteral("td"), QStringLiteral("li"), QStringLiteral("hr"), QStringLiteral("table")};
    return names.contains(html.mid(at, nameEnd - at).toLower());
}

// The character an entity at `at` stands for, and its length; 0 when it is none.
int entity(const QString& html, int at, QString& decoded)
{
    static const QHash<QString, QString> named{
        {QStringLiteral("nbsp"), QStringLiteral(" ")}, {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},   {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("quot"), QStringLiteral("\"")}, {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("middot"), QStringLiteral("·")}, {QStringLiteral("times"), QStringLiteral("×")},
        {QStringLiteral("plusmn"), QStringLiteral("±")}, {QStringLiteral("deg"), QStringLiteral("°")},
        {QStringLiteral("micro"), QStringLiteral("µ")}, {QStringLiteral("le"), QStringLiteral("≤")},
        {QStringLiteral("ge"), QStringLiteral("≥")}};
    const int semicolon = html.indexOf(QLatin1Char(';'), at + 1);
    if (semicolon < 0 || semicolon - at > 10)
        return 0;
    const QString name = html.mid(at + 1, semicolon - at - 1);
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const uint code = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok);
        if (!ok || code == 0 || code > 0x10FFFF)
            return 0;
        const char32_t point = code;
        decoded = QString::fromUcs4(&point, 1);
    } else {
        decoded = named.value(name);
        if (decoded.isEmpty())
            return 0;
    }
    return semicolon - at + 1;
}
}

namespace PlainText {
Mapped mapped(const QString& html)
{
    Mapped out;
    out.text.reserve(html.size());
    bool blankPending = false;
    int blankStart = -1;
    int blankEnd = -1;
    auto put = [&](const QString& chars, int start, int end) {
        for (const QChar c : chars) {
            if (c.isSpace()) {
                // Only a single blank of the HTML itself can be marked as it stands.
                blankStart = blankPending ? -1 : start;
                blankEnd = blankPending ? -1 : end;
                blankPending = true;
                continue;
            }
            if (blankPending && !out.text.isEmpty()) {
                out.text += QLatin1Char(' ');
                out.start.append(blankStart);
                out.end.append(blankEnd);
            }
            blankPending = false;
            out.text += c;
            out.start.append(start);
            out.end.append(end);
        }
    };
    for (int i = 0; i < html.size();) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('<')) {
            const int close = html.indexOf(QLatin1Char('>'), i + 1);
            if (close > i + 1 && (html.at(i + 1).isLetter() || html.at(i + 1) == QLatin1Char('/') || html.at(i + 1) == QLatin1Char('!'))) {
                if (breaksLine(html, i, close)) {
                    blankPending = true;
                    blankStart = blankEnd = -1;
                }
                i = close + 1;
                continue;
            }
        } else if (c == QLatin1Char('&')) {
            QString decoded;
            if (const int length = entity(html, i, decoded)) {
                put(decoded, i, i + length);
                i += length;
                continue;
            }
        }
        // Both halves of a surrogate pair come from the same place.
        const int width = c.isHighSurrogate() && i + 1 < html.size() ? 2 : 1;
        put(html.mid(i, width), i, i + width);
        i += width;
    }
    return out;
}

QString of(const QString& html)
{
    return mapped(html).text;
}
}
