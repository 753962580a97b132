#include "practice/search_page.h"
#include "platform/page_view.h"
#include "practice/question_search.h"
#include "practice/text_highlight.h"
#include "store/program_folder.h"
#include "store/sql.h"
#include <QSet>

namespace {
constexpr int kCaseCode = 8;
constexpr int kMatchingCode = 9;
// Unit, section and chapter: the tree's three levels.
constexpr int kLevels = 3;

QString headingLine(int total, const QString& text)
{
    return QStringLiteral("<div style=\"margin:0 0 16px;padding:8px 14px;background:#eef7f7;border-left:5px solid #00868f;"
                          "border-radius:4px;color:#00616a;font-size:17px\">找到 ")
        + QString::number(total) + QStringLiteral(" 道试题：") + text.toHtmlEscaped() + QStringLiteral("</div>");
}

QString chapterLine(const QString& path)
{
    return QStringLiteral("<div style=\"margin:-6px 0 18px;text-align:right;color:#5f8487;font-size:13px\">出自：") + path.toHtmlEscaped()
        + QStringLiteral("</div>");
}

QString moreLine(int more)
{
    return QStringLiteral("<div style=\"margin:10px 0;padding:8px 14px;background:#fff8e6;border-radius:4px;color:#5a4208\">另有 ")
        + QString::number(more) + QStringLiteral(" 道试题未列出，请输入更多文字缩小查找范围。</div>");
}

QString noHitLine(const QString& text)
{
    return QStringLiteral("<div style=\"margin:40px 0;text-align:center;color:#00616a;font-size:18px\">没有找到与“") + text.toHtmlEscaped()
        + QStringLiteral("”相关的试题</div>");
}
}

SearchPage::SearchPage(const QSqlDatabase& db, PageView& page, const QString& viewMode)
    : db_(db)
    , page_(page)
    , viewMode_(viewMode)
    , groups_(db, page, [this](const QString& html) { return highlighted(html, needle_); })
{
}

QString SearchPage::chapterPath(int chapterId)
{
    if (paths_.contains(chapterId))
        return paths_.value(chapterId);
    QStringList names;
    for (int id = chapterId, level = 0; id != 0 && level < kLevels; ++level) {
        const auto rows = sql::select(db_, QStringLiteral("select nodename, parentid from tree where id=?"), {id});
        if (rows.isEmpty())
            break;
        names.prepend(sql::text(rows.first(), QStringLiteral("nodename")));
        id = rows.first().value(1).toInt();
    }
    const QString path = names.join(QStringLiteral(" › "));
    paths_.insert(chapterId, path);
    return path;
}

void SearchPage::render(const SearchResult& result)
{
    needle_ = result.text;
    groups_.reset();
    page_.load(ProgramFolder::file(QStringLiteral("ty.html")));
    if (result.total == 0) {
        page_.append(noHitLine(result.text));
        page_.flush();
        return;
    }
    page_.append(headingLine(result.total, result.text));
    // Hits come in page order, so the hits of one group stand together.
    for (int first = 0; first < result.hits.size();) {
        const int groupId = result.hits.at(first).groupId;
        QSet<QString> hitIds;
        int next = first;
        for (; next < result.hits.size() && result.hits.at(next).groupId == groupId; ++next)
            hitIds.insert(QString::number(result.hits.at(next).questionId));
        first = next;

        const auto groupRows = sql::select(db_, QStringLiteral("select * from readtext where id=?"), {groupId});
        if (groupRows.isEmpty())
            continue;
        const QSqlRecord& group = groupRows.first();
        const QSqlRecord type = groups_.typeOf(group);
        const int code = sql::integer(type, QStringLiteral("code"));
        QList<QSqlRecord> questions = groupQuestions(db_, sql::text(group, QStringLiteral("id")), viewMode_);
        // A case or matching group is shown with every question of it; other groups
        // with their hits only.
        if (code != kCaseCode && code != kMatchingCode)
            questions.erase(std::remove_if(questions.begin(), questions.end(),
                                           [&hitIds](const QSqlRecord& q) { return !hitIds.contains(sql::text(q, QStringLiteral("id"))); }),
                            questions.end());
        if (questions.isEmpty())
            continue;
        groups_.append(group, code, sql::text(type, QStringLiteral("title")), questions);
        page_.append(chapterLine(chapterPath(group.value(QStringLiteral("treeid")).toInt())));
    }
    if (result.total > result.hits.size())
        page_.append(moreLine(result.total - result.hits.size()));
    page_.flush();
}
