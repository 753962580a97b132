#include "practice/page_fragments.h"
#include "store/sql.h"

namespace fragments {
QString typeHeading(const QString& title)
{
    return QStringLiteral("&nbsp <b>") + title + QStringLiteral("</b>");
}

QString numberedText(const QString& number, const QString& text)
{
    return QStringLiteral("&nbsp") + number + QStringLiteral(".") + text;
}

bool hasPicture(const QString& picurl)
{
    return !picurl.trimmed().isEmpty();
}

QString picture(const QString& picurl)
{
    return QStringLiteral("&nbsp<br>") + QStringLiteral("<p> 如图所示：<img src=\"./") + picurl + QStringLiteral("\"> </p> ");
}

QString questionSpan(const QString& qid, const QString& number, const QString& content)
{
    return QStringLiteral("&nbsp <span  id ='fan") + qid + QStringLiteral("'>") + number + content + QStringLiteral("</span>");
}

QString choiceLetters(int opnum)
{
    QString letters;
    for (int k = 1; k <= opnum && k <= 15; ++k) {
        const QChar letter(QLatin1Char('A' + k - 1));
        letters += QStringLiteral("<option value=\"") + letter + QStringLiteral("\">") + letter + QStringLiteral(" ");
    }
    return letters;
}

QString matchingSelect(const QString& qid, int opnum)
{
    return QStringLiteral(" <select name=\"cars\" id=\"a") + qid + QStringLiteral("\"> <option value=\"daan\" selected>答案 ")
        + choiceLetters(opnum) + QStringLiteral("</select>");
}

QString matchingItem(const QString& qid, int opnum, const QString& content)
{
    return matchingSelect(qid, opnum) + QStringLiteral("<span id ='") + QStringLiteral("fan") + qid + QStringLiteral("'>") + content
        + QStringLiteral("</span>");
}

QString optionInput(int typeCode, const QSqlRecord& option)
{
    const QString id = sql::text(option, QStringLiteral("id"));
    const QString name = sql::text(option, QStringLiteral("questionid"));
    const QString code = sql::text(option, QStringLiteral("code"));
    const QString content = sql::text(option, QStringLiteral("content"));
    QString input;
    if (typeCode >= 1 && typeCode <= 3)
        input = QStringLiteral(" <input type=\"radio\" id=\"") + id + QStringLiteral("\"  name=\"");
    else if (typeCode >= 4 && typeCode <= 8)
        input = QStringLiteral(" <input type=\"checkbox\" id=\"") + id + QStringLiteral("\" name=\"");
    else
        return QString();
    return input + name + QStringLiteral("\" value=\"") + code + QStringLiteral("\">") + code + QStringLiteral(":") + content;
}

QString answerBlock(const QString& qid, const QString& answer, const QString& explain, bool favourite)
{
    return QStringLiteral("<div  style=\"cursor:hand;\"><tr><td width=\"100%\"> <div align=\"right\" > <input id=\"xs") + qid
        + QStringLiteral("\" onclick=\"xsda(this,'") + QStringLiteral("ansnote") + qid
        + QStringLiteral("')\" name=\"velmoxsda\" type=\"button\" value=\"显示答案\"/>")
        + QStringLiteral("<input id=\"sc\"  onclick=\"scbt(this); window.location.href='http://scbt") + qid
        + (favourite ? QStringLiteral("'\" name=\"velmoscbt\" type=\"button\" value=\"取消收藏\"/>")
                     : QStringLiteral("'\" name=\"velmoscbt\" type=\"button\" value=\"收藏本题\"/>"))
        + QStringLiteral("<input  name=\"velmoctfk\" onclick=\"window.location.href='http://ctfk") + qid
        + QStringLiteral("'\" type=\"button\" value=\"错题反馈\" /> </div>")
        + QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</div><div  class=\"Answer\" id=\"ansnote") + qid
        + QStringLiteral("\" value=\"") + answer + QStringLiteral("\" style=\"display:none\">") + QStringLiteral("正确答案：") + answer
        + QStringLiteral(" 答案解析：") + explain + QStringLiteral("</div></td></tr> ");
}

QString shownAnswer(const QString& qid, const QString& answer)
{
    return QStringLiteral("<br> <br><div class=\"Answer\" id=\"ansnote") + qid + QStringLiteral("\" value=\"") + answer
        + QStringLiteral("\" style=\"display\">") + QStringLiteral("正确答案：") + answer + QStringLiteral("</div></td></tr><br><br> ");
}
}
