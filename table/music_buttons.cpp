#include "table/music_buttons.h"

#include "extras/card_pictures.h"
#include "extras/music_player.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"
#include "table/focus_frame.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace olk {

MusicButton::MusicButton(Kind kind, MusicPlayer& player, const Settings& settings, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_player(player), m_settings(settings)
{
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    // In the menu's keyboard round, with the same gold frame.
    setFocusPolicy(Qt::TabFocus);
    if (m_kind == Kind::PlayPause) {
        m_balloon = new QLabel(this, Qt::ToolTip);
        m_balloon->setTextFormat(Qt::RichText);
        m_balloon->setStyleSheet(QStringLiteral(
            "QLabel { background: #fffbe0; color: #202020; border: 1px solid #806020; "
            "padding: 6px; }"));
        m_balloon->hide();
        m_balloonTimer.setSingleShot(true);
        m_balloonTimer.setInterval(5000);
        connect(&m_balloonTimer, &QTimer::timeout, m_balloon, &QLabel::hide);
    }
}

int MusicButton::volumeChange(int x)
{
    if (x > 34) {
        return 1;
    }
    return x <= 25 ? -1 : 0;
}

void MusicButton::updateHint()
{
    switch (m_kind) {
    case Kind::PlayPause:
        setAccessibleName(
            text(m_player.isPlaying() ? Text::MusicPauseName : Text::MusicPlayName));
        break;
    case Kind::Next:
        setAccessibleName(text(Text::MusicNextName));
        break;
    case Kind::Volume:
        setAccessibleName(text(Text::MusicVolumeName).arg(m_player.volume()));
        setToolTip(text(Text::KeyHintVolume));
        return;
    }
    if (m_kind != Kind::PlayPause) {
        return;
    }
    const int current = m_player.currentTrack();
    if (current < 0 || current >= static_cast<int>(m_player.tracks().size())) {
        setToolTip({});
        return;
    }
    const MusicTrack& track = m_player.tracks()[static_cast<std::size_t>(current)];
    setToolTip(track.first + QStringLiteral("  :  ") + track.second);
    m_balloon->setText(QStringLiteral("<b>") + track.first.toHtmlEscaped() +
                       QStringLiteral("</b><br>") + track.second.toHtmlEscaped());
    m_balloon->adjustSize();
}

void MusicButton::paintEvent(QPaintEvent*)
{
    QString name;
    switch (m_kind) {
    case Kind::PlayPause:
        name = m_player.isPlaying() ? QStringLiteral("MP_Pause") : QStringLiteral("MP_Play");
        break;
    case Kind::Next:
        name = QStringLiteral("MP_Next");
        break;
    case Kind::Volume:
        name = QStringLiteral("MP_Volume");
        break;
    }
    QPainter p(this);
    const int shift = m_pressed ? 1 : 0;
    p.drawImage(shift, shift, builtInPicture(name));
    if (m_kind == Kind::Volume) {
        p.setFont(familyFont(m_settings, FontFamily::Decor, 14));
        p.setPen(QColor(255, 255, 0));
        const int height = QFontMetrics(p.font()).height();
        p.drawText(QRect(shift, 23 + shift, kSize, height), Qt::AlignHCenter | Qt::AlignTop,
                   QString::number(m_player.volume()));
    }
    if (hasFocus()) {
        drawFocusFrame(p, QRectF(1.5, 1.5, kSize - 3, kSize - 3), (kSize - 3) / 2.0);
    }
}

void MusicButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        update();
    }
}

void MusicButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        return;
    }
    m_pressed = false;
    update();
    if (rect().contains(event->position().toPoint())) {
        act(event->position().toPoint().x());
    }
}

void MusicButton::act(int x)
{
    switch (m_kind) {
    case Kind::PlayPause:
        m_player.playPause();
        break;
    case Kind::Next:
        m_player.next();
        break;
    case Kind::Volume:
        if (const int change = volumeChange(x); change > 0) {
            m_player.volumeUp();
        } else if (change < 0) {
            m_player.volumeDown();
        }
        break;
    }
}

void MusicButton::keyPressEvent(QKeyEvent* event)
{
    // Enter and Space press the button (louder, on the volume); + and -
    // turn the volume up and down.
    const int middle = kSize / 2;
    int x = -1;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        x = m_kind == Kind::Volume ? kSize - 1 : middle;
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        x = m_kind == Kind::Volume ? kSize - 1 : -1;
        break;
    case Qt::Key_Minus:
        x = m_kind == Kind::Volume ? 0 : -1;
        break;
    default:
        break;
    }
    if (x < 0) {
        QWidget::keyPressEvent(event);  // the arrows go on to the menu
        return;
    }
    act(x);
    update();
}

void MusicButton::enterEvent(QEnterEvent* event)
{
    if (m_balloon != nullptr && !toolTip().isEmpty()) {
        m_balloon->move(mapToGlobal(QPoint(width() + 6, -m_balloon->height())));
        m_balloon->show();
        m_balloonTimer.start();
    }
    QWidget::enterEvent(event);
}

void MusicButton::leaveEvent(QEvent* event)
{
    if (m_balloon != nullptr) {
        m_balloon->hide();
        m_balloonTimer.stop();
    }
    if (m_pressed) {
        m_pressed = false;
        update();
    }
    QWidget::leaveEvent(event);
}

void MusicButton::hideEvent(QHideEvent* event)
{
    if (m_balloon != nullptr) {
        m_balloon->hide();
        m_balloonTimer.stop();
    }
    m_pressed = false;
    QWidget::hideEvent(event);
}

MusicButtons::MusicButtons(MusicPlayer& player, const Settings& settings, QWidget* menu)
    : QObject(menu), m_player(player)
{
    const MusicButton::Kind kinds[3] = {MusicButton::Kind::PlayPause, MusicButton::Kind::Next,
                                        MusicButton::Kind::Volume};
    for (int i = 0; i < 3; ++i) {
        m_buttons[i] = new MusicButton(kinds[i], player, settings, menu);
        m_buttons[i]->hide();
    }
    connect(&m_player, &MusicPlayer::changed, this, &MusicButtons::update);
}

bool MusicButtons::shown(bool available, bool startupShown, double scale)
{
    return available && !startupShown && scale >= kMinScale;
}

void MusicButtons::place(QSize client, double scale, bool startupShown)
{
    m_client = client;
    m_scale = scale;
    m_startupShown = startupShown;
    update();
}

void MusicButtons::setStartupShown(bool shown)
{
    m_startupShown = shown;
    update();
}

MusicButton* MusicButtons::button(MusicButton::Kind kind) const
{
    return m_buttons[static_cast<int>(kind)];
}

void MusicButtons::update()
{
    const bool visible = shown(m_player.isAvailable(), m_startupShown, m_scale);
    const int lefts[3] = {10, 75, 140};
    for (int i = 0; i < 3; ++i) {
        m_buttons[i]->move(lefts[i], m_client.height() - 70);
        m_buttons[i]->updateHint();
        m_buttons[i]->setVisible(visible);
        if (visible) {
            m_buttons[i]->raise();
            m_buttons[i]->update();
        }
    }
}

}  // namespace olk
