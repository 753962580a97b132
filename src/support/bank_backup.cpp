#include "support/bank_backup.h"
#include "store/bank_connection.h"
#include "store/error.h"
#include "support/bank_snapshot.h"
#include "support/integrity_check.h"
#include "support/part_file.h"
#include "support/sqlite_connection.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <fcntl.h>
#include <future>
#include <sqlite3.h>
#include <unistd.h>

namespace {
void requireSqliteFile(const QString& path)
{
    const QString problem = BankConnection::problemWith(path);
    if (!problem.isEmpty())
        throw KaivoraError(problem);
}

// The tables and columns the program reads and writes, from its own schema.
QHash<QString, QStringList> bankColumns()
{
    QFile file(QStringLiteral(":/bank/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw KaivoraError(QStringLiteral("schema.sql is missing from the program"));
    sqlite::Connection schema(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY);
    schema.exec(QString::fromUtf8(file.readAll()));
    QHash<QString, QStringList> columns;
    for (const QString& table : schema.column(QStringLiteral("select name from sqlite_master where type='table' and name not like 'sqlite%'")))
        columns.insert(table, schema.column(QStringLiteral("select name from pragma_table_info('%1')").arg(table)));
    return columns;
}

void requireBankTables(const QString& file)
{
    const sqlite::Connection backup(file, SQLITE_OPEN_READONLY);
    // The program's schema does not change while it runs.
    static const auto expected = bankColumns();
    for (auto table = expected.cbegin(); table != expected.cend(); ++table) {
        const QStringList present = backup.column(QStringLiteral("select name from pragma_table_info('%1')").arg(table.key()));
        const QSet<QString> have(present.cbegin(), present.cend());
        for (const QString& name : table.value())
            if (!have.contains(name))
                throw KaivoraError(QStringLiteral("not a question bank: %1.%2 is missing").arg(table.key(), name));
    }
}

// The bank's write-ahead log, put on disk while a copy still writes into it, so that the
// commit's own sync has little left to do.
class LogWriteback {
public:
    explicit LogWriteback(const QString& bankPath)
        : path_(QFile::encodeName(bankPath + QStringLiteral("-wal")))
    {
    }
    ~LogWriteback()
    {
        if (log_ >= 0)
            ::close(log_);
    }
    LogWriteback(const LogWriteback&) = delete;
    LogWriteback& operator=(const LogWriteback&) = delete;

    void start()
    {
        if (open())
            BankSnapshot::startWriting(log_);
    }
    void finish()
    {
        // Silently: the commit syncs the log again and reports a failure itself.
        if (open())
            ::fdatasync(log_);
    }

private:
    bool open()
    {
        if (log_ < 0)
            log_ = ::open(path_.constData(), O_RDONLY | O_CLOEXEC);
        return log_ >= 0;
    }

    QByteArray path_;
    int log_ = -1;
};

constexpr int kPagesPerChunk = 256;
}

namespace BankBackup {
QString safetySnapshotPath(const QString& bankPath)
{
    return QFileInfo(bankPath).absoluteDir().filePath(QStringLiteral("Kaivora医药软件数据备份-恢复前.db"));
}

void backup(const QString& bankPath, const QString& target)
{
    requireSqliteFile(bankPath);
    if (target.trimmed().isEmpty() || QFileInfo(target).isDir())
        throw KaivoraError(QStringLiteral("no backup file named"));
    PartFile part(target);
    BankSnapshot::write(bankPath, part.path());
    BankSnapshot::sync(part.path());
    part.commit();
}

void checkBackup(const QString& file)
{
    requireSqliteFile(file);
    IntegrityCheck integrity(file);
    auto beside = std::async(std::launch::async, [&integrity] { integrity.work(); });
    integrity.work();
    beside.get();
    requireBankTables(file);
}

void restore(const QString& bankPath, const QString& file)
{
    requireSqliteFile(file);
    // The chosen file is held in one read transaction, so that the check and the copy
    // read the same content.
    const sqlite::Connection source(file, SQLITE_OPEN_READONLY);
    source.mapForReading();
    source.exec(QStringLiteral("BEGIN"));
    const int pages = source.column(QStringLiteral("PRAGMA page_count")).value(0).toInt();
    const sqlite::Connection bank(bankPath, SQLITE_OPEN_READWRITE);
    // Pages spill into the log while the check runs, so that the commit has little left to write.
    bank.exec(QStringLiteral("PRAGMA cache_size=64"));
    // The restored pages stay in the log until the program's next write folds them into
    // the file, as SQLite does after any large write; the candidate does not wait for it here.
    sqlite3_db_config(bank.get(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);

    // A second thread checks the file from the start; this one joins it once the safety
    // snapshot and all but the last page are written and on disk. The copy commits only
    // once the whole check has passed.
    IntegrityCheck integrity(file);
    auto beside = std::async(std::launch::async, [&integrity] { integrity.work(); });
    // The snapshot gets its name only after the restore, so that restoring the previous
    // snapshot itself reads it before it is replaced.
    PartFile safety(safetySnapshotPath(bankPath));
    BankSnapshot::write(bankPath, safety.path());
    sqlite::PageCopy copy(source, bank);
    LogWriteback log(bankPath);
    for (int left = pages - 1; left > 0; left -= kPagesPerChunk) {
        copy.copy(std::min(left, kPagesPerChunk));
        log.start();
    }
    BankSnapshot::sync(safety.path());
    log.finish();
    integrity.work();
    beside.get();
    requireBankTables(file);
    copy.finish();
    safety.commit();
}
}
