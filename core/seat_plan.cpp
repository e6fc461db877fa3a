#include "core/seat_plan.h"

namespace olk {

SeatPlan SeatPlan::forGame(GameMode mode, int joinedPlayers)
{
    SeatPlan plan;
    plan.control[kLocalSeat] = SeatControl::Local;
    const bool networked = mode != GameMode::Local;
    plan.announces[kLocalSeat] = networked;
    for (int seat = 1; seat < kLocalSeat; ++seat) {
        plan.control[seat] = networked ? SeatControl::Remote : SeatControl::Computer;
    }
    if (mode == GameMode::NetworkHost) {
        // Role 2 always sits at seat 2; roles 3 and 4 at seats 1 and 3 once
        // they joined, the host's computer until then.
        if (joinedPlayers < 2) {
            plan.control[1] = SeatControl::Computer;
            plan.announces[1] = true;
        }
        if (joinedPlayers < 3) {
            plan.control[3] = SeatControl::Computer;
            plan.announces[3] = true;
        }
    }
    return plan;
}

SeatPlan SeatPlan::allComputer()
{
    SeatPlan plan;
    for (int seat = 1; seat <= kSeats; ++seat) {
        plan.control[seat] = SeatControl::Computer;
        plan.announces[seat] = false;
    }
    return plan;
}

std::optional<PlayedMove> driveTurn(GameEngine& engine, const SeatPlan& plan)
{
    const int seat = turn::seatOf(engine.state().turnState);
    if (seat == 0 || plan.control[seat] != SeatControl::Computer) {
        return std::nullopt;
    }
    return engine.playComputerAction(plan.announces[seat]);
}

bool applyRemoteMove(GameEngine& engine, const SeatPlan& plan, const Move& move)
{
    const TableState& st = engine.state();
    const int seat = turn::seatOf(st.turnState);
    if (move.kind == MoveKind::Begin) {
        return engine.beginPlay(false);
    }
    if (seat == 0 || plan.control[seat] != SeatControl::Remote) {
        return false;
    }
    // A move also starts play, should its begin message not have come.
    if (st.playPhase == 1 && !engine.beginPlay(false)) {
        return false;
    }
    switch (move.kind) {
    case MoveKind::Take:
        return canTake(st, seat, move.source) && engine.takeCard(seat, move.source, false);
    case MoveKind::Discard:
        for (int cell = 1; cell <= 4; ++cell) {
            if (st.players[seat].cells[cell].code == move.card && !move.card.isEmpty()) {
                return canDiscard(st, seat, cell) && engine.discardCard(seat, cell, false);
            }
        }
        return false;
    case MoveKind::Knock:
        return canKnock(st, seat) && engine.knock(seat, false);
    case MoveKind::Begin:
        break;
    }
    return false;
}

}  // namespace olk
