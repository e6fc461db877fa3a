#include "assets/cardgen/faces.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>

#include "assets/artkit/artkit.h"

namespace olk::cardgen {
namespace {

using art::canvas;
using art::cardShape;

// Every set, the deck it comes from and what makes it a product of its own.
// Sets that share pictures (the pips of "Mod", "Sea", "Rhi", "Big" and the
// aces of "Mod", "Sea") only differ in the pictures they own: the courts, and
// the ace where the set has its own.
//
//  set  name (library)               deck             variant
//    1  Medieval-1 (A)               Nicu Ornamental  parchment, brown courts, dark red double line
//    2  Modern (A)                   Oxygen           as drawn
//    3  Ancient Egypt (A)            Ancient Egyptians as drawn
//    4  Baronesse (A)                Oxygen White     lilac paper, gilded band
//    5  Celtic (A)                   Nicu Ornamental  green paper, interlaced cords
//    6  Corona (A)                   Oxygen           golden courts, gilded band on courts and ace
//    7  Crown (A)                    Oxygen           purple courts, royal purple band
//    8  English Pattern (A)          Standard         ivory, serif indices, navy double line
//    9  Frankfurt (A)                Jolly Royal      four colours, black-red-gold stripes
//   10  Historical costumes (A)      Oxygen           sepia courts, aged paper, brown double line
//   11  Native Americans (A)         Standard         turquoise courts, sand paper, beaded band
//   12  Old Garden Roses (A)         Nicu White       rose paper, leaves and buds on green
//   13  Parrots (A)                  Oxygen           green courts, feathers on green
//   14  Royal (A)                    Jolly Royal      royal blue band
//   15  Shakespeare (A)              Oxygen White     sepia cards, aged paper, brown double line
//   16  Big Ben (A)                  Oxygen White     racing green band
//   17  Four Reigns (A)              Standard         courts in new colours, burgundy band
//   18  Large Print London (A)       Standard         big indices
//   19  Classical-2 (A)              Oxygen Air       ivory, black band with a gold line
//   20  Hearts (A)                   Oxygen Air       pink courts, beaded red band
//   21  Seasons (A)                  Oxygen Air       band in the colour of each suit's season
//   22  Rhine Style (A)              Nicu White       cream, wine band
//   23  Medieval-2 (A)               Nicu Ornamental  stone paper, courts in new colours, green
//   double line 24  Doods (A)                    Penguins         orange band 25  Playboy (A) Nicu
//   White       club green band, sepia courts and ace, warm paper 26  Epic (A) Ancient Egyptians
//   bronze courts, warm paper, dark bronze band 27  USSR (A)                     Oxygen White red
//   band with a gold line 28  Plastic (A, narrow)          Tigullio         cool paper, gloss 29
//   Skat - German suits (A, n)   XSkat German     as drawn 30  Skat - Tournament (A, n)     XSkat
//   French     tournament colours, green double line 31  Skat - French suits (A, n)   XSkat French
//   as drawn 32  White palekh (B, narrow)     Dondorf          black lacquer band with gold 33
//   Diana (B, narrow)            Paris            pale blue paper, blue double line 34  Princely
//   (B, narrow)         Dondorf          ivory, sepia courts, gilded band 35  For solitaires (B,
//   narrow)   Paris            big indices, green band 36  Satin (B, narrow)            Tigullio
//   pearl paper, silky streaks 37  Slavic (B, narrow)           Dondorf          embroidered red
//   band 38  Maya (B, narrow)             Ancient Egyptians jade courts, stone paper, beaded band
//   39  Bast (B, narrow)             Paris            bast beige, woven band
//   40  French (C)                   Paris            blue-white-red stripes
//   41  Spanish 1 (C, narrow)        Tigullio         Latin suit colours, red pinta, warm paper
//   42  Spanish 2 (C, narrow)        Dondorf          Latin suit colours, blue pinta, cream
//   43  Spanish 3 (C, narrow)        Paris            Latin suit colours, green pinta, serif
//   indices 44  Spanish 4 (C, narrow)        XSkat French     Latin suit colours, brown pinta, warm
//   paper 45  Chinese (C)                  Jolly Royal      gold lattice on a red band, golden
//   paper, warm courts 46  Italian (C, narrow)          Tigullio         Latin suit colours,
//   green-white-red stripes 47  Czech (C, narrow)            XSkat German     pale green paper, red
//   double line
const QColor kWhite(255, 255, 255);
const QColor kNone(0, 0, 0, 0);

using D = Deck;
using I = Inks;
using F = Frame;
using X = Index;
using S = Finish;

const std::array<SetStyle, 47> kStyles{{
    {1, D::NicuOrnamental, QColor(246, 230, 196), 0, 0.7, 0, I::AsDrawn, F::Double,
     QColor(125, 28, 22), kNone, kNone, X::AsDrawn, S::Matt},
    {2, D::Oxygen, kWhite, 0, 0, 0, I::AsDrawn, F::None, kNone, kNone, kNone, X::AsDrawn, S::Matt},
    {3, D::Egyptians, kWhite, 0, 0, 0, I::AsDrawn, F::None, kNone, kNone, kNone, X::AsDrawn,
     S::Matt},
    {4, D::OxygenWhite, QColor(246, 238, 250), 0, 0, 0, I::AsDrawn, F::Gilded, kNone, kNone, kNone,
     X::AsDrawn, S::Matt},
    {5, D::NicuOrnamental, QColor(238, 246, 234), 0, 0, 0, I::AsDrawn, F::Knot, QColor(18, 70, 40),
     QColor(170, 220, 150), kNone, X::AsDrawn, S::Matt},
    {6, D::Oxygen, QColor(255, 248, 225), 40, 0, 0, I::AsDrawn, F::Gilded, kNone, kNone, kNone,
     X::AsDrawn, S::Matt},
    {7, D::Oxygen, kWhite, 270, 0, 0, I::AsDrawn, F::Line, QColor(82, 28, 120),
     QColor(235, 200, 90), kNone, X::AsDrawn, S::Matt},
    {8, D::Standard, QColor(252, 245, 226), 0, 0, 0, I::AsDrawn, F::Double, QColor(28, 42, 100),
     kNone, kNone, X::Serif, S::Matt},
    {9, D::JollyRoyal, kWhite, 0, 0, 0, I::FourColour, F::Tricolour, QColor(25, 25, 25),
     QColor(200, 20, 30), QColor(240, 195, 30), X::AsDrawn, S::Matt},
    {10, D::Oxygen, QColor(242, 228, 198), 0, 1.0, 0, I::AsDrawn, F::Double, QColor(100, 62, 30),
     kNone, kNone, X::AsDrawn, S::Matt},
    {11, D::Standard, QColor(246, 232, 206), 170, 0, 0, I::AsDrawn, F::Beads, QColor(165, 78, 40),
     QColor(60, 190, 185), QColor(250, 240, 220), X::AsDrawn, S::Matt},
    {12, D::NicuWhite, QColor(255, 232, 236), 0, 0, 0, I::AsDrawn, F::Leaves, QColor(40, 90, 50),
     QColor(140, 200, 110), QColor(235, 110, 150), X::AsDrawn, S::Matt},
    {13, D::Oxygen, kWhite, 130, 0, 0, I::AsDrawn, F::Leaves, QColor(0, 135, 90),
     QColor(250, 205, 20), QColor(230, 40, 40), X::AsDrawn, S::Matt},
    {14, D::JollyRoyal, kWhite, 0, 0, 0, I::AsDrawn, F::Line, QColor(25, 50, 140),
     QColor(235, 205, 110), kNone, X::AsDrawn, S::Matt},
    {15, D::OxygenWhite, QColor(246, 236, 214), 0, 0, 0.85, I::AsDrawn, F::Double,
     QColor(90, 55, 25), kNone, kNone, X::AsDrawn, S::Matt},
    {16, D::OxygenWhite, kWhite, 0, 0, 0, I::AsDrawn, F::Line, QColor(20, 75, 50),
     QColor(220, 190, 100), kNone, X::AsDrawn, S::Matt},
    {17, D::Standard, QColor(250, 242, 224), 250, 0, 0, I::AsDrawn, F::Line, QColor(110, 20, 42),
     QColor(240, 210, 140), kNone, X::AsDrawn, S::Matt},
    {18, D::Standard, kWhite, 0, 0, 0, I::AsDrawn, F::None, kNone, kNone, kNone, X::Large, S::Matt},
    {19, D::OxygenAir, QColor(250, 246, 234), 0, 0, 0, I::AsDrawn, F::Line, QColor(28, 28, 30),
     QColor(215, 180, 90), kNone, X::AsDrawn, S::Matt},
    {20, D::OxygenAir, QColor(255, 238, 242), 310, 0, 0, I::AsDrawn, F::Beads, QColor(180, 20, 50),
     QColor(255, 190, 205), QColor(255, 255, 255), X::AsDrawn, S::Matt},
    {21, D::OxygenAir, QColor(246, 250, 255), 0, 0, 0, I::AsDrawn, F::Seasons, kNone, kNone, kNone,
     X::AsDrawn, S::Matt},
    {22, D::NicuWhite, QColor(252, 248, 232), 0, 0, 0, I::AsDrawn, F::Line, QColor(105, 18, 48),
     QColor(150, 185, 80), kNone, X::AsDrawn, S::Matt},
    {23, D::NicuOrnamental, QColor(234, 232, 224), 200, 0, 0, I::AsDrawn, F::Double,
     QColor(30, 80, 45), kNone, kNone, X::AsDrawn, S::Matt},
    {24, D::Penguins, kWhite, 0, 0, 0, I::AsDrawn, F::Line, QColor(240, 125, 20),
     QColor(255, 225, 90), kNone, X::AsDrawn, S::Matt},
    {25, D::NicuWhite, QColor(240, 228, 200), 0, 0.8, 0, I::AsDrawn, F::Line, QColor(12, 62, 42),
     QColor(215, 180, 95), kNone, X::AsDrawn, S::Matt},
    {26, D::Egyptians, QColor(236, 228, 214), 0, 1.0, 0, I::AsDrawn, F::Line, QColor(70, 45, 20),
     QColor(225, 185, 80), kNone, X::AsDrawn, S::Matt},
    {27, D::OxygenWhite, kWhite, 0, 0, 0, I::AsDrawn, F::Line, QColor(175, 18, 22),
     QColor(245, 200, 60), kNone, X::AsDrawn, S::Matt},
    {28, D::Tigullio, QColor(236, 243, 252), 0, 0, 0, I::AsDrawn, F::None, kNone, kNone, kNone,
     X::AsDrawn, S::Gloss},
    {29, D::XskatGerman, kWhite, 0, 0, 0, I::AsDrawn, F::None, kNone, kNone, kNone, X::AsDrawn,
     S::Matt},
    {30, D::XskatFrench, kWhite, 0, 0, 0, I::Tournament, F::Double, QColor(20, 110, 50), kNone,
     kNone, X::AsDrawn, S::Matt},
    {31, D::XskatFrench, kWhite, 0, 0, 0, I::AsDrawn, F::None, kNone, kNone, kNone, X::AsDrawn,
     S::Matt},
    {32, D::Dondorf, kWhite, 0, 0, 0, I::AsDrawn, F::Lacquer, kNone, kNone, kNone, X::AsDrawn,
     S::Matt},
    {33, D::Paris, QColor(236, 242, 255), 0, 0, 0, I::AsDrawn, F::Double, QColor(55, 85, 165),
     kNone, kNone, X::AsDrawn, S::Matt},
    {34, D::Dondorf, QColor(252, 246, 230), 0, 0.6, 0, I::AsDrawn, F::Gilded, kNone, kNone, kNone,
     X::AsDrawn, S::Matt},
    {35, D::Paris, kWhite, 0, 0, 0, I::AsDrawn, F::Line, QColor(20, 105, 55), QColor(200, 235, 200),
     kNone, X::Large, S::Matt},
    {36, D::Tigullio, QColor(252, 236, 242), 0, 0, 0, I::AsDrawn, F::None, kNone, kNone, kNone,
     X::AsDrawn, S::Satin},
    {37, D::Dondorf, QColor(250, 245, 234), 0, 0, 0, I::AsDrawn, F::Folk, QColor(180, 25, 30),
     QColor(255, 245, 230), QColor(30, 30, 30), X::AsDrawn, S::Matt},
    {38, D::Egyptians, QColor(228, 224, 206), 110, 0, 0, I::AsDrawn, F::Beads, QColor(70, 85, 75),
     QColor(60, 170, 120), QColor(215, 180, 90), X::AsDrawn, S::Matt},
    {39, D::Paris, QColor(234, 214, 168), 0, 0, 0, I::AsDrawn, F::Weave, QColor(150, 108, 58),
     QColor(222, 196, 140), kNone, X::AsDrawn, S::Matt},
    {40, D::Paris, kWhite, 0, 0, 0, I::AsDrawn, F::Tricolour, QColor(0, 50, 150),
     QColor(255, 255, 255), QColor(215, 25, 40), X::AsDrawn, S::Matt},
    {41, D::Tigullio, QColor(252, 246, 234), 0, 0, 0, I::Latin, F::Pinta, QColor(190, 25, 30),
     kNone, kNone, X::AsDrawn, S::Matt},
    {42, D::Dondorf, QColor(252, 246, 228), 0, 0, 0, I::Latin, F::Pinta, QColor(30, 70, 160), kNone,
     kNone, X::AsDrawn, S::Matt},
    {43, D::Paris, kWhite, 0, 0, 0, I::Latin, F::Pinta, QColor(25, 115, 50), kNone, kNone, X::Serif,
     S::Matt},
    {44, D::XskatFrench, QColor(250, 240, 222), 0, 0, 0, I::Latin, F::Pinta, QColor(120, 70, 30),
     kNone, kNone, X::AsDrawn, S::Matt},
    {45, D::JollyRoyal, QColor(255, 238, 200), 30, 0, 0, I::AsDrawn, F::Fret, QColor(185, 18, 22),
     QColor(250, 205, 70), kNone, X::AsDrawn, S::Matt},
    {46, D::Tigullio, kWhite, 0, 0, 0, I::Latin, F::Tricolour, QColor(0, 140, 70),
     QColor(255, 255, 255), QColor(205, 30, 45), X::AsDrawn, S::Matt},
    {47, D::XskatGerman, QColor(238, 246, 226), 0, 0, 0, I::AsDrawn, F::Double, QColor(170, 30, 35),
     kNone, kNone, X::AsDrawn, S::Matt},
}};

// ---- cards and their SVG elements

int suitIndex(char suitChar)
{
    switch (suitChar) {
    case suit::kHearts:
        return 0;
    case suit::kDiamonds:
        return 1;
    case suit::kClubs:
        return 2;
    default:
        return 3;
    }
}

QString elementOf(CardCode card)
{
    static const char* kSuits[] = {"heart", "diamond", "club", "spade"};
    return art::deckElement(rankIndexOf(card.rank), kSuits[suitIndex(card.suit)]);
}

bool isCourt(CardCode card)
{
    return card.rank == rank::kJack || card.rank == rank::kQueen || card.rank == rank::kKing;
}

// The colour a suit's ink takes, or nothing where it stays as drawn.
std::optional<QColor> inkOf(Inks inks, int suit)
{
    static const std::array<std::array<QColor, 4>, 4> kInks{{
        {QColor(), QColor(), QColor(), QColor()},
        {QColor(), QColor(20, 85, 200), QColor(10, 125, 45), QColor()},
        {QColor(), QColor(240, 165, 0), QColor(), QColor(20, 135, 40)},
        {QColor(), QColor(215, 155, 0), QColor(35, 125, 40), QColor(25, 75, 185)},
    }};
    const QColor colour = kInks[static_cast<std::size_t>(inks)][static_cast<std::size_t>(suit)];
    return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
}

// The colour the face prints a suit in, for the drawn indices.
QColor suitColour(Inks inks, int suit)
{
    return inkOf(inks, suit).value_or(suit < 2 ? QColor(205, 20, 30) : QColor(20, 20, 20));
}

// ---- pixel work on the rendered face

int clampByte(double v)
{
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

QRgb mix(QRgb a, const QColor& b, double t, int alpha)
{
    return qRgba(clampByte(qRed(a) + (b.red() - qRed(a)) * t),
                 clampByte(qGreen(a) + (b.green() - qGreen(a)) * t),
                 clampByte(qBlue(a) + (b.blue() - qBlue(a)) * t), alpha);
}

// The strong red of the suit marks, which recolouring leaves alone.
bool isSuitRed(QRgb c)
{
    const QColor hsv = QColor::fromRgb(c).toHsv();
    const int h = hsv.hsvHue();
    return h >= 0 && (h <= 14 || h >= 346) && hsv.hsvSaturationF() > 0.55 && hsv.valueF() > 0.45;
}

// Reds, browns and skin: a court keeps them when its clothes change colour.
bool isWarm(QRgb c)
{
    const QColor hsv = QColor::fromRgb(c).toHsv();
    const int h = hsv.hsvHue();
    return h >= 0 && (h <= 40 || h >= 340) && hsv.hsvSaturationF() > 0.12;
}

// Turns the hue of coloured pixels; greys and pale paper stay.
QRgb turnHue(QRgb c, int degrees)
{
    QColor hsv = QColor::fromRgb(c).toHsv();
    if (hsv.hsvHue() < 0 || hsv.hsvSaturation() < 60) {
        return c;
    }
    hsv.setHsv((hsv.hsvHue() + degrees) % 360, hsv.hsvSaturation(), hsv.value(), qAlpha(c));
    return hsv.rgba();
}

QRgb sepia(QRgb c, double amount)
{
    const double t = (0.3 * qRed(c) + 0.59 * qGreen(c) + 0.11 * qBlue(c)) / 255.0;
    const QColor dark(38, 24, 14);
    const QColor middle(158, 114, 70);
    const QColor light(255, 248, 232);
    const QColor& from = t < 0.5 ? dark : middle;
    const QColor& to = t < 0.5 ? middle : light;
    const double u = t < 0.5 ? t * 2 : t * 2 - 1;
    const QColor tone(clampByte(from.red() + (to.red() - from.red()) * u),
                      clampByte(from.green() + (to.green() - from.green()) * u),
                      clampByte(from.blue() + (to.blue() - from.blue()) * u));
    return mix(c, tone, amount, qAlpha(c));
}

// Red ink (and its antialiased edge into the paper) becomes `ink`.
QRgb recolourRed(QRgb c, const QColor& ink)
{
    const int r = qRed(c);
    const int g = qGreen(c);
    const int b = qBlue(c);
    if (r < g + 30 || r < b + 30 || std::abs(g - b) > 70) {
        return c;
    }
    const double a = std::clamp(1.0 - (g + b) / 2.0 / r, 0.0, 1.0);
    const double depth = std::min(1.0, r / 200.0);
    const QColor target(clampByte(ink.red() * depth), clampByte(ink.green() * depth),
                        clampByte(ink.blue() * depth));
    return mix(qRgba(r, r, r, qAlpha(c)), target, a, qAlpha(c));
}

// Black ink (and its grey edge) becomes `ink`.
QRgb recolourBlack(QRgb c, const QColor& ink)
{
    const int high = std::max({qRed(c), qGreen(c), qBlue(c)});
    const int low = std::min({qRed(c), qGreen(c), qBlue(c)});
    if (high - low > 40) {
        return c;
    }
    const double darkness = 1.0 - (qRed(c) + qGreen(c) + qBlue(c)) / (3.0 * 255.0);
    // Light greys (a card's shading) stay as they are; ink and its edges
    // take the colour.
    const double weight = std::clamp((darkness - 0.3) / 0.3, 0.0, 1.0);
    const QRgb inked = mix(qRgba(255, 255, 255, qAlpha(c)), ink, darkness, qAlpha(c));
    return mix(c, QColor::fromRgb(inked), weight, qAlpha(c));
}

// `face` is where the deck's face lies in the layer.
void recolour(QImage& layer, const SetStyle& style, CardCode card, const QRectF& face)
{
    const bool court = isCourt(card);
    const int suit = suitIndex(card.suit);
    const std::optional<QColor> ink = inkOf(style.inks, suit);
    const double sepiaAmount =
        court ? std::max(style.cardSepia, style.courtSepia) : style.cardSepia;
    const int courtHue = court ? style.courtHue : 0;
    const bool tinted = style.paper != kWhite;
    // Oxygen's courts are red or black cards: there the whole court turns,
    // as the suit's red is the card itself.
    const bool keepRed = style.deck != Deck::Oxygen;
    // The corner index of a court, recoloured like a pip card's: the top
    // left of the face and the same turned at the bottom right, as far as
    // the deck's index reaches before its picture begins.
    QSizeF index(0.2, 0.25);
    switch (style.deck) {
    case Deck::JollyRoyal:
        index = QSizeF(0.2, 0.37);  // the suit well below the rank
        break;
    case Deck::Dondorf:
    case Deck::Paris:
        index = QSizeF(0.15, 0.25);
        break;
    case Deck::Tigullio:
        index = QSizeF(0.13, 0.25);
        break;
    case Deck::XskatFrench:
        index = QSizeF(0.115, 0.22);
        break;
    default:
        break;
    }
    // The face's own outline along its edge keeps its colour.
    const QRectF topLeft(face.left() + face.width() * 0.035, face.top() + face.height() * 0.02,
                         face.width() * (index.width() - 0.035),
                         face.height() * (index.height() - 0.02));
    const QRectF bottomRight(face.right() - (topLeft.right() - face.left()),
                             face.bottom() - (topLeft.bottom() - face.top()), topLeft.width(),
                             topLeft.height());
    const int w = layer.width();
    const int h = layer.height();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < w; ++x) {
            QRgb c = line[x];
            if (qAlpha(c) == 0) {
                continue;
            }
            const QPointF at(x + 0.5, y + 0.5);
            const bool corner = topLeft.contains(at) || bottomRight.contains(at);
            if (sepiaAmount > 0 && !(keepRed && isSuitRed(c))) {
                c = sepia(c, sepiaAmount);
            }
            if (courtHue != 0 && !(keepRed && (corner || isWarm(c)))) {
                c = turnHue(c, courtHue);
            }
            if (ink && (!court || corner)) {
                c = suit < 2 ? recolourRed(c, *ink) : recolourBlack(c, *ink);
            }
            if (tinted) {
                c = qRgba(qRed(c) * style.paper.red() / 255, qGreen(c) * style.paper.green() / 255,
                          qBlue(c) * style.paper.blue() / 255, qAlpha(c));
            }
            line[x] = c;
        }
    }
}

// ---- frames

double bandOf(Frame frame, int w)
{
    switch (frame) {
    case Frame::None:
        return 0;
    case Frame::Double:
    case Frame::Pinta:
        return w * 0.055;
    case Frame::Lacquer:
    case Frame::Tricolour:
        return w * 0.075;
    default:
        return w * 0.062;
    }
}

// Calls `at` for points spaced about `step` apart along the rectangle's
// sides, with the direction of the side in degrees.
void alongSides(const QRectF& r, double step, const std::function<void(QPointF, double)>& at)
{
    const QPointF corners[5] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft(),
                                r.topLeft()};
    for (int side = 0; side < 4; ++side) {
        const QPointF from = corners[side];
        const QPointF to = corners[side + 1];
        const double length = QLineF(from, to).length();
        const int n = std::max(1, static_cast<int>(std::lround(length / step)));
        for (int i = 0; i < n; ++i) {
            at(from + (to - from) * ((i + 0.5) / n), side * 90.0);
        }
    }
}

// A wavy cord along the rectangle's sides: `phase` 0 or 1 shifts it half a
// wave, so two cords cross at every half wave.
QPainterPath cord(const QRectF& r, double amplitude, double wave, int phase)
{
    QPainterPath path;
    const QPointF corners[5] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft(),
                                r.topLeft()};
    for (int side = 0; side < 4; ++side) {
        const QPointF from = corners[side];
        const QPointF to = corners[side + 1];
        const double length = QLineF(from, to).length();
        const int waves = std::max(1, static_cast<int>(std::lround(length / wave)));
        const QPointF along = (to - from) / length;
        const QPointF across(-along.y(), along.x());
        const int steps = waves * 16;
        for (int i = 0; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            const double offset = amplitude * std::sin(t * waves * 2 * M_PI + phase * M_PI);
            const QPointF point = from + (to - from) * t + across * offset;
            i == 0 ? path.moveTo(point) : path.lineTo(point);
        }
    }
    return path;
}

void drawFrame(QPainter& p, const SetStyle& style, int suit, const QPainterPath& card,
               const QRectF& outer, const QRectF& inner, double radius, double band)
{
    if (style.frame == Frame::None) {
        return;
    }
    QPainterPath innerShape = cardShape(inner, std::max(radius - band, radius * 0.4));
    const QPainterPath bandPath = card.subtracted(innerShape);
    const QRectF middle = outer.adjusted(band / 2, band / 2, -band / 2, -band / 2);
    p.save();
    p.setClipPath(bandPath);
    const QColor gold(222, 180, 70);
    switch (style.frame) {
    case Frame::Line:
    case Frame::Seasons: {
        static const QColor kSeasons[4] = {QColor(60, 150, 60), QColor(225, 160, 20),
                                           QColor(175, 85, 30), QColor(70, 125, 190)};
        const QColor ink = style.frame == Frame::Seasons ? kSeasons[suit] : style.ink;
        const QColor light =
            style.frame == Frame::Seasons ? kSeasons[suit].lighter(170) : style.light;
        p.fillPath(bandPath, ink);
        p.setPen(QPen(light, std::max(0.7, band * 0.16)));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(inner.adjusted(-band * 0.3, -band * 0.3, band * 0.3, band * 0.3),
                          radius * 0.6, radius * 0.6);
        break;
    }
    case Frame::Double:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(style.ink, std::max(0.8, band * 0.2)));
        p.drawRoundedRect(outer.adjusted(band * 0.3, band * 0.3, -band * 0.3, -band * 0.3),
                          radius * 0.8, radius * 0.8);
        p.setPen(QPen(style.ink, std::max(0.6, band * 0.1)));
        p.drawRoundedRect(inner.adjusted(-band * 0.2, -band * 0.2, band * 0.2, band * 0.2),
                          radius * 0.6, radius * 0.6);
        break;
    case Frame::Lacquer:
        p.fillPath(bandPath, QColor(16, 12, 10));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(gold, std::max(0.6, band * 0.1)));
        p.drawRoundedRect(outer.adjusted(band * 0.22, band * 0.22, -band * 0.22, -band * 0.22),
                          radius * 0.8, radius * 0.8);
        p.drawRoundedRect(inner.adjusted(-band * 0.15, -band * 0.15, band * 0.15, band * 0.15),
                          radius * 0.6, radius * 0.6);
        p.setPen(Qt::NoPen);
        alongSides(middle, band * 1.5, [&](QPointF at, double) {
            p.setBrush(QColor(200, 40, 30));
            p.drawEllipse(at, band * 0.16, band * 0.16);
        });
        p.setBrush(gold);
        for (const QPointF& corner :
             {middle.topLeft(), middle.topRight(), middle.bottomLeft(), middle.bottomRight()}) {
            p.drawEllipse(corner, band * 0.3, band * 0.3);
        }
        break;
    case Frame::Gilded: {
        QLinearGradient fill(outer.topLeft(), outer.bottomRight());
        fill.setColorAt(0.0, QColor(250, 225, 140));
        fill.setColorAt(0.3, QColor(190, 140, 45));
        fill.setColorAt(0.55, QColor(245, 215, 125));
        fill.setColorAt(0.8, QColor(175, 125, 40));
        fill.setColorAt(1.0, QColor(235, 200, 110));
        p.fillPath(bandPath, fill);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(110, 72, 18), std::max(0.6, band * 0.12)));
        p.drawPath(innerShape);
        p.setPen(QPen(QColor(255, 240, 190), std::max(0.5, band * 0.08)));
        p.drawRoundedRect(middle, radius * 0.7, radius * 0.7);
        break;
    }
    case Frame::Beads:
        p.fillPath(bandPath, style.ink);
        p.setPen(Qt::NoPen);
        {
            int i = 0;
            alongSides(middle, band * 1.1, [&](QPointF at, double) {
                p.setBrush(i++ % 2 ? style.accent : style.light);
                p.drawEllipse(at, band * 0.27, band * 0.27);
            });
        }
        break;
    case Frame::Knot:
        p.fillPath(bandPath, style.ink);
        p.setBrush(Qt::NoBrush);
        for (int phase = 0; phase < 2; ++phase) {
            p.setPen(QPen(style.ink.darker(160), std::max(0.9, band * 0.3)));
            p.drawPath(cord(middle, band * 0.26, band * 2.4, phase));
            p.setPen(QPen(style.light, std::max(0.6, band * 0.16)));
            p.drawPath(cord(middle, band * 0.26, band * 2.4, phase));
        }
        break;
    case Frame::Leaves: {
        p.fillPath(bandPath, style.ink);
        p.setPen(Qt::NoPen);
        int i = 0;
        alongSides(middle, band * 1.3, [&](QPointF at, double angle) {
            if (i++ % 3 == 2) {
                p.setBrush(style.accent);
                p.drawEllipse(at, band * 0.22, band * 0.22);
                return;
            }
            p.save();
            p.translate(at);
            p.rotate(angle + (i % 3 ? 35 : -35));
            p.setBrush(style.light);
            p.drawEllipse(QPointF(0, 0), band * 0.42, band * 0.17);
            p.restore();
        });
        break;
    }
    case Frame::Folk: {
        p.fillPath(bandPath, style.ink);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(style.light, std::max(0.6, band * 0.14), Qt::SolidLine, Qt::FlatCap,
                      Qt::MiterJoin));
        QPainterPath zigzag;
        bool first = true;
        int i = 0;
        alongSides(middle, band * 0.55, [&](QPointF at, double angle) {
            const double a = angle * M_PI / 180.0;
            const QPointF across(-std::sin(a), std::cos(a));
            const QPointF point = at + across * (i++ % 2 ? band * 0.28 : -band * 0.28);
            first ? zigzag.moveTo(point) : zigzag.lineTo(point);
            first = false;
        });
        zigzag.closeSubpath();
        p.drawPath(zigzag);
        p.setPen(Qt::NoPen);
        p.setBrush(style.accent);
        alongSides(middle, band * 1.1, [&](QPointF at, double) {
            p.drawRect(
                QRectF(at.x() - band * 0.09, at.y() - band * 0.09, band * 0.18, band * 0.18));
        });
        break;
    }
    case Frame::Weave: {
        p.fillPath(bandPath, style.ink);
        int i = 0;
        alongSides(middle, band * 0.7, [&](QPointF at, double angle) {
            p.save();
            p.translate(at);
            p.rotate(angle + (i++ % 2 ? 45 : -45));
            p.setPen(QPen(style.ink.darker(140), std::max(0.4, band * 0.06)));
            p.setBrush(style.light);
            p.drawRoundedRect(QRectF(-band * 0.45, -band * 0.17, band * 0.9, band * 0.34),
                              band * 0.1, band * 0.1);
            p.restore();
        });
        break;
    }
    case Frame::Tricolour: {
        p.fillPath(bandPath, style.ink);
        const double third = band / 3;
        p.fillPath(cardShape(outer.adjusted(third, third, -third, -third), radius * 0.8)
                       .subtracted(innerShape),
                   style.light);
        p.fillPath(
            cardShape(outer.adjusted(2 * third, 2 * third, -2 * third, -2 * third), radius * 0.7)
                .subtracted(innerShape),
            style.accent);
        break;
    }
    case Frame::Pinta: {
        // The line round the card, broken at the top and the bottom as the
        // suit says.
        static const int kBreaks[4] = {2, 1, 4, 3};
        const QRectF line = outer.adjusted(band * 0.45, band * 0.45, -band * 0.45, -band * 0.45);
        QPainterPath gaps;
        const int breaks = kBreaks[suit];
        const double gap = band * 1.1;
        for (int k = 0; k < breaks; ++k) {
            const double x = line.left() + line.width() * (k + 1) / (breaks + 1) - gap / 2;
            gaps.addRect(QRectF(x, outer.top(), gap, band));
            gaps.addRect(QRectF(x, outer.bottom() - band, gap, band));
        }
        QPainterPath keep;
        keep.addRect(outer);
        p.setClipPath(bandPath.intersected(keep.subtracted(gaps)));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(style.ink, std::max(1.0, band * 0.34)));
        p.drawRoundedRect(line, radius * 0.6, radius * 0.6);
        break;
    }
    case Frame::Fret: {
        p.fillPath(bandPath, style.ink);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(style.light, std::max(0.5, band * 0.1), Qt::SolidLine, Qt::SquareCap,
                      Qt::MiterJoin));
        alongSides(middle, band * 0.95, [&](QPointF at, double) {
            const double outerSide = band * 0.62;
            const double innerSide = band * 0.26;
            p.drawRect(
                QRectF(at.x() - outerSide / 2, at.y() - outerSide / 2, outerSide, outerSide));
            p.drawRect(
                QRectF(at.x() - innerSide / 2, at.y() - innerSide / 2, innerSide, innerSide));
        });
        break;
    }
    case Frame::None:
        break;
    }
    p.restore();
}

// ---- drawn indices

QString rankLabel(CardCode card)
{
    static const char* kLabels[] = {"2", "3",  "4", "5", "6", "7", "8",
                                    "9", "10", "J", "Q", "K", "A"};
    return QString::fromLatin1(kLabels[rankIndexOf(card.rank) - 1]);
}

// A plate at the top left and, turned, at the bottom right with the rank
// above the suit.
void drawIndices(QPainter& p, const SetStyle& style, CardCode card, const QRectF& inner, int w)
{
    if (style.index == Index::AsDrawn) {
        return;
    }
    const bool large = style.index == Index::Large;
    const int suit = suitIndex(card.suit);
    const QColor ink = suitColour(style.inks, suit);
    const QSizeF size = large ? QSizeF(w * 0.30, w * 0.50) : QSizeF(w * 0.17, w * 0.33);
    const double inset = w * 0.025;
    QFont font(large ? QStringLiteral("DejaVu Sans") : QStringLiteral("C059"));
    font.setBold(true);
    const QString rank = rankLabel(card);
    static const char16_t kSuits[4] = {u'\u2665', u'\u2666', u'\u2663', u'\u2660'};
    const QString symbol = QString(QChar(kSuits[suit]));
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(inner.center());
            p.rotate(180);
            p.translate(-inner.center());
        }
        const QRectF plate(inner.left() + inset, inner.top() + inset, size.width(), size.height());
        p.setPen(large ? QPen(ink.lighter(150), std::max(0.6, w * 0.006)) : Qt::NoPen);
        p.setBrush(style.paper);
        p.drawRoundedRect(plate, size.width() * 0.18, size.width() * 0.18);
        // The rank takes the upper part, narrowed to fit "10".
        font.setPixelSize(std::max(1, static_cast<int>(size.height() * 0.46)));
        QFontMetricsF metrics(font);
        const double stretch =
            std::min(1.0, size.width() * 0.92 / std::max(1.0, metrics.horizontalAdvance(rank)));
        QPainterPath text;
        text.addText(0, 0, font, rank);
        const QRectF tb = text.boundingRect();
        QTransform place;
        place.translate(plate.center().x(), plate.top() + size.height() * 0.06);
        place.scale(stretch, 1.0);
        place.translate(-tb.center().x(), -tb.top());
        p.fillPath(place.map(text), ink);
        QFont suitFont(QStringLiteral("DejaVu Sans"));
        suitFont.setPixelSize(std::max(1, static_cast<int>(size.height() * 0.42)));
        QPainterPath mark;
        mark.addText(0, 0, suitFont, symbol);
        const QRectF mb = mark.boundingRect();
        p.fillPath(mark.translated(plate.center().x() - mb.center().x(),
                                   plate.bottom() - size.height() * 0.06 - mb.bottom()),
                   ink);
        p.restore();
    }
}

// ---- finishes

void drawFinish(QPainter& p, Finish finish, const QPainterPath& card, const QRectF& r)
{
    if (finish == Finish::Matt) {
        return;
    }
    p.save();
    p.setClipPath(card);
    p.setPen(Qt::NoPen);
    if (finish == Finish::Gloss) {
        QLinearGradient gloss(r.topLeft(), QPointF(r.left() + r.width() * 0.35, r.bottom()));
        gloss.setColorAt(0.0, QColor(255, 255, 255, 120));
        gloss.setColorAt(0.38, QColor(255, 255, 255, 40));
        gloss.setColorAt(0.4, QColor(255, 255, 255, 0));
        gloss.setColorAt(1.0, QColor(0, 20, 60, 18));
        p.fillRect(r, gloss);
    } else {
        // Satin: soft diagonal streaks of light, the way silk takes it.
        for (const double at : {0.2, 0.48, 0.8}) {
            const QPointF from(r.left() + r.width() * at, r.top());
            QLinearGradient streak(from, from + QPointF(r.width() * 0.22, -r.width() * 0.1));
            streak.setColorAt(0.0, QColor(255, 255, 255, 0));
            streak.setColorAt(0.5, QColor(255, 250, 252, 70));
            streak.setColorAt(1.0, QColor(255, 255, 255, 0));
            p.fillRect(r, streak);
        }
        QLinearGradient sheen(r.topLeft(), r.bottomRight());
        sheen.setColorAt(0.0, QColor(255, 210, 230, 40));
        sheen.setColorAt(1.0, QColor(200, 170, 220, 40));
        p.fillRect(r, sheen);
    }
    p.restore();
}

}  // namespace

QString deckFile(Deck deck)
{
    static const char* kFiles[] = {
        "svg-ancient-egyptians/Ancient_Egyptians.svgz",
        "svg-dondorf/dondorf.svgz",
        "svg-gm-paris/paris.svgz",
        "svg-jolly-royal/jolly-royal.svgz",
        "svg-nicu-ornamental/ornamental.svgz",
        "svg-nicu-white/white.svgz",
        "svg-oxygen/oxygen.svgz",
        "svg-oxygen-air/oxygen-air.svgz",
        "svg-oxygen-white/oxygen-white.svgz",
        "svg-penguins/penguins.svgz",
        "svg-standard/standard.svgz",
        "svg-tigullio-international/tigullio-international.svgz",
        "svg-xskat-french/french.svgz",
        "svg-xskat-german/german.svgz",
    };
    return QString::fromLatin1(kFiles[static_cast<int>(deck)]);
}

const SetStyle& setStyle(int cardSet)
{
    return kStyles[static_cast<std::size_t>(std::clamp(cardSet, 1, 47) - 1)];
}

QImage renderLibraryFace(QSvgRenderer& svg, const SetStyle& style, CardCode card, int w, int h,
                         bool outline)
{
    const QRectF outer(0.5, 0.5, w - 1.0, h - 1.0);
    const double radius = w * 0.06;
    const QPainterPath shape = cardShape(outer, radius);
    const double band = bandOf(style.frame, w);
    const QRectF inner = outer.adjusted(band, band, -band, -band);
    const QPainterPath innerShape = cardShape(inner, std::max(radius - band, radius * 0.4));

    // The deck's face, with its own proportions, centred in the frame.
    const QString element = elementOf(card);
    QImage layer = canvas(w, h);
    QRectF target;
    {
        const QRectF bounds = svg.boundsOnElement(element);
        if (bounds.isEmpty()) {
            return {};
        }
        const double scale =
            std::min(inner.width() / bounds.width(), inner.height() / bounds.height());
        const QSizeF size(bounds.width() * scale, bounds.height() * scale);
        target = QRectF(inner.center().x() - size.width() / 2,
                        inner.center().y() - size.height() / 2, size.width(), size.height());
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setClipPath(innerShape);
        svg.render(&p, element, target);
    }
    layer = layer.convertToFormat(QImage::Format_ARGB32);
    recolour(layer, style, card, target);

    QImage face = canvas(w, h);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillPath(shape, style.paper);
    p.drawImage(0, 0, layer);
    drawFrame(p, style, suitIndex(card.suit), shape, outer, inner, radius, band);
    drawIndices(p, style, card, inner, w);
    drawFinish(p, style.finish, shape, outer);
    if (outline) {
        p.setPen(QPen(QColor(60, 60, 60), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    }
    p.end();
    return face;
}

}  // namespace olk::cardgen
