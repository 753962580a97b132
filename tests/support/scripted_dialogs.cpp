#include "support/scripted_dialogs.h"

ScriptedDialogs::ScriptedDialogs()
{
    Dialogs::install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::install(nullptr);
}

void ScriptedDialogs::showMessage(const QString& text, const QString& caption)
{
    shown.append({text, caption, Buttons::Ok});
    if (whileShown)
        whileShown();
}

QString ScriptedDialogs::saveFileName(const QString& proposedName, const QString& filter)
{
    fileDialogs.append({true, proposedName, filter});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString ScriptedDialogs::openFileName(const QString& filter)
{
    fileDialogs.append({false, QString(), filter});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

Dialogs::Answer ScriptedDialogs::ask(const QString& text, const QString& caption, Buttons buttons)
{
    shown.append({text, caption, buttons});
    if (whileShown)
        whileShown();
    return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
}

QStringList ScriptedDialogs::texts() const
{
    QStringList list;
    for (const auto& s : shown)
        list.append(s.text);
    return list;
}
