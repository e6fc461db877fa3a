#include "session/move_clock.h"

#include "core/table_state.h"

namespace olk {

MoveClock::MoveClock(QObject* parent) : QObject(parent)
{
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &MoveClock::tick);
}

void MoveClock::restart(int seat)
{
    if (seat < 1 || seat > kSeats) {
        return;
    }
    m_seat = seat;
    m_seconds = kFullSeconds;
    // The tick keeps its own beat; a restart only sets the time.
    if (!m_timer.isActive()) {
        m_timer.start();
    }
    emit changed();
}

void MoveClock::stop()
{
    m_timer.stop();
    m_seat = 0;
    m_seconds = 0;
    emit changed();
}

void MoveClock::tick()
{
    if (m_seat == 0 || m_seconds <= 0) {
        return;
    }
    --m_seconds;
    const int seat = m_seat;
    if (m_seconds == 0) {
        m_timer.stop();
    }
    emit ticked(seat, m_seconds);
    if (m_seconds == 0 && seat == kLocalSeat) {
        emit localTimeUp();
    }
}

const char* MoveClock::tickSound(int seconds)
{
    if (seconds > 7) {
        return "STimerA";
    }
    return seconds >= 1 ? "STimerB" : nullptr;
}

}  // namespace olk
