#include "extras/sound_player.h"

#include "extras/melody_player.h"
#include "tests/extras/null_sink.h"

#include <gtest/gtest.h>

#include <QThread>
#include <cstdlib>
#include <functional>
#include <optional>

namespace olk {
namespace {

// How many times a sound begins in a recording: loud after a tenth of a
// second of silence (the recorder's 44.1 kHz stereo).
int onsetsIn(const std::vector<double>& levels)
{
    int onsets = 0;
    std::size_t quiet = 0;
    bool afterSilence = false;  // through a sound's soft start
    for (double level : levels) {
        if (level < 0.02) {
            afterSilence = afterSilence || ++quiet >= 8820;
        } else {
            quiet = 0;
            if (afterSilence && level > 0.2) {
                ++onsets;
                afterSilence = false;
            }
        }
    }
    return onsets;
}

// What the sound server's null sink hears while `play` runs; nothing when no
// server runs here (the test command starts one).
std::optional<std::vector<double>> record(const std::function<void()>& play)
{
    testing::SinkRecording recording;
    if (!testing::soundServerRuns() || !recording.start()) {
        return std::nullopt;
    }
    QThread::msleep(1200);  // the recorder's own stream starts to deliver
    play();
    // The recorder lags behind the device a little; a loaded machine more.
    QThread::msleep(1500);
    return recording.stop().value_or(std::vector<double>{});
}

// The same, as the loudest sample.
std::optional<double> hear(const std::function<void()>& play)
{
    const auto levels = record(play);
    if (!levels) {
        return std::nullopt;
    }
    return testing::loudestOf(*levels);
}

// Played effects reach the sound device; with sound off nothing does, but a
// card's spoken name still does.
TEST(SoundHearing, EffectsAreHeardAndSoundOffIsSilent)
{
    bool soundOn = true;
    SoundPlayer player(soundOn);
    player.prepare();
    QThread::msleep(500);  // the effects are decoded meanwhile
    auto heard = hear([&] { player.playEffect(QStringLiteral("WTasoKo"), true); });
    if (!heard) {
        GTEST_SKIP() << "no sound server here";
    }
    if (*heard <= 0.2) {
        // A machine busy with other tests may start the device late: once more.
        heard = hear([&] { player.playEffect(QStringLiteral("WTasoKo"), true); });
        ASSERT_TRUE(heard);
    }
    EXPECT_GT(*heard, 0.2) << "the deal is heard";
    soundOn = false;
    const auto silent = hear([&] { player.playEffect(QStringLiteral("WFiBest"), true); });
    ASSERT_TRUE(silent);
    EXPECT_LT(*silent, 0.01) << "sound off";
    // A right-clicked card still speaks with sound off.
    const auto spoken = hear([&] {
        EXPECT_TRUE(
            player.speakCard(QStringLiteral("Pi04VoiceEng"), QStringLiteral(OLK_PROGRAM_DIR)));
        QThread::msleep(1500);
    });
    ASSERT_TRUE(spoken);
    EXPECT_GT(*spoken, 0.1) << "the card's name is heard";
}

// A move's card slides again and again: the same effect is heard every time
// it is played, also while another sound still rings.
TEST(SoundHearing, AnEffectIsHeardEveryTimeItPlays)
{
    bool soundOn = true;
    SoundPlayer player(soundOn);
    player.prepare();
    // A new stream to the server takes about a second to be heard; the game
    // opens its stream when its window first shows, long before a sound.
    QThread::msleep(2500);
    const auto levels = record([&] {
        for (int i = 0; i < 6; ++i) {
            player.playEffect(QStringLiteral("WHodsDo"), true);
            QThread::msleep(300);
        }
        player.playEffect(QStringLiteral("WFiBest"), false);
        QThread::msleep(400);
        player.playEffect(QStringLiteral("WHodsDo"), true);
    });
    if (!levels) {
        GTEST_SKIP() << "no sound server here";
    }
    EXPECT_GE(onsetsIn(*levels), 7) << "six slides and the fanfare, each from silence";
}

// The melody reaches the device while it is on, and stops with its switch.
TEST(SoundHearing, TheMelodyPlaysUntilItIsStopped)
{
    if (MelodyPlayer::soundFont().isEmpty()) {
        GTEST_SKIP() << "no General MIDI sound font here";
    }
    MelodyPlayer melody;
    auto heard = hear([&] {
        melody.music(true);
        QThread::msleep(2500);  // the sound font is read and the device opened first
    });
    if (!heard) {
        GTEST_SKIP() << "no sound server here";
    }
    EXPECT_GT(*heard, 0.05) << "the melody is heard";
    melody.music(false);
    QThread::msleep(500);  // the last notes fade out
    const auto stopped = hear([] {});
    ASSERT_TRUE(stopped);
    EXPECT_LT(*stopped, 0.01) << "the melody stopped";
    // Started again, it plays again.
    const auto again = hear([&] {
        melody.music(true);
        QThread::msleep(1500);
    });
    ASSERT_TRUE(again);
    EXPECT_GT(*again, 0.05);
}

}  // namespace
}  // namespace olk
