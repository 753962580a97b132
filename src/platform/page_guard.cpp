#include "platform/page_guard.h"
#include "platform/practice_state.h"

PageGuard::PageGuard(PracticeState& state)
    : state_(state)
    , refused_(state.pageBusy)
{
    if (refused_)
        return;
    state_.pageBusy = true;
    state_.pageReady = false;
}

PageGuard::~PageGuard()
{
    if (refused_)
        return;
    state_.pageBusy = false;
    state_.pageReady = true;
}
