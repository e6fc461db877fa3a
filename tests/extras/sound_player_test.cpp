#include "extras/sound_player.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace olk {
namespace {

// Every effect the game plays has its length; other names have none.
TEST(SoundPlayer, EffectsHaveTheirLengths)
{
    for (const char* name :
         {"WTasoKo", "WHodsDo", "WPlMore", "WKoGutX", "WKoBadX", "WKoGood", "WKoBads", "WFiBest",
          "WFiGood", "WFiBads", "WOpenFo", "WToMenK", "WWrongs", "STimerA", "STimerB"}) {
        const int ms = SoundPlayer::lengthMs(QString::fromLatin1(name));
        EXPECT_GT(ms, 50) << name;
        EXPECT_LT(ms, 1300) << name;
    }
    EXPECT_EQ(SoundPlayer::lengthMs(QStringLiteral("NoSuchSound")), 0);
}

// A waited sound takes its length, even where there is no sound device at
// all (the tests run without one), and never hangs; with sound off, or for an
// unknown name, nothing is played and nothing is waited for.
TEST(SoundPlayer, AWaitedEffectReturnsAfterItsLength)
{
    bool soundOn = true;
    SoundPlayer player(soundOn);
    const int ms = SoundPlayer::lengthMs(QStringLiteral("WHodsDo"));
    QElapsedTimer clock;
    clock.start();
    player.playEffect(QStringLiteral("WHodsDo"), true);
    EXPECT_GE(clock.elapsed(), ms);
    EXPECT_LT(clock.elapsed(), ms + 2000) << "bounded, whatever the device does";

    soundOn = false;
    clock.restart();
    player.playEffect(QStringLiteral("WFiBest"), true);
    player.playEffect(QStringLiteral("NoSuchSound"), true);
    EXPECT_LT(clock.elapsed(), SoundPlayer::lengthMs(QStringLiteral("WFiBest")));
}

}  // namespace
}  // namespace olk
