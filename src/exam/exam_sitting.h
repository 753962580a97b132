#pragma once
#include "exam/answer_sheet_panel.h"
#include "exam/exam_keys.h"
#include "exam/exam_session.h"
#include <QObject>

class TForm4;

// Puts an exam session into its window: the first activation draws the paper, the
// buttons and cells move, "交 卷" grades, the letter keys tick, closing stops the keys.
class ExamSitting : public QObject, public ExamScreen {
public:
    explicit ExamSitting(TForm4& window);
    ~ExamSitting() override;

    ExamSession& session() { return session_; }
    const AnswerSheetPanel& sheetPanel() const { return panel_; }

    void showDrawingNotice() override;
    void hideDrawingNotice() override;
    void showSheet(AnswerSheet& sheet) override;
    void showTotal(int rows) override;
    void showProgress(int position, int answered) override;
    void stopClock() override;
    void showSubmitted() override;
    void focusNext() override;
    bool gone() const override { return closed_; }

private:
    TForm4& window_;
    AnswerSheetPanel panel_;
    ExamKeys keys_;
    ExamSession session_;
    bool closed_ = false;
};
