#include "support/support_room.h"
#include "platform/practice_host.h"

SupportRoom::SupportRoom(PracticeHost& host)
    : host_(host)
{
}

SupportRoom::~SupportRoom() = default;

QVector<RoomAction> SupportRoom::actions()
{
    return {};
}
