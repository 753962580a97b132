#pragma once
#include "app/picture_button.h"
#include "practice/page_tools.h"
#include "practice/wrong_bank_window.h"
#include <QHash>
#include <QPointer>
#include <QRect>
#include <QVector>
#include <QWidget>
#include <memory>

class BankConnection;
class PageView;
class QLabel;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;

// The practice window: the program's main window with its own frame and title
// strip, the picture toolbar, the chapter tree and the chapter page.
class TForm10 : public QWidget {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);
    ~TForm10() override;

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

    // Collection views.
    void NewImage1Click();
    void NewImage20Click();

    void setWrongBankWindow(TForm16* window) { wrongBank_ = window; }

    const QString& viewMode() const { return viewMode_; }
    const QVector<int>& nodeIds() const { return nodeIds_; }
    bool pageReady() const { return pageReady_; }
    bool skipNextActivation() const { return skipNextActivation_; }
    void setSkipNextActivation(bool skip) { skipNextActivation_ = skip; }
    const QString& currentChapterId() const { return currentChapterId_; }
    const QString& subjectCode() const { return subjectCode_; }
    const QString& updateAddress() const { return updateAddress_; }
    int zoomLevel() const { return zoomLevel_; }
    bool fullScreenFlag() const { return fullScreen_; }
    bool windowMaximized() const { return maximized_; }
    PageView& page() { return *page_; }
    BankConnection& connection() { return *bank_; }
    QTreeWidget* tree() const { return tree_; }

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
    PictureButton* addPicture(QWidget* parent, const QString& name, const QString& stem, const QString& ext, const QRect& place);
    void placeTitlePictures();
    void readStartValues();

    void fillTree(const QVector<struct ChapterNode>& nodes);
    void collapseOtherBranches(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void renderSelected();
    void setViewMode(const QString& mode);
    void resetAnswerTools();
    void showCollection(const struct Collection& collection);
    void applyFontStep(const PageTools::FontStep& step);

    std::unique_ptr<BankConnection> bank_;
    PageView* page_ = nullptr;
    QPointer<TForm16> wrongBank_;

    QWidget* titleStrip_ = nullptr;
    QWidget* toolbar_ = nullptr;
    QWidget* filler_ = nullptr;
    QLabel* logo_ = nullptr;
    QWidget* treePanel_ = nullptr;
    QLabel* viewTitle_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* countPanel_ = nullptr;
    QLabel* infoPanel_ = nullptr;
    QLabel* datePanel_ = nullptr;
    QHash<QString, PictureButton*> pictures_;

    QString viewMode_;
    QVector<int> nodeIds_;
    QString currentChapterId_;
    QString subjectCode_;
    QString updateAddress_;
    bool skipNextActivation_ = false;
    bool pageReady_ = false;
    bool rendering_ = false;
    bool fullScreen_ = false;
    bool maximized_ = false;
    QRect normalGeometry_;
    int layoutChanges_ = 0;
    int layoutMarker_ = 0;
    int zoomLevel_ = 2;
};
