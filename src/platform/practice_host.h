#pragma once
#include <QString>
#include <functional>

class BankConnection;
class PageView;
class QWidget;
struct PracticeState;

// What the rooms may use of the practice window. They never see the window itself.
class PracticeHost {
public:
    virtual ~PracticeHost() = default;

    virtual PageView& page() = 0;
    virtual BankConnection& bank() = 0;
    virtual PracticeState& state() = 0;
    // The parent of the rooms' windows and message boxes.
    virtual QWidget* dialogParent() = 0;

    // Shows the given view mode as the toolbar does: tree, marks and first page.
    virtual void runView(const QString& viewMode) = 0;
    // Another window of the program has closed and the practice window is active again.
    virtual void activated() = 0;
    // The chapter on show, built afresh (its ticks cleared).
    virtual void renderCurrentChapter() = 0;
    // The page bar's "显示答案" tool.
    virtual void showAllAnswers() = 0;
    // Shows or hides a picture of the toolbar or page bar by its name.
    virtual void setPictureVisible(const QString& name, bool visible) = 0;
    // Selects the chapter with this tree id and renders its whole page; a collection
    // view gives way to the exercise view first. Throws when the tree has no such chapter.
    virtual void openChapter(int chapterId) = 0;
    // The release descriptor's address on the update server, built at start-up.
    virtual QString updateAddress() = 0;
    // Serves the command links the page navigates to: called from the event loop
    // with the address, after the navigation was cancelled.
    virtual void setPageCommandHandler(std::function<void(const QString& url)> handler) = 0;
};
