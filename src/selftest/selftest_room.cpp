#include "selftest/selftest_room.h"
#include "platform/practice_host.h"

SelfTestRoom::SelfTestRoom(PracticeHost& host)
    : host_(host)
{
}

SelfTestRoom::~SelfTestRoom() = default;

QVector<RoomAction> SelfTestRoom::actions()
{
    return {};
}
