#include "practice/practice_room.h"
#include "platform/practice_host.h"
#include "practice/wrong_bank_window.h"
#include "store/view_mode.h"

PracticeRoom::PracticeRoom(PracticeHost& host)
    : host_(host)
    , wrongBank_(new TForm16(host.dialogParent()))
    , commands_(host)
{
    host.setPageCommandHandler([this](const QString& url) { commands_.serve(url); });
}

PracticeRoom::~PracticeRoom()
{
    host_.setPageCommandHandler(nullptr);
}

QVector<RoomAction> PracticeRoom::actions()
{
    return {{"NewImage20Click", [this] { NewImage20Click(); }}};
}

void PracticeRoom::NewImage20Click()
{
    wrongBank_->exec();
    host_.runView(ViewMode::kWrong);
}
