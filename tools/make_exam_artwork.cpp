// make_exam_artwork <outdir>: draws the pictures of the exam screens (login,
// candidate details, exam window buttons) into <outdir>/tp/. Run at build time.

#include "exam/exam_pictures.h"
#include "picture_tool.h"
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <functional>

namespace {
using namespace ExamPictures;
using Draw = std::function<void(QPainter&, const QRectF&)>;

const QColor kWhite(255, 255, 255);
const QColor kTeal(0, 134, 143);
const QColor kTealDark(0, 92, 100);
const QColor kTealLight(64, 184, 192);
const QColor kTealPale(214, 240, 242);
const QColor kGold(255, 193, 58);
const QColor kGoldDark(214, 140, 20);

QString gOutDir;
int gFailures = 0;

void draw(const Picture& picture, const Draw& paint)
{
    QImage img(picture.width, picture.height, QImage::Format_ARGB32_Premultiplied);
    img.fill(kWhite);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        paint(p, QRectF(0, 0, picture.width, picture.height));
    }
    if (!PictureTool::write(img, gOutDir + QStringLiteral("/tp/") + QString::fromLatin1(picture.file), "make_exam_artwork", 92))
        ++gFailures;
}

// A deep teal field with soft light from the top and faint rings.
void backdrop(QPainter& p, const QRectF& r, qreal lightness)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, kTealLight.lighter(int(100 + 20 * lightness)));
    g.setColorAt(0.55, kTeal);
    g.setColorAt(1, kTealDark);
    p.fillRect(r, g);
    QRadialGradient glow(QPointF(r.width() * 0.5, r.height() * 0.18), r.width() * 0.6);
    glow.setColorAt(0, QColor(255, 255, 255, 90));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(r, glow);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 18 + i * 3), 2));
        const qreal radius = 180 + i * 70;
        p.drawEllipse(QPointF(r.width() * 0.85, r.height() * 0.95), radius, radius);
    }
    // A faint cross of the health professions in the corner.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    const QPointF c(r.width() * 0.1, r.height() * 0.85);
    p.drawRoundedRect(QRectF(c.x() - 18, c.y() - 60, 36, 120), 6, 6);
    p.drawRoundedRect(QRectF(c.x() - 60, c.y() - 18, 120, 36), 6, 6);
}

void card(QPainter& p, const QRectF& r, const QColor& fill, qreal radius)
{
    p.setPen(QPen(QColor(0, 70, 76, 60), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

// base: the colour the button stands on, seen at its rounded corners.
void captionButton(QPainter& p, const QRectF& r, const QString& caption, const QColor& top, const QColor& bottom,
                   const Draw& icon, const QColor& base = QColor(166, 202, 240))
{
    p.fillRect(r, base);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    QPainterPath shape;
    shape.addRoundedRect(r.adjusted(1, 1, -1, -1), 6, 6);
    p.fillPath(shape, g);
    p.setPen(QPen(bottom.darker(130), 1));
    p.drawPath(shape);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.drawLine(QPointF(r.left() + 6, r.top() + 2.5), QPointF(r.right() - 6, r.top() + 2.5));
    QRectF text = r;
    if (icon) {
        const QRectF box(r.left() + 10, r.center().y() - 11, 22, 22);
        icon(p, box);
        text.setLeft(box.right() + 2);
    }
    p.setFont(PictureTool::font(r.height() > 40 ? 17 : 15, true));
    p.setPen(QColor(0, 40, 45, 120));
    p.drawText(text.translated(0, 1), Qt::AlignCenter, caption);
    p.setPen(kWhite);
    p.drawText(text, Qt::AlignCenter, caption);
}

void arrow(QPainter& p, const QRectF& box, bool left)
{
    QPainterPath path;
    const qreal y = box.center().y();
    if (left) {
        path.moveTo(box.left() + 2, y);
        path.lineTo(box.left() + 12, box.top() + 3);
        path.lineTo(box.left() + 12, y - 4);
        path.lineTo(box.right() - 2, y - 4);
        path.lineTo(box.right() - 2, y + 4);
        path.lineTo(box.left() + 12, y + 4);
        path.lineTo(box.left() + 12, box.bottom() - 3);
    } else {
        path.moveTo(box.right() - 2, y);
        path.lineTo(box.right() - 12, box.top() + 3);
        path.lineTo(box.right() - 12, y - 4);
        path.lineTo(box.left() + 2, y - 4);
        path.lineTo(box.left() + 2, y + 4);
        path.lineTo(box.right() - 12, y + 4);
        path.lineTo(box.right() - 12, box.bottom() - 3);
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawPath(path);
}

void calculatorIcon(QPainter& p, const QRectF& box)
{
    const QRectF body = box.adjusted(3, 0, -3, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawRoundedRect(body, 3, 3);
    p.setBrush(kTeal);
    p.drawRect(QRectF(body.left() + 3, body.top() + 3, body.width() - 6, 5));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(body.left() + 3 + col * 4.4, body.top() + 10 + row * 4, 3, 2.6));
}

void tickIcon(QPainter& p, const QRectF& box)
{
    p.setPen(QPen(kWhite, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(box.left() + 3, box.center().y());
    path.lineTo(box.left() + 9, box.bottom() - 4);
    path.lineTo(box.right() - 2, box.top() + 4);
    p.drawPath(path);
}

void paper(QPainter& p, const QRectF& r)
{
    card(p, QRectF(r.width() * 0.22, 24, r.width() * 0.42, r.height() - 44), kWhite, 4);
    p.setPen(QPen(kTealPale.darker(115), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const qreal y = 48 + i * 18;
        p.drawLine(QPointF(r.width() * 0.28, y), QPointF(r.width() * (i % 2 ? 0.52 : 0.58), y));
    }
    p.setPen(QPen(kGoldDark, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.width() * 0.62, r.height() - 40), QPointF(r.width() * 0.82, 50));
    p.setPen(QPen(kGold, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.width() * 0.62, r.height() - 40), QPointF(r.width() * 0.82, 50));
}

void monitor(QPainter& p, const QRectF& r)
{
    const QRectF screen(r.width() * 0.2, 22, r.width() * 0.6, r.height() * 0.56);
    card(p, screen, kTealDark, 6);
    p.fillRect(screen.adjusted(6, 6, -6, -6), kTealPale);
    p.setBrush(kWhite);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(r.width() * 0.45, screen.bottom(), r.width() * 0.1, 18));
    p.drawRoundedRect(QRectF(r.width() * 0.33, screen.bottom() + 18, r.width() * 0.34, 8), 3, 3);
    p.setPen(QPen(kTeal, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(screen.center().x() - 26, screen.center().y());
    tick.lineTo(screen.center().x() - 6, screen.center().y() + 18);
    tick.lineTo(screen.center().x() + 28, screen.center().y() - 20);
    p.drawPath(tick);
}

void softPanel(QPainter& p, const QRectF& r)
{
    p.fillRect(r, kTeal);
    card(p, r.adjusted(4, 4, -4, -4), QColor(255, 255, 255, 236), 12);
}
}

int main(int argc, char** argv)
{
    PictureTool::prepareHeadless();
    QGuiApplication app(argc, argv);
    if (const int status = PictureTool::outputFolder(argc, argv, "make_exam_artwork", "tp", gOutDir))
        return status;
    PictureTool::ensureFont("make_exam_artwork");

    draw(kLoginBackground, [](QPainter& p, const QRectF& r) { backdrop(p, r, 1); });
    draw(kCandidateBackground, [](QPainter& p, const QRectF& r) { backdrop(p, r, 2); });
    draw(kLoginBanner, [](QPainter& p, const QRectF& r) {
        QLinearGradient g(r.topLeft(), r.topRight());
        g.setColorAt(0, kTealDark);
        g.setColorAt(0.5, kTeal);
        g.setColorAt(1, kTealDark);
        p.fillRect(r, g);
        p.fillRect(QRectF(0, 0, r.width(), 3), kGold);
        p.fillRect(QRectF(0, r.height() - 3, r.width(), 3), kGold);
    });
    draw(kLoginLeft, [](QPainter& p, const QRectF& r) {
        softPanel(p, r);
        paper(p, r);
    });
    draw(kLoginRight, [](QPainter& p, const QRectF& r) {
        softPanel(p, r);
        monitor(p, r);
    });
    draw(kCandidatePanel, [](QPainter& p, const QRectF& r) {
        p.fillRect(r, kTeal);
        card(p, r.adjusted(2, 2, -2, -2), kWhite, 14);
        QPainterPath head;
        head.addRoundedRect(QRectF(2, 2, r.width() - 4, 16), 8, 8);
        p.fillPath(head, kTeal);
        p.setPen(QPen(kTealPale, 1));
        for (int i = 0; i < 11; ++i)
            p.drawLine(QPointF(24, 50 + i * 34), QPointF(r.width() - 24, 50 + i * 34));
    });
    draw(kCandidateTop, [](QPainter& p, const QRectF& r) {
        softPanel(p, r);
        // The candidate's photo in outline.
        p.setPen(Qt::NoPen);
        p.setBrush(kTealLight);
        p.drawEllipse(QPointF(r.center().x(), 78), 34, 38);
        QPainterPath shoulders;
        shoulders.addRoundedRect(QRectF(r.center().x() - 62, 124, 124, 70), 40, 40);
        p.drawPath(shoulders);
        p.fillRect(QRectF(4, r.height() - 12, r.width() - 8, 8), kTeal);
    });
    draw(kCandidateBottom, [](QPainter& p, const QRectF& r) {
        softPanel(p, r);
        card(p, QRectF(26, 50, r.width() - 52, r.height() - 100), kTealPale, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(kTeal);
        p.drawEllipse(QPointF(66, r.center().y()), 22, 22);
        p.setPen(QPen(kTeal, 5, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(100, r.center().y() - 16 + i * 16), QPointF(r.width() - 40 - i * 12, r.center().y() - 16 + i * 16));
    });
    // The candidate screen's buttons stand on its background, centre-right at y 560.
    QImage background(kCandidateBackground.width, kCandidateBackground.height, QImage::Format_RGB32);
    {
        QPainter p(&background);
        backdrop(p, background.rect(), 2);
    }
    const QColor under = background.pixelColor(background.width() / 2 + 120, 578);
    draw(kRelogin, [&](QPainter& p, const QRectF& r) {
        captionButton(p, r, QString::fromUtf8(kRelogin.caption), kTealLight, kTealDark, {}, under);
    });
    draw(kStartExam, [&](QPainter& p, const QRectF& r) {
        captionButton(p, r, QString::fromUtf8(kStartExam.caption), kGold, kGoldDark, {}, under);
    });
    draw(kPrevious, [](QPainter& p, const QRectF& r) {
        captionButton(p, r, QString::fromUtf8(kPrevious.caption), kTealLight, kTealDark,
                      [](QPainter& q, const QRectF& box) { arrow(q, box, true); });
    });
    draw(kNext, [](QPainter& p, const QRectF& r) {
        captionButton(p, r, QString::fromUtf8(kNext.caption), kTealLight, kTealDark,
                      [](QPainter& q, const QRectF& box) { arrow(q, box, false); });
    });
    draw(kCalculator, [](QPainter& p, const QRectF& r) {
        captionButton(p, r, QString::fromUtf8(kCalculator.caption), kTealLight, kTealDark, calculatorIcon);
    });
    draw(kSubmit, [](QPainter& p, const QRectF& r) {
        captionButton(p, r, QString::fromUtf8(kSubmit.caption), kGold, kGoldDark, tickIcon);
    });
    return gFailures ? 1 : 0;
}
