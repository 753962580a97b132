#include "support/recording_shell.h"

RecordingShell::RecordingShell()
{
    Shell::install(this);
}

RecordingShell::~RecordingShell()
{
    if (&Shell::instance() == this)
        Shell::install(nullptr);
}

bool RecordingShell::openUrl(const QUrl& url)
{
    opened.append(url);
    return succeeds;
}

bool RecordingShell::startProgram(const QString& path, const QStringList& args)
{
    started.append({path, args});
    return succeeds;
}
