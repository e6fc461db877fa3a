#pragma once

// The table backgrounds of "TevBackG03.dll" and the textiles they are woven
// from, which the purple design's velvet shares.

#include <QColor>
#include <QImage>
#include <QRgb>

#include <array>
#include <cstdint>

#include "assets/graphgen/common.h"

namespace olk::graphgen {

// A colour family: a tone 0 (shadow) .. 1 (highlight) maps through deep,
// mid and light; `accent` is the colour of printed or woven decoration.
class Palette {
public:
    Palette(const QColor& deep, const QColor& mid, const QColor& light, const QColor& accent);

    QRgb tone(double t) const
    {
        const int i = static_cast<int>(clamp01(t) * (kSteps - 1) + 0.5);
        return m_lut[static_cast<std::size_t>(i)];
    }
    // The tone mixed with the accent colour by `a` (0..1).
    QRgb shade(double t, double a) const;

    QColor colour(double t) const { return QColor::fromRgb(tone(t)); }
    const QColor& accent() const { return m_accent; }

    // This palette mixed with `other` by `t`.
    Palette blended(const Palette& other, double t) const;

private:
    static constexpr int kSteps = 1024;
    QColor m_deep, m_mid, m_light, m_accent;
    std::array<QRgb, kSteps> m_lut{};
};

// The seven colour families of the backgrounds, by their number 0..6:
// green, red, orange, yellow, light blue, dark blue, violet.
Palette backgroundPalette(int colour);

// The purple design's own family.
Palette purplePalette();

// A damask motif as a coverage mask (0 ground, 255 motif) of one tile of
// w x h; tiles repeat side by side, every second column dropped by half a
// tile.
QImage damaskTile(int w, int h);

// The motif's coverage at (x, y) of a surface tiled with `tile`.
inline double damaskAt(const QImage& tile, int x, int y)
{
    const int tw = tile.width();
    const int th = tile.height();
    const int column = x / tw;
    const int ty = (y + (column % 2 ? th / 2 : 0)) % th;
    return tile.constScanLine(ty)[x % tw] / 255.0;
}

// Background `number` (1..10) in colour `colour` (0..6), w x h.
QImage renderBackground(int number, int colour, int w, int h);

// Crushed velvet with a faint damask: the purple design's table and menu.
QImage renderVelvet(int w, int h);

// Draws every background of the library into `out` ("Fon01Gr" ...), in
// parallel; false when one could not be written.
bool makeBackgrounds(Output& out);

}  // namespace olk::graphgen
