#include "records/resource_library.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include "records/program_folders.h"

namespace olk {
namespace {

constexpr char kMagic[] = "OLKRES01";
constexpr int kMagicLength = 8;

bool validName(const QByteArray& name)
{
    if (name.isEmpty() || name.size() > ResourceLibrary::kMaxNameLength) {
        return false;
    }
    for (char c : name) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                        c == '_' || c == '-' || c == '.';
        if (!ok) {
            return false;
        }
    }
    return true;
}

bool validKind(std::uint8_t kind)
{
    return kind >= static_cast<std::uint8_t>(ResourceKind::Png) &&
           kind <= static_cast<std::uint8_t>(ResourceKind::Wave);
}

// Reads exactly `size` bytes, or fails.
std::optional<QByteArray> readExactly(QIODevice& device, qint64 size)
{
    QByteArray bytes = device.read(size);
    if (bytes.size() != size) {
        return std::nullopt;
    }
    return bytes;
}

void appendLittleEndian(QByteArray& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.append(static_cast<char>(value >> (8 * i)));
    }
}

}  // namespace

QStringList ResourceLibrary::searchPaths(const QString& fileName, const QString& programFolder)
{
    const QDir folder(programFolder);
    QStringList paths{folder.filePath(fileName), folder.filePath(QStringLiteral("../") + fileName)};
    if (!installedDataFolder().isEmpty()) {
        paths.append(QDir(installedDataFolder()).filePath(fileName));
    }
    return paths;
}

std::optional<ResourceLibrary> ResourceLibrary::find(const QString& fileName,
                                                     const QString& programFolder)
{
    for (const QString& path : searchPaths(fileName, programFolder)) {
        if (std::optional<ResourceLibrary> library = open(path)) {
            return library;
        }
    }
    return std::nullopt;
}

std::optional<ResourceLibrary> ResourceLibrary::open(const QString& path)
{
    // Regular files only: a pipe or a device would block or never end.
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    auto file = std::make_unique<QFile>(path);
    // Unbuffered: an entry is read from the file as it is now, never from a
    // read-ahead of an earlier state.
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return std::nullopt;
    }
    std::optional<ResourceLibrary> library = read(std::move(file));
    if (library) {
        library->m_path = path;
    }
    return library;
}

std::optional<ResourceLibrary> ResourceLibrary::read(std::unique_ptr<QIODevice> device)
{
    if (device == nullptr || !device->isReadable() || device->isSequential()) {
        return std::nullopt;
    }
    const qint64 fileSize = device->size();
    if (!device->seek(0)) {
        return std::nullopt;
    }
    const std::optional<QByteArray> head = readExactly(*device, kMagicLength + 4);
    if (!head || !head->startsWith(QByteArrayView(kMagic, kMagicLength))) {
        return std::nullopt;
    }
    const std::uint32_t count = qFromLittleEndian<quint32>(head->constData() + kMagicLength);
    if (count > kMaxEntries) {
        return std::nullopt;
    }
    // The directory in one read: no entry takes more than this.
    const qint64 longest = qint64{count} * (1 + kMaxNameLength + 9);
    const QByteArray directory = device->read(std::min(longest, fileSize - device->pos()));
    qsizetype at = 0;
    ResourceLibrary library;
    library.m_entries.reserve(std::min<std::uint32_t>(count, 4096));
    for (std::uint32_t i = 0; i < count; ++i) {
        if (at + 1 > directory.size()) {
            return std::nullopt;
        }
        const int length = static_cast<std::uint8_t>(directory[at]);
        if (at + 1 + length + 9 > directory.size()) {
            return std::nullopt;
        }
        const QByteArray name = directory.mid(at + 1, length);
        const char* fields = directory.constData() + at + 1 + length;
        at += 1 + length + 9;
        if (!validName(name)) {
            return std::nullopt;
        }
        const auto kind = static_cast<std::uint8_t>(fields[0]);
        const std::uint32_t offset = qFromLittleEndian<quint32>(fields + 1);
        const std::uint32_t size = qFromLittleEndian<quint32>(fields + 5);
        if (!validKind(kind) || size > kMaxEntrySize) {
            return std::nullopt;
        }
        const QString text = QString::fromLatin1(name);
        const QString key = text.toLower();
        if (library.m_byName.contains(key)) {
            return std::nullopt;
        }
        library.m_byName.insert(key, library.m_entries.size());
        library.m_entries.push_back({text, static_cast<ResourceKind>(kind), offset, size});
    }
    // Every entry's bytes lie after the directory and inside the file.
    const qint64 directoryEnd = kMagicLength + 4 + at;
    for (const Entry& entry : library.m_entries) {
        if (entry.offset < directoryEnd ||
            static_cast<qint64>(entry.offset) + static_cast<qint64>(entry.size) > fileSize) {
            return std::nullopt;
        }
    }
    library.m_device = std::move(device);
    return library;
}

QStringList ResourceLibrary::names() const
{
    QStringList names;
    names.reserve(static_cast<qsizetype>(m_entries.size()));
    for (const Entry& entry : m_entries) {
        names.append(entry.name);
    }
    return names;
}

bool ResourceLibrary::contains(const QString& name) const
{
    return m_byName.contains(name.toLower());
}

std::optional<ResourceKind> ResourceLibrary::kind(const QString& name) const
{
    const auto found = m_byName.constFind(name.toLower());
    if (found == m_byName.constEnd()) {
        return std::nullopt;
    }
    return m_entries[*found].kind;
}

std::optional<QByteArray> ResourceLibrary::bytes(const QString& name) const
{
    const auto found = m_byName.constFind(name.toLower());
    if (found == m_byName.constEnd()) {
        return std::nullopt;
    }
    const Entry& entry = m_entries[*found];
    // The file may have changed since its directory was read: a short read
    // is a missing entry, never a crash.
    if (!m_device->seek(entry.offset)) {
        return std::nullopt;
    }
    return readExactly(*m_device, entry.size);
}

std::optional<QByteArray> packResourceLibrary(const std::vector<ResourceEntry>& entries)
{
    if (entries.size() > ResourceLibrary::kMaxEntries) {
        return std::nullopt;
    }
    QByteArray directory(kMagic, kMagicLength);
    appendLittleEndian(directory, static_cast<std::uint32_t>(entries.size()), 4);
    qint64 directorySize = directory.size();
    QHash<QString, bool> seen;
    for (const ResourceEntry& entry : entries) {
        const QByteArray name = entry.name.toLatin1();
        if (!validName(name) || QString::fromLatin1(name) != entry.name ||
            seen.contains(entry.name.toLower()) ||
            !validKind(static_cast<std::uint8_t>(entry.kind)) ||
            entry.bytes.size() > static_cast<qsizetype>(ResourceLibrary::kMaxEntrySize)) {
            return std::nullopt;
        }
        seen.insert(entry.name.toLower(), true);
        directorySize += 1 + name.size() + 9;
    }
    qint64 offset = directorySize;
    QByteArray data;
    for (const ResourceEntry& entry : entries) {
        if (offset + entry.bytes.size() > static_cast<qint64>(UINT32_MAX)) {
            return std::nullopt;
        }
        const QByteArray name = entry.name.toLatin1();
        directory.append(static_cast<char>(name.size()));
        directory.append(name);
        directory.append(static_cast<char>(entry.kind));
        appendLittleEndian(directory, static_cast<std::uint32_t>(offset), 4);
        appendLittleEndian(directory, static_cast<std::uint32_t>(entry.bytes.size()), 4);
        data.append(entry.bytes);
        offset += entry.bytes.size();
    }
    return directory + data;
}

}  // namespace olk
