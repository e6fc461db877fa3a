// The main menu's clock panels: the choice of the figure, its arithmetic, each
// kind's figure against a real olk-service on a loopback port and against a
// closed one, and where the panels stand.

#include "table/menu_clocks.h"

#include <gtest/gtest.h>

#include <QTcpServer>
#include <optional>

#include "online/menu_figures.h"
#include "online/requests.h"
#include "online/service_client.h"
#include "settings/address_cipher.h"
#include "settings/word_tables.h"
#include "table/main_menu.h"
#include "tests/service/loopback_club.h"

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace olk {
namespace {

using online::MenuFigure;
using testing::settle;

TEST(MenuClocks, TheRightPanelAsksInSecondOneOfEveryMinute)
{
    struct Tick {
        QTime at;
        int kind;  // asked for, 0: nothing
    };
    const Tick ticks[] = {
        {QTime(14, 7, 0, 980), 0}, {QTime(14, 7, 1, 0), 1},  {QTime(14, 7, 1, 20), 0},
        {QTime(14, 7, 1, 990), 0}, {QTime(14, 7, 2, 10), 0}, {QTime(14, 8, 1, 5), 2},
        {QTime(14, 8, 1, 25), 0},  {QTime(14, 8, 2, 5), 0},  {QTime(0, 6, 1, 0), 7},
        {QTime(0, 6, 59, 990), 0}, {QTime(0, 13, 1, 0), 7},
    };
    FigureCycle cycle;
    for (const Tick& tick : ticks) {
        EXPECT_EQ(cycle.tick(tick.at), tick.kind) << tick.at.toString().toStdString();
    }
    // Logged out, the Tevs' minute shows the club members.
    EXPECT_EQ(online::shownFigureKind(6, 1), 7);
    EXPECT_EQ(online::shownFigureKind(6, 2), 6);
    EXPECT_EQ(online::shownFigureKind(6, 3), 6);
    EXPECT_EQ(online::shownFigureKind(3, 1), 3);
}

TEST(MenuClocks, Arithmetic)
{
    const struct {
        std::int64_t count;
        const char* value;
        Text suffix;  // Text::ToBegin: none
    } counts[] = {
        {0, "0", Text::ToBegin},
        {999, "999", Text::ToBegin},
        {1000, "1", Text::ClockSuffixThousand},
        {999999, "999", Text::ClockSuffixThousand},
        {1234567, "1", Text::ClockSuffixMillion},
        {999999999, "999", Text::ClockSuffixMillion},
        {2147483647, "2", Text::ClockSuffixBillion},
        {-5, "-5", Text::ToBegin},
    };
    for (const auto& each : counts) {
        const online::ShortNumber number = online::shortNumber(each.count);
        EXPECT_EQ(number.value, QString::fromLatin1(each.value)) << each.count;
        EXPECT_EQ(number.suffix, each.suffix == Text::ToBegin ? QString() : text(each.suffix))
            << each.count;
    }
    EXPECT_EQ(online::shortNumber(1234567).suffix, QStringLiteral("M"));

    const struct {
        std::int64_t won, lost, iq;
    } iqs[] = {{0, 0, 0}, {3, 5, 62}, {1, 7, 88}, {1, 1, 50}, {7, 1, 12}, {0, 9, 100}};
    for (const auto& each : iqs) {
        // 62.5 -> 62 and 87.5 -> 88: halves to even; 12.5 -> 12.
        EXPECT_EQ(online::dynamicIq(each.won, each.lost), each.iq) << each.won << "/" << each.lost;
    }

    const struct {
        int count;
        QList<int> xs;
        int width;
    } places[] = {{0, {}, 0},
                  {1, {50}, 0},
                  {2, {38, 58}, 0},
                  {3, {29, 49, 69}, 0},
                  {4, {27, 42, 57, 72}, 15},
                  {5, {28, 40, 52, 64, 76}, 12},
                  {6, {15, 24, 33, 42, 51, 60}, 9},
                  {7, {}, 0}};
    for (const auto& each : places) {
        EXPECT_EQ(online::figureDigitPositions(each.count), each.xs) << each.count;
        EXPECT_EQ(online::figureDigitWidth(each.count), each.width) << each.count;
    }
}

TEST(MenuClocks, TheClockLeavesOutALeadingZero)
{
    const QList<PlacedDigit> nineOFive = {{u'9', 34}, {u'0', 61}, {u'5', 81}};
    EXPECT_EQ(clockDigits(9, 5), nineOFive);
    const QList<PlacedDigit> late = {{u'2', 14}, {u'3', 34}, {u'5', 61}, {u'9', 81}};
    EXPECT_EQ(clockDigits(23, 59), late);
    const QList<PlacedDigit> midnight = {{u'0', 34}, {u'0', 61}, {u'0', 81}};
    EXPECT_EQ(clockDigits(0, 0), midnight);

    // The colon is lit in the second half of a second only.
    MenuClock clock;
    clock.showTime(QTime(9, 5, 10, 500));
    EXPECT_FALSE(clock.colonLit());
    clock.showTime(QTime(9, 5, 10, 501));
    EXPECT_TRUE(clock.colonLit());
    EXPECT_EQ(clock.shownHour(), 9);
    EXPECT_EQ(clock.shownMinute(), 5);
}

// A value's characters on the panel: a minus, four or more characters, seven.
TEST(MenuClocks, TheFigurePanelPlacesItsCharacters)
{
    MenuFigurePanel panel;
    const struct {
        const char* value;
        QList<PlacedDigit> placed;
    } cases[] = {
        {"7", {{u'7', 50}}},
        {"-12", {{u'-', 29}, {u'1', 49}, {u'2', 69}}},
        {"1250", {{u'1', 27}, {u'2', 42}, {u'5', 57}, {u'0', 72}}},
        {"1234567", {}},
    };
    for (const auto& each : cases) {
        MenuFigure figure = online::startingFigure(6);
        figure.value = QString::fromLatin1(each.value);
        panel.showFigure(figure);
        EXPECT_EQ(panel.placedDigits(), each.placed) << each.value;
        panel.grab();  // draws without trouble
    }
}

// olk-service on a loopback port, with the game's client pointed at it.
class MenuFigures : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_GT(club.port, 0);
        pointAt(club.address());
    }

    void pointAt(const QString& base)
    {
        client.setAddress(online::Endpoint::Scores, encipherAddress(base + "/scores"));
        client.setAddress(online::Endpoint::Statistics, encipherAddress(base + "/statistics"));
        client.setAddress(online::Endpoint::Account, encipherAddress(base + "/account"));
    }

    MenuFigure fetch(int kind, int accountState = 1, const QString& nick = {})
    {
        std::optional<MenuFigure> got;
        int calls = 0;
        online::fetchMenuFigure(client, kind, accountState, nick, [&](const MenuFigure& figure) {
            got = figure;
            ++calls;
        });
        EXPECT_FALSE(got) << "never from inside the call";
        EXPECT_TRUE(settle([&] { return got.has_value(); }));
        QCoreApplication::processEvents();
        EXPECT_EQ(calls, 1);
        return got.value_or(MenuFigure{});
    }

    void post(int table, const QString& nick, qint64 score, const QString& country)
    {
        service::ScoreEntry entry;
        entry.gid = table;
        entry.nick = nick;
        entry.score = score;
        entry.city = QStringLiteral("Omsk");
        entry.country = country;
        entry.r07 = QStringLiteral("W");
        entry.r08 = QString::fromLatin1(online::kProgramVersion);
        entry.r09 = QStringLiteral("#");
        entry.r10 = QStringLiteral("#*");
        ASSERT_TRUE(club.store->postScore(entry, 100));
    }

    // A member logged in through the game's client, holding `tevs`.
    void logIn(const QString& nick, qint64 tevs)
    {
        online::TTevUser user;
        user.Nick = nick;
        user.Pw = QStringLiteral("secret1");
        user.City = QStringLiteral("Omsk");
        user.Country1 = QStringLiteral("Russia");
        user.Country2 = QStringLiteral("1-001");
        user.Sex = u'W';
        user.EMail = QStringLiteral("anna@example.org");
        user.DateR = QStringLiteral("01.02.2024");
        user.R01 = user.R02 = user.R03 = QStringLiteral("xxx");
        ASSERT_EQ(online::parseAccountRegister(
                      online::sendAndWait(client, online::accountRegister(user))),
                  online::RegisterResult::Created);
        ASSERT_TRUE(online::parseAccountLogin(
                        online::sendAndWait(client, online::accountLogin(nick, user.Pw)), user,
                        nick, user.Pw)
                        .ok);
        ASSERT_TRUE(club.store->grantTevs(nick, tevs));
    }

    testing::Club club;
    online::ServiceClient client;
};

TEST_F(MenuFigures, EachKindFromTheService)
{
    service::Statistics stats;
    stats.games[0] = 1234567;  // deals against the computer
    stats.games[2] = 3;        // points the players won
    stats.games[3] = 5;        // and lost
    ASSERT_TRUE(club.store->addStatistics(online::kWindowsTable, stats));
    post(online::kWindowsTable, QStringLiteral("Zoe"), 317, QStringLiteral("1-001"));
    post(online::kWindowsTable, QStringLiteral("Max"), 120, QStringLiteral("1-002"));
    post(online::kAndroidTable, QStringLiteral("Droid"), 95, QStringLiteral("1-002"));
    logIn(QStringLiteral("Anna"), 250);

    const struct {
        int kind;
        int accountState;
        int shown;
        const char* value;
        QString suffix;
        QString hint;
        const char* flag;
    } cases[] = {
        {1, 1, 1, "62", {}, text(Text::ClockHintDynamicIq), ""},
        {2, 1, 2, "1", QStringLiteral("M"), text(Text::GamesPlayedWithPc), ""},
        {3, 1, 3, "317", {}, text(Text::ClockHintBestWindowsPlayer) + "Zoe", "1-001"},
        {4, 1, 4, "95", {}, text(Text::ClockHintBestAndroidPlayer) + "Droid", ""},
        {5, 1, 5, "00", {}, text(Text::ClockHintBestAccountPlayer) + text(Text::ClockNoNick), ""},
        {6, 2, 6, "250", {}, text(Text::Tevs), ""},
        {6, 1, 7, "1", {}, text(Text::ClockHintClubMembers), ""},
        {7, 2, 7, "1", {}, text(Text::ClockHintClubMembers), ""},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(::testing::Message() << "kind " << each.kind << " state " << each.accountState);
        const MenuFigure figure = fetch(each.kind, each.accountState, QStringLiteral("Anna"));
        EXPECT_FALSE(figure.failed);
        EXPECT_EQ(figure.kind, each.shown);
        EXPECT_EQ(figure.value, QString::fromLatin1(each.value));
        EXPECT_EQ(figure.suffix, each.suffix);
        EXPECT_EQ(figure.hint, each.hint);
        EXPECT_EQ(figure.flagCountry, QString::fromLatin1(each.flag));
    }
}

TEST_F(MenuFigures, AnEmptyServiceShowsNoughts)
{
    // No statistics yet: an IQ of 0 and no deals; no best player.
    EXPECT_EQ(fetch(1).value, QStringLiteral("0"));
    EXPECT_EQ(fetch(2).value, QStringLiteral("0"));
    const MenuFigure best = fetch(3);
    EXPECT_FALSE(best.failed);
    EXPECT_EQ(best.value, QStringLiteral("00"));
    EXPECT_EQ(best.hint, text(Text::ClockHintBestWindowsPlayer) + text(Text::ClockNoNick));
    EXPECT_EQ(best.flagCountry, QString());
    // The Tevs of somebody else's nick are not told.
    const MenuFigure tevs = fetch(6, 2, QStringLiteral("Anna"));
    EXPECT_TRUE(tevs.failed);
    EXPECT_EQ(tevs.value, QStringLiteral("00"));
}

TEST_F(MenuFigures, EveryKindMarksAFailedRequest)
{
    int closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    pointAt(QStringLiteral("http://127.0.0.1:%1").arg(closedPort));
    const struct {
        int kind;
        QString hint;
    } cases[] = {
        {1, text(Text::ClockHintDynamicIq) + text(Text::ClockNoConnectColon)},
        {2, text(Text::GamesPlayedWithPc) + text(Text::ClockNoConnectColon)},
        {3, text(Text::ClockHintBestWindowsPlayer) + text(Text::ClockNoConnect)},
        {4, text(Text::ClockHintBestAndroidPlayer) + text(Text::ClockNoConnect)},
        {5, text(Text::ClockHintBestAccountPlayer) + text(Text::ClockNoConnect)},
        {6, text(Text::Tevs) + text(Text::ClockNoConnectColon)},
        {7, text(Text::ClockHintClubMembers) + text(Text::ClockNoConnectBlank)},
    };
    for (const auto& each : cases) {
        const MenuFigure figure = fetch(each.kind, 2, QStringLiteral("Anna"));
        EXPECT_TRUE(figure.failed) << each.kind;
        EXPECT_EQ(figure.kind, each.kind);
        EXPECT_EQ(figure.value, QStringLiteral("00")) << each.kind;
        EXPECT_EQ(figure.suffix, QString()) << each.kind;
        EXPECT_EQ(figure.hint, each.hint) << each.kind;
    }
    EXPECT_EQ(text(Text::ClockHintClubMembers) + text(Text::ClockNoConnectBlank),
              QStringLiteral("Club members:  NO CONNECT"));
}

TEST(MenuClocksOnTheMenu, ShownOnlyAtTheLargerSizes)
{
    const struct {
        int windowSize;
        QSize client;
        bool shown;
    } cases[] = {
        {1, {760, 500}, false},   {3, {990, 650}, false},  {4, {1290, 850}, true},
        {5, {1520, 1000}, true},  {2, {1920, 1050}, true}, {2, {1290, 850}, false},
        {2, {1366, 700}, false},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(menuClocksShown(each.windowSize, each.client), each.shown)
            << each.windowSize << " " << each.client.width() << "x" << each.client.height();
    }

    for (const int windowSize : {3, 5}) {
        Settings settings;
        settings.windowSize = windowSize;
        MainMenu menu(settings);
        QList<int> asked;
        menu.setFigureSource([&asked](int kind, auto) { asked << kind; });
        menu.resize(clientSizeFor(windowSize, {}));
        menu.refresh(defaultClubFile());
        const bool shown = windowSize == 5;
        EXPECT_EQ(menu.clockPanel()->isVisibleTo(&menu), shown) << windowSize;
        EXPECT_EQ(menu.figurePanel()->isVisibleTo(&menu), shown) << windowSize;
        EXPECT_EQ(asked.size(), shown ? 1 : 0) << windowSize;
        if (shown) {
            EXPECT_GE(asked[0], 1);
            EXPECT_LE(asked[0], 7);
            // Under the scrolls, within the window and clear of "Top Ten".
            const QRect clock = menu.clockPanel()->geometry();
            EXPECT_EQ(clock.size(), QSize(kClockPanelWidth, kClockPanelHeight));
            EXPECT_LE(clock.bottom(), roundToPixel(225 * 2.0));
            EXPECT_LT(menu.clockPanel()->x(), menu.figurePanel()->x());
        }
    }
}

TEST(MenuClocksOnTheMenu, ALateAnswerIsHarmless)
{
    Settings settings;
    settings.windowSize = 5;
    std::vector<std::function<void(const MenuFigure&)>> answers;
    auto menu = std::make_unique<MainMenu>(settings);
    menu->setFigureSource([&answers](int, std::function<void(const MenuFigure&)> done) {
        answers.push_back(std::move(done));
    });
    menu->resize(clientSizeFor(5, {}));
    menu->refresh(defaultClubFile());
    menu->refresh(defaultClubFile());
    ASSERT_EQ(answers.size(), 2u);
    // Before any answer: "00" and no hint.
    EXPECT_FALSE(menu->figurePanel()->hasFigure());
    EXPECT_EQ(menu->figurePanel()->figure().value, QStringLiteral("00"));
    EXPECT_TRUE(menu->figurePanel()->toolTip().isEmpty());

    // The older question's answer is dropped once a newer one is out.
    MenuFigure members = online::startingFigure(7);
    members.value = QStringLiteral("12");
    answers[0](members);
    EXPECT_FALSE(menu->figurePanel()->hasFigure());
    EXPECT_EQ(menu->figurePanel()->figure().value, QStringLiteral("00"));
    members.hint = text(Text::ClockHintBestWindowsPlayer) + QStringLiteral("<b>Zoe</b>");
    answers[1](members);
    EXPECT_EQ(menu->figurePanel()->figure().value, QStringLiteral("12"));
    // A nick's markup is shown as it is, never interpreted.
    EXPECT_TRUE(menu->figurePanel()->toolTip().contains(QStringLiteral("&lt;b&gt;Zoe")));

    // An answer after the menu has gone is dropped too.
    menu->refresh(defaultClubFile());
    menu.reset();
    answers.back()(members);
}

}  // namespace
}  // namespace olk
