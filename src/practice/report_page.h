#pragma once
#include <QSqlDatabase>
#include <QSqlRecord>

class FeedbackForm;

// Draws one question into the error-report window's page: number 1 (1.1 inside a
// case or matching group), its options and its answer shown at once, no buttons.
// The question becomes the window's reported question.
void drawReportedQuestion(const QSqlDatabase& db, const QSqlRecord& question, FeedbackForm& form);
