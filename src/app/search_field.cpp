#include "app/search_field.h"
#include "app/picture_button.h"
#include "store/program_folder.h"
#include <QAction>
#include <QEvent>
#include <QKeyEvent>

namespace {
constexpr int kTop = 3;
constexpr int kHeight = 25;
constexpr int kRightMargin = 6;
constexpr int kOpenerWidth = 19;
}

SearchField::SearchField(QWidget* bar)
    : QLineEdit(bar)
    , opener_(new PictureButton(QStringLiteral("SearchOpener"),
                                {QStringLiteral("/tp/ss-1.bmp"), QStringLiteral("/tp/ss-2.bmp"), QStringLiteral("/tp/ss-3.bmp")}, bar))
{
    setObjectName(QStringLiteral("SearchEdit"));
    setPlaceholderText(QStringLiteral("试题查找"));
    setToolTip(QStringLiteral("试题查找（Ctrl+F）"));
    opener_->setToolTip(toolTip());
    addAction(QIcon(ProgramFolder::path() + QStringLiteral("/tp/ss-icon.bmp")), QLineEdit::LeadingPosition);
    setStyleSheet(QStringLiteral(
        "QLineEdit { border: 1px solid rgb(0, 124, 133); border-radius: 11px; padding: 0 10px 0 2px; background: white;"
        " color: #1f2d30; font-size: 13px; selection-background-color: rgb(0, 134, 143); }"
        "QLineEdit:focus { border: 2px solid rgb(0, 134, 143); }"));
    connect(this, &QLineEdit::returnPressed, this, [this] { emit searchRequested(text()); });
    connect(opener_, &PictureButton::clicked, this, &SearchField::focusForSearch);
    bar->installEventFilter(this);
    place();
}

void SearchField::focusForSearch()
{
    if (compact_)
        show();
    raise();
    setFocus(Qt::ShortcutFocusReason);
    selectAll();
}

void SearchField::place()
{
    const int barWidth = parentWidget()->width();
    const int right = barWidth - kRightMargin;
    const int room = right - kFreeLeft;
    compact_ = room < kMinWidth;
    if (!compact_) {
        const int width = std::min(room, kWidth);
        setGeometry(right - width, kTop, width, kHeight);
        opener_->hide();
        show();
        return;
    }
    // Open over the page tools while in use, closed to a small picture otherwise.
    setGeometry(right - kWidth, kTop, kWidth, kHeight);
    opener_->setGeometry(barWidth - kOpenerWidth - 1, kTop, kOpenerWidth, kHeight);
    opener_->show();
    setVisible(hasFocus());
}

bool SearchField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        place();
    return QLineEdit::eventFilter(watched, event);
}

void SearchField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        clear();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SearchField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (compact_)
        raise();
}

void SearchField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (compact_)
        hide();
}
