#pragma once
#include <QSqlDatabase>
#include <QString>

// What the practice window reads from the bank when it is created.
struct StartupValues {
    QString subjectName;   // kemu.ID of the first row
    QString subjectCode;   // kemu.mz of the first row
    QString questionCount; // geshu.kemugeshu of the first row
    bool haveSubject = false;
    bool haveCount = false;

    static QString updateAddress(const QString& host, const QString& subjectCode);
};

// Reads kemu and then geshu; stops at the first error and keeps what it got.
StartupValues readStartupValues(const QSqlDatabase& db);
