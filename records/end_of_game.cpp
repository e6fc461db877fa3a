#include "records/end_of_game.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "records/record_io.h"

namespace olk {

ClubLoad readClubFile(const QString& path)
{
    ClubLoad load;
    // A club file is under a kilobyte; anything much larger is not one.
    const FileRead read = readOwnFile(path, 64 * 1024);
    if (read.status == ReadStatus::Missing) {
        return load;
    }
    if (read.status != ReadStatus::Ok) {
        load.status = ClubStatus::Incorrect;
        return load;
    }
    load.file = ClubFile::parse(read.content);
    load.status = load.file.isValid() ? ClubStatus::Ok : ClubStatus::Incorrect;
    return load;
}

bool writeClubFile(const QString& path, const ClubFile& file)
{
    return writeOwnFile(path, file.serialize());
}

bool clubFileWritable(const QString& path)
{
    const QFileInfo info(path);
    return info.isWritable();
}

GameEndOutcome endLocalGame(const LocalGame& game, const QByteArray& time, const QByteArray& date,
                            bool writeClub)
{
    GameEndOutcome outcome;
    outcome.rating = newRating(game.player.deals, game.player.rating, game.result, game.dealNumber);
    outcome.cycleCompleted = game.dealNumber % 40 == 0;
    outcome.cycleScore = game.totalScore;

    HisStr entry;
    entry.HName = game.network ? game.historyPlayers : game.player.name;
    entry.HKon = game.gameDeals;
    entry.HRes = game.result;
    entry.HRei = outcome.rating;
    entry.Ac = game.network ? 3 : 0;
    outcome.historyWritten =
        appendHistory(game.programFolder, game.clubFileName, entry, time, date);

    if (!outcome.cycleCompleted) {
        if (game.result > 0) {
            outcome.sound = "WKoGood";
        } else if (game.result < 0) {
            outcome.sound = "WKoBads";
        }
    }

    // The place in the top ten is worked out even when club writes are
    // blocked: the player still sees his medal, only the file stays as it is.
    const QString path = QDir(game.programFolder).filePath(game.clubFileName);
    ClubLoad load = readClubFile(path);
    if (load.status != ClubStatus::Ok) {
        outcome.clubWritten = !writeClub;
        return outcome;
    }
    load.file.removePlayer(game.player.slot);
    const QByteArray line = makePlayerLine(game.player.name, outcome.rating, game.dealNumber,
                                           game.totalScore, game.player.password);
    outcome.topTenPlace = load.file.insertPlayer(line, outcome.cycleCompleted);
    if (writeClub) {
        outcome.clubWritten = writeClubFile(path, load.file);
    }
    return outcome;
}

namespace {

// An online game's end: the history entry of `kind` under the online name,
// the online rating, the result's sound; no club file is touched.
GameEndOutcome endOnlineGame(const LocalGame& game, double rating, int kind,
                             const QByteArray& time, const QByteArray& date)
{
    GameEndOutcome outcome;
    outcome.rating = rating;
    // Only the account's games run in cycles of 40 deals.
    outcome.cycleCompleted = kind == 1 && game.dealNumber % 40 == 0;
    outcome.cycleScore = game.totalScore;
    HisStr entry;
    entry.HName = game.player.name;
    entry.HKon = game.gameDeals;
    entry.HRes = game.result;
    entry.HRei = rating;
    entry.Ac = kind;
    outcome.historyWritten =
        appendHistory(game.programFolder, game.clubFileName, entry, time, date);
    if (!outcome.cycleCompleted) {
        outcome.sound = game.result > 0 ? "WKoGood" : game.result < 0 ? "WKoBads" : nullptr;
    }
    return outcome;
}

}  // namespace

GameEndOutcome endAccountGame(const LocalGame& game, double rating, const QByteArray& time,
                              const QByteArray& date)
{
    return endOnlineGame(game, rating, 1, time, date);
}

GameEndOutcome endTournamentGame(const LocalGame& game, double rating, const QByteArray& time,
                                 const QByteArray& date)
{
    return endOnlineGame(game, rating, 2, time, date);
}

bool leaveGameEarly(const QString& clubPath, int slot)
{
    if (slot < 1 || slot > 5) {
        return true;
    }
    ClubLoad load = readClubFile(clubPath);
    if (load.status != ClubStatus::Ok) {
        return false;
    }
    load.file.removePlayer(slot);
    return writeClubFile(clubPath, load.file);
}

std::optional<int> renameClubPlayer(const QString& clubPath, int slot, const QByteArray& name,
                                    const QByteArray& password)
{
    if (slot < 1 || slot > 5) {
        return slot;
    }
    ClubLoad load = readClubFile(clubPath);
    if (load.status != ClubStatus::Ok) {
        return std::nullopt;
    }
    QByteArray line = load.file.line(slot);
    line.replace(0, 20, name.leftJustified(20, ' ', true));
    line.replace(44, 15, storedPassword(password));
    load.file.removePlayer(slot);
    load.file.insertPlayer(line, false);
    int placed = slot;
    for (int n = 1; n <= 5; ++n) {
        if (load.file.line(n) == line) {
            placed = n;
        }
    }
    if (!writeClubFile(clubPath, load.file)) {
        return std::nullopt;
    }
    return placed;
}

}  // namespace olk
