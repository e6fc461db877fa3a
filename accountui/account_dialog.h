#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

#include "account/field_checks.h"
#include "extras/aux_design.h"
#include "settings/settings.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QUrl;

namespace olk {

namespace online {
class Account;
}

class TevCardsButton;

// How the account dialogs tell the player something, ask, and open a page:
// message boxes and the browser in the program, recorders in the tests.
struct AccountDialogHooks {
    std::function<void(QWidget*, const QString&, const QString&)> tell;
    std::function<bool(QWidget*, const QString&)> ask;
    std::function<void(const QUrl&)> open;
    // The photo file the player picks; empty when the chooser is cancelled.
    std::function<QString(QWidget*)> choosePhoto;
    // "My Passport" over `settings`, modal.
    std::function<void(QWidget*, Settings&, const QString& programFolder)> editPassport;

    static AccountDialogHooks standard();
};

// The hint of personal field 0..13 (first name .. YouTube), in the
// language in use.
QString infoHint(int field);

// A rating as the club shows it: three decimals after a comma (12,500).
QString clubRatingText(double rating);

// The club account: six tabs (the account with its registration and login,
// the game results, the club's top ten, Tevs with transfers, the own
// personal data and the President's), every control enabled as the account
// state allows. It reads what it shows when it opens and whenever a refresh
// is asked, never waiting: the values arrive while it stays usable.
class AccountDialog : public QDialog {
    Q_OBJECT

public:
    // `forAccountGame`: opened from the account-game command, so "Play
    // global rating" may be ticked.
    AccountDialog(online::Account& account, Settings& settings, const QString& programFolder,
                  bool forAccountGame, QWidget* parent = nullptr,
                  AccountDialogHooks hooks = AccountDialogHooks::standard());
    ~AccountDialog() override;

    // For the tests: the controls by their role.
    QTabWidget* tabs() const { return m_tabs; }
    QLineEdit* nickEdit() const { return m_nick; }
    QLineEdit* passwordEdit() const { return m_password; }
    QLineEdit* cityEdit() const { return m_city; }
    QLineEdit* emailEdit() const { return m_email; }
    QComboBox* continentList() const { return m_continent; }
    QComboBox* countryList() const { return m_country; }
    QComboBox* sexList() const { return m_sex; }
    QLineEdit* countryNameField() const { return m_countryName; }
    QLineEdit* registrationField() const { return m_registration; }
    QCheckBox* hidePasswordBox() const { return m_hidePassword; }
    QCheckBox* playRatedBox() const { return m_playRated; }
    TevCardsButton* createButton() const { return m_create; }
    TevCardsButton* loginButton() const { return m_login; }
    TevCardsButton* saveButton() const { return m_save; }
    TevCardsButton* deleteButton() const { return m_delete; }
    QLabel* membersLabel() const { return m_members; }
    QLabel* resultValue(int row) const { return m_results[row]; }
    QTableWidget* topTenTable() const { return m_topTen; }
    QLabel* balanceLabel() const { return m_balance; }
    TevCardsButton* addTevsButton() const { return m_addTevs; }
    QSpinBox* amountBox() const { return m_amount; }
    QLineEdit* targetEdit() const { return m_target; }
    TevCardsButton* transferButton() const { return m_transfer; }
    TevCardsButton* personalDataButton() const { return m_personalData; }
    QPushButton* presidentRow(int row) const { return m_presidentRows[row]; }
    QLabel* ownInfoRow(int row) const { return m_ownInfo[row]; }
    bool busy() const { return m_waiting > 0; }

    // Opens the personal-data dialog as the "About me" tab's button does.
    void openPersonalData();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeAccountTab();
    QWidget* makeResultsTab();
    QWidget* makeTopTenTab();
    QWidget* makeTevsTab();
    QWidget* makeAboutTab();
    QWidget* makePresidentTab();
    QPushButton* makeRefreshButton();

    // Everything shown follows the account again.
    void showAccount();
    void showResults();
    void showTopTen();
    void showTevs();
    void showAbout();
    void showPresident();
    void updateButtons();
    void fieldEdited(QLineEdit* edit);
    void setCountry(int continent, int index);

    void createAccount();
    void loginOrOut();
    void saveUserFile();
    void deleteUserFile();
    void addTevs();
    void transfer();
    void presidentRowClicked(int row);

    // Runs `start`, which calls its argument once its requests have ended,
    // with the wait shown; the dialog may be gone by then.
    void wait(const std::function<void(std::function<void()>)>& start);

    online::Account& m_account;
    Settings& m_settings;
    QString m_programFolder;
    bool m_forAccountGame;
    AccountDialogHooks m_hooks;
    AuxDesign m_design;
    QTabWidget* m_tabs = nullptr;

    QLineEdit* m_nick = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_city = nullptr;
    QLineEdit* m_email = nullptr;
    QLabel* m_lamps[4] = {};
    Lamp m_checks[4] = {Lamp::Red, Lamp::Red, Lamp::Red, Lamp::Red};
    QComboBox* m_continent = nullptr;
    QComboBox* m_country = nullptr;
    QComboBox* m_sex = nullptr;
    QLineEdit* m_countryName = nullptr;
    QLineEdit* m_registration = nullptr;
    QCheckBox* m_hidePassword = nullptr;
    QCheckBox* m_playRated = nullptr;
    TevCardsButton* m_create = nullptr;
    TevCardsButton* m_login = nullptr;
    TevCardsButton* m_save = nullptr;
    TevCardsButton* m_delete = nullptr;
    QLabel* m_members = nullptr;
    QLabel* m_star = nullptr;
    QWidget* m_accountPage = nullptr;
    bool m_mouseSeen = false;

    QLabel* m_results[9] = {};
    QTableWidget* m_topTen = nullptr;
    QLabel* m_topTenFailed = nullptr;

    QLabel* m_balance = nullptr;
    TevCardsButton* m_addTevs = nullptr;
    QSpinBox* m_amount = nullptr;
    QLineEdit* m_target = nullptr;
    TevCardsButton* m_transfer = nullptr;

    QLabel* m_ownPhoto = nullptr;
    QLabel* m_ownInfo[14] = {};
    TevCardsButton* m_personalData = nullptr;

    QLabel* m_presidentPhoto = nullptr;
    QLabel* m_presidentName = nullptr;
    QLabel* m_presidentNick = nullptr;
    QPushButton* m_presidentRows[12] = {};

    QTimer m_starTimer;
    int m_starFrame = 0;
    QTimer m_iconTimer;
    int m_iconFrame = 0;
    int m_waiting = 0;
};

}  // namespace olk
