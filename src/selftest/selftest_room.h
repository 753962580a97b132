#pragma once
#include "platform/room.h"

class PracticeHost;

// The room of grading a chapter page as a self-test and its result window, started from the practice window's pictures.
class SelfTestRoom : public Room {
public:
    explicit SelfTestRoom(PracticeHost& host);
    ~SelfTestRoom() override;
    QVector<RoomAction> actions() override;

private:
    PracticeHost& host_;
};
