#pragma once

#include <QByteArray>
#include <QString>

namespace olk::service {

// The game reads the service's replies as Windows-1251 text and cuts them
// by position: a "$" opens a field block or a record, a "*" closes a record,
// blanks (or "~" in the personal information) separate the tokens, and some
// requests fail as soon as the two letters "no" stand anywhere in the reply.
// A stored value is therefore written into a reply only through these
// functions, so no value can shift or cut the tokens around it.

// One blank-separated token: blanks become "_" (the game shows "_" as
// stored; the values it sends itself never hold blanks), and "$", "*", "~"
// and control characters become "_" as well.
QString replyToken(const QString& value);

// One "~"-separated item of the personal information: "$", "~", "*" and
// control characters become blanks, the way the game itself clears them
// before sending.
QString replyInfoItem(const QString& value);

// For replies the game tests for the marker "no": every "o" that follows an
// "n" is written as the Cyrillic "о" (U+043E), which looks the same, so a
// city such as "Snowdon" or an "About" line with "not" cannot turn a good
// reply into a refusal.
QString withoutRefusalMarker(const QString& text);

// The reply's bytes: Windows-1251, characters it cannot represent as "?".
QByteArray replyBytes(const QString& text);

}  // namespace olk::service
