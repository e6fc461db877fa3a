#include "service/relay_frames.h"

#include "net/messages.h"

#include <cassert>

namespace olk::service {

namespace {

constexpr char kFill = '#';

int placeOfDigit(char c)
{
    return c >= '1' && c <= '4' ? c - '0' : 0;
}

// A signed decimal right-aligned in 5 characters with blanks on the left.
std::optional<int> balanceField(QByteArrayView field)
{
    const QByteArray text = field.toByteArray().trimmed();
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || text.startsWith('+')) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<ParticipantFrame> parseParticipantFrame(QByteArrayView frame)
{
    if (frame.size() != kParticipantFrameLength) {
        return std::nullopt;
    }
    ParticipantFrame out;
    if (frame.startsWith("connect")) {
        out.kind = ParticipantFrame::Kind::Connect;
        out.place = placeOfDigit(frame[7]);
        return out.place != 0 ? std::optional(out) : std::nullopt;
    }
    if (frame[0] == 'h') {
        const auto move = net::parseMoveText(frame);
        if (!move) {
            return std::nullopt;
        }
        out.kind = ParticipantFrame::Kind::Move;
        out.move = *move;
        return out;
    }
    if (frame[0] == 's') {
        QByteArrayView text = frame.sliced(1, kParticipantFrameLength - 2);
        if (const qsizetype fill = text.indexOf(kFill); fill >= 0) {
            text = text.first(fill);
        }
        out.kind = ParticipantFrame::Kind::Chat;
        out.line = net::printable(text).left(net::kChatLineLength);
        return out;
    }
    if (frame.startsWith("bnext")) {
        out.kind = ParticipantFrame::Kind::NextDeal;
        return out;
    }
    if (frame.startsWith("TOut")) {
        out.kind = ParticipantFrame::Kind::TimeOut;
        return out;
    }
    if (frame.startsWith("disA")) {
        out.kind = ParticipantFrame::Kind::Leave;
        return out;
    }
    if (frame[0] == 'o') {
        for (int place = 1; place <= kSeats; ++place) {
            const auto value = balanceField(frame.sliced(1 + 5 * (place - 1), 5));
            if (!value) {
                return std::nullopt;
            }
            out.balances[place] = *value;
        }
        out.kind = ParticipantFrame::Kind::Balances;
        return out;
    }
    return std::nullopt;
}

QByteArray relayDealFrame(const DeckCells& deck)
{
    // The direct connection's deal without its two rule flags.
    return net::buildDeal(deck, RuleOptions{}).left(net::kRelayDealLength);
}

QByteArray relayMoveFrame(const Move& move, int place)
{
    return net::buildRelayMove(move, place);
}

QByteArray relayChatFrame(QByteArrayView line, int place)
{
    return net::buildRelayChat(line, place);
}

QByteArray relayEndFrame()
{
    return QByteArray("end").leftJustified(kParticipantFrameLength, kFill);
}

QByteArray relayLeftFrame(int place)
{
    assert(place >= 1 && place <= kSeats);
    return net::buildRelayFrame("abort" + QByteArray::number(place), place);
}

QByteArray relayTimeUpFrame(int place)
{
    return net::buildRelayFrame("TOut", place);
}

}  // namespace olk::service
