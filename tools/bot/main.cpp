// olk-bot: a network player without a window, for tests, benchmarks and
// anyone who wants to try the network game alone. It plays its own seat as
// the computer opponent does; as the host it also plays the seats nobody
// took. No pauses, no flights.
//
//   olk-bot --host PORT [--name NAME] [--players N] [--wait-seconds S] [--seed S]
//   olk-bot --join ADDRESS:PORT [--name NAME]
//
// It writes one line for each of: its role ("role R"), the four names in
// role order ("names A|B|C|D"), every deal as dealt ("deal D deck C1 ... C52",
// card codes as olk-sim --decks reads them), every deal's end ("end D
// balances B1 B2 B3 B4", by role), and finally "match complete" (exit 0). A
// match that cannot go on: "match abandoned: REASON" (exit 3). Cannot listen,
// connect or find players: a message on standard error (exit 2).

#include <QCoreApplication>
#include <QTimer>
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
#include "session/game_session.h"

namespace {

using namespace olk;

struct Options {
    bool host = false;
    quint16 port = 0;
    QString address;
    QByteArray name = "Bot";
    int players = 1;
    int waitSeconds = 30;
    std::optional<std::uint64_t> seed;
};

constexpr const char* kUsage =
    "usage: olk-bot --host PORT [--name NAME] [--players N] [--wait-seconds S] [--seed S]\n"
    "       olk-bot --join ADDRESS:PORT [--name NAME]\n";

std::optional<long long> number(const QString& text, long long min, long long max)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    return ok && value >= min && value <= max ? std::optional<long long>(value) : std::nullopt;
}

// The options, or a message for standard error.
std::variant<Options, std::string> parse(const QStringList& args)
{
    Options options;
    bool mode = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (i + 1 >= args.size()) {
            return "missing value after " + arg.toStdString();
        }
        const QString value = args[++i];
        if (arg == QLatin1String("--host")) {
            const auto port = number(value, 1, 65535);
            if (!port) {
                return "--host needs a port 1..65535";
            }
            options.host = true;
            options.port = static_cast<quint16>(*port);
            mode = true;
        } else if (arg == QLatin1String("--join")) {
            const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
            const auto port = colon > 0 ? number(value.mid(colon + 1), 1, 65535) : std::nullopt;
            if (!port) {
                return "--join needs ADDRESS:PORT";
            }
            options.address = value.left(colon);
            options.port = static_cast<quint16>(*port);
            mode = true;
        } else if (arg == QLatin1String("--name")) {
            const auto bytes = cp1251::fromUtf8(value.toStdString());
            if (!bytes || bytes->empty()) {
                return "--name needs a name in Latin or Cyrillic letters";
            }
            options.name = QByteArray::fromStdString(*bytes);
        } else if (arg == QLatin1String("--players")) {
            const auto players = number(value, 1, 3);
            if (!players) {
                return "--players needs 1, 2 or 3";
            }
            options.players = static_cast<int>(*players);
        } else if (arg == QLatin1String("--wait-seconds")) {
            const auto seconds = number(value, 0, 86400);
            if (!seconds) {
                return "--wait-seconds needs 0..86400";
            }
            options.waitSeconds = static_cast<int>(*seconds);
        } else if (arg == QLatin1String("--seed")) {
            bool ok = false;
            const qulonglong seed = value.toULongLong(&ok);
            if (!ok) {
                return "--seed needs a number";
            }
            options.seed = seed;
        } else {
            return "unknown option " + arg.toStdString();
        }
    }
    if (!mode) {
        return std::string("say --host PORT or --join ADDRESS:PORT");
    }
    return options;
}

// Writes the deals and their ends as the bot sees them.
class Transcript : public TableObserver {
public:
    explicit Transcript(const GameEngine& engine) : m_engine(engine) {}

    // Called once the match's first deal is laid: everybody has joined.
    std::function<void()> beforeFirstDeal;

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

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const auto parsed = parse(app.arguments());
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "olk-bot: %s\n%s", error->c_str(), kUsage);
        return 2;
    }
    const Options& options = std::get<Options>(parsed);

    GameSession session(options.seed ? Rng(*options.seed) : Rng::fromClock());
    Transcript transcript(session.engine());
    session.setView(&transcript);
    session.engine().setup().flyingCards = false;
    const std::string shown = cp1251::toUtf8(options.name.left(4).toStdString());
    const Profile profile{shown, 0, 0, 0.0};

    std::unique_ptr<net::HostLink> host;
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

    if (options.host) {
        host = std::make_unique<net::HostLink>(session);
        host->setHostName(options.name);
        if (!host->listen(options.port)) {
            std::fprintf(stderr, "olk-bot: cannot listen on port %u\n", options.port);
            return 2;
        }
        QObject::connect(host.get(), &net::HostLink::peerLost,
                         [] { abandon("a player left or broke the rules"); });
        start = [&] {
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
