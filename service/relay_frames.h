#pragma once

#include "core/one_based.h"
#include "core/table_observer.h"
#include "core/table_state.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace olk::service {

// The relay's side of the tournament frames (the participant's side is
// net/messages.h, whose layouts these follow).
//
// A participant sends frames of exactly 50 characters: the text, "#" up to
// character 49 and its place digit at 50. The relay never believes that
// digit (a connection plays the place it was seated at) and reads only:
//   "connect" + digit   the place asked for (character 8)
//   "hbegin", "htake" + source, "hputskucha" + card, "hmakeknock"
//   "s" + line          chat: characters 2 up to the first "#"
//   "bnext"             place 1 asks for the next deal
//   "o" + 4 x 5 chars   place 1's final balances (only compared)
//   "TOut"              the sender's own clock ran out
//   "disA"              the sender leaves its place
// Anything else is not a participant's frame.
//
// The relay sends 50-character frames, and the deal:
//   "b" + deck          313 characters: positions 2-313 of a deal, no
//                       rule flags (the tournament's rules are fixed)
//   moves, chat         the mover's or writer's text, padded, with the
//                       place the relay seated that connection at, at 50
//   "e"                 "end" padded with "#" (character 50 is "#" too)
//   "a"                 "abort" + the leaver's place digit at 6, padded,
//                       the same digit at 50
//   "T"                 "TOut" padded, the loser's place digit at 50

struct ParticipantFrame {
    enum class Kind { Connect, Move, Chat, NextDeal, Balances, TimeOut, Leave };
    Kind kind = Kind::Connect;
    int place = 0;    // Connect: the place asked for, 1..4
    Move move;        // Move
    QByteArray line;  // Chat: printable, at most the 15 characters a player types
    OneBasedArray<int, kSeats> balances{};  // Balances, by place
};

inline constexpr int kParticipantFrameLength = 50;

// One 50-character frame; nothing when it is no participant's frame.
std::optional<ParticipantFrame> parseParticipantFrame(QByteArrayView frame);

QByteArray relayDealFrame(const DeckCells& deck);
QByteArray relayMoveFrame(const Move& move, int place);
QByteArray relayChatFrame(QByteArrayView line, int place);
QByteArray relayEndFrame();
QByteArray relayLeftFrame(int place);
QByteArray relayTimeUpFrame(int place);

}  // namespace olk::service
