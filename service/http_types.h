#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace olk::service {

// One request as the handlers see it: the socket layer (http_server.cpp)
// only converts to and from these, so every handler is tested without one.
struct HttpRequest {
    std::string method;  // "GET", "POST", ...
    std::string path;    // without the query
    QByteArray body;
    std::string remoteAddress;
    std::map<std::string, std::string> cookies;
    // When it arrived: the rate limits count in this time, so tests pass
    // made-up times.
    std::chrono::steady_clock::time_point arrived = std::chrono::steady_clock::now();
};

struct HttpResponse {
    int status = 200;
    std::string contentType = "text/plain; charset=windows-1251";
    QByteArray body;
    // Each a whole Set-Cookie value ("name=value; Path=/; HttpOnly; ...").
    std::vector<std::string> setCookies;
    // A body made while it is sent (the club's radio), in place of `body`:
    // called again and again with a writer until it returns false; the
    // writer returns false once the client is gone.
    std::function<bool(const std::function<bool(const char*, std::size_t)>& write)> stream;
};

// A plain-text answer with the given status (errors, 404, 429, ...).
HttpResponse plainResponse(int status, const QByteArray& text);

// Parses a Cookie header ("a=1; b=2") into name/value pairs.
std::map<std::string, std::string> parseCookieHeader(const std::string& header);

}  // namespace olk::service
