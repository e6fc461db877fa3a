#include "extras/cards_button.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>

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

namespace olk {
namespace {

// The most colourful pixel of a picture: 0 for pure greys.
int chroma(const QImage& picture)
{
    int most = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = QColor::fromRgba(picture.pixel(x, y));
            if (c.alpha() > 200) {
                most = std::max(most, std::max({c.red(), c.green(), c.blue()}) -
                                          std::min({c.red(), c.green(), c.blue()}));
            }
        }
    }
    return most;
}

// A disabled button reads as disabled at a glance: in either look and any
// colour its bar turns grey, and with GrayDis its caption is silver.
TEST(CardsButton, ADisabledButtonIsGreyInEveryColourAndLook)
{
    for (bool nata : {false, true}) {
        for (ColorSB colour :
             {ColorSB::DRed, ColorSB::DNavy, ColorSB::DGreen, ColorSB::DYellow, ColorSB::DCards}) {
            SCOPED_TRACE(testing::Message() << "nata " << nata << " colour " << int(colour));
            TevCardsButton button(QStringLiteral("Стук!"));
            button.resize(140, 30);
            button.setNata(nata);
            button.setColorSB(colour);
            button.setGrayDis(true);
            QFont font = button.font();
            font.setPixelSize(20);
            font.setBold(true);
            button.setFont(font);
            EXPECT_GT(chroma(button.renderBar()), 60);
            button.setEnabled(false);
            EXPECT_LE(chroma(button.renderBar()), 8);
            const QImage shown = button.grab().toImage();
            int silver = 0;
            for (int y = 0; y < shown.height(); ++y) {
                for (int x = 0; x < shown.width(); ++x) {
                    silver += shown.pixel(x, y) == qRgb(192, 192, 192) ? 1 : 0;
                }
            }
            EXPECT_GT(silver, 10) << "the caption is drawn in silver";
        }
    }
}

TEST(CardsButton, GlyphInsetAndCaptionMargin)
{
    TevCardsButton button(QStringLiteral("Go"));
    QImage glyph(16, 12, QImage::Format_ARGB32);
    glyph.fill(Qt::green);
    button.setGlyph(glyph);
    struct Case {
        int height;
        GlyphLayout layout;
        QPoint glyphAt;
        QRect caption;  // with margin 0
    };
    // Exact heights: insets 15, 18, 20 and a caption clear of the glyph by
    // 25, 28, 30; a scaled one (38): caps of 11, inset round(1.6 x 11) = 18,
    // caption clear by glyph + 11 + 10. Rows: round((H - 12 - 1) / 2), halves to even.
    const Case cases[] = {
        {30, GlyphLayout::Left, {15, 8}, QRect(16 + 25, 0, 200 - 41, 30)},
        {45, GlyphLayout::Left, {18, 16}, QRect(16 + 28, 0, 200 - 44, 45)},
        {60, GlyphLayout::Right, {200 - 16 - 20, 24}, QRect(0, 0, 200 - 46, 60)},
        {38, GlyphLayout::Left, {18, 12}, QRect(16 + 21, 0, 200 - 37, 38)},
        {30, GlyphLayout::Bottom, {92, 8}, QRect(16 + 25, 0, 200 - 41, 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        button.resize(200, c.height);
        button.setGlyphLayout(c.layout);
        button.setMargin(-1);
        EXPECT_EQ(button.glyphPosition(), c.glyphAt);
        EXPECT_EQ(button.captionRect(), button.rect()) << "centred in the whole button";
        button.setMargin(0);
        EXPECT_EQ(button.captionRect(), c.caption);
    }
    bool drawn = false;
    button.setOnDrawButton([&drawn](QPainter&, const QRect& r, const TevCardsButton::DrawState& s) {
        drawn = r.width() == 200 && !s.enabled;
    });
    button.setEnabled(false);
    button.grab();
    EXPECT_TRUE(drawn);
}

}  // namespace
}  // namespace olk
