#include "support/release_check.h"
#include <QDate>
#include <QFile>
#include <QTextStream>

namespace ReleaseCheck {
QString releaseDate(const QString& iniPath)
{
    QFile file(iniPath);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&file);
        bool inSection = false;
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
                inSection = line.mid(1, line.size() - 2).trimmed().compare(QLatin1String("File1"), Qt::CaseInsensitive) == 0;
                continue;
            }
            const int equals = line.indexOf(QLatin1Char('='));
            if (inSection && equals > 0
                && line.left(equals).trimmed().compare(QLatin1String("Date"), Qt::CaseInsensitive) == 0)
                return line.mid(equals + 1).trimmed();
        }
    }
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

bool updateDue(const QString& programFolder)
{
    return releaseDate(programFolder + QStringLiteral("tmp.ini")) > releaseDate(programFolder + QStringLiteral("predate.ini"));
}
}
