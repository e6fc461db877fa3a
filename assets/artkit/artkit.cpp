#include "assets/artkit/artkit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>

namespace olk::art {

QImage canvas(int w, int h, Qt::GlobalColor fill)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QPainterPath cardShape(QRectF r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QImage renderLettering(int w, int h, const QString& text, double heightShare, const QColor& top,
                       const QColor& bottom)
{
    constexpr int kOversample = 2;
    QImage big = canvas(w * kOversample, h * kOversample);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(static_cast<int>(h * kOversample * heightShare));
    QFontMetricsF metrics(font);
    while (metrics.horizontalAdvance(text) > w * kOversample * 0.94 && font.pixelSize() > 8) {
        font.setPixelSize(font.pixelSize() - 2);
        metrics = QFontMetricsF(font);
    }
    QPainterPath path;
    const double x = (w * kOversample - metrics.horizontalAdvance(text)) / 2;
    const double y = (h * kOversample + metrics.ascent() - metrics.descent()) / 2;
    path.addText(x, y, font, text);
    p.fillPath(path.translated(3, 4), QColor(0, 0, 0, 110));
    QLinearGradient fill(0, y - metrics.ascent(), 0, y);
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    p.setPen(
        QPen(QColor(60, 30, 0), kOversample * 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
    p.end();
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage renderStrip(int frames, const std::function<void(QPainter&, double phase)>& frame,
                   QSize frameSize)
{
    QImage strip = canvas(frameSize.width() * frames, frameSize.height());
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < frames; ++i) {
        p.save();
        p.translate(frameSize.width() * i, 0);
        p.setClipRect(0, 0, frameSize.width(), frameSize.height());
        frame(p, static_cast<double>(i) / frames);
        p.restore();
    }
    return strip;
}

}  // namespace olk::art
