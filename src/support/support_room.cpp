#include "support/support_room.h"
#include "platform/app_config.h"
#include "platform/practice_host.h"
#include "platform/shell.h"
#include "support/backup_window.h"
#include "support/feedback_window.h"
#include "support/help_window.h"
#include "support/restore_window.h"
#include "support/update_check.h"
#include <QUrl>
#include <QWidget>

SupportRoom::SupportRoom(PracticeHost& host)
    : host_(host)
    , feedback_(new TForm9(host.dialogParent(), [&host] { host.activated(); }))
{
    // Start-up windows in the program's creation order; the feedback window comes first.
    form13_ = new TForm13(host.dialogParent());
    form14_ = new TForm14(host.dialogParent());
    updateCheck_ = std::make_unique<UpdateCheck>(host);
}

SupportRoom::~SupportRoom()
{
    delete feedback_;
}

TForm9* SupportRoom::feedbackWindow() const
{
    return feedback_;
}

QVector<RoomAction> SupportRoom::actions()
{
    return {
        {"NewImage4Click", [this] { NewImage4Click(); }},
        {"NewImage2Click", [this] { NewImage2Click(); }},
        {"rjsjClick", [this] { rjsjClick(); }},
        {"sybzClick", [this] { sybzClick(); }},
        {"zxkfClick", [this] { zxkfClick(); }},
        {"zxscClick", [this] { zxscClick(); }},
    };
}

void SupportRoom::NewImage4Click()
{
    form13_->exec();
    host_.activated();
}

void SupportRoom::NewImage2Click()
{
    form14_->exec();
    host_.activated();
}

void SupportRoom::rjsjClick()
{
    updateCheck_->rjsjClick();
}

void SupportRoom::sybzClick()
{
    if (!help_)
        help_ = new HelpWindow(host_.dialogParent());
    // Without a help page nothing is shown.
    help_->showHelp();
}

void SupportRoom::zxkfClick()
{
    // A browser that cannot be started shows nothing.
    Shell::instance().openUrl(QUrl(AppConfig::load().siteUrl));
    host_.dialogParent()->update();
}

void SupportRoom::zxscClick()
{
    Shell::instance().openUrl(QUrl(AppConfig::load().shopUrl));
}
