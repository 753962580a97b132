#include "app/practice_window.h"
#include "app/app_config.h"
#include "app/startup_values.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/page_view.h"
#include "platform/program_folder.h"
#include "practice/chapter_page.h"
#include "practice/chapter_tree.h"
#include "practice/view_mode.h"
#include "store/bank_connection.h"
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
    , viewMode_(ViewMode::kAdvanced)
{
    buildChrome();
    const QRect screenBox = screen()->geometry();
    move(screenBox.width() / 2 - 512, screenBox.height() / 2 - 384);
    skipNextActivation_ = false;
    pageReady_ = false;
    readStartValues();
    page_->setNavigationHook([this](const QString&) {
        if (!pageReady_)
            return false;
        // Command links are served from the event loop, never inside the engine's callback.
        skipNextActivation_ = true;
        return true;
    });
    qApp->installEventFilter(this);
}

TForm10::~TForm10()
{
    qApp->removeEventFilter(this);
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
    fullScreen_ = false;
    layoutMarker_ = layoutChanges_;
    datePanel_->setText(datePanelText(QDateTime::currentDateTime()));
    tree_->clear();
    const QVector<ChapterNode> nodes = readChapterTree(bank_->reopen(), viewMode_);
    bank_->close();
    fillTree(nodes);
}

void TForm10::fillTree(const QVector<ChapterNode>& nodes)
{
    const QIcon icon(ProgramFolder::path() + QStringLiteral("/tp/node.bmp"));
    nodeIds_.resize(nodes.size());
    QTreeWidgetItem* parents[2] = {nullptr, nullptr};
    for (int index = 0; index < nodes.size(); ++index) {
        const ChapterNode& node = nodes.at(index);
        auto* item = node.level == 0 ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(parents[node.level - 1]);
        item->setText(0, node.caption);
        item->setIcon(0, icon);
        item->setData(0, kIndexRole, index);
        if (node.level < 2)
            parents[node.level] = item;
        nodeIds_[index] = node.chapterId;
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
    if (skipNextActivation_) {
        skipNextActivation_ = false;
        return;
    }
    if (layoutMarker_ != layoutChanges_ || rendering_)
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
        zoomLevel_ = 2;
        page_->setTextZoom(2);
    });
    skipNextActivation_ = false;
}

void TForm10::gjstClick()
{
    skipNextActivation_ = false;
    pictures_.value(QStringLiteral("NewImage16"))->hide();
    for (const char* name : {"NewImage10", "NewImage11", "NewImage12"})
        pictures_.value(QString::fromLatin1(name))->show();
    treePanel_->show();
    setViewMode(ViewMode::kExercise);
    FormShow();
    FormActivate();
    tree_->expandAll();
}

void TForm10::setViewMode(const QString& mode)
{
    viewMode_ = mode;
    viewTitle_->setText(mode);
}

void TForm10::resetAnswerTools()
{
    pictures_.value(QStringLiteral("NewImage16"))->hide();
    pictures_.value(QStringLiteral("NewImage10"))->show();
}

void TForm10::TreeView1Click()
{
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item || rendering_)
        return;
    const int level = depthOf(item);
    const bool hasChildren = item->childCount() > 0;
    if (!hasChildren && level == 1) {
        Dialogs::instance().inform(QStringLiteral("本章节无试题!"));
        return;
    }
    pageReady_ = false;
    resetAnswerTools();
    rendering_ = true;
    // A page that fails halfway stays as far as it was built.
    runSilently([&] {
        if (hasChildren || level != 2)
            return;
        const int index = item->data(0, kIndexRole).toInt();
        ChapterPage chapterPage(bank_->open(), *page_, viewMode_);
        currentChapterId_ = chapterPage.render(nodeIds_.value(index));
        bank_->close();
        page_->setTextZoom(1);
    });
    rendering_ = false;
    pageReady_ = true;
}

bool TForm10::eventFilter(QObject* watched, QEvent* event)
{
    if (tree_ && watched == tree_->viewport() && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        runReported([this] { TreeView1Click(); });
        return false;
    }
    if (watched == titleStrip_ && event->type() == QEvent::MouseButtonDblClick) {
        Image6Click();
        return true;
    }
    if (event->type() == QEvent::Hide && watched != this && watched->isWidgetType()) {
        auto* closing = static_cast<QWidget*>(watched);
        // Closing another window of the program activates this one again.
        if (closing->isWindow() && closing->windowType() == Qt::Dialog && isVisible()
            && !closing->property(Dialogs::kQuestionBox).toBool())
            QMetaObject::invokeMethod(this, [this] { FormActivate(); }, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void TForm10::Image6Click()
{
    const int w0 = width();
    auto* maximize = pictures_.value(QStringLiteral("NewImage8"));
    auto* restore = pictures_.value(QStringLiteral("NewImage19"));
    if (maximized_) {
        maximize->show();
        restore->hide();
        maximized_ = false;
        setGeometry(normalGeometry_);
        logo_->move(-10, logo_->y());
    } else {
        maximize->hide();
        restore->show();
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
    bank_->close();
    QCoreApplication::quit();
}

void TForm10::closeEvent(QCloseEvent* event)
{
    bank_->close();
    event->accept();
    QCoreApplication::quit();
}
