#include "practice/chapter_tree.h"
#include "store/view_mode.h"
#include "store/sql.h"
#include <QDateTime>

namespace {
QString chapterQuery(const QString& viewMode, const QString& sectionId)
{
    const QString mark = ViewMode::markColumn(viewMode);
    if (mark.isEmpty())
        return QStringLiteral("select * from tree where parentid=") + sectionId;
    return QStringLiteral("select * from tree where (parentid=") + sectionId + QStringLiteral(") and (") + mark
        + QStringLiteral("='") + QStringLiteral("1") + QStringLiteral("'") + QStringLiteral(")");
}
}

QVector<ChapterNode> readChapterTree(const QSqlDatabase& db, const QString& viewMode)
{
    QVector<ChapterNode> nodes;
    const auto roots = sql::select(db, QStringLiteral("select * from tree where code=1"));
    for (const auto& root : roots) {
        nodes.append({sql::text(root, QStringLiteral("nodename")), 0, 0});
        const auto sections = sql::select(db, QStringLiteral("select * from tree where parentid=") + sql::text(root, QStringLiteral("id")));
        for (const auto& section : sections) {
            nodes.append({sql::text(section, QStringLiteral("nodename")), 1, 0});
            const auto chapters = sql::select(db, chapterQuery(viewMode, sql::text(section, QStringLiteral("id"))));
            for (const auto& chapter : chapters)
                nodes.append({sql::text(chapter, QStringLiteral("nodename")), 2, sql::integer(chapter, QStringLiteral("id"))});
        }
    }
    return nodes;
}

QString datePanelText(const QDateTime& now)
{
    return QStringLiteral("现在的日期和时间是： ") + now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}
