#include "shuffle.h"

#include <array>
#include <bit>
#include <chrono>
#include <random>

namespace olk {

namespace {

std::uint64_t splitmix64(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t rotl(std::uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

}  // namespace

Rng::Rng(std::uint64_t seed)
{
    for (auto& s : m_s) {
        s = splitmix64(seed);
    }
}

Rng Rng::fromClock()
{
    std::random_device device;
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return Rng(ticks ^ (std::uint64_t{device()} << 32 | device()));
}

std::uint64_t Rng::next()
{
    const std::uint64_t result = rotl(m_s[1] * 5, 7) * 9;
    const std::uint64_t t = m_s[1] << 17;
    m_s[2] ^= m_s[0];
    m_s[3] ^= m_s[1];
    m_s[1] ^= m_s[2];
    m_s[0] ^= m_s[3];
    m_s[2] ^= t;
    m_s[3] = rotl(m_s[3], 45);
    return result;
}

int Rng::uniform1(int n)
{
    if (n <= 1) {
        return 1;
    }
    const auto range = static_cast<std::uint32_t>(n);
    const int width = std::bit_width(range - 1);
    const std::uint64_t mask = (std::uint64_t{1} << width) - 1;
    while (true) {
        if (m_bitsLeft < width) {
            m_bits = next();
            m_bitsLeft = 64;
        }
        const auto value = static_cast<std::uint32_t>(m_bits & mask);
        m_bits >>= width;
        m_bitsLeft -= width;
        if (value < range) {
            return static_cast<int>(value) + 1;
        }
    }
}

void shuffleDeck(DeckCells& deck, Rng& rng)
{
    // Every attempt draws six random bits, a uniform number 0..63; values of
    // 52 and more are drawn again, and so is a card already drawn. Written
    // without branches on the drawn value, since those are unpredictable by
    // nature and would dominate the cost.
    static constexpr auto kCards = [] {
        std::array<CardCell, kDeckCards> cards{};
        for (int n = 1; n <= kDeckCards; ++n) {
            cards[static_cast<std::size_t>(n - 1)] = cardFromNumber(n);
        }
        return cards;
    }();
    // seen[] marks the numbers already drawn, and the six-bit values of 52
    // and up as if they were, so one lookup rejects both. Once all 52 cards
    // are drawn nothing is fresh any more, so the rest of a 64-bit output can
    // be run through without a test per value.
    std::uint8_t seen[64] = {};
    for (int v = kDeckCards; v < 64; ++v) {
        seen[v] = 1;
    }
    std::uint8_t order[kDeckCards + 1];
    int filled = 0;
    while (filled < kDeckCards) {
        std::uint64_t bits = rng.next();
        for (int k = 0; k < 10; ++k) {
            const auto value = static_cast<unsigned>(bits & 63);
            bits >>= 6;
            const int fresh = seen[value] ^ 1;
            seen[value] = 1;
            order[filled] = static_cast<std::uint8_t>(value);
            filled += fresh;
        }
    }
    for (int i = 1; i <= kDeckCards; ++i) {
        deck[i] = kCards[order[i - 1]];
    }
}

}  // namespace olk
