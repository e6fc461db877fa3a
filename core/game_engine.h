#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "shuffle.h"
#include "table_observer.h"
#include "table_state.h"

namespace olk {

// How this machine takes part in the game, and the choices of the settings
// that change what a move does.
struct GameSetup {
    GameMode mode = GameMode::Local;
    int ownRole = 1;  // role on the direct connection, place at the relay
    RuleOptions rules;
    bool flyingCards = true;
    bool saveGamesAsGif = false;
    bool animatedBackground = false;
    bool playsGlobalRating = false;  // an account playing for the global rating
    bool awaitingFirstDeal = false;  // a joined player before its first deal
};

// The player profile a new game starts from: a listed player, a new player
// (all zero), an online account or a tournament place. In a tournament the
// place's total score is the scoreBase.
struct Profile {
    std::string name;  // UTF-8; trailing blanks are removed for the plate
    std::int32_t dealNumber = 0;
    std::int32_t scoreBase = 0;
    double rating = 0.0;
};

// A move as it happened on this table: unlike an announced Move it names
// its seat, and a take names the card taken.
struct PlayedMove {
    int seat = 0;
    MoveKind kind = MoveKind::Take;
    int source = 0;
    CardCode card;
};

// Whether a move may be made now. Every caller that acts on input it does not
// control (the mouse, a network peer) checks first; the engine also refuses
// what these reject.
bool canTake(const TableState& state, int seat, int source);
bool canDiscard(const TableState& state, int seat, int cell);
bool canKnock(const TableState& state, int seat);

// The rules engine: owns the table and carries out deals and moves for any
// seat, whoever decided them, reporting every effect to its observer.
class GameEngine {
public:
    explicit GameEngine(TableObserver* observer = nullptr, Rng rng = Rng::fromClock());
    // The engine may point at its own silent observer, so it stays in place.
    GameEngine(const GameEngine&) = delete;
    GameEngine& operator=(const GameEngine&) = delete;

    // The table the player sees, the other participants, the turn driver;
    // each may be null (nothing is shown, sent or timed).
    void setObserver(TableObserver* observer);
    void setLink(ParticipantLink* link);
    ParticipantLink* link() const { return m_link == &m_silentLink ? nullptr : m_link; }
    void setTurnDriver(TurnDriver* driver);
    GameSetup& setup() { return m_setup; }
    const GameSetup& setup() const { return m_setup; }
    void setProfile(Profile profile) { m_profile = std::move(profile); }
    const Profile& profile() const { return m_profile; }

    const TableState& state() const { return m_state; }
    // Direct access for the network code (names, received decks) and tests.
    TableState& editState() { return m_state; }

    const ActionButtons& buttons() const { return m_buttons; }
    const DealResult& lastDealResult() const { return m_lastResult; }

    bool showAllHands() const { return m_showAllHands; }
    void setShowAllHands(bool on);

    // The next local or host deal uses this deck instead of a shuffle. False,
    // and nothing changes, unless the deck holds each of the 52 cards once.
    bool presetNextDeck(const DeckCells& deck);

    // A joined player or tournament participant copies the deck it received
    // and empties the hands; at the relay the hands are then filled by place,
    // since the deal itself does not give cards there. False, and nothing
    // changes, unless the deck holds each of the 52 cards once.
    bool receiveDeck(const DeckCells& deck);

    // Prepares a deal; with isNextDeal false it first starts a new game from
    // the profile. Leaves the table waiting for "To Begin".
    void startDeal(bool isNextDeal);

    // Play of the deal starts ("To Begin", or the begin message). Announce it
    // when this machine pressed the button. False when no deal waits to begin.
    bool beginPlay(bool announce);

    // The three moves. Each returns false and changes nothing when the move is
    // not legal now.
    bool takeCard(int seat, int source, bool announce);
    bool discardCard(int seat, int cell, bool announce);
    bool knock(int seat, bool announce);

    // One action of a computer seat at the seat whose turn it is: a take or a
    // knock in the take phase, a discard in the discard phase. Returns what
    // was played, or nothing when no seat is to move.
    std::optional<PlayedMove> playComputerAction(bool announce);

private:
    bool isNetworked() const { return m_setup.mode != GameMode::Local; }
    bool handFaceUp(int seat) const { return seat == kLocalSeat || m_showAllHands; }
    void newGame();
    void dealCards();
    void setButtons(const ActionButtons& buttons);
    void setKnockEnabled(bool enabled);
    void announce(bool wanted, const Move& move);
    void finishDeal();
    void settleButtons();
    void verify() const;

    TableObserver m_silent;
    ParticipantLink m_silentLink;
    TurnDriver m_silentDriver;
    TableObserver* m_observer;
    ParticipantLink* m_link;
    TurnDriver* m_driver;
    Rng m_rng;
    GameSetup m_setup;
    Profile m_profile;
    TableState m_state;
    ActionButtons m_buttons;
    DealResult m_lastResult;
    std::optional<DeckCells> m_presetDeck;
    bool m_showAllHands = false;
};

}  // namespace olk
