#pragma once
#include <QDialog>
#include <memory>

class BankConnection;
class QTreeWidget;

// The wrong-question bank window: lists the bank with a check box per row and
// removes the checked questions from it.
class TForm16 : public QDialog {
    Q_OBJECT
public:
    explicit TForm16(QWidget* parent = nullptr);
    ~TForm16() override;

    void FormShow();
    void btnSelAllClick();
    void btnInvertClick();
    void bsSkinButton1Click();
    void bsSkinButton2Click();

    QTreeWidget* list() const { return list_; }
    QVector<bool> checkedRows() const;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void setAllChecks(const std::function<bool(bool)>& next);

    std::unique_ptr<BankConnection> bank_;
    QTreeWidget* list_ = nullptr;
};
