// The page bar's tools, the question search and the collection views of the practice window.
#include "app/practice_window.h"
#include "app/search_field.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/page_guard.h"
#include "platform/page_view.h"
#include "practice/collection_view.h"
#include "practice/page_tools.h"
#include "practice/practice_search.h"
#include "store/bank_connection.h"
#include <QTreeWidget>

void TForm10::runPageScript(const QString& script)
{
    PageGuard guard(state_);
    if (guard.refused())
        return;
    page_->evaluate(script);
}

void TForm10::NewImage10Click()
{
    setPictureVisible(QStringLiteral("NewImage10"), false);
    setPictureVisible(QStringLiteral("NewImage16"), true);
    runPageScript(PageTools::showAllScript());
}

void TForm10::NewImage16Click()
{
    setPictureVisible(QStringLiteral("NewImage16"), false);
    setPictureVisible(QStringLiteral("NewImage10"), true);
    runPageScript(PageTools::hideAllScript());
}

void TForm10::applyFontStep(const PageTools::FontStep& step)
{
    PageGuard guard(state_);
    if (guard.refused())
        return;
    state_.zoomLevel = step.level;
    if (step.fontSize > 0)
        page_->setBodyFontSize(step.fontSize);
    else
        Dialogs::instance().inform(step.message);
}

void TForm10::SpeedButton2Click()
{
    applyFontStep(PageTools::largerFont(state_.zoomLevel));
}

void TForm10::SpeedButton3Click()
{
    // A page error while shrinking the font is dropped; the tool stays usable.
    runSilently([this] { applyFontStep(PageTools::smallerFont(state_.zoomLevel)); });
}

void TForm10::NewImage17Click()
{
    toolbar_->hide();
    treePanel_->hide();
    titleStrip_->hide();
    setPictureVisible(QStringLiteral("NewImage18"), true);
    setPictureVisible(QStringLiteral("NewImage17"), false);
    state_.fullScreen = maximized_;
    if (!maximized_)
        Image6Click();
}

void TForm10::NewImage18Click()
{
    setPictureVisible(QStringLiteral("NewImage17"), true);
    setPictureVisible(QStringLiteral("NewImage18"), false);
    toolbar_->show();
    treePanel_->show();
    titleStrip_->show();
    if (!state_.fullScreen)
        Image6Click();
}

void TForm10::NewImage1Click()
{
    showCollection(Collection::favourites());
}

void TForm10::runView(const QString& viewMode)
{
    if (viewMode == ViewMode::kFavourites)
        showCollection(Collection::favourites());
    else if (viewMode == ViewMode::kWrong)
        showCollection(Collection::wrongQuestions());
    else
        gjstClick();
}

void TForm10::showCollection(const Collection& collection)
{
    state_.skipNextActivation = false;
    if (!collectionHasQuestions(bank_->reopen(), collection)) {
        bank_->close();
        // View, tree and page stay as they are, also once the message has closed.
        state_.skipNextActivation = true;
        Dialogs::instance().inform(collection.emptyMessage);
        return;
    }
    resetAnswerTools();
    setPictureVisible(QStringLiteral("NewImage11"), true);
    setPictureVisible(QStringLiteral("NewImage12"), true);
    treePanel_->show();
    setViewMode(collection.viewMode);
    rebuildChapterMarks(bank_->open(), collection);
    bank_->close();
    FormShow();
    FormActivate();
    tree_->expandAll();
}

void TForm10::searchQuestions(const QString& text)
{
    search_->run(text);
    // Where the field opens over the page tools, it closes again on the results.
    if (searchField_->compact() && searchField_->hasFocus())
        page_->widget()->setFocus();
}
