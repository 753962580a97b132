#include "record/record_texts.h"

namespace RecordTexts {
QVector<Figure> totals(const StudyRecord::Totals& t)
{
    return {{QStringLiteral("模拟考试"), t.exams, QStringLiteral("次")},
            {QStringLiteral("自测做题"), t.selfTestQuestions, QStringLiteral("道")},
            {QStringLiteral("我的收藏"), t.favourites, QStringLiteral("题")},
            {QStringLiteral("错题题库"), t.wrongBank, QStringLiteral("题")}};
}

QString percent(int value)
{
    return QString::number(value) + QLatin1Char('%');
}

QStringList chapterHeaders()
{
    return {QStringLiteral("章节"), QStringLiteral("自测次数"), QStringLiteral("最近正确率"), QStringLiteral("最好正确率"),
            QStringLiteral("错题数")};
}

QStringList chapterCells(const StudyRecord::Chapter& c)
{
    const QString name = c.name.isEmpty() ? QStringLiteral("（章节 %1）").arg(c.chapterId) : c.name;
    return {name, QString::number(c.attempts), percent(c.lastPercent), percent(c.bestPercent), QString::number(c.wrongBank)};
}

QStringList examHeaders()
{
    return {QStringLiteral("时间"), QStringLiteral("用时"), QStringLiteral("各题型答对/题数"), QStringLiteral("合计"),
            QStringLiteral("正确率")};
}

QStringList examCells(const StudyRecord::Exam& e)
{
    // The exam's type names are told apart by their first two characters (单项, 多项, 案例, 配伍).
    QStringList types;
    for (const StudyRecord::TypeScore& score : e.types)
        types.append(QStringLiteral("%1 %2/%3").arg(score.type.left(2)).arg(score.correct).arg(score.units));
    return {e.at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), QStringLiteral("%1 分钟").arg(e.minutes),
            types.join(QStringLiteral("　")), QStringLiteral("%1/%2").arg(e.correct).arg(e.units),
            percent(StudyRecord::percentOf(e.correct, e.units))};
}
}
