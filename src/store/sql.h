#pragma once
#include <QList>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The statements are plain text; these run them and read their columns.
// Every failure throws KaivoraError with the engine's text.
namespace sql {
QList<QSqlRecord> select(const QSqlDatabase& db, const QString& statement);
void exec(const QSqlDatabase& db, const QString& statement);
// The same with "?" placeholders bound to values in order: for every value that
// comes from outside the program (typed text, ids from page links, file names).
QList<QSqlRecord> select(const QSqlDatabase& db, const QString& statement, const QVariantList& values);
void exec(const QSqlDatabase& db, const QString& statement, const QVariantList& values);
// While set, every statement run through this namespace is appended to the log, for tests.
void setStatementLog(QStringList* log);

// A column as text; null reads as empty.
QString text(const QSqlRecord& row, const QString& column);
// A column converted from decimal text; throws when it is not a number.
int integer(const QSqlRecord& row, const QString& column);
// An id that came from outside the program, checked before it is spliced into SQL.
QString checkedId(const QString& text);

// Runs all statements as one transaction: either all take effect or none.
class Transaction {
public:
    explicit Transaction(const QSqlDatabase& db);
    ~Transaction();
    void commit();

private:
    QSqlDatabase db_;
    bool done_ = false;
};
}
