#include "extras/holiday_calendar.h"

#include <gtest/gtest.h>

#include <QSet>

#include "settings/language.h"

namespace olk {
namespace {

QStringList namesOn(const QDate& day)
{
    QStringList names;
    for (const HolidayEntry* entry : holidaysOn(day)) {
        names << QString::fromLatin1(sourceText(entry->name));
    }
    return names;
}

TEST(HolidayCalendar, Easters)
{
    // Orthodox and Western Easter; the Julian date moves by 10 days in 1583,
    // 11 in 1700, 12 in the 1800s, 13 in 1900..2099 and 14 in the 2100s.
    const struct {
        int year;
        QDate orthodox;
        QDate western;
    } cases[] = {
        {1583, {1583, 4, 10}, {1583, 4, 10}}, {1700, {1700, 4, 11}, {1700, 4, 11}},
        {1818, {1818, 4, 26}, {1818, 3, 22}}, {1899, {1899, 4, 30}, {1899, 4, 2}},
        {1900, {1900, 4, 22}, {1900, 4, 15}}, {2000, {2000, 4, 30}, {2000, 4, 23}},
        {2010, {2010, 4, 4}, {2010, 4, 4}},   {2024, {2024, 5, 5}, {2024, 3, 31}},
        {2025, {2025, 4, 20}, {2025, 4, 20}}, {2038, {2038, 4, 25}, {2038, 4, 25}},
        {2099, {2099, 4, 12}, {2099, 4, 12}}, {2100, {2100, 5, 2}, {2100, 3, 28}},
        {2285, {2285, 4, 26}, {2285, 3, 22}}, {2400, {2400, 4, 16}, {2400, 4, 16}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(orthodoxEaster(c.year), c.orthodox) << c.year;
        EXPECT_EQ(westernEaster(c.year), c.western) << c.year;
        EXPECT_EQ(westernEaster(c.year).dayOfWeek(), Qt::Sunday) << c.year;
        EXPECT_EQ(orthodoxEaster(c.year).dayOfWeek(), Qt::Sunday) << c.year;
    }
    EXPECT_EQ(julianToGregorianShift(2000), 13);
    EXPECT_EQ(julianToGregorianShift(2100), 14);
    EXPECT_EQ(julianToGregorianShift(1850), 12);
    EXPECT_FALSE(orthodoxEaster(1200).isValid());
    EXPECT_FALSE(westernEaster(10000).isValid());
}

TEST(HolidayCalendar, HolidaysOfADayInTableOrder)
{
    const struct {
        QDate day;
        QStringList names;
    } cases[] = {
        {{2025, 1, 1}, {"New Year"}},
        {{2025, 1, 7}, {"Christmas"}},
        {{2025, 2, 2}, {"The day of the victory of Soviet forces in the battle of Stalingrad",
                        "Candlemas"}},
        // Both Easters on one day.
        {{2025, 4, 20}, {"Easter", "Easter"}},
        {{2024, 5, 5}, {"Easter"}},
        {{2024, 3, 31}, {"Easter"}},
        // Orthodox Easter 2024 on 5 May: Palm Sunday a week before, the
        // Ascension 40 days and Trinity 50 days after.
        {{2024, 4, 28}, {"The entry into Jerusalem"}},
        {{2024, 6, 14}, {"American flag day", "Ascension Of Our Lord"}},
        {{2024, 6, 24}, {"Trinity Sunday"}},
        // Three on one day: April Fools' day, Palm Sunday a week before the
        // Orthodox Easter of 8 April, and the Western Easter.
        {{2018, 4, 1}, {"April Fool`s day", "The entry into Jerusalem", "Easter"}},
        {{2025, 6, 22}, {"Day of remembrance and mourning"}},
        {{2025, 12, 25}, {"Christmas"}},
        {{2025, 12, 24}, {"Christmas Eve"}},
        {{2025, 3, 3}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(namesOn(c.day), c.names) << c.day.toString(Qt::ISODate).toStdString();
    }
}

TEST(HolidayCalendar, WeekdayRules)
{
    // Martin Luther King Day: the third Monday of January; Thanksgiving: the
    // fourth Thursday of November.
    const QString king = QStringLiteral("Martin Luther King Day");
    const QString thanks = QStringLiteral("Thanksgiving");
    const struct {
        QDate day;
        bool king;
        bool thanks;
    } cases[] = {
        {{2025, 1, 20}, true, false},  {{2025, 1, 13}, false, false},
        {{2025, 1, 27}, false, false}, {{2024, 1, 15}, true, false},
        {{2025, 11, 27}, false, true}, {{2025, 11, 20}, false, false},
        {{2024, 11, 28}, false, true}, {{2023, 11, 23}, false, true},
        // 30 November 2023 is the fifth Thursday, not the last of four.
        {{2023, 11, 30}, false, false},
    };
    for (const auto& c : cases) {
        const QStringList names = namesOn(c.day);
        EXPECT_EQ(names.contains(king), c.king) << c.day.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(names.contains(thanks), c.thanks) << c.day.toString(Qt::ISODate).toStdString();
    }
    // The last weekday: a rule the table does not use, read all the same.
    const HolidayEntry lastFriday{"****l.6.02", "ALL", "R_NEWYEAR", Text::Holiday01};
    EXPECT_EQ(holidayDate(lastFriday, 2024), QDate(2024, 2, 23));
    EXPECT_EQ(holidayDate(lastFriday, 2026), QDate(2026, 2, 27));
    const HolidayEntry lastMonday{"****l.2.05", "ALL", "R_NEWYEAR", Text::Holiday01};
    EXPECT_EQ(holidayDate(lastMonday, 2025), QDate(2025, 5, 26));
}

TEST(HolidayCalendar, ProgrammersDayIsTheTwoHundredFiftySixthDay)
{
    const QString programmers = QStringLiteral("Programmer`s day");
    const struct {
        QDate day;
        bool shown;
    } cases[] = {{{2024, 9, 12}, true},  {{2024, 9, 13}, false}, {{2025, 9, 13}, true},
                 {{2025, 9, 12}, false}, {{2000, 9, 12}, true},  {{2100, 9, 13}, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(namesOn(c.day).contains(programmers), c.shown)
            << c.day.toString(Qt::ISODate).toStdString();
        if (c.shown) {
            EXPECT_EQ(c.day.dayOfYear(), 256);
        }
    }
    EXPECT_TRUE(isGregorianLeapYear(2000));
    EXPECT_FALSE(isGregorianLeapYear(2100));
    EXPECT_TRUE(isGregorianLeapYear(2024));
}

TEST(HolidayCalendar, RulesThatLeaveTheYearOrCannotBeReadFindNoDay)
{
    auto entry = [](const char* rule) {
        return HolidayEntry{rule, "ALL", "R_NEWYEAR", Text::Holiday01};
    };
    EXPECT_EQ(holidayDate(entry("pasha.p+99"), 2024), QDate(2024, 8, 12));
    // Western Easter 2008 fell on 23 March: 90 days before it lies in 2007.
    EXPECT_FALSE(holidayDate(entry("pasha.k-90"), 2008).isValid());
    for (const char* rule : {"31.02.0000", "00.01.0000", "****6.2.01", "****3.9.01",
                             "****3.2.13", "pasha.x000", "pasha.p0x0", "pasha.k*12", "1.1.0000",
                             "ab.cd.efgh", "01.01.20xx", ""}) {
        EXPECT_FALSE(holidayDate(entry(rule), 2025).isValid()) << rule;
    }
    EXPECT_TRUE(holidaysOn(QDate()).isEmpty());
}

TEST(HolidayCalendar, ZodiacAndAnimal)
{
    const struct {
        QDate day;
        int sign;
    } signs[] = {{{2025, 3, 20}, 11}, {{2025, 3, 21}, 0},  {{2025, 4, 20}, 0},
                 {{2025, 4, 21}, 1},  {{2025, 6, 21}, 2},  {{2025, 6, 22}, 3},
                 {{2025, 8, 23}, 4},  {{2025, 8, 24}, 5},  {{2025, 10, 23}, 6},
                 {{2025, 10, 24}, 7}, {{2025, 11, 22}, 7}, {{2025, 11, 23}, 8},
                 {{2025, 12, 21}, 8}, {{2025, 12, 22}, 9}, {{2025, 12, 31}, 9},
                 {{2026, 1, 1}, 9},   {{2026, 1, 20}, 9},  {{2026, 1, 21}, 10},
                 {{2024, 2, 20}, 10}, {{2024, 2, 21}, 11}, {{2024, 2, 29}, 11}};
    for (const auto& c : signs) {
        EXPECT_EQ(zodiacSign(c.day), c.sign) << c.day.toString(Qt::ISODate).toStdString();
    }
    const std::pair<int, int> animals[] = {{2020, 0}, {2021, 1}, {2022, 2}, {2023, 3},
                                           {2024, 4}, {2025, 5}, {2026, 6}, {2031, 11},
                                           {1900, 0}, {4, 0},    {3, 11},   {-8, 0}};
    for (const auto& [year, animal] : animals) {
        EXPECT_EQ(animalOfYear(year), animal) << year;
    }
    EXPECT_EQ(animalPictureName(0), QStringLiteral("R_VOSKRIS"));
    EXPECT_EQ(animalPictureName(11), QStringLiteral("R_VOSPIG0"));
    EXPECT_EQ(zodiacPictureName(0), QStringLiteral("R_01"));
    EXPECT_EQ(zodiacPictureName(11), QStringLiteral("R_12"));
}

TEST(HolidayCalendar, TheTableNamesEveryPictureAndEveryTextOnce)
{
    EXPECT_EQ(holidayTable().size(), 82u);
    EXPECT_EQ(holidayPictureNames().size(), 29);
    QSet<int> texts;
    for (const HolidayEntry& entry : holidayTable()) {
        EXPECT_EQ(std::strlen(entry.picture), 9u) << entry.picture;
        texts.insert(static_cast<int>(entry.name));
        // Every rule of the table finds its day in a year.
        EXPECT_TRUE(holidayDate(entry, 2025).isValid() ||
                    QByteArray(entry.rule).startsWith("****"))
            << entry.rule;
    }
    EXPECT_EQ(texts.size(), 82);
}

class HolidayHints : public ::testing::Test {
protected:
    void TearDown() override { setLanguage(English); }
};

TEST_F(HolidayHints, NameAnniversaryAndKind)
{
    auto hintOn = [](const QDate& day, int index) {
        return holidayHint(*holidaysOn(day).at(index), day.year());
    };
    const struct {
        int language;
        QDate day;
        int index;
        QString hint;
    } cases[] = {
        {English, {2025, 5, 9}, 0,
         "Victory day in Great Patriotic war (80-th anniversary, Russian Festival)"},
        {English, {2025, 6, 22}, 0, "Day of remembrance and mourning"},
        {English, {2025, 9, 2}, 0, "Day of the end of World War II"},
        {English, {2025, 4, 20}, 0, "Easter (The Orthodox holiday)"},
        {English, {2025, 4, 20}, 1, "Easter (Catholic feast)"},
        {English, {2025, 11, 27}, 0, "Thanksgiving (Holiday United States)"},
        {English, {2025, 7, 28}, 0,
         "The day of the baptism of RUS` (1037-th anniversary, Russian Festival)"},
        {Russian, {2025, 5, 9}, 0,
         "День Победы в Великой Отечественной войне (80-я годовщина, Российский праздник)"},
        {Russian, {2025, 6, 22}, 0, "День памяти и скорби"},
        {Russian, {2025, 4, 20}, 0, "Пасха (Православный праздник)"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(setLanguage(c.language));
        EXPECT_EQ(hintOn(c.day, c.index).toStdString(), c.hint.toStdString());
    }
    // Only a fixed day has an anniversary; a rule too short to hold one has
    // none.
    ASSERT_TRUE(setLanguage(English));
    const HolidayEntry odd[] = {{"", "USA", "R_USAFLAG", Text::Holiday02},
                                {"pasha.p+12", "XYZ", "R_USAFLAG", Text::Holiday02},
                                {"****3.2.01", "USA", "R_USAFLAG", Text::Holiday02}};
    EXPECT_EQ(holidayHint(odd[0], 2025), QStringLiteral("Inauguration day (Holiday United States)"));
    EXPECT_EQ(holidayHint(odd[1], 2025), QStringLiteral("Inauguration day"));
    EXPECT_EQ(holidayHint(odd[2], 2025), QStringLiteral("Inauguration day (Holiday United States)"));
}

}  // namespace
}  // namespace olk
