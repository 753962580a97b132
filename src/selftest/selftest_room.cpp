#include "selftest/selftest_room.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/page_guard.h"
#include "platform/practice_host.h"
#include "platform/practice_state.h"
#include "selftest/page_grading.h"
#include "selftest/result_window.h"
#include "selftest/score_table.h"
#include "store/bank_connection.h"
#include "store/sql.h"
#include "store/study_record.h"
#include "store/view_mode.h"
#include <QScopeGuard>
#include <QtGlobal>

namespace {
constexpr int kTimer2IntervalMs = 100;
}

SelfTestRoom::SelfTestRoom(PracticeHost& host)
    : host_(host)
{
    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer2_.setInterval(kTimer2IntervalMs);
    QObject::connect(&timer2_, &QTimer::timeout, &timer2_, [this] { runReported([this] { Timer2Timer(); }); });
}

SelfTestRoom::~SelfTestRoom() = default;

QVector<RoomAction> SelfTestRoom::actions()
{
    return {{"BitBtn1Click", [this] { BitBtn1Click(); }}, {"NewImage11Click", [this] { NewImage11Click(); }}};
}

void SelfTestRoom::BitBtn1Click()
{
    bool graded = false;
    {
        PageGuard guard(host_.state());
        if (guard.refused())
            return;
        // Closing the result window must leave the graded page on show.
        host_.state().skipNextActivation = true;
        const auto closeBank = qScopeGuard([this] { host_.bank().close(); });
        try {
            const QString viewMode = host_.state().viewMode;
            // The grading's record lands with its marks and scores, or neither does.
            PageGrading(host_.bank().reopen(), host_.page(), viewMode)
                .grade(host_.state().currentChapterId, [&viewMode](const QSqlDatabase& db, const GradingOutcome& outcome) {
                    StudyRecord::appendSelfTest(db, {QDateTime::currentDateTime(), outcome.chapterId.toInt(), viewMode,
                                                     StudyRecord::pageGradingScores(db)});
                });
            graded = true;
        } catch (const std::exception& e) {
            // A grading that fails ends without a word and without a result window;
            // it has written nothing.
            qWarning("page grading stopped: %s", e.what());
        }
    }
    if (graded)
        Button1Click();
}

void SelfTestRoom::Button1Click()
{
    {
        TForm15 window(host_.dialogParent());
        QObject::connect(&window, &TForm15::activated, &timer2_, qOverload<>(&QTimer::start));
        result_ = &window;
        window.exec();
    }
    timer2_.stop();
    const QString question = QStringLiteral("您是否把这次的错题放到错题题库中？");
    if (host_.state().viewMode != ViewMode::kWrong
        && Dialogs::instance().ask(question, QStringLiteral("提示"), Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes) {
        const auto closeBank = qScopeGuard([this] { host_.bank().close(); });
        sql::exec(host_.bank().open(), QStringLiteral("update  question set ct=''where ct1='1'"));
    }
    // The practice window is the active one again; grading told it to keep its page.
    host_.activated();
}

void SelfTestRoom::Timer2Timer()
{
    // Once per activation, also when the rendering fails.
    timer2_.stop();
    if (!result_)
        return;
    {
        const auto closeBank = qScopeGuard([this] { host_.bank().close(); });
        ScoreTable(host_.bank().reopen(), result_->page()).render();
    }
    host_.showAllAnswers();
}

void SelfTestRoom::NewImage11Click()
{
    if (Dialogs::instance().ask(QStringLiteral("重新答题会清除当前所选的答案，是否继续？"), QStringLiteral("提示"), Dialogs::Buttons::OkCancel)
        != Dialogs::Answer::Ok)
        return;
    host_.setPictureVisible(QStringLiteral("NewImage16"), false);
    host_.setPictureVisible(QStringLiteral("NewImage10"), true);
    host_.renderCurrentChapter();
}
