#include "table/table_geometry.h"

#include "core/rounding.h"

#include <algorithm>
#include <cmath>

namespace olk {

int roundToPixel(double value)
{
    return static_cast<int>(roundHalfEven(value));
}

int TableScale::left(double x, double w) const
{
    return roundToPixel((sx - s) * w / 2) + roundToPixel(sx * x);
}

int TableScale::top(double y, double h) const
{
    return roundToPixel((sy - s) * h / 2) + roundToPixel(sy * y);
}

QRect TableScale::place(double x, double y, double w, double h) const
{
    return QRect(left(x, w), top(y, h), size(w), size(h));
}

QSize clientSizeFor(int windowSize, QSize screen)
{
    switch (windowSize) {
    case 2:
        return screen;
    case 3:
        return {990, 650};
    case 4:
        return {1290, 850};
    case 5:
        return {1520, 1000};
    default:
        return {kDesignWidth, kDesignHeight};
    }
}

TableScale scaleFor(int windowSize, QSize client)
{
    switch (windowSize) {
    case 2: {
        TableScale scale;
        scale.sx = static_cast<double>(client.width()) / kDesignWidth;
        scale.sy = static_cast<double>(client.height()) / kDesignHeight;
        scale.s = std::min(scale.sx, scale.sy);
        return scale;
    }
    case 3:
        return {1.3, 1.3, 1.3};
    case 4:
        return {1.7, 1.7, 1.7};
    case 5:
        return {2.0, 2.0, 2.0};
    default:
        return {1.0, 1.0, 1.0};
    }
}

TableGeometry layoutTable(int windowSize, QSize client, bool narrowCards)
{
    TableGeometry g;
    g.client = client;
    const TableScale& k = g.scale = scaleFor(windowSize, client);

    if (k.s >= 2.0) {
        g.drawingClass = DrawingClass::Large;
        g.cardWidth = narrowCards ? 126 : 146;
        g.cardHeight = 198;
    } else if (k.s >= 1.3) {
        g.drawingClass = DrawingClass::Scaled;
        g.cardWidth = k.size(narrowCards ? 61 : 71);
        g.cardHeight = k.size(96);
    }

    // Seats 1..3 along the top, seat 4 at the bottom.
    static constexpr int kCardX[5] = {0, 30, 285, 540, 250};
    static constexpr int kCardY[5] = {0, 10, 10, 10, 395};
    static constexpr int kCardW[5] = {0, 190, 190, 190, 260};
    static constexpr int kPlateX[5] = {0, 45, 300, 555, 300};
    static constexpr int kPlateY[5] = {0, 110, 110, 110, 372};
    static constexpr int kArrowX[5] = {0, 15, 270, 530, 270};
    static constexpr int kArrowY[5] = {0, 107, 107, 107, 362};
    for (int seat = 1; seat <= 4; ++seat) {
        // The card area is as high as a card, whatever the scale.
        g.cards[seat] = QRect(k.left(kCardX[seat], kCardW[seat]), k.top(kCardY[seat], 96),
                              k.size(kCardW[seat]), g.cardHeight);
        g.plates[seat] = k.place(kPlateX[seat], kPlateY[seat], 160, 20);
        g.arrows[seat] = k.place(kArrowX[seat], kArrowY[seat], 20, 30);
        const QRect& plate = g.plates[seat];
        g.timers[seat] =
            QRect(plate.right() + 1 + k.size(10), plate.top(), plate.height(), plate.height());
    }
    g.koloda = k.place(305, 180, 150, 150);
    g.kon = k.place(10, 180, 120, 150);
    g.stol = k.place(149, 150, 462, 200);
    g.memo = k.place(10, 373, 130, 90);

    const int memoBottom = g.memo.top() + g.memo.height();
    g.chatInput =
        QRect(g.memo.left(), memoBottom + k.size(1) + roundToPixel((k.size(35) - k.size(20)) / 2.0),
              g.memo.width() - k.size(36), k.size(20));
    g.chatSend = QRect(g.memo.left() + g.memo.width() - k.size(35), memoBottom + k.size(1),
                       k.size(35), k.size(35));

    const int buttonLeft = roundToPixel(615 * k.sx);
    const int buttonWidth = roundToPixel(140 * k.sx);
    g.button7 = QRect(buttonLeft, roundToPixel(360 * k.sy), buttonWidth, k.size(30));
    g.button8 = QRect(buttonLeft, roundToPixel(360 * k.sy + 30 * k.sy), buttonWidth, k.size(30));
    return g;
}

QList<int> cardPositions(int areaWidth, int cardWidth, int n)
{
    QList<int> positions;
    if (n <= 0) {
        return positions;
    }
    const int step = cardWidth + 3;
    if (step * n <= areaWidth) {
        // step <= W / n, in whole numbers.
        const double start = roundToPixel(areaWidth / 2.0) - step * n / 2.0;
        for (int i = 0; i < n; ++i) {
            positions.append(roundToPixel(start + i * step));
        }
    } else {
        const int d = n > 1 ? (areaWidth - step) / (n - 1) : 0;
        for (int i = 0; i < n; ++i) {
            positions.append(i * d);
        }
    }
    return positions;
}

int stackOffset(int count)
{
    if (count <= 6) {
        return 48;
    }
    return std::max(40, 48 - 2 * ((count - 1) / 6));
}

}  // namespace olk
