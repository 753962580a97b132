#include "practice/question_search.h"
#include "store/search_index.h"
#include "store/sql.h"
#include "store/view_mode.h"

namespace {
// The trigram tokenizer needs three characters; shorter texts go to the character index.
constexpr int kTrigram = 3;
constexpr int kCaseCode = 8;
constexpr int kMatchingCode = 9;

struct Statements {
    QString count;
    QString hits;      // binds the match and a row limit
    QString groupRest; // binds the match, a group and the rank after which to go on
    QString match;
};

// The phrase query for the index: quoted, with its quotes doubled, so that nothing
// in it is read as an operator.
QString trigramPhrase(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

Statements statementsFor(const QString& text, const QString& viewMode)
{
    const bool shortText = text.toUcs4().size() < kTrigram;
    const QString index = shortText ? QStringLiteral("search_chars") : QStringLiteral("search_text");
    const QString mark = ViewMode::markColumn(viewMode);
    // The index numbers its rows in page order, so the rows come sorted.
    const QString rows = QStringLiteral(" from ") + index + QStringLiteral(" s join search_rows r on r.rank=s.rowid");
    const QString match = QStringLiteral(" where ") + index + QStringLiteral(" match ?");
    const QString inView = mark.isEmpty() ? QString() : QStringLiteral(" and r.qid in (select id from question where ") + mark + QStringLiteral("='1')");
    const QString columns = QStringLiteral("select r.qid, r.groupid, r.code, r.rank");
    Statements out;
    out.count = mark.isEmpty() ? QStringLiteral("select count(*) from ") + index + match : QStringLiteral("select count(*)") + rows + match + inView;
    out.hits = columns + rows + match + inView + QStringLiteral(" order by s.rowid limit ?");
    out.groupRest = columns + rows + match + inView + QStringLiteral(" and r.groupid=? and r.rank>? order by s.rowid");
    out.match = shortText ? SearchIndex::charPhrase(text) : trigramPhrase(text);
    return out;
}
}

QuestionSearch::QuestionSearch(const QSqlDatabase& db, const QString& viewMode)
    : db_(db)
    , viewMode_(viewMode)
{
}

QString QuestionSearch::normalized(const QString& text)
{
    return text.simplified();
}

SearchResult QuestionSearch::find(const QString& typed, int shown) const
{
    SearchResult result;
    result.text = normalized(typed);
    if (result.text.isEmpty())
        return result;
    const Statements statements = statementsFor(result.text, viewMode_);
    result.total = sql::select(db_, statements.count, {statements.match}).first().value(0).toInt();
    if (result.total == 0)
        return result;
    auto take = [&result](const QList<QSqlRecord>& rows) {
        for (const auto& row : rows)
            result.hits.append({row.value(0).toInt(), row.value(1).toInt(), row.value(2).toInt()});
        return rows.isEmpty() ? 0 : rows.last().value(3).toInt();
    };
    const int lastRank = take(sql::select(db_, statements.hits, {statements.match, shown}));
    // A case or matching group is shown whole: its hits past the cut are on the page too.
    if (result.total > result.hits.size() && !result.hits.isEmpty()) {
        const SearchHit last = result.hits.last();
        if (last.typeCode == kCaseCode || last.typeCode == kMatchingCode)
            take(sql::select(db_, statements.groupRest, {statements.match, last.groupId, lastRank}));
    }
    return result;
}
