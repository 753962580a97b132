#pragma once
#include "platform/practice_host.h"
#include "platform/practice_state.h"
#include "platform/room.h"
#include <QHash>
#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>

class BankConnection;
class PageView;
class PictureButton;
class PracticeSearch;
class QLabel;
class SearchField;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;
struct ChapterNode;
struct Collection;
namespace PageTools { struct FontStep; }

// The practice window: the program's main window with its own frame and title
// strip, the picture toolbar, the chapter tree and the chapter page. The rooms
// reach it only as their PracticeHost.
class TForm10 : public QWidget, public PracticeHost {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);
    ~TForm10() override;

    // Hands the room the pictures whose handlers it serves. Throws when a room
    // serves a handler no picture names.
    void plug(Room& room);

    // Tree build for the current view mode. Throws when the bank cannot be read.
    void FormShow();
    // Selects the node at absolute index 2 and renders it, unless told to skip.
    void FormActivate();
    void gjstClick();
    void TreeView1Click();

    // Title strip.
    void Image6Click();
    void Image4Click();
    void tcxtClick();

    // Page tools.
    void NewImage10Click();
    void NewImage16Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void NewImage17Click();
    void NewImage18Click();

    // Favourites view.
    void NewImage1Click();

    // Before every navigation of the page view: true cancels it. A complete page
    // navigates only to command links, which are served from the event loop.
    bool WebBrowser1BeforeNavigate2(const QString& url);

    // The search field's Enter: the questions of the current view holding the text.
    void searchQuestions(const QString& text);
    SearchField* searchField() const { return searchField_; }

    // PracticeHost
    PageView& page() override { return *page_; }
    BankConnection& bank() override { return *bank_; }
    PracticeState& state() override { return state_; }
    QWidget* dialogParent() override { return this; }
    void runView(const QString& viewMode) override;
    void activated() override;
    void renderCurrentChapter() override;
    void showAllAnswers() override { NewImage10Click(); }
    void setPictureVisible(const QString& name, bool visible) override;
    void openChapter(int chapterId) override;
    QString updateAddress() override { return updateAddress_; }
    void setPageCommandHandler(std::function<void(const QString& url)> handler) override;

    const QString& viewMode() const { return state_.viewMode; }
    const QVector<int>& nodeIds() const { return state_.nodeIds; }
    bool pageReady() const { return state_.pageReady; }
    bool skipNextActivation() const { return state_.skipNextActivation; }
    void setSkipNextActivation(bool skip) { state_.skipNextActivation = skip; }
    const QString& currentChapterId() const { return state_.currentChapterId; }
    const QString& subjectCode() const { return subjectCode_; }
    // The hidden subject label "Label2", the subject name of error reports.
    QString subjectLabel() const;
    int zoomLevel() const { return state_.zoomLevel; }
    bool fullScreenFlag() const { return state_.fullScreen; }
    bool windowMaximized() const { return maximized_; }
    BankConnection& connection() { return *bank_; }
    QTreeWidget* tree() const { return tree_; }
    // How many chapter pages have been built, for tests.
    int pagesBuilt() const { return pagesBuilt_; }

signals:
    // A chapter page has been built (or its build failed part way).
    void pageBuilt();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildChrome();
    QWidget* buildTitleStrip();
    QWidget* buildToolbar();
    QWidget* buildTreePanel();
    QWidget* buildPageArea();
    void buildStatusBar();
    void addPictures(QWidget* parent, int bar);
    void wirePictures();
    void serve(const char* handler, std::function<void()> run);
    PictureButton* picture(const char* name) const;
    void placeTitlePictures();
    void readStartValues();

    void fillTree(const QVector<ChapterNode>& nodes);
    void collapseOtherBranches(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void renderItem(QTreeWidgetItem* item);
    void setViewMode(const QString& mode);
    void enterExerciseView();
    void resetAnswerTools();
    void showCollection(const Collection& collection);
    void applyFontStep(const PageTools::FontStep& step);
    void runPageScript(const QString& script);

    PracticeState state_;
    std::unique_ptr<BankConnection> bank_;
    PageView* page_ = nullptr;

    QWidget* titleStrip_ = nullptr;
    QWidget* toolbar_ = nullptr;
    QWidget* filler_ = nullptr;
    QLabel* logo_ = nullptr;
    QWidget* treePanel_ = nullptr;
    QWidget* pageBar_ = nullptr;
    QLabel* viewTitle_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* countPanel_ = nullptr;
    QLabel* infoPanel_ = nullptr;
    QLabel* datePanel_ = nullptr;
    SearchField* searchField_ = nullptr;
    std::unique_ptr<PracticeSearch> search_;
    QHash<QString, PictureButton*> pictures_;
    QHash<QString, std::function<void()>> handlers_;
    std::function<void(const QString&)> pageCommands_;
    QLabel* subjectLabel_ = nullptr;

    QString subjectCode_;
    QString updateAddress_;
    bool maximized_ = false;
    QRect normalGeometry_;
    int layoutChanges_ = 0;
    int layoutMarker_ = 0;
    int pagesBuilt_ = 0;
    bool clickPending_ = false;
    bool activationQueued_ = false;
};
