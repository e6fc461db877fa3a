#include "seats.h"

namespace olk {

namespace {

constexpr bool inRange(int v)
{
    return v >= 1 && v <= 4;
}

// Row: own role; columns: roles 1..4.
constexpr int kSeatOfRole[4][4] = {
    {4, 2, 1, 3},
    {2, 4, 3, 1},
    {3, 1, 4, 2},
    {1, 3, 2, 4},
};

// The role that leads a deal, by gameDeals modulo 4 (index 0 is remainder 0).
constexpr int kLeadingRole[4] = {1, 3, 2, 4};

}  // namespace

int seatOfRole(int ownRole, int role)
{
    if (!inRange(ownRole) || !inRange(role)) {
        return 0;
    }
    return kSeatOfRole[ownRole - 1][role - 1];
}

int roleAtSeat(int ownRole, int seat)
{
    if (!inRange(ownRole) || !inRange(seat)) {
        return 0;
    }
    for (int role = 1; role <= 4; ++role) {
        if (kSeatOfRole[ownRole - 1][role - 1] == seat) {
            return role;
        }
    }
    return 0;
}

int firstSeatLocal(int dealNumber)
{
    const int remainder = ((dealNumber % 4) + 4) % 4;
    return remainder == 0 ? 4 : remainder;
}

int firstSeatNetworked(int gameDeals, int ownRole)
{
    const int remainder = ((gameDeals % 4) + 4) % 4;
    return seatOfRole(ownRole, kLeadingRole[remainder]);
}

int seatOfDirectBlock(int ownRole, int block)
{
    return seatOfRole(ownRole, block);
}

int seatOfRelayBlock(int ownPlace, int block)
{
    return inRange(block) ? seatOfRole(ownPlace, 5 - block) : 0;
}

}  // namespace olk
