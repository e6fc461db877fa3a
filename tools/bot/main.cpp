// olk-bot: a network player without a window, for tests, benchmarks and
// anyone who wants to try the network game or the tournament alone. It
// plays its own seat as the computer opponent does; as the host it also
// plays the seats nobody took. No pauses, no flights.
//
//   olk-bot --host PORT [--name NAME] [--players N] [--wait-seconds S] [--seed S]
//   olk-bot --join ADDRESS:PORT [--name NAME]
//   olk-bot --tournament SERVICE_URL --table T --place K --nick NICK --password PW
//           [--slow SECONDS] [--wait-seconds S]
//
// It writes one line for each of: its role ("role R"; in a tournament the
// place), the four names in role order ("names A|B|C|D"; in a tournament the
// nicks by place), every deal as dealt ("deal D deck C1 ... C52", card codes
// as olk-sim --decks reads them), every deal's end ("end D balances B1 B2 B3
// B4", by role or place), and finally "match complete" (exit 0). A match
// that cannot go on: "match abandoned: REASON" (exit 3). Cannot listen,
// connect, log in, take the place or find players: a message on standard
// error (exit 2).
//
// In a tournament it logs in to the account at the olk-service of
// SERVICE_URL ("http://host:port"), reads the table list for the address
// and the port of table T's relay, takes place K at table T, waits until
// all four places are taken (--wait-seconds, 120 by default; the place is
// given back when they are not), and plays the game through the relay.
// Place 1 begins every deal and asks for the next one. --slow waits that
// long before each of its own moves (a move clock may run out meanwhile).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "core/card.h"
#include "core/cp1251.h"
#include "core/seats.h"
#include "net/direct_link.h"
#include "net/lan_discovery.h"
#include "net/relay_link.h"
#include "online/requests.h"
#include "online/service_client.h"
#include "session/game_session.h"
#include "settings/address_cipher.h"
#include "tools/bot/bot_options.h"

namespace {

using namespace olk;
using bot::BotOptions;

// Writes the deals and their ends as the bot sees them.
class Transcript : public TableObserver {
public:
    explicit Transcript(const GameEngine& engine) : m_engine(engine) {}

    // Called once the match's first deal is laid: everybody has joined.
    std::function<void()> beforeFirstDeal;
    // Deals that came to their end.
    int dealsEnded = 0;

    // The end of startDeal: the deck is the deal's.
    void setDealNumberHint(int, int) override
    {
        const TableState& st = m_engine.state();
        if (st.gameDeals == 1 && beforeFirstDeal) {
            beforeFirstDeal();
            beforeFirstDeal = nullptr;
        }
        std::string line = "deal " + std::to_string(st.gameDeals) + " deck";
        for (int i = 1; i <= kDeckCards; ++i) {
            line += ' ' + cardToUtf8(st.deck[i].code);
        }
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    }

    void dealEnded(const DealResult&) override
    {
        ++dealsEnded;
        const TableState& st = m_engine.state();
        const int own = m_engine.setup().ownRole;
        std::printf("end %d balances", st.gameDeals);
        for (int role = 1; role <= kSeats; ++role) {
            std::printf(" %d", st.players[seatOfRole(own, role)].balance);
        }
        std::printf("\n");
        std::fflush(stdout);
    }

private:
    const GameEngine& m_engine;
};

void printNames(const net::NameBlock& names)
{
    std::string line = "names ";
    for (int role = 1; role <= kSeats; ++role) {
        line += cp1251::toUtf8(names[role].toStdString()) + (role < kSeats ? "|" : "");
    }
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

[[noreturn]] void abandon(const char* reason)
{
    std::printf("match abandoned: %s\n", reason);
    std::fflush(stdout);
    std::exit(3);
}

int runDirect(QCoreApplication& app, const BotOptions& options)
{
    GameSession session(options.seed ? Rng(*options.seed) : Rng::fromClock());
    Transcript transcript(session.engine());
    session.setView(&transcript);
    session.engine().setup().flyingCards = false;
    const std::string shown = cp1251::toUtf8(options.name.left(4).toStdString());
    const Profile profile{shown, 0, 0, 0.0};

    std::unique_ptr<net::HostLink> host;
    net::LanAnnouncer announcer;
    std::unique_ptr<net::JoinLink> joined;
    bool finished = false;
    std::function<void()> start;

    // Plays whatever this machine plays, as fast as the messages allow.
    QTimer play;
    play.setInterval(0);
    QObject::connect(&play, &QTimer::timeout, [&] {
        GameEngine& engine = session.engine();
        const TableState& st = engine.state();
        if (!st.gameActive || finished) {
            return;
        }
        if (st.turnState == turn::kDealOver) {
            if (st.matchOver) {
                finished = true;
                std::printf("match complete\n");
                std::fflush(stdout);
                // Let the last messages go out before the connection closes.
                QTimer::singleShot(300, &app, [] { QCoreApplication::exit(0); });
            } else if (host && engine.buttons().firstEnabled) {
                session.pressFirstButton();  // "Next game"
            }
            return;
        }
        if (st.playPhase == 1) {
            if (host && engine.buttons().firstEnabled) {
                session.pressFirstButton();  // "To Begin"
            }
            return;
        }
        if (turn::seatOf(st.turnState) == kLocalSeat) {
            engine.playComputerAction(true);
        } else if (host) {
            session.onTick();
        }
    });

    if (options.mode == BotOptions::Mode::Host) {
        host = std::make_unique<net::HostLink>(session);
        host->setHostName(options.name);
        if (!host->listen(options.port)) {
            std::fprintf(stderr, "olk-bot: cannot listen on port %u\n", options.port);
            return 2;
        }
        QObject::connect(host.get(), &net::HostLink::peerLost,
                         [] { abandon("a player left or broke the rules"); });
        // Heard on the local network while it waits, like a game's host.
        announcer.start(
            {QString::fromStdString(cp1251::toUtf8(options.name.toStdString())), host->port(), 3});
        start = [&] {
            announcer.stop();
            if (host->joinedPlayers() == 0) {
                std::fprintf(stderr, "olk-bot: nobody joined\n");
                QCoreApplication::exit(2);
                return;
            }
            std::printf("role 1\n");
            transcript.beforeFirstDeal = [&] { printNames(host->names()); };
            host->startMatch(profile);
            play.start();
        };
        QObject::connect(host.get(), &net::HostLink::playerJoined,
                         [&](int count, const QByteArray&) {
                             announcer.setFreeSeats(3 - count);
                             if (count >= options.players && !play.isActive()) {
                                 start();
                             }
                         });
        QTimer::singleShot(options.waitSeconds * 1000, [&] {
            if (!play.isActive()) {
                start();
            }
        });
    } else {
        joined = std::make_unique<net::JoinLink>(session);
        transcript.beforeFirstDeal = [&] { printNames(joined->names()); };
        QObject::connect(joined.get(), &net::JoinLink::accepted, [&](int role) {
            std::printf("role %d\n", role);
            std::fflush(stdout);
            play.start();
        });
        QObject::connect(joined.get(), &net::JoinLink::noGamesFound, [&] {
            std::fprintf(stderr, "olk-bot: no game at %s:%u\n", qPrintable(options.address),
                         options.port);
            QCoreApplication::exit(2);
        });
        QObject::connect(joined.get(), &net::JoinLink::matchAborted,
                         [] { abandon("the host ended the match"); });
        joined->connectToHost(options.address, options.port, options.name, profile);
    }
    return app.exec();
}

// ------------------------------------------------------------ tournament

void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The service's addresses under its root, as the game's online session
// points them at an olk-service.
void useService(online::ServiceClient& client, const QString& base)
{
    QString root = QUrl(base).adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment).toString();
    while (root.endsWith(u'/')) {
        root.chop(1);
    }
    client.setAddress(online::Endpoint::Account, encipherAddress(root + "/account"));
    client.setAddress(online::Endpoint::Tournament, encipherAddress(root + "/tournament"));
}

// A place record that frees a place: "X" texts and zero numbers.
online::TTevClient emptyPlace()
{
    online::TTevClient x;
    x.Nick = x.Country = x.City = x.IP = QStringLiteral("X");
    x.Sex = u'X';
    return x;
}

int failTournament(const std::string& message)
{
    std::fprintf(stderr, "olk-bot: %s\n", message.c_str());
    return 2;
}

int runTournament(QCoreApplication& app, const BotOptions& options)
{
    using namespace online;
    ServiceClient client;
    useService(client, options.serviceUrl);
    const std::string who = options.nick.toStdString();

    const LoginResult login =
        parseAccountLogin(sendAndWait(client, accountLogin(options.nick, options.password)),
                          TTevUser{}, options.nick, options.password);
    if (!login.ok) {
        return failTournament("cannot log in as " + who);
    }
    TTevClient me;
    me.Nick = options.nick;
    me.Country = login.user.Country1;
    me.City = login.user.City;
    me.Sex = login.user.Sex;
    me.IP = QStringLiteral("127.0.0.1");  // the service takes the address it sees
    const TourRatingResult rating =
        parseTourRatingRead(sendAndWait(client, tourRatingRead(options.nick)));
    if (rating.ok && rating.score >= 0) {
        me.Score = rating.score;
        me.Kon = rating.kon;
        me.Rating = rating.rating;
    }

    const TourTablesResult tables = parseTourTables(sendAndWait(client, tourTables()));
    if (!tables.ok) {
        return failTournament("cannot read the tournament tables");
    }
    // Each table's record holds its own relay address and port.
    const TTevTable_4& record = tables.tables[static_cast<std::size_t>(options.table - 1)];
    if (record.Port < 1 || record.Port > 65535 || record.IP.isEmpty() ||
        record.IP == QLatin1String("0.0.0.0")) {
        return failTournament("table " + std::to_string(options.table) + " has no relay");
    }
    const QString relayAddress = record.IP;
    const auto relayPort = static_cast<quint16>(record.Port);

    // A place after the first is offered only while the one before it is
    // taken: wait for it, as a player at the tournament window would.
    QElapsedTimer waited;
    waited.start();
    const auto timeLeft = [&] { return waited.elapsed() <= options.waitSeconds * 1000LL; };
    const auto nickAt = [&](const TourTablesResult& list, int place) {
        return list.tables[static_cast<std::size_t>(options.table - 1)]
            .Places[static_cast<std::size_t>(place - 1)]
            .Nick;
    };
    const auto isTaken = [](const QString& nick) {
        return !nick.isEmpty() && nick != QLatin1String("X");
    };
    for (TourTablesResult list = tables;
         options.place > 1 && !(list.ok && isTaken(nickAt(list, options.place - 1)));
         list = parseTourTables(sendAndWait(client, tourTables()))) {
        if (!timeLeft()) {
            return failTournament("place " + std::to_string(options.place - 1) + " was not taken");
        }
        waitMs(200);
    }

    const TourSeatResult seated = parseTourSeat(
        sendAndWait(client, tourSeat(options.table, options.place, SeatAction::Take, me)));
    if (!seated.ok) {
        return failTournament("cannot take place " + std::to_string(options.place) + " at table " +
                              std::to_string(options.table));
    }
    const auto giveBack = [&] {
        sendAndWait(client,
                    tourSeat(options.table, options.place, SeatAction::Leave, emptyPlace()));
    };

    // The relay deals once all four are there; their nicks are the names.
    OneBasedArray<std::string, kSeats> nicks;
    for (;;) {
        const TourTablesResult now = parseTourTables(sendAndWait(client, tourTables()));
        if (now.ok) {
            bool full = true;
            for (int place = 1; place <= kSeats; ++place) {
                const QString nick = nickAt(now, place);
                full = full && isTaken(nick);
                nicks[place] = nick.toStdString();
            }
            if (nicks[options.place] != who) {
                return failTournament("place " + std::to_string(options.place) +
                                      " is not ours any more");
            }
            if (full) {
                break;
            }
        }
        if (!timeLeft()) {
            giveBack();
            return failTournament("the table did not fill");
        }
        waitMs(200);
    }

    GameSession session(options.seed ? Rng(*options.seed) : Rng::fromClock());
    Transcript transcript(session.engine());
    session.setView(&transcript);
    session.engine().setup().flyingCards = false;
    net::RelayLink link(session);
    link.setPlaceNames(nicks);
    transcript.beforeFirstDeal = [&] {
        std::string line = "names ";
        for (int place = 1; place <= kSeats; ++place) {
            line += nicks[place] + (place < kSeats ? "|" : "");
        }
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    };

    bool finished = false;
    const auto end = [&](int code, const std::string& line) {
        if (finished) {
            return;
        }
        finished = true;
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
        // What is still to go out ("TOut", "o") goes before the end.
        QTimer::singleShot(200, &app, [code] { QCoreApplication::exit(code); });
    };
    const auto complete = [&] { return transcript.dealsEnded == kMatchDeals; };
    const auto abandonWith = [&](const std::string& reason) {
        end(3, "match abandoned: " + reason);
    };

    QObject::connect(&link, &net::RelayLink::gameEnded, [&] {
        if (complete()) {
            end(0, "match complete");
        } else {
            abandonWith("the relay ended the game");
        }
    });
    QObject::connect(&link, &net::RelayLink::playerLeft, [&](int place, int) {
        abandonWith("place " + std::to_string(place) + " left the table");
    });
    QObject::connect(&link, &net::RelayLink::playerTimedOut, [&](int place, int) {
        abandonWith("place " + std::to_string(place) + " ran out of time");
    });
    QObject::connect(&link, &net::RelayLink::localTimeUp, [&] { abandonWith("our time is up"); });
    QObject::connect(&link, &net::RelayLink::connectionLost,
                     [&] { abandonWith("lost the connection with the relay"); });
    QObject::connect(&link, &net::RelayLink::connectionError, [&] {
        if (!finished) {
            finished = true;
            std::fprintf(stderr, "olk-bot: cannot play at the relay %s:%u\n",
                         qPrintable(relayAddress), relayPort);
            QCoreApplication::exit(2);
        }
    });

    // Plays its own seat; place 1 also presses "To Begin" and "Next game".
    // With --slow, each own move waits that long first.
    QElapsedTimer turnWaited;
    int turnKey = -1;
    QTimer play;
    play.setInterval(2);
    QObject::connect(&play, &QTimer::timeout, [&] {
        GameEngine& engine = session.engine();
        const TableState& st = engine.state();
        if (finished || !link.hasGameStarted() || session.tournamentEnded()) {
            return;
        }
        if (st.turnState == turn::kDealOver) {
            if (st.matchOver && complete()) {
                // The relay's "e" follows place 1's balances; do not wait for
                // ever.
                QTimer::singleShot(3000, &app, [&] { end(0, "match complete"); });
                play.stop();
            } else if (engine.buttons().firstEnabled) {
                session.pressFirstButton();  // "Next game": "bnext"
            }
            return;
        }
        if (st.playPhase == 1) {
            if (engine.buttons().firstEnabled) {
                session.pressFirstButton();  // "To Begin"
            }
            return;
        }
        if (st.playPhase == 2 && turn::seatOf(st.turnState) == kLocalSeat) {
            const int key = st.moveCount * 16 + st.turnState;
            if (key != turnKey) {
                turnKey = key;
                turnWaited.start();
            }
            if (turnWaited.elapsed() >= options.slowMs) {
                engine.playComputerAction(true);
            }
        }
    });

    std::printf("role %d\n", options.place);
    std::fflush(stdout);
    const Profile profile{who, 0, me.Score, static_cast<double>(me.Rating)};
    link.connectToRelay(relayAddress, relayPort, options.place, profile);
    play.start();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        std::fputs(bot::kBotUsage, stdout);
        return 0;
    }
    const auto parsed = bot::parseBotOptions(arguments);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "olk-bot: %s\n%s", error->c_str(), bot::kBotUsage);
        return 2;
    }
    const BotOptions& options = std::get<BotOptions>(parsed);
    if (options.mode == BotOptions::Mode::Tournament) {
        return runTournament(app, options);
    }
    return runDirect(app, options);
}
