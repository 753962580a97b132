#pragma once
#include "exam/entry_screens.h"
#include "exam/exam_window.h"
#include "exam/settings_window.h"
#include "platform/room.h"
#include <QPointer>

class PracticeHost;

// The room of the mock exam: settings, login, candidate screens and the exam window, started from the practice window's pictures.
class ExamRoom : public Room {
public:
    explicit ExamRoom(PracticeHost& host);
    ~ExamRoom() override;
    QVector<RoomAction> actions() override;

    // "人机对话": the settings, then, when they were left through "进 入", the login chain.
    void rjdhClick();
    // "模拟考场" does the same.
    void NewImage6Click() { rjdhClick(); }
    // The settings window, modal.
    void csszClick();

    TForm2* loginWindow() const { return form2_; }
    TForm3* candidateWindow() const { return form3_; }
    TForm6* settingsWindow() const { return form6_; }

private:
    PracticeHost& host_;
    QPointer<TForm2> form2_;
    QPointer<TForm3> form3_;
    // Made at start-up with the others; each exam makes a window of its own.
    QPointer<TForm4> form4_;
    QPointer<TForm6> form6_;
};
