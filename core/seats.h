#pragma once

namespace olk {

// Views of the table. Every participant of a networked game (or a tournament
// table) has a role 1..4 (role 1 is the host; at the relay it is the place
// number) and sees itself at seat 4. The view of role 1 puts role 1 at seat 4,
// role 2 at seat 2, role 3 at seat 1 and role 4 at seat 3; every other view is
// that one turned, so that play always runs seat 1 -> 2 -> 3 -> 4 in every
// view, which is role 1 -> 3 -> 2 -> 4 on the wire.

// The seat at which a participant of role ownRole sees role `role`; 0 when
// either argument is not 1..4.
int seatOfRole(int ownRole, int role);

// The role sitting at `seat` in the view of ownRole; 0 for bad arguments.
int roleAtSeat(int ownRole, int seat);

// First seat of a local game's deal, by the profile's deal counter after it
// was increased: remainder 1 -> seat 1, 2 -> 2, 3 -> 3, 0 -> 4.
int firstSeatLocal(int dealNumber);

// First seat of a networked or tournament deal, by the deals of this game and
// the participant's own role. Every view names the same player: role 3 leads
// the first deal, then role 2, role 4, role 1, one step along the play order
// per deal.
int firstSeatNetworked(int gameDeals, int ownRole);

// Which seat receives dealing block `block` (deck cards 3b-2..3b, b = 1..4).
// On the direct connection block b belongs to role b; in a local game the
// local player counts as role 1.
int seatOfDirectBlock(int ownRole, int block);

// The relay deals the other way round: place p receives block 5 - p.
int seatOfRelayBlock(int ownPlace, int block);

}  // namespace olk
