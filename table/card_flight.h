#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <functional>

namespace olk {

// A card flying in a straight line one pixel a step between a hand and the
// pile or deck. The flight blocks: it returns when the card has arrived.
class CardFlyer {
public:
    using Sleeper = std::function<void(int milliseconds)>;
    using Presenter = std::function<void(const QRect& dirty)>;

    CardFlyer();

    // The pause of each step comes from here; tests count instead of sleeping.
    void setSleeper(Sleeper sleeper) { m_sleep = std::move(sleeper); }

    // The positions after each one-pixel step along the major axis, the last
    // one being `to`; the minor axis follows the straight line, rounded half
    // to even.
    static QList<QPoint> path(QPoint from, QPoint to);

    // The pause after one step at speed level 1..6 (2 ms at level 1, 1 ms at
    // level 2, 1 ms every second step at 3, every third at 4, none at 5 and
    // 6). The step rhythm runs on across flights for the whole process.
    static int pauseAfterStep(int level);

    // Moves `sprite` over `frame` from `from` to `to` (top-left corners): at
    // every step the old place is restored from the frame as it was before
    // the flight, the sprite drawn at the new one, and `present` asked to show
    // the changed rectangle (old and new place and 2 pixels around). At the
    // end the frame is clean again. Level 6 does not draw the first step.
    void fly(QImage& frame, const QImage& sprite, QPoint from, QPoint to, int level,
             const Presenter& present);

    bool isFlying() const { return m_flying; }

private:
    Sleeper m_sleep;
    bool m_flying = false;
};

}  // namespace olk
