#include "extras/own_cursors.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QWidget>

namespace olk {
namespace {

const QColor kRed(214, 20, 28);
const QColor kDarkRed(90, 0, 6);
const char* const kShapeProperty = "olkCursorShape";

QPixmap canvas()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void paintShape(QPixmap& pixmap, const QPainterPath& path)
{
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 24);
    fill.setColorAt(0, kRed.lighter(135));
    fill.setColorAt(1, kRed);
    p.setPen(QPen(kDarkRed, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

QCursor drawArrow()
{
    QPixmap pixmap = canvas();
    QPainterPath path;
    path.moveTo(1.5, 1.5);
    path.lineTo(1.5, 20);
    path.lineTo(6, 15.5);
    path.lineTo(9.5, 23);
    path.lineTo(12.5, 21.5);
    path.lineTo(9, 14.5);
    path.lineTo(15, 14.5);
    path.closeSubpath();
    paintShape(pixmap, path);
    return QCursor(pixmap, 1, 1);
}

QCursor drawHand()
{
    QPixmap pixmap = canvas();
    QPainterPath path;
    // A pointing index finger over a closed fist.
    path.addRoundedRect(QRectF(7, 1.5, 4.5, 14), 2.2, 2.2);
    QPainterPath fist;
    fist.addRoundedRect(QRectF(4, 11, 15, 12), 4, 4);
    path = path.united(fist);
    for (double x : {11.5, 15.0}) {
        QPainterPath knuckle;
        knuckle.addRoundedRect(QRectF(x, 9.5, 3.8, 7), 1.9, 1.9);
        path = path.united(knuckle);
    }
    paintShape(pixmap, path);
    return QCursor(pixmap, 9, 2);
}

QCursor drawBeam()
{
    QPixmap pixmap = canvas();
    QPainterPath path;
    path.moveTo(5, 2);
    path.lineTo(13, 2);
    path.lineTo(13, 4);
    path.lineTo(10, 4);
    path.lineTo(10, 20);
    path.lineTo(13, 20);
    path.lineTo(13, 22);
    path.lineTo(5, 22);
    path.lineTo(5, 20);
    path.lineTo(8, 20);
    path.lineTo(8, 4);
    path.lineTo(5, 4);
    path.closeSubpath();
    paintShape(pixmap, path);
    return QCursor(pixmap, 9, 12);
}

QCursor drawHourglass()
{
    QPixmap pixmap = canvas();
    QPainterPath glass;
    glass.moveTo(6, 4);
    glass.lineTo(18, 4);
    glass.lineTo(12.8, 12);
    glass.lineTo(18, 20);
    glass.lineTo(6, 20);
    glass.lineTo(11.2, 12);
    glass.closeSubpath();
    paintShape(pixmap, glass);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 90));
    QPolygonF sand({{8.5, 18.8}, {15.5, 18.8}, {12, 14.5}});
    p.drawPolygon(sand);
    p.setBrush(kDarkRed);
    p.drawRoundedRect(QRectF(4, 1.5, 16, 3), 1.2, 1.2);
    p.drawRoundedRect(QRectF(4, 19.5, 16, 3), 1.2, 1.2);
    return QCursor(pixmap, 12, 12);
}

bool ownShape(Qt::CursorShape shape)
{
    return shape == Qt::ArrowCursor || shape == Qt::PointingHandCursor ||
           shape == Qt::IBeamCursor || shape == Qt::WaitCursor;
}

bool g_own = false;

// Gives every widget that asks for a standard shape the own cursor, keeping
// the shape it asked for to give it back.
class CursorFilter : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (!g_own || !object->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(object);
        if (event->type() == QEvent::CursorChange && widget->testAttribute(Qt::WA_SetCursor)) {
            const Qt::CursorShape shape = widget->cursor().shape();
            if (shape != Qt::BitmapCursor && ownShape(shape)) {
                widget->setProperty(kShapeProperty, static_cast<int>(shape));
                widget->setCursor(ownCursor(shape));
            }
        } else if (event->type() == QEvent::Show && widget->isWindow() &&
                   !widget->testAttribute(Qt::WA_SetCursor)) {
            // A window that sets nothing shows the arrow, and so do its
            // children that set nothing either.
            widget->setProperty(kShapeProperty, -1);
            widget->setCursor(ownCursor(Qt::ArrowCursor));
        }
        return false;
    }
};

CursorFilter* g_filter = nullptr;

}  // namespace

QCursor ownCursor(Qt::CursorShape shape)
{
    static const QCursor arrow = drawArrow();
    static const QCursor hand = drawHand();
    static const QCursor beam = drawBeam();
    static const QCursor hourglass = drawHourglass();
    switch (shape) {
    case Qt::PointingHandCursor:
        return hand;
    case Qt::IBeamCursor:
        return beam;
    case Qt::WaitCursor:
    case Qt::BusyCursor:
        return hourglass;
    default:
        return arrow;
    }
}

void useOwnCursors(bool on)
{
    if (g_filter == nullptr) {
        g_filter = new CursorFilter;
        g_filter->setParent(qApp);
        qApp->installEventFilter(g_filter);
    }
    if (g_own == on) {
        return;
    }
    g_own = on;
    for (QWidget* widget : QApplication::allWidgets()) {
        const QVariant asked = widget->property(kShapeProperty);
        if (on) {
            if (widget->testAttribute(Qt::WA_SetCursor) && ownShape(widget->cursor().shape())) {
                widget->setProperty(kShapeProperty, static_cast<int>(widget->cursor().shape()));
                widget->setCursor(ownCursor(widget->cursor().shape()));
            } else if (widget->isWindow() && !widget->testAttribute(Qt::WA_SetCursor)) {
                widget->setProperty(kShapeProperty, -1);
                widget->setCursor(ownCursor(Qt::ArrowCursor));
            }
        } else if (asked.isValid()) {
            const int shape = asked.toInt();
            widget->setProperty(kShapeProperty, QVariant());
            if (shape < 0) {
                widget->unsetCursor();
            } else {
                widget->setCursor(static_cast<Qt::CursorShape>(shape));
            }
        }
    }
}

bool ownCursorsInUse()
{
    return g_own;
}

QCursor waitCursor()
{
    return g_own ? ownCursor(Qt::WaitCursor) : QCursor(Qt::WaitCursor);
}

}  // namespace olk
