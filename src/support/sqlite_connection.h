#pragma once
#include <QString>
#include <QList>
#include <QStringList>
#include "store/error.h"

struct sqlite3;
struct sqlite3_backup;

// Raw SQLite for the bank's backup files: the online backup API works on connections,
// not on Qt's. Every failure throws KaivoraError.
namespace sqlite {
// One connection, closed with the object.
class Connection {
public:
    Connection(const QString& path, int flags);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* get() const { return db_; }
    // Lets reads go straight to the file's pages, for a connection that reads a whole file.
    void mapForReading() const;
    KaivoraError error() const;
    void exec(const QString& statement) const;
    // Every column of every row.
    QList<QStringList> rows(const QString& statement) const;
    // Every column of the first row.
    QStringList row(const QString& statement) const;
    // The given column of every row.
    QStringList column(const QString& statement, int index = 0) const;

private:
    sqlite3* db_ = nullptr;
};

// Copies the pages of from into to as one write transaction of to. Until finish() other
// connections see to as it was, and an unfinished copy is rolled back.
class PageCopy {
public:
    PageCopy(const Connection& from, const Connection& to);
    ~PageCopy();
    PageCopy(const PageCopy&) = delete;
    PageCopy& operator=(const PageCopy&) = delete;

    // Copies the next pages pages, keeping the transaction open. The caller leaves at
    // least one page for finish(): copying the last page commits.
    void copy(int pages);
    // Copies the rest and commits.
    void finish();

private:
    void step(int pages, int expected);

    sqlite3_backup* backup_;
};
}
