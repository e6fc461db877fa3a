#include "online/replies.h"

#include <gtest/gtest.h>

namespace olk::online {
namespace {

TEST(Replies, MarkerStandsAnywhereInExactCase)
{
    EXPECT_TRUE(hasMarker("ok", "ok"));
    EXPECT_TRUE(hasMarker("$12 is taken", "is"));
    EXPECT_TRUE(hasMarker("Arno", "no"));
    EXPECT_FALSE(hasMarker("OK", "ok"));
    EXPECT_FALSE(hasMarker("o k", "ok"));
    EXPECT_FALSE(hasMarker("o", "ok"));
}

TEST(Replies, FieldBlockRunsToTheNextDollarOrTheEnd)
{
    struct Case {
        QByteArray reply;
        std::optional<QByteArray> block;
    };
    const Case cases[] = {
        {"ok$Moscow 1-001 M$rest", "Moscow 1-001 M"},
        {"$a b c 7", "a b c 7"},
        {"$$x$", ""},
        {"no block here", std::nullopt},
        {"ends with$", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fieldBlock(c.reply), c.block) << c.reply.toStdString();
    }
}

TEST(Replies, TokensAreNumberedFromOneAndEmptyOnesCount)
{
    const Tokens tokens("Ivan  Moscow ");
    EXPECT_EQ(tokens.size(), 4);
    EXPECT_EQ(tokens.bytes(1), "Ivan");
    EXPECT_EQ(tokens.bytes(2), "");
    EXPECT_TRUE(tokens.has(2));
    EXPECT_EQ(tokens.bytes(3), "Moscow");
    EXPECT_TRUE(tokens.has(4));
    EXPECT_FALSE(tokens.has(5));
    EXPECT_FALSE(tokens.has(0));
    EXPECT_EQ(Tokens("").size(), 1);

    const Tokens tilde("Ivan~Petrov~likes cards~", '~');
    EXPECT_EQ(tilde.size(), 4);
    EXPECT_EQ(tilde.bytes(3), "likes cards");
    // Tokens decode from Windows-1251.
    EXPECT_EQ(Tokens("\xCC\xEE\xF1\xEA\xE2\xE0").text(1), QStringLiteral("Москва"));
}

TEST(Replies, ListRecordsStartAtEveryDollarAndStopAtAStar)
{
    struct Case {
        QByteArray reply;
        QList<QByteArray> records;
    };
    const Case cases[] = {
        {"$1 a*$2 b*", {"1 a", "2 b"}},
        {"head $1 a* junk $2 b", {"1 a", "2 b"}},
        {"$1 $2*", {"1 $2", "2"}},
        {"none", {}},
        {"$", {""}},
        {"$1*$2*$3*$4*$5*$6*$7*$8*$9*$10*$11*$12*",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(listRecords(c.reply), c.records) << c.reply.toStdString();
    }
}

TEST(Replies, TrailingNumberFollowsTheLastDollar)
{
    struct Case {
        QByteArray reply;
        std::optional<std::int32_t> number;
    };
    const Case cases[] = {
        {"ok$123", 123},
        {"$12a", 12},
        {"$1 x$7", 7},
        {"$0", 0},
        {"$2147483647", 2147483647},
        {"$2147483648", std::nullopt},
        {"ok$", std::nullopt},
        {"$-5", std::nullopt},
        {"123", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(trailingNumber(c.reply), c.number) << c.reply.toStdString();
    }
}

TEST(Replies, IntegerTokensAreSigned32Bit)
{
    struct Case {
        QByteArray token;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"-17", -17},
        {"007", 7},
        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+5", std::nullopt},
        {"5x", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readInteger(c.token), c.value) << c.token.toStdString();
    }
}

TEST(Replies, RatingTokensTakeAnySeparator)
{
    struct Case {
        QByteArray token;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"12.75", 12.75},
        {"12,75", 12.75},
        {"12/75", 12.75},
        {"-3.5", -3.5},
        {"1500", 1500.0},
        {".5", 0.5},
        {"7.", 7.0},
        // "e" is the separator like any other character.
        {"1e5", 1.5},
        {"1.2.3", std::nullopt},
        {"1-2", std::nullopt},
        {"--1", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readRating(c.token), c.value) << c.token.toStdString();
    }
    EXPECT_FALSE(readRating("1" + QByteArray(400, '0')));
}

}  // namespace
}  // namespace olk::online
