#include "records/resource_library.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/stat.h>

namespace olk {
namespace {

std::vector<ResourceEntry> sampleEntries()
{
    return {
        {QStringLiteral("Ch02Med"), ResourceKind::Png, QByteArray("\x89PNG one", 8)},
        {QStringLiteral("Fon01FiB"), ResourceKind::Jpeg, QByteArray(300, 'j')},
        {QStringLiteral("GifA"), ResourceKind::Gif, QByteArray("GIF89a")},
        {QStringLiteral("Pi04VoiceJap"), ResourceKind::Wave, QByteArray()},
    };
}

QByteArray sampleLibrary()
{
    return packResourceLibrary(sampleEntries()).value();
}

std::optional<ResourceLibrary> fromBytes(const QByteArray& bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return ResourceLibrary::read(std::move(buffer));
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What is packed is read back: every entry with its kind and bytes, found by
// its name in any case; other names are not there.
TEST(ResourceLibrary, ReadsBackWhatWasPackedWhateverTheCase)
{
    const std::optional<ResourceLibrary> library = fromBytes(sampleLibrary());
    ASSERT_TRUE(library);
    EXPECT_EQ(library->names(), (QStringList{"Ch02Med", "Fon01FiB", "GifA", "Pi04VoiceJap"}));
    for (const ResourceEntry& entry : sampleEntries()) {
        for (const QString& name : {entry.name, entry.name.toUpper(), entry.name.toLower()}) {
            EXPECT_EQ(library->kind(name), entry.kind) << name.toStdString();
            EXPECT_EQ(library->bytes(name), entry.bytes) << name.toStdString();
        }
    }
    EXPECT_FALSE(library->contains(QStringLiteral("Ch02")));
    EXPECT_FALSE(library->bytes(QStringLiteral("Ch02Me")));
    EXPECT_FALSE(library->kind(QString()));
}

// The writer keeps the rules the reader checks.
TEST(ResourceLibrary, PackingRefusesBadNames)
{
    const QByteArray bytes("x");
    EXPECT_FALSE(packResourceLibrary({{QString(), ResourceKind::Png, bytes}})) << "empty";
    EXPECT_FALSE(packResourceLibrary({{QString(65, 'a'), ResourceKind::Png, bytes}})) << "long";
    EXPECT_FALSE(packResourceLibrary({{QStringLiteral("a b"), ResourceKind::Png, bytes}}));
    EXPECT_FALSE(packResourceLibrary({{QStringLiteral("../x"), ResourceKind::Png, bytes}}));
    EXPECT_FALSE(packResourceLibrary({{QStringLiteral("Ёж"), ResourceKind::Png, bytes}}));
    EXPECT_FALSE(packResourceLibrary(
        {{QStringLiteral("GifA"), ResourceKind::Gif, bytes}, {QStringLiteral("GIFA"), ResourceKind::Gif, bytes}}))
        << "the same name in another case";
    EXPECT_TRUE(packResourceLibrary({{QString(64, 'a'), ResourceKind::Png, bytes}}));
}

// Every way a file can be damaged or foreign is refused whole: no prefix of a
// library but the whole is one, and no directory field may point outside.
TEST(ResourceLibrary, RefusesDamagedAndForeignFiles)
{
    const QByteArray good = sampleLibrary();
    for (qsizetype length = 0; length < good.size(); ++length) {
        EXPECT_FALSE(fromBytes(good.left(length))) << "cut at " << length;
    }
    ASSERT_TRUE(fromBytes(good));

    // The first entry's fields: count at 8, name length at 12, name from 13.
    const qsizetype kindAt = 13 + 7;
    auto patched = [&](qsizetype at, QByteArray bytes) {
        QByteArray copy = good;
        copy.replace(at, bytes.size(), bytes);
        return copy;
    };
    auto u32 = [](quint32 value) {
        QByteArray out(4, '\0');
        qToLittleEndian(value, out.data());
        return out;
    };
    QByteArray twins = packResourceLibrary({{"GifA", ResourceKind::Gif, "1"},
                                            {"GifB", ResourceKind::Gif, "2"}})
                           .value();
    twins.replace(twins.indexOf("GifB"), 4, "GIFA");
    const struct {
        const char* why;
        QByteArray file;
    } damaged[] = {
        {"foreign magic", patched(0, "MZ\x90\x00\x03\x00\x00\x00")},
        {"an older format", patched(0, "OLKRES00")},
        {"more entries than written", patched(8, u32(5))},
        {"absurd count", patched(8, u32(0xFFFFFFFF))},
        {"empty name", patched(12, QByteArray(1, '\0'))},
        {"name with a slash", patched(13, "C/")},
        {"unknown kind", patched(kindAt, QByteArray(1, '\x07'))},
        {"kind zero", patched(kindAt, QByteArray(1, '\0'))},
        {"bytes inside the directory", patched(kindAt + 1, u32(4))},
        {"bytes past the end", patched(kindAt + 1, u32(static_cast<quint32>(good.size()) - 2))},
        {"size past the end", patched(kindAt + 5, u32(0x7FFFFFFF))},
        {"size over the limit", patched(kindAt + 5, u32(ResourceLibrary::kMaxEntrySize + 1))},
        {"names differing in case only", twins},
        {"a picture file", QByteArray("\x89PNG\r\n\x1a\n") + QByteArray(100, '\0')},
    };
    for (const auto& file : damaged) {
        EXPECT_FALSE(fromBytes(file.file)) << file.why;
    }
}

// Beside the program first, then in the folder above (where downloads go);
// a damaged file beside the program does not hide a good one above; what is
// not a regular file is never opened.
TEST(ResourceLibrary, IsFoundBesideTheProgramThenInTheFolderAbove)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString program = root.filePath(QStringLiteral("program"));
    ASSERT_TRUE(QDir().mkpath(program));
    const QString name = QStringLiteral("TevCards06A.dll");
    EXPECT_FALSE(ResourceLibrary::find(name, program));

    const QByteArray above = packResourceLibrary({{"Above", ResourceKind::Png, "a"}}).value();
    const QByteArray beside = packResourceLibrary({{"Beside", ResourceKind::Png, "b"}}).value();
    ASSERT_TRUE(writeFile(root.filePath(name), above));
    EXPECT_TRUE(ResourceLibrary::find(name, program)->contains(QStringLiteral("Above")));

    ASSERT_TRUE(writeFile(QDir(program).filePath(name), beside));
    EXPECT_TRUE(ResourceLibrary::find(name, program)->contains(QStringLiteral("Beside")));

    ASSERT_TRUE(writeFile(QDir(program).filePath(name), beside.left(20)));
    EXPECT_TRUE(ResourceLibrary::find(name, program)->contains(QStringLiteral("Above")));

    ASSERT_TRUE(QFile::remove(root.filePath(name)));
    ASSERT_EQ(mkfifo(QFile::encodeName(root.filePath(name)).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkpath(QDir(program).filePath(QStringLiteral("dir.dll"))));
    EXPECT_FALSE(ResourceLibrary::find(name, program)) << "a pipe is never read";
    EXPECT_FALSE(ResourceLibrary::find(QStringLiteral("dir.dll"), program));
}

// A file cut short after its directory was read gives no bytes, not garbage.
TEST(ResourceLibrary, AFileCutShortAfterOpeningGivesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lib.dll"));
    ASSERT_TRUE(writeFile(path, sampleLibrary()));
    const std::optional<ResourceLibrary> library = ResourceLibrary::open(path);
    ASSERT_TRUE(library);
    EXPECT_EQ(library->path(), path);
    ASSERT_TRUE(QFile::resize(path, sampleLibrary().size() - 100));
    EXPECT_FALSE(library->bytes(QStringLiteral("Fon01FiB")));
    EXPECT_EQ(library->bytes(QStringLiteral("Ch02Med")), QByteArray("\x89PNG one", 8));
}

}  // namespace
}  // namespace olk
