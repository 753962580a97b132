// Writes the large synthetic bank: gen_bank OUT.db
#include "store/sql_script.h"
#include "synthetic_bank.h"
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: gen_bank OUT.db\n");
        return 2;
    }
    const QString out = app.arguments().at(1);
    QFile::remove(out);
    int status = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("gen_bank"));
        db.setDatabaseName(out);
        try {
            if (!db.open())
                throw std::runtime_error("cannot create output");
            sql::createSchema(db);
            const int big = SyntheticBank().generate(db);
            std::printf("gen_bank: %s written, 300-question chapter id %d\n", qPrintable(out), big);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "gen_bank: %s\n", e.what());
            status = 1;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("gen_bank"));
    return status;
}
