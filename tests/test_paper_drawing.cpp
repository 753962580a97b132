// Drawing the exam paper into sj, and the answer sheet laid out from it.
#include "exam/answer_sheet.h"
#include "exam/draw_source.h"
#include "exam/paper_drawing.h"
#include "store/sql.h"
#include "support/scripted_draws.h"
#include "support/test_folder.h"
#include "support/test_main.h"

namespace {
using namespace fixture;

// n questions of one type in a group of their own, ids first … first + n − 1.
QString questions(int group, int qtypeid, int first, int n)
{
    QString text = fixture::group(group, 3, qtypeid);
    for (int k = 0; k < n; ++k)
        text += question(first + k, group, QStringLiteral("题%1").arg(first + k), QStringLiteral("A"), k == 0 ? QStringLiteral("pic/a.png") : QString());
    return text;
}

QString bank(const QString& rest)
{
    return types() + node(1, "根", 0, 1) + node(2, "节", 1, 2) + node(3, "章", 2, 3) + rest;
}

// The paper as "tid:tgid" in paper order.
QStringList paper(TestFolder& folder)
{
    QStringList units;
    for (const auto& row : sql::select(folder.db(), "select * from sj order by id"))
        units << sql::text(row, "tid") + ":" + sql::text(row, "tgid");
    return units;
}
}

class PaperDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void walk_data();
    void walk();
    void caseTextBecomesNumberedSubQuestions();
    void examTypesRefreshedForTheWholeBank();
    void countsByPosition();
    void sheetGeometry_data();
    void sheetGeometry();
    void caseCellsAndPainting();
};

void PaperDrawingTest::walk_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QStringList>("expected");
    // Ten single-choice candidates 1 … 10, three drawn with k = 0, 2, 1: positions 1, 5 and 7.
    QTest::newRow("first type of the paper") << questions(1, 3, 1, 10) + examCounts(3, 0, 0, 0) << QList<int>{0, 2, 1}
                                             << QStringList{"1:1", "2:5", "3:7"};
    // The same list as the second type: the first take is never position 1.
    QTest::newRow("later type") << questions(1, 3, 100, 1) + questions(2, 6, 1, 10) + examCounts(1, 3, 0, 0) << QList<int>{0, 2, 1}
                                << QStringList{"1:100", "2:2", "3:6", "4:8"};
    QTest::newRow("as many as there are, first type") << questions(1, 6, 1, 4) + examCounts(0, 4, 0, 0) << QList<int>{}
                                                      << QStringList{"1:1", "2:2", "3:3", "4:4"};
    // More wanted than there are: one after another from the second, the last one only once.
    QTest::newRow("more than there are, later type") << questions(1, 3, 100, 1) + questions(2, 6, 1, 3) + examCounts(1, 5, 0, 0) << QList<int>{}
                                                     << QStringList{"1:100", "2:2", "3:3"};
    QTest::newRow("a count of 0 skips the type") << questions(1, 3, 100, 5) + questions(2, 6, 1, 10) + examCounts(0, 2, 0, 0) << QList<int>{0, 4}
                                                 << QStringList{"1:1", "2:9"};
    // Two singles of three wanted: the next type may fill up to its cumulative target of 5.
    QTest::newRow("a shortfall passes on") << questions(1, 3, 100, 2) + questions(2, 6, 1, 10) + examCounts(3, 2, 0, 0) << QList<int>{0, 0, 0}
                                           << QStringList{"1:100", "2:101", "3:2", "4:6", "5:10"};
    QTest::newRow("no candidates at all") << questions(1, 3, 100, 2) + examCounts(0, 3, 2, 1) << QList<int>{} << QStringList{};
}

void PaperDrawingTest::walk()
{
    QFETCH(QString, setup);
    QFETCH(QList<int>, draws);
    QFETCH(QStringList, expected);
    TestFolder folder(bank(setup));
    folder.exec("insert into sj (tid, lx) values ('9', 'a1')");
    ScriptedDraws source(draws);
    PaperDrawing(folder.db()).draw(source);
    QCOMPARE(paper(folder), expected);
    // Single and multiple choice rows carry the question's stem, answer and picture.
    if (!expected.isEmpty()) {
        const QString first = expected.first().section(':', 1);
        QCOMPARE(folder.scalar("select tg || '|' || da || '|' || tp || '|' || alt || '|' || xx || '|' || tjda from sj order by id limit 1"),
                 QStringLiteral("题%1|A|%2|||").arg(first, first == "1" || first == "100" ? "pic/a.png" : ""));
    }
}

void PaperDrawingTest::caseTextBecomesNumberedSubQuestions()
{
    // Eleven singles, then one case of three sub-questions as unit 12 and a matching group as 13.
    TestFolder folder(bank(questions(1, 3, 1, 11) + group(2, 3, 10, "病例：男，45岁") + item(21, 2, 1, "第一问", "AB")
                           + item(22, 2, 2, "第二问", "C") + item(23, 2, 3, "第三问", "D") + group(3, 3, 11, "配伍导语", 7)
                           + item(31, 3, 1, "甲", "A") + examCounts(11, 0, 1, 1)));
    ScriptedDraws source;
    PaperDrawing(folder.db()).draw(source);
    const auto rows = sql::select(folder.db(), "select * from sj order by id");
    QCOMPARE(rows.size(), 15);
    const QStringList expected{"12.1|a3|病例：男，45岁|第一问|21|AB|||", "12.2|a3|病例：男，45岁|第二问|22|C|||",
                               "12.3|a3|病例：男，45岁|第三问|23|D|||", "13|a4|配伍导语||3|||7|"};
    QStringList got;
    for (int k = 11; k < 15; ++k) {
        QStringList fields;
        for (const char* column : {"tid", "lx", "alt", "tg", "tgid", "da", "tp", "xx", "tjda"})
            fields << sql::text(rows.at(k), column);
        got << fields.join('|');
    }
    QCOMPARE(got, expected);
}

void PaperDrawingTest::examTypesRefreshedForTheWholeBank()
{
    // A matching item still holds the letter of the last exam; a group of an unknown type keeps its lx.
    TestFolder folder(bank(questions(1, 4, 1, 1) + questions(2, 9, 2, 1) + group(3, 3, 10) + item(3, 3, 1, "问", "A")
                           + group(4, 3, 11, "配", 3) + item(4, 4, 1, "项", "A") + group(5, 3, 12) + item(5, 5, 1, "旁", "A")
                           + examCounts(0, 0, 0, 0)));
    PaperDrawing(folder.db()).refreshExamTypes();
    QCOMPARE(folder.scalar("select group_concat(id || '=' || lx, ' ') from (select * from question order by id)"),
             QStringLiteral("1=a1 2=a2 3=a3 4=a4 5=B"));
}

void PaperDrawingTest::countsByPosition()
{
    TestFolder folder(bank("insert into ts (txs, fg) values ('00','7'),('12',''),('',''),('3','');"));
    const auto c = PaperDrawing(folder.db()).readCounts();
    QCOMPARE((QList<int>{c[0], c[1], c[2], c[3]}), (QList<int>{0, 12, 0, 3}));
    TestFolder shortTable(bank("insert into ts (txs, fg) values ('5','5');"));
    const auto d = PaperDrawing(shortTable.db()).readCounts();
    QCOMPARE((QList<int>{d[0], d[1], d[2], d[3]}), (QList<int>{5, 0, 0, 0}));
}

void PaperDrawingTest::sheetGeometry_data()
{
    QTest::addColumn<QList<int>>("counts");
    // "caption@top" for every heading, "name caption left,top width" for chosen cells.
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("7 single and 8 multiple") << QList<int>{7, 8, 0, 0} << QStringList{"单项选择题:@65", "多项选择题:@145"}
                                             << QStringList{"a1 1 10,85 28", "a2 2 45,85 28", "a3 3 80,85 28", "a4 4 115,85 28",
                                                            "a5 5 150,85 28", "a6 6 185,85 28", "a7 7 10,115 28", "a8 8 10,165 28",
                                                            "a13 13 185,165 28", "a14 14 10,195 28"};
    QTest::newRow("ends mid-line") << QList<int>{5, 1, 0, 0} << QStringList{"单项选择题:@65", "多项选择题:@115"}
                                   << QStringList{"a6 6 10,135 28"};
    QTest::newRow("ends on a full line") << QList<int>{6, 1, 0, 0} << QStringList{"单项选择题:@65", "多项选择题:@145"}
                                         << QStringList{"a7 7 10,165 28"};
    QTest::newRow("eleven") << QList<int>{11, 1, 0, 0} << QStringList{"单项选择题:@65", "多项选择题:@145"} << QStringList{"a12 12 10,165 28"};
    QTest::newRow("twelve") << QList<int>{12, 1, 0, 0} << QStringList{"单项选择题:@65", "多项选择题:@175"} << QStringList{"a13 13 10,195 28"};
    QTest::newRow("a count of 0 leaves out the type") << QList<int>{0, 2, 0, 1} << QStringList{"多项选择题:@65", "配伍选择题:@115"}
                                                      << QStringList{"a1 1 10,85 28", "a3 3 10,135 28"};
}

void PaperDrawingTest::sheetGeometry()
{
    QFETCH(QList<int>, counts);
    QFETCH(QStringList, headings);
    QFETCH(QStringList, cells);
    const AnswerSheet sheet = AnswerSheet::build({counts[0], counts[1], counts[2], counts[3]}, {});
    QStringList gotHeadings;
    for (const auto& h : sheet.headings()) {
        QCOMPARE(h.geometry.left(), 30);
        QCOMPARE(h.geometry.size(), QSize(200, 23));
        gotHeadings << h.caption + "@" + QString::number(h.geometry.top());
    }
    QCOMPARE(gotHeadings, headings);
    for (const QString& expected : cells) {
        const QString name = expected.section(' ', 0, 0);
        const AnswerSheet::Cell* cell = sheet.cell(name);
        QVERIFY2(cell, qPrintable(name));
        QCOMPARE(QStringLiteral("%1 %2 %3,%4 %5").arg(cell->name, cell->caption).arg(cell->geometry.left()).arg(cell->geometry.top()).arg(cell->geometry.width()),
                 expected);
        QCOMPARE(cell->geometry.height(), 23);
        QCOMPARE(cell->colour, SheetColour::buttonFace());
    }
}

void PaperDrawingTest::caseCellsAndPainting()
{
    AnswerSheet sheet = AnswerSheet::build({2, 0, 2, 1}, {"3.1", "3.2", "4.1"});
    QStringList names;
    for (const auto& cell : sheet.cells())
        names << cell.name + "=" + cell.caption + "/" + QString::number(cell.geometry.width());
    // The matching group is numbered from c1 + c2 + c3 + 1, whatever the case rows are.
    QCOMPARE(names, (QStringList{"a1=1/28", "a2=2/28", "a3f1=3.1/30", "a3f2=3.2/30", "a4f1=4.1/30", "a5=5/28"}));
    QCOMPARE(CellNameFor(3.2), QStringLiteral("a3f2"));
    QCOMPARE(CellNameFor(31.10), QStringLiteral("a31f1"));
    QCOMPARE(CellNameFor(12.0), QStringLiteral("a12"));

    QStringList painted;
    sheet.painted = [&](const AnswerSheet::Cell& cell) { painted << cell.name; };
    QVERIFY(sheet.PaintCell(3.2, SheetColour::current()));
    QCOMPARE(sheet.cell("a3f2")->colour, SheetColour::current());
    // A number without a cell changes nothing.
    QVERIFY(!sheet.PaintCell(9, SheetColour::answered()));
    QVERIFY(!sheet.PaintCell(3.3, SheetColour::answered()));
    QCOMPARE(painted, QStringList{"a3f2"});
    for (const auto& cell : sheet.cells())
        QCOMPARE(cell.colour, cell.name == "a3f2" ? SheetColour::current() : SheetColour::buttonFace());
    QVERIFY(SheetColour::visited() != SheetColour::buttonFace());
}

KAIVORA_TEST_MAIN(PaperDrawingTest)
#include "test_paper_drawing.moc"
