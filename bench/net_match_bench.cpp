// Whole network matches over loopback: a host and three joined players, each
// with its own session and TCP connection, in one process; the players join
// anew for every match. Reports matches a second and how long a joined
// player's move takes to be applied by the host and the two other joined
// players (median and 99th percentile).

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <memory>
#include <tuple>
#include <vector>

#include "net/direct_link.h"

namespace {

using namespace olk;

struct Table {
    GameSession host{Rng(1)};
    net::HostLink hostLink{host};
    std::vector<std::unique_ptr<GameSession>> sessions;
    std::vector<std::unique_ptr<net::JoinLink>> links;

    Table()
    {
        hostLink.setHostName("Host");
        hostLink.listen(0, QHostAddress::LocalHost);
        for (int i = 0; i < 3; ++i) {
            sessions.push_back(std::make_unique<GameSession>(Rng(10 + i)));
            links.push_back(std::make_unique<net::JoinLink>(*sessions.back()));
            const QByteArray name = QByteArray("Bot") + char('1' + i);
            links.back()->connectToHost("127.0.0.1", hostLink.port(), name,
                                        {name.toStdString(), 0, 0, 0});
            while (!links.back()->isAccepted()) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
            }
        }
    }

    std::vector<GameEngine*> engines()
    {
        std::vector<GameEngine*> all{&host.engine()};
        for (auto& session : sessions) {
            all.push_back(&session->engine());
        }
        return all;
    }

    // Where a table stands, the same in every participant's view: every
    // move changes it (a take the deck or the pile, a discard the pile).
    static std::tuple<int, int, int, int> position(const GameEngine& engine)
    {
        const TableState& st = engine.state();
        return {st.gameDeals, st.moveCount, st.pileCount, st.nextDeckIndex};
    }

    // Plays one whole match; the latencies of the joined players' moves, in
    // microseconds, go to `latencies`.
    void playMatch(std::vector<double>& latencies)
    {
        hostLink.startMatch({"Host", 0, 0, 0});
        const std::vector<GameEngine*> all = engines();
        auto settled = [&] {
            for (GameEngine* engine : all) {
                if (engine->setup().awaitingFirstDeal) {
                    return false;
                }
            }
            return true;
        };
        while (!settled()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
        for (int deal = 1; deal <= 4; ++deal) {
            host.pressFirstButton();
            while (true) {
                bool over = true;
                for (GameEngine* engine : all) {
                    over = over && engine->state().turnState == turn::kDealOver;
                }
                if (over) {
                    break;
                }
                GameEngine& hostEngine = host.engine();
                if (turn::seatOf(hostEngine.state().turnState) == kLocalSeat) {
                    hostEngine.playComputerAction(true);
                }
                for (std::size_t i = 0; i < sessions.size(); ++i) {
                    GameEngine& engine = sessions[i]->engine();
                    if (turn::seatOf(engine.state().turnState) != kLocalSeat ||
                        engine.state().playPhase != 2) {
                        continue;
                    }
                    QElapsedTimer clock;
                    clock.start();
                    engine.playComputerAction(true);
                    // Until everybody else applied it: nobody else moves
                    // meanwhile, so every table then stands where this one does.
                    const auto target = position(engine);
                    auto applied = [&] {
                        for (GameEngine* other : all) {
                            if (position(*other) != target) {
                                return false;
                            }
                        }
                        return true;
                    };
                    while (!applied()) {
                        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
                    }
                    latencies.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
                }
                host.onTick();
                QCoreApplication::processEvents();
            }
            if (deal < 4) {
                host.pressFirstButton();  // "Next game"
            }
        }
    }
};

void BM_LoopbackMatch(benchmark::State& state)
{
    int argc = 1;
    char name[] = "olk_net_match_bench";
    char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    std::vector<double> latencies;
    for (auto _ : state) {
        // A match is played once: the players join anew for the next one.
        Table table;
        table.playMatch(latencies);
    }
    std::sort(latencies.begin(), latencies.end());
    if (!latencies.empty()) {
        state.counters["move_us_median"] = latencies[latencies.size() / 2];
        state.counters["move_us_p99"] = latencies[latencies.size() * 99 / 100];
    }
    state.counters["matches_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LoopbackMatch)->Iterations(100)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
