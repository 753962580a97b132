// Start-up: the bank's subject and count on show, the update address, a missing bank.
#include "app/practice_window.h"
#include "app/program.h"
#include "support/scripted_dialogs.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QFile>
#include <QLabel>
#include <QScreen>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void titleCountAndUpdateAddress_data();
    void titleCountAndUpdateAddress();
    void windowIsCentredOnA1024By768Box();
    void unusableBankEndsStartupWithAMessage_data();
    void unusableBankEndsStartupWithAMessage();
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

void StartupTest::unusableBankEndsStartupWithAMessage_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a database") << QByteArray("Standard Jet DB");
}

void StartupTest::unusableBankEndsStartupWithAMessage()
{
    QFETCH(QByteArray, content);
    TestFolder folder;
    QFile::remove(folder.bankPath());
    if (!content.isEmpty()) {
        QFile file(folder.bankPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    ScriptedDialogs dialogs;
    const int status = Program::run(*qApp);
    QVERIFY(status != 0);
    QCOMPARE(dialogs.shown.size(), 1);
    QVERIFY(dialogs.shown.first().text.contains(folder.bankPath()));
    QCOMPARE(QFile(folder.bankPath()).exists(), !content.isEmpty());
    QCOMPARE(QFileInfo(folder.bankPath()).size(), qint64(content.size()));
}

KAIVORA_TEST_MAIN(StartupTest)
#include "test_startup.moc"
