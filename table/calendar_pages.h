#pragma once

// The two tear-off calendar pages of the main menu: on the left today's day,
// month and sign of the zodiac; on the right, changing every ten seconds,
// the animal of the year and then a page for each of today's holidays. Every
// page has a hint. The pictures come from the calendar library
// "TevCalendar01.dll"; without it the pages stay hidden.

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

#include "table/table_geometry.h"

class QLabel;
class QTimer;
class QWidget;

namespace olk {

class ResourceLibrary;

struct CalendarPage {
    QImage picture;  // 60 x 100
    QString hint;
};

// The pages of `today` drawn from `library`, each over its piece of the
// background (`underLeft` for the first page, `underRight` for the others):
// page 1 the day, the month and the sign, page 2 the animal year, then one
// page a holiday in table order. Nothing when the library has no usable
// blank page "R_BASE". Hints in the current language.
std::optional<QList<CalendarPage>> drawCalendarPages(const ResourceLibrary& library,
                                                     const QDate& today, const QImage& underLeft,
                                                     const QImage& underRight);

// Where the pages stand in a window of scale `scale`: [0] left, [1] right.
// They keep their 60 x 100 pixels at every size.
QRect calendarPageRect(const TableScale& scale, int side);

// The scrolls of the menu move this far outwards (design pixels) while the
// calendar shows.
inline constexpr int kCalendarScrollShift = 20;

class CalendarPages : public QObject {
    Q_OBJECT

public:
    // The pages become children of `menu`, hidden until a build succeeds.
    explicit CalendarPages(QWidget* menu);

    // Places and draws the pages of today over `background` (the menu's, the
    // size of the window), with the calendar library looked for beside
    // `programFolder` and in the folder above. On success both pages show,
    // the left with page 1, the right with page 2, and TimerCal runs every
    // 10 s; otherwise both are hidden and the timer stops.
    bool buildCalendar(const QImage& background, const TableScale& scale,
                       const QString& programFolder);

    // One tick of TimerCal: after the date has changed while the menu
    // shows, the pages are built again; while the menu does not show they
    // are hidden; then the right page turns to the next of pages 2..count.
    void nextCalendarPage();

    bool shown() const { return m_shown; }
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    // 1-based page number the right page shows.
    int rightPageNumber() const { return m_right; }
    const CalendarPage& page(int number) const { return m_pages[number - 1]; }
    QLabel* leftPage() const { return m_leftLabel; }
    QLabel* rightPage() const { return m_rightLabel; }
    QTimer* timerCal() const { return m_timer; }

    // Where "now" comes from (the system clock unless a test sets it).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

private:
    void showRightPage();

    QWidget* m_menu;
    QLabel* m_leftLabel;
    QLabel* m_rightLabel;
    QTimer* m_timer;
    std::function<QDateTime()> m_clock;
    QList<CalendarPage> m_pages;
    int m_right = 2;
    bool m_shown = false;
    QDate m_builtFor;
    // What the last build was given, for the rebuild after midnight.
    QImage m_background;
    TableScale m_scale;
    QString m_programFolder;
};

}  // namespace olk
