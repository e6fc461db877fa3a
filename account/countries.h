#pragma once

// The countries a member or a passport names: six continents, each with a
// fixed list whose index 0 is "Unknown". A country travels as its code,
// continent digit + "-" + index in three digits ("1-001" is Europe, Russia),
// and, where a name must stand in a blank-separated reply, as its name token
// (the English name without blanks).

#include <QString>
#include <optional>
#include <span>

namespace olk {

struct Country {
    const char* name;   // English
    const char* token;  // no blanks; empty for one entry
};

inline constexpr int kContinents = 6;  // 1 Europe .. 6 Africa

// The list of continent 1..6; empty for any other number.
std::span<const Country> countriesOf(int continent);

struct CountryCode {
    int continent = 1;
    int index = 0;
};

// "c-iii" for a continent and an index.
QString countryCode(int continent, int index);
// The continent and index of a code, when the code names a listed country.
std::optional<CountryCode> parseCountryCode(const QString& code);
// The English name and the name token of a code; "Unknown" for a code that
// names nothing.
QString countryName(const QString& code);
QString countryToken(const QString& code);

}  // namespace olk
