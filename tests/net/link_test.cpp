#include "net/direct_link.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <memory>

#include "core/seats.h"

namespace olk::net {
namespace {

// A host and up to three joined players over loopback, each with its own
// session, as four machines would be.
class Match : public ::testing::Test {
protected:
    struct Joined {
        std::unique_ptr<GameSession> session;
        std::unique_ptr<JoinLink> link;
        bool aborted = false;
        std::vector<std::pair<int, QByteArray>> chat;
    };

    Match() : host(Rng(11)), hostLink(host)
    {
        hostLink.setHostName("Hostname");
        QObject::connect(&hostLink, &HostLink::peerLost, [this] { hostLost = true; });
        QObject::connect(&hostLink, &HostLink::chatReceived,
                         [this](int role, const QByteArray& line) {
                             hostChat.push_back({role, line});
                         });
        EXPECT_TRUE(hostLink.listen(0, QHostAddress::LocalHost));
    }

    Joined& join(const QByteArray& name)
    {
        auto joined = std::make_unique<Joined>();
        joined->session = std::make_unique<GameSession>(Rng(100 + players.size()));
        joined->link = std::make_unique<JoinLink>(*joined->session);
        Joined* raw = joined.get();
        QObject::connect(raw->link.get(), &JoinLink::matchAborted, [raw] { raw->aborted = true; });
        QObject::connect(raw->link.get(), &JoinLink::chatReceived,
                         [raw](int role, const QByteArray& line) {
                             raw->chat.push_back({role, line});
                         });
        const int before = hostLink.joinedPlayers();
        raw->link->connectToHost("127.0.0.1", hostLink.port(), name, {name.toStdString(), 0, 0, 0});
        EXPECT_TRUE(QTest::qWaitFor([&] { return raw->link->isAccepted(); }, 5000));
        EXPECT_EQ(hostLink.joinedPlayers(), before + 1);
        players.push_back(std::move(joined));
        return *raw;
    }

    // Every participant whose local seat is to move plays it as the
    // computer would, announcing it; the host's computer seats play on its
    // ticks. Until every table reached the end of the deal.
    void playDeal()
    {
        host.pressFirstButton();  // "To Begin"
        for (int guard = 0; guard < 2000 && !allDealsOver(); ++guard) {
            const int before = totalMoves();
            if (turn::seatOf(host.engine().state().turnState) == kLocalSeat) {
                host.engine().playComputerAction(true);
            } else {
                host.onTick();
            }
            for (auto& joined : players) {
                GameEngine& engine = joined->session->engine();
                if (turn::seatOf(engine.state().turnState) == kLocalSeat &&
                    engine.state().playPhase == 2) {
                    engine.playComputerAction(true);
                }
            }
            if (totalMoves() == before) {
                QTest::qWait(2);
            }
            QCoreApplication::processEvents();
        }
        ASSERT_TRUE(allDealsOver());
    }

    bool allDealsOver() const
    {
        bool over = host.engine().state().turnState == turn::kDealOver;
        for (const auto& joined : players) {
            over = over && joined->session->engine().state().turnState == turn::kDealOver;
        }
        return over;
    }

    int totalMoves() const
    {
        int moves = host.engine().state().moveCount;
        for (const auto& joined : players) {
            moves += joined->session->engine().state().moveCount;
        }
        return moves;
    }

    // The balance of `role` as `session`, of role `ownRole`, sees it.
    static int balanceOf(const GameSession& session, int ownRole, int role)
    {
        return session.engine().state().players[seatOfRole(ownRole, role)].balance;
    }

    GameSession host;
    HostLink hostLink;
    bool hostLost = false;
    std::vector<std::pair<int, QByteArray>> hostChat;
    std::vector<std::unique_ptr<Joined>> players;
};

TEST_F(Match, WholeMatchesWithOneTwoAndThreeJoinedPlayersEndAlike)
{
    for (int joinedCount = 1; joinedCount <= 3; ++joinedCount) {
        SCOPED_TRACE(testing::Message() << joinedCount << " joined");
        players.clear();
        hostLink.close();
        ASSERT_TRUE(hostLink.listen(0, QHostAddress::LocalHost));
        const char* names[] = {"Alexander", "Bo", "Cleo"};
        for (int i = 0; i < joinedCount; ++i) {
            join(names[i]);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return hostLink.joinedPlayers() == joinedCount; }, 2000));
        hostLink.startMatch({"Hostname", 0, 0, 0});
        // Everybody sees the same four names, each at the seat of its view.
        const NameBlock block = hostLink.names();
        EXPECT_EQ(block[2], "Alex");
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                for (const auto& joined : players) {
                    if (joined->session->engine().setup().awaitingFirstDeal) {
                        return false;
                    }
                }
                return true;
            },
            2000));
        for (std::size_t i = 0; i < players.size(); ++i) {
            const int role = static_cast<int>(i) + 2;
            const TableState& st = players[i]->session->engine().state();
            const std::string expected[] = {"", "Host", "Alex", joinedCount >= 2 ? "Bo" : "PC",
                                            joinedCount >= 3 ? "Cleo" : "PC"};
            for (int r = 1; r <= 4; ++r) {
                if (r != role) {
                    EXPECT_EQ(st.players[seatOfRole(role, r)].name, expected[r])
                        << role << "/" << r;
                }
            }
        }
        for (int deal = 1; deal <= 4; ++deal) {
            playDeal();
            if (deal < 4) {
                host.pressFirstButton();  // "Next game", the host's alone
            }
        }
        EXPECT_TRUE(host.engine().state().matchOver);
        for (std::size_t i = 0; i < players.size(); ++i) {
            const int role = static_cast<int>(i) + 2;
            EXPECT_TRUE(players[i]->session->engine().state().matchOver);
            for (int r = 1; r <= 4; ++r) {
                EXPECT_EQ(balanceOf(*players[i]->session, role, r), balanceOf(host, 1, r))
                    << "role " << r << " seen by role " << role;
            }
            EXPECT_FALSE(players[i]->aborted);
        }
        EXPECT_FALSE(hostLost);
        // Leaving once the match is over is no loss.
        players.clear();
        QTest::qWait(50);
        EXPECT_FALSE(hostLost);
    }
}

TEST_F(Match, ChatGoesToEveryoneButItsWriter)
{
    join("Anna");
    join("Bert");
    join("Cora");
    players[1]->link->sendChat("hi all");  // role 3
    ASSERT_TRUE(QTest::qWaitFor([&] { return !players[0]->chat.empty(); }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !players[2]->chat.empty(); }, 2000));
    QTest::qWait(50);
    EXPECT_EQ(players[0]->chat[0], (std::pair<int, QByteArray>{3, "hi all"}));
    EXPECT_EQ(players[2]->chat[0], (std::pair<int, QByteArray>{3, "hi all"}));
    EXPECT_TRUE(players[1]->chat.empty()) << "never back to its writer";
    ASSERT_EQ(hostChat.size(), 1u);
    hostLink.sendChat("hello");
    ASSERT_TRUE(QTest::qWaitFor([&] { return players[1]->chat.size() == 1; }, 2000));
    EXPECT_EQ(players[1]->chat[0], (std::pair<int, QByteArray>{1, "hello"}));
}

// A peer that does not follow the rules ends the match; it never moves a
// seat that is not its own.
TEST_F(Match, AMoveOutOfTurnEndsTheMatch)
{
    join("Anna");
    // Role 3 is a hand-written peer: it joins properly, then cheats.
    QTcpSocket rogue;
    rogue.connectToHost("127.0.0.1", hostLink.port());
    ASSERT_TRUE(rogue.waitForConnected(2000));
    rogue.write(buildJoinRequest("Evil"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostLink.joinedPlayers() == 2; }, 2000));
    hostLink.startMatch({"Host", 0, 0, 0});
    host.pressFirstButton();
    // Play on until it is not seat 1's (role 3's) turn, then role 3 moves.
    while (turn::seatOf(host.engine().state().turnState) == seatOfRole(1, 3)) {
        host.engine().playComputerAction(true);
    }
    const int movesBefore = host.engine().state().moveCount;
    rogue.write(buildMove({MoveKind::Take, 2, kEmptyCard}, 3));
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostLost; }, 2000));
    EXPECT_EQ(host.engine().state().moveCount, movesBefore);
    EXPECT_TRUE(QTest::qWaitFor([&] { return players[0]->aborted; }, 2000))
        << "the others hear \"abort\"";
}

// The window closes the link as soon as it hears of a loss, while the link is
// still reading the message that caused it.
TEST_F(Match, ClosingTheLinkFromItsOwnLossIsSafe)
{
    QObject::connect(&hostLink, &HostLink::peerLost, [this] { hostLink.close(); });
    QTcpSocket rogue;
    rogue.connectToHost("127.0.0.1", hostLink.port());
    ASSERT_TRUE(rogue.waitForConnected(2000));
    rogue.write(buildJoinRequest("Evil"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostLink.joinedPlayers() == 1; }, 2000));
    hostLink.startMatch({"Host", 0, 0, 0});
    // A begin from a joined player, and more behind it in the same read.
    rogue.write(buildMove({MoveKind::Begin, 0, kEmptyCard}, 2) +
                buildMove({MoveKind::Knock, 0, kEmptyCard}, 2) + buildChat(2, "x"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostLost; }, 2000));
    EXPECT_EQ(hostLink.joinedPlayers(), 0);
    EXPECT_TRUE(hostLink.listen(0, QHostAddress::LocalHost)) << "and it can host again";
}

// A link that goes after the next one took its place leaves the session
// with the new one.
TEST_F(Match, ALinkGoingLateLeavesTheNewOneInPlace)
{
    GameSession session(Rng(1));
    auto old = std::make_unique<JoinLink>(session);
    JoinLink fresh(session);
    old.reset();
    EXPECT_EQ(session.engine().link(), &fresh);
}

TEST_F(Match, AFourthJoinIsTurnedAway)
{
    join("Anna");
    join("Bert");
    join("Cora");
    JoinLink extra(*players[0]->session);  // any session will do: it never gets in
    bool refused = false;
    QObject::connect(&extra, &JoinLink::noGamesFound, [&refused] { refused = true; });
    extra.connectToHost("127.0.0.1", hostLink.port(), "Dora", {"Dora", 0, 0, 0});
    EXPECT_TRUE(QTest::qWaitFor([&] { return refused; }, 3000));
    EXPECT_EQ(hostLink.joinedPlayers(), 3);
    EXPECT_FALSE(hostLost);
}

TEST_F(Match, AJoinedPlayerLeavingMidMatch)
{
    join("Anna");
    hostLink.startMatch({"Host", 0, 0, 0});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !players[0]->session->engine().setup().awaitingFirstDeal; }, 2000));
    players.clear();  // the player's program ends
    EXPECT_TRUE(QTest::qWaitFor([&] { return hostLost; }, 3000));
}

TEST_F(Match, TheHostLeavingMidMatch)
{
    Joined& anna = join("Anna");
    hostLink.startMatch({"Host", 0, 0, 0});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !anna.session->engine().setup().awaitingFirstDeal; }, 2000));
    hostLink.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return anna.aborted; }, 3000));
}

}  // namespace
}  // namespace olk::net
