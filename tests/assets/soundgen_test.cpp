#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "assets/soundgen/melody.h"
#include "assets/soundgen/wav_file.h"

void initOlkSounds()
{
    Q_INIT_RESOURCE(olk_sounds);
}

namespace olk::soundgen {
namespace {

// ---- Reading WAV files back ------------------------------------------------

struct WavContents {
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t le(const QByteArray& bytes, int at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

// Accepts exactly the canonical 44-byte header followed by the data chunk,
// with both size fields matching the file.
std::optional<WavContents> parseWav(const QByteArray& bytes)
{
    if (bytes.size() < 44 || bytes.mid(0, 4) != "RIFF" || bytes.mid(8, 4) != "WAVE" ||
        bytes.mid(12, 4) != "fmt " || le(bytes, 16, 4) != 16 || bytes.mid(36, 4) != "data") {
        return std::nullopt;
    }
    const std::uint32_t dataSize = le(bytes, 40, 4);
    if (le(bytes, 4, 4) != static_cast<std::uint32_t>(bytes.size() - 8) ||
        dataSize != static_cast<std::uint32_t>(bytes.size() - 44) || dataSize % 2 != 0) {
        return std::nullopt;
    }
    WavContents wav;
    wav.format = static_cast<int>(le(bytes, 20, 2));
    wav.channels = static_cast<int>(le(bytes, 22, 2));
    wav.sampleRate = static_cast<int>(le(bytes, 24, 4));
    wav.byteRate = static_cast<int>(le(bytes, 28, 4));
    wav.blockAlign = static_cast<int>(le(bytes, 32, 2));
    wav.bitsPerSample = static_cast<int>(le(bytes, 34, 2));
    for (int at = 44; at < bytes.size(); at += 2) {
        wav.samples.push_back(static_cast<std::int16_t>(le(bytes, at, 2)));
    }
    return wav;
}

QByteArray toBytes(const std::vector<std::uint8_t>& data)
{
    return QByteArray(reinterpret_cast<const char*>(data.data()),
                      static_cast<qsizetype>(data.size()));
}

double dbfs(double amplitude)
{
    return 20.0 * std::log10(std::max(amplitude, 1e-9) / 32768.0);
}

double peakDbfs(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to)
{
    int peak = 0;
    for (std::size_t i = from; i < to; ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    }
    return dbfs(peak);
}

// The RMS level of the loudest stretch of `window` samples.
double loudestWindowDbfs(const std::vector<std::int16_t>& samples, std::size_t window)
{
    double best = 0.0;
    double sum = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
        if (i >= window) {
            sum -= static_cast<double>(samples[i - window]) * samples[i - window];
        }
        best = std::max(best, sum);
    }
    return dbfs(std::sqrt(std::max(best, 0.0) / static_cast<double>(window)));
}

// ---- The WAV writer ---------------------------------------------------------

TEST(WavFile, WritesTheCanonicalHeaderAndLittleEndianSamples)
{
    const std::vector<std::uint8_t> expected = {
        'R',  'I',  'F',  'F',  44,   0,    0,    0,    // 36 + 8 data bytes
        'W',  'A',  'V',  'E',  'f',  'm',  't',  ' ',  //
        16,   0,    0,    0,    1,    0,    1,    0,    // PCM, one channel
        0x40, 0x1F, 0,    0,    0x80, 0x3E, 0,    0,    // 8000 Hz, 16000 bytes/s
        2,    0,    16,   0,    'd',  'a',  't',  'a',  // 2 bytes a frame, 16 bits
        8,    0,    0,    0,                            //
        0x00, 0x00, 0xFF, 0x7F, 0x01, 0x80, 0x00, 0x40};
    EXPECT_EQ(encodeWav({0.0, 1.0, -1.0, 0.5}, 8000), expected);
}

TEST(WavFile, RoundsAndClipsSamplesToSixteenBits)
{
    struct Case {
        double value;
        std::int16_t stored;
    };
    const Case cases[] = {
        {0.0, 0},           {1.0, 32767},         {-1.0, -32767}, {0.5, 16384},
        {-0.5, -16384},     {1.5, 32767},         {-1.5, -32768}, {1e-5, 0},
        {1.0 / 32767.0, 1}, {-1.0 / 32767.0, -1}, {NAN, 0},
    };
    for (const Case& c : cases) {
        const auto wav = parseWav(toBytes(encodeWav({c.value})));
        ASSERT_TRUE(wav.has_value());
        ASSERT_EQ(wav->samples.size(), 1u);
        EXPECT_EQ(wav->samples[0], c.stored) << "value " << c.value;
    }
}

// ---- The compiled effects ---------------------------------------------------

struct Expected {
    const char* name;
    int minMs;
    int maxMs;
};

// What the game plays, and how long each may last. "WHodsDo" and "WPlMore"
// hold up play until they end; the clock ticks repeat every second.
const Expected kEffects[] = {
    {"WTasoKo", 150, 450},  {"WHodsDo", 80, 200},   {"WPlMore", 200, 600},  {"WKoGutX", 300, 800},
    {"WKoGood", 400, 1000}, {"WKoBadX", 250, 700},  {"WKoBads", 300, 1000}, {"WFiBest", 600, 1250},
    {"WFiGood", 400, 1250}, {"WFiBads", 500, 1250}, {"WOpenFo", 80, 400},   {"WToMenK", 80, 600},
    {"WWrongs", 120, 500},  {"STimerA", 20, 120},   {"STimerB", 20, 250},
};

// Failure messages name the effect.
void PrintTo(const Expected& effect, std::ostream* out)
{
    *out << effect.name;
}

constexpr double kTargetPeakDbfs = -3.0;

QByteArray resource(const char* name)
{
    initOlkSounds();
    QFile file(QStringLiteral(":/sounds/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

class SoundEffect : public testing::TestWithParam<Expected> {};

TEST_P(SoundEffect, IsAShortCleanMonoWavAtTheCommonLevel)
{
    const Expected& effect = GetParam();
    const auto wav = parseWav(resource(effect.name));
    ASSERT_TRUE(wav.has_value()) << effect.name << " is missing or not a WAV file";
    EXPECT_EQ(wav->format, 1);
    EXPECT_EQ(wav->channels, 1);
    EXPECT_EQ(wav->sampleRate, 44100);
    EXPECT_EQ(wav->bitsPerSample, 16);
    EXPECT_EQ(wav->blockAlign, 2);
    EXPECT_EQ(wav->byteRate, 88200);

    const std::vector<std::int16_t>& s = wav->samples;
    const double ms = 1000.0 * static_cast<double>(s.size()) / 44100.0;
    EXPECT_GE(ms, effect.minMs);
    EXPECT_LE(ms, effect.maxMs);
    ASSERT_GT(s.size(), 4 * 88u);

    EXPECT_NEAR(peakDbfs(s, 0, s.size()), kTargetPeakDbfs, 0.5);

    // No click at either end: the first and last 2 ms stay near silence.
    const std::size_t edge = 88;
    EXPECT_LT(peakDbfs(s, 0, edge), -40.0) << "start";
    EXPECT_LT(peakDbfs(s, s.size() - edge, s.size()), -40.0) << "end";
    EXPECT_EQ(s.front(), 0);
    EXPECT_EQ(s.back(), 0);

    // At the same peak every effect should sound about as loud as the
    // others: its loudest 10 ms lie in one band. Below it lies a lone spike
    // or a near-silent file, above it a sound squashed into a block.
    const double loudest = loudestWindowDbfs(s, 441);
    EXPECT_GT(loudest, -16.0);
    EXPECT_LT(loudest, -6.0);

    // Centred on zero: an offset would thump when the sound starts and stops.
    double sum = 0.0;
    for (std::int16_t x : s) {
        sum += x;
    }
    EXPECT_LT(std::abs(sum / static_cast<double>(s.size())), 0.001 * 32768.0);
}

std::string effectName(const testing::TestParamInfo<Expected>& effect)
{
    return effect.param.name;
}

INSTANTIATE_TEST_SUITE_P(Resources, SoundEffect, testing::ValuesIn(kEffects), effectName);

TEST(SoundResources, HoldExactlyTheEffectsTheGamePlays)
{
    initOlkSounds();
    QStringList expected;
    for (const Expected& effect : kEffects) {
        expected << QString::fromLatin1(effect.name);
    }
    QStringList stored = QDir(QStringLiteral(":/sounds")).entryList(QDir::Files);
    expected.sort();
    stored.sort();
    EXPECT_EQ(stored, expected);
}

// ---- The melody -------------------------------------------------------------

struct MidiNote {
    int start;
    int end;
    int channel;
    int key;
};

struct MidiSong {
    int format = -1;
    int division = 0;
    std::vector<int> trackEnds;       // the tick of each track's end
    std::vector<MidiNote> notes;      // every note, paired on and off
    int stuckNotes = 0;               // notes still sounding at a track's end
    int microsPerBeat = 0;
    std::vector<int> channels;        // of every channel message
};

// Reads a Standard MIDI File as far as the song uses it: an unknown or
// truncated event makes the whole result empty.
std::optional<MidiSong> readMidi(const QByteArray& data)
{
    auto byte = [&](qsizetype at) { return static_cast<int>(static_cast<std::uint8_t>(data[at])); };
    auto big = [&](qsizetype at, int count) {
        int value = 0;
        for (int i = 0; i < count; ++i) {
            value = value << 8 | byte(at + i);
        }
        return value;
    };
    if (data.size() < 14 || !data.startsWith("MThd") || big(4, 4) != 6) {
        return std::nullopt;
    }
    MidiSong song;
    song.format = big(8, 2);
    song.division = big(12, 2);
    const int tracks = big(10, 2);
    qsizetype at = 14;
    for (int track = 0; track < tracks; ++track) {
        if (at + 8 > data.size() || data.mid(at, 4) != "MTrk") {
            return std::nullopt;
        }
        const qsizetype end = at + 8 + big(at + 4, 4);
        if (end > data.size()) {
            return std::nullopt;
        }
        at += 8;
        int tick = 0;
        std::vector<std::optional<int>> sounding(16 * 128);
        bool ended = false;
        while (at < end && !ended) {
            int delta = 0;
            do {
                delta = delta << 7 | (byte(at) & 0x7F);
            } while ((byte(at++) & 0x80) != 0 && at < end);
            tick += delta;
            const int status = byte(at++);
            if (status == 0xFF) {
                const int type = byte(at);
                const int length = byte(at + 1);
                if (type == 0x2F) {
                    ended = true;
                    song.trackEnds.push_back(tick);
                } else if (type == 0x51) {
                    song.microsPerBeat = big(at + 2, 3);
                }
                at += 2 + length;
                continue;
            }
            const int kind = status & 0xF0;
            const int channel = status & 0x0F;
            song.channels.push_back(channel);
            if (kind == 0xC0) {
                at += 1;
            } else if (kind == 0x90 || kind == 0x80) {
                const int key = byte(at);
                std::optional<int>& on = sounding[static_cast<std::size_t>(channel * 128 + key)];
                if (kind == 0x90 && byte(at + 1) > 0) {
                    if (!on) {
                        on = tick;
                    }
                } else if (on) {
                    song.notes.push_back({*on, tick, channel, key});
                    on.reset();
                }
                at += 2;
            } else if (kind == 0xB0) {
                at += 2;
            } else {
                return std::nullopt;
            }
        }
        if (!ended || at != end) {
            return std::nullopt;
        }
        song.stuckNotes += static_cast<int>(
            std::count_if(sounding.begin(), sounding.end(), [](const auto& on) { return on.has_value(); }));
    }
    return song;
}

// The menu's melody: a well-formed song of whole bars, every note ended
// within it (a note left on would hang over the loop), on melodic channels.
TEST(MidiSong, IsAWellFormedSongOfWholeBarsThatLoopsCleanly)
{
    initOlkSounds();
    QFile file(QStringLiteral(":/music/MidiSong"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const std::vector<std::uint8_t> composed = composeMidiSong();
    EXPECT_EQ(bytes, QByteArray(reinterpret_cast<const char*>(composed.data()),
                                static_cast<qsizetype>(composed.size())))
        << "the resource is the composer's song";

    const std::optional<MidiSong> song = readMidi(bytes);
    ASSERT_TRUE(song);
    EXPECT_EQ(song->format, 1);
    EXPECT_EQ(song->division, kMelodyTicksPerBeat);
    EXPECT_EQ(song->microsPerBeat, 60'000'000 / kMelodyBeatsPerMinute);
    const int length = kMelodyBars * 4 * kMelodyTicksPerBeat;
    ASSERT_EQ(song->trackEnds.size(), 5U);
    for (int end : song->trackEnds) {
        EXPECT_EQ(end, length);
    }
    EXPECT_EQ(song->stuckNotes, 0);
    EXPECT_GT(song->notes.size(), 300U);
    for (const MidiNote& note : song->notes) {
        EXPECT_LT(note.start, note.end);
        EXPECT_LE(note.end, length);
        EXPECT_GE(note.key, 28);  // nothing below the bass's low E
        EXPECT_LE(note.key, 96);
    }
    const double seconds = kMelodyBars * 4 * 60.0 / kMelodyBeatsPerMinute;
    EXPECT_GT(seconds, 45);
    EXPECT_LT(seconds, 120);
    EXPECT_TRUE(std::none_of(song->channels.begin(), song->channels.end(),
                             [](int channel) { return channel == 9; }))
        << "no percussion channel";
}

// ---- The generator program --------------------------------------------------

bool runGenerator(const QString& folder)
{
    const std::string command =
        std::string("'") + OLK_SOUNDGEN_PROGRAM + "' '" + folder.toStdString() + "'";
    return std::system(command.c_str()) == 0;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SoundGenerator, WritesTheSameFilesOnEveryRunAsTheBuildCompiled)
{
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    ASSERT_TRUE(runGenerator(first.path()));
    ASSERT_TRUE(runGenerator(second.path()));

    const QStringList written = QDir(first.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(written, QDir(second.path()).entryList(QDir::Files, QDir::Name));
    EXPECT_EQ(written.size(), static_cast<qsizetype>(std::size(kEffects)) + 2);
    for (const QString& file : written) {
        EXPECT_EQ(fileBytes(first.filePath(file)), fileBytes(second.filePath(file)))
            << file.toStdString();
    }

    const QByteArray qrc = fileBytes(first.filePath(QStringLiteral("sounds.qrc")));
    EXPECT_TRUE(qrc.contains("<qresource prefix=\"/sounds\">"));
    for (const Expected& effect : kEffects) {
        const QByteArray name(effect.name);
        EXPECT_TRUE(qrc.contains("<file alias=\"" + name + "\">" + name + ".wav</file>"))
            << effect.name;
        const QByteArray bytes = fileBytes(first.filePath(QString::fromLatin1(name + ".wav")));
        EXPECT_FALSE(bytes.isEmpty()) << effect.name;
        EXPECT_EQ(bytes, resource(effect.name)) << effect.name;
    }
}

}  // namespace
}  // namespace olk::soundgen
