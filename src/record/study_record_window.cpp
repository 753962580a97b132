#include "record/study_record_window.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "record/record_report.h"
#include "record/record_texts.h"
#include "record/trend_chart.h"
#include "store/bank_connection.h"
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QColor kFailRed(200, 30, 30);
constexpr int kChapterIdRole = Qt::UserRole + 1;

const char* const kStyle =
    "StudyRecordWindow { background: rgb(244, 250, 251); }"
    "QLabel#EmptyLine, QLabel#ExamsEmptyLine, QLabel#ChaptersEmptyLine { color: #35595c; background: white;"
    " border: 1px dashed rgb(150, 196, 205); border-radius: 6px; padding: 18px; }"
    "QLabel[figure=\"true\"] { color: rgb(0, 100, 108); }"
    "QFrame#TotalsPanel { background: white; border: 1px solid rgb(196, 224, 229); border-radius: 6px; }"
    "QPushButton { background: rgb(0, 134, 143); color: white; border: 1px solid rgb(0, 104, 112); border-radius: 11px;"
    " padding: 4px 22px; font-weight: bold; }"
    "QPushButton:hover { background: rgb(16, 156, 165); }"
    "QPushButton:pressed { background: rgb(0, 100, 108); }"
    "QPushButton:disabled { background: rgb(170, 200, 204); border-color: rgb(160, 190, 194); }"
    "QTableWidget { background: white; gridline-color: rgb(214, 232, 236); selection-background-color: rgb(0, 134, 143); }"
    "QHeaderView::section { background: rgb(222, 242, 246); color: #1f3a3d; border: 0; border-bottom: 1px solid rgb(150, 196, 205);"
    " padding: 4px; font-weight: bold; }";

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: rgb(0, 134, 143); font-size: 15px; font-weight: bold;"));
    return label;
}
}

StudyRecordWindow::StudyRecordWindow(QWidget* parent)
    : QDialog(parent)
    , bank_(std::make_unique<BankConnection>(QStringLiteral("StudyRecordWindow")))
{
    setObjectName(QStringLiteral("StudyRecordWindow"));
    setWindowTitle(RecordTexts::kTitle);
    setStyleSheet(QString::fromUtf8(kStyle));
    resize(940, 600);
    overview_ = StudyRecord::overview(bank_->open());
    bank_->close();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 12, 14, 12);
    column->setSpacing(10);
    column->addWidget(buildTotals());
    if (overview_.empty()) {
        column->addWidget(emptyLine(QStringLiteral("EmptyLine"), RecordTexts::kAllEmpty, true), 1);
    } else {
        column->addWidget(heading(QStringLiteral("模拟考试成绩走势"), this));
        column->addWidget(buildChart(), 3);
        column->addWidget(heading(QStringLiteral("章节自测：最薄弱的在前，低于 %1% 的标红；双击一章去练习").arg(StudyRecord::kPassPercent), this));
        column->addWidget(buildChapters(), 2);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* exportButton = new QPushButton(QStringLiteral("导出"), this);
    exportButton->setObjectName(QStringLiteral("ExportButton"));
    exportButton->setEnabled(!overview_.empty());
    exportButton->setCursor(Qt::PointingHandCursor);
    connect(exportButton, &QPushButton::clicked, this, [this] { runReported([this] { exportClick(); }); });
    auto* closeButton = new QPushButton(QStringLiteral("关闭"), this);
    closeButton->setObjectName(QStringLiteral("CloseButton"));
    closeButton->setCursor(Qt::PointingHandCursor);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(exportButton);
    buttons->addWidget(closeButton);
    column->addLayout(buttons);
}

StudyRecordWindow::~StudyRecordWindow() = default;

QWidget* StudyRecordWindow::emptyLine(const QString& name, const QString& text, bool large)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    QFont f = label->font();
    f.setPixelSize(large ? 16 : 14);
    label->setFont(f);
    return label;
}

QWidget* StudyRecordWindow::buildTotals()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("TotalsPanel"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(10, 8, 10, 8);
    const char* const names[] = {"ExamsSat", "SelfTestQuestions", "Favourites", "WrongBank"};
    int i = 0;
    for (const RecordTexts::Figure& figure : RecordTexts::totals(overview_.totals)) {
        auto* value = new QLabel(QStringLiteral("<span style=\"font-size:24px;font-weight:bold\">%1</span> %2")
                                     .arg(figure.value).arg(figure.unit), panel);
        value->setObjectName(QString::fromLatin1(names[i++]));
        value->setProperty("figure", true);
        value->setAlignment(Qt::AlignCenter);
        auto* caption = new QLabel(figure.caption, panel);
        caption->setAlignment(Qt::AlignCenter);
        caption->setStyleSheet(QStringLiteral("color: #35595c;"));
        auto* cell = new QVBoxLayout;
        cell->setSpacing(0);
        cell->addWidget(value);
        cell->addWidget(caption);
        row->addLayout(cell, 1);
    }
    return panel;
}

QWidget* StudyRecordWindow::buildChart()
{
    if (overview_.exams.isEmpty())
        return emptyLine(QStringLiteral("ExamsEmptyLine"), RecordTexts::kExamsEmpty, false);
    auto* view = new QChartView(TrendChart::build(overview_.exams), this);
    view->setObjectName(QStringLiteral("TrendChart"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    view->setFrameShape(QFrame::NoFrame);
    view->setStyleSheet(QStringLiteral("QGraphicsView { background: transparent; }"));
    return view;
}

QWidget* StudyRecordWindow::buildChapters()
{
    if (overview_.chapters.isEmpty())
        return emptyLine(QStringLiteral("ChaptersEmptyLine"), RecordTexts::kChaptersEmpty, false);
    const QStringList headers = RecordTexts::chapterHeaders();
    table_ = new QTableWidget(overview_.chapters.size(), headers.size(), this);
    table_->setObjectName(QStringLiteral("ChapterTable"));
    table_->setHorizontalHeaderLabels(headers);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setCursor(Qt::PointingHandCursor);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < headers.size(); ++c)
        table_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    for (int r = 0; r < overview_.chapters.size(); ++r) {
        const StudyRecord::Chapter& chapter = overview_.chapters.at(r);
        const QStringList cells = RecordTexts::chapterCells(chapter);
        const int rates[] = {-1, -1, chapter.lastPercent, chapter.bestPercent, -1};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells.at(c));
            item->setData(kChapterIdRole, chapter.chapterId);
            if (c > 0)
                item->setTextAlignment(Qt::AlignCenter);
            if (rates[c] >= 0 && rates[c] < StudyRecord::kPassPercent) {
                item->setForeground(kFailRed);
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
                item->setToolTip(QStringLiteral("低于 %1%").arg(StudyRecord::kPassPercent));
            }
            table_->setItem(r, c, item);
        }
    }
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { chapterDoubleClicked(row); });
    return table_;
}

void StudyRecordWindow::chapterDoubleClicked(int row)
{
    if (const QTableWidgetItem* item = table_->item(row, 0)) {
        chosenChapter_ = item->data(kChapterIdRole).toInt();
        accept();
    }
}

void StudyRecordWindow::exportClick()
{
    const QString proposed = QStringLiteral("学习记录-%1.pdf").arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
    QString path = Dialogs::instance().saveFileName(proposed, QStringLiteral("PDF 文件 (*.pdf)|*.pdf"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (QFileInfo::exists(path)
        && Dialogs::instance().ask(QStringLiteral("“%1”已经存在，要用这份报告替换它吗？").arg(QDir::toNativeSeparators(path)),
                                   QStringLiteral("提示"), Dialogs::Buttons::OkCancel)
               != Dialogs::Answer::Ok)
        return;
    RecordReport::write(path, overview_, QDateTime::currentDateTime());
    Dialogs::instance().inform(QStringLiteral("学习记录已导出到：\n") + QDir::toNativeSeparators(path));
}
