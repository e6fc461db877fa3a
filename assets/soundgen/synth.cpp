#include "assets/soundgen/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace olk::soundgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

}  // namespace

int sampleCount(double seconds)
{
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

double noteHz(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

double dbToGain(double db)
{
    return std::pow(10.0, db / 20.0);
}

double gainToDb(double gain)
{
    return 20.0 * std::log10(gain);
}

void mixInto(Signal& target, const Signal& source, double atSeconds, double gain)
{
    const std::size_t start = static_cast<std::size_t>(sampleCount(atSeconds));
    if (target.size() < start + source.size()) {
        target.resize(start + source.size(), 0.0);
    }
    for (std::size_t i = 0; i < source.size(); ++i) {
        target[start + i] += gain * source[i];
    }
}

Noise::Noise(std::uint64_t seed)
    // A zero state would stay zero; mixing in a constant avoids it for every seed.
    : m_state(seed ^ 0x9E3779B97F4A7C15ULL)
{
}

double Noise::next()
{
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    const std::uint64_t word = m_state * 0x2545F4914F6CDD1DULL;
    // The top 53 bits fill a double's mantissa exactly.
    return static_cast<double>(word >> 11) * (2.0 / 9007199254740992.0) - 1.0;
}

double Sine::next(double frequency, double phaseOffset)
{
    const double value = std::sin(kTwoPi * m_phase + phaseOffset);
    m_phase += frequency / kSampleRate;
    m_phase -= std::floor(m_phase);
    return value;
}

double glideHz(double from, double to, double seconds, double t)
{
    if (t >= seconds) {
        return to;
    }
    if (t <= 0.0) {
        return from;
    }
    return from * std::pow(to / from, t / seconds);
}

double smoothRise(double t, double seconds)
{
    if (t <= 0.0) {
        return 0.0;
    }
    if (t >= seconds) {
        return 1.0;
    }
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / seconds);
}

double strike(double t, double attack, double decay)
{
    if (t <= 0.0) {
        return 0.0;
    }
    if (t < attack) {
        return smoothRise(t, attack);
    }
    return std::exp(-(t - attack) / decay);
}

double swell(double t, double rise, double fall)
{
    return smoothRise(t, rise) * (1.0 - smoothRise(t - rise, fall));
}

double Adsr::at(double t, double noteLength) const
{
    if (t <= 0.0 || t >= noteLength + release) {
        return 0.0;
    }
    double level = t < attack ? smoothRise(t, attack)
                              : sustain + (1.0 - sustain) * std::exp(-(t - attack) / decay);
    if (t > noteLength) {
        level *= 1.0 - smoothRise(t - noteLength, release);
    }
    return level;
}

OnePole OnePole::lowpass(double cutoffHz)
{
    return OnePole(1.0 - std::exp(-kTwoPi * cutoffHz / kSampleRate), false);
}

OnePole OnePole::highpass(double cutoffHz)
{
    return OnePole(1.0 - std::exp(-kTwoPi * cutoffHz / kSampleRate), true);
}

double OnePole::process(double x)
{
    m_low += m_a * (x - m_low);
    return m_highpass ? x - m_low : m_low;
}

Biquad Biquad::lowpass(double cutoffHz, double q)
{
    Biquad filter;
    filter.setLowpass(cutoffHz, q);
    return filter;
}

Biquad Biquad::highpass(double cutoffHz, double q)
{
    Biquad filter;
    filter.setHighpass(cutoffHz, q);
    return filter;
}

Biquad Biquad::bandpass(double centreHz, double q)
{
    Biquad filter;
    filter.setBandpass(centreHz, q);
    return filter;
}

void Biquad::setLowpass(double cutoffHz, double q)
{
    const double w = kTwoPi * cutoffHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    set((1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

void Biquad::setHighpass(double cutoffHz, double q)
{
    const double w = kTwoPi * cutoffHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    set((1.0 + c) / 2.0, -(1.0 + c), (1.0 + c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

void Biquad::setBandpass(double centreHz, double q)
{
    const double w = kTwoPi * centreHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    set(alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

void Biquad::set(double b0, double b1, double b2, double a0, double a1, double a2)
{
    m_b0 = b0 / a0;
    m_b1 = b1 / a0;
    m_b2 = b2 / a0;
    m_a1 = a1 / a0;
    m_a2 = a2 / a0;
}

double Biquad::process(double x)
{
    const double y = m_b0 * x + m_z1;
    m_z1 = m_b1 * x - m_a1 * y + m_z2;
    m_z2 = m_b2 * x - m_a2 * y;
    return y;
}

double peakOf(const Signal& signal)
{
    double peak = 0.0;
    for (double x : signal) {
        peak = std::max(peak, std::abs(x));
    }
    return peak;
}

double rmsOf(const Signal& signal)
{
    if (signal.empty()) {
        return 0.0;
    }
    double sum = 0.0;
    for (double x : signal) {
        sum += x * x;
    }
    return std::sqrt(sum / static_cast<double>(signal.size()));
}

double softClip(double x, double ceiling)
{
    return ceiling * std::tanh(x / ceiling);
}

void normalisePeak(Signal& signal, double peakDbfs)
{
    const double peak = peakOf(signal);
    if (peak == 0.0) {
        return;
    }
    const double gain = dbToGain(peakDbfs) / peak;
    for (double& x : signal) {
        x *= gain;
    }
}

void fadeEdges(Signal& signal, double fadeIn, double fadeOut)
{
    const int count = static_cast<int>(signal.size());
    const int in = std::min(count, sampleCount(fadeIn));
    const int out = std::min(count, sampleCount(fadeOut));
    // Sample 0 and the last sample get a gain of exactly 0.
    for (int i = 0; i < in; ++i) {
        signal[static_cast<std::size_t>(i)] *= smoothRise(timeOf(i), fadeIn);
    }
    for (int i = 0; i < out; ++i) {
        signal[static_cast<std::size_t>(count - 1 - i)] *= smoothRise(timeOf(i), fadeOut);
    }
}

}  // namespace olk::soundgen
