#include "support/integrity_check.h"
#include "support/sqlite_connection.h"
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <algorithm>
#include <sqlite3.h>

namespace {
struct Part {
    QString statement;
    qint64 cost;
};

// Rows of table, or 0 where it has no rowid to ask.
qint64 rowsOf(const sqlite::Connection& file, const QString& table)
{
    try {
        return file.column(QStringLiteral("select max(rowid) from %1").arg(table)).value(0).toLongLong();
    } catch (const KaivoraError&) {
        return 0;
    }
}

// The parts, the costliest first so that no long part is left for last. A table's part
// costs a look at each row per index, quick_check's walk over every page about half a
// look at each row.
QStringList partsOf(const QString& file)
{
    const sqlite::Connection connection(file, SQLITE_OPEN_READONLY);
    const QStringList tables = connection.column(QStringLiteral("select name from sqlite_master where type='table'"));
    // A table name goes into a statement only when it is a plain identifier; a file with
    // any other is checked whole.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    QHash<QString, qint64> indexes;
    for (const QString& table : connection.column(QStringLiteral("select tbl_name from sqlite_master where type='index'")))
        ++indexes[table];
    QList<Part> parts;
    qint64 allRows = 0;
    for (const QString& table : tables) {
        if (!plain.match(table).hasMatch())
            return {QStringLiteral("PRAGMA integrity_check")};
        const qint64 rows = rowsOf(connection, table);
        parts.append({QStringLiteral("PRAGMA integrity_check(%1)").arg(table), rows * (1 + indexes.value(table))});
        allRows += rows;
    }
    parts.append({QStringLiteral("PRAGMA quick_check"), allRows / 2});
    std::stable_sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) { return a.cost > b.cost; });
    QStringList statements;
    for (const Part& part : parts)
        statements << part.statement;
    return statements;
}
}

IntegrityCheck::IntegrityCheck(const QString& file)
    : file_(file)
    , parts_(partsOf(file))
{
}

void IntegrityCheck::work()
{
    try {
        const sqlite::Connection connection(file_, SQLITE_OPEN_READONLY);
        connection.mapForReading();
        for (int part = next_++; part < parts_.size(); part = next_++) {
            const QStringList result = connection.column(parts_.at(part));
            if (result != QStringList{QStringLiteral("ok")})
                throw KaivoraError(QStringLiteral("damaged file: ") + result.join(QLatin1Char('\n')));
        }
    } catch (...) {
        next_ = parts_.size();
        throw;
    }
}
