#pragma once
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

// The letter-key shortcut of the exam: an application-wide filter that hears the
// key releases while the exam window is the active window.
class ExamKeys : public QObject {
public:
    ExamKeys(QWidget* window, std::function<void(int key)> released);
    ~ExamKeys() override;

    // Counts the installs of the whole program; the first one starts listening.
    void install();
    // For good: the paper was submitted or the window closes. The count starts again.
    void remove();
    bool installed() const { return installed_; }
    static int installCount();

    // Keeps a message's keys away from the exam: nothing is heard while one lives.
    class Pause {
    public:
        explicit Pause(ExamKeys& keys);
        ~Pause();
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        ExamKeys& keys_;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void listen(bool on);

    QPointer<QWidget> window_;
    std::function<void(int)> released_;
    bool installed_ = false;
    bool listening_ = false;
    int paused_ = 0;
};
