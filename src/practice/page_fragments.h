#pragma once
#include <QSqlRecord>
#include <QString>

// The HTML fragments the question pages are built from, exactly as the pages expect them.
namespace fragments {
QString typeHeading(const QString& title);
// A group text or a numbered line: "&nbsp" + number + "." + text.
QString numberedText(const QString& number, const QString& text);
bool hasPicture(const QString& picurl);
QString picture(const QString& picurl);
// A question text that grading can mark red: number is "N. " or "M.i. ".
QString questionSpan(const QString& qid, const QString& number, const QString& content);
// The drop-down letters of a matching group: at most fifteen, "A" to "O".
QString choiceLetters(int opnum);
QString matchingSelect(const QString& qid, int opnum);
QString matchingItem(const QString& qid, int opnum, const QString& content);
// The input of one option row by type code; empty for a matching item.
QString optionInput(int typeCode, const QSqlRecord& option);
// The show-answer, favourite and error-report buttons and the hidden answer.
QString answerBlock(const QString& qid, const QString& answer, const QString& explain, bool favourite);
// The answer of the error-report page: shown at once, no buttons.
QString shownAnswer(const QString& qid, const QString& answer);
}
