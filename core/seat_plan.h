#pragma once

#include <optional>

#include "core/game_engine.h"
#include "core/one_based.h"

namespace olk {

// Who plays each seat of this machine's view: the local player (seat 4,
// always), the computer, or a participant elsewhere whose moves arrive over
// the network.
enum class SeatControl { Local, Computer, Remote };

// For each seat who plays it and whether the moves made for it here are
// announced to the other participants.
//
//   game                      seat 4        seat 1     seat 2     seat 3
//   local                     local         computer   computer   computer
//   host, 1 player joined     local, sent   computer,  remote     computer,
//                                           sent                  sent
//   host, 2 players joined    local, sent   remote     remote     computer, sent
//   host, 3 players joined    local, sent   remote     remote     remote
//   joined player             local, sent   remote     remote     remote
//   tournament place          local, sent   remote     remote     remote
struct SeatPlan {
    OneBasedArray<SeatControl, kSeats> control{};
    OneBasedArray<bool, kSeats> announces{};

    static SeatPlan forGame(GameMode mode, int joinedPlayers = 0);
    // Four computer seats, nothing announced: the simulator and benchmarks.
    static SeatPlan allComputer();
};

// One tick of the turn driver: when the seat to move is a computer seat, it
// makes one action (a take or a knock in its take phase, a discard in its
// discard phase), announced as the plan says. Nothing for any other seat.
std::optional<PlayedMove> driveTurn(GameEngine& engine, const SeatPlan& plan);

// A move that arrived from another participant: applied, unannounced, to
// the seat whose turn it is, provided that seat is remote and the move is
// legal for it now. A discard names its card; the seat must hold it. False,
// and nothing changes, otherwise.
bool applyRemoteMove(GameEngine& engine, const SeatPlan& plan, const Move& move);

}  // namespace olk
