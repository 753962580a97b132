#include "exam/paper_drawing.h"
#include "exam/draw_source.h"
#include "store/error.h"
#include "store/sql.h"
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVector>

namespace {
struct TypePass {
    const char* groups;
    const char* code;
};
const TypePass kPasses[4] = {
    {"select id from readtext where (qtypeid=3 or qtypeid=4 or qtypeid=5 ) order by qtypeid", "a1"},
    {"select id from readtext where (qtypeid=6 or qtypeid=7 or qtypeid=8 or qtypeid=9 ) order by qtypeid", "a2"},
    {"select id from readtext where (qtypeid=10) order by qtypeid", "a3"},
    {"select id from readtext where (qtypeid=11) order by qtypeid", "a4"},
};

const char* const kCandidates[4] = {
    "select * from question  where lx= 'a1'",
    "select * from question  where lx= 'a2'",
    "select * from readtext  where qtypeid=10 order by qtypeid",
    "select * from readtext  where qtypeid=11 order by qtypeid",
};

QSqlQuery prepared(const QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    if (!query.prepare(statement))
        throw KaivoraError(query.lastError().text());
    return query;
}

void run(QSqlQuery& query, const QVariantList& values)
{
    for (int k = 0; k < values.size(); ++k)
        query.bindValue(k, values.at(k));
    if (!query.exec())
        throw KaivoraError(query.lastError().text());
}

// The ids of a candidate list in the order the bank returns them; only the id is read.
QVector<qint64> candidateIds(const QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select id from (") + statement + QStringLiteral(")")))
        throw KaivoraError(query.lastError().text());
    const int id = query.record().indexOf(QStringLiteral("id"));
    QVector<qint64> ids;
    while (query.next())
        ids.append(query.value(id).toLongLong());
    return ids;
}

// The cursor of a walk: advancing from the last candidate sets the end flag and
// leaves the cursor where it is.
struct Cursor {
    int size;
    int at = 0;
    bool end;
    explicit Cursor(int n) : size(n), end(n == 0) {}
    void advance(int times)
    {
        for (int k = 0; k < times && !end; ++k) {
            if (at + 1 >= size)
                end = true;
            else
                ++at;
        }
    }
};
}

PaperDrawing::PaperDrawing(const QSqlDatabase& db)
    : db_(db)
{
}

void PaperDrawing::refreshExamTypes()
{
    sql::Transaction transaction(db_);
    writeExamTypes();
    transaction.commit();
}

void PaperDrawing::writeExamTypes()
{
    // Rows that already hold their code are left alone: after the first exam only the
    // matching items the last exam wrote into change.
    for (const TypePass& pass : kPasses)
        sql::exec(db_, QStringLiteral("update question set lx='") + QLatin1String(pass.code) + QStringLiteral("' where readtextid in (")
                           + QLatin1String(pass.groups) + QStringLiteral(") and lx is not '") + QLatin1String(pass.code) + QStringLiteral("'"));
}

std::array<int, 4> PaperDrawing::readCounts()
{
    std::array<int, 4> counts{0, 0, 0, 0};
    const auto rows = sql::select(db_, QStringLiteral("select * from ts"));
    for (int k = 0; k < 4 && k < rows.size(); ++k) {
        // A count never saved reads as 0.
        if (!sql::text(rows.at(k), QStringLiteral("txs")).trimmed().isEmpty())
            counts[k] = sql::integer(rows.at(k), QStringLiteral("txs"));
    }
    return counts;
}

int PaperDrawing::drawUnits(const std::array<int, 4>& counts, DrawSource& draws)
{
    sql::Transaction transaction(db_);
    const int written = writeUnits(counts, draws);
    transaction.commit();
    return written;
}

int PaperDrawing::writeUnits(const std::array<int, 4>& counts, DrawSource& draws)
{
    sql::exec(db_, QStringLiteral("delete from sj"));
    QSqlQuery single = prepared(db_, QStringLiteral("insert into sj (tid, lx, alt, tg, tgid, da, tp, xx) "
                                                    "select ?, ?, '', content, id, answer, picurl, '' from question where id=?"));
    QSqlQuery caseRows = prepared(db_, QStringLiteral("insert into sj (tid, lx, alt, tg, tgid, da, tp, xx) "
                                                      "select ? || '.' || itemnum, 'a3', (select content from readtext where id=?), "
                                                      "content, id, answer, '', '' from question where readtextid=?"));
    QSqlQuery matching = prepared(db_, QStringLiteral("insert into sj (tid, lx, alt, tg, tgid, da, tp, xx) "
                                                      "select ?, 'a4', content, '', id, '', '', opnum from readtext where id=?"));
    int i = 1;
    int target = 0;
    int written = 0;
    const QString codes[4] = {QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a3"), QStringLiteral("a4")};
    for (int t = 0; t < 4; ++t) {
        const int c = counts[t];
        target += std::max(c, 0);
        if (c <= 0)
            continue;
        const QVector<qint64> ids = candidateIds(db_, QLatin1String(kCandidates[t]));
        const int step = ids.size() / c;
        Cursor cursor(ids.size());
        QSet<int> taken;
        while (!cursor.end) {
            const int k = step > 0 ? draws.draw(step) : 0;
            if (!(i == 1 && k == 0))
                cursor.advance(k + 1);
            if (i > target) {
                cursor.advance(1);
            } else if (!taken.contains(cursor.at)) {
                // A skip past the end stops on the last candidate, which may have been taken just before.
                taken.insert(cursor.at);
                const QString tid = QString::number(i);
                const qint64 id = ids.at(cursor.at);
                if (t < 2) {
                    run(single, {tid, codes[t], id});
                    written += single.numRowsAffected();
                } else if (t == 2) {
                    run(caseRows, {tid, id, id});
                    written += caseRows.numRowsAffected();
                } else {
                    run(matching, {tid, id});
                    written += matching.numRowsAffected();
                }
                ++i;
            }
            if (step - k - 2 > 0)
                cursor.advance(step - k - 2);
        }
    }
    return written;
}

std::array<int, 4> PaperDrawing::draw(DrawSource& draws)
{
    // One transaction, so that the bank waits for the disk once per drawing.
    sql::Transaction transaction(db_);
    writeExamTypes();
    const std::array<int, 4> counts = readCounts();
    writeUnits(counts, draws);
    transaction.commit();
    return counts;
}
