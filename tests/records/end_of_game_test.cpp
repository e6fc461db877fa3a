#include "records/end_of_game.h"
#include "records/history_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace olk {
namespace {

class EndOfGame : public ::testing::Test {
protected:
    EndOfGame() { EXPECT_TRUE(writeClubFile(clubPath(), defaultClubFile())); }

    QString clubPath() const { return dir.filePath("Olk.clb"); }
    ClubFile club() const { return readClubFile(clubPath()).file; }

    LocalGame game(int slot, int dealsAtStart, int gameDeals, int result, double rating = 0) const
    {
        LocalGame g;
        g.programFolder = dir.path();
        g.player.slot = slot;
        g.player.name = "Anna";
        g.player.password = "abc";
        g.player.deals = dealsAtStart;
        g.player.rating = rating;
        g.dealNumber = dealsAtStart + gameDeals;
        g.totalScore = result;
        g.result = result;
        g.gameDeals = gameDeals;
        return g;
    }

    QTemporaryDir dir;
};

TEST_F(EndOfGame, ANewPlayersFirstGame)
{
    const GameEndOutcome out = endLocalGame(game(6, 0, 4, 40), "10:00", "10.12.2026", true);
    EXPECT_DOUBLE_EQ(out.rating, 1.0);  // (0 + 40 / 10) / 4
    EXPECT_FALSE(out.cycleCompleted);
    EXPECT_STREQ(out.sound, "WKoGood");
    EXPECT_TRUE(out.clubWritten && out.historyWritten);
    const ClubFile file = club();
    ASSERT_TRUE(file.isValid());
    EXPECT_EQ(file.line(1), makePlayerLine("Anna", 1.0, 4, 40, "abc"));
    EXPECT_TRUE(ClubFile::isUnused(file.line(2)));
    QFile history(historyFilePath(dir.path(), "Olk.clb", 1));
    ASSERT_TRUE(history.open(QIODevice::ReadOnly));
    const QByteArray content = history.readAll();
    EXPECT_EQ(checkHistory(content).entries, 1);
    EXPECT_EQ(content.mid(15, 4), "Anna");
}

TEST_F(EndOfGame, TheFortiethDealCompletesTheCycle)
{
    endLocalGame(game(6, 0, 4, 40), "10:00", "10.12.2026", true);
    // Back for deals 37..40 with a total of 310: enters the top ten first.
    LocalGame g = game(1, 36, 4, 10, 1.0);
    g.totalScore = 310;
    const GameEndOutcome out = endLocalGame(g, "11:00", "10.12.2026", true);
    EXPECT_TRUE(out.cycleCompleted);
    EXPECT_EQ(out.topTenPlace, 1);
    EXPECT_EQ(out.sound, nullptr);  // the end-of-cycle window speaks instead
    const ClubFile file = club();
    EXPECT_EQ(file.line(6), QByteArray("Anna") + QByteArray(16, ' ') + "   310");
    EXPECT_EQ(playerScore(file.line(1)), 0);  // a new cycle starts from zero
    EXPECT_EQ(playerDeals(file.line(1)), 40);
    EXPECT_TRUE(ClubFile::isUnused(file.line(2)));  // the old line was replaced
}

// Online games leave the club alone and write their own kind into the
// history; only the account's run in cycles.
TEST_F(EndOfGame, OnlineGamesWriteTheirKindAndNoClubLine)
{
    const struct {
        GameEndOutcome (*end)(const LocalGame&, double, const QByteArray&, const QByteArray&);
        char kind;
        bool cycle;
    } cases[] = {{endAccountGame, 'A', true}, {endTournamentGame, 'T', false}};
    int entries = 0;
    for (const auto& each : cases) {
        const GameEndOutcome out = each.end(game(0, 36, 4, -12), 3.5, "12:00", "10.12.2026");
        EXPECT_EQ(out.cycleCompleted, each.cycle) << each.kind;
        EXPECT_EQ(out.sound == nullptr, each.cycle) << each.kind;
        EXPECT_DOUBLE_EQ(out.rating, 3.5);
        QFile history(historyFilePath(dir.path(), "Olk.clb", 1));
        ASSERT_TRUE(history.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = historyEntries(history.readAll());
        ASSERT_EQ(lines.size(), ++entries);
        EXPECT_EQ(lines.last().mid(89, 1), QByteArray(1, each.kind));
    }
    EXPECT_TRUE(ClubFile::isUnused(club().line(1)));
}

// With club writes blocked the file stays as it is, but the player still
// learns his place in the top ten.
TEST_F(EndOfGame, BlockedWritesStillGiveTheMedal)
{
    const QByteArray before = defaultClubFile().serialize();
    LocalGame g = game(6, 36, 4, 10);
    g.totalScore = 310;
    const GameEndOutcome out = endLocalGame(g, "11:00", "10.12.2026", false);
    EXPECT_TRUE(out.cycleCompleted);
    EXPECT_EQ(out.topTenPlace, 1);
    EXPECT_TRUE(out.clubWritten);  // nothing failed: nothing was to be written
    EXPECT_EQ(club().serialize(), before);
}

// A field that outgrows its width holds the largest value it can, never
// its leading digits.
TEST_F(EndOfGame, OverlongNumbersAreClampedToTheirFields)
{
    const struct {
        int deals;
        int score;
        int storedDeals;
        int storedScore;
    } cases[] = {
        {10'000'000, 1'000'000, 9'999'999, 999'999},
        {12, -100'000, 12, -99'999},
        {-5, -2'000'000'000, 0, -99'999},
    };
    for (const auto& c : cases) {
        const QByteArray line = makePlayerLine("Anna", 0, c.deals, c.score, "abc");
        ASSERT_EQ(line.size(), kPlayerLineLength);
        EXPECT_EQ(playerDeals(line), c.storedDeals) << c.deals;
        EXPECT_EQ(playerScore(line), c.storedScore) << c.score;
    }
}

TEST_F(EndOfGame, ARenamedPlayerKeepsHisRecord)
{
    endLocalGame(game(6, 0, 4, 40), "10:00", "10.12.2026", true);
    const ClubPlayer before = ClubPlayer::fromLine(1, club().line(1));
    EXPECT_EQ(before.shownName(), "Anna");
    EXPECT_EQ(before.password, "abc  ");
    ASSERT_EQ(renameClubPlayer(clubPath(), 1, "Berta", "xyz"), 1);
    const ClubPlayer after = ClubPlayer::fromLine(1, club().line(1));
    EXPECT_EQ(after.name, QByteArray("Berta").leftJustified(20));
    EXPECT_EQ(after.password, "xyz  ");
    EXPECT_EQ(after.deals, before.deals);
    EXPECT_EQ(after.score, before.score);
    EXPECT_DOUBLE_EQ(after.rating, before.rating);
    EXPECT_EQ(renameClubPlayer(clubPath(), 6, "Carl", ""), 6) << "not in the club: nothing to do";
    QFile::remove(clubPath());
    EXPECT_EQ(renameClubPlayer(clubPath(), 1, "Dora", ""), std::nullopt);
}

TEST_F(EndOfGame, LeavingEarlyRemovesTheLine)
{
    endLocalGame(game(6, 0, 4, -40), "10:00", "10.12.2026", true);
    ASSERT_FALSE(ClubFile::isUnused(club().line(1)));
    EXPECT_TRUE(leaveGameEarly(clubPath(), 1));
    EXPECT_TRUE(ClubFile::isUnused(club().line(1)));
    EXPECT_TRUE(leaveGameEarly(clubPath(), 6));  // a new player has no line
}

TEST_F(EndOfGame, AFailedClubWriteKeepsTheOldFile)
{
    QFile original(clubPath());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();
    // Blocked writes leave the file alone but still keep the history.
    GameEndOutcome out = endLocalGame(game(6, 0, 4, 40), "10:00", "10.12.2026", false);
    EXPECT_TRUE(out.historyWritten);
    QFile same(clubPath());
    ASSERT_TRUE(same.open(QIODevice::ReadOnly));
    EXPECT_EQ(same.readAll(), before);

    // A club file that is gone cannot be rewritten, and says so.
    QFile::remove(clubPath());
    out = endLocalGame(game(6, 0, 4, 40), "10:00", "10.12.2026", true);
    EXPECT_FALSE(out.clubWritten);
    EXPECT_EQ(readClubFile(clubPath()).status, ClubStatus::Missing);

    QDir(dir.path()).mkdir("Olk.clb");  // a folder in the way
    EXPECT_FALSE(writeClubFile(clubPath(), defaultClubFile()));
}

}  // namespace
}  // namespace olk
