// Any bytes as a decks file: the parser returns decks or a message, and every
// deck it accepts holds each of the 52 cards once.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "tools/sim/sim.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const std::int64_t deals : {1, 3}) {
        std::istringstream in(text);
        const auto parsed = olk::sim::parseDecks(in, deals);
        if (const auto* decks = std::get_if<std::vector<olk::sim::DeckNumbers>>(&parsed)) {
            if (static_cast<std::int64_t>(decks->size()) < deals) {
                std::abort();
            }
            for (const auto& deck : *decks) {
                std::uint64_t seen = 0;
                for (const std::uint8_t n : deck) {
                    if (n < 1 || n > 52 || (seen >> (n - 1) & 1)) {
                        std::abort();
                    }
                    seen |= std::uint64_t{1} << (n - 1);
                }
            }
        } else if (std::get<std::string>(parsed).empty()) {
            std::abort();
        }
    }
    return 0;
}
