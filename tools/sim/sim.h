#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace olk::sim {

// olk-sim plays deals of one local game in which the computer opponent holds
// all four seats, the local seat included.
struct Options {
    std::int64_t deals = 1000;
    std::optional<std::uint64_t> seed;  // a clock seed when absent
    std::string decksFile;              // empty: shuffle every deal
    bool threeOfAKind30 = true;
    bool punishKnocker = false;
    bool transcript = false;
    bool help = false;
};

// The one-paragraph usage text.
const char* usage();

inline constexpr std::int64_t kMaxDeals = 10'000'000;

// The options of a command line, or a message saying what is wrong with it.
std::variant<Options, std::string> parseArguments(const std::vector<std::string>& args);

// A deck as the card numbers 1..52 of its cells, in deck order.
using DeckNumbers = std::array<std::uint8_t, 52>;

// A decks file holds one deck a line: 52 card codes in deck order, UTF-8,
// separated by single blanks ("2ч 2б 2к 2п 3ч ..."). Line endings may be LF
// or CR LF. Every line must be a whole deck, each card exactly once, and
// there must be at least `deals` lines. Returns the decks, or a message that
// names the first bad line and what is wrong with it.
std::variant<std::vector<DeckNumbers>, std::string> parseDecks(std::istream& in,
                                                               std::int64_t deals);

// Plays the deals and writes the transcript or the summary line to `out`.
// Returns the exit status: 0; 1 when the output could not be written, 2 when
// the options or the decks file are bad (either with a message on `err`).
int run(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace olk::sim
