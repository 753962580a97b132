#include "exam/exam_sitting.h"
#include "exam/drawing_notice.h"
#include "exam/exam_window.h"
#include "platform/errors.h"
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kNoticePauseMs = 500;
}

ExamSitting::ExamSitting(TForm4& window)
    : QObject(&window)
    , window_(window)
    , panel_(window.answerColumn(), [this](const QString& caption) { runReported([&] { session_.RzBitBtn5Click(caption); }); })
    , keys_(&window, [this](int key) { runReported([&] { session_.keyReleased(key); }); })
    , session_(window.connection(), window.page(), *this, keys_)
{
    connect(&window, &TForm4::firstActivated, this, [this] { runReported([this] { session_.FormActivate(); }); });
    connect(&window, &TForm4::closing, this, [this] {
        closed_ = true;
        keys_.remove();
    });
    connect(window.previousButton(), &QPushButton::clicked, this, [this] { runReported([this] { session_.RzBitBtn1Click(); }); });
    connect(window.nextButton(), &QPushButton::clicked, this, [this] { runReported([this] { session_.RzBitBtn2Click(); }); });
    connect(window.submitButton(), &QPushButton::clicked, this, [this] { runReported([this] { session_.RzBitBtn3Click(); }); });
}

ExamSitting::~ExamSitting() = default;

void ExamSitting::showDrawingNotice()
{
    window_.showDrawingNotice();
    if (TForm7* notice = window_.drawingNotice())
        notice->repaint();
    // The notice stays up long enough to be read, however quick the drawing is.
    QEventLoop pause;
    QTimer::singleShot(kNoticePauseMs, &pause, &QEventLoop::quit);
    pause.exec(QEventLoop::ExcludeUserInputEvents);
}

void ExamSitting::hideDrawingNotice()
{
    window_.hideDrawingNotice();
    window_.answerColumn()->repaint();
    // The notice had the focus while it was up; the letter keys want the exam window.
    if (!closed_)
        window_.activateWindow();
}

void ExamSitting::showSheet(AnswerSheet& sheet)
{
    panel_.show(sheet);
}

void ExamSitting::showTotal(int rows)
{
    // A range of 0 … 0 would make the bar a busy indicator.
    window_.progressBar()->setRange(0, std::max(rows, 1));
    window_.label(5)->setText(QStringLiteral("/") + QString::number(rows));
}

void ExamSitting::showProgress(int position, int answered)
{
    window_.progressBar()->setValue(position);
    window_.label(6)->setText(QString::number(answered));
}

void ExamSitting::stopClock()
{
    window_.clock()->stop();
}

void ExamSitting::showSubmitted()
{
    window_.label(1)->setText(QStringLiteral("答对"));
    window_.label(2)->setText(QStringLiteral("答错"));
}

void ExamSitting::focusNext()
{
    window_.nextButton()->setFocus(Qt::OtherFocusReason);
}
