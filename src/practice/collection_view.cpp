#include "practice/collection_view.h"
#include "store/view_mode.h"
#include "store/sql.h"

Collection Collection::favourites()
{
    return {QStringLiteral("scbt"), ViewMode::kFavourites, QStringLiteral("您没有收藏试题！")};
}

Collection Collection::wrongQuestions()
{
    return {QStringLiteral("ct"), ViewMode::kWrong, QStringLiteral("您没有错题！")};
}

namespace {
QString markedQuestions(const Collection& collection)
{
    return QStringLiteral("select * from question where ") + collection.questionMark + QStringLiteral("='1'");
}
}

bool collectionHasQuestions(const QSqlDatabase& db, const Collection& collection)
{
    return !sql::select(db, markedQuestions(collection)).isEmpty();
}

void rebuildChapterMarks(const QSqlDatabase& db, const Collection& collection)
{
    const QString& mark = collection.questionMark;
    sql::Transaction transaction(db);
    sql::exec(db, QStringLiteral("update tree set ") + mark + QStringLiteral("=''"));
    for (const auto& question : sql::select(db, markedQuestions(collection))) {
        const auto groups = sql::select(db, QStringLiteral("select * from readtext where id=") + sql::text(question, QStringLiteral("readtextid"))
                                                + QStringLiteral(" order by qtypeid"));
        for (const auto& group : groups)
            sql::exec(db, QStringLiteral("update tree set ") + mark + QStringLiteral("='1' where id=") + sql::text(group, QStringLiteral("treeid")));
    }
    transaction.commit();
}
