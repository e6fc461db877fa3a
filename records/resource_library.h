#pragma once

// Resource libraries: the files of named pictures and sounds that lie beside
// the program or in the folder above it ("TevCards06A.dll", "TevBackG03.dll",
// "TevCGraph1.dll", "TevCVoice3.dll", ...). Despite the ".dll" the names keep,
// they hold no code: each is a directory of named entries followed by the
// entries' bytes.
//
// Layout (little-endian):
//   8 bytes   "OLKRES01"
//   u32       number of entries, at most kMaxEntries
//   per entry:
//     u8      name length, 1..kMaxNameLength
//     bytes   the name: ASCII letters, digits, '_', '-' and '.'
//     u8      kind (ResourceKind)
//     u32     offset of the bytes from the start of the file
//     u32     size of the bytes, at most kMaxEntrySize
//   the bytes of the entries, each wholly after the directory and inside
//   the file
// Names are unique without regard to case, and are looked up so.
//
// A library is refused whole when anything in its directory breaks these
// rules: a damaged, truncated or foreign file is never read out of bounds.

#include <QByteArray>
#include <QHash>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace olk {

enum class ResourceKind : std::uint8_t {
    Png = 1,
    Jpeg = 2,
    Gif = 3,
    Wave = 4,
};

struct ResourceEntry {
    QString name;
    ResourceKind kind;
    QByteArray bytes;
};

class ResourceLibrary {
public:
    static constexpr std::uint32_t kMaxEntries = 65536;
    static constexpr int kMaxNameLength = 64;
    static constexpr std::uint32_t kMaxEntrySize = 64 * 1024 * 1024;

    // Where the program's optional files (libraries, the radio list) are
    // looked for, in order: its own folder, then the one above it, where
    // downloads are stored, then an installation's data folder
    // (records/program_folders.h).
    static QStringList searchPaths(const QString& fileName, const QString& programFolder);

    // The library `fileName` at the first of its search paths that holds a
    // valid one; nothing when none does.
    static std::optional<ResourceLibrary> find(const QString& fileName,
                                               const QString& programFolder);

    // The library in the file at `path`; nothing when it is missing or not a
    // valid library. Only the directory is read here.
    static std::optional<ResourceLibrary> open(const QString& path);

    // The same for a library held by `device` (open for reading, seekable),
    // which the library keeps.
    static std::optional<ResourceLibrary> read(std::unique_ptr<QIODevice> device);

    // The path it was opened from; empty for a device.
    const QString& path() const { return m_path; }

    // Every entry name, as stored.
    QStringList names() const;
    bool contains(const QString& name) const;
    std::optional<ResourceKind> kind(const QString& name) const;

    // The bytes of entry `name` (any case); nothing when there is no such
    // entry or the file no longer holds it whole.
    std::optional<QByteArray> bytes(const QString& name) const;

private:
    struct Entry {
        QString name;
        ResourceKind kind;
        std::uint32_t offset;
        std::uint32_t size;
    };

    ResourceLibrary() = default;

    QString m_path;
    std::shared_ptr<QIODevice> m_device;
    std::vector<Entry> m_entries;
    QHash<QString, std::size_t> m_byName;  // lower-case name → entry
};

// The bytes of a library holding `entries`, in their order; nothing when an
// entry breaks the rules above (a bad or repeated name, too large).
std::optional<QByteArray> packResourceLibrary(const std::vector<ResourceEntry>& entries);

}  // namespace olk
