#include "core/game_engine.h"

#include <gtest/gtest.h>

#include "core/seats.h"
#include "table_fixture.h"

namespace olk {
namespace {

using test::card;
using test::RecordingObserver;
using test::setPosition;
using Events = std::vector<std::string>;

class Engine : public ::testing::Test {
protected:
    Engine() : engine(&observer, Rng(42))
    {
        observer.attach(engine);
        engine.setProfile({"Anna   ", 0, 100, 1.5});
    }

    const TableState& st() const { return engine.state(); }

    int cellOf(int seat, const char* code) const
    {
        for (int i = 1; i <= 4; ++i) {
            if (st().players[seat].cells[i].code == card(code)) {
                return i;
            }
        }
        ADD_FAILURE() << code << " not in the hand of seat " << seat;
        return 0;
    }

    // A local deal with known hands, begun.
    void dealKnown(const std::string& s1, const std::string& s2, const std::string& s3,
                   const std::string& s4, const std::string& pile, const std::string& next = "")
    {
        ASSERT_TRUE(engine.presetNextDeck(test::deckFor(s1, s2, s3, s4, pile, next)));
        engine.startDeal(false);
        ASSERT_TRUE(engine.beginPlay(false));
        observer.take();
    }

    RecordingObserver observer;
    GameEngine engine;
};

TEST_F(Engine, NewLocalGameDealsAndWaitsForBegin)
{
    const DeckCells deck = test::deckFor("Тч Кч 1ч", "2б 3б 4б", "5к 6к 7к", "8п 9п 1п", "Дб");
    ASSERT_TRUE(engine.presetNextDeck(deck));
    engine.startDeal(false);

    EXPECT_EQ(st().dealNumber, 1);
    EXPECT_EQ(st().gameDeals, 1);
    EXPECT_EQ(st().firstSeat, 1);
    EXPECT_EQ(st().turnState, 1);
    EXPECT_EQ(st().playPhase, 1);
    EXPECT_EQ(st().pileCount, 1);
    EXPECT_EQ(st().pile[1], deck[13]);
    EXPECT_EQ(st().nextDeckIndex, 14);
    EXPECT_EQ(st().deckLeft(), 39);
    EXPECT_EQ(st().scoreBase, 100);
    EXPECT_EQ(st().totalScore, 100);
    EXPECT_EQ(st().rating, 1.5);
    EXPECT_EQ(test::text(st().players[4].cells), "8п 9п 1п ##");
    EXPECT_EQ(test::text(st().players[1].cells), "1ч Кч Тч ##");
    EXPECT_EQ(test::text(st().players[2].cells), "2б 3б 4б ##");
    EXPECT_EQ(st().players[4].name, "Anna");
    EXPECT_EQ(st().players[1].name, "PC");
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(st().players[seat].cardCount, 3);
    }
    EXPECT_EQ(observer.take(), (Events{"prepare",       "back",
                                       "counter",       "buttons ToBegin on exit-off",
                                       "hint 1 $0",     "hint 2 $0",
                                       "hint 3 $0",     "hint 4 $0",
                                       "hand 1 down",   "plate 1 yellow name 0",
                                       "hand 2 down",   "plate 2 yellow name 0",
                                       "hand 3 down",   "plate 3 yellow name 0",
                                       "hand 4 up",     "plate 4 yellow name 0",
                                       "arrow 1",       "deck-pile",
                                       "sound WTasoKo", "driver stop",
                                       "deal-hint 1/40"}));

    // Nothing moves before "To Begin".
    EXPECT_FALSE(engine.takeCard(1, 2, false));
    EXPECT_TRUE(engine.beginPlay(false));
    EXPECT_EQ(observer.take(), (Events{"driver start", "buttons Knock off exit-off"}));
    EXPECT_FALSE(engine.beginPlay(false));
    EXPECT_TRUE(engine.takeCard(1, 2, false));
}

TEST_F(Engine, FirstSeatRotatesWithTheDealCounter)
{
    engine.startDeal(false);
    std::vector<int> firstSeats = {st().firstSeat};
    for (int deal = 2; deal <= 5; ++deal) {
        engine.startDeal(true);
        firstSeats.push_back(st().firstSeat);
    }
    EXPECT_EQ(firstSeats, (std::vector<int>{1, 2, 3, 4, 1}));
    EXPECT_EQ(st().dealNumber, 5);
    EXPECT_EQ(st().gameDeals, 5);

    engine.setProfile({"Anna", 37, 0, 0.0});
    engine.startDeal(false);
    EXPECT_EQ(st().dealNumber, 38);
    EXPECT_EQ(st().gameDeals, 1);
    EXPECT_EQ(st().firstSeat, 2);
}

TEST_F(Engine, RedealIsNotCounted)
{
    engine.startDeal(false);
    engine.editState().redeal = true;
    engine.startDeal(true);
    EXPECT_EQ(st().dealNumber, 1);
    EXPECT_EQ(st().gameDeals, 1);
    EXPECT_FALSE(st().redeal);
    engine.startDeal(true);
    EXPECT_EQ(st().dealNumber, 2);
}

TEST_F(Engine, RefusesDecksThatAreNotAPermutation)
{
    DeckCells deck = test::deckFor("Тч Кч 1ч", "2б 3б 4б", "5к 6к 7к", "8п 9п 1п", "Дб");
    DeckCells repeated = deck;
    repeated[52] = repeated[1];
    DeckCells wrongPoints = deck;
    wrongPoints[5].points = 11;
    DeckCells faceDown = deck;
    faceDown[7] = {kFaceDownCard, 1, 2};
    for (const DeckCells* bad : {&repeated, &wrongPoints, &faceDown}) {
        EXPECT_FALSE(engine.presetNextDeck(*bad));
        EXPECT_FALSE(engine.receiveDeck(*bad));
    }
    EXPECT_TRUE(engine.presetNextDeck(deck));
}

TEST_F(Engine, TakeAndDiscardEffectsInOrder)
{
    dealKnown("Тч Кч 1ч", "2б 3б 4б", "5к 6к 7к", "8п 9п 1п", "Дб", "2ч 3ч");

    // Seat 1 takes the two of hearts from the deck: it flies face down.
    ASSERT_TRUE(engine.takeCard(1, 2, false));
    EXPECT_EQ(observer.take(), (Events{"deck-pile", "fly deck>1:1 00", "hand 1 down",
                                       "sound WHodsDo wait", "counter"}));
    EXPECT_EQ(st().turnState, 11);
    EXPECT_EQ(st().players[1].cardCount, 4);
    EXPECT_EQ(st().deckLeft(), 38);

    ASSERT_TRUE(engine.discardCard(1, cellOf(1, "2ч"), false));
    EXPECT_EQ(observer.take(), (Events{"hand 1 down", "fly 1:1>pile 2ч", "deck-pile", "counter",
                                       "buttons Knock off exit-off", "sound WHodsDo wait"}));
    EXPECT_EQ(st().turnState, 2);
    EXPECT_EQ(st().moveCount, 1);
    EXPECT_EQ(st().pileTop().code, card("2ч"));

    // A card from the pile flies face up; taking and discarding it again is a
    // full turn.
    ASSERT_TRUE(engine.takeCard(2, 1, false));
    EXPECT_TRUE(observer.saw("fly pile>2:1 2ч"));
    EXPECT_EQ(st().pileCount, 1);
    ASSERT_TRUE(engine.discardCard(2, cellOf(2, "2ч"), false));
    EXPECT_EQ(st().moveCount, 2);
    EXPECT_EQ(st().turnState, 3);
    EXPECT_EQ(test::text(st().players[2].cells), "2б 3б 4б ##");
}

TEST_F(Engine, LocalPlayersDeckCardFliesFaceUpAndTheKnockButtonFollowsTheRules)
{
    dealKnown("Тч Кч 1ч", "2б 3б 4б", "5к 6к 7к", "8п 9п 1п", "Дб", "2ч 3ч 4ч 5ч 6ч 7ч");
    TableState& st = engine.editState();
    st.turnState = 4;  // let the local player start
    ASSERT_TRUE(engine.takeCard(4, 2, false));
    EXPECT_TRUE(observer.saw("fly deck>4:1 2ч"));
    EXPECT_TRUE(observer.saw("buttons Knock off exit-off"));
    // Play round to the local player at moveCount 4: the button is enabled.
    ASSERT_TRUE(engine.discardCard(4, 1, false));
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(engine.playComputerAction(false));
    }
    ASSERT_EQ(st.turnState, 4);
    ASSERT_EQ(st.moveCount, 4);
    EXPECT_EQ(engine.buttons(), (ActionButtons{FirstButton::Knock, true, false}));
    observer.take();
    ASSERT_TRUE(engine.knock(4, false));
    EXPECT_EQ(observer.take(),
              (Events{"arrow 4", "plate 4 red name 0", "counter", "buttons Knock off exit-off",
                      "sound WPlMore wait", "arrow 1"}));
    EXPECT_EQ(st.knocker, 4);
    EXPECT_EQ(st.moveCount, 5);
    EXPECT_EQ(st.turnState, 1);
}

TEST_F(Engine, IllegalMovesChangeNothing)
{
    dealKnown("Тч Кч 1ч", "2б 3б 4б", "5к 6к 7к", "8п 9п 1п", "Дб");
    const TableState before = st();
    EXPECT_FALSE(engine.takeCard(2, 2, false));  // not seat 2's turn
    EXPECT_FALSE(engine.takeCard(1, 3, false));  // no such source
    EXPECT_FALSE(engine.takeCard(0, 1, false));  // no such seat
    EXPECT_FALSE(engine.takeCard(5, 1, false));
    EXPECT_FALSE(engine.discardCard(1, 1, false));  // take phase
    EXPECT_FALSE(engine.knock(1, false));           // before the fifth turn
    EXPECT_FALSE(engine.knock(-3, false));
    EXPECT_EQ(st().deck, before.deck);
    EXPECT_EQ(st().turnState, before.turnState);

    ASSERT_TRUE(engine.takeCard(1, 1, false));
    EXPECT_EQ(st().pileCount, 0);
    EXPECT_FALSE(engine.takeCard(1, 2, false));  // one take a turn
    EXPECT_FALSE(engine.discardCard(1, 0, false));
    EXPECT_FALSE(engine.discardCard(1, 5, false));
    EXPECT_FALSE(engine.discardCard(2, 1, false));
    EXPECT_TRUE(engine.discardCard(1, 4, false));
    EXPECT_FALSE(engine.discardCard(1, 4, false));  // the cell is empty now

    EXPECT_TRUE(canTake(st(), 2, 1));
    EXPECT_FALSE(canTake(st(), 2, 3));
    EXPECT_FALSE(canKnock(st(), 2));
}

TEST_F(Engine, KnockGivesTheOtherThreeOneTurnEach)
{
    setPosition(engine, "Тч Кч 1ч", "2б 3б 4б", "5к 6к 7к", "8п 9п 1п", "Дб", 30, 2, 7);
    ASSERT_TRUE(engine.knock(2, false));
    EXPECT_EQ(st().moveCount, 8);
    EXPECT_EQ(st().knocker, 2);
    EXPECT_FALSE(engine.knock(3, false));  // one knock a deal
    for (const int seat : {3, 4, 1}) {
        ASSERT_EQ(st().turnState, seat);
        ASSERT_TRUE(engine.takeCard(seat, 2, false));
        ASSERT_TRUE(engine.discardCard(seat, 1, false));
    }
    EXPECT_EQ(st().turnState, turn::kDealOver);
    EXPECT_EQ(st().turnsAfterKnock, 3);
    EXPECT_EQ(st().moveCount, 11);
    EXPECT_FALSE(engine.takeCard(2, 2, false));
}

TEST_F(Engine, TheLastDeckCardEndsTheDeal)
{
    // Results 31, 20, 15, 25 in the first deal of a game.
    setPosition(engine, "Тч Кч 1ч", "Тб 9б 2к", "Тк 4к 2п", "Тп Дп 4п", "3ч", 1, 4, 20, "2ч");
    engine.editState().dealNumber = 1;
    engine.editState().scoreBase = 100;
    ASSERT_TRUE(engine.takeCard(4, 2, false));
    EXPECT_EQ(st().deckLeft(), 0);
    ASSERT_EQ(st().turnState, 14);
    observer.take();
    ASSERT_TRUE(engine.discardCard(4, cellOf(4, "2ч"), false));

    EXPECT_EQ(st().turnState, turn::kDealOver);
    const int dealPoints[] = {31, 20, 15, 25};
    const int balances[] = {33, -11, -31, 9};
    int sum = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(st().players[seat].dealPoints, dealPoints[seat - 1]);
        EXPECT_EQ(st().players[seat].balance, balances[seat - 1]);
        sum += st().players[seat].balance;
    }
    EXPECT_EQ(sum, 0);
    EXPECT_EQ(st().gameScore, 9);
    EXPECT_EQ(st().totalScore, 109);
    EXPECT_TRUE(st().matchOver);
    EXPECT_EQ(engine.buttons(), (ActionButtons{FirstButton::NextGame, true, true}));
    // Nobody knocked: no result sound, blue plates with the results.
    const Events events = observer.take();
    ASSERT_GE(events.size(), 14u);
    EXPECT_EQ(Events(events.end() - 14, events.end()),
              (Events{"hint 1 $33", "hint 2 $-11", "hint 3 $-31", "hint 4 $9", "plate 1 blue $ 31",
                      "plate 2 blue $ 20", "plate 3 blue $ 15", "plate 4 blue $ 25", "hand 1 up",
                      "hand 2 up", "hand 3 up", "hand 4 up", "buttons NextGame on exit-on",
                      "deal-ended knocker 0"}));
}

TEST_F(Engine, APendingKnockStillEndsAtTheLastDeckCard)
{
    setPosition(engine, "Тч Кч 1ч", "Тб 9б 2к", "Тк 4к 2п", "Тп Дп 4п", "3ч", 1, 4, 20, "2ч");
    engine.editState().knocker = 2;
    engine.editState().turnsAfterKnock = 1;
    ASSERT_TRUE(engine.takeCard(4, 2, false));
    ASSERT_TRUE(engine.discardCard(4, cellOf(4, "2ч"), false));
    EXPECT_EQ(st().turnState, turn::kDealOver);
    EXPECT_EQ(engine.lastDealResult().knocker, 2);
}

// Ends a deal whose knocker (seat 1) has already seen two of the three turns
// after the knock; seat 4 plays the last turn with the given deck card.
struct KnockCase {
    const char* seat1;
    const char* seat2;
    const char* seat3;
    const char* seat4;
    bool punishKnocker;
    int knockerResult;
    bool punished;
    const char* resultSound;  // nullptr: none
};

TEST_F(Engine, PunishingTheKnockerAndTheResultSound)
{
    const KnockCase cases[] = {
        // Knocker 20 ties the lowest (20, 25, 27): punished, so no sound.
        {"Тб 9б 2к", "Тк 9к 2п", "Тп Кп 4п", "Тч Кч 6ч", true, 0, true, nullptr},
        // Knocker 21 against 20, 25, 27: kept; local T = 81 - 21 - 20 - 25 > 0.
        {"Тб 1б 2к", "Тк 9к 2п", "Тп Кп 4п", "Тч Кч 6ч", true, 21, false, "WKoGutX"},
        // The option off: the tie is not punished; T = 81 - 20 - 20 - 25 > 0.
        {"Тб 9б 2к", "Тк 9к 2п", "Тп Кп 4п", "Тч Кч 6ч", false, 20, false, "WKoGutX"},
        // The local player lowest: T = 3 * 15 - 21 - 20 - 25 < 0.
        {"Тб 1б 2к", "Тк 9к 2п", "Тп Кп 4п", "Тч 4ч 2б", true, 21, false, "WKoBadX"},
        // T = 0 plays nothing: 3 * 20 = 20 + 20 + 20.
        {"Тб 9б 2к", "Тк 9к 2п", "Тп 9п 3б", "Тч 9ч 3к", false, 20, false, nullptr},
    };
    for (const KnockCase& c : cases) {
        RecordingObserver watch;
        GameEngine game(&watch, Rng(1));
        watch.attach(game);
        game.setup().rules.punishKnocker = c.punishKnocker;
        setPosition(game, c.seat1, c.seat2, c.seat3, c.seat4, "3ч", 5, 4, 9, "2ч");
        game.editState().knocker = 1;
        game.editState().turnsAfterKnock = 2;
        ASSERT_TRUE(game.takeCard(4, 2, false));
        int cell = 1;
        while (game.state().players[4].cells[cell].code != card("2ч")) {
            ++cell;
        }
        ASSERT_TRUE(game.discardCard(4, cell, false));
        ASSERT_EQ(game.state().turnState, turn::kDealOver) << c.seat1;
        const DealResult& result = game.lastDealResult();
        EXPECT_EQ(result.results[1], c.knockerResult) << c.seat1;
        EXPECT_EQ(result.punished, c.punished) << c.seat1;
        EXPECT_EQ(game.state().players[1].dealPoints, c.knockerResult);
        EXPECT_EQ(watch.saw("sound WPlMore"), c.punished) << c.seat1;
        EXPECT_EQ(watch.saw("plate 1 red $ " + std::to_string(result.shown[1])), true);
        EXPECT_EQ(watch.saw("sound WKoGutX"),
                  c.resultSound && std::string(c.resultSound) == "WKoGutX")
            << c.seat1 << " " << c.seat4;
        EXPECT_EQ(watch.saw("sound WKoBadX"),
                  c.resultSound && std::string(c.resultSound) == "WKoBadX")
            << c.seat1 << " " << c.seat4;
    }
}

TEST_F(Engine, NextGameIsWithheldAtTheEndOfACycle)
{
    struct Case {
        int dealNumberBefore;  // the profile's counter before the deal
        bool globalRating;
        ActionButtons buttons;
        bool matchOver;
    };
    const Case cases[] = {
        {38, false, {FirstButton::NextGame, true, true}, true},
        {39, false, {FirstButton::NextGame, false, true}, true},
        {79, false, {FirstButton::NextGame, false, true}, true},
        // An account playing for the global rating leaves only after a block of four.
        {2, true, {FirstButton::NextGame, true, false}, false},
        {3, true, {FirstButton::NextGame, false, true}, true},
    };
    for (const Case& c : cases) {
        GameEngine game(nullptr, Rng(5));
        game.setup().playsGlobalRating = c.globalRating;
        game.setProfile({"Anna", c.dealNumberBefore, 0, 0.0});
        game.startDeal(false);
        game.beginPlay(false);
        while (game.playComputerAction(false)) {
        }
        EXPECT_EQ(game.buttons(), c.buttons) << c.dealNumberBefore;
        EXPECT_EQ(game.state().matchOver, c.matchOver) << c.dealNumberBefore;
    }
}

TEST_F(Engine, NewGameClearsScoresNextDealKeepsThem)
{
    engine.startDeal(false);
    engine.beginPlay(false);
    while (engine.playComputerAction(false)) {
    }
    const int points = st().players[2].dealPoints;
    ASSERT_GT(points, 0);
    engine.startDeal(true);
    EXPECT_EQ(st().players[2].dealPoints, points);
    engine.setShowAllHands(true);
    observer.take();
    engine.startDeal(false);
    EXPECT_EQ(st().players[2].dealPoints, 0);
    EXPECT_EQ(st().players[2].balance, 0);
    EXPECT_EQ(st().gameScore, 0);
    EXPECT_FALSE(engine.showAllHands());
    EXPECT_TRUE(observer.saw("show-all off"));
}

TEST_F(Engine, HostSendsEveryDealAndAnnouncesItsMoves)
{
    engine.setup().mode = GameMode::NetworkHost;
    engine.setup().rules = {true, false};
    engine.startDeal(false);
    const Events events = observer.take();
    EXPECT_EQ(events[2], "send-deal " + cardToUtf8(st().deck[1].code) + " ИЛ");
    EXPECT_TRUE(std::count(events.begin(), events.end(), "chat-line"));
    // The first player of a match is role 3, at seat 1 in the host's view.
    EXPECT_EQ(st().firstSeat, 1);
    EXPECT_EQ(roleAtSeat(1, st().firstSeat), 3);

    ASSERT_TRUE(engine.beginPlay(true));
    EXPECT_TRUE(observer.saw("announce begin"));
    ASSERT_TRUE(engine.takeCard(1, 2, true));
    const CardCode top = st().players[1].cells[1].code;
    ASSERT_TRUE(engine.discardCard(1, 1, true));
    ASSERT_TRUE(engine.takeCard(2, 1, false));  // a received move is not sent again
    const Events moves = observer.take();
    EXPECT_EQ(std::count_if(moves.begin(), moves.end(),
                            [](const std::string& e) { return e.rfind("announce", 0) == 0; }),
              3);
    EXPECT_TRUE(std::count(moves.begin(), moves.end(), "announce discard " + cardToUtf8(top)));
    EXPECT_TRUE(
        std::count(moves.begin(), moves.end(), "arrow 2"));  // networked discards point the arrow
}

TEST_F(Engine, LocalGamesAnnounceNothing)
{
    engine.startDeal(false);
    engine.beginPlay(true);
    engine.playComputerAction(true);
    for (const std::string& event : observer.events) {
        EXPECT_NE(event.rfind("announce", 0), 0u) << event;
    }
}

TEST_F(Engine, JoinedPlayerGetsTheSameCardsForTheSamePlayer)
{
    const DeckCells deck = test::deckFor("Тч Кч 1ч", "2б 3б 4б", "5к 6к 7к", "8п 9п 1п", "Дб");
    // The host (role 1) deals cards 4-6 to role 2, at the host's seat 2.
    GameEngine host(nullptr, Rng(1));
    host.setup().mode = GameMode::NetworkHost;
    host.presetNextDeck(deck);
    host.setProfile({"Host", 0, 0, 0.0});
    host.startDeal(false);

    engine.setup().mode = GameMode::NetworkJoined;
    engine.setup().ownRole = 2;
    ASSERT_TRUE(engine.receiveDeck(deck));
    engine.startDeal(false);
    EXPECT_EQ(test::text(st().players[4].cells), test::text(host.state().players[2].cells));
    EXPECT_EQ(test::text(st().players[2].cells), test::text(host.state().players[4].cells));
    EXPECT_EQ(test::text(st().players[4].cells), "2б 3б 4б ##");
    EXPECT_EQ(engine.buttons(), (ActionButtons{FirstButton::ToBegin, false, false}));
    // Both name the same player first: role 3.
    EXPECT_EQ(roleAtSeat(2, st().firstSeat), 3);
    EXPECT_FALSE(observer.saw("send-deal"));
}

TEST_F(Engine, JoinedPlayerWaitingForItsFirstDealHoldsNothing)
{
    engine.setup().mode = GameMode::NetworkJoined;
    engine.setup().ownRole = 3;
    engine.setup().awaitingFirstDeal = true;
    engine.startDeal(false);
    EXPECT_TRUE(observer.saw("awaiting-server"));
    EXPECT_FALSE(observer.saw("sound WTasoKo"));
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(st().players[seat].cardCount, 0);
    }
    EXPECT_FALSE(engine.beginPlay(false) && engine.takeCard(st().turnState, 1, false));
    EXPECT_EQ(st().gameDeals, 1);

    // The first deal replaces the waiting one without being counted.
    engine.setup().awaitingFirstDeal = false;
    engine.editState().redeal = true;
    engine.editState().playPhase = 1;
    ASSERT_TRUE(
        engine.receiveDeck(test::deckFor("Тч Кч 1ч", "2б 3б 4б", "5к 6к 7к", "8п 9п 1п", "Дб")));
    engine.startDeal(true);
    EXPECT_EQ(st().gameDeals, 1);
    EXPECT_EQ(test::text(st().players[4].cells), "1ч Кч Тч ##");  // role 3: cards 7-9
}

TEST_F(Engine, NetworkedMatchEndsAfterFourDealsOfTheGame)
{
    for (const GameMode mode : {GameMode::NetworkHost, GameMode::NetworkJoined}) {
        RecordingObserver watch;
        GameEngine game(&watch, Rng(9));
        watch.attach(game);
        game.setup().mode = mode;
        game.setup().ownRole = mode == GameMode::NetworkHost ? 1 : 2;
        // A profile counter that is not a multiple of four changes nothing.
        game.setProfile({"Anna", 6, 0, 0.0});
        for (int deal = 1; deal <= 4; ++deal) {
            if (mode == GameMode::NetworkJoined) {
                DeckCells deck;
                Rng rng(deal);
                shuffleDeck(deck, rng);
                ASSERT_TRUE(game.receiveDeck(deck));
            }
            game.startDeal(deal > 1);
            ASSERT_TRUE(game.beginPlay(false));
            watch.take();
            while (game.playComputerAction(false)) {
            }
            const bool last = deal == 4;
            const bool host = mode == GameMode::NetworkHost;
            EXPECT_EQ(watch.saw("pause 3000"), host || last) << deal;
            EXPECT_EQ(game.buttons(), (ActionButtons{FirstButton::NextGame, host && !last, last}))
                << deal;
            EXPECT_EQ(game.state().matchOver, last);
        }
    }
}

TEST_F(Engine, TournamentDealsByPlaceAndReportsTheFinalBalances)
{
    for (int place = 1; place <= 4; ++place) {
        RecordingObserver watch;
        GameEngine game(&watch, Rng(3));
        watch.attach(game);
        game.setup().mode = GameMode::Tournament;
        game.setup().ownRole = place;
        game.setProfile({"Anna", 0, 50, 0.0});
        for (int deal = 1; deal <= 4; ++deal) {
            DeckCells deck;
            Rng rng(deal * 11);
            shuffleDeck(deck, rng);
            ASSERT_TRUE(game.receiveDeck(deck));
            // Place p holds cards 3(5 - p) - 2 .. 3(5 - p).
            HandCells own;
            for (int i = 1; i <= 3; ++i) {
                own[i] = deck[3 * (4 - place) + i];
            }
            PlayerRecord sorted;
            sorted.cells = own;
            sortHand(sorted);
            game.startDeal(deal > 1);
            EXPECT_EQ(game.state().players[4].cells, sorted.cells);
            EXPECT_EQ(game.buttons().firstEnabled, place == 1);
            EXPECT_TRUE(watch.saw("deal-hint " + std::to_string(deal) + "/4"));
            ASSERT_TRUE(game.beginPlay(false));
            EXPECT_TRUE(watch.saw("clock " + std::to_string(game.state().firstSeat)));
            watch.take();
            while (game.playComputerAction(false)) {
            }
            if (deal < 4) {
                EXPECT_TRUE(watch.saw("clock " + std::to_string(seatOfRole(place, 1))));
                EXPECT_TRUE(watch.saw(place == 1 ? "pause 2000" : "pause 1000"));
                EXPECT_EQ(game.buttons(),
                          (ActionButtons{FirstButton::NextGame, place == 1, false}));
                EXPECT_FALSE(game.state().matchOver);
            } else {
                const auto& players = game.state().players;
                const std::string final =
                    "final " + std::to_string(players[seatOfRole(place, 1)].balance) + " " +
                    std::to_string(players[seatOfRole(place, 2)].balance) + " " +
                    std::to_string(players[seatOfRole(place, 3)].balance) + " " +
                    std::to_string(players[seatOfRole(place, 4)].balance);
                EXPECT_EQ(watch.saw(final), place == 1);
                EXPECT_TRUE(watch.saw("pause 3000"));
                EXPECT_EQ(game.buttons(), (ActionButtons{FirstButton::NextGame, false, true}));
                EXPECT_TRUE(game.state().matchOver);
                EXPECT_EQ(game.state().totalScore, 50 + game.state().gameScore);
            }
        }
    }
}

TEST_F(Engine, ShowAllHandsTurnsTheOpponentsFaceUp)
{
    dealKnown("Тч Кч 1ч", "2б 3б 4б", "5к 6к 7к", "8п 9п 1п", "Дб");
    engine.setShowAllHands(true);
    EXPECT_EQ(observer.take(), (Events{"show-all on", "hand 1 up", "hand 2 up", "hand 3 up"}));
    ASSERT_TRUE(engine.takeCard(1, 2, false));
    EXPECT_TRUE(observer.saw("hand 1 up"));
}

}  // namespace
}  // namespace olk
