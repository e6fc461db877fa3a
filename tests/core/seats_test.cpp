#include "core/seats.h"

#include <gtest/gtest.h>

namespace olk {
namespace {

// Row: own role 1..4; columns: role 1..4 -> seat.
constexpr int kRoleSeats[4][4] = {
    {4, 2, 1, 3},
    {2, 4, 3, 1},
    {3, 1, 4, 2},
    {1, 3, 2, 4},
};

TEST(Seats, RoleToSeatTable)
{
    for (int own = 1; own <= 4; ++own) {
        for (int role = 1; role <= 4; ++role) {
            EXPECT_EQ(seatOfRole(own, role), kRoleSeats[own - 1][role - 1]) << own << "/" << role;
            EXPECT_EQ(roleAtSeat(own, kRoleSeats[own - 1][role - 1]), role);
        }
        EXPECT_EQ(seatOfRole(own, own), 4);  // everybody sees itself at the bottom
    }
    EXPECT_EQ(seatOfRole(0, 1), 0);
    EXPECT_EQ(seatOfRole(1, 5), 0);
    EXPECT_EQ(roleAtSeat(5, 1), 0);
}

TEST(Seats, PlayOrderByRoleIsTheSameInEveryView)
{
    // Seats 1 -> 2 -> 3 -> 4 are roles 1 -> 3 -> 2 -> 4 turned, in every view.
    const int order[] = {1, 3, 2, 4};
    for (int own = 1; own <= 4; ++own) {
        for (int i = 0; i < 4; ++i) {
            const int seat = seatOfRole(own, order[i]);
            const int nextSeat = seatOfRole(own, order[(i + 1) % 4]);
            EXPECT_EQ(nextSeat, seat % 4 + 1) << "own role " << own;
        }
    }
}

TEST(Seats, FirstSeatOfALocalGame)
{
    // dealNumber after it was increased: 1, 2, 3, 4, 5 -> seats 1, 2, 3, 4, 1.
    const int expected[] = {4, 1, 2, 3, 4, 1, 2, 3};
    for (int dealNumber = 0; dealNumber < 8; ++dealNumber) {
        EXPECT_EQ(firstSeatLocal(dealNumber), expected[dealNumber]) << dealNumber;
    }
    EXPECT_EQ(firstSeatLocal(40), 4);
    EXPECT_EQ(firstSeatLocal(41), 1);
}

TEST(Seats, FirstSeatOfANetworkedGame)
{
    // Row: own role; columns: gameDeals modulo 4 = 1, 2, 3, 0.
    constexpr int kTable[4][4] = {
        {1, 2, 3, 4},
        {3, 4, 1, 2},
        {4, 1, 2, 3},
        {2, 3, 4, 1},
    };
    for (int own = 1; own <= 4; ++own) {
        for (int column = 0; column < 4; ++column) {
            const int gameDeals = column + 1;  // 1, 2, 3, 4
            EXPECT_EQ(firstSeatNetworked(gameDeals, own), kTable[own - 1][column]);
            EXPECT_EQ(firstSeatNetworked(gameDeals + 8, own), kTable[own - 1][column]);
        }
    }
    // Every view names the same player: role 3, then 2, 4, 1.
    const int leaders[] = {3, 2, 4, 1};
    for (int deal = 1; deal <= 4; ++deal) {
        for (int own = 1; own <= 4; ++own) {
            EXPECT_EQ(roleAtSeat(own, firstSeatNetworked(deal, own)), leaders[deal - 1]);
        }
    }
}

TEST(Seats, DealingBlocksOnTheDirectConnection)
{
    // Row: own role; columns: deck cards 1-3, 4-6, 7-9, 10-12 -> seat.
    constexpr int kTable[4][4] = {
        {4, 2, 1, 3},
        {2, 4, 3, 1},
        {3, 1, 4, 2},
        {1, 3, 2, 4},
    };
    for (int own = 1; own <= 4; ++own) {
        for (int block = 1; block <= 4; ++block) {
            EXPECT_EQ(seatOfDirectBlock(own, block), kTable[own - 1][block - 1]);
        }
    }
}

TEST(Seats, DealingBlocksAtTheRelayGoTheOtherWay)
{
    // Place p receives block 5 - p: place 4 cards 1-3, ..., place 1 cards 10-12.
    for (int own = 1; own <= 4; ++own) {
        for (int place = 1; place <= 4; ++place) {
            EXPECT_EQ(seatOfRelayBlock(own, 5 - place), seatOfRole(own, place));
        }
    }
    EXPECT_EQ(seatOfRelayBlock(1, 4), 4);  // place 1 sees its own cards 10-12 at the bottom
    EXPECT_EQ(seatOfRelayBlock(2, 1), 1);  // cards 1-3 belong to place 4, seat 1 for place 2
    EXPECT_EQ(seatOfRelayBlock(1, 0), 0);
}

}  // namespace
}  // namespace olk
