#include "service/router.h"

#include <algorithm>

namespace olk::service {

HttpResponse plainResponse(int status, const QByteArray& text)
{
    HttpResponse response;
    response.status = status;
    response.contentType = "text/plain; charset=utf-8";
    response.body = text;
    return response;
}

std::map<std::string, std::string> parseCookieHeader(const std::string& header)
{
    std::map<std::string, std::string> cookies;
    std::size_t pos = 0;
    while (pos < header.size()) {
        std::size_t end = header.find(';', pos);
        if (end == std::string::npos) {
            end = header.size();
        }
        std::string item = header.substr(pos, end - pos);
        const auto first = item.find_first_not_of(' ');
        item = first == std::string::npos ? std::string() : item.substr(first);
        const auto eq = item.find('=');
        if (eq != std::string::npos && eq > 0) {
            cookies.emplace(item.substr(0, eq), item.substr(eq + 1));
        }
        pos = end + 1;
    }
    return cookies;
}

void Router::add(Route route)
{
    routes_.push_back(std::move(route));
}

static bool matches(const Router::Route& route, const std::string& path)
{
    if (!route.path.empty() && route.path.back() == '/') {
        return path.size() > route.path.size() &&
               path.compare(0, route.path.size(), route.path) == 0;
    }
    return path == route.path;
}

HttpResponse Router::handle(const HttpRequest& request) const
{
    const Route* found = nullptr;
    bool pathKnown = false;
    for (const Route& route : routes_) {
        if (matches(route, request.path)) {
            pathKnown = true;
            if (route.method == request.method) {
                found = &route;
                break;
            }
        }
    }
    if (found == nullptr) {
        return pathKnown ? plainResponse(405, "Method not allowed\n")
                         : plainResponse(404, "Not found\n");
    }
    if (request.body.size() > found->bodyLimit) {
        return plainResponse(413, "Request body too large\n");
    }
    if (!limiter_.allow(request.remoteAddress, found->rateClass, request.arrived)) {
        return plainResponse(429, "Too many requests, try again later\n");
    }
    return found->handler(request);
}

qsizetype Router::largestBodyLimit() const
{
    qsizetype largest = 0;
    for (const Route& route : routes_) {
        largest = std::max(largest, route.bodyLimit);
    }
    return largest;
}

}  // namespace olk::service
