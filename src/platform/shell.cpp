#include "platform/shell.h"
#include <QDesktopServices>
#include <QProcess>

namespace {
Shell*& installed()
{
    static Shell* shell = nullptr;
    return shell;
}
}

Shell& Shell::instance()
{
    static SystemShell real;
    return installed() ? *installed() : real;
}

void Shell::install(Shell* shell)
{
    installed() = shell;
}

bool SystemShell::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool SystemShell::startProgram(const QString& path, const QStringList& args)
{
    return QProcess::startDetached(path, args);
}
