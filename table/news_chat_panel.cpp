#include "table/news_chat_panel.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "extras/card_pictures.h"
#include "settings/word_tables.h"
#include "table/focus_frame.h"

namespace olk {
namespace {

// The shelf's design: 220 x 125 units, the pictures 72 x 72 on it.
constexpr double kShelfWidth = 220;
constexpr double kShelfHeight = 125;
// The small corner: two icons of 34 x 34 units, a siren of 20 on each
// icon's upper right corner; 94 x 40 units in all.
constexpr double kSmallWidth = 94;
constexpr double kSmallHeight = 40;
constexpr int kTicksPerFrame = 4;  // 80 ms a frame

int frameCount(const QImage& strip)
{
    return strip.isNull() || strip.height() == 0 ? 0 : strip.width() / strip.height();
}

}  // namespace

NewsChatPanel::NewsChatPanel(QWidget* parent)
    : QWidget(parent),
      m_shelf(builtInPicture(QStringLiteral("GPolkaNw"))),
      m_news(builtInPicture(QStringLiteral("GNews072"))),
      m_chat(builtInPicture(QStringLiteral("GChat072"))),
      m_blue(builtInPicture(QStringLiteral("GSirenaB"))),
      m_red(builtInPicture(QStringLiteral("GSirenaR")))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setFocusPart(Part::News);
}

void NewsChatPanel::setFocusPart(Part part)
{
    m_focusPart = part;
    // A screen reader names the picture the focus is on.
    setAccessibleName(text(part == Part::News ? Text::TevNewsHint : Text::TevChatHint));
    update();
}

void NewsChatPanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            if (m_focusPart == Part::News) {
                emit newsClicked();
            } else {
                emit chatClicked();
            }
        }
        return;
    default:
        QWidget::keyPressEvent(event);  // the arrows go on to the menu
    }
}

void NewsChatPanel::setLarge(bool large)
{
    m_large = large;
    update();
}

QSize NewsChatPanel::panelSize(double scale) const
{
    if (m_large) {
        return QSize(qRound(kShelfWidth * scale), qRound(kShelfHeight * scale));
    }
    return QSize(qRound(kSmallWidth * scale), qRound(kSmallHeight * scale));
}

void NewsChatPanel::setUnread(bool news, bool chat)
{
    if (news == m_newsUnread && chat == m_chatUnread) {
        return;
    }
    m_newsUnread = news;
    m_chatUnread = chat;
    update();
}

void NewsChatPanel::tick()
{
    if (!m_newsUnread && !m_chatUnread) {
        return;
    }
    if (++m_ticks % kTicksPerFrame == 0) {
        ++m_frame;
        update();
    }
}

QRect NewsChatPanel::newsArea() const
{
    if (m_large) {
        const double s = width() / kShelfWidth;
        return QRectF(24 * s, 44 * s, 72 * s, 72 * s).toRect();
    }
    const double u = height() / kSmallHeight;
    return QRectF(0, 6 * u, 34 * u, 34 * u).toRect();
}

QRect NewsChatPanel::chatArea() const
{
    if (m_large) {
        const double s = width() / kShelfWidth;
        return QRectF(124 * s, 44 * s, 72 * s, 72 * s).toRect();
    }
    const double u = height() / kSmallHeight;
    return QRectF(50 * u, 6 * u, 34 * u, 34 * u).toRect();
}

QRect NewsChatPanel::sirenArea(bool chat) const
{
    const QRect picture = chat ? chatArea() : newsArea();
    if (m_large) {
        // Above the picture, on the shelf's top board.
        const int side = picture.width() * 4 / 9;
        return QRect(picture.center().x() - side / 2, picture.top() - side - 4, side, side);
    }
    // On the icon's upper right corner.
    const double u = height() / kSmallHeight;
    const int side = qRound(20 * u);
    return QRect(picture.right() + 1 + qRound(10 * u) - side, 0, side, side);
}

void NewsChatPanel::drawSiren(QPainter& p, const QImage& strip, const QRect& place,
                              bool turning) const
{
    const int frames = frameCount(strip);
    if (frames == 0) {
        return;
    }
    const int frame = turning ? m_frame % frames : 0;
    const int side = strip.height();
    p.drawImage(place, strip, QRect(frame * side, 0, side, side));
}

void NewsChatPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_large && !m_shelf.isNull()) {
        p.drawImage(rect(), m_shelf);
    }
    if (!m_news.isNull()) {
        p.drawImage(newsArea(), m_news);
    }
    if (!m_chat.isNull()) {
        p.drawImage(chatArea(), m_chat);
    }
    // Small: a siren only while its kind is unread. Large: always there,
    // turning only while unread.
    if (m_large || m_newsUnread) {
        drawSiren(p, m_blue, sirenArea(false), m_newsUnread);
    }
    if (m_large || m_chatUnread) {
        drawSiren(p, m_red, sirenArea(true), m_chatUnread);
    }
    if (hasFocus()) {
        const QRect picture = m_focusPart == Part::News ? newsArea() : chatArea();
        drawFocusFrame(p, QRectF(picture).adjusted(1.5, 1.5, -1.5, -1.5), 5);
    }
}

void NewsChatPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint at = event->position().toPoint();
    if (newsArea().contains(at) || sirenArea(false).contains(at)) {
        emit newsClicked();
    } else if (chatArea().contains(at) || sirenArea(true).contains(at)) {
        emit chatClicked();
    }
}

bool NewsChatPanel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QPoint at = help->pos();
        if (newsArea().contains(at) || sirenArea(false).contains(at)) {
            QToolTip::showText(help->globalPos(), text(Text::TevNewsHint), this);
        } else if (chatArea().contains(at) || sirenArea(true).contains(at)) {
            QToolTip::showText(help->globalPos(), text(Text::TevChatHint), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace olk
