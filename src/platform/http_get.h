#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QUrl>

class QNetworkReply;

// One HTTP GET into memory, never blocking the window: it starts at once and reports
// from the event loop, exactly once, when the whole body has arrived or the request
// failed (no connection, an HTTP error status, a body cut short, the time-out).
// No proxy is used; cookies the server sets are kept for the program's later requests.
class HttpGet : public QObject {
    Q_OBJECT
public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    HttpGet(const QUrl& url, const Headers& headers, int timeoutMs, QObject* parent = nullptr);
    ~HttpGet() override;

signals:
    void finished(bool ok, const QByteArray& body);

private:
    void done();

    QNetworkReply* reply_ = nullptr;
};
