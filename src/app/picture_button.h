#pragma once
#include <QLabel>
#include <QString>

// A picture that acts as a button: it shows its hover picture while the mouse
// moves over it, its pressed picture when a button goes down, its normal picture
// when the mouse leaves. The pictures are files of the tp folder.
class PictureButton : public QLabel {
    Q_OBJECT
public:
    struct Pictures {
        QString normal;
        QString hover;
        QString pressed;
    };

    PictureButton(const QString& name, const Pictures& pictures, QWidget* parent);
    // The file shown now, as named in the table ("/tp/KSTK-2.jpg").
    const QString& shownPicture() const { return shown_; }

signals:
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void showPicture(const QString& name);

    Pictures pictures_;
    QString shown_;
};
