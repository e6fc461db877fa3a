#pragma once

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRectF>

namespace olk {

// The keyboard's focus, on the menu's controls and on the table's cards: a
// gold frame `width` wide with a dark edge, readable on the green cloth, the
// buttons, the pictures and a white card alike.
inline void drawFocusFrame(QPainter& p, const QRectF& frame, qreal radius, qreal width = 2)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 30, 0, 200), width + 1.5));
    p.drawRoundedRect(frame, radius, radius);
    p.setPen(QPen(QColor(255, 204, 40), width));
    p.drawRoundedRect(frame, radius, radius);
    p.restore();
}

}  // namespace olk
