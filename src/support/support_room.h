#pragma once
#include "platform/room.h"

class PracticeHost;

// The room of error feedback, backup and restore, the update check, help and outside links, started from the practice window's pictures.
class SupportRoom : public Room {
public:
    explicit SupportRoom(PracticeHost& host);
    ~SupportRoom() override;
    QVector<RoomAction> actions() override;

private:
    PracticeHost& host_;
};
