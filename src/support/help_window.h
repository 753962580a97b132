#pragma once
#include <QDialog>

class PageView;

// The program's own help window: the help page hlp.html of the program folder in a
// page view, beside the practice window.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads the help page afresh and brings the window up; false when there is none.
    bool showHelp();
    PageView& page() const { return *page_; }

private:
    PageView* page_ = nullptr;
};
