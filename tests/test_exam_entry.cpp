// The road into the mock exam: settings, login and candidate screens, the exam
// window's clock, guard, calculator button and closing back to the practice window.
#include "app/practice_window.h"
#include "exam/drawing_notice.h"
#include "exam/entry_screens.h"
#include "exam/exam_room.h"
#include "exam/exam_sitting.h"
#include "exam/exam_window.h"
#include "exam/settings_window.h"
#include "store/bank_connection.h"
#include "store/sql.h"
#include "support/recording_shell.h"
#include "support/scripted_dialogs.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace {
QString bank(const QString& settings)
{
    using namespace fixture;
    return types() + node(1, "根", 0, 1) + node(2, "节", 1, 2) + node(3, "章", 2, 3) + group(1, 3, 3) + question(1, 1, "题")
        + options(1, 1, 4) + settings;
}

const char kFourRows[] = "insert into ts (txs, fg) values ('20', '12'), ('0', ''), ('0', ''), ('2', '');";

// Steps for modal windows: each one runs once its window is the active modal one.
class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget*)>;
    ModalScript() { connect(&timer_, &QTimer::timeout, this, [this] { tick(); }); }
    void then(const char* objectName, Step step)
    {
        steps_.append({QString::fromLatin1(objectName), std::move(step)});
        timer_.start(10);
    }
    bool finished() const { return steps_.isEmpty(); }
    QString waitingFor() const { return steps_.isEmpty() ? QString() : steps_.first().first; }

private:
    void tick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (steps_.isEmpty() || !modal || !modal->isVisible() || modal->objectName() != steps_.first().first)
            return;
        // Run from a timer of its own: a step that opens the next modal window stays
        // inside it, and a timer does not fire again while its own call runs.
        const Step step = steps_.takeFirst().second;
        if (steps_.isEmpty())
            timer_.stop();
        QTimer::singleShot(0, modal, [step, modal] { step(modal); });
    }

    QList<QPair<QString, Step>> steps_;
    QTimer timer_;
};

// A click as the window system delivers it: to the window, where modality can block it.
void systemClick(QWidget* widget)
{
    QWindow* window = widget->window()->windowHandle();
    QVERIFY(window);
    QTest::mouseClick(window, Qt::LeftButton, {}, widget->mapTo(widget->window(), widget->rect().center()));
}

void click(QWidget* window, const char* name)
{
    auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    systemClick(button);
}

// Replaces a field's text the way a candidate does: to the end, backspace, type.
void retype(QLineEdit* field, const QString& text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_End);
    for (int i = field->text().size(); i > 0; --i)
        QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// The practice window with the exam room's pictures, on a bank of its own.
struct Practice {
    explicit Practice(const QString& settings = QString::fromLatin1(kFourRows))
        : folder(bank(settings))
        , room(window)
    {
        window.plug(room);
        window.FormShow();
        window.show();
    }
    TestFolder folder;
    TForm10 window;
    ExamRoom room;
};

QStringList settingsRows(TestFolder& folder)
{
    QStringList rows;
    for (const QSqlRecord& row : sql::select(folder.db(), "select txs, fg from ts order by rowid"))
        rows.append(row.value(0).toString() + "/" + row.value(1).toString());
    return rows;
}
}

class ExamEntryTest : public QObject {
    Q_OBJECT
private slots:
    void settingsSaveAndRefuse_data();
    void settingsSaveAndRefuse();
    void settingsFieldsTakeOnlyDigits();
    void wholeChainThroughItsButtons();
    void settingsLeftByItsCloseBoxEndTheChain();
    void exitFromTheLoginScreenReturnsToPractice();
    void clockCountsDownToZeroAndStops();
    void windowCannotBeMovedRestoredOrLeftByEscape();
    void layoutOfTheExamWindow();
    void calculatorStartsAsAProcess();
    void missingCalculatorShowsNothing();
    void drawingNoticePlacement_data();
    void drawingNoticePlacement();
};

void ExamEntryTest::settingsSaveAndRefuse_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("fourth");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("fieldsAfter");

    const QString four = QString::fromLatin1(kFourRows);
    const QStringList stored{"20/12", "0/", "0/", "2/"};
    QTest::newRow("saved by position") << four << "10" << "5" << "设置成功！" << QStringList{"10/10", "0/", "0/", "5/"}
                                       << QStringList{"10", "0", "0", "5"};
    QTest::newRow("above 50 refused, field reloaded")
        << four << "10" << "51" << "请仔细看下边的温馨提示，谢谢！" << stored << QStringList{"12", "0", "0", "2"};
    QTest::newRow("too many digits refused")
        << four << "99999999999999999999" << "5" << "请仔细看下边的温馨提示，谢谢！" << stored << QStringList{"12", "0", "0", "2"};
    QTest::newRow("three zero counts refused") << four << "0" << "9" << "设置错误！" << stored << QStringList{"0", "0", "0", "9"};
    QTest::newRow("00 stored as typed") << four << "00" << "3" << "设置成功！" << QStringList{"00/00", "0/", "0/", "3/"}
                                        << QStringList{"00", "0", "0", "3"};
    QTest::newRow("empty field refused") << four << "" << "3" << "设置错误！" << stored << QStringList{"", "0", "0", "3"};
    QTest::newRow("three rows only: refused, nothing saved")
        << "insert into ts (txs, fg) values ('20', '12'), ('1', ''), ('1', '');" << "10" << "5" << "设置错误！"
        << QStringList{"20/12", "1/", "1/"} << QStringList{"10", "1", "1", "5"};
}

void ExamEntryTest::settingsSaveAndRefuse()
{
    QFETCH(QString, settings);
    QFETCH(QString, first);
    QFETCH(QString, fourth);
    QFETCH(QString, message);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, fieldsAfter);
    TestFolder folder(bank(settings));
    ScriptedDialogs dialogs;
    TForm6 settingsWindow(nullptr);
    settingsWindow.show();
    QVERIFY(!settingsWindow.field(2)->isEnabled());
    QVERIFY(!settingsWindow.field(3)->isEnabled());
    retype(settingsWindow.field(1), first);
    retype(settingsWindow.field(4), fourth);
    click(&settingsWindow, "RzBitBtn1");
    QCOMPARE(dialogs.texts(), QStringList{message});
    QCOMPARE(settingsRows(folder), rows);
    QStringList fields;
    for (int i = 1; i <= 4; ++i)
        fields.append(settingsWindow.field(i)->text());
    QCOMPARE(fields, fieldsAfter);
    QVERIFY(settingsWindow.isVisible());
    QVERIFY(!settingsWindow.entered());
}

void ExamEntryTest::settingsFieldsTakeOnlyDigits()
{
    TestFolder folder(bank(kFourRows));
    TForm6 settingsWindow(nullptr);
    settingsWindow.show();
    QLineEdit* field = settingsWindow.field(1);
    QCOMPARE(field->text(), QString("12"));
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClicks(field, "a3 -.+x");
    QCOMPARE(field->text(), QString("123"));
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, "07");
    QCOMPARE(field->text(), QString("107"));
}

void ExamEntryTest::wholeChainThroughItsButtons()
{
    ScriptedDialogs dialogs;
    Practice setUp;
    TForm10& practice = setUp.window;
    TestFolder& folder = setUp.folder;
    ExamRoom& room = setUp.room;
    practice.FormActivate();
    const int pagesBefore = practice.pagesBuilt();
    QVERIFY(pagesBefore > 0);

    bool flagDuringExam = false;
    QString clockAtStart;
    QString drawnCount;
    QPoint settingsAt;
    QString typedAtLeave;
    bool connectionOpenBeforeClose = false;
    QPointer<TForm4> exam;
    int pagesInChain = -1;
    ModalScript script;
    script.then("Form6", [&](QWidget* w) {
        settingsAt = w->pos() - practice.pos();
        auto* settingsWindow = static_cast<TForm6*>(w);
        // Edits without "确 定" are not saved.
        retype(settingsWindow->field(1), "33");
        typedAtLeave = settingsWindow->field(1)->text();
        click(w, "RzBitBtn2");
    });
    script.then("Form2", [&](QWidget* w) { click(w, "RzBitBtn1"); });
    script.then("Form3", [&](QWidget* w) { click(w, "SpeedButton1"); });
    script.then("Form2", [&](QWidget* w) { click(w, "RzBitBtn1"); });
    script.then("Form3", [&](QWidget* w) { click(w, "SpeedButton2"); });
    script.then("Form4", [&](QWidget* w) {
        exam = static_cast<TForm4*>(w);
        flagDuringExam = practice.state().examEntry;
        clockAtStart = exam->label(9)->text();
        drawnCount = folder.scalar("select txs from ts order by rowid limit 1");
        // The drawing opens the window's connection; closing must close it.
        exam->connection().open();
        connectionOpenBeforeClose = exam->connection().isOpen();
        QTest::qWait(50);
        pagesInChain = practice.pagesBuilt();
        systemClick(exam->captionBar()->findChild<QToolButton*>("closeBox"));
        QVERIFY(!exam->connection().isOpen());
    });
    QTest::mouseClick(practice.findChild<QWidget*>("rjdh"), Qt::LeftButton);

    QVERIFY2(script.finished(), qPrintable("stuck before " + script.waitingFor()));
    QCOMPARE(settingsAt, QPoint(190, 150));
    QCOMPARE(typedAtLeave, QString("33"));
    QVERIFY(flagDuringExam);
    QCOMPARE(clockAtStart, QString("90"));
    QCOMPARE(drawnCount, QString("12"));
    QCOMPARE(settingsRows(folder), (QStringList{"12/12", "0/", "0/", "2/"}));
    QVERIFY(connectionOpenBeforeClose);
    QCOMPARE(pagesInChain, pagesBefore);
    // The chain is down: no screen of it is left, the flag is cleared, no question was asked.
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!room.loginWindow()->isVisible());
    QVERIFY(!room.candidateWindow()->isVisible());
    QVERIFY(!room.settingsWindow()->isVisible());
    QVERIFY(!practice.state().examEntry);
    // Only the paper's own messages, closed before its drawing ended: no question was asked.
    QVERIFY(!dialogs.shown.isEmpty());
    QCOMPARE(dialogs.shown.first().caption, QString("试卷描述"));
    for (const auto& shown : dialogs.shown)
        QCOMPARE(shown.buttons, Dialogs::Buttons::Ok);
    // The exam window is gone with its exam; the practice window is active once.
    QVERIFY(!exam);
    QTRY_COMPARE(practice.pagesBuilt(), pagesBefore + 1);
    QTest::qWait(100);
    QCOMPARE(practice.pagesBuilt(), pagesBefore + 1);
}

void ExamEntryTest::settingsLeftByItsCloseBoxEndTheChain()
{
    ScriptedDialogs dialogs;
    Practice setUp;
    TForm10& practice = setUp.window;
    TestFolder& folder = setUp.folder;
    ExamRoom& room = setUp.room;
    bool loginShown = false;
    ModalScript script;
    script.then("Form6", [&](QWidget* w) {
        retype(static_cast<TForm6*>(w)->field(1), "5");
        click(w, "RzBitBtn1");
        w->close();
    });
    script.then("Form2", [&](QWidget* w) {
        loginShown = true;
        w->close();
    });
    QTest::mouseClick(practice.findChild<QWidget*>("NewImage6"), Qt::LeftButton);
    QCOMPARE(script.waitingFor(), QString("Form2"));
    QVERIFY(!loginShown);
    QCOMPARE(dialogs.texts(), QStringList{"设置成功！"});
    // Without "进 入" the flag stays until the next tree build.
    QVERIFY(practice.state().examEntry);
    practice.FormShow();
    QVERIFY(!practice.state().examEntry);
}

void ExamEntryTest::exitFromTheLoginScreenReturnsToPractice()
{
    Practice setUp;
    TForm10& practice = setUp.window;
    TestFolder& folder = setUp.folder;
    ExamRoom& room = setUp.room;
    ModalScript script;
    script.then("Form6", [&](QWidget* w) { click(w, "RzBitBtn2"); });
    script.then("Form2", [&](QWidget* w) {
        QCOMPARE(w->geometry(), w->screen()->geometry());
        QCOMPARE(w->findChild<QLineEdit*>("Edit1")->text(), QString("00000000001"));
        click(w, "RzBitBtn2");
    });
    QTest::mouseClick(practice.findChild<QWidget*>("rjdh"), Qt::LeftButton);
    QVERIFY(script.finished());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!practice.state().examEntry);
    // Leaving before the exam changes nothing in the settings.
    QCOMPARE(settingsRows(folder), (QStringList{"20/12", "0/", "0/", "2/"}));
}

void ExamEntryTest::clockCountsDownToZeroAndStops()
{
    TestFolder folder(bank(kFourRows));
    ScriptedDialogs dialogs;
    TForm10 practice;
    QStringList shown;
    {
        TForm4 exam(practice, &practice);
        QCOMPARE(exam.clock()->interval(), 60 * 1000);
        QVERIFY(!exam.clock()->isActive());
        exam.show();
        QVERIFY(exam.clock()->isActive());
        // A minute goes by in a millisecond here; the label reads the same minutes.
        exam.clock()->setInterval(1);
        connect(exam.clock(), &QTimer::timeout, &exam, [&] { shown.append(exam.label(9)->text()); });
        // A modal window over the exam does not hold the clock.
        {
            QDialog box(&exam);
            const int before = shown.size();
            connect(exam.clock(), &QTimer::timeout, &box, [&] {
                if (shown.size() >= before + 5)
                    box.accept();
            });
            QCOMPARE(box.exec(), int(QDialog::Accepted));
            QVERIFY(shown.size() >= before + 5);
        }
        QTRY_VERIFY(!exam.clock()->isActive());
        QTest::qWait(30);
        QCOMPARE(exam.label(9)->text(), QString("0"));
    }
    QStringList expected;
    for (int minutes = 89; minutes >= 0; --minutes)
        expected.append(QString::number(minutes));
    QCOMPARE(shown, expected);

    TForm4 next(practice, &practice);
    next.show();
    QCOMPARE(next.label(9)->text(), QString("90"));
    QVERIFY(next.clock()->isActive());
}

void ExamEntryTest::windowCannotBeMovedRestoredOrLeftByEscape()
{
    TestFolder folder(bank(kFourRows));
    ScriptedDialogs dialogs;
    TForm10 practice;
    TForm4 exam(practice, &practice);
    exam.show();
    const QRect whole = exam.screen()->geometry();
    QCOMPARE(exam.geometry(), whole);

    QWidget* caption = exam.captionBar();
    QTest::mousePress(caption, Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(caption, QPoint(400, 200));
    QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(400, 200));
    QTest::mouseDClick(caption, Qt::LeftButton, {}, QPoint(200, 10));
    QTest::keyClick(&exam, Qt::Key_Escape);
    QCOMPARE(exam.geometry(), whole);
    QVERIFY(exam.isVisible());

    // Whatever moves, shrinks or minimizes it, the window goes back to cover the screen.
    exam.move(whole.topLeft() + QPoint(60, 40));
    QTRY_COMPARE(exam.geometry(), whole);
    exam.resize(500, 400);
    QTRY_COMPARE(exam.geometry(), whole);
    exam.showMinimized();
    QTRY_COMPARE(exam.windowState(), Qt::WindowNoState);
    QCOMPARE(exam.geometry(), whole);
}

void ExamEntryTest::layoutOfTheExamWindow()
{
    TestFolder folder(bank(kFourRows));
    ScriptedDialogs dialogs;
    TForm10 practice;
    TForm4 exam(practice, &practice);
    exam.show();
    QCOMPARE(exam.windowTitle(), QString("人机对话"));
    QCOMPARE(exam.findChild<QWidget*>("Panel1")->height(), 88);
    QCOMPARE(exam.findChild<QWidget*>("Panel2")->height(), 132);
    QCOMPARE(exam.answerScroll()->width(), 247);
    QCOMPARE(exam.answerScroll()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    struct Place {
        const char* name;
        int x;
    } buttons[] = {{"BitBtn1", 30}, {"BitBtn2", 178}, {"BitBtn3", 326}, {"BitBtn5", 474}};
    for (const Place& b : buttons) {
        QWidget* button = exam.findChild<QWidget*>(b.name);
        QVERIFY2(button, b.name);
        QCOMPARE(button->geometry(), QRect(b.x, 23, 113, 45));
    }
    // The page view takes what the strips and the column leave.
    QWidget* page = exam.findChild<QWidget*>("WebBrowser1");
    const int clientHeight = exam.height() - exam.captionBar()->height();
    QCOMPARE(page->height(), clientHeight - 88 - 132);
    QCOMPARE(page->width(), exam.width() - 247);
    const QStringList texts{exam.label(1)->text(), exam.label(2)->text(), exam.label(3)->text(), exam.label(5)->text(),
                            exam.label(6)->text(), exam.label(7)->text(), exam.label(8)->text(), exam.label(9)->text()};
    QCOMPARE(texts, (QStringList{"已答", "在答", "未答", "/0", "0", "考试总时间是90分钟，剩余时间是：", "分钟", "90"}));
    QCOMPARE(exam.label(1)->pos(), QPoint(59, 23));
    QCOMPARE(exam.label(3)->pos(), QPoint(195, 23));
    QCOMPARE(exam.progressBar()->width(), 205);
    QCOMPARE(exam.label(7)->y(), 105);
}

void ExamEntryTest::calculatorStartsAsAProcess()
{
    TestFolder folder(bank(kFourRows));
    ScriptedDialogs dialogs;
    RecordingShell shell;
    TForm10 practice;
    TForm4 exam(practice, &practice);
    exam.show();
    // The paper is drawn first, with its own messages.
    QTRY_VERIFY(exam.sitting()->session().drawn());
    const int messages = dialogs.shown.size();
    QTest::mouseClick(exam.calculatorButton(), Qt::LeftButton);
    QCOMPARE(shell.started.size(), 1);
    QCOMPARE(shell.started.first().path, folder.path() + "calc");
    QVERIFY(shell.started.first().args.isEmpty());
    QVERIFY(exam.isVisible());
    QVERIFY(exam.clock()->isActive());
    QCOMPARE(dialogs.shown.size(), messages);
}

void ExamEntryTest::missingCalculatorShowsNothing()
{
    TestFolder folder(bank(kFourRows));
    ScriptedDialogs dialogs;
    QVERIFY(!QFile::exists(folder.path() + "calc"));
    TForm10 practice;
    TForm4 exam(practice, &practice);
    exam.show();
    QTRY_VERIFY(exam.sitting()->session().drawn());
    const int messages = dialogs.shown.size();
    const auto shownWindows = [] {
        int count = 0;
        for (const QWidget* w : QApplication::topLevelWidgets())
            count += w->isVisible() ? 1 : 0;
        return count;
    };
    const int before = shownWindows();
    QTest::mouseClick(exam.calculatorButton(), Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(dialogs.shown.size(), messages);
    QVERIFY(exam.isVisible());
    QCOMPARE(shownWindows(), before);
}

void ExamEntryTest::drawingNoticePlacement_data()
{
    QTest::addColumn<bool>("examEntry");
    QTest::newRow("during an exam entry: over the exam window") << true;
    QTest::newRow("otherwise: over the practice window") << false;
}

void ExamEntryTest::drawingNoticePlacement()
{
    QFETCH(bool, examEntry);
    TestFolder folder(bank(kFourRows));
    ScriptedDialogs dialogs;
    TForm10 practice;
    practice.show();
    practice.move(70, 30);
    practice.state().examEntry = examEntry;
    TForm4 exam(practice, &practice);
    exam.show();
    exam.showDrawingNotice();
    TForm7* notice = exam.drawingNotice();
    QVERIFY(notice && notice->isVisible());
    const QPoint base = examEntry ? exam.frameGeometry().topLeft() : practice.frameGeometry().topLeft();
    QCOMPARE(notice->pos(), base + QPoint(165, 350));
    QCOMPARE(notice->size(), QSize(685, 97));
    exam.hideDrawingNotice();
    QVERIFY(!exam.drawingNotice());
}

KAIVORA_TEST_MAIN(ExamEntryTest)
#include "test_exam_entry.moc"
