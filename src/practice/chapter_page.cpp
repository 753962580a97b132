#include "practice/chapter_page.h"
#include "platform/errors.h"
#include "platform/page_view.h"
#include "store/program_folder.h"
#include "store/view_mode.h"
#include "store/sql.h"

ChapterPage::ChapterPage(const QSqlDatabase& db, PageView& page, const QString& viewMode)
    : db_(db)
    , page_(page)
    , viewMode_(viewMode)
    , groups_(db, page)
{
}

QString ChapterPage::render(int chapterId)
{
    groups_.reset();
    page_.load(ProgramFolder::file(QStringLiteral("ty.html")));
    // The page view waits for the loaded shell before it sends the first fragment;
    // the chapter is read from the bank while the shell loads.
    const auto chapter = sql::select(db_, QStringLiteral("select * from tree where id=") + QString::number(chapterId));
    if (chapter.isEmpty())
        throw KaivoraError(QStringLiteral("章节不存在"));
    const QString id = sql::text(chapter.first(), QStringLiteral("id"));
    const auto groups = sql::select(db_, QStringLiteral("select * from readtext where treeid=") + id + QStringLiteral(" order by qtypeid"));
    for (const auto& group : groups) {
        const QSqlRecord type = groups_.typeOf(group);
        const auto questions = groupQuestions(db_, sql::text(group, QStringLiteral("id")), viewMode_);
        // A collection view leaves out the groups it holds nothing of.
        if (questions.isEmpty() && !ViewMode::markColumn(viewMode_).isEmpty())
            continue;
        groups_.append(group, sql::integer(type, QStringLiteral("code")), sql::text(type, QStringLiteral("title")), questions);
    }
    page_.flush();
    return id;
}
