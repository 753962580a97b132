// Builds a question bank file from SQL sources: make_bank [--replace] OUT.db FILE.sql...
// An existing bank holds a candidate's marks and is left as it is, unless --replace.
#include "store/search_index.h"
#include "store/sql_script.h"
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool replace = args.size() > 1 && args.at(1) == QLatin1String("--replace");
    if (replace)
        args.removeAt(1);
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: make_bank [--replace] OUT.db FILE.sql...\n");
        return 2;
    }
    const QString out = args.at(1);
    if (!replace && QFile::exists(out))
        return 0;
    const QString partial = out + QStringLiteral(".part");
    QFile::remove(partial);
    int status = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make_bank"));
        db.setDatabaseName(partial);
        try {
            if (!db.open())
                throw std::runtime_error("cannot create " + partial.toStdString());
            sql::createSchema(db);
            for (int i = 2; i < args.size(); ++i) {
                QFile source(args.at(i));
                if (!source.open(QIODevice::ReadOnly))
                    throw std::runtime_error("cannot read " + args.at(i).toStdString());
                try {
                    sql::runScript(db, QString::fromUtf8(source.readAll()));
                } catch (const std::exception& e) {
                    throw std::runtime_error(args.at(i).toStdString() + ": " + e.what());
                }
            }
            // A new bank comes with its question search index.
            SearchIndex::build(db);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "make_bank: %s\n", e.what());
            status = 1;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make_bank"));
    if (status == 0) {
        QFile::remove(out);
        if (!QFile::rename(partial, out)) {
            std::fprintf(stderr, "make_bank: cannot write %s\n", qPrintable(out));
            return 1;
        }
    }
    return status;
}
