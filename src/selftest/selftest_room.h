#pragma once
#include "platform/room.h"
#include "selftest/result_window.h"
#include <QPointer>
#include <QTimer>

class PracticeHost;

// The self-test on the chapter page: "提交试卷" grades the page and shows the result
// window, "重新答题" clears the answers by building the page again.
class SelfTestRoom : public Room {
public:
    explicit SelfTestRoom(PracticeHost& host);
    ~SelfTestRoom() override;
    QVector<RoomAction> actions() override;

    // "提交试卷": grades the page; on success hands over to the result handler.
    void BitBtn1Click();
    // The result window, then whether the wrong questions stay in the wrong-question bank.
    void Button1Click();
    // "重新答题".
    void NewImage11Click();
    // Renders the score table into the result window, then shows every answer on the page.
    void Timer2Timer();

    // Started by each activation of the result window; fires once.
    QTimer& timer2() { return timer2_; }
    TForm15* resultWindow() const { return result_; }

private:
    PracticeHost& host_;
    QTimer timer2_;
    QPointer<TForm15> result_;
};
