#pragma once

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRectF>

namespace olk {

// The keyboard's focus on the main menu's own controls: a gold frame with a
// dark edge, readable on the green cloth, the buttons and the pictures alike.
inline void drawFocusFrame(QPainter& p, const QRectF& frame, qreal radius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 30, 0, 200), 3));
    p.drawRoundedRect(frame, radius, radius);
    p.setPen(QPen(QColor(255, 204, 40), 2));
    p.drawRoundedRect(frame, radius, radius);
    p.restore();
}

}  // namespace olk
