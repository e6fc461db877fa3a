#include "assets/graphgen/backgrounds.h"

#include <QPainter>
#include <QPainterPath>
#include <QtConcurrent/QtConcurrentMap>

#include <atomic>
#include <functional>
#include <vector>

namespace olk::graphgen {

// ---------------------------------------------------------------- palettes

Palette::Palette(const QColor& deep, const QColor& mid, const QColor& light, const QColor& accent)
    : m_deep(deep), m_mid(mid), m_light(light), m_accent(accent)
{
    // Stops: near black of the family, deep, mid, light.
    const QColor shadow = QColor::fromRgbF(deep.redF() * 0.35f, deep.greenF() * 0.35f,
                                           deep.blueF() * 0.35f);
    for (int i = 0; i < kSteps; ++i) {
        const double t = static_cast<double>(i) / (kSteps - 1);
        QColor c;
        if (t < 0.3) {
            c = mixColour(shadow, deep, smoothstep(0, 0.3, t));
        } else if (t < 0.62) {
            c = mixColour(deep, mid, (t - 0.3) / 0.32);
        } else {
            c = mixColour(mid, light, (t - 0.62) / 0.38);
        }
        m_lut[static_cast<std::size_t>(i)] = c.rgb();
    }
}

QRgb Palette::shade(double t, double a) const
{
    const QRgb base = tone(t);
    if (a <= 0) {
        return base;
    }
    a = clamp01(a);
    auto channel = [a](int from, int to) { return static_cast<int>(from + (to - from) * a); };
    return qRgb(channel(qRed(base), m_accent.red()), channel(qGreen(base), m_accent.green()),
                channel(qBlue(base), m_accent.blue()));
}

Palette Palette::blended(const Palette& other, double t) const
{
    return Palette(mixColour(m_deep, other.m_deep, t), mixColour(m_mid, other.m_mid, t),
                   mixColour(m_light, other.m_light, t), mixColour(m_accent, other.m_accent, t));
}

Palette backgroundPalette(int colour)
{
    const QColor gold(218, 186, 110);
    switch (colour) {
    case 1:  // red
        return Palette(QColor(64, 8, 12), QColor(132, 24, 32), QColor(198, 96, 92), gold);
    case 2:  // orange
        return Palette(QColor(66, 28, 6), QColor(146, 70, 20), QColor(214, 146, 76),
                       QColor(236, 206, 140));
    case 3:  // yellow
        return Palette(QColor(70, 52, 8), QColor(156, 124, 30), QColor(222, 192, 100),
                       QColor(240, 226, 170));
    case 4:  // light blue
        return Palette(QColor(4, 48, 54), QColor(18, 110, 116), QColor(104, 182, 180), gold);
    case 5:  // dark blue
        return Palette(QColor(8, 14, 62), QColor(28, 46, 132), QColor(104, 122, 202), gold);
    case 6:  // violet
        return Palette(QColor(44, 8, 56), QColor(100, 32, 120), QColor(172, 112, 192), gold);
    default:  // green
        return Palette(QColor(8, 46, 20), QColor(22, 106, 50), QColor(98, 172, 112), gold);
    }
}

Palette purplePalette()
{
    return Palette(QColor(34, 6, 46), QColor(96, 24, 128), QColor(184, 104, 220),
                   QColor(226, 190, 110));
}

// ---------------------------------------------------------------- damask

QImage damaskTile(int w, int h)
{
    // Drawn at twice the size in a 100 x 100 box and shrunk, for soft edges.
    constexpr int kOversample = 2;
    QImage big(w * kOversample, h * kOversample, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(big.width() / 100.0, big.height() / 100.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);

    QPainterPath half;  // the left half; mirrored for the right
    // Stem and central lozenge.
    half.addRect(QRectF(49, 16, 1.2, 68));
    QPainterPath lozenge;
    lozenge.moveTo(50, 40);
    lozenge.lineTo(41, 50);
    lozenge.lineTo(50, 60);
    lozenge.closeSubpath();
    half.addPath(lozenge);
    // The palmette at the top: three petals.
    for (const auto& petal : {std::array<double, 4>{50, 14, 4.2, 10}, {44, 20, 3, 8}}) {
        QPainterPath leaf;
        leaf.moveTo(petal[0], petal[1] - petal[3]);
        leaf.cubicTo(petal[0] - petal[2] * 1.6, petal[1] - petal[3] * 0.3, petal[0] - petal[2],
                     petal[1] + petal[3] * 0.6, petal[0], petal[1] + petal[3] * 0.6);
        leaf.lineTo(petal[0], petal[1] - petal[3]);
        half.addPath(leaf);
    }
    // A tulip at the bottom.
    QPainterPath tulip;
    tulip.moveTo(50, 94);
    tulip.cubicTo(44, 92, 42, 86, 44, 80);
    tulip.cubicTo(46, 84, 48, 85, 50, 84);
    tulip.closeSubpath();
    half.addPath(tulip);
    // The great scroll: from the stem out to the left and curling in.
    QPainterPath scroll;
    scroll.moveTo(50, 66);
    scroll.cubicTo(36, 70, 22, 64, 20, 50);
    scroll.cubicTo(18, 36, 30, 28, 38, 34);
    scroll.cubicTo(44, 39, 40, 48, 34, 46);
    QPainterPathStroker stroker;
    stroker.setWidth(2.6);
    stroker.setCapStyle(Qt::RoundCap);
    half.addPath(stroker.createStroke(scroll));
    p.drawEllipse(QPointF(34.5, 44), 2.8, 2.8);
    p.drawEllipse(QPointF(65.5, 44), 2.8, 2.8);
    // Leaves along the scroll.
    const struct {
        double x, y, angle, length;
    } leaves[] = {{28, 66, -30, 11}, {16, 44, -100, 10}, {26, 28, -150, 9}, {40, 26, 160, 8}};
    for (const auto& leaf : leaves) {
        QPainterPath shape;
        shape.moveTo(0, 0);
        shape.cubicTo(leaf.length * 0.3, -leaf.length * 0.35, leaf.length * 0.8,
                      -leaf.length * 0.25, leaf.length, 0);
        shape.cubicTo(leaf.length * 0.8, leaf.length * 0.25, leaf.length * 0.3,
                      leaf.length * 0.35, 0, 0);
        QTransform turn;
        turn.translate(leaf.x, leaf.y);
        turn.rotate(leaf.angle);
        half.addPath(turn.map(shape));
    }
    // Small buds at the tile's corners, which meet the neighbours' ground.
    for (const QPointF& at : {QPointF(0, 0), QPointF(0, 100)}) {
        half.addEllipse(at, 5, 5);
    }
    half.addEllipse(QPointF(0, 50), 2.2, 2.2);
    half.setFillRule(Qt::WindingFill);
    p.drawPath(half);
    QTransform mirror;
    mirror.translate(100, 0);
    mirror.scale(-1, 1);
    p.drawPath(mirror.map(half));
    p.end();
    const QImage small = big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage mask(w, h, QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(small.constScanLine(y));
        uchar* to = mask.scanLine(y);
        for (int x = 0; x < w; ++x) {
            to[x] = static_cast<uchar>(qAlpha(from[x]));
        }
    }
    return mask;
}

// ---------------------------------------------------------------- textures

namespace {

// Every background is computed pixel by pixel; `k` is the scale of the
// pattern (1 for the 500 pixels high small table), `v` the vignette (0 in
// the middle, about 1 in the corners).
struct Surface {
    QImage image;
    double k;
    int w;
    int h;
    std::uint32_t seed;

    Surface(int width, int height, std::uint32_t s)
        : image(width, height, QImage::Format_RGB32), k(height / 500.0), w(width), h(height),
          seed(s)
    {
    }

    double vignette(int x, int y) const
    {
        const double nx = (x - w / 2.0) / (w / 2.0);
        const double ny = (y - h / 2.0) / (h / 2.0);
        return (nx * nx * 0.8 + ny * ny) / 1.8;
    }

    double grain(int x, int y) const { return hashUnit(x, y, seed) - 0.5; }

    template <typename F>
    void each(F&& pixel)
    {
        for (int y = 0; y < h; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < w; ++x) {
                line[x] = pixel(x, y);
            }
        }
    }
};

// 01: rays from the middle, brighter there.
void paintSun(Surface& s, const Palette& pal)
{
    const double cx = s.w / 2.0;
    const double cy = s.h / 2.0;
    const double reach = std::hypot(cx, cy);
    s.each([&](int x, int y) {
        const double dx = x - cx;
        const double dy = y - cy;
        const double r = std::hypot(dx, dy) / reach;
        const double a = std::atan2(dy, dx);
        const double wide = smoothstep(-0.3, 0.3, std::cos(24 * a));
        const double thin = smoothstep(0.55, 0.95, std::cos(48 * a + kPi));
        const double fade = smoothstep(0.02, 0.3, r) * (1 - 0.45 * r);
        const double t = 0.5 + 0.17 * std::exp(-r * r * 7) - 0.24 * r * r +
                         fade * (0.062 * (wide - 0.5) + 0.025 * thin) +
                         0.03 * (fractalNoise(x / (120 * s.k), y / (120 * s.k), 2, s.seed) - 0.5) +
                         0.012 * s.grain(x, y);
        return pal.shade(t, 0.05 * fade * wide * (1 - r));
    });
}

// 02: baize with fibres and a gentle light in the middle.
void paintFelt(Surface& s, const Palette& pal, double fibreWeight = 1.0)
{
    s.each([&](int x, int y) {
        const double mottle = fractalNoise(x / (90 * s.k), y / (90 * s.k), 3, s.seed);
        const double fibre = valueNoise(x / (1.3 * s.k), y / (4.5 * s.k), s.seed + 5) - 0.5;
        const double t = 0.57 - 0.22 * s.vignette(x, y) + 0.05 * (mottle - 0.5) +
                         fibreWeight * (0.026 * fibre + 0.018 * s.grain(x, y));
        return pal.tone(t);
    });
}

// 03: a smooth gradient from a light above the middle, darker corners.
void paintGradient(Surface& s, const Palette& pal)
{
    const double lx = s.w * 0.5;
    const double ly = s.h * 0.42;
    s.each([&](int x, int y) {
        const double dx = (x - lx) / (s.w * 0.62);
        const double dy = (y - ly) / (s.h * 0.62);
        const double d = std::sqrt(dx * dx + dy * dy);
        const double diagonal = 1.0 - (static_cast<double>(x) / s.w + static_cast<double>(y) / s.h) / 2;
        const double t = 0.74 - 0.36 * std::pow(d, 1.5) + 0.05 * diagonal + 0.006 * s.grain(x, y);
        return pal.tone(t);
    });
}

// 04: a woven twill, each thread a little different.
void paintCloth(Surface& s, const Palette& pal)
{
    const double pitch = 4.2 * s.k;
    s.each([&](int x, int y) {
        double sum = 0;
        // Four samples a pixel keep the threads free of stair steps.
        for (int sub = 0; sub < 4; ++sub) {
            const double px = (x + 0.25 + 0.5 * (sub & 1)) / pitch;
            const double py = (y + 0.25 + 0.5 * (sub >> 1)) / pitch;
            const auto i = static_cast<int>(std::floor(px));
            const auto j = static_cast<int>(std::floor(py));
            const bool warpOver = ((i - j) & 3) < 2;
            const double across = warpOver ? px - i : py - j;
            const double along = warpOver ? py - j : px - i;
            const double slub = warpOver ? hashUnit(i, 0, s.seed) : hashUnit(0, j, s.seed + 9);
            const double profile = std::sin(kPi * across);
            const double dip = 0.75 + 0.25 * std::sin(kPi * along);
            sum += 0.11 * (std::sqrt(profile) * dip - 0.62) + 0.04 * (slub - 0.5) +
                   (warpOver ? 0.015 : -0.015);
        }
        const double mottle = fractalNoise(x / (110 * s.k), y / (110 * s.k), 2, s.seed + 3);
        const double t = 0.54 - 0.22 * s.vignette(x, y) + sum / 4 + 0.04 * (mottle - 0.5);
        return pal.tone(t);
    });
}

// Six petals around a dot.
void rosette(QPainter& p, QPointF c, double r, const QColor& petal, const QColor& heart)
{
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(c);
        p.rotate(45 * i);
        p.drawEllipse(QPointF(r * 0.55, 0), r * 0.45, r * 0.2);
        p.restore();
    }
    p.setBrush(heart);
    p.drawEllipse(c, r * 0.28, r * 0.28);
}

// A stepped lozenge, the shape of the carpet's medallion.
QPainterPath steppedLozenge(QPointF c, double rx, double ry, int steps)
{
    const double sx = rx / steps;
    const double sy = ry / steps;
    // The quarter from the top to the right point, in steps; the others
    // are its mirror images, walked round in order.
    std::vector<QPointF> quarter{QPointF(c.x(), c.y() - ry)};
    for (int i = 0; i < steps; ++i) {
        quarter.emplace_back(c.x() + sx * (i + 1), c.y() - ry + sy * i);
        quarter.emplace_back(c.x() + sx * (i + 1), c.y() - ry + sy * (i + 1));
    }
    QPolygonF outline;
    for (const QPointF& pt : quarter) {
        outline << pt;
    }
    for (auto it = quarter.rbegin() + 1; it != quarter.rend(); ++it) {
        outline << QPointF(it->x(), 2 * c.y() - it->y());
    }
    for (auto it = quarter.begin() + 1; it != quarter.end(); ++it) {
        outline << QPointF(2 * c.x() - it->x(), 2 * c.y() - it->y());
    }
    for (auto it = quarter.rbegin() + 1; it != quarter.rend() - 1; ++it) {
        outline << QPointF(2 * c.x() - it->x(), it->y());
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

// 05: an oriental carpet: border bands, a field with a lattice and a
// medallion, knotted wool.
void paintCarpet(Surface& s, const Palette& pal)
{
    const double k = s.k;
    s.image.fill(pal.colour(0.5));
    QPainter p(&s.image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF whole(0, 0, s.w, s.h);
    const double band = 40 * k;
    const QColor accent = pal.accent();
    auto soft = [](QColor c, int alpha) {
        c.setAlpha(alpha);
        return c;
    };

    // The field's lattice of small diamonds.
    const QRectF field = whole.adjusted(band + 8 * k, band + 8 * k, -band - 8 * k, -band - 8 * k);
    p.save();
    p.setClipRect(field);
    p.setPen(QPen(pal.colour(0.58), 1.4 * k));
    p.setBrush(Qt::NoBrush);
    const double step = 34 * k;
    for (double d = -s.h; d < s.w + s.h; d += step) {
        p.drawLine(QPointF(d, 0), QPointF(d + s.h, s.h));
        p.drawLine(QPointF(d, s.h), QPointF(d + s.h, 0));
    }
    p.setPen(Qt::NoPen);
    for (double y = field.top(); y < field.bottom() + step; y += step) {
        for (double x = field.left(); x < field.right() + step; x += step) {
            p.setBrush(pal.colour(0.6));
            p.drawEllipse(QPointF(x + step / 2, y), 2.6 * k, 2.6 * k);
        }
    }
    // Corner spandrels: quarter lozenges in a deeper tone.
    for (const QPointF& corner : {field.topLeft(), field.topRight(), field.bottomLeft(),
                                  field.bottomRight()}) {
        const QPainterPath shape = steppedLozenge(corner, field.width() * 0.2, field.height() * 0.3, 6);
        p.fillPath(shape, pal.colour(0.36));
        p.setPen(QPen(soft(accent, 90), 1.6 * k));
        p.setBrush(pal.colour(0.46));
        p.drawPath(steppedLozenge(corner, field.width() * 0.17, field.height() * 0.25, 6));
        p.setPen(Qt::NoPen);
    }
    // The medallion with its pendants.
    const QPointF c = field.center();
    const double mx = field.width() * 0.2;
    const double my = field.height() * 0.34;
    p.fillPath(steppedLozenge(c, mx * 0.16, my * 1.32, 3), pal.colour(0.36));
    p.fillPath(steppedLozenge(c, mx, my, 7), pal.colour(0.34));
    p.setPen(QPen(soft(accent, 110), 2 * k));
    p.setBrush(pal.colour(0.44));
    p.drawPath(steppedLozenge(c, mx * 0.78, my * 0.78, 7));
    p.setPen(Qt::NoPen);
    p.fillPath(steppedLozenge(c, mx * 0.45, my * 0.45, 5), pal.colour(0.56));
    rosette(p, c, my * 0.3, soft(accent, 120), pal.colour(0.32));
    for (int side : {-1, 1}) {
        rosette(p, c + QPointF(side * mx * 0.58, 0), my * 0.12, soft(accent, 90), pal.colour(0.3));
        rosette(p, c + QPointF(0, side * my * 0.6), my * 0.12, soft(accent, 90), pal.colour(0.3));
    }
    p.restore();

    // The border: a deep band between guard stripes, rosettes and vines in it.
    QPainterPath frame;
    frame.addRect(whole.adjusted(6 * k, 6 * k, -6 * k, -6 * k));
    frame.addRect(field.adjusted(-2 * k, -2 * k, 2 * k, 2 * k));
    frame.setFillRule(Qt::OddEvenFill);
    p.fillPath(frame, pal.colour(0.3));
    QPainterPath outer;
    outer.addRect(whole);
    outer.addRect(whole.adjusted(6 * k, 6 * k, -6 * k, -6 * k));
    outer.setFillRule(Qt::OddEvenFill);
    p.fillPath(outer, pal.colour(0.42));
    p.setBrush(Qt::NoBrush);
    for (const double inset : {6.0 * k, band + 8 * k}) {
        p.setPen(QPen(soft(accent, 120), 1.8 * k));
        p.drawRect(whole.adjusted(inset, inset, -inset, -inset));
    }
    p.setPen(QPen(soft(accent, 70), 1.2 * k));
    p.drawRect(whole.adjusted(band + 3 * k, band + 3 * k, -band - 3 * k, -band - 3 * k));
    // The vine: a wave along the band's middle, rosettes in its bends.
    const QRectF mid = whole.adjusted(6 * k + (band - 6 * k) / 2 + 4 * k,
                                      6 * k + (band - 6 * k) / 2 + 4 * k,
                                      -(6 * k + (band - 6 * k) / 2 + 4 * k),
                                      -(6 * k + (band - 6 * k) / 2 + 4 * k));
    const double pitch = 46 * k;
    auto vine = [&](QPointF from, QPointF to) {
        const QLineF line(from, to);
        const int count = std::max(1, static_cast<int>(line.length() / pitch));
        const QPointF along = (to - from) / count;
        const QPointF across(-along.y() / line.length() * 9 * k, along.x() / line.length() * 9 * k);
        QPainterPath wave;
        wave.moveTo(from);
        for (int i = 0; i < count; ++i) {
            const QPointF a = from + along * i;
            const QPointF sign = i % 2 ? -across : across;
            wave.cubicTo(a + along * 0.3 + sign, a + along * 0.7 + sign, a + along);
        }
        p.setPen(QPen(soft(accent, 80), 1.5 * k));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
        for (int i = 0; i < count; ++i) {
            const QPointF a = from + along * (i + 0.5) + (i % 2 ? -across : across) * 0.75;
            rosette(p, a, 8 * k, soft(accent, 110), pal.colour(0.56));
        }
    };
    vine(mid.topLeft(), mid.topRight());
    vine(mid.bottomLeft(), mid.bottomRight());
    vine(mid.topLeft(), mid.bottomLeft());
    vine(mid.topRight(), mid.bottomRight());
    for (const QPointF& corner : {mid.topLeft(), mid.topRight(), mid.bottomLeft(), mid.bottomRight()}) {
        rosette(p, corner, 13 * k, soft(accent, 140), pal.colour(0.5));
    }
    p.end();

    // The wool: knots in rows, a slight unevenness of the dye along them.
    const double knot = 2.0 * k;
    for (int y = 0; y < s.h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(s.image.scanLine(y));
        const int row = static_cast<int>(y / knot);
        const double abrash = 0.05 * (fractalNoise(0.5, y / (60 * k), 2, s.seed + 11) - 0.5);
        for (int x = 0; x < s.w; ++x) {
            const int column = static_cast<int>(x / knot);
            const double light = 1.0 + abrash + 0.05 * (hashUnit(column, row, s.seed) - 0.5) -
                                 0.28 * s.vignette(x, y);
            const QRgb was = line[x];
            line[x] = qRgb(std::clamp(static_cast<int>(qRed(was) * light), 0, 255),
                           std::clamp(static_cast<int>(qGreen(was) * light), 0, 255),
                           std::clamp(static_cast<int>(qBlue(was) * light), 0, 255));
        }
    }
}

// 06: wooden planks stained in the colour, with grain and seams.
void paintWood(Surface& s, const Palette& colourPalette)
{
    const Palette wood(QColor(44, 24, 10), QColor(124, 74, 36), QColor(196, 146, 92),
                       QColor(60, 30, 12));
    const Palette pal = colourPalette.blended(wood, 0.35);
    const double k = s.k;
    const double plank = 82 * k;
    const double length = 560 * k;
    s.each([&](int x, int y) {
        const int j = static_cast<int>(y / plank);
        const double ly = y - j * plank;
        const double offset = hashUnit(j, 1, s.seed) * length;
        const int board = static_cast<int>((x + offset) / length);
        const double lx = std::fmod(x + offset, length);
        const double own = hashUnit(j, board, s.seed + 1);
        const double bend = 10 * k * std::sin(x / (170 * k) + own * 6.3) +
                            24 * k * (fractalNoise(x / (260 * k), ly / (70 * k) + own * 50, 2, s.seed + 2) - 0.5);
        const double rings = (ly + bend) / (9 * k) + own * 20;
        const double ring = std::pow(0.5 + 0.5 * std::sin(2 * kPi * rings), 4);
        const double streak = valueNoise(x / (40 * k), y / (1.4 * k), s.seed + 3) - 0.5;
        double t = 0.52 + 0.1 * (own - 0.5) - 0.075 * ring + 0.035 * streak + 0.01 * s.grain(x, y) -
                   0.2 * s.vignette(x, y);
        // Seams: a dark groove with a lit edge below it, and the board ends.
        const double edge = std::min(ly, plank - ly);
        if (edge < 1.6 * k) {
            t -= 0.2 * (1 - edge / (1.6 * k));
        } else if (ly < 3.5 * k) {
            t += 0.03;
        }
        const double end = std::min(lx, length - lx);
        if (end < 1.3 * k) {
            t -= 0.16 * (1 - end / (1.3 * k));
        }
        return pal.tone(t);
    });
}

// 07: felt with a casino layout printed faintly in the accent colour.
void paintCasino(Surface& s, const Palette& pal)
{
    paintFelt(s, pal, 0.6);
    const double k = s.k;
    QPainter p(&s.image);
    p.setRenderHint(QPainter::Antialiasing);
    QColor ink = mixColour(pal.accent(), pal.colour(0.55), 0.35);
    auto faint = [&](int alpha) {
        QColor c = ink;
        c.setAlpha(alpha);
        return c;
    };
    // The great arc of the layout with its inner line.
    const QPointF centre(s.w / 2.0, -s.h * 0.35);
    const double rx = s.w * 0.58;
    const double ry = s.h * 1.12;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(faint(85), 3 * k));
    p.drawEllipse(centre, rx, ry);
    p.setPen(QPen(faint(65), 1.4 * k));
    p.drawEllipse(centre, rx - 34 * k, ry - 34 * k);
    p.drawEllipse(centre, rx + 9 * k, ry + 9 * k);
    // Suits along the band between the arcs.
    const Suit suits[4] = {Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};
    const double mrx = rx - 17 * k;
    const double mry = ry - 17 * k;
    const int count = 15;
    for (int i = 0; i < count; ++i) {
        const double a = kPi * (0.5 + (i - (count - 1) / 2.0) * 0.048);
        const QPointF at = centre + QPointF(mrx * std::cos(a), mry * std::sin(a));
        p.save();
        p.translate(at);
        p.rotate((a - kPi / 2) * 180 / kPi);
        p.fillPath(suitPath(suits[i % 4], 17 * k), faint(70));
        p.restore();
    }
    // A thin rounded line around the table.
    p.setPen(QPen(faint(50), 1.6 * k));
    p.drawRoundedRect(QRectF(14 * k, 14 * k, s.w - 28 * k, s.h - 28 * k), 26 * k, 26 * k);
    // Corner pips.
    const QPointF corners[4] = {{40 * k, 40 * k}, {s.w - 40 * k, 40 * k}, {40 * k, s.h - 40 * k},
                                {s.w - 40 * k, s.h - 40 * k}};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(corners[i]);
        p.fillPath(suitPath(suits[i], 22 * k), faint(45));
        p.restore();
    }
    // A faint emblem in the lower middle, where no card lies.
    p.setPen(QPen(faint(40), 1.4 * k));
    const QPointF emblem(s.w / 2.0, s.h - 52 * k);
    p.drawEllipse(emblem, 30 * k, 30 * k);
    for (int i = 0; i < 4; ++i) {
        const double a = kPi / 2 * i - kPi / 2;
        p.save();
        p.translate(emblem + QPointF(15 * k * std::cos(a), 15 * k * std::sin(a)));
        p.fillPath(suitPath(suits[i], 11 * k), faint(55));
        p.restore();
    }
}

// 08: a repeating tile of eight-pointed stars and crosses.
void paintPattern(Surface& s, const Palette& pal)
{
    const double cell = 56 * s.k;
    const double aa = 0.9;  // pixels of soft edge
    s.each([&](int x, int y) {
        const double u = (std::fmod(x + 0.5, cell) / cell - 0.5) * cell;
        const double v = (std::fmod(y + 0.5, cell) / cell - 0.5) * cell;
        const double au = std::abs(u);
        const double av = std::abs(v);
        const double square = std::max(au, av);
        const double turned = (au + av) / std::sqrt(2.0);
        const double star = std::min(square, turned) - cell * 0.3;
        const double inner = std::min(square, turned) - cell * 0.15;
        const double corner = (cell / 2 - au) + (cell / 2 - av) - cell * 0.16;
        const double inStar = 1 - smoothstep(-aa, aa, star);
        const double outline = 1 - smoothstep(0.7 * s.k, 0.7 * s.k + 2 * aa, std::abs(star));
        const double inInner = 1 - smoothstep(-aa, aa, inner);
        const double inCorner = 1 - smoothstep(-aa, aa, corner);
        const double t = 0.5 - 0.2 * s.vignette(x, y) + 0.055 * inStar - 0.05 * inInner +
                         0.04 * inCorner + 0.008 * s.grain(x, y);
        return pal.shade(t + 0.04 * outline, 0.22 * outline + 0.1 * inInner);
    });
}

// 09: silk: soft diagonal folds and their sheen.
void paintSilk(Surface& s, const Palette& pal)
{
    const double k = s.k;
    s.each([&](int x, int y) {
        const double warp = fractalNoise(x / (320 * k), y / (260 * k), 2, s.seed);
        const double phase = (x * 0.5 + y) / (46 * k) + 7.0 * warp;
        const double fold = std::sin(phase) + 0.35 * std::sin(2.1 * phase + 1.3 + 6 * warp);
        const double sheen = std::pow(clamp01(0.5 + 0.38 * fold), 2.6);
        const double t = 0.41 + 0.3 * sheen - 0.2 * s.vignette(x, y) + 0.006 * s.grain(x, y);
        return pal.shade(t, 0.1 * std::pow(sheen, 4));
    });
}

// 10: a damask: the motif in satin on a matte ground.
void paintOrnament(Surface& s, const Palette& pal)
{
    const QImage tile = damaskTile(static_cast<int>(150 * s.k), static_cast<int>(200 * s.k));
    s.each([&](int x, int y) {
        const double m = damaskAt(tile, x, y);
        const double sheen = 0.5 + 0.5 * std::sin((x - y * 0.6) / (140 * s.k));
        const double mottle = fractalNoise(x / (100 * s.k), y / (100 * s.k), 2, s.seed);
        const double ground = 0.012 * std::sin(y * kPi / (1.5 * s.k));  // the weave's fine ribs
        const double t = 0.47 - 0.2 * s.vignette(x, y) + m * (0.06 + 0.05 * sheen) +
                         (1 - m) * ground + 0.03 * (mottle - 0.5) + 0.006 * s.grain(x, y);
        return pal.shade(t, 0.06 * m * sheen);
    });
}

}  // namespace

QImage renderBackground(int number, int colour, int w, int h)
{
    Surface s(w, h, 7919u * static_cast<std::uint32_t>(number) + static_cast<std::uint32_t>(h));
    const Palette pal = backgroundPalette(colour);
    switch (number) {
    case 1:
        paintSun(s, pal);
        break;
    case 2:
        paintFelt(s, pal);
        break;
    case 3:
        paintGradient(s, pal);
        break;
    case 4:
        paintCloth(s, pal);
        break;
    case 5:
        paintCarpet(s, pal);
        break;
    case 6:
        paintWood(s, pal);
        break;
    case 7:
        paintCasino(s, pal);
        break;
    case 8:
        paintPattern(s, pal);
        break;
    case 9:
        paintSilk(s, pal);
        break;
    default:
        paintOrnament(s, pal);
        break;
    }
    return s.image;
}

QImage renderVelvet(int w, int h)
{
    Surface s(w, h, 4242u);
    const Palette pal = purplePalette();
    const double k = s.k;
    const QImage tile = damaskTile(static_cast<int>(170 * k), static_cast<int>(226 * k));
    s.each([&](int x, int y) {
        // Crushed velvet: the pile, pressed in long creases running
        // mostly one way, catches the light along their ridges.
        const double wx = x + 90 * k * (fractalNoise(x / (400 * k), y / (400 * k), 2, s.seed + 1) - 0.5);
        const double wy = y + 90 * k * (fractalNoise(x / (400 * k), y / (400 * k), 2, s.seed + 2) - 0.5);
        const double crease = fractalNoise((wx + wy * 0.5) / (230 * k), (wy - wx * 0.3) / (85 * k), 2, s.seed);
        const double ridge = std::pow(1 - std::abs(2 * crease - 1), 2.5);
        const double light = fractalNoise(x / (420 * k), y / (420 * k), 2, s.seed + 3);
        const double m = damaskAt(tile, x, y);
        const double t = 0.33 + 0.16 * light + 0.17 * ridge - 0.22 * s.vignette(x, y) + 0.03 * m +
                         0.01 * s.grain(x, y);
        return pal.shade(t, 0.05 * m + 0.05 * ridge * ridge);
    });
    return s.image;
}

bool makeBackgrounds(Output& out)
{
    static const char* kCodes[] = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};
    struct Job {
        int number;
        int colour;
        bool large;
    };
    std::vector<Job> jobs;
    for (int number = 1; number <= 10; ++number) {
        for (int colour = 0; colour < 7; ++colour) {
            if (number == 2 && colour == 0) {
                continue;  // green felt is the program's own "FonG"
            }
            // The large pictures first: they take longest.
            jobs.push_back({number, colour, true});
            jobs.push_back({number, colour, false});
        }
    }
    std::atomic<bool> ok{true};
    QtConcurrent::blockingMap(jobs, [&](const Job& job) {
        const QImage image = job.large ? renderBackground(job.number, job.colour, 1920, 922)
                                       : renderBackground(job.number, job.colour, 760, 500);
        const QString name = QStringLiteral("Fon%1").arg(job.number, 2, 10, QLatin1Char('0')) +
                             QLatin1String(kCodes[job.colour]) +
                             (job.large ? QStringLiteral("B") : QString());
        if (!out.save(image, name, 88)) {
            ok = false;
        }
    });
    return ok;
}

}  // namespace olk::graphgen
