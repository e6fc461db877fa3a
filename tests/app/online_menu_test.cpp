// The main window's online extras against a real olk-service on a loopback
// port: the first start's question about the anonymous statistics and the
// start-up report it allows, and the news and chat indicators of the menu.

#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "accountui/chat_window.h"
#include "online/requests.h"
#include "online/service_client.h"
#include "records/end_of_game.h"
#include "settings/address_cipher.h"
#include "settings/settings_file.h"
#include "settings/word_tables.h"
#include "table/about_box.h"
#include "table/main_menu.h"
#include "tests/service/loopback_club.h"

namespace olk {
namespace {

class OnlineMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_GT(club.port, 0);
        ASSERT_TRUE(QDir().mkpath(folder()));
        ASSERT_TRUE(writeClubFile(folder() + "/Olk.clb", defaultClubFile()));
        ASSERT_TRUE(writeClubFile(folder() + "/Olk.net", defaultClubFile()));
    }

    QString folder() const { return home.filePath(QStringLiteral("game")); }

    // A run of the program up to its menu: the start-up picture, the online
    // start, a click. `answer` is what the statistics question gets, if it
    // comes; whether it came.
    bool startRun(MainWindow& window, bool answer)
    {
        EXPECT_TRUE(window.online().useService(club.address()));
        window.setOnlineAtStart(true);
        EXPECT_TRUE(window.checkClubFiles());
        window.showStartup();
        window.show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.online().started(); }, 10000));
        bool asked = false;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            asked = box->text() == text(Text::StatisticsQuestion);
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == text(answer ? Text::Yes : Text::No)) {
                    button->click();
                }
            }
        });
        QTest::mouseClick(window.findChild<StartupPicture*>(), Qt::LeftButton);
        QTest::qWait(100);
        return asked;
    }

    online::TTevStat stats()
    {
        online::ServiceClient client;
        client.setAddress(online::Endpoint::Statistics,
                          encipherAddress(club.address() + QStringLiteral("/statistics")));
        return online::parseStatRead(online::sendAndWait(client, online::statRead())).stat;
    }

    testing::Club club;
    QTemporaryDir home;
};

TEST_F(OnlineMenu, TheFirstStartAsksOnceAndOnlyAYesIsCounted)
{
    // A "No" is kept and nothing is sent.
    {
        Settings settings;
        settings.statRegistered = false;
        MainWindow window(settings, folder());
        EXPECT_TRUE(startRun(window, false));
        EXPECT_EQ(settings.sendStatistics, std::optional<bool>(false));
        QTest::qWait(300);
        EXPECT_EQ(stats().Stat1, 0);
    }
    QFile::remove(folder() + "/OlkStat.ini");
    // A "Yes" counts this start and this installation, once.
    {
        Settings settings;
        settings.statRegistered = false;
        MainWindow window(settings, folder());
        EXPECT_TRUE(startRun(window, true));
        ASSERT_TRUE(QTest::qWaitFor([&] { return settings.statRegistered; }, 10000));
        EXPECT_EQ(stats().Stat1, 1);
        EXPECT_EQ(stats().Stat2, 1);
    }
    // The next start is not asked again, and counts as a start only.
    {
        Settings settings = loadSettings(folder()).settings;
        ASSERT_EQ(settings.sendStatistics, std::optional<bool>(true));
        ASSERT_TRUE(settings.statRegistered);
        MainWindow window(settings, folder());
        EXPECT_FALSE(startRun(window, true));
        ASSERT_TRUE(QTest::qWaitFor([&] { return stats().Stat1 == 2; }, 10000));
        EXPECT_EQ(stats().Stat2, 1);
    }
    // A club labelled "qvx" is never counted.
    ClubFile labelled = defaultClubFile();
    QByteArray line = labelled.line(17);
    line.replace(6, 3, "qvx");
    labelled.setLine(17, line);
    ASSERT_TRUE(writeClubFile(folder() + "/Olk.clb", labelled));
    {
        Settings settings = loadSettings(folder()).settings;
        MainWindow window(settings, folder());
        startRun(window, true);
        QTest::qWait(500);
        EXPECT_EQ(stats().Stat1, 2);
    }
}

TEST_F(OnlineMenu, TheMenuShowsWhatIsUnreadAndTheChatReadsIt)
{
    QDir news(club.folder.filePath(QStringLiteral("news")));
    ASSERT_TRUE(news.mkpath(QStringLiteral(".")));
    QFile item(news.filePath(QStringLiteral("3.txt")));
    ASSERT_TRUE(item.open(QIODevice::WriteOnly));
    item.write("Three\nThe third item.");
    item.close();
    QFile newsState(home.filePath(QStringLiteral("TevNewsTev.ini")));
    ASSERT_TRUE(newsState.open(QIODevice::WriteOnly));
    newsState.write("2\r\n");
    newsState.close();
    online::ServiceClient writer;
    writer.setAddress(online::Endpoint::Scores,
                      encipherAddress(club.address() + QStringLiteral("/scores")));
    for (int number = 1; number <= 2; ++number) {
        const online::TTevRecord entry =
            online::chatEntry(number, QStringLiteral("Hi"), QStringLiteral("12:00"),
                              QStringLiteral("Boris"), QStringLiteral("Omsk"),
                              QStringLiteral("1-001"), QStringLiteral("M"));
        ASSERT_TRUE(online::parseScorePost(online::sendAndWait(writer, online::scorePost(entry))).ok);
    }

    Settings settings;
    settings.sendStatistics = false;
    MainWindow window(settings, folder());
    EXPECT_FALSE(startRun(window, false));
    NewsChatPanel* corner = window.menu().newsChatPanel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return corner->newsUnread() && corner->chatUnread(); },
                                10000));

    // The chat window opens from the corner; closing it reads the chat.
    QTimer::singleShot(100, [] {
        auto* chat = qobject_cast<ChatWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(chat, nullptr);
        chat->accept();
    });
    emit corner->chatClicked();
    EXPECT_FALSE(corner->chatUnread());
    EXPECT_TRUE(corner->newsUnread());
    QFile chatState(home.filePath(QStringLiteral("TevChatTev.ini")));
    ASSERT_TRUE(chatState.open(QIODevice::ReadOnly));
    EXPECT_EQ(chatState.readAll(), "2\r\n0\r\n0\r\n");
}

// "About" from the menu's pop-up names the service's news page as the
// club's site.
TEST_F(OnlineMenu, TheAboutBoxNamesTheClubsPage)
{
    Settings settings;
    settings.sendStatistics = false;
    MainWindow window(settings, folder());
    startRun(window, false);
    QString site;
    QTimer::singleShot(100, [&site] {
        auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (box->siteLabel() != nullptr) {
            site = box->siteLabel()->text();
        }
        box->accept();
    });
    emit window.menu().aboutRequested();
    EXPECT_TRUE(site.contains(club.address() + QStringLiteral("/news"))) << site.toStdString();
}

}  // namespace
}  // namespace olk
