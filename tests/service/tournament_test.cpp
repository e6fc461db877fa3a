// The tournament requests through the service's router, built and read by
// the game's own request builders and reply parsers, against SQLite and
// (when configured) PostgreSQL.

#include "online/requests.h"
#include "service/options.h"
#include "service_fixture.h"

namespace olk::service::testing {
namespace {

using online::SeatAction;
using online::TourKind;
using online::TTevClient;

constexpr int kBasePort = 9100;

class TournamentTest : public ServiceBackend {
protected:
    void SetUp() override
    {
        ServiceBackend::SetUp();
        if (IsSkipped() || !service) {
            return;
        }
        restart(tourConfig());
        for (const char* nick : {"Anna", "Boris", "Clara", "Dmitri", "Admin"}) {
            const QString name = QString::fromLatin1(nick);
            ASSERT_EQ(registerMember(name, QStringLiteral("secret1"), QStringLiteral("Omsk"),
                                     name + QStringLiteral("@example.org")),
                      QStringLiteral("ok"));
            cookies[nick] = login(name, QStringLiteral("secret1"));
            ASSERT_FALSE(cookies[nick].empty());
        }
    }

    static TournamentService::Config tourConfig(const char* relay = "relay.example")
    {
        TournamentService::Config config;
        config.relayAddress = QString::fromLatin1(relay);
        config.relayBasePort = kBasePort;
        config.adminNick = QStringLiteral("admin");
        return config;
    }

    // A new service on the same database (or on `other`, a second store on
    // it): what a restart, or a second instance, sees.
    void restart(TournamentService::Config tournament, Store* other = nullptr)
    {
        Service::Config config;
        config.publicUrl = QStringLiteral("http://olk.example:8765");
        config.account.hashOps = crypto_pwhash_OPSLIMIT_MIN;
        config.account.hashMemory = crypto_pwhash_MEMLIMIT_MIN;
        config.account.clock = [this] { return now; };
        config.tournament = tournament;
        service = std::make_unique<Service>(other ? *other : *store, config);
        for (RateClass c :
             {RateClass::Read, RateClass::Post, RateClass::Login, RateClass::Register}) {
            service->limiter().setRule(c, {1e6, 1e6});
        }
    }

    // The reply as the game's client hands it to a parser: nothing when the
    // service answered with an HTTP error.
    online::Reply tour(const QByteArray& body, const std::string& cookie = {},
                       const std::string& address = "192.0.2.1")
    {
        HttpRequest request;
        request.method = "POST";
        request.path = "/tournament";
        request.body = body;
        request.remoteAddress = address;
        if (!cookie.empty()) {
            request.cookies[AccountService::sessionCookie] = cookie;
        }
        const HttpResponse response = service->handle(request);
        if (response.status != 200) {
            return std::nullopt;
        }
        return response.body;
    }

    // A seat request within `who`'s session (none for nullptr), from
    // `address` or else from an address of the player's own.
    online::TourSeatResult seat(const char* who, int table, int place, SeatAction action,
                                std::string address = {}, const char* nick = nullptr)
    {
        if (address.empty()) {
            int sum = 0;
            for (const char* c = who ? who : "?"; *c != 0; ++c) {
                sum += *c;
            }
            address = "192.0.2." + std::to_string(sum % 250);
        }
        TTevClient client;
        if (action == SeatAction::Take) {
            client.Nick = QString::fromLatin1(nick ? nick : who);
            client.Score = 999999;  // the service keeps its own record instead
            client.Country = QStringLiteral("1-001");
            client.City = QStringLiteral("Omsk");
            client.IP = QStringLiteral("203.0.113.250");
        } else {
            client.Nick = client.Country = client.City = client.IP = QStringLiteral("X");
        }
        const std::string cookie = who ? cookies[who] : std::string();
        return online::parseTourSeat(
            tour(online::tourSeat(table, place, action, client).body(), cookie, address));
    }

    online::TourTablesResult tables()
    {
        return online::parseTourTables(tour(online::tourTables().body()));
    }

    // "table.place=Nick" for every taken place, table 1 first.
    QString occupancy()
    {
        const auto read = tables();
        EXPECT_TRUE(read.ok);
        QStringList taken;
        for (int t = 0; t < 10; ++t) {
            for (int k = 0; k < 4; ++k) {
                const QString& nick = read.tables[t].Places[k].Nick;
                if (nick != QLatin1String("X")) {
                    taken << QStringLiteral("%1.%2=%3").arg(t + 1).arg(k + 1).arg(nick);
                }
            }
        }
        return taken.join(QLatin1Char(' '));
    }

    std::map<std::string, std::string> cookies;
};

TEST_P(TournamentTest, TablesListTableTenFirstWithRelayPortsAndOccupants)
{
    ASSERT_TRUE(store->recordTournamentResult(9, {{QStringLiteral("Anna"), 40, 1500}}));
    ASSERT_EQ(seat("Anna", 3, 1, SeatAction::Take, "198.51.100.7").code, 0);
    ASSERT_EQ(seat("Boris", 10, 1, SeatAction::Take).code, 0);

    const auto read = tables();
    ASSERT_TRUE(read.ok);
    EXPECT_TRUE(read.raw.startsWith("ok$10 10 84 relay.example 9110 Y Boris "));
    for (int t = 1; t <= 10; ++t) {
        const auto& table = read.tables[t - 1];
        EXPECT_EQ(table.Num, t);
        EXPECT_EQ(table.GID, 84);
        EXPECT_EQ(table.IP, QStringLiteral("relay.example"));
        EXPECT_EQ(table.Port, kBasePort + t);
    }
    const auto& anna = read.tables[2].Places[0];
    EXPECT_EQ(anna.Nick, QStringLiteral("Anna"));
    EXPECT_EQ(anna.Score, 40);  // the service's record, not the 999999 sent
    EXPECT_EQ(anna.Kon, 1);
    EXPECT_EQ(anna.Rating, 1500);
    EXPECT_EQ(anna.Country, QStringLiteral("1-001"));
    EXPECT_EQ(anna.City, QStringLiteral("Omsk"));
    EXPECT_EQ(anna.IP, QStringLiteral("X")) << "nobody else learns her address";
    EXPECT_EQ(read.tables[2].State, QStringLiteral("Y"));
    EXPECT_EQ(read.tables[2].Places[1], online::TTevTable_4::Place{});
    EXPECT_EQ(read.tables[0].State, QStringLiteral("X"));

    // Her address as seen, not as sent: told only to a caller at it.
    const auto same = online::parseTourTables(tour(online::tourTables().body(), {}, "198.51.100.7"));
    ASSERT_TRUE(same.ok);
    EXPECT_EQ(same.tables[2].Places[0].IP, QStringLiteral("198.51.100.7"));
    EXPECT_EQ(same.tables[9].Places[0].IP, QStringLiteral("X"));
    const auto one = online::parseTourClientRead(
        tour(online::tourClientRead(3, 1).body(), {}, "198.51.100.7"));
    ASSERT_TRUE(one.ok);
    EXPECT_EQ(one.client,
              (TTevClient{QStringLiteral("Anna"), 40, 1, 1500, QStringLiteral("1-001"),
                          QStringLiteral("Omsk"), u'M', QStringLiteral("198.51.100.7")}));
    EXPECT_EQ(online::parseTourClientRead(tour(online::tourClientRead(3, 1).body())).client.IP,
              QStringLiteral("X"));
    const auto free = online::parseTourClientRead(tour(online::tourClientRead(3, 2).body()));
    ASSERT_TRUE(free.ok);
    EXPECT_EQ(free.client.Nick, QStringLiteral("X"));
}

TEST_P(TournamentTest, PlacesAreTakenInOrderOnePerPlayerAndLeavingFreesTheLaterOnes)
{
    struct Step {
        const char* who;
        int table;
        int place;
        SeatAction action;
        int code;  // 0 "ok", 2 "is", 1 refused
        const char* after;
    };
    const Step steps[] = {
        {"Anna", 1, 2, SeatAction::Take, 1, ""},  // place 1 is still free
        {"Anna", 1, 1, SeatAction::Take, 0, "1.1=Anna"},
        {"Anna", 1, 1, SeatAction::Take, 2, "1.1=Anna"},  // hers already
        {"Anna", 2, 1, SeatAction::Take, 1, "1.1=Anna"},  // one place per player
        {"Boris", 1, 1, SeatAction::Take, 1, "1.1=Anna"},
        {"Boris", 1, 3, SeatAction::Take, 1, "1.1=Anna"},
        {"Boris", 1, 2, SeatAction::Take, 0, "1.1=Anna 1.2=Boris"},
        {"Clara", 1, 3, SeatAction::Take, 0, "1.1=Anna 1.2=Boris 1.3=Clara"},
        {"Dmitri", 1, 4, SeatAction::Take, 0, "1.1=Anna 1.2=Boris 1.3=Clara 1.4=Dmitri"},
        {"Boris", 1, 1, SeatAction::Leave, 1, "1.1=Anna 1.2=Boris 1.3=Clara 1.4=Dmitri"},
        {"Boris", 1, 1, SeatAction::Free, 1, "1.1=Anna 1.2=Boris 1.3=Clara 1.4=Dmitri"},
        {"Boris", 1, 2, SeatAction::Leave, 0, "1.1=Anna"},
        {"Boris", 1, 3, SeatAction::Free, 0, "1.1=Anna"},  // already free: done
        {"Boris", 2, 1, SeatAction::Take, 0, "1.1=Anna 2.1=Boris"},
        {"Clara", 1, 2, SeatAction::Take, 0, "1.1=Anna 1.2=Clara 2.1=Boris"},
        {"Anna", 1, 1, SeatAction::Free, 0, "2.1=Boris"},
        {"Clara", 1, 2, SeatAction::Leave, 0, "2.1=Boris"},
        {"Boris", 2, 1, SeatAction::Leave, 0, ""},
    };
    for (const Step& s : steps) {
        const auto result = seat(s.who, s.table, s.place, s.action);
        EXPECT_EQ(result.code, s.code) << s.who << " " << s.table << "." << s.place;
        EXPECT_EQ(result.ok, s.code != 1);
        EXPECT_EQ(occupancy(), QString::fromLatin1(s.after))
            << s.who << " " << s.table << "." << s.place;
    }
}

TEST_P(TournamentTest, OnlyTheSessionsOwnMemberTakesOrFreesAPlace)
{
    ASSERT_EQ(seat("Anna", 5, 1, SeatAction::Take).code, 0);
    struct Case {
        const char* who;  // whose session; none without one
        const char* nick;
        int place;
        SeatAction action;
    };
    const Case refusals[] = {
        {nullptr, "Boris", 2, SeatAction::Take},
        {nullptr, "Anna", 1, SeatAction::Leave},
        {nullptr, "Anna", 1, SeatAction::Free},
        {"Clara", "Boris", 2, SeatAction::Take},  // another member's nick
        {"Clara", "Anna", 1, SeatAction::Leave},
        {"Clara", "Anna", 1, SeatAction::Free},
    };
    for (const Case& c : refusals) {
        EXPECT_EQ(seat(c.who, 5, c.place, c.action, {}, c.nick).code, 1) << c.nick;
    }
    EXPECT_EQ(seat("Clara", 5, 2, SeatAction::Take, {}, "CLARA").code, 0);
    EXPECT_EQ(occupancy(), QStringLiteral("5.1=Anna 5.2=Clara"));
    // A session that has expired counts as none.
    now += 31 * 24 * 3600;
    EXPECT_EQ(seat("Clara", 5, 2, SeatAction::Leave).code, 1);
}

TEST_P(TournamentTest, TwoPlayersFromOneAddressDoNotShareATable)
{
    struct Case {
        const char* relay;
        const char* who;
        const char* address;
        int code;
    };
    const Case cases[] = {
        {"relay.example", "Boris", "198.51.100.7", 1},
        {"relay.example", "Boris", "198.51.100.8", 0},
        {"relay.example", "Admin", "198.51.100.7", 0},  // the administrator's nick, any case
        {"127.0.0.1", "Boris", "198.51.100.7", 0},      // a relay on this machine
    };
    for (const Case& c : cases) {
        restart(tourConfig(c.relay));
        ASSERT_EQ(seat("Anna", 4, 1, SeatAction::Take, "198.51.100.7").code, 0);
        EXPECT_EQ(seat(c.who, 4, 2, SeatAction::Take, c.address).code, c.code)
            << c.relay << " " << c.who << " " << c.address;
        EXPECT_EQ(seat("Anna", 4, 1, SeatAction::Leave).code, 0);
        EXPECT_EQ(occupancy(), QString());
    }
}

TEST_P(TournamentTest, StatusAndMessageComeFromTheOperator)
{
    const auto open = online::parseTourServerInfo(tour(online::tourServerInfo().body()));
    ASSERT_TRUE(open.ok);
    EXPECT_EQ(open.status, u'Y');

    TournamentService::Config config = tourConfig();
    config.status = u'N';
    config.message = QStringLiteral("Back at 20:00 $ *");
    restart(config);
    const auto closed = online::parseTourServerInfo(tour(online::tourServerInfo().body()));
    ASSERT_TRUE(closed.ok);
    EXPECT_EQ(closed.status, u'N');
    EXPECT_EQ(closed.message, QStringLiteral("Back at 20:00    "));
    // Closed: no place is taken; a place already held can still be left.
    TourSeat held;
    held.table = 7;
    held.place = 1;
    held.nick = QStringLiteral("Anna");
    ASSERT_TRUE(store->takeTourSeat(held, false) == Store::SeatTaken::Done);
    EXPECT_EQ(seat("Boris", 7, 2, SeatAction::Take).code, 1);
    EXPECT_EQ(seat("Anna", 7, 1, SeatAction::Leave).code, 0);
}

TEST_P(TournamentTest, SeatsLiveInTheDatabaseForRestartsAndOtherInstances)
{
    ASSERT_EQ(seat("Anna", 6, 1, SeatAction::Take).code, 0);
    QString error;
    std::unique_ptr<Store> second = Store::open(database, &error);
    ASSERT_TRUE(second) << error.toStdString();
    restart(tourConfig(), second.get());
    EXPECT_EQ(occupancy(), QStringLiteral("6.1=Anna"));
    EXPECT_EQ(seat("Anna", 8, 1, SeatAction::Take).code, 1);
    EXPECT_EQ(seat("Boris", 6, 1, SeatAction::Take).code, 1);
    EXPECT_EQ(seat("Boris", 6, 2, SeatAction::Take).code, 0);
    restart(tourConfig());
    EXPECT_EQ(occupancy(), QStringLiteral("6.1=Anna 6.2=Boris"));
}

TEST_P(TournamentTest, RankingsAndPlacesComeFromTheRecordedResults)
{
    ASSERT_EQ(seat("Anna", 2, 1, SeatAction::Take).code, 0);
    ASSERT_EQ(seat("Boris", 2, 2, SeatAction::Take).code, 0);
    // A result naming a non-member changes nothing.
    EXPECT_FALSE(store->recordTournamentResult(
        2, {{QStringLiteral("Anna"), 10, 1}, {QStringLiteral("Nobody"), 10, 1}}));
    EXPECT_EQ(occupancy(), QStringLiteral("2.1=Anna 2.2=Boris"));
    EXPECT_EQ(
        online::parseTourRatingRead(tour(online::tourRatingRead(QStringLiteral("Anna")).body()))
            .kon,
        0);

    ASSERT_TRUE(store->recordTournamentResult(2, {{QStringLiteral("Anna"), 30, 1200},
                                                  {QStringLiteral("Boris"), -10, 1400},
                                                  {QStringLiteral("Clara"), 5, 1100}}));
    ASSERT_TRUE(store->recordTournamentResult(1, {{QStringLiteral("anna"), 25, 1250}}));
    EXPECT_EQ(occupancy(), QString());  // the game's table is free again

    struct Rating {
        const char* nick;
        int score, kon, rating;
    };
    for (const Rating& r : {Rating{"Anna", 55, 2, 1250}, Rating{"Boris", -10, 1, 1400},
                            Rating{"Dmitri", 0, 0, 0}, Rating{"Nobody", -1, 0, 0}}) {
        const auto read = online::parseTourRatingRead(
            tour(online::tourRatingRead(QString::fromLatin1(r.nick)).body()));
        EXPECT_TRUE(read.ok);
        EXPECT_EQ(read.score, r.score) << r.nick;
        EXPECT_EQ(read.kon, r.kon) << r.nick;
        EXPECT_EQ(read.rating, r.rating) << r.nick;
    }

    struct Ranked {
        TourKind kind;
        const char* order;  // nick:value, best first
        int value;
        int place;
    };
    const Ranked rankings[] = {
        {TourKind::Score, "Anna:55 Clara:5 Boris:-10", 5, 2},
        {TourKind::Rating, "Boris:1400 Anna:1250 Clara:1100", 1300, 2},
        {TourKind::Games, "Anna:2 Boris:1 Clara:1", 2, 1},
    };
    for (const Ranked& r : rankings) {
        const auto top = online::parseTourTopTen(tour(online::tourTopTen(r.kind).body()));
        ASSERT_TRUE(top.ok);
        QStringList order;
        for (const auto& row : top.rows) {
            if (!row.isEmpty()) {
                EXPECT_EQ(row.Place, order.size() + 1);
                EXPECT_EQ(row.City, QStringLiteral("Omsk"));
                EXPECT_EQ(row.Country, QStringLiteral("1-001"));
                EXPECT_EQ(row.R07, QStringLiteral("M"));
                order << row.Nick + QLatin1Char(':') + QString::number(row.Score);
            }
        }
        EXPECT_EQ(order.join(QLatin1Char(' ')), QString::fromLatin1(r.order));
        const auto place = online::parseTourPlace(tour(online::tourPlace(r.kind, r.value).body()));
        EXPECT_TRUE(place.ok);
        EXPECT_EQ(place.value, r.place) << r.order;
    }
}

TEST_P(TournamentTest, HostileBodiesAreRefusedAndChangeNothing)
{
    ASSERT_EQ(seat("Anna", 9, 1, SeatAction::Take).code, 0);
    const QByteArray takeBoris =
        "client4on2=0&gid=84&num=9&can=1&nick2=Boris&score2=0&kon2=0&rating2=0&country2=1-001&"
        "city2=Omsk&sex2=M&ip2=1.2.3.4";
    struct Case {
        QByteArray body;
        const char* cookieOf;
        bool answered;  // a 200 reply (read by the game) rather than an HTTP error
    };
    const Case cases[] = {
        {"", "Boris", false},
        {"hello", "Boris", false},
        {QByteArray(takeBoris).replace("num=9", "num=0"), "Boris", true},
        {QByteArray(takeBoris).replace("num=9", "num=11"), "Boris", true},
        {QByteArray(takeBoris).replace("num=9", "num=9;DROP TABLE tour_seats"), "Boris", true},
        {QByteArray(takeBoris).replace("can=1", "can=3"), "Boris", true},
        {QByteArray(takeBoris).replace("can=1", "can=-1"), "Boris", true},
        {QByteArray(takeBoris).replace("gid=84", "gid=804"), "Boris", true},
        {QByteArray(takeBoris).replace("score2=0", "score2=x"), "Boris", true},
        {QByteArray(takeBoris).replace("client4on2=0", "client4on2=1"), "Boris", true},
        {QByteArray(takeBoris).replace("client4on2", "client3on2"), "Boris", false},
        {QByteArray(takeBoris).replace("client4on2", "client4on5"), "Boris", false},
        {QByteArray(takeBoris).replace("&ip2=1.2.3.4", ""), "Boris", false},
        {QByteArray(takeBoris).replace("nick2=Boris", "nick2=Boris' OR '1'='1"), "Boris", true},
        {"client4on1=0&gid=84&num=9&can=2&nick1=X&score1=0&kon1=0&rating1=0&country1=X&city1=X&"
         "sex1=M&ip1=X",
         "Boris", true},
        {online::listFormBody({{"readclient5", "0"}, {"gid", "84"}, {"num", "9"}}), nullptr, false},
        {online::listFormBody({{"readclient1", "0"}, {"gid", "84"}, {"num", "99999999999"}}),
         nullptr, true},
        {online::listFormBody({{"readtable410", "85"}, {"gid", "84"}}), nullptr, true},
        {online::rawFormBody({{"readrating84", "0"}, {"nick", "x' OR 1=1 --"}}), nullptr, true},
        {online::rawFormBody({{"places84", "0"}, {"score1", "1e9"}}), nullptr, true},
        {online::listFormBody({{"top10x84", "0"}, {"nick", "z"}}), nullptr, false},
        {QByteArray(70 * 1024, 'a'), nullptr, false},
    };
    for (const Case& c : cases) {
        const auto answer = tour(c.body, c.cookieOf ? cookies[c.cookieOf] : std::string());
        EXPECT_EQ(answer.has_value(), c.answered) << c.body.left(80).toStdString();
        if (answer) {
            EXPECT_FALSE(online::parseTourSeat(answer).ok) << c.body.left(80).toStdString();
        }
    }
    EXPECT_EQ(occupancy(), QStringLiteral("9.1=Anna"));
}

TEST(TournamentOptions, TheOperatorSetsRelayStatusAndLimits)
{
    struct Case {
        QStringList arguments;
        bool valid;
        const char* relay;
        int basePort;
        const char* status;
        bool rateLimit;
    };
    const Case cases[] = {
        {{}, true, "127.0.0.1", 8865, "Y", true},
        {{"--public-url", "https://olk.example", "--no-rate-limit"},
         true,
         "olk.example",
         8865,
         "Y",
         false},
        {{"--relay-address", "relay.example", "--relay-base-port", "9000", "--tournament-status",
          "N", "--tournament-message", "Back at eight", "--tournament-admin", "Tev"},
         true,
         "relay.example",
         9000,
         "N",
         true},
        {{"--relay-base-port", "65530"}, false, "", 0, "", true},
        {{"--relay-base-port", "x"}, false, "", 0, "", true},
        {{"--relay-address", "a b"}, false, "", 0, "", true},
        {{"--tournament-status", "YES"}, false, "", 0, "", true},
        {{"--tournament-status", "$"}, false, "", 0, "", true},
        {{"--threads", "0"}, false, "", 0, "", true},
    };
    for (const Case& c : cases) {
        const auto parsed = parseOptions(c.arguments, QStringLiteral("/srv"));
        ASSERT_EQ(std::holds_alternative<Options>(parsed), c.valid)
            << c.arguments.join(' ').toStdString();
        if (const auto* options = std::get_if<Options>(&parsed)) {
            EXPECT_EQ(options->relayAddress, QString::fromLatin1(c.relay));
            EXPECT_EQ(options->relayBasePort, c.basePort);
            EXPECT_EQ(options->tournamentStatus, QString::fromLatin1(c.status));
            EXPECT_EQ(options->rateLimit, c.rateLimit);
        }
    }
    EXPECT_EQ(std::get<Options>(parseOptions({"--threads", "16"}, "/srv")).threads, 16);
    EXPECT_TRUE(std::get<Options>(parseOptions({}, "/srv")).relay);
    EXPECT_FALSE(std::get<Options>(parseOptions({"--no-relay"}, "/srv")).relay);
    for (const char* word :
         {"--relay-address", "--relay-base-port", "--tournament-status", "--tournament-message",
          "--tournament-admin", "--no-rate-limit", "--no-relay", "/tournament"}) {
        EXPECT_TRUE(usage().contains(QLatin1String(word))) << word;
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, TournamentTest, ::testing::Values("sqlite", "postgresql"),
                         backendName);

}  // namespace
}  // namespace olk::service::testing
