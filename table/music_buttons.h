#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include "settings/settings.h"

namespace olk {

class MusicPlayer;

// One of the music player's three round buttons at the main menu's bottom
// left, 61 x 61: play/pause ("MP_Play" while stopped, "MP_Pause" while
// playing), next ("MP_Next") and the volume ("MP_Volume" with the volume
// written on it). A pressed button is drawn one pixel right and down.
class MusicButton : public QWidget {
    Q_OBJECT

public:
    enum class Kind { PlayPause, Next, Volume };
    static constexpr int kSize = 61;

    MusicButton(Kind kind, MusicPlayer& player, const Settings& settings, QWidget* parent);

    Kind kind() const { return m_kind; }
    bool isPressed() const { return m_pressed; }
    // The play/pause button's balloon: the track's title over who plays it.
    const QLabel* balloon() const { return m_balloon; }
    // What a click at `x` does on the volume button: x > 34 louder, x <= 25
    // softer, the middle nothing.
    static int volumeChange(int x);

    // The hint of the play/pause button: title + "  :  " + who plays it; the
    // volume button's names its keys. Each button's name for screen readers
    // follows the player too.
    void updateHint();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void act(int x);

    Kind m_kind;
    MusicPlayer& m_player;
    const Settings& m_settings;
    bool m_pressed = false;
    QLabel* m_balloon = nullptr;
    QTimer m_balloonTimer;
};

// The three buttons on the menu: at x = 10, 75 and 140, 70 pixels above the
// window's bottom; shown only while the player is available, the start-up
// picture is gone and the window's uniform scale is at least 1.5.
class MusicButtons : public QObject {
    Q_OBJECT

public:
    static constexpr double kMinScale = 1.5;

    MusicButtons(MusicPlayer& player, const Settings& settings, QWidget* menu);

    static bool shown(bool available, bool startupShown, double scale);

    // Places the buttons for a window of `client` pixels at uniform scale
    // `scale`, and shows or hides them; again whenever the player changes.
    void place(QSize client, double scale, bool startupShown);
    void setStartupShown(bool shown);

    MusicButton* button(MusicButton::Kind kind) const;

private:
    void update();

    MusicPlayer& m_player;
    MusicButton* m_buttons[3];
    QSize m_client;
    double m_scale = 1.0;
    bool m_startupShown = true;
};

}  // namespace olk
