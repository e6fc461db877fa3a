// olk-clubgen <program folder>: puts the club files the program comes with,
// "Olk.clb" and "Olk.net", into the program folder. A file that is already
// there holds a player's records and is left alone.

#include <QDir>
#include <QFile>
#include <cstdio>

#include "records/club_file.h"
#include "records/record_io.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: olk-clubgen <program folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QByteArray content = olk::defaultClubFile().serialize();
    for (const char* name : {"Olk.clb", "Olk.net"}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        if (QFile::exists(path)) {
            continue;
        }
        if (!olk::writeOwnFile(path, content)) {
            std::fprintf(stderr, "olk-clubgen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
