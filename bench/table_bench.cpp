// Speed of the table's drawing. Goals: one flight step at "Large window"
// under 0.5 ms; a full repaint of the table at 1520 x 1000 under 10 ms;
// resampling all 52 faces and 7 backs for "Average window 2" under 150 ms;
// switching to a library card set at "Large window" (open the library,
// decode and restore 52 faces, load the deck) under 150 ms.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "extras/card_looks.h"
#include "extras/card_pictures.h"
#include "records/resource_library.h"
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

// A card library like the real ones: 52 large faces with some drawing in
// them (PNG compresses them like real faces), beside a program folder.
class BenchLibrary {
public:
    BenchLibrary()
    {
        QDir().mkpath(m_root.filePath(QStringLiteral("program")));
        std::vector<ResourceEntry> entries;
        for (int n = 1; n <= 52; ++n) {
            QImage face(146, 198, QImage::Format_ARGB32);
            face.fill(Qt::white);
            QPainter p(&face);
            p.setRenderHint(QPainter::Antialiasing);
            for (int i = 0; i < 40; ++i) {
                p.setPen(QColor::fromHsv((n * 7 + i * 13) % 360, 200, 180));
                p.drawEllipse(QPointF(73, 99), 10 + i * 1.5, 20 + i * 2.0);
            }
            p.end();
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            face.save(&buffer, "PNG");
            entries.push_back(
                {libraryFaceName(cardFromNumber(n).code, 2, DrawingClass::Large), ResourceKind::Png, png});
        }
        QFile file(m_root.filePath(QStringLiteral("TevCards06A.dll")));
        file.open(QIODevice::WriteOnly);
        file.write(packResourceLibrary(entries).value());
    }
    QString program() const { return m_root.filePath(QStringLiteral("program")); }

private:
    QTemporaryDir m_root;
};

void BM_SwitchCardSetLargeWindow(benchmark::State& state)
{
    const BenchLibrary library;
    CardPictures pictures;
    for (auto _ : state) {
        Settings settings;
        settings.cardSet = 2;  // "Modern", from "TevCards06A.dll"
        const CardSources sources = findCardSources(settings, DrawingClass::Large, library.program());
        if (!sources.faces) {
            state.SkipWithError("the library was not found");
            break;
        }
        pictures.load(sources, settings.cardSet, settings.deckIndex, DrawingClass::Large, 146, 198, 16);
    }
}
BENCHMARK(BM_SwitchCardSetLargeWindow)->Unit(benchmark::kMillisecond);

// The same with the libraries the build makes, for a set of each: the faces
// of "Modern" (A), "Maya" (B, narrow) and "Chinese" (C).
void BM_SwitchCardSetLargeWindowBuiltLibraries(benchmark::State& state)
{
    const QString program = QStringLiteral(OLK_LIBRARY_DIR);  // found beside the "program"
    CardPictures pictures;
    const int sets[] = {2, 38, 45};
    int next = 0;
    for (auto _ : state) {
        Settings settings;
        settings.cardSet = sets[next++ % 3];
        const CardSources sources = findCardSources(settings, DrawingClass::Large, program);
        if (!sources.faces) {
            state.SkipWithError("the built libraries were not found: build olk_card_libraries");
            break;
        }
        const bool narrow = cardSetInfo(settings.cardSet).narrow;
        pictures.load(sources, settings.cardSet, settings.deckIndex, DrawingClass::Large,
                      narrow ? 126 : 146, 198, 16);
    }
}
BENCHMARK(BM_SwitchCardSetLargeWindowBuiltLibraries)->Unit(benchmark::kMillisecond);

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
