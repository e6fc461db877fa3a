#include "extras/music_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <QStringDecoder>

namespace olk {

namespace {

// No play list of a thousand names is near this; a larger answer is broken
// off and counts as no play list.
constexpr qint64 kMaxPlayListBytes = 512 * 1024;
constexpr int kPlayListTimeoutMs = 15000;

bool isPlainName(const QString& line)
{
    for (const QChar c : line) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || u == 0xFFFD || u == 0xFEFF || c.isSurrogate() ||
            QStringView(u"/\\?#%<>\"").contains(c)) {
            return false;
        }
    }
    return !line.startsWith(QLatin1Char('.'));
}

}  // namespace

std::vector<MusicTrack> parsePlayList(const QByteArray& page)
{
    std::vector<MusicTrack> tracks;
    qsizetype start = 0;
    for (int lineNumber = 0; lineNumber < kMaxPlayListLines && start <= page.size(); ++lineNumber) {
        qsizetype end = page.indexOf('\n', start);
        if (end < 0) {
            end = page.size();
        }
        const QByteArray raw = page.mid(start, end - start);
        start = end + 1;
        if (raw.size() > 4 * kMaxPlayListLineLength) {
            continue;
        }
        auto decode = QStringDecoder(QStringDecoder::Utf8);
        QString line = decode(raw);
        if (decode.hasError()) {
            continue;
        }
        if (lineNumber == 0 && line.startsWith(QChar(0xFEFF))) {
            line.remove(0, 1);  // a byte order mark
        }
        line = line.trimmed();
        if (line.isEmpty() || line.size() > kMaxPlayListLineLength || !isPlainName(line) ||
            line.count(QLatin1Char('~')) != 1 ||
            !(line.endsWith(QLatin1String(".mp3"), Qt::CaseInsensitive) ||
              line.endsWith(QLatin1String(".ogg"), Qt::CaseInsensitive))) {
            continue;
        }
        const QString stem = line.chopped(4);
        const qsizetype tilde = stem.indexOf(QLatin1Char('~'));
        const QString first =
            stem.left(tilde).replace(QLatin1Char('_'), QLatin1Char(' ')).trimmed();
        const QString second =
            stem.mid(tilde + 1).replace(QLatin1Char('_'), QLatin1Char(' ')).trimmed();
        if (first.isEmpty() || second.isEmpty()) {
            continue;
        }
        tracks.push_back({first, second, line});
    }
    return tracks;
}

MusicPlayer::MusicPlayer(QObject* parent) : QObject(parent)
{
    m_tick.setInterval(500);
    connect(&m_tick, &QTimer::timeout, this, &MusicPlayer::playerTick);
}

MusicPlayer::~MusicPlayer()
{
    stop();
}

void MusicPlayer::setupPlayer(const QUrl& server)
{
    if (m_setUp || m_stopped) {
        return;
    }
    m_setUp = true;
    if (!server.isValid() || server.host().isEmpty() ||
        (server.scheme() != QLatin1String("http") && server.scheme() != QLatin1String("https"))) {
        return;
    }
    m_server = server.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment);
    QUrl address = m_server;
    address.setPath(QStringLiteral("/musik/_playlist.html"));
    QNetworkRequest request(address);
    request.setTransferTimeout(kPlayListTimeoutMs);
    m_network = new QNetworkAccessManager(this);
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (received > kMaxPlayListBytes && m_reply) {
            m_reply->abort();
        }
    });
    connect(m_reply, &QNetworkReply::finished, this, &MusicPlayer::playListArrived);
}

QUrl MusicPlayer::addressOf(const MusicTrack& track) const
{
    QUrl address = m_server;
    address.setPath(QStringLiteral("/musik/") + track.fileName);
    return address;
}

void MusicPlayer::playListArrived()
{
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    if (reply == nullptr) {
        return;
    }
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_stopped || reply->error() != QNetworkReply::NoError || status != 200) {
        return;
    }
    std::vector<MusicTrack> tracks = parsePlayList(reply->read(kMaxPlayListBytes));
    if (static_cast<int>(tracks.size()) < kMinTracks) {
        return;
    }
    m_tracks = std::move(tracks);
    m_available = true;
    m_media = new QMediaPlayer(this);
    m_output = new QAudioOutput(this);
    m_media->setAudioOutput(m_output);
    chooseTrack();
    applyVolume();
    m_media->setSource(addressOf(m_tracks[static_cast<std::size_t>(m_current)]));
    m_tick.start();
    emit changed();
}

void MusicPlayer::chooseTrack()
{
    m_current = static_cast<int>(
        QRandomGenerator::global()->bounded(static_cast<quint32>(m_tracks.size())));
}

void MusicPlayer::applyVolume()
{
    if (m_output != nullptr) {
        m_output->setVolume(static_cast<float>(m_volume) / 100.0f);
    }
}

void MusicPlayer::playPause()
{
    if (!m_available || m_stopped) {
        return;
    }
    m_playing = !m_playing;
    if (m_playing) {
        m_media->play();
    } else {
        m_media->pause();
    }
    emit changed();
}

void MusicPlayer::next()
{
    if (!m_available || m_stopped) {
        return;
    }
    m_media->stop();
    chooseTrack();
    // The same address again would be taken as no change: start it anew.
    m_media->setSource(QUrl());
    m_media->setSource(addressOf(m_tracks[static_cast<std::size_t>(m_current)]));
    applyVolume();
    m_media->play();
    m_playing = true;
    emit changed();
}

void MusicPlayer::volumeUp()
{
    if (m_available && m_volume < 100) {
        m_volume = std::min(100, m_volume + kVolumeStep);
        applyVolume();
        emit changed();
    }
}

void MusicPlayer::volumeDown()
{
    if (m_available && m_volume > 0) {
        m_volume = std::max(0, m_volume - kVolumeStep);
        applyVolume();
        emit changed();
    }
}

void MusicPlayer::playerTick()
{
    // The media player says when a track has played to its end; its
    // position and length need not meet exactly.
    if (m_available && m_playing && m_media->mediaStatus() == QMediaPlayer::EndOfMedia) {
        next();
    }
}

void MusicPlayer::stop()
{
    m_stopped = true;
    m_tick.stop();
    if (m_reply) {
        m_reply->abort();
    }
    if (m_media != nullptr) {
        m_media->stop();
    }
    m_playing = false;
}

}  // namespace olk
