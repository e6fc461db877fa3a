// The flags of the languages, drawn from their official construction sheets
// at the picture's proportions, and the frame and pieces they share with the
// country flags (flag_art.h).

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "assets/artkit/artkit.h"
#include "assets/graphgen/flag_art.h"
#include "assets/graphgen/parts.h"

namespace olk::graphgen {

void stripes(QPainter& p, double w, double h, std::initializer_list<QColor> colours, bool across)
{
    const double n = static_cast<double>(colours.size());
    int i = 0;
    for (const QColor& c : colours) {
        const QRectF r =
            across ? QRectF(0, h * i / n, w, h / n + 0.5) : QRectF(w * i / n, 0, w / n + 0.5, h);
        p.fillRect(r, c);
        ++i;
    }
}

// The Union Flag: the saltires of St Andrew and St Patrick counterchanged
// (in the hoist the broad white lies above the red, in the fly below it),
// the cross of St George over them; widths from the 30-unit height.
void unionJack(QPainter& p, double w, double h)
{
    const QColor blue(1, 33, 105);
    const QColor red(200, 16, 46);
    const double u = h / 30;
    p.fillRect(QRectF(0, 0, w, h), blue);
    const double diagonal = std::hypot(w, h);
    // White saltire, 6 units wide.
    p.setPen(QPen(Qt::white, 6 * u, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-w, -h), QPointF(2 * w, 2 * h));
    p.drawLine(QPointF(-w, 2 * h), QPointF(2 * w, -h));
    // Red saltire, 2 units, lying beside the centre line of each arm.
    const QPointF c(w / 2, h / 2);
    const QPointF down(w / diagonal, h / diagonal);  // along the arm to the lower fly
    const QPointF up(w / diagonal, -h / diagonal);   // along the arm to the upper fly
    auto arm = [&](QPointF direction, QPointF side) {
        // A strip from the centre outwards, between the centre line and 2
        // units towards `side`.
        const QPointF far = c + direction * diagonal;
        QPainterPath strip;
        strip.moveTo(c);
        strip.lineTo(far);
        strip.lineTo(far + side * (2 * u));
        strip.lineTo(c + side * (2 * u));
        strip.closeSubpath();
        p.fillPath(strip, red);
    };
    auto perpendicular = [](QPointF d) { return QPointF(-d.y(), d.x()); };
    // Screen y grows downwards: "below" an arm is the side with larger y.
    auto below = [&](QPointF d) {
        QPointF n = perpendicular(d);
        return n.y() > 0 ? n : -n;
    };
    p.save();
    p.setClipRect(QRectF(0, 0, w / 2, h),
                  Qt::IntersectClip);  // the hoist: red below the centre line
    arm(-down, below(down));
    arm(-up, below(up));
    p.restore();
    p.save();
    p.setClipRect(QRectF(w / 2, 0, w / 2, h), Qt::IntersectClip);  // the fly: red above it
    arm(down, -below(down));
    arm(up, -below(up));
    p.restore();
    // St George: white 10 units, red 6.
    p.fillRect(QRectF(0, c.y() - 5 * u, w, 10 * u), Qt::white);
    p.fillRect(QRectF(c.x() - 5 * u, 0, 10 * u, h), Qt::white);
    p.fillRect(QRectF(0, c.y() - 3 * u, w, 6 * u), red);
    p.fillRect(QRectF(c.x() - 3 * u, 0, 6 * u, h), red);
}

// Spain: red, yellow twice as high, red; a simplified coat of arms on the
// yellow towards the hoist.
void spain(QPainter& p, double w, double h)
{
    const QColor red(170, 21, 27);
    const QColor yellow(241, 191, 0);
    p.fillRect(QRectF(0, 0, w, h), red);
    p.fillRect(QRectF(0, h / 4, w, h / 2), yellow);
    const double s = h / 68;  // drawn in the units of the 68-pixel flag
    p.save();
    p.translate(w * 0.3, h * 0.5);
    p.scale(s, s);
    // The pillars of Hercules.
    for (const double x : {-14.0, 14.0}) {
        p.fillRect(QRectF(x - 2, -10, 4, 20), QColor(230, 230, 230));
        p.fillRect(QRectF(x - 3, -12, 6, 2.5), red);
        p.fillRect(QRectF(x - 3, 9, 6, 2.5), QColor(0, 80, 160));
    }
    // The crown.
    QPainterPath crown;
    crown.moveTo(-8, -12);
    crown.lineTo(-9, -17);
    crown.lineTo(-4, -14);
    crown.lineTo(0, -19);
    crown.lineTo(4, -14);
    crown.lineTo(9, -17);
    crown.lineTo(8, -12);
    crown.closeSubpath();
    p.fillPath(crown, QColor(200, 150, 30));
    // The shield, quartered, with its base.
    QPainterPath shield;
    shield.moveTo(-9, -11);
    shield.lineTo(9, -11);
    shield.lineTo(9, 4);
    shield.quadTo(9, 13, 0, 14);
    shield.quadTo(-9, 13, -9, 4);
    shield.closeSubpath();
    p.setClipPath(shield);
    p.fillRect(QRectF(-9, -11, 9, 8), red);                   // Castile
    p.fillRect(QRectF(0, -11, 9, 8), QColor(240, 240, 240));  // León
    p.fillRect(QRectF(-9, -3, 9, 9), QColor(240, 200, 40));   // Aragon
    for (int i = 0; i < 4; ++i) {
        p.fillRect(QRectF(-8 + 2 * i, -3, 1, 9), red);
    }
    p.fillRect(QRectF(0, -3, 9, 9), red);                     // Navarre
    p.fillRect(QRectF(-9, 6, 18, 8), QColor(240, 240, 240));  // Granada
    p.fillRect(QRectF(-3, -14, 6, 5), QColor(0, 70, 150));    // the Bourbon inescutcheon
    p.setBrush(QColor(240, 200, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(-4.5, -7), 2, 2);
    p.setBrush(QColor(130, 10, 10));
    p.drawEllipse(QPointF(4.5, -7), 2, 2);
    p.setBrush(QColor(50, 140, 50));
    p.drawEllipse(QPointF(0, 10), 2, 2.5);
    p.setClipping(false);
    p.setPen(QPen(QColor(90, 50, 10), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shield);
    p.restore();
}

// The People's Republic of China: on a 30 x 20 grid, the large star at
// (5, 5) with radius 3, the small ones of radius 1 at (10, 2), (12, 4),
// (12, 7) and (10, 9), each with a point towards the large star's centre.
void china(QPainter& p, double w, double h)
{
    const QColor yellow(255, 222, 0);
    p.fillRect(QRectF(0, 0, w, h), QColor(222, 41, 16));
    const double gx = w / 30;
    const double gy = h / 20;
    const double g = std::min(gx, gy);
    const QPointF big(5 * gx, 5 * gy);
    p.save();
    p.translate(big);
    p.fillPath(starPath(3 * g, 3 * g * 0.382, -kPi / 2), yellow);
    p.restore();
    for (const QPointF& at : {QPointF(10, 2), QPointF(12, 4), QPointF(12, 7), QPointF(10, 9)}) {
        const QPointF centre(at.x() * gx, at.y() * gy);
        const double towards = std::atan2(big.y() - centre.y(), big.x() - centre.x());
        p.save();
        p.translate(centre);
        p.fillPath(starPath(g, g * 0.382, towards), yellow);
        p.restore();
    }
}

// The Czech Republic: white over red, a blue triangle from the hoist to the
// middle.
void czech(QPainter& p, double w, double h)
{
    stripes(p, w, h, {Qt::white, QColor(215, 20, 26)}, true);
    QPainterPath wedge;
    wedge.moveTo(0, 0);
    wedge.lineTo(w / 2, h / 2);
    wedge.lineTo(0, h);
    wedge.closeSubpath();
    p.fillPath(wedge, QColor(17, 69, 126));
}

namespace {

// One of the trigrams of the Korean flag: three bars, whole (yang) or
// broken (yin), from the one nearest the middle outwards.
void trigram(QPainter& p, QPointF centre, double angle, double unit, std::array<bool, 3> whole)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    // Local x points outwards along the diagonal, the bars lie across it;
    // unit = 1/48 of the height.
    const double length = 12 * unit;
    const double thick = 2 * unit;
    const double gap = unit;
    for (int i = 0; i < 3; ++i) {
        const double x = (i - 1) * (thick + gap);  // outwards along the diagonal
        if (whole[static_cast<std::size_t>(i)]) {
            p.fillRect(QRectF(x - thick / 2, -length / 2, thick, length), Qt::black);
        } else {
            const double half = (length - gap) / 2;
            p.fillRect(QRectF(x - thick / 2, -length / 2, thick, half), Qt::black);
            p.fillRect(QRectF(x - thick / 2, gap / 2, thick, half), Qt::black);
        }
    }
    p.restore();
}

}  // namespace

// The Republic of Korea: the taegeuk (red above, blue below, dividing along
// the diagonal's perpendicular) and the trigrams geon (upper hoist), gam
// (upper fly), ri (lower hoist) and gon (lower fly).
void korea(QPainter& p, double w, double h)
{
    p.fillRect(QRectF(0, 0, w, h), Qt::white);
    const QColor red(205, 46, 58);
    const QColor blue(0, 71, 160);
    const QPointF c(w / 2, h / 2);
    const double r = h / 4;
    const double slope = std::atan2(h, w) * 180 / kPi;  // the diagonal's angle below the horizontal
    p.save();
    p.translate(c);
    // Turned so that the dividing line (local x) is perpendicular to the
    // upper-hoist to lower-fly diagonal and points to the upper fly.
    p.rotate(slope - 90);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawEllipse(QPointF(0, 0), r, r);
    // Red: the half towards the upper hoist, its round head at the upper
    // fly end of the dividing line, the blue's at the lower hoist end.
    QPainterPath yang;
    yang.moveTo(-r, 0);
    yang.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 180, -180);
    yang.arcTo(QRectF(0, -r / 2, r, r), 0, -180);
    yang.arcTo(QRectF(-r, -r / 2, r, r), 0, 180);
    yang.closeSubpath();
    p.setBrush(red);
    p.drawPath(yang);
    p.restore();
    // Trigrams on the diagonals, a quarter of the height from the circle.
    const double unit = h / 48;
    const double diagonal = std::hypot(w, h);
    const QPointF toUpperHoist(-w / diagonal, -h / diagonal);
    const QPointF toUpperFly(w / diagonal, -h / diagonal);
    // A quarter of the circle's diameter between it and the inner bar.
    const double distance = r + 6 * unit + 2 * unit + unit + unit;  // to the middle bar
    trigram(p, c + toUpperHoist * distance, 180 + slope, unit, {true, true, true});  // geon
    trigram(p, c - toUpperHoist * distance, slope, unit, {false, false, false});     // gon
    trigram(p, c + toUpperFly * distance, -slope, unit, {false, true, false});       // gam
    trigram(p, c - toUpperFly * distance, 180 - slope, unit, {true, false, true});   // ri
}

void japan(QPainter& p, double w, double h)
{
    p.fillRect(QRectF(0, 0, w, h), Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(188, 0, 45));
    p.drawEllipse(QPointF(w / 2, h / 2), h * 0.3, h * 0.3);
}

QImage framedFlag(int w, int h, double cornerRadius, const FlagPainter& paint)
{
    constexpr int kOversample = 4;
    const double bw = w * kOversample;
    const double bh = h * kOversample;
    QImage big = art::canvas(static_cast<int>(bw), static_cast<int>(bh));
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(kOversample * 0.5, kOversample * 0.5, bw - kOversample, bh - kOversample);
    const double radius = kOversample * cornerRadius;
    QPainterPath shape;
    shape.addRoundedRect(r, radius, radius);
    p.setClipPath(shape);
    p.save();
    paint(p, bw, bh);
    p.restore();
    // A soft sheen: lighter at the top left, a touch darker at the bottom.
    QLinearGradient sheen(0, 0, bw * 0.4, bh);
    sheen.setColorAt(0, QColor(255, 255, 255, 70));
    sheen.setColorAt(0.45, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(0, 0, 0, 45));
    p.fillRect(QRectF(0, 0, bw, bh), sheen);
    p.setClipping(false);
    p.setPen(QPen(QColor(40, 40, 48), kOversample * 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.end();
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage renderFlag(const QString& code, int w, int h)
{
    using Painter = void (*)(QPainter&, double, double);
    Painter painter = nullptr;
    if (code == QLatin1String("Eng")) {
        painter = unionJack;
    } else if (code == QLatin1String("Rus")) {
        painter = [](QPainter& p, double bw, double bh) {
            stripes(p, bw, bh, {Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)}, true);
        };
    } else if (code == QLatin1String("Deu")) {
        painter = [](QPainter& p, double bw, double bh) {
            stripes(p, bw, bh, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)}, true);
        };
    } else if (code == QLatin1String("Fra")) {
        painter = [](QPainter& p, double bw, double bh) {
            stripes(p, bw, bh, {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)}, false);
        };
    } else if (code == QLatin1String("Spa")) {
        painter = spain;
    } else if (code == QLatin1String("Chi")) {
        painter = china;
    } else if (code == QLatin1String("Ita")) {
        painter = [](QPainter& p, double bw, double bh) {
            stripes(p, bw, bh, {QColor(0, 140, 69), QColor(244, 245, 240), QColor(205, 33, 42)},
                    false);
        };
    } else if (code == QLatin1String("Cze")) {
        painter = czech;
    } else if (code == QLatin1String("Jap")) {
        painter = japan;
    } else if (code == QLatin1String("Kor")) {
        painter = korea;
    } else {
        return {};
    }
    return framedFlag(w, h, 4.0, painter);
}

}  // namespace olk::graphgen
