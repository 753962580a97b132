#include "practice/command_channel.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/feedback_form.h"
#include "platform/page_guard.h"
#include "platform/page_view.h"
#include "platform/practice_host.h"
#include "platform/practice_state.h"
#include "practice/report_page.h"
#include "store/bank_connection.h"
#include "store/sql.h"
#include "store/view_mode.h"
#include <QRegularExpression>
#include <QWidget>

namespace {
constexpr int kPrefixLength = 11; // "http://" and the four letters of the command
const QString kReport = QStringLiteral("ctfk");
const QString kFavourite = QStringLiteral("scbt");

QSqlRecord questionRow(const QSqlDatabase& db, const QString& id)
{
    const auto rows = sql::select(db, QStringLiteral("select * from question where id=") + id);
    return rows.isEmpty() ? QSqlRecord() : rows.first();
}
}

CommandChannel::CommandChannel(PracticeHost& host)
    : host_(host)
{
}

QString CommandChannel::commandId(const QString& url)
{
    QString id = url.mid(kPrefixLength);
    if (id.endsWith(QLatin1Char('/')))
        id.chop(1);
    // Page links carry a question's number; anything else in a link is foreign.
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,18}$"));
    return number.match(id).hasMatch() ? id : QString();
}

void CommandChannel::serve(const QString& url)
{
    const bool report = url.contains(kReport);
    const bool favourite = url.contains(kFavourite);
    const QString id = commandId(url);
    if ((!report && !favourite) || id.isEmpty())
        return;
    bool toggled = false;
    {
        PageGuard guard(host_.state());
        if (guard.refused())
            return;
        if (report)
            ShowErrorReport(id);
        if (favourite)
            toggled = ToggleFavourite(id);
    }
    // The favourites view loses a question that is no longer a favourite. It runs
    // once the closing of the message has reached the practice window.
    if (toggled && host_.state().viewMode == ViewMode::kFavourites)
        QMetaObject::invokeMethod(
            host_.dialogParent(), [this] { runReported([this] { host_.runView(ViewMode::kFavourites); }); }, Qt::QueuedConnection);
}

bool CommandChannel::ToggleFavourite(const QString& id)
{
    const QSqlDatabase db = host_.bank().reopen();
    const QSqlRecord question = questionRow(db, sql::checkedId(id));
    if (question.isEmpty())
        return false;
    const bool wasFavourite = sql::text(question, QStringLiteral("scbt")) == QStringLiteral("1");
    Dialogs::instance().inform(wasFavourite ? QStringLiteral("取消收藏！") : QStringLiteral("收藏成功！"));
    sql::exec(db, QStringLiteral("update question set scbt=? where id=?"),
              {wasFavourite ? QString() : QStringLiteral("1"), id.toLongLong()});
    return true;
}

bool CommandChannel::ShowErrorReport(const QString& id)
{
    if (!feedback_)
        return false;
    BankConnection& bank = host_.bank();
    const QSqlRecord question = questionRow(bank.reopen(), sql::checkedId(id));
    if (question.isEmpty()) {
        bank.close();
        return false;
    }
    feedback_->clearAndShow();
    drawReportedQuestion(bank.db(), question, *feedback_);
    bank.close();
    host_.page().setTextZoom(1);
    return true;
}
