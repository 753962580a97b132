#pragma once
#include <QString>

class QWidget;

// Every message box goes through this service so that tests can script the answers.
class Dialogs {
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;
    // A plain message with the program's title as caption.
    virtual void inform(const QString& text) = 0;
    virtual Answer ask(const QString& text, const QString& caption, Buttons buttons) = 0;

    // Set on the boxes of ask(): closing a question does not count as another window closing.
    static constexpr const char* kQuestionBox = "kaivoraQuestionBox";

    static Dialogs& instance();
    // Takes no ownership; nullptr puts the real message boxes back.
    static void install(Dialogs* dialogs);
};

class QtDialogs : public Dialogs {
public:
    void inform(const QString& text) override;
    Answer ask(const QString& text, const QString& caption, Buttons buttons) override;
};
