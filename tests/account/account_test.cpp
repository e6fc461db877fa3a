#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "account/countries.h"
#include "account/field_checks.h"
#include "account/user_file.h"

namespace olk {
namespace {

TEST(Countries, ListsCodesAndTokens)
{
    const int sizes[kContinents] = {49, 52, 36, 15, 24, 55};
    for (int continent = 1; continent <= kContinents; ++continent) {
        ASSERT_EQ(static_cast<int>(countriesOf(continent).size()), sizes[continent - 1]);
        EXPECT_STREQ(countriesOf(continent)[0].name, "Unknown");
        for (const Country& country : countriesOf(continent)) {
            EXPECT_FALSE(QString::fromUtf8(country.token).contains(u' ')) << country.name;
        }
    }
    EXPECT_TRUE(countriesOf(0).empty());
    EXPECT_TRUE(countriesOf(7).empty());
    const struct {
        const char* code;
        const char* name;
        const char* token;
    } cases[] = {
        {"1-001", "Russia", "Russia"},
        {"1-048", "United Kingdom", "United_Kingdom"},
        {"3-034", "USA", "USA"},
        {"6-012", "Congo Republic", ""},  // the one entry travelling as nothing
        {"6-054", "Zimbabwe", "Zimbabwe"},
        {"1-049", "Unknown", "Unknown"},  // past the list
        {"7-001", "Unknown", "Unknown"},
        {"1-0a1", "Unknown", "Unknown"},
        {"1--01", "Unknown", "Unknown"},
        {"", "Unknown", "Unknown"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(countryName(QString::fromLatin1(c.code)), QString::fromUtf8(c.name)) << c.code;
        EXPECT_EQ(countryToken(QString::fromLatin1(c.code)), QString::fromUtf8(c.token)) << c.code;
    }
    EXPECT_EQ(countryCode(2, 7), QStringLiteral("2-007"));
}

TEST(FieldChecks, AccountFields)
{
    const struct {
        const char* text;
        FieldKind kind;
        Lamp lamp;
    } cases[] = {
        {"", FieldKind::Nick, Lamp::Red},
        {"A", FieldKind::Nick, Lamp::Red},             // one character
        {"Al", FieldKind::Nick, Lamp::Green},
        {"Al Capone", FieldKind::Nick, Lamp::Red},     // a blank
        {"Вася", FieldKind::Nick, Lamp::Red},          // Cyrillic nick
        {"TwelveLetter", FieldKind::Nick, Lamp::Green},
        {"ThirteenChars", FieldKind::Nick, Lamp::Red},
        {"Москва", FieldKind::City, Lamp::Yellow},     // Cyrillic city still passes
        {"St.Petersburg-2", FieldKind::City, Lamp::Green},
        {"abc", FieldKind::Password, Lamp::Red},
        {"abcd", FieldKind::Password, Lamp::Green},
        {"abcd#", FieldKind::Password, Lamp::Red},
        {"@mail.ru", FieldKind::EMail, Lamp::Red},
        {"me@", FieldKind::EMail, Lamp::Red},
        {"a@b", FieldKind::EMail, Lamp::Green},
        {"x", FieldKind::Character, Lamp::Green},
        {"ж", FieldKind::Character, Lamp::Yellow},
        {"$", FieldKind::Character, Lamp::Red},
        {" ", FieldKind::Character, Lamp::Red},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(accountFieldCheck(QString::fromUtf8(c.text), c.kind), c.lamp) << c.text;
    }
}

TEST(FieldChecks, PassportFields)
{
    EXPECT_EQ(passportFieldCheck(QString::fromUtf8("Вася"), FieldKind::Nick), Lamp::Yellow);
    EXPECT_EQ(passportFieldCheck("Incognito", FieldKind::Nick), Lamp::Green);
    EXPECT_EQ(passportFieldCheck("I", FieldKind::Nick), Lamp::Red);
    EXPECT_EQ(passportFieldCheck("Moscow=1", FieldKind::City), Lamp::Red);
    EXPECT_EQ(passportFieldCheck("SixteenLetters16", FieldKind::City), Lamp::Red);
}

TEST(UserFile, RoundTripAboveTheProgramAndStartupPassword)
{
    QTemporaryDir root;
    const QString program = root.filePath("program");
    QDir().mkpath(program);
    EXPECT_FALSE(readUserFile(program));
    const QString password = QString::fromUtf8("a b#c$дд");
    ASSERT_TRUE(writeUserFile(program, {QString::fromUtf8("Петя"), encipherPassword(password)}));
    EXPECT_TRUE(QFile::exists(root.filePath("TevUser.tev")));
    const std::optional<UserFile> read = readUserFile(program);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->nick, QString::fromUtf8("Петя"));
    EXPECT_EQ(decipherPassword(read->storedPassword), password);
    EXPECT_EQ(startupPassword(read->storedPassword), QString::fromUtf8("a-b-c-дд"));

    // A file of another kind is no user file.
    QFile other(root.filePath("TevUser.tev"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("Something else\r\nnick\r\npw\r\n");
    other.close();
    EXPECT_FALSE(readUserFile(program));
    EXPECT_TRUE(removeUserFile(program));
    EXPECT_FALSE(QFile::exists(root.filePath("TevUser.tev")));
    EXPECT_FALSE(decipherPassword("plain text"));
}

}  // namespace
}  // namespace olk
