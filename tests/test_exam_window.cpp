// The exam in its window: the real buttons, answer-sheet cells, letter keys and clicks in the page.
#include "app/practice_window.h"
#include "exam/answer_sheet_panel.h"
#include "exam/exam_sitting.h"
#include "exam/exam_window.h"
#include "platform/page_view.h"
#include "store/sql.h"
#include "support/exam_bank.h"
#include "support/scripted_dialogs.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWebEngineView>
#include <memory>

namespace {
using namespace fixture;

struct ExamWindow {
    explicit ExamWindow(const QString& sql)
        : folder(sql)
    {
        exam = std::make_unique<TForm4>(practice, &practice);
        exam->show();
        QTRY_VERIFY(session().drawn() && !exam->page().fragmentLog().isEmpty());
        // The drawing notice came and went; the exam window is the active one again.
        QVERIFY(QTest::qWaitForWindowActive(exam.get()));
    }
    ExamSession& session() { return exam->sitting()->session(); }
    PageView& page() { return exam->page(); }
    QString label(int n) { return exam->label(n)->text(); }
    SheetCellWidget* cell(const QString& name) { return exam->answerColumn()->findChild<SheetCellWidget*>(name); }
    QString sj(const QString& column, const QString& tid) { return folder.scalar("select " + column + " from sj where tid='" + tid + "'"); }
    QStringList messages() { return dialogs.texts(); }

    void next() { QTest::mouseClick(exam->nextButton(), Qt::LeftButton); }
    void previous() { QTest::mouseClick(exam->previousButton(), Qt::LeftButton); }
    void submit() { QTest::mouseClick(exam->submitButton(), Qt::LeftButton); }
    void clickCell(const QString& name)
    {
        SheetCellWidget* widget = cell(name);
        QVERIFY2(widget, qPrintable(name));
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    // A click on an option of the page, where the candidate would click it.
    void tick(const QString& id)
    {
        const QVariantList box = page().evaluate(QStringLiteral("(function(){var e=document.getElementById('%1');e.scrollIntoView({block:'center'});"
                                                                "var r=e.getBoundingClientRect();return [r.left+r.width/2,r.top+r.height/2];})()")
                                                     .arg(id)).toList();
        QVERIFY(box.size() == 2);
        const bool before = checked(id);
        auto* view = static_cast<QWebEngineView*>(page().widget());
        QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(box.at(0).toInt(), box.at(1).toInt()));
        QTRY_COMPARE(checked(id), !before);
    }
    bool checked(const QString& id) { return page().readProperty({id}, "checked").first().toBool(); }
    QColor colour(const QString& name) { return cell(name)->colour(); }

    ScriptedDialogs dialogs;
    TestFolder folder;
    TForm10 practice;
    std::unique_ptr<TForm4> exam;
};
}

class ExamWindowTest : public QObject {
    Q_OBJECT
private slots:
    void firstActivationShowsSheetAndFirstQuestion();
    void typeRuleThroughTheButtons();
    void letterKeys_data();
    void letterKeys();
    void keysPressedOnAMessageTickNothing();
    void submitAndReview();
};

void ExamWindowTest::firstActivationShowsSheetAndFirstQuestion()
{
    ExamWindow w(examBank(examCounts(7, 3, 1, 1)));
    QCOMPARE(w.messages(), (QStringList{"第一部分单选题，第二部分是配伍选择题", "单选题：每个题有一个正确答案，请选择一个正确答案"}));
    QCOMPARE(w.label(5), QStringLiteral("/9"));
    QCOMPARE(w.exam->progressBar()->maximum(), 9);
    QCOMPARE(w.colour("a1"), SheetColour::current());
    // Seven singles were asked for and three drawn: the sheet is laid out from the counts.
    QCOMPARE(w.cell("a7")->geometry(), QRect(10, 115, 28, 23));
    QCOMPARE(w.cell("a11f1"), nullptr);
    QCOMPARE(w.cell("a7f1")->caption(), QStringLiteral("7.1"));
    QCOMPARE(w.cell("a12")->colour(), SheetColour::buttonFace());
    const auto headings = w.exam->answerColumn()->findChildren<QLabel*>();
    QStringList captions;
    for (const QLabel* label : headings)
        if (label->text().endsWith(':'))
            captions << label->text() + "@" + QString::number(label->y());
    QCOMPARE(captions, (QStringList{"单项选择题:@65", "多项选择题:@145", "阅读案例分析题:@195", "配伍选择题:@245"}));
    QVERIFY(w.exam->answerColumn()->minimumHeight() >= w.cell("a12")->geometry().bottom());
    QVERIFY(!w.exam->drawingNotice());
    QVERIFY(w.exam->clock()->isActive());
    // A second activation draws nothing.
    w.exam->hide();
    w.exam->show();
    QTest::qWait(50);
    QCOMPARE(w.messages().size(), 2);
}

void ExamWindowTest::typeRuleThroughTheButtons()
{
    ExamWindow w(examBank(examCounts(3, 3, 0, 0)));
    const QString refused = QStringLiteral("请答完您所答的题型，才允许做您选择的题型");
    w.tick("101");
    w.next();
    w.next();
    QCOMPARE(w.session().currentNumber(), 3.0);
    QCOMPARE(w.label(6), QStringLiteral("2"));
    QCOMPARE(w.colour("a1"), SheetColour::answered());
    QCOMPARE(w.colour("a2"), SheetColour::visited());
    // From 3 with 2 unanswered: refused; the page of 3 stays with its tick.
    w.tick("123");
    w.next();
    QCOMPARE(w.messages().mid(2), QStringList{refused});
    QCOMPARE(w.session().currentNumber(), 3.0);
    QCOMPARE(w.colour("a3"), SheetColour::current());
    QVERIFY(w.checked("123"));
    w.clickCell("a5");
    QCOMPARE(w.messages().mid(2), (QStringList{refused, refused}));
    QCOMPARE(w.colour("a5"), SheetColour::buttonFace());
    // Answer 2, and next from 3 enters the multiple choices with their prompt.
    w.previous();
    w.tick("112");
    w.next();
    w.next();
    QCOMPARE(w.session().currentNumber(), 4.0);
    QCOMPARE(w.messages().mid(2), (QStringList{refused, refused, "多项选择题，里边有多个正确答案"}));
    QCOMPARE(w.page().fragmentLog().first(), QStringLiteral("<br>4.多一<br>"));
    // From 4, previous is refused until 4, 5 and 6 are answered.
    w.previous();
    QCOMPARE(w.messages().size(), 6);
    QCOMPARE(w.session().currentNumber(), 4.0);
    w.tick("141");
    w.tick("143");
    w.clickCell("a6");
    w.tick("165");
    w.previous();
    w.tick("152");
    w.previous();
    w.previous();
    QCOMPARE(w.session().currentNumber(), 3.0);
    QVERIFY(w.checked("123"));
    w.next();
    QCOMPARE(w.session().currentNumber(), 4.0);
    QVERIFY(w.checked("141") && w.checked("143"));
    QCOMPARE(w.messages().size(), 6);
    QCOMPARE(w.folder.scalar("select group_concat(tjda, ' ') from (select * from sj order by id)"), QStringLiteral("A B C AC B E"));
    QCOMPARE(w.label(6), QStringLiteral("7"));
    QCOMPARE(w.exam->progressBar()->value(), 6);
}

void ExamWindowTest::letterKeys_data()
{
    QTest::addColumn<QString>("counts");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<bool>("focused");
    QTest::newRow("C on single choice") << examCounts(1, 0, 0, 0) << int(Qt::Key_C) << "C" << true;
    QTest::newRow("c on single choice") << examCounts(1, 0, 0, 0) << int(Qt::Key_C) << "C" << true;
    QTest::newRow("C on multiple choice") << examCounts(0, 1, 0, 0) << int(Qt::Key_C) << "" << true;
    QTest::newRow("K does nothing") << examCounts(1, 0, 0, 0) << int(Qt::Key_K) << "" << false;
}

void ExamWindowTest::letterKeys()
{
    QFETCH(QString, counts);
    QFETCH(int, key);
    QFETCH(QString, ticked);
    QFETCH(bool, focused);
    ExamWindow w(examBank(counts));
    w.exam->previousButton()->setFocus();
    const Qt::KeyboardModifiers shift = QByteArray(QTest::currentDataTag()).startsWith("C ") ? Qt::ShiftModifier : Qt::NoModifier;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), shift);
    QTest::qWait(50);
    // The one question drawn, with its options A to E.
    const QStringList ids = w.folder.scalar("select group_concat(id, ' ') from opinion where questionid=" + w.sj("tgid", "1")).split(' ');
    QCOMPARE(ids.size(), 5);
    const QVariantList values = w.page().readProperty(ids, "checked");
    QString tickedCodes;
    for (int k = 0; k < 5; ++k)
        if (values.at(k).toBool())
            tickedCodes += QChar('A' + k);
    QCOMPARE(tickedCodes, ticked);
    QCOMPARE(w.exam->nextButton()->hasFocus(), focused);
}

void ExamWindowTest::keysPressedOnAMessageTickNothing()
{
    // Four singles asked for, three drawn: cell 4 has no row and answers with a message.
    ExamWindow w(examBank(examCounts(4, 0, 0, 0)));
    w.exam->previousButton()->setFocus();
    bool tickedDuringMessage = true;
    w.dialogs.whileShown = [&] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
        QTest::qWait(50);
        tickedDuringMessage = w.checked("101");
    };
    w.clickCell("a4");
    QCOMPARE(w.messages().mid(2), QStringList{"请答完您所答的题型，才允许做您选择的题型"});
    QVERIFY(!tickedDuringMessage);
    QTest::qWait(50);
    QVERIFY(!w.checked("101"));
    // Once the message is gone the keys are heard again.
    w.dialogs.whileShown = nullptr;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
    QTRY_VERIFY(w.checked("101"));
}

void ExamWindowTest::submitAndReview()
{
    ExamWindow w(examBank(examCounts(3, 3, 1, 1)));
    w.tick("101");
    w.next();
    w.tick("113");
    w.next();
    w.submit();
    QCOMPARE(w.label(1), QStringLiteral("答对"));
    QCOMPARE(w.label(2), QStringLiteral("答错"));
    QVERIFY(!w.exam->clock()->isActive());
    QCOMPARE(w.label(6), QStringLiteral("3"));
    QCOMPARE(w.colour("a1"), SheetColour::answered());
    QCOMPARE(w.colour("a2"), SheetColour::current());
    QCOMPARE(w.colour("a8"), SheetColour::current());
    QCOMPARE(w.page().fragmentLog().size(), 1);
    const QString text = w.page().evaluate("document.body.innerText").toString();
    for (const char* piece : {"批 阅 试 卷 结 果", "单项选择题\t3\t1\t3\t1\t33%", "配伍选择题\t3\t0\t3\t0\t0%", "合 计\t11\t1\t11\t1\t9%"})
        QVERIFY2(text.contains(QString::fromUtf8(piece)), qPrintable(text));
    const int before = w.messages().size();
    w.submit();
    w.next();
    QCOMPARE(w.messages().mid(before), (QStringList{"您已经交卷，不能重复交卷！", "您已经交卷，不能进行\"下一题\"的操作！"}));
    // The keys are gone: C ticks nothing on the review of a single-choice question.
    w.clickCell("a2");
    QCOMPARE(w.page().fragmentLog().last(), QStringLiteral("<body> <b>正确答案：B</b> </body><br> <br>"));
    QVERIFY(w.checked("113"));
    QTest::keyClick(w.exam.get(), Qt::Key_B);
    QTest::qWait(50);
    QVERIFY(!w.checked("112"));
    QCOMPARE(w.colour("a2"), SheetColour::current());
    // Closing returns nothing to the exam: the listener count starts again.
    w.exam->close();
    QCOMPARE(ExamKeys::installCount(), 0);
}

KAIVORA_TEST_MAIN(ExamWindowTest)
#include "test_exam_window.moc"
