#include "support/help_window.h"
#include "platform/page_view.h"
#include "store/program_folder.h"
#include <QFileInfo>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Kaivora 使用帮助"));
    resize(900, 680);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    page_ = new PageView(this);
    layout->addWidget(page_->widget());
}

bool HelpWindow::showHelp()
{
    const QString path = ProgramFolder::file(QStringLiteral("hlp.html"));
    if (!QFileInfo(path).isFile())
        return false;
    page_->load(path);
    show();
    raise();
    activateWindow();
    return true;
}
