#pragma once
#include <QDialog>
#include <QPointer>
#include <QVector>
#include <memory>

class BankConnection;
class PracticeHost;
class QLabel;
class QLineEdit;
class QPushButton;
class TForm3;

// A borderless screen over the whole display whose controls are centred on the
// screen width by fixed offsets.
class EntryScreen : public QDialog {
    Q_OBJECT
public:
    explicit EntryScreen(QWidget* parent);

protected:
    struct Placed {
        QWidget* widget;
        int offset; // from the middle of the screen
    };
    void place(QWidget* widget, int offset, int y);
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QLabel* title(int pixelSize);

    QLabel* background_ = nullptr;

private:
    QVector<Placed> placed_;
};

// The exam login screen: the admission-ticket number, accepted as typed.
class TForm2 : public EntryScreen {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent);
    void setCandidateWindow(TForm3* candidate) { candidate_ = candidate; }

    // "登录考场" and "退出考场".
    void RzBitBtn1Click();
    void RzBitBtn2Click();

private:
    QPointer<TForm3> candidate_;
};

// The candidate's details and the start of the exam.
class TForm3 : public EntryScreen {
    Q_OBJECT
public:
    TForm3(PracticeHost& host, QWidget* parent);
    ~TForm3() override;
    void setLoginWindow(TForm2* login) { login_ = login; }

    // "重新登录" and "开始考试".
    void SpeedButton1Click();
    void SpeedButton2Click();

private:
    PracticeHost& host_;
    std::unique_ptr<BankConnection> connection_;
    QPointer<TForm2> login_;
};
