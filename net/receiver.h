#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

#include "messages.h"

namespace olk::net {

// Cuts what one connection delivers back into messages (messages.h).
//
// TCP keeps the bytes but not the sends: one read may hold several messages,
// or part of one. The receiver keeps what it has not used yet and hands out
// each message once it is whole, in the order they arrived.
//
// Each connection has its own receiver, built for its side:
//   Host     what a joined player sends: the join request (only while the
//            host says joining is open), moves and chat lines.
//   Joined   what the host sends: acceptance, updated names, deals, moves,
//            chat lines and "abort".
//   Relay    what the tournament relay sends: 50-character frames.
// Whether a message is wanted now (an acceptance while not waiting for one,
// a second deal) is for the caller to decide; the receiver only frames and
// parses.
//
// On the direct connection a message is told by its start and has a fixed
// length, except a chat line, which has neither length nor end. A chat line
// ends at the first place in it where another message recognisably starts,
// or else at the end of the data received so far. A message "recognisably
// starts" with the first four characters of a move keyword ("hbeg", "htak",
// "hput", "hmak"; the whole keyword when more has arrived), with "b" and a
// real card code (a deal; joined side), or with "connect3" or "connect4"
// (joined side). Not with "abort", which a person may well type, nor with
// "s": two chat lines in one read stay one line, as they always have. When a
// line reached the end of a read and the next read starts with something
// that cannot start a message, that is the rest of the line, split by TCP:
// it comes as a line of the same writer marked `continues`. The one case
// this cannot tell apart is a message that TCP splits within its first
// characters right after a chat line: its start is taken into the line. A
// conforming peer's lines are at most 15 characters, each sent in one call,
// which keeps that rare.
//
// A move, a deal or any other fixed message that starts well but fails its
// checks once whole is dropped whole. Bytes that cannot start a message of
// the side are dropped up to the next place where one can start; a tail that
// may still grow into a message is kept for the next read.
//
// At the relay, data is read in frames of 50 characters, each told by its
// first character (messages.h); a frame of any other kind is dropped whole.
// A deal is the exception: it is 313 characters or more, and the relay may
// send it alone, with its rule flags, or filled with "#"; after its 313th
// character, "#", "И" and "Л" are skipped until the next frame starts.
//
// At most 64 KiB may wait in the receiver at once (the unused tail plus the
// new read). A conforming peer never comes near it; beyond it, feed reports
// overflow, drops everything it held and hands out nothing, and the caller
// disconnects that peer.
class MessageReceiver {
public:
    enum class Side { Host, Joined, Relay };

    static constexpr qsizetype kMaxPending = 64 * 1024;

    struct FeedResult {
        std::vector<Message> messages;
        bool overflow = false;
    };

    explicit MessageReceiver(Side side);

    Side side() const { return m_side; }

    // Host side: whether join requests are recognised (the host is waiting
    // for players). Off at first.
    void setJoinPhaseOpen(bool open) { m_joinPhaseOpen = open; }
    bool isJoinPhaseOpen() const { return m_joinPhaseOpen; }

    // Adds a read's bytes; returns every message now whole, in order.
    FeedResult feed(QByteArrayView bytes);

    // Bytes kept for the next read.
    qsizetype pendingSize() const { return m_buffer.size(); }

    // Forgets everything kept (a new connection).
    void reset();

private:
    struct Step;
    bool mayStartMessage(QByteArrayView front) const;
    Step dropToNextStart(QByteArrayView front) const;
    Step directStep(QByteArrayView front);
    Step directMessageStep(QByteArrayView front, int chatRole);
    Step chatStep(QByteArrayView front, qsizetype from, int role, bool continues);
    qsizetype chatEnd(QByteArrayView front, qsizetype from) const;
    bool startsRecognisably(QByteArrayView rest) const;
    Step relayStep(QByteArrayView front);

    Side m_side;
    bool m_joinPhaseOpen = false;
    bool m_skippingDealTail = false;
    int m_chatRole = 0;  // writer of a chat line that reached the end of the last read
    QByteArray m_buffer;
};

}  // namespace olk::net
