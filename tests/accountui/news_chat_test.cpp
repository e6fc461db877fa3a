// News, chat and the world statistics against a real olk-service on a
// loopback port: the state files and their unread rules, the chat's round
// trip between two players, and the statistics window with its like.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "accountui/chat_window.h"
#include "accountui/statistics_window.h"
#include "extras/cards_button.h"
#include "online/news_chat.h"
#include "online/online_session.h"
#include "online/statistics_reports.h"
#include "settings/address_cipher.h"
#include "settings/word_tables.h"
#include "tests/service/loopback_club.h"

namespace olk {
namespace {

using testing::settle;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

TEST(NewsDocument, TheFiveCharactersAfterTheTagAreTheLatestNumber)
{
    const struct {
        const char* document;
        int latest;
    } cases[] = {
        {"<p>TevNews00012</p>", 12}, {"<!-- TevNews   42 -->", 42}, {"TevNews12<br>", 0},
        {"no tag here", 0},          {"TevNews001", 0},          {"TevNews 1 2 ", 0},
        {"TevNews-0001", 0},         {"TevNews     ", 0},        {"TevNews99999", 99999},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(online::latestNewsNumber(each.document), each.latest) << each.document;
    }
}

TEST(ChatText, DisallowedCharactersAreStoredAsUnderscoresAndShownAsBlanks)
{
    EXPECT_EQ(online::chatStored(QStringLiteral("Hello all!")), QStringLiteral("Hello_all!"));
    EXPECT_EQ(online::chatShown(QStringLiteral("Hello_all!")), QStringLiteral("Hello all!"));
    EXPECT_EQ(online::chatStored(QString::fromUtf8("Привет, мир?")),
              QString::fromUtf8("Привет,_мир_"));
    EXPECT_EQ(online::chatStored(QStringLiteral("a*b$c~d#e&f")), QStringLiteral("a_b_c_d_e_f"));
    const online::TTevRecord entry = online::chatEntry(
        7, QString(100, u'x'), QStringLiteral("12:00_1.1.27_Olk"), QStringLiteral("Ann"),
        QStringLiteral("Omsk"), QStringLiteral("1-001"), QStringLiteral("W"));
    EXPECT_EQ(entry.R10.size(), online::kChatMessageLength);
    EXPECT_EQ(entry.GID, online::kChatTable);
    EXPECT_EQ(entry.Score, 7);
}

TEST(StatisticsReport, EachKindOfGameFillsItsOwnCounters)
{
    using Kind = online::FinishedGame::Kind;
    using Counters = std::array<std::int32_t, 12>;
    const struct {
        online::FinishedGame game;
        Counters counters;
    } cases[] = {
        // A local game of 8 deals lost by 35, the cycle not completed.
        {{Kind::Local, 8, 28, -35, false, false}, {8, 0, 0, 35}},
        // Won, and completing a cycle.
        {{Kind::Local, 12, 80, 41, false, false}, {12, 1, 41, 0}},
        {{Kind::Local, 4, 4, 0, false, false}, {4, 0, 0, 0}},
        // A network game counts once: on its host.
        {{Kind::Network, 6, 40, 20, true, false}, {0, 0, 0, 0, 4}},
        {{Kind::Network, 6, 40, 20, false, false}, {}},
        {{Kind::Tournament, 4, 4, 10, false, true}, {0, 0, 0, 0, 0, 1}},
        {{Kind::Tournament, 4, 4, 10, false, false}, {}},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(online::gameCounters(each.game), each.counters)
            << static_cast<int>(each.game.kind) << " " << each.game.deals;
    }
}

class Online : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_GT(club.port, 0);
        ASSERT_TRUE(QDir().mkpath(programFolder()));
        ASSERT_TRUE(QDir().mkpath(club.folder.filePath(QStringLiteral("news"))));
        ASSERT_TRUE(session.useService(club.address()));
        hooks.tell = [this](QWidget*, const QString& line, const QString&) { told << line; };
        hooks.editPassport = [](QWidget*, Settings&, const QString&) {};
        settings.passportNick = QStringLiteral("Ann");
        settings.passportCity = QStringLiteral("Omsk");
    }

    QString programFolder() const { return home.filePath(QStringLiteral("game")); }
    QString stateFile(const char* name) const { return home.filePath(QLatin1String(name)); }

    void publish(int number)
    {
        writeAll(club.folder.filePath(QStringLiteral("news/%1.txt").arg(number)),
                 "Item\nText of the item.");
    }

    testing::Club club;
    QTemporaryDir home;
    Settings settings;
    online::OnlineSession session{settings, programFolder()};
    AccountDialogHooks hooks;
    QStringList told;
};

TEST_F(Online, NewsIsUnreadOnlyWhileTheStateFileHoldsAnOlderNumber)
{
    publish(3);
    publish(12);
    online::NewsAndChat news(session.client(), programFolder());
    const struct {
        QByteArray state;  // nothing: no file
        bool unread;
    } cases[] = {{QByteArray(), true}, {"11\r\n", true}, {"12\r\n", false},
                 {"13\r\n", false},    {"x12\r\n", true}};
    for (const auto& each : cases) {
        QFile::remove(stateFile(online::kNewsStateFileName));
        if (!each.state.isNull()) {
            writeAll(stateFile(online::kNewsStateFileName), each.state);
        }
        bool checked = false;
        news.checkNews([&] { checked = true; });
        ASSERT_TRUE(settle([&] { return checked; }));
        EXPECT_EQ(news.latestNews(), 12);
        EXPECT_EQ(news.newsUnread(), each.unread) << each.state.data();
    }
    // Opening the news reads it: the state file takes the number.
    const QString address = news.openNews();
    EXPECT_FALSE(news.newsUnread());
    EXPECT_EQ(readAll(stateFile(online::kNewsStateFileName)), "12\r\n");
    EXPECT_EQ(address, club.address() + QStringLiteral("/news"));
}

TEST_F(Online, AServiceThatCannotBeReachedShowsNothingNew)
{
    online::ServiceClient nowhere;
    const QString closed = QStringLiteral("http://127.0.0.1:9");
    for (online::Endpoint e : {online::Endpoint::News, online::Endpoint::Scores}) {
        nowhere.setAddress(e, encipherAddress(closed));
    }
    writeAll(stateFile(online::kNewsStateFileName), "5\r\n");
    writeAll(stateFile(online::kChatStateFileName), "0\r\n1\r\n1\r\n");
    online::NewsAndChat news(nowhere, programFolder());
    int checks = 0;
    news.checkNews([&] { ++checks; });
    news.checkChat([&] { ++checks; });
    ASSERT_TRUE(settle([&] { return checks == 2; }));
    EXPECT_FALSE(news.newsUnread());
    EXPECT_FALSE(news.chatUnread());
    EXPECT_EQ(news.chatState(), (online::ChatState{0, true, true}));
    // Opening either after a failed read never turns the seen numbers back.
    news.openNews();
    news.openChat();
    EXPECT_EQ(readAll(stateFile(online::kNewsStateFileName)), "5\r\n");
}

TEST_F(Online, TheChatStateFileIsMadeWhenMissingAndReadStrictly)
{
    online::NewsAndChat news(session.client(), programFolder());
    EXPECT_EQ(news.chatState(), (online::ChatState{1, false, false}));
    EXPECT_EQ(readAll(stateFile(online::kChatStateFileName)), "1\r\n0\r\n0\r\n");
    const struct {
        QByteArray content;
        online::ChatState state;
    } cases[] = {{"7\n1\n1\n", {7, true, true}},
                 {"7\r\nyes\r\n 1\r\n", {7, false, false}},
                 {"seven\r\n1\r\n", {0, true, false}},
                 {"", {0, false, false}}};
    for (const auto& each : cases) {
        writeAll(stateFile(online::kChatStateFileName), each.content);
        EXPECT_EQ(online::readChatState(programFolder()), each.state) << each.content.data();
    }
}

TEST_F(Online, TwoPlayersChatThroughOneService)
{
    // Ann writes first on an empty board: number 1.
    online::NewsAndChat annChat(session.client(), programFolder());
    {
        ChatWindow window(session.client(), annChat, settings, programFolder(), nullptr, hooks);
        ASSERT_TRUE(window.messageField()->isEnabled());
        window.send();  // empty: nothing happens
        EXPECT_FALSE(window.busy());
        window.messageField()->setText(QStringLiteral("Hello all!"));
        window.send();
        ASSERT_TRUE(settle([&] { return !window.busy() && window.board()->drawnRow(1).Score == 1; }));
        EXPECT_TRUE(told.isEmpty());
        EXPECT_EQ(window.board()->drawnRow(1).R10, QStringLiteral("Hello_all!"));
        EXPECT_TRUE(window.messageField()->text().isEmpty());
        // The next message waits for the tick.
        EXPECT_FALSE(window.messageField()->isEnabled());
        EXPECT_TRUE(window.refreshButton()->isHidden());
        window.tick();
        EXPECT_TRUE(window.messageField()->isEnabled());
    }
    EXPECT_EQ(annChat.chatState().lastSeen, 1);

    // Boris, on a second client with his own state, reads the board. A state
    // file made on the spot starts at number 1, so message 1 is not news
    // to him.
    QTemporaryDir borisHome;
    const QString borisFolder = borisHome.filePath(QStringLiteral("game"));
    ASSERT_TRUE(QDir().mkpath(borisFolder));
    Settings borisSettings;
    borisSettings.passportNick = QStringLiteral("Boris");
    borisSettings.passportCity = QString::fromUtf8("Томск");
    online::OnlineSession boris(borisSettings, borisFolder);
    ASSERT_TRUE(boris.useService(club.address()));
    online::NewsAndChat borisChat(boris.client(), borisFolder);
    bool checked = false;
    borisChat.checkChat([&] { checked = true; });
    ASSERT_TRUE(settle([&] { return checked; }));
    EXPECT_FALSE(borisChat.chatUnread());
    EXPECT_EQ(borisChat.latestChat(), 1);

    // He answers in Cyrillic, with the newest message at the bottom.
    {
        ChatWindow window(boris.client(), borisChat, borisSettings, borisFolder, nullptr, hooks);
        borisChat.openChat();
        EXPECT_FALSE(borisChat.chatUnread());
        window.bottomBox()->setChecked(true);
        EXPECT_FALSE(window.bottomBox()->isEnabled()) << "until the next tick";
        window.messageField()->setText(QString::fromUtf8("Привет, Анна"));
        ASSERT_TRUE(settle([&] { return window.board()->drawnRow(10).Score == 1; }));
        window.send();
        ASSERT_TRUE(settle([&] { return window.board()->drawnRow(10).Score == 2; }));
        EXPECT_EQ(window.board()->drawnRow(9).Score, 1);
        EXPECT_EQ(online::chatShown(window.board()->drawnRow(10).R10),
                  QString::fromUtf8("Привет, Анна"));
        EXPECT_EQ(window.board()->drawnRow(10).Nick, QStringLiteral("Boris"));
        EXPECT_TRUE(window.board()->drawnRow(1).isEmpty());
    }
    EXPECT_EQ(readAll(borisFolder + QStringLiteral("/../TevChatTev.ini")), "2\r\n1\r\n0\r\n");

    // Ann's next check sees Boris's message.
    checked = false;
    annChat.checkChat([&] { checked = true; });
    ASSERT_TRUE(settle([&] { return checked; }));
    EXPECT_TRUE(annChat.chatUnread());
    ChatWindow window(session.client(), annChat, settings, programFolder(), nullptr, hooks);
    ASSERT_TRUE(settle([&] { return window.board()->drawnRow(1).Score == 2; }));
    EXPECT_EQ(ChatBoard::headLine(window.board()->drawnRow(1)),
              QString::fromUtf8("Томск : ") + online::chatShown(window.board()->drawnRow(1).R09) +
                  QStringLiteral(" 5.7f : Boris"));
}

TEST_F(Online, APassportThatCannotSignKeepsTheFieldClosed)
{
    online::NewsAndChat chat(session.client(), programFolder());
    for (const QString& nick : {QStringLiteral("A"), QStringLiteral("Ann Lee"), QString()}) {
        settings.passportNick = nick;
        ChatWindow window(session.client(), chat, settings, programFolder(), nullptr, hooks);
        EXPECT_FALSE(window.messageField()->isEnabled()) << nick.toStdString();
        EXPECT_FALSE(window.sendButton()->isEnabled());
        window.tick();
        EXPECT_FALSE(window.messageField()->isEnabled());
    }
}

TEST_F(Online, AFailedSendKeepsTheMessage)
{
    online::ServiceClient nowhere;
    nowhere.setAddress(online::Endpoint::Scores, encipherAddress(QStringLiteral("http://127.0.0.1:9")));
    online::NewsAndChat chat(nowhere, programFolder());
    ChatWindow window(nowhere, chat, settings, programFolder(), nullptr, hooks);
    ASSERT_TRUE(settle([&] { return window.board()->failed(); }));
    window.messageField()->setText(QStringLiteral("Anyone?"));
    window.send();
    ASSERT_TRUE(settle([&] { return !told.isEmpty(); }));
    EXPECT_EQ(told, QStringList{text(Text::UnableToSendMessage)});
    EXPECT_EQ(window.messageField()->text(), QStringLiteral("Anyone?"));
    EXPECT_TRUE(window.messageField()->isEnabled());
}

TEST_F(Online, TheStatisticsWindowShowsTheSumsAndSendsOneLike)
{
    ASSERT_TRUE(online::parseStatFirstRun(
        online::sendAndWait(session.client(), online::statFirstRun(1, 1))));
    online::FinishedGame game;
    game.deals = 8;
    game.dealNumber = 8;
    game.result = -35;
    ASSERT_TRUE(online::parseStatGame(
        online::sendAndWait(session.client(), online::statGame(online::gameCounters(game)))));

    settings.passportNick = QStringLiteral("Incognito");
    settings.likeSent = false;
    int saved = 0;
    StatisticsWindow window(session.client(), settings, programFolder(), [&] { ++saved; },
                            nullptr, hooks);
    ASSERT_TRUE(settle([&] { return window.loaded(); }));
    const QStringList expected = {"1", "1", "0", "", "8", "0", "0", "35", "0", "0"};
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(window.value(k)->text(), expected[k]) << k;
    }
    ASSERT_TRUE(window.likeButton()->isEnabled());
    // An "Incognito" player is asked for a nick until it would pass.
    QStringList answers = {QStringLiteral("x"), QStringLiteral("Zoe Q"), QStringLiteral("Zoe")};
    window.setAskNick([&](QWidget*, const QString&) -> std::optional<QString> {
        return answers.takeFirst();
    });
    window.like();
    ASSERT_TRUE(settle([&] { return settings.likeSent; }));
    EXPECT_TRUE(answers.isEmpty());
    EXPECT_EQ(settings.passportNick, QStringLiteral("Zoe"));
    EXPECT_EQ(window.value(2)->text(), QStringLiteral("1"));
    EXPECT_EQ(window.value(3)->text(), QStringLiteral("Zoe"));
    EXPECT_FALSE(window.likeButton()->isEnabled());
    EXPECT_EQ(saved, 2);  // the nick, then the like
    const online::StatReadResult read =
        online::parseStatRead(online::sendAndWait(session.client(), online::statRead()));
    EXPECT_EQ(read.stat.Stat3, 1);
    EXPECT_EQ(read.stat.Stat4, QStringLiteral("Zoe"));
}

TEST_F(Online, TheStatisticsWindowWithoutAServiceSaysNoConnect)
{
    online::ServiceClient nowhere;
    nowhere.setAddress(online::Endpoint::Statistics,
                       encipherAddress(QStringLiteral("http://127.0.0.1:9")));
    settings.likeSent = false;
    StatisticsWindow window(nowhere, settings, programFolder(), {}, nullptr, hooks);
    ASSERT_TRUE(settle([&] { return window.loaded(); }));
    EXPECT_EQ(window.value(0)->text(), text(Text::NoConnect));
    EXPECT_TRUE(window.value(1)->text().isEmpty());
    EXPECT_FALSE(window.likeButton()->isEnabled());
    // A cancelled nick box sends nothing.
    settings.passportNick = QStringLiteral("Incognito");
    window.setAskNick([](QWidget*, const QString&) { return std::optional<QString>(); });
    window.like();
    EXPECT_FALSE(settings.likeSent);
}

}  // namespace
}  // namespace olk
