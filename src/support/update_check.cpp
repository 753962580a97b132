#include "support/update_check.h"
#include "platform/connectivity.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/http_get.h"
#include "platform/practice_host.h"
#include "platform/practice_state.h"
#include "platform/shell.h"
#include "store/program_folder.h"
#include "support/release_check.h"
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

namespace {
constexpr int kBusyRetryMs = 50;

const HttpGet::Headers& requestHeaders()
{
    static const HttpGet::Headers headers{
        {"Accept", "text/html, */*"},
        {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"},
        {"Content-Type", "text/html"},
    };
    return headers;
}
}

UpdateCheck::UpdateCheck(PracticeHost& host)
    : host_(host)
    , timer1_(new QTimer(this))
{
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1);
    connect(timer1_, &QTimer::timeout, this, &UpdateCheck::Timer1Timer);
    timer1_->start();
}

UpdateCheck::~UpdateCheck() = default;

void UpdateCheck::Timer1Timer()
{
    timer1_->stop();
    if (download_)
        return;
    download_ = new HttpGet(QUrl(host_.updateAddress()), requestHeaders(), timeoutMs_, this);
    connect(download_, &HttpGet::finished, this, &UpdateCheck::downloaded);
}

void UpdateCheck::downloaded(bool ok, const QByteArray& body)
{
    download_->deleteLater();
    download_ = nullptr;
    // A failed download or write leaves the previous descriptor and says nothing.
    const bool written = ok && runSilently([&] {
        QSaveFile file(ProgramFolder::file(QStringLiteral("tmp.ini")));
        if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit())
            throw KaivoraError(file.errorString());
    });
    if (written)
        decideWhenPageIsFree();
    else
        emit finished();
}

void UpdateCheck::decideWhenPageIsFree()
{
    // The answer can arrive while a page is being built; the message waits for the page.
    if (host_.state().pageBusy) {
        QTimer::singleShot(kBusyRetryMs, this, &UpdateCheck::decideWhenPageIsFree);
        return;
    }
    runSilently([this] { decide(); });
    emit finished();
}

bool UpdateCheck::decide()
{
    if (!ReleaseCheck::updateDue(ProgramFolder::path()))
        return false;
    Dialogs::instance().inform(QStringLiteral("软件需要更新"), QStringLiteral("信息"));
    // A missing updater is not the candidate's concern: nothing is shown.
    Shell::instance().startProgram(ProgramFolder::file(QStringLiteral("app_upd")), {});
    return true;
}

void UpdateCheck::rjsjClick()
{
    if (!Connectivity::instance().online(QUrl(host_.updateAddress()))) {
        Dialogs::instance().inform(QStringLiteral("请检查网络连接"));
        return;
    }
    if (!decide())
        Dialogs::instance().inform(QStringLiteral("已经是最新版本"));
}
