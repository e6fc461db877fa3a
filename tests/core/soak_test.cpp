#include <gtest/gtest.h>

#include "core/game_engine.h"

namespace olk {
namespace {

// Computer deals under every rule combination, with every invariant of the
// table checked after every single move.
TEST(Soak, HundredThousandComputerDealsKeepTheTableSound)
{
    constexpr int kDeals = 100'000;
    for (int variant = 0; variant < 4; ++variant) {
        GameEngine engine(nullptr, Rng(1000 + variant));
        engine.setup().rules = {(variant & 1) != 0, (variant & 2) != 0};
        engine.setProfile({"Soak", 0, 0, 0.0});
        const TableState& st = engine.state();
        for (int deal = 0; deal < kDeals / 4; ++deal) {
            engine.startDeal(deal > 0);
            ASSERT_FALSE(checkInvariants(st));
            ASSERT_TRUE(engine.beginPlay(false));
            int actions = 0;
            while (const auto played = engine.playComputerAction(false)) {
                if (auto broken = checkInvariants(st)) {
                    FAIL() << *broken << " after deal " << deal << " action " << actions;
                }
                ++actions;
                ASSERT_LT(actions, 1000) << "a deal that does not end";
            }
            ASSERT_EQ(st.turnState, turn::kDealOver);
            // Nobody knocks before the fifth turn, and three turns follow a knock.
            ASSERT_GE(st.moveCount, st.knocker != 0 ? 8 : 39);
            const DealResult& result = engine.lastDealResult();
            std::int64_t balances = 0;
            for (int seat = 1; seat <= kSeats; ++seat) {
                ASSERT_GE(result.shown[seat], 2);
                ASSERT_LE(result.shown[seat], 31);
                balances += st.players[seat].balance;
            }
            ASSERT_EQ(balances, 0);
            ASSERT_EQ(st.gameScore, st.players[4].balance);
        }
    }
}

}  // namespace
}  // namespace olk
