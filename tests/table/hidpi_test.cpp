// The table on a screen of device pixel ratio 2: the suite sets
// QT_SCALE_FACTOR before the application object is made, so every widget in
// it has two device pixels to a logical one.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>

#include "extras/card_pictures.h"
#include "extras/draw_stretched.h"
#include "table/card_flight.h"
#include "table/table_view.h"

namespace {

const bool g_scaled = [] {
    qputenv("QT_SCALE_FACTOR", "2");
    return true;
}();

}  // namespace

namespace olk {
namespace {

TEST(HiDpi, DeviceRectScalesTheEdges)
{
    struct Case {
        QRect logical;
        qreal ratio;
        QRect device;
    };
    const Case cases[] = {
        {QRect(3, 5, 10, 20), 1.0, QRect(3, 5, 10, 20)},
        {QRect(3, 5, 10, 20), 2.0, QRect(6, 10, 20, 40)},
        // Fractional ratios keep the rectangle covering all it touches.
        {QRect(1, 1, 3, 3), 1.5, QRect(1, 1, 5, 5)},
        {QRect(0, 0, 760, 500), 1.25, QRect(0, 0, 950, 625)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(deviceRect(c.logical, c.ratio), c.device) << c.ratio;
    }
    const QImage image = deviceImage(QSize(71, 96), 2.0, QImage::Format_RGB32);
    EXPECT_EQ(image.size(), QSize(142, 192));
    EXPECT_EQ(logicalRect(image), QRect(0, 0, 71, 96));
}

TEST(HiDpi, CardsAreResampledStraightToTheDevicePixels)
{
    // Every class: a whole card at card size x ratio, from the large
    // pictures, carrying the ratio; at ratio 1 the small class stays as it
    // was, a 69 x 94 picture for the outline.
    struct Case {
        DrawingClass drawingClass;
        int width, height, corner;
        qreal ratio;
        QSize pixels;
        bool outlined;
    };
    const Case cases[] = {
        {DrawingClass::Small, 71, 96, 8, 1.0, QSize(69, 94), true},
        {DrawingClass::Small, 71, 96, 8, 2.0, QSize(142, 192), false},
        {DrawingClass::Scaled, 92, 125, 10, 2.0, QSize(184, 250), false},
        {DrawingClass::Large, 146, 198, 16, 2.0, QSize(292, 396), false},
    };
    for (const Case& c : cases) {
        CardPictures pictures;
        pictures.load(c.drawingClass, c.width, c.height, c.corner, c.ratio);
        const QImage& face = pictures.face({rank::kAce, suit::kSpades});
        EXPECT_EQ(face.size(), c.pixels);
        EXPECT_EQ(face.devicePixelRatio(), c.ratio);
        EXPECT_EQ(pictures.back(1).size(), c.pixels);
        EXPECT_EQ(pictures.outlined(), c.outlined);
    }
}

TEST(HiDpi, AFlightOverADeviceFrameWorksInLogicalPixels)
{
    QImage frame = deviceImage(QSize(200, 100), 2.0, QImage::Format_RGB32);
    frame.fill(Qt::darkGreen);
    {
        QPainter p(&frame);
        p.fillRect(QRect(50, 20, 30, 30), Qt::yellow);
    }
    const QImage before = frame.copy();
    QImage sprite = deviceImage(QSize(20, 30), 2.0, QImage::Format_ARGB32);
    sprite.fill(Qt::white);
    CardFlyer flyer;
    flyer.setSleeper([](int) {});
    QRect reach;
    bool drawnAtDevicePixels = false;
    flyer.fly(frame, sprite, {0, 0}, {150, 60}, 5, [&](const QRect& dirty) {
        reach |= dirty;
        // The sprite covers its 20 x 30 logical pixels, 40 x 60 device ones.
        drawnAtDevicePixels = drawnAtDevicePixels ||
                              frame.pixel(2 * 150 + 39, 2 * 60 + 59) == QColor(Qt::white).rgb();
    });
    EXPECT_TRUE(drawnAtDevicePixels);
    EXPECT_EQ(reach, QRect(-2, -2, 174, 94));
    EXPECT_EQ(frame, before);  // clean again, to the device pixel
}

class HiDpiTableTest : public ::testing::Test {
protected:
    HiDpiTableTest() : session(Rng(2024)), view(session, settings)
    {
        settings.flightSpeed = 5;
        view.setProgramFolder(folder.path());
        view.flyer().setSleeper([](int) {});
        view.resize(760, 500);
        view.applyWindowSize();
    }

    QTemporaryDir folder;
    Settings settings;
    GameSession session;
    TableView view;
};

// Sharp steps inside the 2 x 2 blocks of device pixels that make one
// logical pixel: neighbours in a block whose grey differs by more than 100.
// An enlarged picture has none (a block is one colour, or a smooth ramp of
// at most half the step), a picture drawn at the device's pixels has many.
int sharpStepsInsideBlocks(const QImage& image, const QRect& area)
{
    int steps = 0;
    for (int y = area.top(); y < area.bottom(); ++y) {
        for (int x = area.left(); x < area.right(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            if (x % 2 == 0 && std::abs(grey - qGray(image.pixel(x + 1, y))) > 100) {
                ++steps;
            }
            if (y % 2 == 0 && std::abs(grey - qGray(image.pixel(x, y + 1))) > 100) {
                ++steps;
            }
        }
    }
    return steps;
}

TEST_F(HiDpiTableTest, TheFrameHasTheScreensPixelsAndCardsHaveRealDetail)
{
    view.startLocalGame({"Mr.X", 0, 0, 0.0});
    ASSERT_EQ(view.devicePixelRatioF(), 2.0);
    const QImage& frame = view.frame();
    EXPECT_EQ(frame.size(), QSize(1520, 1000));
    EXPECT_EQ(frame.devicePixelRatio(), 2.0);
    EXPECT_EQ(logicalRect(frame), view.rect());

    // The top card of the pile, its face resampled from the large picture
    // straight to 142 x 192: real detail, where the same card enlarged from
    // its 71 x 96 logical pixels has none.
    const QRect pixels = deviceRect(view.pileTopRect(), 2.0);
    ASSERT_EQ(pixels.size(), QSize(142, 192));
    const QImage card = frame.copy(pixels);
    const QImage enlarged = card.scaled(71, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .scaled(142, 192, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GE(sharpStepsInsideBlocks(card, card.rect()), 50);
    EXPECT_EQ(sharpStepsInsideBlocks(enlarged, enlarged.rect()), 0);

    // The widget shows the frame one to one.
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.size(), frame.size());
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32).copy(pixels), frame.copy(pixels));
}

TEST_F(HiDpiTableTest, TheGifRecordingKeepsTheLogicalSize)
{
    settings.saveGamesAsGif = true;
    view.startLocalGame({"Mr.X", 0, 0, 0.0});
    ASSERT_TRUE(view.isRecording());
    view.captureFrame();
    ASSERT_GE(view.recorder().frameCount(), 1);
    EXPECT_EQ(view.recorder().recording().size, QSize(760, 500));
    EXPECT_EQ(view.recorder().recording().frames[0].pixels.size(), QSize(760, 500));
    view.saveRecording();
    view.recorder().waitForWrites();
}

}  // namespace
}  // namespace olk
