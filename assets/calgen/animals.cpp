// The twelve animals of the year cycle: each head on a red medallion with a
// golden rim.

#include <QLinearGradient>
#include <QRadialGradient>

#include "assets/calgen/calgen.h"

namespace olk::calgen {

namespace {

const QColor kInk(40, 25, 20);

void shape(QPainter& p, const QPainterPath& path, const QColor& fill, double outline = 0.9)
{
    p.setBrush(ball(path.boundingRect(), fill));
    p.setPen(QPen(kInk, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QPainterPath ellipse(double cx, double cy, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

void eye(QPainter& p, double x, double y, double r = 1.9)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(x, y), r, r * 1.1);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x - r * 0.35, y - r * 0.4), r * 0.38, r * 0.38);
}

void eyes(QPainter& p, double y, double gap, double r = 1.9)
{
    eye(p, 27 - gap, y, r);
    eye(p, 27 + gap, y, r);
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QPainterPath mirrored(const QPainterPath& left)
{
    QTransform flip(-1, 0, 0, 1, 54, 0);
    return left.united(flip.map(left));
}

void medallion(QPainter& p)
{
    const QRectF disc(1, 9, 52, 52);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(disc.translated(0.8, 1.2));
    QLinearGradient rim(0, 9, 54, 61);
    rim.setColorAt(0, QColor(255, 228, 130));
    rim.setColorAt(0.5, QColor(205, 155, 45));
    rim.setColorAt(1, QColor(140, 95, 20));
    p.setBrush(rim);
    p.drawEllipse(disc);
    QRadialGradient lacquer(22, 26, 34);
    lacquer.setColorAt(0, QColor(235, 70, 55));
    lacquer.setColorAt(0.7, QColor(175, 20, 25));
    lacquer.setColorAt(1, QColor(120, 5, 15));
    p.setBrush(lacquer);
    p.drawEllipse(disc.adjusted(2.2, 2.2, -2.2, -2.2));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 190, 80, 160), 0.6, Qt::DashLine));
    p.drawEllipse(disc.adjusted(4, 4, -4, -4));
}

void rat(QPainter& p)
{
    const QColor grey(150, 150, 160);
    shape(p, ellipse(14, 24, 8, 8), grey);
    shape(p, ellipse(40, 24, 8, 8), grey);
    shape(p, ellipse(14, 24, 4.5, 4.5), QColor(240, 170, 180), 0.5);
    shape(p, ellipse(40, 24, 4.5, 4.5), QColor(240, 170, 180), 0.5);
    QPainterPath head;
    head.moveTo(27, 53);
    head.cubicTo(20, 50, 14, 40, 15, 33);
    head.cubicTo(16, 24, 38, 24, 39, 33);
    head.cubicTo(40, 40, 34, 50, 27, 53);
    shape(p, head, grey);
    eyes(p, 36, 5.5);
    shape(p, ellipse(27, 51, 2.2, 1.7), QColor(230, 120, 140), 0.6);
    QPainterPath whiskers;
    for (const double s : {-1.0, 1.0}) {
        whiskers.moveTo(27 + s * 4, 48);
        whiskers.lineTo(27 + s * 14, 45);
        whiskers.moveTo(27 + s * 4, 49.5);
        whiskers.lineTo(27 + s * 14, 50);
    }
    stroke(p, whiskers, QColor(250, 250, 250), 0.6);
}

void ox(QPainter& p)
{
    QPainterPath horn;
    horn.moveTo(18, 26);
    horn.cubicTo(10, 26, 5, 20, 6, 13);
    horn.cubicTo(9, 18, 14, 20, 20, 21);
    horn.closeSubpath();
    shape(p, mirrored(horn), QColor(245, 235, 210));
    QPainterPath ear;
    ear.addEllipse(QPointF(11, 30), 6, 3.2);
    shape(p, mirrored(ear), QColor(120, 70, 35));
    QPainterPath head;
    head.addRoundedRect(QRectF(15, 19, 24, 30), 10, 10);
    shape(p, head, QColor(130, 75, 35));
    shape(p, ellipse(27, 49, 10, 7), QColor(225, 170, 140));
    eyes(p, 32, 6);
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(23.5, 49), 1.4, 1.8);
    p.drawEllipse(QPointF(30.5, 49), 1.4, 1.8);
    QPainterPath ring;
    ring.addEllipse(QPointF(27, 55), 3, 2.5);
    stroke(p, ring, QColor(230, 190, 70), 1.1);
}

void tiger(QPainter& p)
{
    const QColor orange(240, 140, 30);
    QPainterPath ear;
    ear.addEllipse(QPointF(14, 19), 5.5, 5.5);
    shape(p, mirrored(ear), orange);
    QPainterPath head = ellipse(27, 35, 17, 15.5);
    shape(p, head, orange);
    // White cheeks and muzzle.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 248, 235));
    p.drawEllipse(QPointF(21.5, 42), 7, 6);
    p.drawEllipse(QPointF(32.5, 42), 7, 6);
    QPainterPath stripes;
    for (const double s : {-1.0, 1.0}) {
        stripes.moveTo(27 + s * 16, 30);
        stripes.lineTo(27 + s * 11, 32);
        stripes.moveTo(27 + s * 16.5, 36);
        stripes.lineTo(27 + s * 12, 36.5);
    }
    stripes.moveTo(27, 21);
    stripes.lineTo(27, 26);
    stripes.moveTo(22, 22);
    stripes.lineTo(23.5, 26);
    stripes.moveTo(32, 22);
    stripes.lineTo(30.5, 26);
    stroke(p, stripes, kInk, 1.6);
    eyes(p, 32, 6, 1.8);
    QPainterPath nose;
    nose.moveTo(24.5, 38.5);
    nose.lineTo(29.5, 38.5);
    nose.lineTo(27, 41.5);
    nose.closeSubpath();
    shape(p, nose, QColor(220, 100, 110), 0.6);
    QPainterPath mouth;
    mouth.moveTo(27, 41.5);
    mouth.quadTo(25, 45, 22.5, 43.5);
    mouth.moveTo(27, 41.5);
    mouth.quadTo(29, 45, 31.5, 43.5);
    stroke(p, mouth, kInk, 0.8);
}

void rabbit(QPainter& p)
{
    const QColor white(245, 245, 245);
    for (const double s : {-1.0, 1.0}) {
        QPainterPath ear;
        ear.addEllipse(QPointF(27 + s * 6.5, 20), 4.2, 11);
        QTransform tilt;
        tilt.translate(27 + s * 6.5, 30);
        tilt.rotate(s * 12);
        tilt.translate(-(27 + s * 6.5), -30);
        shape(p, tilt.map(ear), white);
        QPainterPath inner;
        inner.addEllipse(QPointF(27 + s * 6.5, 20), 2, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 170, 185));
        p.drawPath(tilt.map(inner));
    }
    shape(p, ellipse(27, 42, 14, 12.5), white);
    eyes(p, 40, 5.5);
    shape(p, ellipse(27, 46, 1.8, 1.3), QColor(240, 130, 150), 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 170, 180, 150));
    p.drawEllipse(QPointF(18.5, 46), 2.5, 1.6);
    p.drawEllipse(QPointF(35.5, 46), 2.5, 1.6);
    QPainterPath mouth;
    mouth.moveTo(27, 47.3);
    mouth.quadTo(25.5, 50, 23.5, 49);
    mouth.moveTo(27, 47.3);
    mouth.quadTo(28.5, 50, 30.5, 49);
    stroke(p, mouth, kInk, 0.7);
}

void dragon(QPainter& p)
{
    const QColor green(40, 160, 80);
    QPainterPath horn;
    horn.moveTo(19, 24);
    horn.cubicTo(14, 18, 12, 14, 8, 13);
    horn.cubicTo(13, 12, 18, 16, 23, 22);
    horn.closeSubpath();
    shape(p, mirrored(horn), QColor(240, 200, 80));
    QPainterPath head;
    head.moveTo(15, 30);
    head.cubicTo(15, 20, 39, 20, 39, 30);
    head.lineTo(40, 44);
    head.cubicTo(40, 53, 14, 53, 14, 44);
    head.closeSubpath();
    shape(p, head, green);
    // The golden whiskers and the mane.
    QPainterPath whiskers;
    whiskers.moveTo(16, 46);
    whiskers.cubicTo(8, 46, 8, 54, 4, 52);
    whiskers.moveTo(38, 46);
    whiskers.cubicTo(46, 46, 46, 54, 50, 52);
    stroke(p, whiskers, QColor(250, 210, 80), 1.5);
    QPainterPath brows;
    brows.moveTo(18, 30);
    brows.lineTo(24, 32);
    brows.moveTo(36, 30);
    brows.lineTo(30, 32);
    stroke(p, brows, QColor(20, 80, 40), 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 60));
    p.drawEllipse(QPointF(21, 35), 2.6, 2.2);
    p.drawEllipse(QPointF(33, 35), 2.6, 2.2);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(21, 35), 0.8, 1.9);
    p.drawEllipse(QPointF(33, 35), 0.8, 1.9);
    p.setBrush(QColor(20, 90, 45));
    p.drawEllipse(QPointF(23, 45), 1.4, 1);
    p.drawEllipse(QPointF(31, 45), 1.4, 1);
    QPainterPath mouth;
    mouth.moveTo(19, 48.5);
    mouth.quadTo(27, 52, 35, 48.5);
    stroke(p, mouth, kInk, 0.9);
}

void snake(QPainter& p)
{
    const QColor green(120, 190, 60);
    QPainterPath body;
    body.moveTo(10, 52);
    body.cubicTo(10, 44, 44, 48, 44, 40);
    body.cubicTo(44, 32, 14, 36, 16, 28);
    body.cubicTo(17, 23, 24, 22, 27, 22);
    QPainterPathStroker stroker;
    stroker.setWidth(7);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath outline = stroker.createStroke(body).simplified();
    shape(p, outline, green);
    stroke(p, body, QColor(230, 240, 120), 1.4);
    QPainterPath head = ellipse(31, 20, 7.5, 5.5);
    shape(p, head, green);
    eye(p, 33, 18.5, 1.4);
    QPainterPath tongue;
    tongue.moveTo(38, 21);
    tongue.lineTo(42.5, 22.5);
    tongue.lineTo(44.5, 21.2);
    tongue.moveTo(42.5, 22.5);
    tongue.lineTo(44.5, 24);
    stroke(p, tongue, QColor(220, 30, 40), 0.8);
}

void horse(QPainter& p)
{
    const QColor brown(150, 85, 40);
    QPainterPath mane;
    mane.moveTo(24, 14);
    mane.cubicTo(12, 16, 10, 30, 12, 48);
    mane.lineTo(20, 40);
    mane.closeSubpath();
    shape(p, mane, QColor(60, 35, 20));
    QPainterPath head;
    head.moveTo(22, 14);
    head.lineTo(25, 18);
    head.cubicTo(34, 20, 42, 32, 45, 42);
    head.cubicTo(47, 48, 42, 52, 38, 50);
    head.cubicTo(34, 48, 30, 44, 26, 46);
    head.lineTo(18, 54);
    head.lineTo(16, 36);
    head.cubicTo(16, 26, 18, 20, 22, 14);
    head.closeSubpath();
    shape(p, head, brown);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 240));
    QPainterPath blaze;
    blaze.moveTo(29, 24);
    blaze.quadTo(38, 34, 41, 44);
    blaze.quadTo(36, 36, 29, 24);
    p.drawPath(blaze);
    eye(p, 29, 29, 1.7);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(42, 45), 1.2, 1.6);
    QPainterPath bridle;
    bridle.moveTo(26, 32);
    bridle.lineTo(40, 40);
    bridle.lineTo(33, 47);
    stroke(p, bridle, QColor(200, 40, 40), 1.3);
}

void goat(QPainter& p)
{
    QPainterPath horn;
    horn.moveTo(22, 24);
    horn.cubicTo(18, 14, 10, 12, 8, 18);
    horn.cubicTo(9, 15, 15, 16, 19, 26);
    horn.closeSubpath();
    shape(p, mirrored(horn), QColor(190, 170, 130));
    QPainterPath ear;
    ear.addEllipse(QPointF(12, 30), 6.5, 2.8);
    shape(p, mirrored(ear), QColor(240, 235, 225));
    QPainterPath head;
    head.moveTo(27, 52);
    head.cubicTo(20, 52, 17, 38, 17, 30);
    head.cubicTo(17, 21, 37, 21, 37, 30);
    head.cubicTo(37, 38, 34, 52, 27, 52);
    shape(p, head, QColor(245, 240, 230));
    QPainterPath beard;
    beard.moveTo(23.5, 50);
    beard.quadTo(27, 60, 30.5, 50);
    shape(p, beard, QColor(225, 220, 210));
    eyes(p, 33, 5, 1.7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 150, 150));
    p.drawEllipse(QPointF(25, 46), 1, 0.8);
    p.drawEllipse(QPointF(29, 46), 1, 0.8);
}

void monkey(QPainter& p)
{
    const QColor brown(130, 80, 45);
    const QColor face(240, 200, 160);
    shape(p, ellipse(11, 36, 6, 6.5), brown);
    shape(p, ellipse(43, 36, 6, 6.5), brown);
    shape(p, ellipse(11, 36, 3.5, 4), face, 0.5);
    shape(p, ellipse(43, 36, 3.5, 4), face, 0.5);
    shape(p, ellipse(27, 35, 15, 16), brown);
    QPainterPath mask;
    mask.setFillRule(Qt::WindingFill);
    mask.addEllipse(QPointF(22, 33), 6, 6.5);
    mask.addEllipse(QPointF(32, 33), 6, 6.5);
    mask.addEllipse(QPointF(27, 43), 9.5, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawPath(mask.simplified());
    eyes(p, 33.5, 4.8, 1.8);
    p.setBrush(QColor(110, 70, 40));
    p.drawEllipse(QPointF(25.6, 40.5), 0.8, 0.6);
    p.drawEllipse(QPointF(28.4, 40.5), 0.8, 0.6);
    QPainterPath smile;
    smile.moveTo(22, 44);
    smile.quadTo(27, 48.5, 32, 44);
    stroke(p, smile, kInk, 0.9);
    QPainterPath hair;
    hair.moveTo(24, 20);
    hair.quadTo(27, 16, 29, 20.5);
    stroke(p, hair, QColor(90, 50, 25), 1.5);
}

void rooster(QPainter& p)
{
    QPainterPath tail;
    tail.moveTo(18, 42);
    tail.cubicTo(8, 40, 6, 26, 12, 20);
    tail.cubicTo(12, 28, 16, 32, 20, 34);
    tail.closeSubpath();
    shape(p, tail, QColor(30, 110, 90));
    QPainterPath tail2;
    tail2.moveTo(18, 44);
    tail2.cubicTo(6, 46, 4, 34, 7, 28);
    tail2.cubicTo(9, 36, 14, 38, 20, 39);
    tail2.closeSubpath();
    shape(p, tail2, QColor(200, 80, 30));
    QPainterPath body;
    body.moveTo(17, 40);
    body.cubicTo(16, 52, 38, 56, 40, 42);
    body.cubicTo(41, 36, 39, 30, 36, 26);
    body.lineTo(30, 30);
    body.cubicTo(25, 34, 18, 34, 17, 40);
    body.closeSubpath();
    shape(p, body, QColor(230, 120, 40));
    QPainterPath wing;
    wing.moveTo(22, 41);
    wing.cubicTo(26, 37, 33, 39, 34, 44);
    wing.cubicTo(30, 48, 24, 47, 22, 41);
    shape(p, wing, QColor(180, 70, 30), 0.6);
    shape(p, ellipse(36, 24, 6, 6.5), QColor(240, 140, 50));
    QPainterPath comb;
    comb.moveTo(31, 20);
    comb.quadTo(31, 14, 34, 16);
    comb.quadTo(35, 12, 38, 15);
    comb.quadTo(41, 13, 41, 19);
    comb.closeSubpath();
    shape(p, comb, QColor(225, 30, 40), 0.6);
    QPainterPath beak;
    beak.moveTo(41.5, 23);
    beak.lineTo(46.5, 25);
    beak.lineTo(41.5, 26.5);
    beak.closeSubpath();
    shape(p, beak, QColor(250, 200, 40), 0.6);
    shape(p, ellipse(41, 29.5, 1.8, 2.6), QColor(225, 30, 40), 0.5);
    eye(p, 37.5, 22.5, 1.3);
    QPainterPath legs;
    legs.moveTo(26, 52);
    legs.lineTo(25, 57);
    legs.moveTo(31, 52);
    legs.lineTo(32, 57);
    legs.moveTo(23, 57.5);
    legs.lineTo(27, 57.5);
    legs.moveTo(30, 57.5);
    legs.lineTo(34, 57.5);
    stroke(p, legs, QColor(240, 180, 40), 1.3);
}

void dog(QPainter& p)
{
    const QColor tan(215, 160, 95);
    QPainterPath ear;
    ear.moveTo(16, 22);
    ear.cubicTo(8, 22, 6, 36, 9, 44);
    ear.cubicTo(12, 46, 16, 40, 18, 30);
    ear.closeSubpath();
    shape(p, mirrored(ear), QColor(120, 70, 35));
    QPainterPath head;
    head.moveTo(27, 20);
    head.cubicTo(38, 20, 40, 30, 39, 38);
    head.cubicTo(38, 48, 34, 53, 27, 53);
    head.cubicTo(20, 53, 16, 48, 15, 38);
    head.cubicTo(14, 30, 16, 20, 27, 20);
    shape(p, head, tan);
    shape(p, ellipse(27, 45, 8, 6.5), QColor(250, 235, 210), 0.5);
    eyes(p, 34, 5.5);
    shape(p, ellipse(27, 42.5, 3, 2.2), kInk, 0.4);
    QPainterPath mouth;
    mouth.moveTo(27, 44.7);
    mouth.lineTo(27, 47);
    mouth.moveTo(23, 47);
    mouth.quadTo(27, 50, 31, 47);
    stroke(p, mouth, kInk, 0.8);
    shape(p, ellipse(27, 50.8, 2, 2.6), QColor(235, 90, 110), 0.5);
}

void pig(QPainter& p)
{
    const QColor pink(250, 175, 185);
    QPainterPath ear;
    ear.moveTo(13, 26);
    ear.lineTo(10, 14);
    ear.lineTo(22, 21);
    ear.closeSubpath();
    shape(p, mirrored(ear), pink);
    shape(p, ellipse(27, 37, 16.5, 15), pink);
    shape(p, ellipse(27, 42, 7, 5), QColor(245, 140, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 60, 80));
    p.drawEllipse(QPointF(24.6, 42), 1.3, 1.9);
    p.drawEllipse(QPointF(29.4, 42), 1.3, 1.9);
    p.setBrush(QColor(255, 120, 140, 140));
    p.drawEllipse(QPointF(16, 41), 2.8, 1.8);
    p.drawEllipse(QPointF(38, 41), 2.8, 1.8);
    eyes(p, 33, 6, 1.7);
    QPainterPath smile;
    smile.moveTo(23, 48.5);
    smile.quadTo(27, 50.5, 31, 48.5);
    stroke(p, smile, kInk, 0.8);
}

}  // namespace

std::vector<Picture> animalPictures()
{
    struct Animal {
        const char* name;
        void (*draw)(QPainter&);
    };
    static const Animal kAnimals[12] = {
        {"R_VOSKRIS", rat},    {"R_VOSBULL", ox},      {"R_VOSTIGR", tiger},
        {"R_VOSRABB", rabbit}, {"R_VOSDRAG", dragon},  {"R_VOSSNAK", snake},
        {"R_VOSHORS", horse},  {"R_VOSKOZA", goat},    {"R_VOSMONK", monkey},
        {"R_VOSPETU", rooster}, {"R_VOSDOG0", dog},    {"R_VOSPIG0", pig}};
    std::vector<Picture> pictures;
    for (const Animal& animal : kAnimals) {
        QImage image = blank(kPictureWidth, kPictureHeight);
        QPainter p(&image);
        prepare(p);
        medallion(p);
        animal.draw(p);
        p.end();
        pictures.push_back({QString::fromLatin1(animal.name), image});
    }
    return pictures;
}

}  // namespace olk::calgen
