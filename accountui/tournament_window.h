#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>

#include "accountui/account_dialog.h"
#include "extras/aux_design.h"
#include "online/records.h"
#include "online/requests.h"
#include "online/tournament.h"
#include "settings/settings.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace olk {

namespace online {
class ServiceClient;
}

class TevCardsButton;

using online::kTournamentAdminNick;

// What one place button of the tournament window says and whether it may be
// pressed, from the table list, the place the local player holds (table 0:
// none) and his nick and score.
struct PlaceButtonState {
    enum class Kind { Own, OwnLast, Occupied, Take, Free, ServerOff };
    Kind kind = Kind::ServerOff;
    bool enabled = false;
};
PlaceButtonState placeButtonState(const online::TTevTable_4& table, int place, int heldTable,
                                  int heldPlace, bool serverOpen);

// "WORLD ONLINE TOURNAMENT": the player's tournament results, the ten tables
// of four places with their occupants, the server's status and message,
// refreshed every 10 s; a free place is taken, the own one left (and the
// places after it freed). Taking a place hands the table's relay to the main
// window (`placeTaken`), which connects and plays; the window stays until
// the first deal arrives. Nothing here waits for the service.
class TournamentWindow : public QDialog {
    Q_OBJECT

public:
    TournamentWindow(online::ServiceClient& client, const online::TTevUser& account,
                     Settings& settings, const QString& programFolder, QWidget* parent,
                     AccountDialogHooks hooks = AccountDialogHooks::standard(),
                     std::function<void(const char*)> play = {});

    // Table 1..10, place 1..4.
    TevCardsButton* placeButton(int table, int place) const;
    QLabel* messageLabel() const { return m_message; }
    QLabel* statusLabel() const { return m_statusLabel; }
    // The "My results" values: nick, score, place, rating, games, city.
    QLabel* result(int row) const { return m_results[row]; }
    TevCardsButton* refreshButton() const { return m_refresh; }
    TevCardsButton* topTenButton() const { return m_topTen; }
    TevCardsButton* closeButton() const { return m_close; }
    QLineEdit* addressBox() const { return m_addressBox; }
    int heldTable() const { return m_heldTable; }
    int heldPlace() const { return m_heldPlace; }
    bool busy() const { return m_waiting > 0; }
    const online::TTevClient& record() const { return m_record; }
    // The record's score, games and rating came from the service.
    bool recordRead() const { return m_recordRead; }

    void refresh();
    void takePlace(int table, int place);
    void leavePlace();
    // The relay connection failed: the place and those after it are given
    // up at the next second's check, with "Server connection error!".
    void relayFailed() { m_relayError = true; }
    // The place is given up without a word (the game ended, the relay was
    // left).
    void forgetPlace();

signals:
    // A place was taken: the main window connects to the relay there.
    void placeTaken(int table, int place, const QString& relayAddress, int relayPort);
    // The own place was left: the relay connection goes ("disA" first).
    void placeLeft();
    void topTenRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void reject() override;

private:
    void readResults();
    void refreshed();
    void showTables();
    void checkLowerPlace(int table, int place, int lower, const online::TTevTable_4& list);
    // Frees the places, the window busy meanwhile; `then` runs once the
    // service has answered every one (at once when there is none), so that a
    // table list read after it no longer shows them taken.
    void freePlaces(int table, int fromPlace, int toPlace, std::function<void()> then = {});
    void checkRelay();
    void setBusy(int delta);
    bool holding() const { return m_heldTable > 0; }

    online::ServiceClient& m_client;
    Settings& m_settings;
    AccountDialogHooks m_hooks;
    std::function<void(const char*)> m_play;
    AuxDesign m_design;
    online::TTevClient m_record;
    std::array<online::TTevTable_4, online::kTournamentTables> m_tables{};
    bool m_tablesRead = false;
    bool m_recordRead = false;
    bool m_infoRead = false;
    QChar m_serverStatus = u'X';
    int m_heldTable = 0;
    int m_heldPlace = 0;
    bool m_relayError = false;
    int m_waiting = 0;
    int m_generation = 0;
    int m_refreshLeft = 0;
    QLabel* m_message;
    QLabel* m_statusLabel = nullptr;
    QLabel* m_results[6] = {};
    std::array<std::array<TevCardsButton*, online::kTablePlaces>, online::kTournamentTables>
        m_places{};
    TevCardsButton* m_refresh;
    TevCardsButton* m_topTen;
    TevCardsButton* m_close;
    QLineEdit* m_addressBox = nullptr;
    QTimer m_refreshTimer;
    QTimer m_relayTimer;
};

// "Tournament Top Ten": the tournament's best ten by score, rating or games,
// and where the player's own value of that kind stands (a medal for a place
// in the ten).
class TournamentTopTenWindow : public QDialog {
    Q_OBJECT

public:
    TournamentTopTenWindow(online::ServiceClient& client, const online::TTevClient& own,
                           Settings& settings, const QString& programFolder, QWidget* parent);

    // 0 score, 1 rating, 2 games; reloads.
    void chooseKind(int kind);
    QLabel* row(int index) const { return m_rows[index]; }
    QLabel* value(int index) const { return m_values[index]; }
    QLabel* failedLabel() const { return m_failed; }
    QLabel* placeLabel() const { return m_place; }
    // The place shown (with a medal when 1..10), 0 when none is.
    int shownPlace() const { return m_shownPlace; }
    bool busy() const { return m_waiting > 0; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    online::ServiceClient& m_client;
    online::TTevClient m_own;
    Settings& m_settings;
    AuxDesign m_design;
    int m_kind = 0;
    int m_generation = 0;
    int m_waiting = 0;
    int m_shownPlace = 0;
    QPushButton* m_kinds[3] = {};
    QLabel* m_places[10] = {};
    QLabel* m_flags[10] = {};
    QLabel* m_faces[10] = {};
    QLabel* m_rows[10] = {};
    QLabel* m_values[10] = {};
    QLabel* m_failed;
    QLabel* m_place;
    QLabel* m_medal;
};

}  // namespace olk
