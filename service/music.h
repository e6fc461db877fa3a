#pragma once

#include "service/http_types.h"

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace olk::service {

// The club's music: the Ogg files of one folder (--music DIR), served three
// ways.
//
//   GET /musik/_playlist.html  the tracks' file names, one per line (UTF-8,
//                              sorted); the game's music player reads it
//   GET /musik/NAME            one track (audio/ogg); NAME must be one of
//                              the list, so nothing outside the folder is
//                              ever reached
//   GET /radio/club.ogg        the club's radio: the tracks one after another
//                              as one endless chained Ogg stream, from a
//                              random track on
//
// A track is a regular file (no link) whose plain name ends in ".ogg", at
// most 200 bytes of valid UTF-8 without control characters, of at most
// 64 MiB. Without a folder every request is 404.
//
// The radio sends each Ogg page when the listener's clock reaches the page's
// time less a lead of a few seconds, so a listener gets the music at the
// pace it plays and the service holds one page per listener, however slowly
// it reads (a listener that stops reading is dropped by the socket's write
// time-out). Each track's pages get a serial number of their own in the
// stream, as a chained Ogg stream must, and their checksums are made anew.
// Every listener holds a thread of the server, so there are at most
// `maxListeners` at a time (503 beyond); stop() ends every stream.
class ClubMusic {
public:
    static constexpr int kDefaultMaxListeners = 8;
    static constexpr qint64 kMaxTrackBytes = 64LL * 1024 * 1024;

    explicit ClubMusic(QString folder = {}, int maxListeners = kDefaultMaxListeners);
    ~ClubMusic();
    ClubMusic(const ClubMusic&) = delete;
    ClubMusic& operator=(const ClubMusic&) = delete;

    // Only before serving starts.
    void setFolder(const QString& folder);
    void setMaxListeners(int count);
    // How far the radio runs ahead of a listener's clock.
    void setLeadSeconds(double seconds);

    // The tracks' file names, sorted.
    QStringList tracks() const;
    static bool isTrackName(const QString& name);

    HttpResponse playList() const;
    // A request for "/musik/" + NAME.
    HttpResponse track(const HttpRequest& request) const;
    HttpResponse radio();

    int listeners() const;
    // Ends every radio stream and refuses new ones.
    void stop();

    struct Station;  // shared with the streams, which may outlive a request

private:
    QString m_folder;
    std::shared_ptr<Station> m_station;
};

// The CRC-32 of Ogg pages (polynomial 0x04C11DB7, not reflected, starting
// from 0), over `size` bytes.
quint32 oggChecksum(const char* data, std::size_t size);

}  // namespace olk::service
