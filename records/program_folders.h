#pragma once

#include <QString>

namespace olk {

// The two places the game works with.
//
// `own` is the program folder: "Olk.ini", the club and history files,
// "GIFGame" and the rest lie in it, and the user file, the news and chat
// state, the radio state and downloaded libraries in the folder above it.
// A game unpacked or built somewhere writable keeps all of this beside
// itself. An installed game (its folder not writable, e.g. /usr/games) keeps
// it in the user's data folder instead, "$XDG_DATA_HOME/olk/game" with
// "$XDG_DATA_HOME/olk" above it, under the same names and in the same formats.
//
// `data` is the read-only data an installation brings (the picture and
// sound libraries, the radio list, the help pages), looked for after the
// program folder and the one above it; empty when there is none.
struct ProgramFolders {
    QString own;
    QString data;
    bool inUserData = false;  // `own` is the user's data folder
};

// Chooses the folders for a program started from `programDir`, which the
// program may write or not (`programDirWritable`, see canWriteInto).
// `dataRelative` is where an installation puts its data, relative to the
// program ("../share/games/olk"); `userDataHome` is $XDG_DATA_HOME (or
// ~/.local/share). Makes the user's folder when it is needed; if even that
// cannot be made, the program folder is kept and its own messages say what
// cannot be written.
ProgramFolders chooseProgramFolders(const QString& programDir, bool programDirWritable,
                                    const QString& dataRelative, const QString& userDataHome);

// Whether this process may make files in `folder` (also no on a read-only mount).
bool canWriteInto(const QString& folder);

// The installed data folder for this process ("" when none), set once at start.
void setInstalledDataFolder(const QString& folder);
const QString& installedDataFolder();

// Puts the club files a first start needs, "Olk.clb" and "Olk.net" with the
// default club, into `folder` where they are missing. Returns false if one
// could not be written.
bool makeMissingClubFiles(const QString& folder);

}  // namespace olk
