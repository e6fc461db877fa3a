#pragma once

#include "table_state.h"

namespace olk {

// The worth of a three-card hand held in four cells, one of them empty.
//
// The whole part is the score: the largest sum of points in one suit (at most
// 31), or exactly 30 for three cards of one rank when threeOfAKind30 is on.
// The fractional part only ranks hands of equal score for the computer
// opponent: every card outside the best suit adds its points in hundredths,
// except that in a hand of three different suits the lowest card adds only
// ten-thousandths. Ties between equal suit sums go to the suit that comes
// first in value order, and "lowest" means the first cell with the smallest
// points, so the result depends on the order of the cells.
//
// The computation follows a fixed sequence of floating-point additions so
// that two hands compare exactly the same way on every machine.
double handValue(const HandCells& cells, bool threeOfAKind30);

// The score a hand earns at the end of a deal: its value truncated toward zero.
int handScore(const HandCells& cells, bool threeOfAKind30);

}  // namespace olk
