#include "support/test_folder.h"
#include "store/program_folder.h"
#include "store/sql.h"
#include "store/sql_script.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QUuid>
#include <stdexcept>

namespace {
void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files);
    while (it.hasNext()) {
        it.next();
        QFile::copy(it.filePath(), to + QLatin1Char('/') + it.fileName());
    }
}
}

TestFolder::TestFolder(const QString& sqlText)
    : connection_(QStringLiteral("test-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    QDir(dir_.path()).mkpath(QStringLiteral("Data"));
    QFile::copy(QStringLiteral(KAIVORA_ASSETS "/ty.html"), dir_.filePath(QStringLiteral("ty.html")));
    QFile::copy(QStringLiteral(KAIVORA_ASSETS "/kaivora.ini"), dir_.filePath(QStringLiteral("kaivora.ini")));
    // Tests never reach the network: the start-up update check asks a port nobody serves.
    setUpdateHost(QStringLiteral("127.0.0.1:9"));
    copyTree(QStringLiteral(KAIVORA_PROGRAM_DIR "/tp"), dir_.filePath(QStringLiteral("tp")));
    copyTree(QStringLiteral(KAIVORA_PROGRAM_DIR "/pic"), dir_.filePath(QStringLiteral("pic")));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        db.setDatabaseName(bankPath());
        if (!db.open())
            throw std::runtime_error("cannot create the test bank");
        sql::createSchema(db);
        if (!sqlText.isEmpty())
            sql::runScript(db, sqlText);
    }
    ProgramFolder::override(dir_.path());
}

TestFolder::~TestFolder()
{
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
    ProgramFolder::override(QString());
}

QString TestFolder::path() const
{
    return dir_.path() + QLatin1Char('/');
}

QString TestFolder::bankPath() const
{
    return dir_.filePath(QStringLiteral("Data/med.db"));
}

QSqlDatabase TestFolder::db()
{
    return QSqlDatabase::database(connection_);
}

QString TestFolder::scalar(const QString& statement)
{
    const auto rows = sql::select(db(), statement);
    return rows.isEmpty() ? QString() : rows.first().value(0).toString();
}

void TestFolder::exec(const QString& statement)
{
    sql::exec(db(), statement);
}

void TestFolder::setUpdateHost(const QString& host)
{
    setSetting(QStringLiteral("update"), QStringLiteral("host"), host);
}

void TestFolder::setSetting(const QString& section, const QString& key, const QString& value)
{
    QFile file(dir_.filePath(QStringLiteral("kaivora.ini")));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("no kaivora.ini");
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    const QRegularExpression line(QStringLiteral("(\\[") + QRegularExpression::escape(section) + QStringLiteral("\\][^\\[]*?\n")
                                  + QRegularExpression::escape(key) + QStringLiteral("=)[^\n]*"));
    if (!line.match(text).hasMatch())
        throw std::runtime_error("kaivora.ini has no such setting");
    // Semicolons start a comment unless the value is quoted.
    const QString written = value.contains(QLatin1Char(';')) ? QLatin1Char('"') + value + QLatin1Char('"') : value;
    text.replace(line, QStringLiteral("\\1") + QString(written).replace(QLatin1Char('\\'), QStringLiteral("\\\\")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write kaivora.ini");
    file.write(text.toUtf8());
}

namespace fixture {
namespace {
QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}
}

QString node(int id, const QString& name, int parent, int code)
{
    return QStringLiteral("insert into tree (id, nodename, parentid, code) values (%1, %2, %3, %4);\n")
        .arg(id).arg(quoted(name)).arg(parent).arg(code);
}

QString group(int id, int chapter, int qtypeid, const QString& content, int opnum)
{
    return QStringLiteral("insert into readtext (id, treeid, qtypeid, content, itemnum, opnum) values (%1, %2, %3, %4, 0, %5);\n")
        .arg(id).arg(chapter).arg(qtypeid).arg(quoted(content)).arg(opnum);
}

QString question(int id, int group, const QString& content, const QString& answer, const QString& picurl, const QString& scbt,
                 const QString& ct)
{
    return QStringLiteral("insert into question (id, readtextid, content, answer, explain, picurl, itemnum, scbt, ct) "
                          "values (%1, %2, %3, %4, %5, %6, 0, %7, %8);\n")
        .arg(id).arg(group).arg(quoted(content), quoted(answer), quoted(QStringLiteral("解析%1").arg(id)), quoted(picurl), quoted(scbt), quoted(ct));
}

QString options(int firstId, int question, int count)
{
    QString text;
    for (int k = 0; k < count; ++k)
        text += QStringLiteral("insert into opinion (id, questionid, code, content) values (%1, %2, '%3', '选项%4');\n")
                    .arg(firstId + k).arg(question).arg(QChar('A' + k)).arg(k + 1);
    return text;
}

QString item(int id, int group, int itemnum, const QString& content, const QString& answer, const QString& lx)
{
    return QStringLiteral("insert into question (id, readtextid, content, answer, itemnum, lx) values (%1, %2, %3, %4, %5, %6);\n")
        .arg(id).arg(group).arg(quoted(content), quoted(answer)).arg(itemnum).arg(quoted(lx));
}

QString examCounts(int single, int multiple, int cases, int matching)
{
    return QStringLiteral("insert into ts (txs, fg) values ('%1','%1'),('%2',''),('%3',''),('%4','');\n").arg(single).arg(multiple).arg(cases).arg(matching);
}

QString types()
{
    QString text;
    for (int id = 3; id <= 11; ++id)
        text += QStringLiteral("insert into qtype (id, code, title) values (%1, %2, '题型%1');\n").arg(id).arg(id - 2);
    return text;
}
}
