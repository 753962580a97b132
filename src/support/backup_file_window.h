#pragma once
#include <QDialog>
#include <QImage>

class QLineEdit;
class QPushButton;

// The frame the backup and the restore window share: the background with the label
// "数据备份文件" and the note, the file field Edit1 and the buttons "...", "确定", "取消".
class BackupFileWindow : public QDialog {
    Q_OBJECT
public:
    QLineEdit* edit() const { return edit1_; }

    // "..." chooses the file, "确定" does the work, "取消" closes the window.
    virtual void SpeedButton1Click() = 0;
    virtual void SpeedButton2Click() = 0;
    void SpeedButton3Click();

protected:
    BackupFileWindow(QWidget* parent, const QString& name, const QString& caption, const QSize& client);
    void paintEvent(QPaintEvent* event) override;

    // The filter of both file dialogs.
    static const QString kFilter;
    // The text every backup file's full name carries.
    static const QString kBackupMark;

    QLineEdit* edit1_ = nullptr;

private:
    QImage background_;
};
