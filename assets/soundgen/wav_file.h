#pragma once

// The sound effects are stored as WAV files: 16-bit PCM, one channel.
//
// Layout (every number little-endian), 44 bytes of header, then the samples:
//   offset  size  value
//        0     4  "RIFF"
//        4     4  36 + data size (the bytes that follow this field)
//        8     4  "WAVE"
//       12     4  "fmt "
//       16     4  16 (size of the format chunk)
//       20     2  1 (PCM)
//       22     2  1 (channels)
//       24     4  sample rate (Hz)
//       28     4  byte rate = sample rate * 2
//       32     2  block alignment = 2
//       34     2  16 (bits per sample)
//       36     4  "data"
//       40     4  data size = 2 * sample count
//       44        the samples, signed 16-bit
//
// Sample values are -1..1 of full scale; 1 becomes 32767, anything beyond is
// clipped, and values are rounded to the nearest step (no dither: the same
// signal always gives the same bytes).

#include <cstdint>
#include <vector>

#include "assets/soundgen/synth.h"

namespace olk::soundgen {

std::vector<std::uint8_t> encodeWav(const Signal& samples, int sampleRate = kSampleRate);

}  // namespace olk::soundgen
