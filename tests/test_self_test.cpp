// The self-test on a real chapter page: ticks, "提交试卷", the marks and scores in the bank,
// the red numbers, the result window's table, keep-or-drop and "重新答题".
#include "app/picture_button.h"
#include "app/practice_window.h"
#include "platform/page_view.h"
#include "selftest/page_grading.h"
#include "selftest/result_window.h"
#include "selftest/score_table.h"
#include "selftest/selftest_room.h"
#include "store/sql.h"
#include "store/study_record.h"
#include "store/view_mode.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <csignal>
#include <functional>
#include <memory>

namespace {
using namespace fixture;

const QString kA3A4 = QStringLiteral("A3/A4型题：每个案例至少有3个提问，每个提问有4-12个备选答案，其中正确答案有一个或多个。");

// The four titles the grading merges, besides two plain ones.
QString typesWithTitles()
{
    return QStringLiteral("insert into qtype (id, code, title) values (3, 1, 'A1型题'), (5, 3, '五个公用备选多个题每题一个选项9'), "
                          "(6, 4, 'X型题'), (9, 7, '%1'), (10, 8, '阅读案例多个问题8'), (11, 9, 'B型题配伍选择题');\n")
        .arg(kA3A4);
}

// Options of question q have the ids q*10 + 0.. for the codes A..E.
QString choice(int id, int group, const QString& answer, const QString& scbt = QString(), const QString& ct = QString())
{
    return question(id, group, QStringLiteral("题%1").arg(id), answer, QString(), scbt, ct) + options(id * 10, id, 5);
}

QString chapters()
{
    return typesWithTitles() + node(1, "根", 0, 1) + node(2, "节", 1, 2) + node(3, "章一", 2, 3) + node(4, "章二", 2, 3);
}

// Chapter 3: single choice, shared options, multiple choice, two case groups, one matching
// group; question 1 is in the wrong-question bank already, 98 and 99 lie in chapter 4.
QString gradingBank()
{
    return chapters() + group(1, 3, 3) + choice(1, 1, "A", "", "1") + choice(2, 1, "B") + choice(3, 1, "  C ")
        + group(6, 3, 5) + choice(17, 6, "E")
        + group(2, 3, 6) + choice(4, 2, "ACD") + choice(5, 2, "ACD") + choice(6, 2, "CAD")
        + group(4, 3, 10, "病例一") + choice(10, 4, "A") + choice(11, 4, "B") + choice(12, 4, "C")
        + group(5, 3, 10, "病例二") + choice(13, 5, "A") + choice(14, 5, "B") + choice(15, 5, "C") + choice(16, 5, "D")
        + group(3, 3, 11, "A．一 B．二 C．三 D．四 E．五", 5) + question(7, 3, "配一", "A") + question(8, 3, "配二", "B")
        + question(9, 3, "配三", "C")
        + group(7, 4, 3) + choice(98, 7, "A", "", "1") + question(99, 7, "上次错", "A")
        + "update question set ct1='1' where id=99;\n";
}

const QStringList kTicks{"10", "32", "174", "40", "42", "43", "50", "52", "60", "62", "63", "100", "111", "130"};
const QStringList kWrong{"2", "5", "6", "9", "12", "14", "15", "16"};

QString marks(TestFolder& folder, const QString& column)
{
    QStringList ids;
    for (const auto& row : sql::select(folder.db(), QStringLiteral("select id from question where %1='1' order by id").arg(column)))
        ids << row.value(0).toString();
    return ids.join(',');
}

QStringList scoreRows(TestFolder& folder)
{
    QStringList rows;
    for (const auto& row : sql::select(folder.db(), QStringLiteral("select tx, sts, dd from fenshu order by id")))
        rows << row.value(0).toString() + '|' + row.value(1).toString() + '|' + row.value(2).toString();
    return rows;
}

// Ticks inputs and picks drop-down letters the way the candidate's clicks do.
void answer(TForm10& window, const QStringList& ticks, const QList<QPair<QString, QString>>& choices = {})
{
    QString script;
    for (const QString& id : ticks)
        script += QStringLiteral("document.getElementById('%1').click();").arg(id);
    for (const auto& [qid, letter] : choices)
        script += QStringLiteral("(function(e){e.value='%2';e.dispatchEvent(new Event('change'));})(document.getElementById('a%1'));")
                      .arg(qid, letter);
    window.page().evaluate(script);
}

// The questions whose number is red, in id order.
QString redNumbers(TForm10& window)
{
    return window.page()
        .evaluate("Array.from(document.querySelectorAll('[id^=fan]')).filter(function(e){return e.style.color=='red';})"
                  ".map(function(e){return Number(e.id.substring(3));}).sort(function(a,b){return a-b;}).join(',')")
        .toString();
}

// The inputs ticked and the letters picked, in page order.
QString ticked(TForm10& window)
{
    return window.page()
        .evaluate("Array.from(document.querySelectorAll('input:checked')).map(function(e){return e.id;}).join(',')"
                  "+'/'+Array.from(document.querySelectorAll('select')).map(function(e){return e.value;}).join(',')")
        .toString();
}

int openAnswers(TForm10& window)
{
    return window.page()
        .evaluate("Array.from(document.querySelectorAll('.Answer')).filter(function(e){return getComputedStyle(e).display!='none';}).length")
        .toInt();
}

QStringList tableLines(PageView& page)
{
    return page
        .evaluate("Array.from(document.querySelectorAll('tr')).map(function(r){return Array.from(r.cells)"
                  ".map(function(c){return c.textContent;}).join('|');})")
        .toStringList();
}

// Serves the modal windows the program opens, in order, from the event loop: each step
// waits until its window is up and ready, then acts on it. Any other modal window is
// written down and closed.
class ModalSteps {
public:
    struct Step {
        std::function<bool(QWidget*)> ready;
        std::function<void(QWidget*)> act;
    };

    ModalSteps()
    {
        poll_.setInterval(20);
        QObject::connect(&poll_, &QTimer::timeout, [this] { serve(); });
        poll_.start();
    }

    void then(Step step) { steps_.append(std::move(step)); }
    bool done() const { return steps_.isEmpty(); }
    QStringList unexpected;

private:
    void serve()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (busy_ || !modal)
            return;
        busy_ = true;
        if (!steps_.isEmpty() && steps_.first().ready(modal)) {
            const Step step = steps_.takeFirst();
            step.act(modal);
        } else if (steps_.isEmpty() || !qobject_cast<TForm15*>(modal)) {
            // A result window may still wait for its table; anything else is not expected.
            auto* box = qobject_cast<QMessageBox*>(modal);
            unexpected << (box ? box->text() : modal->objectName());
            static_cast<QDialog*>(modal)->reject();
        }
        busy_ = false;
    }

    QTimer poll_;
    QList<Step> steps_;
    bool busy_ = false;
};

// A message box of the program with this text: records its caption, icon and buttons and presses one.
ModalSteps::Step box(const QString& text, QMessageBox::StandardButton press, QString* seen = nullptr)
{
    return {[text](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                return box && box->text() == text;
            },
            [press, seen](QWidget* modal) {
                auto* box = static_cast<QMessageBox*>(modal);
                if (seen)
                    *seen = box->windowTitle() + '|' + QString::number(int(box->icon())) + '|'
                        + QString::number(int(box->standardButtons()));
                QTest::mouseClick(box->button(press), Qt::LeftButton);
            }};
}

const QString kKeepQuestion = QStringLiteral("您是否把这次的错题放到错题题库中？");
const QString kReanswerQuestion = QStringLiteral("重新答题会清除当前所选的答案，是否继续？");
constexpr int kNoQuestion = 0;

// The practice window with the self-test plugged in, on the first chapter.
struct Practice {
    explicit Practice(const QString& viewMode = ViewMode::kExercise)
        : room(window)
    {
        window.plug(room);
        QObject::connect(&room.timer2(), &QTimer::timeout, [this] { ++tables; });
        window.show();
        window.FormShow();
        if (viewMode == ViewMode::kExercise)
            window.gjstClick();
        else
            window.runView(viewMode);
    }

    void submit() { QTest::mouseClick(window.findChild<PictureButton*>("NewImage12"), Qt::LeftButton); }

    // "提交试卷", the result window read and closed, the keep-or-drop question answered
    // with press; returns the table's lines. unexpected lists what else came up.
    QStringList submitAndClose(int press, QString* keepBox = nullptr)
    {
        ModalSteps modals;
        QStringList lines;
        modals.then(resultWindow(&lines));
        if (press != kNoQuestion)
            modals.then(box(kKeepQuestion, QMessageBox::StandardButton(press), keepBox));
        submit();
        unexpected = modals.unexpected;
        if (!modals.done())
            unexpected << QStringLiteral("(a window that never came)");
        return lines;
    }
    bool shown(const char* name) { return !window.findChild<QWidget*>(name)->isHidden(); }

    // The result window once its table is on show (and settleMs later): the table's lines,
    // then the close picture.
    ModalSteps::Step resultWindow(QStringList* lines, const std::function<void(TForm15*)>& more = {}, int settleMs = 0)
    {
        const int before = tables;
        auto since = std::make_shared<QElapsedTimer>();
        return {[this, before, since, settleMs](QWidget* modal) {
                    if (!qobject_cast<TForm15*>(modal) || tables <= before)
                        return false;
                    if (!since->isValid())
                        since->start();
                    return since->elapsed() >= settleMs;
                },
                [lines, more](QWidget* modal) {
                    auto* form = static_cast<TForm15*>(modal);
                    if (more)
                        more(form);
                    *lines = tableLines(form->page());
                    QTest::mouseClick(form->findChild<QPushButton*>("Image1"), Qt::LeftButton);
                }};
    }

    TForm10 window;
    SelfTestRoom room;
    int tables = 0;
    QStringList unexpected;
};

const QString kHeader = QStringLiteral("题  型|试 题 数| 答  对 | 总  分 | 得  分 |正 确 率");
}

class SelfTestTest : public QObject {
    Q_OBJECT
private slots:
    void gradedPageKeepsOrDropsTheWrongQuestions_data();
    void gradedPageKeepsOrDropsTheWrongQuestions();
    void favouritesViewGradesOnlyFavourites();
    void wrongQuestionViewAsksNothing();
    void emptyChapterShowsTheZeroTotal();
    void scoreRowsOfOneGrading_data();
    void scoreRowsOfOneGrading();
    void failedGradingWritesNothing_data();
    void failedGradingWritesNothing();
    void joinedWritesLandWithTheGrading_data();
    void joinedWritesLandWithTheGrading();
    void reactivationRendersOnceIntoAFreshPage();
    void failedTableIsReportedOnce();
    void reanswer_data();
    void reanswer();
    void percentage_data();
    void percentage();
};

void SelfTestTest::gradedPageKeepsOrDropsTheWrongQuestions_data()
{
    QTest::addColumn<int>("press");
    QTest::addColumn<QString>("bank");
    // Question 1 was in the bank before and is right now; 98 is in the bank from elsewhere.
    QTest::newRow("keep") << int(QMessageBox::Yes) << "1,2,5,6,9,12,14,15,16,98";
    // Dropping takes out every question wrong in this grading, 2 also though it was in the bank before.
    QTest::newRow("drop") << int(QMessageBox::No) << "1,98";
}

void SelfTestTest::gradedPageKeepsOrDropsTheWrongQuestions()
{
    QFETCH(int, press);
    QFETCH(QString, bank);
    TestFolder folder(gradingBank());
    Practice practice;
    QCOMPARE(practice.window.currentChapterId(), QStringLiteral("3"));
    answer(practice.window, kTicks, {{"7", "A"}, {"8", "B"}});
    const int pages = practice.window.pagesBuilt();

    QString keepBox;
    const QStringList lines = practice.submitAndClose(press, &keepBox);
    QCOMPARE(practice.unexpected, QStringList());

    QCOMPARE(keepBox, QStringLiteral("提示|%1|%2").arg(int(QMessageBox::Question)).arg(int(QMessageBox::Yes | QMessageBox::No)));
    QCOMPARE(lines, QStringList({kHeader, "A1型题|3|2|3|2|67%", "X型题|3|1|3|1|33%", "五个公用备选多个题每题一个选项9|1|1|1|1|100%",
                                 "阅读案例多个问题8|7|3|7|3|43%", "B型题配伍选择题|3|2|3|2|67%", "合  计|17|9|17|9|53%"}));
    // The window has dropped the empty A3/A4 row.
    QCOMPARE(scoreRows(folder), QStringList({"A1型题|3|2", "X型题|3|1", "五个公用备选多个题每题一个选项9|1|1", "阅读案例多个问题8|7|3",
                                             "B型题配伍选择题|3|2"}));
    QCOMPARE(marks(folder, "ct1"), kWrong.join(','));
    QCOMPARE(marks(folder, "ct"), bank);
    // The study record keeps the grading's figures, the empty A3/A4 row left out.
    QCOMPARE(folder.scalar("select group_concat(kind || ' ' || chapter || ' ' || view || ' ' || correct || '/' || units) from jilu"),
             QStringLiteral("selftest 3 习 题 集 9/17"));
    QCOMPARE(folder.scalar("select group_concat(type || ' ' || correct || '/' || units, '; ') from (select * from jilu_tx order by seq)"),
             QStringLiteral("A1型题 2/3; X型题 1/3; 五个公用备选多个题每题一个选项9 1/1; 阅读案例多个问题8 3/7; B型题配伍选择题 2/3"));

    // Back on the practice page: not built again, red numbers, ticks and every answer shown.
    QTest::qWait(50);
    QCOMPARE(practice.window.pagesBuilt(), pages);
    QCOMPARE(redNumbers(practice.window), kWrong.join(','));
    QCOMPARE(ticked(practice.window), kTicks.join(',') + "/A,B,daan");
    QCOMPARE(openAnswers(practice.window), 17);
    QVERIFY(practice.shown("NewImage16"));
    QVERIFY(!practice.shown("NewImage10"));
}

void SelfTestTest::favouritesViewGradesOnlyFavourites()
{
    // Favourites 1 and 3 in the first group; the multiple-choice group has none.
    TestFolder folder(chapters() + group(1, 3, 3) + choice(1, 1, "A", "1") + choice(2, 1, "B") + choice(3, 1, "C", "1") + group(2, 3, 6)
                      + choice(4, 2, "AB"));
    Practice practice(ViewMode::kFavourites);
    QCOMPARE(practice.window.currentChapterId(), QStringLiteral("3"));
    answer(practice.window, {"10"});
    const QStringList lines = practice.submitAndClose(QMessageBox::Yes);
    QCOMPARE(practice.unexpected, QStringList());
    QCOMPARE(lines, QStringList({kHeader, "A1型题|2|1|2|1|50%", "合  计|2|1|2|1|50%"}));
    QCOMPARE(scoreRows(folder), QStringList({"A1型题|2|1"}));
    QCOMPARE(marks(folder, "ct1"), QStringLiteral("3"));
    QCOMPARE(redNumbers(practice.window), QStringLiteral("3"));
}

void SelfTestTest::wrongQuestionViewAsksNothing()
{
    TestFolder folder(chapters() + group(1, 3, 3) + choice(1, 1, "A", "", "1") + choice(2, 1, "B", "", "1") + choice(3, 1, "C"));
    Practice practice(ViewMode::kWrong);
    QCOMPARE(practice.window.viewMode(), ViewMode::kWrong);
    answer(practice.window, {"10"});
    const QStringList lines = practice.submitAndClose(kNoQuestion);
    QTest::qWait(100);
    QCOMPARE(practice.unexpected, QStringList());
    QCOMPARE(lines, QStringList({kHeader, "A1型题|2|1|2|1|50%", "合  计|2|1|2|1|50%"}));
    QCOMPARE(marks(folder, "ct1"), QStringLiteral("2"));
    QCOMPARE(marks(folder, "ct"), QStringLiteral("1,2"));
}

void SelfTestTest::emptyChapterShowsTheZeroTotal()
{
    TestFolder folder(chapters() + "insert into fenshu (tx, sts, dd) values ('旧', '4', '4');\n");
    Practice practice;
    QCOMPARE(practice.window.currentChapterId(), QStringLiteral("3"));
    const QStringList lines = practice.submitAndClose(QMessageBox::No);
    QCOMPARE(practice.unexpected, QStringList());
    QCOMPARE(lines, QStringList({kHeader, "合  计|0|0|0|0|0%"}));
    QCOMPARE(scoreRows(folder), QStringList());
}

void SelfTestTest::scoreRowsOfOneGrading_data()
{
    QTest::addColumn<QString>("bank");
    QTest::addColumn<QString>("viewMode");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("every kind of group") << gradingBank() << ViewMode::kExercise << kTicks
                                         << QStringList({"A1型题|3|2", "X型题|3|1", "五个公用备选多个题每题一个选项9|1|1", "阅读案例多个问题8|7|3",
                                                         "B型题配伍选择题|3|0", kA3A4 + "|0|0"});
    QTest::newRow("a group without favourites")
        << chapters() + group(1, 3, 3) + choice(1, 1, "A", "1") + choice(2, 1, "B") + group(2, 3, 6) + choice(4, 2, "AB")
        << ViewMode::kFavourites << QStringList{"11"} << QStringList({"A1型题|1|0", "X型题|0|0", "B型题配伍选择题|0|0", kA3A4 + "|0|0"});
    // Two A3/A4 groups merge like any other always-merged title.
    QTest::newRow("two A3/A4 groups") << chapters() + group(1, 3, 9) + choice(1, 1, "A") + group(2, 3, 9) + choice(2, 2, "B")
                                      << ViewMode::kExercise << QStringList{"10", "21"}
                                      << QStringList({"B型题配伍选择题|0|0", kA3A4 + "|2|2"});
}

void SelfTestTest::scoreRowsOfOneGrading()
{
    QFETCH(QString, bank);
    QFETCH(QString, viewMode);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, rows);
    TestFolder folder(bank);
    TForm10 window;
    window.show();
    window.FormShow();
    window.runView(viewMode);
    QCOMPARE(window.currentChapterId(), QStringLiteral("3"));
    answer(window, ticks);
    PageGrading(folder.db(), window.page(), viewMode).grade(window.currentChapterId());
    QCOMPARE(scoreRows(folder), rows);
}

void SelfTestTest::failedGradingWritesNothing_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("the page's process died") << "kill";
    QTest::newRow("an option is gone from the page") << "document.getElementById('40').remove()";
    QTest::newRow("no chapter on show") << "";
    QTest::newRow("the study record refuses it") << "record";
}

void SelfTestTest::failedGradingWritesNothing()
{
    QFETCH(QString, failure);
    TestFolder folder(gradingBank() + "insert into fenshu (tx, sts, dd) values ('旧', '4', '4');\n");
    Practice practice;
    answer(practice.window, kTicks);
    auto* engine = static_cast<QWebEngineView*>(practice.window.page().widget())->page();
    if (failure == "kill") {
        bool died = false;
        QObject::connect(&practice.window.page(), &PageView::renderProcessDied, [&] { died = true; });
        ::kill(static_cast<pid_t>(engine->renderProcessPid()), SIGKILL);
        QTRY_VERIFY(died);
    } else if (failure.isEmpty()) {
        practice.window.state().currentChapterId.clear();
    } else if (failure == "record") {
        StudyRecord::ensureTables(folder.db());
        folder.exec("create trigger refuse before insert on jilu_tx begin select raise(abort, 'disk full'); end");
    } else {
        practice.window.page().evaluate(failure);
    }

    ModalSteps modals;
    practice.submit();
    QTest::qWait(300);
    // No message, no result window, and the bank as it was: a dead page is no empty page.
    QCOMPARE(modals.unexpected, QStringList());
    QCOMPARE(practice.tables, 0);
    QCOMPARE(scoreRows(folder), QStringList({"旧|4|4"}));
    QCOMPARE(marks(folder, "ct1"), QStringLiteral("99"));
    QCOMPARE(marks(folder, "ct"), QStringLiteral("1,98"));
    if (failure != "kill")
        QCOMPARE(redNumbers(practice.window), QString());
    QVERIFY(practice.window.pageReady());
    if (failure == "record")
        QCOMPARE(folder.scalar("select count(*) from jilu"), QStringLiteral("0"));
}

void SelfTestTest::joinedWritesLandWithTheGrading_data()
{
    QTest::addColumn<bool>("fails");
    QTest::newRow("joined write succeeds") << false;
    QTest::newRow("joined write fails") << true;
}

void SelfTestTest::joinedWritesLandWithTheGrading()
{
    QFETCH(bool, fails);
    TestFolder folder(gradingBank() + "create table seen (wrong text);\n");
    TForm10 window;
    window.show();
    window.FormShow();
    window.gjstClick();
    answer(window, kTicks, {{"7", "A"}, {"8", "B"}});
    const auto joined = [fails](const QSqlDatabase& db, const GradingOutcome& outcome) {
        sql::exec(db, "insert into seen (wrong) values (?)", {outcome.wrongIds.join(',')});
        if (fails)
            throw KaivoraError("disk full");
    };
    PageGrading grading(folder.db(), window.page(), ViewMode::kExercise);
    if (fails)
        QVERIFY_THROWS_EXCEPTION(KaivoraError, grading.grade("3", joined));
    else
        grading.grade("3", joined);
    // The outcome lists the wrong questions in page order.
    QCOMPARE(folder.scalar("select group_concat(wrong) from seen"), fails ? QString() : QStringLiteral("2,5,6,12,14,15,16,9"));
    QCOMPARE(marks(folder, "ct1"), fails ? QStringLiteral("99") : kWrong.join(','));
    QCOMPARE(scoreRows(folder).size(), fails ? 0 : 6);
    QCOMPARE(redNumbers(window), fails ? QString() : kWrong.join(','));
}

void SelfTestTest::reactivationRendersOnceIntoAFreshPage()
{
    TestFolder folder(gradingBank());
    Practice practice;
    answer(practice.window, kTicks);
    int loads = 0;
    int activeAgain = -1;
    QString fresh;
    QStringList lines;
    QStringList atClose;
    ModalSteps modals;
    modals.then(practice.resultWindow(&atClose, [&](TForm15* form) {
        auto* engine = static_cast<QWebEngineView*>(form->page().widget())->page();
        QObject::connect(engine, &QWebEnginePage::loadStarted, [&] { ++loads; });
        form->page().evaluate("document.body.insertAdjacentHTML('beforeend','<p id=\"marker\">x</p>')");
        // Another window comes to the front, then the result window again.
        QWidget other(form, Qt::Window);
        other.show();
        other.activateWindow();
        (void)QTest::qWaitFor([&] { return QApplication::activeWindow() == &other; });
        other.close();
        form->activateWindow();
        (void)QTest::qWaitFor([&] { return practice.tables == 2; });
        QTest::qWait(300);
        activeAgain = practice.tables;
        lines = tableLines(form->page());
        fresh = form->page().evaluate("document.querySelectorAll('.TestResultTitle').length+'/'+(document.getElementById('marker')===null)")
                    .toString();
    }));
    modals.then(box(kKeepQuestion, QMessageBox::Yes));
    practice.submit();
    QVERIFY(modals.done());
    QCOMPARE(activeAgain, 2);
    QCOMPARE(loads, 1);
    QCOMPARE(fresh, QStringLiteral("1/true"));
    QCOMPARE(atClose, lines);
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines.last(), QStringLiteral("合  计|17|7|17|7|41%"));
}

void SelfTestTest::failedTableIsReportedOnce()
{
    // Dropping the empty rows, the table's first step, spoils a count that it reads next.
    TestFolder folder(gradingBank());
    folder.exec(QStringLiteral("create trigger spoil after delete on fenshu when old.sts='0' "
                               "begin update fenshu set dd='坏' where tx='A1型题'; end"));
    Practice practice;
    answer(practice.window, kTicks);
    ModalSteps modals;
    QStringList lines;
    modals.then(box(QStringLiteral("“坏”不是有效的整数"), QMessageBox::Ok));
    // Long enough for a timer that fired again to show its message again.
    modals.then(practice.resultWindow(&lines, {}, 500));
    modals.then(box(kKeepQuestion, QMessageBox::Yes));
    practice.submit();
    QVERIFY(modals.done());
    QCOMPARE(modals.unexpected, QStringList());
    // Tried once, then left alone: no table, and the answers of the page stay hidden.
    QCOMPARE(practice.tables, 1);
    QCOMPARE(lines, QStringList());
    QCOMPARE(openAnswers(practice.window), 0);
    QVERIFY(practice.shown("NewImage10"));
}

void SelfTestTest::reanswer_data()
{
    QTest::addColumn<int>("press");
    QTest::addColumn<bool>("rebuilt");
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false;
    QTest::newRow("ok") << int(QMessageBox::Ok) << true;
}

void SelfTestTest::reanswer()
{
    QFETCH(int, press);
    QFETCH(bool, rebuilt);
    TestFolder folder(gradingBank());
    Practice practice;
    answer(practice.window, kTicks, {{"7", "A"}});
    practice.submitAndClose(QMessageBox::Yes);
    QCOMPARE(practice.unexpected, QStringList());
    QTest::qWait(50);
    const int pages = practice.window.pagesBuilt();

    ModalSteps modals;
    QString reanswerBox;
    modals.then(box(kReanswerQuestion, QMessageBox::StandardButton(press), &reanswerBox));
    QTest::mouseClick(practice.window.findChild<PictureButton*>("NewImage11"), Qt::LeftButton);
    QVERIFY(modals.done());
    QCOMPARE(modals.unexpected, QStringList());
    QVERIFY(reanswerBox.startsWith(QStringLiteral("提示|")));
    QVERIFY(reanswerBox.endsWith(QStringLiteral("|%1").arg(int(QMessageBox::Ok | QMessageBox::Cancel))));
    QCOMPARE(practice.window.pagesBuilt(), pages + (rebuilt ? 1 : 0));
    QCOMPARE(practice.window.currentChapterId(), QStringLiteral("3"));
    QCOMPARE(ticked(practice.window), rebuilt ? QStringLiteral("/daan,daan,daan") : kTicks.join(',') + "/A,daan,daan");
    QCOMPARE(redNumbers(practice.window), rebuilt ? QString() : QStringLiteral("2,5,6,8,9,12,14,15,16"));
    QCOMPARE(openAnswers(practice.window), rebuilt ? 0 : 17);
    QCOMPARE(practice.shown("NewImage10"), rebuilt);
    QCOMPARE(practice.shown("NewImage16"), !rebuilt);
    // The bank keeps the grading's marks either way.
    QCOMPARE(marks(folder, "ct1"), QStringLiteral("2,5,6,8,9,12,14,15,16"));
}

void SelfTestTest::percentage_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("shown");
    QTest::newRow("2 of 3") << 2 << 3 << "67";
    QTest::newRow("1 of 8, a half") << 1 << 8 << "13";
    QTest::newRow("3 of 8, a half") << 3 << 8 << "38";
    QTest::newRow("3 of 3") << 3 << 3 << "100";
    QTest::newRow("4 of 5") << 4 << 5 << "80";
    QTest::newRow("1 of 3") << 1 << 3 << "33";
    QTest::newRow("none of 4") << 0 << 4 << "0";
    QTest::newRow("no questions") << 0 << 0 << "0";
}

void SelfTestTest::percentage()
{
    QFETCH(int, right);
    QFETCH(int, questions);
    QFETCH(QString, shown);
    QCOMPARE(ScoreTable::percentage(right, questions), shown);
}

KAIVORA_TEST_MAIN(SelfTestTest)
#include "test_self_test.moc"
