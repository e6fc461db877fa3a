#include "receiver.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "core/card.h"

namespace olk::net {

namespace {

constexpr QByteArrayView kJoinKey = "tev8425connect1";
constexpr QByteArrayView kConnectKey = "connect";
constexpr QByteArrayView kAbortKey = "abort";
constexpr std::array<QByteArrayView, 4> kMoveKeys = {"hbegin", "htake", "hputskucha", "hmakeknock"};

// How much of a move keyword marks the end of a chat line when the data
// ends inside the keyword.
constexpr qsizetype kMoveKeyMinimum = 4;

// Offsets (0-based) where a deal's rank and point digits begin and end.
constexpr qsizetype kDealDigitsFrom = 105;
constexpr qsizetype kDealDigitsTo = 313;

constexpr char kFlagOn = '\xC8';   // "И"
constexpr char kFlagOff = '\xCB';  // "Л"

// `data` agrees with `key` as far as both go.
bool agrees(QByteArrayView data, QByteArrayView key)
{
    const qsizetype n = std::min(data.size(), key.size());
    return data.first(n) == key.first(n);
}

bool agreesWithMoveKey(QByteArrayView data, qsizetype minimum)
{
    return std::any_of(kMoveKeys.begin(), kMoveKeys.end(), [&](QByteArrayView key) {
        return std::min(data.size(), key.size()) >= minimum && agrees(data, key);
    });
}

// Whether the first `limit` characters of `data` (as many as there are) can
// be the start of a deal: "b", card codes in 2-105 and digits in 106-313.
// Duplicates and the digits' values are checked once the deal is whole.
bool fitsDealShape(QByteArrayView data, qsizetype limit)
{
    const qsizetype n = std::min(data.size(), limit);
    const char* const p = data.data();
    if (n == 0 || p[0] != 'b') {
        return false;
    }
    for (qsizetype i = 1; i < std::min(n, kDealDigitsFrom); ++i) {
        const bool fits = (i % 2 == 1) ? rankIndexOf(p[i]) != 0 : valueOrderIndex(p[i]) >= 0;
        if (!fits) {
            return false;
        }
    }
    for (qsizetype i = kDealDigitsFrom; i < std::min(n, kDealDigitsTo); ++i) {
        if (p[i] < '0' || p[i] > '9') {
            return false;
        }
    }
    return true;
}

bool isDealTail(char c)
{
    return c == '#' || c == kFlagOn || c == kFlagOff;
}

}  // namespace

// What one look at the front of the data gives: `used` characters taken off,
// as a message or dropped; nothing used means wait for more.
struct MessageReceiver::Step {
    qsizetype used = 0;
    std::optional<Message> message;

    static Step hold() { return {}; }
    static Step drop(qsizetype n) { return {n, std::nullopt}; }
    template <typename Parsed>
    static Step take(qsizetype n, const std::optional<Parsed>& parsed)
    {
        if (!parsed) {
            return drop(n);
        }
        return {n, Message{*parsed}};
    }
};

MessageReceiver::MessageReceiver(Side side) : m_side(side) {}

void MessageReceiver::reset()
{
    m_buffer.clear();
    m_skippingDealTail = false;
    m_chatRole = 0;
}

MessageReceiver::FeedResult MessageReceiver::feed(QByteArrayView bytes)
{
    FeedResult result;
    if (bytes.size() > kMaxPending - m_buffer.size()) {
        reset();
        result.overflow = true;
        return result;
    }
    // Most reads start clean; only a kept tail needs the bytes joined.
    QByteArrayView data = bytes;
    if (!m_buffer.isEmpty()) {
        m_buffer.append(bytes);
        data = m_buffer;
    }
    qsizetype pos = 0;
    while (pos < data.size()) {
        const QByteArrayView front = data.sliced(pos);
        Step step = m_side == Side::Relay ? relayStep(front) : directStep(front);
        if (step.used == 0) {
            break;
        }
        if (step.message) {
            result.messages.push_back(std::move(*step.message));
        }
        pos += step.used;
    }
    QByteArray rest = data.sliced(pos).toByteArray();
    m_buffer = std::move(rest);
    return result;
}

bool MessageReceiver::mayStartMessage(QByteArrayView front) const
{
    switch (front[0]) {
    case 'h':
        return agreesWithMoveKey(front, 1);
    case 's':
        return front.size() < 2 || (front[1] >= '1' && front[1] <= '4');
    case 't':
        return m_side == Side::Host && m_joinPhaseOpen && agrees(front, kJoinKey);
    case 'b':
        return m_side == Side::Joined && fitsDealShape(front, kDealLength);
    case 'a':
        return m_side == Side::Joined && agrees(front, kAbortKey);
    case 'c': {
        if (m_side != Side::Joined || !agrees(front, kConnectKey)) {
            return false;
        }
        if (front.size() <= kConnectKey.size()) {
            return true;
        }
        const char which = front[kConnectKey.size()];
        return which >= '2' && which <= '4';
    }
    default:
        return false;
    }
}

MessageReceiver::Step MessageReceiver::dropToNextStart(QByteArrayView front) const
{
    qsizetype n = 1;
    while (n < front.size() && !mayStartMessage(front.sliced(n))) {
        ++n;
    }
    return Step::drop(n);
}

MessageReceiver::Step MessageReceiver::directStep(QByteArrayView front)
{
    const int chatRole = std::exchange(m_chatRole, 0);
    Step step = directMessageStep(front, chatRole);
    if (step.used == 0) {
        m_chatRole = chatRole;  // nothing decided yet
    }
    return step;
}

MessageReceiver::Step MessageReceiver::directMessageStep(QByteArrayView front, int chatRole)
{
    if (!mayStartMessage(front)) {
        return chatRole != 0 ? chatStep(front, 0, chatRole, true) : dropToNextStart(front);
    }
    switch (front[0]) {
    case 'h':
        if (front.size() < kMoveLength) {
            return Step::hold();
        }
        return Step::take(kMoveLength, parseMove(front.first(kMoveLength)));
    case 's':
        // "s" and the role digit alone: the line is still to come.
        if (front.size() <= 2) {
            return Step::hold();
        }
        return chatStep(front, 2, front[1] - '0', false);
    case 't':
        if (front.size() < kJoinRequestLength) {
            return Step::hold();
        }
        return Step::take(kJoinRequestLength, parseJoinRequest(front.first(kJoinRequestLength)));
    case 'b':
        if (front.size() < kDealLength) {
            return Step::hold();
        }
        return Step::take(kDealLength, parseDeal(front.first(kDealLength)));
    case 'a':
        if (front.size() < kAbortKey.size()) {
            return Step::hold();
        }
        return Step{kAbortKey.size(), Abort{}};
    default: {  // 'c'
        if (front.size() <= kConnectKey.size()) {
            return Step::hold();
        }
        const bool accepted = front[kConnectKey.size()] == '2';
        const qsizetype length = accepted ? kJoinAcceptedLength : kNamesUpdatedLength;
        if (front.size() < length) {
            return Step::hold();
        }
        if (accepted) {
            return Step::take(length, parseJoinAccepted(front.first(length)));
        }
        return Step::take(length, parseNamesUpdated(front.first(length)));
    }
    }
}

MessageReceiver::Step MessageReceiver::chatStep(QByteArrayView front, qsizetype from, int role,
                                                bool continues)
{
    // A continuation is text that cannot start a message, so its own first
    // character is never where it ends.
    const qsizetype end = chatEnd(front, std::max<qsizetype>(from, 1));
    if (end == front.size()) {
        m_chatRole = role;  // the line may go on in the next read
    }
    if (end == from) {
        return Step::drop(from);  // an empty line; nobody sends one
    }
    return Step{end, ChatLine{role, printable(front.sliced(from, end - from)), continues}};
}

qsizetype MessageReceiver::chatEnd(QByteArrayView front, qsizetype from) const
{
    for (qsizetype p = from; p < front.size(); ++p) {
        if (startsRecognisably(front.sliced(p))) {
            return p;
        }
    }
    return front.size();
}

bool MessageReceiver::startsRecognisably(QByteArrayView rest) const
{
    switch (rest[0]) {
    case 'h':
        return agreesWithMoveKey(rest, kMoveKeyMinimum);
    case 'b':
        return m_side == Side::Joined && rest.size() >= 3 && fitsDealShape(rest, 3);
    case 'c':
        return m_side == Side::Joined &&
               (rest.startsWith("connect3") || rest.startsWith("connect4"));
    default:
        return false;
    }
}

MessageReceiver::Step MessageReceiver::relayStep(QByteArrayView front)
{
    if (m_skippingDealTail) {
        qsizetype n = 0;
        while (n < front.size() && isDealTail(front[n])) {
            ++n;
        }
        if (n > 0) {
            return Step::drop(n);
        }
        m_skippingDealTail = false;
    }
    if (fitsDealShape(front, kRelayDealLength)) {
        if (front.size() < kRelayDealLength) {
            return Step::hold();
        }
        m_skippingDealTail = true;
        return Step::take(kRelayDealLength, parseRelayDeal(front.first(kRelayDealLength)));
    }
    if (front.size() < kRelayFrameLength) {
        return Step::hold();
    }
    return Step{kRelayFrameLength, parseRelayFrame(front.first(kRelayFrameLength))};
}

}  // namespace olk::net
