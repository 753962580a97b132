#include "practice/practice_search.h"
#include "platform/page_guard.h"
#include "platform/page_view.h"
#include "platform/practice_host.h"
#include "platform/practice_state.h"
#include "practice/question_search.h"
#include "practice/search_page.h"
#include "store/bank_connection.h"
#include "store/search_index.h"
#include <QProgressDialog>
#include <memory>

namespace {
// Shown only when building the index takes longer than a moment.
constexpr int kProgressDelayMs = 400;

class IndexProgress {
public:
    explicit IndexProgress(QWidget* parent)
        : parent_(parent)
    {
    }

    void operator()(int done, int total)
    {
        if (!dialog_) {
            dialog_ = std::make_unique<QProgressDialog>(QStringLiteral("正在建立试题索引，请稍候……"), QString(), 0, total, parent_);
            dialog_->setWindowTitle(QStringLiteral("试题查找"));
            dialog_->setWindowModality(Qt::WindowModal);
            dialog_->setCancelButton(nullptr);
            dialog_->setMinimumDuration(kProgressDelayMs);
        }
        dialog_->setValue(done);
    }

private:
    QWidget* parent_;
    std::unique_ptr<QProgressDialog> dialog_;
};
}

PracticeSearch::PracticeSearch(PracticeHost& host)
    : host_(host)
{
}

void PracticeSearch::run(const QString& typed)
{
    const QString text = QuestionSearch::normalized(typed);
    if (text.isEmpty())
        return;
    PracticeState& state = host_.state();
    PageGuard guard(state);
    if (guard.refused())
        return;
    host_.setPictureVisible(QStringLiteral("NewImage16"), false);
    host_.setPictureVisible(QStringLiteral("NewImage10"), true);
    // A search page is not a chapter: it cannot be graded or answered again.
    host_.setPictureVisible(QStringLiteral("NewImage11"), false);
    host_.setPictureVisible(QStringLiteral("NewImage12"), false);
    state.searchOnShow = true;

    const QSqlDatabase db = host_.bank().open();
    {
        IndexProgress progress(host_.dialogParent());
        SearchIndex::ensureCurrent(db, [&progress](int done, int total) { progress(done, total); });
    }
    const SearchResult result = QuestionSearch(db, state.viewMode).find(text);
    SearchPage(db, host_.page(), state.viewMode).render(result);
    host_.bank().close();
    host_.page().setTextZoom(1);
}
