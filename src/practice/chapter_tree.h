#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QVector>

// One node of the chapter tree, in depth-first creation order.
struct ChapterNode {
    QString caption;
    int level = 0;      // 0 root, 1 section, 2 chapter
    int chapterId = 0;  // tree.id of a chapter; 0 for roots and sections
};

// Reads the three-level chapter tree for a view mode. A node's position in the
// result is its absolute index; chapterId of each node is the node id table.
QVector<ChapterNode> readChapterTree(const QSqlDatabase& db, const QString& viewMode);

// "现在的日期和时间是： " followed by the local time as yyyy-mm-dd hh:nn:ss.
QString datePanelText(const class QDateTime& now);
