#include "platform/dialogs.h"
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

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

// "label|pattern" pairs become entries that show the label alone and list by the
// pattern: "All files (*.mdb.bak)|*.*" lists every file under "All files (*.mdb.bak)".
QStringList nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts.at(i + 1);
        pattern.replace(QStringLiteral("*.*"), QStringLiteral("*")).replace(QLatin1Char(';'), QLatin1Char(' '));
        entries.append(parts.at(i) + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return entries;
}

QString runFileDialog(QFileDialog::AcceptMode mode, const QString& proposedName, const QString& filter)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    QFileDialog dialog(owner(), QString(), QDir(folder).filePath(proposedName));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The labels carry their own pattern text; the dialog must not add the real one again.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails
                      | QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(nameFilters(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
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

void Dialogs::inform(const QString& text, const QString& caption)
{
    showMessage(text, caption);
    if (listener().run)
        listener().run();
}

void Dialogs::informInWindow(const QString& text)
{
    showMessage(text, QString());
}

void Dialogs::setInformClosedListener(QObject* owner, std::function<void()> run)
{
    if (!run && listener().owner != owner)
        return;
    listener() = {run ? owner : nullptr, std::move(run)};
}

void QtDialogs::showMessage(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption.isEmpty() ? QApplication::applicationDisplayName() : caption, text,
                    QMessageBox::Ok, owner());
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

QString QtDialogs::saveFileName(const QString& proposedName, const QString& filter)
{
    return runFileDialog(QFileDialog::AcceptSave, proposedName, filter);
}

QString QtDialogs::openFileName(const QString& filter)
{
    return runFileDialog(QFileDialog::AcceptOpen, QString(), filter);
}
