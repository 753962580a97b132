#pragma once
#include "exam/exam_pictures.h"
#include <QColor>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Small builders shared by the exam screens: every control sits at a fixed place.
namespace ExamWidgets {
QString pictureFile(const ExamPictures::Picture& picture);
// A button that is only its picture; the caption is part of the picture.
QPushButton* pictureButton(const QString& name, const ExamPictures::Picture& picture, QWidget* parent);
// Plain artwork, drawn at its own size or scaled to the given one.
QLabel* picture(const QString& name, const ExamPictures::Picture& picture, QWidget* parent);
QLabel* label(const QString& name, const QString& text, QWidget* parent, int x, int y, int pixelSize = 12,
              bool bold = false);
void fill(QWidget* widget, const QColor& colour);
}
