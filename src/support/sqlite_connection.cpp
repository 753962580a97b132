#include "support/sqlite_connection.h"
#include "store/error.h"
#include <QFile>
#include <sqlite3.h>

namespace sqlite {
namespace {
constexpr int kBusyTimeoutMs = 5000;

KaivoraError failure(int rc)
{
    return KaivoraError(QString::fromUtf8(sqlite3_errstr(rc)));
}
}

Connection::Connection(const QString& path, int flags)
{
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString text = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close_v2(db_);
        throw KaivoraError(text + QStringLiteral(": ") + path);
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
}

Connection::~Connection()
{
    sqlite3_close_v2(db_);
}

void Connection::mapForReading() const
{
    // Silently: without the mapping, reads go through the connection's cache.
    sqlite3_exec(db_, "PRAGMA mmap_size=268435456", nullptr, nullptr, nullptr);
}

KaivoraError Connection::error() const
{
    return KaivoraError(QString::fromUtf8(sqlite3_errmsg(db_)));
}

void Connection::exec(const QString& statement) const
{
    char* message = nullptr;
    if (sqlite3_exec(db_, statement.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(db_));
        sqlite3_free(message);
        throw KaivoraError(text);
    }
}

QList<QStringList> Connection::rows(const QString& statement) const
{
    sqlite3_stmt* query = nullptr;
    if (sqlite3_prepare_v2(db_, statement.toUtf8().constData(), -1, &query, nullptr) != SQLITE_OK)
        throw error();
    QList<QStringList> rows;
    int rc;
    while ((rc = sqlite3_step(query)) == SQLITE_ROW) {
        QStringList values;
        for (int i = 0; i < sqlite3_column_count(query); ++i)
            values.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(query, i))));
        rows.append(values);
    }
    sqlite3_finalize(query);
    if (rc != SQLITE_DONE)
        throw error();
    return rows;
}

QStringList Connection::row(const QString& statement) const
{
    return rows(statement).value(0);
}

QStringList Connection::column(const QString& statement, int index) const
{
    QStringList values;
    for (const QStringList& row : rows(statement))
        values.append(row.value(index));
    return values;
}

PageCopy::PageCopy(const Connection& from, const Connection& to)
    : backup_(sqlite3_backup_init(to.get(), "main", from.get(), "main"))
{
    if (!backup_)
        throw to.error();
}

PageCopy::~PageCopy()
{
    if (backup_)
        sqlite3_backup_finish(backup_);
}

void PageCopy::copy(int pages)
{
    step(pages, SQLITE_OK);
}

void PageCopy::finish()
{
    step(-1, SQLITE_DONE);
    const int rc = sqlite3_backup_finish(backup_);
    backup_ = nullptr;
    if (rc != SQLITE_OK)
        throw failure(rc);
}

void PageCopy::step(int pages, int expected)
{
    const int rc = sqlite3_backup_step(backup_, pages);
    if (rc != expected)
        throw failure(rc);
}
}
