// make_figures <outdir>: draws the pharmacokinetics and pharmacology
// figures used by questions into <outdir>/pic/. Needs only Qt6::Gui.

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include "picture_tool.h"
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const int kW = 520;
const int kH = 340;

const QColor kAxis(28, 28, 28);
const QColor kInk(34, 34, 34);
const QColor kCurve(20, 78, 170);
const QColor kCurve2(200, 70, 36);
const QColor kGuide(120, 120, 120);

QString gOutDir;
int gFailures = 0;

using PictureTool::font;

QImage canvas()
{
    QImage img(kW, kH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    return img;
}

void setHints(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

void save(const QImage &img, const QString &name)
{
    if (!PictureTool::write(img, gOutDir + QStringLiteral("/pic/") + name, "make_figures", -1))
        ++gFailures;
}

void arrowHead(QPainter &p, QPointF tip, QPointF dir)
{
    dir /= std::hypot(dir.x(), dir.y());
    const QPointF n(-dir.y(), dir.x());
    QPolygonF poly;
    poly << tip << tip - dir * 11 + n * 4.5 << tip - dir * 8 << tip - dir * 11 - n * 4.5;
    p.setPen(Qt::NoPen);
    p.setBrush(kAxis);
    p.drawPolygon(poly);
}

// Axes meeting at origin o, x axis ending (with arrow) at xEnd, y axis at yTop.
void drawAxes(QPainter &p, QPointF o, qreal xEnd, qreal yTop, bool markOrigin = true)
{
    p.setPen(QPen(kAxis, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(o, QPointF(xEnd - 8, o.y()));
    p.drawLine(o, QPointF(o.x(), yTop + 8));
    arrowHead(p, QPointF(xEnd, o.y()), QPointF(1, 0));
    arrowHead(p, QPointF(o.x(), yTop), QPointF(0, -1));
    if (!markOrigin)
        return;
    p.setFont(font(14));
    p.setPen(kInk);
    p.drawText(QRectF(o.x() - 22, o.y() + 2, 18, 18), Qt::AlignRight | Qt::AlignTop, QStringLiteral("O"));
}

void tickX(QPainter &p, QPointF o, qreal x, const QString &label)
{
    p.setPen(QPen(kAxis, 1.3));
    p.drawLine(QPointF(x, o.y()), QPointF(x, o.y() - 5));
    if (!label.isEmpty()) {
        p.setFont(font(13));
        p.setPen(kInk);
        p.drawText(QRectF(x - 20, o.y() + 4, 40, 16), Qt::AlignHCenter | Qt::AlignTop, label);
    }
}

void tickY(QPainter &p, QPointF o, qreal y, const QString &label)
{
    p.setPen(QPen(kAxis, 1.3));
    p.drawLine(QPointF(o.x(), y), QPointF(o.x() + 5, y));
    if (!label.isEmpty()) {
        p.setFont(font(13));
        p.setPen(kInk);
        p.drawText(QRectF(o.x() - 46, y - 9, 40, 18), Qt::AlignRight | Qt::AlignVCenter, label);
    }
}

// Text with a lowered, smaller subscript: main + sub. Returns its width.
qreal subWidth(const QString &main, const QString &sub, int px)
{
    return QFontMetricsF(font(px)).horizontalAdvance(main) + 0.5
         + QFontMetricsF(font(qRound(px * 0.7))).horizontalAdvance(sub);
}

void drawSub(QPainter &p, qreal x, qreal baseline, const QString &main, const QString &sub, int px)
{
    p.setFont(font(px));
    p.drawText(QPointF(x, baseline), main);
    const qreal w = QFontMetricsF(font(px)).horizontalAdvance(main);
    p.setFont(font(qRound(px * 0.7)));
    p.drawText(QPointF(x + w + 0.5, baseline + px * 0.3), sub);
}

// ---------------------------------------------------------------- figures

QImage ivBolusSemilog()
{
    QImage img = canvas();
    QPainter p(&img);
    setHints(p);
    const QPointF o(80, 286);
    const qreal pxPerHour = 30;  // t = 0..12 h
    const qreal lgMax = 2.4, pxPerLg = 230 / lgMax;
    auto map = [&](qreal t, qreal lg) { return QPointF(o.x() + t * pxPerHour, o.y() - lg * pxPerLg); };

    drawAxes(p, o, 480, 28);
    for (int t = 2; t <= 12; t += 2)
        tickX(p, o, map(t, 0).x(), QString::number(t));
    for (int i = 1; i <= 5; ++i)
        tickY(p, o, map(0, i * 0.4).y(), QString());

    // lgC = lgC0 - k t / 2.303 with lgC0 = 2.0 and k = 0.35 /h.
    const qreal lgC0 = 2.0, slope = -0.35 / 2.303;
    const QPointF a = map(0, lgC0), b = map(12.6, lgC0 + slope * 12.6);
    p.setPen(QPen(kCurve, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(QPen(kCurve, 1.4));
    p.setBrush(Qt::white);
    for (qreal t : {1.0, 2.0, 4.0, 6.0, 8.0, 10.0, 12.0})
        p.drawEllipse(map(t, lgC0 + slope * t), 3.2, 3.2);

    // Intercept on the y axis.
    p.setPen(Qt::NoPen);
    p.setBrush(kCurve);
    p.drawEllipse(a, 4, 4);
    p.setPen(kInk);
    const qreal w0 = subWidth(QStringLiteral("lgC"), QStringLiteral("0"), 16);
    drawSub(p, o.x() - 10 - w0, a.y() + 5, QStringLiteral("lgC"), QStringLiteral("0"), 16);

    p.setPen(kInk);
    p.setFont(font(16));
    p.drawText(QRectF(o.x() - 70, 14, 60, 24), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("lgC"));
    p.drawText(QRectF(380, 306, 130, 24), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("时间 t (h)"));
    return img;
}

QImage oralCurve()
{
    QImage img = canvas();
    QPainter p(&img);
    setHints(p);
    const QPointF o(80, 290);
    // Bateman function, ka > k.
    const qreal k = 0.15, ka = 0.6, tEnd = 24;
    auto conc = [&](qreal t) { return std::exp(-k * t) - std::exp(-ka * t); };
    const qreal tmax = std::log(ka / k) / (ka - k);
    const qreal cmax = conc(tmax);
    const qreal pxPerHour = 390 / tEnd;
    const qreal pxPerC = 140 / cmax;  // peak 140 px above the axis
    auto map = [&](qreal t, qreal c) { return QPointF(o.x() + t * pxPerHour, o.y() - c * pxPerC); };

    QPainterPath curve;
    curve.moveTo(map(0, 0));
    for (int i = 1; i <= 480; ++i) {
        const qreal t = tEnd * i / 480.0;
        curve.lineTo(map(t, conc(t)));
    }
    QPainterPath area = curve;
    area.lineTo(map(tEnd, 0));
    area.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 150, 225, 60));
    p.drawPath(area);

    // Window lines: toxic level above the peak, effective level below it.
    const qreal mtc = cmax * 1.36, mec = cmax * 0.52;
    const QColor red(196, 40, 40), green(26, 128, 64);
    p.setPen(QPen(red, 1.5, Qt::DashLine));
    p.drawLine(map(0, mtc), QPointF(490, map(0, mtc).y()));
    p.setPen(QPen(green, 1.5, Qt::DashLine));
    p.drawLine(map(0, mec), QPointF(490, map(0, mec).y()));
    p.setFont(font(14));
    p.setPen(red);
    p.drawText(QRectF(250, map(0, mtc).y() - 22, 240, 20), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("MTC（最低中毒浓度）"));
    p.setPen(green);
    p.drawText(QRectF(250, map(0, mec).y() - 22, 240, 20), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("MEC（最低有效浓度）"));

    p.setPen(QPen(kCurve, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);

    drawAxes(p, o, 490, 28);

    const QPointF peak = map(tmax, cmax);
    p.setPen(QPen(kGuide, 1.3, Qt::DotLine));
    p.drawLine(peak, QPointF(o.x(), peak.y()));
    p.drawLine(peak, QPointF(peak.x(), o.y()));
    p.setPen(Qt::NoPen);
    p.setBrush(kCurve);
    p.drawEllipse(peak, 3.8, 3.8);

    p.setPen(kInk);
    const qreal wc = subWidth(QStringLiteral("C"), QStringLiteral("max"), 16);
    drawSub(p, o.x() - 8 - wc, peak.y() + 5, QStringLiteral("C"), QStringLiteral("max"), 16);
    const qreal wt = subWidth(QStringLiteral("t"), QStringLiteral("max"), 16);
    drawSub(p, peak.x() - wt / 2, o.y() + 19, QStringLiteral("t"), QStringLiteral("max"), 16);

    p.setFont(font(26, true));
    p.setPen(QColor(40, 70, 130));
    p.drawText(QRectF(map(5.5, 0).x() - 20, o.y() - 62, 40, 40), Qt::AlignCenter, QStringLiteral("?"));

    p.setPen(kInk);
    p.setFont(font(16));
    p.drawText(QRectF(o.x() + 12, 16, 200, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("血药浓度 C"));
    p.drawText(QRectF(400, 298, 110, 24), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("时间 t"));
    return img;
}

QImage doseResponse()
{
    QImage img = canvas();
    QPainter p(&img);
    setHints(p);
    const QPointF o(80, 290);
    const qreal xMax = 10, pxPerX = 390 / xMax;
    const qreal pxPerPct = 230 / 100.0;
    auto map = [&](qreal x, qreal e) { return QPointF(o.x() + x * pxPerX, o.y() - e * pxPerPct); };
    // Same Emax and slope for both full agonists; B is less potent.
    const qreal slope = 0.85, ec50A = 3.4, ec50B = 6.3;
    auto effect = [&](qreal x, qreal ec50) { return 100.0 / (1.0 + std::pow(10.0, slope * (ec50 - x))); };

    p.setPen(QPen(kGuide, 1.2, Qt::DashLine));
    p.drawLine(map(0, 50), map(xMax, 50));
    p.setPen(QPen(QColor(170, 170, 170), 1.0, Qt::DotLine));
    p.drawLine(map(0, 100), map(xMax, 100));
    p.setPen(QPen(kGuide, 1.1, Qt::DotLine));
    p.drawLine(map(ec50A, 50), map(ec50A, 0));
    p.drawLine(map(ec50B, 50), map(ec50B, 0));

    drawAxes(p, o, 490, 30, false);  // the y axis carries its own 0
    for (int e = 25; e <= 100; e += 25)
        tickY(p, o, map(0, e).y(), QString::number(e));
    for (int x = 1; x < 10; ++x)
        tickX(p, o, map(x, 0).x(), QString());

    auto plot = [&](qreal ec50, const QColor &c) {
        QPainterPath path;
        for (int i = 0; i <= 500; ++i) {
            const qreal x = xMax * i / 500.0;
            const QPointF pt = map(x, effect(x, ec50));
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        p.setPen(QPen(c, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    };
    plot(ec50A, kCurve);
    plot(ec50B, kCurve2);

    // Labels left of each curve at the 75 % level.
    p.setFont(font(20, true));
    const qreal x75 = std::log10(3.0) / slope;
    p.setPen(kCurve);
    p.drawText(QRectF(map(ec50A + x75, 75).x() - 36, map(0, 75).y() - 14, 24, 28), Qt::AlignCenter, QStringLiteral("A"));
    p.setPen(kCurve2);
    p.drawText(QRectF(map(ec50B + x75, 75).x() - 36, map(0, 75).y() - 14, 24, 28), Qt::AlignCenter, QStringLiteral("B"));

    p.setPen(kInk);
    p.setFont(font(16));
    p.drawText(QRectF(o.x() + 12, 14, 200, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("效应 (%)"));
    p.drawText(QRectF(400, 298, 110, 24), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("lg剂量"));
    p.setFont(font(13));
    p.drawText(QRectF(o.x() - 46, o.y() - 9, 40, 18), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    PictureTool::prepareHeadless();
    QGuiApplication app(argc, argv);
    if (const int status = PictureTool::outputFolder(argc, argv, "make_figures", "pic", gOutDir))
        return status;
    PictureTool::ensureFont("make_figures");

    save(ivBolusSemilog(), QStringLiteral("iv_bolus_lgc.png"));
    save(oralCurve(), QStringLiteral("oral_ct_curve.png"));
    save(doseResponse(), QStringLiteral("dose_response.png"));
    return gFailures ? 1 : 0;
}
