#include "store/study_record.h"
#include "store/error.h"
#include "store/sql.h"
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <algorithm>

namespace StudyRecord {
namespace {
const QString kExam = QStringLiteral("exam");
const QString kSelfTest = QStringLiteral("selftest");

// Totals are kept with each record as well, so that the chapter table and the trend
// are read without walking every type row.
const char* const kSchema[] = {
    "create table if not exists jilu ("
    " id integer primary key autoincrement,"
    " kind text not null,"
    " at integer not null," // seconds since 1970, UTC
    " chapter integer,"
    " view text not null default '',"
    " minutes integer not null default 0,"
    " units integer not null,"
    " correct integer not null)",
    "create table if not exists jilu_tx ("
    " record integer not null references jilu(id),"
    " seq integer not null,"
    " type text not null,"
    " units integer not null,"
    " correct integer not null)",
    "create index if not exists jilu_kind on jilu(kind, chapter)",
    "create index if not exists jilu_tx_record on jilu_tx(record, seq)",
};

bool haveTables(const QSqlDatabase& db)
{
    const auto rows = sql::select(db, QStringLiteral("select count(*) from sqlite_master where type = 'table' and name in ('jilu', 'jilu_tx')"));
    return rows.first().value(0).toInt() == 2;
}

void append(const QSqlDatabase& db, const QString& kind, const QDateTime& at, const QVariant& chapter, const QString& view,
            int minutes, const QVector<TypeScore>& types)
{
    int units = 0;
    int correct = 0;
    for (const TypeScore& score : types) {
        if (score.units < 0 || score.correct < 0 || score.correct > score.units)
            throw KaivoraError(QStringLiteral("成绩有误：%1 %2/%3").arg(score.type).arg(score.correct).arg(score.units));
        units += score.units;
        correct += score.correct;
    }
    if (units == 0)
        return;
    ensureTables(db);
    const QDateTime when = at.isValid() ? at : QDateTime::currentDateTime();
    sql::exec(db,
              QStringLiteral("insert into jilu (kind, at, chapter, view, minutes, units, correct) values (?, ?, ?, ?, ?, ?, ?)"),
              {kind, when.toSecsSinceEpoch(), chapter, view.isNull() ? QStringLiteral("") : view, minutes, units, correct});
    const qint64 id = sql::select(db, QStringLiteral("select last_insert_rowid()")).first().value(0).toLongLong();
    int seq = 0;
    for (const TypeScore& score : types) {
        if (score.units == 0)
            continue;
        sql::exec(db, QStringLiteral("insert into jilu_tx (record, seq, type, units, correct) values (?, ?, ?, ?, ?)"),
                  {id, seq++, score.type, score.units, score.correct});
    }
}

int count(const QSqlDatabase& db, const QString& statement)
{
    return sql::select(db, statement).first().value(0).toInt();
}
}

int percentOf(int correct, int units)
{
    if (units <= 0)
        return 0;
    return int((200LL * correct + units) / (2LL * units));
}

void ensureTables(const QSqlDatabase& db)
{
    for (const char* statement : kSchema)
        sql::exec(db, QString::fromLatin1(statement));
}

void appendExam(const QSqlDatabase& db, const ExamRecord& record)
{
    append(db, kExam, record.at, QVariant(), QString(), record.minutes, record.types);
}

void appendSelfTest(const QSqlDatabase& db, const SelfTestRecord& record)
{
    append(db, kSelfTest, record.at, record.chapterId, record.viewMode, 0, record.types);
}

QVector<TypeScore> pageGradingScores(const QSqlDatabase& db)
{
    QVector<TypeScore> scores;
    for (const QSqlRecord& row : sql::select(db, QStringLiteral("select * from fenshu"))) {
        const int units = sql::integer(row, QStringLiteral("sts"));
        if (units != 0)
            scores.append({sql::text(row, QStringLiteral("tx")), units, sql::integer(row, QStringLiteral("dd"))});
    }
    return scores;
}

QVector<Exam> exams(const QSqlDatabase& db)
{
    QVector<Exam> list;
    if (!haveTables(db))
        return list;
    // Thousands of rows: read by position, without a record per row.
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const QString statement = QStringLiteral(
        "select j.id, j.at, j.minutes, j.units, j.correct, t.type, t.units, t.correct"
        " from jilu j left join jilu_tx t on t.record = j.id"
        " where j.kind = 'exam' order by j.id, t.seq");
    if (!query.exec(statement))
        throw KaivoraError(query.lastError().text());
    while (query.next()) {
        const qint64 id = query.value(0).toLongLong();
        if (list.isEmpty() || list.last().id != id)
            list.append({id, QDateTime::fromSecsSinceEpoch(query.value(1).toLongLong(), Qt::UTC), query.value(2).toInt(),
                         query.value(3).toInt(), query.value(4).toInt(), {}});
        if (!query.isNull(5))
            list.last().types.append({query.value(5).toString(), query.value(6).toInt(), query.value(7).toInt()});
    }
    return list;
}

QVector<Chapter> chapters(const QSqlDatabase& db)
{
    QVector<Chapter> list;
    if (!haveTables(db))
        return list;
    // The best rate is percentOf's rounding done by the engine, in whole numbers.
    const auto rows = sql::select(db, QStringLiteral(
        "select g.chapter, coalesce(tr.nodename, ''), g.attempts, l.units, l.correct, g.best, coalesce(w.n, 0)"
        " from (select chapter, count(*) attempts, max(id) last, max((200 * correct + units) / (2 * units)) best"
        "       from jilu where kind = 'selftest' group by chapter) g"
        " join jilu l on l.id = g.last"
        " left join tree tr on tr.id = g.chapter"
        " left join (select r.treeid chapter, count(*) n from question q join readtext r on r.id = q.readtextid"
        "            where q.ct = '1' group by r.treeid) w on w.chapter = g.chapter"));
    for (const QSqlRecord& row : rows)
        list.append({row.value(0).toInt(), row.value(1).toString(), row.value(2).toInt(),
                     percentOf(row.value(4).toInt(), row.value(3).toInt()), row.value(5).toInt(), row.value(6).toInt()});
    std::stable_sort(list.begin(), list.end(), [](const Chapter& a, const Chapter& b) {
        if (a.lastPercent != b.lastPercent)
            return a.lastPercent < b.lastPercent;
        if (a.bestPercent != b.bestPercent)
            return a.bestPercent < b.bestPercent;
        if (a.wrongBank != b.wrongBank)
            return a.wrongBank > b.wrongBank;
        return a.chapterId < b.chapterId;
    });
    return list;
}

Totals totals(const QSqlDatabase& db)
{
    Totals t;
    if (haveTables(db)) {
        const QSqlRecord row = sql::select(db, QStringLiteral(
            "select (select count(*) from jilu where kind = 'exam'),"
            " (select count(*) from jilu where kind = 'selftest'),"
            " (select coalesce(sum(units), 0) from jilu where kind = 'selftest')")).first();
        t.exams = row.value(0).toInt();
        t.selfTests = row.value(1).toInt();
        t.selfTestQuestions = row.value(2).toInt();
    }
    t.favourites = count(db, QStringLiteral("select count(*) from question where scbt = '1'"));
    t.wrongBank = count(db, QStringLiteral("select count(*) from question where ct = '1'"));
    return t;
}

Overview overview(const QSqlDatabase& db)
{
    return {totals(db), exams(db), chapters(db)};
}
}
