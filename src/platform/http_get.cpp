#include "platform/http_get.h"
#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {
QNetworkAccessManager& manager()
{
    static QNetworkAccessManager* shared = [] {
        auto* m = new QNetworkAccessManager(QCoreApplication::instance());
        m->setProxy(QNetworkProxy::NoProxy);
        return m;
    }();
    return *shared;
}
}

HttpGet::HttpGet(const QUrl& url, const Headers& headers, int timeoutMs, QObject* parent)
    : QObject(parent)
{
    QNetworkRequest request(url);
    for (const auto& header : headers)
        request.setRawHeader(header.first, header.second);
    request.setTransferTimeout(timeoutMs);
    reply_ = manager().get(request);
    connect(reply_, &QNetworkReply::finished, this, &HttpGet::done);
    // The transfer time-out counts only silence; a server that trickles is cut off too.
    QTimer::singleShot(timeoutMs, reply_, &QNetworkReply::abort);
}

HttpGet::~HttpGet()
{
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
}

void HttpGet::done()
{
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status < 200 || status >= 300) {
        emit finished(false, QByteArray());
        return;
    }
    const QByteArray body = reply->readAll();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool whole = !length.isValid() || length.toLongLong() == body.size();
    emit finished(whole, whole ? body : QByteArray());
}
