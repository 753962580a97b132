// The page bar's tools and the collection views of the practice window.
#include "app/practice_window.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/page_view.h"
#include "practice/collection_view.h"
#include "practice/page_tools.h"
#include "practice/wrong_bank_window.h"
#include "store/bank_connection.h"
#include <QTreeWidget>

void TForm10::NewImage10Click()
{
    pictures_.value(QStringLiteral("NewImage10"))->hide();
    pictures_.value(QStringLiteral("NewImage16"))->show();
    pageReady_ = false;
    page_->evaluate(PageTools::showAllScript());
    pageReady_ = true;
}

void TForm10::NewImage16Click()
{
    pictures_.value(QStringLiteral("NewImage16"))->hide();
    pictures_.value(QStringLiteral("NewImage10"))->show();
    pageReady_ = false;
    page_->evaluate(PageTools::hideAllScript());
    pageReady_ = true;
}

void TForm10::applyFontStep(const PageTools::FontStep& step)
{
    zoomLevel_ = step.level;
    if (step.fontSize > 0) {
        page_->waitReady();
        page_->setBodyFontSize(step.fontSize);
    } else {
        Dialogs::instance().inform(step.message);
    }
}

void TForm10::SpeedButton2Click()
{
    pageReady_ = false;
    applyFontStep(PageTools::largerFont(zoomLevel_));
    pageReady_ = true;
}

void TForm10::SpeedButton3Click()
{
    pageReady_ = false;
    // A page error while shrinking the font is dropped; the tool stays usable.
    runSilently([this] { applyFontStep(PageTools::smallerFont(zoomLevel_)); });
    pageReady_ = true;
}

void TForm10::NewImage17Click()
{
    toolbar_->hide();
    treePanel_->hide();
    titleStrip_->hide();
    pictures_.value(QStringLiteral("NewImage18"))->show();
    pictures_.value(QStringLiteral("NewImage17"))->hide();
    fullScreen_ = maximized_;
    if (!maximized_)
        Image6Click();
}

void TForm10::NewImage18Click()
{
    pictures_.value(QStringLiteral("NewImage17"))->show();
    pictures_.value(QStringLiteral("NewImage18"))->hide();
    toolbar_->show();
    treePanel_->show();
    titleStrip_->show();
    if (!fullScreen_)
        Image6Click();
}

void TForm10::NewImage1Click()
{
    showCollection(Collection::favourites());
}

void TForm10::NewImage20Click()
{
    if (wrongBank_)
        wrongBank_->exec();
    showCollection(Collection::wrongQuestions());
}

void TForm10::showCollection(const Collection& collection)
{
    skipNextActivation_ = false;
    if (!collectionHasQuestions(bank_->reopen(), collection)) {
        bank_->close();
        Dialogs::instance().inform(collection.emptyMessage);
        return;
    }
    resetAnswerTools();
    pictures_.value(QStringLiteral("NewImage11"))->show();
    pictures_.value(QStringLiteral("NewImage12"))->show();
    treePanel_->show();
    pageReady_ = false;
    setViewMode(collection.viewMode);
    rebuildChapterMarks(bank_->open(), collection);
    bank_->close();
    FormShow();
    FormActivate();
    tree_->expandAll();
    pageReady_ = true;
}
