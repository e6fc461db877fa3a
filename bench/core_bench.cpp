// Speed of the rules engine. The goal: at least 300,000 whole computer deals
// a second on one core (BM_ComputerDeal below, and olk-sim's summary line).

#include <benchmark/benchmark.h>

#include <vector>

#include "core/game_engine.h"
#include "core/hand_value.h"
#include "core/opponent.h"
#include "core/seat_plan.h"

namespace olk {
namespace {

// Mid-deal tables from real play, so that the branches see realistic hands.
std::vector<TableState> sampleTables(bool discardPhase)
{
    std::vector<TableState> tables;
    GameEngine engine(nullptr, Rng(12345));
    engine.setProfile({"Bench", 0, 0, 0.0});
    for (int deal = 0; tables.size() < 4096; ++deal) {
        engine.startDeal(deal > 0);
        engine.beginPlay(false);
        while (engine.state().turnState != turn::kDealOver) {
            const int ts = engine.state().turnState;
            if (discardPhase ? turn::isDiscardPhase(ts) : turn::isTakePhase(ts)) {
                tables.push_back(engine.state());
            }
            engine.playComputerAction(false);
        }
    }
    return tables;
}

void BM_HandValue(benchmark::State& state)
{
    std::vector<HandCells> hands;
    for (const TableState& table : sampleTables(false)) {
        hands.push_back(table.players[turn::seatOf(table.turnState)].cells);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(handValue(hands[i++ & 4095], true));
    }
}
BENCHMARK(BM_HandValue);

void BM_ChooseTake(benchmark::State& state)
{
    const std::vector<TableState> tables = sampleTables(false);
    std::size_t i = 0;
    for (auto _ : state) {
        const TableState& table = tables[i++ & 4095];
        benchmark::DoNotOptimize(chooseTake(table, turn::seatOf(table.turnState), true));
    }
}
BENCHMARK(BM_ChooseTake);

void BM_ChooseDiscard(benchmark::State& state)
{
    const std::vector<TableState> tables = sampleTables(true);
    std::size_t i = 0;
    for (auto _ : state) {
        const TableState& table = tables[i++ & 4095];
        benchmark::DoNotOptimize(chooseDiscard(table, turn::seatOf(table.turnState), true));
    }
}
BENCHMARK(BM_ChooseDiscard);

void BM_Shuffle(benchmark::State& state)
{
    Rng rng(7);
    DeckCells deck;
    for (auto _ : state) {
        shuffleDeck(deck, rng);
        benchmark::DoNotOptimize(deck);
    }
}
BENCHMARK(BM_Shuffle);

// One whole deal among four computer seats: deal, play, score.
void BM_ComputerDeal(benchmark::State& state)
{
    GameEngine engine(nullptr, Rng(1));
    engine.setProfile({"Bench", 0, 0, 0.0});
    engine.startDeal(false);
    const SeatPlan plan = SeatPlan::allComputer();
    for (auto _ : state) {
        engine.startDeal(true);
        engine.beginPlay(false);
        while (driveTurn(engine, plan)) {
        }
        benchmark::DoNotOptimize(engine.state().players[4].balance);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputerDeal);

}  // namespace
}  // namespace olk
