#include "app/main_window.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <utility>

#include "accountui/account_art.h"
#include "accountui/account_dialog.h"
#include "accountui/chat_window.h"
#include "accountui/statistics_window.h"
#include "accountui/tournament_window.h"
#include "accountui/world_top_ten.h"
#include "core/cp1251.h"
#include "extras/attention_box.h"
#include "extras/help_page.h"
#include "settings/address_cipher.h"
#include "extras/library_download.h"
#include "table/about_box.h"
#include "table/radio_dialog.h"
#include "extras/own_cursors.h"
#include "extras/salute.h"
#include "online/menu_figures.h"
#include "options/option_rules.h"
#include "records/end_of_game.h"
#include "settings/language.h"
#include "settings/settings_file.h"
#include "settings/word_tables.h"
#include "table/record_windows.h"
#include "table/speed_dialog.h"
#include "table/welcome_dialog.h"

namespace olk {

bool checkClubFilesAtStart(const QString& folder, bool* writesBlocked)
{
    *writesBlocked = false;
    for (const char* name : {"Olk.clb", "Olk.net"}) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(name));
        const ClubLoad load = readClubFile(path);
        const QString quoted =
            QStringLiteral(" \"") + QDir::toNativeSeparators(path) + QLatin1Char('"');
        if (load.status == ClubStatus::Missing) {
            QMessageBox::critical(nullptr, text(Text::WindowTitle),
                                  text(Text::CantFindTheFile) + quoted + QLatin1Char('!'));
            return false;
        }
        if (load.status == ClubStatus::Incorrect) {
            QMessageBox::critical(nullptr, text(Text::WindowTitle),
                                  text(Text::TheIncorrectFile) + quoted + QLatin1Char('!'));
            return false;
        }
        // The file tested last decides whether club files may be written.
        *writesBlocked = !clubFileWritable(path);
        if (*writesBlocked) {
            QString message = text(Text::TheFile) + quoted + text(Text::HasIncorrectAttributes);
            message.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
            QMessageBox::warning(nullptr, text(Text::WindowTitle), message);
        }
    }
    return true;
}

MainWindow::MainWindow(Settings& settings, QString folder)
    : m_settings(settings),
      m_folder(std::move(folder)),
      m_clubWritesBlocked(false),
      m_windowSizeChoice(m_settings.windowSize),
      m_sound(m_settings.soundOn),
      m_engine(m_session.engine()),
      m_table(new TableView(m_session, m_settings, this)),
      m_menu(new MainMenu(m_settings, this)),
      m_startup(new StartupPicture(this))
{
    setWindowTitle(text(Text::WindowTitle));
    // The window's own colour, seen wherever no screen covers it: the
    // table cloth's colour, or the purple design's.
    applyWindowColour();
    setAutoFillBackground(true);
    m_table->setSoundPlayer(&m_sound);
    m_table->setProgramFolder(m_folder);
    m_menu->setProgramFolder(m_folder);
    m_menu->setMusicPlayer(m_music);
    // A right-clicked card says its name, in the language in use.
    connect(m_table, &TableView::cardSpoken, this,
            [this](CardCode card) { m_sound.speakCard(voiceName(card), m_folder); });
    connect(&m_session, &GameSession::gameFinished, this, &MainWindow::finishGame);
    connect(&m_session, &GameSession::gameAbandoned, this, &MainWindow::abandonGame);
    // The sounds get ready, and the melody begins, a moment after the first
    // picture is on the screen: their threads' start-up work (the sound font,
    // the sound server) never competes with the picture's.
    connect(m_startup, &StartupPicture::firstShown, this, [this] {
        // The club's play list comes from the server the downloads come
        // from; the music buttons appear once it has come.
        if (m_onlineAtStart) {
            m_music.setupPlayer(QUrl(downloadServer(m_settings)));
        }
        QTimer::singleShot(kSoundStartDelayMs, this, [this] {
            if (m_soundAtStart) {
                m_soundStarted = true;
                m_sound.prepare();
                followMusic();
            }
            // The online service's addresses, and the user file's account,
            // settle in the background; nothing waits for them.
            if (m_onlineAtStart) {
                online().start();
                m_newsTimer.start();
                m_chatTimer.start();
            }
        });
    });
    connect(m_startup, &StartupPicture::dismissed, this, [this] {
        if (!m_startup->isVisible()) {
            return;
        }
        // A station left on starts by itself, in place of the melody.
        if (m_radio.available() && m_radio.state().radioOn) {
            m_settings.musicOn = false;
            followMusic();
            m_radio.startStation();
        }
        applyWindowSize();
        showMenu();
        if (m_onlineAtStart) {
            askStatisticsConsent();
        }
        // The chosen card set and deck are looked for now: a missing library
        // is named, and its choice falls back, before the first game.
        m_table->setGeometry(rect());
        m_table->applyWindowSize();
    });
    connect(m_table, &TableView::changeNameRequested, this, &MainWindow::changeName);
    // The radio's icon follows its state; the icon and the table's pop-up
    // menu open its dialog.
    connect(&m_radio, &Radio::changed, this, &MainWindow::showRadioState);
    connect(m_menu->radioIcon(), &RadioIcon::toggleRequested, this, &MainWindow::toggleRadio);
    connect(m_menu->radioIcon(), &RadioIcon::dialogRequested, this, &MainWindow::openRadio);
    connect(m_table, &TableView::radioRequested, this, &MainWindow::openRadio);
    connect(m_table, &TableView::aboutRequested, this, &MainWindow::openAbout);
    connect(m_table, &TableView::helpRequested, this, &MainWindow::openHelp);
    connect(m_table, &TableView::speedRequested, this, &MainWindow::openSpeed);
    connect(m_table, &TableView::chatRequested, this, &MainWindow::openChat);
    connect(m_table, &TableView::chatTyped, this, [this](const QString& line) {
        const QByteArray bytes =
            QByteArray::fromStdString(cp1251::fromUtf8Lossy(line.toStdString()));
        if (m_host) {
            m_host->sendChat(bytes);
        } else if (m_join) {
            m_join->sendChat(bytes);
        } else if (m_relay) {
            m_relay->sendChat(bytes);
        }
        m_table->addChatLine(ownRole(), line);
    });
    connect(m_menu, &MainMenu::playerChosen, this, &MainWindow::choosePlayer);
    connect(m_menu, &MainMenu::newPlayer, this, [this] { choosePlayer(6); });
    connect(m_menu, &MainMenu::topTen, this, [this] {
        play("WOpenFo");
        // The purple design shows this computer's club among the world
        // tables.
        if (m_settings.auxDesignPurple && graphicsLibraryPresent()) {
            online::OnlineSession& session = online();
            const bool member = session.accountState() >= online::LoggedIn;
            WorldTopTenWindow window(session.client(), m_settings, m_folder,
                                     member ? session.user().Nick : QString(),
                                     member ? session.user().City : QString(), this,
                                     AccountDialogHooks::standard(), true);
            window.exec();
            return;
        }
        const ClubFile club = readClubFile(clubPath()).file;
        QList<QByteArray> lines;
        for (int n = 6; n <= 15; ++n) {
            lines.append(club.line(n));
        }
        showTopTen(this, m_settings, lines, false);
    });
    connect(m_menu, &MainMenu::history, this, [this] {
        play("WOpenFo");
        showHistory(this, m_settings, m_folder, QStringLiteral("Olk.clb"));
    });
    connect(m_menu, &MainMenu::options, this, &MainWindow::openOptions);
    connect(m_menu, &MainMenu::exitRequested, this, &QWidget::close);
    connect(m_menu, &MainMenu::accountRequested, this, &MainWindow::openAccount);
    connect(m_menu, &MainMenu::worldTopTenRequested, this, &MainWindow::openWorldTopTen);
    connect(m_menu, &MainMenu::statisticsRequested, this, &MainWindow::openStatistics);
    connect(m_menu, &MainMenu::tournamentRequested, this, &MainWindow::openTournament);
    m_menu->setTournamentPicture(worldTableIcon(4, 96));
    connect(m_menu, &MainMenu::newsRequested, this, &MainWindow::openNews);
    connect(m_menu, &MainMenu::helpRequested, this, &MainWindow::openHelp);
    connect(m_menu, &MainMenu::chatRequested, this, &MainWindow::openChat);
    connect(m_menu, &MainMenu::aboutRequested, this, &MainWindow::openAbout);
    connect(m_menu, &MainMenu::radioRequested, this, &MainWindow::openRadio);
    connect(m_menu, &MainMenu::speedRequested, this, &MainWindow::openSpeed);
    // The right clock panel's figure of the minute, from the service; never
    // waited for.
    m_menu->setFigureSource(
        [this](int kind, std::function<void(const online::MenuFigure&)> done) {
            // A window that stays offline (made for a test) reads nothing.
            if (!m_onlineAtStart && !m_online) {
                QTimer::singleShot(0, this, [kind, done = std::move(done)] {
                    done(online::failedFigure(online::shownFigureKind(kind, online::LoggedOut)));
                });
                return;
            }
            online::OnlineSession& session = online();
            online::fetchMenuFigure(session.client(), kind, session.accountState(),
                                    session.user().Nick, std::move(done));
        });
    m_menu->setWorldPicture(worldTableIcon(1, 96));
    updateAccountMenu();
    m_animation.setInterval(20);
    connect(&m_animation, &QTimer::timeout, this, [this] {
        if (m_startup->isVisible()) {
            m_startup->tick();
        } else if (m_menu->isVisible()) {
            m_menu->tick();
        }
    });
    m_newsTimer.setInterval(30 * 1000);
    connect(&m_newsTimer, &QTimer::timeout, this, &MainWindow::newsTick);
    m_chatTimer.setInterval(15 * 60 * 1000);
    connect(&m_chatTimer, &QTimer::timeout, this, &MainWindow::chatTick);
    m_table->hide();
    m_menu->hide();
}

MainWindow::~MainWindow()
{
    // The radio's state file is written only when it was read this run: a
    // run without the radio's files must not overwrite the station chosen
    // in an earlier one with the defaults.
    m_radio.stopStation();
    if (m_radio.available()) {
        m_radio.saveRadioState();
    }
    // The table watches the session: it goes first, while the session lives.
    delete m_table;
}

online::OnlineSession& MainWindow::online()
{
    if (!m_online) {
        m_online = std::make_unique<online::OnlineSession>(m_settings, m_folder);
        connect(&m_online->account(), &online::Account::changed, this,
                &MainWindow::updateAccountMenu);
        // The start-up report goes out once the statistics address settled.
        connect(m_online.get(), &online::OnlineSession::addressesSettled, this,
                &MainWindow::reportStart);
    }
    return *m_online;
}

bool MainWindow::checkClubFiles()
{
    return checkClubFilesAtStart(m_folder, &m_clubWritesBlocked);
}

void MainWindow::showOnly(QWidget* screen)
{
    for (QWidget* each : {static_cast<QWidget*>(m_table), static_cast<QWidget*>(m_menu),
                          static_cast<QWidget*>(m_startup)}) {
        each->setVisible(each == screen);
    }
    screen->setGeometry(rect());
    // The keyboard follows the screen: a hidden one must not keep it.
    screen->setFocus();
    followMusic();
}

void MainWindow::followMusic()
{
    m_melody.music(m_soundStarted && m_settings.musicOn &&
                   (m_startup->isVisible() || m_menu->isVisible()));
}

void MainWindow::showStartup()
{
    checkRadio();
    setFixedSize(kDesignWidth, kDesignHeight);
    move(0, 0);
    showOnly(m_startup);
    m_startup->setFocus();
    m_animation.start();
}

void MainWindow::showMenu()
{
    m_table->driver().stop();
    // Whatever brought the menu back, no game is on the table any more.
    m_engine.editState().gameActive = false;
    showOnly(m_menu);
    // The menu stands in the middle of the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen(); screen && m_settings.windowSize != 2) {
        const QRect available = screen->availableGeometry();
        move(available.center() - rect().center());
    }
    m_menu->refresh(readClubFile(clubPath()).file);
    updateAccountMenu();
    m_animation.start();
    if (m_onlineAtStart) {
        checkNewsAndChat();
    }
}

void MainWindow::choosePlayer(int slot)
{
    // Row 5 is the account's rated game while an account is logged in.
    if (slot == 5 && !m_settings.networkMode && m_online &&
        m_online->accountState() >= online::LoggedIn) {
        startAccountGame();
        return;
    }
    play("WOpenFo");
    const ClubLoad load = readClubFile(clubPath());
    const QByteArray line = slot >= 1 && slot <= 5 && load.status == ClubStatus::Ok
                                ? load.file.line(slot)
                                : QByteArray();
    const bool network = m_settings.networkMode;
    WelcomeDialog dialog(m_settings, line, m_settings.playerName, this, network);
    if (network) {
        dialog.setNetworkStarter([this, &dialog](const NetworkChoice& choice) {
            return startNetwork(choice, dialog.player(), &dialog);
        });
    }
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_settings.serverAddress = dialog.serverAddress();
    m_settings.serverPort = dialog.serverPort();
    if (!accepted) {
        return;
    }
    m_settings.playerName = dialog.typedName();
    m_player = dialog.player();
    m_player.slot = line.isEmpty() ? 6 : slot;
    startGame();
}

QString MainWindow::clubPath() const
{
    // "Multiplayer" keeps its own club of network players.
    return QDir(m_folder).filePath(m_settings.networkMode ? QStringLiteral("Olk.net")
                                                          : QStringLiteral("Olk.clb"));
}

Profile MainWindow::profileOf(const ClubPlayer& player) const
{
    return {player.shownName(), player.deals, player.score, player.rating};
}

int MainWindow::ownRole() const
{
    return m_join ? m_join->role() : m_relay ? m_relay->place() : 1;
}

bool MainWindow::startNetwork(const NetworkChoice& choice, const ClubPlayer& player,
                              QWidget* dialog)
{
    closeNetwork();
    const quint16 port = static_cast<quint16>(choice.port.toUInt());
    WaitingWindow waiting(m_settings, choice.role == 1, dialog);
    m_waiting = &waiting;
    if (choice.role == 1) {
        m_host = std::make_unique<net::HostLink>(m_session);
        m_host->setHostName(player.name);
        if (port == 0 || !m_host->listen(port)) {
            m_host.reset();
            showAttention(dialog, text(Text::CantOpenPort));
            return false;
        }
        connect(m_host.get(), &net::HostLink::playerJoined, &waiting,
                [this, &waiting](int joined, const QByteArray&) {
                    play("WToMenK");
                    waiting.playerJoined(joined);
                    if (m_lanAnnouncer) {
                        m_lanAnnouncer->setFreeSeats(3 - joined);
                    }
                });
        connect(m_host.get(), &net::HostLink::peerLost, this, &MainWindow::networkLost);
        connect(m_host.get(), &net::HostLink::chatReceived, this, &MainWindow::showChat);
        m_lanAnnouncer = std::make_unique<net::LanAnnouncer>();
        m_lanAnnouncer->start(
            {QString::fromStdString(player.shownName()).trimmed(), m_host->port(), 3});
    } else {
        m_join = std::make_unique<net::JoinLink>(m_session);
        // A joining player is told there is no game unless the host takes
        // him in within the first second.
        waiting.setNoGamesFound(true);
        connect(m_join.get(), &net::JoinLink::accepted, &waiting, &QDialog::accept);
        connect(m_join.get(), &net::JoinLink::matchAborted, this, &MainWindow::networkLost);
        connect(m_join.get(), &net::JoinLink::namesChanged, m_table, &TableView::redrawAll);
        connect(m_join.get(), &net::JoinLink::chatReceived, this, &MainWindow::showChat);
        m_session.engine().setup().flyingCards = m_settings.flyingCards;
        m_join->connectToHost(choice.address, port, player.name, profileOf(player));
    }
    const bool started = waiting.exec() == QDialog::Accepted;
    // The game starts or is abandoned: no one else is to come.
    m_lanAnnouncer.reset();
    if (!started) {
        closeNetwork();
    }
    return started;
}

void MainWindow::showChat(int role, const QByteArray& line)
{
    play("WToMenK");
    m_table->addChatLine(role, QString::fromStdString(cp1251::toUtf8(line.toStdString())));
}

void MainWindow::networkLost()
{
    if (m_waiting) {
        m_waiting->done(QDialog::Rejected);
    }
    const bool onTable = m_table->isVisible();
    play("WWrongs");
    closeNetwork();
    if (onTable) {
        QString message = text(Text::OneOfPlayer) + QLatin1Char(' ') +
                          text(Text::HasInterruptedGame) + QLatin1Char('\n') +
                          text(Text::PressOkForExit);
        QMessageBox::critical(this, text(Text::WindowTitle), message);
        showMenu();
    }
}

void MainWindow::closeNetwork()
{
    // The links go later: this may run inside one of their own signals.
    if (m_host) {
        m_host->close();
        m_host.release()->deleteLater();
    }
    if (m_join) {
        m_join->close();
        m_join.release()->deleteLater();
    }
    m_table->setChatEnabled(false);
}

void MainWindow::changeName()
{
    WelcomeDialog dialog(m_settings, {}, QString::fromStdString(m_player.shownName()), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    m_settings.playerName = dialog.typedName();
    m_player.name = dialog.player().name;
    m_player.password = dialog.player().password;
    if (!m_clubWritesBlocked) {
        if (const auto slot =
                renameClubPlayer(clubPath(), m_player.slot, m_player.name, m_player.password)) {
            m_player.slot = *slot;
        } else {
            showAttention(this, text(Text::ErrorOfDiskWriting));
        }
    }
    QString message = text(Text::NameChanged) + dialog.typedName();
    message.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    QMessageBox::information(this, text(Text::WindowTitle), message);
    // The new name is the seat's from now on: on its plate at once, in the
    // deals to come and in the count window.
    const std::string shown = m_player.shownName();
    Profile profile = m_engine.profile();
    profile.name = shown;
    m_engine.setProfile(profile);
    m_engine.editState().players[kLocalSeat].name = shown;
    m_table->redrawAll();
}

void MainWindow::startGame()
{
    m_animation.stop();
    showOnly(m_table);
    m_table->applyWindowSize();
    m_engine.setup().rules = {m_settings.threeOfAKind30, m_settings.punishKnocker};
    m_engine.setup().flyingCards = m_settings.flyingCards;
    m_engine.setup().playsGlobalRating = m_accountGame;
    if (m_host) {
        m_host->startMatch(profileOf(m_player));
    } else if (!m_join) {
        m_table->startLocalGame(profileOf(m_player));
    }
    // A joined player's table is laid already: it waits for the host's deal.
}

void MainWindow::finishGame()
{
    if (m_accountGame) {
        finishAccountGame();
        return;
    }
    if (m_relay) {
        finishTournamentGame();
        return;
    }
    const TableState& st = m_engine.state();
    online::FinishedGame report;
    report.kind = isNetworkGame() ? online::FinishedGame::Kind::Network
                                  : online::FinishedGame::Kind::Local;
    report.host = m_host != nullptr;
    report.deals = st.gameDeals;
    report.dealNumber = st.dealNumber;
    report.result = st.gameScore;
    reportGame(report);
    LocalGame game;
    game.programFolder = m_folder;
    game.player = m_player;
    if (isNetworkGame()) {
        // The history names everybody at the table: seats 4, 3, 2, 1.
        game.network = true;
        game.clubFileName = QStringLiteral("Olk.net");
        QByteArray players;
        for (int seat = 4; seat >= 1; --seat) {
            players += QByteArray::fromStdString(cp1251::fromUtf8Lossy(st.players[seat].name));
            if (seat > 1) {
                players += '/';
            }
        }
        game.historyPlayers = players;
        closeNetwork();
    }
    game.dealNumber = st.dealNumber;
    game.totalScore = st.totalScore;
    game.result = st.gameScore;
    game.gameDeals = st.gameDeals;
    const QDateTime now = QDateTime::currentDateTime();
    const QByteArray date =
        QByteArray::fromStdString(cp1251::fromUtf8Lossy(historyDateText(now.date()).toStdString()));
    const GameEndOutcome outcome = endLocalGame(
        game, now.toString(QStringLiteral("hh:mm")).toLatin1(), date, !m_clubWritesBlocked);
    if (!outcome.historyWritten) {
        showAttention(this, text(Text::CannotSaveHistory));
    }
    if (!outcome.clubWritten) {
        showAttention(this, text(Text::ErrorOfDiskWriting));
    }
    if (outcome.sound != nullptr) {
        play(outcome.sound);
    }
    if (outcome.cycleCompleted) {
        play(endOfCycleSound(outcome.topTenPlace));
        const CycleEnd::Kind kind = game.network ? CycleEnd::Kind::Network
                                    : m_online && m_online->accountState() >= online::LoggedIn
                                        ? CycleEnd::Kind::LocalLoggedIn
                                        : CycleEnd::Kind::Local;
        showEndOfCycle(this, m_settings, {outcome.topTenPlace, outcome.cycleScore, kind});
        // A local cycle may go to the world table under the passport.
        if (!game.network) {
            WorldScoreSubmission submission(online().client(), m_settings, m_folder,
                                            outcome.cycleScore, this);
            submission.exec();
        }
    }
    showMenu();
}

void MainWindow::abandonGame()
{
    if (m_relay) {
        // The place is given up; the others are told so.
        m_relay->leave();
        dropRelay();
        showMenu();
        return;
    }
    if (std::exchange(m_accountGame, false)) {
        // The club keeps the provisional record: the game's deals at -200.
        online().account().endRatedPlay();
        showMenu();
        return;
    }
    closeNetwork();
    if (!m_clubWritesBlocked && !leaveGameEarly(clubPath(), m_player.slot)) {
        showAttention(this, text(Text::ErrorOfDiskWriting));
    }
    showMenu();
}

void MainWindow::updateAccountMenu()
{
    const int state = m_online ? m_online->accountState() : online::LoggedOut;
    m_menu->setAccountPicture(starPicture(state, 0, 96));
    m_menu->setAccountRow(
        state >= online::LoggedIn && !m_settings.networkMode ? m_online->user().Nick : QString());
}

void MainWindow::startAccountGame()
{
    play("WOpenFo");
    online::Account& account = online().account();
    {
        AccountDialog dialog(account, m_settings, m_folder, true, this);
        dialog.exec();
    }
    if (account.state() != online::PlayingRated) {
        return;
    }
    // The record is written before the first deal; the menu waits meanwhile.
    m_menu->setEnabled(false);
    setCursor(Qt::WaitCursor);
    account.startRatedGame([this] { play("WWrongs"); },
                           [this, &account](bool started) {
                               m_menu->setEnabled(true);
                               unsetCursor();
                               if (!started) {
                                   showAttention(this, text(Text::CouldNotConnectToServer));
                                   return;
                               }
                               // An account without rated deals starts from
                               // zero under its nick.
                               const online::TTevGame& game = account.game();
                               const bool played = game.Kon > 0;
                               m_player = ClubPlayer{};
                               m_player.slot = 0;
                               m_player.name = QByteArray::fromStdString(
                                   cp1251::fromUtf8Lossy(account.user().Nick.toStdString()));
                               m_player.deals = played ? game.KonL : 0;
                               m_player.score = played ? game.Score : 0;
                               m_player.rating = played ? game.Rating : 0;
                               m_accountGame = true;
                               startGame();
                           });
}

void MainWindow::finishAccountGame()
{
    m_accountGame = false;
    const TableState& st = m_engine.state();
    LocalGame game;
    game.programFolder = m_folder;
    game.player = m_player;
    game.dealNumber = st.dealNumber;
    game.totalScore = st.totalScore;
    game.result = st.gameScore;
    game.gameDeals = st.gameDeals;
    // An account game counts as a local one.
    online::FinishedGame report;
    report.deals = st.gameDeals;
    report.dealNumber = st.dealNumber;
    report.result = st.gameScore;
    reportGame(report);
    online::Account& account = online().account();
    setCursor(Qt::WaitCursor);
    showWaitBanner(true);
    const auto askAgain = [this](Text failure) {
        return [this, failure] {
            return askYesNo(this, text(failure) + QLatin1Char('\n') + text(Text::RepeatQuestion));
        };
    };
    account.finishRatedGame(
        game.result, game.totalScore, askAgain(Text::CouldNotConnectToServer),
        [this, game, &account, askAgain](bool written) {
            showWaitBanner(false);
            const QDateTime now = QDateTime::currentDateTime();
            const QByteArray date = QByteArray::fromStdString(
                cp1251::fromUtf8Lossy(historyDateText(now.date()).toStdString()));
            const GameEndOutcome outcome =
                endAccountGame(game, account.game().Rating,
                               now.toString(QStringLiteral("hh:mm")).toLatin1(), date);
            if (!outcome.historyWritten) {
                showAttention(this, text(Text::CannotSaveHistory));
            }
            if (outcome.sound != nullptr) {
                play(outcome.sound);
            }
            const auto back = [this, &account] {
                account.endRatedPlay();
                unsetCursor();
                showMenu();
            };
            // A completed cycle goes to the account table.
            if (!written || account.game().KonL != 0) {
                back();
                return;
            }
            account.reportCycle(
                game.totalScore, askAgain(Text::UnableToWriteResult),
                [this, back, score = game.totalScore](std::int32_t place, std::int32_t bonus) {
                    if (place > 0) {
                        play(endOfCycleSound(place));
                        showEndOfCycle(this, m_settings,
                                       {place, score, CycleEnd::Kind::Account, bonus});
                    }
                    back();
                });
        });
}

void MainWindow::openWorldTopTen()
{
    play("WOpenFo");
    online::OnlineSession& session = online();
    if (session.worldTopTenPaused()) {
        showAttention(this, text(Text::WorldTopTenPaused));
        return;
    }
    const bool member = session.accountState() >= online::LoggedIn;
    WorldTopTenWindow window(session.client(), m_settings, m_folder,
                             member ? session.user().Nick : QString(),
                             member ? session.user().City : QString(), this);
    window.exec();
}

void MainWindow::showWaitBanner(bool on)
{
    if (!on) {
        if (m_waitBanner) {
            m_waitBanner->hide();
        }
        return;
    }
    if (!m_waitBanner) {
        m_waitBanner = new QLabel(this);
        m_waitBanner->setAlignment(Qt::AlignCenter);
        m_waitBanner->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    // 350 x 80 units in the middle of the window, drawn at its size.
    const double scale = std::min(width() / double(kDesignWidth), height() / double(kDesignHeight));
    const QSize size(qRound(350 * scale), qRound(80 * scale));
    // At the screen's own pixels, so its text is sharp on any screen.
    QPixmap banner(size * devicePixelRatioF());
    banner.setDevicePixelRatio(devicePixelRatioF());
    banner.fill(Qt::transparent);
    const QRect area(QPoint(0, 0), size);
    {
        QPainter p(&banner);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient band(0, 0, 0, size.height());
        band.setColorAt(0, QColor(40, 60, 120));
        band.setColorAt(1, QColor(15, 25, 60));
        p.setBrush(band);
        p.setPen(QPen(QColor(240, 200, 60), 3 * scale));
        p.drawRoundedRect(QRectF(area).adjusted(2, 2, -2, -2), 12 * scale, 12 * scale);
        QFont font = this->font();
        font.setPixelSize(qRound(30 * scale));
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(255, 240, 160));
        p.drawText(area, Qt::AlignCenter, text(Text::PleaseWait));
    }
    m_waitBanner->setPixmap(banner);
    m_waitBanner->setGeometry(QRect(QPoint(0, 0), size).translated(rect().center() -
                                                                   QPoint(size.width() / 2,
                                                                          size.height() / 2)));
    m_waitBanner->show();
    m_waitBanner->raise();
}

void MainWindow::askStatisticsConsent()
{
    if (m_settings.sendStatistics) {
        return;
    }
    m_settings.sendStatistics = askYesNo(this, text(Text::StatisticsQuestion));
    saveSettingsNow();
    reportStart();
}

bool MainWindow::saveSettingsNow()
{
    return saveSettings(m_folder, settingsToSave(), m_settingsAsRead);
}

void MainWindow::reportStart()
{
    // Once a run, after the addresses settled, and only with the player's
    // leave; a club labelled as not counted never reports.
    if (m_startReported || !m_settings.sendStatistics.value_or(false) || !m_online ||
        !m_online->started()) {
        return;
    }
    const QByteArray label = readClubFile(QDir(m_folder).filePath(QStringLiteral("Olk.clb")))
                                 .file.line(17)
                                 .mid(6, 3);
    if (label == online::kUncountedLabel) {
        return;
    }
    m_startReported = true;
    const bool registered = m_settings.statRegistered;
    online::sendStartupReport(online().client(), registered, [this, registered](bool accepted) {
        if (!registered) {
            // A failed first report counts this installation as new again
            // next time.
            m_settings.statRegistered = accepted;
        }
        saveSettingsNow();
    });
}

void MainWindow::reportGame(const online::FinishedGame& game)
{
    if (m_settings.sendStatistics.value_or(false) && (m_onlineAtStart || m_online)) {
        online::sendGameReport(online().client(), game);
    }
}

online::NewsAndChat& MainWindow::newsAndChat()
{
    if (!m_news) {
        m_news = std::make_unique<online::NewsAndChat>(online().client(), m_folder);
        connect(m_news.get(), &online::NewsAndChat::changed, this, &MainWindow::updateIndicators);
    }
    return *m_news;
}

void MainWindow::checkNewsAndChat()
{
    online::NewsAndChat& news = newsAndChat();
    news.checkNews([this, &news] { news.checkChat([this] { updateIndicators(); }); });
}

void MainWindow::newsTick()
{
    if (m_menu->isVisible() && !newsAndChat().newsUnread()) {
        newsAndChat().checkNews();
    }
}

void MainWindow::chatTick()
{
    online::NewsAndChat& news = newsAndChat();
    if (news.chatUnread()) {
        return;
    }
    news.checkChat([this, &news] {
        if (!news.chatUnread()) {
            return;
        }
        play("WToMenK");
        updateIndicators();
        const bool gameOn = m_table->isVisible() && m_engine.state().gameActive;
        if (gameOn && news.chatState().openOnNew && !m_chatWindow) {
            openChat();
        }
    });
}

void MainWindow::updateIndicators()
{
    if (!m_news) {
        return;
    }
    m_menu->setIndicators(m_news->newsUnread(), m_news->chatUnread());
}

void MainWindow::openNews()
{
    play("WOpenFo");
    const QString address = newsAndChat().openNews();
    if (!address.isEmpty()) {
        QDesktopServices::openUrl(QUrl(address));
    }
    updateIndicators();
}

void MainWindow::openChat()
{
    if (m_chatWindow) {
        return;
    }
    play("WOpenFo");
    online::OnlineSession& session = online();
    if (session.chatPaused()) {
        showAttention(this, text(Text::ChatUnavailable));
        return;
    }
    online::NewsAndChat& news = newsAndChat();
    ChatWindow window(session.client(), news, m_settings, m_folder, this);
    news.openChat();
    updateIndicators();
    m_chatWindow = &window;
    window.exec();
    updateIndicators();
}

void MainWindow::openTournament()
{
    play("WOpenFo");
    online::OnlineSession& session = online();
    if (session.accountState() < online::LoggedIn) {
        showAttention(this, text(Text::LogInToYourAccount));
        return;
    }
    if (m_relay) {
        return;
    }
    TournamentWindow window(session.client(), session.user(), m_settings, m_folder, this,
                            AccountDialogHooks::standard(), [this](const char* effect) { play(effect); });
    connect(&window, &TournamentWindow::placeTaken, this,
            [this, &window](int table, int place, const QString& address, int port) {
                dropRelay();
                m_relay = std::make_unique<net::RelayLink>(m_session);
                net::RelayLink* relay = m_relay.get();
                connect(relay, &net::RelayLink::gameStarted, &window, &QDialog::accept);
                connect(relay, &net::RelayLink::gameStarted, this, [this, table] {
                    // The names at the table, from the table list.
                    online().client().send(online::tourTables(), [this,
                                                                  table](const online::Reply& r) {
                        const online::TourTablesResult list = online::parseTourTables(r);
                        if (!m_relay || !list.ok) {
                            return;
                        }
                        OneBasedArray<std::string, kSeats> names;
                        const auto& places = list.tables[static_cast<std::size_t>(table - 1)].Places;
                        for (int k = 1; k <= kSeats; ++k) {
                            names[k] = places[static_cast<std::size_t>(k - 1)].Nick.toStdString();
                        }
                        m_relay->setPlaceNames(names);
                        m_table->redrawAll();
                    });
                });
                connect(relay, &net::RelayLink::connectionError, &window,
                        &TournamentWindow::relayFailed);
                connect(relay, &net::RelayLink::chatReceived, this, &MainWindow::showChat);
                connect(relay, &net::RelayLink::gameEnded, this,
                        [this] { m_table->setChatEnabled(false); });
                connect(relay, &net::RelayLink::closed, this,
                        [this] { m_table->setChatEnabled(false); });
                // "You won!": the player of a seat left, or ran out of time.
                const auto wonBecause = [this](const char* sound, Text why) {
                    return [this, sound, why](int, int seat) {
                        play(sound);
                        showAttention(
                            this, text(Text::YouWon),
                            text(Text::Player) + QLatin1Char(' ') +
                                QString::fromStdString(m_engine.state().players[seat].name) +
                                QLatin1Char(' ') + text(why));
                    };
                };
                connect(relay, &net::RelayLink::playerLeft, this,
                        wonBecause("WWrongs", Text::InterruptedTheGame));
                connect(relay, &net::RelayLink::playerTimedOut, this,
                        wonBecause("WKoGutX", Text::TimeIsUp));
                connect(relay, &net::RelayLink::localTimeUp, this, [this] {
                    play("WWrongs");
                    showAttention(this, text(Text::YouLose), text(Text::YourTimeIsUp));
                });
                connect(relay, &net::RelayLink::connectionLost, this, [this] {
                    m_table->setChatEnabled(false);
                    if (!m_menu->isVisible()) {
                        showAttention(this, text(Text::LostConnectionWithServer));
                    }
                });
                // The tournament record before the game, as the window read
                // it: the result is the change of the score.
                const online::TTevClient& record = window.record();
                m_tourBefore = {window.recordRead(), record.Score, record.Kon, record.Rating};
                Profile profile;
                profile.name = online().user().Nick.toStdString();
                profile.scoreBase = m_tourBefore.ok ? m_tourBefore.score : 0;
                profile.rating = m_tourBefore.ok ? m_tourBefore.rating : 0;
                relay->connectToRelay(address, static_cast<quint16>(port), place, profile);
            });
    connect(&window, &TournamentWindow::placeLeft, this, [this] {
        if (m_relay) {
            m_relay->leave();
            dropRelay();
        }
    });
    connect(&window, &TournamentWindow::topTenRequested, this, [this, &window] {
        // The purple design shows the rankings among the world tables.
        online::OnlineSession& s = online();
        if (m_settings.auxDesignPurple) {
            WorldTopTenWindow top(s.client(), m_settings, m_folder, s.user().Nick, s.user().City,
                                  &window);
            top.chooseCategory(WorldTopTenWindow::Tournament);
            top.exec();
            return;
        }
        TournamentTopTenWindow top(s.client(), window.record(), m_settings, m_folder, &window);
        top.exec();
    });
    window.exec();
    if (m_relay && m_relay->hasGameStarted()) {
        showTournamentTable();
    }
}

void MainWindow::showTournamentTable()
{
    m_animation.stop();
    showOnly(m_table);
    m_table->applyWindowSize();
    m_table->setMoveClock(&m_relay->clock());
    m_table->setChatEnabled(true);
    m_table->redrawAll();
}

void MainWindow::dropRelay()
{
    if (!m_relay) {
        return;
    }
    m_table->setMoveClock(nullptr);
    // It goes later: this may run inside one of its own signals.
    m_relay->close();
    m_relay.release()->deleteLater();
}

void MainWindow::finishTournamentGame()
{
    const TableState& st = m_engine.state();
    online::FinishedGame report;
    report.kind = online::FinishedGame::Kind::Tournament;
    report.placeOne = m_relay->place() == 1;
    report.deals = st.gameDeals;
    reportGame(report);
    dropRelay();
    // The result is what the relay recorded: the change of the tournament
    // score.
    online::OnlineSession& session = online();
    const online::TourRatingResult after = online::parseTourRatingRead(
        online::sendAndWait(session.client(), online::tourRatingRead(session.user().Nick)));
    LocalGame game;
    game.programFolder = m_folder;
    game.player.name =
        QByteArray::fromStdString(cp1251::fromUtf8Lossy(session.user().Nick.toStdString()));
    game.dealNumber = st.dealNumber;
    game.totalScore = after.ok ? after.score : st.totalScore;
    game.result = after.ok && m_tourBefore.ok ? after.score - m_tourBefore.score : st.gameScore;
    game.gameDeals = st.gameDeals;
    const QDateTime now = QDateTime::currentDateTime();
    const QByteArray date =
        QByteArray::fromStdString(cp1251::fromUtf8Lossy(historyDateText(now.date()).toStdString()));
    const GameEndOutcome outcome =
        endTournamentGame(game, after.ok ? after.rating : m_tourBefore.rating,
                          now.toString(QStringLiteral("hh:mm")).toLatin1(), date);
    if (!outcome.historyWritten) {
        showAttention(this, text(Text::CannotSaveHistory));
    }
    if (outcome.sound != nullptr) {
        play(outcome.sound);
    }
    showMenu();
    // Back to the tables for the next game.
    QTimer::singleShot(0, this, &MainWindow::openTournament);
}

void MainWindow::openStatistics()
{
    play("WOpenFo");
    StatisticsWindow window(online().client(), m_settings, m_folder, [this] { saveSettingsNow(); },
                            this);
    window.exec();
}

void MainWindow::openAccount()
{
    play("WOpenFo");
    AccountDialog dialog(online().account(), m_settings, m_folder, false, this);
    dialog.exec();
    updateAccountMenu();
}

void MainWindow::openOptions()
{
    play("WOpenFo");
    if (m_settings.saluteButtons) {
        playSalute(m_folder);
    }
    OptionsEnvironment environment;
    environment.programFolder = m_folder;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        environment.screen = screen->size();
    }
    environment.downloadServer = downloadServer(m_settings);
    environment.play = [this](const char* effect) { play(effect); };
    environment.downloadsRefreshed = [this] { checkRadio(); };
    environment.chooseSpeed = [](QWidget* parent, Settings& settings) {
        SpeedDialog speed(settings, parent);
        speed.exec();
    };
    Settings shown = m_settings;
    shown.windowSize = m_windowSizeChoice;
    OptionsDialog dialog(shown, std::move(environment), this);
    m_options = &dialog;
    connect(&dialog, &OptionsDialog::edited, this, &MainWindow::applyOptions);
    dialog.exec();
    m_options = nullptr;
}

void MainWindow::checkRadio()
{
    // The file is read again below: what was chosen since the start goes
    // into it first, so that nothing chosen is lost.
    if (m_radio.available()) {
        m_radio.saveRadioState();
    }
    m_radio.setServiceAddress(downloadServer(m_settings));
    m_radio.checkRadio(m_settings.radioListFromServer);
    // The list from the server is fetched once a run, never from a window
    // that stays offline; the radio is looked at again when it has come.
    if (m_settings.radioListFromServer && m_onlineAtStart && !m_radio.serverListFetched()) {
        m_radio.fetchStationList([this](bool ok) {
            if (ok) {
                m_radio.checkRadio(true);
            }
        });
    }
    showRadioState();
}

void MainWindow::showRadioState()
{
    m_menu->radioIcon()->setRadio(m_radio.available(), m_radio.state().radioOn,
                                  m_radio.state().stationName);
}

void MainWindow::showMissingRadio()
{
    showAttention(this, text(Text::CantFind) + QLatin1Char(' ') + QLatin1String(kRadioListFile) +
                            QStringLiteral(" + ") + QLatin1String(kRadioLibraryFile));
}

void MainWindow::toggleRadio()
{
    if (!m_radio.toggleRadio()) {
        showMissingRadio();
    }
}

void MainWindow::openAbout()
{
    play("WOpenFo");
    // The club's site is the service's public news page.
    const QString site =
        decipherAddress(online().client().address(online::Endpoint::News)).value_or(QString());
    AboutBox box(m_settings, site, this);
    bool help = false;
    connect(&box, &AboutBox::helpRequested, this, [&help] { help = true; });
    box.exec();
    if (help) {
        openHelp();
    }
}

void MainWindow::openHelp()
{
    play("WOpenFo");
    openHelpPage(this, QCoreApplication::applicationDirPath());
}

void MainWindow::openSpeed()
{
    play("WOpenFo");
    SpeedDialog dialog(m_settings, this);
    dialog.exec();
}

void MainWindow::openRadio()
{
    if (!m_radio.available()) {
        showMissingRadio();
        return;
    }
    RadioDialog dialog(m_radio, m_settings, m_folder, this);
    dialog.exec();
    showRadioState();
}

bool MainWindow::graphicsLibraryPresent() const
{
    return LibraryDownload::isPresent(graphicsLibraryFile(), m_folder);
}

void MainWindow::applyWindowColour()
{
    QPalette own = palette();
    QColor colour = windowColour(m_settings.background, m_settings.backgroundColour);
    if (m_settings.menuDesign == 1) {
        colour = QColor(120, 0, 200);
    }
    own.setColor(QPalette::Window, colour);
    setPalette(own);
}

void MainWindow::applyOptions(const Settings& next)
{
    const Settings before = m_settings;
    m_settings = next;
    QStringList missing;
    if (dropPurpleWithoutLibrary(m_settings, graphicsLibraryPresent())) {
        missing.append(graphicsLibraryFile());
    }
    if (m_settings.language != before.language) {
        setLanguage(m_settings.language);
    }
    const bool sizeChanged = next.windowSize != m_windowSizeChoice;
    m_windowSizeChoice = next.windowSize;
    if (sizeChanged) {
        if (before.windowSize == 2 && next.windowSize != 2) {
            setWindowState(windowState() & ~Qt::WindowFullScreen);
        }
        applyWindowSize();
        if (m_settings.windowSize != 2) {
            if (QScreen* screen = QGuiApplication::primaryScreen()) {
                move(screen->availableGeometry().center() - rect().center());
            }
        }
    }
    if (m_settings.radioListFromServer != before.radioListFromServer) {
        checkRadio();
    }
    if (m_settings.musicOn != before.musicOn) {
        followMusic();
    }
    // Allowed now: this run's start counts too.
    if (m_settings.sendStatistics != before.sendStatistics) {
        reportStart();
    }
    const bool looksChanged = sizeChanged || m_settings.cardSet != before.cardSet ||
                              m_settings.deckIndex != before.deckIndex;
    if (looksChanged) {
        // The table loads the set and the deck for the window; what cannot
        // be found falls back, with its message.
        m_table->setGeometry(rect());
        m_table->applyWindowSize();
    }
    if (m_settings.ownCursor != before.ownCursor) {
        useOwnCursors(m_settings.ownCursor);
    }
    if (m_settings.newButtons != before.newButtons) {
        for (TevCardsButton* button : findChildren<TevCardsButton*>()) {
            button->setNata(m_settings.newButtons);
        }
    }
    const bool menuChanged =
        sizeChanged || m_settings.networkMode != before.networkMode ||
        m_settings.background != before.background ||
        m_settings.backgroundColour != before.backgroundColour ||
        m_settings.menuDesign != before.menuDesign || m_settings.fontDecor != before.fontDecor ||
        m_settings.fontFixed != before.fontFixed || m_settings.scaleDecor != before.scaleDecor ||
        m_settings.scaleFixed != before.scaleFixed;
    if (menuChanged && m_menu->isVisible()) {
        m_menu->refresh(readClubFile(clubPath()).file);
    }
    if (m_settings.gifAnimation != before.gifAnimation) {
        m_menu->restartAnimations();
    }
    applyWindowColour();
    showMissingFiles(m_options ? static_cast<QWidget*>(m_options) : this, missing);
    if (m_options && !(m_settings == next)) {
        Settings shown = m_settings;
        shown.windowSize = m_windowSizeChoice;
        m_options->showSettings(shown);
    }
}

Settings MainWindow::settingsToSave() const
{
    Settings saved = m_settings;
    saved.windowSize = m_windowSizeChoice;
    return saved;
}

void MainWindow::applyWindowSize()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (m_settings.windowSize == 2 && screen) {
        // The whole screen, also where no window manager would do it for us.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setGeometry(screen->geometry());
        setWindowState(windowState() | Qt::WindowFullScreen);
        return;
    }
    // A window larger than the screen would hide part of the table: take the
    // largest size that fits.
    // The player's choice stays what is saved; the smaller size is for this
    // run, on this screen, only.
    const QSize available = screen ? screen->availableSize() : QSize(760, 500);
    m_settings.windowSize = m_windowSizeChoice;
    while (m_settings.windowSize >= 3) {
        const QSize wanted = clientSizeFor(m_settings.windowSize, available);
        if (wanted.width() <= available.width() && wanted.height() <= available.height()) {
            break;
        }
        m_settings.windowSize = m_settings.windowSize == 3 ? 1 : m_settings.windowSize - 1;
    }
    const QSize client = clientSizeFor(m_settings.windowSize, available);
    setFixedSize(client);
    move(0, 0);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (QWidget* screen : {static_cast<QWidget*>(m_table), static_cast<QWidget*>(m_menu),
                            static_cast<QWidget*>(m_startup)}) {
        if (screen->isVisible()) {
            screen->setGeometry(rect());
        }
    }
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(text(Text::WindowTitle));
    }
    QWidget::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    const bool gameOnTable = m_table->isVisible() && m_engine.state().gameActive;
    if (gameOnTable) {
        play("WOpenFo");
        if (!askYesNo(this,
                      text(Text::LeaveGame) + QLatin1Char(' ') + text(Text::AllDataWillBeLost))) {
            event->ignore();
            return;
        }
    }
    // A recorded deal is saved as far as it went; the file is finished
    // before the program ends.
    if (gameOnTable && m_table->isRecording()) {
        m_table->saveRecording();
    }
    m_table->driver().stop();
    m_melody.music(false);
    m_music.stop();
    closeNetwork();
    if (!saveSettingsNow()) {
        QMessageBox::critical(this, text(Text::WindowTitle), text(Text::CantSaveOptions));
    }
    if (gameOnTable && !m_clubWritesBlocked && !leaveGameEarly(clubPath(), m_player.slot)) {
        showAttention(this, text(Text::ErrorOfDiskWriting));
    }
    event->accept();
}

}  // namespace olk
