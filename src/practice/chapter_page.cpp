#include "practice/chapter_page.h"
#include "platform/errors.h"
#include "platform/page_view.h"
#include "store/program_folder.h"
#include "practice/page_fragments.h"
#include "store/view_mode.h"
#include "store/sql.h"

namespace {
const QString kBreak = QStringLiteral("<br>");
const QString kDoubleBreak = QStringLiteral("<br><br>");
const QString kRule = QStringLiteral("<hr>");
constexpr int kCaseCode = 8;
constexpr int kMatchingCode = 9;
}

ChapterPage::ChapterPage(const QSqlDatabase& db, PageView& page, const QString& viewMode)
    : db_(db)
    , page_(page)
    , viewMode_(viewMode)
{
}

QString ChapterPage::render(int chapterId)
{
    n_ = 1;
    m_ = 0;
    caseHeaderShown_ = false;
    matchingHeaderShown_ = false;
    page_.load(ProgramFolder::file(QStringLiteral("ty.html")));
    // The page view waits for the loaded shell before it sends the first fragment;
    // the chapter is read from the bank while the shell loads.
    const auto chapter = sql::select(db_, QStringLiteral("select * from tree where id=") + QString::number(chapterId));
    if (chapter.isEmpty())
        throw KaivoraError(QStringLiteral("章节不存在"));
    const QString id = sql::text(chapter.first(), QStringLiteral("id"));
    const auto groups = sql::select(db_, QStringLiteral("select * from readtext where treeid=") + id + QStringLiteral(" order by qtypeid"));
    for (const auto& group : groups)
        renderGroup(group);
    page_.flush();
    return id;
}

QString ChapterPage::questionsQuery(const QString& groupId) const
{
    const QString mark = ViewMode::markColumn(viewMode_);
    if (mark.isEmpty())
        return QStringLiteral("select * from question where readtextid=") + groupId;
    return QStringLiteral("select * from question where (readtextid=") + groupId + QStringLiteral(") and (") + mark
        + QStringLiteral("='") + QStringLiteral("1") + QStringLiteral("'") + QStringLiteral(")");
}

void ChapterPage::renderGroup(const QSqlRecord& group)
{
    const auto type = sql::select(db_, QStringLiteral("select * from qtype where id=") + sql::text(group, QStringLiteral("qtypeid")));
    if (type.isEmpty())
        throw KaivoraError(QStringLiteral("题型不存在"));
    const int code = sql::integer(type.first(), QStringLiteral("code"));
    const QString title = sql::text(type.first(), QStringLiteral("title"));
    const auto questions = sql::select(db_, questionsQuery(sql::text(group, QStringLiteral("id"))));
    if (questions.isEmpty() && !ViewMode::markColumn(viewMode_).isEmpty())
        return;

    page_.keepLoading();
    const QString content = sql::text(group, QStringLiteral("content"));
    if (code >= 1 && code <= 7) {
        page_.append(fragments::typeHeading(title));
        page_.append(kDoubleBreak);
    } else if (code == kCaseCode || code == kMatchingCode) {
        bool& shown = code == kCaseCode ? caseHeaderShown_ : matchingHeaderShown_;
        if (!shown) {
            shown = true;
            page_.append(fragments::typeHeading(title));
            page_.append(kDoubleBreak);
        }
        page_.append(fragments::numberedText(QString::number(n_), content));
        page_.append(kDoubleBreak);
        if (code == kMatchingCode)
            ++n_;
    }
    const int opnum = code == kMatchingCode ? sql::integer(group, QStringLiteral("opnum")) : 0;
    item_ = 1;
    m_ = n_;
    for (const auto& question : questions)
        renderQuestion(question, code, opnum);
    ++m_;
    if (code == kMatchingCode)
        page_.append(kRule);
}

void ChapterPage::renderQuestion(const QSqlRecord& question, int typeCode, int opnum)
{
    page_.keepLoading();
    const QString qid = sql::text(question, QStringLiteral("id"));
    const QString content = sql::text(question, QStringLiteral("content"));
    if (typeCode >= 1 && typeCode <= kCaseCode) {
        const QString picurl = sql::text(question, QStringLiteral("picurl"));
        if (fragments::hasPicture(picurl))
            page_.append(fragments::picture(picurl) + kBreak);
        if (typeCode == kCaseCode) {
            const QString number = QString::number(m_) + QStringLiteral(".") + QString::number(item_) + QStringLiteral(". ");
            page_.append(fragments::questionSpan(qid, number, content));
            if (item_ != 1)
                --n_;
        } else {
            page_.append(fragments::questionSpan(qid, QString::number(n_) + QStringLiteral(". "), content));
        }
    } else if (typeCode == kMatchingCode) {
        --n_;
        page_.append(fragments::numberedText(QString::number(n_), QString::number(item_) + QStringLiteral(". ")
                                                                     + fragments::matchingItem(qid, opnum, content)));
    }
    page_.append(kBreak);
    ++item_;
    ++n_;

    const auto options = sql::select(db_, QStringLiteral("select * from opinion where questionid=") + qid);
    for (const auto& option : options) {
        const QString input = fragments::optionInput(typeCode, option);
        page_.append(kBreak);
        page_.append(QStringLiteral("&nbsp") + (input.isEmpty() ? input : input + kBreak));
    }
    const auto mark = sql::select(db_, QStringLiteral("select * from question where id=") + qid);
    const bool favourite = !mark.isEmpty() && sql::text(mark.first(), QStringLiteral("scbt")) == QStringLiteral("1");
    page_.append(fragments::answerBlock(qid, sql::text(question, QStringLiteral("answer")), sql::text(question, QStringLiteral("explain")),
                                        favourite));
    if (typeCode != kMatchingCode)
        page_.append(kRule);
}
