#pragma once

#include <QImage>
#include <QPainter>

namespace olk {

// The Spline36 interpolation kernel: weight of a source pixel at distance t.
double spline36(double t);

// Resamples `source` (painted on black where it is transparent) to w x h
// with the Spline36 kernel, first across, then down. When reducing, the
// kernel is widened by the reduction factor so every source pixel counts.
QImage resampleSpline36(const QImage& source, int w, int h);

// A card picture at w x h with its corners cut round: the pixels outside a
// rounded rectangle with corner ellipses of `corner` x `corner` become
// transparent. An empty or unchanged size gives the picture as it is.
QImage stretchedCard(const QImage& picture, int w, int h, int corner);

// A rectangle of logical (widget) pixels in the pixels of a picture made at
// `ratio` device pixels per logical one: what QPainter::drawImage's source
// rectangle and QImage::copy expect. At ratio 1 it is `rect` itself.
QRect deviceRect(const QRect& rect, qreal ratio);

// A picture's rectangle in logical pixels: (0, 0) and its size divided by
// its device pixel ratio.
QRect logicalRect(const QImage& picture);

// `picture` to be shown at `logical` size on a screen of `ratio`: resampled
// smoothly, once, to the device's pixels and carrying the ratio (the
// picture itself when it has those pixels already).
QImage devicePicture(const QImage& picture, QSize logical, qreal ratio,
                     Qt::AspectRatioMode mode = Qt::IgnoreAspectRatio);

// A back buffer of `logical` size for a device pixel ratio: its pixels are
// `logical` x `ratio`, and painters on it draw in logical pixels.
QImage deviceImage(QSize logical, qreal ratio, QImage::Format format);

// Draws a face or back at (x, y) in w x h: unchanged when it already has that
// size, else resampled and with rounded corners (stretchedCard).
void drawStretched(QPainter& painter, int x, int y, const QImage& picture, int w, int h,
                   int corner);

}  // namespace olk
