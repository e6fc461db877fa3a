#pragma once

// The club's music: six short pieces in different characters, each composed
// here as a Standard MIDI File with General MIDI instruments. A piece is a
// chord chart, a form and a style; the tune is drawn over the chords from a
// fixed seed (chord tones on the strong beats, steps of the scale between,
// phrases of four bars whose rhythms come back), so every build writes the
// same notes.

#include <cstdint>
#include <string>
#include <vector>

namespace olk::musicgen {

struct PieceInfo {
    std::string title;   // "Card Room Waltz"
    std::string band;    // "Olk club band"
    double seconds = 0;  // the music's length, without the final ring
};

// The pieces in their order.
std::vector<PieceInfo> pieces();

// Piece `index` (0-based) as a format-1 Standard MIDI File.
std::vector<std::uint8_t> composePiece(int index);

// The file name a track is served under: title + "~" + band + ".ogg", with
// "_" for every blank.
std::string trackFileName(const PieceInfo& piece);

}  // namespace olk::musicgen
