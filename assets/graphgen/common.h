#pragma once

// Pieces the parts of olk-graphgen share: noise with fixed seeds, card
// suits as shapes, and the output folder with its resource list.

#include <QColor>
#include <QImage>
#include <QMutex>
#include <QPainterPath>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace olk::graphgen {

constexpr double kPi = 3.14159265358979323846;

inline double clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

inline double smoothstep(double edge0, double edge1, double x)
{
    const double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

inline double mix(double a, double b, double t)
{
    return a + (b - a) * t;
}

QColor mixColour(const QColor& a, const QColor& b, double t);

// A 32-bit hash of two grid coordinates and a seed.
inline std::uint32_t hash2(std::int32_t x, std::int32_t y, std::uint32_t seed)
{
    std::uint32_t h = seed ^ 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h *= 0x27D4EB2Fu;
    h ^= h >> 15;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    return h;
}

// The hash as a number in [0, 1).
inline double hashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed)
{
    return (hash2(x, y, seed) >> 8) * (1.0 / 16777216.0);
}

// Smooth value noise in [0, 1) with one lattice point per unit.
double valueNoise(double x, double y, std::uint32_t seed);

// Fractal noise: `octaves` layers of value noise, each of twice the
// frequency and half the weight of the one before; in [0, 1).
double fractalNoise(double x, double y, int octaves, std::uint32_t seed);

// A small fast generator for scattering things.
class Random {
public:
    explicit Random(std::uint32_t seed) : m_state(seed ? seed : 0x2545F491u) {}
    std::uint32_t next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    // In [0, 1).
    double unit() { return (next() >> 8) * (1.0 / 16777216.0); }
    double range(double low, double high) { return low + (high - low) * unit(); }

private:
    std::uint32_t m_state;
};

enum class Suit { Spades, Hearts, Diamonds, Clubs };

// The suit's shape, centred on (0, 0), about `size` tall.
QPainterPath suitPath(Suit suit, double size);

inline bool isRed(Suit suit)
{
    return suit == Suit::Hearts || suit == Suit::Diamonds;
}

// A five-pointed star centred on (0, 0), one point towards `angle`
// (radians, 0 = right, clockwise on screen).
QPainterPath starPath(double outer, double inner, double angle);

// The folder the pictures are written to and the list of what was written,
// which becomes a Qt resource list. Safe to use from several threads.
class Output {
public:
    // `prefix` is the resource prefix of the list ("/art").
    Output(const QString& folder, const QString& prefix);

    bool ready() const { return m_ready; }

    // Writes `image` as "<name>.png", or as "<name>.jpg" at `jpegQuality`
    // when that is given (0..100).
    bool save(const QImage& image, const QString& name, int jpegQuality = -1);

    // Writes `listName` (a .qrc) naming every picture, sorted by name so that
    // the order of the threads never shows.
    bool writeList(const QString& listName) const;

private:
    QString m_folder;
    QString m_prefix;
    bool m_ready = false;
    mutable QMutex m_mutex;
    QStringList m_files;
};

}  // namespace olk::graphgen
