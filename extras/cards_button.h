#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>
#include <array>
#include <span>

namespace olk {

// The colours a TevCardsButton can take; all come from one red artwork.
enum class ColorSB { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
enum class HeightSB { D30, D45, D60 };

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
    // The caption starts after the left cap instead of being centred.
    void setCaptionLeft(bool on) { m_captionLeft = on; }
    QColor fontColour() const { return m_fontColour; }
    void setFontColour(const QColor& colour) { m_fontColour = colour; }

    // The bar without caption, as painted at the button's size.
    QImage renderBar() const;

    QSize sizeHint() const override { return {100, 30}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

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
    bool m_captionLeft = false;
};

}  // namespace olk
