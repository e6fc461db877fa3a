#include "account/user_file.h"

#include <QDir>
#include <QFile>

#include "core/cp1251.h"
#include "records/record_io.h"
#include "settings/address_cipher.h"

namespace olk {
namespace {

constexpr char kTitle[] = "Tev User File";

QString userFilePath(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("../") + QLatin1String(kUserFileName));
}

QByteArray toFileText(const QString& text)
{
    return QByteArray::fromStdString(cp1251::fromUtf8Lossy(text.toStdString()));
}

QString fromFileText(const QByteArray& bytes)
{
    return QString::fromStdString(cp1251::toUtf8(bytes.toStdString()));
}

}  // namespace

// The stored form is the same keyed stream the service addresses are kept
// in: it hides the password from a glance, it does not protect it.
QString encipherPassword(const QString& password)
{
    return QString::fromLatin1(encipherAddress(password));
}

std::optional<QString> decipherPassword(const QString& stored)
{
    return decipherAddress(stored.toLatin1());
}

std::optional<UserFile> readUserFile(const QString& programFolder)
{
    // A real user file is a few dozen bytes.
    FileRead read = readOwnFile(userFilePath(programFolder), 4096);
    if (read.status != ReadStatus::Ok) {
        read = readOwnFile(userFilePath(programFolder), 4096);  // one retry
    }
    if (read.status != ReadStatus::Ok) {
        return std::nullopt;
    }
    QList<QByteArray> lines = read.content.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    if (lines.size() < 3 || lines[0] != kTitle) {
        return std::nullopt;
    }
    return UserFile{fromFileText(lines[1]), fromFileText(lines[2])};
}

bool writeUserFile(const QString& programFolder, const UserFile& file)
{
    const QByteArray content = QByteArray(kTitle) + "\r\n" + toFileText(file.nick) + "\r\n" +
                               toFileText(file.storedPassword) + "\r\n";
    return writeOwnFile(userFilePath(programFolder), content);
}

bool removeUserFile(const QString& programFolder)
{
    return QFile::remove(userFilePath(programFolder));
}

std::optional<QString> startupPassword(const QString& stored)
{
    std::optional<QString> password = decipherPassword(stored);
    if (!password) {
        return std::nullopt;
    }
    for (QChar& c : *password) {
        if (c == u' ' || c == u'#' || c == u'$') {
            c = u'-';
        }
    }
    return password;
}

}  // namespace olk
