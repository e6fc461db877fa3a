#pragma once

#include <QByteArray>
#include <QDialog>
#include <optional>

#include "records/club_file.h"
#include "settings/settings.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace olk {

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

// The "Welcome!" dialog of a local game: a listed player gives his password;
// a new player (or "To change a name") names himself and gives a password
// twice. Accented Latin letters the club cannot hold are shown plain first;
// names in other scripts are refused.
class WelcomeDialog : public QDialog {
    Q_OBJECT

public:
    // `storedLine`: the listed player's club line, or empty for a new player
    // whose default name is `defaultName`.
    WelcomeDialog(const Settings& settings, const QByteArray& storedLine,
                  const QString& defaultName, QWidget* parent = nullptr);

    const ClubPlayer& player() const { return m_player; }
    QString typedName() const;

    // For tests: the controls.
    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* passwordEdit() const { return m_password; }
    QLineEdit* againEdit() const { return m_again; }
    QLabel* errorLine() const { return m_error; }
    QPushButton* okButton() const { return m_ok; }

private:
    void accept() override;

    QByteArray m_storedLine;
    QLineEdit* m_name;
    QLineEdit* m_password;
    QLineEdit* m_again;
    QLabel* m_error;
    QPushButton* m_ok;
    ClubPlayer m_player;
};

}  // namespace olk
