#include "net/receiver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/card.h"
#include "tests/net/net_fixture.h"

namespace olk::net {
namespace {

using Side = MessageReceiver::Side;

// Captured wire texts.
const QByteArray kBegin = "hbegin ### ######### ######### #####1";
const QByteArray kTakeDeck = "htake2#### ######### ######### #####3";
const QByteArray kDiscard7h = "hputskucha7\xF7######## ######### #####2";
const QByteArray kKnock = "hmakeknock########## ######### #####4";
const QByteArray kBadSender = "hmakeknock########## ######### #####9";

using test::fill;
using test::numberedDeck;

const Deal kDeal{numberedDeck(), RuleOptions{true, true}};
const QByteArray kDealBytes = buildDeal(kDeal.deck, kDeal.rules);
const Deal kTournamentDeal{numberedDeck(), RuleOptions{true, false}};

Message moveOf(const QByteArray& raw)
{
    return *parseMove(raw);
}

Message relayMoveOf(const QByteArray& frame)
{
    return *parseRelayFrame(frame);
}

std::vector<Message> feedAll(MessageReceiver& receiver, const std::vector<QByteArray>& reads)
{
    std::vector<Message> got;
    for (const QByteArray& read : reads) {
        const auto result = receiver.feed(read);
        EXPECT_FALSE(result.overflow);
        got.insert(got.end(), result.messages.begin(), result.messages.end());
    }
    return got;
}

struct Case {
    const char* what;
    Side side;
    std::vector<QByteArray> reads;
    std::vector<Message> expected;
    qsizetype pending = 0;  // bytes kept after the last read
};

TEST(MessageReceiver, CutsReadsIntoMessages)
{
    const QByteArray relayKnock = "hmakeknock" + fill(39) + "3";
    const QByteArray relayChat = "sHello" + fill(43) + "2";
    const QByteArray relayDeal = kDealBytes.left(kRelayDealLength);
    const std::vector<Case> cases = {
        {"a read of exactly one move", Side::Host, {kDiscard7h}, {moveOf(kDiscard7h)}},
        {"two moves in one read",
         Side::Host,
         {kTakeDeck + kDiscard7h},
         {moveOf(kTakeDeck), moveOf(kDiscard7h)}},
        {"a move and a half", Side::Joined, {kBegin + kKnock.left(20)}, {moveOf(kBegin)}, 20},
        {"a deal in three reads",
         Side::Joined,
         {kDealBytes.left(100), kDealBytes.mid(100, 100), kDealBytes.mid(200)},
         {kDeal}},
        {"moves before a deal, a move after it",
         Side::Joined,
         {kTakeDeck + kDiscard7h + kDealBytes + kBegin},
         {moveOf(kTakeDeck), moveOf(kDiscard7h), kDeal, moveOf(kBegin)}},
        {"chat, then a move, in one read",
         Side::Host,
         {"s2Hello" + kKnock},
         {ChatLine{2, "Hello"}, moveOf(kKnock)}},
        {"chat, then a deal, in one read",
         Side::Joined,
         {"s1Next one" + kDealBytes},
         {ChatLine{1, "Next one"}, kDeal}},
        {"chat ends at the end of the read",
         Side::Joined,
         {"s3Good luck", kBegin},
         {ChatLine{3, "Good luck"}, moveOf(kBegin)}},
        {"chat saying abort stays chat", Side::Joined, {"s4I abort"}, {ChatLine{4, "I abort"}}},
        {"chat ends where a move keyword starts, even cut short",
         Side::Host,
         {"s2Hi" + kTakeDeck.left(4), kTakeDeck.mid(4)},
         {ChatLine{2, "Hi"}, moveOf(kTakeDeck)}},
        {"a chat line split across reads",
         Side::Joined,
         {"s2Hel", "lo s3", "!", kKnock + "and more"},
         {ChatLine{2, "Hel"}, ChatLine{2, "lo s3", true}, ChatLine{2, "!", true}, moveOf(kKnock)}},
        {"a chat line, then a chat line in the next read",
         Side::Host,
         {"s2Hi", "s", "3Yo"},
         {ChatLine{2, "Hi"}, ChatLine{3, "Yo"}}},
        {"two chat lines in one read are one line",
         Side::Host,
         {"s2Hi!s3Yo"},
         {ChatLine{2, "Hi!s3Yo"}}},
        {"garbage is dropped",
         Side::Host,
         {QByteArray("xyz\0\xFF", 5) + kBegin + "hello " + kKnock + "s9bad"},
         {moveOf(kBegin), moveOf(kKnock)}},
        {"a move with a bad sender is dropped whole",
         Side::Joined,
         {kTakeDeck + kBadSender + kKnock},
         {moveOf(kTakeDeck), moveOf(kKnock)}},
        {"a deal with a duplicate card is dropped whole",
         Side::Joined,
         {QByteArray(kDealBytes).replace(3, 2, "2\xF7") + kKnock},
         {moveOf(kKnock)}},
        {"a start that cannot grow into a deal is dropped",
         Side::Joined,
         {"b2\xF7xx" + kKnock},
         {moveOf(kKnock)}},
        {"joining is closed", Side::Host, {"tev8425connect1Alex"}, {}},
        {"acceptance, names, abort",
         Side::Joined,
         {"connect2+3IvanAlex", "Max PC  connect4+IvanAlexMax Olga", "abo", "rt"},
         {JoinAccepted{3, *parseNameBlock("IvanAlexMax PC  ")},
          NamesUpdated{4, *parseNameBlock("IvanAlexMax Olga")}, Abort{}}},
        {"a join request is not a joined player's message",
         Side::Joined,
         {"tev8425connect1Alex" + kBegin},
         {moveOf(kBegin)}},
        {"a prefix is kept", Side::Joined, {"connect2+3Iv"}, {}, 12},
        {"relay: chat up to the first #", Side::Relay, {relayChat}, {ChatLine{2, "Hello"}}},
        {"relay: frames split anywhere",
         Side::Relay,
         {relayChat.left(10), relayChat.mid(10) + relayKnock.left(45), relayKnock.mid(45)},
         {ChatLine{2, "Hello"}, relayMoveOf(relayKnock)}},
        {"relay: a deal of 313 and a frame right after it",
         Side::Relay,
         {relayDeal + relayKnock},
         {kTournamentDeal, relayMoveOf(relayKnock)}},
        {"relay: a deal with rule flags",
         Side::Relay,
         {kDealBytes + relayKnock},
         {kTournamentDeal, relayMoveOf(relayKnock)}},
        {"relay: a deal filled to whole frames, in pieces",
         Side::Relay,
         {relayDeal.left(200), relayDeal.mid(200) + fill(20), fill(17) + relayChat},
         {kTournamentDeal, ChatLine{2, "Hello"}}},
        {"relay: end, left, lost on time",
         Side::Relay,
         {"e" + fill(49) + "a####2" + fill(44) + "T" + fill(48) + "4"},
         {GameEnded{}, PlayerLeft{2}, LostOnTime{4}}},
        {"relay: an unknown frame is dropped whole",
         Side::Relay,
         {"xs2e" + fill(46) + relayKnock},
         {relayMoveOf(relayKnock)}},
        {"relay: a frame that starts like a deal but is not one",
         Side::Relay,
         {"bnext" + fill(44) + "1" + relayKnock},
         {relayMoveOf(relayKnock)}},
        {"relay: a part frame is kept", Side::Relay, {relayKnock.left(49)}, {}, 49},
    };
    for (const Case& c : cases) {
        MessageReceiver receiver(c.side);
        EXPECT_EQ(feedAll(receiver, c.reads), c.expected) << c.what;
        EXPECT_EQ(receiver.pendingSize(), c.pending) << c.what;
    }
}

TEST(MessageReceiver, JoinRequestWhileJoiningIsOpen)
{
    MessageReceiver receiver(Side::Host);
    receiver.setJoinPhaseOpen(true);
    const std::vector<Message> expected = {JoinRequest{"Alex"}, moveOf(kKnock)};
    EXPECT_EQ(feedAll(receiver, {"tev8425con", "nect1Alex" + kKnock}), expected);
    // A different game is no join request and gets nothing.
    EXPECT_EQ(feedAll(receiver, {"tev8325connect1Alex"}), std::vector<Message>{});
    EXPECT_EQ(receiver.pendingSize(), 0);
}

TEST(MessageReceiver, MoveSplitAtEveryPosition)
{
    for (const QByteArray& move : {kBegin, kTakeDeck, kDiscard7h, kKnock}) {
        for (qsizetype at = 1; at < kMoveLength; ++at) {
            MessageReceiver receiver(Side::Joined);
            const auto first = receiver.feed(move.left(at));
            EXPECT_TRUE(first.messages.empty()) << at;
            EXPECT_EQ(receiver.pendingSize(), at);
            const auto second = receiver.feed(move.mid(at) + kKnock);
            const std::vector<Message> expected = {moveOf(move), moveOf(kKnock)};
            EXPECT_EQ(second.messages, expected) << move.toStdString() << " split at " << at;
            EXPECT_EQ(receiver.pendingSize(), 0);
        }
    }
}

TEST(MessageReceiver, OverflowAtTheCap)
{
    MessageReceiver receiver(Side::Joined);
    ASSERT_TRUE(receiver.feed(kDealBytes.left(300)).messages.empty());
    const qsizetype room = MessageReceiver::kMaxPending - 300;

    // Exactly up to the cap is accepted and read.
    MessageReceiver full = receiver;
    const QByteArray tail = kDealBytes.mid(300);
    const auto accepted = full.feed(tail + QByteArray(room - tail.size(), 'x'));
    EXPECT_FALSE(accepted.overflow);
    EXPECT_EQ(accepted.messages, std::vector<Message>{kDeal});

    // One byte more is an overflow: nothing is read and nothing kept.
    const auto refused = receiver.feed(tail + QByteArray(room - tail.size() + 1, 'x'));
    EXPECT_TRUE(refused.overflow);
    EXPECT_TRUE(refused.messages.empty());
    EXPECT_EQ(receiver.pendingSize(), 0);

    // The receiver is clean again afterwards.
    EXPECT_EQ(receiver.feed(kKnock).messages, std::vector<Message>{moveOf(kKnock)});
}

}  // namespace
}  // namespace olk::net
