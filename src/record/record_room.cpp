#include "record/record_room.h"
#include "platform/practice_host.h"
#include "record/study_record_window.h"

RecordRoom::RecordRoom(PracticeHost& host)
    : host_(host)
{
}

QVector<RoomAction> RecordRoom::actions()
{
    return {{"NewImage21Click", [this] { NewImage21Click(); }}};
}

void RecordRoom::NewImage21Click()
{
    int chapter = 0;
    {
        StudyRecordWindow window(host_.dialogParent());
        // Closing it leaves the chapter page as it was: no activation step.
        if (window.exec() == QDialog::Accepted)
            chapter = window.chosenChapter();
    }
    if (chapter > 0)
        host_.openChapter(chapter);
}
