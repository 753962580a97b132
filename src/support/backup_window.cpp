#include "support/backup_window.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "store/bank_connection.h"
#include "support/bank_backup.h"
#include <QDate>
#include <QLineEdit>

TForm13::TForm13(QWidget* parent)
    : BackupFileWindow(parent, QStringLiteral("TForm13"), QStringLiteral("数据备份"), QSize(401, 199))
{
    edit1_->setReadOnly(true);
}

void TForm13::SpeedButton1Click()
{
    // The date in a form that every file system accepts in a name.
    const QString proposed = kBackupMark + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    const QString chosen = Dialogs::instance().saveFileName(proposed, kFilter);
    if (chosen.isEmpty())
        return;
    target_ = chosen;
    edit1_->setText(chosen);
}

void TForm13::SpeedButton2Click()
{
    if (edit1_->text().trimmed().isEmpty()) {
        Dialogs::instance().inform(QStringLiteral("请选择备份路径！"));
        return;
    }
    // Why a backup failed is not the candidate's concern; the message asks for another try.
    if (!runSilently([this] { BankBackup::backup(BankConnection::bankPath(), target_); })) {
        Dialogs::instance().inform(QStringLiteral("备份失败，请重试！"));
        return;
    }
    Dialogs::instance().inform(QStringLiteral("备份成功！"));
    accept();
}
