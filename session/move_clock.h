#pragma once

#include <QObject>
#include <QTimer>

namespace olk {

// The tournament's move clock: the seat whose clock runs and the seconds it
// has left. Every move restarts it, with its full time, for the seat that is
// to move next; a one-second tick counts it down. The clock of the local
// seat (4) reaching 0 loses the game on time: localTimeUp comes once, and
// the clock stops. Another seat's clock stops at 0 without a word: the relay
// tells who ran out.
//
// The table draws the seconds at the clock's seat (lowOnTime picks the
// second picture and colour) and plays tickSound for the local seat.
class MoveClock : public QObject {
    Q_OBJECT

public:
    static constexpr int kFullSeconds = 26;
    static constexpr int kTickMs = 1000;

    explicit MoveClock(QObject* parent = nullptr);

    // The seat's clock starts again with kFullSeconds (seat 1..4).
    void restart(int seat);
    // Cleared and stopped: no seat's clock runs.
    void stop();

    // 0 while no clock runs or shows.
    int seat() const { return m_seat; }
    int secondsLeft() const { return m_seconds; }
    bool isRunning() const { return m_timer.isActive(); }

    // One second passes (the timer calls it; tests too).
    void tick();

    // Fewer than 8 seconds: the clock's warning look.
    static bool lowOnTime(int seconds) { return seconds < 8; }
    // The sound of a tick of the local seat's clock with `seconds` left
    // after it: "STimerA" above 7, "STimerB" from 7 to 1, none at 0 (the
    // loss has its own).
    static const char* tickSound(int seconds);

signals:
    // A clock was restarted or cleared: redraw.
    void changed();
    // The clock of `seat` counted down to `seconds`.
    void ticked(int seat, int seconds);
    // The local seat's clock reached 0.
    void localTimeUp();

private:
    QTimer m_timer;
    int m_seat = 0;
    int m_seconds = 0;
};

}  // namespace olk
