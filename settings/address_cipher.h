#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace olk {

// Service addresses are never stored in plain sight, neither in the program
// nor in "Olk.ini": they are kept enciphered and deciphered just before use.
// The cipher is a keyed byte stream over the UTF-8 text, written as base64
// so that the enciphered form is one line of plain ASCII. It hides, it does
// not protect.
QByteArray encipherAddress(const QString& address);

// Empty for text that is not an enciphered address.
std::optional<QString> decipherAddress(const QByteArray& enciphered);

// The built-in addresses (enciphered) of olk-service. The score tables and
// the statistics start here and may be replaced by the service directory
// (and are then kept in "Olk.ini"); so may the account service's, for the
// run. The others are fixed.
QByteArray defaultServiceAddress();     // the score tables
QByteArray defaultStatisticsAddress();  // the statistics
QByteArray directoryAddress();          // the service directory
QByteArray defaultAccountAddress();     // the accounts
QByteArray tournamentAddress();         // the tournament tables and rankings
QByteArray newsAddress();               // the news document
QByteArray photoStoreAddress();         // the members' photos: + nick + ".jpg"
QByteArray publicAddressAddress();      // the caller's own address, as seen

}  // namespace olk
