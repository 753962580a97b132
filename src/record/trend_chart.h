#pragma once
#include "store/study_record.h"
#include <QVector>

class QChart;

// The mock exams' trend: one line per question type, the total rate and the pass line.
namespace TrendChart {
inline const QString kTotal = QStringLiteral("总正确率");
inline const QString kPassLine = QStringLiteral("及格线 60%");

// A new chart; the caller owns it. Types appear in the order the exams first list them.
QChart* build(const QVector<StudyRecord::Exam>& exams);
}
