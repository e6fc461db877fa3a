#include "net/lan_discovery.h"

#include <QChar>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <algorithm>

#ifdef Q_OS_WIN
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <netinet/in.h>
#include <sys/socket.h>
#endif

namespace olk::net {

namespace {

constexpr QByteArrayView kMagic = "OLKLAN1 ";
// "OLKLAN1 " PPPPP " " S " ": where the name starts.
constexpr qsizetype kNameStart = 8 + 5 + 1 + 1 + 1;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

QByteArray buildAnnouncement(const Announcement& announcement)
{
    QByteArray name;
    for (const uint code : announcement.name.toUcs4()) {
        const char32_t one32 = code;
        const QByteArray one =
            QChar::isPrint(code) ? QString::fromUcs4(&one32, 1).toUtf8() : QByteArray("?");
        if (name.size() + one.size() > kAnnouncedNameMaxBytes) {
            break;
        }
        name += one;
    }
    if (name.isEmpty()) {
        name = "?";
    }
    const int seats = std::clamp(announcement.freeSeats, 0, 3);
    return kMagic.toByteArray() +
           QByteArray::number(announcement.port).rightJustified(5, '0') + ' ' +
           QByteArray::number(seats) + ' ' + name;
}

std::optional<Announcement> parseAnnouncement(QByteArrayView datagram)
{
    if (datagram.size() <= kNameStart || datagram.size() > kNameStart + kAnnouncedNameMaxBytes ||
        !datagram.startsWith(kMagic)) {
        return std::nullopt;
    }
    const QByteArrayView port = datagram.sliced(8, 5);
    if (!std::all_of(port.begin(), port.end(), isDigit) || datagram[13] != ' ' ||
        datagram[14] < '0' || datagram[14] > '3' || datagram[15] != ' ') {
        return std::nullopt;
    }
    const int portNumber = port.toInt();
    if (portNumber < 1 || portNumber > 65535) {
        return std::nullopt;
    }
    const QByteArrayView nameBytes = datagram.sliced(kNameStart);
    const QString name = QString::fromUtf8(nameBytes);
    // Invalid UTF-8 comes back changed; every character must be printable.
    if (name.toUtf8() != nameBytes) {
        return std::nullopt;
    }
    const QList<uint> codes = name.toUcs4();
    if (!std::all_of(codes.begin(), codes.end(), [](uint code) { return QChar::isPrint(code); })) {
        return std::nullopt;
    }
    return Announcement{name, static_cast<quint16>(portNumber), datagram[14] - '0'};
}

LanAnnouncer::LanAnnouncer(QObject* parent) : QObject(parent)
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &LanAnnouncer::announce);
}

LanAnnouncer::~LanAnnouncer() = default;

void LanAnnouncer::start(const Announcement& announcement, quint16 discoveryPort)
{
    m_announcement = announcement;
    m_discoveryPort = discoveryPort;
    if (m_socket.state() != QAbstractSocket::BoundState &&
        m_socket.bind(QHostAddress::AnyIPv4, 0)) {
        // Never beyond the local network.
        const int ttl = 1;
        setsockopt(static_cast<decltype(socket(0, 0, 0))>(m_socket.socketDescriptor()),
                   IPPROTO_IP, IP_TTL, reinterpret_cast<const char*>(&ttl), sizeof ttl);
    }
    announce();
    m_timer.start();
}

void LanAnnouncer::setFreeSeats(int freeSeats)
{
    m_announcement.freeSeats = freeSeats;
}

void LanAnnouncer::stop()
{
    m_timer.stop();
    m_socket.close();
}

void LanAnnouncer::announce()
{
    if (m_socket.state() != QAbstractSocket::BoundState) {
        return;
    }
    const QByteArray datagram = buildAnnouncement(m_announcement);
    QList<QHostAddress> targets{QHostAddress(QHostAddress::LocalHost)};
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::CanBroadcast) ||
            flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol &&
                !entry.broadcast().isNull() && !targets.contains(entry.broadcast())) {
                targets.append(entry.broadcast());
            }
        }
    }
    if (targets.size() == 1) {
        targets.append(QHostAddress(QHostAddress::Broadcast));
    }
    // A network that refuses a datagram is simply not told.
    for (const QHostAddress& target : targets) {
        m_socket.writeDatagram(datagram, target, m_discoveryPort);
    }
}

LanListener::LanListener(QObject* parent) : QObject(parent)
{
    m_expiry.setInterval(1000);
    connect(&m_expiry, &QTimer::timeout, this, [this] { expire(nowMs()); });
    connect(&m_socket, &QUdpSocket::readyRead, this, &LanListener::onReadable);
}

LanListener::~LanListener() = default;

bool LanListener::listen(quint16 port)
{
    if (!m_socket.bind(QHostAddress::AnyIPv4, port,
                       QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        return false;
    }
    m_ownAddresses.clear();
    for (const QHostAddress& own : QNetworkInterface::allAddresses()) {
        if (own.protocol() == QAbstractSocket::IPv4Protocol) {
            m_ownAddresses.append(own);
        }
    }
    m_expiry.start();
    return true;
}

qint64 LanListener::nowMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

void LanListener::onReadable()
{
    while (m_socket.hasPendingDatagrams()) {
        const qint64 size = m_socket.pendingDatagramSize();
        const QNetworkDatagram datagram =
            m_socket.receiveDatagram(std::min<qint64>(std::max<qint64>(size, 0),
                                                      kAnnouncementMaxBytes + 1));
        if (size < 0 || size > kAnnouncementMaxBytes) {
            continue;
        }
        // A game of this machine is heard both over loopback and from its
        // own addresses' broadcasts: it is listed once, at 127.0.0.1.
        QHostAddress sender = datagram.senderAddress();
        bool isV4 = false;
        const quint32 v4 = sender.toIPv4Address(&isV4);
        if (isV4 && m_ownAddresses.contains(QHostAddress(v4))) {
            sender = QHostAddress(QHostAddress::LocalHost);
        }
        take(datagram.data(), sender, nowMs());
    }
}

void LanListener::take(QByteArrayView datagram, const QHostAddress& sender, qint64 nowMs)
{
    if (datagram.size() > kAnnouncementMaxBytes) {
        return;
    }
    const std::optional<Announcement> heard = parseAnnouncement(datagram);
    if (!heard) {
        return;
    }
    // An IPv4 sender reached over an IPv6 socket is listed as plain IPv4.
    bool isV4 = false;
    const quint32 v4 = sender.toIPv4Address(&isV4);
    const QHostAddress address = isV4 ? QHostAddress(v4) : sender;
    const auto same = std::find_if(m_games.begin(), m_games.end(), [&](const Game& game) {
        return game.address == address && game.port == heard->port;
    });
    if (same != m_games.end()) {
        same->heardMs = nowMs;
        if (same->name == heard->name && same->freeSeats == heard->freeSeats) {
            return;  // nothing to show anew
        }
        same->name = heard->name;
        same->freeSeats = heard->freeSeats;
    } else if (static_cast<int>(m_games.size()) < kMaxGames) {
        m_games.push_back({address, heard->port, heard->name, heard->freeSeats, nowMs});
    } else {
        return;
    }
    emit gamesChanged();
}

void LanListener::expire(qint64 nowMs)
{
    const auto gone = std::remove_if(m_games.begin(), m_games.end(), [&](const Game& game) {
        return nowMs - game.heardMs > kExpiryMs;
    });
    if (gone != m_games.end()) {
        m_games.erase(gone, m_games.end());
        emit gamesChanged();
    }
}

}  // namespace olk::net
