#include "records/program_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "records/club_file.h"
#include "records/record_io.h"

namespace olk {

namespace {

QString& dataFolderOfProcess()
{
    static QString folder;
    return folder;
}

}  // namespace

bool canWriteInto(const QString& folder)
{
    // access(W_OK), which also says no on a read-only mount.
    return QFileInfo(folder).isWritable();
}

ProgramFolders chooseProgramFolders(const QString& programDir, bool programDirWritable,
                                    const QString& dataRelative, const QString& userDataHome)
{
    ProgramFolders folders;
    folders.own = programDir;
    if (!dataRelative.isEmpty()) {
        const QString data = QDir::cleanPath(QDir(programDir).filePath(dataRelative));
        if (QFileInfo(data).isDir() && data != QDir::cleanPath(programDir)) {
            folders.data = data;
        }
    }
    if (programDirWritable || userDataHome.isEmpty()) {
        return folders;
    }
    const QString own = QDir::cleanPath(userDataHome + QStringLiteral("/olk/game"));
    if (!QDir().mkpath(own)) {
        return folders;
    }
    folders.own = own;
    folders.inUserData = true;
    return folders;
}

void setInstalledDataFolder(const QString& folder)
{
    dataFolderOfProcess() = folder;
}

const QString& installedDataFolder()
{
    return dataFolderOfProcess();
}

bool makeMissingClubFiles(const QString& folder)
{
    bool written = true;
    const QByteArray content = defaultClubFile().serialize();
    for (const char* name : {"Olk.clb", "Olk.net"}) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(name));
        if (QFileInfo::exists(path)) {
            continue;
        }
        written = writeOwnFile(path, content) && written;
    }
    return written;
}

}  // namespace olk
