#pragma once

#include "table_state.h"

namespace olk {

// The computer opponent: two pure functions of the table. The same table
// always gives the same decision; there is no randomness and no memory of
// earlier deals.

struct TakeChoice {
    int source = 2;      // 1 the open pile, 2 the closed deck
    bool knock = false;  // knock instead of taking
    friend bool operator==(const TakeChoice&, const TakeChoice&) = default;
};

// The least value a hand must have for a computer seat to knock at this
// moveCount; 0 before the fifth turn, where nobody may knock.
double knockThreshold(int moveCount);

// The improvement the pile card must bring, judged on the suits of the
// current three cards: 2 for one suit, 3 for exactly two of one suit, 4 for
// three different suits.
int pileBonus(const HandCells& cells);

// Start of a turn (turnState == seat): take the pile card when it raises the
// hand's value by at least the bonus, else take from the deck or, once the
// deal allows it and nobody has knocked, knock with a strong enough hand. A
// seat that likes the pile card never knocks.
TakeChoice chooseTake(const TableState& state, int seat, bool threeOfAKind30);

// After the take (turnState == seat + 10): the cell 1..4 whose removal leaves
// the most valuable hand; the lowest cell on a tie.
int chooseDiscard(const TableState& state, int seat, bool threeOfAKind30);

}  // namespace olk
