#include "service/music.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QtEndian>

#include <array>
#include <chrono>
#include <functional>
#include <optional>

namespace olk::service {

using Clock = std::chrono::steady_clock;

struct ClubMusic::Station {
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    int listeners = 0;
    int maxListeners = kDefaultMaxListeners;
    double leadSeconds = 4.0;
};

namespace {

const std::array<quint32, 256>& checksumTable()
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 r = i << 24;
            for (int bit = 0; bit < 8; ++bit) {
                r = (r & 0x80000000U) ? (r << 1) ^ 0x04C11DB7U : r << 1;
            }
            t[i] = r;
        }
        return t;
    }();
    return table;
}

// An Ogg page: the 27-byte header, the segment table and the body.
constexpr int kPageHeader = 27;

// One listener of the radio: which track it hears, where in it, and its
// clock. Its radio slot is given back when it ends.
class Listener {
public:
    Listener(std::shared_ptr<ClubMusic::Station> station, QStringList tracks, QString folder)
        : m_station(std::move(station)),
          m_tracks(std::move(tracks)),
          m_folder(std::move(folder)),
          m_next(static_cast<int>(QRandomGenerator::global()->bounded(m_tracks.size()))),
          m_serialBase(QRandomGenerator::global()->generate() & 0x7FFF0000U),
          m_start(Clock::now())
    {
    }
    ~Listener()
    {
        const std::lock_guard lock(m_station->mutex);
        --m_station->listeners;
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    // Sends the next page when its time has come; false when the stream
    // ends (the service stops, the listener left, no track can be played).
    bool step(const std::function<bool(const char*, std::size_t)>& write)
    {
        if (!m_file.isOpen() && !openNext()) {
            return false;
        }
        QByteArray page;
        if (!readPage(page)) {
            // A track that gave nothing counts as a failure, so a folder of
            // broken files ends the stream instead of spinning.
            const bool gaveNothing = m_pagesSent == 0;
            endTrack();
            m_failures += gaveNothing ? 1 : 0;
            return m_failures < m_tracks.size();
        }
        if (m_rate == 0) {
            // The codec's first packet names the rate that granule positions
            // count in; a stream of another kind is not played.
            const QByteArray body = page.mid(kPageHeader + static_cast<uchar>(page[26]));
            if (body.startsWith("\x01vorbis") && body.size() >= 16) {
                m_rate = qFromLittleEndian<quint32>(body.constData() + 12);
            } else if (body.startsWith("OpusHead")) {
                m_rate = 48000;
            }
            if (m_rate == 0 || m_rate > 384000) {
                endTrack();
                ++m_failures;
                return m_failures < m_tracks.size();
            }
        }
        const qint64 granule = qFromLittleEndian<qint64>(page.constData() + 6);
        if (granule > 0) {
            m_trackSeconds = std::max(m_trackSeconds, static_cast<double>(granule) / m_rate);
        }
        {
            std::unique_lock lock(m_station->mutex);
            const auto due =
                m_start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                              m_doneSeconds + m_trackSeconds - m_station->leadSeconds));
            m_station->wake.wait_until(lock, due, [&] { return m_station->stopping; });
            if (m_station->stopping) {
                return false;
            }
        }
        qToLittleEndian<quint32>(m_serial, page.data() + 14);
        qToLittleEndian<quint32>(0, page.data() + 22);
        qToLittleEndian<quint32>(
            oggChecksum(page.constData(), static_cast<std::size_t>(page.size())), page.data() + 22);
        m_failures = 0;
        ++m_pagesSent;
        return write(page.constData(), static_cast<std::size_t>(page.size()));
    }

private:
    bool openNext()
    {
        while (m_failures < m_tracks.size()) {
            m_file.setFileName(QDir(m_folder).filePath(m_tracks[m_next]));
            m_next = (m_next + 1) % static_cast<int>(m_tracks.size());
            const QFileInfo info(m_file.fileName());
            if (info.isFile() && !info.isSymLink() && m_file.open(QIODevice::ReadOnly)) {
                m_rate = 0;
                m_trackSeconds = 0;
                m_trackSerial.reset();
                m_pagesSent = 0;
                m_serial = m_serialBase + (m_links++ & 0xFFFF);
                return true;
            }
            ++m_failures;
        }
        return false;
    }

    void endTrack()
    {
        m_file.close();
        m_doneSeconds += m_trackSeconds;
    }

    // The next page of the open track; false at its end, at anything that
    // is not an Ogg page, and at a page of a second stream in the file.
    bool readPage(QByteArray& page)
    {
        page = m_file.read(kPageHeader);
        if (page.size() != kPageHeader || !page.startsWith("OggS") || page[4] != 0) {
            return false;
        }
        const int segments = static_cast<uchar>(page[26]);
        const QByteArray table = m_file.read(segments);
        if (table.size() != segments) {
            return false;
        }
        int bodySize = 0;
        for (char lacing : table) {
            bodySize += static_cast<uchar>(lacing);
        }
        const QByteArray body = m_file.read(bodySize);
        if (body.size() != bodySize) {
            return false;
        }
        const quint32 serial = qFromLittleEndian<quint32>(page.constData() + 14);
        if (m_trackSerial && *m_trackSerial != serial) {
            return false;
        }
        m_trackSerial = serial;
        page += table;
        page += body;
        return true;
    }

    std::shared_ptr<ClubMusic::Station> m_station;
    QStringList m_tracks;
    QString m_folder;
    int m_next;
    quint32 m_serialBase;
    Clock::time_point m_start;
    QFile m_file;
    quint32 m_rate = 0;
    std::optional<quint32> m_trackSerial;
    quint32 m_serial = 0;
    quint32 m_links = 0;
    double m_doneSeconds = 0;   // the tracks sent before this one
    double m_trackSeconds = 0;  // this track's time up to its last page read
    qsizetype m_failures = 0;   // tracks in a row that could not be played
    int m_pagesSent = 0;        // of this track
};

}  // namespace

quint32 oggChecksum(const char* data, std::size_t size)
{
    const auto& table = checksumTable();
    quint32 crc = 0;
    for (std::size_t i = 0; i < size; ++i) {
        crc = (crc << 8) ^ table[((crc >> 24) ^ static_cast<uchar>(data[i])) & 0xFF];
    }
    return crc;
}

ClubMusic::ClubMusic(QString folder, int maxListeners)
    : m_folder(std::move(folder)), m_station(std::make_shared<Station>())
{
    m_station->maxListeners = maxListeners;
}

ClubMusic::~ClubMusic()
{
    stop();
}

void ClubMusic::setFolder(const QString& folder)
{
    m_folder = folder;
}

void ClubMusic::setMaxListeners(int count)
{
    const std::lock_guard lock(m_station->mutex);
    m_station->maxListeners = count;
}

void ClubMusic::setLeadSeconds(double seconds)
{
    const std::lock_guard lock(m_station->mutex);
    m_station->leadSeconds = seconds;
}

bool ClubMusic::isTrackName(const QString& name)
{
    const QByteArray bytes = name.toUtf8();
    if (bytes.size() > 200 || bytes.size() <= 4 || !name.endsWith(QLatin1String(".ogg")) ||
        name.startsWith(QLatin1Char('.')) || name.contains(QLatin1Char('/')) ||
        name.contains(QLatin1Char('\\'))) {
        return false;
    }
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.isSurrogate() ||
            c == QChar::ReplacementCharacter) {
            return false;
        }
    }
    return true;
}

QStringList ClubMusic::tracks() const
{
    if (m_folder.isEmpty()) {
        return {};
    }
    QStringList names;
    const QFileInfoList entries =
        QDir(m_folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.isFile() && !entry.isSymLink() && entry.size() <= kMaxTrackBytes &&
            isTrackName(entry.fileName())) {
            names.append(entry.fileName());
        }
    }
    names.sort();
    return names;
}

HttpResponse ClubMusic::playList() const
{
    if (m_folder.isEmpty()) {
        return plainResponse(404, "Not found\n");
    }
    HttpResponse response;
    response.contentType = "text/plain; charset=utf-8";
    for (const QString& name : tracks()) {
        response.body += name.toUtf8();
        response.body += '\n';
    }
    return response;
}

HttpResponse ClubMusic::track(const HttpRequest& request) const
{
    static constexpr std::string_view prefix = "/musik/";
    auto decode = QStringDecoder(QStringDecoder::Utf8);
    const QString name = decode(QByteArray::fromStdString(request.path.substr(prefix.size())));
    if (name == QLatin1String("_playlist.html")) {
        return playList();
    }
    if (decode.hasError() || !isTrackName(name) || !tracks().contains(name)) {
        return plainResponse(404, "Not found\n");
    }
    QFile file(QDir(m_folder).filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return plainResponse(404, "Not found\n");
    }
    HttpResponse response;
    response.contentType = "audio/ogg";
    response.body = file.read(kMaxTrackBytes);
    return response;
}

HttpResponse ClubMusic::radio()
{
    const QStringList names = tracks();
    if (names.isEmpty()) {
        return plainResponse(404, "Not found\n");
    }
    {
        const std::lock_guard lock(m_station->mutex);
        if (m_station->stopping || m_station->listeners >= m_station->maxListeners) {
            return plainResponse(503, "The club's radio has all the listeners it can take\n");
        }
        ++m_station->listeners;
    }
    auto listener = std::make_shared<Listener>(m_station, names, m_folder);
    HttpResponse response;
    response.contentType = "audio/ogg";
    response.stream = [listener](const std::function<bool(const char*, std::size_t)>& write) {
        return listener->step(write);
    };
    return response;
}

int ClubMusic::listeners() const
{
    const std::lock_guard lock(m_station->mutex);
    return m_station->listeners;
}

void ClubMusic::stop()
{
    {
        const std::lock_guard lock(m_station->mutex);
        m_station->stopping = true;
    }
    m_station->wake.notify_all();
}

}  // namespace olk::service
