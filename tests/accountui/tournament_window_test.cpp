// The tournament window against a real olk-service on a loopback port: the
// place buttons' states, taking and leaving places (and the places after a
// left one freed), a relay that fails, and a service that cannot be reached.

#include "accountui/tournament_window.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "extras/cards_button.h"
#include "online/online_session.h"
#include "online/requests.h"
#include "online/service_client.h"
#include "settings/address_cipher.h"
#include "settings/word_tables.h"
#include "service/store.h"
#include "tests/service/loopback_club.h"

namespace olk {
namespace {

using testing::settle;
using Kind = PlaceButtonState::Kind;

online::TTevTable_4 tableWith(int num, std::initializer_list<const char*> occupants)
{
    online::TTevTable_4 table;
    table.Num = num;
    int k = 0;
    for (const char* nick : occupants) {
        table.Places[static_cast<std::size_t>(k++)].Nick = QString::fromLatin1(nick);
    }
    return table;
}

TEST(PlaceButtons, EachPlaceSaysWhatItIs)
{
    const struct {
        online::TTevTable_4 table;
        int place;
        int heldTable;
        int heldPlace;
        bool open;
        Kind kind;
        bool enabled;
    } cases[] = {
        // Place 3 is offered only while places 1 and 2 are taken.
        {tableWith(1, {"Ann", "Bob", "X", "X"}), 3, 0, 0, true, Kind::Take, true},
        {tableWith(1, {"Ann", "X", "X", "X"}), 3, 0, 0, true, Kind::Free, false},
        {tableWith(1, {"X", "X", "X", "X"}), 1, 0, 0, true, Kind::Take, true},
        {tableWith(1, {"Ann", "X", "X", "X"}), 1, 0, 0, true, Kind::Occupied, false},
        // Holding a place elsewhere: nothing else can be taken.
        {tableWith(1, {"Ann", "X", "X", "X"}), 2, 2, 1, true, Kind::Free, false},
        // The own place is left with "Log off", but the fourth is played.
        {tableWith(1, {"Me", "X", "X", "X"}), 1, 1, 1, true, Kind::Own, true},
        {tableWith(1, {"A", "B", "C", "Me"}), 4, 1, 4, true, Kind::OwnLast, false},
        {tableWith(1, {"X", "X", "X", "X"}), 1, 0, 0, false, Kind::ServerOff, false},
    };
    for (const auto& each : cases) {
        const PlaceButtonState state =
            placeButtonState(each.table, each.place, each.heldTable, each.heldPlace, each.open);
        EXPECT_EQ(state.kind, each.kind) << each.place;
        EXPECT_EQ(state.enabled, each.enabled) << each.place;
    }
}

class TournamentWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_GT(club.port, 0); }

    // A member's own session with the service, logged in.
    std::unique_ptr<online::OnlineSession> member(const QString& nick)
    {
        auto session = std::make_unique<online::OnlineSession>(settings, QString());
        EXPECT_TRUE(session->useService(club.address()));
        online::TTevUser user;
        user.Nick = nick;
        user.Pw = QStringLiteral("secret1");
        user.City = QStringLiteral("Omsk");
        user.Country1 = QStringLiteral("Russia");
        user.Country2 = QStringLiteral("1-001");
        user.Sex = u'W';
        user.EMail = nick + QStringLiteral("@club.example");
        EXPECT_EQ(online::parseAccountRegister(
                      online::sendAndWait(session->client(), online::accountRegister(user))),
                  online::RegisterResult::Created);
        EXPECT_TRUE(online::parseAccountLogin(
                        online::sendAndWait(session->client(),
                                            online::accountLogin(nick, QStringLiteral("secret1"))),
                        user, nick, QStringLiteral("secret1"))
                        .ok);
        users[nick] = user;
        return session;
    }

    std::unique_ptr<TournamentWindow> window(online::OnlineSession& session, const QString& nick)
    {
        auto opened = std::make_unique<TournamentWindow>(session.client(), users[nick], settings,
                                                         QString(), nullptr, hooks,
                                                         [this](const char* s) { sounds << s; });
        EXPECT_TRUE(settle([&] { return !opened->busy(); }));
        return opened;
    }

    testing::Club club;
    Settings settings;
    std::map<QString, online::TTevUser> users;
    AccountDialogHooks hooks = [this] {
        AccountDialogHooks h;
        h.tell = [this](QWidget*, const QString& line, const QString&) { told << line; };
        return h;
    }();
    QStringList told;
    QStringList sounds;
};

TEST_F(TournamentWindowTest, PlacesAreTakenInOrderAndLeavingFreesTheLaterOnes)
{
    auto annSession = member(QStringLiteral("Ann"));
    auto bobSession = member(QStringLiteral("Bob"));
    auto ann = window(*annSession, QStringLiteral("Ann"));
    EXPECT_EQ(ann->statusLabel()->text(), text(Text::ServerOn));
    EXPECT_EQ(ann->result(0)->text(), QStringLiteral("Ann"));
    EXPECT_EQ(ann->record().IP, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(ann->placeButton(3, 1)->text(), text(Text::TakeThePlaceOf));
    EXPECT_EQ(ann->placeButton(3, 2)->text(), text(Text::PlaceFree));

    QList<QList<QVariant>> taken;
    QObject::connect(ann.get(), &TournamentWindow::placeTaken, [&](int t, int k, QString a, int p) {
        taken.append({t, k, a, p});
    });
    ann->placeButton(3, 1)->click();
    ASSERT_TRUE(settle([&] { return !taken.isEmpty() && !ann->busy(); }));
    EXPECT_EQ(taken[0], (QList<QVariant>{3, 1, QStringLiteral("127.0.0.1"), 8865 + 3}));
    EXPECT_EQ(ann->heldTable(), 3);
    EXPECT_EQ(ann->placeButton(3, 1)->text(), text(Text::LogOff));
    EXPECT_FALSE(ann->closeButton()->isEnabled()) << "a held place keeps the window";
    EXPECT_FALSE(ann->placeButton(5, 1)->isEnabled()) << "one place at a time";
    ann->show();
    ann->closeButton()->click();
    EXPECT_TRUE(ann->isVisible()) << "Escape or the frame's close keep it too";

    // Bob sees her, and sits next to her.
    auto bob = window(*bobSession, QStringLiteral("Bob"));
    EXPECT_EQ(bob->placeButton(3, 1)->text(), QStringLiteral("Ann : 0"));
    EXPECT_FALSE(bob->placeButton(3, 1)->isEnabled());
    ASSERT_TRUE(bob->placeButton(3, 2)->isEnabled());
    bob->placeButton(3, 2)->click();
    ASSERT_TRUE(settle([&] { return bob->heldPlace() == 2 && !bob->busy(); }));

    // Ann leaves place 1: places 2 and 3 go with it.
    bool left = false;
    QObject::connect(ann.get(), &TournamentWindow::placeLeft, [&] { left = true; });
    ann->placeButton(3, 1)->click();
    ASSERT_TRUE(settle([&] { return left && !ann->busy(); }));
    EXPECT_EQ(ann->heldTable(), 0);
    bob->refresh();
    ASSERT_TRUE(settle([&] { return !bob->busy(); }));
    EXPECT_EQ(bob->heldTable(), 0) << "place 1 of his table is free: the table broke up";
    EXPECT_EQ(bob->placeButton(3, 1)->text(), text(Text::TakeThePlaceOf));
    EXPECT_EQ(bob->placeButton(3, 2)->text(), text(Text::PlaceFree));
    EXPECT_TRUE(sounds.isEmpty());
}

TEST_F(TournamentWindowTest, ARelayThatFailsGivesThePlaceUp)
{
    auto annSession = member(QStringLiteral("Ann"));
    auto ann = window(*annSession, QStringLiteral("Ann"));
    ann->placeButton(7, 1)->click();
    ASSERT_TRUE(settle([&] { return ann->heldTable() == 7 && !ann->busy(); }));
    ann->relayFailed();
    ASSERT_TRUE(settle([&] { return !told.isEmpty() && !ann->busy(); }, 5000));
    EXPECT_EQ(told, QStringList{text(Text::ServerConnectionError)});
    EXPECT_EQ(ann->heldTable(), 0);
    EXPECT_EQ(ann->placeButton(7, 1)->text(), text(Text::TakeThePlaceOf));
    EXPECT_TRUE(ann->closeButton()->isEnabled());
}

TEST_F(TournamentWindowTest, AServiceThatCannotBeReachedIsOff)
{
    online::OnlineSession nowhere(settings, QString());
    ASSERT_TRUE(nowhere.useService(QStringLiteral("http://127.0.0.1:9")));
    users[QStringLiteral("Ann")].Nick = QStringLiteral("Ann");
    auto ann = window(nowhere, QStringLiteral("Ann"));
    EXPECT_EQ(ann->messageLabel()->text(), text(Text::NoConnect));
    EXPECT_EQ(ann->statusLabel()->text(), text(Text::ServerOff));
    EXPECT_EQ(ann->result(1)->text(), text(Text::NoConnect));
    for (int t : {1, 10}) {
        EXPECT_EQ(ann->placeButton(t, 1)->text(), text(Text::ServerOff));
        EXPECT_FALSE(ann->placeButton(t, 1)->isEnabled());
    }
    EXPECT_TRUE(ann->closeButton()->isEnabled());
}

TEST_F(TournamentWindowTest, TheTopTenShowsEachRankingAndTheOwnPlace)
{
    auto annSession = member(QStringLiteral("Ann"));
    auto bobSession = member(QStringLiteral("Bob"));
    ASSERT_TRUE(club.store->recordTournamentResult(
        1, {{QStringLiteral("Ann"), 40, 7}, {QStringLiteral("Bob"), 90, 3}}));
    online::TTevClient own;
    own.Nick = QStringLiteral("Ann");
    own.Score = 40;
    own.Rating = 7;
    own.Kon = 1;
    TournamentTopTenWindow top(annSession->client(), own, settings, QString(), nullptr);
    ASSERT_TRUE(settle([&] { return !top.busy(); }));
    EXPECT_EQ(top.row(0)->text(), QStringLiteral("Bob, Omsk"));
    EXPECT_EQ(top.value(0)->text(), QStringLiteral("90"));
    EXPECT_EQ(top.shownPlace(), 2);
    top.chooseKind(1);
    ASSERT_TRUE(settle([&] { return !top.busy(); }));
    EXPECT_EQ(top.row(0)->text(), QStringLiteral("Ann, Omsk"));
    EXPECT_EQ(top.shownPlace(), 1);
    EXPECT_TRUE(top.failedLabel()->isHidden());

    online::OnlineSession nowhere(settings, QString());
    ASSERT_TRUE(nowhere.useService(QStringLiteral("http://127.0.0.1:9")));
    TournamentTopTenWindow off(nowhere.client(), own, settings, QString(), nullptr);
    ASSERT_TRUE(settle([&] { return !off.busy(); }));
    EXPECT_FALSE(off.failedLabel()->isHidden());
    EXPECT_EQ(off.shownPlace(), 0);
}

}  // namespace
}  // namespace olk
