#pragma once
#include <QDialog>
#include <memory>

class BankConnection;
class QLineEdit;
class QPushButton;

// The exam settings ("参数设置"): how many questions of each type the next paper
// draws, kept in table ts by row position.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent);
    ~TForm6() override;

    // Set by "进 入"; cleared each time the window is shown.
    bool entered() const { return entered_; }

    void FormShow();
    void RzBitBtn1Click();
    void RzBitBtn2Click();

    QLineEdit* field(int number) const { return fields_[number - 1]; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadFields();
    void save();

    std::unique_ptr<BankConnection> connection_;
    QLineEdit* fields_[4] = {};
    bool entered_ = false;
};
