#include "records/club_file.h"

#include <gtest/gtest.h>

namespace olk {
namespace {

// A valid club file: `players` used lines (names A, B, ... with the given
// ratings, best first) and a top ten scoring 900, 800, ... 0.
ClubFile club(const QList<double>& ratings)
{
    QByteArray content;
    for (int i = 0; i < 5; ++i) {
        if (i < ratings.size()) {
            content += makePlayerLine(QByteArray(1, static_cast<char>('A' + i)), ratings[i], 10 * i,
                                      100 + i, "pw") +
                       "\r\n";
        } else {
            content += ClubFile::unusedLine() + "\r\n";
        }
    }
    for (int i = 0; i < 10; ++i) {
        content += QByteArray("Top") + QByteArray::number(i) + QByteArray(16, ' ') +
                   QByteArray::number(900 - 100 * i).rightJustified(6, ' ') + "\r\n";
    }
    content += QByteArray("\xB8}") + QByteArray(26, '#') + "\r\n";
    content += QByteArray("0#####qvx#") + QByteArray(18, '0') + "\r\n";
    ClubFile parsed = ClubFile::parse(content);
    // The sums of the crafted file are computed by serialising it once.
    return ClubFile::parse(parsed.serialize());
}

TEST(ClubFile, TheClubFileTheProgramComesWith)
{
    const ClubFile file = defaultClubFile();
    ASSERT_TRUE(file.isValid());
    EXPECT_FALSE(file.asksForRussian());
    for (int n = 1; n <= 5; ++n) {
        EXPECT_TRUE(ClubFile::isUnused(file.line(n)));
    }
    EXPECT_EQ(file.line(6), QByteArray("Lucky Jack") + QByteArray(10, ' ') + "   300");
    EXPECT_TRUE(ClubFile::parse(file.serialize()).isValid());
}

TEST(ClubFile, StoredPassword)
{
    EXPECT_EQ(storedPassword("abc"), "331332333266266");
    EXPECT_EQ(passwordFromStored("331332333266266"), QByteArray("abc  "));
    EXPECT_EQ(storedPassword("\xC0\xC1"), "426427266266266");  // Windows-1251 letters
    for (const char* bad : {"33133233326626", "331332333266xyz", "000332333266266"}) {
        EXPECT_FALSE(passwordFromStored(bad)) << bad;
    }
}

TEST(ClubFile, RatingTexts)
{
    const std::pair<double, const char*> cases[] = {
        {0.0, "  0,000000"},  {1.234567, "  1,234567"}, {-12.5, "-12,500000"},
        {-0.5, " -0,500000"}, {99.99, " 99,990000"},    {0.0000005, "  0,000000"}};
    for (const auto& [rating, text] : cases) {
        EXPECT_EQ(ratingText(rating), QByteArray(text)) << rating;
    }
    EXPECT_DOUBLE_EQ(parseRating("  1,234567"), 1.234567);
    EXPECT_DOUBLE_EQ(parseRating("-12.500000"), -12.5);
    EXPECT_DOUBLE_EQ(parseRating("garbage"), 0.0);
}

TEST(ClubFile, RatingFormula)
{
    // (10 x 1.0 + 25 / 10) / 14 = 0.892857142...
    EXPECT_DOUBLE_EQ(newRating(10, 1.0, 25, 14), 0.892857);
    EXPECT_DOUBLE_EQ(newRating(0, 0.0, -40, 4), -1.0);
    EXPECT_DOUBLE_EQ(newRating(1, 0.0, 100000, 2), 99.99);
    EXPECT_DOUBLE_EQ(newRating(1, 0.0, -100000, 2), -99.99);
    EXPECT_DOUBLE_EQ(newRating(5, 2.5, 10, 0), 2.5);  // no deals: nothing to divide by
}

TEST(ClubFile, ChecksLayoutSignatureAndSums)
{
    const ClubFile good = club({3.0, 1.0});
    ASSERT_TRUE(good.isValid());
    const QByteArray content = good.serialize();

    QByteArray edited = content;
    edited[3] = 'x';  // one character of a player line
    EXPECT_EQ(ClubFile::parse(edited).problem(), ClubFile::Problem::Checksum);

    QByteArray unsigned_ = content;
    unsigned_[content.indexOf("\xB8}")] = '#';
    EXPECT_EQ(ClubFile::parse(unsigned_).problem(), ClubFile::Problem::Signature);

    EXPECT_EQ(ClubFile::parse(content.left(content.size() - 30)).problem(),
              ClubFile::Problem::Layout);
    EXPECT_EQ(ClubFile::parse("").problem(), ClubFile::Problem::Layout);
    EXPECT_EQ(ClubFile::parse(content + "\r\n").problem(), ClubFile::Problem::Layout);
    // LF alone is read too.
    QByteArray lf = content;
    lf.replace("\r\n", "\n");
    EXPECT_TRUE(ClubFile::parse(lf).isValid());
}

TEST(ClubFile, InsertKeepsTheOrderOfRatings)
{
    ClubFile file = club({3.0, 2.0, 1.0});
    // Equal ratings: the new line goes above.
    file.insertPlayer(makePlayerLine("New", 2.0, 5, 50, "x"), false);
    EXPECT_EQ(playerName(file.line(1)), QStringLiteral("A"));
    EXPECT_EQ(playerName(file.line(2)), QStringLiteral("New"));
    EXPECT_EQ(playerName(file.line(3)), QStringLiteral("B"));
    EXPECT_TRUE(ClubFile::isUnused(file.line(5)));

    // A player below all five listed players is not stored.
    file.insertPlayer(makePlayerLine("Low", 0.5, 5, 50, "x"), false);
    file.insertPlayer(makePlayerLine("Lower", 0.1, 5, 50, "x"), false);
    EXPECT_EQ(playerName(file.line(5)), QStringLiteral("Low"));

    file.removePlayer(1);
    EXPECT_EQ(playerName(file.line(1)), QStringLiteral("New"));
    EXPECT_TRUE(ClubFile::isUnused(file.line(5)));
    EXPECT_TRUE(ClubFile::parse(file.serialize()).isValid());
}

TEST(ClubFile, ACompletedCycleEntersTheTopTen)
{
    ClubFile file = club({3.0});
    // A score equal to the tenth (0) enters at place 10.
    EXPECT_EQ(file.insertPlayer(makePlayerLine("Even", 1.0, 40, 0, "x"), true), 10);
    EXPECT_EQ(file.line(15).left(4), "Even");
    EXPECT_EQ(file.line(14).left(4), "Top8");

    // 850 goes above 800: place 2, everything below moves down one.
    EXPECT_EQ(file.insertPlayer(makePlayerLine("Star", 2.0, 80, 850, "x"), true), 2);
    EXPECT_EQ(file.line(7), QByteArray("Star") + QByteArray(16, ' ') + "   850");
    EXPECT_EQ(file.line(15).left(4), "Top8");
    // The stored line restarts its score at 0.
    EXPECT_EQ(playerName(file.line(2)), QStringLiteral("Star"));
    EXPECT_EQ(playerScore(file.line(2)), 0);
    EXPECT_EQ(file.line(2).mid(38, 6), "     0");
    EXPECT_EQ(playerDeals(file.line(2)), 80);
    // A negative score below every entry does not enter.
    EXPECT_EQ(file.insertPlayer(makePlayerLine("Sad", 0.1, 40, -5, "x"), true), 0);
    EXPECT_TRUE(ClubFile::parse(file.serialize()).isValid());
}

TEST(ClubFile, LanguageRuleAndFieldsOfALine)
{
    ClubFile file = club({1.5});
    EXPECT_FALSE(file.asksForRussian());
    QByteArray tail = file.line(17);
    tail[0] = '1';
    file.setLine(17, tail);
    EXPECT_TRUE(ClubFile::parse(file.serialize()).asksForRussian());

    const QByteArray line = makePlayerLine("\xC8\xE2\xE0\xED", -2.25, 1234567, -300, "pass");
    EXPECT_EQ(line.size(), kPlayerLineLength);
    EXPECT_EQ(playerName(line), QStringLiteral("Иван"));
    EXPECT_DOUBLE_EQ(playerRating(line), -2.25);
    EXPECT_EQ(playerDeals(line), 1234567);
    EXPECT_EQ(playerScore(line), -300);
}

}  // namespace
}  // namespace olk
