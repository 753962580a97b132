#pragma once
#include "platform/room.h"

class PracticeHost;

// The room of the mock exam: settings, login, candidate screens and the exam window, started from the practice window's pictures.
class ExamRoom : public Room {
public:
    explicit ExamRoom(PracticeHost& host);
    ~ExamRoom() override;
    QVector<RoomAction> actions() override;

private:
    PracticeHost& host_;
};
