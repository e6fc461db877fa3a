#pragma once

#include "service/http_types.h"
#include "service/rate_limiter.h"

#include <functional>
#include <string>
#include <vector>

namespace olk::service {

// Matches a request to its handler by method and path (exact, or a prefix
// ending in "/"), and applies the limits that hold for every endpoint before
// the handler sees the request: the body size cap (413) and the address's
// rate allowance (429). An unknown path is 404, a known path with another
// method 405.
class Router {
public:
    using Handler = std::function<HttpResponse(const HttpRequest&)>;

    static constexpr qsizetype defaultBodyLimit = 64 * 1024;

    struct Route {
        std::string method;
        std::string path;  // ends in "/" for a prefix route
        RateClass rateClass = RateClass::Read;
        qsizetype bodyLimit = defaultBodyLimit;
        Handler handler;
    };

    explicit Router(RateLimiter& limiter) : limiter_(limiter) {}

    void add(Route route);

    HttpResponse handle(const HttpRequest& request) const;

    // The largest body any route takes: the socket layer refuses more before
    // reading it whole.
    qsizetype largestBodyLimit() const;

private:
    RateLimiter& limiter_;
    std::vector<Route> routes_;
};

}  // namespace olk::service
