#include "assets/artgen/music_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace olk::art {

namespace {

constexpr int kSize = 61;

// A glass-like button: a gold ring around a deep blue dome with a soft
// highlight at the top and a shadow at the foot.
void paintBody(QPainter& p)
{
    const QPointF centre(30.5, 30.5);
    // The shadow, under the ring.
    QRadialGradient shadow(QPointF(31.5, 32.5), 30);
    shadow.setColorAt(0.85, QColor(0, 0, 0, 110));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(31.5, 32.5), 30, 30);
    // The ring.
    QLinearGradient ring(0, 1, 0, 58);
    ring.setColorAt(0.0, QColor(255, 238, 170));
    ring.setColorAt(0.45, QColor(214, 162, 52));
    ring.setColorAt(1.0, QColor(120, 78, 18));
    p.setBrush(ring);
    p.drawEllipse(centre, 28.5, 28.5);
    // The dome.
    QRadialGradient dome(QPointF(26, 22), 34);
    dome.setColorAt(0.0, QColor(92, 128, 214));
    dome.setColorAt(0.55, QColor(30, 52, 130));
    dome.setColorAt(1.0, QColor(10, 18, 58));
    p.setBrush(dome);
    p.drawEllipse(centre, 24.5, 24.5);
    // The highlight: a flat ellipse across the dome's top.
    QLinearGradient gloss(0, 7, 0, 30);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawEllipse(QRectF(13, 8, 35, 20));
}

// The symbols are cream with a thin dark edge, so they read on the dome.
void paintSymbol(QPainter& p, const QPainterPath& path)
{
    p.setPen(QPen(QColor(8, 14, 40, 200), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient fill(0, 15, 0, 46);
    fill.setColorAt(0.0, QColor(255, 252, 232));
    fill.setColorAt(1.0, QColor(246, 214, 120));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath triangle(double left, double top, double width, double height)
{
    QPainterPath path;
    path.moveTo(left, top);
    path.lineTo(left + width, top + height / 2);
    path.lineTo(left, top + height);
    path.closeSubpath();
    return path;
}

QPainterPath bar(double left, double top, double width, double height)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(left, top, width, height), 1.5, 1.5);
    return path;
}

}  // namespace

QImage renderMediaButton(MediaSymbol symbol)
{
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintBody(p);
    switch (symbol) {
    case MediaSymbol::Play:
        paintSymbol(p, triangle(24, 18, 19, 25));
        break;
    case MediaSymbol::Pause:
        paintSymbol(p, bar(21, 19, 7, 23).united(bar(33, 19, 7, 23)));
        break;
    case MediaSymbol::Next:
        paintSymbol(
            p,
            triangle(17, 20, 14, 21).united(triangle(29, 20, 14, 21)).united(bar(41, 20, 4.5, 21)));
        break;
    case MediaSymbol::Volume: {
        // A small loudspeaker above the number, "-" left and "+" right below.
        QPainterPath speaker;
        speaker.moveTo(25, 12);
        speaker.lineTo(28, 12);
        speaker.lineTo(32.5, 8.5);
        speaker.lineTo(32.5, 20.5);
        speaker.lineTo(28, 17);
        speaker.lineTo(25, 17);
        speaker.closeSubpath();
        paintSymbol(p, speaker);
        p.setPen(QPen(QColor(246, 214, 120), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(31, 10.5, 5, 8), -60 * 16, 120 * 16);
        paintSymbol(p, bar(12, 43.5, 10, 3.5));
        paintSymbol(p, bar(39, 43.5, 10, 3.5).united(bar(42.25, 40.25, 3.5, 10)));
        break;
    }
    }
    p.end();
    return image;
}

bool makeMusicArt(const std::function<bool(const QImage&, const QString&)>& save)
{
    return save(renderMediaButton(MediaSymbol::Play), QStringLiteral("MP_Play")) &&
           save(renderMediaButton(MediaSymbol::Pause), QStringLiteral("MP_Pause")) &&
           save(renderMediaButton(MediaSymbol::Next), QStringLiteral("MP_Next")) &&
           save(renderMediaButton(MediaSymbol::Volume), QStringLiteral("MP_Volume"));
}

}  // namespace olk::art
