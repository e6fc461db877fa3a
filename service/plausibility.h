#pragma once

#include "service/store.h"

#include <optional>

namespace olk::service {

// What a game of Olk can produce, so the service refuses what no game can
// have played.
//
// At the end of a deal every seat scores its hand value (0 for a punished
// knocker, at most 31) and a seat's balance moves by three times its own
// result minus the other three results: at most 3 x 31 = 93 either way in
// one deal (a loose bound: only the knocker can score 0, yet it is safe).
// Balances are sums over deals, so a rated game of 4 deals moves the
// result by at most 4 x 93 = 372 and a cycle of 40 deals by 40 x 93 = 3720.
namespace plausible {

constexpr qint64 dealBalanceMost = 3 * 31;
constexpr qint64 ratedGameDeals = 4;
constexpr qint64 cycleDeals = 40;
constexpr qint64 ratedGameResultMost = ratedGameDeals * dealBalanceMost;  // 372
constexpr qint64 cycleScoreMost = cycleDeals * dealBalanceMost;           // 3720
// The points a rated game counts as lost while it is being played.
constexpr qint64 provisionalDeduction = 200;

// A cycle score of a world table (804, 904, 1104).
bool cycleScore(qint64 score);

// The next state of an account's game record, or empty when `written`
// cannot follow `stored`. `open` is the rated game begun on the stored
// record and not yet finished (the cycle's deals and score from before it).
//
// The game writes the record twice per rated game of 4 deals:
// - at its start, a provisional record: Kon grows by 4, the new deals count
//   as -200 points in the rating, KonL and Score are 0 (the cycle's
//   progress is lost when the game is abandoned), everything else as read;
//   the service notes the cycle's deals and score from before it;
// - at its end, the final record: Kon stays, the -200 are taken back and the
//   real result r (|r| <= 372) added; KonL grows by 4 and Score becomes the
//   cycle score before the game plus r, or, when that completes the 40-deal
//   cycle, KonL and Score return to 0, Sessions grows by 1 and Best becomes
//   the larger of Best and the cycle score. A final record is taken once
//   per provisional one.
// A write that changes nothing is accepted and changes nothing (a request
// repeated after its reply was lost).
// The rating R of K deals stands for the sum S = K x (R - K / 40) of their
// results; the sum must move exactly as above (to a rounding of the
// rating's 15 digits) and stay within 93 per deal.
struct RecordState {
    GameRecord record;
    std::optional<OpenRatedGame> open;
};
std::optional<RecordState> nextRecord(const RecordState& stored, const GameRecord& written);

}  // namespace plausible

}  // namespace olk::service
