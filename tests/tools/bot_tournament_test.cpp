// Four olk-bots through tournament games on a real olk-service with its
// relay, served in this process on loopback ports.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <memory>
#include <vector>

#include "online/requests.h"
#include "online/service_client.h"
#include "settings/address_cipher.h"
#include "tests/service/loopback_club.h"

namespace {

using namespace olk;

constexpr int kTable = 3;
const char* const kNicks[] = {"Anna", "Boris", "Clara", "Dmitri"};

class Tournament : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(club.relay);
        client.setAddress(online::Endpoint::Account, encipherAddress(club.address() + "/account"));
        for (const char* nick : kNicks) {
            online::TTevUser user;
            user.Nick = QString::fromLatin1(nick);
            user.Pw = QStringLiteral("secret1");
            user.City = QStringLiteral("Omsk");
            user.Country1 = QStringLiteral("Russia");
            user.Country2 = QStringLiteral("1-001");
            user.Sex = u'M';
            user.EMail = QStringLiteral("player@example.org");
            user.DateR = QStringLiteral("01.02.2024");
            user.R01 = user.R02 = user.R03 = QStringLiteral("xxx");
            ASSERT_EQ(online::parseAccountRegister(
                          online::sendAndWait(client, online::accountRegister(user))),
                      online::RegisterResult::Created);
        }
    }

    std::unique_ptr<QProcess> startBot(int place, const QStringList& extra = {})
    {
        auto bot = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        bot->setProcessEnvironment(env);
        bot->start(OLK_BOT_PROGRAM,
                   QStringList{"--tournament", club.address(), "--table", QString::number(kTable),
                               "--place", QString::number(place), "--nick", kNicks[place - 1],
                               "--password", "secret1", "--wait-seconds", "60"} +
                       extra);
        EXPECT_TRUE(bot->waitForStarted(5000));
        return bot;
    }

    // Four bots, one a place, started in place order as people would come.
    void startFour(const QStringList& extraForPlace2 = {})
    {
        for (int place = 1; place <= 4; ++place) {
            bots.push_back(startBot(place, place == 2 ? extraForPlace2 : QStringList{}));
        }
    }

    QStringList finish(QProcess& bot, int expectedCode)
    {
        EXPECT_TRUE(bot.waitForFinished(120000));
        EXPECT_EQ(bot.exitCode(), expectedCode) << bot.readAllStandardError().toStdString();
        return QString::fromUtf8(bot.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    olk::testing::Club club{olk::testing::Club::Relay::Run};
    online::ServiceClient client;
    std::vector<std::unique_ptr<QProcess>> bots;
};

TEST_F(Tournament, FourBotsPlayAWholeGameAndTheRankingsMoveOnce)
{
    startFour();
    QStringList first;
    std::vector<QStringList> all;
    for (int place = 1; place <= 4; ++place) {
        SCOPED_TRACE(place);
        QStringList lines = finish(*bots[place - 1], 0);
        ASSERT_GE(lines.size(), 11) << lines.join('\n').toStdString();
        EXPECT_EQ(lines.front(), QStringLiteral("role %1").arg(place));
        EXPECT_EQ(lines.back(), "match complete");
        lines.removeFirst();
        EXPECT_EQ(lines.front(), "names Anna|Boris|Clara|Dmitri");
        EXPECT_EQ(lines.filter(QRegularExpression("^deal \\d deck( \\S+){52}$")).size(), 4);
        EXPECT_EQ(lines.filter(QRegularExpression("^end \\d balances( -?\\d+){4}$")).size(), 4);
        if (first.isEmpty()) {
            first = lines;
        }
        EXPECT_EQ(lines, first) << "every place saw the same game";
    }
    // The balances after the last deal, by place, are the tournament scores.
    const QStringList last = first.filter(QRegularExpression("^end 4 ")).value(0).split(' ');
    ASSERT_EQ(last.size(), 7);
    ASSERT_TRUE(QTest::qWaitFor([&] { return club.relay->gamesRecorded() == 1; }, 10000));
    EXPECT_EQ(club.relay->gamesBroken(), 0);
    for (int place = 1; place <= 4; ++place) {
        const auto standing = club.store->tourStanding(QString::fromLatin1(kNicks[place - 1]));
        ASSERT_TRUE(standing);
        EXPECT_EQ(standing->kon, 1);
        EXPECT_EQ(standing->score, last[2 + place].toInt()) << kNicks[place - 1];
    }
}

TEST_F(Tournament, ASlowBotLosesOnTimeAndTheOthersAreTold)
{
    startFour({"--slow", "40"});
    const QStringList slow = finish(*bots[1], 3);
    ASSERT_FALSE(slow.isEmpty());
    EXPECT_TRUE(slow.back() == "match abandoned: our time is up") << slow.back().toStdString();
    for (int place : {1, 3, 4}) {
        SCOPED_TRACE(place);
        const QStringList lines = finish(*bots[place - 1], 3);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.back(), "match abandoned: place 2 ran out of time");
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return club.relay->gamesBroken() == 1; }, 10000));
    EXPECT_EQ(club.relay->gamesRecorded(), 0);
}

TEST_F(Tournament, APlayerWhoGoesEndsTheGameForTheOthers)
{
    startFour({"--slow", "5"});
    QProcess& leaving = *bots[1];
    QByteArray seen;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            leaving.waitForReadyRead(50);
            seen += leaving.readAllStandardOutput();
            return seen.contains("deal 1 ");
        },
        60000));
    leaving.kill();
    leaving.waitForFinished(5000);
    for (int place : {1, 3, 4}) {
        SCOPED_TRACE(place);
        const QStringList lines = finish(*bots[place - 1], 3);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.back(), "match abandoned: place 2 left the table");
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return club.relay->gamesBroken() == 1; }, 10000));
    EXPECT_EQ(club.relay->gamesRecorded(), 0);
}

TEST_F(Tournament, WrongPasswordOrNoRoomMeansNoGame)
{
    auto bot = std::make_unique<QProcess>();
    bot->start(OLK_BOT_PROGRAM, {"--tournament", club.address(), "--table", "1", "--place", "1",
                                 "--nick", "Anna", "--password", "wrong", "--wait-seconds", "0"});
    ASSERT_TRUE(bot->waitForFinished(30000));
    EXPECT_EQ(bot->exitCode(), 2);
    EXPECT_TRUE(bot->readAllStandardError().contains("cannot log in"));

    // Alone at a table: the place is given back when nobody comes.
    auto lonely = startBot(1, {"--wait-seconds", "1"});
    EXPECT_TRUE(lonely->waitForFinished(30000));
    EXPECT_EQ(lonely->exitCode(), 2);
    EXPECT_TRUE(lonely->readAllStandardError().contains("did not fill"));
    const auto seats = club.store->tourSeats();
    ASSERT_TRUE(seats);
    EXPECT_TRUE(seats->empty()) << "the place was given back";
}

}  // namespace
