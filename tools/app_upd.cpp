// app_upd: Kaivora's updater. Kaivora starts it when the update server lists a newer
// release; it tells the candidate and opens the maker's download page in the browser.
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QUrl>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationDisplayName(QStringLiteral("Kaivora 升级"));
    const QSettings ini(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kaivora.ini")),
                        QSettings::IniFormat);
    const QUrl page(ini.value(QStringLiteral("links/download")).toString());
    QMessageBox box(QMessageBox::Information, QStringLiteral("Kaivora 升级"),
                    QStringLiteral("Kaivora 有新版本发布了。\n\n"
                                   "点击“打开下载页”，在浏览器中下载新版本的安装程序；"
                                   "安装前请先用“数据备份”备份您的答题记录。"),
                    QMessageBox::NoButton);
    QPushButton* open = box.addButton(QStringLiteral("打开下载页"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("以后再说"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() == static_cast<QAbstractButton*>(open) && page.isValid())
        return QDesktopServices::openUrl(page) ? 0 : 1;
    return 0;
}
