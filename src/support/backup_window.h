#pragma once
#include "support/backup_file_window.h"

// "数据备份": writes the question bank to a backup file of the candidate's choice.
class TForm13 : public BackupFileWindow {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);

    // Chooses the target in a save dialog; a cancelled dialog keeps the previous one.
    void SpeedButton1Click() override;
    // Writes the backup to the target.
    void SpeedButton2Click() override;

private:
    QString target_;
};
