#include "records/history_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace olk {
namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

HisStr entry(double rating = 8.2, QByteArray name = "Mr.X")
{
    return HisStr{name, 4, -25, rating, 0};
}

TEST(History, EntryLine)
{
    const QByteArray line = historyEntryLine(entry(), "09:05", "10.12.2026");
    ASSERT_EQ(line.size(), kHistoryLineLength);
    EXPECT_EQ(line.left(15), "09:0510.12.2026");
    EXPECT_EQ(line.mid(15, 51), QByteArray("Mr.X") + QByteArray(47, ' '));
    EXPECT_EQ(line.mid(66, 3), "  4");
    EXPECT_EQ(line.mid(69, 10), "       -25");
    EXPECT_EQ(line.mid(79, 10), "      8,20");
    EXPECT_EQ(line.mid(89, 10), "L#########");
    EXPECT_EQ(line.mid(99), historyLineSums(line));

    EXPECT_EQ(historyEntryLine(entry(-0.5), "09:05", "1.1.26").mid(79, 10), "     -0,50");
    EXPECT_EQ(historyEntryLine(entry(0), "09:05", "1.1.26").mid(79, 10), "      0,00");
    // Players beyond 51 characters and a date beyond 10 are cut.
    const QByteArray sixty(60, 'n');
    EXPECT_EQ(historyEntryLine(entry(1, sixty), "9:05", "2026-12-10 x").mid(15, 51),
              sixty.left(51));
    EXPECT_EQ(historyEntryLine(entry(1, sixty), "9:05", "2026-12-10 x").left(15),
              " 9:052026-12-10");
    EXPECT_EQ(historySignatureLine().size(), kHistoryLineLength);
}

TEST(History, FirstEntryCreatesTheFolderAndAnEditedFileIsDamaged)
{
    QTemporaryDir dir;
    ASSERT_TRUE(appendHistory(dir.path(), "Olk.clb", entry(), "09:05", "10.12.2026"));
    const QString first = historyFilePath(dir.path(), "Olk.clb", 1);
    EXPECT_TRUE(first.endsWith("History/Olk_I0001.hst"));
    ASSERT_TRUE(appendHistory(dir.path(), "Olk.clb", entry(-1), "09:07", "10.12.2026"));
    const QByteArray content = readFile(first);
    const HistoryCheck check = checkHistory(content);
    EXPECT_TRUE(check.valid);
    EXPECT_EQ(check.entries, 2);
    EXPECT_EQ(content.count("\r\n"), 4);

    QByteArray edited = content;
    edited[20] = 'Z';
    EXPECT_FALSE(checkHistory(edited).valid);
    EXPECT_FALSE(checkHistory(content.left(content.size() - 3)).valid);
    EXPECT_FALSE(checkHistory("").valid);

    // A damaged file is kept aside, and the number starts anew.
    writeFile(first, edited);
    ASSERT_TRUE(appendHistory(dir.path(), "Olk.clb", entry(), "09:09", "10.12.2026"));
    EXPECT_EQ(checkHistory(readFile(first)).entries, 1);
    EXPECT_EQ(readFile(first + ".damaged"), edited);
}

TEST(History, The841stEntryStartsTheNextFile)
{
    QTemporaryDir dir;
    for (int i = 0; i < kHistoryEntriesPerFile; ++i) {
        ASSERT_TRUE(appendHistory(dir.path(), "Olk.clb", entry(i / 100.0), "12:00", "01.01.2026"));
    }
    const QString first = historyFilePath(dir.path(), "Olk.clb", 1);
    const QByteArray full = readFile(first);
    ASSERT_EQ(checkHistory(full).entries, kHistoryEntriesPerFile);
    ASSERT_TRUE(appendHistory(dir.path(), "Olk.clb", entry(), "12:01", "01.01.2026"));
    EXPECT_EQ(readFile(first), full);
    EXPECT_EQ(checkHistory(readFile(historyFilePath(dir.path(), "Olk.clb", 2))).entries, 1);
}

TEST(History, AnUnwritableFolderIsReported)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("History"), "a file where the folder should be");
    EXPECT_FALSE(appendHistory(dir.path(), "Olk.clb", entry(), "12:00", "01.01.2026"));
}

}  // namespace
}  // namespace olk
