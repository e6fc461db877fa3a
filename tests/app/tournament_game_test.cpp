// A tournament game through the main window against a real olk-service with
// its relay on loopback, three olk-bots at the other places: the cup in the
// menu, a place taken in the tournament window, the table at the first deal
// with the names and the move clock, four deals, and the tournament history
// entry with the tables opened again afterwards.

#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>
#include <vector>

#include "accountui/tournament_window.h"
#include "online/requests.h"
#include "online/service_client.h"
#include "records/end_of_game.h"
#include "records/history_file.h"
#include "service/store.h"
#include "settings/address_cipher.h"
#include "table/main_menu.h"
#include "table/table_view.h"
#include "tests/service/loopback_club.h"

namespace olk {
namespace {

constexpr int kTable = 2;
const char* const kNicks[] = {"Anna", "Boris", "Clara", "Dmitri"};

// Plays the local seat until the deal is over: the deck's card taken, the
// first card that may go thrown away; the others' moves come from the relay.
void playOwnTurns(MainWindow& window)
{
    GameSession& session = window.session();
    const GameEngine& engine = window.engine();
    QDeadlineTimer deadline(60000);
    while (engine.state().turnState != turn::kDealOver && !deadline.hasExpired() &&
           !session.tournamentEnded()) {
        const int turnState = engine.state().turnState;
        if (turnState == 4) {
            if (!session.localTake(2)) {
                session.localTake(1);
            }
        } else if (turnState == 14) {
            for (int cell = 1; cell <= 4 && !session.localDiscard(cell); ++cell) {
            }
        } else {
            QTest::qWait(5);
        }
    }
}

TEST(TournamentGame, APlaceAtATableThroughAWholeGame)
{
    testing::Club club{testing::Club::Relay::Run};
    ASSERT_TRUE(club.relay);
    online::ServiceClient registrar;
    registrar.setAddress(online::Endpoint::Account, encipherAddress(club.address() + "/account"));
    for (const char* nick : kNicks) {
        online::TTevUser user;
        user.Nick = QString::fromLatin1(nick);
        user.Pw = QStringLiteral("secret1");
        user.City = QStringLiteral("Omsk");
        user.Country1 = QStringLiteral("Russia");
        user.Country2 = QStringLiteral("1-001");
        user.Sex = u'W';
        user.EMail = user.Nick + QStringLiteral("@club.example");
        ASSERT_EQ(online::parseAccountRegister(
                      online::sendAndWait(registrar, online::accountRegister(user))),
                  online::RegisterResult::Created);
    }

    QTemporaryDir folder;
    ASSERT_TRUE(writeClubFile(folder.filePath("Olk.clb"), defaultClubFile()));
    ASSERT_TRUE(writeClubFile(folder.filePath("Olk.net"), defaultClubFile()));
    Settings settings;
    settings.flyingCards = false;
    settings.soundOn = false;
    MainWindow window(settings, folder.path());
    ASSERT_TRUE(window.online().useService(club.address()));
    online::Account& account = window.online().account();
    bool loggedIn = false;
    account.login(QStringLiteral("Anna"), QStringLiteral("secret1"),
                  [&](bool) { loggedIn = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return loggedIn; }, 10000));
    ASSERT_EQ(account.state(), online::LoggedIn);
    ASSERT_TRUE(window.checkClubFiles());
    window.showStartup();
    window.show();
    QTest::mouseClick(window.findChild<StartupPicture*>(), Qt::LeftButton);
    MainMenu& menu = window.menu();
    ASSERT_TRUE(menu.isVisible());

    // In the window, place 1 of the table; the bots take the others.
    std::vector<std::unique_ptr<QProcess>> bots;
    QTimer::singleShot(0, [&] {
        auto* tables = qobject_cast<TournamentWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(tables, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !tables->busy(); }, 10000));
        tables->takePlace(kTable, 1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return tables->heldPlace() == 1; }, 10000));
        for (int place = 2; place <= 4; ++place) {
            auto bot = std::make_unique<QProcess>();
            bot->start(OLK_BOT_PROGRAM,
                       {"--tournament", club.address(), "--table", QString::number(kTable),
                        "--place", QString::number(place), "--nick",
                        QString::fromLatin1(kNicks[place - 1]), "--password", "secret1"});
            bots.push_back(std::move(bot));
        }
    });
    QTest::mouseClick(menu.tournamentIcon(), Qt::LeftButton);
    TableView& table = window.table();
    ASSERT_TRUE(table.isVisible()) << "the first deal brings the table";
    ASSERT_NE(window.relay(), nullptr);
    EXPECT_EQ(window.relay()->place(), 1);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const TableState& st = window.engine().state();
            return st.players[window.relay()->seatOfPlace(3)].name == "Clara" &&
                   st.players[window.relay()->seatOfPlace(2)].name == "Boris";
        },
        10000))
        << "the names at the table come from the table list";
    EXPECT_GT(window.relay()->clock().secondsLeft(), 0);

    const GameEngine& engine = window.engine();
    const auto firstButtonSays = [&](FirstButton caption) {
        return QTest::qWaitFor(
            [&] {
                return engine.buttons().caption == caption && engine.buttons().firstEnabled &&
                       table.button7()->isEnabled();
            },
            10000);
    };
    for (int deal = 1; deal <= 4; ++deal) {
        if (deal > 1) {
            ASSERT_TRUE(firstButtonSays(FirstButton::NextGame)) << deal;
            QTest::mouseClick(table.button7(), Qt::LeftButton);  // "bnext": the relay deals
        }
        ASSERT_TRUE(firstButtonSays(FirstButton::ToBegin)) << deal;
        QTest::mouseClick(table.button7(), Qt::LeftButton);  // "hbegin"
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return engine.state().playPhase == 2 &&
                       engine.state().turnState != turn::kDealOver;
            },
            10000))
            << deal;
        playOwnTurns(window);
        ASSERT_EQ(engine.state().turnState, turn::kDealOver) << deal;
        EXPECT_EQ(engine.state().gameDeals, deal);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return table.button8()->isEnabled(); }, 10000));
    EXPECT_FALSE(table.button7()->isEnabled()) << "the game is over after four deals";


    // "Exit to menu": the history, and the tables again (closed here).
    bool tablesAgain = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* tables = qobject_cast<TournamentWindow*>(QApplication::activeModalWidget())) {
            tablesAgain = true;
            tables->closeButton()->click();
        }
    });
    closer.start(50);
    QTest::mouseClick(table.button8(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tablesAgain && menu.isVisible(); }, 10000));
    closer.stop();
    EXPECT_EQ(window.relay(), nullptr);

    for (auto& bot : bots) {
        ASSERT_TRUE(bot->state() == QProcess::NotRunning || bot->waitForFinished(20000));
        EXPECT_EQ(bot->exitCode(), 0) << bot->readAllStandardError().toStdString();
        const QByteArray out = bot->readAllStandardOutput();
        EXPECT_TRUE(out.contains("match complete")) << out.right(300).toStdString();
    }
    EXPECT_EQ(club.relay->gamesRecorded(), 1);
    const auto standing = club.store->tourStanding(QStringLiteral("Anna"));
    ASSERT_TRUE(standing);
    QFile history(historyFilePath(folder.path(), "Olk.clb", 1));
    ASSERT_TRUE(history.open(QIODevice::ReadOnly));
    const QList<QByteArray> entries = historyEntries(history.readAll());
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].mid(15, 4), "Anna");
    EXPECT_EQ(entries[0].mid(89, 1), "T");
}

}  // namespace
}  // namespace olk
