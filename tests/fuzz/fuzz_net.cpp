// Any bytes through every message parser, and cut into reads of any size
// through a receiver of each side: no crash, no read out of bounds, every
// message handed out is well-formed, and the receiver never keeps more than
// a message could need.

#include <QByteArray>
#include <QByteArrayView>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "core/card.h"
#include "net/messages.h"
#include "net/receiver.h"

namespace {

using olk::net::MessageReceiver;
namespace net = olk::net;

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

bool isRole(int role)
{
    return role >= 1 && role <= 4;
}

// What the parsers accept builds back into the same message.
void checkParsers(QByteArrayView bytes)
{
    if (const auto move = net::parseMove(bytes)) {
        require(net::parseMove(net::buildMove(move->move, move->sender))->move == move->move);
    }
    if (const auto deal = net::parseDeal(bytes)) {
        require(net::parseDeal(net::buildDeal(deal->deck, deal->rules)) == deal);
    }
    if (const auto deal = net::parseRelayDeal(bytes)) {
        require(deal->rules == (olk::RuleOptions{true, false}));
        require(net::parseDeal(net::buildDeal(deal->deck, deal->rules)) == deal);
    }
    if (const auto chat = net::parseChat(bytes)) {
        // The line comes out printable, and only that is changed.
        require(net::buildChat(chat->role, chat->text) ==
                bytes.first(2).toByteArray() + net::printable(bytes.sliced(2)));
    }
    if (const auto join = net::parseJoinRequest(bytes)) {
        require(net::buildJoinRequest(join->name) ==
                bytes.first(15).toByteArray() + net::printable(bytes.sliced(15)));
    }
    if (const auto accepted = net::parseJoinAccepted(bytes)) {
        require(net::parseJoinAccepted(net::buildJoinAccepted(accepted->role, accepted->names)) ==
                accepted);
    }
    if (const auto updated = net::parseNamesUpdated(bytes)) {
        require(net::buildNamesUpdated(updated->newRole, updated->names).sliced(9) ==
                net::printable(bytes.sliced(9)));
    }
    if (const auto names = net::parseNameBlock(bytes)) {
        require(net::nameBlock(*names) == net::printable(bytes));
    }
    net::parseMoveText(bytes);
    net::parseRelayFrame(bytes);
    require(net::wireName(bytes).size() == net::kWireNameLength);
    const QByteArrayView head = bytes.first(std::min<qsizetype>(bytes.size(), 64));
    require(
        net::wireNameFromUtf8(std::string_view(head.data(), static_cast<std::size_t>(head.size())))
            .size() == net::kWireNameLength);
}

void checkMessage(const net::Message& message, MessageReceiver::Side side)
{
    const bool relay = side == MessageReceiver::Side::Relay;
    if (const auto* move = std::get_if<net::MoveMessage>(&message)) {
        if (relay) {
            require(net::parseRelayFrame(move->raw) == message);
        } else {
            require(net::parseMove(move->raw) == *move);
            require(net::parseMove(net::buildMove(move->move, move->sender)) ==
                    (net::MoveMessage{move->move, move->sender,
                                      net::buildMove(move->move, move->sender)}));
        }
    } else if (const auto* deal = std::get_if<net::Deal>(&message)) {
        require(net::parseDeal(net::buildDeal(deal->deck, deal->rules)) == *deal);
    } else if (const auto* chat = std::get_if<net::ChatLine>(&message)) {
        require(isRole(chat->role) && !chat->text.isEmpty());
        if (!relay) {
            const auto again = net::parseChat(net::buildChat(chat->role, chat->text));
            require(again && again->role == chat->role && again->text == chat->text);
        } else {
            require(!chat->continues);
        }
    } else if (const auto* join = std::get_if<net::JoinRequest>(&message)) {
        require(side == MessageReceiver::Side::Host && join->name.size() == net::kWireNameLength);
    } else if (const auto* accepted = std::get_if<net::JoinAccepted>(&message)) {
        require(accepted->role >= 2 && accepted->role <= 4);
    } else if (const auto* updated = std::get_if<net::NamesUpdated>(&message)) {
        require(updated->newRole == 3 || updated->newRole == 4);
    } else if (const auto* left = std::get_if<net::PlayerLeft>(&message)) {
        require(relay && isRole(left->place));
    } else if (const auto* lost = std::get_if<net::LostOnTime>(&message)) {
        require(relay && isRole(lost->place));
    }
}

// Feeds `bytes` in reads whose sizes come from `seed`.
std::vector<net::Message> feedInReads(MessageReceiver& receiver, QByteArrayView bytes,
                                      std::uint32_t seed)
{
    std::vector<net::Message> all;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        seed = seed * 1664525u + 1013904223u;
        // Mostly reads of a few hundred bytes, one in four of at most 8.
        const std::uint32_t r = seed >> 16;
        const qsizetype most = (r & 3) == 0 ? 8 : 400;
        const qsizetype size = std::min<qsizetype>(1 + (r >> 2) % most, bytes.size() - pos);
        const auto result = receiver.feed(bytes.sliced(pos, size));
        require(!result.overflow);
        require(receiver.pendingSize() < net::kDealLength);
        for (const net::Message& message : result.messages) {
            checkMessage(message, receiver.side());
        }
        all.insert(all.end(), result.messages.begin(), result.messages.end());
        pos += size;
    }
    return all;
}

// A few kilobytes hold every kind of message many times over; longer
// streams only make each run slower.
constexpr qsizetype kMostStream = 2048;

// Random bytes seldom spell a whole deal or a move; this builds a stream of
// well-formed messages of every kind, whole or cut short, between runs of
// raw bytes, all chosen by the input.
QByteArray composeStream(QByteArrayView input)
{
    QByteArray stream;
    qsizetype i = 0;
    const auto next = [&]() -> int {
        return i < input.size() ? static_cast<unsigned char>(input[i++]) : 0;
    };
    const auto role = [&] { return next() % 4 + 1; };
    const auto card = [&] { return olk::cardFromNumber(next() % 52 + 1).code; };
    const auto move = [&] {
        switch (next() % 4) {
        case 0:
            return olk::Move{olk::MoveKind::Begin, 0, olk::kEmptyCard};
        case 1:
            return olk::Move{olk::MoveKind::Take, next() % 2 + 1, olk::kEmptyCard};
        case 2:
            return olk::Move{olk::MoveKind::Discard, 0, card()};
        default:
            return olk::Move{olk::MoveKind::Knock, 0, olk::kEmptyCard};
        }
    };
    const auto deck = [&] {
        olk::DeckCells cells;
        for (int n = 1; n <= olk::kDeckCards; ++n) {
            cells[n] = olk::cardFromNumber(n);
        }
        for (int n = olk::kDeckCards; n > 1; --n) {
            std::swap(cells[n], cells[next() % n + 1]);
        }
        return cells;
    };
    // The next `most` input bytes or fewer, as many as the input chooses.
    const auto piece = [&](int most) {
        const qsizetype n = std::min<qsizetype>(next() % (most + 1), input.size() - i);
        const QByteArrayView bytes = input.sliced(i, n);
        i += n;
        return bytes;
    };
    const auto names = [&] {
        net::NameBlock block;
        for (QByteArray& name : block) {
            name = piece(4).toByteArray();
        }
        return block;
    };
    while (i < input.size() && stream.size() < kMostStream) {
        QByteArray message;
        switch (next() % 10) {
        case 0:
            message = piece(64).toByteArray();
            break;
        case 1:
            message = net::buildMove(move(), role());
            break;
        case 2:
            message = net::buildDeal(deck(), olk::RuleOptions{next() % 2 == 0, next() % 2 == 0});
            break;
        case 3:
            message = net::buildChat(role(), piece(20));
            break;
        case 4:
            message = net::buildRelayMove(move(), role());
            break;
        case 5:
            message = net::buildDeal(deck(), {}).left(net::kRelayDealLength + next() % 40);
            break;
        case 6:
            message = net::buildRelayChat(piece(30), role());
            break;
        case 7: {
            const char kinds[] = {'e', 'a', 'T'};
            message = QByteArray(1, kinds[next() % 3]) + "####" + char('0' + role());
            message = net::buildRelayFrame(message, role());
            break;
        }
        case 8:
            switch (next() % 4) {
            case 0:
                message = net::buildJoinAccepted(next() % 3 + 2, names());
                break;
            case 1:
                message = net::buildNamesUpdated(next() % 2 + 3, names());
                break;
            case 2:
                message = net::buildJoinRequest(names()[1]);
                break;
            default:
                message = net::buildAbort();
                break;
            }
            break;
        default:
            // The last message cut short.
            stream.chop(std::min<qsizetype>(next() % 40, stream.size()));
            break;
        }
        stream += message;
    }
    return stream;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    checkParsers(bytes);
    if (size < 4) {
        return 0;
    }
    const std::uint32_t seed =
        static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
        static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    const QByteArrayView raw = bytes.sliced(4, std::min<qsizetype>(bytes.size() - 4, kMostStream));
    const QByteArray composed = composeStream(raw);
    for (const QByteArrayView stream : {raw, QByteArrayView(composed)}) {
        MessageReceiver joined(MessageReceiver::Side::Joined);
        feedInReads(joined, stream, seed);
        MessageReceiver host(MessageReceiver::Side::Host);
        host.setJoinPhaseOpen((seed & 1) != 0);
        feedInReads(host, stream, seed);

        // Relay frames do not depend on how the reads fall.
        MessageReceiver relay(MessageReceiver::Side::Relay);
        const std::vector<net::Message> inReads = feedInReads(relay, stream, seed);
        MessageReceiver whole(MessageReceiver::Side::Relay);
        const auto result = whole.feed(stream);
        require(result.overflow || result.messages == inReads);
    }
    return 0;
}
