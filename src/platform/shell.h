#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// Opens pages in the system browser and starts helper programs; tests install a
// recorder (tests/support/recording_shell.h) so that nothing leaves the test.
class Shell {
public:
    virtual ~Shell() = default;

    // Both return at once; false when the system refused (e.g. no such program).
    virtual bool openUrl(const QUrl& url) = 0;
    virtual bool startProgram(const QString& path, const QStringList& args = {}) = 0;

    static Shell& instance();
    // Takes no ownership; nullptr puts the system's shell back.
    static void install(Shell* shell);
};

class SystemShell : public Shell {
public:
    bool openUrl(const QUrl& url) override;
    bool startProgram(const QString& path, const QStringList& args) override;
};
