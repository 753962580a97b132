#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Splits SQL text into statements (quotes and comments respected) and runs them.
namespace sql {
QStringList splitScript(const QString& script);
void runScript(const QSqlDatabase& db, const QString& script);
// The bank's tables and indexes, on an empty database.
void createSchema(const QSqlDatabase& db);
}
