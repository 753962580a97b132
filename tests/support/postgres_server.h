#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

// A PostgreSQL server of the test's own on a free loopback port, in a temporary
// folder, run as the postgres system user when the test runs as root. It holds
// database vazevad with the feedback table durev and an insert-only account.
class PostgresServer {
public:
    static constexpr const char* kUser = "kaivora";
    static constexpr const char* kPassword = "kaivora-test";

    PostgresServer();
    ~PostgresServer();

    void start();
    void stop();
    int port() const { return port_; }
    // The ODBC string the program is given in kaivora.ini.
    QString connectionString(const QString& password = QString::fromLatin1(kPassword)) const;
    // Runs statements as the administrator, through psql.
    void psql(const QString& statements);
    // The administrator's own ODBC connection to vazevad, for checks.
    QSqlDatabase admin();
    // Every row of durev as its fourteen values, in the order they arrived.
    QList<QStringList> rows();

private:
    QStringList asPostgres(const QString& program, const QStringList& arguments) const;
    void run(const QString& program, const QStringList& arguments);

    QTemporaryDir dir_;
    int port_ = 0;
    QString adminConnection_;
};
