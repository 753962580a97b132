#include "synthetic_record.h"
#include "store/sql.h"
#include "store/study_record.h"
#include "store/view_mode.h"
#include <QSqlRecord>
#include <QVariant>
#include <algorithm>
#include <random>
#include <stdexcept>

namespace {
// Each chapter has a skill of its own; practice lifts it a little over time.
int rightOf(std::mt19937& random, int units, double skill)
{
    std::binomial_distribution<int> draw(units, std::clamp(skill, 0.02, 0.98));
    return draw(random);
}
}

void SyntheticRecord::generate(const QSqlDatabase& db) const
{
    std::mt19937 random(seed);
    QVector<int> chapters;
    for (const QSqlRecord& row : sql::select(db, QStringLiteral(
             "select c.id from tree c join tree s on s.id = c.parentid join tree r on r.id = s.parentid and r.code = 1 order by c.id")))
        chapters.append(row.value(0).toInt());
    if (chapters.isEmpty())
        throw std::runtime_error("the bank has no chapters");
    QVector<double> skill;
    std::uniform_real_distribution<double> start(0.3, 0.85);
    for (int k = 0; k < chapters.size(); ++k)
        skill.append(start(random));

    const int total = exams + selfTests;
    const qint64 span = qint64(180) * 24 * 3600;  // half a year
    sql::Transaction transaction(db);
    StudyRecord::ensureTables(db);
    int examsLeft = exams;
    for (int k = 0; k < total; ++k) {
        const QDateTime at = until.addSecs(-span + span * k / std::max(1, total));
        const double progress = double(k) / std::max(1, total);
        const bool exam = examsLeft > 0 && (int(random() % std::max(1, total - k)) < examsLeft);
        if (exam) {
            --examsLeft;
            const double level = 0.45 + 0.3 * progress;
            const QString names[] = {QStringLiteral("单项选择题"), QStringLiteral("多项选择题"), QStringLiteral("案例分析题"), QStringLiteral("配伍选择题")};
            const int units[] = {40, 10, 15, 20};
            const double bias[] = {0.08, -0.12, -0.05, 0.0};
            StudyRecord::ExamRecord record{at, 50 + int(random() % 40), {}};
            for (int t = 0; t < 4; ++t)
                record.types.append({names[t], units[t], rightOf(random, units[t], level + bias[t])});
            StudyRecord::appendExam(db, record);
        } else {
            const int c = int(random() % chapters.size());
            skill[c] = std::min(0.97, skill[c] + 0.01);
            const int single = 10 + int(random() % 20), multiple = 2 + int(random() % 8);
            StudyRecord::appendSelfTest(db, {at, chapters.at(c), ViewMode::kExercise,
                                             {{QStringLiteral("A1型题"), single, rightOf(random, single, skill[c])},
                                              {QStringLiteral("X型题"), multiple, rightOf(random, multiple, skill[c] - 0.1)}}});
        }
    }
    transaction.commit();
}
