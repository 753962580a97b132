// The practice window's frame: maximize and restore, dragging, pictures, the exit question.
#include "app/picture_button.h"
#include "app/practice_window.h"
#include "platform/room.h"
#include "store/bank_connection.h"
#include "support/scripted_dialogs.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QFile>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace {
QString bank()
{
    using namespace fixture;
    return types() + node(1, "根", 0, 1) + node(2, "节", 1, 2) + node(3, "章", 2, 3) + group(1, 3, 3) + question(1, 1, "题");
}

PictureButton* picture(TForm10& window, const QString& name)
{
    return window.findChild<PictureButton*>(name);
}

void send(QWidget* target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, const QPoint& local)
{
    QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}
}

class WindowChromeTest : public QObject {
    Q_OBJECT
private slots:
    void init() { folder_ = std::make_unique<TestFolder>(bank()); }
    void cleanup() { folder_.reset(); }
    void maximizeRestorePicturePositions();
    void doubleClickOnTitleStripToggles();
    void dragByTitleStripWithLeftButtonOnly();
    void pictureForEachButtonAndEvent_data();
    void pictureForEachButtonAndEvent();
    void missingPictureKeepsThePictureOnShow();
    void roomPicturesStartTheirHandlers_data();
    void roomPicturesStartTheirHandlers();
    void plugRefusesUnknownOrTwiceServedHandlers();
    void exitQuestion_data();
    void exitQuestion();
    void minimizePicture();
    void onlyStripAndFrameDrag_data();
    void onlyStripAndFrameDrag();

private:
    std::unique_ptr<TestFolder> folder_;
};

void WindowChromeTest::maximizeRestorePicturePositions()
{
    TForm10 window;
    window.show();
    const QRect normal = window.geometry();
    const int screenWidth = window.screen()->geometry().width();
    window.Image6Click();
    QVERIFY(window.windowMaximized());
    QCOMPARE(window.geometry(), window.screen()->availableGeometry());
    QVERIFY(picture(window, "NewImage8")->isHidden());
    QVERIFY(!picture(window, "NewImage19")->isHidden());
    QCOMPARE(picture(window, "NewImage9")->x(), screenWidth - 110);
    QCOMPARE(picture(window, "NewImage19")->x(), screenWidth - 75);
    QCOMPARE(picture(window, "NewImage7")->x(), screenWidth - 47);
    QCOMPARE(window.findChild<QLabel*>("Image3")->x(), window.width() - normal.width() - 10);

    window.Image6Click();
    QVERIFY(!window.windowMaximized());
    QCOMPARE(window.geometry(), normal);
    QVERIFY(!picture(window, "NewImage8")->isHidden());
    QVERIFY(picture(window, "NewImage19")->isHidden());
    QCOMPARE(picture(window, "NewImage9")->x(), 911);
    QCOMPARE(picture(window, "NewImage8")->x(), 940);
    QCOMPARE(picture(window, "NewImage7")->x(), 969);
    QCOMPARE(window.findChild<QLabel*>("Image3")->x(), -10);
}

void WindowChromeTest::doubleClickOnTitleStripToggles()
{
    TForm10 window;
    window.show();
    QWidget* strip = window.findChild<QWidget*>("Panel5");
    send(strip, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, {300, 10});
    QVERIFY(window.windowMaximized());
    QCOMPARE(picture(window, "NewImage19")->x(), window.screen()->geometry().width() - 75);
    send(strip, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, {300, 10});
    QVERIFY(!window.windowMaximized());
    QCOMPARE(picture(window, "NewImage8")->x(), 940);
}

void WindowChromeTest::dragByTitleStripWithLeftButtonOnly()
{
    TForm10 window;
    window.show();
    QWidget* strip = window.findChild<QWidget*>("Panel5");
    const QPoint start = window.pos();
    send(strip, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {300, 10});
    send(strip, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, {340, 30});
    send(strip, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {340, 30});
    QCOMPARE(window.pos(), start);

    send(strip, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {300, 10});
    send(strip, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {340, 30});
    send(strip, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {340, 30});
    QCOMPARE(window.pos(), start + QPoint(40, 20));
}

void WindowChromeTest::pictureForEachButtonAndEvent_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("hover");
    QTest::addColumn<QString>("pressed");
    const QList<QStringList> table{
        {"NewImage9", "/tp/MinBtn-1.bmp", "/tp/MinBtn-2.bmp", "/tp/MinBtn-3.bmp"},
        {"NewImage8", "/tp/MaxBtn-1.bmp", "/tp/MaxBtn-2.bmp", "/tp/MaxBtn-3.bmp"},
        {"NewImage19", "/tp/resBtn-1.bmp", "/tp/resBtn-2.bmp", "/tp/resBtn-3.bmp"},
        {"NewImage7", "/tp/CloseBtn-1.bmp", "/tp/CloseBtn-2.bmp", "/tp/CloseBtn-3.bmp"},
        {"gjst", "/tp/kstk-1.jpg", "/tp/KSTK-2.jpg", "/tp/KSTK-3.jpg"},
        {"NewImage1", "/tp/wdsc-1.jpg", "/tp/wdsc-2.jpg", "/tp/wdsc-3.jpg"},
        {"rjdh", "/tp/rjdh-1.jpg", "/tp/rjdh-2.jpg", "/tp/rjdh-3.jpg"},
        {"NewImage6", "/tp/mnkc-1.jpg", "/tp/mnkc-2.jpg", "/tp/mnkc-3.jpg"},
        {"NewImage20", "/tp/cttk-1.jpg", "/tp/cttk-2.jpg", "/tp/cttk-3.jpg"},
        {"NewImage4", "/tp/sjbf-1.jpg", "/tp/sjbf-2.jpg", "/tp/sjbf-3.jpg"},
        {"NewImage2", "/tp/sjhy-1.jpg", "/tp/sjhy-2.jpg", "/tp/sjhy-1.jpg"},
        {"rjsj", "/tp/rjsj-1.jpg", "/tp/rjsj-2.jpg", "/tp/rjsj-3.jpg"},
        {"zxkf", "/tp/zxkf-1.jpg", "/tp/zxkf-2.jpg", "/tp/zxkf-3.jpg"},
        {"zxsc", "/tp/zxsc-1.jpg", "/tp/zxsc-2.jpg", "/tp/zxsc-3.jpg"},
        {"sybz", "/tp/sybz-1.jpg", "/tp/sybz-2.jpg", "/tp/sybz-3.jpg"},
        {"NewImage10", "/tp/xsda-1.bmp", "/tp/xsda-2.bmp", "/tp/xsda-3.bmp"},
        {"NewImage16", "/tp/ycda-1.bmp", "/tp/ycda-2.bmp", "/tp/ycda-3.bmp"},
        {"NewImage11", "/tp/cxdt-1.bmp", "/tp/cxdt-2.bmp", "/tp/cxdt-3.bmp"},
        {"NewImage12", "/tp/tjsj-1.bmp", "/tp/tjsj-2.bmp", "/tp/tjsj-3.bmp"},
        {"NewImage14", "/tp/da-1.bmp", "/tp/da-2.bmp", "/tp/da-3.bmp"},
        {"NewImage15", "/tp/xiao-1.bmp", "/tp/xiao-2.bmp", "/tp/xiao-3.bmp"},
        {"NewImage17", "/tp/qpxs-1.bmp", "/tp/qpxs-2.bmp", "/tp/qpxs-3.bmp"},
        {"NewImage18", "/tp/ckxs-1.bmp", "/tp/ckxs-2.bmp", "/tp/ckxs-3.bmp"},
    };
    for (const auto& row : table)
        QTest::newRow(qPrintable(row.at(0))) << row.at(0) << row.at(1) << row.at(2) << row.at(3);
}

void WindowChromeTest::pictureForEachButtonAndEvent()
{
    QFETCH(QString, button);
    QFETCH(QString, normal);
    QFETCH(QString, hover);
    QFETCH(QString, pressed);
    TForm10 window;
    PictureButton* target = picture(window, button);
    QVERIFY(target);
    const auto shows = [&](const QString& file) {
        QCOMPARE(target->shownPicture(), file);
        QVERIFY(QFile::exists(folder_->path() + file));
        QVERIFY(!target->pixmap().isNull());
    };
    shows(normal);
    send(target, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {5, 5});
    shows(hover);
    send(target, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {5, 5});
    shows(pressed);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(target, &leave);
    shows(normal);
}

void WindowChromeTest::missingPictureKeepsThePictureOnShow()
{
    QVERIFY(QFile::remove(folder_->path() + "/tp/wdsc-2.jpg"));
    ScriptedDialogs dialogs;
    TForm10 window;
    PictureButton* target = picture(window, "NewImage1");
    const QImage before = target->pixmap().toImage();
    for (int i = 0; i < 3; ++i)
        send(target, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {5 + i, 5});
    QCOMPARE(target->shownPicture(), QStringLiteral("/tp/wdsc-1.jpg"));
    QCOMPARE(target->pixmap().toImage(), before);
    QVERIFY(dialogs.shown.isEmpty());
    send(target, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {5, 5});
    QCOMPARE(target->shownPicture(), QStringLiteral("/tp/wdsc-3.jpg"));
}

namespace {
// A room that serves the given handlers by writing their names down.
class RecordingRoom : public Room {
public:
    explicit RecordingRoom(QStringList handlers) : handlers_(std::move(handlers)) {}
    QVector<RoomAction> actions() override
    {
        QVector<RoomAction> served;
        for (const QString& handler : handlers_) {
            names_.append(handler.toLatin1());
            served.append({names_.last().constData(), [this, handler] { started.append(handler); }});
        }
        return served;
    }
    QStringList started;

private:
    QStringList handlers_;
    QList<QByteArray> names_;
};
}

void WindowChromeTest::roomPicturesStartTheirHandlers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("handler");
    const QList<QPair<QString, QString>> table{
        {"rjdh", "rjdhClick"},           {"NewImage6", "NewImage6Click"}, {"NewImage20", "NewImage20Click"},
        {"NewImage4", "NewImage4Click"}, {"NewImage2", "NewImage2Click"}, {"rjsj", "rjsjClick"},
        {"zxkf", "zxkfClick"},           {"zxsc", "zxscClick"},           {"sybz", "sybzClick"},
        {"NewImage11", "NewImage11Click"}, {"NewImage12", "BitBtn1Click"},
    };
    for (const auto& [name, handler] : table)
        QTest::newRow(qPrintable(name)) << name << handler;
}

void WindowChromeTest::roomPicturesStartTheirHandlers()
{
    QFETCH(QString, name);
    QFETCH(QString, handler);
    TForm10 window;
    RecordingRoom room({"rjdhClick", "NewImage6Click", "NewImage20Click", "NewImage4Click", "NewImage2Click", "rjsjClick",
                        "zxkfClick", "zxscClick", "sybzClick", "NewImage11Click", "BitBtn1Click"});
    window.plug(room);
    QTest::mouseClick(picture(window, name), Qt::LeftButton);
    QCOMPARE(room.started, QStringList{handler});
}

void WindowChromeTest::plugRefusesUnknownOrTwiceServedHandlers()
{
    TForm10 window;
    RecordingRoom unknown({"NoSuchClick"});
    QVERIFY_THROWS_EXCEPTION(std::logic_error, window.plug(unknown));
    // The practice window serves its page tools itself.
    RecordingRoom twice({"NewImage10Click"});
    QVERIFY_THROWS_EXCEPTION(std::logic_error, window.plug(twice));
}

void WindowChromeTest::exitQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("cancel keeps running") << int(Dialogs::Answer::Cancel) << false;
    QTest::newRow("ok ends the program") << int(Dialogs::Answer::Ok) << true;
}

void WindowChromeTest::exitQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, ends);
    TForm10 window;
    window.show();
    ScriptedDialogs dialogs;
    dialogs.answers = {Dialogs::Answer(answer)};
    bool timedOut = false;
    QTimer::singleShot(0, &window, [&] { QTest::mouseClick(picture(window, "NewImage7"), Qt::LeftButton); });
    // Only the program's own quit ends this loop early.
    QTimer::singleShot(1500, &window, [&] {
        timedOut = true;
        QCoreApplication::exit(0);
    });
    QCoreApplication::exec();
    QCOMPARE(timedOut, !ends);
    QCOMPARE(window.isVisible(), !ends);
    QCOMPARE(window.connection().isOpen(), false);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown.first().text, QStringLiteral("确定退出系统？"));
    QCOMPARE(dialogs.shown.first().caption, QStringLiteral("提示"));
    QVERIFY(dialogs.shown.first().buttons == Dialogs::Buttons::OkCancel);
}

void WindowChromeTest::minimizePicture()
{
    TForm10 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(picture(window, "NewImage9"), Qt::LeftButton);
    QTRY_VERIFY(window.isMinimized());
}

void WindowChromeTest::onlyStripAndFrameDrag_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("moves");
    QTest::newRow("title strip") << "Panel5" << QPoint(300, 10) << true;
    QTest::newRow("bare frame") << "TForm10" << QPoint(1, 200) << true;
    QTest::newRow("page bar") << "Panel7" << QPoint(400, 10) << false;
    QTest::newRow("toolbar filler") << "Panel8" << QPoint(20, 20) << false;
    QTest::newRow("tree header") << "Panel6" << QPoint(10, 10) << false;
    QTest::newRow("status bar") << "StatusBar1" << QPoint(600, 8) << false;
}

void WindowChromeTest::onlyStripAndFrameDrag()
{
    QFETCH(QString, widget);
    QFETCH(QPoint, at);
    QFETCH(bool, moves);
    TForm10 window;
    window.show();
    QWidget* target = widget == "TForm10" ? &window : window.findChild<QWidget*>(widget);
    QVERIFY(target);
    const QPoint start = window.pos();
    // Real presses: what the target leaves unhandled travels up to the window.
    QTest::mousePress(target, Qt::LeftButton, {}, at);
    QTest::mouseMove(target, at + QPoint(40, 20));
    QTest::mouseRelease(target, Qt::LeftButton, {}, at + QPoint(40, 20));
    QCOMPARE(window.pos() != start, moves);
}

KAIVORA_TEST_MAIN(WindowChromeTest)
#include "test_window_chrome.moc"
