#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "core/game_engine.h"
#include "core/seat_plan.h"

namespace olk {

// One game as this machine plays it, outside any widget: the rules engine,
// who plays each seat (the seat plan), the turn driver Timer1 that lets the
// computer seats act, the inbox of moves from other participants, the local
// player's input, and the end of a game or leaving it early.
//
// The table widget shows the engine's state (it is the engine's
// TableObserver) and passes the local player's clicks here; a network or
// relay link is the engine's ParticipantLink and hands received moves to
// receiveMove(). The session is the engine's TurnDriver.
class GameSession : public QObject, public TurnDriver {
    Q_OBJECT

public:
    // Timer1's period during a deal: one computer action a tick.
    static constexpr int kTickInPlay = 1000;

    explicit GameSession(Rng rng = Rng::fromClock(), QObject* parent = nullptr);
    ~GameSession() override;

    GameEngine& engine() { return m_engine; }
    const GameEngine& engine() const { return m_engine; }
    const SeatPlan& plan() const { return m_plan; }
    QTimer& timer1() { return m_timer1; }

    void setView(TableObserver* view)
    {
        m_view = view;
        m_engine.setObserver(view);
    }
    void setLink(ParticipantLink* link) { m_engine.setLink(link); }

    // In a local game the computer waits while this says so (a question or
    // window standing over the table). Networked play keeps its timing.
    void setHold(std::function<bool()> hold) { m_hold = std::move(hold); }

    // A local game for the player of `profile`, dealt and waiting for "To
    // Begin".
    void startLocalGame(const Profile& profile);

    // A network game on the direct connection: the host (role 1, with
    // `joinedPlayers` joined so far) deals at once; a joined player (role
    // 2..4) shows the table and waits for the host's first deal. The seats'
    // names are set before.
    void startNetworkGame(GameMode mode, int ownRole, int joinedPlayers, const Profile& profile);
    // The host: how many players have joined (who plays seats 1 and 3).
    void setJoinedPlayers(int joinedPlayers);
    // The name shown for a seat (the local seat's comes from the profile).
    void setSeatName(int seat, const std::string& name);
    // A joined player: the host's deal. Taken only while this machine waits
    // for a deal (the first one, or after a deal has ended, before the
    // match is over); false, and nothing changes, otherwise. A tournament
    // place takes the relay's next deal the same way, always under the
    // tournament's rules.
    bool receiveDeal(const DeckCells& deck, const RuleOptions& rules);

    // A tournament game at `place` (1..4) starts with the relay's first
    // deal: a new game for `profile`, the hands filled by place, waiting for
    // "To Begin" (place 1's button). The seats' names are set before or
    // after. False, and nothing changes, for a deck that is not the 52
    // cards or a place outside 1..4.
    bool startTournamentGame(int place, const Profile& profile, const DeckCells& deck);
    // The tournament game is over before its end (a player left or ran out
    // of time, the relay was lost or ended it): no more moves, "Exit to
    // menu" enabled, the first button disabled.
    void endTournamentGame();
    bool tournamentEnded() const { return m_tournamentEnded; }

    // The local player, at seat 4. Each returns false, and nothing changes,
    // when the move is not one he may make now.
    bool localTake(int source);
    bool localDiscard(int cell);
    // The first action button: "To Begin", "Knock!" or "Next game".
    void pressFirstButton();
    // The second action button, "Exit to menu": ends the game once it may.
    void pressExit();
    // The game is left before its end (the table's menu, confirmed).
    void leave();

    // A move from another participant (see applyRemoteMove). False when it
    // was refused: illegal, out of turn, or for a seat played here.
    bool receiveMove(const Move& move);

    // One tick of Timer1.
    void onTick();

    // TurnDriver
    void stopTurnDriver() override;
    void startTurnDriver() override;

signals:
    // "Exit to menu" after a finished game.
    void gameFinished();
    // Tournament, place 1: "Next game" asks the relay for the next deal.
    void nextDealRequested();
    // The game was left before its end.
    void gameAbandoned();
    // A computer seat made an action (the view redraws the turn arrow).
    void computerMoved();

private:
    GameEngine m_engine;
    SeatPlan m_plan;
    QTimer m_timer1;
    std::function<bool()> m_hold;
    TableObserver* m_view = nullptr;
    bool m_tournamentEnded = false;
    bool m_nextDealAsked = false;
};

}  // namespace olk
