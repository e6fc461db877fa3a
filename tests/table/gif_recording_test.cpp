#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "extras/attention_box.h"
#include "table/table_view.h"

namespace olk {
namespace {

// The table with "Save games as GIFs" on, its program folder in a
// temporary folder.
class GifRecordingTest : public ::testing::Test {
protected:
    GifRecordingTest() : session(Rng(77)), engine(session.engine()), view(session, settings)
    {
        settings.saveGamesAsGif = true;
        settings.gifFrameDelay = 200;
        view.setProgramFolder(folder.path());
        view.flyer().setSleeper([](int) {});
        view.resize(760, 500);
        view.applyWindowSize();
    }

    // Plays the deal to its end as TimerGIF would see it: a capture after
    // every step. The local player takes from the deck and throws his first
    // card away.
    void playDeal()
    {
        QTest::mouseClick(view.button7(), Qt::LeftButton);  // "To Begin"
        const TableGeometry& g = view.tableGeometry();
        for (int guard = 0; engine.state().turnState != turn::kDealOver && guard < 500; ++guard) {
            view.captureFrame();
            const TableState& st = engine.state();
            if (st.turnState == 4) {
                QTest::mouseClick(
                    &view, Qt::LeftButton, {},
                    g.koloda.topLeft() + QPoint(g.scale.size(72) + 10,
                                                g.scale.size(stackOffset(st.deckLeft())) + 10));
            } else if (st.turnState == 14) {
                const QList<int> xs = cardPositions(g.cards[4].width(), g.cardWidth, 4);
                QTest::mouseClick(&view, Qt::LeftButton, {},
                                  g.cards[4].topLeft() + QPoint(xs[0] + 5, 20));
            } else {
                view.onTick();
            }
        }
        ASSERT_EQ(engine.state().turnState, turn::kDealOver);
    }

    QStringList gifFiles() const
    {
        return QDir(folder.filePath(QStringLiteral("GIFGame"))).entryList(QDir::Files);
    }

    QTemporaryDir folder;
    Settings settings;
    GameSession session;
    GameEngine& engine;
    TableView view;
};

TEST_F(GifRecordingTest, ADealIsRecordedFromItsStartAndSavedAtItsEnd)
{
    view.startLocalGame({"Mr.X", 0, 0, 0.0});
    ASSERT_TRUE(view.isRecording());
    for (int tick = 0; tick < 3; ++tick) {
        view.captureFrame();  // nothing moves before "To Begin"
    }
    ASSERT_EQ(view.recorder().frameCount(), 1);
    // The frame is the table as drawn, buttons and all.
    EXPECT_EQ(view.recorder().recording().frames[0].pixels,
              view.grab().toImage().convertToFormat(QImage::Format_RGB888));

    playDeal();
    EXPECT_FALSE(view.isRecording());
    EXPECT_EQ(view.recorder().frameCount(), 0);
    ASSERT_NE(view.gifBanner(), nullptr);  // "Creating a GIF..." while it is written
    EXPECT_FALSE(view.gifBanner()->isHidden());
    view.recorder().waitForWrites();
    EXPECT_TRUE(view.gifBanner()->isHidden());

    const QStringList files = gifFiles();
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^\d{4}\.\d\d\.\d\d-\d\d\.\d\d\.\d\d\.gif$)"))
                    .match(files[0])
                    .hasMatch());
    QFile gif(folder.filePath(QStringLiteral("GIFGame/") + files[0]));
    ASSERT_TRUE(gif.open(QIODevice::ReadOnly));
    EXPECT_EQ(gif.read(6), QByteArray("GIF89a"));
}

TEST_F(GifRecordingTest, NothingIsRecordedWithTheOptionOff)
{
    settings.saveGamesAsGif = false;
    view.startLocalGame({"Mr.X", 0, 0, 0.0});
    EXPECT_FALSE(view.isRecording());
    playDeal();
    view.recorder().waitForWrites();
    EXPECT_TRUE(gifFiles().isEmpty());
}

// A folder that cannot be written: the player is told once, and the game,
// its next deal and the settings go on as before.
TEST_F(GifRecordingTest, AnUnwritableFolderIsToldOnceAndTheGameGoesOn)
{
    QFile blocker(folder.filePath(QStringLiteral("Program")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    view.setProgramFolder(blocker.fileName());
    int boxes = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&boxes] {
        if (auto* box = qobject_cast<AttentionBox*>(QApplication::activeModalWidget())) {
            ++boxes;
            box->accept();
        }
    });
    closer.start(20);

    view.startLocalGame({"Mr.X", 0, 0, 0.0});
    for (int deal = 1; deal <= 2; ++deal) {
        SCOPED_TRACE(deal);
        if (deal > 1) {
            QTest::mouseClick(view.button7(), Qt::LeftButton);  // "Next game"
        }
        ASSERT_TRUE(view.isRecording());
        playDeal();
        view.recorder().waitForWrites();
        EXPECT_EQ(boxes, 1);
        EXPECT_TRUE(engine.state().gameActive);
        EXPECT_EQ(engine.state().gameDeals, deal);
        EXPECT_TRUE(settings.saveGamesAsGif);
    }
}

}  // namespace
}  // namespace olk
