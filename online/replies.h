#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace olk::online {

// The service's replies are short Windows-1251 texts built from a few
// pieces, read here on bytes (every delimiter is ASCII) and decoded to text
// only where a field is a text:
//
// Marker: a two-letter word such as "ok", "is" or "no" anywhere in the
// reply, exact case.
//
// Field block: the text after the first "$" up to the next "$", or to the end
// of the reply when no "$" follows. A "$" that is the last character starts
// no block. The block is cut at every blank into tokens numbered from 1; two
// blanks in a row make an empty token, which still counts. One reply (the
// personal information) cuts at "~" instead.
//
// List records: every "$" starts a record that runs to the next "*" or to
// the end of the reply (so a "$" inside a record starts another one). At
// most the first ten are read, in order, each cut into tokens as a block.
//
// Trailing number: the digits directly after the last "$", up to the first
// other character or the end; none, or no "$", or a value beyond 32 bits is
// a failure.
//
// Number tokens: integers are signed decimal, 32-bit. In a rating the first
// character that is not a digit, a blank or "-" is the decimal separator,
// whatever it is ("12.75", "12,75"); the rest must read as a number.

constexpr qsizetype kMostListRecords = 10;

bool hasMarker(QByteArrayView reply, QByteArrayView marker);

// The text of the field block; empty when the reply has none.
std::optional<QByteArray> fieldBlock(QByteArrayView reply);

// The texts of the list records, at most ten.
QList<QByteArray> listRecords(QByteArrayView reply);

std::optional<std::int32_t> trailingNumber(QByteArrayView reply);

// A block or record cut into tokens; token n (from 1) is tokens[n - 1]. An
// empty text is one empty token.
class Tokens {
public:
    explicit Tokens(QByteArrayView text, char separator = ' ');

    qsizetype size() const { return m_tokens.size(); }
    bool has(qsizetype n) const { return n >= 1 && n <= m_tokens.size(); }
    // Token n's bytes; empty when there is no token n.
    QByteArray bytes(qsizetype n) const;
    QString text(qsizetype n) const;

private:
    QList<QByteArray> m_tokens;
};

std::optional<std::int32_t> readInteger(QByteArrayView token);
std::optional<double> readRating(QByteArrayView token);

// The reply's Windows-1251 bytes as text.
QString replyText(QByteArrayView bytes);

}  // namespace olk::online
