#pragma once
#include "platform/dialogs.h"
#include <QList>
#include <QStringList>
#include <functional>

// Records every message and answers questions from a queue (Ok when it runs dry).
// File dialogs answer from their own queue (cancelled when it runs dry) and record
// what they were opened with.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        QString caption;
        Buttons buttons;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    struct FileDialog {
        bool save;
        QString proposedName;
        QString filter;
    };

    Answer ask(const QString& text, const QString& caption, Buttons buttons) override;
    QString saveFileName(const QString& proposedName, const QString& filter) override;
    QString openFileName(const QString& filter) override;

    QList<Answer> answers;
    QList<Shown> shown;
    // Runs while each message or question is up, as a candidate acting on the box.
    std::function<void()> whileShown;
    QStringList texts() const;
    // Chosen names in order; an empty name is a cancelled dialog.
    QStringList fileAnswers;
    QList<FileDialog> fileDialogs;

protected:
    void showMessage(const QString& text, const QString& caption) override;
};
