#include "assets/calgen/calgen.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace olk::calgen {

QImage blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPainterPath starPath(QPointF c, double outer, double inner, int points)
{
    QPainterPath path;
    for (int k = 0; k < 2 * points; ++k) {
        const double a = -kPi / 2 + k * kPi / points;
        const double r = k % 2 ? inner : outer;
        const QPointF point = c + QPointF(r * std::cos(a), r * std::sin(a));
        k == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(QPointF top, double size)
{
    const double s = size / 2;
    const double x = top.x();
    const double y = top.y();
    QPainterPath path;
    path.moveTo(x, y + 0.35 * s);
    path.cubicTo(x - 0.15 * s, y - 0.25 * s, x - s, y - 0.25 * s, x - s, y + 0.45 * s);
    path.cubicTo(x - s, y + 1.0 * s, x - 0.35 * s, y + 1.3 * s, x, y + 1.75 * s);
    path.cubicTo(x + 0.35 * s, y + 1.3 * s, x + s, y + 1.0 * s, x + s, y + 0.45 * s);
    path.cubicTo(x + s, y - 0.25 * s, x + 0.15 * s, y - 0.25 * s, x, y + 0.35 * s);
    path.closeSubpath();
    return path;
}

QBrush ball(const QRectF& r, const QColor& colour)
{
    QRadialGradient g(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3,
                      std::max(r.width(), r.height()) * 0.8);
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(0.45, colour);
    g.setColorAt(1, colour.darker(150));
    return QBrush(g);
}

void wavingFlag(QPainter& p, QPointF poleTop, double poleLength, double w, double h,
                const FlagPaint& paint)
{
    constexpr int kScale = 4;
    const int cw = static_cast<int>(std::ceil(w * kScale));
    const int ch = static_cast<int>(std::ceil(h * kScale));
    QImage cloth = blank(cw, ch);
    {
        QPainter cp(&cloth);
        prepare(cp);
        cp.scale(kScale, kScale);
        paint(cp, w, h);
    }
    // The cloth in vertical strips, each moved up or down along a wave and
    // shaded by its slope; the wave grows away from the pole.
    const double amplitude = h * 0.09;
    QImage waved = blank(cw, static_cast<int>(ch + 4 * amplitude * kScale));
    {
        QPainter wp(&waved);
        for (int x = 0; x < cw; ++x) {
            const double t = static_cast<double>(x) / cw;
            const double phase = t * 2.2 * kPi;
            const double dy = amplitude * kScale * (1 + std::sin(phase) * (0.3 + 0.7 * t));
            wp.drawImage(QPointF(x, dy + amplitude * kScale), cloth, QRectF(x, 0, 1, ch));
            const double light = std::cos(phase) * (0.3 + 0.7 * t);
            const QColor shade = light > 0 ? QColor(255, 255, 255, static_cast<int>(70 * light))
                                           : QColor(0, 0, 0, static_cast<int>(-90 * light));
            wp.setCompositionMode(QPainter::CompositionMode_SourceAtop);
            wp.fillRect(QRectF(x, 0, 1, waved.height()), shade);
            wp.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
    }
    // The pole, with a golden knob.
    QLinearGradient wood(poleTop.x() - 1.2, 0, poleTop.x() + 1.2, 0);
    wood.setColorAt(0, QColor(120, 80, 40));
    wood.setColorAt(0.5, QColor(200, 150, 90));
    wood.setColorAt(1, QColor(90, 55, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(poleTop.x() - 1.2, poleTop.y(), 2.4, poleLength), 1, 1);
    p.setBrush(ball(QRectF(poleTop.x() - 2.2, poleTop.y() - 3.6, 4.4, 4.4), QColor(230, 180, 40)));
    p.drawEllipse(QRectF(poleTop.x() - 2.2, poleTop.y() - 3.6, 4.4, 4.4));
    p.drawImage(QRectF(poleTop.x() + 1.0, poleTop.y() + 1 - amplitude, w,
                       static_cast<double>(waved.height()) / kScale),
                waved);
}

void flagStripes(QPainter& p, double w, double h, std::initializer_list<QColor> colours,
                 bool across)
{
    const double n = static_cast<double>(colours.size());
    int i = 0;
    for (const QColor& c : colours) {
        p.fillRect(across ? QRectF(0, h * i / n, w, h / n + 0.05)
                          : QRectF(w * i / n, 0, w / n + 0.05, h),
                   c);
        ++i;
    }
}

void flagUsa(QPainter& p, double w, double h)
{
    const QColor red(178, 34, 52);
    const QColor blue(60, 59, 110);
    for (int i = 0; i < 13; ++i) {
        p.fillRect(QRectF(0, h * i / 13, w, h / 13 + 0.05), i % 2 ? Qt::white : red);
    }
    const double cw = w * 0.4;
    const double chh = h * 7 / 13;
    p.fillRect(QRectF(0, 0, cw, chh), blue);
    // Nine rows of stars, six and five in turn.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const double r = chh * 0.045;
    for (int row = 0; row < 9; ++row) {
        const int count = row % 2 ? 5 : 6;
        for (int k = 0; k < count; ++k) {
            const double x = cw * ((row % 2 ? 2 : 1) + 2 * k) / 12.0;
            const double y = chh * (1 + row) / 10.0;
            p.drawPath(starPath(QPointF(x, y), r * 1.6, r * 0.65));
        }
    }
}

// The saltires of St Andrew and St Patrick counterchanged, the cross of
// St George over them; widths from the 30-unit height.
void flagUk(QPainter& p, double w, double h)
{
    const QColor blue(1, 33, 105);
    const QColor red(200, 16, 46);
    const double u = h / 30;
    p.fillRect(QRectF(0, 0, w, h), blue);
    p.setPen(QPen(Qt::white, 6 * u, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, 0), QPointF(w, h));
    p.drawLine(QPointF(0, h), QPointF(w, 0));
    // In the hoist the broad white lies above the red, in the fly below it.
    const QPointF c(w / 2, h / 2);
    const double len = std::hypot(w, h) / 2;
    const QPointF corners[4] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    p.setPen(Qt::NoPen);
    for (const QPointF& corner : corners) {
        const QPointF d = (corner - c) / len;
        const QPointF side(d.y(), -d.x());
        QPainterPath strip;
        strip.moveTo(c);
        strip.lineTo(c + d * len * 1.1);
        strip.lineTo(c + d * len * 1.1 + side * 2 * u);
        strip.lineTo(c + side * 2 * u);
        strip.closeSubpath();
        p.save();
        p.setClipRect(QRectF(0, 0, w, h));
        p.fillPath(strip, red);
        p.restore();
    }
    p.fillRect(QRectF(w / 2 - 5 * u, 0, 10 * u, h), Qt::white);
    p.fillRect(QRectF(0, h / 2 - 5 * u, w, 10 * u), Qt::white);
    p.fillRect(QRectF(w / 2 - 3 * u, 0, 6 * u, h), red);
    p.fillRect(QRectF(0, h / 2 - 3 * u, w, 6 * u), red);
}

// Red, yellow twice as broad, red; the arms, simplified, in the hoist half
// of the yellow.
void flagSpain(QPainter& p, double w, double h)
{
    const QColor red(170, 21, 27);
    const QColor yellow(241, 191, 0);
    p.fillRect(QRectF(0, 0, w, h), red);
    p.fillRect(QRectF(0, h / 4, w, h / 2), yellow);
    const double s = h / 2 / 10;  // a tenth of the yellow band
    const double x = w * 0.3;
    const double y = h / 2;
    p.setPen(Qt::NoPen);
    // The pillars of Hercules.
    for (const double side : {-1.0, 1.0}) {
        p.fillRect(QRectF(x + side * 3.2 * s - 0.6 * s, y - 2.8 * s, 1.2 * s, 5.2 * s),
                   QColor(200, 200, 200));
        p.fillRect(QRectF(x + side * 3.2 * s - 0.9 * s, y - 3.3 * s, 1.8 * s, 0.6 * s),
                   QColor(200, 160, 40));
    }
    // The shield: quarters of red, white and the gold and red of Aragon.
    QPainterPath shield;
    shield.moveTo(x - 2.2 * s, y - 2.6 * s);
    shield.lineTo(x + 2.2 * s, y - 2.6 * s);
    shield.lineTo(x + 2.2 * s, y + 0.8 * s);
    shield.quadTo(x + 2.2 * s, y + 3.2 * s, x, y + 3.2 * s);
    shield.quadTo(x - 2.2 * s, y + 3.2 * s, x - 2.2 * s, y + 0.8 * s);
    shield.closeSubpath();
    p.save();
    p.setClipPath(shield);
    p.fillRect(QRectF(x - 2.2 * s, y - 2.6 * s, 2.2 * s, 2.9 * s), QColor(200, 30, 40));
    p.fillRect(QRectF(x, y - 2.6 * s, 2.2 * s, 2.9 * s), QColor(240, 240, 240));
    p.fillRect(QRectF(x - 2.2 * s, y + 0.3 * s, 2.2 * s, 3 * s), QColor(250, 210, 40));
    for (int k = 0; k < 2; ++k) {
        p.fillRect(QRectF(x - 1.9 * s + k * 1.0 * s, y + 0.3 * s, 0.5 * s, 3 * s),
                   QColor(200, 30, 40));
    }
    p.fillRect(QRectF(x, y + 0.3 * s, 2.2 * s, 3 * s), QColor(200, 30, 40));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 80, 10), 0.25 * s));
    p.drawPath(shield);
    // The crown above.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 150, 30));
    QPainterPath crown;
    crown.moveTo(x - 2 * s, y - 2.9 * s);
    crown.lineTo(x - 2.3 * s, y - 4.6 * s);
    crown.lineTo(x - 1 * s, y - 3.8 * s);
    crown.lineTo(x, y - 5 * s);
    crown.lineTo(x + 1 * s, y - 3.8 * s);
    crown.lineTo(x + 2.3 * s, y - 4.6 * s);
    crown.lineTo(x + 2 * s, y - 2.9 * s);
    crown.closeSubpath();
    p.drawPath(crown);
}

}  // namespace olk::calgen
