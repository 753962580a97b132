// The page's command links: favourites and error reports, through the practice
// window's navigation hook and the real page.
#include "app/picture_button.h"
#include "app/practice_window.h"
#include "app/program.h"
#include "platform/page_view.h"
#include "practice/practice_room.h"
#include "store/view_mode.h"
#include "support/feedback_window.h"
#include "support/scripted_dialogs.h"
#include "support/support_room.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTreeWidget>
#include <QWebEngineView>
#include <sqlite3.h>

namespace {
using namespace fixture;

// Statements the SQLite library has started, on every connection of the process.
int gStatements = 0;

int countStatement(unsigned, void*, void*, void*)
{
    ++gStatements;
    return 0;
}

int traceConnection(sqlite3* db, const char**, const sqlite3_api_routines*)
{
    sqlite3_trace_v2(db, SQLITE_TRACE_STMT, countStatement, nullptr);
    return SQLITE_OK;
}

// Chapter 3: single choice 7, 12 (with a picture), 1234; case 40, 41; matching
// 50, 51 with 20 choices. Chapter 4: question 60.
QString bank()
{
    return types() + node(1, "根", 0, 1) + node(2, "节一", 1, 2) + node(3, "章一", 2, 3) + node(4, "章二", 2, 3)
        + group(1, 3, 3) + question(7, 1, "七号题") + options(70, 7, 2) + question(12, 1, "十二号题", "B", "pic/a.jpg") + options(120, 12, 3)
        + question(1234, 1, "题干含'引号'与\\反斜杠") + options(12340, 1234, 2)
        + group(2, 3, 10, "病例：男，45岁") + question(40, 2, "病例第一问", "C") + question(41, 2, "病例第二问", "AB") + options(410, 41, 3)
        + group(3, 3, 11, "配伍题组", 20) + question(50, 3, "配伍第一项") + question(51, 3, "配伍第二项", "D") + options(510, 51, 2)
        + group(4, 4, 3) + question(60, 4, "另一章的题");
}

QStringList chapters(TForm10& window)
{
    QStringList names;
    for (QTreeWidgetItemIterator it(window.tree()); *it; ++it)
        names << (*it)->text(0);
    return names;
}

// The program's windows with the first chapter on show.
struct Program_ {
    Program::Windows windows;
    TForm10& form = *windows.form10;
    TForm9& feedback = *windows.support->feedbackWindow();
    Program_()
    {
        form.FormShow();
        form.show();
        form.FormActivate();
    }
};

// Serves the queued command, and the activation that follows its messages.
void settle()
{
    for (int k = 0; k < 3; ++k)
        QCoreApplication::processEvents();
}

// Clicks the page's own button whose command link is the given one.
void clickPageButton(TForm10& form, const QString& link)
{
    form.page().runScript(QStringLiteral("document.querySelector('input[onclick*=\"") + link + QStringLiteral("\\'\"]').click();"));
}
}

class CommandChannelTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void commandLinks_data();
    void commandLinks();
    void hostileLinksRunNothing();
    void favouriteByThePageButton();
    void removingTheLastFavouriteInItsView();
    void reportPages_data();
    void reportPages();
};

void CommandChannelTest::initTestCase()
{
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(traceConnection));
}

void CommandChannelTest::commandLinks_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("ready");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<int>("favourite"); // question whose mark is toggled, or 0
    QTest::addColumn<int>("report");    // question shown in the feedback window, or 0
    QTest::newRow("favourite with /") << "http://scbt12/" << true << true << 12 << 0;
    QTest::newRow("favourite without /") << "http://scbt12" << true << true << 12 << 0;
    QTest::newRow("report with /") << "http://ctfk1234/" << true << true << 0 << 1234;
    QTest::newRow("report without /") << "http://ctfk1234" << true << true << 0 << 1234;
    QTest::newRow("one-digit id") << "http://scbt7/" << true << true << 7 << 0;
    QTest::newRow("both words") << "scbt://ctfk7/" << true << true << 7 << 7;
    QTest::newRow("plain web link") << "http://www.example.com/" << true << true << 0 << 0;
    QTest::newRow("non-numeric id") << "http://scbtabc/" << true << true << 0 << 0;
    QTest::newRow("id with SQL") << "http://ctfk12 or 1=1/" << true << true << 0 << 0;
    QTest::newRow("no such question") << "http://scbt999/" << true << true << 0 << 0;
    QTest::newRow("page not ready") << "http://scbt12/" << false << false << 0 << 0;
}

void CommandChannelTest::commandLinks()
{
    QFETCH(QString, url);
    QFETCH(bool, ready);
    QFETCH(bool, cancelled);
    QFETCH(int, favourite);
    QFETCH(int, report);
    TestFolder folder(bank());
    ScriptedDialogs dialogs;
    Program_ program;
    const QStringList page = program.form.page().fragmentLog();
    program.form.state().pageReady = ready;
    program.form.page().setTextZoom(3);

    QCOMPARE(program.form.WebBrowser1BeforeNavigate2(url), cancelled);
    QCOMPARE(program.form.skipNextActivation(), cancelled);
    settle();

    const QStringList favourites = folder.scalar("select group_concat(id) from question where scbt='1'").split(',', Qt::SkipEmptyParts);
    QCOMPARE(favourites, favourite ? QStringList{QString::number(favourite)} : QStringList());
    QCOMPARE(dialogs.texts(), favourite ? QStringList{"收藏成功！"} : QStringList());
    QCOMPARE(program.feedback.isVisible(), report != 0);
    if (report) {
        QCOMPARE(program.feedback.rowValues().at(1), QString::number(report));
        QCOMPARE(qobject_cast<QWebEngineView*>(program.form.page().widget())->zoomFactor(), 0.9);
    }
    // The chapter page is never rebuilt by a command outside the favourites view: the
    // message box's closing used up the skip flag.
    QCOMPARE(program.form.page().fragmentLog(), page);
    QCOMPARE(program.form.skipNextActivation(), cancelled && !favourite);
}

void CommandChannelTest::hostileLinksRunNothing()
{
    TestFolder folder(bank());
    ScriptedDialogs dialogs;
    Program_ program;
    const QString before = folder.scalar("select group_concat(id || ':' || scbt) from question");
    const QStringList page = program.form.page().fragmentLog();
    const QStringList questions = folder.scalar("select group_concat(id) from question").split(',');
    const QStringList heads = {"http://scbt", "http://ctfk", "scbt", "ctfk", "http://ctfkscbt", "https://scbt", "javascript:ctfk", "http://x.y/ctfk", ""};
    const QStringList tails = {"'", "\"", ";", "1;", "1; drop table question", "12'--", "1 or 1=1", "99999999999999999999", "-1", "+5", "0x1F",
                               "1e3", "１２", "一二", "١٢", "%27", "12//", " 12", "12 ", "\n12", "12\u0000", "🙂", "\\", "", "/", "12/x/",
                               "ctfk12", "scbt7/", "<script>", "12.0"};
    QRandomGenerator random(20261211);
    int runs = 0;
    for (int tried = 0; tried < 1100;) {
        QString url = heads.at(random.bounded(heads.size()));
        for (int piece = random.bounded(1, 4); piece > 0; --piece)
            url += random.bounded(4) == 0 ? QString(QChar(char16_t(random.bounded(0x20, 0xd7ff)))) : tails.at(random.bounded(tails.size()));
        if (random.bounded(2))
            url += '/';
        // A command with a number: a command word and every character of the id a decimal digit.
        QString id = url.mid(11);
        if (id.endsWith('/'))
            id.chop(1);
        const bool integer = (url.contains("scbt") || url.contains("ctfk")) && !id.isEmpty() && id.size() <= 18
            && std::all_of(id.begin(), id.end(), [](QChar c) { return c >= '0' && c <= '9'; });
        if (integer && questions.contains(id))
            continue; // a real command; the table above covers those
        ++tried;
        const int statements = gStatements;
        QVERIFY(program.form.WebBrowser1BeforeNavigate2(url));
        settle();
        // A number is looked up (which shows the count works); anything else runs nothing.
        if (integer)
            ++runs;
        QVERIFY2((gStatements > statements) == integer, qPrintable(url));
    }
    QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.texts().join('|')));
    QVERIFY(!program.feedback.isVisible());
    QCOMPARE(folder.scalar("select group_concat(id || ':' || scbt) from question"), before);
    QCOMPARE(program.form.page().fragmentLog(), page);
    // The same window still serves a real link afterwards.
    QVERIFY(program.form.WebBrowser1BeforeNavigate2("http://scbt7/"));
    settle();
    QCOMPARE(dialogs.texts(), QStringList{"收藏成功！"});
    qInfo("%d of the links carried a number", runs);
}

void CommandChannelTest::favouriteByThePageButton()
{
    TestFolder folder(bank());
    ScriptedDialogs dialogs;
    Program_ program;
    const QStringList page = program.form.page().fragmentLog();
    QStringList expected;
    for (const char* message : {"收藏成功！", "取消收藏！", "收藏成功！"}) {
        clickPageButton(program.form, "http://scbt12");
        expected << message;
        QTRY_COMPARE_WITH_TIMEOUT(dialogs.texts(), expected, 30000);
        QCOMPARE(folder.scalar("select scbt from question where id=12"), expected.size() == 2 ? QString() : QStringLiteral("1"));
    }
    // The page switched the button's caption itself; nothing was rebuilt.
    QCOMPARE(program.form.page().evaluate("document.querySelector('input[onclick*=\"http://scbt12\\'\"]').value").toString(),
             QStringLiteral("取消收藏"));
    QCOMPARE(program.form.page().fragmentLog(), page);

    QTest::mouseClick(program.form.findChild<PictureButton*>("NewImage1"), Qt::LeftButton);
    QCOMPARE(program.form.viewMode(), ViewMode::kFavourites);
    QCOMPARE(chapters(program.form), (QStringList{"根", "节一", "章一"}));
    const QString favouritesPage = program.form.page().fragmentLog().join("");
    QVERIFY(favouritesPage.contains("十二号题"));
    QVERIFY(!favouritesPage.contains("七号题"));
}

void CommandChannelTest::removingTheLastFavouriteInItsView()
{
    TestFolder folder(bank() + "update question set scbt='1' where id=41;");
    ScriptedDialogs dialogs;
    Program_ program;
    program.form.NewImage1Click();
    QCOMPARE(program.form.viewMode(), ViewMode::kFavourites);
    const QStringList tree = chapters(program.form);
    const QStringList page = program.form.page().fragmentLog();
    QVERIFY(page.join("").contains("病例第二问"));

    clickPageButton(program.form, "http://scbt41");
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.texts(), (QStringList{"取消收藏！", "您没有收藏试题！"}), 30000);
    settle();
    QCOMPARE(folder.scalar("select count(*) from question where scbt='1'"), QStringLiteral("0"));
    QCOMPARE(program.form.viewMode(), ViewMode::kFavourites);
    QCOMPARE(chapters(program.form), tree);
    QCOMPARE(program.form.page().fragmentLog(), page);
}

void CommandChannelTest::reportPages_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QStringList>("fragments");
    const QString radio = " <input type=\"radio\" id=\"%1\"  name=\"12\" value=\"%2\">%2:选项%3";
    QTest::newRow("single choice") << "http://ctfk12/"
                                   << QStringList{"&nbsp <b>题型3</b>", "<br>",
                                                  "&nbsp<br><p> 如图所示：<img src=\"./pic/a.jpg\"> </p> ",
                                                  "&nbsp1. 十二号题", "<br>",
                                                  "<br>", "&nbsp" + radio.arg("120", "A", "1"),
                                                  "<br>", "&nbsp" + radio.arg("121", "B", "2"),
                                                  "<br>", "&nbsp" + radio.arg("122", "C", "3"),
                                                  "<br> <br><div class=\"Answer\" id=\"ansnote12\" value=\"B\" style=\"display\">正确答案：B</div></td></tr><br><br> "};
    const QString box = " <input type=\"checkbox\" id=\"%1\" name=\"41\" value=\"%2\">%2:选项%3";
    QTest::newRow("case sub-question") << "http://ctfk41/"
                                       << QStringList{"&nbsp <b>题型10</b>", "<br>", "&nbsp1.病例：男，45岁", "<br>",
                                                      "&nbsp1.1. 病例第二问", "<br>",
                                                      "<br>", "&nbsp" + box.arg("410", "A", "1"),
                                                      "<br>", "&nbsp" + box.arg("411", "B", "2"),
                                                      "<br>", "&nbsp" + box.arg("412", "C", "3"),
                                                      "<br> <br><div class=\"Answer\" id=\"ansnote41\" value=\"AB\" style=\"display\">正确答案：AB</div></td></tr><br><br> "};
    QString letters;
    for (char c = 'A'; c <= 'O'; ++c)
        letters += QStringLiteral("<option value=\"%1\">%1 ").arg(QChar(c));
    QTest::newRow("matching item, 20 choices")
        << "http://ctfk51/"
        << QStringList{"&nbsp <b>题型11</b>", "<br>", "&nbsp1.配伍题组", "<br>",
                       "&nbsp1.1.  <select name=\"cars\" id=\"a51\"> <option value=\"daan\" selected>答案 " + letters + "</select>配伍第二项",
                       "<br>", "<br>", "&nbsp", "<br>", "&nbsp",
                       "<br> <br><div class=\"Answer\" id=\"ansnote51\" value=\"D\" style=\"display\">正确答案：D</div></td></tr><br><br> "};
}

void CommandChannelTest::reportPages()
{
    QFETCH(QString, url);
    QFETCH(QStringList, fragments);
    TestFolder folder(bank());
    ScriptedDialogs dialogs;
    Program_ program;
    // Ticks and comment of an earlier report are gone.
    program.feedback.findChild<QCheckBox*>("CheckBox4")->setChecked(true);
    program.feedback.findChild<QPlainTextEdit*>("Memo1")->setPlainText("旧的说明");

    QVERIFY(program.form.WebBrowser1BeforeNavigate2(url));
    settle();
    PageView& page = program.feedback.reportPage();
    QCOMPARE(page.fragmentLog(), fragments);
    QVERIFY(program.feedback.isVisible());
    QVERIFY(!program.feedback.isModal());
    const QStringList values = program.feedback.rowValues();
    QCOMPARE(values.mid(3, 11), (QStringList{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", ""}));
    // The answer is on show, and the page has no buttons.
    QCOMPARE(page.evaluate("document.querySelector('.Answer').offsetHeight > 0 && document.querySelectorAll('input[type=button]').length == 0"),
             QVariant(true));
    QVERIFY(dialogs.shown.isEmpty());
}

KAIVORA_TEST_MAIN(CommandChannelTest)
#include "test_command_channel.moc"
