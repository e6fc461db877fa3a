#include "core/card.h"

#include <gtest/gtest.h>

#include "core/table_state.h"

namespace olk {
namespace {

CardCode card(const char* utf8)
{
    const auto code = cardFromUtf8(utf8);
    EXPECT_TRUE(code) << utf8;
    return code.value_or(kEmptyCard);
}

TEST(Card, DeckNumbering)
{
    struct Case {
        int number;
        const char* code;
        int rankIndex;
        int points;
    };
    const Case cases[] = {
        {1, "2ч", 1, 2},    {2, "2б", 1, 2},    {3, "2к", 1, 2},    {4, "2п", 1, 2},
        {5, "3ч", 2, 3},    {33, "1ч", 9, 10},  {36, "1п", 9, 10},  {37, "Вч", 10, 10},
        {48, "Кп", 12, 10}, {49, "Тч", 13, 11}, {52, "Тп", 13, 11},
    };
    for (const Case& c : cases) {
        const CardCell cell = cardFromNumber(c.number);
        EXPECT_EQ(cardToUtf8(cell.code), c.code) << c.number;
        EXPECT_EQ(cell.rankIndex, c.rankIndex) << c.number;
        EXPECT_EQ(cell.points, c.points) << c.number;
    }
    for (int n = 1; n <= 52; ++n) {
        EXPECT_EQ(numberOfCard(cardFromNumber(n).code), n);
    }
}

TEST(Card, BytesOfRanksAndSuits)
{
    EXPECT_EQ(card("Вк"), (CardCode{'\xC2', '\xEA'}));
    EXPECT_EQ(card("Дб"), (CardCode{'\xC4', '\xE1'}));
    EXPECT_EQ(card("Кч"), (CardCode{'\xCA', '\xF7'}));
    EXPECT_EQ(card("Тп"), (CardCode{'\xD2', '\xEF'}));
    EXPECT_EQ(rankOf(card("1б")), '1');
    EXPECT_EQ(suitOf(card("1б")), suit::kDiamonds);
}

TEST(Card, TextIsStrict)
{
    for (const char* bad : {"", "2", "2чч", "Xч", "2x", "##", "00", "10ч", "2Ч"}) {
        EXPECT_FALSE(cardFromUtf8(bad)) << bad;
    }
    EXPECT_EQ(cardToUtf8(kEmptyCard), "##");
    EXPECT_EQ(cardToUtf8(kFaceDownCard), "00");
}

PlayerRecord hand(std::initializer_list<const char*> codes)
{
    PlayerRecord player;
    int i = 1;
    for (const char* code : codes) {
        player.cells[i++] = std::string(code) == "##" ? kEmptyCell : cellFor(card(code));
    }
    return player;
}

std::string text(const PlayerRecord& player)
{
    std::string out;
    for (const CardCell& cell : player.cells) {
        out += (out.empty() ? "" : " ") + cardToUtf8(cell.code);
    }
    return out;
}

TEST(Card, SortHandBySuitInDisplayOrderThenRank)
{
    struct Case {
        PlayerRecord player;
        const char* sorted;
        int count;
    };
    Case cases[] = {
        {hand({"Тп", "2ч", "Вк"}), "2ч Вк Тп ##", 3},
        {hand({"5б", "Кч", "3б", "9к"}), "Кч 9к 3б 5б", 4},
        {hand({"7ч", "##", "8п", "Дб"}), "7ч Дб 8п ##", 3},
        {hand({"##", "##", "##", "1п"}), "1п ## ## ##", 1},
        {hand({"Тч", "1ч", "2ч", "Кч"}), "2ч 1ч Кч Тч", 4},
    };
    for (Case& c : cases) {
        sortHand(c.player);
        EXPECT_EQ(text(c.player), c.sorted);
        EXPECT_EQ(c.player.cardCount, c.count);
        for (int i = c.count + 1; i <= 4; ++i) {
            EXPECT_EQ(c.player.cells[i], kEmptyCell);  // rank index and points 99
        }
    }
}

}  // namespace
}  // namespace olk
