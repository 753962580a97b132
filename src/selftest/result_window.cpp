#include "selftest/result_window.h"
#include "platform/page_view.h"
#include "selftest/result_pictures.h"
#include "store/program_folder.h"
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kClientWidth = 915;
constexpr int kClientHeight = 450;

QString pictureUrl(const char* file)
{
    return QStringLiteral("url(") + ProgramFolder::file(QStringLiteral("tp/") + QString::fromLatin1(file)) + QLatin1Char(')');
}
}

TForm15::TForm15(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm15"));
    setWindowTitle(QStringLiteral("测试结果"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    page_ = new PageView(this);
    page_->widget()->setCursor(Qt::PointingHandCursor);

    auto* strip = new QLabel(this);
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setFixedHeight(ResultPictures::kStripHeight);
    strip->setPixmap(QPixmap(ProgramFolder::file(QStringLiteral("tp/pagebar-bg.jpg"))));
    strip->setScaledContents(true);

    const ResultPictures::Picture& close = ResultPictures::kClose;
    auto* image1 = new QPushButton(strip);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setFixedSize(close.width, close.height);
    image1->setCursor(Qt::PointingHandCursor);
    image1->setFocusPolicy(Qt::NoFocus);
    image1->setToolTip(QString::fromUtf8(close.caption));
    image1->setStyleSheet(QStringLiteral("QPushButton { border: 0; border-image: %1; } QPushButton:hover { border-image: %2; }"
                                         "QPushButton:pressed { border-image: %3; }")
                              .arg(pictureUrl(close.normal), pictureUrl(close.hover), pictureUrl(close.pressed)));
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    row->addWidget(image1);
    row->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(page_->widget(), 1);
    column->addWidget(strip);

    connect(image1, &QPushButton::clicked, this, &TForm15::Image1Click);
}

TForm15::~TForm15()
{
    // The page goes before the widgets it lives in.
    delete page_;
    page_ = nullptr;
}

void TForm15::FormActivate()
{
    emit activated();
}

void TForm15::Image1Click()
{
    close();
}

void TForm15::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* over = parentWidget()) {
        const QRect frame = over->window()->frameGeometry();
        move(frame.center() - QPoint(width() / 2, height() / 2));
    }
    activateWindow();
    // Being shown counts as the first activation: without a window manager the
    // window may never be told it is active, and one within the timer's interval
    // only starts it again.
    FormActivate();
}

bool TForm15::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}
