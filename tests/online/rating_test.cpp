#include "online/rating.h"

#include <gtest/gtest.h>

namespace olk::online {
namespace {

TEST(AccountRating, AFirstRatedGameAndTheDeductionTakenBack)
{
    const TTevGame fresh;
    const TTevGame provisional = provisionalRecord(fresh);
    EXPECT_EQ(provisional.Kon, 4);
    EXPECT_NEAR(provisional.Rating, -49.9, 1e-9);
    const TTevGame final = finalRecord(provisional, 50, 50, 0);
    EXPECT_EQ(final.Kon, 4);
    EXPECT_NEAR(final.Rating, 12.6, 1e-9);
    EXPECT_EQ(final.KonL, 4);
    EXPECT_EQ(final.Score, 50);
    EXPECT_EQ(final.Sessions, 0);
}

TEST(AccountRating, LaterGamesKeepTheSumOfResults)
{
    // 36 deals that brought 360 points: R = 10 + 0.9.
    TTevGame read;
    read.Kon = 36;
    read.Rating = 360.0 / 36 + 36.0 / 40;
    read.KonL = 36;
    read.Score = 120;
    read.Best = 90;
    read.Sessions = 2;
    const TTevGame provisional = provisionalRecord(read);
    EXPECT_EQ(provisional.Kon, 40);
    EXPECT_NEAR(provisional.Rating, (360.0 - 200) / 40 + 1, 1e-9);
    EXPECT_EQ(provisional.KonL, 0);
    EXPECT_EQ(provisional.Score, 0);
    EXPECT_EQ(provisional.Best, 90) << "the rest as read";

    // The game ends the cycle: a new best, one more session, a new cycle.
    const TTevGame final = finalRecord(provisional, -40, 150, read.KonL);
    EXPECT_NEAR(final.Rating, (360.0 - 40) / 40 + 1, 1e-9);
    EXPECT_EQ(final.Best, 150);
    EXPECT_EQ(final.Sessions, 3);
    EXPECT_EQ(final.KonL, 0);
    EXPECT_EQ(final.Score, 0);
    EXPECT_EQ(finalRecord(provisional, -40, 80, read.KonL).Best, 90) << "a worse cycle";
}

TEST(AccountRating, ARecordWithoutDealsStaysDefined)
{
    // The club sent back a record with no deals: the game counts alone.
    TTevGame broken;
    broken.Kon = 0;
    broken.Rating = 7;
    const TTevGame final = finalRecord(broken, 20, 20, 0);
    EXPECT_EQ(final.Kon, 4);
    EXPECT_NEAR(final.Rating, 20.0 / 4 + 0.1, 1e-9);
    EXPECT_EQ(provisionalRecord(TTevGame{.Kon = -8}).Kon, 4) << "negative counts as none";
}

TEST(AccountRating, CycleBonusByPlace)
{
    const std::pair<int, int> cases[] = {{1, 25}, {2, 10}, {10, 10}, {11, 0}, {0, 0}, {-1, 0}};
    for (const auto& [place, bonus] : cases) {
        EXPECT_EQ(cycleBonus(place), bonus) << place;
    }
}

}  // namespace
}  // namespace olk::online
