#pragma once

#include <QList>
#include <QRect>
#include <QSize>

#include "extras/card_pictures.h"

namespace olk {

// Every element of the table has a rectangle in a 760 x 500 design space;
// the window size scales it. In "Full screen" the horizontal and vertical
// scales differ, and each element keeps its proportions (scale s) centred in
// the stretched cell its design rectangle spans.
inline constexpr int kDesignWidth = 760;
inline constexpr int kDesignHeight = 500;

// A pixel coordinate: the nearest integer, halves to even.
int roundToPixel(double value);

struct TableScale {
    double sx = 1.0;
    double sy = 1.0;
    double s = 1.0;

    int size(double a) const { return roundToPixel(a * s); }
    int left(double x, double w) const;
    int top(double y, double h) const;
    QRect place(double x, double y, double w, double h) const;
};

// The client area of window size 1..5 ("Small window", "Full screen",
// "Average window 1", "Average window 2", "Large window"); "Full screen" is
// the whole `screen`.
QSize clientSizeFor(int windowSize, QSize screen);

// The scales for window size 1..5 with the given client area (which only
// "Full screen" reads).
TableScale scaleFor(int windowSize, QSize client);

// Where everything on the table goes, in client pixels.
struct TableGeometry {
    TableScale scale;
    QSize client;
    DrawingClass drawingClass = DrawingClass::Small;
    int cardWidth = 71;
    int cardHeight = 96;
    QRect cards[5];   // [1..4] card areas of the seats
    QRect plates[5];  // [1..4] name plates
    QRect arrows[5];  // [1..4] turn arrows
    QRect koloda;     // pile and deck
    QRect kon;        // deal counter
    QRect stol;       // message area
    QRect memo;       // chat log
    QRect chatInput;
    QRect chatSend;
    QRect button7;
    QRect button8;
    QRect timers[5];  // [1..4] tournament move clocks
};

TableGeometry layoutTable(int windowSize, QSize client, bool narrowCards);

// Left edges of n cards within a card area of `areaWidth` pixels: side by
// side 3 pixels apart and centred when they fit, else overlapping from the
// left edge.
QList<int> cardPositions(int areaWidth, int cardWidth, int n);

// Design-pixel offset from the top of the pile-and-deck element of the top
// card of a stack of `count` cards: 48 up to 6 cards, then 2 less for every
// further 6, at least 40.
int stackOffset(int count);

}  // namespace olk
