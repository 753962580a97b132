#include "support/postgres_server.h"
#include "support/feedback_sender.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QUuid>
#include <pwd.h>
#include <stdexcept>
#include <unistd.h>

namespace {
const QString kBin = QStringLiteral("/usr/lib/postgresql/15/bin/");
const QString kAdminPassword = QStringLiteral("admin-test");

int freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        throw std::runtime_error("no free loopback port");
    return probe.serverPort();
}
}

PostgresServer::PostgresServer()
    : port_(freePort())
    , adminConnection_(QStringLiteral("pg-admin-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    if (geteuid() == 0) {
        // PostgreSQL refuses to run as root; its own system user owns the folder.
        const passwd* postgres = getpwnam("postgres");
        if (!postgres || chown(QFile::encodeName(dir_.path()).constData(), postgres->pw_uid, postgres->pw_gid) != 0)
            throw std::runtime_error("no postgres system user");
    }
    QFile pw(dir_.filePath(QStringLiteral("pw")));
    if (!pw.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the password file");
    pw.write(kAdminPassword.toUtf8() + '\n');
    pw.close();
    pw.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadOther);
    run(kBin + QStringLiteral("initdb"),
        {QStringLiteral("-D"), dir_.filePath(QStringLiteral("data")), QStringLiteral("-U"), QStringLiteral("postgres"),
         QStringLiteral("--pwfile=") + pw.fileName(), QStringLiteral("--auth-local=trust"), QStringLiteral("--auth-host=scram-sha-256"),
         QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C.UTF-8")});
    start();
    psql(QStringLiteral("create database vazevad;"));
    QString columns;
    for (const QString& column : FeedbackSender::columns())
        columns += QStringLiteral(", ") + column + QStringLiteral(" text");
    psql(QStringLiteral("create table durev (id serial primary key") + columns + QStringLiteral(");"
                                                                                                "create role %1 login password '%2';"
                                                                                                "grant insert on durev to %1;"
                                                                                                "grant usage on sequence durev_id_seq to %1;")
                                                                                    .arg(QLatin1String(kUser), QLatin1String(kPassword)));
}

PostgresServer::~PostgresServer()
{
    QSqlDatabase::database(adminConnection_, false).close();
    QSqlDatabase::removeDatabase(adminConnection_);
    try {
        stop();
    } catch (...) {
    }
}

QStringList PostgresServer::asPostgres(const QString& program, const QStringList& arguments) const
{
    if (geteuid() != 0)
        return QStringList{program} + arguments;
    return QStringList{QStringLiteral("runuser"), QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), program} + arguments;
}

void PostgresServer::run(const QString& program, const QStringList& arguments)
{
    const QStringList command = asPostgres(program, arguments);
    QProcess process;
    process.setWorkingDirectory(dir_.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command.first(), command.mid(1));
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw std::runtime_error(("postgres: " + command.join(' ') + "\n" + QString::fromLocal8Bit(process.readAll())).toStdString());
}

void PostgresServer::start()
{
    run(kBin + QStringLiteral("pg_ctl"),
        {QStringLiteral("-D"), dir_.filePath(QStringLiteral("data")), QStringLiteral("-l"), dir_.filePath(QStringLiteral("log")), QStringLiteral("-w"),
         QStringLiteral("-o"), QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1").arg(port_).arg(dir_.path()), QStringLiteral("start")});
}

void PostgresServer::stop()
{
    QSqlDatabase::database(adminConnection_, false).close();
    run(kBin + QStringLiteral("pg_ctl"), {QStringLiteral("-D"), dir_.filePath(QStringLiteral("data")), QStringLiteral("-w"), QStringLiteral("-m"),
                                          QStringLiteral("fast"), QStringLiteral("stop")});
}

QString PostgresServer::connectionString(const QString& password) const
{
    return QStringLiteral("DRIVER={PostgreSQL Unicode};SERVER=127.0.0.1;PORT=%1;DATABASE=vazevad;UID=%2;PWD=%3")
        .arg(port_)
        .arg(QLatin1String(kUser), password);
}

void PostgresServer::psql(const QString& statements)
{
    run(QStringLiteral("/usr/bin/psql"), {QStringLiteral("-h"), dir_.path(), QStringLiteral("-p"), QString::number(port_), QStringLiteral("-U"),
                                          QStringLiteral("postgres"), QStringLiteral("-d"),
                                          statements.startsWith(QLatin1String("create database")) ? QStringLiteral("postgres") : QStringLiteral("vazevad"),
                                          QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-q"), QStringLiteral("-c"), statements});
}

QSqlDatabase PostgresServer::admin()
{
    QSqlDatabase db = QSqlDatabase::database(adminConnection_, false);
    if (!db.isValid()) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), adminConnection_);
        db.setDatabaseName(QStringLiteral("DRIVER={PostgreSQL Unicode};SERVER=127.0.0.1;PORT=%1;DATABASE=vazevad;UID=postgres;PWD=%2")
                               .arg(port_)
                               .arg(kAdminPassword));
    }
    if (!db.isOpen() && !db.open())
        throw std::runtime_error(("admin connection: " + db.lastError().text()).toStdString());
    return db;
}

QList<QStringList> PostgresServer::rows()
{
    QSqlQuery query(admin());
    if (!query.exec(QStringLiteral("select ") + FeedbackSender::columns().join(QLatin1Char(',')) + QStringLiteral(" from durev order by id")))
        throw std::runtime_error(("durev: " + query.lastError().text()).toStdString());
    QList<QStringList> result;
    while (query.next()) {
        QStringList values;
        for (int k = 0; k < FeedbackSender::columns().size(); ++k)
            values.append(query.value(k).toString());
        result.append(values);
    }
    return result;
}
