#include "extras/cards_button.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/rounding.h"
#include "extras/button_shading.h"
#include "extras/card_pictures.h"

namespace olk {

namespace {

// The button's font, made smaller where a caption would run past the bar's
// round ends (a long word of some languages on a short button), down to
// two thirds of its size.
QFont fittingFont(const QFont& font, const QString& caption, int width)
{
    const int wanted = QFontMetrics(font).horizontalAdvance(caption);
    if (wanted <= width || wanted <= 0 || width <= 0) {
        return font;
    }
    const qreal factor = std::max(2.0 / 3.0, static_cast<qreal>(width) / wanted);
    QFont smaller = font;
    if (font.pixelSize() > 0) {
        smaller.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * factor)));
    } else {
        smaller.setPointSizeF(font.pointSizeF() * factor);
    }
    return smaller;
}

int channel(double value)
{
    return std::clamp(static_cast<int>(roundHalfEven(value)), 0, 255);
}

template <std::size_t N>
std::vector<QRgb> opaque(const std::array<std::uint32_t, N>& table)
{
    std::vector<QRgb> rows;
    for (const std::uint32_t rgb : table) {
        rows.push_back(0xFF000000u | rgb);
    }
    return rows;
}

const std::vector<QRgb>& rows30()
{
    static const std::vector<QRgb> rows = opaque(shading::kHeight30);
    return rows;
}
const std::vector<QRgb>& rows45()
{
    static const std::vector<QRgb> rows = opaque(shading::kHeight45);
    return rows;
}
const std::vector<QRgb>& rows60()
{
    static const std::vector<QRgb> rows = opaque(shading::kHeight60);
    return rows;
}

struct HeightClass {
    int capWidth;
    int nominal;
    const char* artwork;  // "29", "44", "59"
    int glyphInset;
    int focusInset;  // exact buttons: the focus rectangle's inset and corners
    int focusInsetY;
};

HeightClass heightClass(int height)
{
    if (height <= 30) {
        return {8, 30, "29", 15, 7, 4};
    }
    if (height <= 45) {
        return {13, 45, "44", 18, 9, 5};
    }
    return {17, 60, "59", 20, 11, 6};
}

QImage transformed(const QImage& picture, ColorSB colour, int light, bool nata)
{
    if (colour == ColorSB::DRed && light == 0) {
        return picture;
    }
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            line[x] = transformColour(line[x], colour, light, nata);
        }
    }
    return out;
}

QColor focusColour(ColorSB colour, bool nata)
{
    if (nata) {
        switch (colour) {
        case ColorSB::DRed:
            return {255, 255, 0};
        case ColorSB::DYellow:
            return {255, 0, 0};
        case ColorSB::DGreen:
        case ColorSB::DBlue:
            return {0, 0, 255};
        case ColorSB::DNavy:
            return {0, 255, 0};
        case ColorSB::DViolet:
        case ColorSB::DOrang:
            return {255, 255, 255};
        case ColorSB::DCards:
            return {220, 180, 255};
        }
    }
    switch (colour) {
    case ColorSB::DRed:
    case ColorSB::DYellow:
        return {255, 200, 200};
    case ColorSB::DGreen:
        return {200, 200, 255};
    case ColorSB::DBlue:
    case ColorSB::DNavy:
        return {200, 255, 200};
    case ColorSB::DViolet:
        return {255, 255, 200};
    case ColorSB::DOrang:
        return {255, 128, 64};
    case ColorSB::DCards:
        return {200, 175, 50};
    }
    return Qt::white;
}

}  // namespace

std::span<const QRgb> shadingTable(int height)
{
    const std::vector<QRgb>& rows = height == 45 ? rows45() : (height == 60 ? rows60() : rows30());
    return {rows.data(), rows.size()};
}

QRgb transformColour(QRgb pixel, ColorSB colour, int light, bool nata)
{
    const int a = qAlpha(pixel);
    int r = qRed(pixel);
    int g = qGreen(pixel);
    int b = qBlue(pixel);
    const bool farFromRed = nata && std::hypot(r - 255.0, g, b) >= 180.0;
    switch (colour) {
    case ColorSB::DRed:
        break;
    case ColorSB::DGreen:
        std::swap(r, g);
        break;
    case ColorSB::DBlue: {
        const int oldR = r;
        r = b;
        g = oldR;
        b = oldR;
        break;
    }
    case ColorSB::DNavy:
        std::swap(r, b);
        break;
    case ColorSB::DYellow:
        g = r;
        break;
    case ColorSB::DViolet:
        b = r;
        break;
    case ColorSB::DOrang:
        if (r > g && r > b) {
            b = channel(0.7 * b);
            g = b + channel(0.4 * std::abs(r - b));
        }
        break;
    case ColorSB::DCards:
        if (!farFromRed) {
            const int oldR = r;
            const int oldG = g;
            r = channel((nata ? 0.6 : 0.7) * oldR);
            g = nata ? channel(0.7 * oldG) : 0;
            b = oldR;
        }
        break;
    }
    if (light > 0 && !farFromRed) {
        r = channel(r + (255 - r) * light / 100.0);
        g = channel(g + (255 - g) * light / 100.0);
        b = channel(b + (255 - b) * light / 100.0);
    }
    return qRgba(std::min(r, 255), std::min(g, 255), std::min(b, 255), a);
}

QImage disabledBar(const QImage& bar)
{
    QImage grey = bar.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb c = line[x];
            // Luminance, pulled a little towards a mid grey so that a white
            // or silver caption stays readable on it.
            const int lum = (11 * qRed(c) + 16 * qGreen(c) + 5 * qBlue(c)) / 32;
            const int v = (lum * 3 + 110 * 2) / 5;
            line[x] = qRgba(v, v, v + 6 > 255 ? 255 : v + 6, qAlpha(c));
        }
    }
    return grey.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TevCardsButton::TevCardsButton(QWidget* parent) : TevCardsButton(QString(), parent) {}

TevCardsButton::TevCardsButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    resize(100, 30);
    setAttribute(Qt::WA_Hover);
}

void TevCardsButton::setColorSB(ColorSB colour)
{
    m_colour = colour;
    update();
}

void TevCardsButton::setHeightSB(HeightSB height)
{
    m_height = height;
    setFixedHeight(height == HeightSB::D30 ? 30 : (height == HeightSB::D45 ? 45 : 60));
    update();
}

void TevCardsButton::setKLightSB(int percent)
{
    m_light = std::clamp(percent, 0, 100);
    update();
}

void TevCardsButton::setNata(bool on)
{
    m_nata = on;
    update();
}

void TevCardsButton::setMargin(int margin)
{
    m_margin = std::max(-1, margin);
    update();
}

void TevCardsButton::setGlyph(const QImage& glyph)
{
    m_glyph = glyph;
    update();
}

void TevCardsButton::setGlyphLayout(GlyphLayout layout)
{
    m_glyphLayout = layout;
    update();
}

namespace {

// The cap width the bar is painted with at height h.
int capWidthAt(int h)
{
    const HeightClass k = heightClass(h);
    return h == k.nominal
               ? k.capWidth
               : static_cast<int>(roundHalfEven(k.capWidth * static_cast<double>(h) / k.nominal));
}

}  // namespace

QPoint TevCardsButton::glyphPosition() const
{
    const int h = height();
    const bool exact = h == heightClass(h).nominal;
    const int inset = exact ? (h == 30 ? 15 : (h == 45 ? 18 : 20))
                            : static_cast<int>(roundHalfEven(1.6 * capWidthAt(h)));
    const int y = static_cast<int>(roundHalfEven((h - m_glyph.height() - 1) / 2.0));
    switch (m_glyphLayout) {
    case GlyphLayout::Left:
        return {inset, y};
    case GlyphLayout::Right:
        return {width() - m_glyph.width() - inset, y};
    case GlyphLayout::Bottom:
        break;
    }
    return {(width() - m_glyph.width()) / 2, y};
}

QRect TevCardsButton::captionRect() const
{
    QRect r = rect();
    if (m_nata) {
        r.translate(0, -1);
    }
    if (m_margin < 0) {
        return r;
    }
    // Flush to one side: clear of the glyph and the cap on that side.
    const int h = height();
    const bool exact = h == heightClass(h).nominal;
    const int room =
        m_glyph.width() + (exact ? (h == 30 ? 25 : (h == 45 ? 28 : 30)) : capWidthAt(h) + 10);
    if (m_glyphLayout == GlyphLayout::Right) {
        r.adjust(0, 0, -room, 0);
    } else {
        r.adjust(room, 0, 0, 0);
    }
    return r;
}

QImage TevCardsButton::renderBar() const
{
    const int w = width();
    const int h = height();
    QImage bar(w, h, QImage::Format_ARGB32_Premultiplied);
    bar.fill(Qt::transparent);
    if (w <= 0 || h <= 1) {
        return bar;
    }
    const HeightClass k = heightClass(h);
    const bool exact = h == k.nominal;
    const int q =
        exact ? k.capWidth
              : static_cast<int>(roundHalfEven(k.capWidth * static_cast<double>(h) / k.nominal));
    const QString look = m_nata ? QStringLiteral("Q") : QStringLiteral("R");
    const QString base = look + QString::fromLatin1(k.artwork);
    auto piece = [&](const char* part, int pw) {
        QImage picture = transformed(builtInPicture(base + QString::fromLatin1(part)), m_colour,
                                     m_light, m_nata);
        if (!exact && m_smooth) {
            picture = picture.scaled(pw, h - 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        return picture;
    };
    QPainter p(&bar);
    p.drawImage(QRect(0, 0, q, h - 1), piece("_L", q));
    p.drawImage(QRect(w - q - 1, 0, q, h - 1), piece("_R", q));
    if (exact && !m_nata && m_colour != ColorSB::DCards) {
        const std::span<const QRgb> rows = shadingTable(h);
        for (int i = 1; i <= h - 1 && i <= static_cast<int>(rows.size()); ++i) {
            p.setPen(QColor::fromRgba(
                transformColour(rows[static_cast<std::size_t>(i - 1)], m_colour, m_light, false)));
            if (w - k.capWidth - 1 > k.capWidth) {
                p.drawLine(k.capWidth, i - 1, w - k.capWidth - 2, i - 1);
            }
        }
    } else {
        p.drawImage(QRect(q, 0, w - 2 * q, h - 1), piece("_2", 2));
    }
    p.end();
    return isEnabled() ? bar : disabledBar(bar);
}

void TevCardsButton::paintEvent(QPaintEvent*)
{
    const int w = width();
    const int h = height();
    const bool pressed = isDown();
    const QPoint shift = pressed ? QPoint(1, 1) : QPoint(0, 0);
    QPainter p(this);
    p.drawImage(shift, renderBar());

    const bool enabled = isEnabled();
    if (!m_glyph.isNull()) {
        p.drawImage(glyphPosition() + shift, enabled ? m_glyph : disabledBar(m_glyph));
    }

    // The caption: the font colour, the mouse colour under the mouse, and a
    // disabled button's caption silver (GrayDis) or dimmed like its bar.
    QColor colour = m_fontColour;
    if (m_lightFont && m_mouseInside && enabled) {
        colour = m_colorMouse;
    }
    if (!enabled) {
        colour = m_grayDis ? QColor(192, 192, 192) : QColor(150, 150, 150);
    }
    p.setPen(colour);
    const QRect textRect = captionRect().translated(shift);
    p.setFont(m_margin < 0 ? fittingFont(font(), text(), textRect.width() - h / 3) : font());
    const Qt::Alignment align = m_margin < 0 ? Qt::AlignCenter
                                : m_glyphLayout == GlyphLayout::Right
                                    ? Qt::AlignRight | Qt::AlignVCenter
                                    : Qt::AlignLeft | Qt::AlignVCenter;
    p.drawText(textRect, align | Qt::TextSingleLine, text());

    if (m_onDraw) {
        m_onDraw(p, rect(), {enabled, pressed, m_mouseInside, hasFocus()});
    }

    if (hasFocus() && m_kontur) {
        const HeightClass k = heightClass(h);
        const bool exact = h == k.nominal;
        const int q =
            exact
                ? k.capWidth
                : static_cast<int>(roundHalfEven(k.capWidth * static_cast<double>(h) / k.nominal));
        p.setRenderHint(QPainter::Antialiasing);
        if (m_nata) {
            const int d = h <= 20 ? 3 : (h <= 30 ? 4 : (h <= 45 ? 5 : (h <= 60 ? 6 : 7)));
            const int edge = exact ? (h == 30 ? 10 : (h == 45 ? 13 : 15)) : q;
            const int top = static_cast<int>(roundHalfEven(h / 2.0 - d / 2.0));
            p.setPen(Qt::NoPen);
            p.setBrush(focusColour(m_colour, true));
            p.drawEllipse(QRect(QPoint(edge, top) + shift, QSize(d, d)));
            p.drawEllipse(QRect(QPoint(w - edge - d, top) + shift, QSize(d, d)));
        } else {
            int insetX = k.focusInset;
            int insetY = k.focusInsetY;
            int corners = k.focusInset;
            if (!exact) {
                insetX = static_cast<int>(roundHalfEven(0.8 * q));
                insetY = h <= 20 ? 3 : (h <= 30 ? 4 : (h <= 60 ? 5 : 6));
                corners = 2 * insetY;
            }
            p.setPen(focusColour(m_colour, false));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(
                QRect(QPoint(insetX, insetY) + shift, QPoint(w - insetX, h - insetY) + shift),
                corners / 2.0, corners / 2.0);
        }
    }
}

void TevCardsButton::enterEvent(QEnterEvent* event)
{
    m_mouseInside = true;
    repaint();
    QPushButton::enterEvent(event);
}

void TevCardsButton::leaveEvent(QEvent* event)
{
    m_mouseInside = false;
    repaint();
    QPushButton::leaveEvent(event);
}

void TevCardsButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) {
        update();
    }
    QPushButton::changeEvent(event);
}

}  // namespace olk
