#include "session/game_session.h"

#include <gtest/gtest.h>

#include "tests/core/table_fixture.h"

namespace olk {
namespace {

using test::card;
using test::RecordingObserver;
using test::setPosition;

TEST(SeatPlan, WhoPlaysEachSeat)
{
    using C = SeatControl;
    struct Case {
        GameMode mode;
        int joined;
        C seat1, seat2, seat3;
        bool sent1, sent3, sentLocal;
    };
    const Case cases[] = {
        {GameMode::Local, 0, C::Computer, C::Computer, C::Computer, false, false, false},
        {GameMode::NetworkHost, 1, C::Computer, C::Remote, C::Computer, true, true, true},
        {GameMode::NetworkHost, 2, C::Remote, C::Remote, C::Computer, false, true, true},
        {GameMode::NetworkHost, 3, C::Remote, C::Remote, C::Remote, false, false, true},
        {GameMode::NetworkJoined, 0, C::Remote, C::Remote, C::Remote, false, false, true},
        {GameMode::Tournament, 0, C::Remote, C::Remote, C::Remote, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.mode) << " joined " << c.joined);
        const SeatPlan plan = SeatPlan::forGame(c.mode, c.joined);
        EXPECT_EQ(plan.control[4], C::Local);
        EXPECT_EQ(plan.control[1], c.seat1);
        EXPECT_EQ(plan.control[2], c.seat2);
        EXPECT_EQ(plan.control[3], c.seat3);
        EXPECT_EQ(plan.announces[1], c.sent1);
        EXPECT_EQ(plan.announces[3], c.sent3);
        EXPECT_EQ(plan.announces[4], c.sentLocal);
        EXPECT_FALSE(plan.announces[2]);
    }
}

// A move from elsewhere is applied only to a remote seat whose turn it is,
// and only when it is legal there.
TEST(SeatPlan, RemoteMovesAreCheckedBeforeTheyAreApplied)
{
    GameEngine engine(nullptr, Rng(5));
    const SeatPlan joined = SeatPlan::forGame(GameMode::NetworkJoined);
    setPosition(engine, "Тб 9б 2к", "Тк 9к 2п", "Тп Кп 4п", "Тч Кч 6ч", "3ч", 20, 1, 0, "2ч");
    const TableState before = engine.state();
    EXPECT_FALSE(applyRemoteMove(engine, joined, {MoveKind::Take, 3, kEmptyCard}));
    EXPECT_FALSE(applyRemoteMove(engine, joined, {MoveKind::Discard, 0, card("Тб")}))
        << "a discard in the take phase";
    EXPECT_FALSE(applyRemoteMove(engine, joined, {MoveKind::Knock, 0, kEmptyCard}))
        << "too early in the deal";
    EXPECT_EQ(engine.state().turnState, before.turnState);
    EXPECT_EQ(engine.state().moveCount, before.moveCount);

    ASSERT_TRUE(applyRemoteMove(engine, joined, {MoveKind::Take, 2, kEmptyCard}));
    EXPECT_EQ(engine.state().turnState, 11);
    EXPECT_FALSE(applyRemoteMove(engine, joined, {MoveKind::Discard, 0, card("Тч")}))
        << "a card seat 1 does not hold";
    EXPECT_FALSE(applyRemoteMove(engine, joined, {MoveKind::Discard, 0, kEmptyCard}));
    ASSERT_TRUE(applyRemoteMove(engine, joined, {MoveKind::Discard, 0, card("2ч")}));
    EXPECT_EQ(engine.state().turnState, 2);

    // Seat 1 is the host's computer seat: nobody else may move it.
    setPosition(engine, "Тб 9б 2к", "Тк 9к 2п", "Тп Кп 4п", "Тч Кч 6ч", "3ч", 20, 1, 0, "2ч");
    EXPECT_FALSE(applyRemoteMove(engine, SeatPlan::forGame(GameMode::NetworkHost, 1),
                                 {MoveKind::Take, 1, kEmptyCard}));
    EXPECT_EQ(engine.state().turnState, 1);
}

class Session : public ::testing::Test {
protected:
    Session() : session(Rng(77))
    {
        watch.attach(session.engine());
        session.engine().setTurnDriver(&session);
        session.setView(&watch);
    }

    const TableState& st() const { return session.engine().state(); }

    RecordingObserver watch;
    GameSession session;
};

// The whole of a local deal through the session: the computer on Timer1's
// ticks, the local player by his input, the driver's timer started by "To
// Begin" and stopped while a deal waits.
TEST_F(Session, ALocalDealFromBeginToEnd)
{
    session.startLocalGame({"Anna", 0, 0, 0.0});
    EXPECT_EQ(st().playPhase, 1);
    EXPECT_FALSE(session.timer1().isActive());
    session.onTick();
    EXPECT_EQ(st().moveCount, 0) << "nothing moves before \"To Begin\"";
    session.pressFirstButton();
    EXPECT_EQ(st().playPhase, 2);
    EXPECT_TRUE(session.timer1().isActive());
    EXPECT_EQ(session.timer1().interval(), GameSession::kTickInPlay);

    int guard = 0;
    while (st().turnState != turn::kDealOver && ++guard < 500) {
        if (st().turnState == 4) {
            EXPECT_FALSE(session.localTake(3));
            ASSERT_TRUE(session.localTake(2));
        } else if (st().turnState == 14) {
            EXPECT_FALSE(session.localDiscard(0));
            ASSERT_TRUE(session.localDiscard(1));
        } else {
            EXPECT_FALSE(session.localTake(2)) << "not the player's turn";
            session.onTick();
        }
    }
    ASSERT_EQ(st().turnState, turn::kDealOver);
    session.pressFirstButton();  // "Next game"
    EXPECT_EQ(st().gameDeals, 2);
    EXPECT_FALSE(session.timer1().isActive());
}

TEST_F(Session, TheComputerWaitsWhileHeld)
{
    bool held = true;
    session.setHold([&held] { return held; });
    session.startLocalGame({"Anna", 0, 0, 0.0});
    session.pressFirstButton();
    while (st().turnState == 4 || st().turnState == 14) {
        session.engine().playComputerAction(false);
    }
    const int turn = st().turnState;
    session.onTick();
    EXPECT_EQ(st().turnState, turn);
    held = false;
    session.onTick();
    EXPECT_NE(st().turnState, turn);
}

TEST_F(Session, LeavingAndFinishingAreSignalled)
{
    int finished = 0;
    int abandoned = 0;
    QObject::connect(&session, &GameSession::gameFinished, [&finished] { ++finished; });
    QObject::connect(&session, &GameSession::gameAbandoned, [&abandoned] { ++abandoned; });
    session.startLocalGame({"Anna", 0, 0, 0.0});
    session.pressExit();
    EXPECT_EQ(finished, 0) << "a local game may end only after its last deal";
    session.leave();
    EXPECT_EQ(abandoned, 1);
    EXPECT_FALSE(session.timer1().isActive());
}

// A tournament game starts only from a whole deck at a real place, and
// takes the relay's next deal only once a deal is over.
TEST(GameSession, ATournamentGameStartsFromTheRelaysDeck)
{
    DeckCells deck;
    for (int n = 1; n <= kDeckCards; ++n) {
        deck[n] = cardFromNumber(n);
    }
    DeckCells twice = deck;
    twice[52] = twice[1];

    GameSession session(Rng(3));
    const Profile profile{"Anna", 0, 120, 0.0};
    EXPECT_FALSE(session.startTournamentGame(0, profile, deck));
    EXPECT_FALSE(session.startTournamentGame(5, profile, deck));
    EXPECT_FALSE(session.startTournamentGame(2, profile, twice));
    EXPECT_EQ(session.engine().setup().mode, GameMode::Local) << "nothing changed";

    ASSERT_TRUE(session.startTournamentGame(2, profile, deck));
    const TableState& st = session.engine().state();
    EXPECT_EQ(session.engine().setup().mode, GameMode::Tournament);
    EXPECT_EQ(st.gameDeals, 1);
    EXPECT_EQ(st.totalScore, 120);
    EXPECT_EQ(st.players[kLocalSeat].cells[1].code.isEmpty(), false);
    EXPECT_FALSE(session.engine().buttons().firstEnabled) << "place 2 does not begin";
    EXPECT_FALSE(session.receiveDeal(deck, {})) << "a deal is being played";

    int asked = 0;
    QObject::connect(&session, &GameSession::nextDealRequested, [&] { ++asked; });
    session.endTournamentGame();
    EXPECT_TRUE(st.matchOver);
    EXPECT_EQ(st.turnState, turn::kDealOver);
    EXPECT_FALSE(session.receiveDeal(deck, {})) << "nothing is dealt after the end";
    session.pressFirstButton();
    EXPECT_EQ(asked, 0);
}

}  // namespace
}  // namespace olk
