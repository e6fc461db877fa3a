#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "records/club_file.h"
#include "records/history_file.h"

namespace olk {

enum class ClubStatus { Ok, Missing, Incorrect };

struct ClubLoad {
    ClubStatus status = ClubStatus::Missing;
    ClubFile file;
};

// Reads and checks a club file.
ClubLoad readClubFile(const QString& path);

// Rewrites a club file (sums recomputed) through a temporary file, so a failed
// write leaves the old file whole. False when it failed ("Error of disk
// writing!").
bool writeClubFile(const QString& path, const ClubFile& file);

// A club file the program may not write to has incorrect attributes.
bool clubFileWritable(const QString& path);

// A local player's game as it ends.
struct LocalGame {
    QString programFolder;
    QString clubFileName = QStringLiteral("Olk.clb");  // "Olk.net" for a network game
    bool network = false;
    ClubPlayer player;   // as loaded when the game started
    int dealNumber = 0;  // the deal counter now
    int totalScore = 0;
    int result = 0;             // gameScore
    int gameDeals = 0;          // deals of this game
    QByteArray historyPlayers;  // network: the names of seats 4, 3, 2, 1 joined by "/"
};

struct GameEndOutcome {
    double rating = 0;
    bool cycleCompleted = false;
    int topTenPlace = 0;
    int cycleScore = 0;
    bool clubWritten = true;      // false: "Error of disk writing!"
    bool historyWritten = true;   // false: "Cann`t save history!"
    const char* sound = nullptr;  // "WKoGood", "WKoBads" or none
};

// The end of a local or network game left with "Exit to menu": the new
// rating, the history entry, the player's line rewritten in the club file
// (with the top ten when the 40-deal cycle is completed). `writeClub` false
// when club writes are blocked (incorrect attributes at start).
GameEndOutcome endLocalGame(const LocalGame& game, const QByteArray& time, const QByteArray& date,
                            bool writeClub);

// The end of an account's rated game: the history entry (kind 1) under the
// account's nick with `rating`, the account's rating after the game, and the
// result's sound; the club files are not touched.
GameEndOutcome endAccountGame(const LocalGame& game, double rating, const QByteArray& time,
                              const QByteArray& date);

// The end of a tournament game: the history entry (kind 2) under the
// account's nick with the tournament rating and the result (the change of
// the tournament score), and the result's sound.
GameEndOutcome endTournamentGame(const LocalGame& game, double rating, const QByteArray& time,
                                 const QByteArray& date);

// A game left before its end: the player's line is removed, nothing else.
bool leaveGameEarly(const QString& clubPath, int slot);

// "To change a name": a listed player's line gets the new name and password
// (its other fields kept) and is placed again by its rating. Returns the
// line's new slot, or nothing when the file could not be read or written.
std::optional<int> renameClubPlayer(const QString& clubPath, int slot, const QByteArray& name,
                                    const QByteArray& password);

}  // namespace olk
