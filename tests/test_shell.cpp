#include "platform/shell.h"
#include "support/recording_shell.h"
#include "support/test_main.h"
#include <QTemporaryDir>

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void startsAProgramAndReturnsAtOnce()
    {
        QTemporaryDir dir;
        const QString mark = dir.filePath("ran");
        QVERIFY(SystemShell().startProgram("/bin/sh", {"-c", "sleep 1; touch " + mark}));
        QVERIFY(!QFile::exists(mark));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(mark), 10000);
    }

    void aMissingProgramIsRefused()
    {
        QVERIFY(!SystemShell().startProgram("/nonexistent/calc", {}));
    }

    void aRecorderTakesTheRequestsWhileItLives()
    {
        {
            RecordingShell recorder;
            QVERIFY(Shell::instance().startProgram("calc"));
            QCOMPARE(recorder.started.size(), 1);
            QCOMPARE(recorder.started.first().path, QString("calc"));
        }
        QVERIFY(dynamic_cast<SystemShell*>(&Shell::instance()));
    }
};

KAIVORA_TEST_MAIN(TestShell)
#include "test_shell.moc"
