// The world score tables' windows against a real olk-service on a loopback
// port: the submission after a cycle under the passport, and the tables.

#include "accountui/world_top_ten.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QThread>

#include "extras/cards_button.h"
#include "online/requests.h"
#include "online/service_client.h"
#include "settings/address_cipher.h"
#include "settings/word_tables.h"
#include "tests/service/loopback_club.h"

namespace olk {
namespace {

using testing::settle;

class WorldTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_GT(club.port, 0);
        client.setAddress(online::Endpoint::Scores,
                          encipherAddress(club.address() + QStringLiteral("/scores")));
        hooks.tell = [this](QWidget*, const QString& line, const QString&) { told << line; };
        hooks.editPassport = [this](QWidget*, Settings& edited, const QString&) {
            ++passportOpened;
            edited.passportNick = nextNick;
        };
    }

    void post(const QString& nick, int score)
    {
        online::TTevRecord entry;
        entry.GID = online::kWindowsTable;
        entry.Nick = nick;
        entry.City = QStringLiteral("Omsk");
        entry.Country = QStringLiteral("1-001");
        entry.Score = score;
        entry.R07 = QStringLiteral("W");
        entry.R09 = entry.R10 = QStringLiteral("#");
        ASSERT_TRUE(
            online::parseScorePost(online::sendAndWait(client, online::scorePost(entry))).ok);
    }

    testing::Club club;
    online::ServiceClient client;
    Settings settings;
    AccountDialogHooks hooks;
    QStringList told;
    int passportOpened = 0;
    QString nextNick = QStringLiteral("Zoe");
};

TEST_F(WorldTables, AnIncognitoPassportIsNamedBeforeTheCycleIsSent)
{
    WorldScoreSubmission submission(client, settings, QString(), 250, nullptr, hooks);
    EXPECT_FALSE(submission.sendButton()->isEnabled());
    submission.show();
    ASSERT_TRUE(settle([&] { return passportOpened == 1; }));
    ASSERT_TRUE(submission.sendButton()->isEnabled());
    submission.sendButton()->click();
    ASSERT_TRUE(settle([&] { return submission.sent(); }));
    EXPECT_EQ(submission.placeLabel()->text(), text(Text::YourPlace) + ": 1");
    EXPECT_FALSE(submission.sendButton()->isEnabled());
    submission.passportButton()->click();
    EXPECT_FALSE(submission.sendButton()->isEnabled()) << "sent once";
}

TEST_F(WorldTables, ACyrillicPassportMaySendOnlyAsItCame)
{
    settings.passportNick = QString::fromUtf8("Вася");
    WorldScoreSubmission submission(client, settings, QString(), 100, nullptr, hooks);
    submission.show();
    EXPECT_TRUE(submission.sendButton()->isEnabled());
    EXPECT_EQ(passportOpened, 0);
    nextNick = QString::fromUtf8("Петя");
    submission.passportButton()->click();
    EXPECT_FALSE(submission.sendButton()->isEnabled()) << "an edited nick must be Latin";
}

TEST_F(WorldTables, ASendThatFailsSaysSoAndMayBeTriedAgain)
{
    client.setAddress(online::Endpoint::Scores, encipherAddress("http://127.0.0.1:9/scores"));
    settings.passportNick = QStringLiteral("Zoe");
    WorldScoreSubmission submission(client, settings, QString(), 100, nullptr, hooks);
    submission.show();
    submission.sendButton()->click();
    ASSERT_TRUE(settle([&] { return !submission.busy(); }));
    EXPECT_EQ(told.value(0), text(Text::UnableToWriteResult));
    EXPECT_TRUE(submission.sendButton()->isEnabled());
    EXPECT_FALSE(submission.sent());
}

TEST_F(WorldTables, TheWindowsTableItsCountAndTheOwnEntries)
{
    post(QStringLiteral("Zoe"), 300);
    post(QStringLiteral("Anna"), 420);
    post(QStringLiteral("Zoe"), 150);
    settings.passportNick = QStringLiteral("Zoe");
    settings.passportCity = QStringLiteral("Omsk");
    WorldTopTenWindow window(client, settings, QString(), QString(), QString(), nullptr, hooks);
    ASSERT_TRUE(settle([&] { return !window.busy(); }));
    EXPECT_TRUE(window.failedLabel()->isHidden());
    EXPECT_EQ(window.row(0)->text(), QStringLiteral("Anna, Omsk"));
    EXPECT_EQ(window.score(0)->text(), QStringLiteral("420"));
    EXPECT_EQ(window.score(2)->text(), QStringLiteral("150"));
    EXPECT_TRUE(window.row(3)->text().isEmpty()) << "only the rows that hold a nick";
    EXPECT_EQ(window.countLabel()->text(), text(Text::NumberOfGames) + ": 3");
    EXPECT_EQ(window.ownRow(0)->text(), QStringLiteral("2. Zoe  300"));
    EXPECT_EQ(window.ownRow(1)->text(), QStringLiteral("3. Zoe  150"));

    // The Android table is empty; a table that cannot be read says so.
    window.chooseTable(2);
    ASSERT_TRUE(settle([&] { return !window.busy(); }));
    EXPECT_TRUE(window.row(0)->text().isEmpty());
    client.setAddress(online::Endpoint::Scores, encipherAddress("http://127.0.0.1:9/scores"));
    window.chooseTable(1);
    ASSERT_TRUE(settle([&] { return !window.busy(); }));
    EXPECT_FALSE(window.failedLabel()->isHidden());
    EXPECT_TRUE(window.row(0)->text().isEmpty());
    EXPECT_TRUE(window.countLabel()->text().isEmpty());
}

}  // namespace
}  // namespace olk
