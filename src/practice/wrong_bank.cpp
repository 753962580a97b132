#include "practice/wrong_bank.h"
#include "store/sql.h"

namespace WrongBank {
namespace {
const QString kQuery = QStringLiteral("select * from question where ct='1' order by id");
}

QStringList contents(const QSqlDatabase& db)
{
    QStringList texts;
    for (const auto& row : sql::select(db, kQuery))
        texts.append(sql::text(row, QStringLiteral("content")));
    return texts;
}

void removeChecked(const QSqlDatabase& db, const QVector<bool>& checkedRows)
{
    const auto records = sql::select(db, kQuery);
    sql::Transaction transaction(db);
    for (int row = 0; row < records.size() && row < checkedRows.size(); ++row) {
        if (checkedRows.at(row))
            sql::exec(db, QStringLiteral("update question set ct='' where id=") + sql::text(records.at(row), QStringLiteral("id")));
    }
    transaction.commit();
}
}
