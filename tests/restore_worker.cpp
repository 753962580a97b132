// restore_worker BANK FILE: restores FILE into BANK, as the restore window does, in a
// process of its own, so that a test can kill it halfway.
#include "support/bank_backup.h"
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    std::printf("restoring\n");
    std::fflush(stdout);
    try {
        BankBackup::restore(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::printf("done\n");
    return 0;
}
