#pragma once
#include <QObject>

class HttpGet;
class PracticeHost;
class QTimer;

// Whether a newer release is out: once right after start-up from the release descriptor
// fetched from the update server, and on request from the descriptors already present.
// When one is, the candidate is told and the updater of the program folder starts.
class UpdateCheck : public QObject {
    Q_OBJECT
public:
    explicit UpdateCheck(PracticeHost& host);
    ~UpdateCheck() override;

    // The start-up timer's first tick: fetches the descriptor into tmp.ini and decides.
    // Returns at once; every failure is silent.
    void Timer1Timer();
    // "软件升级".
    void rjsjClick();

    void setTimeout(int ms) { timeoutMs_ = ms; }
    QTimer* timer() const { return timer1_; }

signals:
    // The automatic check has ended, whatever its outcome.
    void finished();

private:
    void downloaded(bool ok, const QByteArray& body);
    void decideWhenPageIsFree();
    bool decide();

    PracticeHost& host_;
    QTimer* timer1_ = nullptr;
    HttpGet* download_ = nullptr;
    int timeoutMs_ = 5000;
};
