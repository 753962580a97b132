#include "exam/exam_room.h"
#include "platform/practice_host.h"

ExamRoom::ExamRoom(PracticeHost& host)
    : host_(host)
{
}

ExamRoom::~ExamRoom() = default;

QVector<RoomAction> ExamRoom::actions()
{
    return {};
}
