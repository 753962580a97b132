// A sitting of the mock exam on the real page view: the opening, the pages, answer
// capture, moving through the paper, the letter keys, grading and review.
#include "exam/answer_capture.h"
#include "exam/exam_keys.h"
#include "exam/exam_page.h"
#include "exam/exam_session.h"
#include "exam/paper_grading.h"
#include "platform/page_view.h"
#include "store/bank_connection.h"
#include "store/sql.h"
#include "store/sql_script.h"
#include "store/study_record.h"
#include "support/exam_bank.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_draws.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWidget>
#include <csignal>
#include <memory>

namespace {
using namespace fixture;

QString chapter(const QString& rest)
{
    return types() + node(1, "根", 0, 1) + node(2, "节", 1, 2) + node(3, "章", 2, 3) + rest;
}


// What the session asked of its window, in order.
class RecordingScreen : public ExamScreen {
public:
    QStringList log;
    int position = -1;
    int answered = -1;
    void showDrawingNotice() override { log << "notice"; }
    void hideDrawingNotice() override { log << "notice gone"; }
    void showSheet(AnswerSheet& sheet) override { log << QStringLiteral("sheet %1").arg(sheet.cells().size()); }
    void showTotal(int rows) override { log << QStringLiteral("total %1").arg(rows); }
    void showProgress(int p, int a) override
    {
        position = p;
        answered = a;
    }
    void stopClock() override { log << "clock stopped"; }
    void showSubmitted() override { log << "submitted"; }
    void focusNext() override { log << "focus next"; }
    bool gone() const override { return false; }
};

// One exam: its own bank, window, page, keys and session.
struct Sitting {
    explicit Sitting(const QString& sql)
        : folder(sql)
        , bank(QStringLiteral("TForm4"))
        , page(&window)
        , keys(&window, [this](int key) { session.keyReleased(key); })
        , session(bank, page, screen, keys)
    {
    }
    void open(const QList<int>& k = {})
    {
        ScriptedDraws draws(k);
        session.FormActivate(draws);
    }
    QString sj(const QString& column, const QString& tid) { return folder.scalar("select " + column + " from sj where tid='" + tid + "'"); }
    void run(const QString& statements) { sql::runScript(folder.db(), statements); }
    QString lx(int question) { return folder.scalar(QStringLiteral("select lx from question where id=%1").arg(question)); }
    void click(const QString& id) { page.runScript("document.getElementById('" + id + "').click()"); }
    void choose(const QString& id, const QString& value) { page.writeProperty(id, "value", value); }
    QVariantList read(const QStringList& ids, const QString& property) { return page.readProperty(ids, property); }
    QColor colour(const QString& cell) { return session.sheet().cell(cell)->colour; }
    QString bodyText() { return page.evaluate("document.body.innerText").toString(); }

    ScriptedDialogs dialogs;
    TestFolder folder;
    BankConnection bank;
    QWidget window;
    PageView page;
    RecordingScreen screen;
    ExamKeys keys;
    ExamSession session;
};

QStringList expectedOptions(const QString& type, int firstId, int question, int count, const QStringList& contents = {})
{
    QStringList out;
    for (int k = 0; k < count; ++k) {
        const QChar code('A' + k);
        out << "<br>"
            << QStringLiteral(" <input type=\"%1\" id=\"%2\"  name=\"%3\" value=\"%4\">%4:%5<br>")
                   .arg(type).arg(firstId + k).arg(question).arg(code).arg(contents.isEmpty() ? QStringLiteral("选项%1").arg(k + 1) : contents.at(k))
            << "<br>";
    }
    return out;
}

QString matchingItem(int id, int itemnum, const QString& options, const QString& content, const QString& ending)
{
    return QStringLiteral("%1.  <select name=\"cars\" id=\"%2\"> <option value=\"daan\" selected>答案 %3</select>%4<br>%5")
        .arg(itemnum).arg(id).arg(options, content, ending);
}

const QString kFourChoices = "<option value=\"A\">A <option value=\"B\">B <option value=\"C\">C <option value=\"D\">D ";
}

class ExamSessionTest : public QObject {
    Q_OBJECT
private slots:
    void openingDrawsAndShowsTheFirstQuestion();
    void paperThatStartsWithACase();
    void paperWithoutRows();
    void pageFragments_data();
    void pageFragments();
    void storedAnswersTickedAgain();
    void matchingCaptureAndReturn();
    void untickingKeepsTheAnswerAndGreysTheCell();
    void deadPageWritesNothing();
    void endsOfThePaperAndProgress();
    void rates_data();
    void rates();
    void gradingResultAndReview();
    void unrecordedGradingStillShowsTheResult();
};

void ExamSessionTest::openingDrawsAndShowsTheFirstQuestion()
{
    Sitting s(examBank(examCounts(3, 3, 1, 1)));
    s.open();
    QCOMPARE(s.dialogs.shown.size(), 2);
    QCOMPARE(s.dialogs.shown.at(0).text, QStringLiteral("第一部分单选题，第二部分是配伍选择题"));
    QCOMPARE(s.dialogs.shown.at(0).caption, QStringLiteral("试卷描述"));
    QCOMPARE(s.dialogs.shown.at(1).text, QStringLiteral("单选题：每个题有一个正确答案，请选择一个正确答案"));
    QCOMPARE(s.dialogs.shown.at(1).caption, QStringLiteral("提示"));
    QCOMPARE(s.screen.log, (QStringList{"notice", "sheet 9", "total 9", "notice gone"}));
    QCOMPARE(s.folder.scalar("select group_concat(tid || ':' || tgid, ' ') from (select * from sj order by id)"),
             QStringLiteral("1:1 2:2 3:3 4:5 5:6 6:7 7.1:9 7.2:10 8:6"));
    QCOMPARE(s.session.currentNumber(), 1.0);
    QCOMPARE(s.colour("a1"), SheetColour::current());
    QCOMPARE(s.colour("a2"), SheetColour::buttonFace());
    const QStringList expected = QStringList{"&nbsp<br><p> 如图所示：<img src=\"./pic/x.png\"> </p> <br>", "<br>1.单一<br>"}
                                 + expectedOptions("radio", 101, 1, 5);
    QCOMPARE(s.page.fragmentLog(), expected);
    QCOMPARE(s.read({"101", "105"}, "type"), (QVariantList{"radio", "radio"}));
    QVERIFY(s.keys.installed());
    QCOMPARE(ExamKeys::installCount(), 1);

    // Message boxes activate the window again: nothing is drawn a second time.
    s.run("update sj set tjda='A' where tid='1'");
    s.session.FormActivate();
    QCOMPARE(s.dialogs.shown.size(), 2);
    QCOMPARE(s.sj("tjda", "1"), QStringLiteral("A"));
    QCOMPARE(ExamKeys::installCount(), 1);
}

void ExamSessionTest::paperThatStartsWithACase()
{
    Sitting s(examBank(examCounts(0, 0, 1, 0)));
    s.open();
    QCOMPARE(s.dialogs.shown.last().text, QStringLiteral("案例分析题：请选择正确答案"));
    QCOMPARE(s.session.currentNumber(), 1.1);
    QCOMPARE(s.colour("a1f1"), SheetColour::current());
    QCOMPARE(s.page.fragmentLog().mid(0, 2), (QStringList{"1.案例零<br>", "<br>1.1.零一<br>"}));
    QCOMPARE(s.page.fragmentLog().at(3), QStringLiteral(" <input type=\"checkbox\" id=\"171\"  name=\"8\" value=\"A\">A:选项1<br>"));
}

void ExamSessionTest::paperWithoutRows()
{
    // No case texts and no matching groups in the bank.
    Sitting s(chapter(group(1, 3, 3) + question(1, 1, "单一") + examCounts(0, 0, 2, 1)));
    s.open();
    QCOMPARE(s.dialogs.shown.size(), 2);
    QVERIFY(s.dialogs.shown.last().text.contains("没有抽出试卷"));
    QCOMPARE(s.screen.log, (QStringList{"notice", "sheet 1", "total 0", "notice gone"}));
    s.session.RzBitBtn2Click();
    s.session.RzBitBtn3Click();
    QCOMPARE(s.page.fragmentLog().size(), 1);
    QVERIFY(s.page.fragmentLog().first().endsWith("<tr align=\"center\"><td>合  计</td> <td>0</td> <td>0</td><td>0</td><td>0</td><td>0%</td> </tr> </table>"));
}

void ExamSessionTest::pageFragments_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("expected");
    const auto F = [](ExamPage::Form f) { return int(f); };
    QTest::newRow("single, picture of blanks, next") << "('4', 'a1', '', '单二', 2, 'B', '   ', '', '')" << F(ExamPage::Form::Step)
                                                     << QStringList{"<br>4.单二<br>"} + expectedOptions("radio", 111, 2, 5);
    QTest::newRow("multiple on a jump") << "('5', 'a2', '', '多一', 5, 'AC', '', '', '')" << F(ExamPage::Form::Jump)
                                        << QStringList{"<br>5.多一<br>"} + expectedOptions("checkbox", 141, 5, 5);
    QTest::newRow("single with picture on a jump") << "('1', 'a1', '', '单一', 1, 'A', 'pic/x.png', '', '')" << F(ExamPage::Form::Jump)
                                                   << QStringList{"&nbsp<br><p> 如图所示：<img src=\"./pic/x.png\"> </p> <br>", "<br>1.单一<br>"}
                                                          + expectedOptions("radio", 101, 1, 5);
    QTest::newRow("case sub-question") << "('31.2', 'a3', '案例甲。血压', '甲二', 10, 'C', '', '', '')" << F(ExamPage::Form::Step)
                                       << QStringList{"31.案例甲。血压<br>", "<br>31.2.甲二<br>"} + expectedOptions("checkbox", 191, 10, 5);
    QTest::newRow("matching, next") << "('8', 'a4', '配伍乙', '', 6, '', '', '4', '')" << F(ExamPage::Form::Step)
                                    << QStringList{"8.配伍乙<br> <br>", matchingItem(13, 1, kFourChoices, "乙一", "<br> <br>"),
                                                   matchingItem(14, 2, kFourChoices, "乙二", "<br> <br>"), matchingItem(15, 3, kFourChoices, "乙三", "<br> <br>")};
    QTest::newRow("matching, first page") << "('1', 'a4', '配伍零', '', 5, '', '', '20', '')" << F(ExamPage::Form::First)
                                          << QStringList{"1.配伍零<br> <br>",
                                                         matchingItem(12, 1, ExamPage::choiceOptions(15), "零项", "<br>")};
    QTest::newRow("matching review") << "('8', 'a4', '配伍零', '', 5, '', '', '1', 'A')" << F(ExamPage::Form::Review)
                                     << QStringList{"8.配伍零<br> <br>", matchingItem(12, 1, "<option value=\"A\">A ", "零项", "<br>"),
                                                    "<body> <b>正确答案：A</b> </body><br> <br>"};
    QTest::newRow("single review") << "('2', 'a1', '', '单二', 2, 'B', '', '', 'C')" << F(ExamPage::Form::Review)
                                   << QStringList{"<br>2.单二<br>"} + expectedOptions("radio", 111, 2, 5)
                                          + QStringList{"<body> <b>正确答案：B</b> </body><br> <br>"};
}

void ExamSessionTest::pageFragments()
{
    QFETCH(QString, row);
    QFETCH(int, form);
    QFETCH(QStringList, expected);
    Sitting s(examBank(examCounts(0, 0, 0, 0)) + "insert into sj (tid, lx, alt, tg, tgid, da, tp, xx, tjda) values " + row + ";");
    const auto rows = sql::select(s.folder.db(), "select * from sj");
    ExamPage(s.folder.db(), s.page).render(rows.first(), ExamPage::Form(form));
    QCOMPARE(s.page.fragmentLog(), expected);
    QCOMPARE(ExamPage::choiceOptions(20), ExamPage::choiceOptions(15));
    QVERIFY(ExamPage::choiceOptions(15).endsWith("<option value=\"O\">O "));
}

void ExamSessionTest::storedAnswersTickedAgain()
{
    Sitting s(examBank(examCounts(0, 0, 0, 0))
              + "insert into sj (tid, lx, tg, tgid, tjda) values ('1', 'a2', '多一', 5, 'AC'), ('2', 'a2', '多二', 6, '');"
              + "insert into sj (tid, lx, alt, tgid, xx, tjda) values ('3', 'a4', '配伍乙', 6, '4', 'CA');"
              + "update question set lx='A' where id=13; update question set lx='' where id=14; update question set lx='C' where id=15;");
    const auto rows = sql::select(s.folder.db(), "select * from sj order by id");
    ExamPage(s.folder.db(), s.page).render(rows.at(0), ExamPage::Form::Step);
    QCOMPARE(s.read({"141", "142", "143", "144", "145"}, "checked"), (QVariantList{true, false, true, false, false}));
    ExamPage(s.folder.db(), s.page).render(rows.at(1), ExamPage::Form::Step);
    QCOMPARE(s.read({"151", "152", "153", "154", "155"}, "checked"), (QVariantList{false, false, false, false, false}));
    ExamPage(s.folder.db(), s.page).render(rows.at(2), ExamPage::Form::Jump);
    QCOMPARE(s.read({"13", "14", "15"}, "value"), (QVariantList{"A", "daan", "C"}));
}

void ExamSessionTest::matchingCaptureAndReturn()
{
    Sitting s(examBank(examCounts(0, 0, 0, 1)));
    s.open({1});
    QCOMPARE(s.sj("tgid", "1"), QStringLiteral("6"));
    s.choose("13", "A");
    s.choose("15", "C");
    const AnswerCapture::Result captured = AnswerCapture(s.folder.db(), s.page).capture(1);
    QCOMPARE(captured.answer, QStringLiteral("CA"));
    QCOMPARE(captured.colour, SheetColour::answered());
    QCOMPARE(s.sj("tjda", "1"), QStringLiteral("CA"));
    QCOMPARE((QStringList{s.lx(13), s.lx(14), s.lx(15)}), (QStringList{"A", "", "C"}));
    // Next on the only question captures again and shows the group with its choices.
    s.session.RzBitBtn2Click();
    QCOMPARE(s.read({"13", "14", "15"}, "value"), (QVariantList{"A", "daan", "C"}));
    QCOMPARE(s.colour("a1"), SheetColour::current());
    // Every item back at the placeholder stores the empty answer and greys the cell.
    s.choose("13", "daan");
    s.choose("15", "daan");
    QCOMPARE(AnswerCapture(s.folder.db(), s.page).capture(1).colour, SheetColour::visited());
    QCOMPARE(s.sj("tjda", "1"), QString());
    QCOMPARE(s.lx(13), QString());
}

void ExamSessionTest::untickingKeepsTheAnswerAndGreysTheCell()
{
    Sitting s(examBank(examCounts(0, 3, 0, 0)));
    s.open();
    s.click("132");
    s.session.RzBitBtn2Click();
    QCOMPARE(s.sj("tjda", "1"), QStringLiteral("B"));
    QCOMPARE(s.colour("a1"), SheetColour::answered());
    s.session.RzBitBtn1Click();
    QCOMPARE(s.read({"132"}, "checked"), QVariantList{true});
    s.click("132");
    s.session.RzBitBtn2Click();
    QCOMPARE(s.sj("tjda", "1"), QStringLiteral("B"));
    QCOMPARE(s.colour("a1"), SheetColour::visited());
    s.session.RzBitBtn1Click();
    QCOMPARE(s.read({"131", "132"}, "checked"), (QVariantList{false, true}));
}

void ExamSessionTest::deadPageWritesNothing()
{
    Sitting s(examBank(examCounts(0, 0, 0, 1)));
    s.open({1});
    s.choose("13", "A");
    bool died = false;
    connect(&s.page, &PageView::renderProcessDied, [&] { died = true; });
    ::kill(static_cast<pid_t>(static_cast<QWebEngineView*>(s.page.widget())->page()->renderProcessPid()), SIGKILL);
    QTRY_VERIFY(died);
    QVERIFY_THROWS_EXCEPTION(PageError, s.session.RzBitBtn2Click());
    QCOMPARE(s.sj("tjda", "1"), QString());
    QCOMPARE(s.lx(13), QStringLiteral("a4"));
    QVERIFY_THROWS_EXCEPTION(PageError, s.session.RzBitBtn3Click());
    QCOMPARE(s.lx(13), QStringLiteral("a4"));
}

void ExamSessionTest::endsOfThePaperAndProgress()
{
    // Four singles asked for, three in the bank: cell 4 has no row.
    Sitting s(examBank(examCounts(4, 0, 0, 0)));
    s.open();
    const int opening = s.dialogs.shown.size();
    s.session.RzBitBtn1Click();
    QCOMPARE(s.session.currentNumber(), 1.0);
    QCOMPARE(s.page.fragmentLog().at(1), QStringLiteral("<br>1.单一<br>"));
    QCOMPARE(s.screen.answered, 1);
    for (const QString& id : {"101", "112"}) {
        s.click(id);
        s.session.RzBitBtn2Click();
    }
    s.click("123");
    s.session.RzBitBtn2Click();
    QCOMPARE(s.session.currentNumber(), 3.0);
    QCOMPARE(s.screen.position, 3);
    QCOMPARE(s.screen.answered, 3);
    // All three answered: next on the last shows 4 answered beside a full bar; a cell shows 3.
    s.session.RzBitBtn2Click();
    QCOMPARE(s.session.currentNumber(), 3.0);
    QCOMPARE(s.screen.position, 3);
    QCOMPARE(s.screen.answered, 4);
    QCOMPARE(s.read({"123"}, "checked"), QVariantList{true});
    QCOMPARE(s.dialogs.texts().size(), opening);
    const QStringList page3 = s.page.fragmentLog();
    s.session.RzBitBtn5Click("4");
    QCOMPARE(s.screen.answered, 3);
    QCOMPARE(s.dialogs.texts().mid(opening), QStringList{"已经到最后了，没题了~！"});
    QCOMPARE(s.session.currentNumber(), 3.0);
    QCOMPARE(s.colour("a3"), SheetColour::current());
    QCOMPARE(s.colour("a4"), SheetColour::buttonFace());
    QCOMPARE(s.page.fragmentLog(), page3);
}

void ExamSessionTest::rates_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("rate");
    QTest::newRow("2 of 3") << 2 << 3 << "67";
    QTest::newRow("1 of 3") << 1 << 3 << "33";
    QTest::newRow("5 of 6") << 5 << 6 << "83";
    QTest::newRow("3 of 3") << 3 << 3 << "100";
    QTest::newRow("0 of 4") << 0 << 4 << "0";
    QTest::newRow("29 of 100") << 29 << 100 << "29";
    QTest::newRow("nothing graded") << 0 << 0 << "0";
}

void ExamSessionTest::rates()
{
    QFETCH(int, right);
    QFETCH(int, count);
    QFETCH(QString, rate);
    QCOMPARE(PaperGrading::rate(right, count), rate);
}

void ExamSessionTest::gradingResultAndReview()
{
    Sitting s(examBank(examCounts(3, 3, 1, 1)));
    s.open();
    // 1 right, 2 wrong, 3 unanswered; 4 right, 5 in the wrong order, 6 right; 7.1 right, 7.2 wrong;
    // the matching group never visited.
    s.run("update sj set tjda='A' where tid='1'; update sj set tjda='C' where tid='2';"
                  "update sj set tjda='AC' where tid='4'; update sj set tjda='DB' where tid='5'; update sj set tjda='ACE' where tid='6';"
                  "update sj set tjda='AB' where tid='7.1'; update sj set tjda='D' where tid='7.2';");
    s.session.RzBitBtn3Click();
    QCOMPARE(s.screen.log.mid(4), (QStringList{"clock stopped", "submitted"}));
    QVERIFY(!s.keys.installed());
    QVERIFY(s.session.submitted());
    QCOMPARE(s.screen.position, 8);
    QStringList colours;
    for (const QString& cell : {"a1", "a2", "a3", "a4", "a5", "a6", "a7f1", "a7f2", "a8"})
        colours << (s.colour(cell) == SheetColour::answered() ? "blue" : s.colour(cell) == SheetColour::current() ? "red" : "other");
    QCOMPARE(colours, (QStringList{"blue", "red", "red", "blue", "red", "blue", "blue", "red", "red"}));
    const QString table = "<br><br>  <table border=\"0\" align=\"center\"><tr> <th>批 阅 试 卷 结 果</th> </tr> </table>"
                          "<br><br>  <table border=\"1\" align=\"center\"><tr> <th>题  型</th> <th>试 题 数</th>  <th> 答  对 </th>  "
                          "<th> 总  分 </th>  <th> 得  分 </th>  <th>正 确 率</th> </tr> "
                          "<tr align=\"center\"><td>单项选择题</td> <td>3</td> <td>1</td><td>3</td><td>1</td><td>33%</td> </tr> "
                          "<tr align=\"center\"><td>多项选择题</td> <td>3</td> <td>2</td><td>3</td><td>2</td><td>67%</td> </tr> "
                          "<tr align=\"center\"><td>案例分析题</td> <td>2</td> <td>1</td><td>2</td><td>1</td><td>50%</td> </tr> "
                          "<tr align=\"center\"><td>配伍选择题</td> <td>3</td> <td>0</td><td>3</td><td>0</td><td>0%</td> </tr> "
                          "<tr align=\"center\"><td>合  计</td> <td>11</td> <td>4</td><td>11</td><td>4</td><td>36%</td> </tr> </table>";
    QCOMPARE(s.page.fragmentLog(), QStringList{table});
    QVERIFY(s.bodyText().contains("批 阅 试 卷 结 果"));
    // The sitting is in the study record with the table's figures.
    QCOMPARE(s.folder.scalar("select group_concat(kind || ' ' || minutes || ' ' || correct || '/' || units) from jilu"), QString("exam 0 4/11"));
    QCOMPARE(s.folder.scalar("select group_concat(type || ' ' || correct || '/' || units, '; ') from (select * from jilu_tx order by seq)"),
             QString("单项选择题 1/3; 多项选择题 2/3; 案例分析题 1/2; 配伍选择题 0/3"));

    const int before = s.dialogs.shown.size();
    s.session.RzBitBtn3Click();
    QCOMPARE(s.folder.scalar("select count(*) from jilu"), QString("1"));
    s.session.RzBitBtn1Click();
    s.session.RzBitBtn2Click();
    QCOMPARE(s.dialogs.texts().mid(before), (QStringList{"您已经交卷，不能重复交卷！", "您已经交卷，不能进行\"上一题\"的操作！",
                                                        "您已经交卷，不能进行\"下一题\"的操作！"}));
    QCOMPARE(s.page.fragmentLog(), QStringList{table});
    // A cell now shows the question with the candidate's ticks and the correct answer.
    s.session.RzBitBtn5Click("5");
    QCOMPARE(s.page.fragmentLog().last(), QStringLiteral("<body> <b>正确答案：BD</b> </body><br> <br>"));
    QCOMPARE(s.read({"151", "152", "153", "154"}, "checked"), (QVariantList{false, true, false, true}));
    QCOMPARE(s.colour("a5"), SheetColour::current());
    s.session.RzBitBtn5Click("8");
    QCOMPARE(s.page.fragmentLog().filter("正确答案").size(), 3);
    QVERIFY(s.bodyText().contains("正确答案：C"));
    // Grading a matching group item by item: one wrong item paints the group red.
    s.run("update question set lx=answer where readtextid=6; update question set lx='A' where id=15;");
    AnswerSheet sheet = AnswerSheet::build({0, 0, 0, 8}, {});
    const PaperGrading::Result result = PaperGrading(s.folder.db()).grade(sheet);
    QCOMPARE(result[3].right, 2);
    QCOMPARE(result[3].wrong, 1);
    QCOMPARE(sheet.cell("a8")->colour, SheetColour::current());
}

void ExamSessionTest::unrecordedGradingStillShowsTheResult()
{
    Sitting s(examBank(examCounts(3, 0, 0, 0)));
    StudyRecord::ensureTables(s.folder.db());
    s.folder.exec("create trigger refuse before insert on jilu_tx begin select raise(abort, 'disk full'); end");
    s.open();
    s.run("update sj set tjda='A' where tid='1';");
    try {
        s.session.RzBitBtn3Click();
        QFAIL("the failed record was not reported");
    } catch (const KaivoraError& e) {
        QVERIFY(e.text().startsWith("本次成绩未能记入学习记录：") && e.text().contains("disk full"));
    }
    QVERIFY(s.session.submitted());
    QVERIFY(s.page.fragmentLog().last().endsWith("<td>合  计</td> <td>3</td> <td>1</td><td>3</td><td>1</td><td>33%</td> </tr> </table>"));
    QVERIFY(s.bodyText().contains("批 阅 试 卷 结 果"));
    // Nothing of the record is left half written.
    QCOMPARE(s.folder.scalar("select count(*) from jilu"), QString("0"));
}

KAIVORA_TEST_MAIN(ExamSessionTest)
#include "test_exam_session.moc"
