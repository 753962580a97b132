#include "exam/exam_window.h"
#include "exam/drawing_notice.h"
#include "exam/exam_sitting.h"
#include "exam/exam_widgets.h"
#include "platform/page_view.h"
#include "platform/practice_host.h"
#include "platform/practice_state.h"
#include "platform/shell.h"
#include "store/bank_connection.h"
#include "store/program_folder.h"
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QColor kCream(255, 251, 240);
const QColor kSkyBlue(166, 202, 240);
const QColor kCaption(0, 134, 143);
constexpr int kCaptionHeight = 30;
constexpr int kTopStripHeight = 88;
constexpr int kBottomStripHeight = 132;
constexpr int kRightColumnWidth = 247;
constexpr int kMinuteMs = 60 * 1000;

const char kRoomText[] =
    "考场：第一考场      考点：市卫生学校      座号：01\n"
    "姓名：张三      准考证号：00000000001      科目：药学（中级）·相关专业知识";

QFrame* legendBox(QWidget* parent, const QColor& colour, int x, int y)
{
    auto* box = new QFrame(parent);
    box->setFrameStyle(QFrame::Panel | QFrame::Raised);
    box->setLineWidth(1);
    box->setGeometry(x, y, 25, 17);
    ExamWidgets::fill(box, colour);
    return box;
}
}

TForm4::TForm4(PracticeHost& host, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint)
    , host_(host)
    , connection_(std::make_unique<BankConnection>(QStringLiteral("TForm4")))
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("人机对话"));
    setModal(true);

    auto* body = new QWidget(this);
    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    auto* centre = new QVBoxLayout;
    centre->setContentsMargins(0, 0, 0, 0);
    centre->setSpacing(0);
    // The page view and its widget share one parent, so that the view goes last.
    page_ = new PageView(body);
    page_->widget()->setObjectName(QStringLiteral("WebBrowser1"));
    centre->addWidget(page_->widget(), 1);
    centre->addWidget(buildBottomStrip());
    middle->addLayout(centre, 1);
    middle->addWidget(buildRightColumn());
    body->setLayout(middle);

    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    frame->addWidget(buildCaption());
    frame->addWidget(buildTopStrip());
    frame->addWidget(body, 1);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kMinuteMs);
    connect(timer_, &QTimer::timeout, this, &TForm4::Timer1Timer);
    connect(calculator_, &QPushButton::clicked, this, &TForm4::RzBitBtn4Click);

    setGeometry(screen()->geometry());
    sitting_ = new ExamSitting(*this);
}

TForm4::~TForm4() = default;

QWidget* TForm4::buildCaption()
{
    caption_ = new QWidget(this);
    caption_->setObjectName(QStringLiteral("caption"));
    caption_->setFixedHeight(kCaptionHeight);
    ExamWidgets::fill(caption_, kCaption);
    auto* title = new QLabel(windowTitle(), caption_);
    title->setObjectName(QStringLiteral("captionTitle"));
    QFont font = title->font();
    font.setPixelSize(14);
    font.setBold(true);
    title->setFont(font);
    title->setStyleSheet(QStringLiteral("color: white;"));
    // The title and the bare strip are one grip; the guard makes it hold still.
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* closeBox = new QToolButton(caption_);
    closeBox->setObjectName(QStringLiteral("closeBox"));
    closeBox->setText(QStringLiteral("✕"));
    closeBox->setFixedSize(45, kCaptionHeight);
    closeBox->setFocusPolicy(Qt::NoFocus);
    closeBox->setStyleSheet(QStringLiteral(
        "QToolButton { color: white; border: none; background: transparent; font-size: 16px; }"
        "QToolButton:hover { background: rgb(232, 17, 35); }"));
    connect(closeBox, &QToolButton::clicked, this, &QWidget::close);
    auto* row = new QHBoxLayout(caption_);
    row->setContentsMargins(10, 0, 0, 0);
    row->addWidget(title);
    row->addStretch(1);
    row->addWidget(closeBox);
    caption_->installEventFilter(this);
    return caption_;
}

QWidget* TForm4::buildTopStrip()
{
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setFixedHeight(kTopStripHeight);
    ExamWidgets::fill(strip, kCream);
    auto* box = new QGroupBox(QStringLiteral("考场信息"), strip);
    box->setObjectName(QStringLiteral("GroupBox1"));
    box->setGeometry(8, 4, 1011, 78);
    auto* text = new QLabel(QString::fromUtf8(kRoomText), box);
    text->setObjectName(QStringLiteral("roomText"));
    QFont font = text->font();
    font.setPixelSize(14);
    text->setFont(font);
    text->setGeometry(16, 20, 980, 52);
    return strip;
}

QWidget* TForm4::buildBottomStrip()
{
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Panel2"));
    strip->setFixedHeight(kBottomStripHeight);
    ExamWidgets::fill(strip, kSkyBlue);
    previous_ = ExamWidgets::pictureButton(QStringLiteral("BitBtn1"), ExamPictures::kPrevious, strip);
    next_ = ExamWidgets::pictureButton(QStringLiteral("BitBtn2"), ExamPictures::kNext, strip);
    calculator_ = ExamWidgets::pictureButton(QStringLiteral("BitBtn3"), ExamPictures::kCalculator, strip);
    submit_ = ExamWidgets::pictureButton(QStringLiteral("BitBtn5"), ExamPictures::kSubmit, strip);
    previous_->move(30, 23);
    next_->move(178, 23);
    calculator_->move(326, 23);
    submit_->move(474, 23);

    auto* divider = new QFrame(strip);
    divider->setObjectName(QStringLiteral("Bevel1"));
    divider->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    divider->setGeometry(0, 88, 4000, 2);

    constexpr int line = 105;
    const auto* clockText = ExamWidgets::label(QStringLiteral("Label7"), QStringLiteral("考试总时间是90分钟，剩余时间是："),
                                               strip, 30, line, 14);
    auto* minutes = ExamWidgets::label(QStringLiteral("Label9"), QStringLiteral("90"), strip,
                                       clockText->geometry().right() + 4, line, 14, true);
    minutes->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    minutes->setFixedWidth(24);
    minutes->setAlignment(Qt::AlignCenter);
    ExamWidgets::label(QStringLiteral("Label8"), QStringLiteral("分钟"), strip, minutes->geometry().right() + 4, line, 14);
    const auto* count = ExamWidgets::label(QStringLiteral("Label4"), QStringLiteral("总题数："), strip, 400, line, 14);
    progress_ = new QProgressBar(strip);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setTextVisible(false);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setGeometry(count->geometry().right() + 6, line + 1, 205, 16);
    auto* answered = ExamWidgets::label(QStringLiteral("Label6"), QStringLiteral("0"), strip,
                                        progress_->geometry().right() + 8, line, 14);
    answered->setFixedWidth(28);
    answered->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* total = ExamWidgets::label(QStringLiteral("Label5"), QStringLiteral("/0"), strip, answered->geometry().right() + 1,
                                     line, 14);
    total->setFixedWidth(40);
    return strip;
}

QWidget* TForm4::buildRightColumn()
{
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("ScrollBox1"));
    scroll_->setFixedWidth(kRightColumnWidth);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ExamWidgets::fill(scroll_->viewport(), kSkyBlue);
    column_ = new QWidget;
    column_->setObjectName(QStringLiteral("answerColumn"));
    ExamWidgets::fill(column_, kSkyBlue);
    column_->setMinimumHeight(60);
    scroll_->setWidget(column_);
    scroll_->setWidgetResizable(true);

    struct Legend {
        const char* label;
        const char* text;
        QColor colour;
        int boxX;
        int labelX;
    };
    const Legend legend[] = {
        {"Label1", "已答", QColor(0, 0, 255), 31, 59},
        {"Label2", "在答", QColor(255, 0, 0), 98, 126},
        {"Label3", "未答", palette().color(QPalette::Button), 167, 195},
    };
    for (const Legend& entry : legend) {
        legendBox(column_, entry.colour, entry.boxX, 23);
        ExamWidgets::label(QString::fromLatin1(entry.label), QString::fromUtf8(entry.text), column_, entry.labelX, 23, 12, true);
    }
    return scroll_;
}

QLabel* TForm4::label(int number) const
{
    return findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
}

void TForm4::closeWithExam(QWidget* window)
{
    chain_.append(window);
}

void TForm4::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    holdPlace();
    if (activated_)
        return;
    timer_->start();
    // The drawing runs once the window is up, from the event loop.
    QTimer::singleShot(0, this, &TForm4::FormActivate);
}

void TForm4::FormActivate()
{
    if (activated_ || closed_)
        return;
    activated_ = true;
    emit firstActivated();
}

void TForm4::Timer1Timer()
{
    QLabel* minutes = label(9);
    minutes->setText(QString::number(minutes->text().toInt() - 1));
    if (minutes->text() == QLatin1String("0"))
        timer_->stop();
}

void TForm4::RzBitBtn4Click()
{
    // A missing calculator shows nothing from the program; the exam goes on as it was.
    Shell::instance().startProgram(ProgramFolder::file(QStringLiteral("calc")));
}

void TForm4::showDrawingNotice()
{
    if (!notice_)
        notice_ = new TForm7(this);
    // During an exam entry the notice sits over this window, else over the practice window.
    notice_->placeOver(host_.state().examEntry ? static_cast<QWidget*>(this) : host_.dialogParent());
    notice_->show();
    notice_->raise();
}

void TForm4::hideDrawingNotice()
{
    delete notice_;
}

void TForm4::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TForm4::FormClose()
{
    if (closed_)
        return;
    closed_ = true;
    timer_->stop();
    emit closing();
    hideDrawingNotice();
    connection_->close();
    for (const QPointer<QWidget>& window : std::as_const(chain_))
        if (window)
            window->close();
}

void TForm4::keyPressEvent(QKeyEvent* event)
{
    // An exam terminal: Escape does not leave the exam.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == caption_) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::MouseButtonDblClick:
            // The caption behaves as the window's client area: no drag, no restore.
            event->accept();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm4::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    queueHoldPlace();
}

void TForm4::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    queueHoldPlace();
}

void TForm4::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        queueHoldPlace();
}

void TForm4::queueHoldPlace()
{
    if (holdQueued_ || !isVisible())
        return;
    holdQueued_ = true;
    // The window system has the last word during its own event; put the window back afterwards.
    QTimer::singleShot(0, this, [this] {
        holdQueued_ = false;
        holdPlace();
    });
}

void TForm4::holdPlace()
{
    if (windowState() != Qt::WindowNoState)
        setWindowState(Qt::WindowNoState);
    const QRect whole = screen()->geometry();
    if (geometry() != whole)
        setGeometry(whole);
}

TForm7* TForm4::drawingNotice() const
{
    return notice_;
}
