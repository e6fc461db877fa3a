#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <string>

namespace olk {

// A club file ("Olk.clb" for local games, "Olk.net" for network games):
// Windows-1251 text, exactly 17 lines ended by CR LF, positions 1-based.
//
//   1-5   player lines, 59 characters, best rating first, unused ones last:
//         1-20 name (blank-padded), 21-30 rating (6 decimals, "," as the
//         separator, right-aligned), 31-37 deal counter, 38 a blank, 39-44
//         score, 45-59 the password: 5 characters, each written as the three
//         digits of its byte value + 234. An unused line is 37 "#", a blank
//         and 21 "#"; a line is unused when its character 37 is "#".
//   6-15  the top ten, 26 characters: name (20) and cycle score (6).
//   16    28 characters: byte 184, "}", then anything.
//   17    28 characters: 1 "1" asks for the Russian interface, 7-9 a label,
//         11-28 three checksums of 6 digits over the 583 bytes of lines 1-16
//         joined: the sum of all bytes, of the bytes at even positions, and of
//         the bytes at positions divisible by 3.
//
// The program never creates a club file; it checks it at start and rewrites
// it after a game.
inline constexpr int kClubLines = 17;
inline constexpr int kPlayerLineLength = 59;
inline constexpr int kTopTenLineLength = 26;
inline constexpr int kClubTailLength = 28;

class ClubFile {
public:
    enum class Problem { None, Layout, Signature, Checksum };

    // Reads file content; the layout, the signature of line 16 and the sums
    // of line 17 are all checked. Never fails on any input: a bad file gives
    // its problem.
    static ClubFile parse(const QByteArray& content);

    Problem problem() const { return m_problem; }
    bool isValid() const { return m_problem == Problem::None; }

    // Line n (1..17), without line end.
    const QByteArray& line(int n) const { return m_lines[n - 1]; }
    void setLine(int n, const QByteArray& text) { m_lines[n - 1] = text; }

    // The lines have the layout of a club file (whatever their sums).
    bool hasLayout() const { return m_problem != Problem::Layout; }

    // A club file whose 17th line starts with "1" asks for the Russian
    // interface; the layout is enough for that.
    bool asksForRussian() const { return hasLayout() && m_lines[16].startsWith('1'); }

    // The content to write: the sums of line 17 recomputed, CR LF line ends.
    QByteArray serialize() const;

    static bool isUnused(const QByteArray& playerLine);
    static QByteArray unusedLine();

    // Player slots 1..5. Lines slot..4 move up, line 5 becomes unused.
    void removePlayer(int slot);

    // Puts a new player line in: when the cycle is completed, first its score
    // (positions 39-44) goes into the top ten above the first score it is not
    // below, and the line's score restarts at 0. Then the line goes above the
    // first player line that is unused or rated no higher; when there is none
    // it is not stored. Returns the top-ten place 1..10, or 0.
    int insertPlayer(QByteArray playerLine, bool cycleCompleted);

    // The three sums of line 17 over the first 583 bytes of lines 1-16.
    static QByteArray sums(const QList<QByteArray>& lines);

private:
    QList<QByteArray> m_lines = QList<QByteArray>(kClubLines);
    Problem m_problem = Problem::Layout;
};

// The club file the program comes with: five unused player lines and a top
// ten to beat.
ClubFile defaultClubFile();

// A member of the club as the program handles him everywhere: what the
// "Welcome!" dialog hands over, what a game starts from, and what its end
// writes back. Only the records code reads or writes the club line's fields.
struct ClubPlayer {
    int slot = 6;         // the club line 1..5, or 6 for a player not in the club
    QByteArray name;      // Windows-1251, blank-padded to 20
    QByteArray password;  // Windows-1251, blank-padded to 5
    int deals = 0;        // deal counter
    int score = 0;        // score of the current cycle
    double rating = 0;

    // The player of club line `slot`.
    static ClubPlayer fromLine(int slot, const QByteArray& playerLine);
    // The name as the table shows it: UTF-8, trailing blanks removed.
    std::string shownName() const;
};

// Player line fields.
QString playerName(const QByteArray& playerLine);
double playerRating(const QByteArray& playerLine);
int playerDeals(const QByteArray& playerLine);
int playerScore(const QByteArray& playerLine);

// The rating as stored: times 10^6, rounded, "," before the last 6 digits,
// right-aligned in 10 characters ("  0,000000", "  1,234567", "-12,500000").
QByteArray ratingText(double rating);

// Reads a rating: a decimal number whose first character other than a blank,
// "-" or a digit is the decimal separator.
double parseRating(const QByteArray& text);

// The stored form of a password: 5 characters (blank-padded), each as the
// three digits of its Windows-1251 byte value + 234. And back; empty when
// the digits are not a stored password.
QByteArray storedPassword(const QByteArray& password);
std::optional<QByteArray> passwordFromStored(const QByteArray& stored);

// A whole player line from its fields (Windows-1251 name and password).
QByteArray makePlayerLine(const QByteArray& name, double rating, int deals, int score,
                          const QByteArray& password);

// The rating after a game: round(((d0 x rating + result / 10) x 10^6) / d1)
// / 10^6 with d0 the deal counter loaded at the start of the game and d1 the
// one now, rounded half to even, within -99.99..99.99.
double newRating(int dealsBefore, double rating, int result, int dealsNow);

}  // namespace olk
