#include "platform/dialogs.h"
#include <QApplication>
#include <QMessageBox>

namespace {
Dialogs*& installed()
{
    static Dialogs* dialogs = nullptr;
    return dialogs;
}

struct Listener {
    QObject* owner = nullptr;
    std::function<void()> run;
};

Listener& listener()
{
    static Listener current;
    return current;
}

QWidget* owner()
{
    return QApplication::activeWindow();
}
}

Dialogs& Dialogs::instance()
{
    static QtDialogs real;
    return installed() ? *installed() : real;
}

void Dialogs::install(Dialogs* dialogs)
{
    installed() = dialogs;
}

void Dialogs::inform(const QString& text)
{
    showMessage(text);
    if (listener().run)
        listener().run();
}

void Dialogs::setInformClosedListener(QObject* owner, std::function<void()> run)
{
    if (!run && listener().owner != owner)
        return;
    listener() = {run ? owner : nullptr, std::move(run)};
}

void QtDialogs::showMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, owner());
    box.exec();
}

Dialogs::Answer QtDialogs::ask(const QString& text, const QString& caption, Buttons buttons)
{
    QMessageBox::StandardButtons set = QMessageBox::Ok | QMessageBox::Cancel;
    if (buttons == Buttons::YesNo)
        set = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == Buttons::Ok)
        set = QMessageBox::Ok;
    QMessageBox box(QMessageBox::Question, caption, text, set, owner());
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}
