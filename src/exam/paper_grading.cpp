#include "exam/paper_grading.h"
#include "exam/answer_sheet.h"
#include "store/sql.h"

namespace {
const char* const kNames[4] = {"单项选择题", "多项选择题", "案例分析题", "配伍选择题"};

QString resultRow(const QString& name, int count, int right)
{
    const QString n = QString::number(count), r = QString::number(right);
    return QStringLiteral("<tr align=\"center\"><td>") + name + QStringLiteral("</td> <td>") + n + QStringLiteral("</td> <td>") + r
        + QStringLiteral("</td><td>") + n + QStringLiteral("</td><td>") + r + QStringLiteral("</td><td>") + PaperGrading::rate(right, count)
        + QStringLiteral("%") + QStringLiteral("</td> </tr> ");
}
}

PaperGrading::PaperGrading(const QSqlDatabase& db)
    : db_(db)
{
}

QString PaperGrading::typeName(int type)
{
    return QString::fromUtf8(kNames[type]);
}

QString PaperGrading::rate(int right, int count)
{
    // A paper without units shows 0%, not a division by zero.
    if (count <= 0)
        return QStringLiteral("0");
    const double twoDecimals = QString::asprintf("%.2f", double(right) / count).toDouble();
    return examNumberText(twoDecimals * 100);
}

PaperGrading::Result PaperGrading::grade(AnswerSheet& sheet)
{
    Result result;
    const auto rows = sql::select(db_, QStringLiteral("select * from sj"));
    for (const auto& row : rows) {
        const QString lx = sql::text(row, QStringLiteral("lx"));
        const QString cell = cellNameForTid(sql::text(row, QStringLiteral("tid")));
        const int type = lx == QLatin1String("a1") ? 0 : lx == QLatin1String("a2") ? 1 : lx == QLatin1String("a3") ? 2 : lx == QLatin1String("a4") ? 3 : -1;
        if (type < 0)
            continue;
        if (type < 3) {
            const bool right = sql::text(row, QStringLiteral("da")) == sql::text(row, QStringLiteral("tjda"));
            (right ? result[type].right : result[type].wrong) += 1;
            sheet.paintNamed(cell, right ? SheetColour::answered() : SheetColour::current());
            continue;
        }
        sheet.paintNamed(cell, SheetColour::answered());
        const auto items = sql::select(db_, QStringLiteral("select * from question where readtextid=") + sql::text(row, QStringLiteral("tgid")));
        for (const auto& item : items) {
            if (sql::text(item, QStringLiteral("answer")) == sql::text(item, QStringLiteral("lx"))) {
                ++result[3].right;
            } else {
                ++result[3].wrong;
                sheet.paintNamed(cell, SheetColour::current());
            }
        }
    }
    return result;
}

QString PaperGrading::resultTable(const Result& result)
{
    QString html = QStringLiteral("<br><br>  <table border=\"0\" align=\"center\"><tr> <th>批 阅 试 卷 结 果</th> </tr> </table>")
        + QStringLiteral("<br><br>  <table border=\"1\" align=\"center\"><tr> <th>题  型</th> <th>试 题 数</th>  <th> 答  对 </th>  "
                         "<th> 总  分 </th>  <th> 得  分 </th>  <th>正 确 率</th> </tr> ");
    int right = 0, count = 0;
    for (int t = 0; t < 4; ++t) {
        right += result[t].right;
        count += result[t].count();
        if (result[t].count() != 0)
            html += resultRow(typeName(t), result[t].count(), result[t].right);
    }
    html += resultRow(QStringLiteral("合  计"), count, right);
    return html + QStringLiteral("</table>");
}
