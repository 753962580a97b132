#include "platform/connectivity.h"
#include <QEventLoop>
#include <QNetworkInformation>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

namespace {
constexpr int kProbeTimeoutMs = 2000;

Connectivity*& installed()
{
    static Connectivity* connectivity = nullptr;
    return connectivity;
}
}

Connectivity& Connectivity::instance()
{
    static SystemConnectivity real;
    return installed() ? *installed() : real;
}

void Connectivity::install(Connectivity* connectivity)
{
    installed() = connectivity;
}

bool SystemConnectivity::online(const QUrl& probe)
{
    using Reachability = QNetworkInformation::Reachability;
    if (QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        switch (QNetworkInformation::instance()->reachability()) {
        case Reachability::Online: return true;
        case Reachability::Disconnected:
        case Reachability::Local: return false;
        // A network without the Internet, or an answer not known yet: ask the server.
        case Reachability::Site:
        case Reachability::Unknown: break;
        }
    }
    if (probe.host().isEmpty())
        return true;
    return reachable(probe, kProbeTimeoutMs);
}

bool SystemConnectivity::reachable(const QUrl& probe, int timeoutMs)
{
    QTcpSocket socket;
    socket.setProxy(QNetworkProxy::NoProxy);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&socket, &QTcpSocket::connected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    socket.connectToHost(probe.host(), quint16(probe.port(probe.scheme() == QLatin1String("https") ? 443 : 80)));
    timer.start(timeoutMs);
    // The candidate waits for the answer; clicks meanwhile are not served.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return socket.state() == QAbstractSocket::ConnectedState;
}
