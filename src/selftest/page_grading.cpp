#include "selftest/page_grading.h"
#include "platform/page_view.h"
#include "store/error.h"
#include "store/sql.h"
#include "store/view_mode.h"
#include <QHash>

namespace {
const QString kMatchingCode = QStringLiteral("9");
const QString kMatchingTitle = QStringLiteral("五个公用备选多个题每题一个选项9");
const QString kCaseTitle = QStringLiteral("阅读案例多个问题8");
const QString kTypeBTitle = QStringLiteral("B型题配伍选择题");
const QString kA3A4Title = QStringLiteral("A3/A4型题：每个案例至少有3个提问，每个提问有4-12个备选答案，其中正确答案有一个或多个。");

// One value per id: a drop-down's chosen value, a ticked input's value, the empty
// text for an input left unticked, null where the page has no such element.
QString answersScript(const QStringList& ids)
{
    return QStringLiteral("(function(ids){return ids.map(function(id){var e=document.getElementById(id);if(!e)return null;"
                          "if(e.tagName==='SELECT')return String(e.value);return e.checked?String(e.value):'';});})(")
        + PageView::scriptLiterals(ids) + QStringLiteral(");");
}

QStringList readAnswers(PageView& page, const QStringList& ids)
{
    if (ids.isEmpty())
        return {};
    const QVariantList values = page.evaluate(answersScript(ids)).toList();
    if (values.size() != ids.size())
        throw PageError(QStringLiteral("页面没有应答"));
    QStringList answers;
    answers.reserve(values.size());
    for (int k = 0; k < values.size(); ++k) {
        const QVariant& value = values.at(k);
        if (!value.isValid() || value.isNull())
            throw KaivoraError(QStringLiteral("页面上没有元素 ") + ids.at(k));
        answers.append(value.toString());
    }
    return answers;
}

void insertScore(const QSqlDatabase& db, const QString& title, int questions, int right)
{
    sql::exec(db, QStringLiteral("insert into fenshu (tx, sts, dd) values (?, ?, ?)"),
              {title, QString::number(questions), QString::number(right)});
}
}

PageGrading::PageGrading(const QSqlDatabase& db, PageView& page, const QString& viewMode)
    : db_(db)
    , page_(page)
    , viewMode_(viewMode)
{
}

QVector<PageGrading::Group> PageGrading::readChapter(const QString& chapterId) const
{
    const auto chapter = sql::select(db_, QStringLiteral("select * from tree where id=") + sql::checkedId(chapterId));
    if (chapter.isEmpty())
        throw KaivoraError(QStringLiteral("章节不存在"));
    const QString rid0 = sql::text(chapter.first(), QStringLiteral("id"));
    QVector<Group> groups;
    QStringList choiceIds;
    for (const auto& text : sql::select(db_, QStringLiteral("select * from readtext where treeid=") + rid0 + QStringLiteral(" order by qtypeid"))) {
        const auto type = sql::select(db_, QStringLiteral("select * from qtype where id=") + sql::text(text, QStringLiteral("qtypeid")));
        if (type.isEmpty())
            throw KaivoraError(QStringLiteral("题型不存在"));
        const bool matching = sql::text(type.first(), QStringLiteral("code")) == kMatchingCode;
        Group group;
        group.title = sql::text(type.first(), QStringLiteral("title"));
        const QString rid = sql::text(text, QStringLiteral("id"));
        for (const auto& row : sql::select(db_, ViewMode::groupQuestionsStatement(viewMode_, rid))) {
            Question question;
            question.id = sql::text(row, QStringLiteral("id"));
            question.answer = sql::text(row, QStringLiteral("answer"));
            if (matching)
                question.elementIds.append(QStringLiteral("a") + question.id);
            else
                choiceIds.append(question.id);
            group.questions.append(question);
        }
        groups.append(group);
    }
    if (choiceIds.isEmpty())
        return groups;
    // The options of all questions in one read, each question's in the order of its rows.
    QHash<QString, QStringList> options;
    for (const auto& option : sql::select(db_, QStringLiteral("select * from opinion where questionid in (") + choiceIds.join(QLatin1Char(','))
                                                   + QStringLiteral(") order by questionid, id")))
        options[sql::text(option, QStringLiteral("questionid"))].append(sql::text(option, QStringLiteral("id")));
    for (Group& group : groups)
        for (Question& question : group.questions)
            if (question.elementIds.isEmpty())
                question.elementIds = options.value(question.id);
    return groups;
}

GradingOutcome PageGrading::grade(const QString& chapterId, const JoinedWrites& joined)
{
    const QVector<Group> groups = readChapter(chapterId);

    // Every answer of the page in one read, before anything is written.
    QStringList ids;
    for (const Group& group : groups)
        for (const Question& question : group.questions)
            ids += question.elementIds;
    const QStringList values = readAnswers(page_, ids);

    GradingOutcome outcome;
    outcome.chapterId = chapterId;
    QVector<int> rightPerGroup;
    int at = 0;
    for (const Group& group : groups) {
        int right = 0;
        for (const Question& question : group.questions) {
            // Ticked codes are joined in the order of the option rows.
            QString collected;
            for (int k = 0; k < question.elementIds.size(); ++k)
                collected += values.at(at++);
            if (collected.trimmed() == question.answer.trimmed())
                ++right;
            else
                outcome.wrongIds.append(question.id);
            ++outcome.questions;
        }
        rightPerGroup.append(right);
        outcome.right += right;
    }

    sql::Transaction transaction(db_);
    // Only the marked rows: rewriting the whole bank would cost more than all the rest.
    sql::exec(db_, QStringLiteral("update question set ct1='' where ct1<>''"));
    sql::exec(db_, QStringLiteral("delete from fenshu"));
    if (!outcome.wrongIds.isEmpty())
        sql::exec(db_, QStringLiteral("update question set ct='1', ct1='1' where id in (") + outcome.wrongIds.join(QLatin1Char(','))
                           + QLatin1Char(')'));
    writeScores(groups, rightPerGroup);
    if (joined)
        joined(db_, outcome);
    QStringList numbers;
    for (const QString& id : outcome.wrongIds)
        numbers.append(QStringLiteral("fan") + id);
    if (!numbers.isEmpty())
        page_.writeProperty(numbers, QStringLiteral("color"), QStringLiteral("red"));
    transaction.commit();
    return outcome;
}

void PageGrading::writeScores(const QVector<Group>& groups, const QVector<int>& rightPerGroup) const
{
    for (int k = 0; k < groups.size(); ++k)
        insertScore(db_, groups.at(k).title, groups.at(k).questions.size(), rightPerGroup.at(k));
    merge(kMatchingTitle, false);
    merge(kCaseTitle, false);
    merge(kTypeBTitle, true);
    merge(kA3A4Title, true);
}

// The rows of one title become one row at the end of the table.
void PageGrading::merge(const QString& title, bool always) const
{
    const auto rows = sql::select(db_, QStringLiteral("select * from fenshu where tx='") + title + QStringLiteral("'"));
    if (rows.isEmpty() && !always)
        return;
    int questions = 0;
    int right = 0;
    for (const auto& row : rows) {
        questions += sql::integer(row, QStringLiteral("sts"));
        right += sql::integer(row, QStringLiteral("dd"));
    }
    sql::exec(db_, (always ? QStringLiteral("delete from fenshu  where tx='") : QStringLiteral("delete from fenshu where tx='")) + title
                       + QStringLiteral("'"));
    insertScore(db_, title, questions, right);
}
