#include "extras/library_download.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "records/resource_library.h"
#include "tests/extras/file_server.h"

namespace olk {
namespace {

// Downloads land in the folder above the program's, only whole and valid;
// whatever goes wrong leaves nothing behind, not even a temporary file.
TEST(LibraryDownload, OnlyWholeValidFilesArrive)
{
    FileServer server;
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("program"));
    ASSERT_TRUE(QDir().mkpath(program));
    EXPECT_EQ(LibraryDownload::addressOf(QUrl("http://example.org/base/"), "TevCards06A.dll"),
              QUrl("http://example.org/base/downloads/progr/cards/TevCards06A.dll"));

    const struct {
        const char* file;
        bool arrives;
    } cases[] = {
        {"TevCards06A.dll", true},
        {"TevCards06B.dll", false},  // the server breaks off mid-file
        {"TevCards06C.dll", false},  // an error page, not a library
        {"TevBackG03.dll", false},   // not on the server
        {"TevRadio.rad", true},
    };
    LibraryDownload download;
    QSignalSpy finished(&download, &LibraryDownload::finished);
    for (const auto& c : cases) {
        const QString file = QString::fromLatin1(c.file);
        EXPECT_FALSE(LibraryDownload::isPresent(file, program)) << c.file;
        ASSERT_TRUE(download.start(server.url(), file, program)) << c.file;
        EXPECT_FALSE(download.start(server.url(), file, program)) << "one at a time";
        ASSERT_TRUE(finished.wait(10000)) << c.file;
        EXPECT_EQ(finished.takeFirst().at(0).toBool(), c.arrives) << c.file;
        EXPECT_EQ(LibraryDownload::isPresent(file, program), c.arrives) << c.file;
        EXPECT_EQ(QFile::exists(root.filePath(file)), c.arrives) << "in the folder above";
    }
    EXPECT_EQ(ResourceLibrary::find("TevCards06A.dll", program)->bytes("Ch02Med")->size(), 5000);
    const QStringList left = QDir(root.path()).entryList(QDir::Files);
    EXPECT_EQ(left, (QStringList{"TevCards06A.dll", "TevRadio.rad"})) << "no temporary files";

    EXPECT_FALSE(download.start(server.url(), "../escape.dll", program));
    EXPECT_FALSE(download.start(server.url(), "", program));
}

}  // namespace
}  // namespace olk
