// The holiday pictures, each 54 x 70 on a transparent ground.

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

#include "assets/calgen/calgen.h"

namespace olk::calgen {

namespace {

const QColor kInk(45, 30, 25);
const QColor kGold(235, 185, 50);

void shape(QPainter& p, const QPainterPath& path, const QBrush& fill, double outline = 0.9,
           const QColor& ink = kInk)
{
    p.setBrush(fill);
    p.setPen(outline > 0 ? QPen(ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                         : QPen(Qt::NoPen));
    p.drawPath(path);
}

void line(QPainter& p, QPointF a, QPointF b, const QColor& colour, double width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QPainterPath ellipse(double cx, double cy, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath rect(double x, double y, double w, double h, double radius = 0)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QBrush vertical(double y0, double y1, const QColor& a, const QColor& b)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return QBrush(g);
}

QBrush across(double x0, double x1, const QColor& a, const QColor& b, const QColor& c)
{
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, a);
    g.setColorAt(0.5, b);
    g.setColorAt(1, c);
    return QBrush(g);
}

// Short rays around a point, as a glow.
void rays(QPainter& p, QPointF c, double from, double to, int count, const QColor& colour,
          double width)
{
    for (int k = 0; k < count; ++k) {
        const double a = 2 * kPi * k / count;
        line(p, c + QPointF(from * std::cos(a), from * std::sin(a)),
             c + QPointF(to * std::cos(a), to * std::sin(a)), colour, width);
    }
}

void flagPicture(QPainter& p, const FlagPaint& paint)
{
    wavingFlag(p, QPointF(6, 12), 56, 44, 29, paint);
}

void shadow(QPainter& p, double cx, double cy, double rx)
{
    p.setPen(Qt::NoPen);
    QRadialGradient g(cx, cy, rx);
    g.setColorAt(0, QColor(0, 0, 0, 70));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(g);
    p.drawEllipse(QPointF(cx, cy), rx, rx * 0.25);
}

// ---- the pictures

void newYear(QPainter& p)
{
    shadow(p, 27, 64, 22);
    shape(p, rect(24, 55, 6, 8, 1), QColor(120, 70, 30), 0.7);
    const QColor greens[3] = {QColor(30, 120, 50), QColor(35, 135, 55), QColor(40, 150, 60)};
    const double tiers[3][3] = {{57, 24, 38}, {46, 18, 28}, {35, 12, 18}};  // base y, half, top
    for (int k = 0; k < 3; ++k) {
        QPainterPath tier;
        tier.moveTo(27, tiers[k][2] - 8);
        tier.lineTo(27 + tiers[k][1], tiers[k][0]);
        tier.quadTo(27, tiers[k][0] + 3, 27 - tiers[k][1], tiers[k][0]);
        tier.closeSubpath();
        shape(p, tier, vertical(tiers[k][2] - 8, tiers[k][0], greens[k].lighter(130), greens[k]),
              0.7, QColor(15, 60, 25));
    }
    // A garland and the baubles.
    QPainterPath garland;
    garland.moveTo(17, 40);
    garland.quadTo(29, 45, 37, 37);
    garland.moveTo(13, 52);
    garland.quadTo(28, 58, 43, 49);
    stroke(p, garland, kGold, 1.0);
    const struct {
        double x, y;
        QColor c;
    } baubles[] = {{21, 33, QColor(220, 40, 40)}, {32, 29, QColor(40, 120, 230)},
                   {26, 41, QColor(240, 200, 40)}, {18, 46, QColor(180, 60, 200)},
                   {35, 44, QColor(230, 60, 60)},  {28, 51, QColor(40, 180, 220)},
                   {40, 53, QColor(240, 170, 30)}, {14, 54, QColor(240, 240, 240)}};
    for (const auto& b : baubles) {
        const QRectF r(b.x - 2.2, b.y - 2.2, 4.4, 4.4);
        p.setPen(QPen(b.c.darker(170), 0.4));
        p.setBrush(ball(r, b.c));
        p.drawEllipse(r);
    }
    // The star on top.
    p.setBrush(ball(QRectF(21, 13, 12, 12), QColor(250, 205, 40)));
    p.setPen(QPen(QColor(170, 110, 10), 0.7));
    p.drawPath(starPath(QPointF(27, 19.5), 7, 3));
    rays(p, QPointF(27, 19.5), 8.5, 11, 10, QColor(255, 230, 120, 170), 0.8);
    // A present at the foot.
    shape(p, rect(36, 56, 12, 9, 1), QColor(210, 40, 50), 0.7);
    p.fillRect(QRectF(41, 56, 2, 9), kGold);
    shape(p, rect(7, 58, 11, 7, 1), QColor(40, 110, 200), 0.7);
    p.fillRect(QRectF(11.5, 58, 2, 7), Qt::white);
}

void usaFlag(QPainter& p)
{
    flagPicture(p, flagUsa);
}

void russianFlag(QPainter& p)
{
    flagPicture(p, [](QPainter& fp, double w, double h) {
        flagStripes(fp, w, h, {Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)}, true);
    });
}

void frenchFlag(QPainter& p)
{
    flagPicture(p, [](QPainter& fp, double w, double h) {
        flagStripes(fp, w, h, {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)}, false);
    });
}

void germanFlag(QPainter& p)
{
    flagPicture(p, [](QPainter& fp, double w, double h) {
        flagStripes(fp, w, h, {QColor(20, 20, 20), QColor(221, 0, 0), QColor(255, 206, 0)}, true);
    });
}

void spanishFlag(QPainter& p)
{
    flagPicture(p, flagSpain);
}

void englishFlag(QPainter& p)
{
    flagPicture(p, flagUk);
}

// Knowledge: an open book under a graduate's cap.
void knowledge(QPainter& p)
{
    shadow(p, 27, 64, 24);
    for (const double s : {-1.0, 1.0}) {
        QPainterPath page;
        page.moveTo(27, 44);
        page.quadTo(27 + s * 12, 38, 27 + s * 24, 42);
        page.lineTo(27 + s * 24, 62);
        page.quadTo(27 + s * 12, 58, 27, 64);
        page.closeSubpath();
        shape(p, page, vertical(38, 64, QColor(255, 255, 250), QColor(225, 220, 205)), 0.8);
        QPainterPath lines;
        for (int k = 0; k < 4; ++k) {
            lines.moveTo(27 + s * 4, 48 + 3.4 * k);
            lines.quadTo(27 + s * 12, 44 + 3.4 * k, 27 + s * 21, 46.5 + 3.4 * k);
        }
        stroke(p, lines, QColor(120, 140, 190), 0.6);
    }
    shape(p, rect(3, 61, 48, 3, 1), QColor(150, 40, 40), 0.6);
    // The cap: a board over a skull-cap, with a tassel.
    QPainterPath cap;
    cap.moveTo(17, 22);
    cap.lineTo(17, 29);
    cap.quadTo(27, 35, 37, 29);
    cap.lineTo(37, 22);
    cap.closeSubpath();
    shape(p, cap, vertical(22, 33, QColor(70, 70, 90), QColor(20, 20, 30)), 0.7);
    QPainterPath board;
    board.moveTo(27, 10);
    board.lineTo(49, 18);
    board.lineTo(27, 26);
    board.lineTo(5, 18);
    board.closeSubpath();
    shape(p, board, vertical(10, 26, QColor(80, 80, 100), QColor(25, 25, 35)), 0.7);
    QPainterPath cord;
    cord.moveTo(27, 18);
    cord.quadTo(40, 18, 42, 24);
    cord.lineTo(42, 31);
    stroke(p, cord, kGold, 1.1);
    shape(p, rect(40.5, 30, 3, 5, 1), kGold, 0.4);
}

// An order: a red star on a golden sunburst over a ribbon.
void order(QPainter& p)
{
    // The ribbon block, folded into a pentagon, red with a white stripe.
    QPainterPath ribbon;
    ribbon.moveTo(16, 6);
    ribbon.lineTo(38, 6);
    ribbon.lineTo(38, 20);
    ribbon.lineTo(27, 28);
    ribbon.lineTo(16, 20);
    ribbon.closeSubpath();
    p.save();
    p.setClipPath(ribbon);
    p.fillRect(QRectF(16, 6, 22, 22), QColor(190, 20, 30));
    p.fillRect(QRectF(25.5, 6, 3, 22), QColor(245, 245, 245));
    p.fillRect(QRectF(16, 6, 2.4, 22), QColor(240, 200, 80));
    p.fillRect(QRectF(35.6, 6, 2.4, 22), QColor(240, 200, 80));
    p.restore();
    shape(p, ribbon, Qt::NoBrush, 0.7);
    const QPointF c(27, 43);
    // The sunburst in gold, rays in pairs.
    QPainterPath burst;
    for (int k = 0; k < 16; ++k) {
        const double a = -kPi / 2 + k * 2 * kPi / 16;
        const double r = k % 2 ? 17 : 20;
        QPainterPath rayPath;
        rayPath.moveTo(c + QPointF(std::cos(a - 0.16) * 6, std::sin(a - 0.16) * 6));
        rayPath.lineTo(c + QPointF(std::cos(a) * r, std::sin(a) * r));
        rayPath.lineTo(c + QPointF(std::cos(a + 0.16) * 6, std::sin(a + 0.16) * 6));
        rayPath.closeSubpath();
        burst = burst.united(rayPath);
    }
    QRadialGradient gold(c, 20);
    gold.setColorAt(0, QColor(255, 240, 170));
    gold.setColorAt(0.6, QColor(230, 175, 50));
    gold.setColorAt(1, QColor(170, 110, 20));
    shape(p, burst, gold, 0.5, QColor(130, 80, 10));
    const QPainterPath star = starPath(c, 13, 5.2);
    shape(p, star, ball(QRectF(c.x() - 13, c.y() - 13, 26, 26), QColor(215, 25, 35)), 0.7,
          QColor(110, 0, 10));
    // A facet on each point.
    p.setPen(QPen(QColor(255, 150, 150, 150), 0.5));
    for (int k = 0; k < 5; ++k) {
        const double a = -kPi / 2 + k * 2 * kPi / 5;
        p.drawLine(c, c + QPointF(std::cos(a) * 12, std::sin(a) * 12));
    }
    shape(p, ellipse(c.x(), c.y(), 4.2, 4.2), ball(QRectF(22.8, 38.8, 8.4, 8.4), kGold), 0.5,
          QColor(130, 80, 10));
    shape(p, starPath(c, 2.7, 1.1), QColor(215, 25, 35), 0);
}

// The ribbon of St George: orange and black, tied in a loop.
void georgeRibbon(QPainter& p)
{
    QPainterPath loop;
    loop.moveTo(12, 64);
    loop.cubicTo(24, 44, 40, 26, 34, 14);
    loop.cubicTo(30, 6, 18, 8, 20, 18);
    loop.cubicTo(22, 30, 34, 46, 42, 64);
    auto band = [&](double width, const QColor& colour) {
        QPainterPathStroker stroker;
        stroker.setWidth(width);
        stroker.setCapStyle(Qt::FlatCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(stroker.createStroke(loop));
    };
    band(11, QColor(20, 15, 10));
    band(8.6, QColor(240, 130, 20));
    band(5.4, QColor(20, 15, 10));
    band(3.2, QColor(240, 130, 20));
    band(1.0, QColor(20, 15, 10));
}

void love(QPainter& p)
{
    const QPainterPath back = heartPath(QPointF(35, 14), 26);
    shape(p, back, ball(back.boundingRect(), QColor(240, 110, 150)), 0.7, QColor(150, 30, 70));
    const QPainterPath front = heartPath(QPointF(23, 24), 38);
    shape(p, front, ball(front.boundingRect(), QColor(225, 25, 55)), 0.9, QColor(120, 0, 25));
    // An arrow through both.
    line(p, QPointF(4, 60), QPointF(48, 12), QColor(140, 90, 40), 1.6);
    QPainterPath head;
    head.moveTo(50, 10);
    head.lineTo(43, 13);
    head.lineTo(47, 17);
    head.closeSubpath();
    shape(p, head, QColor(200, 200, 210), 0.5);
    for (int k = 0; k < 3; ++k) {
        line(p, QPointF(5 + 2.2 * k, 59 - 2.4 * k), QPointF(2 + 2.2 * k, 55.5 - 2.4 * k),
             QColor(230, 60, 80), 1.2);
        line(p, QPointF(5 + 2.2 * k, 59 - 2.4 * k), QPointF(8.5 + 2.2 * k, 61.5 - 2.4 * k),
             QColor(230, 60, 80), 1.2);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(12, 36), 3, 2);
}

// Women's day: three tulips, tied with a ribbon in the figure of an eight.
void womensDay(QPainter& p)
{
    const struct {
        double x, y, angle;
        QColor c;
    } tulips[] = {{15, 20, -18, QColor(235, 60, 110)},
                  {39, 20, 18, QColor(250, 190, 40)},
                  {27, 12, 0, QColor(220, 30, 50)}};
    for (const auto& t : tulips) {
        line(p, QPointF(t.x, t.y + 6), QPointF(27, 50), QColor(50, 140, 50), 1.6);
    }
    QPainterPath leaf;
    leaf.moveTo(27, 50);
    leaf.quadTo(10, 42, 8, 30);
    leaf.quadTo(18, 36, 27, 48);
    shape(p, leaf, QColor(70, 170, 70), 0.6, QColor(30, 90, 30));
    QTransform flip(-1, 0, 0, 1, 54, 0);
    shape(p, flip.map(leaf), QColor(70, 170, 70), 0.6, QColor(30, 90, 30));
    for (const auto& t : tulips) {
        QPainterPath bloom;
        bloom.moveTo(-5, -4);
        bloom.lineTo(-2.5, 0);
        bloom.lineTo(0, -5);
        bloom.lineTo(2.5, 0);
        bloom.lineTo(5, -4);
        bloom.cubicTo(5.5, 4, 3, 7, 0, 7);
        bloom.cubicTo(-3, 7, -5.5, 4, -5, -4);
        bloom.closeSubpath();
        QTransform at;
        at.translate(t.x, t.y);
        at.rotate(t.angle);
        const QPainterPath placed = at.map(bloom);
        shape(p, placed, ball(placed.boundingRect(), t.c), 0.6, t.c.darker(180));
    }
    // The ribbon's eight.
    QPainterPath eight;
    eight.addEllipse(QPointF(27, 52.5), 4.5, 4);
    eight.addEllipse(QPointF(27, 61), 5.5, 4.8);
    stroke(p, eight, QColor(150, 20, 60), 3.2);
    stroke(p, eight, QColor(240, 80, 140), 1.8);
}

void shamrock(QPainter& p)
{
    QPainterPath stem;
    stem.moveTo(27, 36);
    stem.cubicTo(28, 48, 32, 56, 38, 64);
    stroke(p, stem, QColor(30, 110, 40), 2.2);
    for (int k = 0; k < 3; ++k) {
        const QPainterPath leaf = heartPath(QPointF(0, -17), 18);
        QTransform at;
        at.translate(27, 34);
        at.rotate(k * 120 + 180);
        const QPainterPath placed = at.map(leaf);
        shape(p, placed, ball(placed.boundingRect(), QColor(40, 170, 60)), 0.8, QColor(20, 90, 30));
        p.setPen(QPen(QColor(180, 240, 170, 170), 0.6));
        p.drawLine(QPointF(27, 34), at.map(QPointF(0, -5)));
    }
    // A small top hat in green with a golden buckle.
    shape(p, rect(4, 12, 16, 2.5, 1), QColor(20, 110, 40), 0.6);
    shape(p, rect(7, 2, 10, 11, 1), vertical(2, 13, QColor(50, 160, 70), QColor(20, 100, 40)),
          0.6);
    p.fillRect(QRectF(7, 9, 10, 2), kInk);
    shape(p, rect(10.5, 8.5, 3, 3, 0.3), Qt::NoBrush, 0.7, kGold);
}

// April fool: a jester's face in a cap with bells.
void aprilFool(QPainter& p)
{
    shape(p, ellipse(27, 42, 14, 15), ball(QRectF(13, 27, 28, 30), QColor(255, 225, 190)), 0.8);
    QPainterPath cap;
    cap.moveTo(12, 36);
    cap.cubicTo(8, 26, 2, 22, 3, 12);
    cap.cubicTo(10, 16, 16, 20, 20, 25);
    cap.cubicTo(22, 14, 26, 8, 27, 3);
    cap.cubicTo(28, 8, 32, 14, 34, 25);
    cap.cubicTo(38, 20, 44, 16, 51, 12);
    cap.cubicTo(52, 22, 46, 26, 42, 36);
    cap.quadTo(27, 28, 12, 36);
    cap.closeSubpath();
    p.save();
    p.setClipPath(cap);
    p.fillRect(QRectF(0, 0, 27, 40), QColor(220, 40, 50));
    p.fillRect(QRectF(27, 0, 27, 40), QColor(40, 90, 210));
    p.restore();
    shape(p, cap, Qt::NoBrush, 0.8);
    for (const QPointF& b : {QPointF(3, 12), QPointF(27, 3), QPointF(51, 12)}) {
        shape(p, ellipse(b.x(), b.y(), 2.6, 2.6), ball(QRectF(b.x() - 2.6, b.y() - 2.6, 5.2, 5.2), kGold),
              0.5);
    }
    shape(p, rect(12, 33, 30, 4, 2), QColor(250, 210, 50), 0.6);
    // Eyes closed with laughter, a broad smile, red nose and cheeks.
    QPainterPath face;
    face.moveTo(19, 43);
    face.quadTo(21.5, 40, 24, 43);
    face.moveTo(30, 43);
    face.quadTo(32.5, 40, 35, 43);
    stroke(p, face, kInk, 1.1);
    QPainterPath mouth;
    mouth.moveTo(19, 49);
    mouth.quadTo(27, 51, 35, 49);
    mouth.quadTo(27, 60, 19, 49);
    mouth.closeSubpath();
    shape(p, mouth, QColor(170, 30, 40), 0.7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(22, 49.2, 10, 1.6));
    p.setBrush(QColor(255, 120, 120, 140));
    p.drawEllipse(QPointF(17, 48), 2.6, 1.8);
    p.drawEllipse(QPointF(37, 48), 2.6, 1.8);
    shape(p, ellipse(27, 46, 2.6, 2.6), ball(QRectF(24.4, 43.4, 5.2, 5.2), QColor(230, 30, 30)), 0.4);
}

// Labour day: a sun over red carnations.
void labourDay(QPainter& p)
{
    p.setPen(Qt::NoPen);
    QRadialGradient sun(40, 16, 11);
    sun.setColorAt(0, QColor(255, 250, 180));
    sun.setColorAt(0.6, QColor(255, 210, 50));
    sun.setColorAt(1, QColor(240, 150, 20));
    rays(p, QPointF(40, 16), 9, 14, 12, QColor(255, 200, 40), 1.6);
    p.setBrush(sun);
    p.drawEllipse(QPointF(40, 16), 8, 8);
    const QPointF flowers[3] = {{14, 26}, {25, 20}, {22, 34}};
    for (const QPointF& f : flowers) {
        QPainterPath stem;
        stem.moveTo(f);
        stem.quadTo(f.x() + 2, 50, 24, 64);
        stroke(p, stem, QColor(60, 140, 60), 1.4);
    }
    QPainterPath leaf;
    leaf.moveTo(23, 56);
    leaf.quadTo(12, 54, 8, 46);
    leaf.quadTo(16, 48, 23, 53);
    shape(p, leaf, QColor(80, 170, 80), 0.5, QColor(30, 90, 30));
    for (const QPointF& f : flowers) {
        QPainterPath bloom;
        bloom.setFillRule(Qt::WindingFill);
        for (int k = 0; k < 9; ++k) {
            const double a = -kPi + k * kPi / 8;
            bloom.addEllipse(f + QPointF(std::cos(a) * 4.2, std::sin(a) * 2.8 - 1), 2.4, 2.4);
        }
        bloom.addEllipse(f + QPointF(0, -1.2), 4, 3.6);
        const QPainterPath flower = bloom.simplified();
        shape(p, flower, ball(flower.boundingRect(), QColor(225, 30, 40)), 0.5, QColor(120, 0, 10));
        QPainterPath cup;
        cup.moveTo(f + QPointF(-2.4, 1.6));
        cup.lineTo(f + QPointF(2.4, 1.6));
        cup.lineTo(f + QPointF(0.8, 5.5));
        cup.lineTo(f + QPointF(-0.8, 5.5));
        cup.closeSubpath();
        shape(p, cup, QColor(70, 150, 70), 0.4, QColor(30, 80, 30));
    }
    // A red ribbon round the stems.
    QPainterPath bow;
    bow.moveTo(22, 56);
    bow.quadTo(30, 52, 33, 57);
    bow.quadTo(30, 61, 22, 58);
    bow.moveTo(22, 57);
    bow.lineTo(32, 66);
    shape(p, bow, QColor(220, 40, 50), 0.6, QColor(120, 0, 10));
}

// Children's day: balloons on strings.
void children(QPainter& p)
{
    const struct {
        double x, y;
        QColor c;
    } balloons[] = {{15, 18, QColor(240, 60, 60)},
                    {37, 15, QColor(60, 140, 240)},
                    {27, 28, QColor(250, 200, 40)},
                    {44, 33, QColor(80, 200, 90)},
                    {11, 36, QColor(200, 80, 220)}};
    for (const auto& b : balloons) {
        QPainterPath string;
        string.moveTo(b.x, b.y + 10);
        string.cubicTo(b.x + 2, b.y + 18, 26, 52, 27, 64);
        stroke(p, string, QColor(110, 110, 110), 0.5);
    }
    for (const auto& b : balloons) {
        QPainterPath balloon;
        balloon.moveTo(b.x, b.y + 9);
        balloon.cubicTo(b.x - 9, b.y + 3, b.x - 8, b.y - 9, b.x, b.y - 9);
        balloon.cubicTo(b.x + 8, b.y - 9, b.x + 9, b.y + 3, b.x, b.y + 9);
        balloon.closeSubpath();
        shape(p, balloon, ball(balloon.boundingRect(), b.c), 0.6, b.c.darker(200));
        QPainterPath knot;
        knot.moveTo(b.x, b.y + 9);
        knot.lineTo(b.x - 1.5, b.y + 11);
        knot.lineTo(b.x + 1.5, b.y + 11);
        knot.closeSubpath();
        shape(p, knot, b.c.darker(130), 0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(QPointF(b.x - 3, b.y - 4), 1.6, 2.6);
    }
}

QPainterPath note(QPointF head, double stemHeight)
{
    QPainterPath n;
    n.setFillRule(Qt::WindingFill);
    QTransform tilt;
    tilt.translate(head.x(), head.y());
    tilt.rotate(-22);
    QPainterPath h;
    h.addEllipse(QPointF(0, 0), 3.6, 2.5);
    n.addPath(tilt.map(h));
    n.addRect(QRectF(head.x() + 2.4, head.y() - stemHeight, 1.2, stemHeight));
    return n;
}

// Music day: notes in the colours of France.
void music(QPainter& p)
{
    // A beamed pair.
    QPainterPath pair = note(QPointF(10, 50), 26).united(note(QPointF(28, 44), 26));
    QPainterPath beam;
    beam.moveTo(12.4, 24);
    beam.lineTo(31.6, 18);
    beam.lineTo(31.6, 22.5);
    beam.lineTo(12.4, 28.5);
    beam.closeSubpath();
    pair = pair.united(beam);
    shape(p, pair, vertical(18, 54, QColor(40, 80, 200), QColor(0, 35, 149)), 0.6, QColor(0, 20, 80));
    // A single eighth note with its flag.
    QPainterPath single = note(QPointF(40, 60), 24);
    QPainterPath flag;
    flag.moveTo(43.6, 36);
    flag.cubicTo(44, 42, 52, 44, 49, 52);
    flag.cubicTo(49, 46, 46, 44, 43.6, 43);
    flag.closeSubpath();
    single = single.united(flag);
    shape(p, single, vertical(36, 64, QColor(250, 80, 90), QColor(200, 20, 40)), 0.6,
          QColor(110, 0, 20));
    // Sparkles.
    p.setBrush(QColor(255, 215, 60));
    p.setPen(QPen(QColor(200, 140, 0), 0.4));
    p.drawPath(starPath(QPointF(44, 14), 5, 1.8, 4));
    p.drawPath(starPath(QPointF(6, 14), 3.5, 1.3, 4));
}

// Independence day: fireworks over the stars and stripes.
void fourthOfJuly(QPainter& p)
{
    const struct {
        double x, y, r;
        QColor c;
    } bursts[] = {{16, 16, 12, QColor(230, 40, 50)},
                  {40, 20, 12, QColor(60, 110, 240)},
                  {28, 36, 9, QColor(250, 250, 250)}};
    for (const auto& b : bursts) {
        for (int k = 0; k < 14; ++k) {
            const double a = 2 * kPi * k / 14;
            const QPointF from(b.x + std::cos(a) * b.r * 0.25, b.y + std::sin(a) * b.r * 0.25);
            const QPointF to(b.x + std::cos(a) * b.r, b.y + std::sin(a) * b.r);
            line(p, from, to, b.c, 1.2);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 230, 120));
            p.drawEllipse(to, 0.9, 0.9);
        }
    }
    // A little flag below.
    QImage cloth = blank(120, 64);
    {
        QPainter cp(&cloth);
        prepare(cp);
        cp.scale(120 / 30.0, 64 / 16.0);
        flagUsa(cp, 30, 16);
    }
    p.setPen(QPen(QColor(40, 40, 40), 0.6));
    p.drawImage(QRectF(12, 48, 30, 16), cloth);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(12, 48, 30, 16));
}

// Elvis: a guitar with a golden star.
void guitar(QPainter& p)
{
    QTransform at;
    at.translate(27, 38);
    at.rotate(32);
    p.save();
    p.setTransform(at, true);
    shape(p, rect(-2.4, -34, 4.8, 28, 0.8), vertical(-34, -6, QColor(120, 70, 30), QColor(90, 50, 20)),
          0.6);
    shape(p, rect(-3.6, -40, 7.2, 8, 1.5), QColor(40, 30, 25), 0.6);
    for (int k = 0; k < 3; ++k) {
        p.setBrush(QColor(220, 220, 220));
        p.drawEllipse(QPointF(-4.6, -38.5 + 2.6 * k), 0.9, 0.9);
        p.drawEllipse(QPointF(4.6, -38.5 + 2.6 * k), 0.9, 0.9);
    }
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addEllipse(QPointF(0, 2), 10, 9.5);
    body.addEllipse(QPointF(0, 16), 13, 12);
    const QPainterPath outline = body.simplified();
    QRadialGradient wood(-4, 6, 24);
    wood.setColorAt(0, QColor(255, 190, 80));
    wood.setColorAt(0.6, QColor(210, 110, 30));
    wood.setColorAt(1, QColor(120, 50, 15));
    shape(p, outline, wood, 0.9);
    shape(p, ellipse(0, 6, 4.2, 4.2), QColor(30, 20, 15), 0.5);
    shape(p, rect(-5, 18, 10, 2.6, 1), QColor(60, 35, 20), 0.5);
    p.setPen(QPen(QColor(240, 240, 230), 0.35));
    for (int k = -2; k <= 2; ++k) {
        p.drawLine(QPointF(k * 0.8, -33), QPointF(k * 0.8, 19));
    }
    p.restore();
    p.setPen(QPen(QColor(180, 120, 0), 0.5));
    p.setBrush(ball(QRectF(4, 4, 14, 14), QColor(250, 205, 40)));
    p.drawPath(starPath(QPointF(11, 12), 7.5, 3.2));
    p.drawPath(starPath(QPointF(46, 58), 4.5, 1.9));
}

// Peace: a white dove with an olive branch.
void dove(QPainter& p)
{
    QPainterPath body;
    body.moveTo(8, 40);
    body.cubicTo(14, 36, 20, 36, 24, 38);
    body.cubicTo(28, 30, 34, 28, 38, 30);
    body.cubicTo(42, 31, 43, 34, 46, 35);
    body.lineTo(42, 37);
    body.cubicTo(40, 46, 30, 52, 20, 50);
    body.lineTo(6, 56);
    body.lineTo(10, 48);
    body.cubicTo(8, 46, 7, 43, 8, 40);
    body.closeSubpath();
    const QColor white(250, 250, 255);
    shape(p, body, vertical(28, 56, white, QColor(200, 210, 230)), 0.9, QColor(70, 80, 110));
    QPainterPath wing;
    wing.moveTo(22, 40);
    wing.cubicTo(18, 26, 14, 18, 6, 10);
    wing.cubicTo(16, 12, 22, 16, 26, 22);
    wing.cubicTo(28, 14, 34, 8, 44, 6);
    wing.cubicTo(38, 14, 36, 26, 32, 40);
    wing.closeSubpath();
    shape(p, wing, vertical(6, 40, white, QColor(215, 225, 240)), 0.9, QColor(70, 80, 110));
    QPainterPath feathers;
    feathers.moveTo(14, 20);
    feathers.lineTo(20, 30);
    feathers.moveTo(36, 14);
    feathers.lineTo(32, 28);
    stroke(p, feathers, QColor(150, 160, 190), 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(39, 32.5), 1.1, 1.1);
    QPainterPath beak;
    beak.moveTo(45.5, 34.5);
    beak.lineTo(49, 36);
    beak.lineTo(45, 36.5);
    shape(p, beak, QColor(240, 160, 60), 0.4);
    // The branch in the beak.
    QPainterPath twig;
    twig.moveTo(46, 36);
    twig.quadTo(46, 44, 40, 52);
    stroke(p, twig, QColor(90, 110, 40), 1.0);
    for (int k = 0; k < 4; ++k) {
        const QPointF at(45.5 - k * 1.6, 39 + k * 3.4);
        QTransform t;
        t.translate(at.x(), at.y());
        t.rotate(k % 2 ? 35 : -35 + 180);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.quadTo(2, -1.6, 5, 0);
        leaf.quadTo(2, 1.6, 0, 0);
        shape(p, t.map(leaf), QColor(110, 160, 60), 0.3, QColor(50, 80, 20));
    }
}

// The programmer: a screen of coloured code over a keyboard.
void programmer(QPainter& p)
{
    shape(p, rect(3, 8, 48, 36, 3), vertical(8, 44, QColor(90, 90, 100), QColor(40, 40, 50)), 0.8);
    shape(p, rect(6, 11, 42, 29, 1), QColor(20, 30, 45), 0);
    const struct {
        double indent, length;
        QColor c;
    } code[] = {{0, 18, QColor(240, 120, 180)}, {4, 24, QColor(120, 200, 255)},
                {8, 14, QColor(160, 230, 120)},  {8, 20, QColor(250, 200, 90)},
                {4, 10, QColor(120, 200, 255)},  {0, 6, QColor(240, 120, 180)}};
    for (int k = 0; k < 6; ++k) {
        p.fillRect(QRectF(9 + code[k].indent, 14 + 4.2 * k, code[k].length, 1.8), code[k].c);
    }
    // A blinking cursor and the brackets "</>".
    p.fillRect(QRectF(17, 35, 2.5, 3), QColor(230, 230, 230));
    QPainterPath brackets;
    brackets.moveTo(35, 30);
    brackets.lineTo(32, 33.5);
    brackets.lineTo(35, 37);
    brackets.moveTo(42, 30);
    brackets.lineTo(45, 33.5);
    brackets.lineTo(42, 37);
    brackets.moveTo(40, 29.5);
    brackets.lineTo(37, 37.5);
    stroke(p, brackets, QColor(130, 255, 160), 1.1);
    shape(p, rect(22, 44, 10, 5), QColor(70, 70, 80), 0.6);
    shape(p, rect(15, 48.5, 24, 2.5, 1), QColor(90, 90, 100), 0.6);
    // The keyboard.
    QPainterPath board;
    board.moveTo(6, 55);
    board.lineTo(48, 55);
    board.lineTo(52, 66);
    board.lineTo(2, 66);
    board.closeSubpath();
    shape(p, board, vertical(55, 66, QColor(220, 220, 225), QColor(160, 160, 170)), 0.7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 100));
    for (int row = 0; row < 3; ++row) {
        const double y = 56.8 + row * 3;
        const double inset = 6 - row * 1.3;
        for (int k = 0; k < 10; ++k) {
            const double x = inset + k * (42 + 2 * row * 1.3) / 10;
            p.drawRoundedRect(QRectF(x + 0.4, y, 3.2, 2), 0.5, 0.5);
        }
    }
}

// Older persons: a cup of tea, spectacles and autumn leaves.
void olderPersons(QPainter& p)
{
    const struct {
        double x, y, a;
        QColor c;
    } leaves[] = {{10, 12, 30, QColor(230, 120, 30)},
                  {44, 10, -40, QColor(210, 60, 30)},
                  {47, 30, 70, QColor(240, 180, 40)}};
    for (const auto& l : leaves) {
        QPainterPath leaf;
        leaf.moveTo(0, 6);
        leaf.cubicTo(-7, 0, -4, -6, 0, -7);
        leaf.cubicTo(4, -6, 7, 0, 0, 6);
        leaf.lineTo(0, 9);
        QTransform t;
        t.translate(l.x, l.y);
        t.rotate(l.a);
        shape(p, t.map(leaf), ball(QRectF(l.x - 6, l.y - 6, 12, 12), l.c), 0.5, l.c.darker(200));
        p.setPen(QPen(l.c.darker(160), 0.4));
        p.drawLine(t.map(QPointF(0, 5)), t.map(QPointF(0, -5)));
    }
    // Steam.
    QPainterPath steam;
    for (const double x : {22.0, 28.0}) {
        steam.moveTo(x, 30);
        steam.cubicTo(x - 3, 26, x + 3, 23, x, 18);
    }
    stroke(p, steam, QColor(160, 160, 170, 200), 1.2);
    shadow(p, 26, 57, 20);
    shape(p, ellipse(26, 55, 17, 3.5), vertical(51, 59, QColor(255, 255, 255), QColor(200, 200, 210)),
          0.7);
    QPainterPath cup;
    cup.moveTo(13, 34);
    cup.lineTo(39, 34);
    cup.cubicTo(39, 46, 34, 53, 26, 53);
    cup.cubicTo(18, 53, 13, 46, 13, 34);
    cup.closeSubpath();
    shape(p, cup, across(13, 39, QColor(250, 250, 255), QColor(220, 230, 245), QColor(170, 180, 200)),
          0.8);
    QPainterPath handle;
    handle.addEllipse(QPointF(40.5, 40), 4, 4.2);
    stroke(p, handle, QColor(190, 195, 210), 2.2);
    shape(p, ellipse(26, 34, 13, 2.6), QColor(170, 90, 40), 0.6);
    p.fillRect(QRectF(14, 40, 24, 2), QColor(70, 120, 200));
    // The spectacles lying before the cup.
    QPainterPath glasses;
    glasses.addEllipse(QPointF(16, 62), 5.2, 4);
    glasses.addEllipse(QPointF(30, 62), 5.2, 4);
    glasses.moveTo(21.2, 61.5);
    glasses.quadTo(23, 59.5, 24.8, 61.5);
    glasses.moveTo(35, 61);
    glasses.lineTo(44, 58.5);
    p.setBrush(QColor(200, 230, 255, 90));
    p.setPen(QPen(QColor(90, 60, 30), 1.0));
    p.drawPath(glasses);
}

// Teacher's day: a blackboard with chalk drawings, a pointer and an apple.
void teacher(QPainter& p)
{
    shape(p, rect(2, 8, 50, 38, 2), vertical(8, 46, QColor(160, 110, 60), QColor(110, 70, 30)), 0.8);
    shape(p, rect(5, 11, 44, 32, 1), vertical(11, 43, QColor(40, 100, 70), QColor(25, 70, 50)), 0);
    // Chalk: a triangle, a circle and a sum's strokes.
    QPainterPath chalk;
    chalk.moveTo(9, 36);
    chalk.lineTo(18, 17);
    chalk.lineTo(25, 36);
    chalk.closeSubpath();
    chalk.addEllipse(QPointF(37, 22), 6, 6);
    chalk.moveTo(31, 36);
    chalk.lineTo(37, 36);
    chalk.moveTo(34, 33);
    chalk.lineTo(34, 39);
    chalk.moveTo(40, 35);
    chalk.lineTo(45, 35);
    chalk.moveTo(40, 37.5);
    chalk.lineTo(45, 37.5);
    stroke(p, chalk, QColor(240, 245, 240, 220), 0.9);
    p.fillRect(QRectF(4, 45, 46, 2), QColor(130, 85, 40));
    // Legs of the easel.
    line(p, QPointF(10, 47), QPointF(6, 66), QColor(120, 75, 35), 2);
    line(p, QPointF(44, 47), QPointF(48, 66), QColor(120, 75, 35), 2);
    line(p, QPointF(30, 48), QPointF(50, 30), QColor(170, 120, 60), 1.4);
    // The apple.
    QPainterPath apple;
    apple.moveTo(27, 55);
    apple.cubicTo(22, 51, 15, 54, 16, 61);
    apple.cubicTo(17, 67, 23, 69, 27, 67);
    apple.cubicTo(31, 69, 37, 67, 38, 61);
    apple.cubicTo(39, 54, 32, 51, 27, 55);
    apple.closeSubpath();
    shape(p, apple, ball(apple.boundingRect(), QColor(220, 30, 40)), 0.7, QColor(110, 0, 10));
    line(p, QPointF(27, 55), QPointF(28.5, 51), QColor(90, 60, 30), 1);
    QPainterPath leaf;
    leaf.moveTo(28.5, 52.5);
    leaf.quadTo(32, 49, 35, 51);
    leaf.quadTo(31, 54, 28.5, 52.5);
    shape(p, leaf, QColor(80, 170, 60), 0.4, QColor(30, 80, 20));
}

void halloween(QPainter& p)
{
    shadow(p, 27, 64, 22);
    QPainterPath pumpkin;
    pumpkin.setFillRule(Qt::WindingFill);
    for (const double dx : {-13.0, -6.0, 6.0, 13.0, 0.0}) {
        pumpkin.addEllipse(QPointF(27 + dx, 45), dx == 0 ? 9 : 10.5, 17);
    }
    const QPainterPath shape1 = pumpkin.simplified();
    QRadialGradient orange(22, 38, 28);
    orange.setColorAt(0, QColor(255, 180, 60));
    orange.setColorAt(0.6, QColor(240, 120, 20));
    orange.setColorAt(1, QColor(170, 60, 10));
    shape(p, shape1, orange, 0.9, QColor(110, 40, 5));
    QPainterPath ribs;
    for (const double dx : {-8.0, 0.0, 8.0}) {
        ribs.moveTo(27 + dx * 0.8, 29.5);
        ribs.quadTo(27 + dx * 1.5, 45, 27 + dx * 0.8, 61);
    }
    stroke(p, ribs, QColor(190, 80, 10, 160), 0.8);
    shape(p, rect(24.5, 22, 5, 8, 1.5), QColor(90, 120, 40), 0.6, QColor(40, 60, 10));
    // The carved face, glowing.
    QPainterPath face;
    face.moveTo(15, 42);
    face.lineTo(19.5, 35);
    face.lineTo(23, 42);
    face.closeSubpath();
    face.moveTo(31, 42);
    face.lineTo(34.5, 35);
    face.lineTo(39, 42);
    face.closeSubpath();
    face.moveTo(25, 46);
    face.lineTo(27, 43);
    face.lineTo(29, 46);
    face.closeSubpath();
    face.moveTo(13, 50);
    face.quadTo(27, 62, 41, 50);
    face.lineTo(36, 51.5);
    face.lineTo(34, 54);
    face.lineTo(31, 52.5);
    face.lineTo(27, 55);
    face.lineTo(23, 52.5);
    face.lineTo(20, 54);
    face.lineTo(18, 51.5);
    face.closeSubpath();
    QRadialGradient glow(27, 46, 14);
    glow.setColorAt(0, QColor(255, 250, 170));
    glow.setColorAt(1, QColor(255, 190, 40));
    shape(p, face, glow, 0.7, QColor(90, 30, 0));
    // A bat.
    QPainterPath bat;
    bat.moveTo(27, 10);
    bat.quadTo(22, 6, 14, 8);
    bat.quadTo(17, 10, 16, 13);
    bat.quadTo(20, 11, 23, 14);
    bat.quadTo(25, 12, 27, 14);
    bat.quadTo(29, 12, 31, 14);
    bat.quadTo(34, 11, 38, 13);
    bat.quadTo(37, 10, 40, 8);
    bat.quadTo(32, 6, 27, 10);
    bat.closeSubpath();
    shape(p, bat, QColor(40, 30, 50), 0);
}

// Thanksgiving: the roast turkey on its dish.
void turkey(QPainter& p)
{
    shape(p, ellipse(27, 56, 25, 7), vertical(49, 63, QColor(250, 250, 250), QColor(190, 195, 210)),
          0.7);
    shape(p, ellipse(27, 55, 20, 4.5), QColor(230, 235, 240), 0);
    // Greens round the bird.
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 7; ++k) {
        p.setBrush(k % 2 ? QColor(70, 160, 60) : QColor(50, 130, 50));
        p.drawEllipse(QPointF(9 + k * 6, 55 - (k % 2) * 1.5), 3.2, 2.2);
    }
    QPainterPath bird;
    bird.moveTo(9, 50);
    bird.cubicTo(8, 34, 20, 24, 30, 25);
    bird.cubicTo(42, 26, 47, 38, 45, 50);
    bird.closeSubpath();
    QRadialGradient roast(22, 32, 30);
    roast.setColorAt(0, QColor(250, 190, 100));
    roast.setColorAt(0.5, QColor(210, 120, 45));
    roast.setColorAt(1, QColor(140, 65, 20));
    shape(p, bird, roast, 0.9, QColor(90, 40, 10));
    // The drumsticks with paper frills.
    for (const double s : {-1.0, 1.0}) {
        QPainterPath leg;
        leg.moveTo(27 + s * 8, 40);
        leg.cubicTo(27 + s * 16, 34, 27 + s * 20, 30, 27 + s * 20, 26);
        leg.lineTo(27 + s * 17, 26);
        leg.cubicTo(27 + s * 15, 32, 27 + s * 8, 34, 27 + s * 3, 38);
        leg.closeSubpath();
        shape(p, leg, QColor(200, 110, 40), 0.7, QColor(90, 40, 10));
        shape(p, ellipse(27 + s * 18.5, 23.5, 2.6, 3.2), QColor(250, 250, 245), 0.6,
              QColor(150, 150, 150));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 200, 110));
    p.drawEllipse(QPointF(22, 33), 6, 3);
}

// Easter: a kulich with white icing and coloured eggs.
void easter(QPainter& p)
{
    shadow(p, 27, 64, 24);
    shape(p, rect(13, 28, 24, 30, 2),
          across(13, 37, QColor(170, 100, 40), QColor(225, 160, 80), QColor(150, 85, 30)), 0.8);
    QPainterPath icing;
    icing.moveTo(12, 30);
    icing.cubicTo(12, 16, 38, 16, 38, 30);
    icing.lineTo(38, 32);
    icing.quadTo(36, 36, 34, 32);
    icing.quadTo(31, 38, 28, 32);
    icing.quadTo(25, 37, 22, 32);
    icing.quadTo(18, 37, 16, 32);
    icing.quadTo(13, 35, 12, 32);
    icing.closeSubpath();
    shape(p, icing, vertical(18, 36, QColor(255, 255, 255), QColor(225, 230, 240)), 0.7,
          QColor(140, 140, 160));
    // Sprinkles and the cross letters' place: coloured dots.
    const QColor dots[4] = {QColor(230, 50, 60), QColor(60, 140, 230), QColor(250, 190, 30),
                            QColor(80, 180, 80)};
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 10; ++k) {
        p.setBrush(dots[k % 4]);
        p.drawEllipse(QPointF(16 + (k * 37 % 19), 22 + (k * 13 % 8)), 0.8, 0.8);
    }
    p.fillRect(QRectF(13, 50, 24, 2), QColor(230, 40, 60));
    // The eggs.
    const struct {
        double x, y, a;
        QColor c;
    } eggs[] = {{9, 58, -15, QColor(220, 40, 50)},
                {45, 58, 15, QColor(60, 120, 220)},
                {27, 62, 0, QColor(250, 190, 30)}};
    for (const auto& e : eggs) {
        QTransform t;
        t.translate(e.x, e.y);
        t.rotate(e.a);
        QPainterPath egg;
        egg.moveTo(0, -7.5);
        egg.cubicTo(5, -7.5, 6.5, 2, 5.5, 4);
        egg.cubicTo(4, 7.5, -4, 7.5, -5.5, 4);
        egg.cubicTo(-6.5, 2, -5, -7.5, 0, -7.5);
        const QPainterPath placed = t.map(egg);
        shape(p, placed, ball(placed.boundingRect(), e.c), 0.6, e.c.darker(200));
        p.save();
        p.setClipPath(placed);
        QPainterPath zigzag;
        zigzag.moveTo(-7, 0);
        for (int k = 0; k < 7; ++k) {
            zigzag.lineTo(-6 + 2 * k, k % 2 ? 1.5 : -1);
        }
        stroke(p, t.map(zigzag), QColor(255, 255, 255, 220), 0.9);
        p.restore();
    }
}

// The Orthodox cross: eight ends, the foot-rest slanting down from the
// viewer's left, in gold with a glow.
void orthodoxCross(QPainter& p)
{
    QRadialGradient glow(27, 30, 26);
    glow.setColorAt(0, QColor(255, 240, 170, 220));
    glow.setColorAt(0.6, QColor(255, 220, 120, 90));
    glow.setColorAt(1, QColor(255, 220, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(27, 30), 26, 26);
    rays(p, QPointF(27, 27), 14, 24, 16, QColor(255, 210, 90, 140), 0.8);
    QPainterPath cross;
    cross.setFillRule(Qt::WindingFill);
    cross.addRect(QRectF(24.5, 5, 5, 60));
    cross.addRect(QRectF(19, 12, 16, 3.6));
    cross.addRect(QRectF(11, 22, 32, 4.6));
    QPainterPath foot;
    foot.moveTo(17, 43);
    foot.lineTo(37, 49);
    foot.lineTo(37, 53);
    foot.lineTo(17, 47);
    foot.closeSubpath();
    cross.addPath(foot);
    const QPainterPath whole = cross.simplified();
    shape(p, whole, across(11, 43, QColor(250, 220, 110), QColor(220, 160, 40), QColor(160, 100, 20)),
          0.8, QColor(110, 60, 10));
    p.setPen(QPen(QColor(255, 250, 210, 200), 0.6));
    p.drawLine(QPointF(26, 6), QPointF(26, 63));
}

// The Latin cross of the Catholic feasts, white and gold with rays.
void catholicCross(QPainter& p)
{
    rays(p, QPointF(27, 26), 10, 25, 24, QColor(255, 200, 70, 170), 0.9);
    QRadialGradient glow(27, 26, 20);
    glow.setColorAt(0, QColor(255, 250, 220, 230));
    glow.setColorAt(1, QColor(255, 240, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(27, 26), 20, 20);
    QPainterPath cross;
    cross.setFillRule(Qt::WindingFill);
    cross.addRoundedRect(QRectF(23.5, 5, 7, 60), 1.5, 1.5);
    cross.addRoundedRect(QRectF(11, 19, 32, 7), 1.5, 1.5);
    const QPainterPath whole = cross.simplified();
    shape(p, whole, across(11, 43, QColor(255, 255, 255), QColor(235, 230, 215), QColor(190, 180, 160)),
          1.4, QColor(200, 150, 40));
    p.setPen(QPen(kGold, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(27, 22.5), 4, 4);
}

// Christmas: the star of Bethlehem over two candles and holly.
void christmas(QPainter& p)
{
    // The star with its long lower ray.
    QPainterPath star;
    star.moveTo(27, 2);
    star.lineTo(29.5, 12);
    star.lineTo(39, 14.5);
    star.lineTo(29.5, 17);
    star.lineTo(27, 34);
    star.lineTo(24.5, 17);
    star.lineTo(15, 14.5);
    star.lineTo(24.5, 12);
    star.closeSubpath();
    QRadialGradient glow(27, 14.5, 14);
    glow.setColorAt(0, QColor(255, 255, 230, 200));
    glow.setColorAt(1, QColor(255, 230, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(27, 14.5), 14, 14);
    shape(p, star, ball(star.boundingRect(), QColor(255, 210, 50)), 0.6, QColor(170, 110, 0));
    // Two candles.
    for (const double x : {17.0, 37.0}) {
        const double top = x < 27 ? 38 : 42;
        shape(p, rect(x - 3.5, top, 7, 59 - top, 1),
              across(x - 3.5, x + 3.5, QColor(250, 80, 80), QColor(220, 30, 40), QColor(150, 10, 20)),
              0.6, QColor(100, 0, 10));
        QPainterPath flame;
        flame.moveTo(x, top - 9);
        flame.cubicTo(x + 3, top - 5, x + 2.5, top - 1.5, x, top - 1);
        flame.cubicTo(x - 2.5, top - 1.5, x - 3, top - 5, x, top - 9);
        QRadialGradient fire(x, top - 3, 5);
        fire.setColorAt(0, QColor(255, 255, 220));
        fire.setColorAt(1, QColor(255, 150, 20));
        shape(p, flame, fire, 0);
        line(p, QPointF(x, top), QPointF(x, top - 1.5), kInk, 0.6);
    }
    // A fir garland at the foot, with baubles and a golden bow.
    for (int layer = 0; layer < 2; ++layer) {
        for (int k = 0; k <= 46; ++k) {
            const double x = 4 + k;
            const double y = 60 + 2.2 * std::sin(k * 0.14) - layer * 1.2;
            const double lean = (k % 2 ? 1 : -1) * (2.5 + (k * 7 % 3));
            line(p, QPointF(x, y), QPointF(x + lean * 0.6, y - 3.2 + layer * 1.5),
                 layer ? QColor(60, 150, 70) : QColor(25, 95, 45), 0.9);
            line(p, QPointF(x, y), QPointF(x - lean * 0.5, y + 2.8 - layer),
                 layer ? QColor(50, 135, 60) : QColor(20, 80, 40), 0.9);
        }
    }
    const struct {
        double x, y;
        QColor c;
    } baubles[] = {{9, 63, QColor(220, 30, 40)}, {45, 62, QColor(40, 110, 220)},
                   {20, 64, QColor(240, 190, 40)}, {35, 64, QColor(220, 30, 40)}};
    for (const auto& b : baubles) {
        shape(p, ellipse(b.x, b.y, 2.6, 2.6), ball(QRectF(b.x - 2.6, b.y - 2.6, 5.2, 5.2), b.c), 0.4,
              b.c.darker(200));
    }
    QPainterPath bow;
    bow.moveTo(27, 60);
    bow.cubicTo(22, 55, 19, 59, 22, 62);
    bow.closeSubpath();
    bow.moveTo(27, 60);
    bow.cubicTo(32, 55, 35, 59, 32, 62);
    bow.closeSubpath();
    bow.moveTo(27, 60);
    bow.lineTo(24, 67);
    bow.lineTo(26, 66);
    bow.closeSubpath();
    bow.moveTo(27, 60);
    bow.lineTo(30, 67);
    bow.lineTo(28, 66);
    bow.closeSubpath();
    shape(p, bow, ball(QRectF(19, 55, 16, 12), kGold), 0.5, QColor(140, 90, 10));
}

}  // namespace

std::vector<Picture> holidayPictures()
{
    struct Holiday {
        const char* name;
        void (*draw)(QPainter&);
    };
    static const Holiday kHolidays[] = {
        {"R_NEWYEAR", newYear},     {"R_USAFLAG", usaFlag},       {"R_RUSZNAN", knowledge},
        {"R_RUSORDN", order},       {"R_RUSFLAG", russianFlag},   {"R_LOVE000", love},
        {"R_RUSGEOR", georgeRibbon}, {"R_8MARCH0", womensDay},    {"R_USAPATR", shamrock},
        {"R_1April0", aprilFool},   {"R_1May000", labourDay},     {"R_ISPFLAG", spanishFlag},
        {"R_FRAFLAG", frenchFlag},  {"R_BABY000", children},      {"R_FRAMUS0", music},
        {"R_USA4JUL", fourthOfJuly}, {"R_USAELVI", guitar},       {"R_WAR0000", dove},
        {"R_ALLPROG", programmer},  {"R_OLD0000", olderPersons},  {"R_DEUFLAG", germanFlag},
        {"R_TEACHER", teacher},     {"R_ENGFLAG", englishFlag},   {"R_HALLO00", halloween},
        {"R_USABLAG", turkey},      {"R_PASHA00", easter},        {"R_PRAKRES", orthodoxCross},
        {"R_ROGDEST", christmas},   {"R_KATKRES", catholicCross},
    };
    std::vector<Picture> pictures;
    for (const Holiday& holiday : kHolidays) {
        QImage image = blank(kPictureWidth, kPictureHeight);
        QPainter p(&image);
        prepare(p);
        holiday.draw(p);
        p.end();
        pictures.push_back({QString::fromLatin1(holiday.name), image});
    }
    return pictures;
}

}  // namespace olk::calgen
