#pragma once
#include "store/error.h"
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <functional>

class QWebEngineView;
class QWidget;
class NavigationPage;

// A page that died or did not answer in time. A read that fails this way must
// never be taken for an empty page.
class PageError : public KaivoraError {
public:
    using KaivoraError::KaivoraError;
};

// The HTML page view of a window. The one piece of code that talks to the web engine:
// pages are the shell file plus fragments appended at the end of its body.
class PageView : public QObject {
    Q_OBJECT
public:
    // Returns true to cancel the navigation to the given address.
    using NavigationHook = std::function<bool(const QString& url)>;

    explicit PageView(QWidget* parent = nullptr);
    ~PageView() override;

    QWidget* widget() const;
    // The text as a JavaScript string literal, for scripts built around it.
    static QString scriptLiteral(const QString& text);
    // The texts as a JavaScript array literal.
    static QString scriptLiterals(const QStringList& texts);

    // Starts loading a local file; returns at once.
    void load(const QString& path);
    // Waits until the loaded document is ready. False if the page died or never came.
    bool waitReady();
    // Lets a document that is still loading make progress, without waiting for it.
    void keepLoading();

    // Buffered; sent with the next flush, each fragment parsed on its own, in order.
    void append(const QString& fragment);
    // Waits for the document, also with nothing to send. Throws PageError when the
    // page died or never came.
    void flush();

    void runScript(const QString& script);
    // Runs a script and waits for its value. Throws PageError when the page died
    // or did not answer in time.
    QVariant evaluate(const QString& script);

    // Batched element access by id: one script call for all ids, one value per id
    // (null where no element has the id). Throws PageError as evaluate does.
    QVariantList readProperty(const QStringList& ids, const QString& property);
    void writeProperty(const QString& id, const QString& property, const QVariant& value);
    // The same value written to every element of the list in one script call;
    // ids without an element are passed over.
    void writeProperty(const QStringList& ids, const QString& property, const QVariant& value);

    void setBodyFontSize(int pixels);
    // Text zoom level 0 to 4; 2 is the normal size.
    void setTextZoom(int level);

    void setNavigationHook(NavigationHook hook);

    // Every fragment appended since the last load, for tests.
    const QStringList& fragmentLog() const { return log_; }

signals:
    void renderProcessDied();
    // Something a wait may be waiting for has happened.
    void progressed();

private:
    bool waitFor(const std::function<bool()>& done);

    QPointer<QWebEngineView> view_;
    NavigationPage* page_ = nullptr;
    QStringList pending_;
    QStringList log_;
    bool loading_ = false;
    bool dead_ = false;
    int zoom_ = 2;
};
