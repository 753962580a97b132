#include "support/scripted_dialogs.h"

ScriptedDialogs::ScriptedDialogs()
{
    Dialogs::install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::install(nullptr);
}

void ScriptedDialogs::showMessage(const QString& text)
{
    shown.append({text, QString(), Buttons::Ok});
}

Dialogs::Answer ScriptedDialogs::ask(const QString& text, const QString& caption, Buttons buttons)
{
    shown.append({text, caption, buttons});
    return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
}

QStringList ScriptedDialogs::texts() const
{
    QStringList list;
    for (const auto& s : shown)
        list.append(s.text);
    return list;
}
