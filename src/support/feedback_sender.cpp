#include "support/feedback_sender.h"
#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>
#include <atomic>

struct FeedbackSender::Job {
    std::atomic<bool> abandoned{false};
    std::atomic<bool> sent{false};
    // Milliseconds into the send when the server accepted the login; -1 before.
    std::atomic<qint64> connectedAt{-1};
};

namespace {
QAtomicInt counter;
constexpr int kExitWaitMs = 2000;

// Runs on the send's own thread: its connection is made, used and removed there.
bool insertRow(const QString& connectionString, const QStringList& values, FeedbackSender::Job& job, const QElapsedTimer& clock)
{
    const QString name = QStringLiteral("feedback#") + QString::number(counter.fetchAndAddRelaxed(1));
    bool sent = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
        db.setDatabaseName(connectionString);
        db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1;SQL_ATTR_CONNECTION_TIMEOUT=%1").arg(FeedbackSender::kLimitMs / 1000));
        if (db.open()) {
            job.connectedAt = clock.elapsed();
            const bool inTransaction = db.driver()->hasFeature(QSqlDriver::Transactions) && db.transaction();
            QSqlQuery query(db);
            bool ok = query.prepare(FeedbackSender::insertStatement());
            for (const QString& value : values)
                query.addBindValue(value);
            ok = ok && query.exec();
            query.finish();
            if (inTransaction) {
                // A send the window has already given up on must not arrive later.
                if (ok && !job.abandoned)
                    ok = db.commit();
                else
                    db.rollback();
            }
            sent = ok;
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return sent;
}
}

const QStringList& FeedbackSender::columns()
{
    static const QStringList names = {
        QStringLiteral("kemu"),     QStringLiteral("tihao"),     QStringLiteral("tigan"),  QStringLiteral("tupian"),
        QStringLiteral("kaoshidg"), QStringLiteral("xueke"),     QStringLiteral("chenjiu"), QStringLiteral("cuobiezi"),
        QStringLiteral("silutigan"), QStringLiteral("silutp"),   QStringLiteral("siluddaan"), QStringLiteral("silucbz"),
        QStringLiteral("shiticf"),  QStringLiteral("shuoming")};
    return names;
}

QString FeedbackSender::insertStatement()
{
    // The values are bound: question text and comments arrive exactly as written.
    return QStringLiteral("insert into durev (kemu,tihao,tigan,tupian , kaoshidg ,xueke , chenjiu , cuobiezi , silutigan ,silutp,siluddaan , "
                          "silucbz ,shiticf ,shuoming) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
}

FeedbackSender::FeedbackSender(QObject* parent)
    : QObject(parent)
{
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, &FeedbackSender::checkLimit);
}

FeedbackSender::~FeedbackSender()
{
    for (QThread* thread : std::as_const(threads_)) {
        thread->disconnect(this);
        // A server that never answers must not hold the program's exit.
        if (thread->wait(kExitWaitMs))
            delete thread;
    }
}

bool FeedbackSender::send(const QString& connectionString, const QStringList& values)
{
    if (busy())
        return false;
    auto job = std::make_shared<Job>();
    current_ = job;
    clock_.start();
    const QElapsedTimer clock = clock_;
    QThread* thread = QThread::create([connectionString, values, job, clock] { job->sent = insertRow(connectionString, values, *job, clock); });
    threads_.append(thread);
    connect(thread, &QThread::finished, this, [this, thread, job] { threadDone(thread, job); });
    limit_.start(kLimitMs);
    thread->start();
    return true;
}

void FeedbackSender::checkLimit()
{
    if (!current_)
        return;
    const qint64 connectedAt = current_->connectedAt;
    const qint64 deadline = connectedAt < 0 ? kLimitMs : connectedAt + kLimitMs;
    if (clock_.elapsed() < deadline) {
        limit_.start(int(deadline - clock_.elapsed()) + 1);
        return;
    }
    current_->abandoned = true;
    current_.reset();
    emit finished(false);
}

void FeedbackSender::threadDone(QThread* thread, const std::shared_ptr<Job>& job)
{
    threads_.removeOne(thread);
    thread->deleteLater();
    if (job != current_)
        return;
    current_.reset();
    limit_.stop();
    emit finished(job->sent);
}
