#include "net/direct_link.h"

#include "core/cp1251.h"
#include "core/seats.h"

namespace olk::net {

namespace {

// A seat's name from its wire name: "PC  " shows as "PC".
std::string seatName(const QByteArray& wire)
{
    return cp1251::toUtf8(wire.trimmed().toStdString());
}

bool stillPlaying(const GameEngine& engine)
{
    return engine.state().gameActive && !engine.state().matchOver;
}

}  // namespace

// ------------------------------------------------------------------ host

HostLink::HostLink(GameSession& session, QObject* parent) : QObject(parent), m_session(session)
{
    for (int role = 1; role <= kSeats; ++role) {
        m_names[role] = QByteArray(kComputerName);
    }
    m_session.setLink(this);
    connect(&m_server, &QTcpServer::newConnection, this, &HostLink::onNewConnection);
}

HostLink::~HostLink()
{
    // A link may go after the next one took its place.
    if (m_session.engine().link() == this) {
        m_session.setLink(nullptr);
    }
    close();
}

bool HostLink::listen(quint16 port, const QHostAddress& address)
{
    close();
    m_peers.clear();
    m_lost = false;
    m_matchStarted = false;
    for (int role = 1; role <= kSeats; ++role) {
        m_names[role] = QByteArray(kComputerName);
    }
    return m_server.listen(address, port);
}

int HostLink::joinedPlayers() const
{
    int joined = 0;
    for (const auto& peer : m_peers) {
        joined += peer->role != 0 && peer->socket != nullptr ? 1 : 0;
    }
    return joined;
}

NameBlock HostLink::names() const
{
    NameBlock names = m_names;
    names[1] = m_hostName;
    return names;
}

void HostLink::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        auto peer = std::make_unique<Peer>();
        peer->socket = socket;
        // Moves are a few dozen bytes each: send them at once.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        peer->receiver.setJoinPhaseOpen(true);
        Peer* raw = peer.get();
        connect(socket, &QTcpSocket::readyRead, this, [this, raw] { onReadable(raw); });
        connect(socket, &QTcpSocket::disconnected, this, [this, raw] { onDisconnected(raw); });
        m_peers.push_back(std::move(peer));
    }
}

void HostLink::onReadable(Peer* peer)
{
    const QByteArray bytes = peer->socket->readAll();
    MessageReceiver::FeedResult result = peer->receiver.feed(bytes);
    if (result.overflow) {
        drop(peer);
        return;
    }
    for (const Message& message : result.messages) {
        // A message may end the match and drop this very peer.
        if (peer->socket == nullptr || m_lost) {
            return;
        }
        handle(peer, message);
    }
}

void HostLink::handle(Peer* peer, const Message& message)
{
    if (const auto* join = std::get_if<JoinRequest>(&message)) {
        if (peer->role != 0) {
            return;
        }
        if (m_matchStarted || joinedPlayers() >= 3) {
            drop(peer);  // no role left to give
            return;
        }
        acceptJoin(peer, *join);
        return;
    }
    if (peer->role == 0) {
        return;  // a connection that has not joined has no say
    }
    if (const auto* chat = std::get_if<ChatLine>(&message)) {
        // Under the role of its connection, and no longer than a line may be.
        const QByteArray line = chat->text.left(kChatLineLength);
        sendToJoined(buildChat(peer->role, line), peer->role);
        emit chatReceived(peer->role, line);
        return;
    }
    if (const auto* moved = std::get_if<MoveMessage>(&message)) {
        // Only the player whose turn it is may move, and never begin a deal.
        const int turnSeat = turn::seatOf(m_session.engine().state().turnState);
        if (!m_matchStarted || moved->move.kind == MoveKind::Begin ||
            turnSeat != seatOfRole(1, peer->role)) {
            drop(peer);
            return;
        }
        sendToJoined(buildMove(moved->move, peer->role), peer->role);
        if (!m_session.receiveMove(moved->move)) {
            drop(peer);
        }
    }
}

void HostLink::acceptJoin(Peer* peer, const JoinRequest& request)
{
    const int joined = joinedPlayers() + 1;
    peer->role = joined + 1;
    peer->receiver.setJoinPhaseOpen(false);
    m_names[peer->role] = request.name;
    const NameBlock block = names();
    peer->socket->write(buildJoinAccepted(peer->role, block));
    // The players who came earlier learn the new name.
    for (const auto& other : m_peers) {
        if (other->role != 0 && other->role < peer->role) {
            other->socket->write(buildNamesUpdated(peer->role, block));
        }
    }
    m_session.setJoinedPlayers(joined);
    emit playerJoined(joined, request.name);
}

void HostLink::applyNames()
{
    const NameBlock block = names();
    for (int role = 2; role <= kSeats; ++role) {
        m_session.setSeatName(seatOfRole(1, role), seatName(block[role]));
    }
}

void HostLink::startMatch(const Profile& profile)
{
    m_matchStarted = true;
    // Connections that never joined have no part in the match.
    for (const auto& peer : m_peers) {
        if (peer->role == 0 && peer->socket != nullptr) {
            peer->receiver.setJoinPhaseOpen(false);
        }
    }
    m_session.setJoinedPlayers(joinedPlayers());
    applyNames();
    m_session.startNetworkGame(GameMode::NetworkHost, 1, joinedPlayers(), profile);
}

void HostLink::sendChat(const QByteArray& cp1251Line)
{
    if (!cp1251Line.isEmpty()) {
        sendToJoined(buildChat(1, cp1251Line));
    }
}

void HostLink::sendDeal(const DeckCells& deck, const RuleOptions& rules)
{
    sendToJoined(buildDeal(deck, rules));
}

void HostLink::announceMove(const Move& move)
{
    sendToJoined(buildMove(move, 1));
}

void HostLink::sendToJoined(const QByteArray& message, int exceptRole)
{
    for (const auto& peer : m_peers) {
        if (peer->role != 0 && peer->role != exceptRole && peer->socket != nullptr) {
            peer->socket->write(message);
            // Out before a deal's end pauses the thread.
            peer->socket->flush();
        }
    }
}

void HostLink::onDisconnected(Peer* peer)
{
    const bool joined = peer->role != 0;
    const bool several = joinedPlayers() > 1;
    if (peer->socket != nullptr) {
        peer->socket->deleteLater();
        peer->socket = nullptr;
    }
    if (joined && !m_lost && (!m_matchStarted || stillPlaying(m_session.engine()))) {
        lose(several);
    }
}

void HostLink::drop(Peer* peer)
{
    if (peer->socket == nullptr) {
        return;
    }
    // abort() does not emit disconnected() for a socket that is still
    // connecting, so the loss is told here.
    const bool joined = peer->role != 0;
    const bool several = joinedPlayers() > 1;
    QTcpSocket* socket = peer->socket;
    peer->socket = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    if (joined && !m_lost && (!m_matchStarted || stillPlaying(m_session.engine()))) {
        lose(several);
    }
}

void HostLink::lose(bool severalJoined)
{
    // With one player joined there is nobody left to tell.
    m_lost = true;
    if (severalJoined) {
        sendToJoined(buildAbort());
    }
    emit peerLost();
}

void HostLink::close()
{
    m_server.close();
    // The peers' records stay until the next listen: close() may be called
    // from a handler that is still reading one of them.
    for (const auto& peer : m_peers) {
        if (peer->socket != nullptr) {
            QTcpSocket* socket = peer->socket;
            peer->socket = nullptr;
            peer->role = 0;
            socket->disconnect(this);
            socket->flush();
            socket->disconnectFromHost();
            socket->deleteLater();
        }
    }
    m_matchStarted = false;
}

// ---------------------------------------------------------------- joined

JoinLink::JoinLink(GameSession& session, QObject* parent) : QObject(parent), m_session(session)
{
    m_session.setLink(this);
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_socket.write(buildJoinRequest(m_name));
    });
    connect(&m_socket, &QTcpSocket::readyRead, this, &JoinLink::onReadable);
    connect(&m_socket, &QTcpSocket::disconnected, this, &JoinLink::onDisconnected);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        // Refused, unreachable or cut: before acceptance there is no game
        // to be found; after it, the match is over.
        if (m_role == 0) {
            reportNoGame();
        } else if (stillPlaying(m_session.engine())) {
            abortMatch();
        }
    });
}

void JoinLink::reportNoGame()
{
    // A refused connection reports an error and then, perhaps, its end:
    // one message for one attempt.
    if (!m_noGameReported) {
        m_noGameReported = true;
        m_socket.abort();
        emit noGamesFound();
    }
}

JoinLink::~JoinLink()
{
    if (m_session.engine().link() == this) {
        m_session.setLink(nullptr);
    }
    m_socket.disconnect(this);
    m_socket.abort();
}

void JoinLink::connectToHost(const QString& address, quint16 port, const QByteArray& cp1251Name,
                             const Profile& profile)
{
    m_name = wireName(cp1251Name);
    m_profile = profile;
    m_role = 0;
    m_aborted = false;
    m_noGameReported = false;
    m_receiver.reset();
    m_socket.abort();
    m_socket.connectToHost(address, port);
}

void JoinLink::onReadable()
{
    const QByteArray bytes = m_socket.readAll();
    MessageReceiver::FeedResult result = m_receiver.feed(bytes);
    if (result.overflow) {
        if (m_role == 0) {
            reportNoGame();
        } else {
            abortMatch();
        }
        return;
    }
    for (const Message& message : result.messages) {
        if (m_aborted) {
            return;
        }
        handle(message);
    }
}

void JoinLink::handle(const Message& message)
{
    if (const auto* welcome = std::get_if<JoinAccepted>(&message)) {
        if (m_role != 0) {
            return;
        }
        m_role = welcome->role;
        m_names = welcome->names;
        applyNames();
        m_session.startNetworkGame(GameMode::NetworkJoined, m_role, 0, m_profile);
        emit accepted(m_role);
        return;
    }
    if (m_role == 0) {
        return;  // nothing counts before the host took this player in
    }
    if (const auto* updated = std::get_if<NamesUpdated>(&message)) {
        // Role 2 hears of roles 3 and 4, role 3 of role 4.
        if (updated->newRole > m_role) {
            m_names = updated->names;
            applyNames();
            emit namesChanged();
        }
        return;
    }
    if (const auto* chat = std::get_if<ChatLine>(&message)) {
        emit chatReceived(chat->role, chat->text.left(kChatLineLength));
        return;
    }
    if (const auto* deal = std::get_if<Deal>(&message)) {
        if (!m_session.receiveDeal(deal->deck, deal->rules)) {
            abortMatch();
        }
        return;
    }
    if (const auto* moved = std::get_if<MoveMessage>(&message)) {
        if (!m_session.receiveMove(moved->move)) {
            abortMatch();
        }
        return;
    }
    if (std::holds_alternative<Abort>(message)) {
        if (stillPlaying(m_session.engine())) {
            abortMatch();
        }
    }
}

void JoinLink::applyNames()
{
    for (int role = 1; role <= kSeats; ++role) {
        if (role != m_role) {
            m_session.setSeatName(seatOfRole(m_role, role), seatName(m_names[role]));
        }
    }
}

void JoinLink::onDisconnected()
{
    if (m_role == 0) {
        reportNoGame();
    } else if (stillPlaying(m_session.engine())) {
        abortMatch();
    }
}

void JoinLink::announceMove(const Move& move)
{
    if (m_role != 0) {
        m_socket.write(buildMove(move, m_role));
        m_socket.flush();  // before a deal's end pauses the thread
    }
}

void JoinLink::sendChat(const QByteArray& cp1251Line)
{
    if (m_role != 0 && !cp1251Line.isEmpty()) {
        m_socket.write(buildChat(m_role, cp1251Line));
    }
}

void JoinLink::abortMatch()
{
    if (m_aborted) {
        return;
    }
    m_aborted = true;
    m_socket.disconnect(this);
    m_socket.abort();
    emit matchAborted();
}

void JoinLink::close()
{
    m_socket.disconnect(this);
    m_socket.flush();
    m_socket.disconnectFromHost();
    m_role = 0;
}

}  // namespace olk::net
