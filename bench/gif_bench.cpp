// Recording deals as animated GIFs. Goals: writing a 250-frame recording of
// the 760 x 500 table under 2 s on one core; one tick of TimerGIF (grab the
// table, compare with the last picture, keep what changed) under 2 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

#include "extras/gif_recorder.h"
#include "table/table_view.h"

namespace olk {
namespace {

// A table playing deals by itself (the local seat too), rendered as the game
// renders it.
struct PlayingTable {
    PlayingTable() : session(Rng(5)), view(session, settings)
    {
        settings.saveGamesAsGif = true;
        view.flyer().setSleeper([](int) {});
        view.resize(760, 500);
        view.applyWindowSize();
        view.startLocalGame({"Mr.X", 0, 0, 0.0});
        session.engine().beginPlay(false);
    }

    // One step of play: a move of whoever's turn it is, or the next deal.
    void step()
    {
        GameEngine& engine = session.engine();
        if (engine.state().turnState == turn::kDealOver) {
            engine.startDeal(true);
            engine.beginPlay(false);
        } else {
            engine.playComputerAction(false);
        }
    }

    Settings settings;
    GameSession session;
    TableView view;
};

// 250 frames as TimerGIF takes them from deals being played: each frame is
// the part of the table one move changed.
GifRecording playedRecording()
{
    PlayingTable table;
    GifRecorder recorder;
    recorder.start();
    while (recorder.frameCount() < kGifMaxFrames) {
        recorder.addPicture(table.view.grab().toImage(), 1000);
        table.step();
    }
    return recorder.recording();
}

void BM_WriteRecordingOfPlayedDeals(benchmark::State& state)
{
    const GifRecording recording = playedRecording();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("deal.gif"));
    for (auto _ : state) {
        if (!writeGif(path, recording).isEmpty()) {
            state.SkipWithError("not written");
            break;
        }
    }
    state.counters["frames"] = double(recording.frames.size());
    state.counters["file_kB"] = double(QFileInfo(path).size()) / 1024;
}
BENCHMARK(BM_WriteRecordingOfPlayedDeals)->Unit(benchmark::kMillisecond)->UseRealTime();

// The worst case: every frame a whole different table (the felt shifted
// under the cards).
void BM_WriteRecordingOfWholeFrames(benchmark::State& state)
{
    PlayingTable table;
    const QImage base = table.view.grab().toImage();
    GifRecording recording;
    recording.size = base.size();
    for (int n = 0; n < kGifMaxFrames; ++n) {
        QImage picture = base.copy();
        QPainter p(&picture);
        p.drawImage(n % 7 + 1, n % 5 + 1, base);
        p.end();
        recording.frames.push_back({{0, 0}, picture.convertToFormat(QImage::Format_RGB888), 1000});
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("deal.gif"));
    for (auto _ : state) {
        if (!writeGif(path, recording).isEmpty()) {
            state.SkipWithError("not written");
            break;
        }
    }
    state.counters["file_kB"] = double(QFileInfo(path).size()) / 1024;
}
BENCHMARK(BM_WriteRecordingOfWholeFrames)->Unit(benchmark::kMillisecond)->UseRealTime();

// One tick of TimerGIF on a table where nothing moved: grab and compare.
void BM_CaptureTickUnchanged(benchmark::State& state)
{
    PlayingTable table;
    table.view.recorder().start();
    for (auto _ : state) {
        table.view.captureFrame();
    }
    state.counters["frames"] = table.view.recorder().frameCount();
}
BENCHMARK(BM_CaptureTickUnchanged)->Unit(benchmark::kMicrosecond);

// One tick after a move: grab, compare and keep the changed part. The move
// itself is not timed.
void BM_CaptureTickAfterAMove(benchmark::State& state)
{
    PlayingTable table;
    GifRecorder& recorder = table.view.recorder();
    recorder.start();
    for (auto _ : state) {
        state.PauseTiming();
        if (recorder.frameCount() >= kGifMaxFrames - 1) {
            recorder.start();
        }
        table.step();
        state.ResumeTiming();
        table.view.captureFrame();
    }
}
BENCHMARK(BM_CaptureTickAfterAMove)->Unit(benchmark::kMicrosecond);

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
