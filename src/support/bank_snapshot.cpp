#include "support/bank_snapshot.h"
#include "support/sqlite_connection.h"
#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {
bool writeAll(int out, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(out, data, static_cast<size_t>(size));
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// Copies the first bytes of in to out's position: in the kernel where both files allow
// it, through a buffer where they do not (a target on another file system). False when
// in is shorter.
bool copyBytes(int in, int out, qint64 bytes)
{
    off_t from = 0;
    while (from < bytes) {
        const ssize_t copied = ::copy_file_range(in, &from, out, nullptr, static_cast<size_t>(bytes - from), 0);
        if (copied == 0)
            return false;
        if (copied < 0 && errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            throw KaivoraError(QString::fromLocal8Bit(std::strerror(errno)));
        if (copied < 0)
            break;
    }
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    while (from < bytes) {
        const ssize_t read = ::pread(in, buffer.data(), static_cast<size_t>(std::min<qint64>(buffer.size(), bytes - from)), from);
        if (read <= 0)
            return false;
        if (!writeAll(out, buffer.constData(), read))
            throw KaivoraError(QString::fromLocal8Bit(std::strerror(errno)));
        from += read;
    }
    return true;
}

// Copies the bank file's own bytes to out, or returns false where the file alone does
// not hold the bank as it is. A reader keeps its view for as long as its transaction
// lasts, and SQLite lets no checkpoint write into the file beyond what that reader sees;
// once a checkpoint has put the whole log into the file, the file is the reader's view.
bool copyWholeFile(const QString& bankPath, int out)
{
    const sqlite::Connection reader(bankPath, SQLITE_OPEN_READWRITE);
    reader.exec(QStringLiteral("BEGIN"));
    const qint64 bytes = reader.column(QStringLiteral("PRAGMA page_count")).value(0).toLongLong()
        * reader.column(QStringLiteral("PRAGMA page_size")).value(0).toLongLong();
    const sqlite::Connection checkpointer(bankPath, SQLITE_OPEN_READWRITE);
    // Frames in the log, and how many of them are in the file; a reader elsewhere may hold some back.
    const QStringList state = checkpointer.row(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
    bool copied = false;
    if (state.size() == 3 && state.at(1) == state.at(2)) {
        QFile file(bankPath);
        copied = file.open(QIODevice::ReadOnly) && copyBytes(file.handle(), out, bytes);
    }
    reader.exec(QStringLiteral("COMMIT"));
    return copied;
}

// The snapshot through SQLite's pages, changes still in the log included.
QByteArray pagesOf(const QString& bankPath)
{
    const sqlite::Connection bank(bankPath, SQLITE_OPEN_READWRITE);
    bank.mapForReading();
    const sqlite::Connection memory(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY);
    sqlite::PageCopy(bank, memory).finish();
    sqlite3_int64 size = 0;
    unsigned char* bytes = sqlite3_serialize(memory.get(), "main", &size, 0);
    if (!bytes)
        throw memory.error();
    const QByteArray content(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    sqlite3_free(bytes);
    return content;
}
}

namespace BankSnapshot {
void startWriting(int file)
{
    // Silently: this only starts early what the sync does in any case.
    ::sync_file_range(file, 0, 0, SYNC_FILE_RANGE_WRITE);
}

void write(const QString& bankPath, const QString& to)
{
    QFile file(to);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw KaivoraError(file.errorString() + QStringLiteral(": ") + to);
    const int out = file.handle();
    if (!copyWholeFile(bankPath, out)) {
        const QByteArray pages = pagesOf(bankPath);
        if (::ftruncate(out, 0) != 0 || ::lseek(out, 0, SEEK_SET) != 0 || !writeAll(out, pages.constData(), pages.size()))
            throw KaivoraError(QStringLiteral("cannot write ") + to);
    }
    // The bank is in WAL mode; the header marks the snapshot as a single self-contained
    // file, opened without a log beside it.
    if (::pwrite(out, "\x01\x01", 2, 18) != 2)
        throw KaivoraError(QStringLiteral("cannot write ") + to);
    startWriting(out);
}

void sync(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || ::fsync(file.handle()) != 0)
        throw KaivoraError(QStringLiteral("cannot write ") + path);
}
}
