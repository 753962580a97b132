#include "app/picture_button.h"
#include "store/program_folder.h"
#include <QMouseEvent>
#include <QPixmap>
#include <QSet>
#include <cstdio>

PictureButton::PictureButton(const QString& name, const Pictures& pictures, QWidget* parent)
    : QLabel(parent)
    , pictures_(pictures)
{
    setObjectName(name);
    setMouseTracking(true);
    setScaledContents(true);
    setCursor(Qt::PointingHandCursor);
    showPicture(pictures_.normal);
}

void PictureButton::showPicture(const QString& name)
{
    if (name == shown_)
        return;
    // The program folder ends in a separator and the names begin with one.
    const QString path = ProgramFolder::path() + name;
    QPixmap picture;
    if (!picture.load(path)) {
        static QSet<QString> reported;
        if (!reported.contains(path)) {
            reported.insert(path);
            std::fprintf(stderr, "kaivora: picture missing or unreadable: %s\n", qPrintable(path));
        }
        return;
    }
    setPixmap(picture);
    shown_ = name;
}

void PictureButton::mouseMoveEvent(QMouseEvent* event)
{
    showPicture(pictures_.hover);
    QLabel::mouseMoveEvent(event);
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    showPicture(pictures_.pressed);
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

void PictureButton::leaveEvent(QEvent* event)
{
    showPicture(pictures_.normal);
    QLabel::leaveEvent(event);
}
