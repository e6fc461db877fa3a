#pragma once

// The drawing pieces the language flags (flags.cpp) and the country flags
// (country_flags.cpp) share: the frame every flag is drawn in and the flags
// or parts of flags both use. Painters draw in a w x h box from (0, 0).

#include <QColor>
#include <QImage>
#include <QPainter>

#include <functional>
#include <initializer_list>

namespace olk::graphgen {

using FlagPainter = std::function<void(QPainter& p, double w, double h)>;

// `paint` drawn at four times w x h, clipped to a rectangle with corners of
// `cornerRadius` pixels (of the final picture), given a soft sheen and a
// thin dark border, then smoothly reduced to w x h.
QImage framedFlag(int w, int h, double cornerRadius, const FlagPainter& paint);

// Equal bands, across (horizontal) or from hoist to fly (vertical).
void stripes(QPainter& p, double w, double h, std::initializer_list<QColor> colours, bool across);

// The Union Flag filling w x h; keeps any clip the painter has.
void unionJack(QPainter& p, double w, double h);

void spain(QPainter& p, double w, double h);
void china(QPainter& p, double w, double h);
void czech(QPainter& p, double w, double h);
void korea(QPainter& p, double w, double h);
void japan(QPainter& p, double w, double h);

}  // namespace olk::graphgen
