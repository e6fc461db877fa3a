#include "extras/draw_stretched.h"

#include <gtest/gtest.h>

#include "extras/card_pictures.h"

namespace olk {
namespace {

TEST(DrawStretched, Spline36Weights)
{
    EXPECT_DOUBLE_EQ(spline36(0.0), 1.0);
    for (const double t : {1.0, 2.0, 3.0, 3.5, -3.0}) {
        EXPECT_NEAR(spline36(t), 0.0, 1e-12) << t;
    }
    const double a = 0.5;
    EXPECT_DOUBLE_EQ(spline36(0.5), ((13.0 / 11 * a - 453.0 / 209) * a - 3.0 / 209) * a + 1);
    EXPECT_DOUBLE_EQ(spline36(-1.5), ((-6.0 / 11 * a + 270.0 / 209) * a - 156.0 / 209) * a);
    EXPECT_DOUBLE_EQ(spline36(2.5), ((1.0 / 11 * a - 45.0 / 209) * a + 26.0 / 209) * a);
    // The weights of one sample position add up to one.
    for (const double shift : {0.0, 0.25, 0.5, 0.8}) {
        double sum = 0;
        for (int k = -3; k <= 3; ++k) {
            sum += spline36(k + shift);
        }
        EXPECT_NEAR(sum, 1.0, 1e-9) << shift;
    }
}

TEST(DrawStretched, ResamplingKeepsFlatColoursAndCutsRoundCorners)
{
    QImage flat(146, 198, QImage::Format_ARGB32);
    flat.fill(QColor(200, 30, 60));
    const QImage card = stretchedCard(flat, 121, 163, 14);
    ASSERT_EQ(card.size(), QSize(121, 163));
    EXPECT_EQ(card.pixel(60, 80), qRgb(200, 30, 60));
    EXPECT_EQ(card.pixel(60, 0), qRgb(200, 30, 60));  // the middle of an edge stays
    for (const QPoint corner : {QPoint(0, 0), QPoint(120, 0), QPoint(0, 162), QPoint(120, 162)}) {
        EXPECT_EQ(qAlpha(card.pixel(corner)), 0) << corner.x() << "," << corner.y();
    }
    // Unchanged size: drawn as it is.
    EXPECT_EQ(stretchedCard(flat, 146, 198, 14), flat);
}

TEST(DrawStretched, BuiltInPicturesAndBacks)
{
    CardPictures pictures;
    pictures.load(DrawingClass::Small, 71, 96, 8);
    EXPECT_EQ(pictures.face(CardCode{'2', suit::kHearts}).size(), QSize(69, 94));
    EXPECT_EQ(pictures.back(7).size(), QSize(69, 94));
    EXPECT_TRUE(pictures.face(kEmptyCard).isNull());
    pictures.load(DrawingClass::Large, 146, 198, 16);
    EXPECT_EQ(pictures.face(CardCode{rank::kAce, suit::kSpades}).size(), QSize(146, 198));
    pictures.load(DrawingClass::Scaled, 92, 125, 10);
    EXPECT_EQ(pictures.back(1).size(), QSize(92, 125));
    EXPECT_EQ(faceName(CardCode{rank::kQueen, suit::kDiamonds}), QStringLiteral("Bu3Q"));
    EXPECT_EQ(faceName(CardCode{rank::kTen, suit::kClubs}), QStringLiteral("Kr10"));

    // Sunday shows back 7, "Always one" always 7, Monday 1.
    EXPECT_EQ(chooseBack(false, 7), 7);
    EXPECT_EQ(chooseBack(false, 1), 1);
    EXPECT_EQ(chooseBack(true, 3), 7);
}

}  // namespace
}  // namespace olk
