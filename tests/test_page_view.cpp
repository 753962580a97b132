// The page view adapter on the real engine: order of fragments, element access, command links, a dying page.
#include "platform/page_view.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include <QElapsedTimer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <csignal>
#include <sys/types.h>

class PageViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() { folder_ = std::make_unique<TestFolder>(); }
    void cleanup() { folder_.reset(); }
    void fragmentsAreParsedOnTheirOwnInOrder();
    void elementsAreReadAndWrittenById();
    void commandLinkReachesTheHookWithASlash();
    void deadPageEndsTheWait();

private:
    void loadShell(PageView& page)
    {
        page.load(folder_->path() + "ty.html");
        QVERIFY(page.waitReady());
    }
    std::unique_ptr<TestFolder> folder_;
};

void PageViewTest::fragmentsAreParsedOnTheirOwnInOrder()
{
    PageView page;
    loadShell(page);
    page.append("<b id='one'>一");
    page.append("二</b>");
    page.append("<i id='three'>三</i>");
    // The first fragment's open tag is closed by its own parse, so "二" lands outside it.
    QCOMPARE(page.evaluate("document.getElementById('one').textContent").toString(), QStringLiteral("一"));
    QCOMPARE(page.evaluate("document.body.textContent").toString(), QStringLiteral("一二三"));
    QCOMPARE(page.fragmentLog().size(), 3);

    const QString awkward = QStringLiteral("a\"b\\c\nd") + QChar(0x2028) + QStringLiteral("e'\tf");
    page.append(QStringLiteral("<pre id='awkward'>") + awkward + QStringLiteral("</pre>"));
    QCOMPARE(page.evaluate("document.getElementById('awkward').textContent").toString(), awkward);
}

void PageViewTest::elementsAreReadAndWrittenById()
{
    PageView page;
    loadShell(page);
    page.append("<input type='radio' id='11' name='1' value='A'><input type='checkbox' id='12' name='2' value='B'>"
                "<select id='a3'><option value='daan'>答案<option value='A'>A<option value='B'>B</select><span id='fan3'>题</span>");
    page.writeProperty("12", "checked", true);
    page.writeProperty("a3", "value", "B");
    page.writeProperty("fan3", "color", "red");
    QCOMPARE(page.readProperty({"11", "12", "missing"}, "checked"), (QVariantList{false, true, QVariant()}));
    QCOMPARE(page.readProperty({"a3", "11"}, "value"), (QVariantList{"B", "A"}));
    QCOMPARE(page.evaluate("document.getElementById('fan3').style.color").toString(), QStringLiteral("red"));
}

void PageViewTest::commandLinkReachesTheHookWithASlash()
{
    PageView page;
    QStringList asked;
    page.setNavigationHook([&](const QString& url) {
        asked << url;
        return url.contains("scbt");
    });
    loadShell(page);
    page.append("<input id='sc' type='button' onclick=\"window.location.href='http://scbt1234'\">");
    page.evaluate("document.getElementById('sc').click()");
    QTRY_COMPARE(asked.size(), 2);
    QCOMPARE(asked.last(), QStringLiteral("http://scbt1234/"));
    // Cancelled: the page stays as it was.
    QCOMPARE(page.evaluate("document.getElementById('sc') !== null").toBool(), true);
}

void PageViewTest::deadPageEndsTheWait()
{
    PageView page;
    loadShell(page);
    bool died = false;
    connect(&page, &PageView::renderProcessDied, [&] { died = true; });
    const qint64 pid = static_cast<QWebEngineView*>(page.widget())->page()->renderProcessPid();
    QVERIFY(pid > 0);
    QTimer::singleShot(300, [pid] { ::kill(static_cast<pid_t>(pid), SIGKILL); });
    QElapsedTimer clock;
    clock.start();
    // The page hangs; the wait ends when its process dies, not at the wait's limit,
    // and the read fails instead of answering with nothing.
    QVERIFY_THROWS_EXCEPTION(PageError, page.evaluate("for(;;){}"));
    QVERIFY(died);
    QVERIFY(clock.elapsed() < 10000);
    QVERIFY(!page.waitReady());
    QVERIFY_THROWS_EXCEPTION(PageError, page.readProperty({"xs1"}, "value"));
    QVERIFY_THROWS_EXCEPTION(PageError, page.flush());
    loadShell(page);
    QCOMPARE(page.evaluate("1 + 1").toInt(), 2);
}

KAIVORA_TEST_MAIN(PageViewTest)
#include "test_page_view.moc"
