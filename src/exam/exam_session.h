#pragma once
#include "exam/answer_sheet.h"
#include "exam/paper_grading.h"
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <array>
#include <optional>

class BankConnection;
class DrawSource;
class ExamKeys;
class PageView;

// What the exam needs of its window besides the page: the notice, the sheet's
// widgets, the status line, the clock, the legend and the focus.
class ExamScreen {
public:
    virtual ~ExamScreen() = default;
    virtual void showDrawingNotice() = 0;
    virtual void hideDrawingNotice() = 0;
    // Creates the headings and cells; later colours arrive through sheet.painted.
    virtual void showSheet(AnswerSheet& sheet) = 0;
    // The progress maximum and the total "/" + rows.
    virtual void showTotal(int rows) = 0;
    virtual void showProgress(int position, int answered) = 0;
    virtual void stopClock() = 0;
    // The legend reads "答对" and "答错" from now on.
    virtual void showSubmitted() = 0;
    virtual void focusNext() = 0;
    // The window was closed meanwhile (during the drawing notice): the drawing stops.
    virtual bool gone() const = 0;
};

// One sitting of the mock exam: drawing the paper, moving through it with the
// answers captured on the way, the letter keys, grading and review.
class ExamSession {
public:
    enum class Move { Previous, Next, Cell };

    ExamSession(BankConnection& bank, PageView& page, ExamScreen& screen, ExamKeys& keys);
    ~ExamSession();

    // The first activation of the window: draws the paper and shows its first
    // question; later calls do nothing.
    void FormActivate(DrawSource& draws);
    void FormActivate();

    void RzBitBtn1Click() { MoveToQuestion(Move::Previous); }
    void RzBitBtn2Click() { MoveToQuestion(Move::Next); }
    // A cell of the answer sheet, by its caption.
    void RzBitBtn5Click(const QString& caption);
    void RzBitBtn3Click() { GradePaper(); }
    void keyReleased(int key);

    void MoveToQuestion(Move move, double cellNumber = 0);
    void GradePaper();

    double currentNumber() const { return current_; }
    bool submitted() const { return submitted_; }
    bool drawn() const { return drawn_; }
    AnswerSheet& sheet() { return sheet_; }
    int rows() const { return rows_; }

private:
    // A message of the exam; the letter keys are not heard while it is up.
    void tell(const QString& text);
    void promptOnce(const QString& type);
    std::optional<QSqlRecord> row(double number);
    void capture();
    // The study record's entry for this sitting.
    void record(const QSqlDatabase& db, const PaperGrading::Result& result) const;
    void showReview(double number);

    BankConnection& bank_;
    PageView& page_;
    ExamScreen& screen_;
    ExamKeys& keys_;
    AnswerSheet sheet_;
    bool drawn_ = false;
    bool submitted_ = false;
    double current_ = 0;
    int rows_ = 0;
    // From the first question on show to the grading.
    QElapsedTimer sitting_;
    std::array<bool, 4> prompted_{false, false, false, false};
};
