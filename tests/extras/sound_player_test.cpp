#include "extras/sound_player.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>

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

namespace olk {
namespace {

// The library the build lays beside the game: every card in every language,
// each clip a short, real sound.
TEST(VoiceLibrary, HoldsEveryCardInEveryLanguage)
{
    bool soundOn = false;
    SoundPlayer player(soundOn);
    EXPECT_FALSE(player.speakCard(QStringLiteral("Pi04VoiceJap"), QStringLiteral("/nonexistent")))
        << "no library, no voice";
    ASSERT_TRUE(player.speakCard(QStringLiteral("Pi04VoiceJap"), QStringLiteral(OLK_PROGRAM_DIR)))
        << "spoken whatever the sound setting";
    EXPECT_FALSE(player.speakCard(QStringLiteral("Pi01VoiceJap"), QStringLiteral(OLK_PROGRAM_DIR)));
    const QStringList names = QDir(QStringLiteral(":/voice")).entryList(QDir::Files);
    EXPECT_EQ(names.size(), 520);
    for (const char* suffix :
         {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor"}) {
        for (const char* card : {"Ch02", "Bu2J", "Kr3Q", "Pi5A"}) {
            const QString name = QString::fromLatin1(card) + "Voice" + suffix;
            QFile clip(QStringLiteral(":/voice/") + name);
            ASSERT_TRUE(clip.open(QIODevice::ReadOnly)) << name.toStdString();
            const QByteArray wav = clip.readAll();
            ASSERT_GT(wav.size(), 44);
            const quint32 byteRate = qFromLittleEndian<quint32>(wav.constData() + 28);
            const qsizetype data = wav.indexOf("data");
            ASSERT_GT(byteRate, 0u);
            ASSERT_GE(data, 0);
            const double seconds = (wav.size() - data - 8) / static_cast<double>(byteRate);
            EXPECT_GT(seconds, 0.3) << name.toStdString();
            EXPECT_LT(seconds, 2.0) << name.toStdString();
            int loudest = 0;
            for (qsizetype i = data + 8; i + 1 < wav.size(); i += 2) {
                loudest = std::max(loudest,
                                   std::abs(int(qFromLittleEndian<qint16>(wav.constData() + i))));
            }
            EXPECT_GT(loudest, 3000) << name.toStdString() << " is not silent";
        }
    }
}

}  // namespace
}  // namespace olk
