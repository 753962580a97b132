#include "support/bank_backup.h"
#include "store/bank_connection.h"
#include "store/error.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>
#include <cstdio>
#include <exception>
#include <optional>
#include <thread>
#include <unistd.h>
#include <sqlite3.h>

namespace {
constexpr int kBusyTimeoutMs = 5000;

// One raw SQLite connection: the online backup API works on connections, not on Qt's.
class Connection {
public:
    Connection(const QString& path, int flags)
    {
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr);
        if (rc != SQLITE_OK) {
            const QString text = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(rc));
            sqlite3_close_v2(db_);
            throw KaivoraError(text + QStringLiteral(": ") + path);
        }
        sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    }
    ~Connection() { sqlite3_close_v2(db_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* get() const { return db_; }
    KaivoraError error() const { return KaivoraError(QString::fromUtf8(sqlite3_errmsg(db_))); }

    void exec(const QString& statement) const
    {
        char* message = nullptr;
        if (sqlite3_exec(db_, statement.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
            const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(db_));
            sqlite3_free(message);
            throw KaivoraError(text);
        }
    }

    // The given column of every row.
    QStringList column(const QString& statement, int index = 0) const
    {
        sqlite3_stmt* query = nullptr;
        if (sqlite3_prepare_v2(db_, statement.toUtf8().constData(), -1, &query, nullptr) != SQLITE_OK)
            throw error();
        QStringList values;
        int rc;
        while ((rc = sqlite3_step(query)) == SQLITE_ROW)
            values.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(query, index))));
        sqlite3_finalize(query);
        if (rc != SQLITE_DONE)
            throw error();
        return values;
    }

private:
    sqlite3* db_ = nullptr;
};

// Copies every page of from into to as one write transaction of to.
void copyPages(const Connection& from, const Connection& to)
{
    sqlite3_backup* backup = sqlite3_backup_init(to.get(), "main", from.get(), "main");
    if (!backup)
        throw to.error();
    const int step = sqlite3_backup_step(backup, -1);
    const int finish = sqlite3_backup_finish(backup);
    if (step != SQLITE_DONE || finish != SQLITE_OK)
        throw KaivoraError(QString::fromUtf8(sqlite3_errstr(step != SQLITE_DONE ? step : finish)));
}

// The tables and columns the program reads and writes, from its own schema.
QHash<QString, QStringList> bankColumns()
{
    QFile file(QStringLiteral(":/bank/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw KaivoraError(QStringLiteral("schema.sql is missing from the program"));
    Connection schema(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY);
    schema.exec(QString::fromUtf8(file.readAll()));
    QHash<QString, QStringList> columns;
    for (const QString& table : schema.column(QStringLiteral("select name from sqlite_master where type='table' and name not like 'sqlite%'")))
        columns.insert(table, schema.column(QStringLiteral("select name from pragma_table_info('%1')").arg(table)));
    return columns;
}

// A file beside target that becomes target only when it is complete.
class PartFile {
public:
    explicit PartFile(const QString& target)
        : file_(target + QStringLiteral(".XXXXXX"))
        , target_(target)
    {
        if (!file_.open())
            throw KaivoraError(file_.errorString() + QStringLiteral(": ") + target);
        file_.close();
    }
    QString path() const { return file_.fileName(); }
    void commit()
    {
        // rename() replaces the target in one step; the old file stays until then.
        if (std::rename(QFile::encodeName(path()).constData(), QFile::encodeName(target_).constData()) != 0)
            throw KaivoraError(QStringLiteral("cannot replace ") + target_);
    }

private:
    QTemporaryFile file_;
    QString target_;
};

// Reads go straight to the file's pages.
void mapForReading(const Connection& connection)
{
    connection.exec(QStringLiteral("PRAGMA mmap_size=268435456"));
}

void writeSnapshot(const QString& bankPath, const QString& to)
{
    {
        Connection bank(bankPath, SQLITE_OPEN_READWRITE);
        mapForReading(bank);
        Connection copy(to, SQLITE_OPEN_READWRITE);
        // The part file becomes the snapshot only when it is whole and on disk, so
        // its writing needs neither a journal nor a sync of every step.
        copy.exec(QStringLiteral("PRAGMA journal_mode=OFF"));
        copy.exec(QStringLiteral("PRAGMA synchronous=OFF"));
        copyPages(bank, copy);
    }
    QFile file(to);
    if (!file.open(QIODevice::ReadWrite))
        throw KaivoraError(file.errorString());
    // The pages came from a bank in WAL mode; the header marks the snapshot as a
    // single self-contained file, opened without a log beside it.
    if (!file.seek(18) || file.write("\x01\x01", 2) != 2 || !file.flush() || ::fsync(file.handle()) != 0)
        throw KaivoraError(QStringLiteral("cannot write ") + to);
}
}

namespace BankBackup {
QString safetySnapshotPath(const QString& bankPath)
{
    return QFileInfo(bankPath).absoluteDir().filePath(QStringLiteral("Kaivora医药软件数据备份-恢复前.db"));
}

void backup(const QString& bankPath, const QString& target)
{
    const QString problem = BankConnection::problemWith(bankPath);
    if (!problem.isEmpty())
        throw KaivoraError(problem);
    if (target.trimmed().isEmpty() || QFileInfo(target).isDir())
        throw KaivoraError(QStringLiteral("no backup file named"));
    PartFile part(target);
    writeSnapshot(bankPath, part.path());
    part.commit();
}

void checkBackup(const QString& file)
{
    const QString problem = BankConnection::problemWith(file);
    if (!problem.isEmpty())
        throw KaivoraError(problem);
    Connection backup(file, SQLITE_OPEN_READONLY);
    mapForReading(backup);
    const QStringList integrity = backup.column(QStringLiteral("PRAGMA integrity_check"));
    if (integrity != QStringList{QStringLiteral("ok")})
        throw KaivoraError(QStringLiteral("damaged backup: ") + integrity.join(QLatin1Char('\n')));
    const auto expected = bankColumns();
    for (auto table = expected.cbegin(); table != expected.cend(); ++table) {
        const QStringList present = backup.column(QStringLiteral("select name from pragma_table_info('%1')").arg(table.key()));
        const QSet<QString> have(present.cbegin(), present.cend());
        for (const QString& name : table.value())
            if (!have.contains(name))
                throw KaivoraError(QStringLiteral("not a question bank: %1.%2 is missing").arg(table.key(), name));
    }
}

void restore(const QString& bankPath, const QString& file)
{
    // The check of the chosen file and the snapshot of the bank as it is read different
    // files: they run side by side. The snapshot gets its name only after the restore,
    // so that restoring the previous snapshot itself reads it before it is replaced.
    std::exception_ptr checkFailed;
    std::thread checker([&] {
        try {
            checkBackup(file);
        } catch (...) {
            checkFailed = std::current_exception();
        }
    });
    std::exception_ptr snapshotFailed;
    std::optional<PartFile> safety;
    try {
        safety.emplace(safetySnapshotPath(bankPath));
        writeSnapshot(bankPath, safety->path());
    } catch (...) {
        snapshotFailed = std::current_exception();
    }
    checker.join();
    if (checkFailed)
        std::rethrow_exception(checkFailed);
    if (snapshotFailed)
        std::rethrow_exception(snapshotFailed);
    {
        Connection backup(file, SQLITE_OPEN_READONLY);
        mapForReading(backup);
        Connection bank(bankPath, SQLITE_OPEN_READWRITE);
        copyPages(backup, bank);
    }
    safety->commit();
}
}
