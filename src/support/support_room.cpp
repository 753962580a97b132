#include "support/support_room.h"
#include "platform/practice_host.h"
#include "support/backup_window.h"
#include "support/restore_window.h"

SupportRoom::SupportRoom(PracticeHost& host)
    : host_(host)
{
    // Start-up windows in the program's creation order; the feedback window comes first.
    form13_ = new TForm13(host.dialogParent());
    form14_ = new TForm14(host.dialogParent());
}

SupportRoom::~SupportRoom() = default;

QVector<RoomAction> SupportRoom::actions()
{
    return {
        {"NewImage4Click", [this] { NewImage4Click(); }},
        {"NewImage2Click", [this] { NewImage2Click(); }},
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
