#include "extras/melody_player.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <fluidsynth.h>

#include <algorithm>
#include <memory>

#include "extras/sound_player.h"

namespace olk {
namespace {

constexpr int kSampleRate = 44100;

// With TimGM6mb this puts the melody's peaks near -9 dBFS, below the effects
// (-3 dBFS), as a background should be; FluidSynth's own default is far
// quieter than any other sound of a desktop.
constexpr double kGain = 0.8;

// After the melody stops, the device is kept long enough for the notes'
// release to fade out, then closed, so that a game pays nothing for it.
constexpr int kCloseDeviceMs = 1500;

QByteArray songData()
{
    registerSoundResources();
    QFile file(QStringLiteral(":/music/MidiSong"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// FluidSynth writes its messages to standard error; only real trouble
// reaches the program's log.
void logFluid(int level, const char* message, void*)
{
    if (level <= FLUID_ERR) {
        qWarning("FluidSynth: %s", message);
    }
}

// A synthesiser with the sound font loaded, set up the same for playing and
// for rendering.
class Synthesiser {
public:
    Synthesiser()
    {
        static const bool logSet = [] {
            for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
                fluid_set_log_function(level, logFluid, nullptr);
            }
            return true;
        }();
        Q_UNUSED(logSet);
        const QString font = MelodyPlayer::soundFont();
        if (font.isEmpty()) {
            return;
        }
        m_settings = new_fluid_settings();
        fluid_settings_setnum(m_settings, "synth.sample-rate", kSampleRate);
        fluid_settings_setnum(m_settings, "synth.gain", kGain);
        fluid_settings_setint(m_settings, "synth.chorus.active", 0);
        fluid_settings_setint(m_settings, "synth.reverb.active", 1);
        fluid_settings_setint(m_settings, "synth.polyphony", 64);
        fluid_settings_setint(m_settings, "synth.cpu-cores", 1);
        // Only the samples of the instruments the song uses are read.
        fluid_settings_setint(m_settings, "synth.dynamic-sample-loading", 1);
        fluid_settings_setstr(m_settings, "player.timing-source", "sample");
        // A background tune needs no low latency: large periods, few wake-ups.
        fluid_settings_setint(m_settings, "audio.period-size", 2048);
        fluid_settings_setint(m_settings, "audio.periods", 2);
        fluid_settings_setstr(m_settings, "audio.pulseaudio.media-role", "music");
        m_synth = new_fluid_synth(m_settings);
        if (m_synth != nullptr &&
            fluid_synth_sfload(m_synth, QFile::encodeName(font).constData(), 1) == FLUID_FAILED) {
            delete_fluid_synth(m_synth);
            m_synth = nullptr;
        }
    }

    ~Synthesiser()
    {
        if (m_synth != nullptr) {
            delete_fluid_synth(m_synth);
        }
        if (m_settings != nullptr) {
            delete_fluid_settings(m_settings);
        }
    }

    Synthesiser(const Synthesiser&) = delete;
    Synthesiser& operator=(const Synthesiser&) = delete;

    fluid_settings_t* settings() const { return m_settings; }
    fluid_synth_t* synth() const { return m_synth; }

    // A player of the melody, looping for ever, already started; null when
    // the melody cannot be read.
    fluid_player_t* startSong(const QByteArray& song) const
    {
        if (m_synth == nullptr || song.isEmpty()) {
            return nullptr;
        }
        fluid_player_t* player = new_fluid_player(m_synth);
        if (player == nullptr) {
            return nullptr;
        }
        if (fluid_player_add_mem(player, song.constData(), static_cast<std::size_t>(song.size())) ==
                FLUID_FAILED ||
            fluid_player_set_loop(player, -1) == FLUID_FAILED ||
            fluid_player_play(player) == FLUID_FAILED) {
            delete_fluid_player(player);
            return nullptr;
        }
        return player;
    }

private:
    fluid_settings_t* m_settings = nullptr;
    fluid_synth_t* m_synth = nullptr;
};

}  // namespace

// The synthesiser, its player and the audio device, made and used in the
// melody's thread only.
class MelodyVoice : public QObject {
    Q_OBJECT

public:
    MelodyVoice()
    {
        m_closeDevice->setSingleShot(true);
        m_closeDevice->setInterval(kCloseDeviceMs);
        connect(m_closeDevice, &QTimer::timeout, this, &MelodyVoice::closeDevice);
    }

    ~MelodyVoice() override
    {
        closeDevice();
        stopPlayer();
    }

public slots:
    void start()
    {
        m_closeDevice->stop();
        if (m_player != nullptr) {
            return;
        }
        if (m_synthesiser == nullptr) {
            m_song = songData();
            m_synthesiser = std::make_unique<Synthesiser>();
        }
        if (m_synthesiser->synth() == nullptr || !openDevice()) {
            return;
        }
        m_player = m_synthesiser->startSong(m_song);
    }

    void stop()
    {
        if (m_player == nullptr) {
            return;
        }
        stopPlayer();
        fluid_synth_all_notes_off(m_synthesiser->synth(), -1);
        m_closeDevice->start();
    }

private:
    bool openDevice()
    {
        if (m_device != nullptr) {
            return true;
        }
        // The sound server first (PulseAudio, or PipeWire speaking for it),
        // then the other ways this FluidSynth may know.
        for (const char* driver : {"pulseaudio", "pipewire", "alsa", "sdl2"}) {
            if (fluid_settings_setstr(m_synthesiser->settings(), "audio.driver", driver) ==
                FLUID_OK) {
                m_device = new_fluid_audio_driver(m_synthesiser->settings(),
                                                  m_synthesiser->synth());
                if (m_device != nullptr) {
                    return true;
                }
            }
        }
        return false;
    }

    void closeDevice()
    {
        if (m_device != nullptr) {
            delete_fluid_audio_driver(m_device);
            m_device = nullptr;
        }
    }

    void stopPlayer()
    {
        if (m_player != nullptr) {
            fluid_player_stop(m_player);
            delete_fluid_player(m_player);
            m_player = nullptr;
        }
    }

    QByteArray m_song;
    std::unique_ptr<Synthesiser> m_synthesiser;
    fluid_audio_driver_t* m_device = nullptr;
    fluid_player_t* m_player = nullptr;
    QTimer* m_closeDevice = new QTimer(this);  // a child: it moves with the voice
};

MelodyPlayer::MelodyPlayer()
{
    m_thread.setObjectName(QStringLiteral("melody"));
    m_voice = new MelodyVoice;
    m_voice->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_voice, &QObject::deleteLater);
    m_thread.start();
}

MelodyPlayer::~MelodyPlayer()
{
    m_thread.quit();
    m_thread.wait();
}

void MelodyPlayer::music(bool on)
{
    if (on == m_on) {
        return;
    }
    m_on = on;
    QMetaObject::invokeMethod(m_voice, on ? "start" : "stop", Qt::QueuedConnection);
}

QString MelodyPlayer::soundFont()
{
    // TimGM6mb is the font the melody's level is set for; the system's
    // default General MIDI font and the larger Debian ones serve as well.
    for (const char* path : {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                             "/usr/share/sounds/sf2/default-GM.sf2",
                             "/usr/share/sounds/sf3/default-GM.sf3",
                             "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                             "/usr/share/soundfonts/default.sf2"}) {
        const QFileInfo file(QString::fromLatin1(path));
        if (file.isFile() && file.isReadable()) {
            return file.filePath();
        }
    }
    return {};
}

std::vector<std::int16_t> MelodyPlayer::render(double seconds)
{
    const Synthesiser synthesiser;
    const QByteArray song = songData();
    fluid_player_t* player = synthesiser.startSong(song);
    if (player == nullptr) {
        return {};
    }
    const int frames = static_cast<int>(seconds * kSampleRate);
    std::vector<std::int16_t> samples(static_cast<std::size_t>(frames) * 2);
    constexpr int kBlock = 1024;
    for (int done = 0; done < frames; done += kBlock) {
        const int count = std::min(kBlock, frames - done);
        std::int16_t* out = samples.data() + static_cast<std::ptrdiff_t>(done) * 2;
        fluid_synth_write_s16(synthesiser.synth(), count, out, 0, 2, out, 1, 2);
    }
    fluid_player_stop(player);
    delete_fluid_player(player);
    return samples;
}

}  // namespace olk

#include "melody_player.moc"
