#include "extras/draw_stretched.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace olk {

double spline36(double t)
{
    const double a = std::abs(t);
    if (a < 1.0) {
        return ((13.0 / 11.0 * a - 453.0 / 209.0) * a - 3.0 / 209.0) * a + 1.0;
    }
    if (a < 2.0) {
        const double u = a - 1.0;
        return ((-6.0 / 11.0 * u + 270.0 / 209.0) * u - 156.0 / 209.0) * u;
    }
    if (a < 3.0) {
        const double u = a - 2.0;
        return ((1.0 / 11.0 * u - 45.0 / 209.0) * u + 26.0 / 209.0) * u;
    }
    return 0.0;
}

namespace {

// Taps of one output coordinate: first source index and normalised weights.
struct Taps {
    int first = 0;
    std::vector<float> weights;
};

std::vector<Taps> tapsFor(int sourceSize, int targetSize)
{
    std::vector<Taps> all(static_cast<std::size_t>(targetSize));
    const double ratio = static_cast<double>(sourceSize) / targetSize;
    const double widen = std::max(1.0, ratio);  // reducing widens the kernel
    const double support = 3.0 * widen;
    for (int i = 0; i < targetSize; ++i) {
        const double centre = (i + 0.5) * ratio - 0.5;
        const int first = static_cast<int>(std::floor(centre - support)) + 1;
        const int last = static_cast<int>(std::ceil(centre + support)) - 1;
        Taps& taps = all[static_cast<std::size_t>(i)];
        taps.first = first;
        double sum = 0.0;
        for (int s = first; s <= last; ++s) {
            const double w = spline36((s - centre) / widen);
            taps.weights.push_back(static_cast<float>(w));
            sum += w;
        }
        if (sum != 0.0) {
            for (float& w : taps.weights) {
                w = static_cast<float>(w / sum);
            }
        }
    }
    return all;
}

}  // namespace

QImage resampleSpline36(const QImage& source, int w, int h)
{
    // Transparent parts turn black, as on a 24-bit surface.
    QImage rgb(source.size(), QImage::Format_RGB32);
    rgb.fill(Qt::black);
    {
        QPainter p(&rgb);
        p.drawImage(0, 0, source);
    }
    const int sw = rgb.width();
    const int sh = rgb.height();
    if (sw == 0 || sh == 0 || w <= 0 || h <= 0) {
        return {};
    }

    // Across: sh rows of w pixels, three channels as floats.
    const std::vector<Taps> across = tapsFor(sw, w);
    std::vector<float> middle(static_cast<std::size_t>(w) * sh * 3);
    for (int y = 0; y < sh; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const Taps& taps = across[static_cast<std::size_t>(x)];
            float r = 0, g = 0, b = 0;
            for (std::size_t k = 0; k < taps.weights.size(); ++k) {
                const int s = std::clamp(taps.first + static_cast<int>(k), 0, sw - 1);
                const QRgb px = line[s];
                const float wt = taps.weights[k];
                r += wt * qRed(px);
                g += wt * qGreen(px);
                b += wt * qBlue(px);
            }
            float* out = &middle[(static_cast<std::size_t>(y) * w + x) * 3];
            out[0] = r;
            out[1] = g;
            out[2] = b;
        }
    }

    // Down.
    const std::vector<Taps> down = tapsFor(sh, h);
    QImage result(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const Taps& taps = down[static_cast<std::size_t>(y)];
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < w; ++x) {
            float r = 0, g = 0, b = 0;
            for (std::size_t k = 0; k < taps.weights.size(); ++k) {
                const int s = std::clamp(taps.first + static_cast<int>(k), 0, sh - 1);
                const float* in = &middle[(static_cast<std::size_t>(s) * w + x) * 3];
                const float wt = taps.weights[k];
                r += wt * in[0];
                g += wt * in[1];
                b += wt * in[2];
            }
            auto channel = [](float v) {
                return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
            };
            line[x] = qRgb(channel(r), channel(g), channel(b));
        }
    }
    return result;
}

QImage stretchedCard(const QImage& picture, int w, int h, int corner)
{
    if (picture.isNull() || picture.size() == QSize(w, h)) {
        return picture;
    }
    QImage result = resampleSpline36(picture, w, h).convertToFormat(QImage::Format_ARGB32);
    // The corners: everything outside the rounded rectangle is cut away. The
    // rectangle is drawn without smoothing, so a pixel is either card or table.
    QImage mask(w, h, QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRoundedRect(QRectF(0, 0, w, h), corner / 2.0, corner / 2.0);
    }
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(m[x]) == 0) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return result;
}

QRect deviceRect(const QRect& rect, qreal ratio)
{
    if (ratio == 1.0) {
        return rect;
    }
    // The edges are scaled, not the size, so neighbouring rectangles stay
    // neighbours at fractional ratios too.
    const int left = static_cast<int>(std::floor(rect.left() * ratio));
    const int top = static_cast<int>(std::floor(rect.top() * ratio));
    const int right = static_cast<int>(std::ceil((rect.left() + rect.width()) * ratio));
    const int bottom = static_cast<int>(std::ceil((rect.top() + rect.height()) * ratio));
    return QRect(left, top, right - left, bottom - top);
}

QRect logicalRect(const QImage& picture)
{
    return QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize());
}

QImage devicePicture(const QImage& picture, QSize logical, qreal ratio, Qt::AspectRatioMode mode)
{
    const QSize pixels = logical * ratio;
    QImage result = picture.size() == pixels
                        ? picture
                        : picture.scaled(pixels, mode, Qt::SmoothTransformation);
    result.setDevicePixelRatio(ratio);
    return result;
}

QImage deviceImage(QSize logical, qreal ratio, QImage::Format format)
{
    QImage image(logical * ratio, format);
    image.setDevicePixelRatio(ratio);
    return image;
}

void drawStretched(QPainter& painter, int x, int y, const QImage& picture, int w, int h, int corner)
{
    painter.drawImage(x, y, stretchedCard(picture, w, h, corner));
}

}  // namespace olk
