// The update check against a real HTTP server on a loopback port, the release dates of
// the two descriptors, the online test, help and the outside links.
#include "app/picture_button.h"
#include "app/practice_window.h"
#include "platform/connectivity.h"
#include "platform/page_view.h"
#include "support/help_window.h"
#include "support/recording_shell.h"
#include "support/scripted_dialogs.h"
#include "support/support_room.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include "support/update_check.h"
#include <QDate>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {
QString bank()
{
    using namespace fixture;
    return types() + node(1, "根", 0, 1) + node(2, "节", 1, 2) + node(3, "章", 2, 3) + group(1, 3, 3) + question(1, 1, "题一")
        + "insert into kemu (ID, mz) values ('主管药师', 'yx'); insert into geshu values ('1');";
}

QString today(int days = 0)
{
    return QDate::currentDate().addDays(days).toString("yyyy-MM-dd");
}

QByteArray descriptor(const QString& date)
{
    return "[File1]\r\nDate=" + date.toUtf8() + "\r\n";
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Answers every request with one status and body, after a delay; keeps what it was asked.
class LoopbackServer : public QTcpServer {
public:
    int status = 200;
    QByteArray body;
    int delayMs = 0;
    QList<QByteArray> requests;

    LoopbackServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                auto* received = new QByteArray;
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
                    received->append(socket->readAll());
                    if (!received->contains("\r\n\r\n"))
                        return;
                    requests.append(*received);
                    QTimer::singleShot(delayMs, socket, [this, socket] { answer(socket); });
                });
                connect(socket, &QTcpSocket::disconnected, socket, [socket, received] {
                    delete received;
                    socket->deleteLater();
                });
            }
        });
        listen(QHostAddress::LocalHost);
    }

    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(serverPort()); }

private:
    void answer(QTcpSocket* socket)
    {
        socket->write("HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Not Found")
                      + "\r\nContent-Type: text/plain\r\nSet-Cookie: visit=1\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
};

// The online test answers as told.
class FixedConnectivity : public Connectivity {
public:
    explicit FixedConnectivity(bool online) : online_(online) { Connectivity::install(this); }
    ~FixedConnectivity() override { Connectivity::install(nullptr); }
    bool online(const QUrl& probe) override
    {
        probes.append(probe);
        return online_;
    }
    QList<QUrl> probes;

private:
    bool online_;
};

// A practice window with the support room, as the program builds them.
struct PracticeWithSupport {
    TForm10 window;
    SupportRoom room{window};
    PracticeWithSupport() { window.plug(room); }
    void click(const char* picture) { QTest::mouseClick(window.findChild<PictureButton*>(picture), Qt::LeftButton); }
};
}

class UpdateTest : public QObject {
    Q_OBJECT
private slots:
    void manualCheckDecides_data();
    void manualCheckDecides();
    void offlineManualCheckReadsNothing();
    void reachabilityByConnection();
    void automaticCheck_data();
    void automaticCheck();
    void outsideLinks();
    void helpWindow();
};

void UpdateTest::manualCheckDecides_data()
{
    QTest::addColumn<QByteArray>("server");
    QTest::addColumn<QByteArray>("installed");
    QTest::addColumn<bool>("due");
    const QByteArray none = "(none)";
    QTest::newRow("server newer") << descriptor("2009-06-01") << descriptor("2009-05-20") << true;
    QTest::newRow("equal") << descriptor("2009-05-20") << descriptor("2009-05-20") << false;
    QTest::newRow("server older") << descriptor("2009-05-01") << descriptor("2009-05-20") << false;
    QTest::newRow("no tmp.ini, installed before today") << none << descriptor("2009-05-20") << true;
    QTest::newRow("no tmp.ini, installed today") << none << descriptor(today()) << false;
    QTest::newRow("no predate.ini, server tomorrow") << descriptor(today(1)) << none << true;
    QTest::newRow("no predate.ini, server in the past") << descriptor("2009-06-01") << none << false;
    QTest::newRow("server without the key") << QByteArray("[File1]\nVersion=3\n") << descriptor("2009-05-20") << true;
    QTest::newRow("key in another section") << QByteArray("[File2]\nDate=2099-01-01\n") << descriptor(today()) << false;
    QTest::newRow("names in other case") << QByteArray("[file1]\ndate = 2009-06-01\n") << descriptor("2009-05-20") << true;
}

void UpdateTest::manualCheckDecides()
{
    QFETCH(QByteArray, server);
    QFETCH(QByteArray, installed);
    QFETCH(bool, due);
    TestFolder folder(bank());
    if (server != "(none)")
        writeFile(folder.path() + "tmp.ini", server);
    if (installed != "(none)")
        writeFile(folder.path() + "predate.ini", installed);
    ScriptedDialogs dialogs;
    RecordingShell shell;
    FixedConnectivity online(true);
    PracticeWithSupport program;
    program.click("rjsj");
    if (due) {
        QCOMPARE(dialogs.texts(), QStringList{"软件需要更新"});
        QCOMPARE(dialogs.shown.first().caption, QStringLiteral("信息"));
        QCOMPARE(shell.started.size(), 1);
        QCOMPARE(shell.started.first().path, folder.path() + "app_upd");
    } else {
        QCOMPARE(dialogs.texts(), QStringList{"已经是最新版本"});
        QVERIFY(shell.started.isEmpty());
    }
    // The manual check downloads nothing.
    QCOMPARE(readFile(folder.path() + "tmp.ini"), server);
    QCOMPARE(online.probes, QList<QUrl>{QUrl("http://127.0.0.1:9/ziziviv/yx/Predate.ini")});
}

void UpdateTest::offlineManualCheckReadsNothing()
{
    TestFolder folder(bank());
    writeFile(folder.path() + "tmp.ini", descriptor("2009-06-01"));
    writeFile(folder.path() + "predate.ini", descriptor("2009-05-20"));
    ScriptedDialogs dialogs;
    RecordingShell shell;
    FixedConnectivity offline(false);
    PracticeWithSupport program;
    program.click("rjsj");
    QCOMPARE(dialogs.texts(), QStringList{"请检查网络连接"});
    QVERIFY(shell.started.isEmpty());
}

void UpdateTest::reachabilityByConnection()
{
    QTcpServer listening;
    QVERIFY(listening.listen(QHostAddress::LocalHost));
    QVERIFY(SystemConnectivity::reachable(QUrl(QString("http://127.0.0.1:%1/x").arg(listening.serverPort())), 5000));
    const quint16 closed = listening.serverPort();
    listening.close();
    QVERIFY(!SystemConnectivity::reachable(QUrl(QString("http://127.0.0.1:%1/x").arg(closed)), 5000));
}

void UpdateTest::automaticCheck_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<bool>("due");
    QTest::newRow("newer release") << 200 << descriptor("2009-06-01") << 300 << true << true;
    QTest::newRow("same release") << 200 << descriptor("2009-05-20") << 300 << true << false;
    QTest::newRow("not found") << 404 << QByteArray("no such file") << 300 << false << false;
    QTest::newRow("not an ini file") << 200 << QByteArray("<html><body>维护中</body></html>") << 300 << true << false;
    QTest::newRow("slower than the time-out") << 200 << descriptor("2009-06-01") << 3000 << false << false;
}

void UpdateTest::automaticCheck()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, delayMs);
    QFETCH(bool, replaced);
    QFETCH(bool, due);
    TestFolder folder(bank());
    LoopbackServer server;
    QVERIFY(server.isListening());
    server.status = status;
    server.body = body;
    server.delayMs = delayMs;
    folder.setUpdateHost(server.host());
    const QByteArray previous = descriptor("2001-01-01");
    writeFile(folder.path() + "tmp.ini", previous);
    // An installed release of 2009-05-20; a body that is no descriptor stands for today.
    writeFile(folder.path() + "predate.ini", descriptor(body.contains("html") ? today() : "2009-05-20"));
    ScriptedDialogs dialogs;
    RecordingShell shell;

    QPushButton other("别的窗口");
    int clicks = 0;
    connect(&other, &QPushButton::clicked, [&] { ++clicks; });
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));

    PracticeWithSupport program;
    program.room.updateCheck().setTimeout(1000);
    QSignalSpy finished(&program.room.updateCheck(), &UpdateCheck::finished);
    // The start-up timer fires once the event loop runs.
    QTRY_COMPARE(server.requests.size(), 1);
    QVERIFY(!program.room.updateCheck().timer()->isActive());
    // While the answer is awaited the program serves the candidate.
    QTest::mouseClick(&other, Qt::LeftButton);
    QCOMPARE(clicks, 1);
    QCOMPARE(finished.size(), 0);
    QVERIFY(finished.wait(10000));

    QCOMPARE(readFile(folder.path() + "tmp.ini"), replaced ? body : previous);
    QCOMPARE(dialogs.texts(), due ? QStringList{"软件需要更新"} : QStringList());
    QCOMPARE(shell.started.size(), due ? 1 : 0);
    const QByteArray request = server.requests.first();
    QVERIFY(request.startsWith("GET /ziziviv/yx/Predate.ini HTTP/1.1\r\n"));
    for (const QByteArray header : {"Accept: text/html, */*", "User-Agent: Mozilla/3.0 (compatible; Indy Library)", "Content-Type: text/html"})
        QVERIFY2(request.contains("\r\n" + header + "\r\n"), request.constData());
    // Once is all: the timer does not fire again.
    QTest::qWait(50);
    QCOMPARE(server.requests.size(), 1);
}

void UpdateTest::outsideLinks()
{
    TestFolder folder(bank());
    ScriptedDialogs dialogs;
    RecordingShell shell;
    PracticeWithSupport program;
    program.click("zxkf");
    program.click("zxsc");
    QCOMPARE(shell.opened, (QList<QUrl>{QUrl("https://www.kaivora.com/"), QUrl("https://www.kaivora.com/gmzx.asp")}));
    QVERIFY(dialogs.shown.isEmpty());
}

void UpdateTest::helpWindow()
{
    TestFolder folder(bank());
    ScriptedDialogs dialogs;
    PracticeWithSupport program;
    // Without a help page nothing is shown.
    program.click("sybz");
    QVERIFY(!program.room.helpWindow() || !program.room.helpWindow()->isVisible());

    QVERIFY(QFile::copy(KAIVORA_ASSETS "/hlp.html", folder.path() + "hlp.html"));
    program.click("sybz");
    HelpWindow* help = program.room.helpWindow();
    QVERIFY(help && help->isVisible());
    QVERIFY(help->page().waitReady());
    QCOMPARE(help->page().evaluate("document.title").toString(), QStringLiteral("Kaivora 使用帮助"));
    // Every feature the candidate meets has its section.
    const QStringList sections = help->page().evaluate("Array.from(document.querySelectorAll('h2')).map(h => h.id).join(',')").toString().split(',');
    for (const char* id : {"practice", "tools", "favourites", "wrong", "selftest", "exam", "feedback", "backup", "update", "links"})
        QVERIFY2(sections.contains(id), id);
    QVERIFY(dialogs.shown.isEmpty());
}

KAIVORA_TEST_MAIN(UpdateTest)
#include "test_update.moc"
