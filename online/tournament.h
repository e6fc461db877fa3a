#pragma once

// What the game and olk-service agree on about the tournament beyond the
// requests.

namespace olk::online {

// The administrator's nick, built into the program: the tournament window
// shows this account the box that points the relay elsewhere, and lets it
// sit with a player from the same address. Nobody can register it: the
// service answers as for a taken nick. An operator names the account it
// trusts as administrator with `olk-service --tournament-admin`, and only
// that one is honoured by the service.
inline constexpr char kTournamentAdminNick[] = "TevAdmin";

}  // namespace olk::online
