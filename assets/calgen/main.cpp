// olk-calgen: draws the pictures of the calendar library "TevCalendar01.dll":
// the blank page, the signs of the zodiac, the animals of the twelve-year
// cycle and the holiday pictures.
//
//   olk-calgen <output folder>
//
// Writes every picture as "<name>.png" together with the resource list
// "calendar.qrc", which olk-libpack packs into the library. Every picture the
// holiday table names is checked to be there.

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

#include "assets/calgen/calgen.h"
#include "extras/holiday_calendar.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: olk-calgen <output folder>\n");
        return 2;
    }
    const QDir folder(args[1]);
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "olk-calgen: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    std::vector<olk::calgen::Picture> pictures = olk::calgen::pagePictures();
    for (auto* part : {&olk::calgen::animalPictures, &olk::calgen::holidayPictures}) {
        for (olk::calgen::Picture& picture : part()) {
            pictures.push_back(std::move(picture));
        }
    }
    QStringList wanted = olk::holidayPictureNames();
    wanted << QString::fromLatin1(olk::kCalendarBase);
    for (int i = 0; i < 12; ++i) {
        wanted << olk::zodiacPictureName(i) << olk::animalPictureName(i);
    }
    QStringList names;
    for (const olk::calgen::Picture& picture : pictures) {
        names << picture.name;
        QSaveFile file(folder.filePath(picture.name + QStringLiteral(".png")));
        QImageWriter writer(&file, "PNG");
        writer.setQuality(0);
        if (!file.open(QIODevice::WriteOnly) || !writer.write(picture.image) || !file.commit()) {
            std::fprintf(stderr, "olk-calgen: cannot write %s\n", qPrintable(picture.name));
            return 1;
        }
    }
    for (const QString& name : wanted) {
        if (!names.contains(name)) {
            std::fprintf(stderr, "olk-calgen: no picture %s\n", qPrintable(name));
            return 1;
        }
    }
    names.sort();
    QSaveFile list(folder.filePath(QStringLiteral("calendar.qrc")));
    if (!list.open(QIODevice::WriteOnly)) {
        return 1;
    }
    QTextStream out(&list);
    out << "<RCC>\n  <qresource prefix=\"/\">\n";
    for (const QString& name : names) {
        out << "    <file alias=\"" << name << "\">" << name << ".png</file>\n";
    }
    out << "  </qresource>\n</RCC>\n";
    out.flush();
    return list.commit() ? 0 : 1;
}
