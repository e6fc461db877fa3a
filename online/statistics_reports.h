#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "online/service_client.h"

namespace olk::online {

// The game's anonymous counters on the statistics service: the program
// sends increments, never totals, and the service adds them up. Every
// report is silent: its failure shows nothing and is not retried.

// A club whose label (positions 7-9 of line 17 of "Olk.clb") is this one
// never sends the start-up report.
inline constexpr char kUncountedLabel[] = "qvx";

// The start-up report: one start, and one installation more while the
// service has not yet counted this one (`registered` false). `done` gets
// whether the service took it.
void sendStartupReport(ServiceClient& client, bool registered, std::function<void(bool)> done);

// What a finished game says about itself for the per-game report.
struct FinishedGame {
    enum class Kind { Local, Network, Tournament };
    Kind kind = Kind::Local;  // an account game is a local one
    std::int32_t deals = 0;        // the game's deals
    std::int32_t dealNumber = 0;   // the player's deals in all, after the game
    std::int32_t result = 0;       // the game's score
    bool host = false;             // a network game's host
    bool placeOne = false;         // at place 1 of a tournament table
};

// The twelve values of the per-game report: deals, completed cycle, points
// won and points lost against the computer, a network game (on its host
// only, so it counts once) and a tournament game (at place 1 only).
std::array<std::int32_t, 12> gameCounters(const FinishedGame& game);

void sendGameReport(ServiceClient& client, const FinishedGame& game);

}  // namespace olk::online
