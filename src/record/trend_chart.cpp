#include "record/trend_chart.h"
#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <iterator>
#include <limits>

namespace TrendChart {
namespace {
const QColor kTypeColours[] = {QColor(33, 118, 196), QColor(232, 140, 30), QColor(142, 84, 176), QColor(72, 160, 62),
                               QColor(120, 120, 120)};
const QColor kTeal(0, 134, 143);
constexpr int kMarkedPoints = 40;

QLineSeries* line(QChart* chart, const QString& name, const QColor& colour, qreal width, Qt::PenStyle style = Qt::SolidLine)
{
    auto* series = new QLineSeries(chart);
    series->setName(name);
    QPen pen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
    series->setPen(pen);
    return series;
}

double rate(int correct, int units)
{
    return units > 0 ? 100.0 * correct / units : 0.0;
}
}

QChart* build(const QVector<StudyRecord::Exam>& exams)
{
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));

    QVector<QLineSeries*> typeLines;
    QStringList typeNames;
    QLineSeries* total = line(chart, kTotal, kTeal, 3.2);
    qint64 first = exams.isEmpty() ? QDateTime::currentMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
    qint64 last = exams.isEmpty() ? first : std::numeric_limits<qint64>::min();
    for (const StudyRecord::Exam& exam : exams) {
        const qint64 x = exam.at.toMSecsSinceEpoch();
        first = std::min(first, x);
        last = std::max(last, x);
        for (const StudyRecord::TypeScore& score : exam.types) {
            int index = typeNames.indexOf(score.type);
            if (index < 0) {
                index = typeNames.size();
                typeNames.append(score.type);
                typeLines.append(line(chart, score.type, kTypeColours[std::min<int>(index, std::size(kTypeColours) - 1)], 1.6));
            }
            typeLines[index]->append(x, rate(score.correct, score.units));
        }
        total->append(x, rate(exam.correct, exam.units));
    }
    // A single exam still gets a readable time axis around it.
    if (last - first < 3600 * 1000) {
        first -= 12 * 3600 * 1000;
        last += 12 * 3600 * 1000;
    }
    QLineSeries* pass = line(chart, kPassLine, QColor(214, 48, 49), 1.4, Qt::DashLine);
    pass->append(first, StudyRecord::kPassPercent);
    pass->append(last, StudyRecord::kPassPercent);

    auto* xAxis = new QDateTimeAxis(chart);
    xAxis->setFormat(QStringLiteral("MM-dd"));
    xAxis->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    xAxis->setTickCount(6);
    auto* yAxis = new QValueAxis(chart);
    yAxis->setRange(0, 100);
    yAxis->setTickCount(6);
    yAxis->setLabelFormat(QStringLiteral("%d%%"));
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);

    QList<QLineSeries*> all(typeLines.begin(), typeLines.end());
    all << total << pass;
    for (QLineSeries* series : all) {
        // Points show where there are few, so that a lone exam is seen at all.
        series->setPointsVisible(series != pass && series->count() <= kMarkedPoints);
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }
    return chart;
}
}
