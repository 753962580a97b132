#pragma once
#include <QString>
#include <functional>

class QObject;
class QWidget;

// Every message box goes through this service so that tests can script the answers.
class Dialogs {
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;
    // A plain message, captioned with the program's title unless a caption is given.
    // Once it is closed, the listener hears that a window of the program has closed;
    // a question does not count.
    void inform(const QString& text, const QString& caption = QString());
    // A plain message of a window that stays open beneath it: closing it goes back
    // to that window, so the listener hears nothing.
    void informInWindow(const QString& text);
    virtual Answer ask(const QString& text, const QString& caption, Buttons buttons) = 0;

    // File dialogs. The filter is written "label|pattern|label|pattern"; a cancelled
    // dialog answers an empty name. No extension is ever added to the chosen name.
    virtual QString saveFileName(const QString& proposedName, const QString& filter) = 0;
    virtual QString openFileName(const QString& filter) = 0;

    // One listener at a time; a null function removes the owner's listener.
    static void setInformClosedListener(QObject* owner, std::function<void()> listener);

    static Dialogs& instance();
    // Takes no ownership; nullptr puts the real message boxes back.
    static void install(Dialogs* dialogs);

protected:
    virtual void showMessage(const QString& text, const QString& caption) = 0;
};

class QtDialogs : public Dialogs {
public:
    Answer ask(const QString& text, const QString& caption, Buttons buttons) override;
    QString saveFileName(const QString& proposedName, const QString& filter) override;
    QString openFileName(const QString& filter) override;

protected:
    void showMessage(const QString& text, const QString& caption) override;
};
