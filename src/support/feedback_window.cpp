#include "support/feedback_window.h"
#include "platform/app_config.h"
#include "platform/dialogs.h"
#include "platform/page_view.h"
#include "support/feedback_sender.h"
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {
const QSize kOuterSize(1005, 557);

struct Box {
    int left;
    int top;
    const char* label;
};

// CheckBox1 … CheckBox10, in the column order of the row.
const Box kBoxes[] = {
    {21, 322, "试题图片不显示"},     {21, 346, "试题不在考试大纲范围内"}, {21, 370, "试题不属于本学科"},
    {21, 393, "试题过于陈旧"},       {21, 416, "试题有错别字"},           {259, 321, "解题思路与题干不符"},
    {259, 345, "解题思路图片不显示"}, {259, 369, "解题思路与答案相互矛盾"}, {259, 392, "解题思路有错别字"},
    {259, 415, "试题与其他试题重复"},
};

QPushButton* button(QWidget* parent, const char* name, const QString& text, int left)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, 474, 96, 31);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}
}

TForm9::TForm9(QWidget* parent, std::function<void()> closed)
    : QWidget(parent, Qt::Window)
    , closed_(std::move(closed))
    , sender_(new FeedbackSender(this))
{
    setObjectName(QStringLiteral("TForm9"));
    setWindowTitle(QStringLiteral("错题反馈"));
    resize(kOuterSize);
    setStyleSheet(QStringLiteral(
        "#TForm9 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgb(233, 245, 250), stop:1 rgb(206, 236, 239)); }"
        "QGroupBox { border: 1px solid rgb(0, 134, 143); border-radius: 4px; margin-top: 9px; color: rgb(0, 100, 108); font-weight: bold; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }"
        "QPushButton { background: rgb(0, 134, 143); color: white; border: 0; border-radius: 4px; font-size: 14px; }"
        "QPushButton:hover { background: rgb(0, 160, 170); }"
        "QPushButton:pressed { background: rgb(0, 100, 108); }"
        "QPushButton:disabled { background: rgb(128, 182, 186); }"
        "#thanks { color: rgb(0, 100, 108); }"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 980, 287);
    page_ = new PageView(panel);
    page_->widget()->setGeometry(panel->contentsRect());
    page_->widget()->setCursor(Qt::PointingHandCursor);

    auto* errors = new QGroupBox(QStringLiteral("其他错误反馈"), this);
    errors->setGeometry(8, 300, 468, 140);
    auto* remarks = new QGroupBox(QStringLiteral("错误的附加说明"), this);
    remarks->setGeometry(482, 300, 506, 140);
    int number = 1;
    for (const Box& box : kBoxes) {
        auto* check = new QCheckBox(QString::fromUtf8(box.label), this);
        check->setObjectName(QStringLiteral("CheckBox%1").arg(number++));
        check->move(box.left, box.top);
        check->adjustSize();
        boxes_.append(check);
    }
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setFrameShape(QFrame::NoFrame);
    memo_->setGeometry(489, 320, 489, 113);

    auto* thanks = new QLabel(QStringLiteral("感谢您的反馈！您反馈的问题我们会尽快处理，并在以后的升级中改正。"), this);
    thanks->setObjectName(QStringLiteral("thanks"));
    thanks->setGeometry(8, 446, 980, 20);
    thanks->setAlignment(Qt::AlignCenter);

    confirm_ = button(this, "Button1", QStringLiteral("确 定"), 410);
    auto* cancel = button(this, "Button2", QStringLiteral("取 消"), 522);
    sendingLabel_ = new QLabel(QStringLiteral("正在发送，请稍候……"), this);
    sendingLabel_->setObjectName(QStringLiteral("sendingLabel"));
    sendingLabel_->setGeometry(640, 474, 150, 31);
    sendingBar_ = new QProgressBar(this);
    sendingBar_->setObjectName(QStringLiteral("sendingBar"));
    sendingBar_->setRange(0, 0);
    sendingBar_->setTextVisible(false);
    sendingBar_->setGeometry(790, 484, 160, 12);
    showSending(false);

    connect(confirm_, &QPushButton::clicked, this, &TForm9::SpeedButton1Click);
    connect(cancel, &QPushButton::clicked, this, &TForm9::SpeedButton2Click);
    connect(sender_, &FeedbackSender::finished, this, &TForm9::sent);
}

TForm9::~TForm9() = default;

void TForm9::clearAndShow()
{
    ++report_;
    memo_->clear();
    for (QCheckBox* box : std::as_const(boxes_))
        box->setChecked(false);
    show();
    raise();
    activateWindow();
}

void TForm9::setReportedQuestion(const QString& id, const QString& content)
{
    reportedId_ = id;
    reportedContent_ = content;
}

void TForm9::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TForm9::FormShow()
{
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(kOuterSize - frame);
    const QRect screenBox = screen()->geometry();
    move(screenBox.width() / 2 - 512, screenBox.height() / 2 - 384);
}

void TForm9::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous() && closed_)
        closed_();
}

QStringList TForm9::rowValues() const
{
    QStringList values = {subject_, reportedId_, reportedContent_};
    for (const QCheckBox* box : boxes_)
        values.append(box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    values.append(memo_->toPlainText());
    return values;
}

bool TForm9::sending() const
{
    return sender_->busy();
}

void TForm9::SpeedButton1Click()
{
    if (!sender_->send(AppConfig::load().feedbackConnection, rowValues()))
        return;
    sendingReport_ = report_;
    showSending(true);
}

void TForm9::SpeedButton2Click()
{
    close();
}

void TForm9::showSending(bool on)
{
    confirm_->setEnabled(!on);
    sendingLabel_->setVisible(on);
    sendingBar_->setVisible(on);
    if (on)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void TForm9::sent(bool ok)
{
    showSending(false);
    if (!ok) {
        // The ticks and the comment stay, so that the candidate may try again.
        Dialogs::instance().informInWindow(QStringLiteral("反馈失败！"));
        return;
    }
    Dialogs::instance().informInWindow(QStringLiteral("您的问题已经反馈成功，谢谢您的反馈！"));
    if (sendingReport_ == report_)
        close();
}
