// Grading the synthetic bank's 300-question chapter with every question answered, about
// half of them wrongly, measured in one run against (a) reading every answer element with
// a script call of its own and (b) building the same page.
#include "bench_page.h"
#include "bench_support.h"
#include "platform/page_view.h"
#include "practice/chapter_page.h"
#include "selftest/page_grading.h"
#include "store/bank_connection.h"
#include "store/sql.h"
#include "store/view_mode.h"
#include "support/test_main.h"
#include <cstdio>
#include <functional>

namespace {
struct Answers {
    QString script;            // ticks and picks every question, every other one wrongly
    QStringList optionIds;     // the elements a grading reads, in page order
    QStringList selectIds;
    int questions = 0;
};

Answers answersFor(const QSqlDatabase& db, int chapter)
{
    Answers out;
    const auto groups = sql::select(db, QStringLiteral("select r.id, t.code from readtext r join qtype t on t.id = r.qtypeid where r.treeid = %1 "
                                                       "order by r.qtypeid").arg(chapter));
    for (const auto& group : groups) {
        const bool matching = group.value(1).toInt() == 9;
        for (const auto& question : sql::select(db, QStringLiteral("select id, answer from question where readtextid=") + group.value(0).toString())) {
            const QString qid = question.value(0).toString();
            const QString answer = question.value(1).toString().trimmed();
            const bool wrong = out.questions++ % 2 == 1;
            if (matching) {
                const QString letter = wrong ? (answer == QLatin1String("A") ? QStringLiteral("B") : QStringLiteral("A")) : answer;
                out.script += QStringLiteral("document.getElementById('a%1').value='%2';").arg(qid, letter);
                out.selectIds << QStringLiteral("a") + qid;
                continue;
            }
            // A wrong answer moves every letter of the bank's answer one on: C for B, A for E.
            QString given = answer;
            if (wrong)
                for (QChar& letter : given)
                    letter = letter == QLatin1Char('E') ? QLatin1Char('A') : QChar(letter.unicode() + 1);
            for (const auto& option : sql::select(db, QStringLiteral("select id, code from opinion where questionid=") + qid)) {
                const QString id = option.value(0).toString();
                if (given.contains(option.value(1).toString()))
                    out.script += QStringLiteral("document.getElementById('%1').click();").arg(id);
                out.optionIds << id;
            }
        }
    }
    return out;
}
}

int main(int argc, char* argv[])
{
    Program::prepareEnvironment();
    QApplication app(argc, argv);
    bench::SyntheticChapter synthetic;
    const int chapter = synthetic.id;
    bench::ShownPage shown;
    PageView& page = shown.page;

    // The bank as the program opens it.
    BankConnection bank(QStringLiteral("bench"));
    const QSqlDatabase db = bank.open();
    const Answers answers = answersFor(db, chapter);
    const auto render = [&] { ChapterPage(db, page, ViewMode::kExercise).render(chapter); };
    const auto grade = [&] { return PageGrading(db, page, ViewMode::kExercise).grade(QString::number(chapter)); };
    // One script call per element, as a grading that asked the page element by element would.
    const auto perElement = [&] {
        QStringList values;
        for (const QString& id : answers.optionIds)
            values << page.evaluate(QStringLiteral("(function(e){return e.checked?e.value:'';})(document.getElementById(%1))")
                                        .arg(PageView::scriptLiteral(id)))
                          .toString();
        for (const QString& id : answers.selectIds)
            values << page.evaluate(QStringLiteral("document.getElementById(%1).value").arg(PageView::scriptLiteral(id))).toString();
        return values;
    };

    render();  // warm-up
    page.evaluate(answers.script);
    GradingOutcome outcome = grade();

    const int runs = 9;
    QList<double> rendered, graded, oneByOne;
    for (int i = 0; i < runs; ++i) {
        rendered << bench::timed(page, render);
        page.evaluate(answers.script);
        graded << bench::timed(page, [&] { outcome = grade(); });
        if (i < 3)
            oneByOne << bench::timed(page, perElement);
    }

    const double g = bench::median(graded), r = bench::median(rendered), e = bench::median(oneByOne);
    std::printf("chapter %d: %d questions, %d right, %lld option inputs, %lld drop-downs\n", chapter, outcome.questions, outcome.right,
                static_cast<long long>(answers.optionIds.size()), static_cast<long long>(answers.selectIds.size()));
    std::printf("median_grade_ms=%.1f median_per_element_read_ms=%.1f median_render_ms=%.1f\n", g, e, r);
    std::printf("grade_ms=%.1f ratio_per_element_vs_grade=%.1f ratio_grade_vs_render=%.2f\n", g, e / g, g / r);
    return 0;
}
