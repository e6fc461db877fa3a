// Any bytes as a datagram heard on the local network: the parser never
// crashes or reads out of bounds, accepts only announcements that build back
// into exactly the same bytes, and a listener fed the same bytes from many
// senders keeps at most its cap of games.

#include <QByteArray>
#include <QByteArrayView>
#include <QHostAddress>
#include <cstdint>
#include <cstdlib>

#include "net/lan_discovery.h"

namespace {

namespace net = olk::net;

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto heard = net::parseAnnouncement(bytes)) {
        require(bytes.size() <= net::kAnnouncementMaxBytes);
        require(heard->port >= 1 && heard->freeSeats >= 0 && heard->freeSeats <= 3);
        require(net::buildAnnouncement(*heard) == bytes);
    }

    net::LanListener listener;
    for (quint32 sender = 0; sender < 40; ++sender) {
        listener.take(bytes, QHostAddress(0x0a000001u + sender), sender);
    }
    require(listener.games().size() <= static_cast<std::size_t>(net::LanListener::kMaxGames));
    listener.expire(40 + net::LanListener::kExpiryMs + 1);
    require(listener.games().empty());
    return 0;
}
