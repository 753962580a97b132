// The study record: what a grading records, the record window's chart, chapter table,
// totals, export and empty state, and a chapter opened from it.
#include "app/picture_button.h"
#include "app/practice_window.h"
#include "platform/page_view.h"
#include "record/record_room.h"
#include "record/study_record_window.h"
#include "record/trend_chart.h"
#include "store/error.h"
#include "store/sql.h"
#include "store/study_record.h"
#include "store/view_mode.h"
#include "support/bank_backup.h"
#include "support/scripted_dialogs.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

namespace {
using namespace fixture;
using StudyRecord::TypeScore;

// Chapters 3, 4 (section 2) and 6 (section 5); chapter 4 holds two wrong-question-bank
// questions and a favourite, chapter 6 one wrong question.
QString bank()
{
    return types() + node(1, "根", 0, 1) + node(2, "节一", 1, 2) + node(3, "细胞", 2, 3) + node(4, "血液", 2, 3)
        + node(5, "节二", 1, 2) + node(6, "抗生素", 5, 3) + group(1, 3, 3) + group(2, 4, 3) + group(3, 6, 3)
        + question(1, 1, "细胞题") + question(2, 2, "血液题一", "A", "", "1", "1") + question(3, 2, "血液题二", "A", "", "", "1")
        + question(4, 3, "抗生素题", "A", "", "", "1") + question(5, 3, "抗生素题二", "A", "", "1", "");
}

QDateTime day(int d, int hour = 9)
{
    return QDateTime(QDate(2026, 11, d), QTime(hour, 0));
}

void selfTest(QSqlDatabase db, int chapter, int units, int correct, int d = 1)
{
    StudyRecord::appendSelfTest(db, {day(d), chapter, ViewMode::kExercise, {{QStringLiteral("题型3"), units, correct}}});
}

void exam(QSqlDatabase db, int d, std::initializer_list<TypeScore> types, int minutes = 60)
{
    StudyRecord::appendExam(db, {day(d), minutes, types});
}

QStringList columnTexts(QTableWidget* table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, column)->text();
    return texts;
}

QList<QPointF> pointsOf(QChartView* view, const QString& name)
{
    for (QAbstractSeries* series : view->chart()->series())
        if (series->name() == name)
            return static_cast<QLineSeries*>(series)->points();
    return {};
}

// Runs work on the record window once the picture has opened it modally.
void onRecordWindow(std::function<void(StudyRecordWindow&)> work)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, work] {
        auto* window = qobject_cast<StudyRecordWindow*>(QApplication::activeModalWidget());
        if (!window)
            return;
        timer->stop();
        timer->deleteLater();
        work(*window);
    });
    timer->start(10);
}

QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(-1);
    return QString::fromUtf8(process.readAllStandardOutput());
}
}

class StudyRecordTest : public QObject {
    Q_OBJECT
private slots:
    void init() { folder_ = std::make_unique<TestFolder>(bank()); }
    void cleanup() { folder_.reset(); }
    void examAndTwoSelfTestsRecorded();
    void gradingAndRecordLandTogether_data();
    void gradingAndRecordLandTogether();
    void chapterOrderAndMarks_data();
    void chapterOrderAndMarks();
    void doubleClickOpensTheChapter_data();
    void doubleClickOpensTheChapter();
    void exportWritesThePdf();
    void exportCancelledWritesNothing_data();
    void exportCancelledWritesNothing();
    void emptyRecord_data();
    void emptyRecord();
    void backupAndRestoreCarryTheRecord();

private:
    std::unique_ptr<TestFolder> folder_;
};

void StudyRecordTest::examAndTwoSelfTestsRecorded()
{
    QSqlDatabase db = folder_->db();
    const QString tables = "select group_concat(name) from (select name from sqlite_master where type = 'table' order by name)";
    QCOMPARE(folder_->scalar(tables), QString("fenshu,geshu,kemu,opinion,qtype,question,readtext,sj,sqlite_sequence,tree,ts"));
    folder_->exec("insert into fenshu (tx, sts, dd) values ('题型3', '4', '3'), ('B型题配伍选择题', '0', '0'), ('题型4', '2', '1')");
    exam(db, 2, {{"单项选择题", 10, 8}, {"多项选择题", 5, 3}, {"案例分析题", 0, 0}, {"配伍选择题", 5, 4}}, 42);
    StudyRecord::appendSelfTest(db, {day(3), 4, ViewMode::kExercise, StudyRecord::pageGradingScores(db)});
    selfTest(db, 4, 5, 1, 4);

    // Tables of its own; the system's tables keep what they held.
    QCOMPARE(folder_->scalar(tables), QString("fenshu,geshu,jilu,jilu_tx,kemu,opinion,qtype,question,readtext,sj,sqlite_sequence,tree,ts"));
    QCOMPARE(folder_->scalar("select group_concat(tx || ':' || sts || ':' || dd, ' ') from fenshu"), QString("题型3:4:3 B型题配伍选择题:0:0 题型4:2:1"));
    QCOMPARE(folder_->scalar("select group_concat(kind || ' ' || coalesce(chapter, '-') || ' ' || minutes || ' ' || units || '/' || correct, '; ') from jilu"),
             QString("exam - 42 20/15; selftest 4 0 6/4; selftest 4 0 5/1"));
    QCOMPARE(folder_->scalar("select group_concat(type || ' ' || correct || '/' || units, '; ') from jilu_tx where record = 1"),
             QString("单项选择题 8/10; 多项选择题 3/5; 配伍选择题 4/5"));

    StudyRecordWindow window;
    window.show();
    auto* table = window.findChild<QTableWidget*>("ChapterTable");
    QVERIFY(table);
    QCOMPARE(columnTexts(table, 0), QStringList{"血液"});
    QCOMPARE(table->item(0, 1)->text(), QString("2"));
    QCOMPARE(table->item(0, 2)->text(), QString("20%"));
    QCOMPARE(table->item(0, 3)->text(), QString("67%"));
    QCOMPARE(table->item(0, 4)->text(), QString("2"));
    QVERIFY(window.findChild<QLabel*>("ExamsSat")->text().contains(">1<"));
    QVERIFY(window.findChild<QLabel*>("SelfTestQuestions")->text().contains(">11<"));
    QVERIFY(window.findChild<QLabel*>("Favourites")->text().contains(">2<"));
    QVERIFY(window.findChild<QLabel*>("WrongBank")->text().contains(">3<"));

    auto* chart = window.findChild<QChartView*>("TrendChart");
    QVERIFY(chart);
    QStringList names;
    for (QAbstractSeries* series : chart->chart()->series())
        names << series->name();
    QCOMPARE(names, (QStringList{"单项选择题", "多项选择题", "配伍选择题", TrendChart::kTotal, TrendChart::kPassLine}));
    QCOMPARE(pointsOf(chart, TrendChart::kTotal), QList<QPointF>{QPointF(day(2).toMSecsSinceEpoch(), 75)});
    QCOMPARE(pointsOf(chart, "多项选择题"), QList<QPointF>{QPointF(day(2).toMSecsSinceEpoch(), 60)});
    const QList<QPointF> pass = pointsOf(chart, TrendChart::kPassLine);
    QCOMPARE(pass.size(), 2);
    QCOMPARE(pass.at(0).y(), 60.0);
    QCOMPARE(pass.at(1).y(), 60.0);
}

void StudyRecordTest::gradingAndRecordLandTogether_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<bool>("gradingFailsAfterRecord");
    QTest::newRow("record insert fails") << "create trigger refuse before insert on jilu_tx begin select raise(abort, '磁盘已满'); end"
                                         << false;
    QTest::newRow("grading fails after the record") << QString() << true;
}

// A grading's marks and its record are written in one transaction: one without the other never lands.
void StudyRecordTest::gradingAndRecordLandTogether()
{
    QFETCH(QString, trigger);
    QFETCH(bool, gradingFailsAfterRecord);
    QSqlDatabase db = folder_->db();
    StudyRecord::ensureTables(db);
    if (!trigger.isEmpty())
        folder_->exec(trigger);
    bool failed = false;
    try {
        sql::Transaction transaction(db);
        sql::exec(db, "update question set ct1='1', ct='1' where id=1");
        selfTest(db, 3, 1, 0);
        if (gradingFailsAfterRecord)
            sql::exec(db, "update question set nosuchcolumn=''");
        transaction.commit();
    } catch (const KaivoraError&) {
        failed = true;
    }
    QVERIFY(failed);
    QCOMPARE(folder_->scalar("select ct || '/' || ct1 from question where id=1"), QString("/"));
    QCOMPARE(folder_->scalar("select count(*) from jilu"), QString("0"));
    QCOMPARE(folder_->scalar("select count(*) from jilu_tx"), QString("0"));
}

void StudyRecordTest::chapterOrderAndMarks_data()
{
    QTest::addColumn<QList<QList<int>>>("tests");  // chapter, units, right; in grading order
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QStringList>("marked");      // chapter:column of the rates shown red
    QTest::newRow("lower last rate first") << QList<QList<int>>{{3, 10, 9}, {6, 10, 5}, {4, 10, 7}}
                                           << QStringList{"抗生素", "血液", "细胞"} << QStringList{"抗生素:2", "抗生素:3"};
    QTest::newRow("last attempt counts, not the best") << QList<QList<int>>{{3, 10, 10}, {3, 10, 4}, {4, 10, 6}}
                                                      << QStringList{"细胞", "血液"} << QStringList{"细胞:2"};
    QTest::newRow("same last rate: lower best first") << QList<QList<int>>{{3, 10, 9}, {3, 10, 7}, {4, 10, 7}}
                                                     << QStringList{"血液", "细胞"} << QStringList{};
    QTest::newRow("same rates: more wrong questions first") << QList<QList<int>>{{3, 4, 2}, {4, 4, 2}, {6, 4, 2}}
                                                           << QStringList{"血液", "抗生素", "细胞"}
                                                           << QStringList{"血液:2", "血液:3", "抗生素:2", "抗生素:3", "细胞:2", "细胞:3"};
    QTest::newRow("59% is marked, 59.5% rounds to 60% and is not") << QList<QList<int>>{{3, 100, 59}, {4, 200, 119}}
                                                                   << QStringList{"细胞", "血液"} << QStringList{"细胞:2", "细胞:3"};
}

void StudyRecordTest::chapterOrderAndMarks()
{
    QFETCH(QList<QList<int>>, tests);
    QFETCH(QStringList, order);
    QFETCH(QStringList, marked);
    for (const QList<int>& t : tests)
        selfTest(folder_->db(), t.at(0), t.at(1), t.at(2));
    StudyRecordWindow window;
    auto* table = window.findChild<QTableWidget*>("ChapterTable");
    QVERIFY(table);
    QCOMPARE(columnTexts(table, 0), order);
    QStringList red;
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column)
            if (table->item(row, column)->foreground().color() == QColor(200, 30, 30))
                red << table->item(row, 0)->text() + ":" + QString::number(column);
    QCOMPARE(red, marked);
}

void StudyRecordTest::doubleClickOpensTheChapter_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("viewAfter");
    QTest::newRow("start-up view") << ViewMode::kAdvanced << ViewMode::kAdvanced;
    QTest::newRow("favourites view gives way to the whole chapter") << ViewMode::kFavourites << ViewMode::kExercise;
}

void StudyRecordTest::doubleClickOpensTheChapter()
{
    QFETCH(QString, view);
    QFETCH(QString, viewAfter);
    selfTest(folder_->db(), 4, 10, 8);
    selfTest(folder_->db(), 6, 10, 3);
    ScriptedDialogs dialogs;
    TForm10 window;
    RecordRoom room(window);
    window.plug(room);
    window.FormShow();
    window.show();
    window.FormActivate();
    if (view == ViewMode::kFavourites)
        window.NewImage1Click();
    QCOMPARE(window.viewMode(), view);
    const int built = window.pagesBuilt();

    onRecordWindow([](StudyRecordWindow& record) {
        auto* table = record.findChild<QTableWidget*>("ChapterTable");
        // Weakest first: 抗生素 (30%) above 血液 (80%); open the second row.
        const QRect cell = table->visualItemRect(table->item(1, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    });
    auto* picture = window.findChild<PictureButton*>("NewImage21");
    QVERIFY(picture && picture->isVisible());
    QTest::mouseClick(picture, Qt::LeftButton);

    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(window.viewMode(), viewAfter);
    QCOMPARE(window.currentChapterId(), QString("4"));
    QCOMPARE(window.tree()->currentItem()->text(0), QString("血液"));
    QVERIFY(window.pagesBuilt() > built);
    // The whole chapter is on show, not only its favourite.
    QVERIFY(window.page().evaluate("document.body.innerText").toString().contains("血液题二"));
    QVERIFY(dialogs.shown.isEmpty());
}

void StudyRecordTest::exportWritesThePdf()
{
    exam(folder_->db(), 2, {{"单项选择题", 10, 8}, {"多项选择题", 5, 1}}, 37);
    exam(folder_->db(), 5, {{"单项选择题", 10, 4}}, 88);
    selfTest(folder_->db(), 6, 10, 3);
    selfTest(folder_->db(), 4, 10, 8);
    const QString path = folder_->path() + "报告/学习记录";
    QDir().mkpath(folder_->path() + "报告");
    ScriptedDialogs dialogs;
    dialogs.fileAnswers = {path};
    StudyRecordWindow window;
    window.show();
    auto* button = window.findChild<QPushButton*>("ExportButton");
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(dialogs.fileDialogs.size(), 1);
    QVERIFY(dialogs.fileDialogs.first().save);
    QVERIFY(dialogs.fileDialogs.first().proposedName.endsWith(".pdf"));
    QFile pdf(path + ".pdf");
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
    QCOMPARE(dialogs.texts(), QStringList{"学习记录已导出到：\n" + QDir::toNativeSeparators(path + ".pdf")});

    const QString text = pdfText(path + ".pdf");
    for (const char* figure : {"模拟考试：2 次", "自测做题：20 道", "我的收藏：2 题", "错题题库：3 题", "2026-11-02 09:00", "37 分钟",
                               "单项 8/10", "多项 1/5", "9/15", "2026-11-05 09:00", "88 分钟", "4/10", "40%", "模拟考试成绩走势"})
        QVERIFY2(text.contains(QString::fromUtf8(figure)), figure);
    // The chapters weakest first.
    const int weak = text.indexOf("抗生素");
    const int strong = text.indexOf("血液");
    QVERIFY(weak > 0 && strong > weak);
    QVERIFY(text.indexOf("30%", weak) > weak);
}

void StudyRecordTest::exportCancelledWritesNothing_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::newRow("save dialog cancelled") << false;
    QTest::newRow("replacing a file declined") << true;
}

void StudyRecordTest::exportCancelledWritesNothing()
{
    QFETCH(bool, fileExists);
    selfTest(folder_->db(), 6, 10, 3);
    const QString path = folder_->path() + "旧报告.pdf";
    ScriptedDialogs dialogs;
    if (fileExists) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        dialogs.fileAnswers = {path};
        dialogs.answers = {Dialogs::Answer::Cancel};
    }
    StudyRecordWindow window;
    window.show();
    QTest::mouseClick(window.findChild<QPushButton*>("ExportButton"), Qt::LeftButton);
    QCOMPARE(dialogs.fileDialogs.size(), 1);
    QCOMPARE(dialogs.shown.size(), fileExists ? 1 : 0);
    QStringList pdfs = QDir(folder_->path()).entryList({"*.pdf"}, QDir::Files);
    QCOMPARE(pdfs, fileExists ? QStringList{"旧报告.pdf"} : QStringList{});
    if (fileExists) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }
}

void StudyRecordTest::emptyRecord_data()
{
    QTest::addColumn<bool>("withExam");
    QTest::addColumn<bool>("withSelfTest");
    QTest::newRow("nothing recorded") << false << false;
    QTest::newRow("exams only") << true << false;
    QTest::newRow("self-tests only") << false << true;
}

void StudyRecordTest::emptyRecord()
{
    QFETCH(bool, withExam);
    QFETCH(bool, withSelfTest);
    if (withExam)
        exam(folder_->db(), 2, {{"单项选择题", 10, 8}});
    if (withSelfTest)
        selfTest(folder_->db(), 3, 5, 5);
    // A grading without questions is not a record.
    selfTest(folder_->db(), 4, 0, 0);
    StudyRecordWindow window;
    window.show();
    const bool nothing = !withExam && !withSelfTest;
    auto* line = window.findChild<QLabel*>("EmptyLine");
    QCOMPARE(line != nullptr, nothing);
    if (nothing)
        QVERIFY(line->isVisible() && line->text().contains("还没有学习记录") && line->text().contains("提交试卷"));
    QCOMPARE(window.findChild<QChartView*>("TrendChart") != nullptr, withExam);
    QCOMPARE(window.findChild<QLabel*>("ExamsEmptyLine") != nullptr, withSelfTest && !withExam);
    QCOMPARE(window.findChild<QTableWidget*>("ChapterTable") != nullptr, withSelfTest);
    QCOMPARE(window.findChild<QLabel*>("ChaptersEmptyLine") != nullptr, withExam && !withSelfTest);
    QCOMPARE(window.findChild<QPushButton*>("ExportButton")->isEnabled(), !nothing);
    // The bank's own counts show even before the first record.
    QVERIFY(window.findChild<QLabel*>("Favourites")->text().contains(">2<"));
}

void StudyRecordTest::backupAndRestoreCarryTheRecord()
{
    exam(folder_->db(), 2, {{"单项选择题", 10, 8}});
    selfTest(folder_->db(), 6, 10, 3);
    const QString backupFile = folder_->path() + "备份.db";
    BankBackup::backup(folder_->bankPath(), backupFile);
    selfTest(folder_->db(), 3, 10, 9, 5);
    BankBackup::restore(folder_->bankPath(), backupFile);
    StudyRecordWindow window;
    QCOMPARE(window.overview().totals.exams, 1);
    QCOMPARE(columnTexts(window.findChild<QTableWidget*>("ChapterTable"), 0), QStringList{"抗生素"});
}

KAIVORA_TEST_MAIN(StudyRecordTest)
#include "test_study_record.moc"
