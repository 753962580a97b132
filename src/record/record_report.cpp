#include "record/record_report.h"
#include "record/record_texts.h"
#include "record/trend_chart.h"
#include "store/error.h"
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace RecordReport {
namespace {
constexpr int kDpi = 96;
const QColor kTeal(0, 134, 143);
const QColor kFailRed(200, 30, 30);

QFont font(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("WenQuanYi Zen Hei"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// Lays lines down the pages, starting a new page where the next one does not fit.
class Pages {
public:
    Pages(QPdfWriter& writer, QPainter& painter)
        : writer_(writer), painter_(painter), width_(painter.viewport().width()), height_(painter.viewport().height())
    {
    }

    int width() const { return width_; }

    void room(int height)
    {
        if (y_ + height > height_) {
            writer_.newPage();
            y_ = 0;
        }
    }

    void text(const QString& line, const QFont& f, const QColor& colour = Qt::black, int indent = 0)
    {
        const QFontMetrics metrics(f);
        const QRect box(indent, 0, width_ - indent, 10000);
        const int height = metrics.boundingRect(box, Qt::TextWordWrap, line).height() + 4;
        room(height);
        painter_.setFont(f);
        painter_.setPen(colour);
        painter_.drawText(QRect(indent, y_, width_ - indent, height), Qt::TextWordWrap, line);
        y_ += height;
    }

    // One table row, its cells wrapped within their columns; colours per cell.
    void row(const QStringList& cells, const QVector<int>& columns, const QFont& f, const QVector<QColor>& colours = {})
    {
        const QFontMetrics metrics(f);
        QVector<QRect> boxes;
        int height = metrics.height();
        for (int i = 0; i < cells.size(); ++i) {
            const int left = columns.value(i);
            const int right = i + 1 < columns.size() ? columns.at(i + 1) : width_;
            boxes.append(QRect(left, 0, right - left - 6, 10000));
            height = std::max(height, metrics.boundingRect(boxes.last(), Qt::TextWordWrap, cells.at(i)).height());
        }
        height += 6;
        room(height);
        painter_.setFont(f);
        for (int i = 0; i < cells.size(); ++i) {
            painter_.setPen(colours.value(i, Qt::black));
            painter_.drawText(boxes.at(i).translated(0, y_ + 3).adjusted(0, 0, 0, height - 10000), Qt::TextWordWrap, cells.at(i));
        }
        painter_.setPen(QColor(200, 220, 224));
        painter_.drawLine(0, y_ + height - 1, width_, y_ + height - 1);
        y_ += height;
    }

    void gap(int height) { y_ += height; }

    void chart(const QVector<StudyRecord::Exam>& exams)
    {
        const QSize size(width_, width_ * 9 / 20);
        room(size.height());
        QChartView view(TrendChart::build(exams));
        view.setRenderHint(QPainter::Antialiasing);
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.resize(size);
        view.show();
        QApplication::sendPostedEvents();
        view.render(&painter_, QRectF(0, y_, size.width(), size.height()));
        y_ += size.height();
    }

private:
    QPdfWriter& writer_;
    QPainter& painter_;
    int width_;
    int height_;
    int y_ = 0;
};

QVector<int> spread(int width, const QVector<double>& shares)
{
    QVector<int> starts;
    double at = 0;
    for (double share : shares) {
        starts.append(int(at * width));
        at += share;
    }
    return starts;
}
}

void write(const QString& path, const StudyRecord::Overview& overview, const QDateTime& madeAt)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw KaivoraError(QStringLiteral("无法写入文件：%1\n%2").arg(path, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setTitle(RecordTexts::kTitle);
        writer.setCreator(QStringLiteral("Kaivora"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(kDpi);
        writer.setPageMargins(QMarginsF(16, 16, 16, 16), QPageLayout::Millimeter);
        QPainter painter;
        if (!painter.begin(&writer))
            throw KaivoraError(QStringLiteral("无法写入文件：%1").arg(path));
        painter.setRenderHint(QPainter::Antialiasing);
        Pages pages(writer, painter);

        pages.text(QStringLiteral("Kaivora ") + RecordTexts::kTitle, font(24, true), kTeal);
        pages.text(QStringLiteral("导出时间：") + madeAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")), font(12), Qt::darkGray);
        pages.gap(10);
        QStringList figures;
        for (const RecordTexts::Figure& figure : RecordTexts::totals(overview.totals))
            figures.append(QStringLiteral("%1：%2 %3").arg(figure.caption).arg(figure.value).arg(figure.unit));
        pages.text(figures.join(QStringLiteral("　　")), font(14, true));
        pages.gap(14);

        if (overview.empty()) {
            pages.text(RecordTexts::kAllEmpty, font(13));
        } else {
            pages.text(QStringLiteral("模拟考试成绩走势"), font(16, true), kTeal);
            if (overview.exams.isEmpty())
                pages.text(RecordTexts::kExamsEmpty, font(13));
            else
                pages.chart(overview.exams);
            pages.gap(14);

            pages.text(QStringLiteral("章节自测（最薄弱的在前，低于 %1% 的标红）").arg(StudyRecord::kPassPercent), font(16, true), kTeal);
            if (overview.chapters.isEmpty()) {
                pages.text(RecordTexts::kChaptersEmpty, font(13));
            } else {
                const QVector<int> columns = spread(pages.width(), {0.44, 0.13, 0.15, 0.15, 0.13});
                pages.row(RecordTexts::chapterHeaders(), columns, font(12, true));
                for (const StudyRecord::Chapter& chapter : overview.chapters) {
                    const QColor last = chapter.lastPercent < StudyRecord::kPassPercent ? kFailRed : Qt::black;
                    const QColor best = chapter.bestPercent < StudyRecord::kPassPercent ? kFailRed : Qt::black;
                    pages.row(RecordTexts::chapterCells(chapter), columns, font(12), {Qt::black, Qt::black, last, best});
                }
            }
            pages.gap(14);

            pages.text(QStringLiteral("模拟考试记录"), font(16, true), kTeal);
            if (overview.exams.isEmpty()) {
                pages.text(RecordTexts::kExamsEmpty, font(13));
            } else {
                const QVector<int> columns = spread(pages.width(), {0.2, 0.1, 0.48, 0.12, 0.1});
                pages.row(RecordTexts::examHeaders(), columns, font(11, true));
                for (const StudyRecord::Exam& exam : overview.exams) {
                    const bool failed = StudyRecord::percentOf(exam.correct, exam.units) < StudyRecord::kPassPercent;
                    pages.row(RecordTexts::examCells(exam), columns, font(11),
                              {Qt::black, Qt::black, Qt::black, Qt::black, failed ? kFailRed : Qt::black});
                }
            }
        }
        if (!painter.end())
            throw KaivoraError(QStringLiteral("无法写入文件：%1").arg(path));
    }
    if (!file.commit())
        throw KaivoraError(QStringLiteral("无法写入文件：%1\n%2").arg(path, file.errorString()));
}
}
