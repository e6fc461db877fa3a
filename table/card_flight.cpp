#include "table/card_flight.h"

#include <QPainter>
#include <QThread>
#include <cstdlib>

#include "extras/draw_stretched.h"
#include "table/table_geometry.h"

namespace olk {

namespace {

// The rhythm of "every second step" and "every third step" runs across
// flights.
long long g_steps = 0;

// `rect` in logical pixels; the pictures may carry a device pixel ratio.
void copyRect(QImage& target, const QImage& source, const QRect& rect)
{
    const QRect r = rect.intersected(logicalRect(source));
    if (r.isEmpty()) {
        return;
    }
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(r.topLeft(), source, deviceRect(r, source.devicePixelRatio()));
}

}  // namespace

CardFlyer::CardFlyer() : m_sleep([](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }) {}

QList<QPoint> CardFlyer::path(QPoint from, QPoint to)
{
    QList<QPoint> points;
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    if (dx == 0 && dy == 0) {
        return points;
    }
    int x = from.x();
    int y = from.y();
    while (x != to.x() || y != to.y()) {
        if (std::abs(dx) >= std::abs(dy)) {
            x += dx > 0 ? 1 : -1;
            y = roundToPixel(static_cast<double>(dy) * (x - from.x()) / dx + from.y());
        } else {
            y += dy > 0 ? 1 : -1;
            x = roundToPixel(static_cast<double>(dx) * (y - from.y()) / dy + from.x());
        }
        points.append(QPoint(x, y));
    }
    return points;
}

int CardFlyer::pauseAfterStep(int level)
{
    const long long step = ++g_steps;
    switch (level) {
    case 1:
        return 2;
    case 2:
        return 1;
    case 3:
        return step % 2 == 0 ? 1 : 0;
    case 4:
        return step % 3 == 0 ? 1 : 0;
    default:
        return 0;
    }
}

void CardFlyer::fly(QImage& frame, const QImage& sprite, QPoint from, QPoint to, int level,
                    const Presenter& present)
{
    const QImage clean = frame.copy();
    const QSize size = logicalRect(sprite).size();
    QRect current(from, size);
    auto drawAt = [&](QPoint at) {
        const QRect old = current;
        copyRect(frame, clean, old);
        current = QRect(at, size);
        {
            QPainter p(&frame);
            p.drawImage(at, sprite);
        }
        present(old.united(current).adjusted(-2, -2, 2, 2));
    };
    m_flying = true;
    drawAt(from);
    const QList<QPoint> points = path(from, to);
    for (qsizetype i = 0; i < points.size(); ++i) {
        const bool last = i + 1 == points.size();
        if (level == 6 && i == 0 && !last) {
            continue;
        }
        drawAt(points[i]);
        if (const int ms = pauseAfterStep(level); ms > 0) {
            m_sleep(ms);
        }
    }
    copyRect(frame, clean, current);
    present(current.adjusted(-2, -2, 2, 2));
    m_flying = false;
}

}  // namespace olk
