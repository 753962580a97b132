#include "platform/errors.h"
#include "platform/dialogs.h"

void runReported(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        Dialogs::instance().inform(QString::fromStdString(e.what()));
    }
}

bool runSilently(const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
