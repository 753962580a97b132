// The page bar: all answers at once, the font steps and full-screen mode, on a real page.
#include "app/picture_button.h"
#include "app/practice_window.h"
#include "platform/page_view.h"
#include "practice/page_tools.h"
#include "support/page_probe.h"
#include "support/scripted_dialogs.h"
#include "support/test_folder.h"
#include "support/test_main.h"

namespace {
QString bank()
{
    using namespace fixture;
    return types() + node(1, "根", 0, 1) + node(2, "节", 1, 2) + node(3, "章", 2, 3) + group(1, 3, 3) + question(1, 1, "一")
        + question(2, 1, "二") + question(3, 1, "三") + question(10001, 1, "编号很大") + options(1, 1, 5);
}

// "o" for an open answer, "-" for a closed one, in question order; the button captions must agree.
QString answers(TForm10& window)
{
    return window.page()
        .evaluate("[1,2,3,10001].map(function(i){var a=document.getElementById('ansnote'+i),b=document.getElementById('xs'+i);"
                  "var open=getComputedStyle(a).display!='none';"
                  "return (open==(b.value=='隐藏答案'))?(open?'o':'-'):'?';}).join('')")
        .toString();
}

bool shown(TForm10& window, const char* name)
{
    return !window.findChild<QWidget*>(name)->isHidden();
}

PictureButton* picture(TForm10& window, const char* name)
{
    return window.findChild<PictureButton*>(name);
}
}

class PageToolsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showAndHideAllAnswers();
    void showAllLeavesAHandOpenedAnswerOpen();
    void fontSteps_data();
    void fontSteps();
    void fullScreenFromNormalAndMaximized();

private:
    std::unique_ptr<TestFolder> folder_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<TForm10> window_;
};

void PageToolsTest::init()
{
    folder_ = std::make_unique<TestFolder>(bank());
    dialogs_ = std::make_unique<ScriptedDialogs>();
    window_ = std::make_unique<TForm10>();
    window_->show();
    window_->FormShow();
    window_->FormActivate();
    QCOMPARE(window_->currentChapterId(), QStringLiteral("3"));
}

void PageToolsTest::cleanup()
{
    window_.reset();
    dialogs_.reset();
    folder_.reset();
}

void PageToolsTest::showAndHideAllAnswers()
{
    TForm10& window = *window_;
    QCOMPARE(PageTools::showAllScript(),
             QStringLiteral("function showallans(){var tmpd;  var allnum =10000; var i;  for (i=1;i<=allnum;i++) { "
                            "tmpd=document.getElementById(\"xs\"+i);if ((tmpd!=null)&&(tmpd.value=='显示答案')) tmpd.click(); }\t} showallans();"));
    QCOMPARE(answers(window), QStringLiteral("----"));
    const QList<bool> ready = pageReadyWhile(window, [&] { QTest::mouseClick(picture(window, "NewImage10"), Qt::LeftButton); });
    // Ids above 10000 are out of the script's reach.
    QCOMPARE(answers(window), QStringLiteral("ooo-"));
    QVERIFY(!shown(window, "NewImage10"));
    QVERIFY(shown(window, "NewImage16"));
    // Command links are not served while the script runs.
    QVERIFY(!ready.isEmpty());
    QVERIFY(!ready.contains(true));
    QTest::mouseClick(picture(window, "NewImage16"), Qt::LeftButton);
    QCOMPARE(answers(window), QStringLiteral("----"));
    QVERIFY(shown(window, "NewImage10"));
    QVERIFY(!shown(window, "NewImage16"));
}

void PageToolsTest::showAllLeavesAHandOpenedAnswerOpen()
{
    TForm10& window = *window_;
    window.page().evaluate("document.getElementById('xs2').click()");
    QCOMPARE(answers(window), QStringLiteral("-o--"));
    window.NewImage10Click();
    QCOMPARE(answers(window), QStringLiteral("ooo-"));
    window.NewImage16Click();
    window.page().evaluate("document.getElementById('xs2').click()");
    window.NewImage16Click();
    QCOMPARE(answers(window), QStringLiteral("----"));
}

void PageToolsTest::fontSteps_data()
{
    QTest::addColumn<QString>("presses");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("up up down down") << "++--" << QList<int>{17, 18, 15, 14} << 2 << QStringList{};
    QTest::newRow("down") << "-" << QList<int>{13} << 1 << QStringList{};
    // Closing the limit's message activates the window again: the first chapter is
    // built afresh and the step starts again from 2.
    QTest::newRow("down to the floor, then up") << "--+" << QList<int>{13, 13, 17} << 3 << QStringList{"不能将字体设置过小！"};
    QTest::newRow("up to the ceiling, then down") << "++++++++++-" << QList<int>{17, 18, 19, 20, 21, 22, 23, 24, 25, 25, 13} << 1
                                                  << QStringList{"不能将字体设置过大！"};
}

void PageToolsTest::fontSteps()
{
    QFETCH(QString, presses);
    QFETCH(QList<int>, sizes);
    QFETCH(int, level);
    QFETCH(QStringList, messages);
    TForm10& window = *window_;
    QList<int> seen;
    for (const QChar press : presses) {
        QTest::mouseClick(picture(window, press == '+' ? "NewImage14" : "NewImage15"), Qt::LeftButton);
        seen << window.page().evaluate("parseInt(document.body.style.fontSize)").toInt();
    }
    QCOMPARE(seen, sizes);
    QCOMPARE(window.zoomLevel(), level);
    QCOMPARE(dialogs_->texts(), messages);
}

void PageToolsTest::fullScreenFromNormalAndMaximized()
{
    TForm10& window = *window_;
    const QRect normal = window.geometry();
    window.NewImage17Click();
    QVERIFY(window.windowMaximized());
    QVERIFY(!window.fullScreenFlag());
    for (const char* hidden : {"ToolBar1", "Panel2", "Panel5", "NewImage17"})
        QVERIFY2(!shown(window, hidden), hidden);
    QVERIFY(shown(window, "NewImage18"));
    window.NewImage18Click();
    QVERIFY(!window.windowMaximized());
    QCOMPARE(window.geometry(), normal);
    for (const char* back : {"ToolBar1", "Panel2", "Panel5", "NewImage17"})
        QVERIFY2(shown(window, back), back);

    window.Image6Click();
    const QRect maximized = window.geometry();
    window.NewImage17Click();
    QVERIFY(window.fullScreenFlag());
    window.NewImage18Click();
    QVERIFY(window.windowMaximized());
    QCOMPARE(window.geometry(), maximized);
    QVERIFY(!shown(window, "NewImage18"));
}

KAIVORA_TEST_MAIN(PageToolsTest)
#include "test_page_tools.moc"
