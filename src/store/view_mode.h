#pragma once
#include <QString>

// The practice window's view mode is the caption text of the tree panel.
namespace ViewMode {
inline const QString kAdvanced = QStringLiteral("高 级 试 题");
inline const QString kExercise = QStringLiteral("习 题 集");
inline const QString kFavourites = QStringLiteral("收 藏 试 题");
inline const QString kWrong = QStringLiteral("错 题 题 库");

// The question mark a collection view filters by, or empty for the full bank.
inline QString markColumn(const QString& mode)
{
    if (mode == kFavourites)
        return QStringLiteral("scbt");
    if (mode == kWrong)
        return QStringLiteral("ct");
    return QString();
}

// The questions of one reading-text group as the view shows them.
inline QString groupQuestionsStatement(const QString& mode, const QString& groupId)
{
    const QString mark = markColumn(mode);
    if (mark.isEmpty())
        return QStringLiteral("select * from question where readtextid=") + groupId;
    return QStringLiteral("select * from question where (readtextid=") + groupId + QStringLiteral(") and (") + mark
        + QStringLiteral("='") + QStringLiteral("1") + QStringLiteral("'") + QStringLiteral(")");
}
}
