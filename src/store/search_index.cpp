#include "store/search_index.h"
#include "store/error.h"
#include "store/plain_text.h"
#include "store/sql.h"
#include <QHash>
#include <QMutex>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

namespace {
// Raised when the index's layout changes, so that older indexes are rebuilt.
const QString kVersion = QStringLiteral("1");
constexpr int kCaseCode = 8;
constexpr int kMatchingCode = 9;
constexpr int kProgressStep = 500;

// What the index depends on: the texts, and the type, chapter and group that order them.
const QString kFingerprint = QStringLiteral(
    "select (select count(*) || ':' || total(id) || ':' || total(readtextid) || ':' || total(length(content)) || ':' "
    "|| total(length(explain)) from question) || '|' || (select count(*) || ':' || total(questionid) || ':' "
    "|| total(length(content)) from opinion) || '|' || (select count(*) || ':' || total(treeid) || ':' || total(qtypeid) "
    "|| ':' || total(length(content)) from readtext) || '|' || (select group_concat(id || '=' || code) from qtype)");

QString fingerprint(const QSqlDatabase& db)
{
    return sql::select(db, kFingerprint).first().value(0).toString();
}

bool hasIndex(const QSqlDatabase& db)
{
    return !sql::select(db, QStringLiteral("select name from sqlite_master where type='table' and name=?"), {QStringLiteral("search_info")})
                .isEmpty();
}

QString info(const QSqlDatabase& db, const QString& key)
{
    const auto rows = sql::select(db, QStringLiteral("select value from search_info where key=?"), {key});
    return rows.isEmpty() ? QString() : rows.first().value(0).toString();
}

// The build token of each bank file whose index was found current in this run.
QHash<QString, QString>& trusted()
{
    static QHash<QString, QString> tokens;
    return tokens;
}

QMutex& trustedLock()
{
    static QMutex lock;
    return lock;
}

QString optionsText(const QString& joined)
{
    QStringList parts;
    for (const QString& option : joined.split(QChar(0x1f), Qt::SkipEmptyParts))
        parts << PlainText::of(option);
    // Fields and options stay apart: no phrase reaches from one into the next.
    return parts.join(QLatin1Char('\n'));
}

void insert(QSqlQuery& query, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        throw KaivoraError(query.lastError().text());
}
}

namespace SearchIndex {
QString charToken(char32_t c)
{
    return QLatin1Char('u') + QString::number(uint(c), 16);
}

QString charPhrase(const QString& text)
{
    QStringList tokens;
    for (const char32_t c : text.toCaseFolded().toUcs4())
        tokens << charToken(c);
    return QLatin1Char('"') + tokens.join(QLatin1Char(' ')) + QLatin1Char('"');
}

bool isCurrent(const QSqlDatabase& db)
{
    return hasIndex(db) && info(db, QStringLiteral("version")) == kVersion && info(db, QStringLiteral("fingerprint")) == fingerprint(db);
}

int questionCount(const QSqlDatabase& db)
{
    if (!hasIndex(db))
        return 0;
    return sql::select(db, QStringLiteral("select count(*) from search_rows")).first().value(0).toInt();
}

void build(const QSqlDatabase& db, const Progress& progress)
{
    sql::Transaction transaction(db);
    for (const char* table : {"search_text", "search_chars", "search_rows", "search_info"})
        sql::exec(db, QStringLiteral("drop table if exists ") + QLatin1String(table));
    // The texts are only matched, never read back: the page shows the bank's own.
    sql::exec(db, QStringLiteral("create virtual table search_text using fts5(stem, options, explain, grouptext, content='', "
                                 "tokenize='trigram')"));
    sql::exec(db, QStringLiteral("create virtual table search_chars using fts5(body, content='', tokenize='ascii')"));
    sql::exec(db, QStringLiteral("create table search_rows (rank integer primary key, qid integer not null, groupid integer not null, "
                                 "code integer not null)"));
    sql::exec(db, QStringLiteral("create index search_rows_qid on search_rows(qid)"));
    sql::exec(db, QStringLiteral("create table search_info (key text primary key, value text not null)"));

    const int total = sql::select(db, QStringLiteral("select count(*) from question")).first().value(0).toInt();
    QSqlQuery rows(db);
    rows.setForwardOnly(true);
    // Options are joined by a character no text holds, and split again below.
    if (!rows.exec(QStringLiteral("select q.id, q.readtextid, t.code, q.content, q.explain, r.content, "
                                  "(select group_concat(content, char(31)) from opinion where questionid=q.id) "
                                  "from question q join readtext r on r.id=q.readtextid join qtype t on t.id=r.qtypeid "
                                  "order by r.qtypeid, r.treeid, r.id, q.id")))
        throw KaivoraError(rows.lastError().text());
    QSqlQuery text(db);
    text.prepare(QStringLiteral("insert into search_text (rowid, stem, options, explain, grouptext) values (?,?,?,?,?)"));
    QSqlQuery order(db);
    order.prepare(QStringLiteral("insert into search_rows (rank, qid, groupid, code) values (?,?,?,?)"));
    QSqlQuery chars(db);
    chars.prepare(QStringLiteral("insert into search_chars (rowid, body) values (?,?)"));
    int rank = 0;
    while (rows.next()) {
        ++rank;
        const int code = rows.value(2).toInt();
        const QString stem = PlainText::of(rows.value(3).toString());
        const QString explain = PlainText::of(rows.value(4).toString());
        // Only case and matching groups show their text on the page.
        const QString group = code == kCaseCode || code == kMatchingCode ? PlainText::of(rows.value(5).toString()) : QString();
        const QString options = optionsText(rows.value(6).toString());
        insert(text, {rank, stem, options, explain, group});
        insert(order, {rank, rows.value(0), rows.value(1), code});
        QStringList tokens;
        for (const QString& field : {stem, options, explain, group})
            for (const char32_t c : field.toCaseFolded().toUcs4())
                tokens << charToken(c);
        insert(chars, {rank, tokens.join(QLatin1Char(' '))});
        if (progress && rank % kProgressStep == 0)
            progress(rank, total);
    }
    rows.finish();
    text.finish();
    order.finish();
    chars.finish();
    // Every build gets a token of its own: an index that comes back with another
    // token is another bank's, or an older one, and is checked again.
    const QString token = QUuid::createUuid().toString(QUuid::WithoutBraces);
    for (const auto& [key, value] : {std::pair{QStringLiteral("version"), kVersion}, std::pair{QStringLiteral("fingerprint"), fingerprint(db)},
                                     std::pair{QStringLiteral("token"), token}})
        sql::exec(db, QStringLiteral("insert into search_info (key, value) values (?, ?)"), {key, value});
    transaction.commit();
    if (progress)
        progress(total, total);
    QMutexLocker lock(&trustedLock());
    trusted().insert(db.databaseName(), token);
}

bool ensureCurrent(const QSqlDatabase& db, const Progress& progress)
{
    const QString token = hasIndex(db) ? info(db, QStringLiteral("token")) : QString();
    {
        QMutexLocker lock(&trustedLock());
        if (!token.isEmpty() && trusted().value(db.databaseName()) == token)
            return false;
    }
    if (!token.isEmpty() && isCurrent(db)) {
        QMutexLocker lock(&trustedLock());
        trusted().insert(db.databaseName(), token);
        return false;
    }
    build(db, progress);
    return true;
}
}
