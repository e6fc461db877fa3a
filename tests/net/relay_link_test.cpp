#include "net/relay_link.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QElapsedTimer>
#include <QTest>
#include <map>
#include <memory>

#include "core/seats.h"
#include "tests/net/net_fixture.h"

namespace olk::net {
namespace {

using test::fill;
using test::numberedDeck;

QByteArray pad(const QByteArray& text, char place)
{
    return text + fill(49 - int(text.size())) + place;
}

// The relay's deal: "b" and positions 2-313 of the direct connection's
// deal, filled up to whole frames.
QByteArray relayDeal(const DeckCells& deck)
{
    const QByteArray deal = buildDeal(deck, {}).left(kRelayDealLength);
    return deal + fill(350 - kRelayDealLength);
}

// A relay as small as a test needs: it learns each connection's place
// from "connect", deals to all once four are in and again on "bnext",
// passes moves and chat lines to the other three, answers "o" with "e" and
// "TOut" with "T". Every frame it receives is kept.
class ScriptedRelay : public QObject {
public:
    explicit ScriptedRelay(int places = 4) : m_places(places)
    {
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { read(socket); });
            }
        });
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost));
    }

    quint16 port() const { return server.serverPort(); }

    void sendTo(int place, const QByteArray& bytes)
    {
        if (auto it = byPlace.find(place); it != byPlace.end()) {
            it->second->write(bytes);
        }
    }
    void sendToAll(const QByteArray& bytes, int except = 0)
    {
        for (auto& [place, socket] : byPlace) {
            if (place != except) {
                socket->write(bytes);
            }
        }
    }
    void deal()
    {
        DeckCells deck = numberedDeck();
        std::rotate(deck.begin(), deck.begin() + 7 * deals, deck.end());
        ++deals;
        sendToAll(relayDeal(deck));
    }

    QTcpServer server;
    std::map<int, QTcpSocket*> byPlace;
    std::vector<QByteArray> received;
    bool autoDeal = true;
    int deals = 0;

private:
    void read(QTcpSocket* socket)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        while (buffer.size() >= kRelayFrameLength) {
            const QByteArray frame = buffer.left(kRelayFrameLength);
            buffer.remove(0, kRelayFrameLength);
            received.push_back(frame);
            const int place = frame[49] - '0';
            if (frame.startsWith("connect")) {
                byPlace[place] = socket;
                if (autoDeal && int(byPlace.size()) == m_places) {
                    deal();
                }
            } else if (frame.startsWith("bnext")) {
                deal();
            } else if (frame.startsWith('h') || frame.startsWith('s')) {
                sendToAll(frame, place);
            } else if (frame.startsWith('o')) {
                sendToAll(pad("e", '0'));
            } else if (frame.startsWith("TOut")) {
                sendToAll(QByteArray("T") + fill(48) + char('0' + place), place);
            }
        }
    }

    int m_places;
    std::map<QTcpSocket*, QByteArray> m_buffers;
};

struct Place {
    explicit Place(int place, quint16 port, std::uint64_t seed) : session(Rng(seed)), link(session)
    {
        QObject::connect(&link, &RelayLink::chatReceived, [this](int from, const QByteArray& line) {
            chat.push_back({from, line});
        });
        QObject::connect(&link, &RelayLink::gameEnded, [this] { ++ended; });
        QObject::connect(&link, &RelayLink::playerLeft, [this](int p, int seat) {
            left.push_back({p, seat});
        });
        QObject::connect(&link, &RelayLink::playerTimedOut, [this](int p, int seat) {
            timedOut.push_back({p, seat});
        });
        QObject::connect(&link, &RelayLink::localTimeUp, [this] { ++ownTimeUp; });
        QObject::connect(&link, &RelayLink::connectionLost, [this] { ++lost; });
        QObject::connect(&link, &RelayLink::closed, [this] { ++closed; });
        OneBasedArray<std::string, kSeats> names;
        const char* given[] = {"Anna", "Boris", "Clara", "Dmitri"};
        for (int p = 1; p <= kSeats; ++p) {
            names[p] = given[p - 1];
        }
        link.setPlaceNames(names);
        link.connectToRelay("127.0.0.1", port, place, {names[place], 0, 100, 0.0});
    }

    // Plays the local seat's action as the computer would.
    bool playOwnTurn()
    {
        const TableState& st = session.engine().state();
        if (st.playPhase == 2 && turn::seatOf(st.turnState) == kLocalSeat) {
            return session.engine().playComputerAction(true).has_value();
        }
        return false;
    }

    GameSession session;
    RelayLink link;
    std::vector<std::pair<int, QByteArray>> chat;
    std::vector<std::pair<int, int>> left, timedOut;
    int ended = 0, ownTimeUp = 0, lost = 0, closed = 0;
};

class Table : public ::testing::Test {
protected:
    void seatAll(int count = 4)
    {
        for (int place = 1; place <= count; ++place) {
            places.push_back(std::make_unique<Place>(place, relay.port(), 40 + place));
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return int(relay.byPlace.size()) == count; }, 5000));
    }
    bool allStarted()
    {
        for (auto& p : places) {
            if (!p->link.hasGameStarted()) {
                return false;
            }
        }
        return true;
    }
    Place& at(int place) { return *places[place - 1]; }

    // Every place plays its own seat; place 1 begins each deal and asks for
    // the next one, until the game is over everywhere.
    void playGame()
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return allStarted(); }, 5000));
        // Bounded by time, not by rounds: on a loaded machine a round may
        // find nothing to do many times over while the deal's end pauses.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000) {
            bool over = true;
            for (auto& p : places) {
                over = over && p->session.engine().state().matchOver;
            }
            if (over) {
                return;
            }
            bool moved = false;
            GameSession& first = at(1).session;
            const TableState& st = first.engine().state();
            if (first.engine().buttons().firstEnabled &&
                (st.playPhase == 1 || st.turnState == turn::kDealOver)) {
                first.pressFirstButton();
                moved = true;
            }
            for (auto& p : places) {
                moved = p->playOwnTurn() || moved;
            }
            QTest::qWait(moved ? 0 : 2);
        }
        FAIL() << "the game did not end";
    }

    ScriptedRelay relay;
    std::vector<std::unique_ptr<Place>> places;
};

TEST_F(Table, AWholeGameThroughTheRelayEndsAlikeAtEveryPlace)
{
    seatAll();
    for (int place = 1; place <= 4; ++place) {
        EXPECT_EQ(relay.received[place - 1].size(), kRelayFrameLength);
    }
    EXPECT_EQ(relay.received[0], pad("connect1", '1'));

    ASSERT_TRUE(QTest::qWaitFor([&] { return allStarted(); }, 5000));
    // Place p holds deck cards 3(5 - p) - 2 .. 3(5 - p) at its own seat, and
    // everybody sees the same cards at the seat of that place.
    const DeckCells deck = numberedDeck();
    for (int own = 1; own <= 4; ++own) {
        const TableState& st = at(own).session.engine().state();
        EXPECT_EQ(at(own).session.engine().setup().mode, GameMode::Tournament);
        EXPECT_TRUE(at(own).session.engine().setup().rules.threeOfAKind30);
        EXPECT_FALSE(at(own).session.engine().setup().rules.punishKnocker);
        EXPECT_EQ(at(own).link.clock().seat(), seatOfRole(own, 1)) << "place 1's clock runs";
        // Full, or a tick or two less on a busy machine.
        EXPECT_LE(at(own).link.clock().secondsLeft(), MoveClock::kFullSeconds);
        EXPECT_GE(at(own).link.clock().secondsLeft(), MoveClock::kFullSeconds - 3);
        for (int place = 1; place <= 4; ++place) {
            const PlayerRecord& player = st.players[seatOfRole(own, place)];
            std::vector<int> held, dealt;
            for (int i = 1; i <= 3; ++i) {
                held.push_back(numberOfCard(player.cells[i].code));
                dealt.push_back(numberOfCard(deck[3 * (5 - place) - 3 + i].code));
            }
            std::sort(held.begin(), held.end());
            std::sort(dealt.begin(), dealt.end());
            EXPECT_EQ(held, dealt) << "own place " << own << ", place " << place;
            if (place != own) {
                const char* names[] = {"Anna", "Boris", "Clara", "Dmitri"};
                EXPECT_EQ(player.name, names[place - 1]);
            }
        }
    }
    EXPECT_EQ(at(2).session.engine().buttons().firstEnabled, false) << "only place 1 begins";

    playGame();
    ASSERT_FALSE(HasFailure());
    for (int own = 1; own <= 4; ++own) {
        SCOPED_TRACE(own);
        const TableState& st = at(own).session.engine().state();
        EXPECT_EQ(st.gameDeals, 4);
        EXPECT_EQ(at(own).link.phase(), RelayLink::Phase::Over);
        EXPECT_EQ(at(own).lost, 0);
        for (int place = 1; place <= 4; ++place) {
            EXPECT_EQ(st.players[seatOfRole(own, place)].balance,
                      at(1).session.engine().state().players[seatOfRole(1, place)].balance);
        }
    }
    // Place 1 alone reports the balances, by place, once.
    std::vector<QByteArray> finals;
    for (const QByteArray& frame : relay.received) {
        if (frame.startsWith('o')) {
            finals.push_back(frame);
        }
    }
    ASSERT_EQ(finals.size(), 1u);
    OneBasedArray<int, kSeats> byPlace;
    for (int place = 1; place <= 4; ++place) {
        byPlace[place] = at(1).session.engine().state().players[seatOfRole(1, place)].balance;
    }
    EXPECT_EQ(finals[0], buildRelayFinalBalances(byPlace, 1));
    EXPECT_EQ(relay.deals, 4) << "three bnext after the first deal";
    ASSERT_TRUE(QTest::qWaitFor([&] { return at(4).ended == 1; }, 5000));
    EXPECT_TRUE(at(4).session.engine().state().matchOver);
}

TEST(RelayFrames, TheBalancesFrameOfTheExample)
{
    OneBasedArray<int, kSeats> balances;
    balances[1] = 25;
    balances[2] = -5;
    balances[3] = 0;
    balances[4] = -20;
    EXPECT_EQ(buildRelayFinalBalances(balances, 1),
              QByteArray("o   25   -5    0  -20") + fill(28) + "1");
}

TEST_F(Table, ChatLinesComeWithTheirWritersPlace)
{
    seatAll();
    at(3).link.sendChat("Hello");
    ASSERT_TRUE(QTest::qWaitFor([&] { return at(1).chat.size() == 1; }, 5000));
    EXPECT_EQ(at(1).chat[0], std::make_pair(3, QByteArray("Hello")));
    // The relay's own frame as written in the example: the line ends at "#".
    relay.sendTo(2, QByteArray("sHello") + fill(43) + "4");
    ASSERT_TRUE(QTest::qWaitFor([&] { return at(2).chat.size() == 2; }, 5000));
    EXPECT_EQ(at(2).chat[1], std::make_pair(4, QByteArray("Hello")));
    EXPECT_TRUE(at(3).chat.empty());
    // A longer line is cut to what a player may type.
    relay.sendTo(2, QByteArray("s") + QByteArray(30, 'x') + fill(18) + "1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return at(2).chat.size() == 3; }, 5000));
    EXPECT_EQ(at(2).chat[2], std::make_pair(1, QByteArray(kChatLineLength, 'x')));
}

TEST_F(Table, APlayerWhoLeftEndsTheGameOnceAndNotAfterItsEnd)
{
    seatAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return allStarted(); }, 5000));
    // "a" with the place at character 6.
    relay.sendTo(1, pad("a####3", '0'));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !at(1).left.empty(); }, 5000));
    EXPECT_EQ(at(1).left[0], std::make_pair(3, seatOfRole(1, 3)));
    EXPECT_TRUE(at(1).session.engine().state().matchOver);
    EXPECT_EQ(at(1).session.engine().state().turnState, turn::kDealOver);
    EXPECT_EQ(at(1).link.phase(), RelayLink::Phase::Over);
    EXPECT_TRUE(at(1).session.tournamentEnded());
    ASSERT_TRUE(QTest::qWaitFor([&] { return at(1).closed == 1; }, 5000)) << "the link closed";
    at(1).session.pressFirstButton();
    EXPECT_EQ(at(1).session.engine().state().playPhase, 1) << "nothing begins after the end";

    // Place 2: the game ended first, then an "a" shows nothing.
    relay.sendTo(2, pad("e", '0') + pad("a####4", '0'));
    ASSERT_TRUE(QTest::qWaitFor([&] { return at(2).ended == 1; }, 5000));
    QTest::qWait(50);
    EXPECT_TRUE(at(2).left.empty());
    EXPECT_EQ(at(2).lost, 0);
}

TEST_F(Table, ALossOnTimeAtTheRelayAndAtHome)
{
    seatAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return allStarted(); }, 5000));
    // Place 1's clock runs out while nobody pressed "To Begin".
    MoveClock& clock = at(1).link.clock();
    ASSERT_EQ(clock.seat(), kLocalSeat);
    for (int i = 0; i < MoveClock::kFullSeconds + 3; ++i) {
        clock.tick();
    }
    EXPECT_EQ(at(1).ownTimeUp, 1);
    EXPECT_TRUE(at(1).session.engine().state().matchOver);
    for (int place = 2; place <= 4; ++place) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !at(place).timedOut.empty(); }, 5000));
        EXPECT_EQ(at(place).timedOut[0], std::make_pair(1, seatOfRole(place, 1)));
        EXPECT_TRUE(at(place).session.engine().state().matchOver);
    }
    // Another seat's clock only stops.
    EXPECT_EQ(at(2).ownTimeUp, 0);
    QTest::qWait(50);
    int timeOuts = 0;
    for (const QByteArray& frame : relay.received) {
        timeOuts += frame == pad("TOut", '1') ? 1 : 0;
    }
    EXPECT_EQ(timeOuts, 1) << "TOut goes out exactly once";
}

TEST_F(Table, WhatCannotBeEndsTheGameAndGarbageIsDropped)
{
    seatAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return allStarted(); }, 5000));
    // Unknown frames are dropped; the game goes on.
    relay.sendTo(2, pad("zzz", '1') + pad("hbegin", '9'));
    QTest::qWait(50);
    EXPECT_EQ(at(2).lost, 0);
    EXPECT_EQ(at(2).session.engine().state().playPhase, 2) << "the begin was read";
    // A knock on the first turn is not legal: the relay cannot be trusted.
    relay.sendTo(2, pad("hmakeknock", '1'));
    ASSERT_TRUE(QTest::qWaitFor([&] { return at(2).lost == 1; }, 5000));
    EXPECT_TRUE(at(2).session.engine().state().matchOver);
    // A second deal while one is being played.
    relay.sendTo(3, relayDeal(numberedDeck()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return at(3).lost == 1; }, 5000));
    // A discard in the take phase, or for the local seat.
    relay.sendTo(4, buildRelayMove({MoveKind::Discard, 0, cardFromNumber(1).code}, 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return at(4).lost == 1; }, 5000));
}

TEST_F(Table, TheRelayGoneEndsTheGame)
{
    seatAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return allStarted(); }, 5000));
    relay.byPlace[2]->abort();
    ASSERT_TRUE(QTest::qWaitFor([&] { return at(2).lost == 1; }, 5000));
    EXPECT_EQ(at(2).closed, 1);
    EXPECT_TRUE(at(2).session.engine().state().matchOver);
    EXPECT_EQ(at(2).link.clock().seat(), 0) << "clocks cleared";
}

TEST_F(Table, LeavingBeforeTheGameSaysSo)
{
    relay.autoDeal = false;
    seatAll(2);
    at(2).link.leave();
    ASSERT_TRUE(QTest::qWaitFor([&] { return relay.received.size() == 3; }, 5000));
    EXPECT_EQ(relay.received[2], pad("disA", '2'));
    EXPECT_EQ(at(2).link.phase(), RelayLink::Phase::Idle);
}

TEST(RelayLinkAlone, AnUnreachableRelayIsAConnectionError)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    GameSession session(Rng(1));
    RelayLink link(session);
    int errors = 0;
    QObject::connect(&link, &RelayLink::connectionError, [&] { ++errors; });
    link.connectToRelay("127.0.0.1", port, 2, {"Me", 0, 0, 0.0});
    ASSERT_TRUE(QTest::qWaitFor([&] { return errors > 0; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(link.phase(), RelayLink::Phase::Idle);
}

}  // namespace
}  // namespace olk::net
