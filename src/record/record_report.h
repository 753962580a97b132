#pragma once
#include "store/study_record.h"
#include <QDateTime>
#include <QString>

// The study record as a PDF: the totals, the exams' trend, the chapter table and the
// list of exams. Throws KaivoraError when the file cannot be written; a failed export
// leaves any file of that name as it was.
namespace RecordReport {
void write(const QString& path, const StudyRecord::Overview& overview, const QDateTime& madeAt);
}
