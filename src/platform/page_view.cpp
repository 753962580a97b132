#include "platform/page_view.h"
#include <QEventLoop>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

// Reports every navigation to the window before the engine makes it.
class NavigationPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    PageView::NavigationHook hook;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override
    {
        if (!isMainFrame || !hook)
            return true;
        return !hook(url.toString());
    }
};

namespace {
constexpr int kWaitLimitMs = 30000;
constexpr int kBatch = 256;
const double kZoomFactors[] = {0.8, 0.9, 1.0, 1.15, 1.3};

// A JavaScript string literal of the text.
void appendLiteral(QString& out, const QString& text)
{
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case 0x2028: out += QLatin1String("\\u2028"); break;
        case 0x2029: out += QLatin1String("\\u2029"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
}

QString scriptArray(const QStringList& items)
{
    QString out;
    qsizetype size = 2;
    for (const QString& item : items)
        size += item.size() + 3;
    out.reserve(size + size / 8);
    out += QLatin1Char('[');
    for (const QString& item : items) {
        if (out.size() > 1)
            out += QLatin1Char(',');
        appendLiteral(out, item);
    }
    out += QLatin1Char(']');
    return out;
}
}

QString PageView::scriptLiteral(const QString& text)
{
    QString out;
    appendLiteral(out, text);
    return out;
}

QString PageView::scriptLiterals(const QStringList& texts)
{
    return scriptArray(texts);
}

PageView::PageView(QWidget* parent)
    : QObject(parent)
    , view_(new QWebEngineView(parent))
    , page_(new NavigationPage(view_))
{
    view_->setObjectName(QStringLiteral("WebBrowser1"));
    view_->setPage(page_);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    connect(page_, &QWebEnginePage::loadFinished, this, [this] {
        loading_ = false;
        emit progressed();
    });
    connect(page_, &QWebEnginePage::renderProcessTerminated, this, [this] {
        dead_ = true;
        loading_ = false;
        emit renderProcessDied();
        emit progressed();
    });
}

PageView::~PageView()
{
    // The page goes before the view and both before the engine's profile.
    delete page_;
    delete view_;
}

QWidget* PageView::widget() const
{
    return view_;
}

void PageView::load(const QString& path)
{
    pending_.clear();
    log_.clear();
    loading_ = true;
    dead_ = false;
    page_->load(QUrl::fromLocalFile(path));
    page_->setZoomFactor(kZoomFactors[zoom_]);
}

bool PageView::waitFor(const std::function<bool()>& done)
{
    if (done() || dead_)
        return done() && !dead_;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &PageView::progressed, &loop, [&] {
        if (done() || dead_)
            loop.quit();
    });
    limit.start(kWaitLimitMs);
    // Clicks and keys wait until the page is built, so one page never mixes two builds.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return done() && !dead_;
}

void PageView::keepLoading()
{
    // Lets a loading page move on while the caller reads the bank; input still waits.
    if (loading_)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool PageView::waitReady()
{
    return waitFor([this] { return !loading_; });
}

void PageView::append(const QString& fragment)
{
    pending_.append(fragment);
    log_.append(fragment);
    // Once the document is ready, a long build is sent in batches, so that the page
    // parses one batch while the caller prepares the next.
    if (!loading_ && pending_.size() >= kBatch)
        flush();
}

void PageView::flush()
{
    if (!waitReady())
        throw PageError(QStringLiteral("页面没有载入"));
    if (pending_.isEmpty())
        return;
    const QString script = QStringLiteral(
        "(function(a){var b=document.body;for(var i=0;i<a.length;i++)b.insertAdjacentHTML('beforeend',a[i]);})(")
        + scriptArray(pending_) + QStringLiteral(");");
    pending_.clear();
    page_->runJavaScript(script);
}

void PageView::runScript(const QString& script)
{
    flush();
    page_->runJavaScript(script);
}

QVariant PageView::evaluate(const QString& script)
{
    flush();
    auto result = std::make_shared<QVariant>();
    auto done = std::make_shared<bool>(false);
    QPointer<PageView> self(this);
    page_->runJavaScript(script, [self, result, done](const QVariant& value) {
        *result = value;
        *done = true;
        if (self)
            emit self->progressed();
    });
    if (!waitFor([done] { return *done; }))
        throw PageError(QStringLiteral("页面没有应答"));
    return *result;
}

QVariantList PageView::readProperty(const QStringList& ids, const QString& property)
{
    const QString script = QStringLiteral(
        "(function(ids,p){return ids.map(function(id){var e=document.getElementById(id);"
        "return e?e[p]:null;});})(") + scriptArray(ids) + QLatin1Char(',') + scriptLiteral(property) + QStringLiteral(");");
    const QVariantList values = evaluate(script).toList();
    if (values.size() != ids.size())
        throw PageError(QStringLiteral("页面没有应答"));
    return values;
}

void PageView::writeProperty(const QString& id, const QString& property, const QVariant& value)
{
    writeProperty(QStringList{id}, property, value);
}

void PageView::writeProperty(const QStringList& ids, const QString& property, const QVariant& value)
{
    const QString literal = value.typeId() == QMetaType::Bool ? (value.toBool() ? QStringLiteral("true") : QStringLiteral("false"))
                                                              : scriptLiteral(value.toString());
    const QString path = property == QLatin1String("color") ? QStringLiteral("e.style.color") : QStringLiteral("e[") + scriptLiteral(property) + QLatin1Char(']');
    runScript(QStringLiteral("(function(ids){ids.forEach(function(id){var e=document.getElementById(id);if(e)") + path
              + QLatin1Char('=') + literal + QStringLiteral(";});})(") + scriptArray(ids) + QStringLiteral(");"));
}

void PageView::setBodyFontSize(int pixels)
{
    runScript(QStringLiteral("document.body.style.fontSize='%1px';").arg(pixels));
}

void PageView::setTextZoom(int level)
{
    zoom_ = qBound(0, level, 4);
    page_->setZoomFactor(kZoomFactors[zoom_]);
}

void PageView::setNavigationHook(NavigationHook hook)
{
    page_->hook = std::move(hook);
}
