#include "store/sql_script.h"
#include "store/error.h"
#include "store/sql.h"
#include <QFile>

namespace sql {
QStringList splitScript(const QString& script)
{
    QStringList statements;
    QString current;
    bool quoted = false;
    for (int i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (!quoted && c == QLatin1Char('-') && i + 1 < script.size() && script.at(i + 1) == QLatin1Char('-')) {
            while (i < script.size() && script.at(i) != QLatin1Char('\n'))
                ++i;
            current += QLatin1Char('\n');
            continue;
        }
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty())
                statements.append(current.trimmed());
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

void runScript(const QSqlDatabase& db, const QString& script)
{
    Transaction transaction(db);
    for (const QString& statement : splitScript(script))
        exec(db, statement);
    transaction.commit();
}

void createSchema(const QSqlDatabase& db)
{
    QFile file(QStringLiteral(":/bank/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw KaivoraError(QStringLiteral("schema.sql is missing from the program"));
    runScript(db, QString::fromUtf8(file.readAll()));
}
}
