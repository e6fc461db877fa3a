#include "replies.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

#include "core/cp1251.h"

namespace olk::online {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool allDigits(QByteArrayView text)
{
    for (const char c : text) {
        if (!isDigit(c)) {
            return false;
        }
    }
    return true;
}

// The text from `from` up to the terminator, or to the end of the reply.
QByteArrayView upTo(QByteArrayView reply, qsizetype from, char terminator)
{
    const qsizetype end = reply.indexOf(terminator, from);
    return reply.sliced(from, (end < 0 ? reply.size() : end) - from);
}

// Decimal digits, at least one, as a magnitude of at most `most`.
std::optional<std::int64_t> digitsValue(QByteArrayView digits, std::int64_t most)
{
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : digits) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > most) {
            return std::nullopt;
        }
    }
    return value;
}

}  // namespace

bool hasMarker(QByteArrayView reply, QByteArrayView marker)
{
    return !marker.isEmpty() && reply.indexOf(marker) >= 0;
}

std::optional<QByteArray> fieldBlock(QByteArrayView reply)
{
    const qsizetype dollar = reply.indexOf('$');
    if (dollar < 0 || dollar + 1 == reply.size()) {
        return std::nullopt;
    }
    return upTo(reply, dollar + 1, '$').toByteArray();
}

QList<QByteArray> listRecords(QByteArrayView reply)
{
    QList<QByteArray> records;
    for (qsizetype i = 0; i < reply.size() && records.size() < kMostListRecords; ++i) {
        if (reply[i] == '$') {
            records.append(upTo(reply, i + 1, '*').toByteArray());
        }
    }
    return records;
}

std::optional<std::int32_t> trailingNumber(QByteArrayView reply)
{
    const qsizetype dollar = reply.lastIndexOf('$');
    if (dollar < 0) {
        return std::nullopt;
    }
    qsizetype end = dollar + 1;
    while (end < reply.size() && isDigit(reply[end])) {
        ++end;
    }
    const auto value = digitsValue(reply.sliced(dollar + 1, end - dollar - 1),
                                   std::numeric_limits<std::int32_t>::max());
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*value);
}

Tokens::Tokens(QByteArrayView text, char separator)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator) {
            m_tokens.append(text.sliced(start, i - start).toByteArray());
            start = i + 1;
        }
    }
}

QByteArray Tokens::bytes(qsizetype n) const
{
    return has(n) ? m_tokens[n - 1] : QByteArray();
}

QString Tokens::text(qsizetype n) const
{
    return replyText(bytes(n));
}

std::optional<std::int32_t> readInteger(QByteArrayView token)
{
    const bool negative = token.startsWith('-');
    const std::int64_t most =
        negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                 : std::numeric_limits<std::int32_t>::max();
    const auto magnitude = digitsValue(negative ? token.sliced(1) : token, most);
    if (!magnitude) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -*magnitude : *magnitude);
}

std::optional<double> readRating(QByteArrayView token)
{
    // The separator is whatever first stands where a digit, a blank or the
    // sign would. Blanks and a misplaced sign are then refused as not digits.
    qsizetype separator = -1;
    for (qsizetype i = 0; i < token.size(); ++i) {
        const char c = token[i];
        if (!isDigit(c) && c != ' ' && c != '-') {
            separator = i;
            break;
        }
    }
    const QByteArrayView whole = separator < 0 ? token : token.first(separator);
    const QByteArrayView fraction = separator < 0 ? QByteArrayView() : token.sliced(separator + 1);
    const bool negative = whole.startsWith('-');
    const QByteArrayView wholeDigits = negative ? whole.sliced(1) : whole;
    if ((wholeDigits.isEmpty() && fraction.isEmpty()) || !allDigits(wholeDigits) ||
        !allDigits(fraction)) {
        return std::nullopt;
    }
    std::string text = negative ? "-" : "";
    text.append(wholeDigits.isEmpty() ? std::string("0")
                                      : std::string(wholeDigits.data(),
                                                    static_cast<std::size_t>(wholeDigits.size())));
    if (!fraction.isEmpty()) {
        text += '.';
        text.append(fraction.data(), static_cast<std::size_t>(fraction.size()));
    }
    // Only digits are left, so only a value beyond a double is refused here;
    // from_chars does not depend on the locale.
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

QString replyText(QByteArrayView bytes)
{
    return QString::fromStdString(
        cp1251::toUtf8(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size()))));
}

}  // namespace olk::online
