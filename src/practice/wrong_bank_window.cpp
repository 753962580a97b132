#include "practice/wrong_bank_window.h"
#include "platform/errors.h"
#include "practice/wrong_bank.h"
#include "store/bank_connection.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QPushButton* stripButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFixedSize(63, 25);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}
}

TForm16::TForm16(QWidget* parent)
    : QDialog(parent)
    , bank_(std::make_unique<BankConnection>(QStringLiteral("TForm16")))
{
    setObjectName(QStringLiteral("TForm16"));
    setWindowTitle(QStringLiteral("错题题库"));
    setModal(true);
    resize(1022, 563);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lstDetail"));
    list_->setColumnCount(2);
    list_->setHeaderLabels({QStringLiteral("选题"), QStringLiteral("错题内容")});
    list_->setRootIsDecorated(false);
    list_->setFrameShape(QFrame::NoFrame);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setUniformRowHeights(true);
    list_->header()->resizeSection(1, 900);
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(16);
    list_->setFont(font);
    list_->setStyleSheet(QStringLiteral("QTreeWidget { background: rgb(233, 245, 250); gridline-color: #b9cfe0; }"
                                        "QTreeWidget::item { border-bottom: 1px solid #c9dbe6; padding: 2px; }"
                                        "QTreeWidget::item:selected { background: rgb(0, 134, 143); color: white; }"));

    auto* strip = new QWidget(this);
    strip->setFixedHeight(38);
    strip->setStyleSheet(QStringLiteral("QPushButton { background: rgb(0, 134, 143); color: white; border: 0; border-radius: 4px; }"
                                        "QPushButton:hover { background: rgb(0, 160, 170); }"
                                        "QPushButton:pressed { background: rgb(0, 100, 108); }"));
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(17, 6, 17, 7);
    auto* selectAll = stripButton(strip, QStringLiteral("btnSelAll"), QStringLiteral("全选"));
    auto* invert = stripButton(strip, QStringLiteral("btnInvert"), QStringLiteral("反选"));
    auto* remove = stripButton(strip, QStringLiteral("bsSkinButton1"), QStringLiteral("删除"));
    auto* confirm = stripButton(strip, QStringLiteral("bsSkinButton2"), QStringLiteral("确定"));
    row->addWidget(selectAll);
    row->addSpacing(13);
    row->addWidget(invert);
    row->addStretch(1);
    row->addWidget(remove);
    row->addSpacing(25);
    row->addWidget(confirm);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(list_, 1);
    column->addWidget(strip);

    connect(selectAll, &QPushButton::clicked, this, &TForm16::btnSelAllClick);
    connect(invert, &QPushButton::clicked, this, &TForm16::btnInvertClick);
    connect(remove, &QPushButton::clicked, this, [this] { runReported([this] { bsSkinButton1Click(); }); });
    connect(confirm, &QPushButton::clicked, this, &TForm16::bsSkinButton2Click);
}

TForm16::~TForm16() = default;

void TForm16::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    runReported([this] { FormShow(); });
    // The list starts without a current row; the keyboard starts on "确定".
    findChild<QPushButton*>(QStringLiteral("bsSkinButton2"))->setFocus();
}

void TForm16::FormShow()
{
    list_->clear();
    const QStringList contents = WrongBank::contents(bank_->reopen());
    for (const QString& content : contents) {
        auto* item = new QTreeWidgetItem(list_);
        item->setCheckState(0, Qt::Unchecked);
        // Shown as plain text, markup included.
        item->setText(1, content);
    }
}

QVector<bool> TForm16::checkedRows() const
{
    QVector<bool> checked;
    for (int row = 0; row < list_->topLevelItemCount(); ++row)
        checked.append(list_->topLevelItem(row)->checkState(0) == Qt::Checked);
    return checked;
}

void TForm16::setAllChecks(const std::function<bool(bool)>& next)
{
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        auto* item = list_->topLevelItem(row);
        item->setCheckState(0, next(item->checkState(0) == Qt::Checked) ? Qt::Checked : Qt::Unchecked);
    }
}

void TForm16::btnSelAllClick()
{
    setAllChecks([](bool) { return true; });
}

void TForm16::btnInvertClick()
{
    setAllChecks([](bool checked) { return !checked; });
}

void TForm16::bsSkinButton1Click()
{
    WrongBank::removeChecked(bank_->open(), checkedRows());
    FormShow();
}

void TForm16::bsSkinButton2Click()
{
    accept();
}

void TForm16::done(int result)
{
    bank_->close();
    QDialog::done(result);
}
