#pragma once

// The holiday calendar of the main menu, apart from its widgets: the table of
// holidays, the rules that put each on a day of a given year, the sign of the
// zodiac and the animal year of a date, and the hint texts of the pages.
// Everything takes the date it works on; nothing here reads the clock.

#include <QDate>
#include <QString>
#include <QStringList>

#include <span>

#include "settings/word_tables.h"

namespace olk {

// The calendar library beside the program (or in the folder above it).
inline constexpr const char* kCalendarLibrary = "TevCalendar01.dll";

// Picture names inside the calendar library.
inline constexpr const char* kCalendarBase = "R_BASE";  // the blank page, 60 x 100
inline constexpr int kCalendarPageWidth = 60;
inline constexpr int kCalendarPageHeight = 100;

// One holiday. `rule` says on which day it falls:
//   "DD.MM.YYYY"  a fixed day; YYYY is the year of the event remembered, or
//                 "0000"
//   "****N.W.MM"  the N-th weekday W (1 Sunday .. 7 Saturday) of month MM
//   "****l.W.MM"  the last weekday W of month MM
//   "pasha.p000"  Orthodox Easter; "pasha.p+DD" / "pasha.p-DD" days after or
//                 before it
//   "pasha.k000"  Western Easter; "pasha.k+DD" / "pasha.k-DD" likewise
// `kind` is a three-letter code: "ENG", "RUS", "DEU", "FRA", "ISP", "USA",
// "PRA", "KAT" have a kind text (HolidayKind 0..7); "ALL" and anything else
// have none. `picture` names the page's picture in the calendar library.
struct HolidayEntry {
    const char* rule;
    const char* kind;
    const char* picture;
    Text name;
};

// The built-in table, in its order.
std::span<const HolidayEntry> holidayTable();

// Every picture name the table uses, each once, in the order of first use.
QStringList holidayPictureNames();
// "R_01" .. "R_12": the signs, Aries first.
QString zodiacPictureName(int sign);
// "R_VOSKRIS" (rat) .. "R_VOSPIG0" (pig).
QString animalPictureName(int animal);

bool isGregorianLeapYear(int year);

// Days to add to a Julian calendar date between 1 March and the end of
// February of the next year, in `year`, to get the Gregorian date:
// year / 100 - year / 400 - 2 (13 for 1900..2099, 14 for 2100..2199, 12 for
// 1800..1899).
int julianToGregorianShift(int year);

// Orthodox Easter (the Julian computus, moved into the Gregorian calendar)
// and Western Easter (the Gregorian computus) of `year`, for 1583 .. 9999;
// an invalid date outside that range.
QDate orthodoxEaster(int year);
QDate westernEaster(int year);

// The day `entry` falls on in `year`; an invalid date for a rule that cannot
// be read, or one whose day would leave the year. "Programmer`s day" (the
// 256th day of the year) moves to 12 September in a leap year.
QDate holidayDate(const HolidayEntry& entry, int year);

// The entries of the table that fall on `day`, in table order.
QList<const HolidayEntry*> holidaysOn(const QDate& day);

// The sign of the zodiac of `day`: 0 Aries .. 11 Pisces.
int zodiacSign(const QDate& day);
// The animal of `year` in the twelve-year cycle: 0 rat .. 11 pig.
int animalOfYear(int year);

// The kind of a code: 0..7, or -1 for none.
int holidayKind(const char* code);

// The hint of a holiday page in the current language: the name, then in
// parentheses the anniversary (the years since the event, in `year`, with
// the anniversary suffix) and the kind, joined by ", " when both exist,
// alone when one does, and no parentheses when neither.
QString holidayHint(const HolidayEntry& entry, int year);

}  // namespace olk
