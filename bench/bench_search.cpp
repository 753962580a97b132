// The question search on the 20,000-question synthetic bank, measured in one run:
// (a) 100 searches of one to six characters drawn from the bank's own text, through the
//     index, against the same searches as LIKE '%…%' scans over the same columns;
// (b) the results page of a 200-hit search, built as the program builds it, against the
//     same final HTML loaded as one static document.
#include "bench_support.h"
#include "platform/page_view.h"
#include "practice/question_search.h"
#include "practice/search_page.h"
#include "store/plain_text.h"
#include "store/search_index.h"
#include "store/sql.h"
#include "store/view_mode.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include "synthetic_bank.h"
#include <QSqlError>
#include <QSqlQuery>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>

namespace {
using bench::median;
using bench::timed;

// Texts of one to six characters cut from random questions' stems, options,
// explanations and group texts.
QStringList drawQueries(const QSqlDatabase& db, int count)
{
    QStringList texts;
    QSqlQuery rows(db);
    rows.exec(QStringLiteral("select q.content, q.explain, r.content, (select group_concat(content, ' ') from opinion where questionid=q.id) "
                             "from question q join readtext r on r.id=q.readtextid"));
    QList<QStringList> fields;
    while (rows.next())
        fields.append({rows.value(0).toString(), rows.value(1).toString(), rows.value(2).toString(), rows.value(3).toString()});
    std::mt19937 random(20261211);
    QStringList queries;
    while (queries.size() < count) {
        const QStringList& row = fields.at(int(random() % fields.size()));
        const QString text = PlainText::of(row.at(int(random() % row.size())));
        const int length = 1 + int(random() % 6);
        if (text.size() < length)
            continue;
        const QString query = text.mid(int(random() % (text.size() - length + 1)), length).simplified();
        if (query.size() == length)
            queries << query;
    }
    return queries;
}

// The same search without the index: LIKE over the stems, explanations, group texts and
// options, in page order, counted and cut as the search is.
int likeScan(const QSqlDatabase& db, const QString& text, int shown)
{
    QString pattern = text;
    pattern.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('%'), QStringLiteral("\\%")).replace(QLatin1Char('_'), QStringLiteral("\\_"));
    pattern = QLatin1Char('%') + pattern + QLatin1Char('%');
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "select q.id, q.readtextid from question q join readtext r on r.id=q.readtextid join qtype t on t.id=r.qtypeid "
        "where q.content like ? escape '\\' or q.explain like ? escape '\\' or (t.code in (8,9) and r.content like ? escape '\\') "
        "or q.id in (select questionid from opinion where content like ? escape '\\') order by r.qtypeid, r.treeid, r.id, q.id"));
    for (int i = 0; i < 4; ++i)
        query.addBindValue(pattern);
    if (!query.exec())
        throw std::runtime_error(query.lastError().text().toStdString());
    int total = 0;
    QVector<int> first;
    while (query.next()) {
        if (++total <= shown)
            first.append(query.value(0).toInt());
    }
    return total;
}
}

int main(int argc, char* argv[])
{
    Program::prepareEnvironment();
    QApplication app(argc, argv);
    TestFolder folder;
    SyntheticBank().generate(folder.db());
    const QSqlDatabase db = folder.db();
    const double buildMs = timed([&] { SearchIndex::build(db); });
    const int questions = sql::select(db, QStringLiteral("select count(*) from question")).first().value(0).toInt();
    std::printf("bank: %d questions; index built in %.0f ms\n", questions, buildMs);
    const double checkMs = timed([&] { SearchIndex::isCurrent(db); });

    const QStringList queries = drawQueries(db, 100);
    const QuestionSearch search(db, ViewMode::kExercise);
    for (int i = 0; i < 5; ++i) {  // warm-up
        search.find(queries.at(i));
        likeScan(db, queries.at(i), QuestionSearch::kShown);
    }
    QList<double> searched, scanned;
    int mismatches = 0;
    for (const QString& text : queries) {
        SearchResult result;
        int total = 0;
        // The program trusts an index it has checked once, so each search pays this lookup only.
        searched << timed([&] {
            SearchIndex::ensureCurrent(db);
            result = search.find(text);
        });
        scanned << timed([&] { total = likeScan(db, text, QuestionSearch::kShown); });
        if (total != result.total)
            ++mismatches;
    }
    QList<double> shortSearched, longSearched;
    for (int i = 0; i < queries.size(); ++i)
        (queries.at(i).size() < 3 ? shortSearched : longSearched) << searched.at(i);
    std::printf("searches: %lld, of them %lld shorter than three characters; %d counts differ from the scan's\n",
                static_cast<long long>(queries.size()), static_cast<long long>(shortSearched.size()), mismatches);
    std::printf("median_short_ms=%.2f median_long_ms=%.2f median_scan_ms=%.2f max_search_ms=%.2f first_check_ms=%.1f\n",
                median(shortSearched), median(longSearched), median(scanned), *std::max_element(searched.begin(), searched.end()), checkMs);

    // A search with well over 200 hits: the page shows the first 200.
    QWidget window;
    PageView page(&window);
    page.widget()->resize(1000, 700);
    window.resize(1000, 700);
    window.show();
    const QString text = QStringLiteral("合成题干");
    const auto results = [&] {
        SearchPage(db, page, ViewMode::kExercise).render(search.find(text));
        page.evaluate(QStringLiteral("document.body.scrollHeight"));
    };
    results();  // warm-up
    const qsizetype fragments = page.fragmentLog().size();
    const SearchResult shown = search.find(text);
    const QString staticPath = folder.path() + QStringLiteral("static.html");
    if (!bench::saveStatic(page, staticPath))
        return 1;
    const auto loadStatic = [&] {
        bench::loadStatic(page, staticPath);
        page.evaluate(QStringLiteral("document.body.scrollHeight"));
    };
    loadStatic();
    QList<double> built, loaded;
    // Alternating runs, so that a slow spell of the machine weighs on both ways alike.
    for (int i = 0; i < 15; ++i) {
        built << timed(results);
        loaded << timed(loadStatic);
    }
    std::printf("results page \"%s\": %d found, %lld shown, %lld fragments; median_results_ms=%.1f median_static_ms=%.1f\n",
                qPrintable(text), shown.total, static_cast<long long>(shown.hits.size()), static_cast<long long>(fragments),
                median(built), median(loaded));
    std::printf("median_search_ms=%.2f ratio_scan_vs_search=%.1f ratio_results_vs_static=%.2f\n", median(searched),
                median(scanned) / median(searched), median(built) / median(loaded));
    return 0;
}
