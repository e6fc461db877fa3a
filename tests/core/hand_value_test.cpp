#include "core/hand_value.h"

#include <gtest/gtest.h>

#include "table_fixture.h"

namespace olk {
namespace {

using test::hand;

TEST(HandValue, Cases)
{
    struct Case {
        const char* cells;
        bool threeOfAKind30;
        double value;
    };
    const Case cases[] = {
        // One suit: nothing outside the best suit, no fraction.
        {"Тч Кч 1ч ##", true, 31.0},
        // A side card adds its points in hundredths.
        {"Тч Кч 5б ##", true, 21.05},
        // Three suits: the lowest card adds only ten-thousandths.
        {"9к 5б 7п ##", true, 9.0705},
        // Equal sums go to the suit first in value order (diamonds); the
        // lowest card is the first of the equal ones, in cell order.
        {"Кк Вб 1п ##", true, 10.101},
        {"Вб Кк 1п ##", true, 10.2},
        // Three of a kind, with and without the option.
        {"7ч 7к 7б ##", true, 30.0},
        {"7ч 7к 7б ##", false, 7.14},
        {"Тч Тк Тб ##", true, 30.0},
        // A trial hand with its gap in cell 2: cell 4 moves into it.
        {"2ч ## 9к Дб", true, 10.0902},
        // Lowest possible hand: three suits, the best suit holds a two.
        {"2ч 3к 4б ##", true, 4.0302},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(handValue(hand(c.cells), c.threeOfAKind30), c.value) << c.cells;
        EXPECT_EQ(handScore(hand(c.cells), c.threeOfAKind30), static_cast<int>(c.value)) << c.cells;
    }
}

TEST(HandValue, ComparesExactlyAsTheFixedSumsDo)
{
    // The fraction is built by adding in cell order; a different order of the
    // additions could flip comparisons between nearly equal trial hands.
    EXPECT_EQ(handValue(hand("Кк Вб 1п ##"), true), 10.0 + 0.1 / 100 + 10.0 / 100);
    EXPECT_EQ(handValue(hand("9к 5б 7п ##"), true), 9.0 + 5.0 / 100 / 100 + 7.0 / 100);
}

TEST(HandValue, NeverChangesTheCallersCells)
{
    const HandCells cells = hand("2ч ## 9к Дб");
    const HandCells copy = cells;
    handValue(cells, true);
    EXPECT_EQ(cells, copy);
}

TEST(HandValue, WholePartStaysBetweenTwoAndThirtyOne)
{
    // Every three-card hand of the deck.
    for (int a = 1; a <= 52; ++a) {
        for (int b = a + 1; b <= 52; ++b) {
            for (int c = b + 1; c <= 52; ++c) {
                HandCells cells;
                cells[1] = cardFromNumber(a);
                cells[2] = cardFromNumber(b);
                cells[3] = cardFromNumber(c);
                const int score = handScore(cells, true);
                ASSERT_GE(score, 2);
                ASSERT_LE(score, 31);
                const bool sameRank = cells[1].rankIndex == cells[2].rankIndex &&
                                      cells[2].rankIndex == cells[3].rankIndex;
                if (sameRank) {
                    ASSERT_EQ(handValue(cells, true), 30.0);
                }
            }
        }
    }
}

}  // namespace
}  // namespace olk
