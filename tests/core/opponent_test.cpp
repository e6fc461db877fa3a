#include "core/opponent.h"

#include <gtest/gtest.h>

#include "core/hand_value.h"
#include "table_fixture.h"

namespace olk {
namespace {

using test::hand;

// A table where `seat` holds `cells` and `pileTop` lies on the pile.
TableState table(int seat, const char* cells, const char* pileTop, int moveCount, int knocker = 0)
{
    TableState st;
    st.players[seat].cells = hand(cells);
    sortHand(st.players[seat]);
    st.pileCount = 1;
    st.pile[1] = cellFor(test::card(pileTop));
    st.nextDeckIndex = 20;
    st.moveCount = moveCount;
    st.knocker = knocker;
    st.turnState = seat;
    return st;
}

TEST(Opponent, KnockThresholds)
{
    const std::pair<int, double> cases[] = {{0, 0.0},   {3, 0.0},   {4, 19.0},  {6, 19.0},
                                            {7, 22.0},  {10, 22.0}, {11, 25.0}, {14, 25.0},
                                            {15, 28.0}, {39, 28.0}};
    for (const auto& [moveCount, threshold] : cases) {
        EXPECT_EQ(knockThreshold(moveCount), threshold) << moveCount;
    }
}

TEST(Opponent, PileBonusBySuits)
{
    EXPECT_EQ(pileBonus(hand("7ч 9ч 1ч")), 2);
    EXPECT_EQ(pileBonus(hand("7ч 9ч 2к")), 3);
    EXPECT_EQ(pileBonus(hand("2ч Кп Тп")), 3);
    EXPECT_EQ(pileBonus(hand("7ч 2к 9б")), 4);
}

TEST(Opponent, ChooseTake)
{
    struct Case {
        const char* cells;
        const char* pileTop;
        int moveCount;
        int knocker;
        TakeChoice expected;
    };
    const Case cases[] = {
        // 16.02 + bonus 3 is not above the best trial 27.0: take the ace.
        {"7ч 9ч 2к", "Тч", 2, 0, {1, false}},
        // Trials 21.03, 11.0302, 10.0302; 24.02 > 21.03: the deck, or a knock
        // once the hand reaches the threshold of the moment.
        {"2ч Кп Тп", "3б", 2, 0, {2, false}},
        {"2ч Кп Тп", "3б", 5, 0, {2, true}},
        {"2ч Кп Тп", "3б", 7, 0, {2, false}},
        // 30 + bonus 2 > 31: the ace stays on the pile; knock from move 4.
        {"1п Дп Кп", "Тп", 3, 0, {2, false}},
        {"1п Дп Кп", "Тп", 4, 0, {2, true}},
        // Three eights are 30; the fourth eight only ties at 30.
        {"8ч 8к 8б", "8п", 2, 0, {2, false}},
        {"8ч 8к 8б", "8п", 4, 0, {2, true}},
        // After another seat's knock nobody knocks again.
        {"1п Дп Кп", "Тп", 9, 2, {2, false}},
        // 21 + bonus 2 is below 29 (the queen for the two): the pile, and a
        // seat that likes the pile card never knocks, however late.
        {"9ч 1ч 2ч", "Дч", 15, 0, {1, false}},
    };
    for (const Case& c : cases) {
        const TableState st = table(4, c.cells, c.pileTop, c.moveCount, c.knocker);
        EXPECT_EQ(chooseTake(st, 4, true), c.expected) << c.cells << " / " << c.pileTop;
    }
}

TEST(Opponent, ExactTieTakesThePile)
{
    // 10.0 in one suit plus bonus 2 is 12.0; the four of hearts for the two
    // gives exactly 12.0.
    const TableState st = table(2, "2ч 3ч 5ч", "4ч", 0);
    ASSERT_EQ(handValue(st.players[2].cells, true), 10.0);
    EXPECT_EQ(chooseTake(st, 2, true).source, 1);
}

TEST(Opponent, ChooseDiscard)
{
    struct Case {
        const char* cells;  // four cards, sorted by the test
        int cell;
        const char* discarded;
    };
    const Case cases[] = {
        // Trials 20.02, 18.02, 16.02, 27.0: the two of clubs goes.
        {"7ч 9ч Тч 2к", 4, "2к"},
        // Four of one suit: the lowest card goes.
        {"2п 5п Кп Тп", 1, "2п"},
        // Three of a kind plus a stranger: keep the eights.
        {"8ч 8к 8б Тп", 4, "Тп"},
    };
    for (const Case& c : cases) {
        TableState st;
        st.players[1].cells = hand(c.cells);
        sortHand(st.players[1]);
        const int cell = chooseDiscard(st, 1, true);
        EXPECT_EQ(cell, c.cell) << c.cells;
        EXPECT_EQ(cardToUtf8(st.players[1].cells[cell].code), c.discarded) << c.cells;
    }
}

TEST(Opponent, TiesInDiscardGoToTheLowestCell)
{
    // Any three of the four fives are 30 with the option: every trial ties.
    TableState st;
    st.players[3].cells = hand("5ч 5к 5б 5п");
    sortHand(st.players[3]);
    EXPECT_EQ(chooseDiscard(st, 3, true), 1);
}

}  // namespace
}  // namespace olk
