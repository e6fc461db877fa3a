#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <functional>

namespace olk::online {

class ServiceClient;

// The figure of the main menu's right clock panel. The panel shows one of
// seven kinds in turn, one a minute:
//   1 the dynamic IQ of the players against the computer (per cent)
//   2 the deals played against the computer
//   3, 4, 5 the best score of the Windows, Android and account tables
//   6 the player's Tevs (only while an account is logged in)
//   7 the number of club members
// The kind also picks the panel's digit set and icon (table/menu_clocks.h).
struct MenuFigure {
    int kind = 7;
    QString value = QStringLiteral("00");  // digits and "-"; "00" until a reply gives more
    QString suffix;                        // kind 2: "K", "M" or "G" for large numbers
    QString hint;                          // the panel's tooltip
    QString flagCountry;                   // kind 3: the best player's country code
    bool failed = false;                   // the request did not get through
};

// The kind of the minute: (minute mod 7) + 1.
int menuFigureKind(int minute);

// The kind actually shown for `kind`: the Tevs only while an account is
// logged in (`accountState` above 1), the club members otherwise.
int shownFigureKind(int kind, int accountState);

// The figure of `kind` before its reply: "00" and the kind's own hint.
MenuFigure startingFigure(int kind);

// The figure of `kind` whose request failed: "00" and the hint marked
// "NO CONNECT".
MenuFigure failedFigure(int kind);

// The dynamic IQ from the points the players won and lost against the
// computer: lost x 100 / (won + lost), rounded half to even; 0 when both are 0.
std::int64_t dynamicIq(std::int64_t won, std::int64_t lost);

// A count as the panel writes it: up to 999 itself; then in thousands ("K"),
// millions ("M") or milliards ("G"), cut to whole ones.
struct ShortNumber {
    QString value;
    QString suffix;
};
ShortNumber shortNumber(std::int64_t count);

// Where the panel puts the characters of a value of `count` characters (the
// left edges, y = 15) and how wide each is drawn: 0 for "as stored" (1 to 3
// characters). Nothing for 0 characters or for 7 and more.
QList<int> figureDigitPositions(int count);
int figureDigitWidth(int count);

// Runs the request of `kind` (1..7; 6 becomes 7 while logged out) and calls
// `done` once, from the event loop, with the figure built from the reply or
// marked as failed. `nick` is the account's own, for the Tevs. Nothing is
// called when the client goes away first.
void fetchMenuFigure(ServiceClient& client, int kind, int accountState, const QString& nick,
                     std::function<void(const MenuFigure&)> done);

}  // namespace olk::online
