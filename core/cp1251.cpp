#include "cp1251.h"

#include <array>
#include <cstdint>

namespace olk::cp1251 {

namespace {

// Upper half of the code page (0x80..0xBF); 0xC0..0xFF are the contiguous
// Cyrillic letters U+0410..U+044F.
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    int length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (text.size() - pos < static_cast<std::size_t>(length)) {
        return std::nullopt;
    }
    for (int i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
        if ((b & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kMinimum[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += static_cast<std::size_t>(length);
    return c;
}

char32_t toUnicode(unsigned char byte)
{
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= 0xC0) {
        return 0x0410 + (byte - 0xC0);
    }
    return kHigh[byte - 0x80];
}

std::optional<unsigned char> fromUnicode(char32_t codePoint)
{
    if (codePoint < 0x80) {
        return static_cast<unsigned char>(codePoint);
    }
    if (codePoint >= 0x0410 && codePoint <= 0x044F) {
        return static_cast<unsigned char>(0xC0 + (codePoint - 0x0410));
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] != 0 && kHigh[i] == codePoint) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

std::string toUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const char32_t c = toUnicode(static_cast<unsigned char>(ch));
        appendUtf8(out, c == 0 && ch != 0 ? char32_t{0xFFFD} : c);
    }
    return out;
}

std::optional<std::string> fromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto c = decodeUtf8(utf8, pos);
        if (!c) {
            return std::nullopt;
        }
        const auto byte = fromUnicode(*c);
        if (!byte) {
            return std::nullopt;
        }
        out.push_back(static_cast<char>(*byte));
    }
    return out;
}

std::string fromUtf8Lossy(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const auto c = decodeUtf8(utf8, pos);
        if (!c) {
            pos = start + 1;
            out.push_back('?');
            continue;
        }
        if (*c == '\r' || *c == '\n') {
            out.push_back(' ');
        } else if (const auto byte = fromUnicode(*c)) {
            out.push_back(static_cast<char>(*byte));
        } else {
            out.push_back('?');
        }
    }
    return out;
}

}  // namespace olk::cp1251
