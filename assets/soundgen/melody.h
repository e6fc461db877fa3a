#pragma once

// "MidiSong", the melody of the start-up picture and the main menu: a light
// tune in C major for flute and vibraphone over a nylon guitar, a double bass
// and soft strings, 32 bars at 104 beats a minute (about 74 seconds), written
// here note by note as a Standard MIDI File with General MIDI instruments. It
// ends on a whole bar and a breath, so that it loops without a seam.

#include <cstdint>
#include <vector>

namespace olk::soundgen {

constexpr int kMelodyTicksPerBeat = 480;
constexpr int kMelodyBeatsPerMinute = 104;
constexpr int kMelodyBars = 32;

// The song as a format-1 Standard MIDI File: a tempo track and one track for
// each instrument. The same bytes every time.
std::vector<std::uint8_t> composeMidiSong();

}  // namespace olk::soundgen
