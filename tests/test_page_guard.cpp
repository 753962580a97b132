// The guard every page operation of the practice window runs under.
#include "platform/page_guard.h"
#include "platform/practice_state.h"
#include "support/test_main.h"
#include <stdexcept>

class PageGuardTest : public QObject {
    Q_OBJECT
private slots:
    void clearsReadyWhileHeldAndRestoresIt();
    void secondOperationIsRefused();
    void errorEscapingStillRestores();
};

void PageGuardTest::clearsReadyWhileHeldAndRestoresIt()
{
    PracticeState state;
    state.pageReady = true;
    {
        PageGuard guard(state);
        QVERIFY(!guard.refused());
        QVERIFY(!state.pageReady);
        QVERIFY(state.pageBusy);
    }
    QVERIFY(state.pageReady);
    QVERIFY(!state.pageBusy);
}

void PageGuardTest::secondOperationIsRefused()
{
    PracticeState state;
    PageGuard first(state);
    {
        PageGuard second(state);
        QVERIFY(second.refused());
    }
    // The refused one changes nothing of the running one.
    QVERIFY(state.pageBusy);
    QVERIFY(!state.pageReady);
}

void PageGuardTest::errorEscapingStillRestores()
{
    PracticeState state;
    try {
        PageGuard guard(state);
        throw std::runtime_error("page died");
    } catch (const std::runtime_error&) {
    }
    QVERIFY(state.pageReady);
    QVERIFY(!state.pageBusy);
    PageGuard next(state);
    QVERIFY(!next.refused());
}

KAIVORA_TEST_MAIN(PageGuardTest)
#include "test_page_guard.moc"
