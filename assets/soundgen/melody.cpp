#include "assets/soundgen/melody.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

namespace olk::soundgen {
namespace {

constexpr int kBeatsPerBar = 4;
constexpr int kBarTicks = kBeatsPerBar * kMelodyTicksPerBeat;
constexpr int kEighth = kMelodyTicksPerBeat / 2;

// General MIDI programs (0-based) and the channel each part plays on.
constexpr int kFlute = 73;
constexpr int kVibraphone = 11;
constexpr int kNylonGuitar = 24;
constexpr int kAcousticBass = 32;
constexpr int kStrings = 48;

enum Channel { kMelodyChannel = 0, kGuitarChannel = 1, kBassChannel = 2, kStringsChannel = 3 };

// One bar of the tune: notes as "E5/1" (name, octave, length in beats),
// "G#4/.5" with a sharp, "r/1" a rest; and the bar's harmony, one chord for
// the whole bar or two for its halves ("Dm G").
struct Bar {
    std::string_view tune;
    std::string_view chords;
};

// A: the theme; A': the theme again, with an answer in bars 6 and 8 that
// leads into B; B: the middle part through the subdominant and the relative
// minor; A'': the theme to close.
constexpr std::array<Bar, 8> kThemeA{{
    {"E5/1 D5/.5 C5/.5 G4/1 C5/1", "C"},
    {"E5/1.5 D5/.5 C5/1 A4/1", "Am"},
    {"F4/1 A4/1 C5/1 F5/1", "F"},
    {"D5/1.5 B4/.5 G4/2", "G"},
    {"E5/1 D5/.5 C5/.5 G4/1 C5/1", "C"},
    {"E5/1 G5/1 A5/1.5 G5/.5", "Am"},
    {"F5/1 E5/.5 D5/.5 B4/1 D5/1", "Dm G"},
    {"C5/3 r/1", "C"},
}};

constexpr std::array<Bar, 8> kThemeAnswer{{
    {"E5/1 D5/.5 C5/.5 G4/1 C5/1", "C"},
    {"E5/1.5 D5/.5 C5/1 A4/1", "Am"},
    {"F4/1 A4/1 C5/1 F5/1", "F"},
    {"D5/1.5 B4/.5 G4/2", "G"},
    {"E5/1 D5/.5 C5/.5 G4/1 C5/1", "C"},
    {"E5/1 C5/1 A4/1.5 B4/.5", "Am"},
    {"F5/1 E5/.5 D5/.5 B4/1 D5/1", "Dm G"},
    {"C5/2 E5/1 G5/1", "C"},
}};

constexpr std::array<Bar, 8> kMiddle{{
    {"A5/1.5 G5/.5 F5/1 C5/1", "F"},
    {"D5/1.5 E5/.5 D5/1 B4/1", "G"},
    {"G5/1.5 E5/.5 B4/1 E5/1", "Em"},
    {"C5/1 E5/1 A5/2", "Am"},
    {"F5/1.5 E5/.5 D5/1 A4/1", "Dm"},
    {"B4/1 D5/1 G5/2", "G"},
    {"E5/1 G#4/1 B4/1 D5/1", "E7"},
    {"C5/2 B4/1 D5/1", "Am G"},
}};

struct Section {
    const std::array<Bar, 8>* bars;
    int melodyProgram;
    bool strings;  // the strings join in
};

constexpr std::array<Section, 4> kForm{{
    {&kThemeA, kFlute, false},
    {&kThemeAnswer, kVibraphone, false},
    {&kMiddle, kFlute, true},
    {&kThemeA, kFlute, true},
}};

struct Event {
    int tick;
    int order;  // at one tick: set-up first, then note-offs, then note-ons
    std::vector<std::uint8_t> bytes;
};

struct Track {
    std::vector<Event> events;

    void add(int tick, int order, std::vector<std::uint8_t> bytes)
    {
        events.push_back({tick, order, std::move(bytes)});
    }
    void control(int tick, int channel, int controller, int value)
    {
        add(tick, 0,
            {static_cast<std::uint8_t>(0xB0 | channel), static_cast<std::uint8_t>(controller),
             static_cast<std::uint8_t>(value)});
    }
    void program(int tick, int channel, int program)
    {
        add(tick, 0,
            {static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(program)});
    }
    void note(int tick, int length, int channel, int key, int velocity)
    {
        add(tick, 2,
            {static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(key),
             static_cast<std::uint8_t>(velocity)});
        add(tick + length, 1,
            {static_cast<std::uint8_t>(0x80 | channel), static_cast<std::uint8_t>(key), 0});
    }
    void meta(int tick, std::uint8_t type, std::vector<std::uint8_t> data)
    {
        std::vector<std::uint8_t> bytes{0xFF, type, static_cast<std::uint8_t>(data.size())};
        bytes.insert(bytes.end(), data.begin(), data.end());
        add(tick, 0, std::move(bytes));
    }
    void setUp(int channel, int program, int volume, int pan, int reverb)
    {
        control(0, channel, 7, volume);
        control(0, channel, 10, pan);
        control(0, channel, 91, reverb);
        this->program(0, channel, program);
    }
};

// MIDI key of "C4"-style names: C4 is 60.
int keyOf(std::string_view name)
{
    static constexpr std::string_view kLetters = "CDEFGAB";
    static constexpr std::array<int, 7> kSteps{0, 2, 4, 5, 7, 9, 11};
    const std::size_t letter = kLetters.find(name.at(0));
    if (letter == std::string_view::npos) {
        throw std::logic_error("bad note name");
    }
    int key = kSteps[letter];
    std::size_t at = 1;
    if (name.at(at) == '#') {
        ++key;
        ++at;
    }
    const int octave = name.at(at) - '0';
    if (octave < 0 || octave > 8 || at + 1 != name.size()) {
        throw std::logic_error("bad note name");
    }
    return 12 * (octave + 1) + key;
}

struct Chord {
    int root;                 // pitch class, C = 0
    std::vector<int> tones;  // semitones above the root, the root included
};

Chord chordOf(std::string_view name)
{
    static constexpr std::string_view kLetters = "C D EF G A B";
    const std::size_t root = kLetters.find(name.at(0));
    if (root == std::string_view::npos || name.at(0) == ' ') {
        throw std::logic_error("bad chord name");
    }
    const std::string_view quality = name.substr(1);
    if (quality.empty()) {
        return {static_cast<int>(root), {0, 4, 7}};
    }
    if (quality == "m") {
        return {static_cast<int>(root), {0, 3, 7}};
    }
    if (quality == "7") {
        return {static_cast<int>(root), {0, 4, 7, 10}};
    }
    throw std::logic_error("bad chord name");
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> result;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(' ');
        if (start == std::string_view::npos) {
            break;
        }
        text.remove_prefix(start);
        const std::size_t end = std::min(text.find(' '), text.size());
        result.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return result;
}

// The tune of one bar, onto the melody track; a bar that does not add up to
// four beats is a mistake in the score above.
void writeTune(Track& track, int barTick, std::string_view tune)
{
    int tick = barTick;
    int beat = 0;  // in eighths from the bar's start
    for (std::string_view word : words(tune)) {
        const std::size_t slash = word.find('/');
        if (slash == std::string_view::npos) {
            throw std::logic_error("a note without a length");
        }
        const double beats = std::strtod(std::string(word.substr(slash + 1)).c_str(), nullptr);
        const int length = static_cast<int>(beats * kMelodyTicksPerBeat + 0.5);
        if (length <= 0 || length % kEighth != 0) {
            throw std::logic_error("a note of no length");
        }
        if (word.substr(0, slash) != "r") {
            // Stronger on the bar's first and third beats; notes are let go
            // a little early, so that repeated ones are heard twice.
            const int velocity = beat == 0 ? 92 : beat == 4 ? 84 : beat % 2 == 0 ? 78 : 70;
            track.note(tick, length - kMelodyTicksPerBeat / 16, kMelodyChannel,
                       keyOf(word.substr(0, slash)), velocity);
        }
        tick += length;
        beat += length / kEighth;
    }
    if (tick != barTick + kBarTicks) {
        throw std::logic_error("a bar of the tune is not four beats long");
    }
}

// Guitar, bass and strings under one chord from `tick` for `eighths`.
void writeHarmony(Track& guitar, Track& bass, Track& strings, bool withStrings, int tick,
                  int eighths, const Chord& chord)
{
    // The guitar's root lies between G2 and F#3, the bass an octave lower.
    int root = 48 + chord.root;
    if (root > 54) {
        root -= 12;
    }
    const int third = root + chord.tones[1];
    const int fifth = root + chord.tones[2];
    const std::array<int, 8> pattern{root, fifth, root + 12, third + 12,
                                     fifth + 12, third + 12, root + 12, fifth};
    const std::array<int, 4> halfPattern{root, fifth, root + 12, third + 12};
    for (int i = 0; i < eighths; ++i) {
        const int key = eighths == 8 ? pattern[static_cast<std::size_t>(i)]
                                     : halfPattern[static_cast<std::size_t>(i % 4)];
        // Each string rings on until the arpeggio's end.
        guitar.note(tick + i * kEighth, (eighths - i) * kEighth, kGuitarChannel, key,
                    i == 0 ? 72 : 58);
    }
    if (chord.tones.size() > 3) {  // the seventh, on the last eighth
        guitar.note(tick + (eighths - 1) * kEighth, kEighth, kGuitarChannel,
                    root + 12 + chord.tones[3], 58);
    }
    bass.note(tick, eighths == 8 ? 3 * kEighth : 2 * kEighth, kBassChannel, root - 12, 96);
    if (eighths == 8) {
        bass.note(tick + 4 * kEighth, 3 * kEighth, kBassChannel, fifth - 12, 84);
    }
    if (withStrings) {
        for (int tone : chord.tones) {
            strings.note(tick, eighths * kEighth - kEighth / 4, kStringsChannel, root + 12 + tone,
                         44);
        }
    }
}

void writeVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    std::array<std::uint8_t, 5> bytes{};
    int count = 0;
    do {
        bytes[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 0) {
        --count;
        out.push_back(static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(count)] |
                                                (count > 0 ? 0x80 : 0)));
    }
}

void writeBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void writeTrack(std::vector<std::uint8_t>& out, Track track, int endTick)
{
    std::stable_sort(track.events.begin(), track.events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<std::uint8_t> body;
    int last = 0;
    for (const Event& event : track.events) {
        writeVariableLength(body, static_cast<std::uint32_t>(event.tick - last));
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
        last = event.tick;
    }
    writeVariableLength(body, static_cast<std::uint32_t>(std::max(0, endTick - last)));
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    writeBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
}

std::vector<std::uint8_t> text(std::string_view s)
{
    return {s.begin(), s.end()};
}

}  // namespace

std::vector<std::uint8_t> composeMidiSong()
{
    Track tempo;
    tempo.meta(0, 0x03, text("Olk - MidiSong"));
    const std::uint32_t microsPerBeat = 60'000'000 / kMelodyBeatsPerMinute;
    tempo.meta(0, 0x51,
               {static_cast<std::uint8_t>(microsPerBeat >> 16),
                static_cast<std::uint8_t>(microsPerBeat >> 8),
                static_cast<std::uint8_t>(microsPerBeat)});
    tempo.meta(0, 0x58, {4, 2, 24, 8});  // 4/4
    tempo.meta(0, 0x59, {0, 0});         // C major

    Track melody;
    Track guitar;
    Track bass;
    Track strings;
    melody.meta(0, 0x03, text("Melody"));
    guitar.meta(0, 0x03, text("Guitar"));
    bass.meta(0, 0x03, text("Bass"));
    strings.meta(0, 0x03, text("Strings"));
    melody.setUp(kMelodyChannel, kFlute, 100, 64, 48);
    guitar.setUp(kGuitarChannel, kNylonGuitar, 92, 44, 40);
    bass.setUp(kBassChannel, kAcousticBass, 100, 64, 24);
    strings.setUp(kStringsChannel, kStrings, 64, 84, 64);

    int bar = 0;
    for (const Section& section : kForm) {
        const int sectionTick = bar * kBarTicks;
        if (sectionTick > 0) {
            melody.program(sectionTick, kMelodyChannel, section.melodyProgram);
        }
        for (const Bar& score : *section.bars) {
            const int barTick = bar * kBarTicks;
            writeTune(melody, barTick, score.tune);
            const std::vector<std::string_view> chords = words(score.chords);
            if (chords.empty() || chords.size() > 2) {
                throw std::logic_error("a bar needs one or two chords");
            }
            const int eighths = chords.size() == 1 ? 8 : 4;
            for (std::size_t i = 0; i < chords.size(); ++i) {
                writeHarmony(guitar, bass, strings, section.strings,
                             barTick + static_cast<int>(i) * 4 * kEighth, eighths,
                             chordOf(chords[i]));
            }
            ++bar;
        }
    }

    const int endTick = kMelodyBars * kBarTicks;
    if (bar != kMelodyBars) {
        throw std::logic_error("the form does not add up to the song's bars");
    }
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 5};
    writeBigEndian(out, kMelodyTicksPerBeat, 2);
    writeTrack(out, std::move(tempo), endTick);
    writeTrack(out, std::move(melody), endTick);
    writeTrack(out, std::move(guitar), endTick);
    writeTrack(out, std::move(bass), endTick);
    writeTrack(out, std::move(strings), endTick);
    return out;
}

}  // namespace olk::soundgen
