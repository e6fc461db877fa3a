#pragma once

// The lamps beside the account's and the passport's fields: red for a value
// that cannot be used, yellow for one that may be used but travels poorly
// (Cyrillic letters), green for a good one. A dialog also refuses a typed
// character whose own check is red.

#include <QString>

namespace olk {

enum class Lamp { Red, Yellow, Green };

// What is checked: a single typed character, or a whole field.
enum class FieldKind { Character = 0, Nick = 1, City = 2, Password = 3, EMail = 4 };

// The account dialog's check: letters A-Z and a-z, digits, "!", "(", ")",
// ",", "-", ".", "@", "_" and the Cyrillic letters of Windows-1251; Cyrillic
// makes a nick, password or e-mail red and a city yellow; the lengths are
// nick 2..12, city 2..15, password 4..12, e-mail 2..30 with an "@" that is
// neither first nor last.
Lamp accountFieldCheck(const QString& text, FieldKind kind);

// The passport dialog's check (kinds Character, Nick and City only): the
// same characters; Cyrillic is yellow.
Lamp passportFieldCheck(const QString& text, FieldKind kind);

}  // namespace olk
