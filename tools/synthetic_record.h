#pragma once
#include <QDateTime>
#include <QSqlDatabase>

// A generated study record for a bank that exists: mock exams and chapter self-tests
// spread over the months before `until`, the candidate slowly getting better.
// The same seed gives the same record.
struct SyntheticRecord {
    int exams = 1000;
    int selfTests = 10000;
    QDateTime until = QDateTime(QDate(2026, 12, 1), QTime(20, 0));
    unsigned seed = 20261211;

    // Appends the records in one transaction; throws on failure.
    void generate(const QSqlDatabase& db) const;
};
