// The account's rated game through the main window, against a real
// olk-service on a loopback port: row 5 of the menu, the account dialog in
// its account-game mode, four deals, and the club's record afterwards.

#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "accountui/account_dialog.h"
#include "online/requests.h"
#include "online/service_client.h"
#include "records/end_of_game.h"
#include "records/history_file.h"
#include "table/main_menu.h"
#include "table/table_geometry.h"
#include "table/table_view.h"
#include "tests/app/play_deal.h"
#include "tests/service/loopback_club.h"

namespace olk {
namespace {

TEST(AccountGame, RowFiveStartsARatedGameAndTheClubKeepsItsRecord)
{
    testing::Club club;
    QTemporaryDir folder;
    ASSERT_TRUE(writeClubFile(folder.filePath("Olk.clb"), defaultClubFile()));
    ASSERT_TRUE(writeClubFile(folder.filePath("Olk.net"), defaultClubFile()));
    Settings settings;
    settings.flyingCards = false;
    settings.soundOn = false;
    settings.sendStatistics = true;
    MainWindow window(settings, folder.path());
    ASSERT_TRUE(window.online().useService(club.address()));
    online::Account& account = window.online().account();
    account.user().Nick = QStringLiteral("Anna");
    account.setPassword(QStringLiteral("secret1"));
    account.user().City = QStringLiteral("Omsk");
    account.user().Country2 = QStringLiteral("1-001");
    account.user().Country1 = QStringLiteral("Russia");
    account.user().Sex = u'W';
    account.user().EMail = QStringLiteral("anna@club.example");
    bool registered = false;
    account.createAccount([&](online::RegisterResult) { registered = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return registered; }, 10000));
    ASSERT_EQ(account.state(), online::LoggedIn);

    ASSERT_TRUE(window.checkClubFiles());
    window.showStartup();
    window.show();
    auto* startup = window.findChild<StartupPicture*>();
    QTest::mouseClick(startup, Qt::LeftButton);
    auto* menu = window.findChild<MainMenu*>();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->row(5)->text(), QStringLiteral("Anna")) << "the default club leaves row 5 free";

    // The dialog comes in its account-game mode: the box is ticked.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<AccountDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([dialog] { return !dialog->busy(); }, 10000));
        ASSERT_TRUE(dialog->playRatedBox()->isEnabled());
        dialog->playRatedBox()->setChecked(true);
        dialog->accept();
    });
    QTest::mouseClick(menu->row(5), Qt::LeftButton);
    TableView& table = window.table();
    ASSERT_TRUE(QTest::qWaitFor([&] { return table.isVisible(); }, 10000));
    EXPECT_TRUE(account.ratedGameRunning());

    const GameEngine& engine = window.engine();
    for (int deal = 1; deal <= 4; ++deal) {
        playDeal(table, engine);
        // A rated game leaves only after its fourth deal.
        EXPECT_EQ(table.button8()->isEnabled(), deal == 4) << deal;
        if (deal < 4) {
            QTest::mouseClick(table.button7(), Qt::LeftButton);  // "Next game"
        }
    }
    const int result = engine.state().gameScore;
    QTest::mouseClick(table.button8(), Qt::LeftButton);  // "Exit to menu"
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 10000));
    EXPECT_EQ(account.state(), online::LoggedIn) << "each rated game is chosen anew";
    EXPECT_FALSE(account.ratedGameRunning());
    EXPECT_EQ(account.game().Kon, 4);
    EXPECT_NEAR(account.game().Rating, result / 4.0 + 0.1, 1e-6);
    EXPECT_EQ(account.game().KonL, 4);

    // The club files are not the account's; the history names it.
    EXPECT_EQ(readClubFile(folder.filePath("Olk.clb")).file.line(1), defaultClubFile().line(1));
    QFile history(historyFilePath(folder.path(), "Olk.clb", 1));
    ASSERT_TRUE(history.open(QIODevice::ReadOnly));
    const QList<QByteArray> entries = historyEntries(history.readAll());
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].mid(15, 4), "Anna");
    EXPECT_EQ(entries[0].mid(89, 1), "A");

    // The world statistics count it as a local game of four deals.
    const online::StatReadResult stats = online::parseStatRead(
        online::sendAndWait(window.online().client(), online::statRead()));
    ASSERT_TRUE(stats.ok);
    EXPECT_EQ(stats.stat.StatX[0], 4);
    EXPECT_EQ(stats.stat.StatX[2] - stats.stat.StatX[3], result);
}

}  // namespace
}  // namespace olk
