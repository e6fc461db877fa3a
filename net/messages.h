#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <string_view>
#include <variant>

#include "core/one_based.h"
#include "core/table_observer.h"
#include "core/table_state.h"

namespace olk::net {

// The network game's messages
// ===========================
//
// Four copies of one game run in step, one on every participant's machine;
// only what cannot be computed locally travels: who joined, the shuffled deck
// of each deal, the moves of people, the start of play, chat lines and the
// news that someone left.
//
// A message is a run of 8-bit Windows-1251 characters handed to the socket in
// one send call, with no length, no terminator and no line end (receiver.h
// tells how a stream is cut back into messages). Positions below count from 1.
// Fixed-length messages fill the positions nobody reads with "#" characters,
// in runs separated by single blanks exactly as written below; a receiver
// looks only at the positions named and never at the filling.
//
// Card codes are the two characters of core/card.h, rank then suit ("7ч" is
// the seven of hearts, "1б" the ten of diamonds). A rule flag is one
// character: "И" (byte 0xC8) for on, "Л" (byte 0xCB) for off; a receiver
// takes anything but "И" as off.
//
// Roles and seats
// ---------------
// Every participant has a role 1..4, sent as one ASCII digit. On the direct
// connection role 1 is the host and roles 2, 3, 4 are the joined players in
// the order they joined; at the relay the role is the place 1..4 at the
// tournament table. Each participant sees itself at seat 4 (the bottom); the
// seat at which it sees another role is seatOfRole(own role, role) of
// core/seats.h, and roleAtSeat goes back:
//
//     own role | role 1  role 2  role 3  role 4   (-> seat)
//     ---------+--------------------------------
//         1    |   4       2       1       3
//         2    |   2       4       3       1
//         3    |   3       1       4       2
//         4    |   1       3       2       4
//
// Play passes seat 1 -> 2 -> 3 -> 4 in every view, so all participants agree
// whose turn it is and a move never names its seat: the receiver applies it
// to the seat whose turn it is in its own view.
//
// Names
// -----
// A name on the wire is 4 characters: the first 4 of the player's name, which
// is kept blank-padded to 20, so shorter names end in blanks (wireName). A
// name block is 16 characters: the names of roles 1, 2, 3, 4 in that order; a
// role that no person holds is "PC  " (P, C and two blanks).
//
// Direct connection: host and joined players
// ------------------------------------------
//   join request    joining player -> host, 19 characters, once the new
//                   connection can be written to:
//                   1-3 "tev", 4-5 "84" (this game among the family of games
//                   that share the protocol), 6-7 "25", 8-15 "connect1",
//                   16-19 the joining player's name. Any other text in 1-15
//                   is not a join request and gets no answer.
//   join accepted   host -> the player who just joined, 26:
//                   1-9 "connect2+", 10 the role given ('2', '3' or '4'),
//                   11-26 name block. The joined player takes '3' as role 3,
//                   '4' as role 4 and anything else as role 2.
//   names updated   host -> the players who joined earlier, 25:
//                   1-9 "connect3+" when role 3 joined (to role 2) or
//                   "connect4+" when role 4 joined (to roles 2 and 3),
//                   10-25 name block.
//   deal            host -> every joined player, at every deal, 315:
//                   1 "b"; 2-105 the 52 card codes in deck order;
//                   106-209 the rank index of each of those cards, two
//                   digits, "01" (two) to "13" (ace); 210-313 the points of
//                   each card, two digits, "02" to "11"; 314 rule flag
//                   "Three of a kind is worth 30 points"; 315 rule flag
//                   "Punish the Knocker". A deal is taken only when its 52
//                   codes are the 52 cards of the deck, each once, and every
//                   rank index and point value is the card's own.
//   moves           37 characters each; character 37 is the role digit of
//                   the participant who made the move (the host's digit "1"
//                   for its computer seats too):
//                     "hbegin ### ######### ######### #####" + digit
//                         play of the deal begins (host -> joined players)
//                     "htake" + source + "#### ######### ######### #####" + digit
//                         take; source '1' the open pile, '2' the closed deck
//                     "hputskucha" + card + "######## ######### #####" + digit
//                         discard that card onto the pile
//                     "hmakeknock########## ######### #####" + digit
//                         knock
//                   A receiver reads 1-6 "hbegin", 1-5 "htake" and 6,
//                   1-10 "hputskucha" and 11-12, 1-10 "hmakeknock", and 37.
//                   A joined player sends its moves to the host; the host
//                   passes each one on, unchanged, to the other joined
//                   players, and sends its own to all of them.
//   chat            "s" + the writer's role digit + the line, which has no
//                   length and no end ("s1..." from the host; the host passes
//                   a joined player's line on unchanged).
//   abort           "abort": host -> joined players, a joined player left
//                   while a match was running.
//
// Relay connection: tournament participant and relay server
// ---------------------------------------------------------
// Everything a participant sends is padded with "#" to 50 characters and
// character 50 is then the sender's place digit (a longer text is cut to 49
// characters first, so a frame is always 50):
//     "connect" + place digit  take the place, once the connection is writable
//     "hbegin", "htake" + source, "hputskucha" + card, "hmakeknock"
//                              the local player's moves (the bare move texts)
//     "s" + line               chat
//     "bnext"                  place 1 asks for the next deal
//     "o" + four fields        place 1 after the 4th deal: the final balances
//                              of places 1, 2, 3, 4, each a signed decimal
//                              right-aligned in 5 characters with blanks on
//                              the left ("o   25   -5    0  -20")
//     "TOut"                   the local player's move clock ran out
//     "disA"                   the local player leaves the place
//
// The relay sends 50-character frames, told apart by their first character:
//     "s"   chat: the line is characters 2 up to the first "#" (at most 48
//           characters), character 50 the writer's place digit
//     "b"   a deal as on the direct connection, positions 2-313 only, at
//           least 313 characters, with no rule flags: a tournament always
//           plays with "Three of a kind is worth 30 points" on and "Punish
//           the Knocker" off
//     "hbegin", "htake", "hputskucha", "hmakeknock"
//           moves, read at positions 1-12 as on the direct connection
//     "e"   the tournament game ended
//     "a"   a player left; character 6 is the place digit
//     "T"   a player lost on time; character 50 is the place digit
// A place digit from the relay becomes a seat with the same table as above
// (row: own place; column: the place received).

inline constexpr int kWireNameLength = 4;
inline constexpr int kNameBlockLength = 4 * kWireNameLength;
inline constexpr int kJoinRequestLength = 19;
inline constexpr int kJoinAcceptedLength = 26;
inline constexpr int kNamesUpdatedLength = 25;
inline constexpr int kDealLength = 315;
inline constexpr int kRelayDealLength = 313;
inline constexpr int kMoveLength = 37;
inline constexpr int kRelayFrameLength = 50;

// A role that no person holds.
inline constexpr char kComputerName[] = "PC  ";

// Wire names (4 characters, Windows-1251) by role 1..4.
using NameBlock = OneBasedArray<QByteArray, kSeats>;

// ---------------------------------------------------------------- messages

// A join request; `name` is its 4 characters.
struct JoinRequest {
    QByteArray name;
    friend bool operator==(const JoinRequest&, const JoinRequest&) = default;
};

// "connect2+": the role this player was given, 2..4, and everybody's names.
struct JoinAccepted {
    int role = 2;
    NameBlock names;
    friend bool operator==(const JoinAccepted&, const JoinAccepted&) = default;
};

// "connect3+" or "connect4+": `newRole` (3 or 4) joined; the new names.
struct NamesUpdated {
    int newRole = 3;
    NameBlock names;
    friend bool operator==(const NamesUpdated&, const NamesUpdated&) = default;
};

// A deck to deal from, with the rules it is played under.
struct Deal {
    DeckCells deck;
    RuleOptions rules;
    friend bool operator==(const Deal&, const Deal&) = default;
};

// A move as received. `sender` is the role digit of character 37 on the
// direct connection (1..4); at the relay it is the place digit of character
// 50, or 0 when that character holds none, since a receiver never needs it.
// `raw` is the message as it arrived (37 characters, or the 50 of a relay
// frame), for the host to pass on unchanged.
struct MoveMessage {
    Move move;
    int sender = 0;
    QByteArray raw;
    friend bool operator==(const MoveMessage&, const MoveMessage&) = default;
};

// A chat line and the role (at the relay: the place) of its writer.
// `continues` marks the rest of a line that TCP split across two reads
// (receiver.h): it belongs at the end of the writer's previous line.
struct ChatLine {
    int role = 0;
    QByteArray text;
    bool continues = false;
    friend bool operator==(const ChatLine&, const ChatLine&) = default;
};

// "abort": the match is over because someone left.
struct Abort {
    friend bool operator==(const Abort&, const Abort&) = default;
};

// Relay "e": the tournament game ended.
struct GameEnded {
    friend bool operator==(const GameEnded&, const GameEnded&) = default;
};

// Relay "a": the player of `place` left the table.
struct PlayerLeft {
    int place = 0;
    friend bool operator==(const PlayerLeft&, const PlayerLeft&) = default;
};

// Relay "T": the player of `place` lost on time.
struct LostOnTime {
    int place = 0;
    friend bool operator==(const LostOnTime&, const LostOnTime&) = default;
};

using Message = std::variant<JoinRequest, JoinAccepted, NamesUpdated, Deal, MoveMessage, ChatLine,
                             Abort, GameEnded, PlayerLeft, LostOnTime>;

// ------------------------------------------------------------------- names

// A conforming player's chat line is at most this long.
inline constexpr int kChatLineLength = 15;

// Text from a peer as the program may show and keep it: control characters
// and the code page's one undefined byte (0x98) become "?". The parsers give
// names and chat lines this way.
QByteArray printable(QByteArrayView peerText);

// Any Windows-1251 name as it goes on the wire: its first 4 characters,
// blank-padded when it is shorter ("Alexander" -> "Alex", "Bo" -> "Bo  ").
QByteArray wireName(QByteArrayView cp1251Name);

// The same for a name held as UTF-8 (a seat's name): characters Windows-1251
// cannot write become "?".
QByteArray wireNameFromUtf8(std::string_view utf8Name);

// The 16 characters of a name block; each name goes through wireName.
QByteArray nameBlock(const NameBlock& names);

// The four names of a 16-character name block; nothing for another length.
std::optional<NameBlock> parseNameBlock(QByteArrayView block);

// ----------------------------------------------------- direct connection out

// Role and sender arguments are 1..4 (joinAccepted: 2..4; namesUpdated: 3
// or 4); a take's source is 1 or 2 and a discard's card a real card.

QByteArray buildJoinRequest(QByteArrayView cp1251Name);
QByteArray buildJoinAccepted(int role, const NameBlock& names);
QByteArray buildNamesUpdated(int newRole, const NameBlock& names);
QByteArray buildDeal(const DeckCells& deck, const RuleOptions& rules);
QByteArray buildMove(const Move& move, int sender);
QByteArray buildChat(int role, QByteArrayView text);
QByteArray buildAbort();

// ------------------------------------------------------ direct connection in
//
// Each takes exactly one whole message (no more, no less) and returns its
// fields, or nothing when it is not a well-formed message of that kind.

std::optional<JoinRequest> parseJoinRequest(QByteArrayView message);
std::optional<JoinAccepted> parseJoinAccepted(QByteArrayView message);
std::optional<NamesUpdated> parseNamesUpdated(QByteArrayView message);
// Refused unless the 52 codes are the 52 cards, each once, and every rank
// index and point field is exactly the card's own.
std::optional<Deal> parseDeal(QByteArrayView message);
// Refused for an unknown kind, a take source other than '1' or '2', a
// discarded code that is not a real card, or a sender digit outside 1..4.
std::optional<MoveMessage> parseMove(QByteArrayView message);
// "s" + role digit 1..4 + a line of at least one character.
std::optional<ChatLine> parseChat(QByteArrayView message);

// The move named by the first 12 characters of a move text (both transports).
std::optional<Move> parseMoveText(QByteArrayView text);

// ---------------------------------------------------------------- relay out

// `text` padded with "#" to 50 characters, the place digit (1..4) at 50.
QByteArray buildRelayFrame(QByteArrayView text, int place);
QByteArray buildRelayConnect(int place);
QByteArray buildRelayMove(const Move& move, int place);
QByteArray buildRelayChat(QByteArrayView text, int place);
QByteArray buildRelayNextDeal(int place);
// Each balance is clamped to what 5 characters can hold (-9999..99999).
QByteArray buildRelayFinalBalances(const OneBasedArray<int, kSeats>& balanceByPlace, int place);
QByteArray buildRelayTimeOut(int place);
QByteArray buildRelayLeave(int place);

// ----------------------------------------------------------------- relay in

// A relay deal: at least 313 characters, of which 1-313 are read; the rules
// are the tournament's. Refused as parseDeal refuses.
std::optional<Deal> parseRelayDeal(QByteArrayView message);

// A 50-character relay frame other than a deal: a chat line (its place
// digit 1..4 and a line of at least one character), a move, the end of the
// game, a player who left or lost on time (their place digit 1..4). Nothing
// for another length, another first character or bad fields.
std::optional<Message> parseRelayFrame(QByteArrayView frame);

}  // namespace olk::net
