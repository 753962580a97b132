#include "practice/question_groups.h"
#include "platform/page_view.h"
#include "practice/page_fragments.h"
#include "store/error.h"
#include "store/sql.h"
#include "store/view_mode.h"

namespace {
const QString kBreak = QStringLiteral("<br>");
const QString kDoubleBreak = QStringLiteral("<br><br>");
const QString kRule = QStringLiteral("<hr>");
constexpr int kCaseCode = 8;
constexpr int kMatchingCode = 9;
}

QList<QSqlRecord> groupQuestions(const QSqlDatabase& db, const QString& groupId, const QString& viewMode)
{
    return sql::select(db, ViewMode::groupQuestionsStatement(viewMode, groupId));
}

QuestionGroups::QuestionGroups(const QSqlDatabase& db, PageView& page, TextMark mark)
    : db_(db)
    , page_(page)
    , mark_(std::move(mark))
{
}

void QuestionGroups::reset()
{
    n_ = 1;
    m_ = 0;
    caseHeaderShown_ = false;
    matchingHeaderShown_ = false;
}

QString QuestionGroups::marked(const QString& html) const
{
    return mark_ ? mark_(html) : html;
}

QSqlRecord QuestionGroups::typeOf(const QSqlRecord& group) const
{
    const auto type = sql::select(db_, QStringLiteral("select * from qtype where id=") + sql::text(group, QStringLiteral("qtypeid")));
    if (type.isEmpty())
        throw KaivoraError(QStringLiteral("题型不存在"));
    return type.first();
}

void QuestionGroups::append(const QSqlRecord& group, int code, const QString& title, const QList<QSqlRecord>& questions)
{
    page_.keepLoading();
    const QString content = marked(sql::text(group, QStringLiteral("content")));
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
        appendQuestion(question, code, opnum);
    ++m_;
    if (code == kMatchingCode)
        page_.append(kRule);
}

void QuestionGroups::appendQuestion(const QSqlRecord& question, int typeCode, int opnum)
{
    page_.keepLoading();
    const QString qid = sql::text(question, QStringLiteral("id"));
    const QString content = marked(sql::text(question, QStringLiteral("content")));
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
    for (auto option : options) {
        if (mark_)
            option.setValue(QStringLiteral("content"), marked(sql::text(option, QStringLiteral("content"))));
        const QString input = fragments::optionInput(typeCode, option);
        page_.append(kBreak);
        page_.append(QStringLiteral("&nbsp") + (input.isEmpty() ? input : input + kBreak));
    }
    const auto mark = sql::select(db_, QStringLiteral("select * from question where id=") + qid);
    const bool favourite = !mark.isEmpty() && sql::text(mark.first(), QStringLiteral("scbt")) == QStringLiteral("1");
    page_.append(fragments::answerBlock(qid, sql::text(question, QStringLiteral("answer")),
                                        marked(sql::text(question, QStringLiteral("explain"))), favourite));
    if (typeCode != kMatchingCode)
        page_.append(kRule);
}
