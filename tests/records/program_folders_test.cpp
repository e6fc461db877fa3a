#include "records/program_folders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "records/end_of_game.h"
#include "records/resource_library.h"

namespace olk {
namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// An installed layout: <root>/games holds the program, <root>/share/games/olk its data.
struct InstalledTree {
    QTemporaryDir root;
    QString games = root.filePath(QStringLiteral("usr/games"));
    QString data = root.filePath(QStringLiteral("usr/share/games/olk"));
    QString userHome = root.filePath(QStringLiteral("home/.local/share"));
    InstalledTree()
    {
        QDir().mkpath(games);
        QDir().mkpath(data);
    }
    ~InstalledTree() { setInstalledDataFolder({}); }
};

// A writable program folder keeps everything beside the program, as a
// portable game always did; an unwritable one moves it to the user's data
// folder, which is made on the spot. The installation's data is found
// either way, and only where it exists.
TEST(ProgramFolders, BesideTheProgramUnlessItCannotBeWritten)
{
    InstalledTree tree;
    const QString relative = QStringLiteral("../share/games/olk");

    EXPECT_TRUE(canWriteInto(tree.games));
    ProgramFolders folders = chooseProgramFolders(tree.games, true, relative, tree.userHome);
    EXPECT_EQ(folders.own, tree.games);
    EXPECT_FALSE(folders.inUserData);
    EXPECT_EQ(folders.data, QDir::cleanPath(tree.data));
    EXPECT_FALSE(QDir(tree.userHome).exists()) << "nothing is made in the user's folder";

    folders = chooseProgramFolders(tree.games, false, relative, tree.userHome);
    EXPECT_TRUE(folders.inUserData);
    EXPECT_EQ(folders.own, QDir::cleanPath(tree.userHome + QStringLiteral("/olk/game")));
    EXPECT_TRUE(QDir(folders.own).exists());
    EXPECT_EQ(folders.data, QDir::cleanPath(tree.data));

    // Without an installation's data (a build tree) there is no data folder.
    EXPECT_TRUE(
        chooseProgramFolders(tree.games, false, QStringLiteral("../nothing"), tree.userHome)
            .data.isEmpty());
    // If not even the user's folder can be made, the program folder stays,
    // and the club check says what cannot be written.
    const QString blocked = tree.root.filePath(QStringLiteral("file"));
    ASSERT_TRUE(writeFile(blocked, "x"));
    folders = chooseProgramFolders(tree.games, false, relative, blocked);
    EXPECT_EQ(folders.own, tree.games);
    EXPECT_FALSE(folders.inUserData);
}

// The first start in the user's folder gets the default club files, and a
// player's own files are never replaced.
TEST(ProgramFolders, MissingClubFilesAreMadeAndOwnOnesKept)
{
    QTemporaryDir folder;
    ASSERT_TRUE(writeFile(folder.filePath(QStringLiteral("Olk.net")), "a player's own"));
    EXPECT_TRUE(makeMissingClubFiles(folder.path()));
    EXPECT_EQ(readClubFile(folder.filePath(QStringLiteral("Olk.clb"))).status, ClubStatus::Ok);
    QFile own(folder.filePath(QStringLiteral("Olk.net")));
    ASSERT_TRUE(own.open(QIODevice::ReadOnly));
    EXPECT_EQ(own.readAll(), QByteArray("a player's own"));

    EXPECT_FALSE(makeMissingClubFiles(folder.filePath(QStringLiteral("no/such/folder"))));
}

// The installation's data folder is the last place a library is looked for:
// a download beside the program or above it is taken first.
TEST(ProgramFolders, LibrariesComeFromTheInstallationLast)
{
    InstalledTree tree;
    const QString own = tree.root.filePath(QStringLiteral("home/olk/game"));
    ASSERT_TRUE(QDir().mkpath(own));
    const QString name = QStringLiteral("TevBackG03.dll");
    const QByteArray installed = packResourceLibrary({{"Installed", ResourceKind::Png, "i"}}).value();
    const QByteArray downloaded = packResourceLibrary({{"Downloaded", ResourceKind::Png, "d"}}).value();
    ASSERT_TRUE(writeFile(QDir(tree.data).filePath(name), installed));

    EXPECT_FALSE(ResourceLibrary::find(name, own)) << "no data folder set yet";
    setInstalledDataFolder(tree.data);
    EXPECT_TRUE(ResourceLibrary::find(name, own)->contains(QStringLiteral("Installed")));
    ASSERT_TRUE(writeFile(tree.root.filePath(QStringLiteral("home/olk/") + name), downloaded));
    EXPECT_TRUE(ResourceLibrary::find(name, own)->contains(QStringLiteral("Downloaded")));
}

}  // namespace
}  // namespace olk
