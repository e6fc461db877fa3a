// The purple design of "TevCGraph1.dll": the velvet table, the dialogs'
// backgrounds, their animated icons, the menu's animations of the weekdays
// and the salute at the mouse.

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

#include "assets/artkit/artkit.h"
#include "assets/graphgen/backgrounds.h"
#include "assets/graphgen/parts.h"

namespace olk::graphgen {
namespace {

using art::canvas;
using art::renderStrip;

const QColor kGold(232, 196, 112);
const QColor kDeepGold(150, 104, 34);
const QColor kLilac(196, 140, 232);
const QColor kPurple(104, 34, 140);
const QColor kNight(24, 8, 32);

QColor withAlpha(QColor c, double alpha)
{
    c.setAlphaF(static_cast<float>(clamp01(alpha)));
    return c;
}

// ---------------------------------------------------------------- cards

// A purple back: a gold lattice on violet inside a white margin.
void drawBack(QPainter& p, const QRectF& r)
{
    const double radius = r.width() * 0.08;
    p.save();
    p.setPen(QPen(QColor(50, 30, 60), 1));
    p.setBrush(QColor(250, 246, 252));
    p.drawRoundedRect(r, radius, radius);
    const double m = r.width() * 0.08;
    const QRectF panel = r.adjusted(m, m, -m, -m);
    QLinearGradient fill(panel.topLeft(), panel.bottomRight());
    fill.setColorAt(0, QColor(130, 50, 170));
    fill.setColorAt(1, QColor(60, 14, 84));
    QPainterPath shape;
    shape.addRoundedRect(panel, radius * 0.6, radius * 0.6);
    p.fillPath(shape, fill);
    p.setClipPath(shape);
    p.setPen(QPen(withAlpha(kGold, 0.55), std::max(0.8, r.width() / 50)));
    const double step = r.width() / 6;
    for (double d = -panel.height(); d < panel.width() + panel.height(); d += step) {
        p.drawLine(panel.topLeft() + QPointF(d, 0),
                   panel.topLeft() + QPointF(d + panel.height(), panel.height()));
        p.drawLine(panel.topLeft() + QPointF(d, panel.height()),
                   panel.topLeft() + QPointF(d + panel.height(), 0));
    }
    p.setClipping(false);
    p.setPen(QPen(kGold, std::max(1.0, r.width() / 40)));
    p.setBrush(QColor(70, 20, 96));
    p.drawEllipse(panel.center(), panel.width() * 0.22, panel.width() * 0.22);
    p.setPen(Qt::NoPen);
    p.save();
    p.translate(panel.center());
    p.fillPath(suitPath(Suit::Spades, panel.width() * 0.26), kGold);
    p.restore();
    p.restore();
}

// A face: the rank in two corners and a large suit in the middle.
void drawFace(QPainter& p, const QRectF& r, const QString& rank, Suit suit)
{
    const double radius = r.width() * 0.08;
    p.save();
    p.setPen(QPen(QColor(60, 50, 70), 1));
    p.setBrush(QColor(255, 253, 248));
    p.drawRoundedRect(r, radius, radius);
    const QColor ink = isRed(suit) ? QColor(200, 20, 40) : QColor(24, 20, 30);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(std::max(6, static_cast<int>(r.width() * 0.22)));
    p.setFont(font);
    p.setPen(ink);
    const QRectF corner(r.left() + r.width() * 0.04, r.top() + r.width() * 0.04, r.width() * 0.26,
                        r.width() * 0.26);
    p.drawText(corner, Qt::AlignCenter, rank);
    p.save();
    p.translate(corner.center() + QPointF(0, corner.height() * 0.85));
    p.fillPath(suitPath(suit, r.width() * 0.15), ink);
    p.restore();
    p.save();
    p.translate(r.center());
    p.rotate(180);
    p.translate(-r.center());
    p.drawText(corner, Qt::AlignCenter, rank);
    p.translate(corner.center() + QPointF(0, corner.height() * 0.85));
    p.fillPath(suitPath(suit, r.width() * 0.15), ink);
    p.restore();
    p.translate(r.center());
    p.fillPath(suitPath(suit, r.width() * 0.5), ink);
    p.restore();
}

// A four-pointed glint of light.
void drawGlint(QPainter& p, QPointF c, double size, double alpha)
{
    if (alpha <= 0.01) {
        return;
    }
    p.save();
    p.translate(c);
    QRadialGradient glow(QPointF(0, 0), size);
    glow.setColorAt(0, withAlpha(Qt::white, alpha));
    glow.setColorAt(0.35, withAlpha(kLilac, alpha * 0.5));
    glow.setColorAt(1, withAlpha(kLilac, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, 0), size, size);
    QPainterPath star;
    star.moveTo(0, -size);
    star.quadTo(0, 0, size, 0);
    star.quadTo(0, 0, 0, size);
    star.quadTo(0, 0, -size, 0);
    star.quadTo(0, 0, 0, -size);
    p.fillPath(star, withAlpha(QColor(255, 250, 235), alpha));
    p.restore();
}

// ---------------------------------------------------------------- dialogs

// A gold scroll curling into the corner of a frame; `sx`, `sy` (+1 or -1)
// turn it to the corner it sits in.
void cornerFlourish(QPainter& p, QPointF corner, int sx, int sy, double size)
{
    p.save();
    p.translate(corner);
    p.scale(sx * size / 40.0, sy * size / 40.0);
    QPainterPath curl;
    curl.moveTo(0, 36);
    curl.cubicTo(0, 12, 12, 0, 36, 0);
    curl.moveTo(6, 30);
    curl.cubicTo(8, 18, 18, 8, 30, 6);
    curl.moveTo(10, 14);
    curl.cubicTo(18, 8, 26, 16, 20, 22);
    curl.cubicTo(16, 25, 12, 21, 15, 18);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 4, 26), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curl);
    p.setPen(QPen(kGold, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curl);
    p.setPen(Qt::NoPen);
    p.setBrush(kLilac);
    p.drawEllipse(QPointF(36, 0), 2.5, 2.5);
    p.drawEllipse(QPointF(0, 36), 2.5, 2.5);
    p.restore();
}

// The purple frame around a dialog of w x h: a bevelled violet border five
// pixels wide with a thin gold line inside it.
void dialogFrame(QPainter& p, int w, int h)
{
    const QColor rows[5] = {QColor(26, 6, 36), QColor(118, 48, 158), QColor(196, 132, 232),
                            QColor(124, 52, 166), QColor(58, 16, 80)};
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        p.setPen(rows[i]);
        p.drawRect(i, i, w - 1 - 2 * i, h - 1 - 2 * i);
    }
    p.restore();
    // Gold beads along the frame, a rosette of them at each corner.
    p.save();
    p.setPen(QPen(QColor(40, 10, 50), 0.8));
    auto bead = [&](double x, double y, double r) {
        QPainterPath diamond;
        diamond.moveTo(x, y - r);
        diamond.lineTo(x + r, y);
        diamond.lineTo(x, y + r);
        diamond.lineTo(x - r, y);
        diamond.closeSubpath();
        p.setBrush(kGold);
        p.drawPath(diamond);
    };
    const double mid = 2.5;
    for (double x = 22; x < w - 20; x += 16) {
        bead(x, mid, 1.8);
        bead(x, h - mid, 1.8);
    }
    for (double y = 22; y < h - 20; y += 16) {
        bead(mid, y, 1.8);
        bead(w - mid, y, 1.8);
    }
    for (const QPointF& corner : {QPointF(mid, mid), QPointF(w - mid, mid), QPointF(mid, h - mid),
                                  QPointF(w - mid, h - mid)}) {
        QRadialGradient jewel(corner - QPointF(1, 1), 5);
        jewel.setColorAt(0, QColor(250, 220, 255));
        jewel.setColorAt(1, QColor(120, 40, 170));
        p.setBrush(kGold);
        p.drawEllipse(corner, 5.5, 5.5);
        p.setBrush(jewel);
        p.drawEllipse(corner, 3.2, 3.2);
    }
    p.restore();
}

// A header band: dark where the icon sits (left of x = 100 of the dialog),
// violet with a faint damask to the right, gold lines above and below.
void headerBand(QPainter& p, const QRect& band, const QImage& damask)
{
    QLinearGradient across(band.left(), 0, band.right(), 0);
    across.setColorAt(0, QColor(30, 8, 42));
    across.setColorAt(95.0 / band.width(), QColor(44, 12, 60));
    across.setColorAt(0.45, QColor(92, 30, 124));
    across.setColorAt(1, QColor(70, 20, 96));
    p.fillRect(band, across);
    QLinearGradient down(0, band.top(), 0, band.bottom());
    down.setColorAt(0, QColor(255, 255, 255, 40));
    down.setColorAt(0.45, QColor(255, 255, 255, 0));
    down.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillRect(band, down);
    // The damask, in lilac, only right of the icon.
    QImage tint = canvas(band.width(), band.height());
    for (int y = 0; y < band.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tint.scanLine(y));
        for (int x = 0; x < band.width(); ++x) {
            const double fade = smoothstep(95, 160, x);
            const int a = static_cast<int>(34 * fade * damaskAt(damask, x, y + 7));
            line[x] = qPremultiply(qRgba(200, 150, 235, a));
        }
    }
    p.drawImage(band.topLeft(), tint);
    p.setPen(withAlpha(kGold, 0.8));
    p.drawLine(band.left(), band.top(), band.right(), band.top());
    p.setPen(withAlpha(kDeepGold, 0.9));
    p.drawLine(band.left(), band.bottom(), band.right(), band.bottom());
}

void redLine(QPainter& p, const QRect& line)
{
    QLinearGradient down(0, line.top(), 0, line.bottom() + 1);
    down.setColorAt(0, QColor(255, 110, 100));
    down.setColorAt(0.3, QColor(220, 24, 34));
    down.setColorAt(1, QColor(110, 6, 14));
    p.fillRect(line, down);
}

// A panel recessed into the black: near-black purple, a dark edge above and
// left, a lilac one below and right.
void recessedPanel(QPainter& p, const QRect& r)
{
    p.fillRect(r, QColor(20, 7, 28));
    QRadialGradient glow(r.center(), r.width() * 0.7);
    glow.setColorAt(0, QColor(40, 14, 54, 120));
    glow.setColorAt(1, QColor(40, 14, 54, 0));
    p.fillRect(r, glow);
    p.setPen(QColor(6, 0, 10));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(120, 60, 150));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

// A column of damask motifs in faint gold, an ornament for an empty place.
void damaskColumn(QPainter& p, const QRect& r, const QImage& damask, double strength)
{
    QImage tint = canvas(r.width(), r.height());
    for (int y = 0; y < r.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tint.scanLine(y));
        for (int x = 0; x < r.width(); ++x) {
            const double edge = smoothstep(0, 18, std::min(y, r.height() - 1 - y));
            const int a = static_cast<int>(255 * strength * edge * damaskAt(damask, x, y));
            line[x] = qPremultiply(qRgba(kGold.red(), kGold.green(), kGold.blue(), a));
        }
    }
    p.drawImage(r.topLeft(), tint);
}

void blackBody(QPainter& p, int w, int h)
{
    p.fillRect(0, 0, w, h, QColor(6, 2, 8));
    QRadialGradient glow(QPointF(w * 0.5, h * 0.55), std::max(w, h) * 0.7);
    glow.setColorAt(0, QColor(40, 10, 52));
    glow.setColorAt(1, QColor(6, 2, 8));
    p.fillRect(0, 0, w, h, glow);
}

QImage renderOptionsForm()
{
    const int w = 500;
    const int h = 400;
    QImage image = canvas(w, h, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    blackBody(p, w, h);
    const QImage damask = damaskTile(44, 60);
    headerBand(p, QRect(5, 5, 490, 48), damask);
    redLine(p, QRect(5, 55, 490, 6));
    recessedPanel(p, QRect(10, 120, 360, 270));
    // The flag's place: a thin gold-edged slot.
    p.setPen(QColor(6, 0, 10));
    p.setBrush(QColor(16, 4, 22));
    p.drawRect(QRectF(388.5, 118.5, 103, 71));
    p.setPen(withAlpha(kGold, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(387.5, 117.5, 105, 73));
    damaskColumn(p, QRect(396, 200, 88, 146), damaskTile(44, 60), 0.22);
    // A fine gold rule under the tabs' row.
    QLinearGradient rule(10, 0, 490, 0);
    rule.setColorAt(0, withAlpha(kGold, 0));
    rule.setColorAt(0.5, withAlpha(kGold, 0.5));
    rule.setColorAt(1, withAlpha(kGold, 0));
    p.fillRect(QRectF(10, 66, 480, 1), rule);
    dialogFrame(p, w, h);
    p.end();
    return image;
}

QImage renderRadioForm()
{
    const int w = 340;
    const int h = 320;
    QImage image = canvas(w, h, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    blackBody(p, w, h);
    headerBand(p, QRect(5, 5, 330, 48), damaskTile(44, 60));
    redLine(p, QRect(5, 55, 330, 6));
    recessedPanel(p, QRect(10, 70, 320, 200));
    dialogFrame(p, w, h);
    cornerFlourish(p, QPointF(10, 310), 1, -1, 30);
    cornerFlourish(p, QPointF(330, 310), -1, -1, 30);
    p.end();
    return image;
}

// ---------------------------------------------------------------- icons

QPainterPath gearPath(double outer, double inner, int teeth)
{
    QPainterPath gear;
    const int points = teeth * 4;
    for (int i = 0; i < points; ++i) {
        const double a = 2 * kPi * i / points;
        const double r = (i % 4 == 0 || i % 4 == 1) ? outer : inner;
        const double tweak = (i % 4 == 0 || i % 4 == 2) ? 0.15 : -0.15;  // tapered teeth
        const double at = a + tweak * 2 * kPi / points;
        const QPointF pt(r * std::cos(at), r * std::sin(at));
        i == 0 ? gear.moveTo(pt) : gear.lineTo(pt);
    }
    gear.closeSubpath();
    gear.addEllipse(QPointF(0, 0), inner * 0.38, inner * 0.38);
    gear.setFillRule(Qt::OddEvenFill);
    return gear;
}

QImage renderOptionsIcon()
{
    constexpr int kTeeth = 10;
    return renderStrip(
        10,
        [](QPainter& p, double phase) {
            p.save();
            p.translate(20, 21);
            p.rotate(phase * 360.0 / kTeeth);  // one tooth a loop: seamless
            const QPainterPath gear = gearPath(17.5, 13.5, kTeeth);
            QRadialGradient metal(QPointF(-5, -6), 24);
            metal.setColorAt(0, QColor(246, 236, 255));
            metal.setColorAt(0.5, QColor(170, 130, 210));
            metal.setColorAt(1, QColor(80, 40, 120));
            p.setPen(QPen(QColor(40, 10, 60), 1.2));
            p.setBrush(metal);
            p.drawPath(gear);
            p.setPen(QPen(QColor(90, 50, 130), 1));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(0, 0), 9, 9);
            p.restore();
            // A card leaning against the gear.
            p.save();
            p.translate(33, 31);
            p.rotate(14);
            p.setPen(QPen(QColor(40, 30, 50), 1));
            p.setBrush(QColor(255, 253, 248));
            p.drawRoundedRect(QRectF(-10, -14, 20, 28), 2.5, 2.5);
            p.fillPath(suitPath(Suit::Hearts, 12), QColor(210, 20, 40));
            p.restore();
        },
        QSize(48, 48));
}

QImage renderSpeedIcon()
{
    return renderStrip(
        10,
        [](QPainter& p, double phase) {
            const double swing = std::sin(2 * kPi * phase);
            // Motion lines streaming back, one line-length a loop.
            p.setPen(Qt::NoPen);
            for (int row = 0; row < 4; ++row) {
                const double y = 13 + row * 7.5 + swing * 1.2;
                const double period = 24;
                const double shift = std::fmod(phase * period + row * 7, period);
                for (double x = 30 - shift; x > -period; x -= period) {
                    QLinearGradient fade(x, 0, x + 16, 0);
                    fade.setColorAt(0, withAlpha(kLilac, 0));
                    fade.setColorAt(1, withAlpha(kLilac, 0.9));
                    p.setBrush(fade);
                    p.drawRoundedRect(QRectF(x, y - 1.1, 16, 2.2), 1.1, 1.1);
                }
            }
            p.save();
            p.translate(33, 24 + swing * 2);
            p.rotate(-12 + swing * 4);
            drawBack(p, QRectF(-10, -14, 20, 28));
            p.restore();
        },
        QSize(48, 48));
}

// ---------------------------------------------------------------- menu animations

double ease(double t)
{
    t = clamp01(t);
    return t * t * (3 - 2 * t);
}

// Monday: the top card of a stack slides out and goes under the others.
QImage renderShuffle()
{
    return renderStrip(24, [](QPainter& p, double phase) {
        const QSizeF card(70, 98);
        auto slot = [](double i) { return QPointF(64 + i * 3, 118 - i * 3); };
        const double lift = std::sin(kPi * phase);
        const double settle = ease(phase);
        auto drawAt = [&](QPointF centre, double angle) {
            p.save();
            p.translate(centre);
            p.rotate(angle);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 50));
            p.drawRoundedRect(QRectF(-card.width() / 2 + 3, -card.height() / 2 + 4, card.width(),
                                     card.height()),
                              6, 6);
            drawBack(p, QRectF(-card.width() / 2, -card.height() / 2, card.width(), card.height()));
            p.restore();
        };
        const QPointF travel = slot(4) + (slot(0) - slot(4)) * settle +
                               QPointF(34 * lift, -40 * lift);
        const double turn = 24 * lift;
        if (phase >= 0.5) {
            drawAt(travel, turn);  // now under the stack
        }
        for (int i = 0; i < 4; ++i) {
            drawAt(slot(i + settle), 0);
        }
        if (phase < 0.5) {
            drawAt(travel, turn);
        }
    });
}

void drawChipFace(QPainter& p, double r)
{
    QRadialGradient body(QPointF(-r * 0.3, -r * 0.3), r * 1.4);
    body.setColorAt(0, QColor(150, 70, 200));
    body.setColorAt(1, QColor(60, 14, 90));
    p.setPen(QPen(QColor(30, 6, 44), 1.5));
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), r, r);
    // Six edge inserts.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.rotate(60 * i);
        p.setBrush(QColor(248, 240, 255));
        p.drawRoundedRect(QRectF(r * 0.72, -r * 0.13, r * 0.26, r * 0.26), 2, 2);
        p.restore();
    }
    p.setPen(QPen(kGold, 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), r * 0.62, r * 0.62);
    p.setPen(QPen(kDeepGold, 1.5));
    p.setBrush(QColor(90, 26, 122));
    p.drawEllipse(QPointF(0, 0), r * 0.5, r * 0.5);
    p.fillPath(suitPath(Suit::Spades, r * 0.58), kGold);
}

// Tuesday: a chip spinning on its edge over its shadow.
QImage renderChip()
{
    return renderStrip(24, [](QPainter& p, double phase) {
        const double turn = std::cos(2 * kPi * phase);
        const double r = 52;
        const double squeeze = std::max(0.04, std::abs(turn));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawEllipse(QPointF(80, 176), r * (0.35 + 0.65 * squeeze), 7);
        // The edge shows as a band beside the face while the chip is turned.
        const double thick = 9 * std::sqrt(1 - squeeze * squeeze);
        const double side = std::sin(2 * kPi * phase) >= 0 ? 1 : -1;
        p.save();
        p.translate(80, 96);
        for (int i = static_cast<int>(thick); i > 0; --i) {
            p.save();
            p.translate(-side * i, 0);
            p.scale(squeeze, 1);
            p.setPen(Qt::NoPen);
            p.setBrush(i % 3 == 0 ? QColor(240, 232, 250) : QColor(74, 22, 104));
            p.drawEllipse(QPointF(0, 0), r, r);
            p.restore();
        }
        p.scale(squeeze, 1);
        drawChipFace(p, r);
        p.restore();
        // A glint on the rim when the chip faces us.
        drawGlint(p, QPointF(80 - r * 0.5 * squeeze, 60), 12, std::pow(squeeze, 8));
    });
}

// Wednesday: a hand of five cards fanning open and closing again.
QImage renderFan()
{
    return renderStrip(24, [](QPainter& p, double phase) {
        const double open = ease(0.5 - 0.5 * std::cos(2 * kPi * phase));
        const struct {
            const char* rank;
            Suit suit;
        } cards[5] = {{"10", Suit::Hearts},
                      {"J", Suit::Clubs},
                      {"Q", Suit::Diamonds},
                      {"K", Suit::Hearts},
                      {"A", Suit::Spades}};
        const QRectF card(-30, -86, 60, 86);
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(80, 172);
            p.rotate((i - 2) * 17 * open);
            p.translate(0, -4);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 45));
            p.drawRoundedRect(card.translated(2, 3), 5, 5);
            drawFace(p, card, QString::fromLatin1(cards[i].rank), cards[i].suit);
            p.restore();
        }
        // A violet ring of light behind the fingers' place.
        p.setPen(QPen(withAlpha(kLilac, 0.6 * open), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(80, 172), 10, 10);
        p.setBrush(QColor(120, 50, 160));
        p.setPen(QPen(kGold, 1.5));
        p.drawEllipse(QPointF(80, 172), 6, 6);
    });
}

// Thursday: a golden crown set with amethysts, glints wandering over it.
QImage renderCrown()
{
    return renderStrip(24, [](QPainter& p, double phase) {
        p.translate(0, 2 * std::sin(2 * kPi * phase));
        QPainterPath crown;
        crown.moveTo(30, 140);
        crown.lineTo(22, 76);
        crown.lineTo(52, 104);
        crown.lineTo(80, 62);
        crown.lineTo(108, 104);
        crown.lineTo(138, 76);
        crown.lineTo(130, 140);
        crown.closeSubpath();
        QLinearGradient gold(0, 60, 0, 150);
        gold.setColorAt(0, QColor(255, 240, 170));
        gold.setColorAt(0.5, QColor(228, 172, 60));
        gold.setColorAt(1, QColor(150, 96, 20));
        p.setPen(QPen(QColor(110, 66, 10), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(gold);
        p.drawPath(crown);
        p.drawRoundedRect(QRectF(26, 136, 108, 22), 6, 6);
        // Pearls on the points, amethysts on the band.
        for (const QPointF& tip : {QPointF(22, 76), QPointF(80, 62), QPointF(138, 76)}) {
            QRadialGradient pearl(tip - QPointF(2, 2), 8);
            pearl.setColorAt(0, Qt::white);
            pearl.setColorAt(1, QColor(200, 180, 220));
            p.setBrush(pearl);
            p.setPen(QPen(QColor(110, 66, 10), 1.5));
            p.drawEllipse(tip, 7, 7);
        }
        for (int i = 0; i < 3; ++i) {
            const QPointF at(50 + i * 30, 147);
            QRadialGradient gem(at - QPointF(2, 2), 8);
            gem.setColorAt(0, QColor(240, 190, 255));
            gem.setColorAt(0.5, QColor(150, 50, 200));
            gem.setColorAt(1, QColor(60, 10, 90));
            p.setBrush(gem);
            p.setPen(QPen(QColor(110, 66, 10), 1.2));
            p.drawEllipse(at, i == 1 ? 8 : 6, 6);
        }
        QRadialGradient jewel(QPointF(78, 112), 14);
        jewel.setColorAt(0, QColor(245, 200, 255));
        jewel.setColorAt(0.5, QColor(140, 40, 190));
        jewel.setColorAt(1, QColor(50, 8, 80));
        p.setBrush(jewel);
        QPainterPath gem;
        gem.moveTo(80, 100);
        gem.lineTo(92, 114);
        gem.lineTo(80, 128);
        gem.lineTo(68, 114);
        gem.closeSubpath();
        p.drawPath(gem);
        const QPointF glints[6] = {{80, 62}, {36, 120}, {120, 124}, {22, 76}, {96, 146}, {138, 76}};
        for (int i = 0; i < 6; ++i) {
            const double s = std::sin(2 * kPi * (phase + i / 6.0));
            drawGlint(p, glints[i], 14, s > 0 ? std::pow(s, 3) : 0);
        }
    });
}

// Friday: the four suits circling a crystal ball.
QImage renderCrystal()
{
    return renderStrip(24, [](QPainter& p, double phase) {
        const QPointF centre(80, 96);
        const Suit suits[4] = {Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};
        struct Place {
            double depth;
            QPointF at;
            int suit;
        };
        std::array<Place, 4> places{};
        for (int k = 0; k < 4; ++k) {
            const double a = 2 * kPi * (phase + k / 4.0);
            places[static_cast<std::size_t>(k)] = {std::sin(a),
                                                   centre + QPointF(62 * std::cos(a), 16 * std::sin(a) - 2),
                                                   k};
        }
        std::sort(places.begin(), places.end(),
                  [](const Place& a, const Place& b) { return a.depth < b.depth; });
        auto drawSuit = [&](const Place& place) {
            const double scale = 0.75 + 0.25 * place.depth;
            p.save();
            p.translate(place.at);
            const QPainterPath shape = suitPath(suits[place.suit], 30 * scale);
            p.setPen(QPen(QColor(60, 30, 10), 2));
            p.setBrush(isRed(suits[place.suit]) ? QColor(220, 40, 80) : QColor(250, 226, 140));
            p.drawPath(shape);
            p.restore();
        };
        // Stand and shadow.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawEllipse(QPointF(80, 178), 44, 7);
        QLinearGradient stand(50, 0, 110, 0);
        stand.setColorAt(0, QColor(150, 96, 20));
        stand.setColorAt(0.5, QColor(255, 230, 150));
        stand.setColorAt(1, QColor(130, 80, 14));
        p.setBrush(stand);
        p.setPen(QPen(QColor(100, 60, 10), 1.5));
        QPainterPath base;
        base.moveTo(54, 176);
        base.lineTo(64, 136);
        base.lineTo(96, 136);
        base.lineTo(106, 176);
        base.closeSubpath();
        p.drawPath(base);
        for (const Place& place : places) {
            if (place.depth < 0) {
                drawSuit(place);
            }
        }
        QRadialGradient ball(centre - QPointF(14, 16), 60);
        ball.setColorAt(0, QColor(250, 230, 255, 235));
        ball.setColorAt(0.35, QColor(170, 90, 220, 225));
        ball.setColorAt(1, QColor(50, 10, 80, 240));
        p.setBrush(ball);
        p.setPen(QPen(QColor(40, 8, 60), 1.5));
        p.drawEllipse(centre, 42, 42);
        // Mist turning inside the ball.
        p.save();
        p.setClipRegion(QRegion(QRect(38, 54, 84, 84), QRegion::Ellipse));
        p.translate(centre);
        p.rotate(phase * 360);
        p.setPen(QPen(withAlpha(Qt::white, 0.25), 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-26, -26, 52, 52), 0, 110 * 16);
        p.drawArc(QRectF(-16, -16, 32, 32), 180 * 16, 120 * 16);
        p.restore();
        p.setBrush(withAlpha(Qt::white, 0.7));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(66, 78), 9, 6);
        for (const Place& place : places) {
            if (place.depth >= 0) {
                drawSuit(place);
            }
        }
    });
}

// Saturday: a card turning over: the purple back, then the ace of hearts.
QImage renderTurningCard()
{
    return renderStrip(24, [](QPainter& p, double phase) {
        const double turn = std::cos(2 * kPi * phase);
        const QRectF card(-50, -70, 100, 140);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 55));
        p.drawEllipse(QPointF(80, 184), 50 * std::max(0.2, std::abs(turn)), 6);
        p.save();
        p.translate(80, 100);
        p.scale(std::max(0.03, std::abs(turn)), 1);
        if (turn >= 0) {
            drawBack(p, card);
        } else {
            drawFace(p, card, QStringLiteral("A"), Suit::Hearts);
        }
        p.restore();
        drawGlint(p, QPointF(80 + 40 * turn, 34), 16, std::pow(std::abs(std::sin(2 * kPi * phase)), 6));
    });
}

// Sunday: four aces on a carousel turning about its upright axis.
QImage renderCarousel()
{
    return renderStrip(24, [](QPainter& p, double phase) {
        const struct {
            Suit suit;
        } aces[4] = {{Suit::Spades}, {Suit::Hearts}, {Suit::Clubs}, {Suit::Diamonds}};
        struct Place {
            double depth;
            double x;
            double facing;
            int index;
        };
        std::array<Place, 4> places{};
        for (int k = 0; k < 4; ++k) {
            const double a = 2 * kPi * (phase + k / 4.0);
            places[static_cast<std::size_t>(k)] = {std::cos(a), 44 * std::sin(a), std::cos(a), k};
        }
        std::sort(places.begin(), places.end(),
                  [](const Place& a, const Place& b) { return a.depth < b.depth; });
        // The carousel's golden plate.
        p.setPen(QPen(QColor(110, 66, 10), 1.5));
        QLinearGradient plate(0, 160, 0, 180);
        plate.setColorAt(0, QColor(255, 230, 150));
        plate.setColorAt(1, QColor(150, 96, 20));
        p.setBrush(plate);
        p.drawEllipse(QPointF(80, 168), 66, 12);
        for (const Place& place : places) {
            const double scale = 0.82 + 0.18 * place.depth;
            const QRectF card(-36 * scale, -104 * scale, 72 * scale, 104 * scale);
            p.save();
            p.translate(80 + place.x, 166 - 6 * place.depth);
            // A card seen from its edge shows a sliver; from behind, its back.
            p.scale(std::max(0.04, std::abs(place.facing)), 1);
            if (place.depth >= 0) {
                drawFace(p, card, QStringLiteral("A"), aces[place.index].suit);
            } else {
                drawBack(p, card);
            }
            if (place.depth < 0.3) {
                p.fillRect(card, QColor(20, 0, 30, static_cast<int>(90 * (0.3 - place.depth) / 1.3)));
            }
            p.restore();
        }
    });
}

// ---------------------------------------------------------------- salute

// A burst at the mouse: a ring of glints and four suits flying out, fading
// to nothing by the last frame.
QImage renderTouch()
{
    constexpr int kFrames = 30;
    return renderStrip(
        kFrames,
        [](QPainter& p, double phase) {
            const double q = phase * kFrames / (kFrames - 1);  // 0 .. 1 on the last frame
            const double fade = std::pow(1 - q, 1.5);
            if (fade <= 0) {
                return;
            }
            const QPointF c(50, 50);
            const double r = 6 + 38 * (1 - std::pow(1 - q, 2.2));
            // The flash.
            if (q < 0.35) {
                QRadialGradient flash(c, 24);
                const double f = 1 - q / 0.35;
                flash.setColorAt(0, withAlpha(Qt::white, 0.9 * f));
                flash.setColorAt(0.4, withAlpha(kLilac, 0.5 * f));
                flash.setColorAt(1, withAlpha(kLilac, 0));
                p.setPen(Qt::NoPen);
                p.setBrush(flash);
                p.drawEllipse(c, 24, 24);
            }
            // The ring.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(withAlpha(kLilac, 0.55 * fade), 2.5 * (1 - q) + 0.5));
            p.drawEllipse(c, r, r);
            for (int i = 0; i < 12; ++i) {
                const double a = 2 * kPi * i / 12 + q * 0.6;
                const QPointF at = c + QPointF(r * std::cos(a), r * std::sin(a));
                drawGlint(p, at, i % 2 ? 5 : 7, fade);
            }
            // The four suits.
            const Suit suits[4] = {Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};
            for (int i = 0; i < 4; ++i) {
                const double a = 2 * kPi * i / 4 - kPi / 4 - q * 0.8;
                const QPointF at = c + QPointF(r * 0.62 * std::cos(a), r * 0.62 * std::sin(a));
                p.save();
                p.translate(at);
                p.rotate(q * 120);
                p.setOpacity(fade);
                p.setPen(QPen(QColor(60, 30, 10), 1));
                p.setBrush(isRed(suits[i]) ? QColor(236, 50, 90) : kGold);
                p.drawPath(suitPath(suits[i], 13));
                p.restore();
            }
        },
        QSize(100, 100));
}

}  // namespace

bool makePurple(Output& out)
{
    return out.save(renderVelvet(1920, 922), QStringLiteral("BGLilu"), 88) &&
           out.save(renderOptionsForm(), QStringLiteral("GFormOpt")) &&
           out.save(renderRadioForm(), QStringLiteral("GFormRadio")) &&
           out.save(renderOptionsIcon(), QStringLiteral("GIcon48Opt")) &&
           out.save(renderSpeedIcon(), QStringLiteral("GIcon48Speed")) &&
           out.save(renderShuffle(), QStringLiteral("GifA")) &&
           out.save(renderChip(), QStringLiteral("GifB")) &&
           out.save(renderFan(), QStringLiteral("GifC")) &&
           out.save(renderCrown(), QStringLiteral("GifD")) &&
           out.save(renderCrystal(), QStringLiteral("GifE")) &&
           out.save(renderTurningCard(), QStringLiteral("GifF")) &&
           out.save(renderCarousel(), QStringLiteral("GifG")) &&
           out.save(renderTouch(), QStringLiteral("GTouch"));
}

}  // namespace olk::graphgen
