#include "accountui/account_art.h"

#include "extras/aux_design.h"
#include "extras/card_pictures.h"
#include "extras/cards_button.h"
#include "settings/fonts.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace olk {
namespace {

// The pictures are drawn at the pixels of the sharpest screen there is;
// painters on them work in logical pixels.
qreal screenRatio()
{
    return qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
}

QPixmap blank(QSize size)
{
    const qreal ratio = screenRatio();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A picture shrunk or enlarged once to `size` on that screen.
QPixmap resampled(const QImage& picture, QSize size, Qt::AspectRatioMode mode)
{
    const qreal ratio = screenRatio();
    QImage scaled = picture.scaled(size * ratio, mode, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(scaled);
}

QPainterPath starPath(QPointF centre, double outer, double inner, double turn)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = turn - M_PI / 2 + i * M_PI / 5;
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

}  // namespace

TevCardsButton* dialogButton(QWidget* parent, const Settings& settings, const AuxDesign& design,
                             const QString& caption, int width)
{
    auto* button = new TevCardsButton(parent);
    button->setText(caption);
    button->setFixedSize(width, 28);
    button->setColorSB(design.purple() ? ColorSB::DCards : ColorSB::DRed);
    button->setNata(settings.newButtons);
    button->setFont(familyFont(settings, FontFamily::Decor, 11));
    return button;
}

QPixmap countryFlag(const QString& code, QSize size)
{
    const QImage flag = builtInPicture(QStringLiteral("Country") + code);
    return flag.isNull() ? QPixmap() : resampled(flag, size, Qt::IgnoreAspectRatio);
}

QPixmap starPicture(int accountState, int frame, int size)
{
    const QColor colours[] = {QColor(225, 35, 35), QColor(245, 200, 25), QColor(40, 190, 70)};
    const QColor colour = colours[std::clamp(accountState, 1, 3) - 1];
    QPixmap pixmap = blank(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0 + size * 0.03);
    // The star breathes a little and a glint runs round it.
    const double phase = (frame % 12) * 2 * M_PI / 12;
    const double outer = size * (0.44 + 0.025 * std::sin(phase));
    const QPainterPath star = starPath(centre, outer, outer * 0.45, 0);
    QRadialGradient body(centre - QPointF(size * 0.08, size * 0.12), outer * 1.2);
    body.setColorAt(0, colour.lighter(175));
    body.setColorAt(0.55, colour);
    body.setColorAt(1, colour.darker(170));
    p.setPen(QPen(colour.darker(220), std::max(1.0, size / 32.0)));
    p.setBrush(body);
    p.drawPath(star);
    const QPointF glint(centre.x() + outer * 0.5 * std::cos(phase),
                        centre.y() + outer * 0.5 * std::sin(phase));
    QRadialGradient shine(glint, size * 0.16);
    shine.setColorAt(0, QColor(255, 255, 255, 200));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setClipPath(star);
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(glint, size * 0.16, size * 0.16);
    return pixmap;
}

QPixmap facePicture(QChar sex, QSize size)
{
    const bool woman = sex == u'W';
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    QLinearGradient back(0, 0, 0, h);
    back.setColorAt(0, woman ? QColor(250, 222, 232) : QColor(214, 228, 246));
    back.setColorAt(1, woman ? QColor(226, 170, 192) : QColor(150, 178, 214));
    p.fillRect(QRectF(0, 0, w, h), back);
    const QColor figure = woman ? QColor(150, 70, 105) : QColor(60, 85, 125);
    p.setPen(Qt::NoPen);
    p.setBrush(figure);
    // Shoulders, then the head; a woman's hair falls to the shoulders.
    QPainterPath shoulders;
    shoulders.moveTo(w * 0.08, h);
    shoulders.cubicTo(w * 0.1, h * 0.72, w * 0.3, h * 0.66, w * 0.5, h * 0.66);
    shoulders.cubicTo(w * 0.7, h * 0.66, w * 0.9, h * 0.72, w * 0.92, h);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    if (woman) {
        p.drawRoundedRect(QRectF(w * 0.27, h * 0.2, w * 0.46, h * 0.46), w * 0.2, w * 0.2);
    }
    p.setBrush(figure.lighter(woman ? 125 : 115));
    p.drawEllipse(QRectF(w * 0.32, h * 0.2, w * 0.36, h * 0.38));
    p.setPen(QPen(QColor(0, 0, 0, 60), std::max(1.0, w / 100)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    return pixmap;
}

QPixmap photoOrFace(const QByteArray& jpeg, QChar sex, QSize size)
{
    QImage photo;
    if (!jpeg.isEmpty() && photo.loadFromData(jpeg, "JPG") && !photo.isNull()) {
        return resampled(photo, size, Qt::KeepAspectRatio);
    }
    return facePicture(sex, size);
}

QPixmap infoIcon(int field, int size)
{
    struct Look {
        QColor colour;
        const char* mark;
    };
    // Brand colours where the field names a service, and a letter or sign.
    static const Look kLooks[14] = {
        {QColor(121, 85, 72), "A"},       {QColor(141, 110, 99), "B"},  {QColor(96, 125, 139), "i"},
        {QColor(67, 160, 71), "\u260E"},  {QColor(212, 70, 56), "@"},   {QColor(0, 175, 240), "S"},
        {QColor(76, 140, 80), "www"},     {QColor(238, 130, 8), "ok"},  {QColor(0, 119, 255), "vk"},
        {QColor(38, 165, 228), "\u27A4"}, {QColor(24, 119, 242), "f"},  {QColor(29, 161, 242), "t"},
        {QColor(225, 48, 108), nullptr},  {QColor(255, 0, 0), nullptr},
    };
    const Look& look = kLooks[std::clamp(field, 0, 13)];
    QPixmap pixmap = blank(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, 0.5, size - 1, size - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(look.colour);
    p.drawRoundedRect(box, size * 0.22, size * 0.22);
    p.setPen(QPen(Qt::white, std::max(1.2, size / 12.0)));
    p.setBrush(Qt::NoBrush);
    if (field == 12) {
        // A camera: a rounded square, a lens and a dot.
        p.drawRoundedRect(box.adjusted(size * 0.2, size * 0.2, -size * 0.2, -size * 0.2),
                          size * 0.15, size * 0.15);
        p.drawEllipse(box.center(), size * 0.14, size * 0.14);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(size * 0.68, size * 0.32), size * 0.03, size * 0.03);
        return pixmap;
    }
    if (field == 13) {
        // A play button.
        QPainterPath play;
        play.moveTo(size * 0.38, size * 0.28);
        play.lineTo(size * 0.72, size * 0.5);
        play.lineTo(size * 0.38, size * 0.72);
        play.closeSubpath();
        p.fillPath(play, Qt::white);
        return pixmap;
    }
    const QString mark = QString::fromUtf8(look.mark);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(mark.size() >= 3   ? size * 0.36
                      : mark.size() == 2 ? size * 0.46
                                         : size * 0.62);
    p.setFont(font);
    p.drawText(box, Qt::AlignCenter, mark);
    return pixmap;
}

}  // namespace olk
