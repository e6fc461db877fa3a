#pragma once

#include "service/http_types.h"
#include "service/rate_limiter.h"
#include "service/store.h"

namespace olk::service {

// The statistics counters, posted to one address (PUBLIC-URL/statistics),
// game number 804 only:
//   StatRead     (list form: gid)              "$" Stat1 Stat2 Stat3 Stat4
//                                              StatX1..12 StatY StatZ "*"
//   StatFirstRun (raw form: gid, stat1, stat2) a start; an installation
//   StatLike     (raw form: gid, stat3, stat4) a like and the liker's nick
//   StatGame     (raw form: gid, R1..R12)      one finished game's counts
// The game sends increments only, so every increment is bounded by what one
// start or one game can bring; a report beyond that is refused whole.
class StatisticsService {
public:
    StatisticsService(Store& store, RateLimiter& limiter);

    HttpResponse handle(const HttpRequest& request);

    static constexpr qint64 gameNumber = 804;

private:
    Store& store_;
    RateLimiter& limiter_;
};

}  // namespace olk::service
