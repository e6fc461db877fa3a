#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>
#include <array>
#include <functional>
#include <span>

namespace olk {

// The colours a TevCardsButton can take; all come from one red artwork.
enum class ColorSB { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
enum class HeightSB { D30, D45, D60 };
// Where the glyph stands: before the caption, after it, or centred across.
enum class GlyphLayout { Left, Right, Bottom };

// The bar of a disabled button: its colours drained towards a quiet grey, so
// that "disabled" reads at a glance whatever the colour and look.
QImage disabledBar(const QImage& bar);

// One colour of the red artwork as the button shows it: the channels
// rearranged for `colour`, then blended towards white by `light` percent. In
// the Nata look a pixel far from pure red keeps its colour.
QRgb transformColour(QRgb pixel, ColorSB colour, int light, bool nata);

// The middle of an exact button in the normal look, line by line from the top
// (height - 1 lines), for the heights 30, 45 and 60.
std::span<const QRgb> shadingTable(int height);

// The program's own push button: a horizontal bar with rounded end caps in one
// of eight colours and three artwork heights, painted entirely by itself.
class TevCardsButton : public QPushButton {
    Q_OBJECT

public:
    explicit TevCardsButton(QWidget* parent = nullptr);
    TevCardsButton(const QString& text, QWidget* parent = nullptr);

    ColorSB colorSB() const { return m_colour; }
    void setColorSB(ColorSB colour);
    QColor colorMouse() const { return m_colorMouse; }
    void setColorMouse(const QColor& colour) { m_colorMouse = colour; }
    bool lightFont() const { return m_lightFont; }
    void setLightFont(bool on) { m_lightFont = on; }
    bool grayDis() const { return m_grayDis; }
    void setGrayDis(bool on) { m_grayDis = on; }
    HeightSB heightSB() const { return m_height; }
    void setHeightSB(HeightSB height);
    int kLightSB() const { return m_light; }
    void setKLightSB(int percent);
    bool kontur() const { return m_kontur; }
    void setKontur(bool on) { m_kontur = on; }
    bool smooth() const { return m_smooth; }
    void setSmooth(bool on) { m_smooth = on; }
    bool nata() const { return m_nata; }
    void setNata(bool on);
    // -1 centres the caption; any other margin sets it flush left (or right,
    // for a glyph on the right), clear of the caps and the glyph.
    int margin() const { return m_margin; }
    void setMargin(int margin);
    // A small picture beside the caption; its transparent pixels show the bar.
    const QImage& glyph() const { return m_glyph; }
    void setGlyph(const QImage& glyph);
    GlyphLayout glyphLayout() const { return m_glyphLayout; }
    void setGlyphLayout(GlyphLayout layout);

    // Called after the caption is painted, to draw something of the owner's
    // over it.
    struct DrawState {
        bool enabled = true;
        bool down = false;
        bool mouseInside = false;
        bool focused = false;
    };
    using DrawHandler = std::function<void(QPainter&, const QRect&, const DrawState&)>;
    void setOnDrawButton(DrawHandler handler) { m_onDraw = std::move(handler); }

    // Where the caption goes (with the button up), and the glyph's place.
    QRect captionRect() const;
    QPoint glyphPosition() const;
    QColor fontColour() const { return m_fontColour; }
    void setFontColour(const QColor& colour) { m_fontColour = colour; }

    // The bar without caption, as painted at the button's size; greyed when
    // the button is disabled.
    QImage renderBar() const;

    QSize sizeHint() const override { return {100, 30}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ColorSB m_colour = ColorSB::DRed;
    QColor m_colorMouse = Qt::black;
    QColor m_fontColour = Qt::white;
    bool m_lightFont = false;
    bool m_grayDis = false;
    HeightSB m_height = HeightSB::D30;
    int m_light = 0;
    bool m_kontur = true;
    bool m_smooth = true;
    bool m_nata = false;
    bool m_mouseInside = false;
    int m_margin = -1;
    QImage m_glyph;
    GlyphLayout m_glyphLayout = GlyphLayout::Left;
    DrawHandler m_onDraw;
};

}  // namespace olk
