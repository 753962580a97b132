#pragma once
#include "platform/room.h"

class PracticeHost;
class TForm13;
class TForm14;

// The room of error feedback, backup and restore, the update check, help and outside links, started from the practice window's pictures.
class SupportRoom : public Room {
public:
    explicit SupportRoom(PracticeHost& host);
    ~SupportRoom() override;
    QVector<RoomAction> actions() override;

    // "数据备份" and "数据还原".
    void NewImage4Click();
    void NewImage2Click();

    TForm13* backupWindow() const { return form13_; }
    TForm14* restoreWindow() const { return form14_; }

private:
    PracticeHost& host_;
    // Owned by the practice window, as every start-up window is.
    TForm13* form13_ = nullptr;
    TForm14* form14_ = nullptr;
};
