#include "table/radio_icon.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "extras/card_pictures.h"
#include "settings/fonts.h"
#include "settings/settings.h"
#include "settings/word_tables.h"
#include "table/focus_frame.h"

namespace olk {

RadioIcon::RadioIcon(const Settings& settings, QWidget* parent)
    : QWidget(parent),
      m_settings(settings),
      m_shelf(builtInPicture(QStringLiteral("GPolkaNw"))),
      m_radio(builtInPicture(QStringLiteral("GRadioA"))),
      m_lamps{builtInPicture(QStringLiteral("GRadioB")), builtInPicture(QStringLiteral("GRadioR")),
              builtInPicture(QStringLiteral("GRadioG"))}
{
    setObjectName(QStringLiteral("ImRadio"));
    setFixedSize(kWidth, kHeight);
    setCursor(Qt::PointingHandCursor);
    // In the menu's keyboard round: Enter or Space switches the radio as the
    // left button does; the dialog is in the pop-up menu.
    setFocusPolicy(Qt::TabFocus);
}

void RadioIcon::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            emit toggleRequested();
        }
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

QRect RadioIcon::place(int left, int right, int top, int bottom)
{
    return QRect((left + right - kWidth) / 2, (top + bottom - kHeight) / 2, kWidth, kHeight);
}

void RadioIcon::setRadio(bool available, bool on, const QString& stationName)
{
    m_available = available;
    m_on = on && available;
    m_station = stationName;
    setToolTip(hint());
    setAccessibleName(hint());
    update();
}

QString RadioIcon::hint() const
{
    return text(Text::TevInternetRadio) + QStringLiteral(": ") + m_station;
}

QString RadioIcon::lampPicture() const
{
    return !m_available ? QStringLiteral("GRadioB")
           : m_on       ? QStringLiteral("GRadioG")
                        : QStringLiteral("GRadioR");
}

void RadioIcon::paintEvent(QPaintEvent*)
{
    // The menu's background shows through wherever the pictures leave it.
    QPainter p(this);
    p.drawImage(0, 71, m_shelf);
    p.drawImage(37, 6, m_radio);
    p.drawImage(37, 6, m_lamps[!m_available ? 0 : m_on ? 2 : 1]);
    if (hasFocus()) {
        drawFocusFrame(p, QRectF(QRect(QPoint(37, 6), m_radio.size())).adjusted(-2.5, -2.5, 2.5, 2.5),
                       6);
    }
}

void RadioIcon::mouseReleaseEvent(QMouseEvent* event)
{
    if (!rect().contains(event->position().toPoint())) {
        return;
    }
    if (event->button() == Qt::LeftButton) {
        emit toggleRequested();
    } else if (event->button() == Qt::RightButton) {
        emit dialogRequested();
    }
}

bool RadioIcon::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        // The balloon: the radio's name as its title and the station below,
        // in the decorative family, for five seconds.
        const auto* help = static_cast<QHelpEvent*>(event);
        const QFont decor = familyFont(m_settings, FontFamily::Decor, 14);
        const QString balloon =
            QStringLiteral("<div style=\"font-family:'%1'; font-size:%2px\"><b>%3:</b><br>%4</div>")
                .arg(decor.family().toHtmlEscaped())
                .arg(decor.pixelSize())
                .arg(text(Text::TevInternetRadio).toHtmlEscaped(), m_station.toHtmlEscaped());
        QToolTip::showText(help->globalPos(), balloon, this, rect(), 5000);
        return true;
    }
    return QWidget::event(event);
}

}  // namespace olk
