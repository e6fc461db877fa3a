// The tournament relay over real loopback sockets, on a real SQLite store:
// four raw participants through whole games and through the ways a game
// breaks, every frame they receive checked against the relay's layouts.

#include "service/relay.h"
#include "core/seats.h"
#include "relay_player.h"
#include "service/relay_frames.h"
#include "service/store.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <memory>

namespace olk::service::testing {
namespace {

const char* const kNicks[] = {"Anna", "Boris", "Clara", "Dmitri"};
constexpr int kTable = 2;

class RelayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QString error;
        store = Store::open(QStringLiteral("sqlite:") + folder.filePath("relay.sqlite"), &error);
        ASSERT_TRUE(store) << error.toStdString();
        for (const char* nick : kNicks) {
            Member m;
            m.nick = QString::fromLatin1(nick);
            m.city = QStringLiteral("Omsk");
            m.country1 = QStringLiteral("Russia");
            m.country2 = QStringLiteral("1-001");
            m.sex = QStringLiteral("M");
            m.email = m.nick + QStringLiteral("@example.org");
            m.dateR = QStringLiteral("10.12.2026");
            m.r01 = m.r02 = m.r03 = QStringLiteral("xxx");
            ASSERT_EQ(store->createMember(m, QStringLiteral("hash")), Store::Created::Yes);
        }
        config.tables = 2;
        config.framesPerSecond = 100000;  // the players here move at machine speed
        config.lingerMilliseconds = 100;
    }

    void TearDown() override
    {
        players.clear();
        if (relay) {
            relay->stop();
        }
    }

    // Starts the relay on free ports.
    void startRelay()
    {
        for (int attempt = 0; attempt < 20; ++attempt) {
            config.basePort = 20000 + QRandomGenerator::global()->bounded(30000);
            relay = std::make_unique<Relay>(*store, config);
            QString error;
            if (relay->start(&error)) {
                return;
            }
        }
        FAIL() << "no free ports for the relay";
    }

public:
    RelayPlayer& player(int place) { return *players[static_cast<std::size_t>(place - 1)]; }

protected:
    quint16 port() const { return static_cast<quint16>(config.basePort + kTable); }

    void takePlace(int place, const QString& ip = QStringLiteral("127.0.0.1"))
    {
        TourSeat seat;
        seat.table = kTable;
        seat.place = place;
        seat.nick = QString::fromLatin1(kNicks[place - 1]);
        seat.ip = ip;
        ASSERT_EQ(store->takeTourSeat(seat, false), Store::SeatTaken::Done);
    }

    // The four places taken and four participants connected.
    void seatFour(bool playItself = true)
    {
        for (int place = 1; place <= kSeats; ++place) {
            takePlace(place);
        }
        for (int place = 1; place <= kSeats; ++place) {
            players.push_back(std::make_unique<RelayPlayer>(place, port(), playItself));
        }
    }

    int placesHeld()
    {
        int held = 0;
        const auto seats = store->tourSeats();
        for (const TourSeat& s : seats.value()) {
            held += s.table == kTable ? 1 : 0;
        }
        return held;
    }

    QTemporaryDir folder;
    std::unique_ptr<Store> store;
    Relay::Config config;
    std::unique_ptr<Relay> relay;
    std::vector<std::unique_ptr<RelayPlayer>> players;
};

// Cuts what one participant received into the relay's frames: a deal is
// 313 characters, everything else 50; each must be one the game reads.
std::vector<QByteArray> framesOf(const QByteArray& stream)
{
    std::vector<QByteArray> frames;
    qsizetype at = 0;
    while (at < stream.size()) {
        const qsizetype length = stream[at] == 'b' ? net::kRelayDealLength : net::kRelayFrameLength;
        frames.push_back(stream.mid(at, length));
        at += length;
    }
    return frames;
}

TEST_F(RelayTest, FourPlayersThroughAWholeGameGetTheSameDealsAndOneRecordedResult)
{
    startRelay();
    seatFour();
    // Place 2's frames reach the relay in pieces of 7 bytes, and place 1
    // reports false balances that the relay must not use.
    players[1]->pieceSize = 7;
    OneBasedArray<int, kSeats> falseBalances{};
    falseBalances[1] = 500;
    falseBalances[2] = falseBalances[3] = falseBalances[4] = -500 / 3;
    players[0]->falseBalances = falseBalances;
    ASSERT_TRUE(waitFor([&] {
        return std::all_of(players.begin(), players.end(),
                           [](const auto& p) { return p->gameEnded(); });
    }));

    std::vector<QByteArray> dealsSeen;
    for (const auto& p : players) {
        const std::vector<QByteArray> frames = framesOf(p->received());
        std::vector<QByteArray> deals;
        for (const QByteArray& frame : frames) {
            if (frame[0] == 'b') {
                ASSERT_EQ(frame.size(), 313);
                ASSERT_TRUE(net::parseRelayDeal(frame)) << frame.toStdString();
                deals.push_back(frame);
                continue;
            }
            ASSERT_EQ(frame.size(), 50);
            const auto message = net::parseRelayFrame(frame);
            ASSERT_TRUE(message) << frame.toStdString();
            if (const auto* move = std::get_if<net::MoveMessage>(&*message)) {
                // Never the receiver's own move, and hbegin only from place 1.
                EXPECT_NE(move->sender, p->place());
                if (move->move.kind == MoveKind::Begin) {
                    EXPECT_EQ(move->sender, 1);
                }
            }
        }
        EXPECT_EQ(deals.size(), 4u);
        EXPECT_EQ(frames.back(), relayEndFrame());
        EXPECT_EQ(frames.front()[0], 'b');
        if (dealsSeen.empty()) {
            dealsSeen = deals;
        }
        EXPECT_EQ(deals, dealsSeen);
        EXPECT_EQ(p->engine().state().gameDeals, 4);
    }
    // Four different deals.
    std::sort(dealsSeen.begin(), dealsSeen.end());
    EXPECT_EQ(std::unique(dealsSeen.begin(), dealsSeen.end()), dealsSeen.end());

    // Every participant's engine ended with the same balances, place by place.
    OneBasedArray<int, kSeats> balance{};
    for (int place = 1; place <= kSeats; ++place) {
        balance[place] = player(place).engine().state().players[kLocalSeat].balance;
        for (int other = 1; other <= kSeats; ++other) {
            EXPECT_EQ(player(other).engine().state().players[seatOfRole(other, place)].balance,
                      balance[place]);
        }
    }
    ASSERT_TRUE(waitFor([&] { return relay->gamesRecorded() == 1; }));
    ASSERT_TRUE(waitFor([&] {
        return std::all_of(players.begin(), players.end(),
                           [](const auto& p) { return p->closed(); });
    }));
    EXPECT_EQ(relay->gamesRecorded(), 1);
    EXPECT_EQ(relay->gamesBroken(), 0);
    qint64 sum = 0;
    for (int place = 1; place <= kSeats; ++place) {
        const auto standing = store->tourStanding(QString::fromLatin1(kNicks[place - 1]));
        ASSERT_TRUE(standing);
        EXPECT_EQ(standing->kon, 1) << kNicks[place - 1];
        EXPECT_EQ(standing->score, balance[place]) << kNicks[place - 1];
        EXPECT_EQ(standing->rating, balance[place]);
        sum += standing->score;
    }
    EXPECT_EQ(sum, 0);
    EXPECT_EQ(placesHeld(), 0);
}

TEST_F(RelayTest, PlacesAreTakenOnlyAsTheStoreHoldsThemAndFramesCarryTheSeatedPlace)
{
    startRelay();
    takePlace(1);
    takePlace(2, QStringLiteral("192.0.2.9"));  // taken from another address
    // Table of refused connections: the place it asks for, what it sends.
    struct Case {
        const char* what;
        QByteArray frame;
    };
    const Case refused[] = {
        {"a place nobody holds", net::buildRelayConnect(3)},
        {"a place taken from another address", net::buildRelayConnect(2)},
        {"a move before any place", net::buildRelayMove({MoveKind::Take, 1, {}}, 1)},
        {"garbage", QByteArray(50, 'x')},
    };
    for (const Case& c : refused) {
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), port());
        ASSERT_TRUE(socket.waitForConnected(5000));
        socket.write(c.frame);
        socket.flush();
        EXPECT_TRUE(waitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }))
            << c.what;
    }

    // Two connections ask for place 1, one of them byte by byte: one is
    // seated, the other closed.
    RelayPlayer one(1, port(), false);
    RelayPlayer other(1, port(), false);
    one.pieceSize = 1;
    ASSERT_TRUE(waitFor([&] { return one.closed() || other.closed(); }));
    RelayPlayer& first = one.closed() ? other : one;

    // The right address for place 2 now, and places 3 and 4: the game starts.
    ASSERT_EQ(store->freeTourSeat(kTable, 2, QStringLiteral("Boris")), Store::SeatFreed::Done);
    for (int place = 2; place <= kSeats; ++place) {
        takePlace(place);
    }
    RelayPlayer p2(2, port(), false);
    RelayPlayer p3(3, port(), false);
    RelayPlayer p4(4, port(), false);
    ASSERT_TRUE(waitFor([&] { return p4.engine().state().gameDeals == 1; }));
    // Place 2 claims to be place 1 in its chat frame (both digits forged).
    p2.send(net::buildRelayFrame("s1Hello", 1));
    ASSERT_TRUE(waitFor([&] { return !p3.chat.empty() && !first.chat.empty(); }));
    EXPECT_EQ(p3.chat.front().role, 2);
    EXPECT_EQ(p3.chat.front().text, "1Hello");
    EXPECT_TRUE(framesOf(p3.received()).back().endsWith("1Hello" + QByteArray(42, '#') + '2'));
    EXPECT_TRUE(p2.chat.empty());
    EXPECT_EQ(relay->gamesBroken(), 0);
}

TEST_F(RelayTest, APlaceLeftOverHttpBeforeTheGameGoesToItsNewHolder)
{
    startRelay();
    takePlace(1);
    RelayPlayer anna(1, port(), false);
    ASSERT_TRUE(waitFor([&] { return relay->connectionsSeated() == 1; }));
    // Anna leaves over HTTP but keeps her connection; Dmitri takes place 1.
    ASSERT_EQ(store->freeTourSeat(kTable, 1, QStringLiteral("Anna")), Store::SeatFreed::Done);
    TourSeat seat;
    seat.table = kTable;
    seat.place = 1;
    seat.nick = QStringLiteral("Dmitri");
    seat.ip = QStringLiteral("127.0.0.1");
    ASSERT_EQ(store->takeTourSeat(seat, false), Store::SeatTaken::Done);
    RelayPlayer dmitri(1, port(), false);
    ASSERT_TRUE(waitFor([&] { return anna.closed() && relay->connectionsSeated() == 2; }));
    // A second connection for Dmitri's place is refused; his stays.
    RelayPlayer again(1, port(), false);
    ASSERT_TRUE(waitFor([&] { return again.closed(); }));
    EXPECT_FALSE(dmitri.closed());
    EXPECT_EQ(placesHeld(), 1);

    // What comes right behind "connect" waits for the seat, then counts:
    // Boris sits down and leaves in one write, and his place is free again.
    takePlace(2);
    QTcpSocket boris;
    boris.connectToHost(QStringLiteral("127.0.0.1"), port());
    ASSERT_TRUE(boris.waitForConnected(5000));
    boris.write(net::buildRelayConnect(2) + net::buildRelayLeave(2));
    boris.flush();
    EXPECT_TRUE(waitFor(
        [&] { return boris.state() == QAbstractSocket::UnconnectedState && placesHeld() == 1; }));
    EXPECT_EQ(relay->connectionsSeated(), 3);
}

TEST_F(RelayTest, AParticipantThatNeverReadsIsClosedAndTheOthersAreTold)
{
    config.writeBacklog = 64 * 1024;
    startRelay();
    for (int place = 1; place <= kSeats; ++place) {
        takePlace(place);
    }
    RelayPlayer p1(1, port(), false);
    RelayPlayer p2(2, port(), false);
    RelayPlayer p3(3, port(), false);
    // Place 4 asks for its place and then reads nothing at all.
    QTcpSocket deaf;
    deaf.setReadBufferSize(1024);
    deaf.connectToHost(QStringLiteral("127.0.0.1"), port());
    ASSERT_TRUE(deaf.waitForConnected(5000));
    deaf.write(net::buildRelayConnect(4));
    deaf.flush();
    ASSERT_TRUE(waitFor([&] { return p3.engine().state().gameDeals == 1; }));
    // Place 2 chats until what waits for place 4 passes every buffer.
    const QByteArray line = net::buildRelayChat("chat", 2);
    QByteArray many;
    for (int i = 0; i < 20000; ++i) {
        many += line;
    }
    ASSERT_TRUE(waitFor([&] {
        if (p2.leftPlace() == 0) {
            p2.send(many);
        }
        return p1.leftPlace() == 4 && p2.leftPlace() == 4 && p3.leftPlace() == 4;
    }));
    EXPECT_TRUE(waitFor([&] { return placesHeld() == 0; }));
    EXPECT_EQ(relay->gamesBroken(), 1);
}

TEST_F(RelayTest, WhatEndsAGameEndsItForTheOthersAndFreesThePlaces)
{
    // Table of endings: what one place does, and which frame the other
    // three receive.
    struct Case {
        const char* what;
        int culprit;  // 0: the place after the one to move
        std::function<void(RelayTest&, RelayPlayer&)> act;
        char frame;  // 'a' left, 'T' out of time
        bool waitsForClock = false;
    };
    const auto seatToMove = [](RelayTest& t) {
        for (int place = 1; place <= kSeats; ++place) {
            const TableState& st = t.player(place).engine().state();
            if (turn::seatOf(st.turnState) == kLocalSeat) {
                return place;
            }
        }
        return 0;
    };
    const Case cases[] = {
        {"an out-of-turn move", 0,
         [&](RelayTest& t, RelayPlayer&) {
             const int mover = seatToMove(t);
             t.player(mover % kSeats + 1).send(net::buildRelayMove({MoveKind::Take, 2, {}}, mover));
         },
         'a'},
        {"a begin from place 2", 2,
         [](RelayTest&, RelayPlayer& p) {
             p.send(net::buildRelayMove({MoveKind::Begin, 0, {}}, 1));
         },
         'a'},
        {"a garbage frame", 3, [](RelayTest&, RelayPlayer& p) { p.send(QByteArray(50, '\x01')); },
         'a'},
        {"a flood of chat", 4,
         [](RelayTest&, RelayPlayer& p) {
             QByteArray many;
             for (int i = 0; i < 60; ++i) {
                 many += net::buildRelayChat("hi", 4);
             }
             p.send(many);
         },
         'a'},
        {"disA", 2, [](RelayTest&, RelayPlayer& p) { p.send(net::buildRelayLeave(2)); }, 'a'},
        {"TOut", 1, [](RelayTest&, RelayPlayer& p) { p.send(net::buildRelayTimeOut(1)); }, 'T'},
        {"nobody presses To Begin", 1, [](RelayTest&, RelayPlayer&) {}, 'T', true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        config.framesPerSecond = 50;
        // A tiny clock for the case that waits for it.
        config.moveMilliseconds = c.waitsForClock ? 150 : 100000;
        config.graceMilliseconds = 0;
        startRelay();
        seatFour(false);
        ASSERT_TRUE(waitFor([&] {
            return std::all_of(players.begin(), players.end(),
                               [](const auto& p) { return p->engine().state().gameDeals == 1; });
        }));
        // Play starts (place 1's begin reaches the others), except where
        // the clock is to run out before it.
        if (!c.waitsForClock) {
            players[0]->send(net::buildRelayMove({MoveKind::Begin, 0, {}}, 1));
            ASSERT_TRUE(waitFor([&] { return player(4).engine().state().playPhase == 2; }));
        }
        const int culprit = c.culprit != 0 ? c.culprit : seatToMove(*this) % kSeats + 1;
        c.act(*this, player(culprit));
        ASSERT_TRUE(waitFor([&] {
            for (const auto& p : players) {
                if (p->place() != culprit &&
                    (c.frame == 'a' ? p->leftPlace() : p->timeUpPlace()) != culprit) {
                    return false;
                }
            }
            return true;
        }));
        for (const auto& p : players) {
            if (p->place() != culprit) {
                const QByteArray last = framesOf(p->received()).back();
                EXPECT_EQ(last[0], c.frame);
                EXPECT_EQ(last[c.frame == 'a' ? 5 : 49], char('0' + culprit));
            } else {
                EXPECT_EQ(p->leftPlace() + p->timeUpPlace(), 0);
            }
        }
        EXPECT_TRUE(waitFor([&] { return placesHeld() == 0; }));
        EXPECT_EQ(relay->gamesBroken(), 1);
        EXPECT_EQ(relay->gamesRecorded(), 0);
        EXPECT_TRUE(waitFor([&] {
            return std::all_of(players.begin(), players.end(),
                               [](const auto& p) { return p->closed(); });
        }));
        players.clear();
        relay->stop();
    }
}

}  // namespace
}  // namespace olk::service::testing
