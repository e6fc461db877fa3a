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

// Draws a face or back at (x, y) in w x h: unchanged when it already has that
// size, else resampled and with rounded corners (stretchedCard).
void drawStretched(QPainter& painter, int x, int y, const QImage& picture, int w, int h,
                   int corner);

}  // namespace olk
