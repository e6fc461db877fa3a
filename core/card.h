#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace olk {

// A card is written as two Windows-1251 characters, rank then suit: "2ч" is
// the two of hearts, "1б" the ten of diamonds (the ten is the single digit
// "1"), "Вк" the jack of clubs, "Тп" the ace of spades. Two codes are special:
// "##" is an empty cell and "00" a face-down card in flight, which never lies
// in a hand, the deck or the pile.
struct CardCode {
    char rank = '#';
    char suit = '#';

    constexpr bool isEmpty() const { return rank == '#' && suit == '#'; }
    friend constexpr bool operator==(CardCode, CardCode) = default;
};

inline constexpr CardCode kEmptyCard{'#', '#'};
inline constexpr CardCode kFaceDownCard{'0', '0'};

namespace suit {
inline constexpr char kHearts = '\xF7';    // "ч"
inline constexpr char kDiamonds = '\xE1';  // "б"
inline constexpr char kClubs = '\xEA';     // "к"
inline constexpr char kSpades = '\xEF';    // "п"
}  // namespace suit

namespace rank {
inline constexpr char kTen = '1';
inline constexpr char kJack = '\xC2';   // "В"
inline constexpr char kQueen = '\xC4';  // "Д"
inline constexpr char kKing = '\xCA';   // "К"
inline constexpr char kAce = '\xD2';    // "Т"
}  // namespace rank

// Value order breaks ties between equal suit sums and numbers the deck;
// display order sorts a hand. They differ in the middle.
inline constexpr std::array<char, 4> kValueOrder = {suit::kHearts, suit::kDiamonds, suit::kClubs,
                                                    suit::kSpades};
inline constexpr std::array<char, 4> kDisplayOrder = {suit::kHearts, suit::kClubs, suit::kDiamonds,
                                                      suit::kSpades};

// Rank characters by rank index 1..13 (two lowest, ace highest).
inline constexpr std::array<char, 13> kRanks = {
    '2', '3',        '4',         '5',          '6',         '7',       '8',
    '9', rank::kTen, rank::kJack, rank::kQueen, rank::kKing, rank::kAce};

// Rank index and point value stored for an empty cell.
inline constexpr std::uint8_t kEmptyValue = 99;

// One card cell of a hand, the deck or the pile: the code together with the
// rank index and point value that travel with it.
struct CardCell {
    CardCode code = kEmptyCard;
    std::uint8_t rankIndex = kEmptyValue;
    std::uint8_t points = kEmptyValue;

    constexpr bool isEmpty() const { return code.isEmpty(); }
    friend constexpr bool operator==(const CardCell&, const CardCell&) = default;
};

inline constexpr CardCell kEmptyCell{};

constexpr char rankOf(CardCode code)
{
    return code.rank;
}
constexpr char suitOf(CardCode code)
{
    return code.suit;
}

namespace detail {
struct CharTables {
    std::array<std::int8_t, 256> rankIndex{};
    std::array<std::int8_t, 256> valueOrder{};
    std::array<std::int8_t, 256> displayOrder{};
};

constexpr CharTables makeCharTables()
{
    CharTables t{};
    for (auto& v : t.valueOrder) {
        v = -1;
    }
    for (auto& v : t.displayOrder) {
        v = -1;
    }
    for (int i = 0; i < 13; ++i) {
        t.rankIndex[static_cast<unsigned char>(kRanks[static_cast<std::size_t>(i)])] =
            static_cast<std::int8_t>(i + 1);
    }
    for (int i = 0; i < 4; ++i) {
        t.valueOrder[static_cast<unsigned char>(kValueOrder[static_cast<std::size_t>(i)])] =
            static_cast<std::int8_t>(i);
        t.displayOrder[static_cast<unsigned char>(kDisplayOrder[static_cast<std::size_t>(i)])] =
            static_cast<std::int8_t>(i);
    }
    return t;
}

inline constexpr CharTables kCharTables = makeCharTables();
}  // namespace detail

// Rank index 1..13 of a rank character; 0 for anything else.
constexpr int rankIndexOf(char rankChar)
{
    return detail::kCharTables.rankIndex[static_cast<unsigned char>(rankChar)];
}

// Point value of a rank index 1..13: its pips, 10 for the ten and the faces,
// 11 for the ace.
constexpr int pointsOfRankIndex(int rankIndex)
{
    return rankIndex == 13 ? 11 : (rankIndex >= 9 ? 10 : rankIndex + 1);
}

// Position 0..3 of a suit character in value order or display order; -1 for
// anything else.
constexpr int valueOrderIndex(char suitChar)
{
    return detail::kCharTables.valueOrder[static_cast<unsigned char>(suitChar)];
}
constexpr int displayOrderIndex(char suitChar)
{
    return detail::kCharTables.displayOrder[static_cast<unsigned char>(suitChar)];
}

// True for the 52 real cards.
constexpr bool isValidCard(CardCode code)
{
    return rankIndexOf(code.rank) != 0 && valueOrderIndex(code.suit) >= 0;
}

// The cell of a real card, with its rank index and point value.
constexpr CardCell cellFor(CardCode code)
{
    const int index = rankIndexOf(code.rank);
    return CardCell{code, static_cast<std::uint8_t>(index),
                    static_cast<std::uint8_t>(pointsOfRankIndex(index))};
}

// Deck numbering used by the shuffle: number n (1..52) is the rank of index
// (n - 1) / 4 + 1 in the suit at position (n - 1) % 4 of value order, so
// 1 = "2ч", 2 = "2б", 3 = "2к", 4 = "2п", 5 = "3ч", ..., 52 = "Тп".
constexpr CardCell cardFromNumber(int n)
{
    const auto i = static_cast<std::size_t>(n - 1);
    return cellFor(CardCode{kRanks[i / 4], kValueOrder[i % 4]});
}

// The inverse of cardFromNumber; 0 for a code that is not a real card.
constexpr int numberOfCard(CardCode code)
{
    if (!isValidCard(code)) {
        return 0;
    }
    return (rankIndexOf(code.rank) - 1) * 4 + valueOrderIndex(code.suit) + 1;
}

// The name part of a card in the program's picture and sound resources: suit
// part "Ch" hearts, "Bu" diamonds, "Kr" clubs, "Pi" spades, then rank part
// "02".."09", "10", "2J", "3Q", "4K", "5A" ("Pi04" is the four of spades).
// Empty for a code that is not a card.
std::string cardResourceName(CardCode code);

// The code as UTF-8 text ("2ч", "##", "00").
std::string cardToUtf8(CardCode code);

// A real card from its UTF-8 text; empty for anything else.
std::optional<CardCode> cardFromUtf8(std::string_view text);

}  // namespace olk
