#include "records/record_io.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace olk {

FileRead readOwnFile(const QString& path, qint64 limit)
{
    FileRead read;
    const QByteArray native = QFile::encodeName(path);
    // O_NONBLOCK: opening a FIFO that nobody writes to would otherwise wait
    // forever; for a regular file it changes nothing.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        read.status =
            errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable;
        return read;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        read.status = ReadStatus::Unreadable;
        return read;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        read.status = ReadStatus::Unreadable;
        return read;
    }
    read.content = file.read(limit);
    read.status = file.error() == QFileDevice::NoError ? ReadStatus::Ok : ReadStatus::Unreadable;
    return read;
}

bool writeOwnFile(const QString& path, const QByteArray& content)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    // QSaveFile buffers what is written, and its commit() renames the file
    // into place even when the flush it does first failed: so the flush is
    // ours, and a failure cancels the save before anything is renamed.
    if (out.write(content) != content.size() || !out.flush() ||
        out.error() != QFileDevice::NoError) {
        out.cancelWriting();  // the temporary file goes with `out`
        return false;
    }
    return out.commit();
}

int removeSaveLeftovers(const QString& folder)
{
    // QSaveFile names its temporary file after the real one with a dot and
    // six letters or digits.
    static const QRegularExpression kOwn(
        QStringLiteral("^(Olk\\.ini|Olk\\.clb|Olk\\.net)\\.[A-Za-z0-9]{6}$"));
    static const QRegularExpression kHistory(
        QStringLiteral("^.+_I[0-9]{4}\\.hst\\.[A-Za-z0-9]{6}$"));
    int removed = 0;
    const auto sweep = [&removed](const QDir& dir, const QRegularExpression& pattern) {
        const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& name : names) {
            if (pattern.match(name).hasMatch() && QFile::remove(dir.filePath(name))) {
                ++removed;
            }
        }
    };
    // Downloads of the optional files go to the folder above, through a
    // temporary file of the same kind of name.
    static const QRegularExpression kDownload(
        QStringLiteral("^Tev[A-Za-z0-9]+\\.(dll|rad)\\.[A-Za-z0-9]{6}$"));
    const QDir dir(folder);
    sweep(dir, kOwn);
    if (dir.exists(QStringLiteral("History"))) {
        sweep(QDir(dir.filePath(QStringLiteral("History"))), kHistory);
    }
    sweep(QDir(dir.absoluteFilePath(QStringLiteral(".."))), kDownload);
    return removed;
}

}  // namespace olk
