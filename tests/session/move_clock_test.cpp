#include "session/move_clock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/table_state.h"

namespace olk {
namespace {

struct Recorder {
    explicit Recorder(MoveClock& clock)
    {
        QObject::connect(&clock, &MoveClock::ticked, [this](int seat, int seconds) {
            ticks.push_back({seat, seconds});
        });
        QObject::connect(&clock, &MoveClock::localTimeUp, [this] { ++timeUps; });
    }
    std::vector<std::pair<int, int>> ticks;
    int timeUps = 0;
};

void tickTimes(MoveClock& clock, int n)
{
    for (int i = 0; i < n; ++i) {
        clock.tick();
    }
}

TEST(MoveClock, EveryRestartGivesTheSeatItsFullTime)
{
    MoveClock clock;
    Recorder seen(clock);
    EXPECT_EQ(clock.seat(), 0);
    EXPECT_FALSE(clock.isRunning());
    clock.tick();
    EXPECT_TRUE(seen.ticks.empty()) << "no clock runs before a restart";

    clock.restart(2);
    EXPECT_EQ(clock.seat(), 2);
    EXPECT_EQ(clock.secondsLeft(), MoveClock::kFullSeconds);
    EXPECT_TRUE(clock.isRunning());
    tickTimes(clock, 10);
    EXPECT_EQ(clock.secondsLeft(), 16);

    // The same seat again (its take, then its discard), then the next one.
    clock.restart(2);
    EXPECT_EQ(clock.secondsLeft(), 26);
    clock.tick();
    clock.restart(3);
    EXPECT_EQ(clock.seat(), 3);
    EXPECT_EQ(clock.secondsLeft(), 26);
    clock.tick();
    EXPECT_EQ(seen.ticks.back(), std::make_pair(3, 25));

    clock.stop();
    EXPECT_EQ(clock.seat(), 0);
    EXPECT_EQ(clock.secondsLeft(), 0);
    EXPECT_FALSE(clock.isRunning());
    clock.tick();
    EXPECT_EQ(seen.ticks.size(), 12u) << "a stopped clock does not count";
}

TEST(MoveClock, OnlyTheLocalSeatLosesOnTimeAndOnlyOnce)
{
    for (int seat = 1; seat <= kSeats; ++seat) {
        SCOPED_TRACE(seat);
        MoveClock clock;
        Recorder seen(clock);
        clock.restart(seat);
        tickTimes(clock, MoveClock::kFullSeconds - 1);
        EXPECT_EQ(seen.timeUps, 0);
        clock.tick();
        EXPECT_EQ(clock.secondsLeft(), 0);
        EXPECT_FALSE(clock.isRunning()) << "a clock stops at 0";
        tickTimes(clock, 5);
        EXPECT_EQ(seen.ticks.size(), size_t(MoveClock::kFullSeconds));
        EXPECT_EQ(seen.ticks.back(), std::make_pair(seat, 0));
        EXPECT_EQ(seen.timeUps, seat == kLocalSeat ? 1 : 0);
    }
}

TEST(MoveClock, SoundsAndLookFollowTheSecondsLeft)
{
    const struct {
        int seconds;
        const char* sound;
        bool low;
    } cases[] = {
        {25, "STimerA", false}, {8, "STimerA", false}, {7, "STimerB", true},
        {1, "STimerB", true},   {0, nullptr, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        const char* sound = MoveClock::tickSound(c.seconds);
        if (c.sound == nullptr) {
            EXPECT_EQ(sound, nullptr);
        } else {
            ASSERT_NE(sound, nullptr);
            EXPECT_STREQ(sound, c.sound);
        }
        EXPECT_EQ(MoveClock::lowOnTime(c.seconds), c.low);
    }
}

TEST(MoveClock, ASeatOutsideTheTableStartsNothing)
{
    MoveClock clock;
    clock.restart(0);
    clock.restart(5);
    EXPECT_EQ(clock.seat(), 0);
    EXPECT_FALSE(clock.isRunning());
}

}  // namespace
}  // namespace olk
