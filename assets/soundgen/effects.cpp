#include "assets/soundgen/effects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace olk::soundgen {

namespace {

// Every effect begins with a moment of silence before its (smooth) attack
// and ends on a short fade, so no file starts or stops away from zero.
constexpr double kLeadIn = 0.003;
constexpr double kFadeOut = 0.012;

// ---- Building blocks -------------------------------------------------------

// Struck partials start on a crest, not a zero crossing: a decaying sine
// started at zero leaves a net offset (a thud below hearing that eats
// headroom), one started on its crest nearly none. Harmonics in this phase
// also line their crests up, which gives held tones a little more peak for
// the same loudness.
constexpr double kCosinePhase = 0.25;

// A decaying part is cut off where its buffer ends; the cut is faded so that
// it leaves no step in the mix, whatever is left of the decay there.
void endSoftly(Signal& part)
{
    fadeEdges(part, 0.0, std::min(0.01, timeOf(static_cast<int>(part.size())) / 4.0));
}

// Noise through a band-pass filter whose centre moves from `fromHz` to `toHz`
// over the sound, shaped by `envelope(t)`. Brushes, swishes, snaps and the
// whoosh are all made of it; the seed fixes the grain. The band is brought
// to unit RMS (so a gain means the same whatever its width) and its rare
// high peaks are rounded off: raw noise peaks at four times its RMS, which
// would leave it sounding far quieter than a tone of the same peak level.
template <typename Envelope>
Signal bandNoise(std::uint64_t seed, double fromHz, double toHz, double q, double length,
                 Envelope envelope)
{
    Noise noise(seed);
    Biquad band = Biquad::bandpass(fromHz, q);
    Signal out(static_cast<std::size_t>(sampleCount(length)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        band.setBandpass(glideHz(fromHz, toHz, length, timeOf(static_cast<int>(i))), q);
        out[i] = band.process(noise.next());
    }
    const double rms = rmsOf(out);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = envelope(timeOf(static_cast<int>(i))) * softClip(out[i] / rms, 1.5);
    }
    endSoftly(out);
    return out;
}

// A low sine that drops in pitch as it dies: the body of a card, a tabletop
// or a pop.
Signal thump(double fromHz, double toHz, double attack, double decay, double length)
{
    Sine sine(kCosinePhase);
    Signal out(static_cast<std::size_t>(sampleCount(length)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(static_cast<int>(i));
        out[i] = strike(t, attack, decay) * sine.next(glideHz(fromHz, toHz, decay, t));
    }
    endSoftly(out);
    return out;
}

// A bell or struck metal bar: a few partials at fixed ratios of the
// fundamental, the higher ones dying away sooner, and a touch of FM on the
// fundamental that brightens the strike and is gone within a few tens of
// milliseconds. The last quarter of `length` fades out smoothly.
Signal bell(double hz, double decay, double length, double shimmer = 1.0)
{
    struct Partial {
        double ratio;
        double gain;
        double decayShare;  // of `decay`
    };
    constexpr std::array<Partial, 4> kPartials = {
        {{1.0, 1.0, 1.0}, {2.0, 0.32, 0.55}, {3.0, 0.11, 0.32}, {4.2, 0.06, 0.2}}};
    std::array<Sine, kPartials.size()> oscillators;
    oscillators.fill(Sine(kCosinePhase));
    Sine modulator;
    const double fadeFrom = 0.75 * length;
    Signal out(static_cast<std::size_t>(sampleCount(length)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(static_cast<int>(i));
        const double fm = shimmer * std::exp(-t / 0.03) * modulator.next(3.5 * hz);
        double x = 0.0;
        for (std::size_t k = 0; k < kPartials.size(); ++k) {
            const Partial& p = kPartials[k];
            x += p.gain * strike(t, 0.002, decay * p.decayShare) *
                 oscillators[k].next(hz * p.ratio, k == 0 ? fm : 0.0);
        }
        out[i] = x * (1.0 - smoothRise(t - fadeFrom, length - fadeFrom));
    }
    return out;
}

// A soft held tone: a few harmonics of a pitch that may glide, rounded off
// by a low-pass filter. `harmonics` are the gains of partials 1, 2, 3, ...
Signal softTone(double fromHz, double toHz, double glideSeconds, const Adsr& envelope,
                double noteLength, std::initializer_list<double> harmonics, double lowpassHz)
{
    std::vector<Sine> oscillators(harmonics.size(), Sine(kCosinePhase));
    OnePole lowpass = OnePole::lowpass(lowpassHz);
    Signal out(static_cast<std::size_t>(sampleCount(envelope.length(noteLength))));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(static_cast<int>(i));
        const double hz = glideHz(fromHz, toHz, glideSeconds, t);
        double x = 0.0;
        std::size_t k = 0;
        for (double gain : harmonics) {
            x += gain * oscillators[k].next(hz * static_cast<double>(k + 1));
            ++k;
        }
        out[i] = lowpass.process(envelope.at(t, noteLength) * x);
    }
    return out;
}

// A brass-like FM note: the modulator at the carrier's own frequency, its
// depth following the envelope, so the note opens up as it gets louder.
Signal brassNote(double hz, const Adsr& envelope, double noteLength)
{
    Sine carrier;
    Sine modulator;
    OnePole lowpass = OnePole::lowpass(5000.0);
    Signal out(static_cast<std::size_t>(sampleCount(envelope.length(noteLength))));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(static_cast<int>(i));
        const double level = envelope.at(t, noteLength);
        const double depth = 0.3 + 1.5 * level;
        out[i] = lowpass.process(level * carrier.next(hz, depth * modulator.next(hz)));
    }
    return out;
}

// ---- Cards and table -------------------------------------------------------

// "WHodsDo": the card brushes across the cloth and lands. It follows every
// take and discard, so it is kept short, soft-edged and not too bright.
Signal cardSlide()
{
    constexpr double kLanding = 0.068;
    Signal out = bandNoise(1, 3000.0, 1500.0, 0.8, 0.09,
                           [](double t) { return 0.4 * swell(t, 0.035, 0.05); });
    mixInto(out, thump(150.0, 95.0, 0.0015, 0.02, 0.06), kLanding, 1.0);
    mixInto(
        out,
        bandNoise(2, 1800.0, 1800.0, 0.7, 0.03, [](double t) { return strike(t, 0.0008, 0.005); }),
        kLanding, 0.25);
    // The cloth swallows the top of the brush.
    OnePole cloth = OnePole::lowpass(5000.0);
    for (double& x : out) {
        x = cloth.process(x);
    }
    return out;
}

// "WTasoKo": cards leaving the deck one after another: each brushes past the
// next card and snaps free.
Signal dealRiffle()
{
    struct Flick {
        double at;
        double hz;
        double gain;
    };
    constexpr std::array<Flick, 4> kFlicks = {
        {{0.0, 2600.0, 0.8}, {0.058, 3100.0, 0.9}, {0.112, 2400.0, 0.85}, {0.163, 2900.0, 1.0}}};
    Signal out;
    std::uint64_t seed = 10;
    for (const Flick& flick : kFlicks) {
        const double snap = flick.at + 0.02;
        const double body = snap + 0.002;  // the deck answers just after the snap
        mixInto(out,
                bandNoise(seed++, 0.7 * flick.hz, 1.2 * flick.hz, 1.2, 0.03,
                          [](double t) { return swell(t, 0.014, 0.01); }),
                flick.at, 0.25 * flick.gain);
        mixInto(out,
                bandNoise(seed++, flick.hz, flick.hz, 1.5, 0.05,
                          [](double t) { return strike(t, 0.0008, 0.008); }),
                snap, 0.6 * flick.gain);
        mixInto(out, thump(230.0, 170.0, 0.001, 0.012, 0.05), body, 0.35 * flick.gain);
    }
    return out;
}

// One rap of a knuckle on a wooden tabletop: the board's few resonances,
// lowest (and longest) around 200 Hz, each bent slightly down at the
// impact, plus the short contact noise. Only the lowest mode starts on its
// crest; the others start at zero, so that their crests do not all pile up
// on the first sample. The first milliseconds, where the modes add up, are
// rounded off as a hard knock saturates: a harder "tok" that carries as
// well as the other effects at the same peak level.
Signal knock(double pitch)
{
    struct Mode {
        double hz;
        double gain;
        double decay;
    };
    constexpr std::array<Mode, 4> kModes = {
        {{205.0, 1.0, 0.05}, {488.0, 0.7, 0.028}, {1130.0, 0.35, 0.012}, {2290.0, 0.15, 0.006}}};
    std::array<Sine, kModes.size()> oscillators;
    oscillators[0] = Sine(kCosinePhase);
    Signal out(static_cast<std::size_t>(sampleCount(0.2)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(static_cast<int>(i));
        const double bend = 1.0 + 0.05 * std::exp(-t / 0.004);
        double x = 0.0;
        for (std::size_t k = 0; k < kModes.size(); ++k) {
            const Mode& m = kModes[k];
            x += m.gain * strike(t, 0.0008, m.decay) * oscillators[k].next(pitch * m.hz * bend);
        }
        out[i] = softClip(x, 1.0);
    }
    endSoftly(out);
    mixInto(out,
            bandNoise(20, 2500.0, 2500.0, 0.8, 0.02,
                      [](double t) { return strike(t, 0.0005, 0.0025); }),
            0.0, 0.15);
    return out;
}

// "WPlMore": two knocks on the table, the second a little softer.
Signal tableKnock()
{
    Signal out = knock(1.0);
    mixInto(out, knock(0.97), 0.15, 0.85);
    return out;
}

// ---- Results ---------------------------------------------------------------

// "WKoGutX": a deal won.
Signal dealWon()
{
    Signal out = bell(noteHz(81), 0.16, 0.55);              // A5
    mixInto(out, bell(noteHz(88), 0.18, 0.55), 0.09, 1.1);  // E6
    return out;
}

// "WKoGood": a game left with a plus; the deal-won chime grown by a note.
Signal gameWon()
{
    Signal out = bell(noteHz(81), 0.16, 0.45);                // A5
    mixInto(out, bell(noteHz(85), 0.17, 0.45), 0.085, 1.05);  // C#6
    mixInto(out, bell(noteHz(88), 0.22, 0.7), 0.17, 1.15);    // E6
    return out;
}

const Adsr kSoftLow{0.015, 0.12, 0.6, 0.15};

// "WKoBadX": a deal lost: a low tone that sinks a fifth.
Signal dealLost()
{
    return softTone(noteHz(64), noteHz(57), 0.28, kSoftLow, 0.3, {1.0, 0.3, 0.12}, 1000.0);
}

// "WKoBads": a game left with a minus: a low step down, then a sinking tone.
Signal gameLost()
{
    Signal out = softTone(noteHz(62), noteHz(62), 0.0, {0.015, 0.1, 0.7, 0.06}, 0.17,
                          {1.0, 0.3, 0.12}, 1000.0);  // D4
    mixInto(out,
            softTone(noteHz(57), noteHz(56), 0.35, {0.02, 0.15, 0.6, 0.2}, 0.35, {1.0, 0.3, 0.12},
                     1000.0),  // A3 sinking towards G#3
            0.2);
    return out;
}

// "WFiBest": first place: C major climbing to a held C6 over its chord, with
// a bell an octave above for sparkle.
Signal bestPlace()
{
    const Adsr shortNote{0.012, 0.08, 0.75, 0.08};
    const Adsr longNote{0.012, 0.15, 0.7, 0.3};
    Signal out;
    mixInto(out, brassNote(noteHz(72), shortNote, 0.1), 0.0);  // C5
    mixInto(out, brassNote(noteHz(76), shortNote, 0.1), 0.1);  // E5
    mixInto(out, brassNote(noteHz(79), shortNote, 0.1), 0.2);  // G5
    mixInto(out, brassNote(noteHz(84), longNote, 0.45), 0.3);  // C6
    mixInto(out, brassNote(noteHz(76), longNote, 0.45), 0.3, 0.35);
    mixInto(out, brassNote(noteHz(79), longNote, 0.45), 0.3, 0.35);
    mixInto(out, bell(noteHz(96), 0.25, 0.6, 0.5), 0.3, 0.25);  // C7
    return out;
}

// "WFiGood": a place in the top ten: a rising fourth on bells.
Signal goodPlace()
{
    Signal out = bell(noteHz(79), 0.3, 0.85);               // G5
    mixInto(out, bell(noteHz(84), 0.32, 0.85), 0.17, 1.1);  // C6
    return out;
}

// "WFiBads": no place: down the A minor chord, softly, the last note held
// over its lower octave.
Signal badPlace()
{
    const Adsr passing{0.02, 0.2, 0.5, 0.25};
    const Adsr last{0.02, 0.25, 0.55, 0.35};
    const std::initializer_list<double> mellow = {1.0, 0.25, 0.1};
    Signal out;
    mixInto(out, softTone(noteHz(64), noteHz(64), 0.0, passing, 0.25, mellow, 1200.0), 0.0);
    mixInto(out, softTone(noteHz(60), noteHz(60), 0.0, passing, 0.25, mellow, 1200.0), 0.2);
    mixInto(out, softTone(noteHz(57), noteHz(57), 0.0, last, 0.4, mellow, 1200.0), 0.4);
    mixInto(out, softTone(noteHz(45), noteHz(45), 0.0, last, 0.4, mellow, 1200.0), 0.4, 0.3);
    return out;
}

// ---- Interface -------------------------------------------------------------

// "WOpenFo": a soft rising whoosh that ends in a pop as the window settles.
Signal windowOpens()
{
    Signal out =
        bandNoise(30, 450.0, 2800.0, 1.4, 0.2, [](double t) { return 0.3 * swell(t, 0.11, 0.08); });
    mixInto(out, thump(380.0, 820.0, 0.002, 0.028, 0.09), 0.1, 0.7);
    return out;
}

// "WToMenK": one light glassy ping.
Signal newArrival()
{
    return bell(noteHz(91), 0.12, 0.4, 0.8);  // G6
}

// A soft buzz: a rounded square wave (odd harmonics) in two slightly
// detuned voices.
Signal buzz(double hz, double noteLength)
{
    const Adsr envelope{0.006, 0.04, 0.8, 0.03};
    Signal out = softTone(hz, hz, 0.0, envelope, noteLength,
                          {1.0, 0.0, 1.0 / 3.0, 0.0, 1.0 / 5.0, 0.0, 1.0 / 7.0}, 1100.0);
    mixInto(out,
            softTone(1.006 * hz, 1.006 * hz, 0.0, envelope, noteLength,
                     {1.0, 0.0, 1.0 / 3.0, 0.0, 1.0 / 5.0, 0.0, 1.0 / 7.0}, 1100.0),
            0.0, 0.6);
    return out;
}

// "WWrongs": two low blips, the second lower.
Signal failure()
{
    Signal out = buzz(165.0, 0.075);
    mixInto(out, buzz(147.0, 0.09), 0.13);
    return out;
}

// A clock's tick: a tiny snap, a short metallic ring and a hint of body.
Signal tick(std::uint64_t seed, double hz)
{
    Signal out = bandNoise(seed, 3500.0, 3500.0, 3.0, 0.03,
                           [](double t) { return 0.5 * strike(t, 0.0004, 0.003); });
    mixInto(out, thump(hz, hz, 0.0005, 0.014, 0.06), 0.0, 0.45);
    mixInto(out, thump(0.48 * hz, 0.48 * hz, 0.0008, 0.02, 0.08), 0.0, 0.3);
    return out;
}

// "STimerA": the move clock ticks.
Signal clockTick()
{
    return tick(40, 1900.0);
}

// "STimerB": the move clock ticks in its last seconds: a brighter tick and a
// short beep.
Signal clockHurry()
{
    Signal out = tick(41, 2400.0);
    mixInto(out,
            softTone(noteHz(88), noteHz(88), 0.0, {0.004, 0.03, 0.7, 0.035}, 0.05, {1.0, 0.15},
                     6000.0),  // E6
            0.004, 0.6);
    return out;
}

}  // namespace

const std::vector<Effect>& effects()
{
    static const std::vector<Effect> all = {
        {"WTasoKo", dealRiffle}, {"WHodsDo", cardSlide},   {"WPlMore", tableKnock},
        {"WKoGutX", dealWon},    {"WKoGood", gameWon},     {"WKoBadX", dealLost},
        {"WKoBads", gameLost},   {"WFiBest", bestPlace},   {"WFiGood", goodPlace},
        {"WFiBads", badPlace},   {"WOpenFo", windowOpens}, {"WToMenK", newArrival},
        {"WWrongs", failure},    {"STimerA", clockTick},   {"STimerB", clockHurry},
    };
    return all;
}

Signal renderEffect(const Effect& effect)
{
    Signal out(static_cast<std::size_t>(sampleCount(kLeadIn)), 0.0);
    mixInto(out, effect.render(), kLeadIn);
    // What is left of an offset goes, and anything below hearing with it.
    Biquad dcBlock = Biquad::highpass(20.0, 0.7071);
    for (double& x : out) {
        x = dcBlock.process(x);
    }
    fadeEdges(out, 0.0, kFadeOut);
    normalisePeak(out, kPeakDbfs);
    return out;
}

}  // namespace olk::soundgen
