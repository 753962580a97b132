#include "exam/exam_widgets.h"
#include "store/program_folder.h"
#include <QLabel>
#include <QPushButton>

namespace ExamWidgets {
QString pictureFile(const ExamPictures::Picture& picture)
{
    return ProgramFolder::file(QStringLiteral("tp/") + QString::fromLatin1(picture.file));
}

QPushButton* pictureButton(const QString& name, const ExamPictures::Picture& picture, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFlat(true);
    button->setFixedSize(picture.width, picture.height);
    button->setIcon(QIcon(pictureFile(picture)));
    button->setIconSize(QSize(picture.width, picture.height));
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::TabFocus);
    // Only the picture shows: no frame, no hover panel of the style.
    button->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; background: transparent; }"));
    return button;
}

QLabel* picture(const QString& name, const ExamPictures::Picture& picture, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(QPixmap(pictureFile(picture)));
    label->setScaledContents(true);
    label->resize(picture.width, picture.height);
    return label;
}

QLabel* label(const QString& name, const QString& text, QWidget* parent, int x, int y, int pixelSize, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->move(x, y);
    label->adjustSize();
    return label;
}

void fill(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
}
