#include "assets/cardgen/backs.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace olk::cardgen {
namespace {

using art::BackDesign;
using art::Pattern;

const char* const kParts[10] = {"01Mo", "02Tu", "03We", "04Th", "05Fr",
                                "06Su", "07Su", "08XX", "09XX", "10XX"};

// Three colours of one design: the ground, the pattern and a highlight.
struct Colours {
    QColor ground;
    QColor pattern;
    QColor accent;
};

QPointF polar(QPointF centre, double radius, double degrees)
{
    const double a = degrees * M_PI / 180.0;
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

QPainterPath polygon(QPointF centre, double radius, int corners, double turn)
{
    QPainterPath path;
    for (int k = 0; k < corners; ++k) {
        const QPointF point = polar(centre, radius, turn + 360.0 * k / corners);
        k == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath star(QPointF centre, double outer, double inner, int points, double turn)
{
    QPainterPath path;
    for (int k = 0; k < points * 2; ++k) {
        const QPointF point = polar(centre, k % 2 ? inner : outer, turn + 180.0 * k / points);
        k == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

// A pointed leaf or petal from `base` out to `tip`, `width` across.
QPainterPath leaf(QPointF base, QPointF tip, double width)
{
    const QPointF along = tip - base;
    const QPointF across =
        QPointF(-along.y(), along.x()) * (width / std::max(1e-9, std::hypot(along.x(), along.y())));
    QPainterPath path;
    path.moveTo(base);
    path.quadTo(base + along * 0.5 + across, tip);
    path.quadTo(base + along * 0.5 - across, base);
    return path;
}

void ground(QPainter& p, const QRectF& r, const QColor& colour)
{
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0.0, colour.lighter(118));
    fill.setColorAt(1.0, colour.darker(112));
    p.fillRect(r, fill);
}

// ---- deck 1, Medieval-1: a heraldic shield on a diapered field

QPainterPath shieldShape(const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.topRight());
    path.lineTo(r.right(), r.top() + r.height() * 0.45);
    path.cubicTo(QPointF(r.right(), r.top() + r.height() * 0.8),
                 QPointF(r.center().x() + r.width() * 0.2, r.bottom() - r.height() * 0.06),
                 QPointF(r.center().x(), r.bottom()));
    path.cubicTo(QPointF(r.center().x() - r.width() * 0.2, r.bottom() - r.height() * 0.06),
                 QPointF(r.left(), r.top() + r.height() * 0.8),
                 QPointF(r.left(), r.top() + r.height() * 0.45));
    path.closeSubpath();
    return path;
}

Pattern heraldry(int day, Colours c)
{
    return [day, c](QPainter& p, const QRectF& r, double u) {
        ground(p, r, c.ground);
        // Diaper: a lattice of lozenges with a dot in each.
        p.setPen(QPen(c.ground.lighter(135), u * 0.12));
        const double step = u * 2.4;
        for (double x = r.left() - r.height(); x < r.right() + r.height(); x += step) {
            p.drawLine(QPointF(x, r.top()), QPointF(x + r.height(), r.bottom()));
            p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(c.ground.lighter(150));
        for (double y = r.top(); y < r.bottom() + step; y += step / 2) {
            const int row = static_cast<int>(std::lround((y - r.top()) / (step / 2)));
            for (double x = r.left() + (row % 2 ? step / 2 : 0); x < r.right() + step; x += step) {
                p.drawEllipse(QPointF(x, y), u * 0.16, u * 0.16);
            }
        }
        // The shield and its division.
        const double sw = r.width() * 0.58;
        const QRectF box(r.center().x() - sw / 2, r.center().y() - sw * 0.62, sw, sw * 1.24);
        const QPainterPath shield = shieldShape(box);
        p.fillPath(shield.translated(u * 0.25, u * 0.35), QColor(0, 0, 0, 80));
        p.fillPath(shield, c.pattern);
        p.save();
        p.setClipPath(shield);
        p.setBrush(c.accent);
        const QPointF m = box.center();
        QPainterPath part;
        switch (day) {
        case 0:  // per pale
            part.addRect(QRectF(box.left(), box.top(), box.width() / 2, box.height()));
            break;
        case 1:  // per fess
            part.addRect(QRectF(box.left(), box.top(), box.width(), box.height() * 0.45));
            break;
        case 2:  // a bend
            part.moveTo(box.topLeft());
            part.lineTo(box.left() + box.width() * 0.3, box.top());
            part.lineTo(box.right(), box.bottom() - box.height() * 0.25);
            part.lineTo(box.right(), box.bottom());
            part.lineTo(box.right() - box.width() * 0.3, box.bottom());
            part.lineTo(box.left(), box.top() + box.height() * 0.25);
            part.closeSubpath();
            break;
        case 3:  // quarterly
            part.addRect(QRectF(box.left(), box.top(), box.width() / 2, box.height() * 0.45));
            part.addRect(
                QRectF(m.x(), box.top() + box.height() * 0.45, box.width() / 2, box.height()));
            break;
        case 4:  // a chevron
            part.moveTo(box.left(), box.bottom() - box.height() * 0.1);
            part.lineTo(m.x(), box.top() + box.height() * 0.3);
            part.lineTo(box.right(), box.bottom() - box.height() * 0.1);
            part.lineTo(box.right(), box.bottom() + box.height() * 0.2);
            part.lineTo(m.x(), box.top() + box.height() * 0.58);
            part.lineTo(box.left(), box.bottom() + box.height() * 0.2);
            part.closeSubpath();
            break;
        case 5:  // a saltire
            part.addPolygon(
                QPolygonF({box.topLeft(), box.topLeft() + QPointF(box.width() * 0.2, 0),
                           box.bottomRight(), box.bottomRight() - QPointF(box.width() * 0.2, 0)}));
            part.addPolygon(
                QPolygonF({box.topRight(), box.topRight() - QPointF(box.width() * 0.2, 0),
                           box.bottomLeft(), box.bottomLeft() + QPointF(box.width() * 0.2, 0)}));
            part.setFillRule(Qt::WindingFill);
            break;
        default:  // a cross
            part.addRect(
                QRectF(m.x() - box.width() * 0.11, box.top(), box.width() * 0.22, box.height()));
            part.addRect(QRectF(box.left(), box.top() + box.height() * 0.32, box.width(),
                                box.height() * 0.2));
            part.setFillRule(Qt::WindingFill);
            break;
        }
        p.setPen(Qt::NoPen);
        p.drawPath(part);
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(225, 185, 70), u * 0.45));
        p.drawPath(shield);
        p.setPen(QPen(QColor(90, 60, 10), u * 0.12));
        p.drawPath(shield);
        // A small crown over the shield.
        const double cw = sw * 0.5;
        const QRectF crown(m.x() - cw / 2, box.top() - cw * 0.55, cw, cw * 0.42);
        QPainterPath cr;
        cr.moveTo(crown.bottomLeft());
        cr.lineTo(crown.left(), crown.top() + crown.height() * 0.2);
        cr.lineTo(crown.left() + cw * 0.25, crown.top() + crown.height() * 0.55);
        cr.lineTo(m.x(), crown.top());
        cr.lineTo(crown.right() - cw * 0.25, crown.top() + crown.height() * 0.55);
        cr.lineTo(crown.right(), crown.top() + crown.height() * 0.2);
        cr.lineTo(crown.bottomRight());
        cr.closeSubpath();
        p.setBrush(QColor(235, 195, 75));
        p.setPen(QPen(QColor(90, 60, 10), u * 0.12));
        p.drawPath(cr);
    };
}

// ---- deck 2, Medieval-2: gothic tracery round a rose window

Pattern tracery(int day, Colours c)
{
    return [day, c](QPainter& p, const QRectF& r, double u) {
        ground(p, r, c.ground);
        // Quatrefoils in rows.
        const double step = u * 3.0;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c.pattern, u * 0.18));
        for (double y = r.top(); y < r.bottom() + step; y += step) {
            for (double x = r.left(); x < r.right() + step; x += step) {
                for (int k = 0; k < 4; ++k) {
                    p.drawEllipse(polar(QPointF(x, y), step * 0.2, 90.0 * k), step * 0.2,
                                  step * 0.2);
                }
            }
        }
        // The rose window: foils round a ring, spokes, a centre.
        const QPointF m = r.center();
        const double radius = r.width() * 0.38;
        QRadialGradient glass(m, radius);
        glass.setColorAt(0.0, c.accent.lighter(140));
        glass.setColorAt(1.0, c.accent.darker(140));
        p.setBrush(glass);
        p.setPen(QPen(c.pattern.lighter(120), u * 0.5));
        p.drawEllipse(m, radius, radius);
        const int foils = 5 + day;
        p.setPen(QPen(c.pattern, u * 0.3));
        p.setBrush(c.ground.darker(115));
        for (int k = 0; k < foils; ++k) {
            p.drawEllipse(polar(m, radius * 0.66, 360.0 * k / foils - 90), radius * 0.22,
                          radius * 0.22);
            p.drawLine(polar(m, radius * 0.25, 360.0 * k / foils - 90 + 180.0 / foils),
                       polar(m, radius, 360.0 * k / foils - 90 + 180.0 / foils));
        }
        p.setBrush(c.accent.lighter(160));
        p.drawPath(star(m, radius * 0.3, radius * 0.17, foils, -90));
        p.setBrush(c.pattern);
        p.drawEllipse(m, radius * 0.08, radius * 0.08);
    };
}

// ---- deck 3, Carpet: an oriental rug with a stepped medallion

Pattern carpet(int day, Colours c)
{
    return [day, c](QPainter& p, const QRectF& r, double u) {
        p.fillRect(r, c.ground);
        // The border: a band of the pattern colour with teeth.
        const double band = u * 1.6;
        const QRectF field = r.adjusted(band, band, -band, -band);
        p.fillRect(r, c.pattern);
        p.fillRect(field, c.ground);
        p.setPen(Qt::NoPen);
        p.setBrush(c.accent);
        for (double x = r.left(); x < r.right(); x += band) {
            p.drawPath(polygon(QPointF(x + band / 2, r.top() + band / 2), band * 0.32, 4, 0));
            p.drawPath(polygon(QPointF(x + band / 2, r.bottom() - band / 2), band * 0.32, 4, 0));
        }
        for (double y = r.top() + band; y < r.bottom() - band; y += band) {
            p.drawPath(polygon(QPointF(r.left() + band / 2, y + band / 2), band * 0.32, 4, 0));
            p.drawPath(polygon(QPointF(r.right() - band / 2, y + band / 2), band * 0.32, 4, 0));
        }
        // Small guls over the field.
        const double step = u * 3.0;
        p.setBrush(c.ground.lighter(135));
        for (double y = field.top() + step / 2; y < field.bottom(); y += step) {
            for (double x = field.left() + step / 2; x < field.right(); x += step) {
                p.drawPath(polygon(QPointF(x, y), u * 0.7, 8, 22.5));
                p.setBrush(c.accent);
                p.drawEllipse(QPointF(x, y), u * 0.2, u * 0.2);
                p.setBrush(c.ground.lighter(135));
            }
        }
        // The medallion: stepped lozenges, one more step a day.
        const QPointF m = field.center();
        const int steps = 3 + day % 3;
        for (int k = 0; k < steps; ++k) {
            const double size = field.width() * (0.46 - 0.33 * k / steps);
            p.setBrush(k % 2 ? c.ground.darker(120) : (k == 0 ? c.pattern : c.accent));
            QPainterPath lozenge;
            lozenge.moveTo(m.x(), m.y() - size * 1.25);
            lozenge.lineTo(m.x() + size, m.y());
            lozenge.lineTo(m.x(), m.y() + size * 1.25);
            lozenge.lineTo(m.x() - size, m.y());
            lozenge.closeSubpath();
            p.drawPath(lozenge);
        }
        p.setBrush(c.pattern.lighter(130));
        p.drawPath(star(m, field.width() * 0.09, field.width() * 0.04, 4 + day, -90));
    };
}

// ---- deck 4, Cross: cross-stitch embroidery on linen

bool stitched(int day, int i, int j)
{
    const int a = std::abs(i);
    const int b = std::abs(j);
    switch (day) {
    case 0:
        return (a <= 1 && b <= 6) || (b <= 1 && a <= 6);
    case 1:
        return a + b == 6 || a + b == 3 || (a == 0 && b == 0);
    case 2:
        return a == b || a == 0 || b == 0;
    case 3:
        return (a + b) % 3 == 0 && a + b <= 9;
    case 4:
        return std::max(a, b) % 3 == 0;
    case 5:
        return (a <= 1 && b <= 1) || (a + b <= 5 && (a == 0 || b == 0 || a == b)) ||
               (a + b == 7 && a % 2 == 0);
    default:
        return (a % 4 == b % 4) || (a % 4 == (4 - b % 4) % 4);
    }
}

Pattern crossStitch(int day, Colours c)
{
    return [day, c](QPainter& p, const QRectF& r, double u) {
        p.fillRect(r, c.ground);
        // The linen's weave.
        p.setPen(QPen(c.ground.darker(108), u * 0.06));
        for (double x = r.left(); x < r.right(); x += u * 0.45) {
            p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
        }
        for (double y = r.top(); y < r.bottom(); y += u * 0.45) {
            p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        }
        const double cell = u * 1.05;
        const int cols = static_cast<int>(r.width() / cell);
        const int rows = static_cast<int>(r.height() / cell);
        const double left = r.center().x() - cols * cell / 2;
        const double top = r.center().y() - rows * cell / 2;
        const QPen thread(c.pattern, u * 0.28, Qt::SolidLine, Qt::RoundCap);
        const QPen border(c.accent, u * 0.28, Qt::SolidLine, Qt::RoundCap);
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < cols; ++col) {
                const bool edge = row == 1 || col == 1 || row == rows - 2 || col == cols - 2;
                const bool inside = row > 2 && col > 2 && row < rows - 3 && col < cols - 3;
                if (!(edge && (row + col) % 2 == 0) &&
                    !(inside && stitched(day, col - cols / 2, row - rows / 2))) {
                    continue;
                }
                p.setPen(edge ? border : thread);
                const QRectF box(left + col * cell + cell * 0.18, top + row * cell + cell * 0.18,
                                 cell * 0.64, cell * 0.64);
                p.drawLine(box.topLeft(), box.bottomRight());
                p.drawLine(box.topRight(), box.bottomLeft());
            }
        }
    };
}

// ---- deck 5, Chess: a board and a piece

Pattern chess(int day, Colours c)
{
    return [day, c](QPainter& p, const QRectF& r, double u) {
        const double cell = r.width() / 6;
        for (int row = 0; row * cell < r.height(); ++row) {
            for (int col = 0; col < 6; ++col) {
                p.fillRect(
                    QRectF(r.left() + col * cell, r.top() + row * cell, cell + 0.5, cell + 0.5),
                    (row + col) % 2 ? c.ground : c.pattern);
            }
        }
        const QPointF m = r.center();
        const double radius = r.width() * 0.36;
        QRadialGradient light(m - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
        light.setColorAt(0.0, c.accent.lighter(130));
        light.setColorAt(1.0, c.accent.darker(115));
        p.setBrush(light);
        p.setPen(QPen(c.ground.darker(130), u * 0.4));
        p.drawEllipse(m, radius, radius);
        // The piece of the day: king, queen, rook, bishop, knight, pawn and
        // the black king.
        static const char16_t kPieces[7] = {u'\u2654', u'\u2655', u'\u2656', u'\u2657',
                                            u'\u2658', u'\u2659', u'\u265A'};
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(static_cast<int>(radius * 1.5));
        QPainterPath piece;
        piece.addText(0, 0, font, QString(QChar(kPieces[day])));
        const QRectF b = piece.boundingRect();
        piece.translate(m - b.center());
        p.fillPath(piece.translated(u * 0.2, u * 0.3), QColor(0, 0, 0, 70));
        p.fillPath(piece, day == 6 ? QColor(30, 22, 15) : c.ground.darker(170));
    };
}

// ---- deck 6, Diamond: harlequin lozenges and a cut gem

Pattern diamonds(int day, Colours c)
{
    return [day, c](QPainter& p, const QRectF& r, double u) {
        p.fillRect(r, c.ground);
        const double w = u * 2.6;
        const double h = u * 3.8;
        p.setPen(QPen(c.accent, u * 0.08));
        int row = 0;
        for (double y = r.top() - h; y < r.bottom() + h; y += h / 2, ++row) {
            for (double x = r.left() - w + (row % 2 ? w / 2 : 0); x < r.right() + w; x += w) {
                QPainterPath lozenge;
                lozenge.moveTo(x, y - h / 2);
                lozenge.lineTo(x + w / 2, y);
                lozenge.lineTo(x, y + h / 2);
                lozenge.lineTo(x - w / 2, y);
                lozenge.closeSubpath();
                p.setBrush((row / 2 + static_cast<int>((x - r.left()) / w)) % 2 ? c.ground
                                                                                : c.pattern);
                p.drawPath(lozenge);
            }
        }
        // The gem: a brilliant from above, its facets lit from the top left.
        static const QColor kGems[7] = {
            QColor(200, 20, 50),  QColor(30, 70, 200),  QColor(20, 150, 80), QColor(140, 50, 190),
            QColor(235, 170, 20), QColor(60, 190, 210), QColor(40, 40, 50)};
        const QColor gem = kGems[day];
        const QPointF m = r.center();
        const double radius = r.width() * 0.3;
        p.setPen(QPen(QColor(235, 235, 245), u * 0.25));
        p.setBrush(gem);
        p.drawPath(polygon(m, radius, 8, 22.5));
        p.setPen(QPen(gem.lighter(160), u * 0.08));
        for (int k = 0; k < 8; ++k) {
            const double a = 22.5 + 45.0 * k;
            QPainterPath facet;
            facet.moveTo(polar(m, radius, a));
            facet.lineTo(polar(m, radius, a + 45));
            facet.lineTo(polar(m, radius * 0.55, a + 22.5));
            facet.closeSubpath();
            const int shade =
                100 + static_cast<int>(60 * std::cos((a + 22.5 + 135) * M_PI / 180.0));
            p.setBrush(shade > 100 ? gem.lighter(shade) : gem.darker(200 - shade));
            p.drawPath(facet);
        }
        p.setBrush(gem.lighter(130));
        p.drawPath(polygon(m, radius * 0.55, 8, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawPath(
            star(m + QPointF(-radius * 0.3, -radius * 0.32), radius * 0.18, radius * 0.04, 4, 0));
    };
}

// ---- deck 7, Knightly: crossed swords and a shield on mail

QPainterPath sword(double length, double width)
{
    QPainterPath path;
    path.addRect(QRectF(-width / 2, -length * 0.5, width, length * 0.72));  // the blade
    path.moveTo(-width / 2, -length * 0.5);
    path.lineTo(0, -length * 0.58);
    path.lineTo(width / 2, -length * 0.5);
    path.addRect(QRectF(-width * 2.2, length * 0.22, width * 4.4, width * 0.7));    // the guard
    path.addRect(QRectF(-width * 0.35, length * 0.22, width * 0.7, length * 0.2));  // the grip
    path.addEllipse(QPointF(0, length * 0.45), width * 0.6, width * 0.6);           // the pommel
    path.setFillRule(Qt::WindingFill);
    return path;
}

Pattern knightly(int day, Colours c)
{
    return [day, c](QPainter& p, const QRectF& r, double u) {
        p.fillRect(r, c.ground);
        // Mail: rows of scales.
        const double s = u * 1.1;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c.ground.lighter(150), u * 0.12));
        int row = 0;
        for (double y = r.top(); y < r.bottom() + s; y += s * 0.6, ++row) {
            for (double x = r.left() + (row % 2 ? s / 2 : 0); x < r.right() + s; x += s) {
                p.drawArc(QRectF(x - s / 2, y - s / 2, s, s), 180 * 16, 180 * 16);
            }
        }
        const QPointF m = r.center();
        const double length = r.height() * 0.62;
        QLinearGradient steel(-u, 0, u, 0);
        steel.setColorAt(0.0, QColor(150, 155, 165));
        steel.setColorAt(0.5, QColor(245, 245, 250));
        steel.setColorAt(1.0, QColor(120, 125, 135));
        for (const double angle : {-32.0, 32.0}) {
            p.save();
            p.translate(m);
            p.rotate(angle);
            p.setPen(QPen(QColor(40, 40, 45), u * 0.12));
            p.setBrush(steel);
            p.drawPath(sword(length, u * 1.3));
            p.restore();
        }
        const double sw = r.width() * 0.44;
        const QRectF box(m.x() - sw / 2, m.y() - sw * 0.5, sw, sw * 1.2);
        const QPainterPath shield = shieldShape(box);
        p.setPen(QPen(c.accent, u * 0.4));
        p.setBrush(c.pattern);
        p.drawPath(shield);
        p.setPen(Qt::NoPen);
        p.setBrush(c.accent);
        // The charge: a cross, a star, a chevron, a bar, a ring, a lozenge, a sun.
        const QPointF at = box.center() - QPointF(0, box.height() * 0.06);
        switch (day) {
        case 0:
            p.drawRect(
                QRectF(at.x() - sw * 0.07, box.top() + sw * 0.12, sw * 0.14, box.height() * 0.7));
            p.drawRect(QRectF(box.left() + sw * 0.18, at.y() - sw * 0.12, sw * 0.64, sw * 0.14));
            break;
        case 1:
            p.drawPath(star(at, sw * 0.3, sw * 0.12, 5, -90));
            break;
        case 2:
            p.drawPolygon(QPolygonF(
                {QPointF(box.left(), at.y() + sw * 0.3), QPointF(at.x(), at.y() - sw * 0.2),
                 QPointF(box.right(), at.y() + sw * 0.3), QPointF(box.right(), at.y() + sw * 0.5),
                 QPointF(at.x(), at.y()), QPointF(box.left(), at.y() + sw * 0.5)}));
            break;
        case 3:
            p.drawRect(QRectF(box.left(), at.y() - sw * 0.1, box.width(), sw * 0.2));
            break;
        case 4: {
            QPainterPath ring;
            ring.addEllipse(at, sw * 0.26, sw * 0.26);
            ring.addEllipse(at, sw * 0.15, sw * 0.15);
            p.drawPath(ring);
            break;
        }
        case 5:
            p.drawPath(polygon(at, sw * 0.28, 4, -90));
            break;
        default:
            p.drawPath(star(at, sw * 0.3, sw * 0.18, 12, -90));
            break;
        }
    };
}

// ---- deck 12, Russian: painted flowers and berries on curling stems

Pattern russian(int day, Colours c)
{
    return [day, c](QPainter& p, const QRectF& r, double u) {
        ground(p, r, c.ground);
        const QPointF m = r.center();
        const double reach = r.width() * 0.5;
        p.setBrush(Qt::NoBrush);
        // Four stems curling from the middle towards the corners.
        for (int k = 0; k < 4; ++k) {
            const double sx = k % 2 ? 1 : -1;
            const double sy = k / 2 ? 1 : -1;
            QPainterPath stem;
            stem.moveTo(m);
            const QPointF end(m.x() + sx * reach * 0.78, m.y() + sy * reach * 1.05);
            stem.cubicTo(QPointF(m.x() + sx * reach * 0.6, m.y() + sy * reach * 0.1),
                         QPointF(m.x() + sx * reach * 0.1, m.y() + sy * reach * 0.9), end);
            p.setPen(QPen(c.accent, u * 0.35, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(stem);
            for (int l = 1; l <= 4; ++l) {
                const double t = l / 5.0;
                const QPointF at = stem.pointAtPercent(t);
                const double angle = stem.angleAtPercent(t);
                p.setPen(Qt::NoPen);
                p.setBrush(c.accent);
                p.drawPath(leaf(at, polar(at, u * 2.0, -angle + (l % 2 ? 60 : -60)), u * 0.55));
            }
            // Berries at the stem's end.
            for (int b = 0; b < 3; ++b) {
                const QPointF berry =
                    end + QPointF(sx * (b - 1) * u * 0.8, -sy * std::abs(b - 1) * u * 0.6);
                QRadialGradient shine(berry - QPointF(u * 0.2, u * 0.2), u * 0.8);
                shine.setColorAt(0.0, c.pattern.lighter(160));
                shine.setColorAt(1.0, c.pattern);
                p.setBrush(shine);
                p.drawEllipse(berry, u * 0.6, u * 0.6);
            }
        }
        // The flower in the middle.
        const int petals = day % 2 ? 8 : 6;
        for (int k = 0; k < petals; ++k) {
            p.setBrush(c.pattern);
            p.setPen(QPen(c.accent, u * 0.15));
            p.drawPath(leaf(m, polar(m, reach * 0.5, 360.0 * k / petals - 90), reach * 0.18));
        }
        p.setBrush(c.accent);
        p.drawEllipse(m, reach * 0.16, reach * 0.16);
        p.setBrush(c.pattern.lighter(140));
        for (int k = 0; k < 8; ++k) {
            p.drawEllipse(polar(m, reach * 0.09, 45.0 * k), u * 0.18, u * 0.18);
        }
    };
}

// ---- decks 8 to 11: a motif in an oval medallion

// A motif draws itself in the square -1..1 (y down), centred on the origin.
using Motif = std::function<void(QPainter&)>;

struct MotifDesign {
    QColor ground;   // the panel
    QColor pattern;  // the panel's small ornament and the medallion's ring
    QColor skyTop;   // the medallion's own ground, top to bottom
    QColor skyBottom;
    Motif motif;
};

Pattern medallionWith(const MotifDesign& d)
{
    return [d](QPainter& p, const QRectF& r, double u) {
        ground(p, r, d.ground);
        // Small four-point stars over the panel.
        p.setPen(Qt::NoPen);
        p.setBrush(d.pattern);
        const double step = u * 2.6;
        int row = 0;
        for (double y = r.top() + step / 2; y < r.bottom(); y += step * 0.8, ++row) {
            for (double x = r.left() + (row % 2 ? step : step / 2); x < r.right(); x += step) {
                p.drawPath(star(QPointF(x, y), u * 0.45, u * 0.12, 4, 0));
            }
        }
        const QPointF m = r.center();
        const double rx = r.width() * 0.42;
        const double ry = r.height() * 0.4;
        QPainterPath oval;
        oval.addEllipse(m, rx, ry);
        QLinearGradient sky(m.x(), m.y() - ry, m.x(), m.y() + ry);
        sky.setColorAt(0.0, d.skyTop);
        sky.setColorAt(1.0, d.skyBottom);
        p.fillPath(oval.translated(u * 0.2, u * 0.3), QColor(0, 0, 0, 70));
        p.fillPath(oval, sky);
        p.save();
        p.setClipPath(oval);
        p.translate(m);
        const double scale = std::min(rx, ry) * 0.95;
        p.scale(scale, scale);
        d.motif(p);
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(d.pattern, u * 0.55));
        p.drawPath(oval);
        p.setPen(QPen(d.ground.darker(150), u * 0.12));
        p.drawEllipse(m, rx - u * 0.45, ry - u * 0.45);
    };
}

void fill(QPainter& p, const QPainterPath& path, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.fillPath(path, colour);
}

QPainterPath ellipse(double x, double y, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(QPointF(x, y), rx, ry);
    return path;
}

QPainterPath rect(double x, double y, double w, double h)
{
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h));
    return path;
}

QPainterPath poly(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

// Animals: silhouettes on a light ground.
QList<MotifDesign> animals()
{
    const QColor ink(45, 35, 30);
    const QColor ground(120, 72, 38);
    const QColor pattern(226, 190, 120);
    auto d = [&](QColor top, QColor bottom, Motif motif) {
        return MotifDesign{ground, pattern, top, bottom, std::move(motif)};
    };
    QList<MotifDesign> list;
    // A cat sitting, its tail curled round.
    list.append(d(QColor(250, 230, 190), QColor(235, 190, 130), [ink](QPainter& p) {
        QPainterPath cat = ellipse(0, 0.35, 0.42, 0.5).united(ellipse(0, -0.3, 0.3, 0.27));
        cat = cat.united(poly({{-0.28, -0.42}, {-0.22, -0.72}, {-0.06, -0.52}}));
        cat = cat.united(poly({{0.28, -0.42}, {0.22, -0.72}, {0.06, -0.52}}));
        fill(p, cat, ink);
        QPainterPath tail;
        tail.moveTo(0.3, 0.75);
        tail.cubicTo(0.9, 0.8, 0.85, 0.1, 0.6, 0.0);
        stroke(p, tail, ink, 0.1);
        fill(p, ellipse(-0.11, -0.33, 0.05, 0.03), QColor(240, 220, 90));
        fill(p, ellipse(0.11, -0.33, 0.05, 0.03), QColor(240, 220, 90));
    }));
    // A bird on a branch.
    list.append(d(QColor(210, 235, 250), QColor(250, 240, 215), [ink](QPainter& p) {
        QPainterPath branch;
        branch.moveTo(-0.95, 0.55);
        branch.cubicTo(-0.3, 0.45, 0.3, 0.6, 0.95, 0.4);
        stroke(p, branch, QColor(90, 60, 30), 0.08);
        QPainterPath bird = ellipse(0, 0.1, 0.42, 0.28).united(ellipse(0.3, -0.15, 0.2, 0.18));
        bird = bird.united(poly({{-0.3, 0.05}, {-0.8, -0.1}, {-0.75, 0.15}, {-0.3, 0.25}}));
        bird = bird.united(poly({{0.46, -0.2}, {0.68, -0.12}, {0.46, -0.08}}));
        fill(p, bird, QColor(40, 90, 150));
        fill(p, leaf(QPointF(-0.2, 0.0), QPointF(0.25, 0.15), 0.15), QColor(25, 60, 110));
        fill(p, ellipse(0.1, 0.2, 0.22, 0.12), QColor(220, 90, 40));
        fill(p, ellipse(0.34, -0.18, 0.04, 0.04), QColor(250, 250, 250));
        stroke(p, poly({{0.0, 0.36}, {0.0, 0.5}}), ink, 0.04);
        stroke(p, poly({{0.12, 0.36}, {0.12, 0.5}}), ink, 0.04);
    }));
    // A fish among bubbles.
    list.append(d(QColor(150, 210, 235), QColor(40, 110, 170), [](QPainter& p) {
        QPainterPath fish =
            ellipse(-0.1, 0, 0.55, 0.3).united(poly({{0.35, 0}, {0.8, -0.32}, {0.8, 0.32}}));
        QLinearGradient scales(0, -0.3, 0, 0.3);
        scales.setColorAt(0, QColor(250, 170, 40));
        scales.setColorAt(1, QColor(220, 80, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(scales);
        p.drawPath(fish);
        fill(p, leaf(QPointF(-0.1, -0.25), QPointF(0.2, -0.5), 0.1), QColor(230, 110, 30));
        fill(p, ellipse(-0.45, -0.06, 0.07, 0.07), QColor(255, 255, 255));
        fill(p, ellipse(-0.45, -0.06, 0.035, 0.035), QColor(20, 20, 20));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(230, 245, 255), 0.03));
        for (const auto& b : {QPointF(-0.7, -0.4), QPointF(-0.8, -0.65), QPointF(-0.62, -0.78)}) {
            p.drawEllipse(b, 0.06, 0.06);
        }
    }));
    // A rabbit.
    list.append(d(QColor(225, 240, 205), QColor(170, 205, 120), [ink](QPainter& p) {
        QPainterPath rabbit =
            ellipse(0.1, 0.35, 0.45, 0.35).united(ellipse(-0.35, -0.05, 0.22, 0.2));
        rabbit = rabbit.united(leaf(QPointF(-0.4, -0.15), QPointF(-0.55, -0.8), 0.1));
        rabbit = rabbit.united(leaf(QPointF(-0.3, -0.15), QPointF(-0.2, -0.8), 0.1));
        rabbit = rabbit.united(ellipse(0.55, 0.3, 0.1, 0.1));
        rabbit = rabbit.united(ellipse(-0.15, 0.66, 0.2, 0.06));
        fill(p, rabbit, QColor(110, 95, 85));
        fill(p, ellipse(0.56, 0.28, 0.07, 0.07), QColor(245, 245, 245));
        fill(p, ellipse(-0.42, -0.08, 0.035, 0.035), ink);
    }));
    // An owl on a bough under the moon.
    list.append(d(QColor(40, 50, 100), QColor(90, 90, 150), [](QPainter& p) {
        fill(p, ellipse(0.55, -0.55, 0.2, 0.2), QColor(250, 240, 190));
        QPainterPath owl =
            ellipse(0, 0.15, 0.38, 0.5).united(poly({{-0.32, -0.2}, {-0.3, -0.5}, {-0.1, -0.3}}));
        owl = owl.united(poly({{0.32, -0.2}, {0.3, -0.5}, {0.1, -0.3}}));
        fill(p, owl, QColor(140, 100, 60));
        fill(p, ellipse(0, 0.3, 0.24, 0.3), QColor(200, 170, 120));
        for (const double x : {-0.14, 0.14}) {
            fill(p, ellipse(x, -0.15, 0.13, 0.13), QColor(250, 240, 200));
            fill(p, ellipse(x, -0.15, 0.06, 0.06), QColor(20, 20, 20));
        }
        fill(p, poly({{-0.05, -0.02}, {0.05, -0.02}, {0, 0.08}}), QColor(230, 160, 40));
        stroke(p, poly({{-0.9, 0.68}, {0.9, 0.62}}), QColor(80, 50, 25), 0.1);
    }));
    // A butterfly.
    list.append(d(QColor(250, 245, 220), QColor(245, 215, 230), [ink](QPainter& p) {
        for (const double s : {-1.0, 1.0}) {
            fill(p, ellipse(s * 0.35, -0.25, 0.35, 0.3), QColor(230, 110, 30));
            fill(p, ellipse(s * 0.3, 0.3, 0.25, 0.22), QColor(240, 170, 40));
            fill(p, ellipse(s * 0.4, -0.3, 0.1, 0.09), QColor(40, 30, 30));
            fill(p, ellipse(s * 0.3, 0.3, 0.07, 0.07), QColor(255, 250, 230));
        }
        fill(p, ellipse(0, 0.05, 0.06, 0.42), ink);
        QPainterPath feelers;
        feelers.moveTo(0, -0.35);
        feelers.quadTo(-0.1, -0.6, -0.25, -0.7);
        feelers.moveTo(0, -0.35);
        feelers.quadTo(0.1, -0.6, 0.25, -0.7);
        stroke(p, feelers, ink, 0.03);
    }));
    // A snail with a spiral shell.
    list.append(d(QColor(230, 245, 215), QColor(160, 200, 120), [ink](QPainter& p) {
        QPainterPath body = ellipse(0, 0.5, 0.75, 0.13).united(ellipse(-0.62, 0.3, 0.12, 0.25));
        fill(p, body, QColor(175, 150, 110));
        stroke(p, poly({{-0.65, 0.1}, {-0.75, -0.15}}), QColor(175, 150, 110), 0.04);
        stroke(p, poly({{-0.58, 0.1}, {-0.55, -0.15}}), QColor(175, 150, 110), 0.04);
        fill(p, ellipse(0.1, 0.05, 0.45, 0.42), QColor(160, 90, 40));
        QPainterPath spiral;
        for (int i = 0; i <= 60; ++i) {
            const double a = i * 0.3;
            const double radius = 0.4 * (1.0 - i / 64.0);
            const QPointF pt(0.1 + radius * std::cos(a), 0.05 + radius * std::sin(a) * 0.93);
            i == 0 ? spiral.moveTo(pt) : spiral.lineTo(pt);
        }
        stroke(p, spiral, ink, 0.045);
    }));
    // A turtle.
    list.append(d(QColor(200, 235, 230), QColor(110, 180, 160), [ink](QPainter& p) {
        for (const auto& leg : {QPointF(-0.4, 0.3), QPointF(0.4, 0.3)}) {
            fill(p, ellipse(leg.x(), leg.y(), 0.14, 0.1), QColor(110, 140, 70));
        }
        fill(p, ellipse(-0.72, 0.05, 0.18, 0.13), QColor(110, 140, 70));
        QPainterPath shell;
        shell.moveTo(-0.6, 0.25);
        shell.cubicTo(-0.55, -0.5, 0.55, -0.5, 0.6, 0.25);
        shell.closeSubpath();
        fill(p, shell, QColor(70, 110, 50));
        p.setPen(QPen(QColor(160, 190, 90), 0.04));
        p.setBrush(Qt::NoBrush);
        p.drawPath(polygon(QPointF(0, -0.03), 0.18, 6, 0));
        for (int k = 0; k < 6; ++k) {
            p.drawLine(polar(QPointF(0, -0.03), 0.18, 60.0 * k),
                       polar(QPointF(0, -0.03), 0.4, 60.0 * k));
        }
        fill(p, ellipse(-0.78, 0.0, 0.03, 0.03), ink);
    }));
    // An elephant.
    list.append(d(QColor(250, 225, 175), QColor(230, 160, 80), [](QPainter& p) {
        const QColor grey(110, 110, 120);
        QPainterPath elephant =
            ellipse(0.15, 0.05, 0.55, 0.38).united(ellipse(-0.45, -0.15, 0.28, 0.28));
        for (const double x : {-0.2, 0.05, 0.35, 0.55}) {
            elephant = elephant.united(rect(x - 0.08, 0.2, 0.16, 0.45));
        }
        fill(p, elephant, grey);
        QPainterPath trunk;
        trunk.moveTo(-0.65, -0.1);
        trunk.cubicTo(-0.85, 0.2, -0.8, 0.45, -0.95, 0.55);
        stroke(p, trunk, grey, 0.14);
        fill(p, ellipse(-0.3, -0.12, 0.18, 0.24), grey.darker(125));
        fill(p, ellipse(-0.55, -0.22, 0.035, 0.035), QColor(20, 20, 20));
        stroke(p, poly({{-0.62, 0.05}, {-0.5, 0.12}}), QColor(250, 250, 240), 0.05);
    }));
    // A duck on the water.
    list.append(d(QColor(220, 240, 250), QColor(90, 150, 200), [](QPainter& p) {
        fill(p, rect(-1, 0.35, 2, 1), QColor(60, 120, 180));
        QPainterPath duck = ellipse(0.1, 0.22, 0.5, 0.25).united(ellipse(-0.35, -0.2, 0.2, 0.19));
        duck = duck.united(rect(-0.42, -0.1, 0.16, 0.3));
        fill(p, duck, QColor(245, 200, 40));
        fill(p, poly({{-0.5, -0.22}, {-0.78, -0.15}, {-0.5, -0.1}}), QColor(235, 120, 30));
        fill(p, ellipse(-0.38, -0.25, 0.035, 0.035), QColor(20, 20, 20));
        fill(p, leaf(QPointF(-0.05, 0.15), QPointF(0.5, 0.05), 0.12), QColor(220, 170, 30));
        p.setPen(QPen(QColor(200, 230, 250), 0.03));
        p.drawLine(QPointF(-0.8, 0.5), QPointF(-0.5, 0.5));
        p.drawLine(QPointF(0.55, 0.55), QPointF(0.85, 0.55));
    }));
    return list;
}

// A flower on a stem: `petals` petals of `colour` round a centre.
void petalFlower(QPainter& p, QPointF at, int petals, double length, double width,
                 const QColor& colour, const QColor& centre, double centreRadius)
{
    for (int k = 0; k < petals; ++k) {
        fill(p, leaf(at, polar(at, length, 360.0 * k / petals - 90), width), colour);
    }
    fill(p, ellipse(at.x(), at.y(), centreRadius, centreRadius), centre);
}

void stemWithLeaves(QPainter& p, QPointF top, const QColor& green)
{
    QPainterPath stem;
    stem.moveTo(top);
    stem.quadTo(top.x() + 0.1, 0.5, top.x(), 1.0);
    stroke(p, stem, green, 0.06);
    fill(p, leaf(QPointF(top.x() + 0.03, 0.6), QPointF(top.x() + 0.45, 0.35), 0.1), green);
    fill(p, leaf(QPointF(top.x() + 0.03, 0.75), QPointF(top.x() - 0.4, 0.5), 0.1), green);
}

QList<MotifDesign> flowers()
{
    const QColor green(60, 130, 50);
    const QColor ground(150, 60, 100);
    const QColor pattern(245, 200, 220);
    auto d = [&](QColor top, QColor bottom, Motif motif) {
        return MotifDesign{ground, pattern, top, bottom, std::move(motif)};
    };
    QList<MotifDesign> list;
    list.append(d(QColor(220, 240, 255), QColor(190, 225, 180), [green](QPainter& p) {  // daisy
        stemWithLeaves(p, QPointF(0, -0.2), green);
        petalFlower(p, QPointF(0, -0.2), 16, 0.55, 0.08, QColor(255, 255, 255),
                    QColor(245, 190, 30), 0.15);
    }));
    list.append(d(QColor(150, 200, 250), QColor(240, 230, 170), [green](QPainter& p) {  // sunflower
        stemWithLeaves(p, QPointF(0, -0.2), green);
        petalFlower(p, QPointF(0, -0.2), 20, 0.6, 0.1, QColor(250, 200, 20), QColor(100, 60, 20),
                    0.28);
    }));
    list.append(d(QColor(255, 240, 230), QColor(240, 210, 200), [green](QPainter& p) {  // tulip
        stemWithLeaves(p, QPointF(0, -0.1), green);
        QPainterPath tulip;
        tulip.moveTo(-0.3, -0.6);
        tulip.lineTo(-0.15, -0.35);
        tulip.lineTo(0, -0.65);
        tulip.lineTo(0.15, -0.35);
        tulip.lineTo(0.3, -0.6);
        tulip.cubicTo(0.35, -0.2, 0.2, -0.05, 0, -0.05);
        tulip.cubicTo(-0.2, -0.05, -0.35, -0.2, -0.3, -0.6);
        fill(p, tulip, QColor(215, 30, 50));
    }));
    list.append(d(QColor(255, 235, 240), QColor(235, 200, 210), [green](QPainter& p) {  // rose
        stemWithLeaves(p, QPointF(0, -0.15), green);
        const QPointF c(0, -0.2);
        for (int ring = 3; ring >= 0; --ring) {
            const double radius = 0.1 + ring * 0.1;
            for (int k = 0; k < 5; ++k) {
                const QPointF at = polar(c, radius * 0.6, 72.0 * k + ring * 30);
                fill(p, ellipse(at.x(), at.y(), radius * 0.65, radius * 0.55),
                     QColor(200 - ring * 15, 30 + ring * 10, 60 + ring * 5));
            }
        }
        fill(p, ellipse(0, -0.2, 0.07, 0.07), QColor(120, 10, 30));
    }));
    list.append(d(QColor(245, 240, 200), QColor(190, 210, 120), [green](QPainter& p) {  // poppy
        stemWithLeaves(p, QPointF(0, -0.2), green);
        petalFlower(p, QPointF(0, -0.2), 5, 0.55, 0.32, QColor(225, 40, 30), QColor(30, 20, 20),
                    0.12);
    }));
    list.append(d(QColor(200, 230, 240), QColor(60, 130, 150), [green](QPainter& p) {  // water lily
        fill(p, ellipse(0, 0.45, 0.85, 0.25), green);
        for (int k = 0; k < 7; ++k) {
            const double a = -180 + 30.0 * k;
            fill(p, leaf(QPointF(0, 0.25), polar(QPointF(0, 0.25), 0.6, a), 0.13),
                 QColor(245, 170, 200));
        }
        for (int k = 0; k < 5; ++k) {
            fill(p, leaf(QPointF(0, 0.25), polar(QPointF(0, 0.25), 0.45, -150 + 30.0 * k), 0.1),
                 QColor(250, 215, 230));
        }
    }));
    list.append(d(QColor(235, 245, 225), QColor(200, 220, 180), [green](QPainter& p) {  // bluebells
        QPainterPath stem;
        stem.moveTo(-0.3, 1.0);
        stem.cubicTo(-0.3, -0.6, 0.3, -0.85, 0.8, -0.35);
        stroke(p, stem, green, 0.05);
        fill(p, leaf(QPointF(-0.3, 0.9), QPointF(-0.7, 0.1), 0.12), green);
        fill(p, leaf(QPointF(-0.28, 0.9), QPointF(0.1, 0.2), 0.1), green);
        // Bells hanging from the arch on short stalks.
        for (int k = 0; k < 5; ++k) {
            const QPointF at = stem.pointAtPercent(0.52 + k * 0.11);
            const QPointF top = at + QPointF(0.02, 0.1);
            stroke(p, poly({at, top}), green, 0.025);
            QPainterPath bell;
            bell.moveTo(top.x() - 0.03, top.y());
            bell.cubicTo(top.x() - 0.12, top.y() + 0.03, top.x() - 0.1, top.y() + 0.15,
                         top.x() - 0.15, top.y() + 0.22);
            bell.lineTo(top.x() + 0.15, top.y() + 0.22);
            bell.cubicTo(top.x() + 0.1, top.y() + 0.15, top.x() + 0.12, top.y() + 0.03,
                         top.x() + 0.03, top.y());
            fill(p, bell, QColor(80, 90, 200));
        }
    }));
    list.append(
        d(QColor(250, 250, 235), QColor(225, 230, 200), [green](QPainter& p) {  // cornflower
            stemWithLeaves(p, QPointF(0, -0.2), green);
            for (int k = 0; k < 10; ++k) {
                const QPointF tip = polar(QPointF(0, -0.2), 0.5, 36.0 * k);
                fill(p, leaf(QPointF(0, -0.2), tip, 0.1), QColor(50, 100, 220));
                fill(p, polygon(tip, 0.07, 3, 36.0 * k), QColor(50, 100, 220));
            }
            fill(p, ellipse(0, -0.2, 0.12, 0.12), QColor(40, 40, 120));
        }));
    list.append(
        d(QColor(255, 250, 225), QColor(215, 235, 200), [green](QPainter& p) {  // forget-me-nots
            for (const auto& at : {QPointF(-0.35, -0.3), QPointF(0.3, -0.4), QPointF(0, 0.05),
                                   QPointF(-0.4, 0.4), QPointF(0.4, 0.35), QPointF(0.05, -0.65)}) {
                stroke(p, poly({at, QPointF(at.x() * 0.3, 1.0)}), green, 0.03);
            }
            for (const auto& at : {QPointF(-0.35, -0.3), QPointF(0.3, -0.4), QPointF(0, 0.05),
                                   QPointF(-0.4, 0.4), QPointF(0.4, 0.35), QPointF(0.05, -0.65)}) {
                for (int k = 0; k < 5; ++k) {
                    const QPointF c = polar(at, 0.1, 72.0 * k - 90);
                    fill(p, ellipse(c.x(), c.y(), 0.09, 0.09), QColor(110, 160, 235));
                }
                fill(p, ellipse(at.x(), at.y(), 0.05, 0.05), QColor(250, 220, 60));
            }
        }));
    list.append(d(QColor(240, 235, 250), QColor(210, 200, 235), [green](QPainter& p) {  // lavender
        for (const double x : {-0.35, 0.0, 0.35}) {
            stroke(p, poly({QPointF(x, -0.2), QPointF(x * 0.4, 1.0)}), green, 0.04);
            for (int k = 0; k < 8; ++k) {
                const double y = -0.75 + k * 0.08;
                fill(p, ellipse(x - 0.05, y, 0.06, 0.045), QColor(140, 90, 200));
                fill(p, ellipse(x + 0.05, y + 0.04, 0.06, 0.045), QColor(120, 70, 180));
            }
        }
    }));
    return list;
}

QList<MotifDesign> places()
{
    const QColor ground(30, 70, 110);
    const QColor pattern(180, 210, 235);
    const QColor dark(35, 40, 55);
    auto d = [&](QColor top, QColor bottom, Motif motif) {
        return MotifDesign{ground, pattern, top, bottom, std::move(motif)};
    };
    QList<MotifDesign> list;
    list.append(d(QColor(120, 180, 240), QColor(230, 240, 250), [](QPainter& p) {  // mountains
        fill(p, ellipse(0.45, -0.45, 0.18, 0.18), QColor(255, 220, 90));
        fill(p, poly({{-1, 1}, {-0.35, -0.4}, {0.3, 1}}), QColor(90, 100, 130));
        fill(p, poly({{-0.5, -0.08}, {-0.35, -0.4}, {-0.2, -0.08}, {-0.28, -0.12}, {-0.35, -0.02}}),
             QColor(250, 250, 255));
        fill(p, poly({{-0.2, 1}, {0.4, -0.1}, {1, 1}}), QColor(60, 70, 100));
        fill(p, ellipse(0, 1.1, 1.2, 0.3), QColor(60, 130, 60));
    }));
    list.append(d(QColor(250, 170, 90), QColor(120, 60, 110), [dark](QPainter& p) {  // lighthouse
        fill(p, rect(-1, 0.55, 2, 1), QColor(40, 60, 110));
        fill(p, poly({{-1, 0.6}, {-0.6, 0.35}, {0.1, 0.45}, {0.2, 0.6}}), dark);
        fill(p, poly({{-0.45, 0.4}, {-0.35, -0.45}, {-0.15, -0.45}, {-0.05, 0.4}}),
             QColor(240, 235, 230));
        fill(p, rect(-0.42, -0.15, 0.34, 0.12), QColor(200, 40, 40));
        fill(p, rect(-0.44, 0.15, 0.38, 0.12), QColor(200, 40, 40));
        fill(p, rect(-0.35, -0.62, 0.2, 0.17), QColor(255, 230, 120));
        fill(p, poly({{-0.4, -0.62}, {-0.25, -0.78}, {-0.1, -0.62}}), dark);
        fill(p, poly({{-0.15, -0.58}, {1, -0.85}, {1, -0.3}}), QColor(255, 240, 150, 110));
    }));
    list.append(d(QColor(140, 190, 240), QColor(220, 235, 245), [dark](QPainter& p) {  // castle
        QPainterPath castle = rect(-0.6, -0.1, 1.2, 1.2);
        for (const double x : {-0.75, 0.45}) {
            castle = castle.united(rect(x, -0.45, 0.3, 1.5));
            castle = castle.united(poly({{x - 0.05, -0.45}, {x + 0.15, -0.8}, {x + 0.35, -0.45}}));
        }
        castle = castle.united(rect(-0.15, -0.55, 0.3, 0.5));
        for (int k = 0; k < 6; ++k) {
            castle = castle.united(rect(-0.6 + k * 0.22, -0.2, 0.12, 0.12));
        }
        fill(p, castle, QColor(150, 140, 130));
        QPainterPath gate;
        gate.addRoundedRect(QRectF(-0.15, 0.35, 0.3, 0.7), 0.15, 0.15);
        fill(p, gate, dark);
        fill(p, poly({{-0.15, -0.55}, {0, -0.95}, {0.15, -0.55}}), QColor(170, 40, 40));
        fill(p, poly({{0, -0.95}, {0.25, -0.88}, {0, -0.82}}), QColor(230, 60, 50));
    }));
    list.append(d(QColor(20, 25, 70), QColor(70, 60, 130), [](QPainter& p) {  // city at night
        fill(p, ellipse(-0.5, -0.55, 0.13, 0.13), QColor(250, 245, 210));
        const double heights[] = {0.3, 0.6, 0.45, 0.85, 0.5, 0.7, 0.35, 0.55};
        for (int k = 0; k < 8; ++k) {
            const double x = -1 + k * 0.25;
            fill(p, rect(x, 0.6 - heights[k], 0.22, 1.0), QColor(25, 25, 40));
            for (double y = 0.65 - heights[k]; y < 0.55; y += 0.1) {
                for (double wx = x + 0.04; wx < x + 0.18; wx += 0.07) {
                    if ((static_cast<int>(y * 37 + wx * 53) + k) % 3 != 0) {
                        fill(p, rect(wx, y, 0.03, 0.04), QColor(250, 210, 90));
                    }
                }
            }
        }
        fill(p, rect(-1, 0.6, 2, 1), QColor(30, 40, 80));
    }));
    list.append(d(QColor(250, 200, 110), QColor(240, 225, 170), [](QPainter& p) {  // pyramids
        fill(p, ellipse(-0.4, -0.5, 0.2, 0.2), QColor(255, 240, 180));
        fill(p, poly({{-0.9, 0.6}, {-0.25, -0.25}, {0.4, 0.6}}), QColor(200, 150, 80));
        fill(p, poly({{-0.25, -0.25}, {0.4, 0.6}, {0.05, 0.6}}), QColor(160, 110, 55));
        fill(p, poly({{0.1, 0.6}, {0.5, 0.1}, {0.9, 0.6}}), QColor(190, 140, 70));
        fill(p, rect(-1, 0.55, 2, 1), QColor(225, 185, 110));
        QPainterPath trunk;
        trunk.moveTo(0.75, 0.6);
        trunk.quadTo(0.8, 0.1, 0.65, -0.2);
        stroke(p, trunk, QColor(110, 70, 30), 0.06);
        for (int k = 0; k < 5; ++k) {
            fill(p,
                 leaf(QPointF(0.65, -0.2), polar(QPointF(0.65, -0.2), 0.4, -170 + 40.0 * k), 0.07),
                 QColor(40, 110, 40));
        }
    }));
    list.append(d(QColor(150, 200, 245), QColor(225, 240, 210), [](QPainter& p) {  // windmill
        fill(p, ellipse(0, 1.1, 1.3, 0.45), QColor(110, 170, 70));
        fill(p, poly({{-0.25, 0.8}, {-0.15, -0.2}, {0.15, -0.2}, {0.25, 0.8}}),
             QColor(200, 90, 60));
        fill(p, poly({{-0.2, -0.2}, {0, -0.45}, {0.2, -0.2}}), QColor(110, 60, 40));
        fill(p, rect(-0.07, 0.5, 0.14, 0.3), QColor(90, 50, 30));
        for (int k = 0; k < 4; ++k) {
            p.save();
            p.translate(0, -0.28);
            p.rotate(20 + 90 * k);
            fill(p, rect(-0.03, -0.75, 0.06, 0.75), QColor(90, 60, 40));
            fill(p, rect(0.03, -0.72, 0.14, 0.5), QColor(245, 240, 225));
            p.restore();
        }
        fill(p, ellipse(0, -0.28, 0.05, 0.05), QColor(60, 40, 30));
    }));
    list.append(d(QColor(250, 190, 150), QColor(160, 190, 230), [](QPainter& p) {  // bridge
        fill(p, rect(-1, 0.5, 2, 1), QColor(50, 100, 160));
        QPainterPath bridge = rect(-1, -0.05, 2, 0.15);
        for (int k = 0; k < 3; ++k) {
            const double x = -0.65 + k * 0.65;
            QPainterPath pier = rect(x - 0.32, 0.1, 0.64, 0.5);
            pier = pier.subtracted(ellipse(x, 0.6, 0.24, 0.38));
            bridge = bridge.united(pier);
        }
        fill(p, bridge, QColor(150, 110, 80));
        for (double x = -0.95; x < 1; x += 0.15) {
            fill(p, rect(x, -0.18, 0.05, 0.13), QColor(120, 85, 60));
        }
        fill(p, rect(-1, -0.2, 2, 0.03), QColor(120, 85, 60));
    }));
    list.append(d(QColor(255, 210, 160), QColor(250, 150, 120), [dark](QPainter& p) {  // pagoda
        fill(p, ellipse(0.55, -0.55, 0.16, 0.16), QColor(230, 60, 40));
        for (int k = 0; k < 4; ++k) {
            const double y = 0.6 - k * 0.35;
            const double w = 0.55 - k * 0.1;
            fill(p, rect(-w * 0.65, y - 0.25, w * 1.3, 0.25), QColor(180, 40, 35));
            QPainterPath roof;
            roof.moveTo(-w - 0.1, y - 0.2);
            roof.quadTo(-w * 0.5, y - 0.28, -w * 0.3, y - 0.38);
            roof.lineTo(w * 0.3, y - 0.38);
            roof.quadTo(w * 0.5, y - 0.28, w + 0.1, y - 0.2);
            roof.closeSubpath();
            fill(p, roof, dark);
        }
        fill(p, rect(-0.02, -0.95, 0.04, 0.25), dark);
        fill(p, rect(-1, 0.6, 2, 1), QColor(90, 60, 50));
    }));
    list.append(d(QColor(120, 190, 240), QColor(200, 230, 250), [](QPainter& p) {  // sailing boat
        fill(p, ellipse(-0.5, -0.55, 0.22, 0.1), QColor(255, 255, 255));
        fill(p, ellipse(-0.35, -0.6, 0.15, 0.1), QColor(255, 255, 255));
        fill(p, rect(-1, 0.45, 2, 1), QColor(30, 90, 160));
        fill(p, poly({{-0.55, 0.3}, {0.55, 0.3}, {0.4, 0.5}, {-0.4, 0.5}}), QColor(130, 70, 40));
        fill(p, rect(-0.02, -0.7, 0.04, 1.0), QColor(90, 50, 30));
        fill(p, poly({{0.04, -0.65}, {0.5, 0.2}, {0.04, 0.2}}), QColor(250, 250, 245));
        fill(p, poly({{-0.04, -0.5}, {-0.45, 0.2}, {-0.04, 0.2}}), QColor(230, 80, 60));
        p.setPen(QPen(QColor(200, 230, 250), 0.03));
        for (const double y : {0.6, 0.75}) {
            p.drawLine(QPointF(-0.8, y), QPointF(-0.5, y));
            p.drawLine(QPointF(0.3, y + 0.05), QPointF(0.7, y + 0.05));
        }
    }));
    list.append(d(QColor(190, 215, 245), QColor(245, 245, 250), [](QPainter& p) {  // onion domes
        fill(p, ellipse(0, 1.1, 1.4, 0.4), QColor(245, 245, 255));
        QPainterPath church = rect(-0.5, 0.0, 1.0, 0.8).united(rect(-0.15, -0.35, 0.3, 0.4));
        fill(p, church, QColor(240, 235, 225));
        auto dome = [&](double x, double y, double s, const QColor& c) {
            QPainterPath onion;
            onion.moveTo(x - s * 0.5, y);
            onion.cubicTo(x - s * 0.7, y - s * 0.5, x - s * 0.05, y - s * 0.6, x, y - s * 1.0);
            onion.cubicTo(x + s * 0.05, y - s * 0.6, x + s * 0.7, y - s * 0.5, x + s * 0.5, y);
            onion.closeSubpath();
            fill(p, onion, c);
            fill(p, rect(x - 0.01, y - s * 1.25, 0.02, s * 0.28), QColor(200, 160, 40));
        };
        dome(0, -0.35, 0.38, QColor(220, 170, 40));
        dome(-0.35, 0.0, 0.25, QColor(40, 110, 180));
        dome(0.35, 0.0, 0.25, QColor(40, 110, 180));
        QPainterPath door;
        door.addRoundedRect(QRectF(-0.1, 0.45, 0.2, 0.35), 0.1, 0.1);
        fill(p, door, QColor(90, 60, 40));
    }));
    return list;
}

QList<MotifDesign> others()
{
    const QColor ground(70, 40, 90);
    const QColor pattern(230, 200, 120);
    const QColor gold(220, 170, 50);
    const QColor ink(40, 40, 60);
    auto d = [&](QColor top, QColor bottom, Motif motif) {
        return MotifDesign{ground, pattern, top, bottom, std::move(motif)};
    };
    QList<MotifDesign> list;
    list.append(d(QColor(210, 235, 250), QColor(140, 190, 230), [ink](QPainter& p) {  // anchor
        QPainterPath anchor;
        anchor.moveTo(0, -0.5);
        anchor.lineTo(0, 0.7);
        anchor.moveTo(-0.35, -0.35);
        anchor.lineTo(0.35, -0.35);
        anchor.moveTo(-0.6, 0.25);
        anchor.quadTo(-0.5, 0.75, 0, 0.72);
        anchor.quadTo(0.5, 0.75, 0.6, 0.25);
        stroke(p, anchor, ink, 0.1);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 0.08));
        p.drawEllipse(QPointF(0, -0.62), 0.12, 0.12);
        fill(p, poly({{-0.72, 0.32}, {-0.6, 0.12}, {-0.48, 0.3}}), ink);
        fill(p, poly({{0.72, 0.32}, {0.6, 0.12}, {0.48, 0.3}}), ink);
    }));
    list.append(d(QColor(250, 240, 210), QColor(220, 200, 150), [gold](QPainter& p) {  // key
        QPainterPath key = ellipse(-0.45, 0, 0.3, 0.3).subtracted(ellipse(-0.45, 0, 0.14, 0.14));
        key = key.united(rect(-0.18, -0.05, 0.95, 0.1));
        key = key.united(rect(0.5, 0.05, 0.08, 0.2)).united(rect(0.66, 0.05, 0.08, 0.28));
        fill(p, key, gold.darker(110));
        stroke(p, key, QColor(120, 80, 20), 0.02);
    }));
    list.append(d(QColor(240, 225, 200), QColor(200, 170, 130), [](QPainter& p) {  // hourglass
        fill(p, rect(-0.45, -0.78, 0.9, 0.1), QColor(110, 70, 35));
        fill(p, rect(-0.45, 0.68, 0.9, 0.1), QColor(110, 70, 35));
        QPainterPath glass;
        glass.moveTo(-0.35, -0.68);
        glass.lineTo(0.35, -0.68);
        glass.cubicTo(0.35, -0.2, 0.05, -0.1, 0.05, 0);
        glass.cubicTo(0.05, 0.1, 0.35, 0.2, 0.35, 0.68);
        glass.lineTo(-0.35, 0.68);
        glass.cubicTo(-0.35, 0.2, -0.05, 0.1, -0.05, 0);
        glass.cubicTo(-0.05, -0.1, -0.35, -0.2, -0.35, -0.68);
        fill(p, glass, QColor(230, 245, 250, 200));
        fill(p, poly({{-0.22, -0.35}, {0.22, -0.35}, {0, -0.05}}), QColor(220, 180, 90));
        fill(p, poly({{-0.32, 0.68}, {0, 0.35}, {0.32, 0.68}}), QColor(220, 180, 90));
        stroke(p, glass, QColor(110, 70, 35), 0.03);
    }));
    list.append(
        d(QColor(245, 235, 210), QColor(215, 195, 160), [ink](QPainter& p) {  // compass rose
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(ink, 0.03));
            p.drawEllipse(QPointF(0, 0), 0.62, 0.62);
            for (int k = 0; k < 8; ++k) {
                const double length = k % 2 ? 0.5 : 0.85;
                const QPointF tip = polar(QPointF(0, 0), length, 45.0 * k - 90);
                const QPointF left = polar(QPointF(0, 0), 0.12, 45.0 * k - 90 - 45);
                const QPointF right = polar(QPointF(0, 0), 0.12, 45.0 * k - 90 + 45);
                fill(p, poly({QPointF(0, 0), left, tip}),
                     k % 2 ? QColor(120, 120, 130) : QColor(170, 30, 40));
                fill(p, poly({QPointF(0, 0), right, tip}),
                     k % 2 ? QColor(70, 70, 80) : QColor(110, 20, 30));
            }
            fill(p, ellipse(0, 0, 0.06, 0.06), QColor(230, 190, 80));
        }));
    list.append(d(QColor(20, 30, 80), QColor(60, 50, 120), [](QPainter& p) {  // moon and stars
        fill(p, ellipse(-0.1, 0, 0.55, 0.55).subtracted(ellipse(0.12, -0.12, 0.48, 0.48)),
             QColor(250, 235, 160));
        for (const auto& s :
             {QPointF(0.45, -0.4), QPointF(0.55, 0.3), QPointF(0.15, 0.6), QPointF(-0.6, -0.6)}) {
            fill(p, star(s, 0.12, 0.05, 5, -90), QColor(255, 250, 210));
        }
    }));
    list.append(d(QColor(140, 200, 250), QColor(250, 230, 170), [](QPainter& p) {  // sun
        fill(p, star(QPointF(0, 0), 0.85, 0.5, 16, -90), QColor(250, 170, 30));
        fill(p, ellipse(0, 0, 0.48, 0.48), QColor(255, 215, 60));
        fill(p, ellipse(-0.16, -0.1, 0.05, 0.05), QColor(120, 70, 20));
        fill(p, ellipse(0.16, -0.1, 0.05, 0.05), QColor(120, 70, 20));
        QPainterPath smile;
        smile.moveTo(-0.2, 0.12);
        smile.quadTo(0, 0.3, 0.2, 0.12);
        stroke(p, smile, QColor(120, 70, 20), 0.04);
    }));
    list.append(d(QColor(120, 20, 40), QColor(60, 10, 25), [gold](QPainter& p) {  // crown
        QPainterPath crown;
        crown.moveTo(-0.6, 0.4);
        crown.lineTo(-0.7, -0.35);
        crown.lineTo(-0.35, 0.0);
        crown.lineTo(0, -0.55);
        crown.lineTo(0.35, 0.0);
        crown.lineTo(0.7, -0.35);
        crown.lineTo(0.6, 0.4);
        crown.closeSubpath();
        fill(p, crown, gold);
        fill(p, rect(-0.62, 0.4, 1.24, 0.15), gold.darker(120));
        for (const auto& at : {QPointF(-0.7, -0.4), QPointF(0, -0.6), QPointF(0.7, -0.4)}) {
            fill(p, ellipse(at.x(), at.y(), 0.07, 0.07), QColor(255, 250, 230));
        }
        fill(p, ellipse(0, 0.2, 0.09, 0.09), QColor(200, 20, 40));
        fill(p, ellipse(-0.35, 0.25, 0.06, 0.06), QColor(30, 90, 200));
        fill(p, ellipse(0.35, 0.25, 0.06, 0.06), QColor(30, 150, 70));
    }));
    list.append(
        d(QColor(220, 245, 210), QColor(150, 210, 130), [](QPainter& p) {  // four-leaf clover
            for (int k = 0; k < 4; ++k) {
                const QPointF c = polar(QPointF(0, -0.15), 0.25, 90.0 * k + 45);
                QPainterPath heart = ellipse(c.x(), c.y(), 0.24, 0.24);
                fill(p, heart, QColor(40, 140, 50));
            }
            QPainterPath stem;
            stem.moveTo(0, -0.1);
            stem.quadTo(0.1, 0.4, 0.35, 0.8);
            stroke(p, stem, QColor(40, 120, 40), 0.06);
            p.setPen(QPen(QColor(120, 200, 110), 0.025));
            for (int k = 0; k < 4; ++k) {
                p.drawLine(QPointF(0, -0.15), polar(QPointF(0, -0.15), 0.4, 90.0 * k + 45));
            }
        }));
    list.append(d(QColor(130, 190, 245), QColor(230, 240, 250), [](QPainter& p) {  // balloon
        QPainterPath balloon = ellipse(0, -0.3, 0.5, 0.52);
        balloon = balloon.united(poly({{-0.45, -0.1}, {0.45, -0.1}, {0.12, 0.32}, {-0.12, 0.32}}));
        p.save();
        p.setClipPath(balloon);
        const QColor stripes[2] = {QColor(220, 40, 50), QColor(250, 210, 40)};
        for (int k = 0; k < 6; ++k) {
            fill(p, rect(-0.5 + k * (1.0 / 6), -0.9, 1.0 / 6, 1.3), stripes[k % 2]);
        }
        p.restore();
        stroke(p, poly({{-0.1, 0.32}, {-0.1, 0.5}}), QColor(90, 60, 40), 0.02);
        stroke(p, poly({{0.1, 0.32}, {0.1, 0.5}}), QColor(90, 60, 40), 0.02);
        fill(p, rect(-0.13, 0.5, 0.26, 0.18), QColor(140, 90, 40));
    }));
    list.append(d(QColor(250, 245, 230), QColor(230, 215, 190), [ink](QPainter& p) {  // music
        for (int k = 0; k < 5; ++k) {
            stroke(p, poly({{-0.9, 0.05 + k * 0.12}, {0.9, 0.05 + k * 0.12}}),
                   QColor(120, 110, 100), 0.015);
        }
        fill(p, ellipse(-0.3, 0.4, 0.14, 0.1), ink);
        fill(p, ellipse(0.3, 0.28, 0.14, 0.1), ink);
        fill(p, rect(-0.18, -0.5, 0.05, 0.9), ink);
        fill(p, rect(0.42, -0.62, 0.05, 0.9), ink);
        fill(p, poly({{-0.18, -0.5}, {0.47, -0.62}, {0.47, -0.48}, {-0.18, -0.36}}), ink);
    }));
    return list;
}

QList<BackDesign> weekdays(const std::array<Colours, 7>& colours,
                           const std::function<Pattern(int, Colours)>& family)
{
    QList<BackDesign> designs;
    for (int day = 0; day < 7; ++day) {
        const Colours& c = colours[static_cast<std::size_t>(day)];
        designs.append({kParts[day], c.ground.darker(130), c.pattern, family(day, c)});
    }
    return designs;
}

QList<BackDesign> motifs(const QList<MotifDesign>& list)
{
    QList<BackDesign> designs;
    for (int k = 0; k < list.size() && k < 10; ++k) {
        designs.append(
            {kParts[k], list[k].ground.darker(130), list[k].pattern, medallionWith(list[k])});
    }
    return designs;
}

}  // namespace

QList<BackDesign> deckBacks(int deck)
{
    switch (deck) {
    case 1:  // Medieval-1: tinctures of heraldry
        return weekdays({{{QColor(130, 25, 30), QColor(235, 195, 80), QColor(30, 60, 150)},
                          {QColor(25, 50, 120), QColor(240, 240, 240), QColor(180, 30, 35)},
                          {QColor(25, 95, 50), QColor(235, 195, 80), QColor(30, 30, 30)},
                          {QColor(85, 30, 105), QColor(240, 240, 240), QColor(25, 100, 55)},
                          {QColor(40, 40, 45), QColor(235, 195, 80), QColor(180, 30, 35)},
                          {QColor(120, 60, 20), QColor(30, 60, 150), QColor(240, 240, 240)},
                          {QColor(140, 20, 50), QColor(240, 240, 240), QColor(30, 30, 30)}}},
                        heraldry);
    case 2:  // Medieval-2: stained glass
        return weekdays({{{QColor(45, 35, 60), QColor(200, 170, 110), QColor(170, 30, 50)},
                          {QColor(30, 40, 70), QColor(190, 190, 210), QColor(40, 90, 200)},
                          {QColor(30, 55, 40), QColor(200, 190, 120), QColor(40, 150, 70)},
                          {QColor(60, 30, 60), QColor(210, 180, 200), QColor(140, 50, 180)},
                          {QColor(60, 45, 25), QColor(220, 190, 120), QColor(220, 150, 30)},
                          {QColor(25, 50, 60), QColor(170, 210, 210), QColor(30, 150, 170)},
                          {QColor(50, 20, 25), QColor(230, 200, 130), QColor(200, 40, 40)}}},
                        tracery);
    case 3:  // Carpet: rug colours
        return weekdays({{{QColor(150, 25, 30), QColor(30, 40, 90), QColor(230, 200, 140)},
                          {QColor(30, 50, 110), QColor(160, 30, 35), QColor(235, 215, 170)},
                          {QColor(120, 80, 30), QColor(60, 30, 20), QColor(230, 190, 110)},
                          {QColor(30, 90, 70), QColor(140, 30, 35), QColor(235, 210, 150)},
                          {QColor(170, 90, 40), QColor(40, 50, 80), QColor(245, 225, 180)},
                          {QColor(90, 30, 60), QColor(30, 70, 80), QColor(230, 190, 130)},
                          {QColor(60, 35, 30), QColor(170, 40, 40), QColor(225, 200, 150)}}},
                        carpet);
    case 4:  // Cross: threads on linen
        return weekdays({{{QColor(240, 232, 215), QColor(190, 25, 35), QColor(30, 30, 30)},
                          {QColor(235, 235, 225), QColor(30, 70, 160), QColor(190, 25, 35)},
                          {QColor(242, 236, 220), QColor(30, 120, 60), QColor(190, 25, 35)},
                          {QColor(238, 230, 215), QColor(30, 30, 30), QColor(190, 25, 35)},
                          {QColor(240, 235, 220), QColor(140, 40, 140), QColor(40, 120, 60)},
                          {QColor(236, 232, 222), QColor(200, 100, 20), QColor(30, 70, 160)},
                          {QColor(245, 238, 222), QColor(170, 20, 40), QColor(200, 160, 40)}}},
                        crossStitch);
    case 5:  // Chess: boards in wood and stone
        return weekdays({{{QColor(120, 70, 35), QColor(225, 190, 140), QColor(250, 235, 200)},
                          {QColor(40, 60, 110), QColor(200, 210, 230), QColor(245, 245, 250)},
                          {QColor(40, 90, 55), QColor(220, 225, 200), QColor(250, 250, 235)},
                          {QColor(110, 30, 35), QColor(230, 210, 190), QColor(250, 240, 225)},
                          {QColor(60, 60, 65), QColor(210, 210, 210), QColor(250, 250, 250)},
                          {QColor(90, 50, 100), QColor(220, 205, 230), QColor(250, 245, 250)},
                          {QColor(150, 110, 50), QColor(245, 230, 190), QColor(250, 240, 215)}}},
                        chess);
    case 6:  // Diamond
        return weekdays({{{QColor(90, 15, 30), QColor(140, 30, 50), QColor(220, 170, 180)},
                          {QColor(15, 30, 90), QColor(35, 60, 140), QColor(170, 190, 230)},
                          {QColor(15, 70, 40), QColor(30, 110, 65), QColor(170, 220, 190)},
                          {QColor(60, 20, 90), QColor(95, 45, 135), QColor(210, 180, 230)},
                          {QColor(110, 70, 10), QColor(160, 110, 30), QColor(240, 210, 150)},
                          {QColor(15, 80, 95), QColor(35, 125, 140), QColor(180, 230, 235)},
                          {QColor(30, 30, 35), QColor(70, 70, 80), QColor(200, 200, 210)}}},
                        diamonds);
    case 7:  // Knightly: mail and painted shields
        return weekdays({{{QColor(60, 65, 75), QColor(240, 240, 240), QColor(190, 25, 35)},
                          {QColor(40, 50, 90), QColor(30, 60, 160), QColor(235, 195, 80)},
                          {QColor(50, 70, 55), QColor(30, 110, 55), QColor(240, 240, 240)},
                          {QColor(80, 40, 45), QColor(170, 30, 35), QColor(235, 195, 80)},
                          {QColor(70, 60, 85), QColor(90, 40, 120), QColor(240, 240, 240)},
                          {QColor(75, 60, 40), QColor(235, 195, 80), QColor(30, 30, 30)},
                          {QColor(45, 45, 50), QColor(30, 30, 35), QColor(235, 195, 80)}}},
                        knightly);
    case 8:
        return motifs(animals());
    case 9:
        return motifs(flowers());
    case 10:
        return motifs(places());
    case 11:
        return motifs(others());
    case 12:  // Russian: khokhloma, gzhel and folk colours
        return weekdays({{{QColor(25, 22, 20), QColor(200, 30, 25), QColor(225, 170, 40)},
                          {QColor(185, 30, 25), QColor(30, 25, 20), QColor(235, 185, 50)},
                          {QColor(215, 160, 40), QColor(180, 25, 25), QColor(30, 25, 20)},
                          {QColor(245, 245, 250), QColor(30, 60, 160), QColor(60, 100, 200)},
                          {QColor(30, 60, 150), QColor(245, 245, 250), QColor(170, 200, 240)},
                          {QColor(30, 80, 45), QColor(200, 35, 30), QColor(230, 180, 50)},
                          {QColor(245, 232, 200), QColor(190, 30, 30), QColor(40, 110, 50)}}},
                        russian);
    default:
        return {};
    }
}

}  // namespace olk::cardgen
