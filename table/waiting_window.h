#pragma once

#include <QDialog>
#include <QList>
#include <QTimer>

#include "settings/settings.h"

class QLabel;

namespace olk {

class TevCardsButton;

// "Please, wait...": up while the host waits for players to join, or a
// joining player for the host to take him in. The host's "Ok" starts the
// match once somebody joined; "Cancel" gives up (the caller closes the
// connection). A joining player's window is closed from outside, accepted,
// when the host's acceptance arrives.
class WaitingWindow : public QDialog {
    Q_OBJECT

public:
    WaitingWindow(const Settings& settings, bool host, QWidget* parent = nullptr);

    // The host: player number `joined` (1..3) is in. Its line shows, "Ok"
    // may start the match and "Cancel" no longer may give up.
    void playerJoined(int joined);
    // A joining player: nobody took him in (yet). Shown from the next tick.
    void setNoGamesFound(bool on) { m_noGamesFound = on; }
    bool noGamesFound() const { return m_noGamesFound; }

    QLabel* statusLine() const { return m_status; }
    const QList<QLabel*>& joinLines() const { return m_joins; }
    TevCardsButton* okButton() const { return m_ok; }
    TevCardsButton* cancelButton() const { return m_cancel; }

    // One tick of the window's one-second timer.
    void tick();

    void reject() override;

signals:
    void cancelled();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_status;
    QList<QLabel*> m_joins;
    TevCardsButton* m_ok;
    TevCardsButton* m_cancel;
    QTimer m_second;
    QTimer m_animation;
    int m_frame = 0;
    bool m_noGamesFound = false;
};

}  // namespace olk
