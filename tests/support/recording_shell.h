#pragma once
#include "platform/shell.h"

// Records every request and installs itself while it lives.
class RecordingShell : public Shell {
public:
    struct Started {
        QString path;
        QStringList args;
    };

    RecordingShell();
    ~RecordingShell() override;

    bool openUrl(const QUrl& url) override;
    bool startProgram(const QString& path, const QStringList& args) override;

    QList<QUrl> opened;
    QList<Started> started;
    // What the requests answer.
    bool succeeds = true;
};
