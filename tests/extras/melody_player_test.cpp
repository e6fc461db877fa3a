#include "extras/melody_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace olk {
namespace {

double peakOf(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to)
{
    int peak = 0;
    for (std::size_t i = from; i < to && i < samples.size(); ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    }
    return peak / 32768.0;
}

// The melody as the player synthesises it: at a background level under the
// effects' -3 dBFS, never clipping, and sounding again after its end, which
// is the loop the menu hears.
TEST(MelodyPlayer, SynthesisesTheSongAtABackgroundLevelAndLoopsIt)
{
    if (MelodyPlayer::soundFont().isEmpty()) {
        GTEST_SKIP() << "no General MIDI sound font here";
    }
    constexpr int kRate = 44100;
    const std::vector<std::int16_t> song = MelodyPlayer::render(80);
    ASSERT_EQ(song.size(), 80U * kRate * 2);

    const double start = peakOf(song, 0, 2 * kRate * 2);
    EXPECT_GT(start, 0.05) << "the tune starts at once";
    const double whole = peakOf(song, 0, song.size());
    EXPECT_GT(whole, 0.25) << "louder than -12 dBFS";
    EXPECT_LT(whole, 0.6) << "quieter than -4.4 dBFS";
    EXPECT_LT(whole, 32767 / 32768.0) << "no clipping";
    // 32 bars at 104 a minute end at 73.8 s; the loop plays bar 1 again.
    EXPECT_GT(peakOf(song, 76 * kRate * 2, 80 * kRate * 2), 0.05);
}

}  // namespace
}  // namespace olk
