#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUdpSocket>
#include <optional>
#include <vector>

namespace olk::net {

// Games on the local network
// ==========================
//
// A host whose game waits for players says so about once a second in a UDP
// datagram to the discovery port, sent to 127.0.0.1 and to the broadcast
// address of every local network (with a time-to-live of 1, so it never
// passes a router). A joining player's "Welcome!" dialog listens on that port
// and lists the games it hears.
//
// The announcement is ASCII up to the name and at most 512 bytes (in practice
// under 60):
//
//     "OLKLAN1 " PPPPP " " S " " NAME
//
// - "OLKLAN1 ": the magic and version (8 bytes, the last a blank);
// - PPPPP: the host's TCP port, exactly five decimal digits, 00001..65535;
// - S: the free seats, one digit 0..3;
// - NAME: the game's name (the host player's name) in UTF-8, 1..40 bytes,
//   every character printable (no control characters, no line ends).
//
// Each field is separated by exactly one blank, and nothing follows the name.
// The parser is strict: anything else is not an announcement.
constexpr quint16 kDiscoveryPort = 45431;
constexpr int kAnnouncementMaxBytes = 512;
constexpr int kAnnouncedNameMaxBytes = 40;

struct Announcement {
    QString name;
    quint16 port = 0;
    int freeSeats = 0;
    bool operator==(const Announcement&) const = default;
};

// The datagram for `announcement`; a name that is empty, too long or has
// characters that cannot be printed is cut and cleaned ("?" for each such
// character) so the result always parses. `port` must not be 0 and
// `freeSeats` is clamped to 0..3.
QByteArray buildAnnouncement(const Announcement& announcement);
// The announcement in `datagram`, or nothing when it is not exactly one.
std::optional<Announcement> parseAnnouncement(QByteArrayView datagram);

// The host's side: announces the waiting game until stopped.
class LanAnnouncer : public QObject {
    Q_OBJECT

public:
    explicit LanAnnouncer(QObject* parent = nullptr);
    ~LanAnnouncer() override;

    // Announces at once and then once a second to `discoveryPort` (tests use
    // a port of their own).
    void start(const Announcement& announcement, quint16 discoveryPort = kDiscoveryPort);
    void setFreeSeats(int freeSeats);
    void stop();
    bool isActive() const { return m_timer.isActive(); }

private:
    void announce();

    QUdpSocket m_socket;
    QTimer m_timer;
    Announcement m_announcement;
    quint16 m_discoveryPort = kDiscoveryPort;
};

// The joining player's side: the games heard on the discovery port.
//
// A game is keyed by the address it was heard from and its TCP port, so a
// sender can only ever change its own entries; a game of this very machine
// is listed at 127.0.0.1 (it is heard on its other addresses as well). Games not heard for 5 seconds
// are dropped, at most 32 are kept (a new game beyond that is ignored until
// one expires), and whatever is not an announcement is ignored.
class LanListener : public QObject {
    Q_OBJECT

public:
    struct Game {
        QHostAddress address;
        quint16 port = 0;
        QString name;
        int freeSeats = 0;
        qint64 heardMs = 0;  // on the listener's monotonic clock
    };
    static constexpr int kMaxGames = 32;
    static constexpr qint64 kExpiryMs = 5000;

    explicit LanListener(QObject* parent = nullptr);
    ~LanListener() override;

    // Binds `port` shared with other listeners on the machine (0 picks a free
    // one, for tests); false when that is not possible.
    bool listen(quint16 port = kDiscoveryPort);
    quint16 localPort() const { return m_socket.localPort(); }
    const std::vector<Game>& games() const { return m_games; }

    // What a datagram from `sender` does at time `nowMs`, and dropping the
    // games not heard since `nowMs` - 5 s; the socket and the timer use
    // them, tests call them with times of their own.
    void take(QByteArrayView datagram, const QHostAddress& sender, qint64 nowMs);
    void expire(qint64 nowMs);

    static qint64 nowMs();

signals:
    void gamesChanged();

private:
    void onReadable();

    QUdpSocket m_socket;
    QTimer m_expiry;
    std::vector<Game> m_games;
    QList<QHostAddress> m_ownAddresses;
};

}  // namespace olk::net
