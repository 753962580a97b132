#include "app/startup_values.h"
#include "platform/errors.h"
#include "store/sql.h"

QString StartupValues::updateAddress(const QString& host, const QString& subjectCode)
{
    return QStringLiteral("http://") + host + QStringLiteral("/ziziviv/") + subjectCode + QStringLiteral("/Predate.ini");
}

StartupValues readStartupValues(const QSqlDatabase& db)
{
    StartupValues values;
    // An unreadable subject or count leaves the designed texts on show; start-up goes on.
    runSilently([&] {
        const auto kemu = sql::select(db, QStringLiteral("select * from kemu"));
        if (kemu.isEmpty())
            throw KaivoraError(QStringLiteral("kemu is empty"));
        values.subjectName = sql::text(kemu.first(), QStringLiteral("ID"));
        values.subjectCode = sql::text(kemu.first(), QStringLiteral("mz"));
        values.haveSubject = true;
        const auto geshu = sql::select(db, QStringLiteral("select * from geshu"));
        if (geshu.isEmpty())
            throw KaivoraError(QStringLiteral("geshu is empty"));
        values.questionCount = sql::text(geshu.first(), QStringLiteral("kemugeshu"));
        values.haveCount = true;
    });
    return values;
}
