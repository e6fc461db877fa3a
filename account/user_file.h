#pragma once

// "TevUser.tev": the account that logs in by itself at start-up, kept in the
// folder above the program's so that the other games installed beside this
// one find it too. Three lines in Windows-1251: "Tev User File", the nick,
// and the password in its stored form (enciphered, printable, one line).

#include <QString>
#include <optional>

namespace olk {

struct UserFile {
    QString nick;
    QString storedPassword;  // the enciphered form
};

inline constexpr char kUserFileName[] = "TevUser.tev";

// The password's stored form, and back; nothing for text that is not one.
QString encipherPassword(const QString& password);
std::optional<QString> decipherPassword(const QString& stored);

// The user file of the program in `programFolder`; nothing when it is
// missing, unreadable, or does not start with "Tev User File".
std::optional<UserFile> readUserFile(const QString& programFolder);
// Writes it whole or not at all; false when it cannot be written.
bool writeUserFile(const QString& programFolder, const UserFile& file);
bool removeUserFile(const QString& programFolder);

// The password the start-up login sends for a stored one: deciphered, with
// every blank, "#" and "$" turned into "-" (they would break the request).
std::optional<QString> startupPassword(const QString& stored);

}  // namespace olk
