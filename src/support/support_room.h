#pragma once
#include "platform/room.h"
#include <QPointer>
#include <memory>

class HelpWindow;
class PracticeHost;
class TForm13;
class TForm14;
class TForm9;
class UpdateCheck;

// The room of error feedback, backup and restore, the update check, help and outside links, started from the practice window's pictures.
class SupportRoom : public Room {
public:
    explicit SupportRoom(PracticeHost& host);
    ~SupportRoom() override;
    QVector<RoomAction> actions() override;

    // "数据备份" and "数据还原".
    void NewImage4Click();
    void NewImage2Click();
    // "软件升级", "使用帮助", "在线客服", "在线商城".
    void rjsjClick();
    void sybzClick();
    void zxkfClick();
    void zxscClick();

    TForm9* feedbackWindow() const;
    TForm13* backupWindow() const { return form13_; }
    TForm14* restoreWindow() const { return form14_; }
    UpdateCheck& updateCheck() const { return *updateCheck_; }
    // Null until help is first asked for.
    HelpWindow* helpWindow() const { return help_; }

private:
    PracticeHost& host_;
    // A child of the practice window that lives no longer than the room, whose host it calls.
    QPointer<TForm9> feedback_;
    // Owned by the practice window, as every start-up window is.
    TForm13* form13_ = nullptr;
    TForm14* form14_ = nullptr;
    HelpWindow* help_ = nullptr;
    // Holds the practice window's start-up timer.
    std::unique_ptr<UpdateCheck> updateCheck_;
};
