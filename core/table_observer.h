#pragma once

#include <string_view>

#include "table_state.h"

namespace olk {

enum class GameMode {
    Local,          // the local player against three computer seats
    NetworkHost,    // role 1 of a game on the direct connection
    NetworkJoined,  // roles 2..4 of a game on the direct connection
    Tournament,     // a place at a table of the tournament relay
};

enum class MoveKind { Begin, Take, Discard, Knock };

// A move as the other participants must learn it. A move never names its
// seat: every receiver applies it to the seat whose turn it is.
struct Move {
    MoveKind kind = MoveKind::Begin;
    int source = 0;  // Take: 1 the open pile, 2 the closed deck
    CardCode card;   // Discard: the card laid on the pile
    friend bool operator==(const Move&, const Move&) = default;
};

enum class PlateColour { Yellow, Red, Blue };

// What a seat's name plate shows: during a deal the seat's name, ": " and its
// dealPoints; after the deal "$: " and the deal's result.
struct PlateView {
    PlateColour colour = PlateColour::Yellow;
    bool showsResult = false;
    int value = 0;  // dealPoints, or the deal's result
    friend bool operator==(const PlateView&, const PlateView&) = default;
};

// One end of a card flight: the pile, the deck, or a cell of a seat's hand.
struct FlightEnd {
    enum class Place { Pile, Deck, Hand };
    Place place = Place::Pile;
    int seat = 0;
    int cell = 0;
    friend bool operator==(const FlightEnd&, const FlightEnd&) = default;
};

struct CardFlight {
    FlightEnd from;
    FlightEnd to;
    CardCode face;  // the card shown in flight, or "00" face down
    friend bool operator==(const CardFlight&, const CardFlight&) = default;
};

// The two action buttons of the table. The first one starts a deal, knocks
// during it and asks for the next deal after it; the second leaves the game.
enum class FirstButton { ToBegin, Knock, NextGame };

struct ActionButtons {
    FirstButton caption = FirstButton::ToBegin;
    bool firstEnabled = false;
    bool exitEnabled = false;
    friend bool operator==(const ActionButtons&, const ActionButtons&) = default;
};

// The outcome of one deal.
struct DealResult {
    OneBasedArray<int, kSeats> results;  // scored, after any punishment of the knocker
    OneBasedArray<int, kSeats> shown;    // the hand scores before punishment, shown on the plates
    int knocker = 0;
    bool punished = false;
};

// What the rules engine asks of the table the player sees: drawing, card
// flights, sounds and the pacing of play. The engine calls these
// synchronously and in the order of the rules, so a move's effects happen
// exactly in sequence; a call that shows something (a flight, a sound with
// wait set, a pause) returns only when it is done. Every function does
// nothing by default, so tools and tests override only what they watch.
//
// What the other participants of a networked game must learn goes to a
// ParticipantLink instead, and the turn driver's timer to a TurnDriver; the
// engine calls all three in one sequence, in the rules' order.
class TableObserver {
public:
    virtual ~TableObserver() = default;

    // --- the start of a deal
    // Clear the four plates; show the hands, the deck and pile and the deal
    // panel; enable the table menu's "leave" and "general score" items.
    virtual void prepareTableForDeal() {}
    // Pick the card back for this deal, before any card is drawn.
    virtual void chooseBack() {}
    // The show-all-hands toggle changed (a new game switches it off).
    virtual void showAllHandsChanged(bool /*on*/) {}
    // Networked game or tournament: show the chat line.
    virtual void showChatLine() {}
    // A joined player still waiting for its first deal: say so over the host's seat.
    virtual void showAwaitingServer() {}
    // The deal-number hint of the deal panel: "Game: <dealNumber> / <cycle>".
    virtual void setDealNumberHint(int /*dealNumber*/, int /*cycle*/) {}
    virtual void startRecording() {}

    // --- drawing
    virtual void showHand(int /*seat*/, bool /*faceUp*/) {}
    virtual void showDeckAndPile() {}
    virtual void showPlate(int /*seat*/, const PlateView& /*plate*/) {}
    // The plate's hint: "$: <balance>".
    virtual void setPlateHint(int /*seat*/, int /*balance*/) {}
    // The arrow at the seat of turnState; nothing changes for 0 and 6.
    virtual void showTurnArrow(int /*turnState*/) {}
    // The deal panel: the game's deal count and the move count.
    virtual void showDealCounter() {}
    virtual void setActionButtons(const ActionButtons& /*buttons*/) {}
    virtual void flyCard(const CardFlight& /*flight*/) {}

    // --- sound, by resource name; wait: return only when it has played
    virtual void playSound(std::string_view /*name*/, bool /*wait*/) {}

    // Block for this long (end of a networked or tournament deal).
    virtual void pause(int /*milliseconds*/) {}

    // --- the end of a deal
    virtual void finishRecording() {}
    virtual void refreshAnimatedBackground() {}
    // Last call of a deal's end, after scores, plates and buttons are set.
    virtual void dealEnded(const DealResult& /*result*/) {}
};

// What the other participants of a networked game or tournament must learn,
// and their move clocks. The network link and the tournament relay link
// implement it; a local game has none. Same contract as TableObserver:
// synchronous, in the rules' order, nothing by default.
class ParticipantLink {
public:
    virtual ~ParticipantLink() = default;

    // Host only: send this deal to every joined player.
    virtual void sendDeal(const DeckCells& /*deck*/, const RuleOptions& /*rules*/) {}
    // A move made on this machine that the others must learn.
    virtual void announceMove(const Move& /*move*/) {}
    // Tournament: the move clock restarts for `seat` with its full time.
    virtual void restartMoveClock(int /*seat*/) {}
    // Tournament: every move clock cleared and stopped.
    virtual void stopMoveClocks() {}
    // Tournament, place 1 after the last deal of a game: report the final
    // balances of places 1..4.
    virtual void sendFinalBalances(const OneBasedArray<int, kSeats>& /*byPlace*/) {}
};

// The turn driver Timer1: stopped while a deal waits for "To Begin", running
// during play. The game session implements it.
class TurnDriver {
public:
    virtual ~TurnDriver() = default;
    virtual void stopTurnDriver() {}
    virtual void startTurnDriver() {}
};

}  // namespace olk
