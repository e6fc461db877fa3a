#pragma once

#include <cstdint>

#include "table_state.h"

namespace olk {

// A small, fast generator (xoshiro256**, seeded through splitmix64). The
// deal of a game never depends on anything but its seed, so tests and tools
// can reproduce a deal exactly.
class Rng {
public:
    explicit Rng(std::uint64_t seed);

    // Seeded from the clock and the system's entropy source.
    static Rng fromClock();

    std::uint64_t next();

    // A uniform integer in 1..n, 1 <= n <= 2^31, without bias.
    int uniform1(int n);

private:
    // Draws take only as many bits as n needs from a buffered 64-bit output
    // and reject values >= n, so a draw of 1..52 costs six bits most times.
    std::uint64_t m_s[4];
    std::uint64_t m_bits = 0;
    int m_bitsLeft = 0;
};

// Fills the deck with a random permutation of the 52 cards: for each deck
// cell a number 1..52 is drawn, drawn again while it repeats one already
// drawn, and turned into its card by the deck numbering.
void shuffleDeck(DeckCells& deck, Rng& rng);

}  // namespace olk
