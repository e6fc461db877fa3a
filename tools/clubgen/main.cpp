// olk-clubgen <program folder>: puts the club files the program comes with,
// "Olk.clb" and "Olk.net", into the program folder. A file that is already
// there holds a player's records and is left alone.

#include <cstdio>

#include "records/program_folders.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: olk-clubgen <program folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!olk::makeMissingClubFiles(folder)) {
        std::fprintf(stderr, "olk-clubgen: cannot write the club files into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
