// Appends a generated study record to a bank that exists: add_record BANK.db EXAMS SELFTESTS
// For trying the record window and for screenshots; never run it on a candidate's bank.
#include "synthetic_record.h"
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool examsOk = false, testsOk = false;
    SyntheticRecord record;
    if (args.size() == 4) {
        record.exams = args.at(2).toInt(&examsOk);
        record.selfTests = args.at(3).toInt(&testsOk);
    }
    if (!examsOk || !testsOk || !QFile::exists(args.value(1))) {
        std::fprintf(stderr, "usage: add_record BANK.db EXAMS SELFTESTS   (the bank must exist)\n");
        return 2;
    }
    record.until = QDateTime::currentDateTime();
    int status = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("add_record"));
        db.setDatabaseName(args.at(1));
        try {
            if (!db.open())
                throw std::runtime_error("cannot open the bank");
            record.generate(db);
            std::printf("add_record: %d exams and %d self-tests added to %s\n", record.exams, record.selfTests, qPrintable(args.at(1)));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "add_record: %s\n", e.what());
            status = 1;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("add_record"));
    return status;
}
