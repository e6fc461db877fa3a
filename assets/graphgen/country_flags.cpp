// The flags of the countries a member or a passport names: "Country" + code
// ("Country1-001" is Russia), 40 x 27, one for every entry of the six
// continents' lists; index 0 ("Unknown") is a grey flag with a question
// mark.
//
// Every flag is drawn on a 150 x 100 grid (3:2; flags of other proportions
// are fitted to it), so the tables below give places and sizes in those
// units. Flags that share a pattern are rows of a table: banded flags (with
// a hoist band or triangle and simple charges), Nordic crosses and ensigns
// with a badge; the rest have a function each. Fine detail (coats of arms,
// lettering) becomes a small emblem of the right colours in the right place.

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cstdio>
#include <string_view>
#include <vector>

#include "account/countries.h"
#include "assets/graphgen/flag_art.h"
#include "assets/graphgen/parts.h"

namespace olk::graphgen {
namespace {

constexpr double W = 150;
constexpr double H = 100;

QColor rgb(QRgb value)
{
    return QColor::fromRgb(value);  // 0xRRGGBB, opaque
}

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;

void fill(QPainter& p, QRgb colour)
{
    p.fillRect(QRectF(0, 0, W, H), rgb(colour));
}

void rect(QPainter& p, double x, double y, double w, double h, QRgb colour)
{
    p.fillRect(QRectF(x, y, w, h), rgb(colour));
}

// Bands over `r` with relative widths (equal when `weights` is empty).
void bands(QPainter& p, const QRectF& r, const std::vector<QRgb>& colours,
           const std::vector<double>& weights, bool across)
{
    double total = 0;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        total += weights.empty() ? 1.0 : weights[i];
    }
    double at = 0;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const double part = (weights.empty() ? 1.0 : weights[i]) / total;
        // A hair of overlap so no seam shows between bands.
        const QRectF band =
            across ? QRectF(r.x(), r.y() + r.height() * at, r.width(), r.height() * part + 0.3)
                   : QRectF(r.x() + r.width() * at, r.y(), r.width() * part + 0.3, r.height());
        p.fillRect(band, rgb(colours[i]));
        at += part;
    }
}

void poly(QPainter& p, QRgb colour, std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    p.fillPath(path, rgb(colour));
}

void disc(QPainter& p, QPointF centre, double r, QRgb colour)
{
    QPainterPath path;
    path.addEllipse(centre, r, r);
    p.fillPath(path, rgb(colour));
}

void ring(QPainter& p, QPointF centre, double r, double width, QRgb colour)
{
    p.setPen(QPen(rgb(colour), width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, r);
    p.setPen(Qt::NoPen);
}

void line(QPainter& p, QPointF a, QPointF b, double width, QRgb colour,
          Qt::PenCapStyle cap = Qt::FlatCap)
{
    p.setPen(QPen(rgb(colour), width, Qt::SolidLine, cap, Qt::RoundJoin));
    p.drawLine(a, b);
    p.setPen(Qt::NoPen);
}

void stroke(QPainter& p, const QPainterPath& path, double width, QRgb colour)
{
    p.setPen(QPen(rgb(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
}

// A star of `points` points, one towards `angle` (radians, screen
// orientation).
QPainterPath starShape(QPointF centre, double outer, int points = 5, double angle = -kPi / 2,
                       double innerRatio = -1)
{
    if (innerRatio < 0) {
        innerRatio = points == 5 ? 0.382 : 0.5;
    }
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = angle + i * kPi / points;
        const double r = i % 2 == 0 ? outer : outer * innerRatio;
        const QPointF at = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0) {
            path.moveTo(at);
        } else {
            path.lineTo(at);
        }
    }
    path.closeSubpath();
    return path;
}

void star(QPainter& p, QPointF centre, double r, QRgb colour, int points = 5,
          double angle = -kPi / 2)
{
    p.fillPath(starShape(centre, r, points, angle), rgb(colour));
}

// A crescent: the disc of radius r less a disc of radius `inner` whose
// centre lies `shift` away towards `towards` (radians).
void crescent(QPainter& p, QPointF centre, double r, double inner, double shift, double towards,
              QRgb colour)
{
    QPainterPath outer;
    outer.addEllipse(centre, r, r);
    QPainterPath cut;
    cut.addEllipse(centre + QPointF(std::cos(towards) * shift, std::sin(towards) * shift), inner,
                   inner);
    p.fillPath(outer.subtracted(cut), rgb(colour));
}

// A sun: a disc with `rays` straight triangular rays.
void sun(QPainter& p, QPointF centre, double r, double rayLength, int rays, QRgb colour,
         double turn = 0)
{
    QPainterPath path;
    for (int i = 0; i < rays; ++i) {
        const double a = turn + 2 * kPi * i / rays;
        const double half = kPi / rays * 0.55;
        path.moveTo(centre + QPointF(std::cos(a - half), std::sin(a - half)) * r * 0.9);
        path.lineTo(centre + QPointF(std::cos(a), std::sin(a)) * (r + rayLength));
        path.lineTo(centre + QPointF(std::cos(a + half), std::sin(a + half)) * r * 0.9);
        path.closeSubpath();
    }
    path.addEllipse(centre, r, r);
    path.setFillRule(Qt::WindingFill);
    p.fillPath(path, rgb(colour));
}

// A heater shield in the box (x, y, w, h).
QPainterPath shieldShape(double x, double y, double w, double h)
{
    QPainterPath path;
    path.moveTo(x, y);
    path.lineTo(x + w, y);
    path.lineTo(x + w, y + h * 0.55);
    path.quadTo(x + w, y + h * 0.9, x + w / 2, y + h);
    path.quadTo(x, y + h * 0.9, x, y + h * 0.55);
    path.closeSubpath();
    return path;
}

// A shield centred on `c`, `h` high, filled and outlined.
void shield(QPainter& p, QPointF c, double h, QRgb colour, QRgb outline)
{
    const double w = h * 0.8;
    const QPainterPath path = shieldShape(c.x() - w / 2, c.y() - h / 2, w, h);
    p.fillPath(path, rgb(colour));
    if (outline != colour) {
        stroke(p, path, h * 0.08, outline);
    }
}

// A heraldic eagle, wings raised, `size` high, centred
// on `c`; with two heads for Albania's.
void eagle(QPainter& p, QPointF c, double size, QRgb colour, bool twoHeads = false)
{
    const double s = size / 2;
    auto at = [&](double x, double y) { return c + QPointF(x * s, y * s); };
    QPainterPath path;
    // The wings: raised, their outer edges ending in feather tips.
    const QPointF wing[] = {{0.1, -0.3},   {0.4, -0.62},  {0.75, -0.82}, {1.0, -0.92},
                            {0.88, -0.62}, {1.0, -0.55},  {0.82, -0.38}, {0.94, -0.28},
                            {0.72, -0.15}, {0.82, -0.04}, {0.58, 0.05},  {0.64, 0.16},
                            {0.35, 0.12},  {0.12, 0.15}};
    for (const double side : {-1.0, 1.0}) {
        bool first = true;
        for (const QPointF& w : wing) {
            const QPointF point = at(w.x() * side, w.y());
            if (first) {
                path.moveTo(point);
                first = false;
            } else {
                path.lineTo(point);
            }
        }
        path.closeSubpath();
    }
    // The body, the tail fan and the legs.
    path.addEllipse(at(0, 0.05), 0.2 * s, 0.38 * s);
    path.moveTo(at(-0.1, 0.35));
    path.lineTo(at(-0.32, 0.92));
    path.lineTo(at(0, 0.82));
    path.lineTo(at(0.32, 0.92));
    path.lineTo(at(0.1, 0.35));
    path.closeSubpath();
    for (const double side : {-1.0, 1.0}) {
        path.moveTo(at(0.06 * side, 0.3));
        path.lineTo(at(0.34 * side, 0.6));
        path.lineTo(at(0.26 * side, 0.66));
        path.lineTo(at(0.0, 0.4));
        path.closeSubpath();
    }
    // Necks and heads, the beaks looking outwards.
    const std::vector<double> heads =
        twoHeads ? std::vector<double>{-1.0, 1.0} : std::vector<double>{1.0};
    for (const double side : heads) {
        const double x = twoHeads ? 0.2 * side : 0.02;
        path.moveTo(at(-0.08, -0.25));
        path.lineTo(at(x - 0.08, -0.62));
        path.lineTo(at(x + 0.08, -0.62));
        path.lineTo(at(0.08, -0.25));
        path.closeSubpath();
        path.addEllipse(at(x, -0.68), 0.13 * s, 0.12 * s);
        path.moveTo(at(x + 0.08 * side, -0.74));
        path.lineTo(at(x + 0.3 * side, -0.66));
        path.lineTo(at(x + 0.1 * side, -0.6));
        path.closeSubpath();
    }
    path.setFillRule(Qt::WindingFill);
    p.fillPath(path, rgb(colour));
}

// A laurel wreath open at the top, `r` in radius.
void wreath(QPainter& p, QPointF c, double r, QRgb colour)
{
    QPainterPath leaves;
    for (const double side : {-1.0, 1.0}) {
        for (int i = 0; i < 7; ++i) {
            const double a = kPi / 2 + side * (0.35 + i * 0.33);  // from the bottom up either side
            const QPointF at = c + QPointF(std::cos(a) * r, std::sin(a) * r);
            leaves.addEllipse(at, r * 0.2, r * 0.2);
        }
    }
    leaves.setFillRule(Qt::WindingFill);
    p.fillPath(leaves, rgb(colour));
}

// A band of `width` along the line through a and b, long enough to cross
// the whole flag.
void diagonal(QPainter& p, QPointF a, QPointF b, double width, QRgb colour)
{
    const QPointF d = b - a;
    line(p, a - d * 2, b + d * 2, width, colour);
}

// The arms of a cross through (cx, cy).
void cross(QPainter& p, double cx, double cy, double width, QRgb colour)
{
    rect(p, 0, cy - width / 2, W, width, colour);
    rect(p, cx - width / 2, 0, width, H, colour);
}

void saltire(QPainter& p, double width, QRgb colour)
{
    diagonal(p, QPointF(0, 0), QPointF(W, H), width, colour);
    diagonal(p, QPointF(0, H), QPointF(W, 0), width, colour);
}

// `count` stripes of alternating colours from the top.
void alternate(QPainter& p, int count, QRgb first, QRgb second)
{
    for (int i = 0; i < count; ++i) {
        rect(p, 0, H * i / count, W, H / count + 0.3, i % 2 == 0 ? first : second);
    }
}

// The Union Flag as the canton of an ensign.
void unionCanton(QPainter& p, double w = W / 2, double h = H / 2)
{
    p.save();
    p.setClipRect(QRectF(0, 0, w, h), Qt::IntersectClip);
    unionJack(p, w, h);
    p.restore();
}

// ---------------------------------------------------------------------------
// Banded flags: bands across or from hoist to fly, perhaps with a hoist
// band or triangle, and simple charges.

enum class Hoist { None, Band, Triangle };

struct Charge {
    enum Kind { Star, Disc, Ring, Wreath, Shield, Eagle, Sun, Triangle } kind;
    double x;
    double y;
    double size;  // radius, or height for a shield or an eagle
    QRgb colour;
    QRgb second = 0;  // a shield's outline, a triangle's border
    int points = 5;
};

struct Banded {
    const char* name;
    bool across;
    std::vector<QRgb> colours;
    std::vector<double> weights = {};
    Hoist hoist = Hoist::None;
    QRgb hoistColour = 0;
    double hoistDepth = 0;  // a fraction of the width
    std::vector<Charge> charges = {};
};

const QPointF kMiddle(W / 2, H / 2);

// clang-format off
const std::vector<Banded> kBanded = {
    // Europe
    {"Russia", true, {kWhite, 0x0039A6, 0xD52B1E}},
    {"Austria", true, {0xED2939, kWhite, 0xED2939}},
    {"Belgium", false, {kBlack, 0xFDDA24, 0xEF3340}},
    {"Bulgaria", true, {kWhite, 0x00966E, 0xD62612}},
    {"Estonia", true, {0x0072CE, kBlack, kWhite}},
    {"France", false, {0x002395, kWhite, 0xED2939}},
    {"Germany", true, {kBlack, 0xDD0000, 0xFFCE00}},
    {"Hungary", true, {0xCD2A3E, kWhite, 0x436F4D}},
    {"Ireland", false, {0x169B62, kWhite, 0xFF883E}},
    {"Italy", false, {0x009246, kWhite, 0xCE2B37}},
    {"Latvia", true, {0x9E3039, kWhite, 0x9E3039}, {2, 1, 2}},
    {"Lithuania", true, {0xFDB913, 0x006A44, 0xC1272D}},
    {"Luxembourg", true, {0xED2939, kWhite, 0x00A1DE}},
    {"Monaco", true, {0xCE1126, kWhite}},
    {"Netherlands", true, {0xAE1C28, kWhite, 0x21468B}},
    {"Poland", true, {kWhite, 0xDC143C}},
    {"Romania", false, {0x002B7F, 0xFCD116, 0xCE1126}},
    {"Serbia-Montenegro", true, {0x0C4077, kWhite, 0xD6001C}},
    {"Ukraine", true, {0x0057B7, 0xFFD700}},
    {"Andorra", false, {0x10069F, 0xFEDF00, 0xD0103A}, {8, 9, 8}, Hoist::None, 0, 0,
     {{Charge::Shield, 75, 50, 30, 0xD0103A, 0xC7A43B}, {Charge::Shield, 75, 48, 18, 0xFEDF00, 0xFEDF00}}},
    {"Moldova", false, {0x0046AE, 0xFFD200, 0xCC092F}, {}, Hoist::None, 0, 0,
     {{Charge::Eagle, 75, 47, 40, 0x9E6B2E}, {Charge::Shield, 75, 52, 15, 0xCC092F, 0x0046AE}}},
    {"San Marino", true, {kWhite, 0x5EB6E4}, {}, Hoist::None, 0, 0,
     {{Charge::Wreath, 75, 52, 17, 0x3C8D2F}, {Charge::Shield, 75, 50, 22, 0x5EB6E4, 0xC7A43B}}},
    // Asia
    {"Afghanistan", false, {kBlack, 0xD32011, 0x007A36}, {}, Hoist::None, 0, 0,
     {{Charge::Wreath, 75, 50, 19, kWhite}, {Charge::Shield, 75, 50, 14, kWhite, kWhite}}},
    {"Armenia", true, {0xD90012, 0x0033A0, 0xF2A800}},
    {"Indonesia", true, {0xE70011, kWhite}},
    {"Jordan", true, {kBlack, kWhite, 0x007A3D}, {}, Hoist::Triangle, 0xCE1126, 0.5,
     {{Charge::Star, 25, 50, 9, kWhite, 0, 7}}},
    {"Myanmar", true, {0xFECB00, 0x34B233, 0xEA2839}, {}, Hoist::None, 0, 0,
     {{Charge::Star, 75, 54, 34, kWhite}}},
    {"Syria", true, {0xCE1126, kWhite, kBlack}, {}, Hoist::None, 0, 0,
     {{Charge::Star, 50, 50, 11, 0x007A3D}, {Charge::Star, 100, 50, 11, 0x007A3D}}},
    {"Thailand", true, {0xA51931, 0xF4F5F8, 0x2D2A4A, 0xF4F5F8, 0xA51931}, {1, 1, 2, 1, 1}},
    {"United Arab Emirates", true, {0x00732F, kWhite, kBlack}, {}, Hoist::Band, 0xFF0000, 0.25},
    {"Vietnam", true, {0xDA251D}, {}, Hoist::None, 0, 0, {{Charge::Star, 75, 52, 30, 0xFFFF00}}},
    {"Yemen", true, {0xCE1126, kWhite, kBlack}},
    {"Palau", true, {0x4AADD6}, {}, Hoist::None, 0, 0, {{Charge::Disc, 66, 50, 30, 0xFFDE00}}},
    // North America
    {"Bahamas", true, {0x00778B, 0xFFC72C, 0x00778B}, {}, Hoist::Triangle, kBlack, 0.42},
    {"Costa Rica", true, {0x002B7F, kWhite, 0xCE1126, kWhite, 0x002B7F}, {1, 1, 2, 1, 1}, Hoist::None, 0, 0,
     {{Charge::Disc, 48, 50, 10, kWhite}, {Charge::Ring, 48, 50, 8, 0x2E7D32}}},
    {"Cuba", true, {0x002A8F, kWhite, 0x002A8F, kWhite, 0x002A8F}, {}, Hoist::Triangle, 0xCF142B, 0.42,
     {{Charge::Star, 21, 50, 12, kWhite}}},
    {"El Salvador", true, {0x0047AB, kWhite, 0x0047AB}, {}, Hoist::None, 0, 0,
     {{Charge::Wreath, 75, 50, 13, 0x3C8D2F}, {Charge::Triangle, 75, 50, 9, 0x3C8D2F, 0xE0B52B}}},
    {"Guatemala", false, {0x4997D0, kWhite, 0x4997D0}, {}, Hoist::None, 0, 0,
     {{Charge::Wreath, 75, 52, 15, 0x3C8D2F}, {Charge::Disc, 75, 50, 7, 0xE8D9A0}, {Charge::Star, 75, 46, 4, 0x3C8D2F}}},
    {"Haiti", true, {0x00209F, 0xD21034}, {}, Hoist::None, 0, 0,
     {{Charge::Shield, 75, 50, 34, kWhite, kWhite}, {Charge::Triangle, 75, 48, 10, 0x2E7D32, 0x2E7D32}}},
    {"Honduras", true, {0x00BCE4, kWhite, 0x00BCE4}, {}, Hoist::None, 0, 0,
     {{Charge::Star, 75, 50, 5, 0x00BCE4}, {Charge::Star, 56, 44, 5, 0x00BCE4}, {Charge::Star, 56, 56, 5, 0x00BCE4},
      {Charge::Star, 94, 44, 5, 0x00BCE4}, {Charge::Star, 94, 56, 5, 0x00BCE4}}},
    {"Martinique", true, {0x00A651, kBlack}, {}, Hoist::Triangle, 0xE30613, 0.5},
    {"Mexico", false, {0x006847, kWhite, 0xCE1126}, {}, Hoist::None, 0, 0,
     {{Charge::Wreath, 75, 52, 15, 0x3C8D2F}, {Charge::Eagle, 75, 48, 22, 0x8C5A2B}}},
    {"Nicaragua", true, {0x0067C6, kWhite, 0x0067C6}, {}, Hoist::None, 0, 0,
     {{Charge::Ring, 75, 50, 13, 0xC7A43B}, {Charge::Triangle, 75, 51, 9, 0x0067C6, 0x3C8D2F}}},
    {"Puerto Rico", true, {0xED0000, kWhite, 0xED0000, kWhite, 0xED0000}, {}, Hoist::Triangle, 0x0050F0, 0.42,
     {{Charge::Star, 21, 50, 12, kWhite}}},
    // South America
    {"Argentina", true, {0x74ACDF, kWhite, 0x74ACDF}, {}, Hoist::None, 0, 0,
     {{Charge::Sun, 75, 50, 8, 0xF6B40E}}},
    {"Bolivia", true, {0xD52B1E, 0xF9E300, 0x007934}},
    {"Colombia", true, {0xFCD116, 0x003893, 0xCE1126}, {2, 1, 1}},
    {"Equador", true, {0xFFD100, 0x0072CE, 0xEF3340}, {2, 1, 1}, Hoist::None, 0, 0,
     {{Charge::Shield, 75, 54, 24, 0x5DA9DD, 0xC7A43B}, {Charge::Eagle, 75, 37, 18, 0x4A3B2A}}},
    {"Paraquay", true, {0xD52B1E, kWhite, 0x0038A8}, {}, Hoist::None, 0, 0,
     {{Charge::Ring, 75, 50, 13, 0x0038A8}, {Charge::Wreath, 75, 51, 9, 0x3C8D2F}, {Charge::Star, 75, 49, 4, 0xF6C000}}},
    {"Peru", false, {0xD91023, kWhite, 0xD91023}},
    {"Suriname", true, {0x377E3F, kWhite, 0xB40A2D, kWhite, 0x377E3F}, {2, 1, 4, 1, 2}, Hoist::None, 0, 0,
     {{Charge::Star, 75, 50, 16, 0xECC81D}}},
    // Oceania
    {"Micronesia", true, {0x75B2DD}, {}, Hoist::None, 0, 0,
     {{Charge::Star, 75, 28, 9, kWhite}, {Charge::Star, 52, 50, 9, kWhite}, {Charge::Star, 98, 50, 9, kWhite},
      {Charge::Star, 75, 72, 9, kWhite}}},
    // Africa
    {"Benin", true, {0xFCD116, 0xE8112D}, {}, Hoist::Band, 0x008751, 0.4},
    {"Botswana", true, {0x6DA9D2, kWhite, kBlack, kWhite, 0x6DA9D2}, {9, 1, 4, 1, 9}},
    {"Burkina Faso", true, {0xEF2B2D, 0x009E49}, {}, Hoist::None, 0, 0, {{Charge::Star, 75, 50, 16, 0xFCD116}}},
    {"Cameroon", false, {0x007A5E, 0xCE1126, 0xFCD116}, {}, Hoist::None, 0, 0, {{Charge::Star, 75, 50, 13, 0xFCD116}}},
    {"Chad", false, {0x002664, 0xFECB00, 0xC60C30}},
    {"Djibouti", true, {0x6AB2E7, 0x12AD2B}, {}, Hoist::Triangle, kWhite, 0.5,
     {{Charge::Star, 21, 50, 11, 0xD7141A}}},
    {"Egypt", true, {0xCE1126, kWhite, kBlack}, {}, Hoist::None, 0, 0, {{Charge::Eagle, 75, 50, 28, 0xC09300}}},
    {"Equatorial Guinea", true, {0x3E9A00, kWhite, 0xE32118}, {}, Hoist::Triangle, 0x0073CE, 0.2,
     {{Charge::Shield, 75, 51, 22, 0xD8D8D8, 0x8A8A8A}, {Charge::Triangle, 75, 49, 7, 0x3E9A00, 0x3E9A00}}},
    {"Ethiopia", true, {0x078930, 0xFCDD09, 0xDA121A}, {}, Hoist::None, 0, 0,
     {{Charge::Disc, 75, 50, 20, 0x0F47AF}, {Charge::Star, 75, 51, 14, 0xFCDD09}}},
    {"Gabon", true, {0x009E60, 0xFCD116, 0x3A75C4}},
    {"Gambia", true, {0xCE1126, kWhite, 0x0C1C8C, kWhite, 0x3A7728}, {6, 1, 4, 1, 6}},
    {"Ghana", true, {0xCE1126, 0xFCD116, 0x006B3F}, {}, Hoist::None, 0, 0, {{Charge::Star, 75, 51, 15, kBlack}}},
    {"Guinea", false, {0xCE1126, 0xFCD116, 0x009460}},
    {"Guinea-Bissau", true, {0xFCD116, 0x009E49}, {}, Hoist::Band, 0xCE1126, 1.0 / 3,
     {{Charge::Star, 25, 50, 13, kBlack}}},
    {"Ivory Coast (Cote Divoire)", false, {0xF77F00, kWhite, 0x009E60}},
    {"Madagascar", true, {0xFC3D32, 0x007E3A}, {}, Hoist::Band, kWhite, 1.0 / 3},
    {"Mali", false, {0x14B53A, 0xFCD116, 0xCE1126}},
    {"Mauritius", true, {0xEA2839, 0x1A206D, 0xFFD500, 0x00A551}},
    {"Mozambique", true, {0x007168, kWhite, kBlack, kWhite, 0xFCE100}, {5, 1, 5, 1, 5}, Hoist::Triangle, 0xD21034, 0.45,
     {{Charge::Star, 21, 50, 13, 0xFCE100}}},
    {"Niger", true, {0xE05206, kWhite, 0x0DB02B}, {}, Hoist::None, 0, 0, {{Charge::Disc, 75, 50, 10, 0xE05206}}},
    {"Nigeria", false, {0x008751, kWhite, 0x008751}},
    {"Rwanda", true, {0x00A1DE, 0xFAD201, 0x20603D}, {2, 1, 1}, Hoist::None, 0, 0,
     {{Charge::Sun, 122, 24, 8, 0xFAD201}}},
    {"Sao Tome and Principe", true, {0x12AD2B, 0xFFCE00, 0x12AD2B}, {2, 3, 2}, Hoist::Triangle, 0xD21034, 0.3,
     {{Charge::Star, 70, 50, 12, kBlack}, {Charge::Star, 110, 50, 12, kBlack}}},
    {"Senegal", false, {0x00853F, 0xFDEF42, 0xE31B23}, {}, Hoist::None, 0, 0, {{Charge::Star, 75, 51, 14, 0x00853F}}},
    {"Sierra Leone", true, {0x1EB53A, kWhite, 0x0072C6}},
    {"Somalia", true, {0x4189DD}, {}, Hoist::None, 0, 0, {{Charge::Star, 75, 52, 26, kWhite}}},
    {"Sudan", true, {0xD21034, kWhite, kBlack}, {}, Hoist::Triangle, 0x007229, 0.33},
};
// clang-format on

void drawCharge(QPainter& p, const Charge& c)
{
    const QPointF at(c.x, c.y);
    switch (c.kind) {
    case Charge::Star:
        star(p, at, c.size, c.colour, c.points);
        break;
    case Charge::Disc:
        disc(p, at, c.size, c.colour);
        break;
    case Charge::Ring:
        ring(p, at, c.size, c.size * 0.22, c.colour);
        break;
    case Charge::Wreath:
        wreath(p, at, c.size, c.colour);
        break;
    case Charge::Shield:
        shield(p, at, c.size, c.colour, c.second);
        break;
    case Charge::Eagle:
        eagle(p, at, c.size, c.colour);
        break;
    case Charge::Sun:
        sun(p, at, c.size, c.size * 0.9, 16, c.colour);
        break;
    case Charge::Triangle: {
        const double r = c.size;
        QPainterPath t;
        t.moveTo(at + QPointF(0, -r));
        t.lineTo(at + QPointF(r * 1.05, r * 0.7));
        t.lineTo(at + QPointF(-r * 1.05, r * 0.7));
        t.closeSubpath();
        p.fillPath(t, rgb(c.colour));
        stroke(p, t, r * 0.2, c.second);
        break;
    }
    }
}

void drawBanded(QPainter& p, const Banded& flag)
{
    bands(p, QRectF(0, 0, W, H), flag.colours, flag.weights, flag.across);
    const double depth = flag.hoistDepth * W;
    if (flag.hoist == Hoist::Band) {
        rect(p, 0, 0, depth, H, flag.hoistColour);
    } else if (flag.hoist == Hoist::Triangle) {
        poly(p, flag.hoistColour, {{0, 0}, {depth, H / 2}, {0, H}});
    }
    for (const Charge& charge : flag.charges) {
        drawCharge(p, charge);
    }
}

// ---------------------------------------------------------------------------
// Nordic crosses: the upright towards the hoist, a narrower cross of a third
// colour inside for some.

struct Nordic {
    const char* name;
    QRgb field;
    QRgb cross;
    QRgb inner = 0;
};

const std::vector<Nordic> kNordic = {
    {"Denmark", 0xC8102E, kWhite},           {"Sweden", 0x006AA7, 0xFECC00},
    {"Norway", 0xBA0C2F, kWhite, 0x00205B},  {"Finland", kWhite, 0x002F6C},
    {"Iceland", 0x02529C, kWhite, 0xDC1E35}, {"Faroe Islands", kWhite, 0x005EB8, 0xEF303E},
};

void drawNordic(QPainter& p, const Nordic& flag)
{
    fill(p, flag.field);
    const double cx = W * 0.36;
    if (flag.inner != 0) {
        cross(p, cx, H / 2, H * 0.25, flag.cross);
        cross(p, cx, H / 2, H * 0.12, flag.inner);
    } else {
        cross(p, cx, H / 2, H * 0.16, flag.cross);
    }
}

// ---------------------------------------------------------------------------
// Ensigns of the British territories: the Union Flag in the canton of a blue
// (or, for Bermuda, red) field and the territory's badge in the fly,
// simplified to a shield with a chief, a field, perhaps the sea at its foot
// and one charge.

struct Badge {
    QRgb field;
    QRgb chief = 0;    // the shield's upper third, when it has one
    bool sea = false;  // blue and white waves at the foot
    QRgb charge = 0;   // the main figure
    enum Figure { None, Person, Ship, Animal, Anchor, Dolphins, Shells, Cross } figure = None;
};

struct Ensign {
    const char* name;
    QRgb field;
    Badge badge;
};

constexpr QRgb kEnsignBlue = 0x012169;

// clang-format off
const std::vector<Ensign> kEnsigns = {
    {"Anguilla", kEnsignBlue, {kWhite, 0, true, 0xF18A00, Badge::Dolphins}},
    {"Bermuda", 0xC8102E, {kWhite, 0, true, 0xC8102E, Badge::Animal}},
    {"British Virgin Islands", kEnsignBlue, {0x00843D, 0, false, kWhite, Badge::Person}},
    {"Cayman Islands", kEnsignBlue, {kWhite, 0xC8102E, true, 0x2E8B57, Badge::Shells}},
    {"Montserrat", kEnsignBlue, {0x4FA3DF, 0, false, 0x2E7D32, Badge::Cross}},
    {"Turks and Caicos Islands", kEnsignBlue, {0xF7D417, 0, false, 0xE27A3F, Badge::Shells}},
    {"Falkland Islands", kEnsignBlue, {0x4F8FD0, 0, true, kWhite, Badge::Animal}},
    {"South Georgia", kEnsignBlue, {kWhite, 0x2E7D32, true, 0xC7A43B, Badge::Animal}},
    {"Pitcairn Islands", kEnsignBlue, {0x2E8B57, 0, true, 0xF7D417, Badge::Anchor}},
    {"Saint Helena", kEnsignBlue, {0x6EB4E8, 0xF7D417, true, 0x5A3A22, Badge::Ship}},
    {"Fiji", 0x68BFE5, {kWhite, 0xC8102E, false, 0xC8102E, Badge::Cross}},
};
// clang-format on

void drawBadge(QPainter& p, const Badge& badge, QPointF c, double h)
{
    const double w = h * 0.8;
    const double x = c.x() - w / 2;
    const double y = c.y() - h / 2;
    const QPainterPath outline = shieldShape(x, y, w, h);
    p.save();
    p.setClipPath(outline, Qt::IntersectClip);
    rect(p, x, y, w, h, badge.field);
    double top = y;
    if (badge.chief != 0) {
        rect(p, x, y, w, h * 0.3, badge.chief);
        top = y + h * 0.3;
    }
    if (badge.sea) {
        for (int i = 0; i < 3; ++i) {
            rect(p, x, y + h * (0.72 + i * 0.1), w, h * 0.05, 0x1F5FAF);
        }
    }
    const QPointF mid(c.x(), (top + y + h * (badge.sea ? 0.72 : 0.9)) / 2);
    const double s = h * 0.22;
    switch (badge.figure) {
    case Badge::None:
        break;
    case Badge::Person:  // a standing figure
        disc(p, mid + QPointF(0, -s * 0.9), s * 0.35, badge.charge);
        poly(p, badge.charge,
             {mid + QPointF(-s * 0.5, s * 1.1), mid + QPointF(0, -s * 0.6),
              mid + QPointF(s * 0.5, s * 1.1)});
        break;
    case Badge::Ship:
        poly(p, badge.charge,
             {mid + QPointF(-s, s * 0.3), mid + QPointF(s, s * 0.3),
              mid + QPointF(s * 0.7, s * 0.8), mid + QPointF(-s * 0.7, s * 0.8)});
        poly(p, kWhite,
             {mid + QPointF(-s * 0.1, -s), mid + QPointF(-s * 0.1, s * 0.2),
              mid + QPointF(-s * 0.8, s * 0.2)});
        poly(p, kWhite,
             {mid + QPointF(s * 0.1, -s * 0.8), mid + QPointF(s * 0.1, s * 0.2),
              mid + QPointF(s * 0.7, s * 0.2)});
        break;
    case Badge::Animal:  // a lion or a ram, standing
        p.fillPath(
            [&] {
                QPainterPath a;
                a.addEllipse(mid, s * 0.9, s * 0.5);
                a.addEllipse(mid + QPointF(-s * 0.9, -s * 0.5), s * 0.4, s * 0.4);
                a.addRect(QRectF(mid + QPointF(-s * 0.7, 0), QSizeF(s * 0.25, s * 0.9)));
                a.addRect(QRectF(mid + QPointF(s * 0.45, 0), QSizeF(s * 0.25, s * 0.9)));
                a.setFillRule(Qt::WindingFill);
                return a;
            }(),
            rgb(badge.charge));
        break;
    case Badge::Anchor:
        line(p, mid + QPointF(0, -s), mid + QPointF(0, s), s * 0.28, badge.charge);
        line(p, mid + QPointF(-s * 0.5, -s * 0.55), mid + QPointF(s * 0.5, -s * 0.55), s * 0.25,
             badge.charge);
        {
            QPainterPath arc;
            arc.moveTo(mid + QPointF(-s * 0.8, s * 0.3));
            arc.quadTo(mid + QPointF(0, s * 1.5), mid + QPointF(s * 0.8, s * 0.3));
            stroke(p, arc, s * 0.25, badge.charge);
        }
        break;
    case Badge::Dolphins:  // three in a ring
        for (int i = 0; i < 3; ++i) {
            const double a = -kPi / 2 + i * 2 * kPi / 3;
            QPainterPath d;
            const QPointF at = mid + QPointF(std::cos(a), std::sin(a)) * s * 0.7;
            d.addEllipse(at, s * 0.45, s * 0.22);
            p.save();
            p.translate(at);
            p.rotate(a * 180 / kPi + 90);
            p.translate(-at);
            p.fillPath(d, rgb(badge.charge));
            p.restore();
        }
        break;
    case Badge::Shells:  // three small charges
        for (const QPointF d : {QPointF(-0.6, -0.5), QPointF(0.6, -0.5), QPointF(0, 0.5)}) {
            star(p, mid + d * s, s * 0.5, badge.charge);
        }
        break;
    case Badge::Cross:
        rect(p, c.x() - s * 0.2, top, s * 0.4, h, badge.charge);
        rect(p, x, mid.y() - s * 0.2, w, s * 0.4, badge.charge);
        break;
    }
    p.restore();
    stroke(p, outline, h * 0.05, 0xE8E8E8);
}

void ensignBase(QPainter& p, QRgb field)
{
    fill(p, field);
    unionCanton(p);
}

void drawEnsign(QPainter& p, const Ensign& flag)
{
    ensignBase(p, flag.field);
    drawBadge(p, flag.badge, QPointF(112, 50), 46);
}

// ---------------------------------------------------------------------------
// Flags of their own kind. Europe first.

void albania(QPainter& p)
{
    fill(p, 0xE41E20);
    eagle(p, kMiddle + QPointF(0, 2), 86, kBlack, true);
}

void belarus(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xC8313E, 0x4AA657}, {2, 1}, true);
    rect(p, 0, 0, 17, H, kWhite);
    // The red ornament: a column of lozenges.
    for (int i = 0; i < 6; ++i) {
        const double y = 8 + i * 17;
        poly(p, 0xC8313E, {{8.5, y - 7}, {14, y}, {8.5, y + 7}, {3, y}});
        poly(p, kWhite, {{8.5, y - 3}, {11, y}, {8.5, y + 3}, {6, y}});
    }
}

void bosnia(QPainter& p)
{
    fill(p, 0x002395);
    poly(p, 0xFECB00, {{40, 0}, {110, 0}, {110, H}});
    // Nine stars along the triangle's long side, the first and last cut by
    // the edges.
    for (int i = 0; i < 9; ++i) {
        const double t = (i - 0.5) / 8.0;
        star(p, QPointF(24 + 80 * t, 100 * t + 2), 6.5, kWhite);
    }
}

void croatia(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xFF0000, kWhite, 0x171796}, {}, true);
    // The chequered shield under a crown of five small shields.
    const double x = 61;
    const double y = 28;
    const double sw = 28;
    const QPainterPath outline = shieldShape(x, y, sw, 40);
    p.save();
    p.setClipPath(outline, Qt::IntersectClip);
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 5; ++c) {
            rect(p, x + c * sw / 5, y + r * sw / 5, sw / 5 + 0.2, sw / 5 + 0.2,
                 (r + c) % 2 == 0 ? 0xFF0000 : kWhite);
        }
    }
    p.restore();
    stroke(p, outline, 1.5, 0xFF0000);
    for (int i = 0; i < 5; ++i) {
        const double cx = x + 2.8 + i * 5.6;
        p.fillPath(shieldShape(cx - 3, y - 9 + std::abs(i - 2) * 1.2, 6, 8),
                   rgb(i % 2 == 0 ? 0x171796 : 0x3AA0E0));
    }
}

void gibraltar(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {kWhite, 0xDA000C}, {2, 1}, true);
    // The castle: three towers over a gate.
    const QRgb red = 0xDA000C;
    rect(p, 48, 34, 54, 28, red);
    rect(p, 44, 26, 16, 14, red);
    rect(p, 67, 16, 16, 24, red);
    rect(p, 90, 26, 16, 14, red);
    for (const double x : {44.0, 67.0, 90.0}) {
        for (int i = 0; i < 3; ++i) {
            rect(p, x + i * 6, (x == 67.0 ? 12 : 22), 4, 5, red);
        }
    }
    rect(p, 70, 46, 10, 16, kBlack);
    // The key hanging from the gate.
    line(p, {75, 66}, {75, 88}, 3, 0xF2C300);
    ring(p, {75, 66}, 4, 2.5, 0xF2C300);
    rect(p, 75, 82, 7, 3, 0xF2C300);
}

void greece(QPainter& p)
{
    alternate(p, 9, 0x0D5EAF, kWhite);
    const double side = H * 5 / 9;
    rect(p, 0, 0, side, side, 0x0D5EAF);
    rect(p, 0, side * 0.4, side, side / 5, kWhite);
    rect(p, side * 0.4, 0, side / 5, side, kWhite);
}

void guernsey(QPainter& p)
{
    fill(p, kWhite);
    cross(p, W / 2, H / 2, 26, 0xE8112D);
    // The gold cross of Normandy inside the red.
    const QRgb gold = 0xF9DD16;
    rect(p, W / 2 - 4, 18, 8, 64, gold);
    rect(p, 43, H / 2 - 4, 64, 8, gold);
}

void isleOfMan(QPainter& p)
{
    fill(p, 0xCF142B);
    // The three legs, armoured, running round the middle.
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(kMiddle);
        p.rotate(i * 120 - 90);
        QPainterPath leg;
        leg.moveTo(0, 0);
        leg.lineTo(28, 0);   // thigh
        leg.lineTo(30, 22);  // shin, bent at the knee
        stroke(p, leg, 9, kWhite);
        poly(p, 0xF2C300, {{26, 22}, {40, 24}, {40, 28}, {25, 27}});  // the spurred foot
        disc(p, {28, 0}, 4, 0xF2C300);                                // knee guard
        p.restore();
    }
    disc(p, kMiddle, 6, kWhite);
}

void jersey(QPainter& p)
{
    fill(p, kWhite);
    saltire(p, 14, 0xDF112D);
    // The badge: three gold lions on red under the crown.
    const QPainterPath outline = shieldShape(66, 16, 18, 22);
    p.fillPath(outline, rgb(0xDF112D));
    for (int i = 0; i < 3; ++i) {
        rect(p, 69, 20 + i * 5.5, 12 - i * 2, 2.5, 0xF2C300);
    }
    stroke(p, outline, 1.2, 0xF2C300);
    poly(p, 0xF2C300, {{67, 14}, {66, 6}, {70.5, 10}, {75, 4}, {79.5, 10}, {84, 6}, {83, 14}});
}

void crown(QPainter& p, QPointF c, double s, QRgb colour)
{
    poly(p, colour,
         {c + QPointF(-s, s * 0.5), c + QPointF(-s * 1.1, -s * 0.5),
          c + QPointF(-s * 0.5, -s * 0.1), c + QPointF(0, -s * 0.8), c + QPointF(s * 0.5, -s * 0.1),
          c + QPointF(s * 1.1, -s * 0.5), c + QPointF(s, s * 0.5)});
    disc(p, c + QPointF(0, -s * 0.95), s * 0.2, colour);
}

void liechtenstein(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x002B7F, 0xCE1126}, {}, true);
    crown(p, {36, 25}, 11, 0xFFD83D);
    rect(p, 25, 28, 22, 4, 0xFFD83D);
}

void macedonia(QPainter& p)
{
    fill(p, 0xD20000);
    const QRgb yellow = 0xFFE600;
    // Eight rays widening from the sun to the edges and corners.
    const std::vector<QPointF> ends = {{0, 0}, {W / 2, 0}, {W, 0}, {W, H / 2},
                                       {W, H}, {W / 2, H}, {0, H}, {0, H / 2}};
    for (const QPointF& end : ends) {
        const QPointF d = end - kMiddle;
        const double length = std::hypot(d.x(), d.y());
        const QPointF n(-d.y() / length, d.x() / length);
        const double half = end.x() == W / 2 || end.y() == H / 2 ? 10 : 9;
        poly(p, yellow, {kMiddle, end + n * half, end - n * half});
    }
    disc(p, kMiddle, 17, 0xD20000);
    disc(p, kMiddle, 14, yellow);
}

void malta(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {kWhite, 0xCF142B}, {}, false);
    // The George Cross, edged red, in the canton.
    const QPointF c(22, 22);
    rect(p, c.x() - 12, c.y() - 12, 24, 24, 0xCF142B);
    rect(p, c.x() - 11, c.y() - 11, 22, 22, 0xCCCCCC);
    rect(p, c.x() - 3.5, c.y() - 11, 7, 22, 0xE8E8E8);
    rect(p, c.x() - 11, c.y() - 3.5, 22, 7, 0xE8E8E8);
}

void portugal(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x006600, 0xFF0000}, {2, 3}, false);
    const QPointF c(60, 50);
    // The armillary sphere and the shield of Portugal on it.
    ring(p, c, 21, 3.5, 0xFFE000);
    line(p, c + QPointF(-21, -6), c + QPointF(21, 6), 3, 0xFFE000);
    line(p, c + QPointF(-21, 6), c + QPointF(21, -6), 3, 0xFFE000);
    const QPainterPath outline = shieldShape(c.x() - 10, c.y() - 12, 20, 24);
    p.fillPath(outline, rgb(kWhite));
    stroke(p, outline, 3, 0xFF0000);
    for (const QPointF d :
         {QPointF(0, -6), QPointF(-5, 0), QPointF(0, 0), QPointF(5, 0), QPointF(0, 6)}) {
        rect(p, c.x() + d.x() - 1.6, c.y() + d.y() - 2, 3.2, 4, 0x003399);
    }
}

void slovakia(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {kWhite, 0x0B4EA2, 0xEE1C25}, {}, true);
    const double x = 30;
    const double y = 22;
    const double sw = 34;
    const double sh = 50;
    const QPainterPath outline = shieldShape(x, y, sw, sh);
    p.fillPath(outline, rgb(0xEE1C25));
    stroke(p, outline, 2.5, kWhite);
    // The double cross on the three hills.
    const double cx = x + sw / 2;
    rect(p, cx - 2.5, y + 6, 5, 30, kWhite);
    rect(p, cx - 10, y + 12, 20, 4, kWhite);
    rect(p, cx - 13, y + 21, 26, 4.5, kWhite);
    p.save();
    p.setClipPath(outline, Qt::IntersectClip);
    disc(p, {cx, y + 48}, 10, 0x0B4EA2);
    disc(p, {cx - 12, y + 50}, 9, 0x0B4EA2);
    disc(p, {cx + 12, y + 50}, 9, 0x0B4EA2);
    p.restore();
}

void slovenia(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {kWhite, 0x005DA4, 0xED1C24}, {}, true);
    const double x = 30;
    const double y = 14;
    const QPainterPath outline = shieldShape(x, y, 22, 28);
    p.fillPath(outline, rgb(0x005DA4));
    p.save();
    p.setClipPath(outline, Qt::IntersectClip);
    // Triglav's three peaks over two wavy lines.
    poly(p, kWhite,
         {{x, y + 22},
          {x + 6, y + 14},
          {x + 8, y + 16},
          {x + 11, y + 9},
          {x + 14, y + 16},
          {x + 16, y + 14},
          {x + 22, y + 22},
          {x + 22, y + 30},
          {x, y + 30}});
    for (int i = 0; i < 2; ++i) {
        rect(p, x, y + 22.5 + i * 3, 22, 1.2, 0x005DA4);
    }
    for (const QPointF d : {QPointF(6, 4), QPointF(16, 4), QPointF(11, 7.5)}) {
        star(p, QPointF(x, y) + d, 2.2, 0xFFDD00, 6);
    }
    p.restore();
    stroke(p, outline, 1.5, 0xED1C24);
}

void switzerland(QPainter& p)
{
    fill(p, 0xDA291C);
    rect(p, W / 2 - 10, H / 2 - 31, 20, 62, kWhite);
    rect(p, W / 2 - 31, H / 2 - 10, 62, 20, kWhite);
}

void vatican(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xFFE000, kWhite}, {}, false);
    // The crossed keys, gold and silver, under the tiara.
    const QPointF c(112, 56);
    line(p, c + QPointF(-17, -17), c + QPointF(17, 17), 4, 0xC9A227);
    line(p, c + QPointF(17, -17), c + QPointF(-17, 17), 4, 0xB0B0B0);
    rect(p, c.x() + 12, c.y() + 14, 8, 6, 0xC9A227);
    rect(p, c.x() - 20, c.y() + 14, 8, 6, 0xB0B0B0);
    ring(p, c + QPointF(-15, -15), 4, 2.5, 0xC9A227);
    ring(p, c + QPointF(15, -15), 4, 2.5, 0xB0B0B0);
    QPainterPath tiara;
    tiara.moveTo(c + QPointF(-8, -16));
    tiara.quadTo(c + QPointF(-9, -36), c + QPointF(0, -38));
    tiara.quadTo(c + QPointF(9, -36), c + QPointF(8, -16));
    tiara.closeSubpath();
    p.fillPath(tiara, rgb(0xE8E8E8));
    for (int i = 0; i < 3; ++i) {
        rect(p, c.x() - 8, c.y() - 20 - i * 6, 16, 2.2, 0xC9A227);
    }
    disc(p, c + QPointF(0, -40), 2, 0xC9A227);
}

void unitedKingdom(QPainter& p)
{
    unionJack(p, W, H);
}

// Asia.

void crescentAndStar(QPainter& p, QPointF c, double r, QRgb colour, double starR, double starDx)
{
    crescent(p, c, r, r * 0.8, r * 0.25 + r * 0.05, 0, colour);
    star(p, c + QPointF(starDx, 0), starR, colour, 5, kPi);
}

void azerbaijan(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x00B5E2, 0xEF3340, 0x509E2F}, {}, true);
    crescentAndStar(p, {72, 50}, 12, kWhite, 5.5, 10);
    p.fillPath(starShape({82, 50}, 5.5, 8), rgb(kWhite));
}

// Bahrain and Qatar: a white hoist with a serrated edge.
void serrated(QPainter& p, QRgb field, double edge, int points, double tooth)
{
    fill(p, field);
    QPainterPath white;
    white.moveTo(0, 0);
    white.lineTo(edge, 0);
    for (int i = 0; i < points; ++i) {
        white.lineTo(edge + tooth, H * (i + 0.5) / points);
        white.lineTo(edge, H * (i + 1) / points);
    }
    white.lineTo(0, H);
    white.closeSubpath();
    p.fillPath(white, rgb(kWhite));
}

void bahrain(QPainter& p)
{
    serrated(p, 0xCE1126, 36, 5, 20);
}

void qatar(QPainter& p)
{
    serrated(p, 0x8A1538, 40, 9, 14);
}

void bangladesh(QPainter& p)
{
    fill(p, 0x006A4E);
    disc(p, {67, 50}, 30, 0xF42A41);
}

void bhutan(QPainter& p)
{
    poly(p, 0xFFD520, {{0, 0}, {W, 0}, {0, H}});
    poly(p, 0xFF4E12, {{W, 0}, {W, H}, {0, H}});
    // The thunder dragon along the dividing line: a winding body with a
    // crested head towards the fly and claws holding jewels.
    QPainterPath body;
    body.moveTo(30, 80);
    body.cubicTo(45, 50, 60, 85, 75, 55);
    body.cubicTo(88, 30, 100, 55, 112, 32);
    const QRgb white = kWhite;
    stroke(p, body, 17, white);
    // The spiky mane along its back and the scales along its belly.
    for (int i = 1; i < 14; ++i) {
        const double t = i / 14.0;
        const QPointF at = body.pointAtPercent(t);
        const double a = -body.angleAtPercent(t) * kPi / 180;  // screen orientation
        const QPointF along(std::cos(a), std::sin(a));
        const QPointF back(along.y(), -along.x());  // the side towards the upper hoist
        poly(p, white,
             {at + back * 7 - along * 3, at + back * 13 - along * 5, at + back * 7 + along * 3});
        disc(p, at - back * 2, 1.8, 0xE0D6C4);
    }
    QPainterPath head;
    head.moveTo(104, 38);
    head.lineTo(108, 18);
    head.lineTo(126, 14);
    head.lineTo(138, 22);
    head.lineTo(126, 28);
    head.lineTo(120, 40);
    head.closeSubpath();
    p.fillPath(head, rgb(white));
    for (const QPointF at : {QPointF(52, 72), QPointF(68, 48), QPointF(90, 52), QPointF(104, 28)}) {
        line(p, at, at + QPointF(-5, 8), 3.5, white, Qt::RoundCap);
        disc(p, at + QPointF(-6, 11), 2.8, 0xD0A030);
    }
    // The crest and the tail's flames.
    poly(p, white, {{112, 20}, {108, 10}, {118, 18}});
    poly(p, white, {{30, 80}, {18, 88}, {26, 78}, {20, 74}, {32, 76}});
}

void britishIndianOcean(QPainter& p)
{
    fill(p, kWhite);
    for (int i = 0; i < 6; ++i) {
        QPainterPath wave;
        const double y = 12 + i * 17;
        wave.moveTo(0, y);
        for (int k = 0; k < 10; ++k) {
            wave.quadTo(k * 16 + 8, y + (k % 2 == 0 ? -6 : 6), k * 16 + 16, y);
        }
        stroke(p, wave, 5.5, 0x002868);
    }
    unionCanton(p);
    // The palm tree under the crown.
    const QPointF c(112, 62);
    line(p, c + QPointF(0, 30), c + QPointF(0, -12), 4, 0x7A4A1E);
    for (const double a : {-160.0, -130.0, -50.0, -20.0, -90.0}) {
        const double r = a * kPi / 180;
        line(p, c + QPointF(0, -12), c + QPointF(std::cos(r) * 16, -12 + std::sin(r) * 10 + 4), 3.5,
             0x2E8B2E, Qt::RoundCap);
    }
    crown(p, c + QPointF(0, -30), 7, 0xC9A227);
}

void brunei(QPainter& p)
{
    fill(p, 0xF7E017);
    diagonal(p, {0, 22}, {W, 62}, 20, kWhite);
    diagonal(p, {0, 40}, {W, 80}, 16, kBlack);
    // The crest: a crescent on a mast with a parasol, in red.
    const QRgb red = 0xCF1126;
    crescent(p, {75, 58}, 17, 15, 6, -kPi / 2, red);
    rect(p, 73, 28, 4, 30, red);
    poly(p, red, {{64, 34}, {75, 26}, {86, 34}});
    rect(p, 57, 48, 6, 16, red);
    rect(p, 87, 48, 6, 16, red);
}

void cambodia(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x032EA1, 0xE00025, 0x032EA1}, {1, 2, 1}, true);
    // Angkor Wat: five towers on a terrace.
    rect(p, 44, 62, 62, 6, kWhite);
    rect(p, 50, 54, 50, 8, kWhite);
    for (const double x : {52.0, 64.0, 75.0, 86.0, 98.0}) {
        const double top = x == 75.0 ? 30 : (x == 64.0 || x == 86.0 ? 38 : 44);
        poly(p, kWhite,
             {{x - 4.5, 55}, {x - 3.5, top + 6}, {x, top}, {x + 3.5, top + 6}, {x + 4.5, 55}});
    }
    for (int i = 0; i < 6; ++i) {
        rect(p, 51 + i * 9, 57, 2, 11, 0xE00025);
    }
}

void cyprus(QPainter& p)
{
    fill(p, kWhite);
    poly(p, 0xD57800,
         {{42, 48},
          {48, 38},
          {62, 36},
          {76, 38},
          {88, 34},
          {112, 22},
          {98, 36},
          {96, 44},
          {84, 52},
          {66, 56},
          {52, 58},
          {44, 56}});
    // Two olive branches below.
    for (const double side : {-1.0, 1.0}) {
        QPainterPath branch;
        branch.moveTo(75 + side * 4, 76);
        branch.quadTo(75 + side * 18, 76, 75 + side * 30, 64);
        stroke(p, branch, 2, 0x4E5B31);
        for (int i = 1; i <= 4; ++i) {
            const double t = i / 5.0;
            const QPointF at(75 + side * (4 + 26 * t), 76 - 12 * t * t);
            p.save();
            p.translate(at);
            p.rotate(side * -30);
            QPainterPath leaf;
            leaf.addEllipse(QPointF(0, -3), 1.8, 4);
            leaf.addEllipse(QPointF(0, 3), 1.8, 4);
            p.fillPath(leaf, rgb(0x4E5B31));
            p.restore();
        }
    }
}

void eastTimor(QPainter& p)
{
    fill(p, 0xDC241F);
    poly(p, 0xFFC726, {{0, 0}, {75, 50}, {0, H}});
    poly(p, kBlack, {{0, 0}, {50, 50}, {0, H}});
    star(p, {18, 50}, 11, kWhite, 5, -kPi / 4);
}

void georgia(QPainter& p)
{
    fill(p, kWhite);
    cross(p, W / 2, H / 2, 18, 0xFF0000);
    // The four bolnur-katskhuri crosses.
    for (const QPointF c : {QPointF(34, 23), QPointF(116, 23), QPointF(34, 77), QPointF(116, 77)}) {
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 90);
            poly(p, 0xFF0000, {{-2, 0}, {-4.5, -11}, {4.5, -11}, {2, 0}});
            p.restore();
        }
    }
}

void hongKong(QPainter& p)
{
    fill(p, 0xDE2910);
    // The bauhinia: five white petals whirling round the middle, each with
    // a red star and stamen line.
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(kMiddle);
        p.rotate(i * 72);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(-16, -10, -8, -36, 6, -36);
        petal.cubicTo(14, -30, 10, -18, 0, 0);
        p.fillPath(petal, rgb(kWhite));
        QPainterPath stamen;
        stamen.moveTo(1, -4);
        stamen.quadTo(-3, -18, 3, -28);
        stroke(p, stamen, 1.2, 0xDE2910);
        star(p, {3, -24}, 3.2, 0xDE2910);
        p.restore();
    }
}

void india(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xFF9933, kWhite, 0x138808}, {}, true);
    const QRgb navy = 0x000080;
    ring(p, kMiddle, 13, 2.4, navy);
    for (int i = 0; i < 24; ++i) {
        const double a = i * kPi / 12;
        line(p, kMiddle, kMiddle + QPointF(std::cos(a), std::sin(a)) * 13, 0.9, navy);
    }
    disc(p, kMiddle, 3, navy);
}

void iran(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x239F40, kWhite, 0xDA0000}, {}, true);
    // The takbir borders, as a fringe at the inner edges.
    for (int i = 0; i < 11; ++i) {
        rect(p, 8 + i * 12.6, 31, 8, 2, kWhite);
        rect(p, 8 + i * 12.6, 67, 8, 2, kWhite);
    }
    // The emblem: two crescents about a sword.
    const QRgb red = 0xDA0000;
    crescent(p, {69, 50}, 11, 10, 6, 0, red);
    crescent(p, {81, 50}, 11, 10, 6, kPi, red);
    rect(p, 73.5, 37, 3, 26, red);
    disc(p, {75, 36}, 2.5, red);
}

void iraq(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xCE1126, kWhite, kBlack}, {}, true);
    // "Allahu akbar" in green Kufic, drawn as its strokes.
    const QRgb green = 0x007A3D;
    QPainterPath script;
    script.moveTo(38, 58);
    script.lineTo(112, 58);
    for (const double x : {44.0, 56.0, 64.0, 80.0, 92.0, 104.0}) {
        script.moveTo(x, 58);
        script.lineTo(x, 40);
    }
    script.moveTo(64, 48);
    script.quadTo(72, 42, 78, 50);
    stroke(p, script, 3.2, green);
    disc(p, {86, 44}, 2, green);
}

void israel(QPainter& p)
{
    fill(p, kWhite);
    const QRgb blue = 0x0038B8;
    rect(p, 0, 10, W, 14, blue);
    rect(p, 0, 76, W, 14, blue);
    // The Shield of David: two triangles, outlined.
    for (const double turn : {-kPi / 2, kPi / 2}) {
        QPainterPath triangle;
        for (int i = 0; i < 3; ++i) {
            const double a = turn + i * 2 * kPi / 3;
            const QPointF at = kMiddle + QPointF(std::cos(a), std::sin(a)) * 19;
            if (i == 0) {
                triangle.moveTo(at);
            } else {
                triangle.lineTo(at);
            }
        }
        triangle.closeSubpath();
        p.setPen(QPen(rgb(blue), 4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(triangle);
        p.setPen(Qt::NoPen);
    }
}

void kazakhstan(QPainter& p)
{
    fill(p, 0x00AFCA);
    const QRgb gold = 0xFEC50C;
    sun(p, {80, 40}, 13, 9, 32, gold);
    // The steppe eagle beneath the sun.
    QPainterPath wings;
    wings.moveTo(54, 64);
    wings.quadTo(80, 48, 106, 64);
    wings.quadTo(80, 58, 54, 64);
    p.fillPath(wings, rgb(gold));
    disc(p, {80, 58}, 3, gold);
    // The national ornament along the hoist.
    for (int i = 0; i < 7; ++i) {
        const double y = 8 + i * 14;
        ring(p, {12, y}, 4, 2, gold);
        line(p, {12, y + 4}, {12, y + 10}, 2, gold);
    }
}

void kuwait(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x007A3D, kWhite, 0xCE1126}, {}, true);
    poly(p, kBlack, {{0, 0}, {38, 33.3}, {38, 66.7}, {0, H}});
}

void kyrgyzstan(QPainter& p)
{
    fill(p, 0xE8112D);
    const QRgb gold = 0xFFEF00;
    sun(p, kMiddle, 16, 11, 40, gold);
    // The tunduk, the crown of the yurt.
    disc(p, kMiddle, 11, 0xE8112D);
    ring(p, kMiddle, 9, 2.5, gold);
    for (const double dx : {-3.5, 3.5}) {
        line(p, kMiddle + QPointF(dx, -9), kMiddle + QPointF(dx, 9), 1.8, gold);
    }
    for (const double dy : {-3.5, 3.5}) {
        line(p, kMiddle + QPointF(-9, dy), kMiddle + QPointF(9, dy), 1.8, gold);
    }
}

void laos(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xCE1126, 0x002868, 0xCE1126}, {1, 2, 1}, true);
    disc(p, kMiddle, 20, kWhite);
}

void cedar(QPainter& p, QPointF c, double s, QRgb colour)
{
    rect(p, c.x() - s * 0.08, c.y() + s * 0.5, s * 0.16, s * 0.35, colour);
    for (int i = 0; i < 4; ++i) {
        const double top = c.y() - s * 0.9 + i * s * 0.35;
        const double half = s * (0.3 + i * 0.22);
        poly(p, colour,
             {{c.x(), top}, {c.x() + half, top + s * 0.45}, {c.x() - half, top + s * 0.45}});
    }
}

void lebanon(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xED1C24, kWhite, 0xED1C24}, {1, 2, 1}, true);
    cedar(p, {75, 50}, 24, 0x00A651);
}

void macau(QPainter& p)
{
    fill(p, 0x00785E);
    // The lotus over the bridge and the water, under an arc of five stars.
    for (const double a : {-35.0, 0.0, 35.0}) {
        p.save();
        p.translate(75, 62);
        p.rotate(a);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.quadTo(-9, -12, 0, -24);
        petal.quadTo(9, -12, 0, 0);
        p.fillPath(petal, rgb(kWhite));
        p.restore();
    }
    rect(p, 56, 64, 38, 3, kWhite);
    for (int i = 0; i < 3; ++i) {
        rect(p, 60 + i * 2, 70 + i * 4.5, 30 - i * 4, 2, kWhite);
    }
    star(p, {75, 22}, 7, 0xFBD116);
    for (const QPointF at : {QPointF(59, 27), QPointF(91, 27), QPointF(50, 37), QPointF(100, 37)}) {
        star(p, at, 4, 0xFBD116);
    }
}

void malaysia(QPainter& p)
{
    alternate(p, 14, 0xCC0001, kWhite);
    rect(p, 0, 0, W / 2, H * 8 / 14, 0x010066);
    const QRgb yellow = 0xFFCC00;
    crescent(p, {27, 28.5}, 17, 14, 5, 0, yellow);
    p.fillPath(starShape({50, 28.5}, 12, 14, -kPi / 2, 0.45), rgb(yellow));
}

void maldives(QPainter& p)
{
    fill(p, 0xD21034);
    rect(p, 25, 25, 100, 50, 0x007E3A);
    crescent(p, {80, 50}, 15, 13, 6, 0, kWhite);
}

void mongolia(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xC4272F, 0x015197, 0xC4272F}, {}, false);
    // The Soyombo: flame, sun, moon, triangles, bars, the yin-yang and the
    // pillars either side.
    const QRgb gold = 0xF9CF02;
    const double c = 25;
    poly(p, gold, {{c - 4, 22}, {c, 12}, {c + 4, 22}});
    disc(p, {c, 27}, 4, gold);
    crescent(p, {c, 33}, 5, 5, 3, -kPi / 2, gold);
    poly(p, gold, {{c - 6, 40}, {c + 6, 40}, {c, 45}});
    rect(p, c - 6, 46, 12, 2.5, gold);
    disc(p, {c, 57}, 6, gold);
    disc(p, {c, 57}, 4.5, 0xC4272F);
    crescent(p, {c, 57}, 4.5, 4.5, 3, 0, gold);
    rect(p, c - 6, 65, 12, 2.5, gold);
    poly(p, gold, {{c - 6, 69}, {c + 6, 69}, {c, 74}});
    rect(p, c - 11, 40, 3, 34, gold);
    rect(p, c + 8, 40, 3, 34, gold);
}

void nepal(QPainter& p)
{
    // Two stacked pennants, crimson edged blue, fitted into the frame on a
    // white ground.
    fill(p, kWhite);
    const QPainterPath outer = [] {
        QPainterPath path;
        path.moveTo(38, 4);
        path.lineTo(108, 50);
        path.lineTo(62, 50);
        path.lineTo(108, 96);
        path.lineTo(38, 96);
        path.closeSubpath();
        return path;
    }();
    p.fillPath(outer, rgb(0x003893));
    QPainterPath inner;
    inner.moveTo(43, 13);
    inner.lineTo(96, 47);
    inner.lineTo(53, 47);
    inner.lineTo(97, 92);
    inner.lineTo(43, 92);
    inner.closeSubpath();
    p.fillPath(inner, rgb(0xDC143C));
    // The moon above and the sun below.
    crescent(p, {57, 36}, 7, 7, 3.5, -kPi / 2, kWhite);
    sun(p, {57, 32}, 3, 3, 8, kWhite);
    sun(p, {58, 74}, 6, 4, 12, kWhite);
}

void northKorea(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x024FA2, kWhite, 0xED1C27, kWhite, 0x024FA2}, {6, 1, 15, 1, 6},
          true);
    disc(p, {55, 50}, 17, kWhite);
    star(p, {55, 51}, 16, 0xED1C27);
}

void oman(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {kWhite, 0xDB161B, 0x008000}, {}, true);
    rect(p, 0, 0, 38, H, 0xDB161B);
    // The khanjar over two crossed swords.
    const QRgb white = kWhite;
    line(p, {9, 8}, {29, 28}, 2.5, white);
    line(p, {29, 8}, {9, 28}, 2.5, white);
    QPainterPath dagger;
    dagger.moveTo(19, 6);
    dagger.lineTo(19, 22);
    dagger.quadTo(19, 30, 25, 30);
    stroke(p, dagger, 3.5, white);
    rect(p, 13, 12, 12, 2.5, white);
}

void pakistan(QPainter& p)
{
    fill(p, 0x01411C);
    rect(p, 0, 0, 37.5, H, kWhite);
    const QPointF c(94, 50);
    crescent(p, c, 27, 24, 9, -kPi / 4, kWhite);
    star(p, c + QPointF(13, -13), 9, kWhite, 5, -kPi / 4);
}

void philippines(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x0038A8, 0xCE1126}, {}, true);
    const double depth = H * 0.866;
    poly(p, kWhite, {{0, 0}, {depth, 50}, {0, H}});
    const QRgb gold = 0xFCD116;
    sun(p, {29, 50}, 8, 8, 8, gold, kPi / 8);
    star(p, {8, 10}, 5, gold, 5, 0);
    star(p, {8, 90}, 5, gold, 5, 0);
    star(p, {74, 50}, 5, gold, 5, 0);
}

void saudiArabia(QPainter& p)
{
    fill(p, 0x006C35);
    // The shahada as flowing strokes above a sword.
    QPainterPath script;
    script.moveTo(34, 46);
    script.cubicTo(46, 28, 56, 54, 66, 38);
    script.cubicTo(74, 26, 84, 52, 94, 36);
    script.cubicTo(102, 26, 110, 46, 118, 34);
    for (const double x : {44.0, 58.0, 72.0, 86.0, 100.0, 112.0}) {
        script.moveTo(x, 44);
        script.lineTo(x, 24);
    }
    stroke(p, script, 3, kWhite);
    line(p, {38, 66}, {112, 66}, 3.5, kWhite);
    rect(p, 104, 60, 3, 12, kWhite);
    poly(p, kWhite, {{38, 64}, {30, 66}, {38, 68}});
}

void singapore(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xEF3340, kWhite}, {}, true);
    crescent(p, {30, 25}, 15, 14, 6, 0, kWhite);
    for (int i = 0; i < 5; ++i) {
        const double a = -kPi / 2 + i * 2 * kPi / 5;
        star(p, QPointF(44, 26) + QPointF(std::cos(a), std::sin(a)) * 8, 3.4, kWhite);
    }
}

void sriLanka(QPainter& p)
{
    fill(p, 0xFFBE29);
    rect(p, 6, 6, 18, 88, 0x00534E);
    rect(p, 24, 6, 18, 88, 0xEB7400);
    rect(p, 48, 6, 96, 88, 0x8D153A);
    // The lion, walking towards the hoist with a sword raised in its
    // forepaw, and a bo leaf in each corner.
    const QRgb gold = 0xFFBE29;
    QPainterPath lion;
    lion.addEllipse(QPointF(100, 60), 24, 11);  // body
    lion.addEllipse(QPointF(76, 44), 12, 14);   // mane
    lion.addEllipse(QPointF(68, 44), 7, 6);     // muzzle
    lion.addRect(QRectF(80, 62, 6, 20));        // forelegs
    lion.addRect(QRectF(88, 62, 5, 20));
    lion.addRect(QRectF(110, 62, 5, 20));  // hind legs
    lion.addRect(QRectF(117, 62, 6, 20));
    lion.moveTo(122, 56);  // the tail curling up
    lion.quadTo(136, 46, 128, 30);
    lion.lineTo(134, 32);
    lion.quadTo(142, 48, 124, 62);
    lion.closeSubpath();
    lion.setFillRule(Qt::WindingFill);
    p.fillPath(lion, rgb(gold));
    line(p, {72, 58}, {62, 36}, 3, gold);    // the raised forepaw
    line(p, {62, 38}, {70, 16}, 2.5, gold);  // the sword
    for (const QPointF at :
         {QPointF(55, 13), QPointF(137, 13), QPointF(55, 87), QPointF(137, 87)}) {
        QPainterPath leaf;
        leaf.moveTo(at + QPointF(0, -5));
        leaf.quadTo(at + QPointF(5, -1), at + QPointF(0, 5));
        leaf.quadTo(at + QPointF(-5, -1), at + QPointF(0, -5));
        p.fillPath(leaf, rgb(gold));
    }
}

void taiwan(QPainter& p)
{
    fill(p, 0xFE0000);
    rect(p, 0, 0, W / 2, H / 2, 0x000095);
    const QPointF c(37.5, 25);
    sun(p, c, 9, 9, 12, kWhite);
    disc(p, c, 8.5, 0x000095);
    disc(p, c, 7, kWhite);
}

void tajikistan(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xCC0000, kWhite, 0x006600}, {2, 3, 2}, true);
    const QRgb gold = 0xF8C300;
    crown(p, {75, 52}, 9, gold);
    for (int i = 0; i < 7; ++i) {
        const double a = kPi + i * kPi / 6;
        star(p, QPointF(75, 54) + QPointF(std::cos(a) * 20, std::sin(a) * 16), 3.5, gold);
    }
}

void turkey(QPainter& p)
{
    fill(p, 0xE30A17);
    crescentAndStar(p, {55, 50}, 25, kWhite, 12, 32);
}

void turkmenistan(QPainter& p)
{
    fill(p, 0x00843D);
    // The carpet stripe with its five guls.
    rect(p, 22, 0, 24, H, 0xD22630);
    for (int i = 0; i < 5; ++i) {
        const QPointF c(34, 12 + i * 19);
        poly(p, 0xF4F4F4,
             {c + QPointF(0, -8), c + QPointF(9, 0), c + QPointF(0, 8), c + QPointF(-9, 0)});
        poly(p, 0xD22630,
             {c + QPointF(0, -5), c + QPointF(5.5, 0), c + QPointF(0, 5), c + QPointF(-5.5, 0)});
        disc(p, c, 2.2, 0xF2A900);
    }
    crescent(p, {68, 22}, 11, 10, 5, 0, kWhite);
    for (const QPointF at :
         {QPointF(80, 12), QPointF(86, 20), QPointF(86, 30), QPointF(78, 23), QPointF(78, 33)}) {
        star(p, at, 3.2, kWhite);
    }
}

void uzbekistan(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x0099B5, 0xCE1126, kWhite, 0xCE1126, 0x1EB53A},
          {16, 1, 16, 1, 16}, true);
    crescent(p, {22, 16}, 10, 9, 4, 0, kWhite);
    const int rows[] = {3, 4, 5};
    for (int r = 0; r < 3; ++r) {
        for (int i = 0; i < rows[r]; ++i) {
            star(p, {70 - i * 9.0, 8.0 + r * 8.0}, 2.8, kWhite);
        }
    }
}

// North America.

void antigua(QPainter& p)
{
    fill(p, 0xCE1126);
    // The V of black, blue and white with the rising sun.
    QPainterPath v;
    v.moveTo(0, 0);
    v.lineTo(W, 0);
    v.lineTo(W / 2, H);
    v.closeSubpath();
    p.save();
    p.setClipPath(v, Qt::IntersectClip);
    rect(p, 0, 0, W, 40, kBlack);
    rect(p, 0, 40, W, 26, 0x0072C6);
    rect(p, 0, 66, W, 34, kWhite);
    sun(p, {75, 40}, 14, 12, 16, 0xFCD116);
    rect(p, 0, 40, W, 26, 0x0072C6);
    p.restore();
}

void aruba(QPainter& p)
{
    fill(p, 0x418FDE);
    rect(p, 0, 66, W, 6, 0xF9E814);
    rect(p, 0, 78, W, 6, 0xF9E814);
    const QPointF c(28, 28);
    p.fillPath(starShape(c, 20, 4, -kPi / 2, 0.3), rgb(kWhite));
    p.fillPath(starShape(c, 16, 4, -kPi / 2, 0.3), rgb(0xEF3340));
}

void barbados(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x00267F, 0xFFC726, 0x00267F}, {}, false);
    // The broken trident.
    const QRgb black = kBlack;
    rect(p, 72.5, 30, 5, 48, black);
    QPainterPath fork;
    fork.moveTo(58, 24);
    fork.quadTo(58, 48, 75, 50);
    fork.quadTo(92, 48, 92, 24);
    stroke(p, fork, 5, black);
    poly(p, black, {{75, 16}, {70, 28}, {80, 28}});
    poly(p, black, {{58, 16}, {54, 26}, {62, 26}});
    poly(p, black, {{92, 16}, {88, 26}, {96, 26}});
}

void belize(QPainter& p)
{
    fill(p, 0x003F87);
    rect(p, 0, 0, W, 10, 0xCE1126);
    rect(p, 0, 90, W, 10, 0xCE1126);
    disc(p, kMiddle, 30, kWhite);
    wreath(p, kMiddle, 26, 0x3C8D2F);
    // The shield with the mahogany tree above it and its two woodcutters.
    cedar(p, kMiddle + QPointF(0, -8), 14, 0x3C8D2F);
    shield(p, kMiddle + QPointF(0, 8), 16, 0xF5E9C8, 0x6B4423);
    disc(p, kMiddle + QPointF(-14, 4), 3, 0x6B4423);
    disc(p, kMiddle + QPointF(14, 4), 3, 0x6B4423);
}

void canada(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xD80621, kWhite, 0xD80621}, {1, 2, 1}, false);
    // The eleven-point maple leaf, on a unit of 40 (height of the leaf).
    const QPointF c(75, 52);
    const double u = 0.56;
    const std::vector<QPointF> half = {
        {0, -44}, {8, -30}, {14, -33}, {11, -8}, {25, -24}, {28, -17}, {42, -20},
        {37, -5}, {42, -2}, {21, 15},  {24, 24}, {2, 20},   {2, 40},
    };
    QPolygonF leaf;
    for (const QPointF& at : half) {
        leaf << c + at * u;
    }
    for (auto it = half.rbegin(); it != half.rend(); ++it) {
        leaf << c + QPointF(-it->x(), it->y()) * u;
    }
    QPainterPath path;
    path.addPolygon(leaf);
    path.closeSubpath();
    p.fillPath(path, rgb(0xD80621));
}

void dominica(QPainter& p)
{
    fill(p, 0x006B3F);
    const double cx = 75;
    const double cy = 50;
    // The cross of yellow, black and white stripes.
    const QRgb colours[] = {0xFCD116, kBlack, kWhite};
    for (int i = 0; i < 3; ++i) {
        rect(p, 0, cy - 9 + i * 6, W, 6, colours[i]);
        rect(p, cx - 9 + i * 6, 0, 6, H, colours[i]);
    }
    disc(p, {cx, cy}, 22, 0xD41C30);
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5;
        star(p, QPointF(cx, cy) + QPointF(std::cos(a), std::sin(a)) * 17, 3, 0x00A652);
    }
    // The sisserou parrot.
    QPainterPath parrot;
    parrot.addEllipse(QPointF(cx, cy), 5, 9);
    parrot.addEllipse(QPointF(cx - 2, cy - 8), 3.5, 3.5);
    p.fillPath(parrot, rgb(0x6A2C91));
    poly(p, 0x00A652, {{cx + 1, cy - 4}, {cx + 7, cy + 6}, {cx + 1, cy + 8}});
}

void dominicanRepublic(QPainter& p)
{
    fill(p, kWhite);
    const double t = 10;
    const QRgb blue = 0x002D62;
    const QRgb red = 0xCE1126;
    rect(p, 0, 0, 75 - t, 50 - t, blue);
    rect(p, 75 + t, 0, 75 - t, 50 - t, red);
    rect(p, 0, 50 + t, 75 - t, 50 - t, red);
    rect(p, 75 + t, 50 + t, 75 - t, 50 - t, blue);
    // The arms: a small shield of the flag's colours in a wreath.
    wreath(p, kMiddle, 11, 0x3C8D2F);
    const QPainterPath outline = shieldShape(69, 42, 12, 15);
    p.save();
    p.setClipPath(outline, Qt::IntersectClip);
    rect(p, 69, 42, 6, 7.5, blue);
    rect(p, 75, 42, 6, 7.5, red);
    rect(p, 69, 49.5, 6, 7.5, red);
    rect(p, 75, 49.5, 6, 7.5, blue);
    p.restore();
    stroke(p, outline, 0.8, 0xC7A43B);
}

void greenland(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {kWhite, 0xD00C33}, {}, true);
    // The disc counterchanged: red above, white below.
    QPainterPath circle;
    circle.addEllipse(QPointF(55, 50), 30, 30);
    p.save();
    p.setClipPath(circle, Qt::IntersectClip);
    rect(p, 0, 0, W, 50, 0xD00C33);
    rect(p, 0, 50, W, 50, kWhite);
    p.restore();
}

void grenada(QPainter& p)
{
    const QRgb red = 0xCE1126;
    fill(p, red);
    const QRectF inner(12, 12, W - 24, H - 24);
    poly(p, 0xFCD116, {inner.topLeft(), inner.topRight(), inner.center()});
    poly(p, 0xFCD116, {inner.bottomLeft(), inner.bottomRight(), inner.center()});
    poly(p, 0x007A5E, {inner.topLeft(), inner.bottomLeft(), inner.center()});
    poly(p, 0x007A5E, {inner.topRight(), inner.bottomRight(), inner.center()});
    disc(p, kMiddle, 13, red);
    star(p, kMiddle, 10, 0xFCD116);
    for (int i = 0; i < 3; ++i) {
        star(p, {45.0 + i * 30, 6}, 4.5, 0xFCD116);
        star(p, {45.0 + i * 30, 94}, 4.5, 0xFCD116);
    }
    // The nutmeg in the hoist triangle.
    disc(p, {30, 50}, 6, 0xFCD116);
    disc(p, {30, 50}, 3.5, red);
}

void jamaica(QPainter& p)
{
    poly(p, 0x009B3A, {{0, 0}, {W, 0}, {W / 2, H / 2}});
    poly(p, 0x009B3A, {{0, H}, {W, H}, {W / 2, H / 2}});
    poly(p, kBlack, {{0, 0}, {0, H}, {W / 2, H / 2}});
    poly(p, kBlack, {{W, 0}, {W, H}, {W / 2, H / 2}});
    saltire(p, 14, 0xFED100);
}

void panama(QPainter& p)
{
    fill(p, kWhite);
    rect(p, 75, 0, 75, 50, 0xDA121A);
    rect(p, 0, 50, 75, 50, 0x072357);
    star(p, {37.5, 25}, 11, 0x072357);
    star(p, {112.5, 75}, 11, 0xDA121A);
}

void saintKitts(QPainter& p)
{
    poly(p, 0x009E49, {{0, 0}, {W, 0}, {0, H}});
    poly(p, 0xCE1126, {{W, 0}, {W, H}, {0, H}});
    diagonal(p, {0, H}, {W, 0}, 34, 0xFCD116);
    diagonal(p, {0, H}, {W, 0}, 24, kBlack);
    star(p, {52, 64}, 8, kWhite, 5, -kPi / 2 - 0.59);
    star(p, {98, 36}, 8, kWhite, 5, -kPi / 2 - 0.59);
}

void saintLucia(QPainter& p)
{
    fill(p, 0x66CCFF);
    poly(p, kWhite, {{75, 16}, {100, 86}, {50, 86}});
    poly(p, kBlack, {{75, 22}, {96, 86}, {54, 86}});
    poly(p, 0xFCD116, {{75, 50}, {98, 86}, {52, 86}});
}

void saintPierre(QPainter& p)
{
    fill(p, 0x0B5AA5);
    // The Grande Hermine under sail on the waves.
    const QRgb yellow = 0xF7D117;
    poly(p, yellow, {{40, 66}, {122, 66}, {112, 78}, {50, 78}});
    line(p, {82, 66}, {82, 20}, 2.5, yellow);
    poly(p, yellow, {{84, 24}, {108, 44}, {84, 60}});
    poly(p, yellow, {{80, 24}, {60, 46}, {80, 60}});
    for (int i = 0; i < 3; ++i) {
        rect(p, 30, 82 + i * 6, 120, 2.5, kWhite);
    }
    // The hoist: the arms of the Basques, Brittany and Normandy.
    const double w = 26;
    rect(p, 0, 0, w, 33.3, 0xD52B1E);
    line(p, {0, 0}, {w, 33.3}, 4, 0x009B48);
    line(p, {w, 0}, {0, 33.3}, 4, 0x009B48);
    rect(p, w / 2 - 1.5, 0, 3, 33.3, kWhite);
    rect(p, 0, 15, w, 3, kWhite);
    rect(p, 0, 33.3, w, 33.3, kWhite);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 2; ++c) {
            rect(p, 6 + c * 12, 39 + r * 9, 3, 5, kBlack);
        }
    }
    rect(p, 0, 66.7, w, 33.3, 0xD52B1E);
    for (int i = 0; i < 2; ++i) {
        rect(p, 5, 74 + i * 12, 16, 4, yellow);
    }
}

void saintVincent(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x002674, 0xFCD116, 0x009E60}, {1, 2, 1}, false);
    const QRgb green = 0x009E60;
    for (const QPointF c : {QPointF(62, 38), QPointF(88, 38), QPointF(75, 62)}) {
        poly(p, green,
             {c + QPointF(0, -12), c + QPointF(8, 0), c + QPointF(0, 12), c + QPointF(-8, 0)});
    }
}

void trinidad(QPainter& p)
{
    fill(p, 0xDA1A35);
    diagonal(p, {0, 0}, {W, H}, 36, kWhite);
    diagonal(p, {0, 0}, {W, H}, 26, kBlack);
}

void usa(QPainter& p)
{
    alternate(p, 13, 0xB22234, kWhite);
    const double cw = W * 0.4;
    const double ch = H * 7 / 13;
    rect(p, 0, 0, cw, ch, 0x3C3B6E);
    for (int r = 0; r < 9; ++r) {
        const int count = r % 2 == 0 ? 6 : 5;
        for (int i = 0; i < count; ++i) {
            const double x = cw / 12 * (2 * i + 1 + (r % 2));
            const double y = ch / 10 * (r + 1);
            star(p, {x, y}, 2.4, kWhite);
        }
    }
}

void usVirginIslands(QPainter& p)
{
    fill(p, kWhite);
    // The golden eagle with the shield on its breast, between V and I.
    eagle(p, {75, 48}, 50, 0xF3C300);
    const QPainterPath outline = shieldShape(68, 42, 14, 17);
    p.save();
    p.setClipPath(outline, Qt::IntersectClip);
    rect(p, 68, 42, 14, 5, 0x0A3A7A);
    for (int i = 0; i < 4; ++i) {
        rect(p, 68 + i * 3.5, 47, 1.75, 12, 0xCE1126);
    }
    p.restore();
    const QRgb blue = 0x0A3A7A;
    line(p, {26, 36}, {32, 62}, 3.5, blue);
    line(p, {38, 36}, {32, 62}, 3.5, blue);
    line(p, {120, 36}, {120, 62}, 3.5, blue);
}

// South America.

void brazil(QPainter& p)
{
    fill(p, 0x009C3B);
    poly(p, 0xFFDF00, {{75, 10}, {137, 50}, {75, 90}, {13, 50}});
    disc(p, kMiddle, 25, 0x002776);
    // The band with the motto and the southern sky.
    QPainterPath circle;
    circle.addEllipse(kMiddle, 25, 25);
    p.save();
    p.setClipPath(circle, Qt::IntersectClip);
    QPainterPath band;
    band.moveTo(40, 44);
    band.quadTo(80, 30, 112, 56);
    stroke(p, band, 5, kWhite);
    p.restore();
    for (const QPointF at : {QPointF(70, 60), QPointF(80, 64), QPointF(75, 70), QPointF(86, 56),
                             QPointF(64, 66), QPointF(90, 66), QPointF(72, 52)}) {
        disc(p, at, 1.4, kWhite);
    }
}

void chile(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {kWhite, 0xD52B1E}, {}, true);
    rect(p, 0, 0, 50, 50, 0x0039A6);
    star(p, {25, 25}, 11, kWhite);
}

// Guyana: the golden arrowhead edged white, the red triangle edged black.
void guyana(QPainter& p)
{
    fill(p, 0x009E49);
    poly(p, kWhite, {{0, 0}, {W, 50}, {0, H}});
    poly(p, 0xFCD116, {{0, 4}, {W - 8, 50}, {0, 96}});
    poly(p, kBlack, {{0, 0}, {75, 50}, {0, H}});
    poly(p, 0xCE1126, {{0, 5}, {68, 50}, {0, 95}});
}

void uruguay(QPainter& p)
{
    alternate(p, 9, kWhite, 0x0038A8);
    const double side = H * 5 / 9;
    rect(p, 0, 0, side, side, kWhite);
    sun(p, {side / 2, side / 2}, 9, 9, 16, 0xFCD116);
}

void venezuela(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xFFCC00, 0x00247D, 0xCF142B}, {}, true);
    for (int i = 0; i < 8; ++i) {
        const double a = kPi + kPi * (i + 0.5) / 8;
        star(p, QPointF(75, 64) + QPointF(std::cos(a) * 28, std::sin(a) * 26), 4, kWhite);
    }
}

// Oceania.

void americanSamoa(QPainter& p)
{
    fill(p, 0x002B7F);
    poly(p, kWhite, {{W, 0}, {0, 50}, {W, H}});
    poly(p, 0xBF0A30, {{W, 7}, {12, 50}, {W, 93}});
    // The eagle with the war club and the fly whisk.
    eagle(p, {104, 50}, 36, 0x8C5A2B);
    line(p, {88, 62}, {120, 66}, 2.5, 0xF2C300);
}

void australia(QPainter& p)
{
    ensignBase(p, kEnsignBlue);
    const QRgb white = kWhite;
    p.fillPath(starShape({37.5, 75}, 15, 7, -kPi / 2, 0.45), rgb(white));
    for (const QPointF at :
         {QPointF(112, 83), QPointF(112, 17), QPointF(90, 42), QPointF(133, 36)}) {
        p.fillPath(starShape(at, 7, 7, -kPi / 2, 0.45), rgb(white));
    }
    star(p, {122, 56}, 4, white);
}

void cookIslands(QPainter& p)
{
    ensignBase(p, kEnsignBlue);
    for (int i = 0; i < 15; ++i) {
        const double a = -kPi / 2 + i * 2 * kPi / 15;
        star(p, QPointF(112, 50) + QPointF(std::cos(a), std::sin(a)) * 26, 4.5, kWhite, 5, a);
    }
}

void frenchPolynesia(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xCE1126, kWhite, 0xCE1126}, {1, 2, 1}, true);
    // The emblem: a canoe before the sun, over the sea.
    QPainterPath emblem;
    emblem.addEllipse(kMiddle, 20, 20);
    p.save();
    p.setClipPath(emblem, Qt::IntersectClip);
    sun(p, kMiddle + QPointF(0, 4), 9, 9, 12, 0xFFCE00);
    rect(p, 50, 54, 50, 30, 0x0C5EA8);
    for (int i = 0; i < 2; ++i) {
        rect(p, 50, 60 + i * 7, 50, 2.5, kWhite);
    }
    poly(p, 0xCE1126, {{62, 50}, {88, 50}, {84, 55}, {66, 55}});
    p.restore();
}

void guam(QPainter& p)
{
    fill(p, 0xCE1126);
    rect(p, 5, 5, W - 10, H - 10, 0x00297B);
    // The almond-shaped seal: sea, shore, a proa and a palm.
    QPainterPath seal;
    seal.moveTo(75, 22);
    seal.quadTo(100, 50, 75, 78);
    seal.quadTo(50, 50, 75, 22);
    p.fillPath(seal, rgb(0x8ACDEA));
    p.save();
    p.setClipPath(seal, Qt::IntersectClip);
    rect(p, 50, 58, 50, 22, 0x2470B3);
    rect(p, 50, 66, 50, 14, 0xF0E0A0);
    p.restore();
    stroke(p, seal, 2, 0xCE1126);
    line(p, {80, 66}, {80, 40}, 2, 0x7A4A1E);
    for (const double dx : {-6.0, 6.0}) {
        line(p, {80, 40}, {80 + dx, 44}, 2, 0x2E8B2E, Qt::RoundCap);
    }
}

void kiribati(QPainter& p)
{
    fill(p, 0xCE1126);
    // The sun rising from the Pacific, the frigatebird above.
    QPainterPath upper;
    upper.addRect(QRectF(0, 0, W, 55));
    p.save();
    p.setClipPath(upper, Qt::IntersectClip);
    sun(p, {75, 58}, 16, 18, 17, 0xFCD116, -kPi / 2);
    p.restore();
    for (int i = 0; i < 6; ++i) {
        rect(p, 0, 55 + i * 7.5, W, 7.6, i % 2 == 0 ? kWhite : 0x003F87);
    }
    rect(p, 0, 55, W, 3, 0x003F87);
    QPainterPath bird;
    bird.moveTo(46, 22);
    bird.quadTo(64, 10, 75, 24);
    bird.quadTo(86, 10, 106, 22);
    bird.quadTo(86, 18, 75, 30);
    bird.quadTo(64, 18, 46, 22);
    p.fillPath(bird, rgb(0xFCD116));
}

void marshallIslands(QPainter& p)
{
    fill(p, 0x003893);
    // Two rays widening from the lower hoist to the upper fly.
    poly(p, 0xDD7500, {{0, 96}, {W, 0}, {W, 18}});
    poly(p, kWhite, {{0, 96}, {W, 18}, {W, 36}});
    const QPointF c(33, 30);
    p.fillPath(starShape(c, 17, 24, -kPi / 2, 0.45), rgb(kWhite));
    for (const double a : {0.0, 90.0, 180.0, 270.0}) {
        const double r = a * kPi / 180;
        poly(p, kWhite,
             {c + QPointF(std::cos(r + 0.15), std::sin(r + 0.15)) * 6,
              c + QPointF(std::cos(r), std::sin(r)) * 24,
              c + QPointF(std::cos(r - 0.15), std::sin(r - 0.15)) * 6});
    }
}

void nauru(QPainter& p)
{
    fill(p, 0x002B7F);
    rect(p, 0, 46, W, 8, 0xFFC61E);
    p.fillPath(starShape({37, 74}, 12, 12, -kPi / 2, 0.5), rgb(kWhite));
}

void newZealand(QPainter& p)
{
    ensignBase(p, kEnsignBlue);
    for (const auto& [at, r] :
         {std::pair{QPointF(112, 83), 9.0}, std::pair{QPointF(112, 22), 8.0},
          std::pair{QPointF(97, 46), 8.0}, std::pair{QPointF(127, 41), 7.0}}) {
        star(p, at, r, kWhite);
        star(p, at, r * 0.7, 0xC8102E);
    }
}

void niue(QPainter& p)
{
    fill(p, 0xFEDD00);
    unionCanton(p);
    disc(p, {37.5, 25}, 7, 0x012169);
    star(p, {37.5, 25}, 5.5, 0xFEDD00);
    for (const QPointF at :
         {QPointF(37.5, 8), QPointF(37.5, 42), QPointF(12, 25), QPointF(63, 25)}) {
        star(p, at, 3.5, 0xFEDD00);
    }
}

void norfolkIsland(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x007A3D, kWhite, 0x007A3D}, {7, 9, 7}, false);
    // The Norfolk Island pine.
    const QRgb green = 0x007A3D;
    rect(p, 73.5, 16, 3, 74, green);
    for (int i = 0; i < 7; ++i) {
        const double y = 18 + i * 9.5;
        const double half = 5 + i * 2.6;
        poly(p, green, {{75, y}, {75 + half, y + 7}, {75 - half, y + 7}});
    }
}

void northernMariana(QPainter& p)
{
    fill(p, 0x0071BC);
    // The latte stone behind a white star, in a wreath.
    wreath(p, kMiddle, 32, 0x6DA34D);
    poly(p, 0x9A9A9A, {{65, 82}, {85, 82}, {82, 40}, {68, 40}});
    QPainterPath cap;
    cap.moveTo(58, 40);
    cap.quadTo(75, 24, 92, 40);
    cap.closeSubpath();
    p.fillPath(cap, rgb(0x9A9A9A));
    star(p, {75, 50}, 19, kWhite);
}

void papuaNewGuinea(QPainter& p)
{
    poly(p, 0xCE1126, {{0, 0}, {W, 0}, {W, H}});
    poly(p, kBlack, {{0, 0}, {W, H}, {0, H}});
    // The Southern Cross and the bird of paradise.
    for (const auto& [at, r] : {std::pair{QPointF(33, 84), 6.0}, std::pair{QPointF(33, 50), 6.0},
                                std::pair{QPointF(20, 66), 5.0}, std::pair{QPointF(46, 62), 5.0},
                                std::pair{QPointF(38, 72), 3.5}}) {
        star(p, at, r, kWhite);
    }
    const QRgb gold = 0xFCD116;
    QPainterPath bird;
    bird.addEllipse(QPointF(108, 32), 12, 6);
    bird.moveTo(98, 30);
    bird.quadTo(88, 50, 70, 46);
    bird.quadTo(86, 44, 96, 34);
    bird.moveTo(118, 32);
    bird.lineTo(126, 22);
    bird.lineTo(122, 32);
    bird.setFillRule(Qt::WindingFill);
    p.fillPath(bird, rgb(gold));
    QPainterPath plume;
    plume.moveTo(100, 36);
    plume.quadTo(92, 58, 112, 66);
    stroke(p, plume, 2.2, gold);
}

void samoa(QPainter& p)
{
    fill(p, 0xCE1126);
    rect(p, 0, 0, W / 2, H / 2, 0x002B7F);
    for (const auto& [at, r] : {std::pair{QPointF(37, 40), 6.0}, std::pair{QPointF(37, 10), 5.0},
                                std::pair{QPointF(24, 23), 5.0}, std::pair{QPointF(52, 20), 5.0},
                                std::pair{QPointF(44, 30), 3.0}}) {
        star(p, at, r, kWhite);
    }
}

void solomonIslands(QPainter& p)
{
    poly(p, 0x0051BA, {{0, 0}, {W, 0}, {0, H}});
    poly(p, 0x215B33, {{W, 0}, {W, H}, {0, H}});
    diagonal(p, {0, H}, {W, 0}, 8, 0xFCD116);
    for (const QPointF at :
         {QPointF(20, 18), QPointF(50, 18), QPointF(35, 30), QPointF(20, 42), QPointF(50, 42)}) {
        star(p, at, 6, kWhite);
    }
}

void tonga(QPainter& p)
{
    fill(p, 0xC10000);
    rect(p, 0, 0, 62, 50, kWhite);
    rect(p, 26, 8, 10, 34, 0xC10000);
    rect(p, 14, 20, 34, 10, 0xC10000);
}

void tuvalu(QPainter& p)
{
    ensignBase(p, 0x5B97B1);
    for (const QPointF at :
         {QPointF(86, 80), QPointF(98, 66), QPointF(112, 84), QPointF(116, 56), QPointF(128, 70),
          QPointF(104, 40), QPointF(124, 36), QPointF(138, 20), QPointF(140, 52)}) {
        star(p, at, 5, 0xFFCE00);
    }
}

void vanuatu(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xD21034, 0x009543}, {}, true);
    // The black triangle and the yellow Y edged in black.
    poly(p, kBlack, {{0, 0}, {W, 43}, {W, 57}, {0, H}});
    QPainterPath y;
    y.moveTo(0, 6);
    y.lineTo(62, 50);
    y.lineTo(W, 50);
    y.moveTo(62, 50);
    y.lineTo(0, 94);
    p.setPen(QPen(rgb(0xFDCE12), 6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(y);
    p.setPen(Qt::NoPen);
    poly(p, kBlack, {{0, 12}, {54, 50}, {0, 88}});
    // The boar's tusk and the namele leaves.
    ring(p, {22, 50}, 10, 3.5, 0xFDCE12);
    line(p, {18, 46}, {26, 54}, 2, 0xFDCE12);
    line(p, {26, 46}, {18, 54}, 2, 0xFDCE12);
}

void wallisFutuna(QPainter& p)
{
    fill(p, 0xED2939);
    // The French canton edged in white, and the white cross pattée.
    rect(p, 0, 0, 54, 36, kWhite);
    bands(p, QRectF(0, 0, 51, 33), {0x002395, kWhite, 0xED2939}, {}, false);
    const QPointF c(100, 62);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(c);
        p.rotate(45 + i * 90);
        poly(p, kWhite, {{0, 0}, {-10, -22}, {10, -22}});
        p.restore();
    }
}

// Africa.

void algeria(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x006233, kWhite}, {}, false);
    crescent(p, {78, 50}, 25, 20, 6, 0, 0xD21034);
    star(p, {90, 50}, 12, 0xD21034, 5, kPi);
}

void angola(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xCC092F, kBlack}, {}, true);
    // The half cog wheel, the machete and the star.
    const QRgb yellow = 0xFFCB00;
    const QPointF c(75, 50);
    QPainterPath cog;
    cog.arcMoveTo(QRectF(c.x() - 22, c.y() - 22, 44, 44), 130);
    cog.arcTo(QRectF(c.x() - 22, c.y() - 22, 44, 44), 130, 190);
    stroke(p, cog, 5, yellow);
    for (int i = 0; i < 8; ++i) {
        const double a = (140 + i * 24) * kPi / 180;
        disc(p, c + QPointF(std::cos(a), -std::sin(a)) * 25, 2.5, yellow);
    }
    line(p, c + QPointF(-18, 18), c + QPointF(18, -14), 5, yellow);
    line(p, c + QPointF(18, -14), c + QPointF(24, -20), 3, yellow);
    star(p, c + QPointF(-4, -8), 6, yellow);
}

void burundi(QPainter& p)
{
    poly(p, 0xCE1126, {{0, 0}, {W, 0}, {75, 50}});
    poly(p, 0xCE1126, {{0, H}, {W, H}, {75, 50}});
    poly(p, 0x1EB53A, {{0, 0}, {0, H}, {75, 50}});
    poly(p, 0x1EB53A, {{W, 0}, {W, H}, {75, 50}});
    saltire(p, 14, kWhite);
    disc(p, kMiddle, 26, kWhite);
    for (const QPointF at : {QPointF(75, 38), QPointF(64, 57), QPointF(86, 57)}) {
        p.fillPath(starShape(at, 8, 6, -kPi / 2, 0.55), rgb(0xCE1126));
        p.fillPath(starShape(at, 6, 6, -kPi / 2, 0.55), rgb(0x1EB53A));
    }
}

void capeVerde(QPainter& p)
{
    fill(p, 0x003893);
    rect(p, 0, 50, W, 8.3, kWhite);
    rect(p, 0, 58.3, W, 8.3, 0xCF2027);
    rect(p, 0, 66.6, W, 8.3, kWhite);
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5;
        star(p, QPointF(56, 62) + QPointF(std::cos(a), std::sin(a)) * 22, 5, 0xF7D116);
    }
}

void centralAfrica(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x003082, kWhite, 0x289728, 0xFFCE00}, {}, true);
    rect(p, 63, 0, 24, H, 0xD21034);
    star(p, {20, 12.5}, 9, 0xFFCE00);
}

void comoros(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xFFC61E, kWhite, 0xCE1126, 0x3A75C4}, {}, true);
    poly(p, 0x3D8E33, {{0, 0}, {65, 50}, {0, H}});
    crescent(p, {22, 50}, 16, 14, 7, 0, kWhite);
    for (int i = 0; i < 4; ++i) {
        star(p, {30, 34.0 + i * 10.7}, 3.2, kWhite);
    }
}

void congoRepublic(QPainter& p)
{
    poly(p, 0x009543, {{0, 0}, {W, 0}, {0, H}});
    poly(p, 0xDC241F, {{W, 0}, {W, H}, {0, H}});
    diagonal(p, {0, H}, {W, 0}, 36, 0xFBDE4A);
}

void congoDemocratic(QPainter& p)
{
    fill(p, 0x007FFF);
    diagonal(p, {0, H - 10}, {W, 10}, 30, 0xF7D618);
    diagonal(p, {0, H - 10}, {W, 10}, 20, 0xCE1021);
    star(p, {28, 24}, 14, 0xF7D618);
}

void eritrea(QPainter& p)
{
    poly(p, 0x12AD2B, {{0, 0}, {W, 0}, {W, 50}, {0, 0}});
    poly(p, 0x4189DD, {{0, H}, {W, H}, {W, 50}});
    poly(p, 0xEA0437, {{0, 0}, {W, 50}, {0, H}});
    // The olive branch in its wreath.
    const QRgb gold = 0xFFC726;
    wreath(p, {30, 50}, 17, gold);
    line(p, {30, 62}, {30, 36}, 2, gold);
    for (int i = 0; i < 4; ++i) {
        line(p, {30, 56.0 - i * 5}, {24, 52.0 - i * 5}, 1.8, gold);
        line(p, {30, 56.0 - i * 5}, {36, 52.0 - i * 5}, 1.8, gold);
    }
}

void kenya(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {kBlack, kWhite, 0xBB0000, kWhite, 0x006600}, {6, 1, 6, 1, 6},
          true);
    // The Maasai shield before two crossed spears.
    line(p, {58, 86}, {92, 14}, 2.5, kWhite);
    line(p, {92, 86}, {58, 14}, 2.5, kWhite);
    QPainterPath shieldPath;
    shieldPath.moveTo(75, 18);
    shieldPath.cubicTo(94, 30, 94, 70, 75, 82);
    shieldPath.cubicTo(56, 70, 56, 30, 75, 18);
    p.fillPath(shieldPath, rgb(0xBB0000));
    QPainterPath blackSides = shieldPath;
    QPainterPath middle;
    middle.addRect(QRectF(68, 0, 14, H));
    p.fillPath(blackSides.subtracted(middle), rgb(kBlack));
    stroke(p, shieldPath, 1.5, kWhite);
    QPainterPath marks;
    marks.addEllipse(QPointF(75, 50), 3, 6);
    p.fillPath(marks, rgb(kWhite));
    rect(p, 74.2, 26, 1.6, 48, kWhite);
}

void lesotho(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x00209F, kWhite, 0x009543}, {3, 4, 3}, true);
    // The mokorotlo, the Basotho hat.
    QPainterPath hat;
    hat.moveTo(60, 62);
    hat.quadTo(75, 58, 90, 62);
    hat.lineTo(80, 44);
    hat.lineTo(78, 38);
    hat.lineTo(72, 38);
    hat.lineTo(70, 44);
    hat.closeSubpath();
    p.fillPath(hat, rgb(kBlack));
    disc(p, {75, 36}, 3, kBlack);
}

void liberia(QPainter& p)
{
    alternate(p, 11, 0xBF0A30, kWhite);
    const double side = H * 5 / 11;
    rect(p, 0, 0, side, side, 0x002868);
    star(p, {side / 2, side / 2}, 14, kWhite);
}

void libya(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xE70013, kBlack, 0x239E46}, {1, 2, 1}, true);
    crescent(p, {72, 50}, 14, 11.5, 5, 0, kWhite);
    star(p, {84, 50}, 7, kWhite, 5, kPi);
}

void malawi(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {kBlack, 0xCE1126, 0x339E35}, {}, true);
    // The red rising sun on the black.
    QPainterPath black;
    black.addRect(QRectF(0, 0, W, 33.4));
    p.save();
    p.setClipPath(black, Qt::IntersectClip);
    sun(p, {75, 36}, 14, 15, 31, 0xCE1126, -kPi / 2);
    p.restore();
}

void mauritania(QPainter& p)
{
    fill(p, 0x006233);
    rect(p, 0, 0, W, 20, 0xD01C1F);
    rect(p, 0, 80, W, 20, 0xD01C1F);
    const QRgb gold = 0xFFC400;
    crescent(p, {75, 44}, 24, 24, 8, -kPi / 2, gold);
    star(p, {75, 34}, 9, gold);
}

void morocco(QPainter& p)
{
    fill(p, 0xC1272D);
    // The green pentagram, drawn interlaced as an outline.
    QPainterPath pentagram;
    for (int i = 0; i < 6; ++i) {
        const double a = -kPi / 2 + i * 4 * kPi / 5;
        const QPointF at = QPointF(75, 52) + QPointF(std::cos(a), std::sin(a)) * 26;
        if (i == 0) {
            pentagram.moveTo(at);
        } else {
            pentagram.lineTo(at);
        }
    }
    p.setPen(QPen(rgb(0x006233), 4.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pentagram);
    p.setPen(Qt::NoPen);
}

void namibia(QPainter& p)
{
    poly(p, 0x003580, {{0, 0}, {W, 0}, {0, H}});
    poly(p, 0x009543, {{W, 0}, {W, H}, {0, H}});
    diagonal(p, {0, H}, {W, 0}, 30, kWhite);
    diagonal(p, {0, H}, {W, 0}, 22, 0xD21034);
    sun(p, {30, 26}, 9, 8, 12, 0xFFCE00);
    disc(p, {30, 26}, 7.5, 0x003580);
    disc(p, {30, 26}, 6.2, 0xFFCE00);
}

void seychelles(QPainter& p)
{
    // Five oblique bands rising from the lower hoist.
    const QPointF o(0, H);
    poly(p, 0x003F87, {o, {0, 0}, {50, 0}});
    poly(p, 0xFCD856, {o, {50, 0}, {100, 0}});
    poly(p, 0xD62828, {o, {100, 0}, {W, 0}, {W, 33}});
    poly(p, kWhite, {o, {W, 33}, {W, 66}});
    poly(p, 0x007A3D, {o, {W, 66}, {W, H}});
}

void southAfrica(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0xE03C31, 0x001489}, {}, true);
    // The Y: green edged white, black triangle edged gold at the hoist.
    QPainterPath y;
    y.moveTo(-10, -10);
    y.lineTo(60, 50);
    y.lineTo(W + 10, 50);
    y.moveTo(60, 50);
    y.lineTo(-10, H + 10);
    auto drawY = [&](double width, QRgb colour) {
        p.setPen(QPen(rgb(colour), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(y);
        p.setPen(Qt::NoPen);
    };
    drawY(34, kWhite);
    drawY(20, 0x007749);
    poly(p, 0xFFB81C, {{0, 12}, {42, 50}, {0, 88}});
    poly(p, kBlack, {{0, 20}, {33, 50}, {0, 80}});
}

void swaziland(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {0x3E5EB9, 0xFFD900, 0xB10C0C, 0xFFD900, 0x3E5EB9},
          {3, 1, 8, 1, 3}, true);
    // The spears and the Nguni shield lying across.
    const QRgb gold = 0xFFD900;
    line(p, {26, 36}, {124, 36}, 2.5, gold);
    line(p, {26, 42}, {124, 42}, 2.5, gold);
    QPainterPath shieldPath;
    shieldPath.moveTo(40, 50);
    shieldPath.cubicTo(60, 30, 90, 30, 110, 50);
    shieldPath.cubicTo(90, 70, 60, 70, 40, 50);
    p.fillPath(shieldPath, rgb(kWhite));
    p.save();
    p.setClipPath(shieldPath, Qt::IntersectClip);
    rect(p, 75, 0, 40, H, kBlack);
    for (const double x : {56.0, 66.0, 84.0, 94.0}) {
        disc(p, {x, 50}, 2.2, x < 75 ? kBlack : kWhite);
    }
    p.restore();
}

void tanzania(QPainter& p)
{
    poly(p, 0x1EB53A, {{0, 0}, {W, 0}, {0, H}});
    poly(p, 0x00A3DD, {{W, 0}, {W, H}, {0, H}});
    diagonal(p, {0, H}, {W, 0}, 34, 0xFCD116);
    diagonal(p, {0, H}, {W, 0}, 24, kBlack);
}

void togo(QPainter& p)
{
    alternate(p, 5, 0x006A4E, 0xFFCE00);
    rect(p, 0, 0, 60, 60, 0xD21034);
    star(p, {30, 30}, 17, kWhite);
}

void tunisia(QPainter& p)
{
    fill(p, 0xE70013);
    disc(p, kMiddle, 25, kWhite);
    crescent(p, {72, 50}, 19, 15.5, 5, 0, 0xE70013);
    star(p, {80, 50}, 10, 0xE70013, 5, kPi);
}

void uganda(QPainter& p)
{
    bands(p, QRectF(0, 0, W, H), {kBlack, 0xFCDC04, 0xD90000, kBlack, 0xFCDC04, 0xD90000}, {},
          true);
    disc(p, kMiddle, 22, kWhite);
    // The grey crowned crane, standing, with its golden crest.
    QPainterPath crane;
    crane.addEllipse(QPointF(72, 54), 9, 7);
    crane.moveTo(76, 50);
    crane.lineTo(80, 36);
    crane.lineTo(83, 36);
    crane.lineTo(80, 52);
    crane.closeSubpath();
    crane.setFillRule(Qt::WindingFill);
    p.fillPath(crane, rgb(0x9CA69C));
    disc(p, {81, 35}, 3, kBlack);
    line(p, {72, 60}, {70, 70}, 1.5, kBlack);
    line(p, {76, 60}, {78, 70}, 1.5, kBlack);
    for (const double dx : {-3.0, 0.0, 3.0}) {
        line(p, {81, 33}, {81 + dx, 27}, 1.2, 0xFCDC04);
    }
    rect(p, 64, 52, 10, 6, 0xD90000);
}

void zambia(QPainter& p)
{
    fill(p, 0x198A00);
    rect(p, 99, 42, 17, 58, 0xDE2010);
    rect(p, 116, 42, 17, 58, kBlack);
    rect(p, 133, 42, 17, 58, 0xEF7D00);
    eagle(p, {116, 22}, 30, 0xEF7D00);
}

void zimbabwe(QPainter& p)
{
    const std::vector<QRgb> colours = {0x319208, 0xFFD200, 0xDE2010, kBlack,
                                       0xDE2010, 0xFFD200, 0x319208};
    bands(p, QRectF(0, 0, W, H), colours, {}, true);
    poly(p, kBlack, {{0, 0}, {58, 50}, {0, H}});
    poly(p, kWhite, {{0, 4}, {54, 50}, {0, 96}});
    star(p, {18, 50}, 13, 0xDE2010, 5, -kPi / 2);
    // The Zimbabwe bird.
    poly(p, 0xFFD200, {{14, 56}, {16, 40}, {22, 36}, {26, 40}, {22, 48}, {24, 60}, {16, 62}});
}

struct Special {
    const char* name;
    void (*draw)(QPainter&);
};

const std::vector<Special> kSpecial = {
    // Europe
    {"Albania", albania},
    {"Belarus", belarus},
    {"Bosnia & Herzegovina", bosnia},
    {"Croatia", croatia},
    {"Czech Republic", [](QPainter& p) { czech(p, W, H); }},
    {"Gibraltar", gibraltar},
    {"Greece", greece},
    {"Guernsey", guernsey},
    {"Isle of Man", isleOfMan},
    {"Jersey", jersey},
    {"Liechtenstein", liechtenstein},
    {"Macedonia", macedonia},
    {"Malta", malta},
    {"Portugal", portugal},
    {"Slovakia", slovakia},
    {"Slovenia", slovenia},
    {"Spain", [](QPainter& p) { spain(p, W, H); }},
    {"Switzerland", switzerland},
    {"Vatican City", vatican},
    {"United Kingdom", unitedKingdom},
    // Asia
    {"Azerbaijan", azerbaijan},
    {"Bahrain", bahrain},
    {"Bangladesh", bangladesh},
    {"Bhutan", bhutan},
    {"British Indian Ocean Territory", britishIndianOcean},
    {"Brunei", brunei},
    {"Cambodia", cambodia},
    {"China", [](QPainter& p) { china(p, W, H); }},
    {"Cyprus", cyprus},
    {"East Timor", eastTimor},
    {"Georgia", georgia},
    {"Hong Kong", hongKong},
    {"India", india},
    {"Iran", iran},
    {"Iraq", iraq},
    {"Israel", israel},
    {"Japan", [](QPainter& p) { japan(p, W, H); }},
    {"Kazakhstan", kazakhstan},
    {"Kuwait", kuwait},
    {"Kyrgyzstan", kyrgyzstan},
    {"Laos", laos},
    {"Lebanon", lebanon},
    {"Macau", macau},
    {"Malaysia", malaysia},
    {"Maledives", maldives},
    {"Mongolia", mongolia},
    {"Nepal", nepal},
    {"North Korea", northKorea},
    {"Oman", oman},
    {"Pakistan", pakistan},
    {"Philippines", philippines},
    {"Qatar", qatar},
    {"Saudi Arabia", saudiArabia},
    {"Singapore", singapore},
    {"South Korea", [](QPainter& p) { korea(p, W, H); }},
    {"Sri-Lanka", sriLanka},
    {"Taiwan", taiwan},
    {"Tajikistan", tajikistan},
    {"Turkey", turkey},
    {"Turkmenistan", turkmenistan},
    {"Uzbekistan", uzbekistan},
    // North America
    {"Antigua and Barbuda", antigua},
    {"Aruba", aruba},
    {"Barbados", barbados},
    {"Belize", belize},
    {"Canada", canada},
    {"Dominica", dominica},
    {"Dominican Republic", dominicanRepublic},
    {"Greenland", greenland},
    {"Grenada", grenada},
    {"Jamaica", jamaica},
    {"Panama", panama},
    {"Saint Kitts and Nevis", saintKitts},
    {"Saint Lucia", saintLucia},
    {"Saint Pierre and Miquelon", saintPierre},
    {"Saint Vincent and the Grenadines", saintVincent},
    {"Trinidad and Tobago", trinidad},
    {"USA", usa},
    {"Virgin Islands", usVirginIslands},
    // South America
    {"Brazil", brazil},
    {"Chile", chile},
    {"Guyana", guyana},
    {"Uruquay", uruguay},
    {"Venezuela", venezuela},
    // Oceania
    {"American Samoa", americanSamoa},
    {"Australia", australia},
    {"Cook Islands", cookIslands},
    {"French Polynesia", frenchPolynesia},
    {"Guam", guam},
    {"Kiribati", kiribati},
    {"Marshall Islands", marshallIslands},
    {"Nauru", nauru},
    {"New Zealand", newZealand},
    {"Niue", niue},
    {"Norfolk Island", norfolkIsland},
    {"Northern Mariana Islands", northernMariana},
    {"Papua New Guinea", papuaNewGuinea},
    {"Samoa", samoa},
    {"Solomon Islands", solomonIslands},
    {"Tonga", tonga},
    {"Tuvalu", tuvalu},
    {"Vanuatu", vanuatu},
    {"Wallis and Futuna", wallisFutuna},
    // Africa
    {"Algeria", algeria},
    {"Angola", angola},
    {"Burundi", burundi},
    {"Cape Verde", capeVerde},
    {"Central African Republic", centralAfrica},
    {"Comoros", comoros},
    {"Congo Republic", congoRepublic},
    {"Congo Democratic Republic", congoDemocratic},
    {"Eritrea", eritrea},
    {"Kenya", kenya},
    {"Lesotho", lesotho},
    {"Liberia", liberia},
    {"Libya", libya},
    {"Malawi", malawi},
    {"Mauretania", mauritania},
    {"Morocco", morocco},
    {"Namibia", namibia},
    {"Seychelles", seychelles},
    {"South Africa", southAfrica},
    {"Swaziland", swaziland},
    {"Tanzania", tanzania},
    {"Togo", togo},
    {"Tunisia", tunisia},
    {"Uganda", uganda},
    {"Zambia", zambia},
    {"Zimbabwe", zimbabwe},
};

// "Unknown": a neutral grey flag with a white question mark.
void unknown(QPainter& p)
{
    QLinearGradient grey(0, 0, 0, H);
    grey.setColorAt(0, QColor(150, 154, 162));
    grey.setColorAt(1, QColor(112, 116, 124));
    p.fillRect(QRectF(0, 0, W, H), grey);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(80);
    QPainterPath mark;
    mark.addText(0, 0, font, QStringLiteral("?"));
    const QRectF box = mark.boundingRect();
    mark.translate(kMiddle - box.center());
    p.fillPath(mark.translated(2, 2.5), QColor(60, 62, 70, 150));
    p.fillPath(mark, Qt::white);
}

// The painter of the country `name`; null when no table or function has it.
void (*painterOf(std::string_view name))(QPainter&)
{
    for (const Special& flag : kSpecial) {
        if (name == flag.name) {
            return flag.draw;
        }
    }
    return nullptr;
}

QImage renderCountryFlag(std::string_view name, bool unknownEntry, int w = 40, int h = 27,
                         double cornerRadius = 1.6)
{
    std::function<void(QPainter&)> draw;
    if (unknownEntry) {
        draw = unknown;
    } else if (auto special = painterOf(name)) {
        draw = special;
    } else {
        for (const Banded& flag : kBanded) {
            if (name == flag.name) {
                draw = [&flag](QPainter& p) { drawBanded(p, flag); };
            }
        }
        for (const Nordic& flag : kNordic) {
            if (name == flag.name) {
                draw = [&flag](QPainter& p) { drawNordic(p, flag); };
            }
        }
        for (const Ensign& flag : kEnsigns) {
            if (name == flag.name) {
                draw = [&flag](QPainter& p) { drawEnsign(p, flag); };
            }
        }
    }
    if (!draw) {
        return {};
    }
    return framedFlag(w, h, cornerRadius, [&draw](QPainter& p, double fw, double fh) {
        p.scale(fw / W, fh / H);
        p.setPen(Qt::NoPen);
        draw(p);
    });
}

}  // namespace

QImage renderCountryFlagAt(const char* name, int w, int h, double cornerRadius)
{
    return renderCountryFlag(name, false, w, h, cornerRadius);
}

bool makeCountryFlags(Output& out)
{
    bool ok = true;
    for (int continent = 1; continent <= kContinents; ++continent) {
        const std::span<const Country> countries = countriesOf(continent);
        for (std::size_t index = 0; index < countries.size(); ++index) {
            const QImage flag = renderCountryFlag(countries[index].name, index == 0);
            if (flag.isNull()) {
                std::fprintf(stderr, "olk-graphgen: no flag for %s\n", countries[index].name);
                ok = false;
                continue;
            }
            ok = out.save(flag, QStringLiteral("Country") +
                                    countryCode(continent, static_cast<int>(index))) &&
                 ok;
        }
    }
    return ok;
}

}  // namespace olk::graphgen
