#pragma once

// The account rating: for an account with K rated deals and S the sum of
// its rated games' results, R = S / K + K / 40. The club keeps only K (Kon)
// and R (Rating); S is recovered as K x (R - K / 40). A rated game is four
// deals; while it runs its deals count as if they brought -200 points, so an
// abandoned game keeps that loss.

#include <cstdint>

#include "online/records.h"

namespace olk::online {

inline constexpr int kRatedGameDeals = 4;
inline constexpr int kProvisionalDeduction = 200;
inline constexpr int kCycleDeals = 40;

// The record written when a rated game starts: four more deals counted at
// -200; KonL and Score 0, everything else as read.
TTevGame provisionalRecord(const TTevGame& read);

// The record written when a rated game ends with `result`: the deduction
// taken back and the real result added. `konLBefore` is the cycle's deals
// before the game; at 40 the cycle is complete (Best, Sessions, a new
// cycle), otherwise KonL grows by four and Score becomes `cycleScore`.
// A record read back with fewer than four deals (damaged on the club's
// side) counts as this one game alone, so the rating stays defined.
TTevGame finalRecord(const TTevGame& provisional, std::int32_t result, std::int32_t cycleScore,
                     std::int32_t konLBefore);

// The Tevs the account table's place brings at the end of a cycle: 25 for
// first place, 10 for places 2 to 10, none otherwise.
std::int32_t cycleBonus(std::int32_t place);

}  // namespace olk::online
