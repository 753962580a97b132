// The backup and restore windows on the real bank of a test program folder, with other
// connections to it open.
#include "app/picture_button.h"
#include "app/practice_window.h"
#include "platform/page_view.h"
#include "store/bank_connection.h"
#include "support/backup_window.h"
#include "support/bank_backup.h"
#include "support/restore_window.h"
#include "support/scripted_dialogs.h"
#include "support/support_room.h"
#include "support/test_folder.h"
#include "support/test_main.h"
#include "synthetic_bank.h"
#include <QDate>
#include <QElapsedTimer>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QThread>
#include <QTimer>
#include <QUuid>
#include <functional>

namespace {
const QString kMark = QStringLiteral("Kaivora医药软件数据备份");

// One chapter of three questions; question 1 is a favourite, question 2 a wrong one.
QString bank()
{
    using namespace fixture;
    return types() + node(1, "根", 0, 1) + node(2, "节", 1, 2) + node(3, "章", 2, 3) + group(1, 3, 3)
        + question(1, 1, "题一", "A", "", "1", "") + question(2, 1, "题二", "A", "", "", "1") + question(3, 1, "题三")
        + "insert into kemu (ID, mz) values ('主管药师', 'yx'); insert into geshu values ('3');";
}

// Runs work on a connection of its own to any database file.
QString queryFile(const QString& path, const QString& statement)
{
    const QString name = QUuid::createUuid().toString();
    QString value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(statement) && query.next())
                value = query.value(0).toString();
            else
                value = QStringLiteral("error");
        }
    }
    QSqlDatabase::removeDatabase(name);
    return value;
}

// The candidate's data in a bank file: the marks of every question and the subject.
QString marks(const QString& path)
{
    return queryFile(path, QStringLiteral("select (select group_concat(id || ':' || scbt || ct, ',') from question) "
                                          "|| '/' || (select ID from kemu)"));
}

QPushButton* button(QWidget* window, const QString& text)
{
    for (auto* b : window->findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    qFatal("no button %s", qPrintable(text));
}

void click(QWidget* window, const QString& text)
{
    QTest::mouseClick(button(window, text), Qt::LeftButton);
}

// Runs steps inside the next modal window of the program, once it is up.
void insideNextModal(std::function<void(QWidget*)> steps)
{
    QTimer::singleShot(0, [steps] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        steps(modal);
    });
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}
}

class BackupTest : public QObject {
    Q_OBJECT
private slots:
    void backupOverAnExistingFile();
    void cancelKeepsTheTargetAndASecondBackupGoesStraightOn();
    void emptyFieldAsksForAFile_data();
    void emptyFieldAsksForAFile();
    void failedBackupKeepsTheWindowOpen();
    void backupHoldsAWriteStillInTheLog_data();
    void backupHoldsAWriteStillInTheLog();
    void backupToAnotherFileSystem();
    void choosingABackup_data();
    void choosingABackup();
    void rejectedChoiceKeepsTheAcceptedFile();
    void nonBankFilesAreRefused_data();
    void nonBankFilesAreRefused();
    void restoreShowsTheBackupsMarks();
    void restoreKilledHalfway();
};

void BackupTest::backupOverAnExistingFile()
{
    TestFolder folder(bank());
    ScriptedDialogs dialogs;
    TForm10 window;
    SupportRoom room(window);
    window.plug(room);
    const QString target = folder.path() + kMark + ".mdb.bak";
    writeFile(target, "an older backup");
    dialogs.fileAnswers << target;
    bool shown = false;
    insideNextModal([&](QWidget* modal) {
        shown = modal == room.backupWindow();
        click(modal, "...");
        QCOMPARE(modal->findChild<QLineEdit*>("Edit1")->text(), target);
        click(modal, "确定");
    });
    QTest::mouseClick(window.findChild<PictureButton*>("NewImage4"), Qt::LeftButton);
    QVERIFY(shown);
    QVERIFY(!room.backupWindow()->isVisible());
    QCOMPARE(dialogs.texts(), QStringList{"备份成功！"});
    QCOMPARE(dialogs.fileDialogs.size(), 1);
    QVERIFY(dialogs.fileDialogs.first().save);
    QCOMPARE(dialogs.fileDialogs.first().proposedName, kMark + QDate::currentDate().toString("yyyy-MM-dd"));
    QCOMPARE(dialogs.fileDialogs.first().filter, QStringLiteral("All files (*.mdb.bak)|*.*"));
    QCOMPARE(marks(target), QStringLiteral("1:1,2:1,3:/主管药师"));
    QCOMPARE(queryFile(target, "PRAGMA integrity_check"), QStringLiteral("ok"));
    // A single file, no log beside it, nothing left over in the folder.
    QCOMPARE(queryFile(target, "PRAGMA journal_mode"), QStringLiteral("delete"));
    QCOMPARE(QDir(folder.path()).entryList({kMark + "*"}, QDir::Files), QStringList{QFileInfo(target).fileName()});
}

void BackupTest::cancelKeepsTheTargetAndASecondBackupGoesStraightOn()
{
    TestFolder folder(bank());
    ScriptedDialogs dialogs;
    TForm13 backup;
    backup.show();
    const QString target = folder.path() + "第一份" + kMark;
    dialogs.fileAnswers << target << QString();
    click(&backup, "...");
    click(&backup, "...");
    QCOMPARE(backup.edit()->text(), target);
    QCOMPARE(dialogs.fileDialogs.size(), 2);
    QCOMPARE(dialogs.fileDialogs.at(1).proposedName, dialogs.fileDialogs.at(0).proposedName);
    click(&backup, "确定");
    QCOMPARE(marks(target), QStringLiteral("1:1,2:1,3:/主管药师"));

    // The next showing keeps the field and the target.
    folder.exec("update question set scbt='1' where id=3");
    backup.show();
    QCOMPARE(backup.edit()->text(), target);
    click(&backup, "确定");
    QCOMPARE(dialogs.texts(), (QStringList{"备份成功！", "备份成功！"}));
    QCOMPARE(dialogs.fileDialogs.size(), 2);
    QCOMPARE(marks(target), QStringLiteral("1:1,2:1,3:1/主管药师"));
}

void BackupTest::emptyFieldAsksForAFile_data()
{
    QTest::addColumn<bool>("restore");
    QTest::addColumn<QString>("message");
    QTest::newRow("backup") << false << "请选择备份路径！";
    QTest::newRow("restore") << true << "请选择恢复路径！";
}

void BackupTest::emptyFieldAsksForAFile()
{
    QFETCH(bool, restore);
    QFETCH(QString, message);
    TestFolder folder(bank());
    folder.exec("update question set scbt=''");
    ScriptedDialogs dialogs;
    std::unique_ptr<BackupFileWindow> window;
    if (restore)
        window = std::make_unique<TForm14>();
    else
        window = std::make_unique<TForm13>();
    window->show();
    if (restore)
        QTest::keyClicks(window->edit(), "   ");
    QCOMPARE(window->edit()->isReadOnly(), !restore);
    click(window.get(), "确定");
    QCOMPARE(dialogs.texts(), QStringList{message});
    QVERIFY(window->isVisible());
    QCOMPARE(marks(folder.bankPath()), QStringLiteral("1:,2:1,3:/主管药师"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).filter(kMark), QStringList());
}

void BackupTest::failedBackupKeepsTheWindowOpen()
{
    TestFolder folder(bank());
    ScriptedDialogs dialogs;
    TForm13 backup;
    backup.show();
    const QString target = folder.path() + "no such folder/" + kMark;
    dialogs.fileAnswers << target;
    click(&backup, "...");
    click(&backup, "确定");
    QCOMPARE(dialogs.texts(), QStringList{"备份失败，请重试！"});
    QVERIFY(backup.isVisible());
    QCOMPARE(backup.edit()->text(), target);
    QVERIFY(!QFileInfo::exists(target));
}

void BackupTest::backupHoldsAWriteStillInTheLog_data()
{
    QTest::addColumn<bool>("olderReader");
    QTest::newRow("log alone") << false;
    // A reader that started before the write keeps it out of the bank file.
    QTest::newRow("older reader holds the log") << true;
}

void BackupTest::backupHoldsAWriteStillInTheLog()
{
    QFETCH(bool, olderReader);
    TestFolder folder(bank());
    BankConnection other(QStringLiteral("other"));
    QSqlDatabase db = other.open();
    QSqlQuery query(db);
    QVERIFY(query.exec("PRAGMA wal_autocheckpoint=0"));
    BankConnection reader(QStringLiteral("reader"));
    QSqlQuery read(reader.open());
    if (olderReader) {
        QVERIFY(read.exec("begin"));
        QVERIFY(read.exec("select count(*) from question") && read.next());
    }
    QVERIFY(query.exec("update question set scbt='1' where id=3"));
    // The write is in the log only: a copy of the bank file alone misses it.
    QVERIFY(QFileInfo(folder.bankPath() + "-wal").size() > 0);
    const QString rawCopy = folder.path() + "raw.db";
    QVERIFY(QFile::copy(folder.bankPath(), rawCopy));
    QCOMPARE(marks(rawCopy), QStringLiteral("1:1,2:1,3:/主管药师"));

    ScriptedDialogs dialogs;
    TForm13 backup;
    backup.show();
    const QString target = folder.path() + kMark + ".db";
    dialogs.fileAnswers << target;
    click(&backup, "...");
    click(&backup, "确定");
    QCOMPARE(dialogs.texts(), QStringList{"备份成功！"});
    QCOMPARE(marks(target), QStringLiteral("1:1,2:1,3:1/主管药师"));
    QCOMPARE(queryFile(target, "PRAGMA integrity_check"), QStringLiteral("ok"));
    // A single file that opens without a log beside it.
    QCOMPARE(queryFile(target, "PRAGMA journal_mode"), QStringLiteral("delete"));
    // The other connections go on working.
    if (olderReader)
        QVERIFY(read.exec("commit"));
    QVERIFY(query.exec("update question set ct='1' where id=3"));
}

void BackupTest::backupToAnotherFileSystem()
{
    // A backup on a stick or another disk cannot be copied inside one file system.
    const QString shm = QStringLiteral("/dev/shm");
    TestFolder folder(bank());
    if (!QFileInfo(shm).isDir() || QStorageInfo(shm).device() == QStorageInfo(folder.path()).device())
        QSKIP("no second file system to back up to");
    folder.exec("update question set scbt='1' where id=3");
    const QString target = shm + "/" + kMark + QUuid::createUuid().toString(QUuid::WithoutBraces) + ".db";
    BankBackup::backup(folder.bankPath(), target);
    const QString content = marks(target);
    QFile::remove(target);
    QCOMPARE(content, QStringLiteral("1:1,2:1,3:1/主管药师"));
}

void BackupTest::choosingABackup_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("name with the mark") << kMark + "2026-12-11" << true;
    QTest::newRow("folder with the mark") << kMark + "/随便.db" << true;
    QTest::newRow("mark split by a folder") << "Kaivora医药软件/数据备份.db" << false;
    QTest::newRow("no mark") << "med.db" << false;
}

void BackupTest::choosingABackup()
{
    QFETCH(QString, relative);
    QFETCH(bool, accepted);
    TestFolder folder(bank());
    ScriptedDialogs dialogs;
    TForm14 restore;
    restore.show();
    const QString chosen = folder.path() + relative;
    dialogs.fileAnswers << chosen;
    click(&restore, "...");
    QCOMPARE(dialogs.fileDialogs.size(), 1);
    QVERIFY(!dialogs.fileDialogs.first().save);
    QCOMPARE(dialogs.fileDialogs.first().filter, QStringLiteral("All files (*.mdb.bak)|*.*"));
    QCOMPARE(restore.edit()->text(), accepted ? chosen : QString());
    QCOMPARE(dialogs.texts(), accepted ? QStringList() : QStringList{"请恢复您备份的文件！"});
}

void BackupTest::rejectedChoiceKeepsTheAcceptedFile()
{
    TestFolder folder(bank());
    const QString backupFile = folder.path() + kMark + ".mdb.bak";
    BankBackup::backup(folder.bankPath(), backupFile);
    const QString other = folder.path() + "other.db";
    QVERIFY(QFile::copy(backupFile, other));
    folder.exec("update question set scbt='', ct=''");

    ScriptedDialogs dialogs;
    TForm14 restore;
    restore.show();
    dialogs.fileAnswers << backupFile << other;
    click(&restore, "...");
    click(&restore, "...");
    QCOMPARE(restore.edit()->text(), backupFile);
    // Whatever is typed into the field, the accepted file is the one restored.
    QTest::keyClicks(restore.edit(), "/typed-over.db");
    click(&restore, "确定");
    QCOMPARE(dialogs.texts(), (QStringList{"请恢复您备份的文件！", "成功恢复数据！"}));
    QVERIFY(!restore.isVisible());
    QCOMPARE(marks(folder.bankPath()), QStringLiteral("1:1,2:1,3:/主管药师"));
    // The bank as it was before is kept under a name the restore window accepts.
    const QString safety = BankBackup::safetySnapshotPath(folder.bankPath());
    QVERIFY(safety.contains(kMark));
    QCOMPARE(marks(safety), QStringLiteral("1:,2:,3:/主管药师"));
}

void BackupTest::nonBankFilesAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("text") << "text";
    QTest::newRow("unrelated database") << "unrelated";
    QTest::newRow("bank without a table") << "table";
    QTest::newRow("truncated bank") << "truncated";
    QTest::newRow("index that disagrees with its table") << "index";
    QTest::newRow("missing file") << "missing";
}

void BackupTest::nonBankFilesAreRefused()
{
    QFETCH(QString, kind);
    TestFolder folder(bank());
    const QString chosen = folder.path() + kMark + ".mdb.bak";
    if (kind == "text") {
        writeFile(chosen, "SQLite format 3 is what this text says, and nothing else.\n");
    } else if (kind == "unrelated") {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "unrelated");
        db.setDatabaseName(chosen);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec("create table notes (id integer primary key, body text)"));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("unrelated");
    } else if (kind == "table" || kind == "truncated" || kind == "index") {
        BankBackup::backup(folder.bankPath(), chosen);
        if (kind == "table" || kind == "index") {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "damaged");
            db.setDatabaseName(chosen);
            QVERIFY(db.open());
            QSqlQuery damage(db);
            if (kind == "table") {
                QVERIFY(damage.exec("drop table fenshu"));
            } else {
                // The favourites index now claims to index another column: its entries
                // no longer match the rows, while every page is still well formed.
                QVERIFY(damage.exec("PRAGMA writable_schema=ON"));
                QVERIFY(damage.exec("update sqlite_master set sql='CREATE INDEX question_scbt ON question(ct)' "
                                    "where name='question_scbt'"));
            }
            damage.finish();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase("damaged");
            if (kind == "index")
                QCOMPARE(queryFile(chosen, "PRAGMA quick_check"), QStringLiteral("ok"));
        } else {
            QFile file(chosen);
            QVERIFY(file.size() > 16 * 4096);
            QVERIFY(file.resize(file.size() / 2));
        }
    }
    folder.exec("update question set scbt='1' where id=3");
    const QString before = marks(folder.bankPath());

    ScriptedDialogs dialogs;
    TForm14 restore;
    restore.show();
    dialogs.fileAnswers << chosen;
    click(&restore, "...");
    QCOMPARE(restore.edit()->text(), chosen);
    click(&restore, "确定");
    QCOMPARE(dialogs.texts(), QStringList{"恢复失败，请重试!"});
    QVERIFY(restore.isVisible());
    QCOMPARE(marks(folder.bankPath()), before);
    QCOMPARE(queryFile(folder.bankPath(), "PRAGMA integrity_check"), QStringLiteral("ok"));
    // Nothing was replaced, so no snapshot of the bank was kept either.
    QCOMPARE(QDir(folder.path() + "Data").entryList(QDir::Files).filter(kMark), QStringList());
}

void BackupTest::restoreShowsTheBackupsMarks()
{
    TestFolder folder(bank());
    const QString backupFile = folder.path() + kMark + ".mdb.bak";
    BankBackup::backup(folder.bankPath(), backupFile);
    folder.exec("update question set scbt='', ct=''");

    ScriptedDialogs dialogs;
    TForm10 window;
    SupportRoom room(window);
    window.plug(room);
    window.FormShow();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.FormActivate();
    QVERIFY(!window.page().fragmentLog().join("").contains("取消收藏"));
    const int pages = window.pagesBuilt();

    dialogs.fileAnswers << backupFile;
    insideNextModal([&](QWidget* modal) {
        QCOMPARE(modal, room.restoreWindow());
        click(modal, "...");
        click(modal, "确定");
    });
    QSignalSpy built(&window, &TForm10::pageBuilt);
    QTest::mouseClick(window.findChild<PictureButton*>("NewImage2"), Qt::LeftButton);
    QCOMPARE(dialogs.texts(), QStringList{"成功恢复数据！"});
    // The practice window is active again: its first chapter is built anew from the
    // restored bank, once.
    QVERIFY(built.wait());
    QTest::qWait(50);
    QCOMPARE(window.pagesBuilt(), pages + 1);
    const QString page = window.page().fragmentLog().join("");
    QCOMPARE(page.count("取消收藏"), 1);
    QVERIFY(page.contains("题一"));
}

void BackupTest::restoreKilledHalfway()
{
    // A bank large enough that a restore takes a while; two backups that differ.
    TestFolder folder;
    SyntheticBank().generate(folder.db());
    folder.exec("insert into kemu (ID, mz) values ('旧', 'yx')");
    const QString oldFile = folder.path() + kMark + "-旧.db";
    BankBackup::backup(folder.bankPath(), oldFile);
    folder.exec("update kemu set ID='新'");
    folder.exec("update question set scbt='1', ct='1' where id % 3 = 0");
    const QString newFile = folder.path() + kMark + "-新.db";
    BankBackup::backup(folder.bankPath(), newFile);
    const QString newMarks = queryFile(newFile, "select count(*) || (select ID from kemu) from question where scbt='1'");
    const QString oldMarks = queryFile(oldFile, "select count(*) || (select ID from kemu) from question where scbt='1'");
    QVERIFY(newMarks != oldMarks);
    // Other connections stay open throughout.
    BankConnection other(QStringLiteral("other"));
    other.open();

    const auto fingerprint = [&] {
        return queryFile(folder.bankPath(), "select count(*) || (select ID from kemu) from question where scbt='1'");
    };
    // One whole restore first, to spread the kills over its whole length.
    QProcess whole;
    QElapsedTimer clock;
    whole.start(QStringLiteral(RESTORE_WORKER), {folder.bankPath(), oldFile});
    QVERIFY(whole.waitForReadyRead(30000));
    clock.start();
    QVERIFY(whole.waitForFinished(60000));
    const qint64 lengthMs = clock.elapsed();
    QCOMPARE(whole.exitCode(), 0);
    QCOMPARE(fingerprint(), oldMarks);

    int completed = 0;
    int interrupted = 0;
    for (int tenth = 1; tenth <= 12; ++tenth) {
        const QString before = fingerprint();
        const QString from = before == newMarks ? oldFile : newFile;
        const QString target = from == newFile ? newMarks : oldMarks;
        QProcess worker;
        worker.start(QStringLiteral(RESTORE_WORKER), {folder.bankPath(), from});
        QVERIFY(worker.waitForReadyRead(30000));
        QThread::msleep(lengthMs * tenth / 10);
        worker.kill();
        QVERIFY(worker.waitForFinished(30000));
        const bool done = worker.readAllStandardOutput().contains("done");
        (done ? completed : interrupted) += 1;
        QCOMPARE(queryFile(folder.bankPath(), "PRAGMA integrity_check"), QStringLiteral("ok"));
        const QString after = fingerprint();
        QVERIFY2(after == before || after == target, qPrintable(QString("after %1/10: %2").arg(tenth).arg(after)));
        if (done)
            QCOMPARE(after, target);
        qInfo("%d/10: %s, %s", tenth, done ? "done" : "killed", after == target ? "new content" : "old content");
    }
    qInfo("a restore takes %lld ms; %d restores killed, %d completed", lengthMs, interrupted, completed);
    QVERIFY(interrupted > 0);
}

KAIVORA_TEST_MAIN(BackupTest)
#include "test_backup.moc"
