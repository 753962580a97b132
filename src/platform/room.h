#pragma once
#include <QVector>
#include <functional>

// A handler a room serves, named as the picture table names it ("rjdhClick").
struct RoomAction {
    const char* handler;
    std::function<void()> run;
};

// A part of the program started from the practice window's pictures.
class Room {
public:
    virtual ~Room() = default;
    virtual QVector<RoomAction> actions() = 0;
};
