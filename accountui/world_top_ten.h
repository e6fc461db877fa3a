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
// (under the passport, or the account in the account table). In the purple
// design seven categories: the account rating, the account, Windows and
// Android tables, the tournament rankings (by score, rating or games) and
// the two club files of this computer. The table, the category and the
// tournament ranking chosen last stay chosen for the run.
class WorldTopTenWindow : public QDialog {
    Q_OBJECT

public:
    enum Category {
        AccountRating = 1,
        AccountScores,
        WindowsScores,
        AndroidScores,
        Tournament,
        LocalClub,
        NetClub,
    };

    // `accountNick` and `accountCity`: the logged-in account, or empty.
    // `localClub`: opened from the local top ten command, on the club file
    // of the mode in use (purple design only).
    WorldTopTenWindow(online::ServiceClient& client, Settings& settings,
                      const QString& programFolder, QString accountNick, QString accountCity,
                      QWidget* parent, AccountDialogHooks hooks = AccountDialogHooks::standard(),
                      bool localClub = false);

    // 1 Windows, 2 Android, 3 account; reloads.
    void chooseTable(int table);
    int table() const { return m_table; }
    bool purple() const { return m_design.purple(); }
    // Purple design: the category 1..7 and the tournament ranking (0 score,
    // 1 rating, 2 games); each reloads.
    void chooseCategory(int category);
    void chooseKind(int kind);
    int category() const { return m_category; }
    QLabel* heading() const { return m_heading; }
    QToolButton* kindButton(int kind) const { return m_kinds[kind]; }
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
    void loadScores(int gid, bool withFlag, const QString& nick, const QString& city);
    void loadAccountRating();
    void loadTournament();
    void loadClubFile(const QString& name);
    void clearRows();
    void showRow(int r, const QString& flagCode, QChar sex, const QString& who,
                 const QString& value);

    online::ServiceClient& m_client;
    Settings& m_settings;
    QString m_programFolder;
    QString m_accountNick;
    QString m_accountCity;
    AccountDialogHooks m_hooks;
    AuxDesign m_design;
    int m_table = 1;
    int m_category = WindowsScores;
    int m_kind = 0;
    QToolButton* m_tables[3] = {};
    QToolButton* m_categories[7] = {};
    QToolButton* m_kinds[3] = {};
    QLabel* m_heading = nullptr;
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

// The pictures of the world tables: 1 a computer screen, 2 a phone, 3 the
// club; and of the other categories: 4 the tournament's cup, 5 the club
// files of this computer, 6 the network club.
QPixmap worldTableIcon(int table, int size);

}  // namespace olk
