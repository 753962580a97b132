#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A program folder of its own for one test: a bank built from SQL, the page
// shell and the pictures. The program is pointed at it while it lives.
class TestFolder {
public:
    // sql runs after the schema; an empty text leaves the bank empty.
    explicit TestFolder(const QString& sql = QString());
    ~TestFolder();

    QString path() const;
    QString bankPath() const;
    // A connection of the test's own to the bank, for setting up and checking.
    QSqlDatabase db();
    QString scalar(const QString& statement);
    void exec(const QString& statement);
    // The update server the program asks, "host:port"; a closed loopback port unless set.
    void setUpdateHost(const QString& host);
    // Any setting of kaivora.ini, e.g. ("feedback", "odbc", connection string).
    void setSetting(const QString& section, const QString& key, const QString& value);

private:
    QTemporaryDir dir_;
    QString connection_;
};

// Questions of a small fixture, written compactly.
namespace fixture {
QString node(int id, const QString& name, int parent, int code);
QString group(int id, int chapter, int qtypeid, const QString& content = QString(), int opnum = 0);
QString question(int id, int group, const QString& content, const QString& answer = QStringLiteral("A"),
                 const QString& picurl = QString(), const QString& scbt = QString(), const QString& ct = QString());
QString options(int firstId, int question, int count);
// A case sub-question or matching item: its number within the group, and an lx left by an earlier exam.
QString item(int id, int group, int itemnum, const QString& content, const QString& answer, const QString& lx = QStringLiteral("B"));
// The four rows of ts: single, multiple, case texts, matching groups.
QString examCounts(int single, int multiple, int cases, int matching);
// The nine types with code = id - 2 and plain titles "题型N".
QString types();
}
