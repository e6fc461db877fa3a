#include "records/record_io.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <thread>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "records/end_of_game.h"
#include "settings/settings_file.h"

namespace olk {
namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every file the program writes, each through its own saver: the file name
// in the program folder and a save that makes it longer than it was.
struct Saver {
    const char* name;
    QString file;
    std::function<bool(const QString& folder)> save;
};

std::vector<Saver> savers()
{
    return {
        {"club", QStringLiteral("Olk.clb"),
         [](const QString& folder) {
             ClubFile club = defaultClubFile();
             club.insertPlayer(makePlayerLine("Anna", 1.5, 40, 120, "abc"), false);
             return writeClubFile(QDir(folder).filePath("Olk.clb"), club);
         }},
        {"history", QStringLiteral("History/Olk_I0001.hst"),
         [](const QString& folder) {
             HisStr entry;
             entry.HName = "Anna";
             entry.HKon = 4;
             entry.HRes = 12;
             return appendHistory(folder, "Olk.clb", entry, "10:00", "10.12.2026");
         }},
        {"settings", QStringLiteral("Olk.ini"),
         [](const QString& folder) {
             Settings s;
             s.playerName = QStringLiteral("A much longer name than before");
             return saveSettings(folder, s);
         }},
    };
}

// Puts the first version of each file in place.
void writeFirstVersions(const QString& folder)
{
    ASSERT_TRUE(writeClubFile(QDir(folder).filePath("Olk.clb"), defaultClubFile()));
    HisStr entry;
    entry.HName = "Bob";
    ASSERT_TRUE(appendHistory(folder, "Olk.clb", entry, "09:00", "09.12.2026"));
    ASSERT_TRUE(saveSettings(folder, Settings()));
}

void expectNoTemporaryFiles(const QString& folder)
{
    for (const QString& sub : {QString(), QStringLiteral("History")}) {
        const QStringList names = QDir(QDir(folder).filePath(sub)).entryList(QDir::Files);
        for (const QString& name : names) {
            EXPECT_FALSE(name.contains(QRegularExpression("\\.[A-Za-z0-9]{6}$")))
                << name.toStdString();
        }
    }
}

// While alive, no file of this process may grow beyond `bytes`: writes past it
// fail with EFBIG, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

TEST(RecordIo, AFileSizeLimitNeverEmptiesAFile)
{
    for (const Saver& saver : savers()) {
        SCOPED_TRACE(saver.name);
        QTemporaryDir folder;
        writeFirstVersions(folder.path());
        const QString path = QDir(folder.path()).filePath(saver.file);
        const QByteArray before = contentOf(path);
        {
            const FileSizeLimit limit(64);
            EXPECT_FALSE(saver.save(folder.path()));
        }
        EXPECT_EQ(contentOf(path), before);
        expectNoTemporaryFiles(folder.path());
        EXPECT_TRUE(saver.save(folder.path())) << "room again";
        EXPECT_NE(contentOf(path), before);
    }
}

// A real full file system: a tiny tmpfs filled to the last byte. Needs the
// right to mount, so it is skipped where the tests run without it.
TEST(RecordIo, AFullDiskNeverEmptiesAFile)
{
    for (const Saver& saver : savers()) {
        SCOPED_TRACE(saver.name);
        QTemporaryDir mountPoint;
        const QByteArray where = QFile::encodeName(mountPoint.path());
        if (mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") != 0) {
            GTEST_SKIP() << "no right to mount a tmpfs here";
        }
        const QString folder = mountPoint.path();
        writeFirstVersions(folder);
        const QString path = QDir(folder).filePath(saver.file);
        const QByteArray before = contentOf(path);
        QFile filler(QDir(folder).filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size()) {
        }
        filler.close();
        EXPECT_FALSE(saver.save(folder));
        EXPECT_EQ(contentOf(path), before);
        expectNoTemporaryFiles(folder);
        QFile::remove(filler.fileName());
        EXPECT_TRUE(saver.save(folder)) << "room again";
        umount(where.constData());
    }
}

TEST(RecordIo, OnlyRegularFilesAreRead)
{
    QTemporaryDir folder;
    const QDir dir(folder.path());
    EXPECT_EQ(readOwnFile(dir.filePath("none"), 100).status, ReadStatus::Missing);
    EXPECT_EQ(readOwnFile(dir.filePath("none/deeper"), 100).status, ReadStatus::Missing);
    ASSERT_TRUE(dir.mkdir("Olk.ini"));
    EXPECT_EQ(readOwnFile(dir.filePath("Olk.ini"), 100).status, ReadStatus::Unreadable);
    // A FIFO nobody writes to: opening it the usual way would wait forever.
    const QByteArray fifo = QFile::encodeName(dir.filePath("Olk.clb"));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    EXPECT_EQ(readOwnFile(dir.filePath("Olk.clb"), 100).status, ReadStatus::Unreadable);
    EXPECT_EQ(readClubFile(dir.filePath("Olk.clb")).status, ClubStatus::Incorrect);
    EXPECT_EQ(readOwnFile("/dev/zero", 100).status, ReadStatus::Unreadable);

    QFile file(dir.filePath("Olk.net"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0123456789");
    file.close();
    const FileRead read = readOwnFile(file.fileName(), 4);
    EXPECT_EQ(read.status, ReadStatus::Ok);
    EXPECT_EQ(read.content, "0123");
}

TEST(RecordIo, LeftoversOfAnInterruptedSaveAreRemoved)
{
    QTemporaryDir folder;
    const QDir dir(folder.path());
    ASSERT_TRUE(dir.mkdir("History"));
    const QStringList leftovers = {"Olk.clb.a1B2c3", "Olk.net.XyZ123", "Olk.ini.q7Ww2e",
                                   "History/Olk_I0001.hst.Abc123", "History/Olk_I0042.hst.zzzzzz"};
    const QStringList kept = {"Olk.clb",
                              "Olk.clb.bak",
                              "Olk.clb.damaged",
                              "notes.txt.a1B2c3",
                              "Olk.clb.a1B2c",
                              "History/Olk_I0001.hst",
                              "History/Olk_I0001.hst.damaged"};
    for (const QString& name : leftovers + kept) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(removeSaveLeftovers(folder.path()), leftovers.size());
    for (const QString& name : leftovers) {
        EXPECT_FALSE(dir.exists(name)) << name.toStdString();
    }
    for (const QString& name : kept) {
        EXPECT_TRUE(dir.exists(name)) << name.toStdString();
    }
}

// A download cut short leaves its temporary file in the folder above the
// program's; only those are swept there.
TEST(RecordIo, LeftoversOfAnInterruptedDownloadAreRemoved)
{
    QTemporaryDir root;
    const QDir dir(root.path());
    ASSERT_TRUE(dir.mkdir("program"));
    const QStringList leftovers = {"TevCards06A.dll.Ab12Cd", "TevRadio.rad.zzzzzz"};
    const QStringList kept = {"TevCards06A.dll", "Other.dll.Ab12Cd", "TevCards06A.dll.Ab12"};
    for (const QString& name : leftovers + kept) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(removeSaveLeftovers(dir.filePath("program")), leftovers.size());
    for (const QString& name : leftovers) {
        EXPECT_FALSE(dir.exists(name)) << name.toStdString();
    }
    for (const QString& name : kept) {
        EXPECT_TRUE(dir.exists(name)) << name.toStdString();
    }
}

}  // namespace
}  // namespace olk
