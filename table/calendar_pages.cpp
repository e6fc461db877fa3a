#include "table/calendar_pages.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cmath>

#include "extras/draw_stretched.h"
#include "extras/holiday_calendar.h"
#include "records/resource_library.h"
#include "settings/word_tables.h"

namespace olk {

namespace {

constexpr int kTimerCalMs = 10000;

// The part of the menu's background under `place` (logical pixels), at the
// background's own device pixel ratio, which the pages then take over.
QImage copyUnder(const QImage& background, const QRect& place)
{
    const qreal ratio = background.devicePixelRatio();
    QImage part = background.copy(deviceRect(place, ratio));
    part.setDevicePixelRatio(ratio);
    return part;
}

// The calendar's face at a size in points, as a Windows screen of 96 dots
// an inch shows it, so the pages look the same whatever the display says.
QFont calendarFont(int points, bool bold)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

QImage libraryPicture(const ResourceLibrary& library, const QString& name)
{
    const std::optional<QByteArray> bytes = library.bytes(name);
    if (!bytes) {
        return {};
    }
    QImage picture;
    picture.loadFromData(*bytes);
    return picture;
}

// A page: the background under it, the blank page over that. On a screen
// of more pixels than points the page has them too, so its writing is
// drawn sharp and only the library's pictures are enlarged.
QImage blankPage(const QImage& under, const QImage& base)
{
    const qreal ratio = under.isNull() ? 1.0 : under.devicePixelRatio();
    const QRect logical(0, 0, kCalendarPageWidth, kCalendarPageHeight);
    QImage page(deviceRect(logical, ratio).size(), QImage::Format_ARGB32_Premultiplied);
    page.setDevicePixelRatio(ratio);
    page.fill(Qt::transparent);
    QPainter p(&page);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!under.isNull()) {
        p.drawImage(0, 0, under);
    }
    p.drawImage(logical, base);
    return page;
}

void drawCentred(QPainter& p, const QString& text, const QFont& font, int top, const QColor& colour)
{
    p.setFont(font);
    p.setPen(colour);
    const QFontMetrics metrics(font);
    p.drawText(QRect(0, top, kCalendarPageWidth, metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
               text);
}

}  // namespace

std::optional<QList<CalendarPage>> drawCalendarPages(const ResourceLibrary& library,
                                                     const QDate& today, const QImage& underLeft,
                                                     const QImage& underRight)
{
    const QImage base = libraryPicture(library, QString::fromLatin1(kCalendarBase));
    if (base.isNull() || !today.isValid()) {
        return std::nullopt;
    }
    QList<CalendarPage> pages;

    // Page 1: the day (red on a Sunday), the month, the sign.
    {
        CalendarPage page{blankPage(underLeft, base), {}};
        QPainter p(&page.picture);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        drawCentred(p, QString::number(today.day()), calendarFont(12, true), 22,
                    today.dayOfWeek() == Qt::Sunday ? QColor(Qt::red) : QColor(Qt::black));
        const QString month = text(TextGroup::Month, today.month());
        drawCentred(p, month, calendarFont(month.size() > 8 ? 7 : 8, false), 42, Qt::black);
        const int sign = zodiacSign(today);
        p.drawImage(17, 65, libraryPicture(library, zodiacPictureName(sign)));
        page.hint = text(TextGroup::Zodiac, sign);
        pages << page;
    }
    // Page 2: the animal of the year.
    {
        const int animal = animalOfYear(today.year());
        CalendarPage page{blankPage(underRight, base), text(TextGroup::AnimalYear, animal)};
        QPainter p(&page.picture);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(3, 27, libraryPicture(library, animalPictureName(animal)));
        pages << page;
    }
    // A page for each holiday.
    for (const HolidayEntry* entry : holidaysOn(today)) {
        CalendarPage page{blankPage(underRight, base), holidayHint(*entry, today.year())};
        QPainter p(&page.picture);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(3, 27, libraryPicture(library, QString::fromLatin1(entry->picture)));
        pages << page;
    }
    return pages;
}

QRect calendarPageRect(const TableScale& scale, int side)
{
    const int top = roundToPixel((scale.sy - 1) * kCalendarPageHeight / 2) +
                    roundToPixel(95 * scale.sy);
    const int left = roundToPixel((scale.sx - 1) * kCalendarPageWidth / 2) +
                     roundToPixel((side == 0 ? 150 : 550) * scale.sx);
    return QRect(left, top, kCalendarPageWidth, kCalendarPageHeight);
}

CalendarPages::CalendarPages(QWidget* menu)
    : QObject(menu),
      m_menu(menu),
      m_leftLabel(new QLabel(menu)),
      m_rightLabel(new QLabel(menu)),
      m_timer(new QTimer(this)),
      m_clock([] { return QDateTime::currentDateTime(); })
{
    m_timer->setObjectName(QStringLiteral("TimerCal"));
    m_leftLabel->setObjectName(QStringLiteral("ImCalL"));
    m_rightLabel->setObjectName(QStringLiteral("ImCalR"));
    for (QLabel* label : {m_leftLabel, m_rightLabel}) {
        label->hide();
        label->setFixedSize(kCalendarPageWidth, kCalendarPageHeight);
        label->setAttribute(Qt::WA_OpaquePaintEvent);
    }
    connect(m_timer, &QTimer::timeout, this, &CalendarPages::nextCalendarPage);
}

bool CalendarPages::buildCalendar(const QImage& background, const TableScale& scale,
                                  const QString& programFolder)
{
    m_background = background;
    m_scale = scale;
    m_programFolder = programFolder;
    const QRect places[2] = {calendarPageRect(scale, 0), calendarPageRect(scale, 1)};
    m_leftLabel->move(places[0].topLeft());
    m_rightLabel->move(places[1].topLeft());

    const QDate today = m_clock().date();
    std::optional<QList<CalendarPage>> pages;
    if (const std::optional<ResourceLibrary> library =
            ResourceLibrary::find(QString::fromLatin1(kCalendarLibrary), programFolder)) {
        pages = drawCalendarPages(*library, today, copyUnder(background, places[0]),
                                  copyUnder(background, places[1]));
    }  // the library is released here
    if (!pages) {
        m_pages.clear();
        m_shown = false;
        m_leftLabel->hide();
        m_rightLabel->hide();
        m_timer->stop();
        return false;
    }
    m_pages = *pages;
    m_builtFor = today;
    m_shown = true;
    m_leftLabel->setPixmap(QPixmap::fromImage(m_pages[0].picture));
    m_leftLabel->setToolTip(m_pages[0].hint);
    m_right = 2;
    showRightPage();
    m_leftLabel->show();
    m_rightLabel->show();
    m_timer->start(kTimerCalMs);
    return true;
}

void CalendarPages::nextCalendarPage()
{
    const bool menuShows = m_menu->isVisible();
    // A new day while the menu shows (the tick just after midnight, or the
    // first after the computer slept through it): today's pages, from page 2.
    if (menuShows && m_shown && m_clock().date() != m_builtFor) {
        buildCalendar(m_background, m_scale, m_programFolder);
        return;
    }
    if (!menuShows) {
        m_leftLabel->hide();
        m_rightLabel->hide();
    }
    if (m_pages.size() < 2) {
        return;
    }
    m_right = m_right >= pageCount() ? 2 : m_right + 1;
    showRightPage();
}

void CalendarPages::showRightPage()
{
    const CalendarPage& shown = m_pages[m_right - 1];
    m_rightLabel->setPixmap(QPixmap::fromImage(shown.picture));
    m_rightLabel->setToolTip(shown.hint);
}

}  // namespace olk
