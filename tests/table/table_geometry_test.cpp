#include "table/table_geometry.h"

#include "core/rounding.h"

#include <gtest/gtest.h>

namespace olk {
namespace {

TEST(TableGeometry, RoundsHalvesToEven)
{
    const std::pair<double, int> cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},     {-0.5, 0},
                                            {-1.5, -2}, {47.58, 48}, {561.6, 562}, {2.4999, 2}};
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
    }
}

TEST(TableGeometry, FullScreenKeepsProportionsInTheStretchedCell)
{
    const TableGeometry g = layoutTable(2, {1920, 1080}, false);
    EXPECT_DOUBLE_EQ(g.scale.s, 2.16);
    EXPECT_EQ(g.cards[4].left(), 680);  // 48 + 632
    EXPECT_EQ(g.cards[4].width(), 562);
    EXPECT_EQ(g.drawingClass, DrawingClass::Large);
    EXPECT_EQ(g.cardWidth, 146);
    EXPECT_EQ(g.cards[4].height(), 198);
}

TEST(TableGeometry, EveryWindowSize)
{
    struct Case {
        int windowSize;
        QSize client;
        DrawingClass drawingClass;
        int cardWidth;
        int cardHeight;
        QRect koloda;
        QRect button8;
    };
    const Case cases[] = {
        {1, {760, 500}, DrawingClass::Small, 71, 96, {305, 180, 150, 150}, {615, 390, 140, 30}},
        {3, {990, 650}, DrawingClass::Scaled, 92, 125, {396, 234, 195, 195}, {800, 507, 182, 39}},
        {4,
         {1290, 850},
         DrawingClass::Scaled,
         121,
         163,
         {518, 306, 255, 255},
         {1046, 663, 238, 51}},
        {5,
         {1520, 1000},
         DrawingClass::Large,
         146,
         198,
         {610, 360, 300, 300},
         {1230, 780, 280, 60}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(clientSizeFor(c.windowSize, {1920, 1080}), c.client);
        const TableGeometry g = layoutTable(c.windowSize, c.client, false);
        EXPECT_EQ(g.drawingClass, c.drawingClass) << c.windowSize;
        EXPECT_EQ(g.cardWidth, c.cardWidth) << c.windowSize;
        EXPECT_EQ(g.cardHeight, c.cardHeight) << c.windowSize;
        EXPECT_EQ(g.koloda, c.koloda) << c.windowSize;
        EXPECT_EQ(g.button8, c.button8) << c.windowSize;
        // Everything stays inside the window.
        const QRect client(QPoint(0, 0), c.client);
        for (int seat = 1; seat <= 4; ++seat) {
            EXPECT_TRUE(client.contains(g.cards[seat])) << c.windowSize << " seat " << seat;
            EXPECT_TRUE(client.contains(g.plates[seat]));
            EXPECT_TRUE(client.contains(g.arrows[seat]));
        }
    }
    EXPECT_EQ(layoutTable(3, {990, 650}, true).cardWidth, 79);  // narrow: size(61)
    EXPECT_EQ(layoutTable(5, {1520, 1000}, true).cardWidth, 126);
}

TEST(TableGeometry, CardPositionsInAHand)
{
    EXPECT_EQ(cardPositions(260, 71, 3), (QList<int>{19, 93, 167}));
    EXPECT_EQ(cardPositions(260, 71, 4), (QList<int>{0, 62, 124, 186}));
    EXPECT_EQ(cardPositions(260, 71, 5), (QList<int>{0, 46, 92, 138, 184}));
    EXPECT_EQ(cardPositions(260, 71, 1), (QList<int>{93}));
    EXPECT_EQ(cardPositions(260, 71, 0), QList<int>());
    EXPECT_EQ(cardPositions(190, 71, 3), (QList<int>{0, 58, 116}));
}

TEST(TableGeometry, StacksRiseTwoPixelsEverySixCards)
{
    const std::pair<int, int> cases[] = {{1, 48},  {6, 48},  {7, 46},  {12, 46}, {13, 44},
                                         {18, 44}, {19, 42}, {24, 42}, {25, 40}, {52, 40}};
    for (const auto& [count, offset] : cases) {
        EXPECT_EQ(stackOffset(count), offset) << count;
    }
    EXPECT_EQ(stackOffset(1) - stackOffset(13), 4);
}

}  // namespace
}  // namespace olk
