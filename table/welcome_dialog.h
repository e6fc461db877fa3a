#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

#include "records/club_file.h"
#include "settings/settings.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace olk {

namespace net {
class LanListener;
}

// What the dialog checks when "Ok" is pressed. `storedLine` is the listed
// player's club line, empty for a new player. Returns the error text to show
// (empty when accepted) and which field gets the focus.
struct WelcomeCheck {
    QString error;
    enum class Focus { None, Name, Password } focus = Focus::None;
    // Set when the typed name needs plainer letters for the club: the name
    // to show in the field, which "Ok" then accepts.
    QString keptName;
    ClubPlayer player;  // in the club's form; the caller sets the slot
};
WelcomeCheck checkWelcome(const QString& name, const QString& password, const QString& again,
                          const QByteArray& storedLine);

// How a network game is to be started: host it (role 1) or join the host
// at an address and port (role 2 until the host gives the final one).
struct NetworkChoice {
    int role = 1;
    QString address;
    QString port;
};

// A host address as typed: four parts of one to three characters between
// exactly three dots, not ending with a dot.
bool isServerAddress(const QString& address);

// The network checks of "Ok", after the player's own: an empty text when the
// choice may start, else "Incorrect IP-address!" or "Incorrect Port!".
QString checkNetworkChoice(const NetworkChoice& choice);

// The "Welcome!" dialog of every local and network game: a listed player
// gives his password; a new player (or "To change a name") names himself and
// gives a password twice. Accented Latin letters the club cannot hold are shown plain first;
// names in other scripts are refused.
class WelcomeDialog : public QDialog {
    Q_OBJECT

public:
    // `storedLine`: the listed player's club line, or empty for a new player
    // whose default name is `defaultName`.
    // `network`: the layout of a network game, with the role, the host's
    // address and port, and the machine's own addresses.
    WelcomeDialog(const Settings& settings, const QByteArray& storedLine,
                  const QString& defaultName, QWidget* parent = nullptr, bool network = false);

    // Network games: called when "Ok" found everything in order; it opens
    // the connection and the waiting window and says whether the game
    // starts. The dialog closes, accepted, only then.
    void setNetworkStarter(std::function<bool(const NetworkChoice&)> starter)
    {
        m_starter = std::move(starter);
    }
    NetworkChoice networkChoice() const;
    // The address and port as the dialog's typing rules left them, for the
    // settings.
    const QString& serverAddress() const { return m_serverAddress; }
    const QString& serverPort() const { return m_serverPort; }

    const ClubPlayer& player() const { return m_player; }
    QString typedName() const;

    // For tests: the controls.
    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* passwordEdit() const { return m_password; }
    QLineEdit* againEdit() const { return m_again; }
    QLabel* errorLine() const { return m_error; }
    QPushButton* okButton() const { return m_ok; }
    QRadioButton* clientButton() const { return m_client; }
    QLineEdit* addressEdit() const { return m_address; }
    QLineEdit* portEdit() const { return m_port; }
    QPushButton* addressesButton() const { return m_addressesButton; }
    const QList<QLineEdit*>& addressBoxes() const { return m_addressBoxes; }
    // The games heard on the local network (joining only): a click or the
    // arrows fill the address and port, a double click or Enter joins.
    QListWidget* lanGamesList() const { return m_lanGames; }
    net::LanListener* lanListener() const { return m_lanListener; }

    QPushButton* helpButton() const { return m_help; }

    // The program's page on letting a router pass the game's port to the
    // host, in the language in use (English where there is none), in the
    // "help" folder beside the program.
    static QString routerHelpPath(const QString& programFolder);

    // The machine's own addresses for the six boxes: the local IPv4
    // addresses (at most four, so the next two always fit), an empty box for
    // the public address, and the loopback address.
    static QStringList ownAddresses();

private:
    void accept() override;
    void buildNetworkControls(const Settings& settings, int left, int textWidth, int rightWidth);
    void chooseRole(int role);
    void showOwnAddresses();
    void showLanGames();
    bool takeLanGame(int row);
    bool eventFilter(QObject* watched, QEvent* event) override;

    QByteArray m_storedLine;
    QLineEdit* m_name;
    QLineEdit* m_password;
    QLineEdit* m_again;
    QLabel* m_error;
    QPushButton* m_ok;
    ClubPlayer m_player;

    bool m_network = false;
    QString m_serverAddress;
    QString m_serverPort;
    QRadioButton* m_server = nullptr;
    QRadioButton* m_client = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_port = nullptr;
    QPushButton* m_addressesButton = nullptr;
    QPushButton* m_help = nullptr;
    QList<QLineEdit*> m_addressBoxes;
    QLabel* m_lanCaption = nullptr;
    QListWidget* m_lanGames = nullptr;
    net::LanListener* m_lanListener = nullptr;
    std::function<bool(const NetworkChoice&)> m_starter;
};

}  // namespace olk
