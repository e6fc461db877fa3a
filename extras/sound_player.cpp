#include "extras/sound_player.h"

#include "records/resource_library.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <memory>

// The effects live in the olk_sounds resources, which a static library must
// register itself.
static void initSoundResources()
{
    Q_INIT_RESOURCE(olk_sounds);
}

namespace olk {

void registerSoundResources()
{
    static const bool registered = (initSoundResources(), true);
    Q_UNUSED(registered);
}

namespace {

std::uint16_t u16(const char* at)
{
    return qFromLittleEndian<quint16>(at);
}

std::uint32_t u32(const char* at)
{
    return qFromLittleEndian<quint32>(at);
}

// Longer sounds than this are not the game's: a damaged length field must
// not fill the memory.
constexpr qsizetype kLongestSound = 30 * kMixRate;

// 20 ms of sound in the device's buffer: short enough to be heard at once,
// long enough not to run dry on a busy machine.
constexpr qsizetype kDeviceBufferBytes = kMixRate * 2 * 20 / 1000;


}  // namespace

std::optional<std::vector<std::int16_t>> decodeWav(const QByteArray& data)
{
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    int format = 0;
    int channels = 0;
    std::uint32_t rate = 0;
    int bits = 0;
    bool haveFormat = false;
    const char* pcm = nullptr;
    qsizetype pcmBytes = 0;
    qsizetype at = 12;
    while (at + 8 <= data.size()) {
        const QByteArrayView id(data.constData() + at, 4);
        const qsizetype size = u32(data.constData() + at + 4);
        at += 8;
        const qsizetype left = data.size() - at;
        if (id == "fmt ") {
            if (size < 16 || size > left) {
                return std::nullopt;
            }
            const char* fmt = data.constData() + at;
            format = u16(fmt);
            channels = u16(fmt + 2);
            rate = u32(fmt + 4);
            bits = u16(fmt + 14);
            haveFormat = true;
        } else if (id == "data") {
            // A writer that streamed may leave the size too large: take what
            // is there.
            pcm = data.constData() + at;
            pcmBytes = std::min(size, left);
            break;
        }
        at += size + (size & 1);
    }
    if (!haveFormat || pcm == nullptr || format != 1 || bits != 16 || channels < 1 ||
        channels > 2 || rate < 8000 || rate > 192000) {
        return std::nullopt;
    }
    const qsizetype frames = pcmBytes / (2 * channels);
    std::vector<std::int16_t> mono(static_cast<std::size_t>(frames));
    for (qsizetype i = 0; i < frames; ++i) {
        int sum = 0;
        for (int c = 0; c < channels; ++c) {
            sum += static_cast<std::int16_t>(u16(pcm + 2 * (i * channels + c)));
        }
        mono[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(sum / channels);
    }
    if (rate == kMixRate) {
        if (frames > kLongestSound) {
            return std::nullopt;
        }
        return mono;
    }
    // Linear interpolation is plenty for speech and effects.
    const qsizetype outFrames = static_cast<qsizetype>(
        static_cast<std::int64_t>(frames) * kMixRate / static_cast<std::int64_t>(rate));
    if (outFrames > kLongestSound) {
        return std::nullopt;
    }
    std::vector<std::int16_t> out(static_cast<std::size_t>(outFrames));
    const double step = static_cast<double>(rate) / kMixRate;
    for (qsizetype i = 0; i < outFrames; ++i) {
        const double position = static_cast<double>(i) * step;
        const auto index = static_cast<std::size_t>(position);
        const double fraction = position - static_cast<double>(index);
        const double a = mono[index];
        const double b = index + 1 < mono.size() ? mono[index + 1] : a;
        out[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(a + (b - a) * fraction);
    }
    return out;
}

// Everything that sounds, summed into the one stream the device plays: made
// and used in the sound thread only. While anything sounds, a short timer
// keeps the device's small buffer full; between sounds the stream runs dry
// and waits for the next one, at no cost. The stream stays open once it is:
// a new stream to the sound server takes about a second to be heard, which
// would delay or lose the sound that opened it.
class SoundMixer : public QObject {
    Q_OBJECT

public:
    SoundMixer()
    {
        m_feed->setTimerType(Qt::PreciseTimer);
        m_feed->setInterval(kFeedMs);
        connect(m_feed, &QTimer::timeout, this, &SoundMixer::feed);
    }

public slots:
    // Decodes every effect ahead, so that the first play is as quick as the
    // others; with `soundOn`, opens the device for the same reason.
    void load(const QStringList& paths, bool soundOn)
    {
        for (const QString& path : paths) {
            sound(path);
        }
        if (soundOn) {
            openDevice();
        }
    }

    // Plays an effect (":/sounds/..."), mixed with whatever plays already.
    void play(const QString& path)
    {
        if (std::shared_ptr<const std::vector<std::int16_t>> samples = sound(path)) {
            start(std::move(samples));
        }
    }

    // Plays a sound from outside (a spoken card name), mixed like an effect;
    // nothing when it is not a sound this player reads.
    void playClip(const QByteArray& wav)
    {
        if (std::optional<std::vector<std::int16_t>> samples = decodeWav(wav);
            samples && !samples->empty()) {
            start(std::make_shared<const std::vector<std::int16_t>>(std::move(*samples)));
        }
    }

private:
    static constexpr int kFeedMs = 5;

    void start(std::shared_ptr<const std::vector<std::int16_t>> samples)
    {
        openDevice();
        if (m_output == nullptr) {
            return;  // no device: the sound is lost, not kept for later
        }
        m_voices.push_back({std::move(samples), 0});
        if (!m_feed->isActive()) {
            m_feed->start();
        }
        feed();  // at once, not at the next tick
    }

    struct Voice {
        std::shared_ptr<const std::vector<std::int16_t>> samples;
        std::size_t at;
    };

    void feed()
    {
        if (m_output == nullptr || m_device == nullptr) {
            return;
        }
        const qsizetype frames = m_device->bytesFree() / 2;
        if (frames <= 0) {
            return;
        }
        m_sum.assign(static_cast<std::size_t>(frames), 0);
        for (Voice& voice : m_voices) {
            const std::vector<std::int16_t>& samples = *voice.samples;
            const std::size_t count =
                std::min(static_cast<std::size_t>(frames), samples.size() - voice.at);
            for (std::size_t i = 0; i < count; ++i) {
                m_sum[i] += samples[voice.at + i];
            }
            voice.at += count;
        }
        std::erase_if(m_voices, [](const Voice& v) { return v.at >= v.samples->size(); });
        m_bytes.resize(frames * 2);
        for (qsizetype i = 0; i < frames; ++i) {
            const int sample = std::clamp(m_sum[static_cast<std::size_t>(i)], -32768, 32767);
            qToLittleEndian<qint16>(static_cast<qint16>(sample), m_bytes.data() + 2 * i);
        }
        m_output->write(m_bytes);
        if (m_voices.empty()) {
            // Nothing more to say: the device plays out what it has and then
            // waits, costing nothing, until the next sound wakes the feed.
            m_feed->stop();
        }
    }

    std::shared_ptr<const std::vector<std::int16_t>> sound(const QString& path)
    {
        auto known = m_sounds.find(path);
        if (known == m_sounds.end()) {
            QFile file(path);
            std::optional<std::vector<std::int16_t>> samples;
            if (file.open(QIODevice::ReadOnly)) {
                samples = decodeWav(file.readAll());
            }
            known = m_sounds.insert(
                path, samples && !samples->empty()
                          ? std::make_shared<const std::vector<std::int16_t>>(std::move(*samples))
                          : nullptr);
        }
        return known.value();
    }

    void openDevice()
    {
        if (m_output != nullptr && m_device->state() != QAudio::StoppedState) {
            return;
        }
        if (m_device == nullptr) {
            QAudioFormat format;
            format.setSampleRate(kMixRate);
            format.setChannelCount(1);
            format.setSampleFormat(QAudioFormat::Int16);
            m_device = new QAudioSink(QMediaDevices::defaultAudioOutput(), format, this);
            m_device->setBufferSize(kDeviceBufferBytes);
        }
        // Without a device this fails quietly, and the next sound tries again.
        m_output = m_device->start();
        if (m_output == nullptr || m_device->state() == QAudio::StoppedState) {
            m_output = nullptr;
        }
    }

    QHash<QString, std::shared_ptr<const std::vector<std::int16_t>>> m_sounds;
    std::vector<Voice> m_voices;
    std::vector<int> m_sum;
    QByteArray m_bytes;
    QAudioSink* m_device = nullptr;
    QIODevice* m_output = nullptr;  // the device's, while it is open
    QTimer* m_feed = new QTimer(this);
};

SoundPlayer::SoundPlayer(const bool& soundOn) : m_soundOn(soundOn)
{
    registerSoundResources();
    m_thread.setObjectName(QStringLiteral("sound"));
    m_mixer = new SoundMixer;
    m_mixer->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_mixer, &QObject::deleteLater);
    m_thread.start();
}

void SoundPlayer::prepare()
{
    QStringList paths;
    for (const QString& name : QDir(QStringLiteral(":/sounds")).entryList(QDir::Files)) {
        paths << QStringLiteral(":/sounds/") + name;
    }
    QMetaObject::invokeMethod(m_mixer, "load", Qt::QueuedConnection, Q_ARG(QStringList, paths),
                              Q_ARG(bool, m_soundOn));
}

SoundPlayer::~SoundPlayer()
{
    m_thread.quit();
    m_thread.wait();
}

int SoundPlayer::lengthMs(const QString& name)
{
    registerSoundResources();
    // Asked on the user-interface thread only.
    static QHash<QString, int> lengths;
    const auto known = lengths.constFind(name);
    if (known != lengths.constEnd()) {
        return *known;
    }
    int ms = 0;
    QFile file(QStringLiteral(":/sounds/") + name);
    if (file.open(QIODevice::ReadOnly)) {
        if (const auto samples = decodeWav(file.readAll())) {
            ms = static_cast<int>(static_cast<qint64>(samples->size()) * 1000 / kMixRate);
        }
    }
    lengths.insert(name, ms);
    return ms;
}

bool SoundPlayer::speakCard(const QString& voiceName, const QString& programFolder)
{
    // Looked for anew at every call: a library downloaded meanwhile speaks
    // at once, and none is held open.
    const std::optional<ResourceLibrary> library =
        ResourceLibrary::find(QStringLiteral("TevCVoice3.dll"), programFolder);
    if (!library || voiceName.isEmpty() || library->kind(voiceName) != ResourceKind::Wave) {
        return false;
    }
    const std::optional<QByteArray> clip = library->bytes(voiceName);
    if (!clip) {
        return false;
    }
    QMetaObject::invokeMethod(m_mixer, "playClip", Qt::QueuedConnection, Q_ARG(QByteArray, *clip));
    return true;
}

void SoundPlayer::playEffect(const QString& name, bool wait)
{
    if (!m_soundOn) {
        return;
    }
    const int ms = lengthMs(name);
    if (ms == 0) {
        return;
    }
    QMetaObject::invokeMethod(m_mixer, "play", Qt::QueuedConnection,
                              Q_ARG(QString, QStringLiteral(":/sounds/") + name));
    if (wait) {
        // The sound thread plays it; this one waits exactly as long.
        QThread::msleep(static_cast<unsigned long>(ms));
    }
}

}  // namespace olk

#include "sound_player.moc"
