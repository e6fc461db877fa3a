#include "extras/gif_recorder.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <cstring>

namespace olk {
namespace {

// A GIF read back with giflib: every frame composed over the ones before,
// as a viewer shows it.
struct Decoded {
    bool ok = false;
    QSize size;
    std::vector<QImage> frames;
    std::vector<int> delays;  // 1/100 s
    bool loops = false;
};

Decoded decode(const QString& path)
{
    Decoded out;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (gif == nullptr) {
        return out;
    }
    if (DGifSlurp(gif) == GIF_OK && gif->SColorMap != nullptr) {
        out.ok = true;
        out.size = QSize(gif->SWidth, gif->SHeight);
        QImage canvas(out.size, QImage::Format_RGB32);
        canvas.fill(Qt::black);
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage& image = gif->SavedImages[i];
            GraphicsControlBlock control{};
            DGifSavedExtensionToGCB(gif, i, &control);
            out.delays.push_back(control.DelayTime);
            const GifImageDesc& d = image.ImageDesc;
            const ColorMapObject* map = d.ColorMap != nullptr ? d.ColorMap : gif->SColorMap;
            for (int y = 0; y < d.Height; ++y) {
                for (int x = 0; x < d.Width; ++x) {
                    const int index = image.RasterBits[y * d.Width + x];
                    if (index == control.TransparentColor) {
                        continue;
                    }
                    const GifColorType c = map->Colors[index];
                    canvas.setPixel(d.Left + x, d.Top + y, qRgb(c.Red, c.Green, c.Blue));
                }
            }
            out.frames.push_back(canvas.copy());
            for (int e = 0; e < image.ExtensionBlockCount; ++e) {
                const ExtensionBlock& block = image.ExtensionBlocks[e];
                if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                    std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0) {
                    out.loops = true;
                }
            }
        }
    }
    DGifCloseFile(gif, &error);
    return out;
}

// A table-like picture: a vertical green gradient (the felt), a white card
// with black digits, a red plate, and a marker that moves with `step`.
QImage tablePicture(int step)
{
    QImage picture(760, 500, QImage::Format_RGB32);
    for (int y = 0; y < 500; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < 760; ++x) {
            line[x] = qRgb(10 + x / 40, 70 + y * 90 / 500, 30 + y / 20);
        }
    }
    QPainter p(&picture);
    p.fillRect(300, 200, 71, 96, Qt::white);
    p.setPen(Qt::black);
    p.drawText(QRect(300, 200, 71, 96), Qt::AlignCenter, QStringLiteral("10 7"));
    p.fillRect(40, 40, 160, 20, QColor(200, 30, 30));
    p.fillRect(20 + 7 * step, 420, 30, 30, QColor(240, 200, 40));
    return picture;
}

int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// A widget whose picture the test decides.
class Canvas : public QWidget {
public:
    Canvas() { resize(200, 100); }
    QColor colour = Qt::darkGreen;
    QRect spot;  // drawn white

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), colour);
        p.fillRect(spot, Qt::white);
    }
};

TEST(GifRecorder, AnUnchangedPictureAddsNoFrameAndAChangeOnlyItsRectangle)
{
    Canvas canvas;
    GifRecorder recorder;
    recorder.start();
    EXPECT_TRUE(recorder.addPicture(canvas.grab().toImage(), 1000));
    for (int tick = 0; tick < 5; ++tick) {
        EXPECT_FALSE(recorder.addPicture(canvas.grab().toImage(), 1000));
    }
    canvas.spot = QRect(50, 20, 10, 5);
    EXPECT_TRUE(recorder.addPicture(canvas.grab().toImage(), 1000));
    EXPECT_FALSE(recorder.addPicture(canvas.grab().toImage(), 1000));
    ASSERT_EQ(recorder.frameCount(), 2);
    const GifFrame& change = recorder.recording().frames[1];
    EXPECT_EQ(QRect(change.at, change.pixels.size()), canvas.spot);
    EXPECT_EQ(recorder.recording().size, QSize(200, 100));
    EXPECT_FALSE(recorder.addPicture(QImage(), 1000));  // a capture that failed
    recorder.start();
    EXPECT_EQ(recorder.frameCount(), 0);
}

TEST(GifRecorder, The251stChangedPictureIsNotRecorded)
{
    GifRecorder recorder;
    recorder.start();
    QImage picture(40, 30, QImage::Format_RGB32);
    for (int n = 0; n < kGifMaxFrames; ++n) {
        picture.fill(qRgb(n % 256, n / 256, 7));
        ASSERT_TRUE(recorder.addPicture(picture, 100));
    }
    picture.fill(Qt::white);
    EXPECT_FALSE(recorder.addPicture(picture, 100));
    EXPECT_EQ(recorder.frameCount(), kGifMaxFrames);
}

// The file decodes to as many frames as were captured, at the picture's size,
// with the frame delay on every frame but the last and five seconds on that;
// the colours stay close to the captured ones, flat ones exact.
TEST(GifRecorder, TheWrittenFileDecodesToTheCapturedFrames)
{
    QTemporaryDir dir;
    const struct {
        int frames;
        int delayMs;
        int delayCs;
    } cases[] = {{30, 1000, 100}, {3, 10, 1}, {1, 250, 25}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frames);
        GifRecorder recorder;
        QSignalSpy written(&recorder, &GifRecorder::written);
        QSignalSpy busy(&recorder, &GifRecorder::busyChanged);
        recorder.start();
        std::vector<QImage> captured;
        for (int n = 0; n < c.frames; ++n) {
            captured.push_back(tablePicture(n));
            ASSERT_TRUE(recorder.addPicture(captured.back(), c.delayMs));
        }
        const QString path = dir.filePath(QStringLiteral("GIFGame/deal%1.gif").arg(c.frames));
        recorder.save(path);
        EXPECT_EQ(recorder.frameCount(), 0);  // ready for the next deal at once
        recorder.waitForWrites();
        ASSERT_EQ(written.size(), 1);
        EXPECT_EQ(written[0][1].toString(), QString());
        EXPECT_EQ(busy.size(), 2);

        const Decoded gif = decode(path);
        ASSERT_TRUE(gif.ok);
        EXPECT_TRUE(gif.loops);
        EXPECT_EQ(gif.size, QSize(760, 500));
        ASSERT_EQ(gif.frames.size(), captured.size());
        std::vector<int> delays(captured.size(), c.delayCs);
        delays.back() = kGifLastFrameMs / 10;
        EXPECT_EQ(gif.delays, delays);
        for (size_t n = 0; n < captured.size(); ++n) {
            long long total = 0;
            int worst = 0;
            for (int y = 0; y < 500; ++y) {
                for (int x = 0; x < 760; ++x) {
                    const int d =
                        colourDistance(gif.frames[n].pixel(x, y), captured[n].pixel(x, y));
                    total += d;
                    worst = std::max(worst, d);
                }
            }
            EXPECT_LT(double(total) / (760 * 500), 6.0) << "frame " << n;
            EXPECT_LT(worst, 60) << "frame " << n;
            EXPECT_EQ(gif.frames[n].pixel(310, 205), qRgb(255, 255, 255));
            EXPECT_EQ(gif.frames[n].pixel(100, 50), qRgb(200, 30, 30));
        }
    }
}

TEST(GifRecorder, FileNameAndASecondFileOfTheSameSecondReplacesTheFirst)
{
    EXPECT_EQ(gifFileName(QDateTime(QDate(2024, 5, 17), QTime(21, 3, 44))),
              QStringLiteral("2024.05.17-21.03.44.gif"));
    EXPECT_EQ(gifFileName(QDateTime(QDate(2031, 1, 2), QTime(3, 4, 5))),
              QStringLiteral("2031.01.02-03.04.05.gif"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("same.gif"));
    GifRecorder recorder;
    for (const int frames : {4, 2}) {
        recorder.start();
        for (int n = 0; n < frames; ++n) {
            recorder.addPicture(tablePicture(n), 100);
        }
        recorder.save(path);
    }
    recorder.waitForWrites();
    EXPECT_EQ(decode(path).frames.size(), 2u);
    // Only the picture itself is left: no temporary file beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("same.gif")});
}

TEST(GifRecorder, AFileThatCannotBeWrittenIsReportedAndTheRecorderGoesOn)
{
    QTemporaryDir dir;
    // A plain file where the folder should be: no folder can be made there,
    // whoever runs the test.
    QFile blocker(dir.filePath(QStringLiteral("Program")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    GifRecorder recorder;
    QSignalSpy written(&recorder, &GifRecorder::written);
    recorder.start();
    recorder.addPicture(tablePicture(0), 100);
    recorder.save(dir.filePath(QStringLiteral("Program/GIFGame/a.gif")));
    recorder.waitForWrites();
    ASSERT_EQ(written.size(), 1);
    EXPECT_FALSE(written[0][1].toString().isEmpty());
    EXPECT_EQ(recorder.pendingWrites(), 0);

    recorder.start();
    recorder.addPicture(tablePicture(1), 100);
    recorder.save(dir.filePath(QStringLiteral("b.gif")));
    recorder.waitForWrites();
    ASSERT_EQ(written.size(), 2);
    EXPECT_EQ(written[1][1].toString(), QString());
    EXPECT_EQ(decode(dir.filePath(QStringLiteral("b.gif"))).frames.size(), 1u);
}

}  // namespace
}  // namespace olk
