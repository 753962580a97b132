// Opening the study record window on a bank with 1,000 mock exams and 10,000 self-tests,
// against a plain read of those record rows, in one run.
#include "record/study_record_window.h"
#include "store/bank_connection.h"
#include "bench_support.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include "synthetic_bank.h"
#include "synthetic_record.h"
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
using bench::median;
using bench::timed;

// Every column of every record row, walked as any reader of them must.
long long readRows(const QSqlDatabase& db)
{
    long long sum = 0;
    for (const char* statement : {"select * from jilu", "select * from jilu_tx"}) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.exec(QString::fromLatin1(statement));
        const int columns = query.record().count();
        while (query.next())
            for (int c = 0; c < columns; ++c)
                sum += query.value(c).toString().size();
    }
    return sum;
}
}

int main(int argc, char* argv[])
{
    Program::prepareEnvironment();
    QApplication app(argc, argv);
    TestFolder folder;
    SyntheticBank().generate(folder.db());
    SyntheticRecord record;
    record.generate(folder.db());

    // The window opens its own connection, so the reference does too.
    BankConnection reader(QStringLiteral("bench"));
    const auto read = [&] {
        readRows(reader.open());
        reader.close();
    };
    int chapters = 0;
    const auto open = [&] {
        StudyRecordWindow window;
        window.show();
        // Until the window, its chart and its table have been painted once.
        window.grab();
        chapters = window.overview().chapters.size();
    };
    read();
    open();

    const int runs = 9;
    QList<double> reads, opens;
    for (int i = 0; i < runs; ++i) {
        reads << timed(read);
        opens << timed(open);
    }
    const double r = median(reads), o = median(opens);
    std::printf("%d exams, %d self-tests over %d chapters; median of %d runs\n", record.exams, record.selfTests, chapters, runs);
    std::printf("plain read of the record rows: %.1f ms\n", r);
    std::printf("open_ms=%.1f ratio_open_vs_read=%.2f\n", o, o / r);
    return 0;
}
