#include "table/card_flight.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace olk {
namespace {

TEST(CardFlight, PathStepsOnePixelAlongTheMajorAxis)
{
    const QList<QPoint> along = CardFlyer::path({10, 20}, {310, 20});
    ASSERT_EQ(along.size(), 300);
    EXPECT_EQ(along.front(), QPoint(11, 20));
    EXPECT_EQ(along.back(), QPoint(310, 20));

    // Steep: y is the major axis; x follows the line, halves to even.
    const QList<QPoint> steep = CardFlyer::path({0, 0}, {3, -6});
    EXPECT_EQ(steep, (QList<QPoint>{{0, -1}, {1, -2}, {2, -3}, {2, -4}, {2, -5}, {3, -6}}));
    // x = 0.5 rounds to 0 and x = 2.5 to 2.
    const QList<QPoint> shallow = CardFlyer::path({0, 0}, {4, 2});
    EXPECT_EQ(shallow, (QList<QPoint>{{1, 0}, {2, 1}, {3, 2}, {4, 2}}));
    EXPECT_TRUE(CardFlyer::path({5, 5}, {5, 5}).isEmpty());
}

TEST(CardFlight, PausesBySpeedLevel)
{
    // A flight of 300 pixels: 300 x 2 ms, 300 x 1 ms, 150 x 1 ms, 100 x 1 ms,
    // then none, whatever the rhythm left by earlier flights.
    const struct {
        int level;
        int pauses;
        int milliseconds;
    } cases[] = {{1, 300, 600}, {2, 300, 300}, {3, 150, 150}, {4, 100, 100}, {5, 0, 0}, {6, 0, 0}};
    for (const auto& c : cases) {
        CardFlyer flyer;
        int pauses = 0;
        int total = 0;
        flyer.setSleeper([&](int ms) {
            ++pauses;
            total += ms;
        });
        QImage frame(400, 200, QImage::Format_RGB32);
        frame.fill(Qt::darkGreen);
        QImage sprite(20, 30, QImage::Format_ARGB32);
        sprite.fill(Qt::white);
        flyer.fly(frame, sprite, {0, 10}, {300, 10}, c.level, [](const QRect&) {});
        EXPECT_EQ(pauses, c.pauses) << "level " << c.level;
        EXPECT_EQ(total, c.milliseconds) << "level " << c.level;
    }
}

TEST(CardFlight, RepaintsOnlyAroundTheCardAndLeavesTheFrameClean)
{
    QImage frame(200, 100, QImage::Format_RGB32);
    frame.fill(Qt::darkGreen);
    {
        QPainter p(&frame);
        p.fillRect(50, 40, 30, 30, Qt::red);  // something on the table
    }
    const QImage before = frame.copy();
    QImage sprite(20, 30, QImage::Format_ARGB32);
    sprite.fill(Qt::white);
    for (const int level : {5, 6}) {
        CardFlyer flyer;
        QList<QRect> dirty;
        bool sawCardOverTheRed = false;
        flyer.fly(frame, sprite, {0, 0}, {100, 50}, level, [&](const QRect& rect) {
            dirty.append(rect);
            sawCardOverTheRed = sawCardOverTheRed || frame.pixel(60, 55) == qRgb(255, 255, 255);
            EXPECT_LE(rect.width(), 20 + 2 + 4);
            EXPECT_LE(rect.height(), 30 + 2 + 4);
        });
        // The start, every step but the first at level 6, and the clean-up.
        EXPECT_EQ(dirty.size(), level == 5 ? 1 + 100 + 1 : 1 + 99 + 1);
        EXPECT_TRUE(sawCardOverTheRed);
        EXPECT_EQ(frame, before);
        EXPECT_FALSE(flyer.isFlying());
    }
}

}  // namespace
}  // namespace olk
