#include "store/sql.h"
#include "store/error.h"
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace sql {
namespace {
[[noreturn]] void fail(const QSqlError& error, const QString& statement)
{
    throw KaivoraError(error.text().isEmpty() ? statement : error.text());
}

QStringList*& statementLog()
{
    static QStringList* log = nullptr;
    return log;
}

void run(QSqlQuery& query, const QString& statement, const QVariantList* values)
{
    if (statementLog())
        statementLog()->append(statement);
    bool ok = false;
    if (values) {
        ok = query.prepare(statement);
        for (const QVariant& value : *values)
            query.addBindValue(value);
        ok = ok && query.exec();
    } else {
        ok = query.exec(statement);
    }
    if (!ok)
        fail(query.lastError(), statement);
}

QList<QSqlRecord> selectRows(const QSqlDatabase& db, const QString& statement, const QVariantList* values)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    run(query, statement, values);
    QList<QSqlRecord> rows;
    while (query.next())
        rows.append(query.record());
    return rows;
}

void execute(const QSqlDatabase& db, const QString& statement, const QVariantList* values)
{
    QSqlQuery query(db);
    run(query, statement, values);
}
}

void setStatementLog(QStringList* log)
{
    statementLog() = log;
}

QList<QSqlRecord> select(const QSqlDatabase& db, const QString& statement)
{
    return selectRows(db, statement, nullptr);
}

void exec(const QSqlDatabase& db, const QString& statement)
{
    execute(db, statement, nullptr);
}

QList<QSqlRecord> select(const QSqlDatabase& db, const QString& statement, const QVariantList& values)
{
    return selectRows(db, statement, &values);
}

void exec(const QSqlDatabase& db, const QString& statement, const QVariantList& values)
{
    execute(db, statement, &values);
}

QString text(const QSqlRecord& row, const QString& column)
{
    const int index = row.indexOf(column);
    if (index < 0)
        throw KaivoraError(QStringLiteral("字段不存在：%1").arg(column));
    return row.value(index).toString();
}

int integer(const QSqlRecord& row, const QString& column)
{
    const QString value = text(row, column).trimmed();
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok)
        throw KaivoraError(QStringLiteral("“%1”不是有效的整数").arg(value));
    return number;
}

QString checkedId(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,18}$"));
    if (!digits.match(text).hasMatch())
        throw KaivoraError(QStringLiteral("无效的编号：%1").arg(text));
    return text;
}

Transaction::Transaction(const QSqlDatabase& db)
    : db_(db)
{
    if (!db_.transaction())
        fail(db_.lastError(), QStringLiteral("begin"));
}

Transaction::~Transaction()
{
    if (!done_)
        db_.rollback();
}

void Transaction::commit()
{
    if (!db_.commit())
        fail(db_.lastError(), QStringLiteral("commit"));
    done_ = true;
}
}
