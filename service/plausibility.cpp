#include "service/plausibility.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace olk::service::plausible {

namespace {

// S, the sum of the results behind a rating over `deals` deals.
double resultSum(qint64 deals, double rating)
{
    const double k = static_cast<double>(deals);
    return deals > 0 ? k * (rating - k / cycleDeals) : 0.0;
}

// How far a sum read back from a rating may be off: the rating travels with
// 15 significant digits.
double sumTolerance(qint64 deals, double rating)
{
    const double k = static_cast<double>(deals);
    return 0.01 + 1e-12 * k * (std::fabs(rating) + k / cycleDeals);
}

bool sameCounters(const GameRecord& a, const GameRecord& b)
{
    return a.kon == b.kon && a.best == b.best && a.sessions == b.sessions && a.konL == b.konL &&
           a.score == b.score;
}

}  // namespace

bool cycleScore(qint64 score)
{
    return std::llabs(score) <= cycleScoreMost;
}

std::optional<RecordState> nextRecord(const RecordState& stored, const GameRecord& written)
{
    const GameRecord& old = stored.record;
    if (written.kon < 0 || written.sessions < 0 || written.konL < 0 || written.konL >= cycleDeals ||
        written.konL % ratedGameDeals != 0 ||
        std::llabs(written.score) > written.konL * dealBalanceMost ||
        std::llabs(written.best) > cycleScoreMost) {
        return std::nullopt;
    }
    const double before = resultSum(old.kon, old.rating);
    const double after = resultSum(written.kon, written.rating);
    const double tolerance =
        sumTolerance(old.kon, old.rating) + sumTolerance(written.kon, written.rating);
    if (std::fabs(after) > static_cast<double>(written.kon * dealBalanceMost) + tolerance) {
        return std::nullopt;
    }
    const double change = after - before;

    if (sameCounters(old, written) && std::fabs(change) <= tolerance) {
        return RecordState{written, stored.open};  // the same record again
    }
    if (written.kon == old.kon + ratedGameDeals) {
        // The provisional record of a rated game's start.
        if (written.konL != 0 || written.score != 0 || written.sessions != old.sessions ||
            written.best != old.best || std::fabs(change + provisionalDeduction) > tolerance) {
            return std::nullopt;
        }
        return RecordState{written, OpenRatedGame{old.konL, old.score}};
    }
    if (written.kon != old.kon) {
        return std::nullopt;
    }
    if (!stored.open) {
        return std::nullopt;  // no rated game to finish
    }
    // The final record of the open game.
    const double exact = change - provisionalDeduction;
    const double result = std::round(exact);
    if (std::fabs(exact - result) > tolerance ||
        std::fabs(result) > static_cast<double>(ratedGameResultMost)) {
        return std::nullopt;
    }
    const qint64 deals = stored.open->konL + ratedGameDeals;
    const qint64 cycle = stored.open->score + static_cast<qint64>(result);
    if (std::llabs(cycle) > deals * dealBalanceMost) {
        return std::nullopt;
    }
    const bool plausibleEnd =
        deals >= cycleDeals
            ? written.konL == 0 && written.score == 0 && written.sessions == old.sessions + 1 &&
                  written.best == std::max(old.best, cycle)
            : written.konL == deals && written.score == cycle && written.sessions == old.sessions &&
                  written.best == old.best;
    if (!plausibleEnd) {
        return std::nullopt;
    }
    return RecordState{written, std::nullopt};
}

}  // namespace olk::service::plausible
