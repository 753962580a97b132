#include "app/practice_window.h"
#include "platform/app_config.h"
#include "app/startup_values.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/page_guard.h"
#include "platform/page_view.h"
#include "practice/chapter_page.h"
#include "practice/chapter_tree.h"
#include "practice/practice_search.h"
#include "store/bank_connection.h"
#include "store/program_folder.h"
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTreeWidget>

namespace {
constexpr int kIndexRole = Qt::UserRole + 1;
constexpr int kFirstPageIndex = 2;

int depthOf(const QTreeWidgetItem* item)
{
    int depth = 0;
    for (auto* up = item->parent(); up; up = up->parent())
        ++depth;
    return depth;
}

bool isAncestorOrSelf(const QTreeWidgetItem* item, const QTreeWidgetItem* of)
{
    for (auto* at = of; at; at = at->parent())
        if (at == item)
            return true;
    return false;
}
}

TForm10::TForm10(QWidget* parent)
    : QWidget(parent)
    , bank_(std::make_unique<BankConnection>(QStringLiteral("TForm10")))
    , search_(std::make_unique<PracticeSearch>(*this))
{
    buildChrome();
    const QRect screenBox = screen()->geometry();
    move(screenBox.width() / 2 - 512, screenBox.height() / 2 - 384);
    state_.skipNextActivation = false;
    state_.pageReady = false;
    readStartValues();
    page_->setNavigationHook([this](const QString& url) { return WebBrowser1BeforeNavigate2(url); });
    subjectLabel_ = new QLabel(QStringLiteral("职业病"), this);
    subjectLabel_->setObjectName(QStringLiteral("Label2"));
    subjectLabel_->hide();
    // Closing a plain message box of the program makes this window the active one again.
    Dialogs::setInformClosedListener(this, [this] { activated(); });
}

TForm10::~TForm10()
{
    Dialogs::setInformClosedListener(this, nullptr);
}

bool TForm10::WebBrowser1BeforeNavigate2(const QString& url)
{
    // The program's own loading of the shell and of its pages gets through.
    if (!state_.pageReady)
        return false;
    state_.skipNextActivation = true;
    // Never inside the engine's callback: a command shows message boxes and builds pages.
    QMetaObject::invokeMethod(
        this,
        [this, url] {
            if (pageCommands_)
                runReported([&] { pageCommands_(url); });
        },
        Qt::QueuedConnection);
    return true;
}

void TForm10::setPageCommandHandler(std::function<void(const QString& url)> handler)
{
    pageCommands_ = std::move(handler);
}

QString TForm10::subjectLabel() const
{
    return subjectLabel_->text();
}

void TForm10::readStartValues()
{
    StartupValues values;
    // A bank that cannot be opened shows up at the first tree build instead.
    runSilently([&] { values = readStartupValues(bank_->open()); });
    bank_->close();
    if (values.haveSubject) {
        titleLabel_->setText(titleLabel_->text() + QStringLiteral("  ") + values.subjectName);
        titleLabel_->adjustSize();
        subjectCode_ = values.subjectCode;
        updateAddress_ = StartupValues::updateAddress(AppConfig::load().updateHost, subjectCode_);
    }
    if (values.haveCount)
        countPanel_->setText(QStringLiteral("试题量：") + values.questionCount);
}

void TForm10::FormShow()
{
    state_.fullScreen = false;
    state_.examEntry = false;
    layoutMarker_ = layoutChanges_;
    datePanel_->setText(datePanelText(QDateTime::currentDateTime()));
    tree_->clear();
    const QVector<ChapterNode> nodes = readChapterTree(bank_->reopen(), state_.viewMode);
    bank_->close();
    fillTree(nodes);
}

void TForm10::fillTree(const QVector<ChapterNode>& nodes)
{
    const QIcon icon(ProgramFolder::path() + QStringLiteral("/tp/node.bmp"));
    state_.nodeIds.resize(nodes.size());
    QTreeWidgetItem* parents[2] = {nullptr, nullptr};
    for (int index = 0; index < nodes.size(); ++index) {
        const ChapterNode& node = nodes.at(index);
        auto* item = node.level == 0 ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(parents[node.level - 1]);
        item->setText(0, node.caption);
        item->setIcon(0, icon);
        item->setData(0, kIndexRole, index);
        if (node.level < 2)
            parents[node.level] = item;
        state_.nodeIds[index] = node.chapterId;
    }
}

void TForm10::collapseOtherBranches(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    // Single expand: the branch of the previous selection folds away.
    for (auto* at = previous; at; at = at->parent())
        if (!isAncestorOrSelf(at, current))
            at->setExpanded(false);
    if (current)
        current->setExpanded(true);
}

void TForm10::FormActivate()
{
    if (state_.skipNextActivation) {
        state_.skipNextActivation = false;
        return;
    }
    if (layoutMarker_ != layoutChanges_ || state_.pageBusy)
        return;
    // A tree with fewer than three nodes shows no page and no message.
    runSilently([this] {
        tree_->expandAll();
        QTreeWidgetItemIterator it(tree_);
        for (int index = 0; *it && index < kFirstPageIndex; ++index)
            ++it;
        if (!*it)
            throw KaivoraError(QStringLiteral("no first page"));
        tree_->setCurrentItem(*it);
        TreeView1Click();
        // Only the font tools' step starts again; the page keeps its text zoom.
        state_.zoomLevel = 2;
    });
    state_.skipNextActivation = false;
}

void TForm10::activated()
{
    // Runs from the event loop, once the closing window is gone; while a modal
    // window of the program is still up, the practice window is not active yet.
    // A window and its last message closing together make one activation.
    if (activationQueued_)
        return;
    activationQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            activationQueued_ = false;
            if (isVisible() && !QApplication::activeModalWidget())
                FormActivate();
        },
        Qt::QueuedConnection);
}

void TForm10::gjstClick()
{
    enterExerciseView();
    FormActivate();
    tree_->expandAll();
}

void TForm10::enterExerciseView()
{
    state_.skipNextActivation = false;
    setPictureVisible(QStringLiteral("NewImage16"), false);
    for (const char* name : {"NewImage10", "NewImage11", "NewImage12"})
        setPictureVisible(QString::fromLatin1(name), true);
    treePanel_->show();
    setViewMode(ViewMode::kExercise);
    FormShow();
}

void TForm10::openChapter(int chapterId)
{
    if (!ViewMode::markColumn(state_.viewMode).isEmpty()) {
        enterExerciseView();
        tree_->expandAll();
    }
    const int index = chapterId > 0 ? int(state_.nodeIds.indexOf(chapterId)) : -1;
    QTreeWidgetItem* item = nullptr;
    for (QTreeWidgetItemIterator it(tree_); *it && !item; ++it)
        if (index >= 0 && (*it)->data(0, kIndexRole).toInt() == index)
            item = *it;
    if (!item)
        throw KaivoraError(QStringLiteral("题库中没有这个章节了。"));
    tree_->setCurrentItem(item);
    tree_->scrollToItem(item);
    TreeView1Click();
}

void TForm10::setViewMode(const QString& mode)
{
    state_.viewMode = mode;
    viewTitle_->setText(mode);
}

void TForm10::resetAnswerTools()
{
    setPictureVisible(QStringLiteral("NewImage16"), false);
    setPictureVisible(QStringLiteral("NewImage10"), true);
}

void TForm10::TreeView1Click()
{
    if (state_.pageBusy) {
        // A click that arrives while a page is built is served once the build is done.
        clickPending_ = true;
        return;
    }
    renderItem(tree_->currentItem());
}

void TForm10::renderCurrentChapter()
{
    renderItem(tree_->currentItem());
}

void TForm10::renderItem(QTreeWidgetItem* item)
{
    if (!item || state_.pageBusy)
        return;
    const int level = depthOf(item);
    const bool hasChildren = item->childCount() > 0;
    if (!hasChildren && level == 1) {
        Dialogs::instance().inform(QStringLiteral("本章节无试题!"));
        return;
    }
    PageGuard guard(state_);
    resetAnswerTools();
    if (hasChildren || level != 2)
        return;
    if (state_.searchOnShow) {
        state_.searchOnShow = false;
        setPictureVisible(QStringLiteral("NewImage11"), true);
        setPictureVisible(QStringLiteral("NewImage12"), true);
    }
    ++pagesBuilt_;
    // A page that fails halfway stays as far as it was built.
    runSilently([&] {
        const int index = item->data(0, kIndexRole).toInt();
        ChapterPage chapterPage(bank_->open(), *page_, state_.viewMode);
        state_.currentChapterId = chapterPage.render(state_.nodeIds.value(index));
        bank_->close();
        page_->setTextZoom(1);
    });
    emit pageBuilt();
    if (clickPending_) {
        clickPending_ = false;
        QMetaObject::invokeMethod(this, [this] { runReported([this] { TreeView1Click(); }); }, Qt::QueuedConnection);
    }
}

bool TForm10::eventFilter(QObject* watched, QEvent* event)
{
    if (tree_ && watched == tree_->viewport() && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // The tree still sees the release; only this filter serves the click.
        runReported([this] { TreeView1Click(); });
        return false;
    }
    if (watched == titleStrip_ && event->type() == QEvent::MouseButtonDblClick) {
        Image6Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm10::Image6Click()
{
    const int w0 = width();
    if (maximized_) {
        setPictureVisible(QStringLiteral("NewImage8"), true);
        setPictureVisible(QStringLiteral("NewImage19"), false);
        maximized_ = false;
        setGeometry(normalGeometry_);
        logo_->move(-10, logo_->y());
    } else {
        setPictureVisible(QStringLiteral("NewImage8"), false);
        setPictureVisible(QStringLiteral("NewImage19"), true);
        normalGeometry_ = geometry();
        maximized_ = true;
        setGeometry(screen()->availableGeometry());
        logo_->move(width() - w0 - 10, logo_->y());
    }
    placeTitlePictures();
    ++layoutChanges_;
}

void TForm10::Image4Click()
{
    showMinimized();
}

void TForm10::tcxtClick()
{
    if (Dialogs::instance().ask(QStringLiteral("确定退出系统？"), QStringLiteral("提示"), Dialogs::Buttons::OkCancel)
        != Dialogs::Answer::Ok)
        return;
    close();
}

void TForm10::closeEvent(QCloseEvent* event)
{
    bank_->close();
    event->accept();
    QCoreApplication::quit();
}
