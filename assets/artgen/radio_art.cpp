#include "assets/artgen/radio_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace olk::art {
namespace {

constexpr int kOversample = 4;

// The radio's parts in a 146 x 90 design box; every picture scales them.
constexpr double kW = 146;
constexpr double kH = 90;
const QRectF kCase(3, 16, 140, 72);
const QRectF kCloth(12, 25, 70, 54);
const QRectF kDial(90, 26, 46, 26);
const QPointF kLamp(130, 60);
const QPointF kKnobs[2] = {QPointF(98, 71), QPointF(120, 71)};

QImage blank(int w, int h)
{
    QImage image(w * kOversample, h * kOversample, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage reduced(const QImage& big, int w, int h)
{
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

void begin(QPainter& p, int w, int h)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(w * kOversample / kW, h * kOversample / kH);
}

void drawCase(QPainter& p)
{
    // Antenna, behind the case.
    p.setPen(QPen(QColor(150, 150, 160), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(112, 18), QPointF(138, 2));
    p.setBrush(QColor(200, 200, 210));
    p.drawEllipse(QPointF(138, 2), 1.8, 1.8);

    QPainterPath body;
    body.addRoundedRect(kCase, 9, 9);
    QLinearGradient wood(kCase.topLeft(), kCase.bottomLeft());
    wood.setColorAt(0, QColor(176, 104, 52));
    wood.setColorAt(0.5, QColor(138, 74, 32));
    wood.setColorAt(1, QColor(92, 46, 18));
    p.fillPath(body, wood);
    // The grain: a few soft darker streaks.
    p.save();
    p.setClipPath(body);
    for (int i = 0; i < 9; ++i) {
        const double y = kCase.top() + 4 + i * 8.2;
        QPainterPath streak;
        streak.moveTo(kCase.left(), y);
        streak.cubicTo(40, y + 3 * std::sin(i), 100, y - 3 * std::cos(i), kCase.right(), y + 1);
        p.setPen(QPen(QColor(70, 34, 12, 60), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(streak);
    }
    p.restore();
    p.setPen(QPen(QColor(60, 28, 8), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    // Highlight along the top edge.
    p.setPen(QPen(QColor(255, 210, 160, 120), 1.0));
    p.drawLine(QPointF(kCase.left() + 9, kCase.top() + 1.5),
               QPointF(kCase.right() - 9, kCase.top() + 1.5));

    // The speaker cloth in a gold frame.
    QPainterPath cloth;
    cloth.addRoundedRect(kCloth, 6, 6);
    p.fillPath(cloth, QColor(58, 40, 30));
    p.save();
    p.setClipPath(cloth);
    p.setPen(QPen(QColor(96, 72, 54), 0.7));
    for (double x = kCloth.left() - kCloth.height(); x < kCloth.right(); x += 2.6) {
        p.drawLine(QPointF(x, kCloth.bottom()), QPointF(x + kCloth.height(), kCloth.top()));
    }
    p.setPen(QPen(QColor(40, 26, 18), 0.5));
    for (double x = kCloth.left(); x < kCloth.right() + kCloth.height(); x += 2.6) {
        p.drawLine(QPointF(x, kCloth.bottom()), QPointF(x - kCloth.height(), kCloth.top()));
    }
    p.restore();
    p.setPen(QPen(QColor(222, 182, 90), 2.0));
    p.drawPath(cloth);

    // The dial: a cream window with a scale.
    QPainterPath dial;
    dial.addRoundedRect(kDial, 3, 3);
    QLinearGradient cream(kDial.topLeft(), kDial.bottomLeft());
    cream.setColorAt(0, QColor(250, 240, 210));
    cream.setColorAt(1, QColor(222, 206, 168));
    p.fillPath(dial, cream);
    p.setPen(QPen(QColor(80, 60, 40), 0.6));
    for (int i = 0; i <= 12; ++i) {
        const double x = kDial.left() + 4 + i * (kDial.width() - 8) / 12;
        const double len = i % 3 == 0 ? 7 : 4;
        p.drawLine(QPointF(x, kDial.top() + 4), QPointF(x, kDial.top() + 4 + len));
    }
    p.setPen(QPen(QColor(80, 60, 40), 0.5));
    p.drawLine(QPointF(kDial.left() + 4, kDial.bottom() - 7),
               QPointF(kDial.right() - 4, kDial.bottom() - 7));
    // The needle.
    p.setPen(QPen(QColor(200, 20, 20), 1.2));
    p.drawLine(QPointF(kDial.left() + 27, kDial.top() + 2),
               QPointF(kDial.left() + 27, kDial.bottom() - 2));
    p.setPen(QPen(QColor(222, 182, 90), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(dial);

    // Two knobs.
    for (const QPointF& centre : kKnobs) {
        QRadialGradient knob(centre - QPointF(2, 2), 8);
        knob.setColorAt(0, QColor(240, 220, 170));
        knob.setColorAt(0.6, QColor(170, 130, 60));
        knob.setColorAt(1, QColor(90, 60, 20));
        p.setPen(QPen(QColor(50, 30, 10), 0.8));
        p.setBrush(knob);
        p.drawEllipse(centre, 6.5, 6.5);
        p.setPen(QPen(QColor(60, 40, 10), 1.0));
        p.drawLine(centre, centre + QPointF(0, -5));
    }
    // The dark pilot lamp in its bezel.
    p.setPen(QPen(QColor(200, 170, 90), 1.0));
    p.setBrush(QColor(40, 30, 26));
    p.drawEllipse(kLamp, 3.6, 3.6);
}

void drawLamp(QPainter& p, RadioLamp lamp)
{
    if (lamp == RadioLamp::None) {
        return;
    }
    if (lamp == RadioLamp::Grey) {
        // No radio here: the set stands under a grey veil, its lamp dead.
        QPainterPath body;
        body.addRoundedRect(kCase, 9, 9);
        p.fillPath(body, QColor(120, 120, 128, 150));
        p.setPen(QPen(QColor(90, 90, 96), 1.0));
        p.setBrush(QColor(150, 150, 156));
        p.drawEllipse(kLamp, 3.6, 3.6);
        return;
    }
    const QColor core = lamp == RadioLamp::Red ? QColor(255, 60, 40) : QColor(60, 255, 80);
    const QColor halo = lamp == RadioLamp::Red ? QColor(255, 40, 20, 0) : QColor(40, 255, 60, 0);
    QRadialGradient glow(kLamp, 9);
    glow.setColorAt(0, core);
    glow.setColorAt(0.35, QColor(core.red(), core.green(), core.blue(), 200));
    glow.setColorAt(1, halo);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(kLamp, 9, 9);
    p.setBrush(QColor(255, 255, 230));
    p.drawEllipse(kLamp - QPointF(0.8, 0.8), 1.0, 1.0);
    if (lamp == RadioLamp::Green) {
        // A set that plays lights its dial and seems to sound.
        QPainterPath dial;
        dial.addRoundedRect(kDial.adjusted(1, 1, -1, -1), 3, 3);
        p.fillPath(dial, QColor(255, 230, 90, 90));
        p.setPen(QPen(QColor(255, 240, 140, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            const double r = 5 + i * 4;
            p.drawArc(QRectF(10 - r, 20 - r, 2 * r, 2 * r), 200 * 16, -110 * 16);
        }
    }
}

}  // namespace

QImage renderRadioSet(int w, int h, RadioLamp lamp)
{
    QImage big = blank(w, h);
    {
        QPainter p(&big);
        begin(p, w, h);
        drawCase(p);
        drawLamp(p, lamp);
    }
    return reduced(big, w, h);
}

QImage renderRadioLamp(int w, int h, RadioLamp lamp)
{
    QImage big = blank(w, h);
    {
        QPainter p(&big);
        begin(p, w, h);
        drawLamp(p, lamp);
    }
    return reduced(big, w, h);
}

bool makeRadioArt(const std::function<bool(const QImage&, const QString&)>& save)
{
    return save(renderRadioSet(146, 90, RadioLamp::None), QStringLiteral("GRadioA")) &&
           save(renderRadioLamp(146, 90, RadioLamp::Grey), QStringLiteral("GRadioB")) &&
           save(renderRadioLamp(146, 90, RadioLamp::Red), QStringLiteral("GRadioR")) &&
           save(renderRadioLamp(146, 90, RadioLamp::Green), QStringLiteral("GRadioG"));
}

}  // namespace olk::art
