#pragma once
#include "platform/dialogs.h"
#include <QList>
#include <QStringList>

// Records every message and answers questions from a queue (Ok when it runs dry).
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        QString caption;
        Buttons buttons;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    Answer ask(const QString& text, const QString& caption, Buttons buttons) override;

    QList<Answer> answers;
    QList<Shown> shown;
    QStringList texts() const;

protected:
    void showMessage(const QString& text) override;
};
