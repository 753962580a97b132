#include "support/restore_window.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "store/bank_connection.h"
#include "support/bank_backup.h"
#include <QLineEdit>

TForm14::TForm14(QWidget* parent)
    : BackupFileWindow(parent, QStringLiteral("TForm14"), QStringLiteral("数据还原"), QSize(399, 200))
{
}

void TForm14::SpeedButton1Click()
{
    const QString chosen = Dialogs::instance().openFileName(kFilter);
    if (chosen.isEmpty())
        return;
    if (!chosen.contains(kBackupMark)) {
        Dialogs::instance().inform(QStringLiteral("请恢复您备份的文件！"));
        return;
    }
    accepted_ = chosen;
    edit1_->setText(chosen);
}

void TForm14::SpeedButton2Click()
{
    if (edit1_->text().trimmed().isEmpty()) {
        Dialogs::instance().inform(QStringLiteral("请选择恢复路径！"));
        return;
    }
    // A file that is no sound bank, or a failed copy, leaves the bank as it was; the
    // message asks for another try.
    if (!runSilently([this] { BankBackup::restore(BankConnection::bankPath(), accepted_); })) {
        Dialogs::instance().inform(QStringLiteral("恢复失败，请重试!"));
        return;
    }
    Dialogs::instance().inform(QStringLiteral("成功恢复数据！"));
    accept();
}
