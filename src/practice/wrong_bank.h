#pragma once
#include <QSqlDatabase>
#include <QStringList>
#include <QVector>

// The wrong-question bank: every question whose ct mark is set, in id order.
namespace WrongBank {
QStringList contents(const QSqlDatabase& db);
// Reads the bank afresh and clears ct of the records whose row is checked;
// row i stands for record i + 1, and a record without a row is left alone.
void removeChecked(const QSqlDatabase& db, const QVector<bool>& checkedRows);
}
