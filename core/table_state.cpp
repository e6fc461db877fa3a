#include "table_state.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace olk {

namespace {

// Empty cells sort last; every real card sorts by its suit in display order,
// then by its rank index.
constexpr int kEmptyKey = 1000;

int sortKey(const CardCell& cell)
{
    if (cell.isEmpty()) {
        return kEmptyKey;
    }
    return displayOrderIndex(cell.code.suit) * 100 + cell.rankIndex;
}

std::string describe(const char* what, int seat)
{
    return std::string(what) + " (seat " + std::to_string(seat) + ")";
}

}  // namespace

void sortHand(PlayerRecord& player)
{
    // A sorting network over (key, cell) pairs packed into one integer each:
    // five branch-free compare-exchanges. Real cards have distinct keys, and
    // all empty cells end up as the same "##" cell, so stability is moot.
    static_assert(sizeof(CardCell) == 4);
    HandCells& cells = player.cells;
    std::uint64_t v[4];
    for (int i = 0; i < 4; ++i) {
        const CardCell& cell = cells[i + 1];
        v[i] = (std::uint64_t(sortKey(cell)) << 32) | std::bit_cast<std::uint32_t>(cell);
    }
    auto exchange = [&v](int a, int b) {
        const std::uint64_t low = std::min(v[a], v[b]);
        const std::uint64_t high = std::max(v[a], v[b]);
        v[a] = low;
        v[b] = high;
    };
    exchange(0, 1);
    exchange(2, 3);
    exchange(0, 2);
    exchange(1, 3);
    exchange(1, 2);
    int count = 0;
    for (int i = 0; i < 4; ++i) {
        const bool empty = (v[i] >> 32) == kEmptyKey;
        cells[i + 1] =
            empty ? kEmptyCell : std::bit_cast<CardCell>(static_cast<std::uint32_t>(v[i]));
        count += empty ? 0 : 1;
    }
    player.cardCount = count;
}

std::optional<std::string> checkInvariants(const TableState& state)
{
    if (state.nextDeckIndex < 14 || state.nextDeckIndex > kDeckCards + 1) {
        return "nextDeckIndex out of range";
    }
    if (state.pileCount < 0 || state.pileCount > kPileCells) {
        return "pileCount out of range";
    }
    std::uint64_t seen = 0;
    int total = 0;
    auto count = [&](const CardCell& cell) -> bool {
        const int n = numberOfCard(cell.code);
        if (n == 0 || cell != cellFor(cell.code)) {
            return false;
        }
        const std::uint64_t bit = std::uint64_t{1} << (n - 1);
        if (seen & bit) {
            return false;
        }
        seen |= bit;
        ++total;
        return true;
    };
    for (int i = state.nextDeckIndex; i <= kDeckCards; ++i) {
        if (!count(state.deck[i])) {
            return "bad or repeated card in the deck";
        }
    }
    for (int i = 1; i <= kPileCells; ++i) {
        if (i <= state.pileCount) {
            if (!count(state.pile[i])) {
                return "bad or repeated card on the pile";
            }
        } else if (state.pile[i] != kEmptyCell) {
            return "pile cell above the top is not empty";
        }
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        const PlayerRecord& player = state.players[seat];
        int lastKey = -1;
        for (int i = 1; i <= kHandCells; ++i) {
            const CardCell& cell = player.cells[i];
            if (i <= player.cardCount) {
                if (!count(cell)) {
                    return describe("bad or repeated card in a hand", seat);
                }
                const int key = sortKey(cell);
                if (key < lastKey) {
                    return describe("hand not sorted", seat);
                }
                lastKey = key;
            } else if (cell != kEmptyCell) {
                return describe("hand cell after the last card is not empty", seat);
            }
        }
    }
    if (total != kDeckCards) {
        return "cards lost: " + std::to_string(total) + " of 52 on the table";
    }
    const int ts = state.turnState;
    for (int seat = 1; seat <= kSeats; ++seat) {
        const int expected = (turn::isDiscardPhase(ts) && turn::seatOf(ts) == seat) ? 4 : 3;
        if ((turn::isTakePhase(ts) || turn::isDiscardPhase(ts)) &&
            state.players[seat].cardCount != expected) {
            return describe("hand size does not match the turn", seat);
        }
    }
    if (state.moveCount < 0 || state.knocker < 0 || state.knocker > kSeats ||
        state.turnsAfterKnock < 0 || state.turnsAfterKnock > 3) {
        return "deal counters out of range";
    }
    return std::nullopt;
}

}  // namespace olk
