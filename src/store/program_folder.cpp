#include "store/program_folder.h"
#include <QCoreApplication>
#include <QDir>

namespace {
QString& overridden()
{
    static QString folder;
    return folder;
}

QString withSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
}

namespace ProgramFolder {
QString path()
{
    if (!overridden().isEmpty())
        return overridden();
    return withSeparator(QCoreApplication::applicationDirPath());
}

void override(const QString& folder)
{
    overridden() = folder.isEmpty() ? QString() : withSeparator(QDir(folder).absolutePath());
}

QString file(const QString& relative)
{
    return path() + relative;
}
}
