#pragma once

// Drawing pieces shared by the programs that make Olk's pictures at build
// time (olk-artgen, olk-cardgen, olk-graphgen).

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSize>
#include <QString>
#include <functional>

namespace olk::art {

// A picture of w x h filled with `fill`, ready for antialiased painting.
QImage canvas(int w, int h, Qt::GlobalColor fill = Qt::transparent);

// A rounded card outline of the given size, as the shape of a card.
QPainterPath cardShape(QRectF r, double radius);

// Lettering: `text` centred in w x h at `heightShare` of the height (smaller
// when it would not fit), filled with a gradient from `top` to `bottom`, with
// a dark outline and a soft shadow.
QImage renderLettering(int w, int h, const QString& text, double heightShare, const QColor& top,
                       const QColor& bottom);

// An animation as a strip of `frames` frames of `frameSize` side by side;
// `frame` paints one frame (clipped to it) for its phase 0 <= phase < 1.
QImage renderStrip(int frames, const std::function<void(QPainter&, double phase)>& frame,
                   QSize frameSize = QSize(160, 200));

}  // namespace olk::art
