// The chapter page of the synthetic bank's 300-question chapter, built three ways in one run:
// (a) as the program builds it, (b) the same final HTML loaded as one static document,
// (c) the same fragments sent with one script call each.
#include "bench_page.h"
#include "bench_support.h"
#include "platform/page_view.h"
#include "practice/chapter_page.h"
#include "store/view_mode.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QElapsedTimer>
#include <cstdio>
#include <functional>

namespace {
using bench::median;
using bench::timed;
}

int main(int argc, char* argv[])
{
    Program::prepareEnvironment();
    QApplication app(argc, argv);
    bench::SyntheticChapter synthetic;
    TestFolder& folder = synthetic.folder;
    const int chapter = synthetic.id;
    bench::ShownPage shown;
    PageView& page = shown.page;

    const int runs = 15;
    const auto render = [&] { ChapterPage(folder.db(), page, ViewMode::kExercise).render(chapter); };
    timed(page, render);  // warm-up
    const QStringList fragments = page.fragmentLog();
    const QString staticPath = folder.path() + QStringLiteral("static.html");
    if (!bench::saveStatic(page, staticPath))
        return 1;
    const auto loadStatic = [&] { bench::loadStatic(page, staticPath); };
    timed(page, loadStatic);  // warm-up

    // Alternating runs, so that a slow spell of the machine weighs on both ways alike.
    QList<double> rendered, loaded;
    for (int i = 0; i < runs; ++i) {
        rendered << timed(page, render);
        loaded << timed(page, loadStatic);
    }

    QList<double> oneByOne;
    for (int i = 0; i < 3; ++i)
        oneByOne << timed(page, [&] {
            page.load(folder.path() + QStringLiteral("ty.html"));
            page.waitReady();
            for (const QString& fragment : fragments)
                page.evaluate(QStringLiteral("document.body.insertAdjacentHTML('beforeend',") + PageView::scriptLiteral(fragment) + QStringLiteral(")"));
        });

    const double a = median(rendered), b = median(loaded), c = median(oneByOne);
    std::printf("chapter %d: %lld fragments, %lld bytes of HTML\n", chapter, static_cast<long long>(fragments.size()),
                static_cast<long long>(fragments.join(QString()).toUtf8().size()));
    std::printf("median_render_ms=%.1f median_static_ms=%.1f median_per_fragment_ms=%.1f\n", a, b, c);
    std::printf("ratio_render_vs_static=%.2f ratio_per_fragment_vs_render=%.1f\n", a / b, c / a);
    return 0;
}
