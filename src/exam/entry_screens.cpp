#include "exam/entry_screens.h"
#include "exam/exam_widgets.h"
#include "exam/exam_window.h"
#include "platform/errors.h"
#include "store/bank_connection.h"
#include "store/sql.h"
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

using namespace ExamPictures;

namespace {
const char* const kDetails[] = {
    "      姓名：张三",
    "      性别：男",
    "准考证号：00000000001",
    "报考专业：药学（中级）",
    "报考级别：中级",
    "证件类型：居民身份证",
    "证件编号：110101198001011234",
    "所在考场：第一考场",
    "当前场次：第一场",
    "所在试室：第 01 试室",
    "所在单位：市第一人民医院",
};
}

EntryScreen::EntryScreen(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setModal(true);
    background_ = new QLabel(this);
    background_->setObjectName(QStringLiteral("Image1"));
    background_->setScaledContents(true);
}

void EntryScreen::place(QWidget* widget, int offset, int y)
{
    widget->move(widget->x(), y);
    placed_.append({widget, offset});
}

QLabel* EntryScreen::title(int pixelSize)
{
    auto* label = ExamWidgets::label(QStringLiteral("Label1"), QStringLiteral("卫生专业技术资格考试"), this, 0, 0, pixelSize, true);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

void EntryScreen::showEvent(QShowEvent* event)
{
    const QRect whole = screen()->geometry();
    setGeometry(whole);
    background_->setGeometry(rect());
    const int middle = whole.width() / 2;
    for (const Placed& entry : std::as_const(placed_))
        entry.widget->move(middle + entry.offset, entry.widget->y());
    QDialog::showEvent(event);
}

void EntryScreen::keyPressEvent(QKeyEvent* event)
{
    // The screens are left through their buttons only.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

TForm2::TForm2(QWidget* parent)
    : EntryScreen(parent)
{
    setObjectName(QStringLiteral("Form2"));
    background_->setPixmap(QPixmap(ExamWidgets::pictureFile(kLoginBackground)));
    place(ExamWidgets::picture(QStringLiteral("Image2"), kLoginBanner, this), -303, 120);
    place(title(32), -190, 146);
    place(ExamWidgets::picture(QStringLiteral("Image3"), kLoginLeft, this), -303, 236);
    place(ExamWidgets::picture(QStringLiteral("Image4"), kLoginRight, this), 10, 236);

    auto* prompt = ExamWidgets::label(QStringLiteral("Label2"), QStringLiteral("准考证号："), this, 0, 0, 16, true);
    prompt->setFixedWidth(77);
    prompt->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    place(prompt, -77, 470);
    auto* number = new QLineEdit(QStringLiteral("00000000001"), this);
    number->setObjectName(QStringLiteral("Edit1"));
    number->setFrame(false);
    number->setFixedSize(160, 24);
    place(number, 0, 466);

    auto* login = new QPushButton(QStringLiteral("登录考场"), this);
    login->setObjectName(QStringLiteral("RzBitBtn1"));
    login->setFixedSize(80, 30);
    login->setAutoDefault(false);
    place(login, -77, 516);
    auto* leave = new QPushButton(QStringLiteral("退出考场"), this);
    leave->setObjectName(QStringLiteral("RzBitBtn2"));
    leave->setFixedSize(80, 30);
    leave->setAutoDefault(false);
    place(leave, -77 + login->width() + 20, 516);
    connect(login, &QPushButton::clicked, this, &TForm2::RzBitBtn1Click);
    connect(leave, &QPushButton::clicked, this, &TForm2::RzBitBtn2Click);
}

void TForm2::RzBitBtn1Click()
{
    if (candidate_)
        candidate_->exec();
}

void TForm2::RzBitBtn2Click()
{
    close();
}

TForm3::TForm3(PracticeHost& host, QWidget* parent)
    : EntryScreen(parent)
    , host_(host)
    , connection_(std::make_unique<BankConnection>(QStringLiteral("TForm3")))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Form3"));
    background_->setPixmap(QPixmap(ExamWidgets::pictureFile(kCandidateBackground)));
    place(title(30), -328, 44);
    place(ExamWidgets::picture(QStringLiteral("Image2"), kCandidatePanel, this), -106, 110);
    place(ExamWidgets::picture(QStringLiteral("Image3"), kCandidateTop, this), -328, 110);
    place(ExamWidgets::picture(QStringLiteral("Image4"), kCandidateBottom, this), -328, 330);
    for (int i = 0; i < int(std::size(kDetails)); ++i) {
        auto* detail = ExamWidgets::label(QStringLiteral("Label%1").arg(i + 2), QString::fromUtf8(kDetails[i]), this, 0, 0, 16);
        detail->setStyleSheet(QStringLiteral("color: rgb(0, 70, 76); background: transparent;"));
        place(detail, -86, 136 + i * 34);
    }
    auto* relogin = ExamWidgets::pictureButton(QStringLiteral("SpeedButton1"), kRelogin, this);
    auto* start = ExamWidgets::pictureButton(QStringLiteral("SpeedButton2"), kStartExam, this);
    place(relogin, 60, 560);
    place(start, 180, 560);
    connect(relogin, &QPushButton::clicked, this, &TForm3::SpeedButton1Click);
    connect(start, &QPushButton::clicked, this, [this] { runReported([this] { SpeedButton2Click(); }); });
}

TForm3::~TForm3() = default;

void TForm3::SpeedButton1Click()
{
    close();
}

void TForm3::SpeedButton2Click()
{
    // The saved single-choice count is the one the paper draws.
    sql::exec(connection_->open(), QStringLiteral("update ts set txs=fg where rowid=(select min(rowid) from ts)"));
    connection_->close();
    // Each exam its own window, owned by this screen so that the window system
    // never counts it among the windows this modal screen blocks. It closes this
    // screen and the login screen with it.
    TForm4 exam(host_, this);
    exam.closeWithExam(this);
    exam.closeWithExam(login_);
    exam.exec();
}
