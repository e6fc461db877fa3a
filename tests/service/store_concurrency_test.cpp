// The store under writers on several threads at once (each thread has a
// connection of its own, as the server's threads do): no write fails for
// another's lock, and the keys decide races for one place.

#include "service_fixture.h"

#include <thread>

namespace olk::service::testing {
namespace {

using StoreConcurrencyTest = StoreBackend;

TEST_P(StoreConcurrencyTest, ConcurrentScorePostsAllLand)
{
    constexpr int threads = 8;
    constexpr int posts = 20;
    std::atomic<int> failed{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            for (int i = 0; i < posts; ++i) {
                ScoreEntry entry;
                entry.gid = 804;
                entry.score = (t * posts + i) * 37 % 1000;
                entry.nick = QStringLiteral("P%1").arg(t);
                entry.country = entry.city = entry.r07 = entry.r08 = entry.r09 = entry.r10 =
                    QStringLiteral("#");
                if (!store->postScore(entry, 1'000'000)) {
                    ++failed;
                }
            }
        });
    }
    for (std::thread& w : workers) {
        w.join();
    }
    EXPECT_EQ(failed.load(), 0);
    EXPECT_EQ(store->scoreCount(804), threads * posts);
}

TEST_P(StoreConcurrencyTest, OnePlaceGoesToOnePlayer)
{
    constexpr int threads = 8;
    for (int t = 0; t < threads; ++t) {
        Member m;
        m.nick = QStringLiteral("Player%1").arg(t);
        m.city = m.country1 = m.country2 = m.email = m.dateR = m.r01 = m.r02 = m.r03 =
            QStringLiteral("x");
        m.sex = QStringLiteral("M");
        ASSERT_EQ(store->createMember(m, QStringLiteral("hash")), Store::Created::Yes);
    }
    std::atomic<int> taken{0};
    std::atomic<int> failed{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            TourSeat seat;
            seat.table = 3;
            seat.place = 1;
            seat.nick = QStringLiteral("Player%1").arg(t);
            switch (store->takeTourSeat(seat, false)) {
            case Store::SeatTaken::Done:
                ++taken;
                break;
            case Store::SeatTaken::Occupied:
                break;
            default:
                ++failed;
            }
        });
    }
    for (std::thread& w : workers) {
        w.join();
    }
    EXPECT_EQ(taken.load(), 1);
    EXPECT_EQ(failed.load(), 0);
    EXPECT_EQ(store->tourSeats()->size(), 1u);
}

// Chat writers who all read the same latest number: each number is taken
// once, every round by exactly one writer, and the board has no gaps.
TEST_P(StoreConcurrencyTest, OneChatNumberGoesToOneWriter)
{
    constexpr int threads = 8;
    constexpr int rounds = 5;
    for (int round = 1; round <= rounds; ++round) {
        std::atomic<int> taken{0};
        std::atomic<int> failed{0};
        std::vector<std::thread> workers;
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back([&, t] {
                ScoreEntry entry;
                entry.gid = 100;
                entry.score = round;
                entry.nick = QStringLiteral("W%1").arg(t);
                entry.country = entry.city = entry.r07 = entry.r08 = entry.r09 = entry.r10 =
                    QStringLiteral("#");
                bool outOfTurn = false;
                if (store->postScore(entry, 100, &outOfTurn)) {
                    ++taken;
                } else if (!outOfTurn) {
                    ++failed;
                }
            });
        }
        for (std::thread& w : workers) {
            w.join();
        }
        EXPECT_EQ(taken.load(), 1) << round;
        EXPECT_EQ(failed.load(), 0) << round;
    }
    const auto board = store->scoreTable(100, rounds + 1);
    ASSERT_TRUE(board);
    ASSERT_EQ(board->size(), static_cast<std::size_t>(rounds));
    for (int row = 0; row < rounds; ++row) {
        EXPECT_EQ((*board)[static_cast<std::size_t>(row)].score, rounds - row);
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, StoreConcurrencyTest, ::testing::Values("sqlite", "postgresql"),
                         backendName);

}  // namespace
}  // namespace olk::service::testing
