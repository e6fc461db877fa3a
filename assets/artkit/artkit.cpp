#include "assets/artkit/artkit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <algorithm>
#include <cmath>

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

QString deckElement(int rankIndex, const char* suitName)
{
    static const char* kRanks[] = {"2", "3",  "4",    "5",     "6",    "7", "8",
                                   "9", "10", "jack", "queen", "king", "1"};
    return QString::fromLatin1(kRanks[std::clamp(rankIndex, 1, 13) - 1]) + QLatin1Char('_') +
           QString::fromLatin1(suitName);
}

QImage onWhite(const QImage& picture)
{
    QImage opaque = canvas(picture.width(), picture.height(), Qt::white);
    QPainter(&opaque).drawImage(0, 0, picture);
    return opaque;
}

void diamondLattice(QPainter& p, const QRectF& r, double u, const QColor& a, const QColor& b)
{
    p.fillRect(r, a);
    p.setPen(QPen(b, u * 0.35));
    const double step = u * 2.2;
    for (double x = r.left() - r.height(); x < r.right() + r.height(); x += step) {
        p.drawLine(QPointF(x, r.top()), QPointF(x + r.height(), r.bottom()));
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    }
}

void medallion(QPainter& p, const QRectF& r, double u, const QColor& ring, const QColor& fill)
{
    const QPointF c = r.center();
    const double radius = std::min(r.width(), r.height()) * 0.28;
    p.setPen(QPen(ring, u * 0.5));
    p.setBrush(fill);
    p.drawEllipse(c, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius * 0.72, radius * 0.72);
    // A four-petalled rose in the middle.
    p.setBrush(ring);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(c);
        p.rotate(45 + 90 * i);
        p.drawEllipse(QPointF(radius * 0.3, 0), radius * 0.28, radius * 0.12);
        p.restore();
    }
    p.drawEllipse(c, radius * 0.1, radius * 0.1);
}

QList<BackDesign> backDesigns()
{
    QList<BackDesign> designs;
    // Monday: the classic navy lattice.
    designs.append({"01Mo", QColor(24, 44, 110), QColor(150, 175, 235),
                    [](QPainter& p, const QRectF& r, double u) {
                        diamondLattice(p, r, u, QColor(24, 44, 110), QColor(150, 175, 235));
                    }});
    // Tuesday: crimson cross-hatch with a medallion.
    designs.append({"02Tu", QColor(150, 22, 38), QColor(240, 190, 120),
                    [](QPainter& p, const QRectF& r, double u) {
                        p.fillRect(r, QColor(150, 22, 38));
                        p.setPen(QPen(QColor(200, 70, 80), u * 0.2));
                        for (double x = r.left(); x < r.right(); x += u * 1.2) {
                            p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
                        }
                        for (double y = r.top(); y < r.bottom(); y += u * 1.2) {
                            p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
                        }
                        medallion(p, r, u, QColor(240, 190, 120), QColor(120, 14, 28));
                    }});
    // Wednesday: forest green frames within frames.
    designs.append(
        {"03We", QColor(20, 90, 55), QColor(210, 230, 190),
         [](QPainter& p, const QRectF& r, double u) {
             p.fillRect(r, QColor(20, 90, 55));
             p.setBrush(Qt::NoBrush);
             int i = 0;
             for (QRectF f = r.adjusted(u, u, -u, -u); f.width() > u * 2 && f.height() > u * 2;
                  f.adjust(u * 1.4, u * 1.4, -u * 1.4, -u * 1.4), ++i) {
                 p.setPen(QPen(i % 2 ? QColor(120, 180, 120) : QColor(210, 230, 190), u * 0.45));
                 p.drawRoundedRect(f, u, u);
             }
         }});
    // Thursday: royal purple with golden dots.
    designs.append(
        {"04Th", QColor(70, 30, 110), QColor(235, 200, 90),
         [](QPainter& p, const QRectF& r, double u) {
             p.fillRect(r, QColor(70, 30, 110));
             p.setPen(Qt::NoPen);
             const double step = u * 2.0;
             int row = 0;
             for (double y = r.top() + step / 2; y < r.bottom(); y += step * 0.87, ++row) {
                 for (double x = r.left() + (row % 2 ? step : step / 2); x < r.right(); x += step) {
                     p.setBrush(QColor(235, 200, 90));
                     p.drawEllipse(QPointF(x, y), u * 0.42, u * 0.42);
                     p.setBrush(QColor(110, 60, 150));
                     p.drawEllipse(QPointF(x, y), u * 0.18, u * 0.18);
                 }
             }
         }});
    // Friday: teal waves.
    designs.append(
        {"05Fr", QColor(10, 105, 115), QColor(180, 235, 230),
         [](QPainter& p, const QRectF& r, double u) {
             p.fillRect(r, QColor(10, 105, 115));
             p.setBrush(Qt::NoBrush);
             int i = 0;
             for (double y = r.top(); y < r.bottom() + u; y += u * 1.1, ++i) {
                 QPainterPath wave;
                 wave.moveTo(r.left(), y);
                 for (double x = r.left(); x <= r.right() + u; x += u * 0.5) {
                     wave.lineTo(x, y + std::sin((x - r.left()) / (u * 1.3)) * u * 0.45);
                 }
                 p.setPen(QPen(i % 3 == 0 ? QColor(180, 235, 230) : QColor(60, 160, 165), u * 0.3));
                 p.drawPath(wave);
             }
         }});
    // Saturday: burgundy rosettes.
    designs.append({"06Su", QColor(110, 20, 45), QColor(245, 215, 175),
                    [](QPainter& p, const QRectF& r, double u) {
                        p.fillRect(r, QColor(110, 20, 45));
                        const double step = u * 3.2;
                        p.setPen(QPen(QColor(245, 215, 175), u * 0.22));
                        p.setBrush(Qt::NoBrush);
                        for (double y = r.top(); y < r.bottom() + step; y += step) {
                            for (double x = r.left(); x < r.right() + step; x += step) {
                                for (int k = 0; k < 6; ++k) {
                                    p.save();
                                    p.translate(x, y);
                                    p.rotate(30 * k);
                                    p.drawEllipse(QPointF(0, 0), u * 1.5, u * 0.55);
                                    p.restore();
                                }
                            }
                        }
                    }});
    // Sunday: black and gold sunburst.
    designs.append({"07Su", QColor(25, 25, 30), QColor(225, 180, 70),
                    [](QPainter& p, const QRectF& r, double u) {
                        p.fillRect(r, QColor(25, 25, 30));
                        const QPointF c = r.center();
                        p.setPen(Qt::NoPen);
                        const double reach = std::hypot(r.width(), r.height());
                        for (int k = 0; k < 36; k += 2) {
                            QPainterPath ray;
                            ray.moveTo(c);
                            const double a1 = (k * 10.0) * M_PI / 180.0;
                            const double a2 = ((k + 1) * 10.0) * M_PI / 180.0;
                            ray.lineTo(c.x() + reach * std::cos(a1), c.y() + reach * std::sin(a1));
                            ray.lineTo(c.x() + reach * std::cos(a2), c.y() + reach * std::sin(a2));
                            ray.closeSubpath();
                            p.setBrush(QColor(225, 180, 70, 170));
                            p.drawPath(ray);
                        }
                        medallion(p, r, u, QColor(240, 200, 90), QColor(25, 25, 30));
                    }});
    return designs;
}

QImage renderBack(const BackDesign& design, int w, int h, bool outline)
{
    constexpr int kOversample = 3;
    const int bigW = w * kOversample;
    const int bigH = h * kOversample;
    QImage big = canvas(bigW, bigH);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    const double radius = bigW * 0.06;
    const QPainterPath shape = cardShape(QRectF(0.5, 0.5, bigW - 1.0, bigH - 1.0), radius);
    p.fillPath(shape, Qt::white);
    const double margin = bigW * 0.07;
    const QRectF panel(margin, margin, bigW - 2 * margin, bigH - 2 * margin);
    QPainterPath panelShape;
    panelShape.addRoundedRect(panel, radius * 0.6, radius * 0.6);
    p.setClipPath(panelShape);
    design.pattern(p, panel, bigW / 24.0);
    // A soft sheen across the panel.
    QLinearGradient sheen(panel.topLeft(), panel.bottomRight());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 50));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 40));
    p.fillRect(panel, sheen);
    p.setClipping(false);
    p.setPen(QPen(design.ink, bigW / 90.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(panelShape);
    if (outline) {
        p.setPen(QPen(QColor(60, 60, 60), kOversample * 0.9));
        p.drawPath(shape);
    }
    p.end();
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace olk::art
