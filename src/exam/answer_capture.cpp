#include "exam/answer_capture.h"
#include "exam/answer_sheet.h"
#include "platform/page_view.h"
#include "store/sql.h"
#include <QStringList>

AnswerCapture::AnswerCapture(const QSqlDatabase& db, PageView& page)
    : db_(db)
    , page_(page)
{
}

AnswerCapture::Result AnswerCapture::capture(double number)
{
    Result result;
    const QString rowQuery = QStringLiteral("select * from sj where tid='") + examNumberText(number) + QStringLiteral("'");
    const auto rows = sql::select(db_, rowQuery);
    if (rows.isEmpty())
        return result;
    result.found = true;
    const QString lx = sql::text(rows.first(), QStringLiteral("lx"));
    const QString tgid = sql::text(rows.first(), QStringLiteral("tgid"));
    const QString tid = sql::text(rows.first(), QStringLiteral("tid"));

    if (lx == QLatin1String("a4")) {
        const auto items = sql::select(db_, QStringLiteral("select * from question  where readtextid=") + tgid);
        QStringList ids;
        for (const auto& item : items)
            ids.append(sql::text(item, QStringLiteral("id")));
        const QVariantList values = page_.readProperty(ids, QStringLiteral("value"));
        QStringList choices;
        for (const QVariant& value : values) {
            const QString text = value.toString();
            const QString choice = text == QLatin1String("daan") ? QString() : text;
            choices.append(choice);
            result.answer = choice + result.answer;
        }
        sql::Transaction transaction(db_);
        for (int k = 0; k < ids.size(); ++k)
            sql::exec(db_, QStringLiteral("update question set lx=? where id=") + ids.at(k), {choices.at(k)});
        sql::exec(db_, QStringLiteral("update sj set tjda=? where tid=?"), {result.answer, tid});
        transaction.commit();
    } else {
        const auto options = sql::select(db_, QStringLiteral("select * from opinion where questionid=") + tgid);
        QStringList ids;
        for (const auto& option : options)
            ids.append(sql::text(option, QStringLiteral("id")));
        const QVariantList ticked = page_.readProperty(ids, QStringLiteral("checked"));
        for (int k = 0; k < options.size(); ++k)
            if (ticked.at(k).toBool())
                result.answer += sql::text(options.at(k), QStringLiteral("code"));
        // An empty capture keeps an answer given earlier.
        if (!result.answer.isEmpty())
            sql::exec(db_, QStringLiteral("update sj set tjda=? where tid=?"), {result.answer, tid});
    }
    result.colour = result.answer.isEmpty() ? SheetColour::visited() : SheetColour::answered();
    return result;
}
