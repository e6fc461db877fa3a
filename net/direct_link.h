#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <vector>

#include "net/messages.h"
#include "net/receiver.h"
#include "session/game_session.h"

namespace olk::net {

// The host's side of a network game: listens for players, takes up to three
// of them in (roles 2, 3, 4 in the order their join requests come), sends
// every deal, passes each move and chat line on, and watches for anyone
// leaving. It is the session's participant link.
//
// The host trusts a joined player with nothing it does not own: a
// connection holds a role only once it sent a valid join request, a move is
// taken only from the connection whose turn it is and only when legal, and a
// chat line goes on under the role of the connection it came from. A join
// request beyond the third, or once the match runs, closes that connection.
// A joined player that breaks the rules, sends more than a receiver holds,
// or leaves before the match is over ends the match (peerLost).
class HostLink : public QObject, public ParticipantLink {
    Q_OBJECT

public:
    explicit HostLink(GameSession& session, QObject* parent = nullptr);
    ~HostLink() override;

    // Listens on `port` of `address`; false when that is not possible.
    bool listen(quint16 port, const QHostAddress& address = QHostAddress::Any);
    quint16 port() const { return m_server.serverPort(); }
    // The host's own name (Windows-1251; its first 4 characters go out).
    void setHostName(const QByteArray& cp1251Name) { m_hostName = wireName(cp1251Name); }

    // The players who joined and are still connected.
    int joinedPlayers() const;
    // Names by role, as the name blocks send them.
    NameBlock names() const;

    // "Ok" in the waiting window: no more joins; the match starts with a new
    // game for the host's `profile`, dealt at once.
    void startMatch(const Profile& profile);
    // The host's chat line to every joined player.
    void sendChat(const QByteArray& cp1251Line);
    // Stops listening and drops every connection.
    void close();

    // ParticipantLink
    void sendDeal(const DeckCells& deck, const RuleOptions& rules) override;
    void announceMove(const Move& move) override;

signals:
    // Player number `joined` (1..3) is in, with his 4-character name.
    void playerJoined(int joined, const QByteArray& name);
    void chatReceived(int role, const QByteArray& line);
    // A joined player left, or broke the rules, before the match was over.
    void peerLost();

private:
    struct Peer {
        QTcpSocket* socket = nullptr;
        MessageReceiver receiver{MessageReceiver::Side::Host};
        int role = 0;  // 0 until the join request
    };

    void onNewConnection();
    void onReadable(Peer* peer);
    void onDisconnected(Peer* peer);
    void handle(Peer* peer, const Message& message);
    void acceptJoin(Peer* peer, const JoinRequest& request);
    void sendToJoined(const QByteArray& message, int exceptRole = 0);
    void drop(Peer* peer);
    void lose(bool severalJoined);
    void applyNames();

    GameSession& m_session;
    QTcpServer m_server;
    std::vector<std::unique_ptr<Peer>> m_peers;
    QByteArray m_hostName = "PC  ";
    NameBlock m_names;
    bool m_matchStarted = false;
    bool m_lost = false;
};

// A joined player's side: connects to the host, asks to join, learns its
// role and the names, and then receives the deals, the moves of the other
// seats and the chat lines, while sending its own moves. It is the
// session's participant link.
//
// Whatever the host sends is checked: a deal that is not a whole deck, a
// move that is illegal or for the local seat, or an acceptance out of turn
// ends the match (matchAborted), never the program.
class JoinLink : public QObject, public ParticipantLink {
    Q_OBJECT

public:
    explicit JoinLink(GameSession& session, QObject* parent = nullptr);
    ~JoinLink() override;

    // Connects and, once the connection stands, sends the join request with
    // the first 4 characters of `cp1251Name`. When the host takes this
    // player in, the game for `profile` starts at once (the table waits for
    // the host's first deal), so that nothing the host sends next is missed.
    void connectToHost(const QString& address, quint16 port, const QByteArray& cp1251Name,
                       const Profile& profile);
    int role() const { return m_role; }
    bool isAccepted() const { return m_role != 0; }
    const NameBlock& names() const { return m_names; }
    void sendChat(const QByteArray& cp1251Line);
    void close();

    // ParticipantLink
    void announceMove(const Move& move) override;

signals:
    // The host took this player in with `role`.
    void accepted(int role);
    // The seats' names changed (another player joined).
    void namesChanged();
    void chatReceived(int role, const QByteArray& line);
    // The connection failed or was refused before this player was taken in.
    void noGamesFound();
    // The match cannot go on: "abort", the host gone, or something the host
    // sent that cannot be.
    void matchAborted();

private:
    void onReadable();
    void onDisconnected();
    void handle(const Message& message);
    void applyNames();
    void abortMatch();
    void reportNoGame();

    GameSession& m_session;
    QTcpSocket m_socket;
    MessageReceiver m_receiver{MessageReceiver::Side::Joined};
    QByteArray m_name;
    Profile m_profile;
    NameBlock m_names;
    int m_role = 0;
    bool m_aborted = false;
    bool m_noGameReported = false;
};

}  // namespace olk::net
