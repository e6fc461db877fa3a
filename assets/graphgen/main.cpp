// olk-graphgen: draws the picture libraries "TevBackG03.dll" (the table
// backgrounds) and "TevCGraph1.dll" (the purple design), and the dialog
// pictures built into the program.
//
//   olk-graphgen backgrounds|purple|dialogs <output folder>
//
// Writes the part's pictures into the folder together with a Qt resource
// list "<part>.qrc": olk-libpack packs the lists of the two libraries, rcc
// compiles the dialog pictures' (resources ":/art/<name>"). Every texture
// comes from fixed seeds, so two runs write the same bytes.
//
// The backgrounds are "Fon" + number + colour code + "" (760 x 500) or "B"
// (1920 x 922), JPEG:
//   01 Sun, 02 Felt, 03 Gradient, 04 Cloth, 05 Carpet, 06 Tree, 07 Casino,
//   08 Pattern, 09 Silk, 10 Ornament
// in the colours Gr, Re, Or, Ye, B1, B2, Fi; green felt is left out, the
// program has it built in ("FonG", "FonGB").

#include <QGuiApplication>

#include <cstdio>

#include "assets/graphgen/backgrounds.h"
#include "assets/graphgen/common.h"
#include "assets/graphgen/parts.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString part = args.size() == 3 ? args[1] : QString();
    bool (*make)(olk::graphgen::Output&) = nullptr;
    if (part == QLatin1String("backgrounds")) {
        make = olk::graphgen::makeBackgrounds;
    } else if (part == QLatin1String("purple")) {
        make = olk::graphgen::makePurple;
    } else if (part == QLatin1String("dialogs")) {
        make = olk::graphgen::makeDialogs;
    }
    if (!make) {
        std::fprintf(stderr, "usage: olk-graphgen backgrounds|purple|dialogs <output folder>\n");
        return 2;
    }
    olk::graphgen::Output out(args[2], part == QLatin1String("dialogs") ? QStringLiteral("/art")
                                                                         : QStringLiteral("/"));
    if (!out.ready()) {
        std::fprintf(stderr, "olk-graphgen: cannot create %s\n", qPrintable(args[2]));
        return 1;
    }
    if (!make(out) || !out.writeList(part + QStringLiteral(".qrc"))) {
        std::fprintf(stderr, "olk-graphgen: the %s pictures are not complete\n", qPrintable(part));
        return 1;
    }
    return 0;
}
