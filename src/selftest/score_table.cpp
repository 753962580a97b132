#include "selftest/score_table.h"
#include "platform/page_view.h"
#include "store/program_folder.h"
#include "store/sql.h"
#include <cmath>

ScoreTable::ScoreTable(const QSqlDatabase& db, PageView& page)
    : db_(db)
    , page_(page)
{
}

QString ScoreTable::percentage(int right, int questions)
{
    if (questions == 0)
        return QStringLiteral("0");
    // The rate to two decimals, halves away from zero, times 100: a whole number.
    // Integer halves such as 1 of 8 are exact in floating point, so the rounding is too.
    return QString::number(static_cast<long long>(std::round(right * 100.0 / questions)));
}

QString ScoreTable::line(const QString& title, const QString& questions, const QString& right, const QString& rate)
{
    return QStringLiteral("<tr align=\"center\"><td>") + title + QStringLiteral("</td> <td>") + questions + QStringLiteral("</td> <td>") + right
        + QStringLiteral("</td><td>") + questions + QStringLiteral("</td><td>") + right + QStringLiteral("</td><td>") + rate
        + QStringLiteral("%") + QStringLiteral("</td> </tr> ");
}

void ScoreTable::render()
{
    page_.load(ProgramFolder::file(QStringLiteral("ty.html")));
    sql::exec(db_, QStringLiteral("delete from fenshu where sts='0'"));
    int allQuestions = 0;
    int allRight = 0;
    QString lines;
    for (const auto& row : sql::select(db_, QStringLiteral("select * from fenshu"))) {
        const int questions = sql::integer(row, QStringLiteral("sts"));
        const int right = sql::integer(row, QStringLiteral("dd"));
        allQuestions += questions;
        allRight += right;
        lines += line(sql::text(row, QStringLiteral("tx")), sql::text(row, QStringLiteral("sts")), sql::text(row, QStringLiteral("dd")),
                      percentage(right, questions));
    }
    lines += line(QStringLiteral("合  计"), QString::number(allQuestions), QString::number(allRight), percentage(allRight, allQuestions));
    page_.append(QStringLiteral("<p align=\"center\" class=\"TestResultTitle\" >本 次 测 试 结 果</p>"));
    // The table goes to the page in one piece: a piece of its own would be closed at once.
    page_.append(QStringLiteral("<br><br>  <table align=\"center\"  border=1 bordercolor=skyblue cellpadding=\"0\" cellspacing=\"0\" "
                                "class=\"table1\"  ><tr> <th class=\"table3\"  >题  型</th> <th class=\"table4\"  >试 题 数</th>  "
                                "<th class=\"table3\"   > 答  对 </th>  <th class=\"table3\"  > 总  分 </th>  <th class=\"table3\"  > 得  分 "
                                "</th>  <th class=\"table3\"  >正 确 率</th> </tr> ")
                 + lines + QStringLiteral("</table>"));
    page_.flush();
}
