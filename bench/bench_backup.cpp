// Backup and restore of the 20,000-question synthetic bank with marks, against a plain
// copy of the same bank file, measured alternately in one run. Between a restore and the
// next backup the candidate marks a question, as in the program; that write is timed on
// its own, since it is the one that folds the restored pages from the log into the file.
#include "bench_support.h"
#include "store/bank_connection.h"
#include "support/bank_backup.h"
#include "support/test_folder.h"
#include "synthetic_bank.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <cstdio>

using bench::median;
using bench::timed;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    TestFolder folder;
    SyntheticBank().generate(folder.db());
    folder.exec("insert into kemu (ID, mz) values ('主管药师', '366')");
    folder.exec("update question set scbt='1' where id % 7 = 0");
    folder.exec("update question set ct='1', ct1='1' where id % 5 = 0");
    // The bank as the program holds it: in WAL mode, another connection open.
    BankConnection other(QStringLiteral("bench"));
    other.open();
    const QString bank = folder.bankPath();
    const QString copy = folder.path() + "copy.db";
    const QString backup = folder.path() + "Kaivora医药软件数据备份.db";

    const auto plainCopy = [&] {
        QFile::remove(copy);
        if (!QFile::copy(bank, copy))
            std::exit(1);
    };
    const auto makeBackup = [&] { BankBackup::backup(bank, backup); };
    const auto restore = [&] { BankBackup::restore(bank, backup); };
    QSqlQuery mark(other.open());
    const auto markAQuestion = [&] {
        if (!mark.exec(QStringLiteral("update question set scbt='1' where id=7")))
            std::exit(1);
    };
    plainCopy();
    makeBackup();
    restore();

    const int runs = 9;
    QList<double> copies, backups, restores, marks;
    for (int i = 0; i < runs; ++i) {
        copies << timed(plainCopy);
        backups << timed(makeBackup);
        restores << timed(restore);
        marks << timed(markAQuestion);
    }
    QList<double> checks, backupsAfterRestore;
    for (int i = 0; i < runs; ++i) {
        checks << timed([&] { BankBackup::checkBackup(backup); });
        restore();
        backupsAfterRestore << timed(makeBackup);
    }
    std::printf("check alone %.1f ms; the first mark after a restore %.1f ms; a backup straight after a restore %.1f ms\n",
                median(checks), median(marks), median(backupsAfterRestore));
    const double c = median(copies), b = median(backups), r = median(restores);
    const int questions = folder.scalar("select count(*) from question").toInt();
    std::printf("bank: %d questions, %lld bytes; median of %d runs\n", questions,
                static_cast<long long>(QFileInfo(bank).size()), runs);
    std::printf("plain file copy %.1f ms, backup %.1f ms, restore %.1f ms (check, safety snapshot, replace)\n", c, b, r);
    std::printf("backup_ms=%.1f restore_ms=%.1f ratio_backup_vs_copy=%.2f ratio_restore_vs_copy=%.2f\n", b, r, b / c, r / c);
    return 0;
}
