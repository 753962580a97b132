#pragma once
#include "platform/room.h"

class PracticeHost;

// The study record, started from the page bar's "学习记录" picture.
class RecordRoom : public Room {
public:
    explicit RecordRoom(PracticeHost& host);
    QVector<RoomAction> actions() override;

    // Opens the record window; a chapter double-clicked there opens in the practice window.
    void NewImage21Click();

private:
    PracticeHost& host_;
};
