// "下一题" through a whole drawn paper of the synthetic bank (capture, type rule, the next
// page), against loading the same final page of each step as one static document.
#include "exam/exam_keys.h"
#include "exam/exam_session.h"
#include "bench_support.h"
#include "platform/page_view.h"
#include "store/bank_connection.h"
#include "support/scripted_dialogs.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include "synthetic_bank.h"
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <cstdio>

namespace {
using bench::median;
using bench::timed;

class QuietScreen : public ExamScreen {
public:
    void showDrawingNotice() override {}
    void hideDrawingNotice() override {}
    void showSheet(AnswerSheet&) override {}
    void showTotal(int) override {}
    void showProgress(int, int) override {}
    void stopClock() override {}
    void showSubmitted() override {}
    void focusNext() override {}
    bool gone() const override { return false; }
};

}

int main(int argc, char* argv[])
{
    Program::prepareEnvironment();
    QApplication app(argc, argv);
    ScriptedDialogs dialogs;
    TestFolder folder;
    SyntheticBank().generate(folder.db());
    folder.exec("update ts set txs=(case rowid when 1 then '50' when 2 then '50' else '10' end)");

    QWidget window;
    window.resize(1027, 717);
    PageView page(&window);
    page.widget()->resize(780, 497);
    window.show();
    BankConnection bank(QStringLiteral("TForm4"));
    QuietScreen screen;
    ExamSession* running = nullptr;
    ExamKeys keys(&window, [&](int key) { running->keyReleased(key); });
    ExamSession session(bank, page, screen, keys);
    running = &session;
    session.FormActivate();
    const int rows = session.rows();

    QList<double> next;
    QStringList pages;
    int kinds[4] = {0, 0, 0, 0};
    for (int step = 1; step < rows; ++step) {
        // The candidate answers, then presses "下一题".
        page.runScript(QStringLiteral("var i=document.querySelector('input');if(i)i.click();"
                                      "document.querySelectorAll('select').forEach(function(s){s.value='A';});"));
        next << timed(page, [&] { session.RzBitBtn2Click(); });
        const QString html = page.evaluate(QStringLiteral("document.documentElement.outerHTML")).toString();
        kinds[html.contains("<select") ? 3 : html.contains("<input type=\"radio\"") ? 0 : html.contains(QRegularExpression("<br>\\d+\\.\\d+\\.")) ? 2 : 1]++;
        pages << html;
    }

    QList<double> loaded;
    for (int k = 0; k < pages.size(); ++k) {
        const QString path = folder.path() + QStringLiteral("static%1.html").arg(k);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(("<!DOCTYPE html>\n" + pages.at(k)).toUtf8());
        file.close();
        loaded << timed(page, [&] {
            page.load(path);
            page.waitReady();
        });
    }

    const double a = median(next), b = median(loaded);
    std::printf("paper: %d rows; pages after next: %d single, %d multiple, %d case, %d matching; answered at the end: %s\n", rows, kinds[0],
                kinds[1], kinds[2], kinds[3], qPrintable(folder.scalar("select count(*) from sj where tjda<>''")));
    std::printf("median_static_ms=%.1f slowest_next_ms=%.1f\n", b, *std::max_element(next.begin(), next.end()));
    std::printf("median_next_ms=%.1f ratio_next_vs_static=%.2f\n", a, a / b);
    return 0;
}
