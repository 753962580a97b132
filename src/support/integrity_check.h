#pragma once
#include <QString>
#include <QStringList>
#include <atomic>

// PRAGMA integrity_check of one file, in parts that several threads take in turn:
// quick_check's look at the whole file, and table by table the agreement of each index
// with its rows. Together they check what the whole pragma checks.
class IntegrityCheck {
public:
    // Throws KaivoraError when file is no SQLite database.
    explicit IntegrityCheck(const QString& file);

    // Runs parts on a connection of its own until none is left; throws KaivoraError at
    // the first problem found, and the other threads then stop after their part.
    void work();

private:
    QString file_;
    QStringList parts_;
    std::atomic<int> next_{0};
};
