#include "assets/musicgen/compose.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <random>
#include <stdexcept>
#include <string_view>

namespace olk::musicgen {
namespace {

// Time is counted in steps of an eighth note; a swung piece plays each pair
// of eighths as a long and a short triplet eighth.
constexpr int kTicksPerQuarter = 480;
constexpr int kStepTicks = kTicksPerQuarter / 2;

enum class Style { Waltz, Swing, Nocturne, Jig, March, Bossa };

// General MIDI programs (0-based).
constexpr int kPiano = 0;
constexpr int kElectricPiano = 4;
constexpr int kVibraphone = 11;
constexpr int kAccordion = 21;
constexpr int kNylonGuitar = 24;
constexpr int kSteelGuitar = 25;
constexpr int kAcousticBass = 32;
constexpr int kViolin = 40;
constexpr int kStrings = 48;
constexpr int kSlowStrings = 49;
constexpr int kTrumpet = 56;
constexpr int kTuba = 58;
constexpr int kHorn = 60;
constexpr int kBrass = 61;
constexpr int kTenorSax = 66;
constexpr int kClarinet = 71;
constexpr int kPiccolo = 72;
constexpr int kFlute = 73;
constexpr int kNone = -1;

enum Channel { kMelody = 0, kChords = 1, kBass = 2, kPad = 3, kDrums = 9 };

// Percussion keys of the General MIDI drum channel.
constexpr int kKick = 36;
constexpr int kRim = 37;
constexpr int kSnare = 38;
constexpr int kFloorTom = 41;
constexpr int kPedalHat = 44;
constexpr int kLowTom = 45;
constexpr int kCrash = 49;
constexpr int kRide = 51;
constexpr int kTambourine = 54;
constexpr int kShaker = 82;

struct Section {
    char name;
    int key;                  // tonic pitch class of the section (a march's trio moves up a fourth)
    std::string_view chords;  // bars separated by "|", one or two chords a bar
};

struct PieceOutline {
    std::string_view title;
    std::string_view band;
    std::uint32_t seed;
    Style style;
    int stepsPerBar;
    int stepsPerMinute;
    bool minor;
    int low, high;                     // the tune's range
    int melodyProgram, secondProgram;  // the second one takes over halfway
    int chordProgram, bassProgram, padProgram;
    std::vector<Section> sections;
    std::string_view form;  // section names in order; "/" marks the second half
};

const std::vector<PieceOutline>& outlines()
{
    static const std::vector<PieceOutline> all{
        {"Card Room Waltz",
         "Olk club band",
         1101,
         Style::Waltz,
         6,
         336,
         false,
         65,
         84,
         kAccordion,
         kViolin,
         kPiano,
         kAcousticBass,
         kStrings,
         {{'A', 5, "F|F|Dm|Dm|Gm|C7|F|C7|F|F|Dm|D7|Gm|C7|F|F"},
          {'B', 5, "Bb|Bb|F|F|G7|G7|C|C7|Bb|Bb|F|D7|Gm|C7|F|C7"}},
         "AABA/ABA"},
        {"Smoke over the Pile",
         "Olk jazz trio",
         2202,
         Style::Swing,
         8,
         276,
         false,
         62,
         82,
         kVibraphone,
         kTenorSax,
         kElectricPiano,
         kAcousticBass,
         kNone,
         {{'A', 10, "Bbmaj7|Gm7|Cm7|F7|Dm7 G7|Cm7 F7|Bbmaj7 Gm7|Cm7 F7"},
          {'B', 10, "Fm7|Bb7|Ebmaj7|Ebmaj7|Am7|D7|Cm7|F7"}},
         "AABA/AABA"},
        {"Nocturne for the Last Hand",
         "Olk piano",
         3303,
         Style::Nocturne,
         8,
         128,
         false,
         63,
         87,
         kPiano,
         kPiano,
         kPiano,
         kNone,
         kSlowStrings,
         {{'A', 3, "Eb|Cm|Ab|Bb7|Eb|Gm|Fm7 Bb7|Eb"}, {'B', 3, "Cm|Gm|Ab|Eb|Fm|Bb|G7|Cm Bb7"}},
         "AA/BA"},
        {"Harvest Jig",
         "Olk village band",
         4404,
         Style::Jig,
         6,
         312,
         false,
         62,
         86,
         kViolin,
         kFlute,
         kSteelGuitar,
         kAcousticBass,
         kNone,
         {{'A', 2, "D|G|D|A|D|G|A7|D"}, {'B', 2, "Bm|G|D|A|Bm|G|A7|D"}},
         "AABBAA/BBAABB"},
        {"March of the Knockers",
         "Olk brass band",
         5505,
         Style::March,
         8,
         224,
         false,
         60,
         81,
         kTrumpet,
         kPiccolo,
         kBrass,
         kTuba,
         kHorn,
         {{'A', 0, "C|G7|C|F|C|G7|C G7|C"},
          {'B', 0, "F|C|G7|C|Am|D7|G|G7"},
          {'T', 5, "F|C7|F|Bb|F|C7|F C7|F"}},
         "AABA/TTA"},
        {"Bossa for the Pile",
         "Olk bossa quartet",
         6606,
         Style::Bossa,
         8,
         264,
         false,
         65,
         84,
         kFlute,
         kClarinet,
         kNylonGuitar,
         kAcousticBass,
         kSlowStrings,
         {{'A', 5, "Fmaj7|Bb7|Am7|D7|Gm7|C7|Fmaj7|Gm7 C7"},
          {'B', 5, "Cm7|F7|Bbmaj7|Bbmaj7|Bm7 E7|Am7 D7|Gm7|C7"}},
         "AABA/AABA"},
    };
    return all;
}

// ---- Chords and scales -----------------------------------------------------

struct Chord {
    int root = 0;            // pitch class, C = 0
    std::vector<int> tones;  // semitones above the root, the root included
    bool has(int key) const
    {
        const int pc = ((key - root) % 12 + 12) % 12;
        return std::find(tones.begin(), tones.end(), pc) != tones.end();
    }
};

Chord chordOf(std::string_view name)
{
    static constexpr std::string_view kLetters = "C D EF G A B";
    const std::size_t letter = kLetters.find(name.at(0));
    if (letter == std::string_view::npos || name.at(0) == ' ') {
        throw std::logic_error("bad chord name");
    }
    int root = static_cast<int>(letter);
    std::size_t at = 1;
    if (at < name.size() && name[at] == 'b') {
        root = (root + 11) % 12;
        ++at;
    } else if (at < name.size() && name[at] == '#') {
        root = (root + 1) % 12;
        ++at;
    }
    static const std::map<std::string_view, std::vector<int>> kQualities{
        {"", {0, 4, 7}},       {"m", {0, 3, 7}},    {"7", {0, 4, 7, 10}}, {"maj7", {0, 4, 7, 11}},
        {"m7", {0, 3, 7, 10}}, {"6", {0, 4, 7, 9}}, {"dim", {0, 3, 6}},   {"m7b5", {0, 3, 6, 10}}};
    const auto quality = kQualities.find(name.substr(at));
    if (quality == kQualities.end()) {
        throw std::logic_error("bad chord name");
    }
    return {root, quality->second};
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t end = text.find(separator);
        const std::string_view part = text.substr(0, end);
        if (!part.empty()) {
            parts.push_back(part);
        }
        if (end == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(end + 1);
    }
}

using BarChords = std::vector<Chord>;  // one or two: the whole bar, or its halves

std::vector<BarChords> chartOf(std::string_view chords)
{
    std::vector<BarChords> bars;
    for (std::string_view bar : split(chords, '|')) {
        BarChords each;
        for (std::string_view name : split(bar, ' ')) {
            each.push_back(chordOf(name));
        }
        if (each.empty() || each.size() > 2) {
            throw std::logic_error("a bar needs one or two chords");
        }
        bars.push_back(std::move(each));
    }
    if (bars.size() % 4 != 0) {
        throw std::logic_error("a section is made of four-bar phrases");
    }
    return bars;
}

// The keys of the scale of `tonic` from MIDI 24 to 108.
std::vector<int> scaleKeys(int tonic, bool minor)
{
    static constexpr std::array<int, 7> kMajor{0, 2, 4, 5, 7, 9, 11};
    static constexpr std::array<int, 7> kMinor{0, 2, 3, 5, 7, 8, 10};
    std::vector<int> keys;
    for (int key = 24; key <= 108; ++key) {
        const int degree = ((key - tonic) % 12 + 12) % 12;
        const auto& steps = minor ? kMinor : kMajor;
        if (std::find(steps.begin(), steps.end(), degree) != steps.end()) {
            keys.push_back(key);
        }
    }
    return keys;
}

// The chord's tones laid from `low` upwards, within one octave.
std::vector<int> voicing(const Chord& chord, int low)
{
    std::vector<int> keys;
    for (int tone : chord.tones) {
        int key = low + ((chord.root + tone - low) % 12 + 12) % 12;
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

// The chord's root in [low, low + 12).
int rootIn(const Chord& chord, int low)
{
    return low + ((chord.root - low) % 12 + 12) % 12;
}

int fifthIn(const Chord& chord, int low)
{
    return rootIn(chord, low) + chord.tones[2];
}

// ---- The score ---------------------------------------------------------------

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
    void note(int tick, int end, int channel, int key, int velocity)
    {
        if (end <= tick || key < 0 || key > 127) {
            return;
        }
        velocity = std::clamp(velocity, 1, 127);
        add(tick, 2,
            {static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(key),
             static_cast<std::uint8_t>(velocity)});
        add(end, 1, {static_cast<std::uint8_t>(0x80 | channel), static_cast<std::uint8_t>(key), 0});
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
        if (program >= 0) {
            this->program(0, channel, program);
        }
    }
};

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

std::vector<std::uint8_t> bytesOf(std::string_view s)
{
    return {s.begin(), s.end()};
}

// ---- The composer ------------------------------------------------------------

struct TuneNote {
    int step;    // from the bar's start
    int length;  // in steps
    int key;     // -1: a rest
    int velocity;
};
using TuneBar = std::vector<TuneNote>;

// Rhythms of one bar in steps, a negative length a rest; the last list is
// for the bar that closes a phrase.
struct Rhythms {
    std::vector<std::vector<int>> motifs;
    std::vector<std::vector<int>> cadences;
};

Rhythms rhythmsOf(Style style)
{
    switch (style) {
    case Style::Waltz:
        return {{{2, 2, 2}, {3, 1, 2}, {4, 2}, {2, 1, 1, 2}, {1, 1, 2, 2}}, {{6}, {4, 2}}};
    case Style::Swing:
        return {{{3, 1, 2, 2}, {2, 2, 3, 1}, {1, 2, 1, 4}, {-2, 1, 1, 2, 2}, {2, 1, 1, 1, 3}},
                {{6, -2}, {2, 4, -2}}};
    case Style::Nocturne:
        return {{{4, 2, 2}, {3, 1, 4}, {2, 2, 2, 2}, {6, 1, 1}, {2, 1, 1, 4}}, {{8}, {6, -2}}};
    case Style::Jig:
        return {{{2, 1, 2, 1}, {1, 1, 1, 2, 1}, {3, 2, 1}, {1, 1, 1, 1, 1, 1}, {2, 1, 1, 1, 1}},
                {{3, 3}, {5, -1}}};
    case Style::March:
        return {{{3, 1, 2, 2}, {2, 2, 2, 2}, {3, 1, 4}, {2, 1, 1, 4}, {1, 1, 2, 2, 2}},
                {{4, 4}, {6, -2}}};
    case Style::Bossa:
        return {{{3, 3, 2}, {2, 3, 3}, {-1, 2, 1, 4}, {3, 1, 2, 2}, {1, 2, 3, 2}}, {{8}, {6, -2}}};
    }
    return {};
}

class Composer {
public:
    explicit Composer(const PieceOutline& outline) : m_outline(outline), m_random(outline.seed) {}

    std::vector<std::uint8_t> compose();
    double seconds() const;

private:
    int random(int n) { return static_cast<int>(m_random() % static_cast<std::uint32_t>(n)); }
    int tickOf(int barTick, int step) const;
    std::vector<TuneBar> tuneOf(const std::vector<BarChords>& chart, int key);
    int nearestChordTone(const Chord& chord, int target) const;
    int scaleStep(int from, int degrees) const;
    void accompany(int bar, int barTick, const BarChords& chords, const Chord& next, int phraseBar,
                   bool sectionStart);
    void writeTuneBar(int barTick, const TuneBar& notes);
    int totalBars() const;

    const PieceOutline& m_outline;
    std::mt19937 m_random;
    std::vector<int> m_scale;
    Track m_tempo, m_melody, m_chords, m_bass, m_pad, m_drums;
    int m_walk = 0;             // the walking bass's last key
    bool m_secondHalf = false;  // the form's second half: the second tune instrument
};

int Composer::tickOf(int barTick, int step) const
{
    if (m_outline.style != Style::Swing) {
        return barTick + step * kStepTicks;
    }
    return barTick + (step / 2) * kTicksPerQuarter + (step % 2 ? kTicksPerQuarter * 2 / 3 : 0);
}

int Composer::nearestChordTone(const Chord& chord, int target) const
{
    int best = -1;
    for (int key = m_outline.low; key <= m_outline.high; ++key) {
        if (chord.has(key) && (best < 0 || std::abs(key - target) < std::abs(best - target))) {
            best = key;
        }
    }
    return best < 0 ? target : best;
}

int Composer::scaleStep(int from, int degrees) const
{
    auto at = std::lower_bound(m_scale.begin(), m_scale.end(), from);
    if (at == m_scale.end()) {
        --at;
    }
    const auto index = std::clamp<std::ptrdiff_t>(at - m_scale.begin() + degrees, 0,
                                                  static_cast<std::ptrdiff_t>(m_scale.size()) - 1);
    int key = m_scale[static_cast<std::size_t>(index)];
    while (key > m_outline.high) {
        key = *std::prev(std::upper_bound(m_scale.begin(), m_scale.end(), key - 2));
    }
    while (key < m_outline.low) {
        key = *std::lower_bound(m_scale.begin(), m_scale.end(), key + 2);
    }
    return key;
}

std::vector<TuneBar> Composer::tuneOf(const std::vector<BarChords>& chart, int key)
{
    m_scale = scaleKeys(key, m_outline.minor);
    const Rhythms rhythms = rhythmsOf(m_outline.style);
    const auto& motifA =
        rhythms.motifs[static_cast<std::size_t>(random(static_cast<int>(rhythms.motifs.size())))];
    std::size_t b = static_cast<std::size_t>(random(static_cast<int>(rhythms.motifs.size())));
    if (&rhythms.motifs[b] == &motifA) {
        b = (b + 1) % rhythms.motifs.size();
    }
    const auto& motifB = rhythms.motifs[b];
    const int half = m_outline.stepsPerBar / 2;
    const int centre = (m_outline.low + m_outline.high) / 2;
    std::vector<TuneBar> tune;
    int previous = centre;
    int direction = 1;
    for (std::size_t bar = 0; bar < chart.size(); ++bar) {
        const BarChords& chords = chart[bar];
        const int phraseBar = static_cast<int>(bar % 4);
        const bool closesSection = bar + 1 == chart.size();
        const std::vector<int>& rhythm = phraseBar == 3
                                             ? rhythms.cadences[closesSection ? 0 : (bar / 4) % 2]
                                         : phraseBar == 1 ? motifB
                                                          : motifA;
        // The answer and the second half echo what came before: the same
        // rhythm with the pitches fitted to the new chords.
        const TuneBar* source = nullptr;
        if (bar >= 8) {
            source = &tune[bar - 8];
        } else if (bar >= 4 && phraseBar != 3) {
            source = &tune[bar - 4];
        }
        TuneBar notes;
        int step = 0;
        std::size_t index = 0;
        for (int length : rhythm) {
            const int size = std::abs(length);
            const Chord& chord = chords.size() == 2 && step >= half ? chords[1] : chords[0];
            const bool strong = step == 0 || step == half;
            const bool last = step + size == m_outline.stepsPerBar;
            int pitch = -1;
            if (length > 0) {
                if (source != nullptr && index < source->size() && (*source)[index].key >= 0) {
                    const int was = (*source)[index].key + (bar >= 8 ? 0 : 2);
                    pitch = strong ? nearestChordTone(chord, was) : scaleStep(was, 0);
                } else if (phraseBar == 3 && last) {
                    // A phrase ends on a chord tone; the section on the root.
                    const int target = closesSection ? rootIn(chord, previous - 6)
                                                     : previous + (random(2) ? 2 : -2);
                    pitch = nearestChordTone(chord, target);
                } else if (strong) {
                    if (previous > centre + 5) {
                        direction = -1;
                    } else if (previous < centre - 5) {
                        direction = 1;
                    } else if (random(3) == 0) {
                        direction = -direction;
                    }
                    pitch = nearestChordTone(chord, previous + direction * (2 + random(3)));
                } else {
                    const int degrees = random(4) == 0 ? 2 * direction : direction;
                    pitch = scaleStep(previous, degrees);
                }
                previous = pitch;
            }
            const int velocity = (strong ? 88 : 74) + random(8);
            notes.push_back({step, size, pitch, velocity});
            step += size;
            ++index;
        }
        if (step != m_outline.stepsPerBar) {
            throw std::logic_error("a rhythm does not fill its bar");
        }
        tune.push_back(std::move(notes));
    }
    return tune;
}

void Composer::writeTuneBar(int barTick, const TuneBar& notes)
{
    for (const TuneNote& note : notes) {
        if (note.key < 0) {
            continue;
        }
        const int start = tickOf(barTick, note.step);
        // Let go a little early, so that a repeated key is heard twice.
        const int end = tickOf(barTick, note.step + note.length) - kStepTicks / 8;
        m_melody.note(start, end, kMelody, note.key, note.velocity);
    }
}

void Composer::accompany(int bar, int barTick, const BarChords& chords, const Chord& next,
                         int phraseBar, bool sectionStart)
{
    const int steps = m_outline.stepsPerBar;
    const int half = steps / 2;
    const auto chordAt = [&](int step) -> const Chord& {
        return chords.size() == 2 && step >= half ? chords[1] : chords[0];
    };
    const auto at = [&](int step) { return tickOf(barTick, step); };
    const auto hit = [&](Track& track, int channel, int step, double length, int key,
                         int velocity) {
        const int start = at(step);
        const int end = start + static_cast<int>(length * kStepTicks);
        track.note(start, end, channel, key, velocity + random(6));
    };
    const auto strum = [&](int step, double length, int low, int velocity) {
        for (int key : voicing(chordAt(step), low)) {
            hit(m_chords, kChords, step, length, key, velocity);
        }
    };
    const auto pad = [&](int velocity) {
        if (m_outline.padProgram < 0) {
            return;
        }
        for (std::size_t i = 0; i < chords.size(); ++i) {
            const int step = static_cast<int>(i) * half;
            for (int key : voicing(chords[i], 60)) {
                m_pad.note(at(step), at(step + (chords.size() == 2 ? half : steps)) - 10, kPad, key,
                           velocity);
            }
        }
    };
    const bool secondHalf = m_secondHalf;
    switch (m_outline.style) {
    case Style::Waltz:
        hit(m_bass, kBass, 0, 1.8, bar % 2 == 0 ? rootIn(chordAt(0), 36) : fifthIn(chordAt(0), 31),
            92);
        strum(2, 1.4, 55, 58);
        strum(4, 1.4, 55, 54);
        if (secondHalf) {
            pad(40);
        }
        break;
    case Style::Swing: {
        // A walking bass: the root on one, chord tones, and a step into the
        // next bar's root on four.
        const int root = rootIn(chordAt(0), 36);
        const int nextRoot = rootIn(next, 36);
        const std::array<int, 4> walk{
            chords.size() == 2 ? root : root,
            chords.size() == 2 ? root + chordAt(0).tones[random(2) + 1]
                               : root + chordAt(0).tones[1],
            chords.size() == 2 ? rootIn(chordAt(4), 36) : root + chordAt(0).tones[2],
            nextRoot + (random(2) ? 1 : -1)};
        for (int beat = 0; beat < 4; ++beat) {
            hit(m_bass, kBass, beat * 2, 1.8, walk[static_cast<std::size_t>(beat)],
                beat == 0 ? 94 : 84);
        }
        m_walk = walk[3];
        static const std::array<std::array<int, 2>, 4> kComps{{{3, -1}, {2, 5}, {1, 6}, {3, 7}}};
        for (int step : kComps[static_cast<std::size_t>(random(4))]) {
            if (step >= 0) {
                for (int key : voicing(chordAt(step), 57)) {
                    hit(m_chords, kChords, step, 1.2, key, 56);
                }
            }
        }
        for (int step : {0, 2, 3, 4, 6, 7}) {
            hit(m_drums, kDrums, step, 1, kRide, step == 2 || step == 6 ? 74 : 58);
        }
        hit(m_drums, kDrums, 2, 1, kPedalHat, 60);
        hit(m_drums, kDrums, 6, 1, kPedalHat, 60);
        hit(m_drums, kDrums, 0, 1, kKick, 40);
        if (random(3) == 0) {
            hit(m_drums, kDrums, 5 + 2 * random(2), 1, kSnare, 30);
        }
        if (sectionStart) {
            hit(m_drums, kDrums, 0, 2, kCrash, 56);
        }
        break;
    }
    case Style::Nocturne: {
        // The left hand's arpeggio rings on to the bar's (or half's) end.
        for (int step = 0; step < steps; ++step) {
            const Chord& chord = chordAt(step);
            const int root = rootIn(chord, 36);
            const int third = chord.tones[1];
            const int fifth = chord.tones[2];
            const std::array<int, 4> shape{root, root + fifth, root + 12 + third,
                                           root + 12 + fifth};
            const int local = chords.size() == 2 ? step % half : step;
            const int span = chords.size() == 2 ? half : steps;
            const int index = local < 4 ? local : 8 - local - (local == 4 ? 1 : 0);
            const int key = shape[static_cast<std::size_t>(std::clamp(index, 0, 3))];
            const int end = at((step / span + 1) * span) - 10;
            m_chords.note(at(step), end, kChords, key, (local == 0 ? 60 : 46) + random(6));
        }
        if (secondHalf) {
            pad(36);
        }
        break;
    }
    case Style::Jig:
        hit(m_bass, kBass, 0, 1.8, rootIn(chordAt(0), 38), 92);
        hit(m_bass, kBass, 3, 1.8, fifthIn(chordAt(0), 33), 84);
        strum(2, 0.8, 55, 56);
        strum(5, 0.8, 55, 52);
        hit(m_drums, kDrums, 0, 1, kLowTom, 78);
        hit(m_drums, kDrums, 3, 1, kLowTom, 68);
        hit(m_drums, kDrums, 5, 1, kFloorTom, 46);
        hit(m_drums, kDrums, 0, 1, kTambourine, 44);
        hit(m_drums, kDrums, 3, 1, kTambourine, 40);
        break;
    case Style::March:
        hit(m_bass, kBass, 0, 1.6, rootIn(chordAt(0), 34), 96);
        hit(m_bass, kBass, 4, 1.6,
            chords.size() == 2 ? rootIn(chordAt(4), 34) : fifthIn(chordAt(0), 29), 88);
        strum(2, 1.2, 53, 62);
        strum(6, 1.2, 53, 58);
        if (secondHalf) {
            pad(50);
        }
        hit(m_drums, kDrums, 0, 1, kKick, 84);
        hit(m_drums, kDrums, 4, 1, kKick, 78);
        hit(m_drums, kDrums, 2, 0.5, kSnare, 70);
        hit(m_drums, kDrums, 6, 0.5, kSnare, 70);
        if (phraseBar == 3) {
            // A roll into the next phrase.
            for (int i = 0; i < 8; ++i) {
                const int start = at(6) + i * kStepTicks / 4;
                m_drums.note(start, start + kStepTicks / 4, kDrums, kSnare, 44 + i * 6);
            }
        } else {
            hit(m_drums, kDrums, 3, 0.5, kSnare, 46);
        }
        if (sectionStart) {
            hit(m_drums, kDrums, 0, 2, kCrash, 70);
        }
        break;
    case Style::Bossa: {
        hit(m_bass, kBass, 0, 2.8, rootIn(chordAt(0), 36), 90);
        hit(m_bass, kBass, 3, 0.9, fifthIn(chordAt(3), 31), 78);
        hit(m_bass, kBass, 4, 2.8,
            chords.size() == 2 ? rootIn(chordAt(4), 36) : fifthIn(chordAt(4), 31), 86);
        static const std::array<std::array<int, 3>, 2> kGuitar{{{0, 3, 6}, {1, 4, 6}}};
        for (int step : kGuitar[static_cast<std::size_t>(bar % 2)]) {
            strum(step, 1.6, 55, 58);
        }
        static const std::array<std::array<int, 3>, 2> kClave{{{0, 3, 6}, {2, 4, -1}}};
        for (int step : kClave[static_cast<std::size_t>(bar % 2)]) {
            if (step >= 0) {
                hit(m_drums, kDrums, step, 0.5, kRim, 58);
            }
        }
        for (int step = 0; step < 8; ++step) {
            hit(m_drums, kDrums, step, 0.5, kShaker, step % 2 ? 40 : 30);
        }
        hit(m_drums, kDrums, 0, 1, kKick, 52);
        hit(m_drums, kDrums, 3, 1, kKick, 40);
        hit(m_drums, kDrums, 4, 1, kKick, 48);
        if (secondHalf) {
            pad(30);
        }
        break;
    }
    }
}

int Composer::totalBars() const
{
    int bars = 2 + 1;  // the introduction and the final chord
    for (char name : m_outline.form) {
        for (const Section& section : m_outline.sections) {
            if (section.name == name) {
                bars += static_cast<int>(split(section.chords, '|').size());
            }
        }
    }
    return bars;
}

double Composer::seconds() const
{
    return totalBars() * m_outline.stepsPerBar * 60.0 / m_outline.stepsPerMinute;
}

std::vector<std::uint8_t> Composer::compose()
{
    const int barTicks = m_outline.stepsPerBar * kStepTicks;
    m_tempo.meta(0, 0x03, bytesOf(m_outline.title));
    const std::uint32_t microsPerQuarter =
        static_cast<std::uint32_t>(60'000'000LL * 2 / m_outline.stepsPerMinute);
    m_tempo.meta(0, 0x51,
                 {static_cast<std::uint8_t>(microsPerQuarter >> 16),
                  static_cast<std::uint8_t>(microsPerQuarter >> 8),
                  static_cast<std::uint8_t>(microsPerQuarter)});
    if (m_outline.stepsPerBar == 6) {
        m_tempo.meta(0, 0x58,
                     m_outline.style == Style::Waltz ? std::vector<std::uint8_t>{3, 2, 24, 8}
                                                  : std::vector<std::uint8_t>{6, 3, 36, 8});
    } else {
        m_tempo.meta(0, 0x58, {4, 2, 24, 8});
    }
    m_melody.setUp(kMelody, m_outline.melodyProgram, 104, 64, 40);
    m_chords.setUp(kChords, m_outline.chordProgram, 84, 44, 40);
    m_bass.setUp(kBass, m_outline.bassProgram, 100, 64, 20);
    m_pad.setUp(kPad, m_outline.padProgram, 70, 84, 64);
    m_drums.setUp(kDrums, kNone, 84, 70, 30);

    // Each section's tune is made once and comes back as it was.
    std::map<char, std::vector<TuneBar>> tunes;
    std::map<char, std::vector<BarChords>> charts;
    for (const Section& section : m_outline.sections) {
        charts[section.name] = chartOf(section.chords);
        tunes[section.name] = tuneOf(charts[section.name], section.key);
    }
    std::vector<char> order;
    std::size_t halfway = 0;
    for (char name : m_outline.form) {
        if (name == '/') {
            halfway = order.size();
        } else if (charts.count(name) != 0) {
            order.push_back(name);
        } else {
            throw std::logic_error("the form names an unknown section");
        }
    }
    const std::vector<BarChords>& first = charts[order.front()];
    int bar = 0;
    // Two bars of the accompaniment alone.
    for (int i = 0; i < 2; ++i, ++bar) {
        accompany(bar, bar * barTicks, first[static_cast<std::size_t>(i)],
                  first[static_cast<std::size_t>(i + 1)][0], i, i == 0);
    }
    for (std::size_t s = 0; s < order.size(); ++s) {
        if (s == halfway && halfway > 0) {
            m_secondHalf = true;
            m_melody.program(bar * barTicks, kMelody, m_outline.secondProgram);
        }
        const std::vector<BarChords>& chart = charts[order[s]];
        const std::vector<TuneBar>& tune = tunes[order[s]];
        for (std::size_t i = 0; i < chart.size(); ++i, ++bar) {
            const Chord& next = i + 1 < chart.size()   ? chart[i + 1][0]
                                : s + 1 < order.size() ? charts[order[s + 1]][0][0]
                                                       : charts[order.front()][0][0];
            accompany(bar, bar * barTicks, chart[i], next, static_cast<int>(i % 4), i == 0);
            writeTuneBar(bar * barTicks, tune[i]);
        }
    }
    // The final chord, held, on the piece's tonic.
    const Chord tonic = charts[order.back()].back().back();
    const int endBar = bar * barTicks;
    const int endTick = endBar + barTicks;
    m_melody.note(endBar, endTick - 60, kMelody, nearestChordTone(tonic, rootIn(tonic, 67)), 84);
    for (int key : voicing(tonic, 55)) {
        m_chords.note(endBar, endTick - 60, kChords, key, 62);
    }
    m_bass.note(endBar, endTick - 60, kBass, rootIn(tonic, 36), 90);
    if (m_outline.style != Style::Nocturne && m_outline.style != Style::Waltz) {
        m_drums.note(endBar, endBar + 2 * kStepTicks, kDrums, kCrash, 70);
    }
    ++bar;
    if (bar != totalBars()) {
        throw std::logic_error("the bars do not add up");
    }

    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 6};
    writeBigEndian(out, kTicksPerQuarter, 2);
    writeTrack(out, std::move(m_tempo), endTick);
    writeTrack(out, std::move(m_melody), endTick);
    writeTrack(out, std::move(m_chords), endTick);
    writeTrack(out, std::move(m_bass), endTick);
    writeTrack(out, std::move(m_pad), endTick);
    writeTrack(out, std::move(m_drums), endTick);
    return out;
}

}  // namespace

std::vector<PieceInfo> pieces()
{
    std::vector<PieceInfo> list;
    for (const PieceOutline& outline : outlines()) {
        list.push_back({std::string(outline.title), std::string(outline.band), Composer(outline).seconds()});
    }
    return list;
}

std::vector<std::uint8_t> composePiece(int index)
{
    return Composer(outlines().at(static_cast<std::size_t>(index))).compose();
}

std::string trackFileName(const PieceInfo& piece)
{
    std::string name = piece.title + "~" + piece.band + ".ogg";
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

}  // namespace olk::musicgen
