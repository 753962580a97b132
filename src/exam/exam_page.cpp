#include "exam/exam_page.h"
#include "platform/page_view.h"
#include "store/program_folder.h"
#include "store/sql.h"
#include <QStringList>

namespace {
QString field(const QSqlRecord& row, const char* column)
{
    return sql::text(row, QString::fromLatin1(column));
}

// One script for all restored answers, run after the page's fragments.
class Restore {
public:
    void tick(const QString& id) { script_ += QStringLiteral("e=document.getElementById(%1);if(e)e.checked=true;").arg(PageView::scriptLiteral(id)); }
    void choose(const QString& id, const QString& value)
    {
        script_ += QStringLiteral("e=document.getElementById(%1);if(e)e.value=%2;").arg(PageView::scriptLiteral(id), PageView::scriptLiteral(value));
    }
    void run(PageView& page) const
    {
        if (!script_.isEmpty())
            page.runScript(QStringLiteral("(function(){var e;") + script_ + QStringLiteral("})();"));
    }

private:
    QString script_;
};
}

ExamPage::ExamPage(const QSqlDatabase& db, PageView& page)
    : db_(db)
    , page_(page)
{
}

QString ExamPage::choiceOptions(int count)
{
    QString options;
    for (int k = 0; k < std::min(count, 15); ++k) {
        const QChar letter(QLatin1Char(char('A' + k)));
        options += QStringLiteral("<option value=\"") + letter + QStringLiteral("\">") + letter + QStringLiteral(" ");
    }
    return options;
}

QString ExamPage::correctAnswer(const QString& answer)
{
    return QStringLiteral("<body> <b>正确答案：") + answer + QStringLiteral("</b> </body>") + QStringLiteral("<br> <br>");
}

void ExamPage::render(const QSqlRecord& row, Form form)
{
    page_.load(ProgramFolder::file(QStringLiteral("ty.html")));
    // The bank is read while the shell loads; the fragments wait for it.
    const QString lx = field(row, "lx");
    const QString tid = field(row, "tid");
    const QString tgid = field(row, "tgid");
    const QString tjda = field(row, "tjda");
    const QString tp = field(row, "tp");
    Restore restore;

    if (!tp.trimmed().isEmpty())
        page_.append(QStringLiteral("&nbsp<br>") + QStringLiteral("<p> 如图所示：<img src=\"./") + tp + QStringLiteral("\"> </p> ")
                     + QStringLiteral("<br>"));
    if (lx == QLatin1String("a3"))
        page_.append(tid.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".") + field(row, "alt") + QStringLiteral("<br>"));
    if (lx == QLatin1String("a4")) {
        page_.append(tid + QStringLiteral(".") + field(row, "alt") + QStringLiteral("<br> <br>"));
        const QString options = choiceOptions(field(row, "xx").trimmed().toInt());
        const QString ending = form == Form::Step || form == Form::Jump ? QStringLiteral("<br> <br>") : QStringLiteral("<br>");
        const auto items = sql::select(db_, QStringLiteral("select * from question where readtextid=") + tgid);
        for (const auto& item : items) {
            const QString id = field(item, "id");
            page_.append(field(item, "itemnum") + QStringLiteral(". ") + QStringLiteral(" <select name=\"cars\" id=\"") + id
                         + QStringLiteral("\"> <option value=\"daan\" selected>答案 ") + options + QStringLiteral("</select>")
                         + field(item, "content") + QStringLiteral("<br>") + ending);
            if (form == Form::Review)
                page_.append(correctAnswer(field(item, "answer")));
            const QString choice = field(item, "lx");
            if (!choice.isEmpty() && tjda.contains(choice))
                restore.choose(id, choice);
        }
    } else {
        page_.append(QStringLiteral("<br>") + tid + QStringLiteral(".") + field(row, "tg") + QStringLiteral("<br>"));
        const QString input = lx == QLatin1String("a1") ? QStringLiteral("radio") : QStringLiteral("checkbox");
        const auto options = sql::select(db_, QStringLiteral("select * from opinion where questionid=") + tgid);
        for (const auto& option : options) {
            const QString code = field(option, "code");
            page_.append(QStringLiteral("<br>"));
            page_.append(QStringLiteral(" <input type=\"") + input + QStringLiteral("\" id=\"") + field(option, "id") + QStringLiteral("\"  name=\"")
                         + field(option, "questionid") + QStringLiteral("\" value=\"") + code + QStringLiteral("\">") + code + QStringLiteral(":")
                         + field(option, "content") + QStringLiteral("<br>"));
            page_.append(QStringLiteral("<br>"));
            if (!code.isEmpty() && tjda.contains(code))
                restore.tick(field(option, "id"));
        }
        if (form == Form::Review)
            page_.append(correctAnswer(field(row, "da")));
    }
    page_.flush();
    restore.run(page_);
}
