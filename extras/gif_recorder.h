#pragma once

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <vector>

namespace olk {

// Recording a deal as an animated GIF picture: the capture state kept while
// the deal runs, and the encoder that writes the picture afterwards.

inline constexpr int kGifCapturePeriodMs = 100;  // TimerGIF
inline constexpr int kGifMaxFrames = 250;
inline constexpr int kGifLastFrameMs = 5000;  // the last frame stays this long
// What the frames of one recording may hold in memory; a recording that
// would pass it keeps the frames it has, like one that has 250.
inline constexpr qsizetype kGifMemoryLimit = 160 * 1024 * 1024;

// One frame of a recording. Only the part of the picture that changed since
// the frame before is kept (the whole picture for the first frame), as
// 24-bit RGB: a frame where one card moved costs a few kilobytes, not the
// 1.5 MB of a whole 760 x 500 picture.
struct GifFrame {
    QPoint at;      // where `pixels` lies in the whole picture
    QImage pixels;  // Format_RGB888
    int delayMs = 0;
};

struct GifRecording {
    QSize size;  // of the whole picture
    std::vector<GifFrame> frames;
};

// The smallest rectangle holding every pixel in which two pictures of the
// same size and format differ; empty when they are identical.
QRect changedRect(const QImage& a, const QImage& b);

// Writes `recording` at `path` as an animated GIF that loops: one palette of
// 256 colours chosen for the whole recording (median cut), ordered dithering
// only for colours the palette does not hold, and each frame after the first
// as the rectangle that changed, its unchanged pixels transparent. The bytes
// go to a temporary file beside `path` that replaces it only when whole.
// Returns an empty string on success, else why the file could not be written.
QString writeGif(const QString& path, const GifRecording& recording);

// "2024.05.17-21.03.44.gif" for that moment.
QString gifFileName(const QDateTime& when);

// The frames of the deal being recorded, and the files still being written.
// The capture itself (the timer, what is grabbed) belongs to the caller;
// this keeps what it grabbed. Files are written one after the other on a
// thread of their own, so the table never waits for the encoder and the next
// deal can be recorded meanwhile; two recordings saved under the same name
// are written in the order they were saved, the later one replacing the
// earlier.
class GifRecorder : public QObject {
    Q_OBJECT

public:
    explicit GifRecorder(QObject* parent = nullptr);
    // Waits until every file saved is written.
    ~GifRecorder() override;

    // An empty frame list: a new recording.
    void start();
    // Appends `picture` as a frame shown for `delayMs`, unless the list is
    // full or it is identical, pixel for pixel, to the last picture taken.
    // A null picture (a capture that failed) adds nothing. True when added.
    bool addPicture(const QImage& picture, int delayMs);
    int frameCount() const { return static_cast<int>(m_recording.frames.size()); }
    const GifRecording& recording() const { return m_recording; }

    // Ends the recording: the last frame shows for kGifLastFrameMs, and the
    // frames go to `path` in the background (nothing is written when there
    // are none). The frame list is empty again at once.
    void save(const QString& path);
    // Files saved and not yet written.
    int pendingWrites() const { return m_pending; }
    // Blocks until every file saved is written (tests, the end of the run).
    void waitForWrites();

signals:
    // The first file began, or the last one ended.
    void busyChanged(bool busy);
    // A file is written (`error` empty) or could not be (`error` says why).
    void written(const QString& path, const QString& error);

private:
    void finishWrite(const QString& path, const QString& error);

    GifRecording m_recording;
    QImage m_last;  // the last picture taken, as grabbed (shared, not copied)
    qsizetype m_bytes = 0;
    int m_pending = 0;
    QThreadPool m_writer;  // one thread: files in the order saved
};

}  // namespace olk
