#include "store/bank_connection.h"
#include "store/error.h"
#include "store/program_folder.h"
#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QAtomicInt counter;
constexpr int kBusyTimeoutMs = 5000;
}

BankConnection::BankConnection(const QString& owner)
    : name_(owner + QLatin1Char('#') + QString::number(counter.fetchAndAddRelaxed(1)))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(bankPath());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
}

BankConnection::~BankConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

QString BankConnection::bankPath()
{
    return ProgramFolder::file(QStringLiteral("Data/med.db"));
}

QString BankConnection::problemWith(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("题库文件不存在：%1").arg(path);
    if (!info.isFile() || !info.isReadable())
        return QStringLiteral("题库文件无法读取：%1").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(16) != QByteArray("SQLite format 3\0", 16))
        return QStringLiteral("题库文件已损坏或不是题库：%1").arg(path);
    return QString();
}

QSqlDatabase BankConnection::open()
{
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (db.isOpen())
        return db;
    // SQLite would create a missing file; the bank must never be replaced by an empty one.
    const QString problem = problemWith(db.databaseName());
    if (!problem.isEmpty())
        throw KaivoraError(problem);
    if (!db.open())
        throw KaivoraError(db.lastError().text());
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    return db;
}

void BankConnection::close()
{
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    db.close();
}

QSqlDatabase BankConnection::reopen()
{
    close();
    return open();
}

QSqlDatabase BankConnection::db() const
{
    return QSqlDatabase::database(name_, false);
}

bool BankConnection::isOpen() const
{
    return db().isOpen();
}
