// The store on its own, against SQLite and (when configured) PostgreSQL.

#include "service_fixture.h"

#include <thread>

namespace olk::service::testing {
namespace {

class StoreTest : public StoreBackend {
protected:
    Member member(const QString& nick)
    {
        Member m;
        m.nick = nick;
        m.city = QStringLiteral("Омск");
        m.country1 = QStringLiteral("Russia");
        m.country2 = QStringLiteral("1-001");
        m.sex = QStringLiteral("M");
        m.email = QStringLiteral("x@y.z");
        m.dateR = QStringLiteral("10.12.2026");
        m.r01 = m.r02 = m.r03 = QStringLiteral("xxx");
        return m;
    }
};

TEST_P(StoreTest, MigrationsRunOnceAndDataSurvivesReopening)
{
    const int version = store->schemaVersion();
    EXPECT_GE(version, 2);
    ASSERT_EQ(store->createMember(member(QStringLiteral("Anna")), QStringLiteral("hash")),
              Store::Created::Yes);
    store.reset();
    QString error;
    store = Store::open(database, &error);
    ASSERT_TRUE(store) << error.toStdString();
    EXPECT_EQ(store->schemaVersion(), version);
    const auto anna = store->findMember(QStringLiteral("ANNA"));
    ASSERT_TRUE(anna);
    EXPECT_EQ(anna->nick, QStringLiteral("Anna"));
    EXPECT_EQ(anna->city, QStringLiteral("Омск"));
    EXPECT_EQ(store->createMember(member(QStringLiteral("anna")), QStringLiteral("hash")),
              Store::Created::NickTaken);
}

TEST(StoreOpenTest, RefusesUnknownAddresses)
{
    for (const char* address : {"", "sqlite:", "mysql://x/y", "postgresql://[bad"}) {
        QString error;
        EXPECT_FALSE(Store::open(QString::fromLatin1(address), &error)) << address;
        EXPECT_FALSE(error.isEmpty()) << address;
    }
}

TEST_P(StoreTest, SessionsExpireAndTransfersKeepEveryTevs)
{
    for (const char* nick : {"Anna", "Boris"}) {
        ASSERT_EQ(store->createMember(member(QString::fromLatin1(nick)), QStringLiteral("h")),
                  Store::Created::Yes);
    }
    ASSERT_TRUE(store->grantTevs(QStringLiteral("Anna"), 500));
    ASSERT_TRUE(store->grantTevs(QStringLiteral("Boris"), 500));
    EXPECT_FALSE(store->grantTevs(QStringLiteral("Boris"), -501));
    EXPECT_FALSE(store->grantTevs(QStringLiteral("Nobody"), 1));
    const QString a(64, QLatin1Char('a'));
    const QString b(64, QLatin1Char('b'));
    ASSERT_TRUE(store->openSession(a, QStringLiteral("Anna"), 1000));
    ASSERT_TRUE(store->openSession(b, QStringLiteral("boris"), 2000));
    EXPECT_EQ(store->sessionMember(a, 999), QStringLiteral("Anna"));
    EXPECT_FALSE(store->sessionMember(a, 1000));
    store->dropExpiredSessions(1500);
    EXPECT_FALSE(store->sessionMember(a, 0));
    EXPECT_EQ(store->sessionMember(b, 1500), QStringLiteral("Boris"));
    ASSERT_TRUE(store->openSession(a, QStringLiteral("Anna"), 2000));

    // Opposite transfers from several threads at once (each thread on its
    // own connection): every one is whole or not at all.
    std::vector<std::thread> threads;
    std::atomic<int> done{0};
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 10; ++i) {
                const bool fromAnna = (t + i) % 2 == 0;
                const auto result =
                    fromAnna
                        ? store->transfer(a, QStringLiteral("Anna"), QStringLiteral("Boris"), 7)
                        : store->transfer(b, QStringLiteral("Boris"), QStringLiteral("Anna"), 3);
                done += result == Store::Transfer::Done ? 1 : 0;
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_GT(done.load(), 0);
    EXPECT_EQ(store->findMember(QStringLiteral("Anna"))->tevs +
                  store->findMember(QStringLiteral("Boris"))->tevs,
              1000);
    EXPECT_EQ(store->transfer(a, QStringLiteral("Anna"), QStringLiteral("Nobody"), 1),
              Store::Transfer::NoSuchMember);
    EXPECT_EQ(store->transfer(a, QStringLiteral("Anna"), QStringLiteral("Boris"), 100000),
              Store::Transfer::NotEnough);
    EXPECT_EQ(store->transfer(a, QStringLiteral("Anna"), QStringLiteral("anna"), 1),
              Store::Transfer::Failed);
}

INSTANTIATE_TEST_SUITE_P(Backends, StoreTest, ::testing::Values("sqlite", "postgresql"),
                         backendName);

}  // namespace
}  // namespace olk::service::testing
