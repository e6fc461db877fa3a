#include "extras/cards_button.h"

#include <gtest/gtest.h>

namespace olk {
namespace {

TEST(CardsButton, ColourTransforms)
{
    const QRgb red = qRgb(0xCC, 0x10, 0x20);
    EXPECT_EQ(transformColour(red, ColorSB::DRed, 0, false), red);
    EXPECT_EQ(transformColour(red, ColorSB::DGreen, 0, false), qRgb(0x10, 0xCC, 0x20));
    EXPECT_EQ(transformColour(red, ColorSB::DBlue, 0, false), qRgb(0x20, 0xCC, 0xCC));
    EXPECT_EQ(transformColour(red, ColorSB::DNavy, 0, false), qRgb(0x20, 0x10, 0xCC));
    EXPECT_EQ(transformColour(red, ColorSB::DYellow, 0, false), qRgb(0xCC, 0xCC, 0x20));
    EXPECT_EQ(transformColour(red, ColorSB::DViolet, 0, false), qRgb(0xCC, 0x10, 0xCC));
    // b' = round(0.7 x 32) = 22, g' = 22 + round(0.4 x |204 - 22|) = 22 + 73 = 95.
    EXPECT_EQ(transformColour(red, ColorSB::DOrang, 0, false), qRgb(0xCC, 95, 22));
    EXPECT_EQ(transformColour(red, ColorSB::DCards, 0, false), qRgb(143, 0, 0xCC));
    // Light 50: every channel halfway to white (halves to even).
    EXPECT_EQ(transformColour(qRgb(100, 0, 255), ColorSB::DRed, 50, false), qRgb(178, 128, 255));
    // The second look keeps pixels far from pure red: the white caption field.
    EXPECT_EQ(transformColour(qRgb(250, 250, 255), ColorSB::DCards, 40, true), qRgb(250, 250, 255));
    EXPECT_EQ(transformColour(qRgb(250, 10, 10), ColorSB::DCards, 0, true), qRgb(150, 7, 250));
    // Alpha stays.
    EXPECT_EQ(qAlpha(transformColour(qRgba(200, 0, 0, 40), ColorSB::DNavy, 0, false)), 40);
}

TEST(CardsButton, ExactThirtyShowsTheLineTable)
{
    TevCardsButton button;
    button.resize(100, 30);
    const QImage bar = button.renderBar();
    const std::span<const QRgb> table = shadingTable(30);
    ASSERT_EQ(table.size(), 29u);
    for (int y = 0; y < 29; ++y) {
        EXPECT_EQ(bar.pixel(50, y), table[static_cast<std::size_t>(y)]) << y;
    }
    // A navy button turns the same lines blue.
    button.setColorSB(ColorSB::DNavy);
    EXPECT_EQ(button.renderBar().pixel(50, 27), qRgb(0, 0, 0xEE));
}

TEST(CardsButton, OtherHeightsUseTheNextArtworkWithScaledCaps)
{
    TevCardsButton button;
    button.resize(120, 38);
    const QImage bar = button.renderBar();
    EXPECT_EQ(bar.size(), QSize(120, 38));
    // Caps of round(13 x 38 / 45) = 11 pixels: the middle starts at x = 11.
    EXPECT_GT(qAlpha(bar.pixel(11, 19)), 250);
    EXPECT_EQ(qAlpha(bar.pixel(0, 0)), 0);  // the rounded end leaves the corner clear
}

}  // namespace
}  // namespace olk
