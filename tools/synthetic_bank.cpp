#include "synthetic_bank.h"
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <random>
#include <stdexcept>

namespace {
class Writer {
public:
    explicit Writer(const QSqlDatabase& db)
        : tree_(db), readtext_(db), question_(db), opinion_(db)
    {
        tree_.prepare(QStringLiteral("insert into tree (id, nodename, parentid, code) values (?,?,?,?)"));
        readtext_.prepare(QStringLiteral("insert into readtext (id, treeid, qtypeid, content, itemnum, opnum) values (?,?,?,?,?,?)"));
        question_.prepare(QStringLiteral("insert into question (id, readtextid, content, answer, explain, picurl, itemnum) values (?,?,?,?,?,?,?)"));
        opinion_.prepare(QStringLiteral("insert into opinion (id, questionid, code, content) values (?,?,?,?)"));
    }

    int node(const QString& name, int parent, int code)
    {
        run(tree_, {++treeId_, name, parent, code});
        return treeId_;
    }
    int group(int chapter, int qtypeid, const QString& content, int opnum)
    {
        run(readtext_, {++readtextId_, chapter, qtypeid, content, 0, opnum});
        return readtextId_;
    }
    int question(int group, const QString& content, const QString& answer, int itemnum)
    {
        run(question_, {++questionId_, group, content, answer, QStringLiteral("解析：第%1题的要点说明。").arg(questionId_), QString(), itemnum});
        return questionId_;
    }
    void options(int question, int count)
    {
        for (int k = 0; k < count; ++k)
            run(opinion_, {++opinionId_, question, QString(QChar('A' + k)), QStringLiteral("选项%1-%2").arg(question).arg(k + 1)});
    }

private:
    static void run(QSqlQuery& query, const QVariantList& values)
    {
        for (int i = 0; i < values.size(); ++i) {
            const QVariant& value = values.at(i);
            // A null string would bind as NULL; the text columns want ''.
            query.bindValue(i, value.typeId() == QMetaType::QString && value.toString().isNull() ? QVariant(QStringLiteral("")) : value);
        }
        if (!query.exec())
            throw std::runtime_error("synthetic bank insert failed: " + query.lastError().text().toStdString());
    }

    QSqlQuery tree_, readtext_, question_, opinion_;
    int treeId_ = 0, readtextId_ = 0, questionId_ = 0, opinionId_ = 0;
};

QString answerFor(std::mt19937& random, int qtypeid)
{
    const QString letters = QStringLiteral("ABCDE");
    if (qtypeid <= 5 || qtypeid == 11)
        return letters.mid(int(random() % 5), 1);
    QString answer;
    for (int k = 0; k < 5; ++k)
        if (random() % 2)
            answer += letters.at(k);
    return answer.size() >= 2 ? answer : QStringLiteral("AC");
}

// Spreads a chapter's questions over all nine types.
void fillChapter(Writer& out, std::mt19937& random, int chapter, int questions)
{
    int left = questions;
    for (int qtypeid = 3; qtypeid <= 11 && left > 0; ++qtypeid) {
        const int typesLeft = 12 - qtypeid;
        const int share = qtypeid == 11 ? left : std::max(1, left / typesLeft);
        if (qtypeid == 10 || qtypeid == 11) {
            int remaining = share;
            while (remaining > 0) {
                const int items = std::min(remaining, 2 + int(random() % 3));
                const int group = out.group(chapter, qtypeid, QStringLiteral("案例%1：患者资料与处方说明。").arg(chapter), qtypeid == 11 ? 5 : 0);
                for (int item = 1; item <= items; ++item) {
                    const int q = out.question(group, QStringLiteral("第%1小题题干").arg(item), answerFor(random, qtypeid), item);
                    if (qtypeid == 10)
                        out.options(q, 5);
                }
                remaining -= items;
            }
        } else {
            const int group = out.group(chapter, qtypeid, QString(), 0);
            for (int k = 0; k < share; ++k)
                out.options(out.question(group, QStringLiteral("合成题干，题型%1。").arg(qtypeid), answerFor(random, qtypeid), 0), 5);
        }
        left -= share;
    }
}
}

int SyntheticBank::generate(const QSqlDatabase& db) const
{
    std::mt19937 random(seed);
    QSqlDatabase handle = db;
    handle.transaction();
    int bigChapter = 0;
    {
        Writer out(db);
        for (int r = 1; r <= roots; ++r) {
            const int root = out.node(QStringLiteral("科目%1").arg(r), 0, 1);
            for (int s = 1; s <= sectionsPerRoot; ++s) {
                const int section = out.node(QStringLiteral("学科%1-%2").arg(r).arg(s), root, 2);
                for (int c = 1; c <= chaptersPerSection; ++c) {
                    const int chapter = out.node(QStringLiteral("章节%1-%2-%3").arg(r).arg(s).arg(c), section, 3);
                    const bool big = bigChapter == 0;
                    if (big)
                        bigChapter = chapter;
                    fillChapter(out, random, chapter, big ? bigChapterQuestions : questionsPerChapter);
                }
            }
        }
        QSqlQuery extra(db);
        const QStringList titles{"A1型题", "A2型题", "五个公用备选多个题每题一个选项9", "X型题", "X型题（病例型）", "X型题（综合型）",
                                 "A3/A4型题：每个案例至少有3个提问，每个提问有4-12个备选答案，其中正确答案有一个或多个。",
                                 "阅读案例多个问题8", "B型题配伍选择题"};
        for (int id = 3; id <= 11; ++id)
            extra.exec(QStringLiteral("insert into qtype (id, code, title) values (%1, %2, '%3')").arg(id).arg(id - 2).arg(titles.at(id - 3)));
        extra.exec(QStringLiteral("insert into kemu (ID, mz) values ('合成题库', '000')"));
        extra.exec(QStringLiteral("insert into geshu (kemugeshu) select cast(count(*) as text) from question"));
        extra.exec(QStringLiteral("insert into ts (txs, fg) values ('40','40'),('10',''),('5',''),('5','')"));
    }
    if (!handle.commit())
        throw std::runtime_error("synthetic bank commit failed");
    return bigChapter;
}
