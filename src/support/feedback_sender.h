#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>

class QThread;

// Sends one feedback row to the feedback server through ODBC on a thread of its
// own, so that the window stays responsive. Connecting and the statement have ten
// seconds each; a send that takes longer counts as failed and is rolled back when
// the server answers at last.
class FeedbackSender : public QObject {
    Q_OBJECT
public:
    static constexpr int kLimitMs = 10000;
    // The columns of a row, in the order of the values.
    static const QStringList& columns();
    static QString insertStatement();

    explicit FeedbackSender(QObject* parent = nullptr);
    ~FeedbackSender() override;

    bool busy() const { return bool(current_); }
    // Starts one send of the fourteen values; finished follows once. Refused while
    // a send runs.
    bool send(const QString& connectionString, const QStringList& values);

    // What the sending thread and the window share about one send.
    struct Job;

signals:
    void finished(bool sent);

private:
    void checkLimit();
    void threadDone(QThread* thread, const std::shared_ptr<Job>& job);

    std::shared_ptr<Job> current_;
    QElapsedTimer clock_;
    QTimer limit_;
    QList<QThread*> threads_;
};
