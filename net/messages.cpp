#include "messages.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "core/card.h"
#include "core/cp1251.h"

namespace olk::net {

namespace {

constexpr QByteArrayView kJoinKey = "tev8425connect1";
constexpr QByteArrayView kAcceptedKey = "connect2";
constexpr QByteArrayView kNamesKey3 = "connect3";
constexpr QByteArrayView kNamesKey4 = "connect4";
constexpr QByteArrayView kBeginKey = "hbegin";
constexpr QByteArrayView kTakeKey = "htake";
constexpr QByteArrayView kDiscardKey = "hputskucha";
constexpr QByteArrayView kKnockKey = "hmakeknock";

// The filling of each move message between its fields and the sender digit.
constexpr QByteArrayView kBeginFill = " ### ######### ######### #####";
constexpr QByteArrayView kTakeFill = "#### ######### ######### #####";
constexpr QByteArrayView kDiscardFill = "######## ######### #####";
constexpr QByteArrayView kKnockFill = "########## ######### #####";

constexpr char kFlagOn = '\xC8';   // "И"
constexpr char kFlagOff = '\xCB';  // "Л"
constexpr char kFill = '#';

// Offsets (0-based) of the deal's three runs of 52 fields.
constexpr qsizetype kDealCodes = 1;
constexpr qsizetype kDealRanks = 105;
constexpr qsizetype kDealPoints = 209;
constexpr qsizetype kDealFlags = 313;

char digitOf(int value)
{
    assert(value >= 0 && value <= 9);
    return static_cast<char>('0' + value);
}

// 1..4 for the digits "1".."4", 0 for anything else.
int roleOfDigit(char c)
{
    return c >= '1' && c <= '4' ? c - '0' : 0;
}

void appendTwoDigits(QByteArray& out, int value)
{
    assert(value >= 0 && value <= 99);
    out += digitOf(value / 10);
    out += digitOf(value % 10);
}

bool isTwoDigits(QByteArrayView field, int value)
{
    return field.size() == 2 && field[0] == digitOf(value / 10) && field[1] == digitOf(value % 10);
}

// The move's own text, without filling or sender digit.
QByteArray moveText(const Move& move)
{
    QByteArray text;
    switch (move.kind) {
    case MoveKind::Begin:
        text = kBeginKey.toByteArray();
        break;
    case MoveKind::Take:
        assert(move.source == 1 || move.source == 2);
        text = kTakeKey.toByteArray();
        text += digitOf(move.source);
        break;
    case MoveKind::Discard:
        assert(isValidCard(move.card));
        text = kDiscardKey.toByteArray();
        text += move.card.rank;
        text += move.card.suit;
        break;
    case MoveKind::Knock:
        text = kKnockKey.toByteArray();
        break;
    }
    return text;
}

// The 52 cells of a deal whose codes start at offset 1 of `message`, checked
// card by card; the message is long enough for all three runs.
std::optional<DeckCells> parseDeck(QByteArrayView message)
{
    assert(message.size() >= kDealFlags);
    DeckCells deck;
    std::array<bool, kDeckCards + 1> seen{};
    for (int i = 0; i < kDeckCards; ++i) {
        const CardCode code{message[kDealCodes + 2 * i], message[kDealCodes + 2 * i + 1]};
        const int number = numberOfCard(code);
        if (number == 0 || seen[static_cast<std::size_t>(number)]) {
            return std::nullopt;
        }
        seen[static_cast<std::size_t>(number)] = true;
        const CardCell cell = cellFor(code);
        if (!isTwoDigits(message.sliced(kDealRanks + 2 * i, 2), cell.rankIndex) ||
            !isTwoDigits(message.sliced(kDealPoints + 2 * i, 2), cell.points)) {
            return std::nullopt;
        }
        deck[i + 1] = cell;
    }
    return deck;
}

}  // namespace

// ------------------------------------------------------------------- names

QByteArray printable(QByteArrayView peerText)
{
    QByteArray text = peerText.toByteArray();
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || byte == 0x98) {
            c = '?';
        }
    }
    return text;
}

QByteArray wireName(QByteArrayView cp1251Name)
{
    QByteArray name =
        cp1251Name.first(std::min<qsizetype>(cp1251Name.size(), kWireNameLength)).toByteArray();
    return name.leftJustified(kWireNameLength, ' ');
}

QByteArray wireNameFromUtf8(std::string_view utf8Name)
{
    const std::string bytes = cp1251::fromUtf8Lossy(utf8Name);
    return wireName(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QByteArray nameBlock(const NameBlock& names)
{
    QByteArray block;
    block.reserve(kNameBlockLength);
    for (const QByteArray& name : names) {
        block += wireName(name);
    }
    return block;
}

std::optional<NameBlock> parseNameBlock(QByteArrayView block)
{
    if (block.size() != kNameBlockLength) {
        return std::nullopt;
    }
    NameBlock names;
    for (int role = 1; role <= kSeats; ++role) {
        names[role] = printable(block.sliced((role - 1) * kWireNameLength, kWireNameLength));
    }
    return names;
}

// ----------------------------------------------------- direct connection out

QByteArray buildJoinRequest(QByteArrayView cp1251Name)
{
    return kJoinKey.toByteArray() + wireName(cp1251Name);
}

QByteArray buildJoinAccepted(int role, const NameBlock& names)
{
    assert(role >= 2 && role <= 4);
    QByteArray message = "connect2+";
    message += digitOf(role);
    return message + nameBlock(names);
}

QByteArray buildNamesUpdated(int newRole, const NameBlock& names)
{
    assert(newRole == 3 || newRole == 4);
    QByteArray message = "connect";
    message += digitOf(newRole);
    message += '+';
    return message + nameBlock(names);
}

QByteArray buildDeal(const DeckCells& deck, const RuleOptions& rules)
{
    QByteArray message;
    message.reserve(kDealLength);
    message += 'b';
    for (const CardCell& cell : deck) {
        message += cell.code.rank;
        message += cell.code.suit;
    }
    for (const CardCell& cell : deck) {
        appendTwoDigits(message, cell.rankIndex);
    }
    for (const CardCell& cell : deck) {
        appendTwoDigits(message, cell.points);
    }
    message += rules.threeOfAKind30 ? kFlagOn : kFlagOff;
    message += rules.punishKnocker ? kFlagOn : kFlagOff;
    return message;
}

QByteArray buildMove(const Move& move, int sender)
{
    assert(roleOfDigit(digitOf(sender)) != 0);
    QByteArray message = moveText(move);
    switch (move.kind) {
    case MoveKind::Begin:
        message += kBeginFill;
        break;
    case MoveKind::Take:
        message += kTakeFill;
        break;
    case MoveKind::Discard:
        message += kDiscardFill;
        break;
    case MoveKind::Knock:
        message += kKnockFill;
        break;
    }
    message += digitOf(sender);
    assert(message.size() == kMoveLength);
    return message;
}

QByteArray buildChat(int role, QByteArrayView text)
{
    assert(role >= 1 && role <= 4);
    QByteArray message = "s";
    message += digitOf(role);
    message += text;
    return message;
}

QByteArray buildAbort()
{
    return "abort";
}

// ------------------------------------------------------ direct connection in

std::optional<JoinRequest> parseJoinRequest(QByteArrayView message)
{
    if (message.size() != kJoinRequestLength || !message.startsWith(kJoinKey)) {
        return std::nullopt;
    }
    return JoinRequest{printable(message.sliced(kJoinKey.size()))};
}

std::optional<JoinAccepted> parseJoinAccepted(QByteArrayView message)
{
    if (message.size() != kJoinAcceptedLength || !message.startsWith(kAcceptedKey)) {
        return std::nullopt;
    }
    // Character 9 is the "+" nobody reads; a role digit other than 3 or 4
    // means role 2, as the first player to join always gets.
    const char digit = message[9];
    const int role = digit == '3' ? 3 : (digit == '4' ? 4 : 2);
    const auto names = parseNameBlock(message.sliced(10));
    if (!names) {
        return std::nullopt;
    }
    return JoinAccepted{role, *names};
}

std::optional<NamesUpdated> parseNamesUpdated(QByteArrayView message)
{
    if (message.size() != kNamesUpdatedLength) {
        return std::nullopt;
    }
    int newRole = 0;
    if (message.startsWith(kNamesKey3)) {
        newRole = 3;
    } else if (message.startsWith(kNamesKey4)) {
        newRole = 4;
    } else {
        return std::nullopt;
    }
    const auto names = parseNameBlock(message.sliced(9));
    if (!names) {
        return std::nullopt;
    }
    return NamesUpdated{newRole, *names};
}

std::optional<Deal> parseDeal(QByteArrayView message)
{
    if (message.size() != kDealLength || message[0] != 'b') {
        return std::nullopt;
    }
    const auto deck = parseDeck(message);
    if (!deck) {
        return std::nullopt;
    }
    const RuleOptions rules{message[kDealFlags] == kFlagOn, message[kDealFlags + 1] == kFlagOn};
    return Deal{*deck, rules};
}

std::optional<Move> parseMoveText(QByteArrayView text)
{
    if (text.startsWith(kBeginKey)) {
        return Move{MoveKind::Begin, 0, kEmptyCard};
    }
    if (text.startsWith(kKnockKey)) {
        return Move{MoveKind::Knock, 0, kEmptyCard};
    }
    if (text.startsWith(kTakeKey) && text.size() > kTakeKey.size()) {
        const char source = text[kTakeKey.size()];
        if (source != '1' && source != '2') {
            return std::nullopt;
        }
        return Move{MoveKind::Take, source - '0', kEmptyCard};
    }
    if (text.startsWith(kDiscardKey) && text.size() >= kDiscardKey.size() + 2) {
        const CardCode card{text[kDiscardKey.size()], text[kDiscardKey.size() + 1]};
        if (!isValidCard(card)) {
            return std::nullopt;
        }
        return Move{MoveKind::Discard, 0, card};
    }
    return std::nullopt;
}

std::optional<MoveMessage> parseMove(QByteArrayView message)
{
    if (message.size() != kMoveLength) {
        return std::nullopt;
    }
    const int sender = roleOfDigit(message[kMoveLength - 1]);
    const auto move = parseMoveText(message);
    if (sender == 0 || !move) {
        return std::nullopt;
    }
    return MoveMessage{*move, sender, message.toByteArray()};
}

std::optional<ChatLine> parseChat(QByteArrayView message)
{
    if (message.size() < 3 || message[0] != 's') {
        return std::nullopt;
    }
    const int role = roleOfDigit(message[1]);
    if (role == 0) {
        return std::nullopt;
    }
    return ChatLine{role, printable(message.sliced(2))};
}

// ---------------------------------------------------------------- relay out

QByteArray buildRelayFrame(QByteArrayView text, int place)
{
    assert(place >= 1 && place <= 4);
    QByteArray frame =
        text.first(std::min<qsizetype>(text.size(), kRelayFrameLength - 1)).toByteArray();
    frame = frame.leftJustified(kRelayFrameLength - 1, kFill);
    frame += digitOf(place);
    return frame;
}

QByteArray buildRelayConnect(int place)
{
    QByteArray text = "connect";
    text += digitOf(place);
    return buildRelayFrame(text, place);
}

QByteArray buildRelayMove(const Move& move, int place)
{
    return buildRelayFrame(moveText(move), place);
}

QByteArray buildRelayChat(QByteArrayView text, int place)
{
    return buildRelayFrame("s" + text.toByteArray(), place);
}

QByteArray buildRelayNextDeal(int place)
{
    return buildRelayFrame("bnext", place);
}

QByteArray buildRelayFinalBalances(const OneBasedArray<int, kSeats>& balanceByPlace, int place)
{
    QByteArray text = "o";
    for (const int balance : balanceByPlace) {
        text += QByteArray::number(std::clamp(balance, -9999, 99999)).rightJustified(5, ' ');
    }
    return buildRelayFrame(text, place);
}

QByteArray buildRelayTimeOut(int place)
{
    return buildRelayFrame("TOut", place);
}

QByteArray buildRelayLeave(int place)
{
    return buildRelayFrame("disA", place);
}

// ----------------------------------------------------------------- relay in

std::optional<Deal> parseRelayDeal(QByteArrayView message)
{
    if (message.size() < kRelayDealLength || message[0] != 'b') {
        return std::nullopt;
    }
    const auto deck = parseDeck(message);
    if (!deck) {
        return std::nullopt;
    }
    return Deal{*deck, RuleOptions{true, false}};
}

std::optional<Message> parseRelayFrame(QByteArrayView frame)
{
    if (frame.size() != kRelayFrameLength) {
        return std::nullopt;
    }
    const int lastDigit = roleOfDigit(frame[kRelayFrameLength - 1]);
    switch (frame[0]) {
    case 's': {
        QByteArrayView text = frame.sliced(1, kRelayFrameLength - 2);
        const qsizetype fill = text.indexOf(kFill);
        if (fill >= 0) {
            text = text.first(fill);
        }
        if (text.isEmpty() || lastDigit == 0) {
            return std::nullopt;
        }
        return ChatLine{lastDigit, printable(text)};
    }
    case 'h':
        if (const auto move = parseMoveText(frame)) {
            return MoveMessage{*move, lastDigit, frame.toByteArray()};
        }
        return std::nullopt;
    case 'e':
        return GameEnded{};
    case 'a':
        if (const int place = roleOfDigit(frame[5])) {
            return PlayerLeft{place};
        }
        return std::nullopt;
    case 'T':
        if (lastDigit != 0) {
            return LostOnTime{lastDigit};
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

}  // namespace olk::net
