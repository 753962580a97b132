#pragma once
#include <QDialog>
#include <QPointer>
#include <memory>

class BankConnection;
class ExamSitting;
class PageView;
class PracticeHost;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTimer;
class TForm7;

// The exam window ("人机对话"): covers the screen and stays where it is, with the
// paper's page in the centre, the buttons and the clock below and the answer sheet
// on the right. Each exam makes a new one; a closed one is not used again.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    TForm4(PracticeHost& host, QWidget* parent);
    ~TForm4() override;

    // Windows of the entry chain that close with the exam, so that the candidate
    // lands back in the practice window.
    void closeWithExam(QWidget* window);

    // Runs once, right after the first show: announces firstActivated().
    void FormActivate();
    // The calculator, a separate program of the program folder.
    void RzBitBtn4Click();
    // One minute of the exam has passed.
    void Timer1Timer();

    // The drawing notice over this window; shown until hidden again.
    void showDrawingNotice();
    void hideDrawingNotice();

    PracticeHost& host() const { return host_; }
    BankConnection& connection() const { return *connection_; }
    PageView& page() const { return *page_; }
    // The right column's content: the legend, and the answer sheet below it.
    QWidget* answerColumn() const { return column_; }
    QScrollArea* answerScroll() const { return scroll_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* calculatorButton() const { return calculator_; }
    QPushButton* submitButton() const { return submit_; }
    // Label1 "已答", Label2 "在答", Label3 "未答"; Label5 "/" + total, Label6 answered,
    // Label9 the remaining minutes.
    QLabel* label(int number) const;
    QProgressBar* progressBar() const { return progress_; }
    QTimer* clock() const { return timer_; }
    QWidget* captionBar() const { return caption_; }
    TForm7* drawingNotice() const;
    // The paper, its answer sheet and the moves through it.
    ExamSitting* sitting() const { return sitting_; }

signals:
    // The window is up and active for the first time: the paper is drawn here.
    void firstActivated();
    // The window is closing, before its connection and the entry chain close.
    void closing();

protected:
    void done(int result) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormClose();
    QWidget* buildCaption();
    QWidget* buildTopStrip();
    QWidget* buildBottomStrip();
    QWidget* buildRightColumn();
    void holdPlace();
    void queueHoldPlace();

    PracticeHost& host_;
    std::unique_ptr<BankConnection> connection_;
    PageView* page_ = nullptr;
    QWidget* caption_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* column_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* calculator_ = nullptr;
    QPushButton* submit_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTimer* timer_ = nullptr;
    QPointer<TForm7> notice_;
    ExamSitting* sitting_ = nullptr;
    QList<QPointer<QWidget>> chain_;
    bool activated_ = false;
    bool closed_ = false;
    bool holdQueued_ = false;
};
