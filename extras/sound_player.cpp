#include "extras/sound_player.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

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

// The effects' players, made and used in the sound thread only.
class EffectVoices : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

public slots:
    // Decodes every effect ahead, so that the first play is as quick as the
    // others.
    void load(const QStringList& names)
    {
        for (const QString& name : names) {
            effectFor(name);
        }
    }

    void play(const QString& name)
    {
        // An effect still loading plays as soon as it is loaded.
        effectFor(name)->play();
    }

    // A resource outside the effects (":/voice/..."), kept like them.
    void playResource(const QString& path)
    {
        QSoundEffect*& voice = m_effects[path];
        if (voice == nullptr) {
            voice = new QSoundEffect(this);
            voice->setSource(QUrl(QStringLiteral("qrc") + path));
        }
        voice->play();
    }

private:
    QSoundEffect* effectFor(const QString& name)
    {
        QSoundEffect*& effect = m_effects[name];
        if (effect == nullptr) {
            effect = new QSoundEffect(this);
            effect->setSource(QUrl(QStringLiteral("qrc:/sounds/") + name));
        }
        return effect;
    }

    QHash<QString, QSoundEffect*> m_effects;
};

SoundPlayer::SoundPlayer(const bool& soundOn) : m_soundOn(soundOn)
{
    registerSoundResources();
    m_thread.setObjectName(QStringLiteral("sound"));
    m_voices = new EffectVoices;
    m_voices->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_voices, &QObject::deleteLater);
    m_thread.start();
    const QStringList names = QDir(QStringLiteral(":/sounds")).entryList(QDir::Files);
    QMetaObject::invokeMethod(m_voices, "load", Qt::QueuedConnection, Q_ARG(QStringList, names));
}

SoundPlayer::~SoundPlayer()
{
    m_thread.quit();
    m_thread.wait();
}

int SoundPlayer::lengthMs(const QString& name)
{
    registerSoundResources();
    // The RIFF header of a PCM WAV: the byte rate at 28, the data chunk's
    // size after "data".
    static QHash<QString, int> lengths;
    const auto known = lengths.constFind(name);
    if (known != lengths.constEnd()) {
        return *known;
    }
    int ms = 0;
    QFile file(QStringLiteral(":/sounds/") + name);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray data = file.readAll();
        const qsizetype chunk = data.indexOf("data", 12);
        if (data.size() >= 44 && data.startsWith("RIFF") && chunk >= 0 &&
            chunk + 8 <= data.size()) {
            const quint32 byteRate = qFromLittleEndian<quint32>(data.constData() + 28);
            const quint32 bytes = qFromLittleEndian<quint32>(data.constData() + chunk + 4);
            if (byteRate > 0) {
                ms = static_cast<int>(static_cast<quint64>(bytes) * 1000 / byteRate);
            }
        }
    }
    lengths.insert(name, ms);
    return ms;
}

bool SoundPlayer::speakCard(const QString& voiceName, const QString& programFolder)
{
    if (m_voiceLibrary.isEmpty()) {
        const QDir folder(programFolder);
        for (const QString& path : {folder.filePath(QStringLiteral("TevCVoice3.dll")),
                                    folder.filePath(QStringLiteral("../TevCVoice3.dll"))}) {
            // A file that is not a resource library is refused here.
            if (QFileInfo(path).isFile() &&
                QResource::registerResource(path, QStringLiteral("/voice"))) {
                m_voiceLibrary = path;
                break;
            }
        }
    }
    const QString resource = QStringLiteral(":/voice/") + voiceName;
    if (m_voiceLibrary.isEmpty() || voiceName.isEmpty() || !QFileInfo::exists(resource)) {
        return false;
    }
    QMetaObject::invokeMethod(m_voices, "playResource", Qt::QueuedConnection,
                              Q_ARG(QString, resource));
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
    QMetaObject::invokeMethod(m_voices, "play", Qt::QueuedConnection, Q_ARG(QString, name));
    if (wait) {
        // The sound thread plays it; this one waits exactly as long.
        QThread::msleep(static_cast<unsigned long>(ms));
    }
}

}  // namespace olk

#include "sound_player.moc"
