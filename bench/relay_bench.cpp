// The tournament relay with all ten tables busy: forty raw participants in
// one process play ten games at once through an in-process relay (its own
// thread, a SQLite store), and each move frame is timed from its sender's
// write to its arrival at each of the other three (median and 99th
// percentile; the goal is under 1 ms on loopback). One iteration is one
// round of ten whole four-deal games.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <deque>
#include <memory>
#include <vector>

#include "service/relay.h"
#include "service/store.h"
#include "tests/service/relay_player.h"

namespace {

using namespace olk;
using namespace olk::service;
using olk::service::testing::RelayPlayer;

constexpr int kTables = 10;

QString nickOf(int table, int place)
{
    return QStringLiteral("T%1P%2").arg(table).arg(place);
}

// The send times of one table's moves, in the order the relay passes them on.
struct TableClock {
    struct Sent {
        int place;
        qint64 at;
    };
    std::vector<Sent> sent;
    OneBasedArray<std::size_t, kSeats> cursor{};
};

void BM_RelayTenTables(benchmark::State& state)
{
    QTemporaryDir folder;
    QString error;
    auto store = Store::open(QStringLiteral("sqlite:") + folder.filePath("bench.sqlite"), &error);
    if (!store) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    for (int t = 1; t <= kTables; ++t) {
        for (int p = 1; p <= kSeats; ++p) {
            Member m;
            m.nick = nickOf(t, p);
            m.city = m.country1 = m.country2 = m.sex = QStringLiteral("M");
            m.email = m.nick + QStringLiteral("@example.org");
            m.dateR = QStringLiteral("10.12.2026");
            m.r01 = m.r02 = m.r03 = QStringLiteral("x");
            store->createMember(m, QStringLiteral("hash"));
        }
    }
    Relay::Config config;
    config.framesPerSecond = 1'000'000;  // these players move at machine speed
    config.lingerMilliseconds = 10;
    std::unique_ptr<Relay> relay;
    for (int attempt = 0; attempt < 20 && !relay; ++attempt) {
        config.basePort = 20000 + QRandomGenerator::global()->bounded(30000);
        relay = std::make_unique<Relay>(*store, config);
        if (!relay->start(&error)) {
            relay.reset();
        }
    }
    if (!relay) {
        state.SkipWithError("no free ports");
        return;
    }

    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> samples;
    int games = 0;
    for (auto _ : state) {
        std::vector<std::unique_ptr<RelayPlayer>> players;
        std::vector<TableClock> clocks(kTables + 1);
        for (int t = 1; t <= kTables; ++t) {
            for (int p = 1; p <= kSeats; ++p) {
                TourSeat seat;
                seat.table = t;
                seat.place = p;
                seat.nick = nickOf(t, p);
                seat.ip = QStringLiteral("127.0.0.1");
                store->takeTourSeat(seat, false);
            }
            for (int p = 1; p <= kSeats; ++p) {
                auto player =
                    std::make_unique<RelayPlayer>(p, static_cast<quint16>(config.basePort + t));
                TableClock& tc = clocks[static_cast<std::size_t>(t)];
                player->onSend = [&tc, &clock, p](const QByteArray& bytes) {
                    if (bytes.startsWith('h')) {
                        tc.sent.push_back({p, clock.nsecsElapsed()});
                    }
                };
                player->onMove = [&tc, &clock, &samples, p](const net::MoveMessage&) {
                    const qint64 now = clock.nsecsElapsed();
                    std::size_t& i = tc.cursor[p];
                    while (i < tc.sent.size() && tc.sent[i].place == p) {
                        ++i;
                    }
                    if (i < tc.sent.size()) {
                        samples.push_back(now - tc.sent[i].at);
                        ++i;
                    }
                };
                players.push_back(std::move(player));
            }
        }
        const bool done = testing::waitFor(
            [&] {
                return std::all_of(players.begin(), players.end(),
                                   [](const auto& p) { return p->gameEnded(); });
            },
            60000);
        if (!done) {
            state.SkipWithError("a game did not finish");
            break;
        }
        games += kTables;
        // The places are free again once every result is recorded.
        testing::waitFor([&] { return relay->gamesRecorded() == games; }, 10000);
    }
    std::sort(samples.begin(), samples.end());
    if (!samples.empty()) {
        state.counters["frames"] = static_cast<double>(samples.size());
        state.counters["median_ms"] = samples[samples.size() / 2] / 1e6;
        state.counters["p99_ms"] = samples[samples.size() * 99 / 100] / 1e6;
    }
    state.counters["games_per_s"] =
        benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
    relay->stop();
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

BENCHMARK(BM_RelayTenTables)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();
