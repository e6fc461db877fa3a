#include "table/record_windows.h"

#include <gtest/gtest.h>

#include "settings/language.h"

namespace olk {
namespace {

TEST(RecordWindows, CountOfTheGameOnTheTable)
{
    setLanguage(English);
    TableState st;
    st.dealNumber = 80;
    st.scoreBase = 120;
    st.gameScore = -35;
    Profile profile{"Anna", 76, 120, 0.5};
    EXPECT_EQ(countTexts(st, profile),
              (QStringList{"80", "40", "120", "-35", "85", "  0,50", "  0,43"}));
    st.dealNumber = 81;
    EXPECT_EQ(countTexts(st, profile)[1], QStringLiteral("1"));
    EXPECT_EQ(ratingWithTwoDecimals(8.2), QStringLiteral("8,20"));
    EXPECT_EQ(ratingWithTwoDecimals(-0.5), QStringLiteral("-0,50"));
    EXPECT_EQ(ratingWithTwoDecimals(0), QStringLiteral("0,00"));
}

TEST(RecordWindows, EndOfCycleByPlace)
{
    setLanguage(English);
    EXPECT_EQ(endOfCycleLines({1, 310, false}),
              (QStringList{"CONGRATULATIONS!!!", "Your result - the best!", "Result: 310",
                           "You become a Master of the Order!"}));
    EXPECT_EQ(endOfCycleLines({1, 310, true})[3],
              QStringLiteral("You become a Bachelor of the Order!"));
    EXPECT_EQ(endOfCycleLines({4, 200, false}),
              (QStringList{"CONGRATULATIONS!!!", "Good result!", "Result: 200",
                           "You have hitted in top ten players!"}));
    EXPECT_EQ(endOfCycleLines({0, -12, false}),
              (QStringList{"Our regrets...", "Your result keeps to wish best", "Result: -12",
                           "You have not hitted in ten best players..."}));
    EXPECT_STREQ(endOfCycleSound(1), "WFiBest");
    EXPECT_STREQ(endOfCycleSound(10), "WFiGood");
    EXPECT_STREQ(endOfCycleSound(0), "WFiBads");
}

}  // namespace
}  // namespace olk
