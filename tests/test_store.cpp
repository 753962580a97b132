// The bank file: schema, statements, connections, the demo bank and the synthetic bank.
#include "app/startup_values.h"
#include "platform/errors.h"
#include "platform/page_view.h"
#include "practice/chapter_page.h"
#include "practice/chapter_tree.h"
#include "practice/collection_view.h"
#include "practice/wrong_bank.h"
#include "store/view_mode.h"
#include "store/bank_connection.h"
#include "store/sql.h"
#include "store/sql_script.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include "synthetic_bank.h"
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>

class StoreTest : public QObject {
    Q_OBJECT
private slots:
    void splitScript_data();
    void splitScript();
    void checkedId_data();
    void checkedId();
    void schemaHasEveryColumn();
    void statementsRunAsTheyStand();
    void missingOrForeignBankIsRefusedAndNotCreated();
    void writerIsNotRefusedWhileAnotherConnectionReads();
    void rebuildKeepsTheCandidatesMarks();
    void demoBankContent();
    void syntheticBankShape();
};

void StoreTest::splitScript_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("statements");
    QTest::newRow("two") << "select 1; select 2;" << QStringList{"select 1", "select 2"};
    QTest::newRow("semicolon in text") << "insert into t values ('a;b'); select 1" << QStringList{"insert into t values ('a;b')", "select 1"};
    QTest::newRow("doubled quote") << "select 'it''s;'; select 2" << QStringList{"select 'it''s;'", "select 2"};
    QTest::newRow("comment") << "-- a; comment\nselect 1; -- tail;\n" << QStringList{"select 1"};
    QTest::newRow("dashes in text") << "select '--x;'" << QStringList{"select '--x;'"};
}

void StoreTest::splitScript()
{
    QFETCH(QString, script);
    QFETCH(QStringList, statements);
    QCOMPARE(sql::splitScript(script), statements);
}

void StoreTest::checkedId_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("digits") << "1234" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("injection") << "1 or 1=1" << false;
    QTest::newRow("negative") << "-3" << false;
    QTest::newRow("trailing slash") << "12/" << false;
}

void StoreTest::checkedId()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    bool ok = true;
    try {
        QCOMPARE(sql::checkedId(text), text);
    } catch (const KaivoraError&) {
        ok = false;
    }
    QCOMPARE(ok, accepted);
}

void StoreTest::schemaHasEveryColumn()
{
    TestFolder folder;
    const QMap<QString, QStringList> tables{
        {"tree", {"id", "nodename", "parentid", "code", "scbt", "ct"}},
        {"readtext", {"id", "treeid", "qtypeid", "content", "itemnum", "opnum"}},
        {"qtype", {"id", "code", "title"}},
        {"question", {"id", "readtextid", "content", "answer", "explain", "picurl", "itemnum", "scbt", "ct", "ct1", "lx"}},
        {"opinion", {"id", "questionid", "code", "content"}},
        {"kemu", {"ID", "mz"}},
        {"geshu", {"kemugeshu"}},
        {"ts", {"txs", "fg"}},
        {"sj", {"tid", "lx", "alt", "tg", "tgid", "da", "tp", "xx", "tjda"}},
        {"fenshu", {"tx", "sts", "dd"}},
    };
    for (auto it = tables.begin(); it != tables.end(); ++it) {
        const QSqlRecord record = folder.db().record(it.key());
        for (const QString& column : it.value())
            QVERIFY2(record.indexOf(column) >= 0, qPrintable(it.key() + "." + column));
    }
}

void StoreTest::statementsRunAsTheyStand()
{
    TestFolder folder(fixture::types() + fixture::node(1, "根", 0, 1) + fixture::node(2, "节", 1, 2) + fixture::node(3, "章", 2, 3)
                      + fixture::group(1, 3, 3) + fixture::question(1, 1, "题", "A", "", "1", "1") + fixture::options(1, 1, 5)
                      + "insert into kemu values ('科目', '366'); insert into geshu values ('1');");
    QStringList ran;
    sql::setStatementLog(&ran);
    QSqlDatabase db = folder.db();
    readStartupValues(db);
    for (const QString& mode : {ViewMode::kAdvanced, ViewMode::kFavourites, ViewMode::kWrong})
        readChapterTree(db, mode);
    PageView page;
    for (const QString& mode : {ViewMode::kAdvanced, ViewMode::kFavourites, ViewMode::kWrong})
        ChapterPage(db, page, mode).render(3);
    for (const Collection& collection : {Collection::favourites(), Collection::wrongQuestions()}) {
        collectionHasQuestions(db, collection);
        rebuildChapterMarks(db, collection);
    }
    WrongBank::contents(db);
    WrongBank::removeChecked(db, {true});
    sql::setStatementLog(nullptr);
    ran.removeDuplicates();
    // The texts the program runs, to the letter.
    const QStringList expected{
        "select * from kemu", "select * from geshu", "select * from tree where code=1", "select * from tree where parentid=1",
        "select * from tree where parentid=2", "select * from tree where (parentid=2) and (scbt='1')",
        "select * from tree where (parentid=2) and (ct='1')", "select * from tree where id=3",
        "select * from readtext where treeid=3 order by qtypeid", "select * from qtype where id=3",
        "select * from question where readtextid=1", "select * from opinion where questionid=1",
        "select * from question where id=1", "select * from question where (readtextid=1) and (scbt='1')",
        "select * from question where (readtextid=1) and (ct='1')", "select * from question where scbt='1'",
        "update tree set scbt=''", "select * from readtext where id=1 order by qtypeid", "update tree set scbt='1' where id=3",
        "select * from question where ct='1'", "update tree set ct=''", "update tree set ct='1' where id=3",
        "select * from question where ct='1' order by id", "update question set ct='' where id=1",
    };
    QCOMPARE(ran, expected);
}

void StoreTest::missingOrForeignBankIsRefusedAndNotCreated()
{
    TestFolder folder;
    QFile::remove(folder.bankPath());
    BankConnection missing(QStringLiteral("t"));
    QVERIFY_THROWS_EXCEPTION(KaivoraError, missing.open());
    QVERIFY(BankConnection::problemWith(folder.bankPath()).contains(folder.bankPath()));
    QVERIFY(!QFile::exists(folder.bankPath()));

    QFile foreign(folder.bankPath());
    QVERIFY(foreign.open(QIODevice::WriteOnly));
    foreign.write("Standard Jet DB not sqlite!");
    foreign.close();
    BankConnection broken(QStringLiteral("t"));
    QVERIFY_THROWS_EXCEPTION(KaivoraError, broken.open());
    QCOMPARE(QFileInfo(folder.bankPath()).size(), qint64(27));
}

void StoreTest::writerIsNotRefusedWhileAnotherConnectionReads()
{
    TestFolder folder(fixture::types() + fixture::node(1, "根", 0, 1) + fixture::node(2, "节", 1, 2));
    BankConnection reader(QStringLiteral("reader"));
    BankConnection writer(QStringLiteral("writer"));
    QSqlQuery cursor(reader.open());
    QVERIFY(cursor.exec("select * from tree"));
    QVERIFY(cursor.next());
    QCOMPARE(sql::select(writer.open(), "PRAGMA journal_mode").first().value(0).toString(), QStringLiteral("wal"));
    sql::exec(writer.db(), "update tree set scbt='1' where id=2");
    QCOMPARE(folder.scalar("select scbt from tree where id=2"), QStringLiteral("1"));
}

namespace {
// Runs the bank tool as the build runs it; --replace as a developer resets the bank.
int makeBank(const QString& out, bool replace = false)
{
    QStringList args;
    if (replace)
        args << "--replace";
    args << out << QString(KAIVORA_BANK_SOURCES).split('|');
    return QProcess::execute(KAIVORA_MAKE_BANK, args);
}
}

void StoreTest::rebuildKeepsTheCandidatesMarks()
{
    QTemporaryDir dir;
    const QString bank = dir.filePath("med.db");
    QCOMPARE(makeBank(bank), 0);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "marks");
        db.setDatabaseName(bank);
        QVERIFY(db.open());
        sql::exec(db, "update question set scbt='1', ct='1' where id = (select min(id) from question)");
        db.close();
    }
    QSqlDatabase::removeDatabase("marks");
    auto marks = [&] {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "count");
        db.setDatabaseName(bank);
        db.open();
        const QString n = sql::select(db, "select count(*) from question where scbt='1' and ct='1'").first().value(0).toString();
        db.close();
        return n;
    };
    const QString before = marks();
    QCOMPARE(makeBank(bank), 0);
    QCOMPARE(marks(), before);
    QSqlDatabase::removeDatabase("count");
    QCOMPARE(makeBank(bank, true), 0);
    QCOMPARE(marks(), QStringLiteral("0"));
    QSqlDatabase::removeDatabase("count");
    QVERIFY(before != QStringLiteral("0"));
}

void StoreTest::demoBankContent()
{
    QTemporaryDir dir;
    QCOMPARE(makeBank(dir.filePath("med.db")), 0);
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "demo");
    db.setDatabaseName(dir.filePath("med.db"));
    db.setConnectOptions("QSQLITE_OPEN_READONLY");
    QVERIFY(db.open());
    auto one = [&](const QString& statement) { return sql::select(db, statement).first().value(0).toString(); };
    QVERIFY(one("select count(*) from question").toInt() >= 150);
    QCOMPARE(one("select kemugeshu from geshu"), QStringLiteral("323"));
    QVERIFY(one("select ID from kemu").contains("主管药师"));
    QCOMPARE(one("select count(*) from ts"), QStringLiteral("4"));
    QCOMPARE(one("select count(*) from qtype where id between 3 and 11 and code = id - 2"), QStringLiteral("9"));
    for (const char* title : {"B型题配伍选择题", "五个公用备选多个题每题一个选项9", "阅读案例多个问题8",
                              "A3/A4型题：每个案例至少有3个提问，每个提问有4-12个备选答案，其中正确答案有一个或多个。"})
        QCOMPARE(one(QStringLiteral("select count(*) from qtype where title='%1'").arg(title)), QStringLiteral("1"));
    QCOMPARE(one("select count(distinct qtypeid) from readtext where qtypeid between 3 and 11"), QStringLiteral("9"));
    QCOMPARE(one("select nodename from tree where code=1 order by id limit 1"), QStringLiteral("基础知识"));
    // The first chapter, shown at start, holds every type.
    QCOMPARE(one("select count(distinct qtypeid) from readtext where treeid = (select c.id from tree c join tree s on c.parentid = s.id "
                 "where s.parentid = 1 order by s.id, c.id limit 1)"), QStringLiteral("9"));
    QCOMPARE(one("select count(*) from (select r.id, count(q.id) n from readtext r left join question q on q.readtextid = r.id "
                 "where r.qtypeid = 10 group by r.id) where n < 2 or n > 4"), QStringLiteral("0"));
    QCOMPARE(one("select count(*) from (select r.id, r.opnum, count(q.id) n from readtext r left join question q on q.readtextid = r.id "
                 "where r.qtypeid = 11 group by r.id) where n < 3 or n > 5 or opnum <> 5"), QStringLiteral("0"));
    QCOMPARE(one("select group_concat(distinct length(answer)) from (select q.answer from question q join readtext r on r.id = q.readtextid "
                 "where r.qtypeid between 6 and 8 order by length(q.answer))"), QStringLiteral("2,3,4,5"));
    QCOMPARE(one("select count(*) from question where trim(explain) = '' or trim(answer) = ''"), QStringLiteral("0"));
    QVERIFY(one("select max(id) from question").toInt() <= 10000);
    const auto pictures = sql::select(db, "select picurl from question where trim(picurl) <> ''");
    QVERIFY(pictures.size() >= 2);
    for (const auto& row : pictures)
        QVERIFY2(QFile::exists(QStringLiteral(KAIVORA_PROGRAM_DIR "/") + row.value(0).toString()), qPrintable(row.value(0).toString()));
    // Every answer letter is one of the question's options (matching items take theirs from the group).
    const auto answers = sql::select(db, "select q.id, q.answer, r.qtypeid, r.opnum, (select group_concat(code, '') from opinion o "
                                         "where o.questionid = q.id) from question q join readtext r on r.id = q.readtextid");
    for (const auto& row : answers) {
        const QString letters = row.value(2).toInt() == 11 ? QString("ABCDEFGHIJKLMNO").left(row.value(3).toInt()) : row.value(4).toString();
        for (const QChar letter : row.value(1).toString())
            QVERIFY2(letters.contains(letter), qPrintable(row.value(0).toString()));
    }
    db.close();
}

void StoreTest::syntheticBankShape()
{
    TestFolder first;
    const int big = SyntheticBank().generate(first.db());
    QVERIFY(first.scalar("select count(*) from question").toInt() >= 20000);
    QVERIFY(first.scalar("select count(*) from tree where code = 3").toInt() >= 500);
    QCOMPARE(first.scalar("select count(distinct qtypeid) from readtext"), QStringLiteral("9"));
    QCOMPARE(first.scalar(QStringLiteral("select count(*) from question q join readtext r on r.id = q.readtextid where r.treeid = %1").arg(big)),
             QStringLiteral("300"));
    const QString digest = "select group_concat(answer, '') from (select answer from question order by id)";
    const QString firstAnswers = first.scalar(digest);
    TestFolder second;
    SyntheticBank().generate(second.db());
    QCOMPARE(second.scalar(digest), firstAnswers);
}

KAIVORA_TEST_MAIN(StoreTest)
#include "test_store.moc"
