#include "online/rating.h"

#include <algorithm>

namespace olk::online {

namespace {

// S, the sum of the results behind a rating over `deals` deals.
double resultSum(std::int32_t deals, double rating)
{
    return deals * (rating - static_cast<double>(deals) / kCycleDeals);
}

}  // namespace

TTevGame provisionalRecord(const TTevGame& read)
{
    TTevGame written = read;
    const std::int32_t before = std::max(0, read.Kon);
    const std::int32_t deals = before + kRatedGameDeals;
    written.Kon = deals;
    written.Rating =
        (resultSum(before, before > 0 ? read.Rating : 0.0) - kProvisionalDeduction) / deals +
        static_cast<double>(deals) / kCycleDeals;
    written.KonL = 0;
    written.Score = 0;
    return written;
}

TTevGame finalRecord(const TTevGame& provisional, std::int32_t result, std::int32_t cycleScore,
                     std::int32_t konLBefore)
{
    TTevGame written = provisional;
    const std::int32_t deals = provisional.Kon;
    if (deals < kRatedGameDeals) {
        written.Kon = kRatedGameDeals;
        written.Rating = static_cast<double>(result) / kRatedGameDeals +
                         static_cast<double>(kRatedGameDeals) / kCycleDeals;
    } else {
        written.Rating =
            static_cast<double>(deals) / kCycleDeals +
            (kProvisionalDeduction + resultSum(deals, provisional.Rating) + result) / deals;
    }
    if (konLBefore + kRatedGameDeals >= kCycleDeals) {
        written.Best = std::max(written.Best, cycleScore);
        written.Sessions += 1;
        written.KonL = 0;
        written.Score = 0;
    } else {
        written.KonL = konLBefore + kRatedGameDeals;
        written.Score = cycleScore;
    }
    return written;
}

std::int32_t cycleBonus(std::int32_t place)
{
    return place == 1 ? 25 : place >= 2 && place <= 10 ? 10 : 0;
}

}  // namespace olk::online
