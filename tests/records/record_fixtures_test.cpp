// The club file and the history file in fixtures/ were made, sums included,
// by fixtures/make_fixtures.py from the file layouts alone. The readers must
// accept them and the writers must reproduce them byte for byte.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/cp1251.h"
#include "records/club_file.h"
#include "records/history_file.h"

namespace olk {
namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray fixture(const char* name)
{
    const QByteArray content = readFile(QStringLiteral(OLK_FIXTURES_DIR "/") + name);
    EXPECT_FALSE(content.isEmpty()) << "missing fixture " << name;
    return content;
}

QByteArray cp(const char* utf8)
{
    return QByteArray::fromStdString(cp1251::fromUtf8(utf8).value());
}

QList<QByteArray> lines(const QByteArray& content)
{
    QList<QByteArray> out = content.split('\n');
    out.removeLast();
    for (QByteArray& line : out) {
        EXPECT_TRUE(line.endsWith('\r'));
        line.chop(1);
    }
    return out;
}

TEST(RecordFixtures, ClubFileIsReadAndWrittenBackUnchanged)
{
    const QByteArray content = fixture("Olk.clb");
    const ClubFile club = ClubFile::parse(content);
    ASSERT_TRUE(club.isValid());
    EXPECT_TRUE(club.asksForRussian());
    EXPECT_EQ(club.line(17).mid(6, 3), "abc");
    EXPECT_EQ(club.serialize(), content);

    struct Player {
        const char* name;
        double rating;
        int deals;
        int score;
        const char* password;
    };
    const Player players[] = {
        {"Alice", 12.345678, 123, 456, "abc  "},
        {"Петров", 0.5, 40, -37, "пар1 "},
        {"Bob", -12.5, 7, -1234, "     "},
    };
    for (int slot = 1; slot <= 3; ++slot) {
        const Player& p = players[slot - 1];
        const QByteArray& line = club.line(slot);
        EXPECT_FALSE(ClubFile::isUnused(line)) << slot;
        EXPECT_EQ(playerName(line), QString::fromUtf8(p.name));
        EXPECT_DOUBLE_EQ(playerRating(line), p.rating) << slot;
        EXPECT_EQ(playerDeals(line), p.deals) << slot;
        EXPECT_EQ(playerScore(line), p.score) << slot;
        EXPECT_EQ(passwordFromStored(line.mid(44, 15)), cp(p.password)) << slot;
        EXPECT_EQ(makePlayerLine(cp(p.name), p.rating, p.deals, p.score, cp(p.password)), line);
    }
    EXPECT_TRUE(ClubFile::isUnused(club.line(4)));
    EXPECT_TRUE(ClubFile::isUnused(club.line(5)));
    EXPECT_EQ(club.line(7), cp("Зоя                    640"));
}

struct Entry {
    const char* time;
    const char* date;
    HisStr fields;
};

// The entries make_fixtures.py wrote, oldest first.
std::vector<Entry> historyFixtureEntries()
{
    return {
        {"09:05", "10.12.2026", {cp("Alice"), 8, 125, 12.345678, 0}},
        {"23:59", "10.12.2026", {cp("Alice/Петров/Bob/PC"), 4, -60, -1.5, 3}},
        {"7:30", "1.2.27", {cp("Петров"), 40, -7, -0.25, 0}},
        {"10:00", "2027-02-01", {cp("Зоя/Max/Eve/Tom"), 4, 3, 0.05, 2}},
        {"10:45", "02/01/2027", {cp("Kim"), 16, -1234567, -99.99, 1}},
    };
}

TEST(RecordFixtures, HistoryFileIsReadAndEachLineWrittenAlike)
{
    const QByteArray content = fixture("Olk_I0001.hst");
    const std::vector<Entry> entries = historyFixtureEntries();
    const HistoryCheck check = checkHistory(content);
    ASSERT_TRUE(check.valid);
    EXPECT_EQ(check.entries, static_cast<int>(entries.size()));

    const QList<QByteArray> fileLines = lines(content);
    ASSERT_EQ(fileLines.size(), static_cast<qsizetype>(entries.size() + 2));
    EXPECT_EQ(historyEntries(content), fileLines.mid(0, check.entries));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        EXPECT_EQ(historyEntryLine(e.fields, e.time, e.date), fileLines[static_cast<qsizetype>(i)])
            << "entry " << i + 1;
    }
    EXPECT_EQ(historySignatureLine(), fileLines[check.entries]);
}

TEST(RecordFixtures, AppendingTheEntriesWritesTheSameHistoryFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Entry& e : historyFixtureEntries()) {
        ASSERT_TRUE(appendHistory(dir.path(), "Olk.clb", e.fields, e.time, e.date));
    }
    EXPECT_EQ(readFile(historyFilePath(dir.path(), "Olk.clb", 1)), fixture("Olk_I0001.hst"));
}

}  // namespace
}  // namespace olk
