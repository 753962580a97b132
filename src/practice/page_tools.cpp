#include "practice/page_tools.h"

namespace PageTools {
QString answersScript(const QString& caption)
{
    return QStringLiteral("function showallans(){var tmpd;  var allnum =10000; var i;  for (i=1;i<=allnum;i++) { "
                          "tmpd=document.getElementById(\"xs\"+i);if ((tmpd!=null)&&(tmpd.value=='")
        + caption + QStringLiteral("')) tmpd.click(); }\t} showallans();");
}

QString showAllScript()
{
    return answersScript(QStringLiteral("显示答案"));
}

QString hideAllScript()
{
    return answersScript(QStringLiteral("隐藏答案"));
}

FontStep largerFont(int level)
{
    FontStep step;
    step.level = level + 1;
    if (step.level < 12)
        step.fontSize = step.level + 14;
    else
        step.message = QStringLiteral("不能将字体设置过大！");
    return step;
}

FontStep smallerFont(int level)
{
    FontStep step;
    step.level = level - 1;
    if (step.level > 0) {
        step.fontSize = step.level + 12;
    } else {
        step.level = 0;
        step.message = QStringLiteral("不能将字体设置过小！");
    }
    return step;
}
}
