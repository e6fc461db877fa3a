#include "net/relay_link.h"

#include "core/seats.h"

namespace olk::net {

RelayLink::RelayLink(GameSession& session, QObject* parent) : QObject(parent), m_session(session)
{
    m_session.setLink(this);
    connect(&m_socket, &QTcpSocket::connected, this, &RelayLink::onConnected);
    connect(&m_socket, &QTcpSocket::readyRead, this, &RelayLink::onReadable);
    connect(&m_socket, &QTcpSocket::disconnected, this, &RelayLink::onDisconnected);
    connect(&m_socket, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError) { onError(); });
    connect(&m_clock, &MoveClock::localTimeUp, this, &RelayLink::onLocalTimeUp);
    connect(&m_session, &GameSession::nextDealRequested, this, [this] {
        if (m_phase == Phase::Connected && m_place == 1) {
            send(buildRelayNextDeal(m_place));
        }
    });
}

RelayLink::~RelayLink()
{
    if (m_session.engine().link() == this) {
        m_session.setLink(nullptr);
    }
    m_socket.disconnect(this);
    m_socket.abort();
}

void RelayLink::connectToRelay(const QString& address, quint16 port, int place,
                               const Profile& profile)
{
    m_socket.abort();
    m_receiver.reset();
    m_clock.stop();
    m_place = place >= 1 && place <= kSeats ? place : 0;
    m_profile = profile;
    m_gameStarted = false;
    m_endedReported = false;
    if (m_place == 0) {
        m_phase = Phase::Idle;
        emit connectionError();
        return;
    }
    m_phase = Phase::Connecting;
    m_socket.connectToHost(address, port);
}

int RelayLink::seatOfPlace(int place) const
{
    return seatOfRole(m_place, place);
}

void RelayLink::setPlaceNames(const OneBasedArray<std::string, kSeats>& names)
{
    m_names = names;
    if (m_place == 0) {
        return;
    }
    for (int place = 1; place <= kSeats; ++place) {
        if (place != m_place) {
            m_session.setSeatName(seatOfPlace(place), m_names[place]);
        }
    }
}

void RelayLink::onConnected()
{
    if (m_phase != Phase::Connecting) {
        return;
    }
    // Moves are a few dozen bytes each: send them at once.
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    send(buildRelayConnect(m_place));
    m_phase = Phase::Connected;
}

void RelayLink::send(const QByteArray& frame)
{
    if (m_socket.state() == QAbstractSocket::ConnectedState) {
        m_socket.write(frame);
        // Out now: the end of a deal may block the thread for seconds
        // (its pause), and a move still waiting in the buffer then would
        // reach the relay only after the player may have left the table.
        m_socket.flush();
    }
}

void RelayLink::onReadable()
{
    const QByteArray bytes = m_socket.readAll();
    if (m_phase == Phase::Idle) {
        return;
    }
    MessageReceiver::FeedResult result = m_receiver.feed(bytes);
    if (result.overflow) {
        breakOff();
        return;
    }
    for (const Message& message : result.messages) {
        // Once the game is over only the relay's word that it ended counts.
        if (m_phase == Phase::Idle ||
            (m_phase == Phase::Over && !std::holds_alternative<GameEnded>(message))) {
            continue;
        }
        handle(message);
    }
}

void RelayLink::handle(const Message& message)
{
    if (const auto* deal = std::get_if<Deal>(&message)) {
        handleDeal(*deal);
        return;
    }
    if (const auto* moved = std::get_if<MoveMessage>(&message)) {
        if (!m_gameStarted) {
            return;  // no game yet for a move to belong to
        }
        if (moved->move.kind == MoveKind::Begin) {
            // Play of this deal has begun already (place 1's own begin
            // coming back): nothing to do. Otherwise it must be the begin.
            if (m_session.engine().state().playPhase != 1) {
                return;
            }
        }
        if (!m_session.receiveMove(moved->move)) {
            breakOff();
        }
        return;
    }
    if (const auto* chat = std::get_if<ChatLine>(&message)) {
        // No longer than a player may type, whatever the relay passed on.
        emit chatReceived(chat->role, chat->text.left(kChatLineLength));
        return;
    }
    if (std::holds_alternative<GameEnded>(message)) {
        if (!m_endedReported) {
            m_endedReported = true;
            endGame(false);
            emit gameEnded();
        }
        return;
    }
    if (const auto* left = std::get_if<PlayerLeft>(&message)) {
        if (left->place == m_place) {
            return;  // this player is still here
        }
        endGame(true);
        emit playerLeft(left->place, seatOfPlace(left->place));
        return;
    }
    if (const auto* timedOut = std::get_if<LostOnTime>(&message)) {
        endGame(true);
        if (timedOut->place == m_place) {
            emit localTimeUp();
        } else {
            emit playerTimedOut(timedOut->place, seatOfPlace(timedOut->place));
        }
    }
}

void RelayLink::handleDeal(const Deal& deal)
{
    if (!m_gameStarted) {
        // The first deal starts the game; the names are on the table first.
        setPlaceNames(m_names);
        if (!m_session.startTournamentGame(m_place, m_profile, deal.deck)) {
            breakOff();
            return;
        }
        m_gameStarted = true;
        m_clock.restart(seatOfPlace(1));
        emit gameStarted();
        return;
    }
    if (!m_session.receiveDeal(deal.deck, deal.rules)) {
        breakOff();
        return;
    }
    m_clock.restart(seatOfPlace(1));
}

void RelayLink::announceMove(const Move& move)
{
    if (m_phase == Phase::Connected) {
        send(buildRelayMove(move, m_place));
    }
}

void RelayLink::restartMoveClock(int seat)
{
    if (m_phase == Phase::Connected) {
        m_clock.restart(seat);
    }
}

void RelayLink::stopMoveClocks()
{
    m_clock.stop();
    // Called as a deal ends; after the game's last deal nothing more is
    // played at this table.
    const TableState& st = m_session.engine().state();
    if (m_gameStarted && st.turnState == turn::kDealOver && st.gameDeals % kMatchDeals == 0 &&
        m_phase == Phase::Connected) {
        m_phase = Phase::Over;
    }
}

void RelayLink::sendFinalBalances(const OneBasedArray<int, kSeats>& byPlace)
{
    if (m_place == 1) {
        send(buildRelayFinalBalances(byPlace, m_place));
    }
}

void RelayLink::sendChat(const QByteArray& cp1251Line)
{
    if (m_phase == Phase::Connected && !cp1251Line.isEmpty()) {
        send(buildRelayChat(cp1251Line, m_place));
    }
}

void RelayLink::onLocalTimeUp()
{
    if (m_phase != Phase::Connected || !m_gameStarted) {
        return;
    }
    send(buildRelayTimeOut(m_place));
    endGame(true);
    emit localTimeUp();
}

void RelayLink::endGame(bool closeSocket)
{
    m_phase = Phase::Over;
    m_clock.stop();
    if (m_gameStarted) {
        m_session.endTournamentGame();
    }
    if (closeSocket) {
        dropSocket();
    }
}

void RelayLink::breakOff()
{
    if (m_phase == Phase::Over || m_phase == Phase::Idle) {
        return;
    }
    const bool started = m_gameStarted;
    endGame(false);
    m_socket.abort();
    if (started) {
        emit connectionLost();
    } else {
        m_phase = Phase::Idle;
        emit connectionError();
    }
}

void RelayLink::dropSocket()
{
    // What was written (a "TOut", a "disA") still goes out before the end.
    m_socket.flush();
    m_socket.disconnectFromHost();
}

void RelayLink::onDisconnected()
{
    breakOff();
    emit closed();
}

void RelayLink::onError()
{
    // Refused, unreachable or cut: before the game the place cannot be
    // played; during it the game is lost. A closing relay reports an error
    // and its end: one report for both.
    breakOff();
}

void RelayLink::leave()
{
    if (m_phase == Phase::Connecting || m_phase == Phase::Connected) {
        send(buildRelayLeave(m_place));
    }
    m_phase = Phase::Idle;
    m_clock.stop();
    dropSocket();
}

void RelayLink::close()
{
    m_phase = Phase::Idle;
    m_clock.stop();
    m_socket.abort();
}

}  // namespace olk::net
