#pragma once

#include <QDialog>

#include "accountui/account_dialog.h"
#include "extras/aux_design.h"
#include "settings/settings.h"

class QLabel;
class QPushButton;
class QToolButton;
class QGridLayout;

namespace olk {

namespace online {
class ServiceClient;
}

class TevCardsButton;

// "World Top Ten" after a local cycle: the passport (nick with its face,
// country and city with the flag), the cycle's score, and "Send", which
// posts it to the Windows table under the passport and shows the place.
// A passport still called "Incognito" is asked for first.
class WorldScoreSubmission : public QDialog {
    Q_OBJECT

public:
    WorldScoreSubmission(online::ServiceClient& client, Settings& settings,
                         const QString& programFolder, int cycleScore, QWidget* parent,
                         AccountDialogHooks hooks = AccountDialogHooks::standard());

    TevCardsButton* sendButton() const { return m_send; }
    TevCardsButton* passportButton() const { return m_passport; }
    QLabel* placeLabel() const { return m_place; }
    bool sent() const { return m_sent; }
    bool busy() const { return m_waiting; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showPassport();
    void editPassport();
    void send();

    online::ServiceClient& m_client;
    Settings& m_settings;
    QString m_programFolder;
    int m_score;
    AccountDialogHooks m_hooks;
    AuxDesign m_design;
    QLabel* m_face = nullptr;
    QLabel* m_nick = nullptr;
    QLabel* m_flag = nullptr;
    QLabel* m_city = nullptr;
    QLabel* m_place = nullptr;
    TevCardsButton* m_send = nullptr;
    TevCardsButton* m_passport = nullptr;
    bool m_sent = false;
    bool m_shownOnce = false;
    bool m_waiting = false;
};

// "World Top Ten": the Windows, Android and account tables of the club, each
// with its ten best, the number of results and the player's own entries
// (under the passport, or the account in the account table).
class WorldTopTenWindow : public QDialog {
    Q_OBJECT

public:
    // `accountNick` and `accountCity`: the logged-in account, or empty.
    WorldTopTenWindow(online::ServiceClient& client, Settings& settings,
                      const QString& programFolder, QString accountNick, QString accountCity,
                      QWidget* parent, AccountDialogHooks hooks = AccountDialogHooks::standard());

    // 1 Windows, 2 Android, 3 account; reloads.
    void chooseTable(int table);
    int table() const { return m_table; }
    // Row 0..9: the nick and city; its score.
    QLabel* row(int index) const { return m_rows[index]; }
    QLabel* score(int index) const { return m_scores[index]; }
    QLabel* countLabel() const { return m_count; }
    QLabel* ownRow(int index) const { return m_own[index]; }
    QLabel* failedLabel() const { return m_failed; }
    bool busy() const { return m_waiting > 0; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void reload();
    void finishOne();

    online::ServiceClient& m_client;
    Settings& m_settings;
    QString m_programFolder;
    QString m_accountNick;
    QString m_accountCity;
    AccountDialogHooks m_hooks;
    AuxDesign m_design;
    int m_table = 1;
    QToolButton* m_tables[3] = {};
    QLabel* m_places[10] = {};
    QLabel* m_flags[10] = {};
    QLabel* m_faces[10] = {};
    QLabel* m_rows[10] = {};  // nick and city
    QLabel* m_scores[10] = {};
    QLabel* m_failed = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_own[5] = {};
    QLabel* m_ownFailed = nullptr;
    int m_waiting = 0;
    int m_generation = 0;
};

// The pictures of the world tables: a computer screen, a phone, the club.
QPixmap worldTableIcon(int table, int size);

}  // namespace olk
