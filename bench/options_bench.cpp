// Opening the options dialog, as the menu's "Options" button does: built,
// laid out, its texts set and shown on the screen. Goal: under 100 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "options/options_dialog.h"

namespace olk {
namespace {

void BM_OpenOptionsDialog(benchmark::State& state)
{
    QTemporaryDir folder;
    Settings settings;
    OptionsEnvironment environment;
    environment.programFolder = folder.path();
    environment.screen = QSize(1920, 1080);
    for (auto _ : state) {
        OptionsDialog dialog(settings, environment);
        dialog.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(dialog.isVisible());
    }
}
BENCHMARK(BM_OpenOptionsDialog)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace olk

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
