// olk-libpack: packs files into a resource library (records/resource_library.h).
//
//   olk-libpack <list.qrc> <library>
//
// The list is a Qt resource list: every <file alias="Name">path</file> (a
// path relative to the list) becomes the entry "Name", its kind taken from
// the path's extension (.png, .jpg/.jpeg, .gif, .wav). The library is
// written whole or not at all.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>

#include <cstdio>
#include <optional>

#include "records/resource_library.h"

namespace {

std::optional<olk::ResourceKind> kindOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return olk::ResourceKind::Png;
    }
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
        return olk::ResourceKind::Jpeg;
    }
    if (suffix == QLatin1String("gif")) {
        return olk::ResourceKind::Gif;
    }
    if (suffix == QLatin1String("wav")) {
        return olk::ResourceKind::Wave;
    }
    return std::nullopt;
}

int fail(const QString& message)
{
    std::fprintf(stderr, "olk-libpack: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: olk-libpack <list.qrc> <library>\n");
        return 2;
    }
    const QString listPath = QString::fromLocal8Bit(argv[1]);
    QFile list(listPath);
    if (!list.open(QIODevice::ReadOnly)) {
        return fail(QStringLiteral("cannot read ") + listPath);
    }
    const QDir base = QFileInfo(listPath).absoluteDir();
    std::vector<olk::ResourceEntry> entries;
    QXmlStreamReader xml(&list);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("file")) {
            const QString alias = xml.attributes().value(QLatin1String("alias")).toString();
            const QString path = xml.readElementText().trimmed();
            const QString name = alias.isEmpty() ? QFileInfo(path).completeBaseName() : alias;
            const std::optional<olk::ResourceKind> kind = kindOf(path);
            if (!kind) {
                return fail(QStringLiteral("unknown kind of file: ") + path);
            }
            QFile file(base.filePath(path));
            if (!file.open(QIODevice::ReadOnly)) {
                return fail(QStringLiteral("cannot read ") + file.fileName());
            }
            entries.push_back({name, *kind, file.readAll()});
        }
    }
    if (xml.hasError()) {
        return fail(QStringLiteral("bad list: ") + xml.errorString());
    }
    const std::optional<QByteArray> library = olk::packResourceLibrary(entries);
    if (!library) {
        return fail(QStringLiteral("an entry has a bad or repeated name, or is too large"));
    }
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(*library) != library->size() ||
        !out.commit()) {
        return fail(QStringLiteral("cannot write ") + out.fileName());
    }
    return 0;
}
