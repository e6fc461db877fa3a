#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "card.h"
#include "one_based.h"

namespace olk {

inline constexpr int kSeats = 4;
inline constexpr int kLocalSeat = 4;  // the local player always sits at the bottom
inline constexpr int kHandCells = 4;
inline constexpr int kDeckCards = 52;
inline constexpr int kPileCells = 64;
inline constexpr int kCycleDeals = 40;  // a cycle of a player profile
inline constexpr int kMatchDeals = 4;   // a networked match, a tournament game, an account block

using HandCells = OneBasedArray<CardCell, kHandCells>;
using DeckCells = OneBasedArray<CardCell, kDeckCards>;
using PileCells = OneBasedArray<CardCell, kPileCells>;

// The state the turn driver acts on:
//   0       no deal yet
//   1..4    that seat takes a card or knocks
//   11..14  that seat holds four cards and discards
//   6       the deal is over
namespace turn {
inline constexpr int kNoDeal = 0;
inline constexpr int kDealOver = 6;
inline constexpr int kDiscardOffset = 10;

constexpr bool isTakePhase(int turnState)
{
    return turnState >= 1 && turnState <= 4;
}
constexpr bool isDiscardPhase(int turnState)
{
    return turnState >= 11 && turnState <= 14;
}
// The seat whose turn it is, 0 outside a turn.
constexpr int seatOf(int turnState)
{
    return isTakePhase(turnState) ? turnState
                                  : (isDiscardPhase(turnState) ? turnState - kDiscardOffset : 0);
}
constexpr int nextSeat(int seat)
{
    return seat % kSeats + 1;
}
}  // namespace turn

struct RuleOptions {
    bool threeOfAKind30 = true;  // "Three of a kind is worth 30 points"
    bool punishKnocker = false;  // "Punish the Knocker"
    friend bool operator==(const RuleOptions&, const RuleOptions&) = default;
};

// One seat of the table.
struct PlayerRecord {
    std::string name;  // UTF-8, as shown on the seat's plate
    HandCells cells;   // cells 1..cardCount hold the sorted hand, the rest "##"
    int cardCount = 0;
    std::int32_t dealPoints = 0;  // sum of the seat's deal results in this game
    std::int32_t balance = 0;     // 3 x own dealPoints - the other three seats' dealPoints
};

// The deal in progress and the game around it.
struct TableState {
    DeckCells deck;
    int nextDeckIndex = 14;  // deck cell taken next; 53 once the deck is exhausted
    PileCells pile;          // cell 1 at the bottom, top at pileCount
    int pileCount = 0;
    int turnState = turn::kNoDeal;
    int playPhase = 0;  // 1 dealt and waiting for "To Begin", 2 play has started
    int moveCount = 0;  // discards and knocks of this deal
    int knocker = 0;    // seat that knocked, 0 nobody
    int turnsAfterKnock = 0;
    int firstSeat = 0;
    std::int32_t dealNumber = 0;  // the profile's overall deal counter
    std::int32_t gameDeals = 0;   // deals dealt since the game started
    bool gameActive = false;
    bool matchOver = false;
    bool redeal = false;  // the next deal replaces this one without being counted
    std::int32_t scoreBase = 0;
    std::int32_t gameScore = 0;
    std::int32_t totalScore = 0;
    double rating = 0.0;
    OneBasedArray<PlayerRecord, kSeats> players;

    // Cards left in the closed deck.
    int deckLeft() const { return kDeckCards + 1 - nextDeckIndex; }
    const CardCell& pileTop() const { return pile[pileCount]; }
};

// Re-sorts cells 1..4 of a hand: by suit in display order ("ч", "к", "б",
// "п"), then by rank index, cards first and empty cells after them; sets
// cardCount to the number of cards.
void sortHand(PlayerRecord& player);

// Checks what must hold at every moment of a deal: all 52 cards exactly once
// across deck, pile and hands; every hand sorted and packed; the counters
// consistent with each other and with turnState. Returns a description of the
// first broken rule, or nothing when all hold.
std::optional<std::string> checkInvariants(const TableState& state);

}  // namespace olk
