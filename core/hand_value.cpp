#include "hand_value.h"

#include <array>
#include <cstdint>

namespace olk {

namespace {

// Suit sums are gathered in value order; an empty cell adds to a fifth slot
// that is never read.
constexpr std::array<std::int8_t, 256> makeSuitSlots()
{
    std::array<std::int8_t, 256> slots{};
    for (auto& slot : slots) {
        slot = 4;
    }
    for (std::size_t i = 0; i < kValueOrder.size(); ++i) {
        slots[static_cast<unsigned char>(kValueOrder[i])] = static_cast<std::int8_t>(i);
    }
    return slots;
}

constexpr std::array<std::int8_t, 256> kSuitSlots = makeSuitSlots();

constexpr int suitSlot(const CardCell& cell)
{
    return kSuitSlots[static_cast<unsigned char>(cell.code.suit)];
}

// What a card outside the best suit adds: its points in hundredths, or in
// ten-thousandths for the lowest card of a hand of three suits. The quotients
// are the very doubles that points / 100 and points / 100 / 100 give, looked
// up instead of divided on every call.
struct SideCardTables {
    std::array<double, 256> hundredths{};
    std::array<double, 256> tenThousandths{};
};

constexpr SideCardTables makeSideCardTables()
{
    SideCardTables t{};
    for (int p = 0; p < 256; ++p) {
        const double contribution = p;
        t.hundredths[static_cast<std::size_t>(p)] = contribution / 100;
        t.tenThousandths[static_cast<std::size_t>(p)] = contribution / 100 / 100;
    }
    return t;
}

constexpr SideCardTables kSideCard = makeSideCardTables();

inline double sideCard(double value, const CardCell& cell, char bestSuit, bool weak)
{
    // Adding 0.0 leaves the value unchanged, so the test needs no branch.
    const bool counts = !cell.isEmpty() && cell.code.suit != bestSuit;
    const double add = (weak ? kSideCard.tenThousandths : kSideCard.hundredths)[cell.points];
    return value + (counts ? add : 0.0);
}

}  // namespace

double handValue(const HandCells& hand, bool threeOfAKind30)
{
    // 1. Suit sums in value order; empty cells match no suit.
    int sums[5] = {0, 0, 0, 0, 0};
    sums[suitSlot(hand[1])] += hand[1].points;
    sums[suitSlot(hand[2])] += hand[2].points;
    sums[suitSlot(hand[3])] += hand[3].points;
    sums[suitSlot(hand[4])] += hand[4].points;

    // 2. Best suit: a later suit wins only with a strictly greater sum.
    int best = sums[0];
    int bestIndex = 0;
    for (int k = 1; k < 4; ++k) {
        const bool greater = sums[k] > best;
        best = greater ? sums[k] : best;
        bestIndex = greater ? k : bestIndex;
    }
    const char bestSuit = kValueOrder[static_cast<std::size_t>(bestIndex)];

    // 3.
    double value = best;

    // 4. Close the gap: checking cell 3, then 2, then 1, the card of cell 4
    // moves into an empty cell, and cell 4 becomes empty with 0 points. The
    // caller's hand is never touched; the cells move through pointers.
    static constexpr CardCell kGap{kEmptyCard, kEmptyValue, 0};
    const CardCell* c1 = &hand[1];
    const CardCell* c2 = &hand[2];
    const CardCell* c3 = &hand[3];
    const CardCell* c4 = &hand[4];
    const bool gap3 = c3->isEmpty();
    c3 = gap3 ? c4 : c3;
    c4 = gap3 ? &kGap : c4;
    const bool gap2 = c2->isEmpty();
    c2 = gap2 ? c4 : c2;
    c4 = gap2 ? &kGap : c4;
    c1 = c1->isEmpty() ? c4 : c1;

    // 5. Lowest card: the first of cells 1..3 with the smallest points.
    const int p1 = c1->points;
    const int p2 = c2->points;
    const int p3 = c3->points;
    const int lowest = p2 < p1 ? (p3 < p2 ? 3 : 2) : (p3 < p1 ? 3 : 1);

    // 6. Weak scatter: three different suits.
    const bool scattered = c1->code.suit != c2->code.suit && c1->code.suit != c3->code.suit &&
                           c2->code.suit != c3->code.suit;

    // 7. Side cards, in cell order.
    value = sideCard(value, *c1, bestSuit, scattered && lowest == 1);
    value = sideCard(value, *c2, bestSuit, scattered && lowest == 2);
    value = sideCard(value, *c3, bestSuit, scattered && lowest == 3);

    // 8. Three of a kind.
    if (threeOfAKind30 && !c1->isEmpty() && c1->code.rank == c2->code.rank &&
        c1->code.rank == c3->code.rank) {
        value = 30.0;
    }
    return value;
}

int handScore(const HandCells& cells, bool threeOfAKind30)
{
    return static_cast<int>(handValue(cells, threeOfAKind30));
}

}  // namespace olk
