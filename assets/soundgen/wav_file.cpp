#include "assets/soundgen/wav_file.h"

#include <algorithm>
#include <cmath>

namespace olk::soundgen {

namespace {

void putText(std::vector<std::uint8_t>& out, const char (&text)[5])
{
    // Byte by byte: GCC 12 at -O3 takes a four-byte insert() for an overflow.
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(text[i]));
    }
}

void putU16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    putU16(out, value & 0xFFFF);
    putU16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> encodeWav(const Signal& samples, int sampleRate)
{
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    const auto rate = static_cast<std::uint32_t>(sampleRate);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    putText(out, "RIFF");
    putU32(out, 36 + dataSize);
    putText(out, "WAVE");
    putText(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1);
    putU16(out, 1);
    putU32(out, rate);
    putU32(out, rate * kBytesPerSample);
    putU16(out, kBytesPerSample);
    putU16(out, 16);
    putText(out, "data");
    putU32(out, dataSize);
    for (double x : samples) {
        if (!std::isfinite(x)) {
            x = 0.0;
        }
        const double scaled = std::clamp(std::round(x * 32767.0), -32768.0, 32767.0);
        // Two's complement of the 16-bit value.
        putU16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(scaled)));
    }
    return out;
}

}  // namespace olk::soundgen
