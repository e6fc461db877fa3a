#include "extras/gif_recorder.h"

#include <gif_lib.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

namespace olk {

// ------------------------------------------------------------- capture

QRect changedRect(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.format() != b.format() || a.depth() != 32) {
        return b.rect();
    }
    const int w = a.width();
    const int h = a.height();
    const auto rowBytes = static_cast<size_t>(w) * 4;
    auto rowDiffers = [&](int y) {
        return std::memcmp(a.constScanLine(y), b.constScanLine(y), rowBytes) != 0;
    };
    int top = 0;
    while (top < h && !rowDiffers(top)) {
        ++top;
    }
    if (top == h) {
        return {};
    }
    int bottom = h - 1;
    while (bottom > top && !rowDiffers(bottom)) {
        --bottom;
    }
    // Columns: each row between them narrows the search from both sides.
    int left = w;
    int right = -1;
    for (int y = top; y <= bottom; ++y) {
        const auto* pa = reinterpret_cast<const quint32*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const quint32*>(b.constScanLine(y));
        int x = 0;
        while (x < left && pa[x] == pb[x]) {
            ++x;
        }
        if (x == w) {
            continue;  // an unchanged row between changed ones
        }
        left = std::min(left, x);
        int r = w - 1;
        while (r > right && pa[r] == pb[r]) {
            --r;
        }
        right = std::max(right, r);
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

GifRecorder::GifRecorder(QObject* parent) : QObject(parent)
{
    m_writer.setMaxThreadCount(1);
    m_writer.setExpiryTimeout(-1);
    // The encoder gives way to the table.
    m_writer.setThreadPriority(QThread::LowPriority);
}

GifRecorder::~GifRecorder()
{
    m_writer.waitForDone();
}

void GifRecorder::start()
{
    m_recording = {};
    m_last = {};
    m_bytes = 0;
}

bool GifRecorder::addPicture(const QImage& grabbed, int delayMs)
{
    if (grabbed.isNull() || frameCount() >= kGifMaxFrames) {
        return false;
    }
    // The grab is compared where it lies; only the changed part is copied.
    const QImage picture = grabbed.format() == QImage::Format_RGB32 ||
                                   grabbed.format() == QImage::Format_ARGB32_Premultiplied
                               ? grabbed
                               : grabbed.convertToFormat(QImage::Format_RGB32);
    QRect changed = picture.rect();
    if (!m_recording.frames.empty()) {
        if (picture.size() != m_recording.size) {
            return false;  // the window changed size: not this recording's picture
        }
        changed = changedRect(m_last, picture);
        if (changed.isEmpty()) {
            return false;
        }
    }
    GifFrame frame;
    frame.at = changed.topLeft();
    frame.pixels = picture.copy(changed).convertToFormat(QImage::Format_RGB888);
    frame.delayMs = delayMs;
    if (m_bytes + frame.pixels.sizeInBytes() > kGifMemoryLimit) {
        return false;
    }
    if (m_recording.frames.empty()) {
        m_recording.size = picture.size();
    }
    m_bytes += frame.pixels.sizeInBytes();
    m_recording.frames.push_back(std::move(frame));
    m_last = picture;
    return true;
}

void GifRecorder::save(const QString& path)
{
    auto recording = std::make_shared<GifRecording>(std::move(m_recording));
    start();
    if (recording->frames.empty()) {
        return;
    }
    recording->frames.back().delayMs = kGifLastFrameMs;
    if (m_pending++ == 0) {
        emit busyChanged(true);
    }
    m_writer.start([this, recording, path] {
        const QString error = writeGif(path, *recording);
        recording->frames.clear();
        QMetaObject::invokeMethod(
            this, [this, path, error] { finishWrite(path, error); }, Qt::QueuedConnection);
    });
}

void GifRecorder::finishWrite(const QString& path, const QString& error)
{
    emit written(path, error);
    if (--m_pending == 0) {
        emit busyChanged(false);
    }
}

void GifRecorder::waitForWrites()
{
    m_writer.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

QString gifFileName(const QDateTime& when)
{
    return when.toString(QStringLiteral("yyyy.MM.dd-hh.mm.ss")) + QStringLiteral(".gif");
}

// ------------------------------------------------------------- palette

namespace {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

constexpr int kColours = 255;  // the 256th entry is the transparent one
constexpr int kTransparent = 255;

// Colours are counted in a cube of 32 steps a side.
struct Bin {
    quint16 key = 0;  // r5 << 10 | g5 << 5 | b5
    quint32 count = 0;
    quint64 r = 0;
    quint64 g = 0;
    quint64 b = 0;
    int channel(int c) const { return (key >> (10 - 5 * c)) & 31; }
};

void countColours(const QImage& rgb888, std::vector<Bin>& bins)
{
    for (int y = 0; y < rgb888.height(); ++y) {
        const uchar* p = rgb888.constScanLine(y);
        for (int x = 0; x < rgb888.width(); ++x, p += 3) {
            Bin& bin = bins[(p[0] >> 3) << 10 | (p[1] >> 3) << 5 | (p[2] >> 3)];
            ++bin.count;
            bin.r += p[0];
            bin.g += p[1];
            bin.b += p[2];
        }
    }
}

// Median cut: the box whose pixels spread most (pixels times its longest
// side) is cut across that side at its median pixel, until there are as
// many boxes as colours; each box gives the mean of its pixels.
std::vector<Rgb> medianCut(std::vector<Bin> bins)
{
    std::erase_if(bins, [](const Bin& bin) { return bin.count == 0; });
    struct Box {
        size_t begin;
        size_t end;
        quint64 count;
        int axis;
        int side;
    };
    auto measure = [&](size_t begin, size_t end) {
        Box box{begin, end, 0, 0, -1};
        int lo[3] = {31, 31, 31};
        int hi[3] = {0, 0, 0};
        for (size_t i = begin; i < end; ++i) {
            box.count += bins[i].count;
            for (int c = 0; c < 3; ++c) {
                lo[c] = std::min(lo[c], bins[i].channel(c));
                hi[c] = std::max(hi[c], bins[i].channel(c));
            }
        }
        // Green weighs most with the eye, blue least.
        static constexpr int kWeight[3] = {3, 4, 2};
        for (int c = 0; c < 3; ++c) {
            if ((hi[c] - lo[c]) * kWeight[c] > box.side) {
                box.side = (hi[c] - lo[c]) * kWeight[c];
                box.axis = c;
            }
        }
        return box;
    };
    std::vector<Box> boxes;
    if (!bins.empty()) {
        boxes.push_back(measure(0, bins.size()));
    }
    while (boxes.size() < kColours) {
        auto widest = boxes.end();
        double best = 0;
        for (auto it = boxes.begin(); it != boxes.end(); ++it) {
            const double spread = double(it->count) * it->side;
            if (it->end - it->begin > 1 && spread > best) {
                best = spread;
                widest = it;
            }
        }
        if (widest == boxes.end()) {
            break;
        }
        const Box box = *widest;
        std::sort(bins.begin() + long(box.begin), bins.begin() + long(box.end),
                  [axis = box.axis](const Bin& x, const Bin& y) {
                      return x.channel(axis) < y.channel(axis);
                  });
        quint64 seen = 0;
        size_t cut = box.begin;
        while (cut < box.end - 1 && seen + bins[cut].count <= box.count / 2) {
            seen += bins[cut].count;
            ++cut;
        }
        cut = std::clamp(cut, box.begin + 1, box.end - 1);
        *widest = measure(box.begin, cut);
        boxes.push_back(measure(cut, box.end));
    }
    std::vector<Rgb> palette;
    for (const Box& box : boxes) {
        quint64 r = 0;
        quint64 g = 0;
        quint64 b = 0;
        for (size_t i = box.begin; i < box.end; ++i) {
            r += bins[i].r;
            g += bins[i].g;
            b += bins[i].b;
        }
        palette.push_back({int((r + box.count / 2) / box.count),
                           int((g + box.count / 2) / box.count),
                           int((b + box.count / 2) / box.count)});
    }
    return palette;
}

// Maps colours to palette entries. Nearest entries are found once per cell
// of a cube of 64 steps a side and remembered.
class ColourMapper {
public:
    explicit ColourMapper(std::vector<Rgb> palette)
        : m_palette(std::move(palette)), m_cells(64 * 64 * 64, -1)
    {
        if (m_palette.empty()) {
            m_palette.push_back({});
        }
    }

    // A colour the palette holds (or nearly) keeps it, so flat areas, faces
    // and digits stay clean; any other colour is dithered between its
    // neighbours by a fixed pattern, so the felt's gradients show no bands,
    // and an unchanged pixel maps to the same entry in every frame.
    int map(int r, int g, int b, int x, int y)
    {
        const int near = nearest(r, g, b);
        const Rgb& p = m_palette[size_t(near)];
        if (std::abs(p.r - r) + std::abs(p.g - g) + std::abs(p.b - b) <= kExactEnough) {
            return near;
        }
        const int offset = kBayer[y & 3][x & 3];
        return nearest(std::clamp(r + offset, 0, 255), std::clamp(g + offset, 0, 255),
                       std::clamp(b + offset, 0, 255));
    }

    const std::vector<Rgb>& palette() const { return m_palette; }

private:
    static constexpr int kExactEnough = 6;
    // A 4 x 4 Bayer matrix, centred on 0, spanning about 16 levels.
    static constexpr int kBayer[4][4] = {
        {-8, 0, -6, 2}, {4, -4, 6, -2}, {-5, 3, -7, 1}, {7, -1, 5, -3}};

    int nearest(int r, int g, int b)
    {
        const int cell = (r >> 2) << 12 | (g >> 2) << 6 | (b >> 2);
        qint16& known = m_cells[size_t(cell)];
        if (known >= 0) {
            return known;
        }
        const int cr = (r & ~3) + 2;
        const int cg = (g & ~3) + 2;
        const int cb = (b & ~3) + 2;
        int best = 0;
        int bestDistance = INT32_MAX;
        for (size_t i = 0; i < m_palette.size(); ++i) {
            const int dr = m_palette[i].r - cr;
            const int dg = m_palette[i].g - cg;
            const int db = m_palette[i].b - cb;
            const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = int(i);
            }
        }
        known = qint16(best);
        return best;
    }

    std::vector<Rgb> m_palette;
    std::vector<qint16> m_cells;
};

// ------------------------------------------------------------- file

int writeToSaveFile(GifFileType* gif, const GifByteType* bytes, int length)
{
    auto* file = static_cast<QSaveFile*>(gif->UserData);
    return file->write(reinterpret_cast<const char*>(bytes), length) == length ? length : 0;
}

// giflib's words for its error codes; never empty.
QString gifError(int code)
{
    const char* words = GifErrorString(code);
    return words != nullptr && *words != '\0' ? QString::fromLatin1(words)
                                              : QStringLiteral("GIF error %1").arg(code);
}

int centiseconds(int ms)
{
    return std::clamp((ms + 5) / 10, 1, 65535);
}

}  // namespace

QString writeGif(const QString& path, const GifRecording& recording)
{
    const int width = recording.size.width();
    const int height = recording.size.height();
    if (recording.frames.empty() || width <= 0 || height <= 0 || width > 65535 || height > 65535) {
        return QStringLiteral("no picture");
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }

    std::vector<Bin> bins(32 * 32 * 32);
    for (int c = 0; c < 32 * 32 * 32; ++c) {
        bins[size_t(c)].key = quint16(c);
    }
    for (const GifFrame& frame : recording.frames) {
        countColours(frame.pixels, bins);
    }
    ColourMapper mapper(medianCut(std::move(bins)));

    int error = 0;
    GifFileType* gif = EGifOpen(&file, writeToSaveFile, &error);
    if (gif == nullptr) {
        file.cancelWriting();
        return gifError(error);
    }
    EGifSetGifVersion(gif, true);
    std::array<GifColorType, 256> colours{};
    for (size_t i = 0; i < mapper.palette().size() && i < colours.size(); ++i) {
        const Rgb& c = mapper.palette()[i];
        colours[i] = {GifByteType(c.r), GifByteType(c.g), GifByteType(c.b)};
    }
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    bool ok = map != nullptr && EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK;
    GifFreeMapObject(map);
    // Viewers play it again and again; the last frame's long pause marks the
    // deal's end.
    static const GifByteType kNetscape[] = "NETSCAPE2.0";
    static const GifByteType kLoopForever[] = {1, 0, 0};
    ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, 11, kNetscape) == GIF_OK &&
         EGifPutExtensionBlock(gif, 3, kLoopForever) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;

    // What the viewer shows so far, as palette entries: a pixel that maps to
    // the entry already there is left transparent.
    std::vector<GifByteType> canvas(size_t(width) * size_t(height), 0);
    std::vector<GifByteType> line;
    for (size_t n = 0; ok && n < recording.frames.size(); ++n) {
        const GifFrame& frame = recording.frames[n];
        const QRect area =
            QRect(frame.at, frame.pixels.size()).intersected(QRect(0, 0, width, height));
        if (area.isEmpty() || frame.pixels.format() != QImage::Format_RGB888) {
            ok = false;
            break;
        }
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.UserInputFlag = false;
        control.DelayTime = centiseconds(frame.delayMs);
        control.TransparentColor = n == 0 ? NO_TRANSPARENT_COLOR : kTransparent;
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK &&
             EGifPutImageDesc(gif, area.x(), area.y(), area.width(), area.height(), false,
                              nullptr) == GIF_OK;
        line.resize(size_t(area.width()));
        for (int y = area.top(); ok && y <= area.bottom(); ++y) {
            const uchar* p =
                frame.pixels.constScanLine(y - frame.at.y()) + 3 * (area.x() - frame.at.x());
            GifByteType* shown = canvas.data() + size_t(y) * size_t(width);
            for (int x = area.left(); x <= area.right(); ++x, p += 3) {
                const auto index = GifByteType(mapper.map(p[0], p[1], p[2], x, y));
                if (n > 0 && shown[x] == index) {
                    line[size_t(x - area.left())] = kTransparent;
                } else {
                    line[size_t(x - area.left())] = index;
                    shown[x] = index;
                }
            }
            ok = EGifPutLine(gif, line.data(), area.width()) == GIF_OK;
        }
    }
    const int lastError = gif->Error;
    if (EGifCloseFile(gif, &error) != GIF_OK) {
        ok = false;
    } else {
        error = lastError;
    }
    if (!ok) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : gifError(error);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

}  // namespace olk
