// The wrong-question bank window and the favourites and wrong-question views.
#include "app/picture_button.h"
#include "app/practice_window.h"
#include "practice/practice_room.h"
#include "platform/page_view.h"
#include "practice/collection_view.h"
#include "store/view_mode.h"
#include "practice/wrong_bank_window.h"
#include "support/page_probe.h"
#include "support/scripted_dialogs.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace {
using namespace fixture;

// Five wrong questions in chapters 3 and 4; favourites in chapters 4 and 6.
QString bank()
{
    return types() + node(1, "根", 0, 1) + node(2, "节一", 1, 2) + node(3, "章一", 2, 3) + node(4, "章二", 2, 3) + node(5, "节二", 1, 2)
        + node(6, "章三", 5, 3) + group(1, 3, 3) + group(2, 4, 3) + group(3, 6, 3)
        + question(1, 1, "<b>错一</b>", "A", "", "", "1") + question(2, 1, "错二", "A", "", "", "1") + question(3, 2, "错三", "A", "", "1", "1")
        + question(4, 2, "错四", "A", "", "", "1") + question(5, 2, "错五", "A", "", "", "1") + question(6, 3, "收藏", "A", "", "1", "")
        + question(7, 3, "普通");
}

QStringList rowTexts(TForm16& window)
{
    QStringList texts;
    for (int row = 0; row < window.list()->topLevelItemCount(); ++row)
        texts << window.list()->topLevelItem(row)->text(1);
    return texts;
}

void check(TForm16& window, std::initializer_list<int> rows)
{
    for (int row : rows)
        window.list()->topLevelItem(row)->setCheckState(0, Qt::Checked);
}

QStringList chapters(TForm10& window)
{
    QStringList names;
    QTreeWidgetItemIterator it(window.tree());
    for (; *it; ++it)
        names << (*it)->text(0);
    return names;
}

// Answers the next modal window of the program with its "确定" button.
void confirmNextModal()
{
    QTimer::singleShot(0, [] {
        if (auto* modal = QApplication::activeModalWidget())
            modal->findChild<QPushButton*>("bsSkinButton2")->click();
    });
}
}

class CollectionsTest : public QObject {
    Q_OBJECT
private slots:
    void bankListsWrongQuestionsAsPlainText();
    void deleteRowsOneAndThreeOfFive();
    void invertTwiceRestoresTheChecks();
    void recordsWithoutARowAreNotTouched();
    void favouritesView();
    void wrongQuestionViewOpensTheBankFirst();
    void emptyCollectionsKeepTheView_data();
    void emptyCollectionsKeepTheView();
    void marksAreRebuiltAllOrNothing();
};

void CollectionsTest::bankListsWrongQuestionsAsPlainText()
{
    TestFolder folder(bank());
    TForm16 window;
    window.FormShow();
    QCOMPARE(rowTexts(window), (QStringList{"<b>错一</b>", "错二", "错三", "错四", "错五"}));
    QCOMPARE(window.checkedRows(), QVector<bool>(5, false));
    QCOMPARE(window.windowTitle(), QStringLiteral("错题题库"));
}

void CollectionsTest::deleteRowsOneAndThreeOfFive()
{
    TestFolder folder(bank());
    TForm16 window;
    window.FormShow();
    check(window, {0, 2});
    window.bsSkinButton1Click();
    QCOMPARE(folder.scalar("select group_concat(id) from question where ct='1' order by id"), QStringLiteral("2,4,5"));
    QCOMPARE(rowTexts(window), (QStringList{"错二", "错四", "错五"}));
    QCOMPARE(window.checkedRows(), QVector<bool>(3, false));
    // Only the bank mark goes; the favourite mark of question 3 stays.
    QCOMPARE(folder.scalar("select scbt from question where id=3"), QStringLiteral("1"));
}

void CollectionsTest::invertTwiceRestoresTheChecks()
{
    TestFolder folder(bank());
    TForm16 window;
    window.FormShow();
    window.btnInvertClick();
    QCOMPARE(window.checkedRows(), QVector<bool>(5, true));
    window.btnInvertClick();
    QCOMPARE(window.checkedRows(), QVector<bool>(5, false));
    check(window, {1, 4});
    window.btnInvertClick();
    window.btnInvertClick();
    QCOMPARE(window.checkedRows(), (QVector<bool>{false, true, false, false, true}));
    window.btnSelAllClick();
    QCOMPARE(window.checkedRows(), QVector<bool>(5, true));
}

void CollectionsTest::recordsWithoutARowAreNotTouched()
{
    TestFolder folder(bank());
    TForm16 window;
    window.FormShow();
    window.btnSelAllClick();
    // Another program adds two records while the window is open.
    folder.exec("update question set ct='1' where id in (6, 7)");
    window.bsSkinButton1Click();
    QCOMPARE(folder.scalar("select group_concat(id) from question where ct='1' order by id"), QStringLiteral("6,7"));
}

void CollectionsTest::favouritesView()
{
    TestFolder folder(bank());
    folder.exec("update tree set scbt='1' where id=3");
    ScriptedDialogs dialogs;
    TForm10 window;
    window.FormShow();
    for (int entry = 0; entry < 2; ++entry) {
        const QList<bool> ready = pageReadyWhile(window, [&] { QTest::mouseClick(window.findChild<PictureButton*>("NewImage1"), Qt::LeftButton); });
        QVERIFY(!ready.isEmpty());
        QVERIFY(!ready.contains(true));
        QCOMPARE(window.viewMode(), ViewMode::kFavourites);
        QCOMPARE(chapters(window), (QStringList{"根", "节一", "章二", "节二", "章三"}));
        QCOMPARE(folder.scalar("select group_concat(id) from tree where scbt='1' order by id"), QStringLiteral("4,6"));
        QCOMPARE(window.currentChapterId(), QStringLiteral("4"));
        const QString page = window.page().fragmentLog().join("");
        QVERIFY(page.contains("错三"));
        QVERIFY(!page.contains("错四"));
    }
    QVERIFY(dialogs.shown.isEmpty());
}

void CollectionsTest::wrongQuestionViewOpensTheBankFirst()
{
    TestFolder folder(bank());
    ScriptedDialogs dialogs;
    TForm10 window;
    PracticeRoom room(window);
    window.plug(room);
    TForm16& bankWindow = *room.wrongBankWindow();
    window.FormShow();
    bool bankShown = false;
    QTimer::singleShot(0, [&] {
        bankShown = bankWindow.isVisible();
        check(bankWindow, {0, 1});
    });
    confirmNextModal();
    QTest::mouseClick(window.findChild<PictureButton*>("NewImage20"), Qt::LeftButton);
    QVERIFY(bankShown);
    QCOMPARE(window.viewMode(), ViewMode::kWrong);
    QCOMPARE(chapters(window), (QStringList{"根", "节一", "章一", "章二", "节二"}));
    QCOMPARE(window.currentChapterId(), QStringLiteral("3"));

    // Deleting every wrong question in the bank window ends in "您没有错题！".
    QTimer::singleShot(0, [&] {
        bankWindow.btnSelAllClick();
        bankWindow.bsSkinButton1Click();
    });
    confirmNextModal();
    QTest::mouseClick(window.findChild<PictureButton*>("NewImage20"), Qt::LeftButton);
    QCOMPARE(dialogs.texts(), QStringList{"您没有错题！"});
    QCOMPARE(folder.scalar("select count(*) from question where ct='1'"), QStringLiteral("0"));
    QCOMPARE(window.viewMode(), ViewMode::kWrong);
}

void CollectionsTest::emptyCollectionsKeepTheView_data()
{
    QTest::addColumn<bool>("favourites");
    QTest::addColumn<QString>("message");
    QTest::newRow("favourites") << true << "您没有收藏试题！";
    QTest::newRow("wrong questions") << false << "您没有错题！";
}

void CollectionsTest::emptyCollectionsKeepTheView()
{
    QFETCH(bool, favourites);
    QFETCH(QString, message);
    TestFolder folder(bank());
    folder.exec("update question set scbt='', ct=''");
    ScriptedDialogs dialogs;
    TForm10 window;
    window.FormShow();
    window.FormActivate();
    const QStringList before = chapters(window);
    const QStringList page = window.page().fragmentLog();
    if (favourites) {
        window.NewImage1Click();
    } else {
        confirmNextModal();
        PracticeRoom room(window);
        window.plug(room);
        QTest::mouseClick(window.findChild<PictureButton*>("NewImage20"), Qt::LeftButton);
    }
    QCOMPARE(dialogs.texts(), QStringList{message});
    QCOMPARE(window.viewMode(), QStringLiteral("高 级 试 题"));
    QCOMPARE(chapters(window), before);
    QCOMPARE(window.page().fragmentLog(), page);
}

void CollectionsTest::marksAreRebuiltAllOrNothing()
{
    TestFolder folder(bank());
    folder.exec("update tree set ct='1' where id=6");
    // The second chapter cannot be marked: the rebuild fails halfway.
    folder.exec("create trigger refuse before update of ct on tree when new.id = 4 and new.ct = '1' "
                "begin select raise(abort, 'refused'); end");
    QVERIFY_THROWS_EXCEPTION(std::exception, rebuildChapterMarks(folder.db(), Collection::wrongQuestions()));
    QCOMPARE(folder.scalar("select group_concat(id) from tree where ct='1'"), QStringLiteral("6"));

    folder.exec("drop trigger refuse");
    rebuildChapterMarks(folder.db(), Collection::wrongQuestions());
    QCOMPARE(folder.scalar("select group_concat(id) from tree where ct='1' order by id"), QStringLiteral("3,4"));
}

KAIVORA_TEST_MAIN(CollectionsTest)
#include "test_collections.moc"
