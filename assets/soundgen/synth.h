#pragma once

// A small synthesis toolkit for the program's sound effects: oscillators,
// envelopes, filters, seeded noise and the finishing steps (fades, peak
// level). Signals are plain sample vectors at one fixed rate; everything is
// computed in double precision and depends on nothing but its arguments, so
// the same program always renders the same samples.

#include <cstdint>
#include <vector>

namespace olk::soundgen {

constexpr int kSampleRate = 44100;

using Signal = std::vector<double>;

// Samples in a stretch of time, rounded to the nearest sample.
int sampleCount(double seconds);

// Seconds from the start of a signal to sample `index`.
inline double timeOf(int index)
{
    return static_cast<double>(index) / kSampleRate;
}

// The frequency of a MIDI note number (69 is A4 = 440 Hz), equal temperament.
double noteHz(int midiNote);

double dbToGain(double db);
double gainToDb(double gain);

// Adds `source`, scaled by `gain`, into `target` from `atSeconds` on; the
// target grows when the source reaches past its end.
void mixInto(Signal& target, const Signal& source, double atSeconds, double gain = 1.0);

// White noise from xorshift64*, so that a seed gives the same noise with any
// compiler and standard library (std::uniform_real_distribution does not).
class Noise {
public:
    explicit Noise(std::uint64_t seed);
    // Uniform in [-1, 1).
    double next();

private:
    std::uint64_t m_state;
};

// A sine oscillator with a running phase, so its frequency may change from
// sample to sample (glides, vibrato, FM) without a jump in the wave.
class Sine {
public:
    // `startPhase` in cycles: 0 starts at a zero crossing, 0.25 on the crest.
    explicit Sine(double startPhase = 0.0) : m_phase(startPhase) {}
    // The current value, then advances by one sample at `frequency` Hz.
    // `phaseOffset` (radians) is added to this sample only: the FM input.
    double next(double frequency, double phaseOffset = 0.0);

private:
    double m_phase;  // in cycles, kept in [0, 1)
};

// A frequency that moves from `from` to `to` in `seconds` along an
// exponential (musically even) path, then stays at `to`.
double glideHz(double from, double to, double seconds, double t);

// Rises from 0 to 1 over `seconds` along half a cosine: no corner at either
// end, which is what keeps an onset free of clicks.
double smoothRise(double t, double seconds);

// A struck sound's envelope: a smooth rise over `attack`, then an exponential
// fall with time constant `decay` (1/e after `decay` seconds). 0 before t = 0.
double strike(double t, double attack, double decay);

// A swell for breathy sounds: a smooth rise over `rise` seconds, then a
// smooth fall to 0 over the next `fall` seconds.
double swell(double t, double rise, double fall);

// Attack, decay, sustain, release. The note is held for `noteLength`
// seconds (attack and decay included), then released to exactly 0.
struct Adsr {
    double attack = 0.005;  // smooth rise to 1
    double decay = 0.05;    // time constant of the fall towards sustain
    double sustain = 0.7;   // level while held
    double release = 0.05;  // smooth fall to 0 after the note
    double at(double t, double noteLength) const;
    double length(double noteLength) const { return noteLength + release; }
};

// One-pole filter (6 dB per octave): cheap smoothing and tilting.
class OnePole {
public:
    static OnePole lowpass(double cutoffHz);
    static OnePole highpass(double cutoffHz);
    double process(double x);

private:
    OnePole(double a, bool highpass) : m_a(a), m_highpass(highpass) {}
    double m_a;
    bool m_highpass;
    double m_low = 0.0;
};

// Biquad filter after Robert Bristow-Johnson's cookbook. Its coefficients
// may be changed between samples (a sweeping band), the state stays.
class Biquad {
public:
    static Biquad lowpass(double cutoffHz, double q);
    static Biquad highpass(double cutoffHz, double q);
    // Unity gain at the centre frequency.
    static Biquad bandpass(double centreHz, double q);

    void setLowpass(double cutoffHz, double q);
    void setHighpass(double cutoffHz, double q);
    void setBandpass(double centreHz, double q);
    double process(double x);

private:
    Biquad() = default;
    void set(double b0, double b1, double b2, double a0, double a1, double a2);
    double m_b0 = 1.0, m_b1 = 0.0, m_b2 = 0.0, m_a1 = 0.0, m_a2 = 0.0;
    double m_z1 = 0.0, m_z2 = 0.0;  // transposed direct form II
};

double peakOf(const Signal& signal);
double rmsOf(const Signal& signal);

// Rounds off peaks above about `ceiling` and leaves smaller values nearly
// as they are (ceiling * tanh(x / ceiling)).
double softClip(double x, double ceiling);

// Scales the signal so that its largest magnitude is `peakDbfs` (a silent
// signal stays silent).
void normalisePeak(Signal& signal, double peakDbfs);

// Shapes the first `fadeIn` and the last `fadeOut` seconds with half-cosine
// ramps, so the signal starts and ends at exactly 0.
void fadeEdges(Signal& signal, double fadeIn, double fadeOut);

}  // namespace olk::soundgen
