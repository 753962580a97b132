#pragma once
#include "store/view_mode.h"
#include <QString>
#include <QVector>

// What the practice window and the rooms working on its page share.
struct PracticeState {
    QString viewMode = ViewMode::kAdvanced;
    // Chapter id of every tree node, by absolute index; 0 for roots and sections.
    QVector<int> nodeIds;
    QString currentChapterId;
    int zoomLevel = 2;
    bool fullScreen = false;
    // Command links are served only while this is set.
    bool pageReady = false;
    // The next activation of the practice window leaves the page as it is.
    bool skipNextActivation = false;
    // Set while an operation builds or scripts the page.
    bool pageBusy = false;
    // Set from the exam entry until the next tree build.
    bool examEntry = false;
    // A search page is on show: the page bar's grading tools stay hidden until the next chapter page.
    bool searchOnShow = false;
};
