#include "core/cp1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace olk {
namespace {

// glibc's converter is the reference for the whole code page.
std::string iconvToUtf8(unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) {
        return {};
    }
    return std::string(out, sizeof out - outLeft);
}

TEST(Cp1251, EveryByteDecodesAsGlibcDoes)
{
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const std::string expected = iconvToUtf8(byte);
        const std::string actual = cp1251::toUtf8(std::string(1, static_cast<char>(byte)));
        if (expected.empty()) {
            EXPECT_EQ(actual, "\xEF\xBF\xBD") << "byte " << b;  // U+FFFD for the hole at 0x98
        } else {
            EXPECT_EQ(actual, expected) << "byte " << b;
            EXPECT_EQ(cp1251::fromUtf8(actual), std::string(1, static_cast<char>(byte)))
                << "byte " << b;
        }
    }
}

TEST(Cp1251, CardLettersRoundTrip)
{
    EXPECT_EQ(cp1251::toUtf8("\xC2\xEA"), "Вк");
    EXPECT_EQ(cp1251::fromUtf8("Тп 2ч"), std::string("\xD2\xEF 2\xF7"));
}

TEST(Cp1251, RejectsBadOrUnmappableText)
{
    EXPECT_FALSE(cp1251::fromUtf8("\xD0"));          // truncated sequence
    EXPECT_FALSE(cp1251::fromUtf8("\xC0\xAF"));      // overlong slash
    EXPECT_FALSE(cp1251::fromUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_FALSE(cp1251::fromUtf8("日本"));          // no such letters in the code page
    EXPECT_EQ(cp1251::fromUtf8(""), std::string());
}

TEST(Cp1251, LossyTextStaysOneLine)
{
    EXPECT_EQ(cp1251::fromUtf8Lossy("Иван\r\n张 \xFF!"), std::string("\xC8\xE2\xE0\xED  ? ?!"));
    EXPECT_EQ(cp1251::fromUtf8Lossy("\xD0"), "?");  // a cut sequence
}

}  // namespace
}  // namespace olk
