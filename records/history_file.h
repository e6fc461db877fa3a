#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

namespace olk {

// One finished game, as the history keeps it.
struct HisStr {
    QByteArray HName;  // the players, Windows-1251; 51 characters are kept
    int HKon = 0;      // deals
    int HRes = 0;      // result for the local player
    double HRei = 0;   // rating after the game
    int Ac = 0;        // 0 local, 1 account, 2 tournament, 3 network
};

// History files "History/<club base name>_I0001.hst" .. "_I9999.hst" beside
// the program: Windows-1251 lines ended by CR LF.
//
//   entry lines, oldest first, 114 characters each: 1-5 time "hh:nn",
//     6-15 date (right-aligned), 16-66 players, 67-69 deals, 70-79 result,
//     80-89 rating with 2 decimals and "," (right-aligned), 90-99 kind
//     ("L#########", "A...", "T...", "N..."), then three line sums of 5
//     digits: all bytes of 1-99, the bytes at even positions 2-98, the
//     bytes at positions 1-99 divisible by 3;
//   the signature line: "$", byte 184, "}", "#" up to 99 characters, and
//     its three line sums;
//   the checksum line: three 10-digit totals of the line sums of every line
//     before it.
//
// A file holds up to 840 entries; the next entry starts the next file.
inline constexpr int kHistoryEntriesPerFile = 840;
inline constexpr int kHistoryLineLength = 114;

// The three line sums of the first 99 characters, 15 characters.
QByteArray historyLineSums(const QByteArray& line);

// A date as the history writes it: the system's short date, or dd.MM.yyyy
// where the short date does not fit the field's 10 places.
QString historyDateText(const QDate& date);

QByteArray historyEntryLine(const HisStr& entry, const QByteArray& time, const QByteArray& date);
QByteArray historySignatureLine();

struct HistoryCheck {
    bool valid = false;
    int entries = 0;
};

// Never fails on any content: a damaged file is simply not valid.
HistoryCheck checkHistory(const QByteArray& content);

// The entry lines of a valid file.
QList<QByteArray> historyEntries(const QByteArray& content);

// File `number` of the history of the club file `clubFileName` ("Olk.clb").
QString historyFilePath(const QString& programFolder, const QString& clubFileName, int number);

// Appends one entry written at `time` ("hh:nn") on `date` (the short date
// text): to the first valid file with room, or as the first entry of a new
// file where a file is missing or damaged. A damaged file is first moved
// aside (renamed with ".damaged"), never overwritten. Writes through a
// temporary file; false when the file could not be written ("Cann`t save
// history!"), and then nothing changed.
bool appendHistory(const QString& programFolder, const QString& clubFileName, const HisStr& entry,
                   const QByteArray& time, const QByteArray& date);

}  // namespace olk
