// The blank tear-off page and the twelve signs of the zodiac.

#include <QLinearGradient>
#include <QRadialGradient>

#include "assets/calgen/calgen.h"

namespace olk::calgen {

namespace {

QImage basePage()
{
    QImage page = blank(60, 100);
    QPainter p(&page);
    prepare(p);
    p.setPen(Qt::NoPen);
    // A soft shadow to the lower right.
    for (int k = 3; k >= 1; --k) {
        p.setBrush(QColor(0, 0, 0, 30));
        p.drawRoundedRect(QRectF(k * 0.7, k * 0.9, 58.5, 98), 3, 3);
    }
    const QRectF paper(0, 0, 58, 97);
    QLinearGradient sheet(0, 0, 0, 97);
    sheet.setColorAt(0, QColor(255, 254, 248));
    sheet.setColorAt(1, QColor(242, 236, 220));
    p.setBrush(sheet);
    p.setPen(QPen(QColor(170, 160, 140), 0.8));
    p.drawRoundedRect(paper.adjusted(0.4, 0.4, -0.4, -0.4), 2.5, 2.5);
    // The bound top in red, with its highlight.
    QPainterPath band;
    band.setFillRule(Qt::WindingFill);
    band.addRoundedRect(QRectF(0.4, 0.4, 57.2, 18), 2.5, 2.5);
    band.addRect(QRectF(0.4, 10, 57.2, 8.4));
    QLinearGradient red(0, 0, 0, 18);
    red.setColorAt(0, QColor(225, 60, 50));
    red.setColorAt(0.5, QColor(190, 25, 25));
    red.setColorAt(1, QColor(130, 10, 15));
    p.setPen(Qt::NoPen);
    p.fillPath(band.simplified(), red);
    p.fillRect(QRectF(2, 2.5, 54, 1), QColor(255, 255, 255, 70));
    // A golden line under the band and the perforation where pages tear off.
    p.fillRect(QRectF(0.4, 18.4, 57.2, 1.2), QColor(215, 170, 60));
    p.setBrush(QColor(180, 170, 150));
    for (int x = 3; x < 57; x += 3) {
        p.drawEllipse(QPointF(x, 21.2), 0.55, 0.55);
    }
    // Two rings through the band.
    for (const double x : {15.0, 43.0}) {
        p.setBrush(QColor(60, 10, 10));
        p.drawEllipse(QPointF(x, 9.5), 2.4, 2.4);
        QLinearGradient metal(x - 2, 0, x + 2, 0);
        metal.setColorAt(0, QColor(120, 120, 130));
        metal.setColorAt(0.5, QColor(245, 245, 250));
        metal.setColorAt(1, QColor(110, 110, 120));
        p.setPen(QPen(QBrush(metal), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 2.6, 1.0, 5.2, 10.6), 0, 180 * 16);
        p.setPen(Qt::NoPen);
    }
    // The lower corner curls up a little.
    QPainterPath fold;
    fold.moveTo(57.6, 89);
    fold.quadTo(52.5, 91, 50, 96.6);
    fold.quadTo(55, 93.5, 57.6, 89);
    QLinearGradient under(50, 97, 58, 89);
    under.setColorAt(0, QColor(215, 205, 185));
    under.setColorAt(1, QColor(250, 245, 235));
    p.setBrush(under);
    p.setPen(QPen(QColor(160, 150, 130), 0.5));
    p.drawPath(fold);
    return page;
}

// The glyphs of the signs, as strokes in a box from -8 to 8.
QPainterPath signGlyph(int sign)
{
    QPainterPath g;
    switch (sign) {
    case 0:  // Aries: the ram's horns
        g.moveTo(0, 8);
        g.lineTo(0, -2);
        g.cubicTo(0, -9, -8, -9, -7.5, -3.5);
        g.cubicTo(-7.2, -1, -5, -0.5, -4, -1);
        g.moveTo(0, -2);
        g.cubicTo(0, -9, 8, -9, 7.5, -3.5);
        g.cubicTo(7.2, -1, 5, -0.5, 4, -1);
        break;
    case 1:  // Taurus: the head and horns
        g.addEllipse(QPointF(0, 3), 4.6, 4.6);
        g.moveTo(-7.5, -7);
        g.cubicTo(-6, -2.5, -3, -1.6, 0, -1.6);
        g.cubicTo(3, -1.6, 6, -2.5, 7.5, -7);
        break;
    case 2:  // Gemini: the twins
        g.moveTo(-7, -7);
        g.quadTo(0, -4.5, 7, -7);
        g.moveTo(-7, 7);
        g.quadTo(0, 4.5, 7, 7);
        g.moveTo(-3, -5.6);
        g.lineTo(-3, 5.6);
        g.moveTo(3, -5.6);
        g.lineTo(3, 5.6);
        break;
    case 3:  // Cancer: two claws
        g.addEllipse(QPointF(-3.8, -2.6), 2.4, 2.4);
        g.moveTo(-3.8, -5);
        g.cubicTo(1, -7.5, 6, -6, 7.5, -3);
        g.addEllipse(QPointF(3.8, 2.6), 2.4, 2.4);
        g.moveTo(3.8, 5);
        g.cubicTo(-1, 7.5, -6, 6, -7.5, 3);
        break;
    case 4:  // Leo: the mane and tail
        g.addEllipse(QPointF(-4, 3), 3, 3);
        g.moveTo(-1.2, 2);
        g.cubicTo(-3, -3, -1, -8, 3, -7.5);
        g.cubicTo(7, -7, 6.5, -2, 4, 2);
        g.cubicTo(2, 5, 3, 8, 7.5, 6.5);
        break;
    case 5:  // Virgo
        g.moveTo(-7.5, -5);
        g.quadTo(-5.5, -7, -4.5, -4.5);
        g.lineTo(-4.5, 7);
        g.moveTo(-4.5, -3.5);
        g.quadTo(-2.5, -7, -0.5, -4);
        g.lineTo(-0.5, 7);
        g.moveTo(-0.5, -3.5);
        g.quadTo(1.5, -7, 3.5, -4);
        g.lineTo(3.5, 3);
        g.cubicTo(3.5, 7, 6, 8, 7.5, 3);
        g.cubicTo(8, 0, 5.5, 1, 3.5, 6.5);
        g.lineTo(2.5, 8);
        break;
    case 6:  // Libra: the scales
        g.moveTo(-7.5, 6.5);
        g.lineTo(7.5, 6.5);
        g.moveTo(-7.5, 2.5);
        g.lineTo(-3.3, 2.5);
        g.cubicTo(-5.5, -0.5, -4.5, -6, 0, -6);
        g.cubicTo(4.5, -6, 5.5, -0.5, 3.3, 2.5);
        g.lineTo(7.5, 2.5);
        break;
    case 7:  // Scorpio: the sting
        g.moveTo(-7.5, -5);
        g.quadTo(-5.5, -7, -4.5, -4.5);
        g.lineTo(-4.5, 6);
        g.moveTo(-4.5, -3.5);
        g.quadTo(-2.5, -7, -0.5, -4);
        g.lineTo(-0.5, 6);
        g.moveTo(-0.5, -3.5);
        g.quadTo(1.5, -7, 3.5, -4);
        g.lineTo(3.5, 4);
        g.quadTo(3.5, 6.5, 6.5, 6.5);
        g.moveTo(5, 4.5);
        g.lineTo(7.5, 6.5);
        g.lineTo(5, 8.5);
        break;
    case 8:  // Sagittarius: the arrow
        g.moveTo(-7, 7);
        g.lineTo(7, -7);
        g.moveTo(0.5, -7);
        g.lineTo(7, -7);
        g.lineTo(7, -0.5);
        g.moveTo(-5.5, -1);
        g.lineTo(1, 5.5);
        break;
    case 9:  // Capricorn: the sea-goat
        g.moveTo(-7.5, -6);
        g.quadTo(-5.5, -7.5, -4.5, -5);
        g.lineTo(-2, 5);
        g.lineTo(0.5, -4.5);
        g.quadTo(1.5, -7.5, 3, -4);
        g.lineTo(3, 4);
        g.cubicTo(3, 8, 8, 8, 7.8, 4.2);
        g.cubicTo(7.5, 1, 3.5, 1.5, 3, 4);
        g.cubicTo(2.5, 6.5, 1, 8, -1, 8);
        break;
    case 10:  // Aquarius: the waters
        for (const double y : {-2.8, 3.2}) {
            g.moveTo(-7.5, y + 1.5);
            for (int k = 0; k < 4; ++k) {
                const double x = -7.5 + 3.75 * k;
                g.lineTo(x + 1.9, y - 1.5);
                g.lineTo(x + 3.75, y + 1.5);
            }
        }
        break;
    case 11:  // Pisces: the two fishes
        g.moveTo(-6.5, -7.5);
        g.quadTo(-2.5, 0, -6.5, 7.5);
        g.moveTo(6.5, -7.5);
        g.quadTo(2.5, 0, 6.5, 7.5);
        g.moveTo(-6, 0);
        g.lineTo(6, 0);
        break;
    default:
        break;
    }
    return g;
}

QImage signPicture(int sign)
{
    // The elements in turn: fire, earth, air, water.
    static const QColor kElements[4] = {QColor(214, 70, 30), QColor(70, 140, 50),
                                        QColor(80, 120, 220), QColor(30, 90, 160)};
    const QColor colour = kElements[sign % 4];
    QImage picture = blank(kSignSize, kSignSize);
    QPainter p(&picture);
    prepare(p);
    const QRectF disc(0.8, 0.8, 24.4, 24.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(disc.translated(0.6, 0.8));
    QLinearGradient rim(0, 0, 26, 26);
    rim.setColorAt(0, QColor(255, 225, 120));
    rim.setColorAt(0.5, QColor(200, 150, 40));
    rim.setColorAt(1, QColor(150, 100, 20));
    p.setBrush(rim);
    p.drawEllipse(disc);
    p.setBrush(ball(disc.adjusted(1.6, 1.6, -1.6, -1.6), colour));
    p.drawEllipse(disc.adjusted(1.6, 1.6, -1.6, -1.6));
    p.translate(13, 13);
    p.setBrush(Qt::NoBrush);
    const QPainterPath glyph = signGlyph(sign);
    p.setPen(QPen(QColor(0, 0, 0, 90), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(glyph.translated(0.4, 0.6));
    p.setPen(QPen(QColor(255, 250, 235), 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(glyph);
    return picture;
}

}  // namespace

std::vector<Picture> pagePictures()
{
    std::vector<Picture> pictures;
    pictures.push_back({QStringLiteral("R_BASE"), basePage()});
    for (int sign = 0; sign < 12; ++sign) {
        pictures.push_back(
            {QStringLiteral("R_%1").arg(sign + 1, 2, 10, QLatin1Char('0')), signPicture(sign)});
    }
    return pictures;
}

}  // namespace olk::calgen
