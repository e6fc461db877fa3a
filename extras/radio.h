#pragma once

// The internet radio: its state file, the station list, and the player of
// the chosen station's stream.
//
// Station list "TevRadio.rad" (kept on disk) or "TevRadio.ser" (the copy
// fetched from the download server), UTF-8 text, one station per line:
//   RUS#AVTORAD#Авторадио Moscow#Russian Federation#http://host/stream#RRADIO_LOGO_AVTORADIO
// the fields separated by "#": the country code (3 characters, one of the
// 28 of radioCountries()), the station's key (7 characters, so at
// characters 5 to 11 of the line), the station's name, the country's name,
// the stream's address and the logo's picture name in the radio library
// "TevRadio02.dll". A line beginning with "#" is a comment; a line that
// breaks these rules (too few fields, a key of another length, an empty
// name or address) is ignored. Keys are unique; should one repeat, its last
// line wins. An address without a scheme and host ("/radio/club.ogg") is
// on the online service: it is resolved against the service's address, so
// one list serves wherever the service runs.
//
// State file "TevRadio.ini" in the folder above the program's: seven lines,
// UTF-8, in this order: the station's name, its address, its country's
// name, its logo's picture name, "1" when the radio is on (anything else is
// off), the volume (0..100 in steps of ten) and the country's position in
// the country list (0..27). A missing or damaged line keeps its default.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <span>
#include <vector>

class QMediaPlayer;
class QAudioOutput;
class QNetworkAccessManager;
class QNetworkReply;

namespace olk {

inline constexpr char kRadioListFile[] = "TevRadio.rad";
inline constexpr char kRadioServerListFile[] = "TevRadio.ser";
inline constexpr char kRadioStateFile[] = "TevRadio.ini";
inline constexpr char kRadioLibraryFile[] = "TevRadio02.dll";
// The station list's path on the download server.
inline constexpr char kRadioListServerPath[] = "/downloads/progr/cards/TevRadio.rad";

// A country of the list: its code in the station list, its name as shown
// (in every language) and its 14 x 12 flag in the radio library.
struct RadioCountry {
    const char* code;
    const char* name;
    const char* flag;
};
inline constexpr int kRadioCountries = 28;
std::span<const RadioCountry> radioCountries();

struct RadioState {
    QString stationName = QStringLiteral("Авторадио Moscow");
    QByteArray stationUrl = defaultStationUrl();
    QString stationCountry = QStringLiteral("Russian Federation");
    QString stationLogo = QStringLiteral("RRADIO_LOGO_AVTORADIO");
    bool radioOn = false;
    int radioVolume = 30;
    int radioCountry = 0;

    static QByteArray defaultStationUrl();
    bool operator==(const RadioState&) const = default;
};

// The state in the text of "TevRadio.ini"; defaults for what is missing or
// cannot be read.
RadioState parseRadioState(const QByteArray& text);
// The seven lines of "TevRadio.ini" for `state`; when any of its four texts
// is empty, the whole state is written as its defaults.
QByteArray radioStateText(const RadioState& state);

struct RadioStation {
    QString code;
    QString key;
    QString name;
    QString country;
    QByteArray url;
    QString logo;
};

// Every station of the list's text, in the order of its lines.
std::vector<RadioStation> parseStationList(const QByteArray& text);

// The station list as the dialog shows it for country position `country`:
// the stations' names and keys, the row to select, and whether choosing that
// row must also run selectStation (no station of that name in the list).
struct StationChoice {
    std::vector<RadioStation> stations;
    int selected = -1;  // -1: the list is empty
    bool selectFirst = false;
};
StationChoice readStationList(const QByteArray& text, int country, const QString& stationName);

// Makes the station with `key` the chosen one: its name, country, address
// and logo go into `state`; the logo falls back to "RRADIO_LOGO_RADIOUN"
// when the key is not in the list. With repeated keys the last line wins.
// False when the key is not in the list.
bool selectStation(const QByteArray& listText, const QString& key, RadioState& state);

// The volume display's picture: "RRADIO_VOLUME" + "00" for 0, "01" for
// 1..10, "02" for 11..20, ... "10" for 91..100.
QString volumePictureName(int volume);

// A stream address as the player opens it: a relative one ("/radio/club.ogg")
// resolved against the online service's address; an empty URL for an
// address that is neither http(s) nor resolvable.
QUrl resolveStationUrl(const QByteArray& address, const QString& serviceAddress);

// Where the radio's files lie: the folder above the program's.
QString radioParentFolder(const QString& programFolder);
// The station list's path: the fetched copy "TevRadio.ser" in the parent
// folder, or "TevRadio.rad" beside the program or in the parent folder;
// empty when there is none.
QString stationListPath(const QString& programFolder, bool fromServer);
// The text of the station list in use; empty when it cannot be read.
QByteArray readStationListText(const QString& programFolder, bool fromServer);

// The radio of the running program: its state, whether it can play at all
// (`available`: the radio library and a station list are there) and one
// stream at a time. Streams start and fail asynchronously; nothing here ever
// waits for the network.
class Radio : public QObject {
    Q_OBJECT

public:
    // What the stream is doing, for the dialog's status line.
    enum class Status { Off, Connecting, Playing, NoConnection, BrokenOff };

    explicit Radio(QString programFolder, QObject* parent = nullptr);
    ~Radio() override;

    // The online service's base address ("http://host:port"), against which
    // relative station addresses are resolved and from which the station
    // list is fetched; empty: neither is possible.
    void setServiceAddress(const QString& address) { m_serviceAddress = address; }
    const QString& serviceAddress() const { return m_serviceAddress; }

    // Decides whether the radio is available and reads "TevRadio.ini" anew
    // (defaults first). With `fromServer` the list counts only when this
    // run fetched it (fetchStationList); unavailable, the radio is off.
    bool checkRadio(bool fromServer);
    bool available() const { return m_available; }
    // Fetches the station list from the download server into the parent
    // folder's "TevRadio.ser" (through a temporary file); `done` runs with
    // the result. A fetch already running is abandoned.
    void fetchStationList(std::function<void(bool ok)> done);
    bool serverListFetched() const { return m_serverListFetched; }

    // Writes "TevRadio.ini" atomically; false when it could not.
    bool saveRadioState();

    RadioState& state() { return m_state; }
    const RadioState& state() const { return m_state; }

    // Flips `radioOn`, starting or stopping the station; false (and nothing
    // changed) while the radio is unavailable.
    bool toggleRadio();
    // Starts the chosen station (after stopping what plays); does nothing
    // unless the radio is on.
    void startStation();
    void stopStation();
    // 0..100, applied at once, also while playing.
    void setVolume(int volume);

    Status status() const { return m_status; }
    // The address the player was last given; empty when none.
    QUrl playingUrl() const { return m_playingUrl; }

signals:
    // The state changed (on or off, station, volume).
    void changed();
    void statusChanged(Status status);

private:
    void setStatus(Status status);
    void ensurePlayer();
    void dropPlayer();

    QString m_programFolder;
    QString m_serviceAddress;
    RadioState m_state;
    bool m_available = false;
    bool m_serverListFetched = false;
    Status m_status = Status::Off;
    QUrl m_playingUrl;
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_output = nullptr;
    QNetworkAccessManager* m_network = nullptr;
    QNetworkReply* m_fetch = nullptr;
};

}  // namespace olk
