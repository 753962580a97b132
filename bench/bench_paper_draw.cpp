// Drawing a paper of 50 single, 50 multiple, 10 case and 10 matching units on the synthetic
// bank, as the program draws it, against the literal way in the same run on a copy of the
// same bank: one row update per question, a 1 ms pause and a re-seed per draw, one insert per row.
#include "exam/answer_sheet.h"
#include "exam/draw_source.h"
#include "exam/paper_drawing.h"
#include "store/bank_connection.h"
#include "store/sql.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include "synthetic_bank.h"
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

namespace {
const char* const kCounts = "update ts set txs=(case rowid when 1 then '50' when 2 then '50' else '10' end)";

// Steps 8 and 9, the same for both ways.
int sheetAndTotal(const QSqlDatabase& db, const std::array<int, 4>& counts)
{
    QStringList caseTids;
    for (const auto& row : sql::select(db, "select * from  sj where lx='a3'"))
        caseTids << sql::text(row, "tid");
    const AnswerSheet sheet = AnswerSheet::build(counts, caseTids);
    return sheet.cells().isEmpty() ? 0 : int(sql::select(db, "select * from sj").size());
}

int drawn(const QSqlDatabase& db)
{
    ClockDrawSource draws;
    const auto counts = PaperDrawing(db).draw(draws);
    return sheetAndTotal(db, counts);
}

void exec(QSqlQuery& query, const QString& statement)
{
    if (!query.exec(statement))
        throw std::runtime_error(query.lastError().text().toStdString());
}

// The drawing as first written: every question updated on its own, every draw after a pause
// and a fresh seed, every unit inserted on its own.
int literal(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    const char* passes[4][2] = {{"select * from readtext where (qtypeid=3 or qtypeid=4 or qtypeid=5 ) order by qtypeid", "a1"},
                                {"select * from readtext where (qtypeid=6 or qtypeid=7 or qtypeid=8 or qtypeid=9 ) order by qtypeid", "a2"},
                                {"select * from readtext where (qtypeid=10) order by qtypeid", "a3"},
                                {"select * from readtext where (qtypeid=11) order by qtypeid", "a4"}};
    for (const auto& pass : passes)
        for (const auto& group : sql::select(db, pass[0]))
            for (const auto& question : sql::select(db, "select * from  question  where (readtextid=" + sql::text(group, "id") + ")"))
                exec(q, QStringLiteral("update question set lx='%1' where id=%2").arg(pass[1], sql::text(question, "id")));
    std::array<int, 4> c{0, 0, 0, 0};
    const auto ts = sql::select(db, "select * from ts");
    for (int k = 0; k < 4 && k < ts.size(); ++k)
        c[k] = sql::integer(ts.at(k), "txs");
    exec(q, "delete from sj");
    const char* lists[4] = {"select * from question  where lx= 'a1'", "select * from question  where lx= 'a2'",
                            "select * from readtext  where qtypeid=10 order by qtypeid", "select * from readtext  where qtypeid=11 order by qtypeid"};
    const QString codes[4] = {"a1", "a2", "a3", "a4"};
    QSqlQuery insert(db);
    insert.prepare("insert into sj (tid, lx, alt, tg, tgid, da, tp, xx) values (?,?,?,?,?,?,?,?)");
    const auto add = [&](const QVariantList& values) {
        for (int k = 0; k < values.size(); ++k)
            insert.bindValue(k, values.at(k));
        if (!insert.exec())
            throw std::runtime_error(insert.lastError().text().toStdString());
    };
    int i = 1, target = 0;
    for (int t = 0; t < 4; ++t) {
        target += c[t];
        if (c[t] <= 0)
            continue;
        const auto rows = sql::select(db, lists[t]);
        const int n = int(rows.size()), step = n / c[t];
        int at = 0;
        bool end = n == 0;
        const auto advance = [&](int times) {
            for (int k = 0; k < times && !end; ++k)
                at + 1 >= n ? void(end = true) : void(++at);
        };
        while (!end) {
            QThread::msleep(1);
            std::mt19937 generator(unsigned(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
            const int k = step > 0 ? int(generator() % unsigned(step)) : 0;
            if (!(i == 1 && k == 0))
                advance(k + 1);
            if (i > target) {
                advance(1);
            } else {
                const QSqlRecord& r = rows.at(at);
                const QString tid = QString::number(i);
                if (t < 2) {
                    add({tid, codes[t], "", sql::text(r, "content"), sql::text(r, "id"), sql::text(r, "answer"), sql::text(r, "picurl"), ""});
                } else if (t == 3) {
                    add({tid, "a4", sql::text(r, "content"), "", sql::text(r, "id"), "", "", sql::text(r, "opnum")});
                } else {
                    for (const auto& sub : sql::select(db, "select * from question where readtextid=" + sql::text(r, "id")))
                        add({tid + "." + sql::text(sub, "itemnum"), "a3", sql::text(r, "content"), sql::text(sub, "content"), sql::text(sub, "id"),
                             sql::text(sub, "answer"), "", ""});
                }
                ++i;
            }
            if (step - k - 2 > 0)
                advance(step - k - 2);
        }
    }
    return sheetAndTotal(db, c);
}

double timed(const std::function<int()>& work, int& rows)
{
    QElapsedTimer clock;
    clock.start();
    rows = work();
    return clock.nsecsElapsed() / 1e6;
}
}

int main(int argc, char* argv[])
{
    Program::prepareEnvironment();
    QCoreApplication app(argc, argv);
    TestFolder copy, folder;
    SyntheticBank().generate(folder.db());
    SyntheticBank().generate(copy.db());
    folder.exec(kCounts);
    copy.exec(kCounts);
    // The copy does not wait for the disk after each of its 20,000 single updates: that keeps
    // the run short and the shared disk quiet, and only makes the literal way look faster.
    copy.exec("PRAGMA journal_mode=WAL");
    copy.exec("PRAGMA synchronous=NORMAL");
    const QString questions = folder.scalar("select count(*) from question");
    // The exam window's own connection, as the program opens it.
    BankConnection bank(QStringLiteral("TForm4"));
    const QSqlDatabase db = bank.open();

    int rows = 0, literalRows = 0;
    // The first exam on a bank writes the exam type of every question.
    const double first = timed([&] { return drawn(db); }, rows);
    QList<double> times;
    for (int run = 0; run < 7; ++run) {
        // As the candidate left the last exam: a choice in every item of its matching groups.
        folder.exec("update question set lx='B' where readtextid in (select tgid from sj where lx='a4')");
        times << timed([&] { return drawn(db); }, rows);
    }
    std::sort(times.begin(), times.end());
    const double draw = times.at(times.size() / 2);
    const double slow = timed([&] { return literal(copy.db()); }, literalRows);

    std::printf("bank: %s questions; paper: %d rows (literal way: %d rows)\n", qPrintable(questions), rows, literalRows);
    std::printf("first_exam_ms=%.1f median_draw_ms=%.1f literal_ms=%.1f\n", first, draw, slow);
    std::printf("draw_ms=%.1f ratio_literal_vs_draw=%.1f\n", draw, slow / draw);
    return 0;
}
