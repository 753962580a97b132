#pragma once
#include "store/study_record.h"
#include <QDialog>
#include <memory>

class BankConnection;
class QLabel;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

// "学习记录": the mock exams' trend, the chapters with self-tests weakest first, the
// totals, and the export of all of it as a PDF report. Reads the bank once when it opens.
class StudyRecordWindow : public QDialog {
    Q_OBJECT
public:
    explicit StudyRecordWindow(QWidget* parent = nullptr);
    ~StudyRecordWindow() override;

    // The chapter whose row the candidate double-clicked, once the window has closed on it; 0 otherwise.
    int chosenChapter() const { return chosenChapter_; }
    const StudyRecord::Overview& overview() const { return overview_; }

    // "导出"
    void exportClick();

private:
    QWidget* buildTotals();
    QWidget* buildChart();
    QWidget* buildChapters();
    QWidget* emptyLine(const QString& name, const QString& text, bool large);
    void chapterDoubleClicked(int row);

    std::unique_ptr<BankConnection> bank_;
    StudyRecord::Overview overview_;
    QTableWidget* table_ = nullptr;
    int chosenChapter_ = 0;
};
