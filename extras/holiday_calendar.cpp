#include "extras/holiday_calendar.h"

#include <cstring>

namespace olk {

namespace {

// The holidays in their order. Easter-relative entries follow the Easter of
// their own kind; the table keeps each after the Easter it counts from.
constexpr HolidayEntry kHolidays[] = {
    {"01.01.0000", "ALL", "R_NEWYEAR", Text::Holiday01},
    {"20.01.0000", "USA", "R_USAFLAG", Text::Holiday02},
    {"25.01.0000", "RUS", "R_RUSZNAN", Text::Holiday03},
    {"27.01.0000", "RUS", "R_RUSORDN", Text::Holiday04},
    {"****3.2.01", "USA", "R_USAFLAG", Text::Holiday05},
    {"02.02.1943", "RUS", "R_RUSORDN", Text::Holiday06},
    {"08.02.0000", "RUS", "R_RUSFLAG", Text::Holiday07},
    {"14.02.0000", "ALL", "R_LOVE000", Text::Holiday08},
    {"23.02.0000", "RUS", "R_RUSGEOR", Text::Holiday09},
    {"08.03.0000", "ALL", "R_8MARCH0", Text::Holiday10},
    {"17.03.0000", "USA", "R_USAPATR", Text::Holiday11},
    {"01.04.0000", "ALL", "R_1April0", Text::Holiday12},
    {"02.04.0000", "RUS", "R_RUSFLAG", Text::Holiday13},
    {"12.04.0000", "RUS", "R_RUSFLAG", Text::Holiday14},
    {"18.04.1242", "RUS", "R_RUSGEOR", Text::Holiday15},
    {"01.05.0000", "ALL", "R_1May000", Text::Holiday16},
    {"02.05.0000", "ISP", "R_ISPFLAG", Text::Holiday17},
    {"07.05.0000", "RUS", "R_RUSFLAG", Text::Holiday18},
    {"08.05.0000", "FRA", "R_FRAFLAG", Text::Holiday19},
    {"09.05.1945", "RUS", "R_RUSORDN", Text::Holiday20},
    {"24.05.0000", "RUS", "R_RUSFLAG", Text::Holiday21},
    {"29.05.0000", "RUS", "R_RUSFLAG", Text::Holiday22},
    {"01.06.0000", "ALL", "R_BABY000", Text::Holiday23},
    {"12.06.0000", "RUS", "R_RUSFLAG", Text::Holiday24},
    {"14.06.0000", "USA", "R_USAFLAG", Text::Holiday25},
    {"21.06.0000", "FRA", "R_FRAMUS0", Text::Holiday26},
    {"22.06.0000", "RU-", "R_RUSORDN", Text::Holiday27},
    {"27.06.0000", "RUS", "R_RUSFLAG", Text::Holiday28},
    {"04.07.0000", "USA", "R_USA4JUL", Text::Holiday29},
    {"08.07.0000", "RUS", "R_RUSFLAG", Text::Holiday30},
    {"10.07.1709", "RUS", "R_RUSGEOR", Text::Holiday31},
    {"14.07.0000", "FRA", "R_FRAFLAG", Text::Holiday32},
    {"18.07.0000", "USA", "R_USAFLAG", Text::Holiday33},
    {"28.07.0988", "RUS", "R_RUSFLAG", Text::Holiday34},
    {"16.08.0000", "USA", "R_USAELVI", Text::Holiday35},
    {"22.08.0000", "RUS", "R_RUSFLAG", Text::Holiday36},
    {"23.08.1943", "RUS", "R_RUSORDN", Text::Holiday37},
    {"01.09.0000", "RUS", "R_RUSZNAN", Text::Holiday38},
    {"02.09.0000", "ALL", "R_WAR0000", Text::Holiday39},
    {"08.09.1812", "RUS", "R_RUSGEOR", Text::Holiday40},
    {"13.09.0000", "ALL", "R_ALLPROG", Text::Holiday41},
    {"21.09.1380", "RUS", "R_RUSGEOR", Text::Holiday42},
    {"01.10.0000", "RUS", "R_OLD0000", Text::Holiday43},
    {"03.10.0000", "DEU", "R_DEUFLAG", Text::Holiday44},
    {"05.10.0000", "RUS", "R_TEACHER", Text::Holiday45},
    {"12.10.0000", "ISP", "R_ISPFLAG", Text::Holiday46},
    {"21.10.0000", "ENG", "R_ENGFLAG", Text::Holiday47},
    {"31.10.0000", "ALL", "R_HALLO00", Text::Holiday48},
    {"05.11.0000", "ENG", "R_ENGFLAG", Text::Holiday49},
    {"11.11.0000", "ALL", "R_WAR0000", Text::Holiday50},
    {"****4.5.11", "USA", "R_USABLAG", Text::Holiday51},
    {"05.12.1941", "RUS", "R_RUSORDN", Text::Holiday52},
    {"06.12.0000", "ISP", "R_ISPFLAG", Text::Holiday53},
    {"12.12.0000", "RUS", "R_RUSFLAG", Text::Holiday54},
    {"22.12.0000", "RUS", "R_RUSFLAG", Text::Holiday55},
    {"27.12.0000", "RUS", "R_RUSFLAG", Text::Holiday56},
    {"pasha.p000", "PRA", "R_PASHA00", Text::Holiday57},
    {"pasha.p-07", "PRA", "R_PRAKRES", Text::Holiday58},
    {"pasha.p+40", "PRA", "R_PRAKRES", Text::Holiday59},
    {"pasha.p+50", "PRA", "R_PRAKRES", Text::Holiday60},
    {"07.01.0000", "PRA", "R_ROGDEST", Text::Holiday61},
    {"14.01.0000", "PRA", "R_PRAKRES", Text::Holiday62},
    {"19.01.0000", "PRA", "R_PRAKRES", Text::Holiday63},
    {"15.02.0000", "PRA", "R_PRAKRES", Text::Holiday64},
    {"07.04.0000", "PRA", "R_PRAKRES", Text::Holiday65},
    {"07.07.0000", "PRA", "R_PRAKRES", Text::Holiday66},
    {"12.07.0000", "PRA", "R_PRAKRES", Text::Holiday67},
    {"19.08.0000", "PRA", "R_PRAKRES", Text::Holiday68},
    {"28.08.0000", "PRA", "R_PRAKRES", Text::Holiday69},
    {"11.09.0000", "PRA", "R_PRAKRES", Text::Holiday70},
    {"21.09.0000", "PRA", "R_PRAKRES", Text::Holiday71},
    {"27.09.0000", "PRA", "R_PRAKRES", Text::Holiday72},
    {"14.10.0000", "PRA", "R_PRAKRES", Text::Holiday73},
    {"04.12.0000", "PRA", "R_PRAKRES", Text::Holiday74},
    {"pasha.k000", "KAT", "R_PASHA00", Text::Holiday75},
    {"02.02.0000", "KAT", "R_KATKRES", Text::Holiday76},
    {"25.03.0000", "KAT", "R_KATKRES", Text::Holiday77},
    {"06.08.0000", "KAT", "R_KATKRES", Text::Holiday78},
    {"08.09.0000", "KAT", "R_KATKRES", Text::Holiday79},
    {"01.11.0000", "KAT", "R_KATKRES", Text::Holiday80},
    {"24.12.0000", "KAT", "R_ROGDEST", Text::Holiday81},
    {"25.12.0000", "KAT", "R_ROGDEST", Text::Holiday82},
};

// The 256th day of the year: 13 September, or 12 September in a leap year.
constexpr Text kProgrammersDay = Text::Holiday41;

int digits(const char* text, int from, int count)
{
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// The N-th (1..5) or, with n = 0, the last weekday `weekday` (1 Sunday ..
// 7 Saturday) of `month`; invalid when the month has no such day.
QDate weekdayOfMonth(int year, int month, int n, int weekday)
{
    const QDate first(year, month, 1);
    if (!first.isValid() || weekday < 1 || weekday > 7) {
        return {};
    }
    // QDate counts Monday 1 .. Sunday 7.
    const int qtWeekday = weekday == 1 ? 7 : weekday - 1;
    if (n == 0) {
        const QDate last(year, month, first.daysInMonth());
        return last.addDays(-((last.dayOfWeek() - qtWeekday + 7) % 7));
    }
    const QDate day = first.addDays((qtWeekday - first.dayOfWeek() + 7) % 7 + 7 * (n - 1));
    return day.month() == month ? day : QDate();
}

}  // namespace

std::span<const HolidayEntry> holidayTable()
{
    return kHolidays;
}

QStringList holidayPictureNames()
{
    QStringList names;
    for (const HolidayEntry& entry : kHolidays) {
        const QString name = QString::fromLatin1(entry.picture);
        if (!names.contains(name)) {
            names << name;
        }
    }
    return names;
}

QString zodiacPictureName(int sign)
{
    return QStringLiteral("R_%1").arg(sign + 1, 2, 10, QLatin1Char('0'));
}

QString animalPictureName(int animal)
{
    static const char* const kAnimals[12] = {"R_VOSKRIS", "R_VOSBULL", "R_VOSTIGR", "R_VOSRABB",
                                             "R_VOSDRAG", "R_VOSSNAK", "R_VOSHORS", "R_VOSKOZA",
                                             "R_VOSMONK", "R_VOSPETU", "R_VOSDOG0", "R_VOSPIG0"};
    return QString::fromLatin1(kAnimals[((animal % 12) + 12) % 12]);
}

bool isGregorianLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int julianToGregorianShift(int year)
{
    return year / 100 - year / 400 - 2;
}

QDate orthodoxEaster(int year)
{
    if (year < 1583 || year > 9999) {
        return {};
    }
    // The Julian computus gives 22 March + d + e of the Julian calendar,
    // which lies after the Julian leap day, so one shift serves the year.
    const int d = (19 * (year % 19) + 15) % 30;
    const int e = (2 * (year % 4) + 4 * (year % 7) + 6 * d + 6) % 7;
    return QDate(year, 3, 22).addDays(d + e + julianToGregorianShift(year));
}

QDate westernEaster(int year)
{
    if (year < 1583 || year > 9999) {
        return {};
    }
    const int golden = year % 19 + 1;
    const int century = year / 100 + 1;
    const int skipped = 3 * century / 4 - 12;  // leap days the Gregorian reform dropped
    const int moon = (8 * century + 5) / 25 - 5;  // the lunar correction
    const int sunday = 5 * year / 4 - skipped - 10;
    int epact = ((11 * golden + 20 + moon - skipped) % 30 + 30) % 30;
    if ((epact == 25 && golden > 11) || epact == 24) {
        ++epact;
    }
    int n = 44 - epact;  // the full moon, as a day of March
    if (n < 21) {
        n += 30;
    }
    n = n + 7 - (sunday + n) % 7;
    return QDate(year, 3, 1).addDays(n - 1);
}

QDate holidayDate(const HolidayEntry& entry, int year)
{
    const char* rule = entry.rule;
    if (std::strlen(rule) != 10) {
        return {};
    }
    QDate date;
    if (std::strncmp(rule, "pasha.", 6) == 0) {
        const QDate easter = rule[6] == 'p'   ? orthodoxEaster(year)
                             : rule[6] == 'k' ? westernEaster(year)
                                              : QDate();
        const int offset = digits(rule, 8, 2);
        if (!easter.isValid() || offset < 0 ||
            (rule[7] != '0' && rule[7] != '+' && rule[7] != '-') ||
            (rule[7] == '0' && rule[8] != '0')) {
            return {};
        }
        date = easter.addDays(rule[7] == '-' ? -offset : offset);
    } else if (std::strncmp(rule, "****", 4) == 0) {
        const int weekday = digits(rule, 6, 1);
        const int month = digits(rule, 8, 2);
        const int n = rule[4] == 'l' ? 0 : digits(rule, 4, 1);
        if (rule[5] != '.' || rule[7] != '.' || n < 0 || n > 5 || month < 1 || month > 12) {
            return {};
        }
        date = weekdayOfMonth(year, month, n, weekday);
    } else {
        if (rule[2] != '.' || rule[5] != '.' || digits(rule, 6, 4) < 0) {
            return {};
        }
        date = QDate(year, digits(rule, 3, 2), digits(rule, 0, 2));
        if (entry.name == kProgrammersDay && isGregorianLeapYear(year)) {
            date = date.addDays(-1);
        }
    }
    return date.isValid() && date.year() == year ? date : QDate();
}

QList<const HolidayEntry*> holidaysOn(const QDate& day)
{
    QList<const HolidayEntry*> found;
    if (!day.isValid()) {
        return found;
    }
    for (const HolidayEntry& entry : kHolidays) {
        if (holidayDate(entry, day.year()) == day) {
            found << &entry;
        }
    }
    return found;
}

int zodiacSign(const QDate& day)
{
    // The first day of each sign from Aries on, as month * 100 + day.
    static constexpr int kStarts[12] = {321, 421, 521, 622, 723, 824,
                                        924, 1024, 1123, 1222, 121, 221};
    const int md = day.month() * 100 + day.day();
    int sign = 9;  // Capricorn, which spans the new year
    int latest = 0;
    for (int i = 0; i < 12; ++i) {
        if (md >= kStarts[i] && kStarts[i] > latest) {
            latest = kStarts[i];
            sign = i;
        }
    }
    return sign;
}

int animalOfYear(int year)
{
    return ((year - 4) % 12 + 12) % 12;
}

int holidayKind(const char* code)
{
    static const char* const kCodes[8] = {"ENG", "RUS", "DEU", "FRA", "ISP", "USA", "PRA", "KAT"};
    for (int i = 0; i < 8; ++i) {
        if (code && std::strcmp(code, kCodes[i]) == 0) {
            return i;
        }
    }
    return -1;
}

QString holidayHint(const HolidayEntry& entry, int year)
{
    QStringList details;
    // Only a fixed day ("DD.MM.YYYY") remembers the year of its event.
    const bool fixedDay = std::strlen(entry.rule) == 10 && entry.rule[2] == '.';
    const int since = fixedDay ? digits(entry.rule, 6, 4) : -1;
    if (since > 0) {
        details << QString::number(year - since) + text(Text::AnniversarySuffix);
    }
    if (const int kind = holidayKind(entry.kind); kind >= 0) {
        details << text(TextGroup::HolidayKind, kind);
    }
    const QString name = text(entry.name);
    return details.isEmpty() ? name
                             : name + QStringLiteral(" (") + details.join(QStringLiteral(", ")) +
                                   QLatin1Char(')');
}

}  // namespace olk
