#pragma once
#include "platform/room.h"
#include "practice/command_channel.h"

class PracticeHost;
class TForm16;

// The practice room's windows beside the practice window itself: the wrong-question
// bank; and the command links of the practice page.
class PracticeRoom : public Room {
public:
    explicit PracticeRoom(PracticeHost& host);
    ~PracticeRoom() override;
    QVector<RoomAction> actions() override;

    TForm16* wrongBankWindow() const { return wrongBank_; }
    CommandChannel& commandChannel() { return commands_; }
    // "错题题库": the bank window first, then the wrong-question view.
    void NewImage20Click();

private:
    PracticeHost& host_;
    TForm16* wrongBank_; // owned by the practice window
    CommandChannel commands_;
};
