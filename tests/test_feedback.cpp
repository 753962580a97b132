// The feedback window against a real PostgreSQL server, reached through unixODBC
// and the PostgreSQL ODBC driver exactly as the program reaches the maker's server.
#include "app/practice_window.h"
#include "app/program.h"
#include "platform/page_view.h"
#include "support/feedback_window.h"
#include "support/postgres_server.h"
#include "support/scripted_dialogs.h"
#include "support/support_room.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeWidget>
#include <memory>

namespace {
using namespace fixture;

const QString kSent = QStringLiteral("您的问题已经反馈成功，谢谢您的反馈！");
const QString kFailed = QStringLiteral("反馈失败！");
constexpr int kWaitMs = 60000;

// Types the text as a candidate does: Latin keys on the keyboard, Chinese through
// the input method.
void typeText(QWidget* widget, const QString& text)
{
    QString run;
    auto flush = [&](bool latin) {
        if (run.isEmpty())
            return;
        if (latin) {
            QTest::keyClicks(widget, run);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(run);
            QCoreApplication::sendEvent(widget, &commit);
        }
        run.clear();
    };
    for (int k = 0; k < text.size(); ++k) {
        const QChar c = text.at(k);
        if (c == '\n') {
            flush(true);
            flush(false);
            QTest::keyClick(widget, Qt::Key_Return);
            continue;
        }
        const bool latin = c.unicode() < 0x80;
        if (!run.isEmpty() && (run.back().unicode() < 0x80) != latin)
            flush(!latin);
        run += c;
    }
    if (!run.isEmpty())
        flush(run.back().unicode() < 0x80);
}

QString bank()
{
    return types() + node(1, "根", 0, 1) + node(2, "节一", 1, 2) + node(3, "章一", 2, 3) + node(4, "章二", 2, 3) + group(1, 3, 3)
        + question(1234, 1, "题干含'引号'与\\反斜杠") + options(12340, 1234, 2) + group(2, 4, 3) + question(60, 2, "另一章的题");
}

// The program's windows with the first chapter on show and a report of question 1234 open.
struct Reporting {
    Program::Windows windows;
    TForm10& form = *windows.form10;
    TForm9& feedback = *windows.support->feedbackWindow();
    Reporting()
    {
        form.FormShow();
        form.show();
        form.FormActivate();
        // The page's own "错题反馈" button.
        form.page().runScript("document.querySelector('input[onclick*=\"http://ctfk1234\\'\"]').click();");
        QTRY_VERIFY_WITH_TIMEOUT(feedback.isVisible() && feedback.reportPage().fragmentLog().size() > 5, kWaitMs);
    }
    QCheckBox* box(int number) { return feedback.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(number)); }
    QPlainTextEdit* memo() { return feedback.findChild<QPlainTextEdit*>("Memo1"); }
    void click(const char* button) { QTest::mouseClick(feedback.findChild<QPushButton*>(button), Qt::LeftButton); }
    void tickAndComment()
    {
        QTest::mouseClick(box(1), Qt::LeftButton);
        typeText(memo(), "图片打不开");
    }
};

// Sessions the program's account holds open on the server.
int sessionsOf(const QSqlDatabase& admin, const char* user)
{
    QSqlQuery query(admin);
    query.prepare("select count(*) from pg_stat_activity where usename = ?");
    query.addBindValue(QString::fromLatin1(user));
    return query.exec() && query.next() ? query.value(0).toInt() : -1;
}

QStringList row(const QString& memo, QList<int> ticked)
{
    QStringList values = {"职业病", "1234", "题干含'引号'与\\反斜杠"};
    for (int k = 1; k <= 10; ++k)
        values << (ticked.contains(k) ? "1" : "0");
    return values << memo;
}
}

class FeedbackTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void windowLayout();
    void rowArrivesIntact();
    void failuresKeepTheEntries_data();
    void failuresKeepTheEntries();
    void cancelSendsNothing();
    void slowServerLeavesTheProgramResponsive();

private:
    std::unique_ptr<PostgresServer> server_;
    std::unique_ptr<TestFolder> folder_;
};

void FeedbackTest::initTestCase()
{
    server_ = std::make_unique<PostgresServer>();
}

void FeedbackTest::init()
{
    server_->psql("truncate durev;");
    // One program folder at a time: a folder that goes puts the program's own back.
    folder_.reset();
    folder_ = std::make_unique<TestFolder>(bank());
    folder_->setSetting("feedback", "odbc", server_->connectionString());
}

void FeedbackTest::windowLayout()
{
    ScriptedDialogs dialogs;
    Reporting program;
    TForm9& window = program.feedback;
    QCOMPARE(window.windowTitle(), QStringLiteral("错题反馈"));
    QCOMPARE(window.frameGeometry().size(), QSize(1005, 557));
    const QRect screen = window.screen()->geometry();
    // The offscreen platform shifts a window by its frame margin of 2 pixels.
    QVERIFY(qAbs(window.frameGeometry().left() - (screen.width() / 2 - 512)) <= 2);
    QCOMPARE(window.frameGeometry().top(), screen.height() / 2 - 384);
    QCOMPARE(window.findChild<QWidget*>("Panel1")->geometry(), QRect(8, 8, 980, 287));
    const QStringList labels = {"试题图片不显示",   "试题不在考试大纲范围内", "试题不属于本学科",       "试题过于陈旧",     "试题有错别字",
                                "解题思路与题干不符", "解题思路图片不显示",     "解题思路与答案相互矛盾", "解题思路有错别字", "试题与其他试题重复"};
    const QList<QPoint> places = {{21, 322}, {21, 346}, {21, 370}, {21, 393}, {21, 416}, {259, 321}, {259, 345}, {259, 369}, {259, 392}, {259, 415}};
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(program.box(k + 1)->pos(), places.at(k));
        QCOMPARE(program.box(k + 1)->text(), labels.at(k));
    }
    QCOMPARE(program.memo()->geometry(), QRect(489, 320, 489, 113));
    QCOMPARE(window.findChild<QPushButton*>("Button1")->geometry(), QRect(410, 474, 96, 31));
    QCOMPARE(window.findChild<QPushButton*>("Button1")->text(), QStringLiteral("确 定"));
    QCOMPARE(window.findChild<QPushButton*>("Button2")->geometry(), QRect(522, 474, 96, 31));
    QCOMPARE(window.findChild<QPushButton*>("Button2")->text(), QStringLiteral("取 消"));
    QVERIFY(program.feedback.reportPage().evaluate("document.body.innerText").toString().contains("题干含'引号'与\\反斜杠"));
}

void FeedbackTest::rowArrivesIntact()
{
    ScriptedDialogs dialogs;
    Reporting program;
    QTest::mouseClick(program.box(3), Qt::LeftButton);
    QTest::mouseClick(program.box(7), Qt::LeftButton);
    typeText(program.memo(), "it's \"quoted\" \\ -- \n第二行'); drop table durev; --");
    // The candidate opens another chapter before sending.
    QTreeWidgetItem* other = program.form.tree()->findItems("章二", Qt::MatchRecursive).first();
    program.form.tree()->setCurrentItem(other);
    program.form.TreeView1Click();
    QCOMPARE(program.form.currentChapterId(), QStringLiteral("4"));

    program.click("Button1");
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.texts(), QStringList{kSent}, kWaitMs);
    QVERIFY(!program.feedback.isVisible());
    QCOMPARE(server_->rows(), (QList<QStringList>{row("it's \"quoted\" \\ -- \n第二行'); drop table durev; --", {3, 7})}));
}

void FeedbackTest::failuresKeepTheEntries_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("server stopped") << "stopped";
    QTest::newRow("login refused") << "login";
    QTest::newRow("statement refused") << "statement";
}

void FeedbackTest::failuresKeepTheEntries()
{
    QFETCH(QString, failure);
    ScriptedDialogs dialogs;
    Reporting program;
    program.tickAndComment();
    if (failure == "stopped")
        server_->stop();
    else if (failure == "login")
        folder_->setSetting("feedback", "odbc", server_->connectionString("wrong-password"));
    else
        server_->psql("revoke insert on durev from kaivora;");

    program.click("Button1");
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.texts(), QStringList{kFailed}, kWaitMs);
    QVERIFY(program.feedback.isVisible());
    QVERIFY(program.box(1)->isChecked());
    QCOMPARE(program.memo()->toPlainText(), QStringLiteral("图片打不开"));

    if (failure == "stopped")
        server_->start();
    else if (failure == "login")
        folder_->setSetting("feedback", "odbc", server_->connectionString());
    else
        server_->psql("grant insert on durev to kaivora;");
    QVERIFY(server_->rows().isEmpty());
    program.click("Button1");
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.texts(), (QStringList{kFailed, kSent}), kWaitMs);
    QCOMPARE(server_->rows(), (QList<QStringList>{row("图片打不开", {1})}));
}

void FeedbackTest::cancelSendsNothing()
{
    ScriptedDialogs dialogs;
    Reporting program;
    program.tickAndComment();
    program.click("Button2");
    QVERIFY(!program.feedback.isVisible());
    QVERIFY(!program.feedback.sending());
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(server_->rows().isEmpty());
    // Ticks and comment wait for the candidate until the next report clears them.
    QVERIFY(program.box(1)->isChecked());
}

void FeedbackTest::slowServerLeavesTheProgramResponsive()
{
    ScriptedDialogs dialogs;
    Reporting program;
    program.tickAndComment();
    // Another session holds the table: the statement waits past its limit.
    QSqlDatabase admin = server_->admin();
    QVERIFY(admin.transaction());
    QVERIFY(QSqlQuery(admin).exec("lock table durev in access exclusive mode"));

    program.click("Button1");
    QVERIFY(program.feedback.sending());
    QVERIFY(program.feedback.findChild<QLabel*>("sendingLabel")->isVisible());
    // A second press does nothing, and the practice window still builds its pages.
    program.click("Button1");
    QTreeWidgetItem* other = program.form.tree()->findItems("章二", Qt::MatchRecursive).first();
    program.form.tree()->setCurrentItem(other);
    program.form.TreeView1Click();
    QVERIFY(program.form.page().evaluate("document.body.innerText").toString().contains("另一章的题"));
    QVERIFY(program.feedback.sending());

    QTRY_COMPARE_WITH_TIMEOUT(dialogs.texts(), QStringList{kFailed}, kWaitMs);
    QVERIFY(!program.feedback.sending());
    QVERIFY(program.feedback.isVisible());
    QVERIFY(admin.commit());
    // The send given up on is rolled back once the table is free.
    QTRY_COMPARE_WITH_TIMEOUT(sessionsOf(admin, PostgresServer::kUser), 0, kWaitMs);
    QVERIFY(server_->rows().isEmpty());

    program.click("Button1");
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.texts(), (QStringList{kFailed, kSent}), kWaitMs);
    QCOMPARE(server_->rows(), (QList<QStringList>{row("图片打不开", {1})}));
}

KAIVORA_TEST_MAIN(FeedbackTest)
#include "test_feedback.moc"
