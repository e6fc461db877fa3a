#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace olk {

// A player's name as the club file can keep it. The club's code page is
// Windows-1251: Latin and Cyrillic letters, digits and the usual signs. A
// Latin letter it has no room for ("é", "ø", "ř", "ß") is written with its
// plain Latin base ("e", "o", "r", "ss"), so that "José" or "Dvořák" can play;
// a name in any other script cannot be kept.
struct ClubName {
    enum class Status {
        Kept,        // stored exactly as typed
        Simplified,  // stored with plain letters in place of some typed ones
        Refused,     // empty, or letters of a script the club cannot hold
    };
    Status status = Status::Refused;
    QString text;      // the name as it will be stored, at most `maxLength` characters
    QByteArray bytes;  // the same in Windows-1251
};

// `typed` without its leading and trailing blanks.
ClubName clubName(const QString& typed, int maxLength = 20);

// Text the club keeps exactly as typed (a password): its Windows-1251 bytes,
// or nothing when a character is not a printable one of the code page.
std::optional<QByteArray> clubBytes(const QString& text);

}  // namespace olk
