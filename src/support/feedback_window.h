#pragma once
#include "platform/feedback_form.h"
#include <QWidget>
#include <functional>

class FeedbackSender;
class PageView;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// The error-report window: the question on top, what is wrong with it below, and
// "确 定" sends one row to the maker's feedback server.
class TForm9 : public QWidget, public FeedbackForm {
    Q_OBJECT
public:
    // closed: the practice window becomes the active one again.
    TForm9(QWidget* parent, std::function<void()> closed);
    ~TForm9() override;

    // The subject name every row carries.
    void setSubject(const QString& subject) { subject_ = subject; }

    // FeedbackForm
    void clearAndShow() override;
    PageView& reportPage() override { return *page_; }
    void setReportedQuestion(const QString& id, const QString& content) override;

    void FormShow();
    // "确 定": sends the report; a press while one is on its way does nothing.
    void SpeedButton1Click();
    // "取 消": closes; nothing is sent.
    void SpeedButton2Click();

    // The fourteen values of the row as it would be sent now.
    QStringList rowValues() const;
    bool sending() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void sent(bool ok);
    void showSending(bool on);

    std::function<void()> closed_;
    PageView* page_ = nullptr;
    QList<QCheckBox*> boxes_;
    QPlainTextEdit* memo_ = nullptr;
    QPushButton* confirm_ = nullptr;
    QLabel* sendingLabel_ = nullptr;
    QProgressBar* sendingBar_ = nullptr;
    FeedbackSender* sender_ = nullptr;
    QString subject_;
    QString reportedId_;
    QString reportedContent_;
    // Counts the reports shown, so that a late answer closes only its own report.
    int report_ = 0;
    int sendingReport_ = 0;
};
