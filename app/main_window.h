#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

#include "core/game_engine.h"
#include "extras/melody_player.h"
#include "extras/music_player.h"
#include "extras/radio.h"
#include "extras/sound_player.h"
#include "net/direct_link.h"
#include "net/lan_discovery.h"
#include "net/relay_link.h"
#include "online/news_chat.h"
#include "online/online_session.h"
#include "online/statistics_reports.h"
#include "options/options_dialog.h"
#include "session/game_session.h"
#include "settings/settings.h"
#include "table/main_menu.h"
#include "table/table_view.h"
#include "table/waiting_window.h"
#include "table/welcome_dialog.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace olk {

// The main window "Form1": hosts the table, sizes itself by the window size
// of the settings, keeps the club's records of the player at the table, asks
// before a game on the table is thrown away, and saves the settings when it
// closes.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    MainWindow(Settings& settings, QString folder);
    ~MainWindow() override;

    // The start-up check of the club files (checkClubFilesAtStart); false
    // when the program must end.
    bool checkClubFiles();

    // Sizes the window for the settings' window size and lays the table out.
    void applyWindowSize();

    // The start-up picture, until a click or a key brings the main menu.
    void showStartup();
    void showMenu();

    TableView& table() { return *m_table; }
    MainMenu& menu() { return *m_menu; }

    // "Options": the options dialog over the menu, every change applied at
    // once.
    void openOptions();
    void openAccount();
    void startAccountGame();
    void finishAccountGame();
    void updateAccountMenu();
    void openWorldTopTen();
    // The online tournament window, for a logged-in account; a place taken
    // there connects to its table's relay, and the first deal brings the
    // table.
    void openTournament();
    net::RelayLink* relay() const { return m_relay.get(); }
    // The world statistics window with its "I like this game!".
    void openStatistics();
    // The news page in the browser; the news counts as read.
    void openNews();
    // The chat window, unless the service pauses the chat.
    void openChat();
    // The news check, then the chat check, then the menu's indicators.
    void checkNewsAndChat();
    // The periodic checks: news every 30 s while the menu shows and no news
    // is known to be unread, chat every 15 min while no chat is.
    void newsTick();
    void chatTick();
    online::NewsAndChat& newsAndChat();
    QPointer<QDialog> chatWindow() const { return m_chatWindow; }
    // The first start's question about the anonymous statistics, when it
    // was never answered.
    void askStatisticsConsent();
    // Saves the settings file now (as at the end of the run).
    bool saveSettingsNow();
    // Applies the settings the options dialog edited: whatever differs from
    // the settings in use takes effect now. A choice that cannot be had
    // (a missing library) falls back, and the settings in use say so.
    void applyOptions(const Settings& next);
    // The options dialog while it is open.
    OptionsDialog* optionsDialog() const { return m_options; }
    const MelodyPlayer& melody() const { return m_melody; }
    MusicPlayer& music() { return m_music; }
    // The internet radio: its files are looked for again (and, with the list
    // from the server, the list fetched), its state file read, the icon
    // redrawn.
    Radio& radio() { return m_radio; }
    void checkRadio();
    // The radio dialog, or the missing-radio message without the radio's
    // files.
    void openRadio();
    // "About", "Help" (and F1) and "Speed" from the table's or the menu's
    // pop-up menu: the about box, the help page, the speed dialog.
    void openAbout();
    void openHelp();
    void openSpeed();
    // The radio icon's left click: the radio on or off.
    void toggleRadio();
    // The melody plays while the start-up picture or the menu shows and the
    // music is on; a game on the table stops it. Called whenever either
    // changes.
    void followMusic();
    // The settings as they are written: the player's own window size, not
    // the smaller one a small screen made this run use.
    Settings settingsToSave() const;
    // The settings file's lines as read at start: unchanged ones are written
    // back as they stood.
    void setSettingsAsRead(QList<QByteArray> lines) { m_settingsAsRead = std::move(lines); }
    const GameEngine& engine() const { return m_engine; }
    GameSession& session() { return m_session; }
    // The online side, made when first asked for (a window that never goes
    // online keeps no network machinery).
    online::OnlineSession& online();
    // Whether the online service is looked up a moment after the start-up
    // picture shows (the program does; a window made for a test does not
    // reach for the network).
    void setOnlineAtStart(bool on) { m_onlineAtStart = on; }
    // Whether the sound stream opens and the melody begins a moment after
    // the start-up picture shows (the program does; a window made for a test
    // stays silent unless the test listens).
    void setSoundAtStart(bool on) { m_soundAtStart = on; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Network play: opens the connection for the choice made in "Welcome!"
    // and keeps the waiting window up; true when the match may start.
    bool startNetwork(const NetworkChoice& choice, const ClubPlayer& player, QWidget* dialog);
    void networkLost();
    void showChat(int role, const QByteArray& line);
    void play(const char* effect) { m_sound.playEffect(QString::fromLatin1(effect), false); }
    void closeNetwork();
    bool isNetworkGame() const { return m_host != nullptr || m_join != nullptr; }
    bool isTournamentGame() const { return m_relay != nullptr; }
    int ownRole() const;
    Profile profileOf(const ClubPlayer& player) const;

    void finishGame();
    void finishTournamentGame();
    void abandonGame();
    void dropRelay();
    void showTournamentTable();
    // The centred "Please, wait..." while a rated game's result is written.
    void showWaitBanner(bool on);
    void reportStart();
    void reportGame(const online::FinishedGame& game);
    void updateIndicators();
    void choosePlayer(int slot);
    void changeName();
    void startGame();
    void showOnly(QWidget* screen);
    void applyWindowColour();
    void showRadioState();
    void showMissingRadio();
    bool graphicsLibraryPresent() const;
    QString clubPath() const;

    Settings& m_settings;
    QString m_folder;
    bool m_clubWritesBlocked;
    int m_windowSizeChoice;  // the saved window size; a smaller one may be in use
    QList<QByteArray> m_settingsAsRead;
    SoundPlayer m_sound;
    MelodyPlayer m_melody;
    MusicPlayer m_music;
    Radio m_radio{m_folder};
    std::unique_ptr<online::OnlineSession> m_online;
    bool m_onlineAtStart = false;
    bool m_soundAtStart = false;
    static constexpr int kSoundStartDelayMs = 300;
    bool m_soundStarted = false;  // a moment after the start-up picture first showed
    GameSession m_session;
    GameEngine& m_engine;
    TableView* m_table;
    MainMenu* m_menu;
    StartupPicture* m_startup;
    QTimer m_animation;          // 20 ms: the start-up picture's colours
    ClubPlayer m_player;         // the player at the table, as the game started
    bool m_accountGame = false;  // the game at the table is the account's rated one
    std::unique_ptr<net::HostLink> m_host;
    // While a hosted game waits for players, it is announced on the local
    // network.
    std::unique_ptr<net::LanAnnouncer> m_lanAnnouncer;
    std::unique_ptr<net::JoinLink> m_join;
    std::unique_ptr<net::RelayLink> m_relay;
    online::TourRatingResult m_tourBefore;  // the tournament record as the game started
    QPointer<WaitingWindow> m_waiting;
    QPointer<OptionsDialog> m_options;
    std::unique_ptr<online::NewsAndChat> m_news;
    QTimer m_newsTimer;  // 30 s
    QTimer m_chatTimer;  // 15 min
    QPointer<QDialog> m_chatWindow;
    QLabel* m_waitBanner = nullptr;
    bool m_startReported = false;  // this run's start-up report went out
};

// Checks "Olk.clb", then "Olk.net", in `folder` at start. A missing or
// incorrect file is reported and the program must end (false). A file the
// program may not write to is reported and, for the last one checked, blocks
// club writes for the run.
bool checkClubFilesAtStart(const QString& folder, bool* writesBlocked);

}  // namespace olk
