#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace olk::cp1251 {

// The game's wire texts, record files and card codes are Windows-1251 bytes;
// the rest of the program works in UTF-8. These two functions are the single
// crossing point between the two.

// Every Windows-1251 byte maps to a character except 0x98, which is undefined
// in the code page and comes out as U+FFFD.
std::string toUtf8(std::string_view bytes);

// Empty when the text is not valid UTF-8 or holds a character that
// Windows-1251 cannot represent.
std::optional<std::string> fromUtf8(std::string_view utf8);

// For text that must be stored whatever it holds (a line of a record or
// settings file): characters Windows-1251 cannot represent, and bytes that
// are not UTF-8, become "?"; line breaks become blanks so they cannot split
// the line.
std::string fromUtf8Lossy(std::string_view utf8);

// Decodes the UTF-8 sequence at text[pos] and advances pos past it. Empty,
// with pos unchanged, on a malformed or overlong sequence, a surrogate or a
// truncated tail.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& pos);

// One character each way; 0 when there is no mapping.
char32_t toUnicode(unsigned char byte);
std::optional<unsigned char> fromUnicode(char32_t codePoint);

}  // namespace olk::cp1251
