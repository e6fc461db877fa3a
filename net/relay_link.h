#pragma once

#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <string>

#include "core/one_based.h"
#include "net/messages.h"
#include "net/receiver.h"
#include "session/game_session.h"
#include "session/move_clock.h"

namespace olk::net {

// A tournament place's side of the relay: one connection to the relay that
// plays the table. It is the session's participant link.
//
// Once the connection stands it sends "connect" with the place; then every
// move of the local player, "hbegin" and "bnext" (place 1 presses the
// buttons), chat lines, the final balances by place after the game's last
// deal (place 1), "TOut" when the local clock runs out, and "disA" when the
// place is given up. The relay's first deal starts the game, its later
// deals deal the next ones, and the moves of the three other places are
// played on the seats where they sit in this view.
//
// The link keeps the move clock: every move restarts it for the seat to
// move next, and each deal for place 1's seat.
//
// Phases: Idle; Connecting (a place was taken, the connection is being
// made); Connected ("connect" was sent); Over (the game ended, was broken
// or lost: what the relay sends after that is ignored, except that "e"
// still says the game is over).
//
// Nothing the relay sends is trusted: a frame that cannot be read is
// dropped; a deal that is not the 52 cards, a move that is not legal for
// the seat to move, a deal when none is due, or more than a receiver holds
// ends the game as a lost connection does.
class RelayLink : public QObject, public ParticipantLink {
    Q_OBJECT

public:
    enum class Phase { Idle = 0, Connecting = 1, Connected = 2, Over = 10 };

    explicit RelayLink(GameSession& session, QObject* parent = nullptr);
    ~RelayLink() override;

    // Connects to the relay of the table (its address and the table's own
    // port) for `place` (1..4); the game will start for `profile`.
    void connectToRelay(const QString& address, quint16 port, int place, const Profile& profile);

    // The players' names by place (UTF-8), as the table list gives them;
    // the own place keeps the profile's name.
    void setPlaceNames(const OneBasedArray<std::string, kSeats>& names);

    int place() const { return m_place; }
    Phase phase() const { return m_phase; }
    bool hasGameStarted() const { return m_gameStarted; }
    const MoveClock& clock() const { return m_clock; }
    MoveClock& clock() { return m_clock; }
    // The seat where `place` sits in this view.
    int seatOfPlace(int place) const;

    // A chat line of the local player (Windows-1251).
    void sendChat(const QByteArray& cp1251Line);
    // The place is given up: "disA", the connection closes, phase Idle.
    void leave();
    // Closes the connection without a word, phase Idle.
    void close();

    // ParticipantLink
    void announceMove(const Move& move) override;
    void restartMoveClock(int seat) override;
    void stopMoveClocks() override;
    void sendFinalBalances(const OneBasedArray<int, kSeats>& byPlace) override;

signals:
    // The relay's first deal started the game.
    void gameStarted();
    void chatReceived(int place, const QByteArray& line);
    // "e": the relay ended the game.
    void gameEnded();
    // "a": the player of `place`, at `seat` here, left the table.
    void playerLeft(int place, int seat);
    // "T": the player of `place`, at `seat` here, lost on time.
    void playerTimedOut(int place, int seat);
    // The local clock ran out ("TOut" went out), or the relay said so.
    void localTimeUp();
    // The connection broke, or the relay sent what cannot be, while the
    // game ran.
    void connectionLost();
    // The connection could not be made or failed before the game started.
    void connectionError();
    // The relay connection ended, for whatever reason and in any phase (the
    // chat input goes off); reported once per connection.
    void closed();

private:
    void onConnected();
    void onReadable();
    void onDisconnected();
    void onError();
    void handle(const Message& message);
    void handleDeal(const Deal& deal);
    void send(const QByteArray& frame);
    // The game cannot go on: phase Over, clocks stopped, the session's game
    // ended; `closeSocket` ends the connection.
    void endGame(bool closeSocket);
    void breakOff();
    void onLocalTimeUp();
    void dropSocket();

    GameSession& m_session;
    QTcpSocket m_socket;
    MessageReceiver m_receiver{MessageReceiver::Side::Relay};
    MoveClock m_clock;
    Profile m_profile;
    OneBasedArray<std::string, kSeats> m_names;
    int m_place = 0;
    Phase m_phase = Phase::Idle;
    bool m_gameStarted = false;
    bool m_endedReported = false;
};

}  // namespace olk::net
