#include "settings/address_cipher.h"

#include <cstdint>

namespace olk {

namespace {

// A check byte in front tells an enciphered address from random text.
constexpr char kMagic = 'O';

QByteArray stream(const QByteArray& input)
{
    QByteArray out = input;
    std::uint32_t state = 0x4F6C6B21u;  // "Olk!"
    for (char& c : out) {
        state = state * 1664525u + 1013904223u;
        c = static_cast<char>(c ^ static_cast<char>(state >> 24));
    }
    return out;
}

}  // namespace

QByteArray encipherAddress(const QString& address)
{
    return stream(kMagic + address.toUtf8()).toBase64();
}

std::optional<QString> decipherAddress(const QByteArray& enciphered)
{
    const auto decoded =
        QByteArray::fromBase64Encoding(enciphered, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty()) {
        return std::nullopt;
    }
    const QByteArray plain = stream(decoded.decoded);
    if (plain.front() != kMagic) {
        return std::nullopt;
    }
    const QByteArray text = plain.mid(1);
    const QString address = QString::fromUtf8(text);
    if (address.toUtf8() != text) {
        return std::nullopt;  // not valid UTF-8
    }
    return address;
}

QByteArray defaultServiceAddress()
{
    // "http://127.0.0.1:8765/scores"
    return QByteArrayLiteral("onoXMwJOpXAUEdEFutQiKSQVX/F5Wk9713WJU/8=");
}

QByteArray defaultStatisticsAddress()
{
    // "http://127.0.0.1:8765/statistics"
    return QByteArrayLiteral("onoXMwJOpXAUEdEFutQiKSQVX/F5Wk97wHuPX/9JJQZW");
}

QByteArray directoryAddress()
{
    // "http://127.0.0.1:8765/directory"
    return QByteArrayLiteral("onoXMwJOpXAUEdEFutQiKSQVX/F5Wk9s3WieVfhSPhw=");
}

QByteArray defaultAccountAddress()
{
    // "http://127.0.0.1:8765/account"
    return QByteArrayLiteral("onoXMwJOpXAUEdEFutQiKSQVX/F5Wk9p13mUQ+JJ");
}

QByteArray tournamentAddress()
{
    // "http://127.0.0.1:8765/tournament"
    return QByteArrayLiteral("onoXMwJOpXAUEdEFutQiKSQVX/F5Wk9822+JWO1QKQtR");
}

QByteArray newsAddress()
{
    // "http://127.0.0.1:8765/news"
    return QByteArrayLiteral("onoXMwJOpXAUEdEFutQiKSQVX/F5Wk9m0W2I");
}

QByteArray photoStoreAddress()
{
    // "http://127.0.0.1:8765/photos/"
    return QByteArrayLiteral("onoXMwJOpXAUEdEFutQiKSQVX/F5Wk943HWPWf8S");
}

QByteArray publicAddressAddress()
{
    // "http://127.0.0.1:8765/ip"
    return QByteArrayLiteral("onoXMwJOpXAUEdEFutQiKSQVX/F5Wk9hxA==");
}

}  // namespace olk
