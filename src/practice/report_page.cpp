#include "practice/report_page.h"
#include "platform/feedback_form.h"
#include "platform/page_view.h"
#include "practice/page_fragments.h"
#include "store/program_folder.h"
#include "store/sql.h"

namespace {
const QString kBreak = QStringLiteral("<br>");
constexpr int kCaseCode = 8;
constexpr int kMatchingCode = 9;

struct Group {
    int code = 0;
    QString title;
    QString content;
    int opnum = 0;
};

Group readGroup(const QSqlDatabase& db, const QString& readtextId)
{
    Group group;
    const auto groups = sql::select(db, QStringLiteral("select * from readtext where id=") + readtextId + QStringLiteral(" order by qtypeid"));
    if (groups.isEmpty())
        return group;
    group.content = sql::text(groups.first(), QStringLiteral("content"));
    group.opnum = sql::integer(groups.first(), QStringLiteral("opnum"));
    const auto types = sql::select(db, QStringLiteral("select * from qtype where id=") + sql::text(groups.first(), QStringLiteral("qtypeid")));
    if (!types.isEmpty()) {
        group.code = sql::integer(types.first(), QStringLiteral("code"));
        group.title = sql::text(types.first(), QStringLiteral("title"));
    }
    return group;
}
}

void drawReportedQuestion(const QSqlDatabase& db, const QSqlRecord& question, FeedbackForm& form)
{
    PageView& page = form.reportPage();
    page.load(ProgramFolder::file(QStringLiteral("ty.html")));
    const QString qid = sql::text(question, QStringLiteral("id"));
    const QString content = sql::text(question, QStringLiteral("content"));
    const Group group = readGroup(db, sql::text(question, QStringLiteral("readtextid")));
    const int code = group.code;

    if (code >= 1 && code <= kMatchingCode) {
        page.append(fragments::typeHeading(group.title));
        page.append(kBreak);
    }
    if (code == kCaseCode || code == kMatchingCode) {
        page.append(fragments::numberedText(QStringLiteral("1"), group.content));
        page.append(kBreak);
    }
    const QString picurl = sql::text(question, QStringLiteral("picurl"));
    if (code >= 1 && code <= kCaseCode && fragments::hasPicture(picurl))
        page.append(fragments::picture(picurl));
    if (code >= 1 && code < kCaseCode)
        page.append(fragments::numberedText(QStringLiteral("1"), QStringLiteral(" ") + content));
    else if (code == kCaseCode)
        page.append(fragments::numberedText(QStringLiteral("1"), QStringLiteral("1. ") + content));
    else if (code == kMatchingCode)
        page.append(fragments::numberedText(QStringLiteral("1"), QStringLiteral("1. ") + fragments::matchingSelect(qid, group.opnum) + content));
    form.setReportedQuestion(qid, content);
    page.append(kBreak);

    for (const auto& option : sql::select(db, QStringLiteral("select * from opinion where questionid=") + qid)) {
        page.append(kBreak);
        page.append(QStringLiteral("&nbsp") + fragments::optionInput(code, option));
    }
    page.append(fragments::shownAnswer(qid, sql::text(question, QStringLiteral("answer"))));
    page.flush();
}
