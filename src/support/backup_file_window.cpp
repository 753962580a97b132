#include "support/backup_file_window.h"
#include "platform/errors.h"
#include "store/program_folder.h"
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

const QString BackupFileWindow::kFilter = QStringLiteral("All files (*.mdb.bak)|*.*");
const QString BackupFileWindow::kBackupMark = QStringLiteral("Kaivora医药软件数据备份");

namespace {
QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& box)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(box);
    // Enter in the field does nothing of itself, as in the rest of the program.
    b->setAutoDefault(false);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}
}

BackupFileWindow::BackupFileWindow(QWidget* parent, const QString& name, const QString& caption, const QSize& client)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , background_(ProgramFolder::file(QStringLiteral("tp/sjbf-bg.jpg")))
{
    setObjectName(name);
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(client);
    setStyleSheet(QStringLiteral(
        "QPushButton { background: rgb(0, 134, 143); color: white; border: 0; border-radius: 3px; }"
        "QPushButton:hover { background: rgb(0, 160, 170); }"
        "QPushButton:pressed { background: rgb(0, 100, 108); }"
        "QLineEdit { border: 1px solid rgb(120, 178, 184); background: white; padding: 0 3px; }"
        "QLineEdit:read-only { background: rgb(246, 250, 250); }"));

    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setGeometry(92, 33, 259, 21);
    auto* choose = button(this, QStringLiteral("SpeedButton1"), QStringLiteral("..."), QRect(355, 30, 23, 22));
    auto* confirm = button(this, QStringLiteral("SpeedButton2"), QStringLiteral("确定"), QRect(233, 175, 73, 23));
    auto* cancel = button(this, QStringLiteral("SpeedButton3"), QStringLiteral("取消"), QRect(312, 174, 73, 23));
    connect(choose, &QPushButton::clicked, this, [this] { runReported([this] { SpeedButton1Click(); }); });
    connect(confirm, &QPushButton::clicked, this, [this] { runReported([this] { SpeedButton2Click(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { SpeedButton3Click(); });
}

void BackupFileWindow::SpeedButton3Click()
{
    reject();
}

void BackupFileWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(0, 0, background_);
}
