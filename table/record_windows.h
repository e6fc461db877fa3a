#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "core/game_engine.h"
#include "settings/settings.h"

class QWidget;

namespace olk {

// Whose records the count window shows: the club's (a local or network
// game), an account's rated game, or a tournament place.
enum class CountKind { Club, Account, Tournament };

// The seven values of the count window ("General score"), in the order of its
// rows: deals in all, deal in the current cycle, initial, current and general
// score, initial rating and the rating the game would give now. An account
// counts its cycle from its own deals and shows its rating whole; a
// tournament has no cycle; neither knows its new rating before the service
// has written it ("?").
QStringList countTexts(const TableState& state, const Profile& profile,
                       CountKind kind = CountKind::Club);

// A rating with 2 decimals as the records write it ("8,20", "-0,50").
QString ratingWithTwoDecimals(double rating);

// The medal with the picture of place 1..10 laid on it.
QImage medalPicture(int place);

// The count window for the game on the table.
void showCount(QWidget* parent, const Settings& settings, const TableState& state,
               const Profile& profile, CountKind kind = CountKind::Club);

// The end-of-cycle window: its lines and sound for a top-ten place (0 not in
// the top ten, 1..10) and the cycle score.
struct CycleEnd {
    // Which game ended the cycle: its title line depends on it.
    enum class Kind { Local, LocalLoggedIn, Network, Account };
    int place = 0;  // the club's top ten, or the account table's world place
    int score = 0;
    Kind kind = Kind::Local;
    int bonus = 0;  // Tevs, in an account game
};
QStringList endOfCycleLines(const CycleEnd& end);
const char* endOfCycleSound(int place);

void showEndOfCycle(QWidget* parent, const Settings& settings, const CycleEnd& end);

// The local top ten of a club file (lines 6-15).
void showTopTen(QWidget* parent, const Settings& settings, const QList<QByteArray>& topTenLines,
                bool network);

// "History of games": the valid history files of the club file `clubFileName`
// in `programFolder`, and the entries of the one chosen.
void showHistory(QWidget* parent, const Settings& settings, const QString& programFolder,
                 const QString& clubFileName);

}  // namespace olk
