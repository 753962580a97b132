#include "exam/exam_room.h"
#include "exam/entry_screens.h"
#include "exam/exam_window.h"
#include "exam/settings_window.h"
#include "platform/practice_host.h"
#include "platform/practice_state.h"

ExamRoom::ExamRoom(PracticeHost& host)
    : host_(host)
{
    QWidget* parent = host.dialogParent();
    form2_ = new TForm2(parent);
    form3_ = new TForm3(host, parent);
    form4_ = new TForm4(host, parent);
    form6_ = new TForm6(parent);
    form2_->setCandidateWindow(form3_);
    form3_->setLoginWindow(form2_);
}

ExamRoom::~ExamRoom()
{
    delete form6_;
    delete form4_;
    delete form3_;
    delete form2_;
}

QVector<RoomAction> ExamRoom::actions()
{
    return {
        {"rjdhClick", [this] { rjdhClick(); }},
        {"NewImage6Click", [this] { NewImage6Click(); }},
    };
}

void ExamRoom::rjdhClick()
{
    host_.state().examEntry = true;
    csszClick();
    if (form6_->entered()) {
        form2_->exec();
        host_.state().examEntry = false;
    }
    // The practice window is active again once the whole chain has unwound.
    host_.activated();
}

void ExamRoom::csszClick()
{
    form6_->exec();
}
