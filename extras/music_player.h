#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <vector>

class QAudioOutput;
class QMediaPlayer;
class QNetworkAccessManager;

namespace olk {

// One track of the club's music.
struct MusicTrack {
    QString first;     // the title
    QString second;    // who plays it
    QString fileName;  // the play list's line, as the server names the file
};

// The play list "/musik/_playlist.html": UTF-8 text, one file name a line,
// first + "~" + second + ".mp3" (or ".ogg") with "_" for blanks. Blank lines,
// HTML markup, lines without exactly one "~" or with an empty part, names
// with a path, a query or control characters, and lines longer than
// kMaxLineLength are left out; lines after the first kMaxLines are not read.
inline constexpr int kMaxPlayListLines = 1000;
inline constexpr int kMaxPlayListLineLength = 200;
std::vector<MusicTrack> parsePlayList(const QByteArray& page);

// The main menu's music player: it fetches the club's play list from the
// server the downloads come from, and plays its tracks one after another in
// random order through Qt Multimedia. Available with more than four tracks.
// A play list or a track that cannot be reached is silence: no message, and
// nothing waits for the network.
class MusicPlayer : public QObject {
    Q_OBJECT

public:
    static constexpr int kMinTracks = 5;
    static constexpr int kStartVolume = 50;
    static constexpr int kVolumeStep = 5;

    explicit MusicPlayer(QObject* parent = nullptr);
    ~MusicPlayer() override;

    // Fetches the play list from `server` ("http://host:port"); once it has
    // come, the player is available, on a random track at volume 50, not
    // playing. Only the first call does anything.
    void setupPlayer(const QUrl& server);

    bool isAvailable() const { return m_available; }
    // Whether the play list is still on its way.
    bool isFetching() const { return m_reply != nullptr; }
    bool isPlaying() const { return m_playing; }
    int volume() const { return m_volume; }
    const std::vector<MusicTrack>& tracks() const { return m_tracks; }
    int currentTrack() const { return m_current; }  // 0-based; -1 before the list came
    QUrl addressOf(const MusicTrack& track) const;

    // Play / pause: between playing and stopped.
    void playPause();
    // Another track at random (the same one may come again), played.
    void next();
    void volumeUp();
    void volumeDown();
    // Every 500 ms: a track played to its end is followed by the next one.
    void playerTick();
    // Silence for good: the window closes.
    void stop();

    // The media player, for the tests that listen to it.
    QMediaPlayer* mediaPlayer() const { return m_media; }

signals:
    // The availability, the playing state, the track or the volume changed:
    // the buttons are drawn again.
    void changed();

private:
    void playListArrived();
    void chooseTrack();
    void applyVolume();

    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QMediaPlayer* m_media = nullptr;
    QAudioOutput* m_output = nullptr;
    QTimer m_tick;
    QUrl m_server;
    std::vector<MusicTrack> m_tracks;
    int m_current = -1;
    int m_volume = kStartVolume;
    bool m_available = false;
    bool m_playing = false;
    bool m_setUp = false;
    bool m_stopped = false;
};

}  // namespace olk
