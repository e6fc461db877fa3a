// Speed of the table's drawing. Goals: one flight step at "Large window"
// under 0.5 ms; a full repaint of the table at 1520 x 1000 under 10 ms;
// resampling all 52 faces and 7 backs for "Average window 2" under 150 ms.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "extras/card_pictures.h"
#include "table/card_flight.h"
#include "table/table_view.h"

namespace olk {
namespace {

void BM_FlightStepLargeWindow(benchmark::State& state)
{
    QImage frame(1520, 1000, QImage::Format_RGB32);
    frame.fill(Qt::darkGreen);
    QImage sprite(146, 198, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::white);
    CardFlyer flyer;
    constexpr int kSteps = 600;
    for (auto _ : state) {
        flyer.fly(frame, sprite, {100, 100}, {100 + kSteps, 400}, 5, [](const QRect&) {});
    }
    state.SetItemsProcessed(state.iterations() * kSteps);  // steps per second
}
BENCHMARK(BM_FlightStepLargeWindow)->Unit(benchmark::kMillisecond);

void BM_RepaintTableLargeWindow(benchmark::State& state)
{
    Settings settings;
    settings.windowSize = 5;
    GameSession session(Rng(3));
    TableView view(session, settings);
    view.resize(1520, 1000);
    view.applyWindowSize();
    view.startLocalGame({"Mr.X", 0, 0, 0.0});
    for (auto _ : state) {
        view.redrawAll();
    }
}
BENCHMARK(BM_RepaintTableLargeWindow)->Unit(benchmark::kMillisecond);

void BM_ResampleCardsAverageWindow2(benchmark::State& state)
{
    CardPictures pictures;
    for (auto _ : state) {
        pictures.load(DrawingClass::Scaled, 121, 163, 14);
    }
}
BENCHMARK(BM_ResampleCardsAverageWindow2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace olk

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
