#include "core/shuffle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace olk {
namespace {

std::string text(const DeckCells& deck)
{
    std::string out;
    for (const CardCell& cell : deck) {
        out += (out.empty() ? "" : " ") + cardToUtf8(cell.code);
    }
    return out;
}

TEST(Shuffle, EveryCardExactlyOnce)
{
    Rng rng(7);
    for (int round = 0; round < 2000; ++round) {
        DeckCells deck;
        shuffleDeck(deck, rng);
        std::uint64_t seen = 0;
        for (const CardCell& cell : deck) {
            const int n = numberOfCard(cell.code);
            ASSERT_GE(n, 1);
            ASSERT_EQ(cell, cellFor(cell.code));
            ASSERT_FALSE(seen & (std::uint64_t{1} << (n - 1))) << "repeated card";
            seen |= std::uint64_t{1} << (n - 1);
        }
        ASSERT_EQ(seen, (std::uint64_t{1} << 52) - 1);
    }
}

TEST(Shuffle, SeedPinsTheDeck)
{
    // A change here changes every recorded deal and the simulation signature.
    Rng rng(1);
    DeckCells deck;
    shuffleDeck(deck, rng);
    EXPECT_EQ(text(deck),
              "3б 2п Тб 5п Дп Тк Дк Тп Вч 5б 3п 8б 7б 7ч 4к 4ч 8ч Вб 4п Вп 5к 2к Кп Кк 6ч 8к "
              "6к 4б 1к 9ч 2б 6п Вк 6б Тч 9б 9к Кч 3к 1б Дч Кб 8п Дб 3ч 5ч 1п 7п 1ч 2ч 7к 9п");
    Rng again(1);
    DeckCells same;
    shuffleDeck(same, again);
    EXPECT_EQ(same, deck);
}

TEST(Shuffle, CardsSpreadEvenlyOverPositions)
{
    // 52,000 shuffles: each card lands in deck cell 1 about 1,000 times. A
    // chi-square statistic far above its 51 degrees of freedom means a bias.
    Rng rng(99);
    constexpr int kRounds = 52'000;
    int firstCell[53] = {};
    int lastCell[53] = {};
    for (int round = 0; round < kRounds; ++round) {
        DeckCells deck;
        shuffleDeck(deck, rng);
        ++firstCell[numberOfCard(deck[1].code)];
        ++lastCell[numberOfCard(deck[52].code)];
    }
    for (const int* counts : {firstCell, lastCell}) {
        double chi2 = 0;
        for (int n = 1; n <= 52; ++n) {
            const double d = counts[n] - kRounds / 52.0;
            chi2 += d * d / (kRounds / 52.0);
        }
        EXPECT_LT(chi2, 100.0);  // p < 0.0001 for 51 degrees of freedom
    }
}

TEST(Rng, UniformStaysInRange)
{
    Rng rng(3);
    for (const int n : {1, 2, 3, 52, 64, 1000}) {
        bool sawMax = false;
        for (int i = 0; i < 20000; ++i) {
            const int v = rng.uniform1(n);
            ASSERT_GE(v, 1);
            ASSERT_LE(v, n);
            sawMax = sawMax || v == n;
        }
        EXPECT_TRUE(sawMax) << n;
    }
}

}  // namespace
}  // namespace olk
