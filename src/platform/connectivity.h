#pragma once
#include <QUrl>

// Whether the computer is online. Tests install an answer of their own.
class Connectivity {
public:
    virtual ~Connectivity() = default;
    // probe: a server to try when the system cannot tell.
    virtual bool online(const QUrl& probe) = 0;

    static Connectivity& instance();
    // Takes no ownership; nullptr puts the system's answer back.
    static void install(Connectivity* connectivity);
};

// The system's reachability where the platform reports it; otherwise a quick
// connection to the probe's host; a platform with neither counts as online.
class SystemConnectivity : public Connectivity {
public:
    bool online(const QUrl& probe) override;
    // Whether the probe's host accepts a connection within the time.
    static bool reachable(const QUrl& probe, int timeoutMs);
};
