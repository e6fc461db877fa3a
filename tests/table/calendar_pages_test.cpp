#include "table/calendar_pages.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include "records/club_file.h"
#include "extras/holiday_calendar.h"
#include "records/resource_library.h"
#include "settings/language.h"
#include "table/main_menu.h"

namespace olk {
namespace {

// A program folder with the calendar library the build makes beside it.
class CalendarMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_TRUE(QFile::copy(QStringLiteral(OLK_CALENDAR_LIBRARY),
                                m_folder.filePath(QStringLiteral("TevCalendar01.dll"))));
    }
    void TearDown() override { setLanguage(English); }

    // The menu of window size `windowSize` on `now`, laid out and shown.
    std::unique_ptr<MainMenu> menuOn(const QDateTime& now, int windowSize = 1)
    {
        m_settings.windowSize = windowSize;
        auto menu = std::make_unique<MainMenu>(m_settings);
        menu->setProgramFolder(m_folder.path());
        m_now = now;
        menu->calendar()->setClock([this] { return m_now; });
        menu->resize(clientSizeFor(windowSize, QSize(1920, 1080)));
        menu->refresh(defaultClubFile());
        menu->show();
        return menu;
    }

    QTemporaryDir m_folder;
    Settings m_settings;
    QDateTime m_now;
};

QDateTime at(int year, int month, int day, int hour = 12, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

bool hasRed(const QImage& page, int top, int bottom)
{
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(CalendarMenu, BothEastersOnOneSunday)
{
    const auto menu = menuOn(at(2025, 4, 20));
    CalendarPages& calendar = *menu->calendar();
    ASSERT_TRUE(calendar.shown());
    EXPECT_TRUE(calendar.leftPage()->isVisible());
    EXPECT_TRUE(calendar.rightPage()->isVisible());
    EXPECT_TRUE(calendar.timerCal()->isActive());
    EXPECT_EQ(calendar.timerCal()->interval(), 10000);
    // The sign, the animal year, two Easters.
    ASSERT_EQ(calendar.pageCount(), 4);
    EXPECT_EQ(calendar.page(1).hint, QStringLiteral("Aries"));
    EXPECT_EQ(calendar.page(2).hint, QStringLiteral("Year Of The Snake"));
    EXPECT_EQ(calendar.page(3).hint, QStringLiteral("Easter (The Orthodox holiday)"));
    EXPECT_EQ(calendar.page(4).hint, QStringLiteral("Easter (Catholic feast)"));
    EXPECT_EQ(calendar.leftPage()->toolTip(), QStringLiteral("Aries"));
    // The right page cycles through pages 2..4.
    const int expected[] = {3, 4, 2, 3};
    for (const int page : expected) {
        calendar.nextCalendarPage();
        EXPECT_EQ(calendar.rightPageNumber(), page);
        EXPECT_EQ(calendar.rightPage()->toolTip(), calendar.page(page).hint);
    }
    // A Sunday's day number is red.
    EXPECT_TRUE(hasRed(calendar.page(1).picture, 24, 40));
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(calendar.page(k).picture.size(), QSize(60, 100));
    }
}

TEST_F(CalendarMenu, PagesStandUnscaledWhereTheMenuPutsThem)
{
    for (const int size : {1, 5}) {
        const auto menu = menuOn(at(2025, 4, 21), size);
        const TableScale scale = scaleFor(size, menu->size());
        const QRect left = menu->calendar()->leftPage()->geometry();
        const QRect right = menu->calendar()->rightPage()->geometry();
        EXPECT_EQ(left, calendarPageRect(scale, 0)) << size;
        EXPECT_EQ(right, calendarPageRect(scale, 1)) << size;
        EXPECT_EQ(left.size(), QSize(60, 100));
        if (size == 1) {
            EXPECT_EQ(left.topLeft(), QPoint(150, 95));
            EXPECT_EQ(right.topLeft(), QPoint(550, 95));
        }
        // Monday: black.
        EXPECT_FALSE(hasRed(menu->calendar()->page(1).picture, 24, 40));
    }
}

TEST_F(CalendarMenu, HintsFollowTheLanguage)
{
    const auto menu = menuOn(at(2025, 5, 9));
    CalendarPages& calendar = *menu->calendar();
    ASSERT_EQ(calendar.pageCount(), 3);
    EXPECT_EQ(calendar.page(3).hint,
              QStringLiteral("Victory day in Great Patriotic war (80-th anniversary, Russian "
                             "Festival)"));
    ASSERT_TRUE(setLanguage(Russian));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(calendar.page(1).hint, QStringLiteral("Телец"));
    EXPECT_EQ(calendar.page(3).hint.toStdString(),
              "День Победы в Великой Отечественной войне (80-я годовщина, Российский праздник)");
    EXPECT_EQ(calendar.rightPageNumber(), 2);
}

TEST_F(CalendarMenu, ANewDayWhileTheMenuShowsBuildsTheNewPages)
{
    const auto menu = menuOn(at(2025, 4, 19, 23, 59, 55));
    CalendarPages& calendar = *menu->calendar();
    EXPECT_EQ(calendar.pageCount(), 2);
    m_now = at(2025, 4, 20, 0, 0, 5);
    calendar.nextCalendarPage();
    EXPECT_EQ(calendar.pageCount(), 4);
    EXPECT_EQ(calendar.rightPageNumber(), 2);
    // Behind a game the pages are put away, and the day is left for the
    // menu's return.
    menu->hide();
    m_now = at(2025, 4, 21, 0, 0, 5);
    calendar.nextCalendarPage();
    EXPECT_TRUE(calendar.leftPage()->isHidden());
    EXPECT_TRUE(calendar.rightPage()->isHidden());
    EXPECT_EQ(calendar.pageCount(), 4);
    menu->show();
    menu->refresh(defaultClubFile());
    EXPECT_EQ(calendar.pageCount(), 2);
    EXPECT_FALSE(calendar.leftPage()->isHidden());
}

// With OLK_CALENDAR_LOOK naming a folder, the pages of a few telling days
// are written there as one strip a day, for a look at the artwork.
TEST_F(CalendarMenu, PagesForALook)
{
    const QString folder = qEnvironmentVariable("OLK_CALENDAR_LOOK");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "set OLK_CALENDAR_LOOK to a folder to get the pictures";
    }
    const QDate days[] = {{2025, 4, 20}, {2025, 5, 9},   {2018, 4, 1},  {2025, 9, 13},
                          {2025, 10, 31}, {2025, 12, 25}, {2026, 1, 7}, {2025, 11, 27}};
    for (const int language : {English, Russian}) {
        setLanguage(language);
        for (const QDate& day : days) {
            const auto menu = menuOn(QDateTime(day, QTime(12, 0)));
            const CalendarPages& calendar = *menu->calendar();
            QImage strip(64 * calendar.pageCount(), 100, QImage::Format_RGB32);
            strip.fill(QColor(0, 128, 0));
            QPainter p(&strip);
            for (int k = 1; k <= calendar.pageCount(); ++k) {
                p.drawImage(64 * (k - 1), 0, calendar.page(k).picture);
            }
            p.end();
            strip.save(QStringLiteral("%1/%2-%3.png")
                           .arg(folder, day.toString(Qt::ISODate), languageInfo(language).locale));
        }
    }
}

TEST(CalendarPages, WithoutTheLibraryThePagesStayHidden)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    QFile broken(empty.filePath(QStringLiteral("TevCalendar01.dll")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a library");
    broken.close();
    for (const bool present : {false, true}) {
        if (!present) {
            QFile::remove(broken.fileName());
        }
        Settings settings;
        MainMenu menu(settings);
        menu.setProgramFolder(empty.path());
        menu.resize(760, 500);
        menu.refresh(defaultClubFile());
        menu.show();
        EXPECT_FALSE(menu.calendar()->shown());
        EXPECT_TRUE(menu.calendar()->leftPage()->isHidden());
        EXPECT_TRUE(menu.calendar()->rightPage()->isHidden());
        EXPECT_FALSE(menu.calendar()->timerCal()->isActive());
        menu.calendar()->nextCalendarPage();
        EXPECT_TRUE(menu.calendar()->rightPage()->isHidden());
    }
}

TEST(CalendarPages, ALibraryWithoutTheBlankPageDrawsNothing)
{
    const std::optional<QByteArray> bytes = packResourceLibrary(
        {{QStringLiteral("R_01"), ResourceKind::Png, QByteArray("\x89PNG broken")}});
    ASSERT_TRUE(bytes);
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("TevCalendar01.dll")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(*bytes);
    file.close();
    const std::optional<ResourceLibrary> library = ResourceLibrary::open(file.fileName());
    ASSERT_TRUE(library);
    EXPECT_FALSE(drawCalendarPages(*library, QDate(2025, 4, 20), {}, {}));
}

// On a screen with two pixels to the point the pages have them too, so the
// day and the month are written sharp, not enlarged.
TEST(CalendarPages, PagesHaveTheScreensPixels)
{
    QImage base(60, 100, QImage::Format_ARGB32);
    base.fill(Qt::white);
    QByteArray png;
    QBuffer buffer(&png);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && base.save(&buffer, "PNG"));
    const std::optional<QByteArray> bytes =
        packResourceLibrary({{QString::fromLatin1(kCalendarBase), ResourceKind::Png, png}});
    ASSERT_TRUE(bytes);
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("TevCalendar01.dll")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size());
    file.close();
    const std::optional<ResourceLibrary> library = ResourceLibrary::open(file.fileName());
    ASSERT_TRUE(library);
    for (const qreal ratio : {1.0, 2.0}) {
        QImage under(QSize(60, 100) * ratio, QImage::Format_RGB32);
        under.setDevicePixelRatio(ratio);
        under.fill(Qt::darkGreen);
        const auto pages = drawCalendarPages(*library, QDate(2025, 4, 20), under, under);
        ASSERT_TRUE(pages);
        const QImage& day = pages->front().picture;
        EXPECT_EQ(day.size(), QSize(60, 100) * ratio);
        EXPECT_EQ(day.devicePixelRatio(), ratio);
        // The red Sunday figure has edges a single device pixel wide.
        int sharpSteps = 0;
        for (int y = 0; y < day.height(); ++y) {
            for (int x = 1; x < day.width(); ++x) {
                const int step = std::abs(qRed(day.pixel(x, y)) - qRed(day.pixel(x - 1, y))) +
                                 std::abs(qGreen(day.pixel(x, y)) - qGreen(day.pixel(x - 1, y)));
                sharpSteps += step > 200 ? 1 : 0;
            }
        }
        EXPECT_GT(sharpSteps, 10 * ratio) << "ratio " << ratio;
    }
}

}  // namespace
}  // namespace olk
