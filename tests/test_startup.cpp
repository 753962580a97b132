// Start-up: the bank's subject and count on show, the update address, a missing bank.
#include "app/practice_window.h"
#include "app/program.h"
#include "exam/exam_room.h"
#include "practice/practice_room.h"
#include "record/record_room.h"
#include "practice/wrong_bank_window.h"
#include "selftest/selftest_room.h"
#include "support/support_room.h"
#include "support/scripted_dialogs.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QFile>
#include <QTimer>
#include <QLabel>
#include <QScreen>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void titleCountAndUpdateAddress_data();
    void titleCountAndUpdateAddress();
    void windowIsCentredOnA1024By768Box();
    void exitStatus_data();
    void exitStatus();
    void roomsComeInCreationOrder();
};

void StartupTest::titleCountAndUpdateAddress_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("address");
    QTest::newRow("bank") << "insert into kemu values ('主管药师', '366'); insert into geshu values ('4321');"
                          << "Kaivora 中级职称  主管药师" << "试题量：4321" << "http://update.kaivora.com/ziziviv/366/Predate.ini";
    QTest::newRow("empty subject name") << "insert into kemu values ('', '366'); insert into geshu values ('7');"
                                        << "Kaivora 中级职称  " << "试题量：7" << "http://update.kaivora.com/ziziviv/366/Predate.ini";
    QTest::newRow("no geshu row") << "insert into kemu values ('药学', '12');" << "Kaivora 中级职称  药学" << "试题量：XXX"
                                  << "http://update.kaivora.com/ziziviv/12/Predate.ini";
    QTest::newRow("no kemu row") << "insert into geshu values ('9');" << "Kaivora 中级职称" << "试题量：XXX" << "";
}

void StartupTest::titleCountAndUpdateAddress()
{
    QFETCH(QString, sql);
    QFETCH(QString, title);
    QFETCH(QString, count);
    QFETCH(QString, address);
    TestFolder folder(sql);
    // The address is only built here; no room asks it.
    folder.setUpdateHost("update.kaivora.com");
    TForm10 window;
    QCOMPARE(window.findChild<QLabel*>("Label4")->text(), title);
    QCOMPARE(window.findChild<QLabel*>("StatusPanel0")->text(), count);
    QCOMPARE(window.updateAddress(), address);
    QVERIFY(!window.pageReady());
    QVERIFY(!window.skipNextActivation());
}

void StartupTest::windowIsCentredOnA1024By768Box()
{
    TestFolder folder;
    TForm10 window;
    const QRect screen = window.screen()->geometry();
    QCOMPARE(window.pos(), QPoint(screen.width() / 2 - 512, screen.height() / 2 - 384));
}

void StartupTest::exitStatus_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("message");
    QTest::newRow("missing bank") << QByteArray() << "" << 2 << true;
    QTest::newRow("not a database") << QByteArray("Standard Jet DB") << "" << 2 << true;
    QTest::newRow("no chapter tree") << QByteArray() << "drop table tree;" << 3 << true;
    QTest::newRow("usable bank, closed by the candidate") << QByteArray() << "insert into kemu values ('药学', '1');" << 0 << false;
}

void StartupTest::exitStatus()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, sql);
    QFETCH(int, status);
    QFETCH(bool, message);
    TestFolder folder(sql);
    const bool bankStays = status != 2 || !content.isEmpty();
    if (status == 2) {
        QFile::remove(folder.bankPath());
        if (!content.isEmpty()) {
            QFile file(folder.bankPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
    }
    const QString ready = folder.path() + "ready";
    qputenv("KAIVORA_READY_FILE", ready.toUtf8());
    ScriptedDialogs dialogs;
    // A program that comes up is closed as a candidate closes it.
    QTimer::singleShot(0, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == "TForm10")
                window->close();
    });
    QCOMPARE(Program::run(*qApp), status);
    qunsetenv("KAIVORA_READY_FILE");
    QCOMPARE(dialogs.shown.size(), message ? 1 : 0);
    if (status == 2)
        QVERIFY(dialogs.shown.first().text.contains(folder.bankPath()));
    QCOMPARE(QFile::exists(folder.bankPath()), bankStays);
    if (!content.isEmpty())
        QCOMPARE(QFileInfo(folder.bankPath()).size(), qint64(content.size()));
    QCOMPARE(QFile::exists(ready), status == 0);
}

void StartupTest::roomsComeInCreationOrder()
{
    TestFolder folder;
    Program::Windows windows;
    QVERIFY(windows.form10);
    QCOMPARE(int(windows.rooms.size()), 5);
    QVERIFY(dynamic_cast<ExamRoom*>(windows.rooms.at(0).get()));
    QVERIFY(dynamic_cast<SupportRoom*>(windows.rooms.at(1).get()));
    QVERIFY(dynamic_cast<PracticeRoom*>(windows.rooms.at(2).get()));
    QVERIFY(dynamic_cast<SelfTestRoom*>(windows.rooms.at(3).get()));
    QVERIFY(dynamic_cast<RecordRoom*>(windows.rooms.at(4).get()));
    // The wrong-question bank window is the practice window's own and starts hidden.
    QCOMPARE(windows.practice->wrongBankWindow()->parentWidget(), windows.form10);
    QVERIFY(!windows.practice->wrongBankWindow()->isVisible());
}

KAIVORA_TEST_MAIN(StartupTest)
#include "test_startup.moc"
