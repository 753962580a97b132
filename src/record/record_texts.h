#pragma once
#include "store/study_record.h"
#include <QString>
#include <QStringList>
#include <QVector>

// The texts the record window and its PDF report share.
namespace RecordTexts {
inline const QString kTitle = QStringLiteral("学习记录");
inline const QString kExamsEmpty = QStringLiteral(
    "还没有模拟考试的记录。在“人机对话”或“模拟考场”中交卷后，每次考试的成绩都会画进这里的走势图。");
inline const QString kChaptersEmpty = QStringLiteral(
    "还没有章节自测的记录。在章节页面上答题后点“提交试卷”，这一章的成绩就会记在这里，最薄弱的章节排在最前面。");
inline const QString kAllEmpty = QStringLiteral(
    "这里还没有学习记录。\n\n每次模拟考试交卷、每次在章节页面上点“提交试卷”，都会在这里记下一次成绩："
    "模拟考试画成成绩走势图，章节自测汇成章节表，最薄弱的章节排在最前面。\n\n先去做一章题目试试吧！");

struct Figure {
    QString caption;
    int value;
    QString unit;
};
QVector<Figure> totals(const StudyRecord::Totals& totals);

QString percent(int value);
QStringList chapterHeaders();
QStringList chapterCells(const StudyRecord::Chapter& chapter);
QStringList examHeaders();
QStringList examCells(const StudyRecord::Exam& exam);
}
