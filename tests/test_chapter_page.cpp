// The chapter page in the real page view: fragments, numbering, answers and pictures.
#include "app/practice_window.h"
#include "platform/page_view.h"
#include "practice/chapter_page.h"
#include "store/view_mode.h"
#include "support/scripted_dialogs.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QTreeWidget>

namespace {
using namespace fixture;

QString chapterBank(const QString& groups)
{
    return types() + node(1, "根", 0, 1) + node(2, "节", 1, 2) + node(3, "章", 2, 3) + groups;
}

QString caseQuestion(int id, int group, int item, const QString& content)
{
    return QStringLiteral("insert into question (id, readtextid, content, answer, explain, itemnum) values (%1, %2, '%3', 'AB', '解析', %4);\n")
        .arg(id).arg(group).arg(content).arg(item);
}

QString answerBlock(const QString& qid, const QString& answer, const QString& favouriteCaption)
{
    return QStringLiteral(
               "<div  style=\"cursor:hand;\"><tr><td width=\"100%\"> <div align=\"right\" > <input id=\"xs%1\" onclick=\"xsda(this,'ansnote%1')\" "
               "name=\"velmoxsda\" type=\"button\" value=\"显示答案\"/><input id=\"sc\"  onclick=\"scbt(this); window.location.href='http://scbt%1'\" "
               "name=\"velmoscbt\" type=\"button\" value=\"%3\"/><input  name=\"velmoctfk\" onclick=\"window.location.href='http://ctfk%1'\" "
               "type=\"button\" value=\"错题反馈\" /> </div>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</div><div  class=\"Answer\" "
               "id=\"ansnote%1\" value=\"%2\" style=\"display:none\">正确答案：%2 答案解析：解析%1</div></td></tr> ")
        .arg(qid, answer, favouriteCaption);
}

// Renders chapter 3 of the bank in a page view of its own.
QStringList render(TestFolder& folder, PageView& page, const QString& mode = ViewMode::kExercise)
{
    ChapterPage(folder.db(), page, mode).render(3);
    page.waitReady();
    return page.fragmentLog();
}

QString bodyText(PageView& page)
{
    return page.evaluate("document.body.innerText").toString().replace(QChar(0xa0), ' ');
}
}

class ChapterPageTest : public QObject {
    Q_OBJECT
private slots:
    void exactFragmentsOfEachKind_data();
    void exactFragmentsOfEachKind();
    void workedNumberingExampleOnThePage();
    void emptyCaseGroupKeepsItsNumber();
    void answerToggleInTheEngine();
    void blankPictureAndDropDownSizes();
    void favouritesViewDropsEmptyGroups();
    void clickDuringABuildIsNotServedInside();
    void emptyChapterWaitsForTheShell();
};

void ChapterPageTest::exactFragmentsOfEachKind_data()
{
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("single choice") << group(1, 3, 3) + question(1, 1, "甲题") + options(11, 1, 2)
                                   << QStringList{"&nbsp <b>题型3</b>", "<br><br>", "&nbsp <span  id ='fan1'>1. 甲题</span>", "<br>", "<br>",
                                                  "&nbsp <input type=\"radio\" id=\"11\"  name=\"1\" value=\"A\">A:选项1<br>", "<br>",
                                                  "&nbsp <input type=\"radio\" id=\"12\"  name=\"1\" value=\"B\">B:选项2<br>",
                                                  answerBlock("1", "A", "收藏本题"), "<hr>"};
    QTest::newRow("multiple choice, favourite") << group(1, 3, 6) + question(7, 1, "乙题", "AC", "", "1") + options(11, 7, 1)
                                                << QStringList{"&nbsp <b>题型6</b>", "<br><br>", "&nbsp <span  id ='fan7'>1. 乙题</span>", "<br>",
                                                               "<br>", "&nbsp <input type=\"checkbox\" id=\"11\" name=\"7\" value=\"A\">A:选项1<br>",
                                                               answerBlock("7", "AC", "取消收藏"), "<hr>"};
    QTest::newRow("case with picture") << group(1, 3, 10, "病例") + question(1, 1, "丙题", "AB", "pic/x.png") + options(11, 1, 1)
                                       << QStringList{"&nbsp <b>题型10</b>", "<br><br>", "&nbsp1.病例", "<br><br>",
                                                      "&nbsp<br><p> 如图所示：<img src=\"./pic/x.png\"> </p> <br>",
                                                      "&nbsp <span  id ='fan1'>1.1. 丙题</span>", "<br>", "<br>",
                                                      "&nbsp <input type=\"checkbox\" id=\"11\" name=\"1\" value=\"A\">A:选项1<br>",
                                                      answerBlock("1", "AB", "收藏本题"), "<hr>"};
    QTest::newRow("matching item") << group(1, 3, 11, "配伍", 3) + question(1, 1, "丁项", "B") + options(11, 1, 1)
                                   << QStringList{"&nbsp <b>题型11</b>", "<br><br>", "&nbsp1.配伍", "<br><br>",
                                                  "&nbsp1.1.  <select name=\"cars\" id=\"a1\"> <option value=\"daan\" selected>答案 <option value=\"A\">A "
                                                  "<option value=\"B\">B <option value=\"C\">C </select><span id ='fan1'>丁项</span>",
                                                  "<br>", "<br>", "&nbsp", answerBlock("1", "B", "收藏本题"), "<hr>"};
}

void ChapterPageTest::exactFragmentsOfEachKind()
{
    QFETCH(QString, groups);
    QFETCH(QStringList, expected);
    TestFolder folder(chapterBank(groups));
    PageView page;
    QCOMPARE(render(folder, page), expected);
    // The page holds exactly what was appended: the shell's body is empty.
    QCOMPARE(page.evaluate("document.querySelectorAll('input[value=\"显示答案\"]').length").toInt(), 1);
}

void ChapterPageTest::workedNumberingExampleOnThePage()
{
    TestFolder folder(chapterBank(group(1, 3, 3) + question(1, 1, "单一") + question(2, 1, "单二") + question(3, 1, "单三")
                                  + group(2, 3, 10, "案例甲") + caseQuestion(4, 2, 1, "甲一") + caseQuestion(5, 2, 2, "甲二")
                                  + group(3, 3, 10, "案例乙") + caseQuestion(6, 3, 1, "乙一")
                                  + group(4, 3, 11, "配伍丙", 5) + caseQuestion(7, 4, 1, "丙一") + caseQuestion(8, 4, 2, "丙二")));
    PageView page;
    render(folder, page);
    const QString text = bodyText(page);
    const QStringList expected{"题型3", "1. 单一", "2. 单二", "3. 单三", "题型10", "4.案例甲", "4.1. 甲一", "4.2. 甲二", "5.案例乙",
                               "5.1. 乙一", "题型11", "6.配伍丙", "6.1.", "丙一", "6.2.", "丙二"};
    int at = 0;
    for (const QString& piece : expected) {
        const int found = text.indexOf(piece, at);
        QVERIFY2(found >= 0, qPrintable(piece + " missing after position " + QString::number(at) + " in: " + text));
        at = found + piece.size();
    }
    QCOMPARE(text.count("题型10"), 1);
    QCOMPARE(text.count("题型11"), 1);
}

void ChapterPageTest::emptyCaseGroupKeepsItsNumber()
{
    TestFolder folder(chapterBank(group(1, 3, 10, "甲") + group(2, 3, 10, "乙") + caseQuestion(1, 2, 1, "乙一") + group(3, 3, 11, "丙", 5)
                                  + group(4, 3, 11, "丁", 5) + caseQuestion(2, 4, 1, "丁一")));
    PageView page;
    const QStringList log = render(folder, page);
    for (const char* fragment : {"&nbsp1.甲", "&nbsp1.乙", "&nbsp2.丙", "&nbsp3.丁"})
        QVERIFY2(log.contains(QString::fromUtf8(fragment)), fragment);
    QVERIFY(log.contains("&nbsp <span  id ='fan1'>1.1. 乙一</span>"));
    QVERIFY(log.join("").contains("&nbsp3.1.  <select name=\"cars\" id=\"a2\">"));
}

void ChapterPageTest::answerToggleInTheEngine()
{
    TestFolder folder(chapterBank(group(1, 3, 3) + question(5, 1, "题") + options(1, 5, 5)));
    PageView page;
    render(folder, page);
    const QString state = "(function(){var a=document.getElementById('ansnote5');return document.getElementById('xs5').value+'|'"
                          "+(getComputedStyle(a).display!='none'?'shown':'hidden');})()";
    QCOMPARE(page.evaluate(state).toString(), QStringLiteral("显示答案|hidden"));
    page.evaluate("document.getElementById('xs5').click()");
    QCOMPARE(page.evaluate(state).toString(), QStringLiteral("隐藏答案|shown"));
    page.evaluate("document.getElementById('xs5').click()");
    QCOMPARE(page.evaluate(state).toString(), QStringLiteral("显示答案|hidden"));
    // The favourite script switches its button before the link leaves.
    QCOMPARE(page.evaluate("var b=document.getElementById('sc');scbt(b);b.value").toString(), QStringLiteral("取消收藏"));
}

void ChapterPageTest::blankPictureAndDropDownSizes()
{
    TestFolder folder(chapterBank(group(1, 3, 3) + question(1, 1, "空白图", "A", "   ") + group(2, 3, 11, "少", 0) + question(2, 2, "零")
                                  + group(3, 3, 11, "多", 20) + question(3, 3, "二十")));
    PageView page;
    const QStringList log = render(folder, page);
    QVERIFY(!log.join("").contains("如图所示"));
    QCOMPARE(page.evaluate("document.getElementById('a2').options.length").toInt(), 1);
    QCOMPARE(page.evaluate("document.getElementById('a3').options.length").toInt(), 16);
    QCOMPARE(page.evaluate("var o=document.getElementById('a3').options;o[o.length-1].value").toString(), QStringLiteral("O"));
}

void ChapterPageTest::favouritesViewDropsEmptyGroups()
{
    TestFolder folder(chapterBank(group(1, 3, 3) + question(1, 1, "普通") + group(2, 3, 10, "病例无收藏") + caseQuestion(2, 2, 1, "子题")
                                  + group(3, 3, 6) + question(3, 3, "收藏的", "AB", "", "1") + question(4, 3, "另一个")));
    PageView page;
    const QString log = render(folder, page, ViewMode::kFavourites).join("\n");
    QVERIFY(!log.contains("题型3"));
    QVERIFY(!log.contains("病例无收藏"));
    QVERIFY(log.contains("&nbsp <b>题型6</b>"));
    QVERIFY(log.contains("1. 收藏的"));
    QVERIFY(!log.contains("另一个"));
    QCOMPARE(page.evaluate("document.querySelectorAll('hr').length").toInt(), 1);
}

void ChapterPageTest::clickDuringABuildIsNotServedInside()
{
    TestFolder folder(chapterBank(group(1, 3, 3) + question(1, 1, "第一章的题") + node(4, "章二", 2, 3) + group(2, 4, 3)
                                  + question(2, 2, "第二章的题")));
    ScriptedDialogs dialogs;
    TForm10 window;
    window.FormShow();
    QTreeWidget* tree = window.findChild<QTreeWidget*>("TreeView1");
    tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(0));
    tree->expandAll();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTreeWidgetItem* second = tree->topLevelItem(0)->child(0)->child(1);
    // The candidate clicks the second chapter while the first one is being built.
    bool fired = false;
    QTimer::singleShot(0, &window, [&] {
        fired = true;
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(second).center());
        QCOMPARE(window.pagesBuilt(), 1);
    });
    window.TreeView1Click();
    QVERIFY(fired);
    // The click is served after the build, so tree and page agree again.
    QTRY_COMPARE(window.currentChapterId(), QStringLiteral("4"));
    QCOMPARE(window.pagesBuilt(), 2);
    QCOMPARE(tree->currentItem(), second);
    const QString page = window.page().evaluate("document.body.innerHTML").toString();
    QVERIFY(page.contains("第二章的题"));
    QVERIFY(!page.contains("第一章的题"));
    QCOMPARE(window.page().evaluate("document.querySelectorAll('hr').length").toInt(), 1);
    QVERIFY(window.pageReady());
}

void ChapterPageTest::emptyChapterWaitsForTheShell()
{
    // A chapter without groups appends nothing; its page is still the freshly loaded shell.
    TestFolder folder(chapterBank(QString()));
    ScriptedDialogs dialogs;
    TForm10 window;
    window.FormShow();
    QTreeWidget* tree = window.findChild<QTreeWidget*>("TreeView1");
    tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(0));
    QWebEnginePage* engine = static_cast<QWebEngineView*>(window.page().widget())->page();
    int loadsWhenBuilt = -1;
    int loads = 0;
    connect(engine, &QWebEnginePage::loadFinished, &window, [&] { ++loads; });
    connect(&window, &TForm10::pageBuilt, &window, [&] { loadsWhenBuilt = loads; });
    window.TreeView1Click();
    // The page is ready, and command links served, only once the shell is in.
    QCOMPARE(loadsWhenBuilt, 1);
    QVERIFY(window.pageReady());
    QVERIFY(engine->url().toString().endsWith("ty.html"));
}

KAIVORA_TEST_MAIN(ChapterPageTest)
#include "test_chapter_page.moc"
