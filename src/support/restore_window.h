#pragma once
#include "support/backup_file_window.h"

// "数据还原": replaces the question bank's content by a backup file's.
class TForm14 : public BackupFileWindow {
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent = nullptr);

    // Chooses the backup in an open dialog; only a file whose full name carries the
    // backup mark is accepted.
    void SpeedButton1Click() override;
    // Restores the accepted file, whatever the field shows.
    void SpeedButton2Click() override;

private:
    QString accepted_;
};
