#include "online/statistics_reports.h"

namespace olk::online {

void sendStartupReport(ServiceClient& client, bool registered, std::function<void(bool)> done)
{
    client.send(statFirstRun(1, registered ? 0 : 1),
                [done = std::move(done)](const Reply& reply) {
                    if (done) {
                        done(parseStatFirstRun(reply));
                    }
                });
}

std::array<std::int32_t, 12> gameCounters(const FinishedGame& game)
{
    std::array<std::int32_t, 12> values{};
    switch (game.kind) {
    case FinishedGame::Kind::Local:
        values[0] = game.deals;
        values[1] = game.dealNumber > 0 && game.dealNumber % 40 == 0 ? 1 : 0;
        values[2] = game.result > 0 ? game.result : 0;
        values[3] = game.result < 0 ? -game.result : 0;
        break;
    case FinishedGame::Kind::Network:
        values[4] = game.host ? 4 : 0;
        break;
    case FinishedGame::Kind::Tournament:
        values[5] = game.placeOne ? 1 : 0;
        break;
    }
    return values;
}

void sendGameReport(ServiceClient& client, const FinishedGame& game)
{
    client.send(statGame(gameCounters(game)), [](const Reply&) {});
}

}  // namespace olk::online
