#include "service/statistics_service.h"

#include "online/form_body.h"
#include "service/field_checks.h"
#include "service/reply_text.h"

#include <algorithm>
#include <limits>

namespace olk::service {

namespace {

HttpResponse reply(const QString& text)
{
    HttpResponse response;
    response.body = replyBytes(text);
    return response;
}

QString number(qint64 value)
{
    return QString::number(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                                              std::numeric_limits<qint32>::max()));
}

// The most one finished game adds to each per-game counter: its deals, one
// cycle, the points of 40 deals' worth of results, 4 for a networked game,
// one tournament win; the counters this game leaves empty take nothing.
constexpr qint64 mostPerGame[12] = {1000, 25, 100000, 100000, 4, 1, 0, 0, 0, 0, 0, 0};

std::optional<qint64> bounded(const QString& text, qint64 most)
{
    const auto value = integerValue(text);
    return value && *value >= 0 && *value <= most ? value : std::nullopt;
}

}  // namespace

StatisticsService::StatisticsService(Store& store, RateLimiter& limiter)
    : store_(store), limiter_(limiter)
{
}

HttpResponse StatisticsService::handle(const HttpRequest& request)
{
    const QByteArray& body = request.body;
    const QString refused = QStringLiteral("no");
    if (const auto v = formValues(body, {"gid"}, false)) {
        if (integerValue((*v)[0]) != gameNumber) {
            return reply(refused);
        }
        const auto s = store_.statistics(gameNumber);
        if (!s) {
            return plainResponse(503, "Try again later\n");
        }
        QStringList tokens = {number(s->starts), number(s->installations), number(s->likes),
                              replyToken(s->lastLiker)};
        for (qint64 x : s->games) {
            tokens.push_back(number(x));
        }
        tokens.push_back(number(s->y));
        tokens.push_back(replyToken(s->z));
        return reply(QStringLiteral("ok$") + tokens.join(QLatin1Char(' ')) + QLatin1Char('*'));
    }

    Statistics increments;
    std::optional<QStringList> v;
    if ((v = formValues(body, {"gid", "stat1", "stat2"}, true))) {
        const auto starts = bounded((*v)[1], 1);
        const auto installations = bounded((*v)[2], 1);
        if (!starts || !installations) {
            return reply(refused);
        }
        increments.starts = *starts;
        increments.installations = *installations;
    } else if ((v = formValues(body, {"gid", "stat3", "stat4"}, true))) {
        const auto likes = bounded((*v)[1], 1);
        if (!likes || !passportFieldValid((*v)[2], 1)) {
            return reply(refused);
        }
        increments.likes = *likes;
        increments.lastLiker = (*v)[2];
    } else if ((v = formValues(body,
                               {"gid", "R1", "R2", "R3", "R4", "R5", "R6", "R7", "R8", "R9", "R10",
                                "R11", "R12"},
                               true))) {
        for (int i = 0; i < 12; ++i) {
            const auto value = bounded((*v)[i + 1], mostPerGame[i]);
            if (!value) {
                return reply(refused);
            }
            increments.games[static_cast<std::size_t>(i)] = *value;
        }
    } else {
        return plainResponse(400, "Not a statistics request\n");
    }
    if (integerValue((*v)[0]) != gameNumber) {
        return reply(refused);
    }
    if (!limiter_.allow(request.remoteAddress, RateClass::Post, request.arrived)) {
        return plainResponse(429, "Too many requests, try again later\n");
    }
    return reply(store_.addStatistics(gameNumber, increments) ? QStringLiteral("ok") : refused);
}

}  // namespace olk::service
