// The question search: typed into the page bar's field, shown as a page, kept in step with the bank.
#include "app/picture_button.h"
#include "app/practice_window.h"
#include "app/program.h"
#include "app/search_field.h"
#include "platform/page_view.h"
#include "store/bank_connection.h"
#include "store/search_index.h"
#include "support/bank_backup.h"
#include "support/feedback_window.h"
#include "support/support_room.h"
#include "store/view_mode.h"
#include "support/scripted_dialogs.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QInputMethodEvent>
#include <QSqlQuery>

namespace {
using namespace fixture;

QString option(int id, int question, const QString& code, const QString& content)
{
    return QStringLiteral("insert into opinion (id, questionid, code, content) values (%1, %2, '%3', '%4');\n")
        .arg(id).arg(question).arg(code, content);
}

// A single-choice group in chapter 3; a case group and a matching group in chapter 4;
// question 8 is the only favourite.
QString bank()
{
    return types() + node(1, "基础知识", 0, 1) + node(2, "药理学", 1, 2) + node(3, "解热镇痛药", 2, 3) + node(4, "心血管药", 2, 3)
        + group(1, 3, 3) + question(1, 1, "阿司匹林可引起<b>Reye</b>综合征") + option(1, 1, "A", "儿童病毒感染")
        + question(2, 1, "普鲁卡因胺的不良反应") + option(2, 2, "A", "红斑狼疮样综合征") + option(3, 2, "B", "耳毒性")
        + question(3, 1, "地高辛中毒的表现") + question(8, 1, "阿托品的作用", "A", "", "1")
        + group(2, 4, 10, "患者男，65岁，长期服用华法林。") + question(4, 2, "首选的监测指标是") + option(4, 4, "A", "INR")
        + question(5, 2, "出血时应给予") + group(3, 4, 11, "A.Na<sup>+</sup>通道 B.5-HT<sub>3</sub>受体", 2)
        + question(6, 3, "利多卡因作用于") + question(7, 3, "昂丹司琼作用于")
        + "update question set explain='快速心律失常可用苯妥英钠治疗' where id=3;\n";
}

// Types as a candidate does: Latin letters key by key, Chinese through the input method.
void type(QLineEdit* field, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(field, QString(c));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(field, &commit);
        }
    }
}

QString pageQuestions(TForm10& window)
{
    return window.page()
        .evaluate("Array.from(document.querySelectorAll('span[id^=fan]')).map(function(e){return e.id.substr(3);}).join(',')")
        .toString();
}

QString pageText(TForm10& window)
{
    return window.page().evaluate("document.body.innerText").toString();
}

bool shown(TForm10& window, const char* name)
{
    return !window.findChild<QWidget*>(name)->isHidden();
}
}

class SearchTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void queries_data();
    void queries();
    void hostileTextIsSearchedAsItStands_data();
    void hostileTextIsSearchedAsItStands();
    void resultsPageMarksTheTextAndKeepsTheChapterTools();
    void ctrlFOpensTheFieldAndEscClearsIt();
    void emptyFieldDoesNothing();
    void moreThan200Hits();
    void pageButtonsWorkOnTheResults();
    void indexFollowsARestoredBank_data();
    void indexFollowsARestoredBank();

private:
    void search(const QString& text);

    std::unique_ptr<TestFolder> folder_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<Program::Windows> program_;
    TForm10* window_ = nullptr;
};

void SearchTest::init()
{
    folder_ = std::make_unique<TestFolder>(bank());
    dialogs_ = std::make_unique<ScriptedDialogs>();
    program_ = std::make_unique<Program::Windows>();
    window_ = program_->form10;
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    window_->FormShow();
    window_->FormActivate();
}

void SearchTest::cleanup()
{
    window_ = nullptr;
    program_.reset();
    dialogs_.reset();
    folder_.reset();
}

void SearchTest::search(const QString& text)
{
    QTest::keyClick(window_, Qt::Key_F, Qt::ControlModifier);
    SearchField* field = window_->searchField();
    QVERIFY(field->hasFocus());
    type(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

void SearchTest::queries_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("found");
    QTest::addColumn<QString>("onPage");

    QTest::newRow("word in a stem") << ViewMode::kExercise << "阿司匹林" << 1 << "1";
    QTest::newRow("word in an option") << ViewMode::kExercise << "红斑狼疮" << 1 << "2";
    QTest::newRow("word in an explanation") << ViewMode::kExercise << "苯妥英钠" << 1 << "3";
    QTest::newRow("word in a case text: the whole case") << ViewMode::kExercise << "华法林" << 2 << "4,5";
    QTest::newRow("two characters, the case shown whole") << ViewMode::kExercise << "出血" << 1 << "4,5";
    QTest::newRow("one character") << ViewMode::kExercise << "辛" << 1 << "3";
    QTest::newRow("Latin in another case, across a tag") << ViewMode::kExercise << "rEYE综合" << 1 << "1";
    QTest::newRow("two Latin letters in an option") << ViewMode::kExercise << "iN" << 1 << "4,5";
    QTest::newRow("Na+ across a tag in a matching text") << ViewMode::kExercise << "NA+" << 2 << "6,7";
    QTest::newRow("5-HT") << ViewMode::kExercise << "5-ht" << 2 << "6,7";
    QTest::newRow("blanks around and inside") << ViewMode::kExercise << "  阿司匹林可引起 " << 1 << "1";
    QTest::newRow("all views: every hit") << ViewMode::kExercise << "作用" << 3 << "8,6,7";
    QTest::newRow("favourites view: the favourite only") << ViewMode::kFavourites << "作用" << 1 << "8";
    QTest::newRow("wrong-question view: none") << ViewMode::kWrong << "作用" << 0 << "";
    QTest::newRow("no hit") << ViewMode::kExercise << "青霉素" << 0 << "";
}

void SearchTest::queries()
{
    QFETCH(QString, view);
    QFETCH(QString, text);
    QFETCH(int, found);
    QFETCH(QString, onPage);
    window_->state().viewMode = view;
    search(text);
    QCOMPARE(pageQuestions(*window_), onPage);
    const QString searched = text.simplified();
    if (found == 0)
        QCOMPARE(pageText(*window_).trimmed(), QStringLiteral("没有找到与“%1”相关的试题").arg(searched));
    else
        QVERIFY2(pageText(*window_).startsWith(QStringLiteral("找到 %1 道试题：%2").arg(found).arg(searched)), qPrintable(pageText(*window_)));
    QVERIFY(dialogs_->shown.isEmpty());
}

void SearchTest::hostileTextIsSearchedAsItStands_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("onPage");
    QTest::newRow("lone quote") << "\"" << "";
    QTest::newRow("quoted or") << "阿司\" OR \"林" << "";
    QTest::newRow("star") << "阿司*" << "";
    QTest::newRow("minus") << "-" << "6,7";
    QTest::newRow("near") << "NEAR(阿司 匹林)" << "";
    QTest::newRow("and") << "AND" << "";
    QTest::newRow("bracket") << "(" << "";
    QTest::newRow("sql") << "'); drop table question; --" << "";
    QTest::newRow("markup") << "<img src=x onerror=alert(1)>" << "";
}

void SearchTest::hostileTextIsSearchedAsItStands()
{
    QFETCH(QString, text);
    QFETCH(QString, onPage);
    search(text);
    QCOMPARE(pageQuestions(*window_), onPage);
    if (onPage.isEmpty()) {
        QCOMPARE(pageText(*window_).trimmed(), QStringLiteral("没有找到与“%1”相关的试题").arg(text));
        QCOMPARE(window_->page().evaluate("document.images.length").toInt(), 0);
    }
    QVERIFY(dialogs_->shown.isEmpty());
    QCOMPARE(folder_->scalar("select count(*) from question"), QStringLiteral("8"));
}

void SearchTest::resultsPageMarksTheTextAndKeepsTheChapterTools()
{
    TForm10& window = *window_;
    QVERIFY(shown(window, "NewImage11") && shown(window, "NewImage12"));
    search("综合征");
    QCOMPARE(pageQuestions(window), QStringLiteral("1,2"));
    // Marked in the stem, the option and the explanation; tags of the bank stay whole.
    folder_->exec("update question set explain='瑞夷综合征' where id=1");
    search("综合征");
    QCOMPARE(window.page().evaluate("Array.from(document.querySelectorAll('mark')).map(function(m){"
                                    "return m.parentNode.id||m.parentNode.tagName;}).join(',')").toString(),
             QStringLiteral("fan1,ansnote1,BODY"));
    search("Reye综合");
    QCOMPARE(window.page().evaluate("Array.from(document.querySelectorAll('#fan1 mark')).map(function(m){return m.textContent;}).join('|')")
                 .toString(),
             QStringLiteral("Reye|综合"));
    QCOMPARE(window.page().evaluate("document.querySelector('#fan1 b').textContent").toString(), QStringLiteral("Reye"));
    // The chapter each group comes from.
    QVERIFY(pageText(window).contains(QStringLiteral("出自：基础知识 › 药理学 › 解热镇痛药")));
    QVERIFY(!shown(window, "NewImage11") && !shown(window, "NewImage12"));

    // "显示答案" opens every answer of the results, as on a chapter page.
    QTest::mouseClick(window.findChild<PictureButton*>("NewImage10"), Qt::LeftButton);
    QCOMPARE(window.page().evaluate("getComputedStyle(document.getElementById('ansnote1')).display").toString(), QStringLiteral("block"));
    QVERIFY(shown(window, "NewImage16"));

    // The next chapter page brings the grading tools back.
    window.FormActivate();
    QCOMPARE(pageQuestions(window), QStringLiteral("1,2,3,8"));
    QVERIFY(shown(window, "NewImage11") && shown(window, "NewImage12"));
    QVERIFY(!shown(window, "NewImage16"));
}

void SearchTest::ctrlFOpensTheFieldAndEscClearsIt()
{
    TForm10& window = *window_;
    SearchField* field = window.searchField();
    QCOMPARE(field->placeholderText(), QStringLiteral("试题查找"));
    window.page().widget()->setFocus();
    // At the window's normal size the field opens over the page tools only while in use.
    QVERIFY(field->compact());
    QVERIFY(field->isHidden());
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(field->isVisible() && field->hasFocus());
    QTest::keyClicks(field, "abc");
    QTest::keyClick(field, Qt::Key_Escape);
    QCOMPARE(field->text(), QString());
    QTest::keyClicks(field, "INR");
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(pageQuestions(window), QStringLiteral("4,5"));
    QVERIFY(field->isHidden());
    // A Ctrl+F later selects the text, so that typing replaces it.
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(field->selectedText(), QStringLiteral("INR"));

    // In a wider window the bar has room: the field stands open right of the page tools.
    window.resize(1400, window.height());
    QTRY_VERIFY(!field->compact());
    window.page().widget()->setFocus();
    QVERIFY(field->isVisible());
    QVERIFY(field->x() >= SearchField::kFreeLeft);
    QVERIFY(window.findChild<QWidget*>("SearchOpener")->isHidden());
}

void SearchTest::emptyFieldDoesNothing()
{
    TForm10& window = *window_;
    const QStringList before = window.page().fragmentLog();
    search("   ");
    QCOMPARE(window.page().fragmentLog(), before);
    QVERIFY(window.pageReady());
}

void SearchTest::moreThan200Hits()
{
    folder_->exec("with recursive n(k) as (select 1 union all select k+1 from n where k<230) "
                  "insert into question (id, readtextid, content) select 100+k, 1, '青蒿素第' || k || '题' from n");
    search("青蒿素");
    QCOMPARE(window_->page().evaluate("document.querySelectorAll('span[id^=fan]').length").toInt(), 200);
    const QString text = pageText(*window_);
    QVERIFY(text.startsWith(QStringLiteral("找到 230 道试题：青蒿素")));
    QVERIFY(text.contains(QStringLiteral("另有 30 道试题未列出")));
    // Numbered as a chapter page numbers them.
    QCOMPARE(window_->page().evaluate("document.getElementById('fan300').textContent").toString(), QStringLiteral("200. 青蒿素第200题"));
}

// Clicks the page's own button whose command link is the given one, as the candidate does.
void clickPageButton(TForm10& window, const QString& link)
{
    window.page().runScript(QStringLiteral("document.querySelector('input[onclick*=\"") + link + QStringLiteral("\\'\"]').click();"));
}

void SearchTest::pageButtonsWorkOnTheResults()
{
    TForm10& window = *window_;
    search("普鲁卡因胺");
    QCOMPARE(pageQuestions(window), QStringLiteral("2"));
    const QStringList page = window.page().fragmentLog();
    clickPageButton(window, "http://scbt2");
    QTRY_COMPARE_WITH_TIMEOUT(dialogs_->texts(), QStringList{"收藏成功！"}, 30000);
    QCOMPARE(folder_->scalar("select scbt from question where id=2"), QStringLiteral("1"));
    QCOMPARE(window.page().evaluate("document.querySelector('input[onclick*=\"http://scbt2\\'\"]').value").toString(), QStringLiteral("取消收藏"));
    // The results stay on show: closing the message does not bring back a chapter.
    QCOMPARE(window.page().fragmentLog(), page);
    clickPageButton(window, "http://scbt2");
    QTRY_COMPARE_WITH_TIMEOUT(dialogs_->texts(), (QStringList{"收藏成功！", "取消收藏！"}), 30000);
    QCOMPARE(folder_->scalar("select scbt from question where id=2"), QString());

    // A search again after the toggle draws the button from the stored mark.
    folder_->exec("update question set scbt='1' where id=2");
    search("普鲁卡因胺");
    QCOMPARE(window.page().evaluate("document.querySelector('input[onclick*=\"http://scbt2\\'\"]').value").toString(), QStringLiteral("取消收藏"));

    // 错题反馈 opens the feedback window with the question.
    TForm9& feedback = *program_->support->feedbackWindow();
    clickPageButton(window, "http://ctfk2");
    QTRY_VERIFY_WITH_TIMEOUT(feedback.isVisible(), 30000);
    feedback.close();
}

void SearchTest::indexFollowsARestoredBank_data()
{
    QTest::addColumn<bool>("restore");
    // A backup from before the search came: no index at all, and other content.
    QTest::newRow("restored backup without an index") << true;
    // A bank file put in place whose index was built from other content.
    QTest::newRow("bank with the index of other content") << false;
}

void SearchTest::indexFollowsARestoredBank()
{
    QFETCH(bool, restore);
    search("阿司匹林");
    QCOMPARE(pageQuestions(*window_), QStringLiteral("1"));
    const QString marksBefore = folder_->scalar("select group_concat(id||scbt||ct||ct1, ',') from question");
    if (restore) {
        const QString file = folder_->path() + QStringLiteral("old.db");
        BankBackup::backup(BankConnection::bankPath(), file);
        {
            QSqlDatabase old = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
            old.setDatabaseName(file);
            QVERIFY(old.open());
            for (const char* statement : {"drop table search_text", "drop table search_chars", "drop table search_rows", "drop table search_info",
                                          "update question set content='阿司匹林过敏' where id=2"})
                QVERIFY(QSqlQuery(old).exec(QString::fromUtf8(statement)));
            old.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("old"));
        BankBackup::restore(BankConnection::bankPath(), file);
    } else {
        folder_->exec("begin");
        folder_->exec("update search_info set value='elsewhere' where key in ('token','fingerprint')");
        folder_->exec("update question set content='阿司匹林过敏' where id=2");
        folder_->exec("commit");
    }
    search("阿司匹林");
    QCOMPARE(pageQuestions(*window_), QStringLiteral("1,2"));
    QCOMPARE(folder_->scalar("select count(*) from search_rows"), QStringLiteral("8"));
    QVERIFY(SearchIndex::isCurrent(folder_->db()));
    // The candidate's marks are never rewritten by the index.
    QCOMPARE(folder_->scalar("select group_concat(id||scbt||ct||ct1, ',') from question"), marksBefore);
}

KAIVORA_TEST_MAIN(SearchTest)
#include "test_search.moc"
