// make_artwork <outdir>: draws the button and background pictures of the
// main window into <outdir>/tp/. Run at build time; needs only Qt6::Gui.

#include "app/picture_table.h"
#include "selftest/result_pictures.h"
#include <cstring>
#include <map>
#include <string>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include "picture_tool.h"
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>
#include <cstdio>
#include <functional>
#include <iterator>

namespace {

using PictureTool::kFamily;

// Palette: everything derives from the window frame teal (0,134,143).
const QColor kWhite(255, 255, 255);
const QColor kTeal(0, 134, 143);
const QColor kTealDark(0, 100, 108);
const QColor kTealPale(196, 234, 237);
const QColor kGold(255, 193, 58);
const QColor kGoldLight(255, 224, 120);
const QColor kRed(232, 70, 58);

enum State { Normal, Hover, Pressed };

using Draw = std::function<void(QPainter &)>;

QString gOutDir;
int gFailures = 0;

QFont uiFont(int px, bool bold)
{
    QFont f{QString::fromLatin1(kFamily)};
    f.setPixelSize(px);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void setHints(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QImage newImage(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    return img;
}

void save(const QImage &img, const QString &name)
{
    if (!PictureTool::write(img, gOutDir + QStringLiteral("/tp/") + name, "make_artwork", 95))
        ++gFailures;
}

// Draws fn into its own layer and lays a soft shadow under it, so icons
// stay legible on every button state.
void drawWithShadow(QPainter &p, QPointF at, int box, const Draw &fn, const QColor &shadow, qreal dy = 1.0)
{
    const int m = 3;
    QImage layer(box + 2 * m, box + 2 * m, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        setHints(lp);
        lp.translate(m, m);
        fn(lp);
    }
    QImage shade = layer;
    {
        QPainter sp(&shade);
        sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
        sp.fillRect(shade.rect(), shadow);
    }
    p.drawImage(at + QPointF(-m, -m + dy), shade);
    p.drawImage(at + QPointF(-m, -m), layer);
}

void shadowText(QPainter &p, const QRectF &r, const QString &text, const QFont &f, const QColor &fg, const QColor &shadow,
                int flags = Qt::AlignCenter)
{
    p.setFont(f);
    p.setPen(shadow);
    p.drawText(r.translated(0, 1), flags, text);
    p.setPen(fg);
    p.drawText(r, flags, text);
}

QPen roundPen(const QColor &c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// ---------------------------------------------------------------- toolbar

// Base of the toolbar; the toolbar filler uses the same one so the row of
// buttons runs seamlessly into it.
void paintToolbarBase(QPainter &p, const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(40, 172, 181));
    g.setColorAt(0.5, QColor(6, 142, 151));
    g.setColorAt(1.0, QColor(0, 116, 125));
    p.fillRect(r, g);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 1), QColor(120, 214, 220));
    p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), QColor(0, 88, 96));
}

// --- toolbar icons, drawn in a 32x32 box

void iconBooks(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(1, 27, 30, 3), 1.2, 1.2);

    p.drawRoundedRect(QRectF(3, 6, 7, 21), 1.3, 1.3);
    p.setBrush(kTeal);
    p.drawRect(QRectF(3, 9, 7, 2));
    p.drawRect(QRectF(3, 22, 7, 2));

    QLinearGradient gg(0, 9, 0, 27);
    gg.setColorAt(0, kGoldLight);
    gg.setColorAt(1, kGold);
    p.setBrush(gg);
    p.drawRoundedRect(QRectF(11, 10, 6.5, 17), 1.3, 1.3);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawRect(QRectF(11, 13, 6.5, 1.5));
    p.drawRect(QRectF(11, 22.5, 6.5, 1.5));

    // A book leaning on its neighbour.
    p.save();
    p.translate(23, 27);
    p.rotate(-20);
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(0, -19.5, 6.5, 19.5), 1.3, 1.3);
    p.setBrush(kTeal);
    p.drawRect(QRectF(0, -16.5, 6.5, 2));
    p.drawRect(QRectF(0, -5.5, 6.5, 2));
    p.restore();
}

QPainterPath starPath(QPointF c, qreal ro, qreal ri)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
        const qreal r = (i % 2) ? ri : ro;
        const QPointF pt(c.x() + r * qCos(a), c.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void iconStar(QPainter &p)
{
    QLinearGradient g(0, 3, 0, 30);
    g.setColorAt(0, QColor(255, 234, 140));
    g.setColorAt(1, QColor(255, 176, 30));
    p.setPen(roundPen(kWhite, 1.8));
    p.setBrush(g);
    p.drawPath(starPath(QPointF(16, 17.5), 14.5, 6.4));
}

void iconDialogue(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(0.5, 3, 25, 18.5), 2.2, 2.2);
    p.setBrush(QColor(0, 150, 160));
    p.drawRect(QRectF(2.5, 5, 21, 14));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(QRectF(4.5, 7.5, 10, 3.2), 1.6, 1.6);
    p.setBrush(kGoldLight);
    p.drawRoundedRect(QRectF(9, 12.5, 12, 3.2), 1.6, 1.6);

    QPainterPath stand;
    stand.moveTo(10.5, 21.5);
    stand.lineTo(15.5, 21.5);
    stand.lineTo(16.8, 25.5);
    stand.lineTo(9.2, 25.5);
    stand.closeSubpath();
    p.setBrush(kWhite);
    p.drawPath(stand);
    p.drawRoundedRect(QRectF(6, 25.5, 14, 2.5), 1.2, 1.2);

    // The candidate sitting in front of the screen.
    p.setPen(QPen(kTeal, 1.6));
    p.setBrush(kWhite);
    QPainterPath body;
    body.moveTo(17.5, 31.5);
    body.cubicTo(17.5, 23.5, 31.5, 23.5, 31.5, 31.5);
    body.closeSubpath();
    p.drawPath(body);
    p.drawEllipse(QPointF(24.5, 18.8), 4.4, 4.4);
}

void iconExamPaper(QPainter &p)
{
    QPainterPath paper;
    paper.moveTo(4, 2);
    paper.lineTo(19.5, 2);
    paper.lineTo(26, 8.5);
    paper.lineTo(26, 30);
    paper.lineTo(4, 30);
    paper.closeSubpath();
    p.setPen(roundPen(kWhite, 1.0));
    p.setBrush(kWhite);
    p.drawPath(paper);
    QPainterPath fold;
    fold.moveTo(19.5, 2);
    fold.lineTo(19.5, 8.5);
    fold.lineTo(26, 8.5);
    fold.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kTealPale);
    p.drawPath(fold);

    p.setPen(roundPen(kTeal, 2.2));
    p.drawLine(QPointF(8, 7), QPointF(15, 7));
    p.setPen(roundPen(kTeal, 1.5));
    p.drawLine(QPointF(8, 12.5), QPointF(22, 12.5));
    p.drawLine(QPointF(8, 17), QPointF(22, 17));
    p.drawLine(QPointF(8, 21.5), QPointF(16, 21.5));
    p.drawLine(QPointF(8, 26), QPointF(13, 26));

    // Pencil across the lower right corner.
    p.save();
    p.translate(16.5, 29);
    p.rotate(-52);
    QPainterPath tip;
    tip.moveTo(0, 0);
    tip.lineTo(5, -2.6);
    tip.lineTo(5, 2.6);
    tip.closeSubpath();
    p.setPen(QPen(kTealDark, 0.9));
    p.setBrush(QColor(255, 226, 184));
    p.drawPath(tip);
    p.setBrush(kGold);
    p.drawRect(QRectF(5, -2.6, 12, 5.2));
    p.setBrush(kRed);
    p.drawRoundedRect(QRectF(17, -2.6, 3.5, 5.2), 1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(kTealDark);
    p.drawEllipse(QPointF(1.0, 0), 1.0, 1.0);
    p.restore();
}

void iconWrongBook(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(5, 2, 21, 27), 2, 2);
    p.setBrush(kTealPale);
    p.drawRect(QRectF(5, 2, 4.5, 27));
    p.setPen(roundPen(kTealDark, 1.7));
    for (qreal y : {7.0, 12.5, 18.0, 23.5})
        p.drawLine(QPointF(3, y), QPointF(8, y));
    p.setPen(roundPen(kTeal, 1.5));
    p.drawLine(QPointF(12.5, 8), QPointF(22.5, 8));
    p.drawLine(QPointF(12.5, 12.5), QPointF(22.5, 12.5));
    p.drawLine(QPointF(12.5, 17), QPointF(18, 17));

    p.setPen(QPen(kWhite, 1.6));
    p.setBrush(kRed);
    p.drawEllipse(QPointF(24, 24), 7, 7);
    p.setPen(roundPen(kWhite, 2.2));
    p.drawLine(QPointF(21.4, 21.4), QPointF(26.6, 26.6));
    p.drawLine(QPointF(26.6, 21.4), QPointF(21.4, 26.6));
}

void iconDisk(QPainter &p)
{
    QPainterPath disk;
    disk.moveTo(3.5, 3);
    disk.lineTo(24, 3);
    disk.lineTo(29, 8);
    disk.lineTo(29, 29);
    disk.lineTo(3, 29);
    disk.lineTo(3, 3);
    disk.closeSubpath();
    p.setPen(roundPen(kWhite, 2.0));
    p.setBrush(kWhite);
    p.drawPath(disk);
    p.setPen(Qt::NoPen);
    p.setBrush(kTeal);
    p.drawRoundedRect(QRectF(8.5, 3, 14, 9), 1, 1);
    p.setBrush(kWhite);
    p.drawRect(QRectF(17.5, 5, 3, 5));
    p.setBrush(QColor(0, 150, 160));
    p.drawRoundedRect(QRectF(7, 16, 18, 11), 1.5, 1.5);
    p.setPen(roundPen(QColor(255, 255, 255, 230), 1.4));
    p.drawLine(QPointF(10, 20), QPointF(22, 20));
    p.drawLine(QPointF(10, 23.5), QPointF(18, 23.5));
}

void arrowHead(QPainter &p, QPointF tip, QPointF dir, qreal len, qreal half, const QColor &c)
{
    const qreal n = std::hypot(dir.x(), dir.y());
    dir /= n;
    const QPointF perp(-dir.y(), dir.x());
    QPolygonF poly;
    poly << tip + dir * (len * 0.35) << tip - dir * len * 0.65 + perp * half << tip - dir * len * 0.65 - perp * half;
    p.setPen(roundPen(c, 1.0));
    p.setBrush(c);
    p.drawPolygon(poly);
}

void iconRestore(QPainter &p)
{
    const QPointF c(16.5, 16);
    const qreal r = 11.5;
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    const qreal start = 155.0;
    p.setPen(roundPen(kWhite, 3.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.arcMoveTo(box, start - 14);
    arc.arcTo(box, start - 14, -300);
    p.drawPath(arc);
    // Arrow at the open end, pointing counter-clockwise (back in time).
    const qreal a = qDegreesToRadians(start);
    const QPointF tip(c.x() + r * qCos(a), c.y() - r * qSin(a));
    const QPointF dir(-qSin(a), -qCos(a));
    arrowHead(p, tip, dir, 8.5, 5.0, kWhite);
    // Clock hands.
    p.setPen(roundPen(kWhite, 2.4));
    p.drawLine(c, c + QPointF(0, -6.5));
    p.drawLine(c, c + QPointF(4.5, 3));
}

void iconUpgrade(QPainter &p)
{
    QRadialGradient g(QPointF(13, 10), 20);
    g.setColorAt(0, kWhite);
    g.setColorAt(1, QColor(222, 244, 246));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    QPainterPath arrow;
    arrow.moveTo(16, 5.5);
    arrow.lineTo(25, 15);
    arrow.lineTo(19.8, 15);
    arrow.lineTo(19.8, 25.5);
    arrow.lineTo(12.2, 25.5);
    arrow.lineTo(12.2, 15);
    arrow.lineTo(7, 15);
    arrow.closeSubpath();
    p.setPen(roundPen(kTeal, 1.4));
    p.setBrush(kTeal);
    p.drawPath(arrow);
}

void iconHeadset(QPainter &p)
{
    p.setPen(roundPen(kWhite, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 3, 23, 24), 8 * 16, 164 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(2, 13.5, 8, 12), 3, 3);
    p.drawRoundedRect(QRectF(22, 13.5, 8, 12), 3, 3);
    p.setBrush(kTeal);
    p.drawRoundedRect(QRectF(6.5, 16, 2, 7), 1, 1);
    p.drawRoundedRect(QRectF(23.5, 16, 2, 7), 1, 1);
    p.setPen(roundPen(kWhite, 2.0));
    QPainterPath boom;
    boom.moveTo(26, 25);
    boom.quadTo(26, 29.5, 20, 29.5);
    p.drawPath(boom);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(14, 27.3, 7, 4.4), 2.2, 2.2);
}

void iconCart(QPainter &p)
{
    p.setPen(roundPen(kWhite, 2.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath handle;
    handle.moveTo(1.5, 5);
    handle.lineTo(5.5, 5);
    handle.lineTo(10, 21.5);
    handle.lineTo(26.5, 21.5);
    p.drawPath(handle);
    QPolygonF basket;
    basket << QPointF(7, 8.5) << QPointF(30, 8.5) << QPointF(27, 18) << QPointF(9.5, 18);
    p.setPen(roundPen(kWhite, 1.6));
    p.setBrush(kWhite);
    p.drawPolygon(basket);
    p.setPen(roundPen(kTeal, 1.3));
    for (qreal x : {14.0, 19.0, 24.0})
        p.drawLine(QPointF(x, 10.5), QPointF(x - 0.4, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(12, 26.5), 2.8, 2.8);
    p.drawEllipse(QPointF(24, 26.5), 2.8, 2.8);
}

void iconHelp(QPainter &p)
{
    QRadialGradient g(QPointF(13, 10), 20);
    g.setColorAt(0, kWhite);
    g.setColorAt(1, QColor(222, 244, 246));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    QPainterPath q;
    q.addText(0, 0, uiFont(23, true), QStringLiteral("?"));
    const QRectF b = q.boundingRect();
    q.translate(QPointF(16, 16.3) - b.center());
    p.setBrush(kTeal);
    p.drawPath(q);
}

QImage toolbarButton(int w, const QString &caption, const Draw &icon, State s)
{
    QImage img = newImage(w, 64);
    QPainter p(&img);
    setHints(p);
    paintToolbarBase(p, QRectF(0, 0, w, 64));

    const QRectF card(1.5, 2.5, w - 3, 59);
    QPainterPath rr;
    rr.addRoundedRect(card, 5, 5);

    if (s == Normal) {
        // Faint separators fading out at both ends.
        QLinearGradient dark(0, 8, 0, 56);
        dark.setColorAt(0, QColor(0, 70, 78, 0));
        dark.setColorAt(0.5, QColor(0, 70, 78, 110));
        dark.setColorAt(1, QColor(0, 70, 78, 0));
        QLinearGradient light(0, 8, 0, 56);
        light.setColorAt(0, QColor(255, 255, 255, 0));
        light.setColorAt(0.5, QColor(255, 255, 255, 60));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(QRectF(w - 1, 8, 1, 48), dark);
        p.fillRect(QRectF(0, 8, 1, 48), light);
    } else if (s == Hover) {
        QLinearGradient g(0, card.top(), 0, card.bottom());
        g.setColorAt(0, QColor(255, 255, 255, 95));
        g.setColorAt(0.5, QColor(255, 255, 255, 45));
        g.setColorAt(1, QColor(255, 255, 255, 30));
        p.fillPath(rr, g);
        QRadialGradient glow(QPointF(w / 2.0, 22), 28);
        glow.setColorAt(0, QColor(255, 255, 255, 80));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(rr, glow);
        p.setPen(QPen(QColor(255, 255, 255, 190), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(rr);
    } else {
        QLinearGradient g(0, card.top(), 0, card.bottom());
        g.setColorAt(0, QColor(0, 40, 46, 120));
        g.setColorAt(1, QColor(0, 40, 46, 70));
        p.fillPath(rr, g);
        // Inner shadow along the top and left edges.
        p.save();
        p.setClipPath(rr);
        p.setPen(QPen(QColor(0, 30, 35, 110), 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(rr.translated(1, 1.5));
        p.restore();
        p.setPen(QPen(QColor(0, 62, 68, 200), 1));
        p.drawPath(rr);
        p.setPen(QPen(QColor(255, 255, 255, 70), 1));
        p.drawLine(QPointF(card.left() + 4, card.bottom() + 1), QPointF(card.right() - 4, card.bottom() + 1));
    }

    const qreal d = (s == Pressed) ? 1.0 : 0.0;
    drawWithShadow(p, QPointF((w - 32) / 2.0 + d, 5 + d), 32, icon, QColor(0, 50, 56, 120), 1.2);
    shadowText(p, QRectF(d, 41 + d, w, 16), caption, uiFont(12, true), kWhite, QColor(0, 60, 66, 150));
    p.end();
    return img;
}

// ---------------------------------------------------------------- title strip

// Title strip gradient for a 25 px strip starting at row stripTop. Pad
// spread repeats the end colours on rows outside the strip.
void paintTitleBg(QPainter &p, const QRect &whole, qreal stripTop)
{
    QLinearGradient g(0, stripTop, 0, stripTop + 25);
    g.setColorAt(0.0, QColor(0, 116, 125));
    g.setColorAt(1.0, QColor(0, 90, 98));
    p.fillRect(whole, g);
}

enum class Glyph { Min, Max, Restore, Close };

QImage titleButton(Glyph glyph, State s)
{
    const int w = (glyph == Glyph::Close) ? 45 : 31;
    QImage img = newImage(w, 33);
    QPainter p(&img);
    paintTitleBg(p, img.rect(), 2);
    const QRect visible(0, 2, w, 25);
    if (glyph == Glyph::Close) {
        if (s == Hover)
            p.fillRect(visible, QColor(226, 38, 48));
        else if (s == Pressed)
            p.fillRect(visible, QColor(168, 22, 32));
    } else {
        if (s == Hover)
            p.fillRect(visible, QColor(255, 255, 255, 42));
        else if (s == Pressed)
            p.fillRect(visible, QColor(0, 0, 0, 60));
    }
    const int d = (s == Pressed) ? 1 : 0;
    const QColor ink = (s == Normal) ? QColor(236, 250, 251) : kWhite;
    // Glyphs sit on whole pixels so their 1 px strokes stay sharp. The
    // visible part is rows 2..26 and, for the close button, columns 0..31.
    const int cx = 15 + d;
    const int cy = 14 + d;
    switch (glyph) {
    case Glyph::Min:
        p.fillRect(QRect(cx - 5, cy + 1, 11, 1), ink);
        break;
    case Glyph::Max:
        p.setPen(ink);
        p.drawRect(QRect(cx - 5, cy - 5, 10, 10));
        break;
    case Glyph::Restore:
        p.setPen(ink);
        p.drawRect(QRect(cx - 5, cy - 3, 8, 8));
        p.drawLine(cx - 3, cy - 5, cx + 5, cy - 5);
        p.drawLine(cx + 5, cy - 5, cx + 5, cy + 3);
        p.drawLine(cx - 3, cy - 5, cx - 3, cy - 4);
        p.drawLine(cx + 4, cy + 3, cx + 5, cy + 3);
        break;
    case Glyph::Close: {
        setHints(p);
        p.setPen(QPen(ink, 1.35, Qt::SolidLine, Qt::FlatCap));
        const QPointF c(cx + 0.5, cy + 0.5);
        p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
        p.drawLine(c + QPointF(5, -5), c + QPointF(-5, 5));
        break;
    }
    }
    p.end();
    return img;
}

// ---------------------------------------------------------------- page bar

// Page bar gradient laid out for a bar whose top is at barTop.
void paintPageBarBg(QPainter &p, int w, qreal barTop, int rows)
{
    QLinearGradient g(0, barTop, 0, barTop + 31);
    g.setColorAt(0.0, QColor(240, 250, 252));
    g.setColorAt(0.5, QColor(222, 242, 246));
    g.setColorAt(1.0, QColor(200, 230, 237));
    p.fillRect(QRectF(0, 0, w, rows), g);
}

// --- small icons in a 14x14 box, white

void smallEye(QPainter &p, bool slashed)
{
    QPainterPath eye;
    eye.moveTo(0.8, 7);
    eye.quadTo(7, -0.6, 13.2, 7);
    eye.quadTo(7, 14.6, 0.8, 7);
    p.setPen(roundPen(kWhite, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(eye);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(7, 7), 2.5, 2.5);
    if (slashed) {
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.setPen(roundPen(Qt::black, 4.0));
        p.drawLine(QPointF(1.5, 13), QPointF(12.5, 1));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setPen(roundPen(kWhite, 1.6));
        p.drawLine(QPointF(1.5, 13), QPointF(12.5, 1));
    }
}

void smallRedo(QPainter &p)
{
    // Three quarters of a circle, open at the upper right, with the arrow
    // at the top pointing clockwise.
    const QRectF box(1.5, 2.5, 11, 11);
    QPainterPath arc;
    arc.arcMoveTo(box, 90);
    arc.arcTo(box, 90, 265);
    p.setPen(roundPen(kWhite, 1.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    arrowHead(p, QPointF(9.0, 2.5), QPointF(1, 0), 5.5, 3.0, kWhite);
}

void smallSubmit(QPainter &p)
{
    QPainterPath paper;
    paper.moveTo(2, 0.8);
    paper.lineTo(9, 0.8);
    paper.lineTo(12, 3.8);
    paper.lineTo(12, 13.2);
    paper.lineTo(2, 13.2);
    paper.closeSubpath();
    p.setPen(roundPen(kWhite, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(paper);
    p.setPen(roundPen(kWhite, 1.9));
    p.drawPolyline(QPolygonF() << QPointF(4.5, 7.8) << QPointF(6.5, 10) << QPointF(10, 5.2));
}

void smallZoom(QPainter &p, bool plus)
{
    p.setPen(roundPen(kWhite, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(5.8, 5.8), 4.8, 4.8);
    p.setPen(roundPen(kWhite, 2.6));
    p.drawLine(QPointF(9.6, 9.6), QPointF(13, 13));
    p.setPen(roundPen(kWhite, 1.5));
    p.drawLine(QPointF(3.6, 5.8), QPointF(8.0, 5.8));
    if (plus)
        p.drawLine(QPointF(5.8, 3.6), QPointF(5.8, 8.0));
}

void smallSearch(QPainter &p, const QColor &c)
{
    p.setPen(roundPen(c, 1.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(5.8, 5.8), 4.6, 4.6);
    p.setPen(roundPen(c, 2.6));
    p.drawLine(QPointF(9.4, 9.4), QPointF(12.8, 12.8));
}

void smallFullScreen(QPainter &p)
{
    p.setPen(roundPen(kWhite, 1.6));
    p.setBrush(Qt::NoBrush);
    const qreal lo = 1.0, hi = 13.0, k = 4.2;
    p.drawPolyline(QPolygonF() << QPointF(lo, lo + k) << QPointF(lo, lo) << QPointF(lo + k, lo));
    p.drawPolyline(QPolygonF() << QPointF(hi - k, lo) << QPointF(hi, lo) << QPointF(hi, lo + k));
    p.drawPolyline(QPolygonF() << QPointF(hi, hi - k) << QPointF(hi, hi) << QPointF(hi - k, hi));
    p.drawPolyline(QPolygonF() << QPointF(lo + k, hi) << QPointF(lo, hi) << QPointF(lo, hi - k));
    p.setPen(roundPen(kWhite, 1.3));
    p.drawLine(QPointF(lo + 0.8, lo + 0.8), QPointF(5, 5));
    p.drawLine(QPointF(hi - 0.8, lo + 0.8), QPointF(9, 5));
    p.drawLine(QPointF(hi - 0.8, hi - 0.8), QPointF(9, 9));
    p.drawLine(QPointF(lo + 0.8, hi - 0.8), QPointF(5, 9));
}

void smallExit(QPainter &p)
{
    p.setPen(roundPen(kWhite, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF() << QPointF(7, 1) << QPointF(1, 1) << QPointF(1, 13) << QPointF(7, 13));
    p.setPen(roundPen(kWhite, 1.8));
    p.drawLine(QPointF(4.5, 7), QPointF(11, 7));
    arrowHead(p, QPointF(12, 7), QPointF(1, 0), 5.5, 3.4, kWhite);
}

void smallTrend(QPainter &p)
{
    p.setPen(roundPen(kWhite, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF() << QPointF(1, 0.8) << QPointF(1, 13) << QPointF(13.2, 13));
    p.setPen(roundPen(kWhite, 1.7));
    const QPolygonF line = QPolygonF() << QPointF(3.4, 9.8) << QPointF(6.2, 6.4) << QPointF(8.6, 8.4) << QPointF(12.4, 2.6);
    p.drawPolyline(line);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    for (const QPointF &at : line)
        p.drawEllipse(at, 1.5, 1.5);
}

void smallClose(QPainter &p)
{
    p.setPen(roundPen(kWhite, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(7, 7), 6, 6);
    p.setPen(roundPen(kWhite, 1.8));
    p.drawLine(QPointF(4.6, 4.6), QPointF(9.4, 9.4));
    p.drawLine(QPointF(9.4, 4.6), QPointF(4.6, 9.4));
}

QImage pageButton(int w, const QString &caption, const Draw &icon, State s)
{
    const int h = 25;
    QImage img = newImage(w, h);
    QPainter p(&img);
    setHints(p);
    // The button sits 3 px below the top of the 31 px page bar.
    paintPageBarBg(p, w, -3, h);

    const QRectF pill(1.5, 1.5, w - 3, 21);
    const qreal rad = pill.height() / 2.0;
    QPainterPath path;
    path.addRoundedRect(pill, rad, rad);

    if (s != Pressed) {
        QPainterPath drop;
        drop.addRoundedRect(pill.translated(0, 1.2), rad, rad);
        p.fillPath(drop, QColor(0, 80, 90, s == Hover ? 70 : 55));
    }

    QLinearGradient g(0, pill.top(), 0, pill.bottom());
    QColor border;
    if (s == Normal) {
        g.setColorAt(0, QColor(38, 170, 179));
        g.setColorAt(1, QColor(0, 124, 133));
        border = QColor(0, 104, 112);
    } else if (s == Hover) {
        g.setColorAt(0, QColor(84, 204, 211));
        g.setColorAt(1, QColor(16, 156, 165));
        border = QColor(0, 122, 130);
    } else {
        g.setColorAt(0, QColor(0, 90, 98));
        g.setColorAt(1, QColor(0, 116, 125));
        border = QColor(0, 72, 79);
    }
    p.fillPath(path, g);

    if (s == Pressed) {
        p.save();
        p.setClipPath(path);
        p.setPen(QPen(QColor(0, 30, 35, 120), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path.translated(0.6, 1.4));
        p.restore();
    } else {
        // Thin highlight just inside the top edge.
        QPainterPath inner;
        inner.addRoundedRect(pill.adjusted(1, 1, -1, -1), rad - 1, rad - 1);
        QLinearGradient hl(0, pill.top(), 0, pill.bottom());
        hl.setColorAt(0, QColor(255, 255, 255, s == Hover ? 170 : 120));
        hl.setColorAt(0.5, QColor(255, 255, 255, 0));
        p.setPen(QPen(QBrush(hl), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(inner);
    }
    p.setPen(QPen(border, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);

    const QFont f = uiFont(13, true);
    const qreal tw = QFontMetricsF(f).horizontalAdvance(caption);
    const qreal gap = caption.isEmpty() ? 0 : 5;
    const qreal total = 14 + gap + tw;
    const qreal d = (s == Pressed) ? 1.0 : 0.0;
    const qreal x0 = std::floor((w - total) / 2.0) + d;
    drawWithShadow(p, QPointF(x0, 5 + d), 14, icon, QColor(0, 60, 66, 130), 1.0);
    shadowText(p, QRectF(x0 + 14 + gap, d, tw + 2, h - 1), caption, f, kWhite, QColor(0, 64, 70, 150),
               Qt::AlignLeft | Qt::AlignVCenter);
    p.end();
    return img;
}

// ---------------------------------------------------------------- others

QImage titleBackground()
{
    QImage img = newImage(400, 25);
    QPainter p(&img);
    paintTitleBg(p, img.rect(), 0);
    return img;
}

QImage toolbarBackground()
{
    QImage img = newImage(400, 64);
    QPainter p(&img);
    paintToolbarBase(p, QRectF(0, 0, 400, 64));
    return img;
}

QImage pageBarBackground()
{
    QImage img = newImage(400, 31);
    QPainter p(&img);
    paintPageBarBg(p, 400, 0, 31);
    p.fillRect(QRect(0, 0, 400, 1), QColor(255, 255, 255));
    p.fillRect(QRect(0, 30, 400, 1), QColor(150, 196, 205));
    return img;
}

QImage treeHeadBackground()
{
    QImage img = newImage(257, 30);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 30);
    g.setColorAt(0.0, QColor(248, 252, 253));
    g.setColorAt(1.0, QColor(218, 236, 240));
    p.fillRect(img.rect(), g);
    p.fillRect(QRect(0, 0, 257, 1), kWhite);
    p.fillRect(QRect(0, 29, 257, 1), QColor(164, 204, 211));
    return img;
}

QImage nodeIcon()
{
    QImage img = newImage(16, 24);
    QPainter p(&img);
    p.fillRect(img.rect(), QColor(232, 238, 249));
    // A 10x14 page with a folded corner at columns 3..12, rows 5..18, set
    // pixel by pixel so it stays sharp at this size.
    const QColor pale(170, 218, 222);
    p.fillRect(QRect(4, 6, 8, 12), kWhite);
    p.fillRect(QRect(10, 6, 2, 2), QColor(232, 238, 249));
    p.fillRect(QRect(3, 5, 7, 1), kTeal);
    p.fillRect(QRect(3, 5, 1, 14), kTeal);
    p.fillRect(QRect(3, 18, 10, 1), kTeal);
    p.fillRect(QRect(12, 8, 1, 11), kTeal);
    p.fillRect(QRect(9, 5, 1, 4), kTeal);
    p.fillRect(QRect(9, 8, 4, 1), kTeal);
    p.fillRect(QRect(10, 6, 1, 1), kTeal);
    p.fillRect(QRect(11, 7, 1, 1), kTeal);
    p.fillRect(QRect(10, 7, 1, 1), pale);
    for (int y : {10, 12, 14})
        p.fillRect(QRect(5, y, 6, 1), kTeal);
    p.fillRect(QRect(5, 16, 4, 1), kTeal);
    return img;
}

QImage logo()
{
    const int w = 206, h = 56;
    QImage img = newImage(w, h);
    QPainter p(&img);
    setHints(p);
    // Assumed to sit vertically centred on the 64 px toolbar.
    paintToolbarBase(p, QRectF(0, -4, w, 64));

    const QPointF c(28, 28);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 60, 66, 70));
    p.drawEllipse(c + QPointF(0, 1.2), 21.5, 21.5);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(c, 22.5, 22.5);
    QRadialGradient rg(c + QPointF(-6, -8), 30);
    rg.setColorAt(0, kWhite);
    rg.setColorAt(1, QColor(214, 241, 243));
    p.setBrush(rg);
    p.drawEllipse(c, 20, 20);

    // Capsule: teal and gold halves, tilted.
    p.save();
    p.translate(c);
    p.rotate(-45);
    const QRectF cap(-15, -6.5, 30, 13);
    QPainterPath whole;
    whole.addRoundedRect(cap, 6.5, 6.5);
    QPainterPath left;
    left.addRect(QRectF(-16, -8, 16, 16));
    p.setBrush(QColor(0, 60, 66, 60));
    p.drawPath(whole.translated(0.8, 1.2));
    p.setBrush(kTeal);
    p.drawPath(whole.intersected(left));
    QLinearGradient gg(0, -6.5, 0, 6.5);
    gg.setColorAt(0, kGoldLight);
    gg.setColorAt(1, QColor(255, 176, 30));
    p.setBrush(gg);
    p.drawPath(whole.subtracted(left));
    p.setPen(roundPen(QColor(255, 255, 255, 150), 1.6));
    p.drawLine(QPointF(-10, -3.3), QPointF(-3, -3.3));
    p.drawLine(QPointF(3.5, -3.3), QPointF(10, -3.3));
    p.restore();

    // Small plus: the pharmacy cross.
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRoundedRect(QRectF(32.5, 36.2, 8, 2.6), 0.8, 0.8);
    p.drawRoundedRect(QRectF(35.2, 33.5, 2.6, 8), 0.8, 0.8);

    const QFont big = uiFont(26, true);
    const QFont small = uiFont(12, false);
    const qreal x = 58;
    p.setFont(big);
    p.setPen(QColor(0, 60, 66, 140));
    p.drawText(QPointF(x, 31 + 1), QStringLiteral("Kaivora"));
    p.setPen(kWhite);
    p.drawText(QPointF(x, 31), QStringLiteral("Kaivora"));
    p.fillRect(QRectF(x + 1, 36, 140, 1), QColor(255, 255, 255, 90));
    shadowText(p, QRectF(x, 37, w - x, 16), QStringLiteral("主管药师 · 考试宝典"), small, QColor(226, 248, 250),
               QColor(0, 60, 66, 120), Qt::AlignLeft | Qt::AlignVCenter);
    return img;
}

// Background of the backup and restore windows: the field's label on the left, a
// shield with the bank's disk, and the note on when to back up and restore.
QImage backupBackground()
{
    const int w = 401, h = 200;
    QImage img = newImage(w, h);
    QPainter p(&img);
    setHints(p);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0.0, QColor(250, 253, 253));
    g.setColorAt(1.0, QColor(224, 241, 243));
    p.fillRect(img.rect(), g);
    p.fillRect(QRect(0, 0, w, 3), kTeal);

    p.setPen(QColor(0, 70, 76));
    p.setFont(uiFont(13, true));
    p.drawText(QRectF(8, 33, 82, 21), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("数据备份文件"));

    // Note panel under the field.
    const QRectF panel(16, 72, w - 32, 90);
    p.setPen(QPen(QColor(160, 206, 211), 1));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(panel, 5, 5);
    const QPointF badge(panel.left() + 30, panel.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(kTeal);
    p.drawEllipse(badge, 21, 21);
    drawWithShadow(p, badge - QPointF(16, 16), 32, iconDisk, QColor(0, 60, 66, 90));
    p.setPen(QColor(60, 78, 80));
    p.setFont(uiFont(12, false));
    p.drawText(panel.adjusted(56, 10, -12, -10), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
               QStringLiteral("提示：重装操作系统或重装本软件之前，请先备份数据；"
                              "重装完成后，再用“数据还原”恢复备份，"
                              "您的答题记录、收藏和错题等重要数据就不会丢失。"));
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    PictureTool::prepareHeadless();
    QGuiApplication app(argc, argv);
    if (const int status = PictureTool::outputFolder(argc, argv, "make_artwork", "tp", gOutDir))
        return status;
    PictureTool::ensureFont("make_artwork");

    // Every picture button of the practice window comes from the one picture table;
    // only the drawing of its icon is this tool's own.
    const std::map<std::string, Draw> icons{
        {"kstk", iconBooks},      {"wdsc", iconStar},       {"rjdh", iconDialogue},
        {"mnkc", iconExamPaper},  {"cttk", iconWrongBook},  {"sjbf", iconDisk},
        {"sjhy", iconRestore},    {"rjsj", iconUpgrade},    {"zxkf", iconHeadset},
        {"zxsc", iconCart},       {"sybz", iconHelp},
        {"xsda", [](QPainter &p) { smallEye(p, false); }},
        {"ycda", [](QPainter &p) { smallEye(p, true); }},
        {"cxdt", smallRedo},      {"tjsj", smallSubmit},
        {"da", [](QPainter &p) { smallZoom(p, true); }},
        {"xiao", [](QPainter &p) { smallZoom(p, false); }},
        {"qpxs", smallFullScreen}, {"ckxs", smallExit},
        {"xxjl", smallTrend},
    };
    const std::map<std::string, Glyph> glyphs{
        {"MinBtn", Glyph::Min}, {"MaxBtn", Glyph::Max}, {"resBtn", Glyph::Restore}, {"CloseBtn", Glyph::Close}};
    const State states[] = {Normal, Hover, Pressed};
    for (const PictureTable::Entry &entry : PictureTable::kEntries) {
        const auto files = PictureTable::files(entry);
        const QString caption = QString::fromUtf8(entry.caption);
        for (int k = 0; k < 3; ++k) {
            // A state that shows another state's file has no picture of its own.
            if (k > 0 && files[k] == files[0])
                continue;
            const QString name = QString::fromStdString(files[k]).mid(int(std::strlen("/tp/")));
            QImage picture;
            switch (entry.bar) {
            case PictureTable::Bar::Title:
                picture = titleButton(glyphs.at(entry.stem), states[k]);
                break;
            case PictureTable::Bar::Toolbar:
                picture = toolbarButton(entry.width, caption, icons.at(entry.stem), states[k]);
                break;
            case PictureTable::Bar::PageBar:
                picture = pageButton(entry.width, caption, icons.at(entry.stem), states[k]);
                break;
            }
            save(picture, name);
        }
    }

    // The search field's picture where the page bar has no room for the field, and its icon.
    const Draw searchGlyph = [](QPainter &p) { smallSearch(p, kWhite); };
    for (int k = 0; k < 3; ++k)
        save(pageButton(19, QString(), searchGlyph, states[k]), QStringLiteral("ss-%1.bmp").arg(k + 1));
    QImage fieldIcon = newImage(16, 16);
    fieldIcon.fill(Qt::white);
    {
        QPainter p(&fieldIcon);
        setHints(p);
        p.translate(1.5, 1.5);
        smallSearch(p, kTeal);
    }
    save(fieldIcon, QStringLiteral("ss-icon.bmp"));

    // The close picture of the result window, in the style of the page bar.
    const ResultPictures::Picture &close = ResultPictures::kClose;
    const char *closeFiles[] = {close.normal, close.hover, close.pressed};
    for (int k = 0; k < 3; ++k)
        save(pageButton(close.width, QString::fromUtf8(close.caption), smallClose, states[k]), QString::fromLatin1(closeFiles[k]));

    save(titleBackground(), QStringLiteral("title-bg.jpg"));
    save(toolbarBackground(), QStringLiteral("toolbar-bg.jpg"));
    save(logo(), QStringLiteral("logo.jpg"));
    save(pageBarBackground(), QStringLiteral("pagebar-bg.jpg"));
    save(treeHeadBackground(), QStringLiteral("treehead-bg.jpg"));
    save(nodeIcon(), QStringLiteral("node.bmp"));
    save(backupBackground(), QStringLiteral("sjbf-bg.jpg"));

    return gFailures ? 1 : 0;
}
