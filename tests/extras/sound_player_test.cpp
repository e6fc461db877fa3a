#include "extras/sound_player.h"

#include "records/resource_library.h"

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

// A little WAV file: `format` chunk fields, then the data chunk.
QByteArray wavFile(int format, int channels, quint32 rate, int bits, const QByteArray& pcm,
                   bool formatFirst = true)
{
    auto le = [](quint32 value, int bytes) {
        QByteArray out;
        for (int i = 0; i < bytes; ++i) {
            out.append(static_cast<char>(value >> (8 * i)));
        }
        return out;
    };
    const QByteArray fmt = "fmt " + le(16, 4) + le(format, 2) + le(channels, 2) + le(rate, 4) +
                           le(rate * channels * bits / 8, 4) + le(channels * bits / 8, 2) +
                           le(bits, 2);
    const QByteArray data = "data" + le(static_cast<quint32>(pcm.size()), 4) + pcm;
    const QByteArray body = formatFirst ? fmt + data : data + fmt;
    return "RIFF" + le(static_cast<quint32>(4 + body.size()), 4) + "WAVE" + body;
}

QByteArray samples16(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values) {
        out.append(static_cast<char>(v & 0xFF));
        out.append(static_cast<char>((v >> 8) & 0xFF));
    }
    return out;
}

// Sounds from outside pass through one reader: mono 16-bit at the mixing
// rate as it is, stereo averaged, other rates resampled; anything else, or
// anything damaged, is refused without reading past the data.
TEST(DecodeWav, ReadsPcmAndRefusesTheRest)
{
    const auto mono = decodeWav(wavFile(1, 1, kMixRate, 16, samples16({0, 1000, -1000, 32767})));
    ASSERT_TRUE(mono);
    EXPECT_EQ(*mono, (std::vector<std::int16_t>{0, 1000, -1000, 32767}));

    const auto stereo = decodeWav(wavFile(1, 2, kMixRate, 16, samples16({100, 300, -32768, -32768})));
    ASSERT_TRUE(stereo);
    EXPECT_EQ(*stereo, (std::vector<std::int16_t>{200, -32768}));

    const auto half = decodeWav(wavFile(1, 1, kMixRate / 2, 16, samples16({0, 1000, 2000, 3000})));
    ASSERT_TRUE(half);
    ASSERT_EQ(half->size(), 8U) << "twice as many samples at twice the rate";
    EXPECT_EQ((*half)[1], 500) << "in between, interpolated";
    EXPECT_EQ((*half)[2], 1000);

    // A data size beyond the file's end: what is there is read.
    QByteArray cut = wavFile(1, 1, kMixRate, 16, samples16({5, 6, 7}));
    cut.chop(2);
    const auto partial = decodeWav(cut);
    ASSERT_TRUE(partial);
    EXPECT_EQ(*partial, (std::vector<std::int16_t>{5, 6}));

    const QByteArray pcm = samples16({1, 2, 3, 4});
    const struct {
        const char* why;
        QByteArray file;
    } refused[] = {
        {"empty", QByteArray()},
        {"not RIFF", "RIFX" + wavFile(1, 1, kMixRate, 16, pcm).mid(4)},
        {"compressed", wavFile(3, 1, kMixRate, 16, pcm)},
        {"8-bit", wavFile(1, 1, kMixRate, 8, pcm)},
        {"no channels", wavFile(1, 0, kMixRate, 16, pcm)},
        {"six channels", wavFile(1, 6, kMixRate, 16, pcm)},
        {"absurd rate", wavFile(1, 1, 4'000'000'000U, 16, pcm)},
        {"no format before the data", wavFile(1, 1, kMixRate, 16, pcm, false)},
        {"header only", wavFile(1, 1, kMixRate, 16, pcm).left(30)},
        {"format chunk longer than the file", wavFile(1, 1, kMixRate, 16, pcm).left(20) +
                                                  QByteArray(4, '\xff')},
    };
    for (const auto& bad : refused) {
        EXPECT_FALSE(decodeWav(bad.file)) << bad.why;
    }
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
    const std::optional<ResourceLibrary> library =
        ResourceLibrary::open(QStringLiteral(OLK_PROGRAM_DIR "/TevCVoice3.dll"));
    ASSERT_TRUE(library);
    EXPECT_EQ(library->names().size(), 520);
    const char* suits[] = {"Ch", "Bu", "Kr", "Pi"};
    const char* ranks[] = {"02", "03", "04", "05", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
    for (const char* suffix :
         {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor"}) {
        for (const char* suit : suits) {
            for (const char* rank : ranks) {
                const QString name = QString::fromLatin1(suit) + rank + "Voice" + suffix;
                EXPECT_EQ(library->kind(name), ResourceKind::Wave) << name.toStdString();
            }
        }
        // A few of each language, listened to: real speech of a sensible length.
        for (const char* card : {"Ch02", "Bu2J", "Kr3Q", "Pi5A"}) {
            const QString name = QString::fromLatin1(card) + "Voice" + suffix;
            const std::optional<QByteArray> bytes = library->bytes(name);
            ASSERT_TRUE(bytes) << name.toStdString();
            const auto samples = decodeWav(*bytes);
            ASSERT_TRUE(samples) << name.toStdString();
            const double seconds = static_cast<double>(samples->size()) / kMixRate;
            EXPECT_GT(seconds, 0.3) << name.toStdString();
            EXPECT_LT(seconds, 2.0) << name.toStdString();
            int loudest = 0;
            for (std::int16_t sample : *samples) {
                loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
            }
            EXPECT_GT(loudest, 3000) << name.toStdString() << " is not silent";
        }
    }
}

}  // namespace
}  // namespace olk
