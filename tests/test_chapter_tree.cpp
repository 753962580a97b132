// The chapter tree of each view, the node id table, the date panel and the activation step.
#include "app/practice_window.h"
#include "platform/page_view.h"
#include "practice/chapter_tree.h"
#include "store/view_mode.h"
#include "support/scripted_dialogs.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QDateTime>
#include <QDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <QLabel>
#include <QRegularExpression>
#include <QTreeWidget>

namespace {
// Two roots; the first section has three chapters, the second none; marks on questions.
QString markedBank()
{
    using namespace fixture;
    return types() + node(1, "根一", 0, 1) + node(2, "节一", 1, 2) + node(3, "章一", 2, 3) + node(4, "章二", 2, 3) + node(5, "章三", 2, 3)
        + node(6, "节二", 1, 2) + node(7, "根二", 0, 1) + node(8, "节三", 7, 2) + node(9, "章四", 8, 3)
        + group(1, 3, 3) + question(1, 1, "题一", "A", "", "1", "") + group(2, 4, 3) + question(2, 2, "题二", "A", "", "", "1")
        + group(3, 5, 3) + question(3, 3, "题三") + group(4, 9, 3) + question(4, 4, "题四", "A", "", "1", "1")
        // Stale chapter marks, as a view leaves them.
        + "update tree set scbt='1' where id in (3, 9); update tree set ct='1' where id in (4, 9);";
}

QStringList shape(const QVector<ChapterNode>& nodes)
{
    QStringList out;
    for (const auto& n : nodes)
        out << QStringLiteral("%1%2:%3").arg(QString(n.level, '-'), n.caption).arg(n.chapterId);
    return out;
}
}

class ChapterTreeTest : public QObject {
    Q_OBJECT
private slots:
    void treeShapeOfEachView_data();
    void treeShapeOfEachView();
    void windowTreeAndNodeIdTable();
    void datePanel();
    void treeOfMoreThan1001Nodes();
    void activationRendersNodeTwo_data();
    void activationRendersNodeTwo();
    void skipFlagAndLayoutMarker();
    void sectionWithoutChaptersShowsMessage();
    void realClickOnTheTree_data();
    void realClickOnTheTree();
    void singleExpandFoldsTheOtherBranch();
    void closingAnotherWindowActivatesAgain();
};

void ChapterTreeTest::treeShapeOfEachView_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("expected");
    const QStringList all{"根一:0", "-节一:0", "--章一:3", "--章二:4", "--章三:5", "-节二:0", "根二:0", "-节三:0", "--章四:9"};
    QTest::newRow("start-up") << ViewMode::kAdvanced << all;
    QTest::newRow("exercise") << ViewMode::kExercise << all;
    QTest::newRow("favourites") << ViewMode::kFavourites << QStringList{"根一:0", "-节一:0", "--章一:3", "-节二:0", "根二:0", "-节三:0", "--章四:9"};
    QTest::newRow("wrong questions") << ViewMode::kWrong << QStringList{"根一:0", "-节一:0", "--章二:4", "-节二:0", "根二:0", "-节三:0", "--章四:9"};
    QTest::newRow("any other text") << QStringLiteral("别的") << all;
}

void ChapterTreeTest::treeShapeOfEachView()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, expected);
    TestFolder folder(markedBank());
    QCOMPARE(shape(readChapterTree(folder.db(), mode)), expected);
}

void ChapterTreeTest::windowTreeAndNodeIdTable()
{
    TestFolder folder(markedBank());
    TForm10 window;
    window.FormShow();
    QTreeWidget* tree = window.findChild<QTreeWidget*>("TreeView1");
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(0)->child(0)->child(2)->text(0), QStringLiteral("章三"));
    QCOMPARE(window.nodeIds(), (QVector<int>{0, 0, 3, 4, 5, 0, 0, 0, 9}));

    // A second build in another view leaves nothing of the first.
    ScriptedDialogs dialogs;
    window.NewImage1Click();
    QCOMPARE(window.viewMode(), ViewMode::kFavourites);
    QCOMPARE(window.findChild<QLabel*>("Label3")->text(), ViewMode::kFavourites);
    QCOMPARE(window.nodeIds(), (QVector<int>{0, 0, 3, 0, 0, 0, 9}));
    QCOMPARE(tree->topLevelItem(0)->child(0)->childCount(), 1);
    window.gjstClick();
    QCOMPARE(window.viewMode(), ViewMode::kExercise);
    QCOMPARE(window.nodeIds().size(), 9);
}

void ChapterTreeTest::datePanel()
{
    QCOMPARE(datePanelText(QDateTime(QDate(2026, 3, 4), QTime(7, 5, 9))), QStringLiteral("现在的日期和时间是： 2026-03-04 07:05:09"));
    QCOMPARE(datePanelText(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 0))), QStringLiteral("现在的日期和时间是： 2026-12-31 23:59:00"));
    TestFolder folder(markedBank());
    TForm10 window;
    window.FormShow();
    const QString text = window.findChild<QLabel*>("StatusPanel2")->text();
    QVERIFY(QRegularExpression("^现在的日期和时间是： \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$").match(text).hasMatch());
}

void ChapterTreeTest::treeOfMoreThan1001Nodes()
{
    QString bank = fixture::types() + fixture::node(1, "根", 0, 1) + fixture::node(2, "节", 1, 2);
    for (int id = 3; id < 1503; ++id)
        bank += fixture::node(id, QStringLiteral("章%1").arg(id), 2, 3);
    bank += fixture::group(1, 1502, 3) + fixture::question(1, 1, "最后一章的题") + fixture::options(1, 1, 5);
    TestFolder folder(bank);
    TForm10 window;
    window.FormShow();
    QCOMPARE(window.nodeIds().size(), 1502);
    QCOMPARE(window.nodeIds().at(1501), 1502);
    QCOMPARE(window.nodeIds().at(1100), 1101);
    QTreeWidget* tree = window.findChild<QTreeWidget*>("TreeView1");
    tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(1499));
    window.TreeView1Click();
    QCOMPARE(window.currentChapterId(), QStringLiteral("1502"));
    QVERIFY(window.page().fragmentLog().join("").contains("最后一章的题"));
}

void ChapterTreeTest::activationRendersNodeTwo_data()
{
    using namespace fixture;
    QTest::addColumn<QString>("bank");
    QTest::addColumn<QString>("chapter");
    QTest::newRow("one chapter") << types() + node(1, "根", 0, 1) + node(2, "节", 1, 2) + node(3, "章", 2, 3) + group(1, 3, 3)
                                        + question(1, 1, "题")
                                 << "3";
    QTest::newRow("first section empty") << types() + node(1, "根", 0, 1) + node(2, "空节", 1, 2) + node(4, "节", 1, 2) + node(5, "章", 4, 3)
                                         << "";
    QTest::newRow("two nodes only") << types() + node(1, "根", 0, 1) + node(2, "节", 1, 2) << "";
}

void ChapterTreeTest::activationRendersNodeTwo()
{
    QFETCH(QString, bank);
    QFETCH(QString, chapter);
    TestFolder folder(bank);
    ScriptedDialogs dialogs;
    TForm10 window;
    window.FormShow();
    window.FormActivate();
    QCOMPARE(window.currentChapterId(), chapter);
    QVERIFY(dialogs.shown.isEmpty());
    if (!chapter.isEmpty()) {
        QCOMPARE(window.zoomLevel(), 2);
        QCOMPARE(window.findChild<QTreeWidget*>("TreeView1")->currentItem()->text(0), QStringLiteral("章"));
        // The first page has the engine's zoom of every clicked page: a step below normal.
        QCOMPARE(qRound(window.page().evaluate("window.devicePixelRatio").toDouble() * 100), 90);
        window.TreeView1Click();
        QCOMPARE(qRound(window.page().evaluate("window.devicePixelRatio").toDouble() * 100), 90);
    }
}

void ChapterTreeTest::skipFlagAndLayoutMarker()
{
    TestFolder folder(markedBank());
    TForm10 window;
    window.FormShow();
    QTreeWidget* tree = window.findChild<QTreeWidget*>("TreeView1");
    auto selectChapterFour = [&] { tree->setCurrentItem(tree->topLevelItem(1)->child(0)->child(0)); window.TreeView1Click(); };

    selectChapterFour();
    window.setSkipNextActivation(true);
    window.FormActivate();
    QCOMPARE(window.currentChapterId(), QStringLiteral("9"));
    QVERIFY(!window.skipNextActivation());
    window.FormActivate();
    QCOMPARE(window.currentChapterId(), QStringLiteral("3"));

    // After a maximize or restore, activation leaves the page alone until the next build.
    selectChapterFour();
    window.Image6Click();
    window.FormActivate();
    window.Image6Click();
    window.FormActivate();
    QCOMPARE(window.currentChapterId(), QStringLiteral("9"));
    window.FormShow();
    window.FormActivate();
    QCOMPARE(window.currentChapterId(), QStringLiteral("3"));
}

void ChapterTreeTest::sectionWithoutChaptersShowsMessage()
{
    TestFolder folder(markedBank());
    ScriptedDialogs dialogs;
    TForm10 window;
    window.FormShow();
    QTreeWidget* tree = window.findChild<QTreeWidget*>("TreeView1");
    tree->setCurrentItem(tree->topLevelItem(0)->child(1));
    window.TreeView1Click();
    QCOMPARE(dialogs.texts(), QStringList{"本章节无试题!"});
    QVERIFY(window.page().fragmentLog().isEmpty());
    // A section with chapters renders nothing and says nothing.
    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    window.TreeView1Click();
    QCOMPARE(dialogs.shown.size(), 1);
}

void ChapterTreeTest::realClickOnTheTree_data()
{
    QTest::addColumn<QList<int>>("path");
    QTest::addColumn<int>("builds");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("chapter");
    QTest::newRow("chapter") << QList<int>{0, 0, 1} << 1 << QStringList{} << "4";
    QTest::newRow("section without chapters") << QList<int>{0, 1} << 0 << QStringList{"本章节无试题!"} << "";
    QTest::newRow("root") << QList<int>{1} << 0 << QStringList{} << "";
}

void ChapterTreeTest::realClickOnTheTree()
{
    QFETCH(QList<int>, path);
    QFETCH(int, builds);
    QFETCH(QStringList, messages);
    QFETCH(QString, chapter);
    TestFolder folder(markedBank());
    ScriptedDialogs dialogs;
    TForm10 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.FormShow();
    QTreeWidget* tree = window.findChild<QTreeWidget*>("TreeView1");
    tree->expandAll();
    QTreeWidgetItem* item = tree->topLevelItem(path.takeFirst());
    for (int child : path)
        item = item->child(child);
    QSignalSpy built(&window, &TForm10::pageBuilt);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    QCOMPARE(built.size(), builds);
    QCOMPARE(dialogs.texts(), messages);
    QCOMPARE(window.currentChapterId(), chapter);
    QCOMPARE(tree->currentItem(), item);
}

void ChapterTreeTest::singleExpandFoldsTheOtherBranch()
{
    TestFolder folder(markedBank());
    TForm10 window;
    window.FormShow();
    QTreeWidget* tree = window.findChild<QTreeWidget*>("TreeView1");
    tree->expandAll();
    QTreeWidgetItem* firstRoot = tree->topLevelItem(0);
    QTreeWidgetItem* secondRoot = tree->topLevelItem(1);
    tree->setCurrentItem(firstRoot->child(0)->child(0));
    tree->setCurrentItem(secondRoot->child(0)->child(0));
    QVERIFY(!firstRoot->isExpanded());
    QVERIFY(!firstRoot->child(0)->isExpanded());
    QVERIFY(secondRoot->isExpanded());
    QVERIFY(secondRoot->child(0)->isExpanded());
    // Moving inside one branch keeps it open.
    tree->setCurrentItem(secondRoot);
    QVERIFY(secondRoot->isExpanded());
}

void ChapterTreeTest::closingAnotherWindowActivatesAgain()
{
    TestFolder folder(markedBank());
    ScriptedDialogs dialogs;
    TForm10 window;
    window.show();
    window.FormShow();
    QTreeWidget* tree = window.findChild<QTreeWidget*>("TreeView1");
    tree->setCurrentItem(tree->topLevelItem(1)->child(0)->child(0));
    window.TreeView1Click();
    QCOMPARE(window.currentChapterId(), QStringLiteral("9"));

    // A question closing is not another window closing.
    dialogs.ask("问", "提示", Dialogs::Buttons::OkCancel);
    QTest::qWait(50);
    QCOMPARE(window.currentChapterId(), QStringLiteral("9"));

    // A room's window closing, while a modal window is still up, waits for the last one.
    QDialog modal(&window);
    QTimer::singleShot(0, &modal, [&] {
        window.activated();
        QTest::qWait(50);
        QCOMPARE(window.currentChapterId(), QStringLiteral("9"));
        modal.accept();
    });
    modal.exec();
    QCOMPARE(window.currentChapterId(), QStringLiteral("9"));
    window.activated();
    QTRY_COMPARE(window.currentChapterId(), QStringLiteral("3"));

    // A plain message closing activates the window again.
    tree->setCurrentItem(tree->topLevelItem(1)->child(0)->child(0));
    window.TreeView1Click();
    dialogs.inform("信息");
    QTRY_COMPARE(window.currentChapterId(), QStringLiteral("3"));
}

KAIVORA_TEST_MAIN(ChapterTreeTest)
#include "test_chapter_tree.moc"
