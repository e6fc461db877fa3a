// The world score tables' windows against a real olk-service on a loopback
// port: the submission after a cycle under the passport, and the tables.

#include "accountui/world_top_ten.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>

#include "extras/cards_button.h"
#include "online/requests.h"
#include "records/club_file.h"
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

// The purple design: seven categories, each from its own source, with the
// ranking marked or (in the tournament) chosen.
TEST_F(WorldTables, ThePurpleDesignShowsEveryCategory)
{
    post(QStringLiteral("Anna"), 420);
    QTemporaryDir program;
    const ClubFile clubFile = defaultClubFile();
    for (const char* name : {"Olk.clb", "Olk.net"}) {
        QFile file(program.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(clubFile.serialize());
    }
    client.setAddress(online::Endpoint::Account, encipherAddress(club.address() + "/account"));
    client.setAddress(online::Endpoint::Tournament,
                      encipherAddress(club.address() + "/tournament"));
    settings.auxDesignPurple = true;
    WorldTopTenWindow window(client, settings, program.path(), QString(), QString(), nullptr,
                             hooks);
    ASSERT_TRUE(window.purple());
    EXPECT_EQ(window.category(), WorldTopTenWindow::WindowsScores);
    ASSERT_TRUE(settle([&] { return !window.busy(); }));
    EXPECT_EQ(window.heading()->text(), text(Text::WindowsScoreHeading));
    EXPECT_EQ(window.row(0)->text(), QStringLiteral("Anna, Omsk"));
    EXPECT_EQ(window.score(0)->text(), QStringLiteral("420"));

    const QString firstMember = QString::fromLatin1(clubFile.line(6).left(20)).trimmed();
    const struct {
        int category;
        Text heading;
        int markedKind;
    } cases[] = {
        {WorldTopTenWindow::AccountRating, Text::AccountRatingHeading, 1},
        {WorldTopTenWindow::AccountScores, Text::AccountScoreHeading, 0},
        {WorldTopTenWindow::AndroidScores, Text::AndroidScoreHeading, 0},
        {WorldTopTenWindow::Tournament, Text::TournamentHeading, 0},
        {WorldTopTenWindow::LocalClub, Text::WindowsLocalGames, 0},
        {WorldTopTenWindow::NetClub, Text::WindowsNetGames, 0},
    };
    for (const auto& each : cases) {
        window.chooseCategory(each.category);
        ASSERT_TRUE(settle([&] { return !window.busy(); }));
        EXPECT_EQ(window.heading()->text(), text(each.heading));
        EXPECT_TRUE(window.failedLabel()->isHidden()) << each.category;
        EXPECT_TRUE(window.kindButton(each.markedKind)->isChecked()) << each.category;
        EXPECT_EQ(window.kindButton(2)->isEnabled(),
                  each.category == WorldTopTenWindow::Tournament);
        if (each.category >= WorldTopTenWindow::LocalClub) {
            EXPECT_EQ(window.row(0)->text(), firstMember);
        } else {
            EXPECT_TRUE(window.row(0)->text().isEmpty()) << each.category;
        }
    }
    // The tournament's ranking is the player's to choose.
    window.chooseCategory(WorldTopTenWindow::Tournament);
    window.kindButton(2)->click();
    ASSERT_TRUE(settle([&] { return !window.busy(); }));
    EXPECT_TRUE(window.kindButton(2)->isChecked());
    EXPECT_FALSE(window.kindButton(0)->isChecked());

    // Without the service every online category says so; this computer's
    // clubs still show.
    for (auto e : {online::Endpoint::Scores, online::Endpoint::Account,
                   online::Endpoint::Tournament}) {
        client.setAddress(e, encipherAddress("http://127.0.0.1:9/x"));
    }
    for (int category = 1; category <= 7; ++category) {
        window.chooseCategory(category);
        ASSERT_TRUE(settle([&] { return !window.busy(); }));
        EXPECT_EQ(window.failedLabel()->isHidden(), category >= WorldTopTenWindow::LocalClub)
            << category;
    }
}

// The choice stays for the run; from the menu the category is a score
// table's, from the local top ten command this computer's club of the mode.
TEST_F(WorldTables, ThePurpleWindowOpensOnTheRightCategory)
{
    settings.auxDesignPurple = true;
    const auto opened = [&](bool localClub, int choose) {
        WorldTopTenWindow window(client, settings, QString(), QString(), QString(), nullptr,
                                 hooks, localClub);
        const int category = window.category();
        if (choose != 0) {
            window.chooseCategory(choose);
        }
        window.accept();
        return category;
    };
    opened(false, WorldTopTenWindow::AndroidScores);
    EXPECT_EQ(opened(false, WorldTopTenWindow::Tournament), WorldTopTenWindow::AndroidScores);
    EXPECT_EQ(opened(false, 0), WorldTopTenWindow::WindowsScores);
    EXPECT_EQ(opened(true, 0), WorldTopTenWindow::LocalClub);
    settings.networkMode = true;
    EXPECT_EQ(opened(true, 0), WorldTopTenWindow::NetClub);
}

}  // namespace
}  // namespace olk
