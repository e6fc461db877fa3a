#include "extras/radio.h"

#include <QAudioOutput>
#include <QDir>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "records/record_io.h"
#include "records/resource_library.h"

namespace olk {
namespace {

constexpr RadioCountry kCountries[kRadioCountries] = {
    {"RUS", "Russian Federation", "RFLAG_RUS"},
    {"UA0", "Ukraine", "RFLAG_UA0"},
    {"BEL", "Belarus", "RFLAG_BEL"},
    {"MOL", "Moldova", "RFLAG_MOL"},
    {"EST", "Estonia", "RFLAG_EST"},
    {"LAT", "Latvia", "RFLAG_LAT"},
    {"LIT", "Lithuania", "RFLAG_LIT"},
    {"ARM", "Armenia", "RFLAG_ARM"},
    {"GEO", "Georgia", "RFLAG_GEO"},
    {"AZE", "Azerbaijan", "RFLAG_AZE"},
    {"KZ0", "Kazakhstan", "RFLAG_KZ0"},
    {"UZ0", "Uzbekistan", "RFLAG_UZ0"},
    {"USA", "USA", "RFLAG_USA"},
    {"CAN", "Canada", "RFLAG_CAN"},
    {"UK0", "United Kingdom", "RFLAG_UK0"},
    {"AUS", "Australia", "RFLAG_AUS"},
    {"DE0", "Deutschland", "RFLAG_DE0"},
    {"FRA", "France", "RFLAG_FRA"},
    {"ITA", "Italy", "RFLAG_ITA"},
    {"NED", "Netherlands", "RFLAG_NED"},
    {"SWE", "Sweden", "RFLAG_SWE"},
    {"CZ0", "Czech Republic", "RFLAG_CZ0"},
    {"ESP", "Spain", "RFLAG_ESP"},
    {"BRA", "Brazil", "RFLAG_BRA"},
    {"IND", "India", "RFLAG_IND"},
    {"CHI", "China", "RFLAG_CHI"},
    {"JAP", "Japan", "RFLAG_JAP"},
    {"SK0", "South Korea", "RFLAG_SK0"},
};

// Neither file is anywhere near this; a larger one is not the program's.
constexpr qint64 kMaxListBytes = 1024 * 1024;
constexpr qint64 kMaxStateBytes = 16 * 1024;
constexpr int kKeyLength = 7;

// One line of a text file without its line end, as UTF-8.
QString lineText(const QByteArray& line)
{
    QByteArray bytes = line;
    while (bytes.endsWith('\r')) {
        bytes.chop(1);
    }
    return QString::fromUtf8(bytes);
}

// Names of pictures are plain: letters, digits and '_' only.
bool isPictureName(const QString& name)
{
    if (name.isEmpty() || name.size() > ResourceLibrary::kMaxNameLength) {
        return false;
    }
    for (QChar c : name) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('_')) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::span<const RadioCountry> radioCountries()
{
    return kCountries;
}

QByteArray RadioState::defaultStationUrl()
{
    return QByteArrayLiteral("https://pub0101.101.ru:8443/stream/air/mp3/256/100");
}

RadioState parseRadioState(const QByteArray& text)
{
    RadioState state;
    const QList<QByteArray> lines = text.split('\n');
    const auto line = [&lines](int n) { return n < lines.size() ? lineText(lines[n]) : QString(); };
    // A text line that is empty or absent keeps the default.
    if (!line(0).trimmed().isEmpty()) {
        state.stationName = line(0);
    }
    if (lines.size() > 1) {
        const QByteArray url = lines[1].trimmed();
        if (!url.isEmpty()) {
            state.stationUrl = url;
        }
    }
    if (!line(2).trimmed().isEmpty()) {
        state.stationCountry = line(2);
    }
    if (isPictureName(line(3).trimmed())) {
        state.stationLogo = line(3).trimmed();
    }
    state.radioOn = line(4).trimmed() == QLatin1String("1");
    bool ok = false;
    const int volume = line(5).trimmed().toInt(&ok);
    if (ok && volume >= 0 && volume <= 100) {
        state.radioVolume = (volume + 5) / 10 * 10;
    }
    const int country = line(6).trimmed().toInt(&ok);
    if (ok && country >= 0 && country < kRadioCountries) {
        state.radioCountry = country;
    }
    return state;
}

QByteArray radioStateText(const RadioState& given)
{
    RadioState state = given;
    if (state.stationName.isEmpty() || state.stationUrl.isEmpty() ||
        state.stationCountry.isEmpty() || state.stationLogo.isEmpty()) {
        state = RadioState();
    }
    // A line break in a text would shift every line after it.
    const auto clean = [](QString s) {
        s.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        return s.toUtf8();
    };
    QByteArray url = state.stationUrl;
    url.replace('\r', ' ').replace('\n', ' ');
    QByteArray out;
    out += clean(state.stationName) + "\r\n";
    out += url + "\r\n";
    out += clean(state.stationCountry) + "\r\n";
    out += clean(state.stationLogo) + "\r\n";
    out += QByteArray(state.radioOn ? "1" : "0") + "\r\n";
    out += QByteArray::number(std::clamp(state.radioVolume, 0, 100)) + "\r\n";
    out += QByteArray::number(std::clamp(state.radioCountry, 0, kRadioCountries - 1)) + "\r\n";
    return out;
}

std::vector<RadioStation> parseStationList(const QByteArray& text)
{
    std::vector<RadioStation> stations;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = lineText(raw);
        if (line.startsWith(QLatin1Char('#')) || line.trimmed().isEmpty()) {
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('#'));
        if (fields.size() < 6 || fields[0].size() != 3 || fields[1].size() != kKeyLength) {
            continue;
        }
        RadioStation station;
        station.code = fields[0];
        station.key = fields[1];
        station.name = fields[2].trimmed();
        station.country = fields[3].trimmed();
        station.url = fields[4].trimmed().toUtf8();
        station.logo = fields[5].trimmed();
        if (station.name.isEmpty() || station.url.isEmpty()) {
            continue;
        }
        if (!isPictureName(station.logo)) {
            station.logo = QStringLiteral("RRADIO_LOGO_RADIOUN");
        }
        stations.push_back(std::move(station));
    }
    return stations;
}

StationChoice readStationList(const QByteArray& text, int country, const QString& stationName)
{
    StationChoice choice;
    if (country < 0 || country >= kRadioCountries) {
        return choice;
    }
    const QLatin1String code(kCountries[country].code);
    for (RadioStation& station : parseStationList(text)) {
        if (station.code == code) {
            choice.stations.push_back(std::move(station));
        }
    }
    for (std::size_t row = 0; row < choice.stations.size(); ++row) {
        if (choice.stations[row].name == stationName) {
            choice.selected = static_cast<int>(row);
            return choice;
        }
    }
    if (!choice.stations.empty()) {
        choice.selected = 0;
        choice.selectFirst = true;
    }
    return choice;
}

bool selectStation(const QByteArray& listText, const QString& key, RadioState& state)
{
    state.stationLogo = QStringLiteral("RRADIO_LOGO_RADIOUN");
    const RadioStation* found = nullptr;
    const std::vector<RadioStation> stations = parseStationList(listText);
    for (const RadioStation& station : stations) {
        if (station.key == key) {
            found = &station;  // the last line with the key wins
        }
    }
    if (!found) {
        return false;
    }
    state.stationName = found->name;
    state.stationCountry = found->country;
    state.stationUrl = found->url;
    state.stationLogo = found->logo;
    return true;
}

QString volumePictureName(int volume)
{
    const int step = (std::clamp(volume, 0, 100) + 9) / 10;
    return QStringLiteral("RRADIO_VOLUME%1").arg(step, 2, 10, QLatin1Char('0'));
}

QUrl resolveStationUrl(const QByteArray& address, const QString& serviceAddress)
{
    const QUrl url = QUrl::fromEncoded(address.trimmed(), QUrl::TolerantMode);
    const auto web = [](const QUrl& u) {
        return u.isValid() && !u.host().isEmpty() &&
               (u.scheme() == QLatin1String("http") || u.scheme() == QLatin1String("https"));
    };
    if (web(url)) {
        return url;
    }
    if (!url.isValid() || !url.scheme().isEmpty() || !url.host().isEmpty() ||
        !url.path().startsWith(QLatin1Char('/'))) {
        return {};
    }
    const QUrl service(serviceAddress);
    if (!web(service)) {
        return {};
    }
    QUrl resolved = service.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment);
    resolved.setPath(url.path());
    resolved.setQuery(url.query());
    return resolved;
}

QString radioParentFolder(const QString& programFolder)
{
    return QDir::cleanPath(programFolder + QStringLiteral("/.."));
}

QString stationListPath(const QString& programFolder, bool fromServer)
{
    if (fromServer) {
        const QString path = radioParentFolder(programFolder) + QLatin1Char('/') +
                             QLatin1String(kRadioServerListFile);
        return QFileInfo(path).isFile() ? path : QString();
    }
    for (const QString& path :
         ResourceLibrary::searchPaths(QLatin1String(kRadioListFile), programFolder)) {
        if (QFileInfo(path).isFile()) {
            return path;
        }
    }
    return {};
}

QByteArray readStationListText(const QString& programFolder, bool fromServer)
{
    const QString path = stationListPath(programFolder, fromServer);
    if (path.isEmpty()) {
        return {};
    }
    const FileRead read = readOwnFile(path, kMaxListBytes);
    return read.status == ReadStatus::Ok ? read.content : QByteArray();
}

Radio::Radio(QString programFolder, QObject* parent)
    : QObject(parent), m_programFolder(std::move(programFolder))
{
}

Radio::~Radio()
{
    dropPlayer();
}

bool Radio::checkRadio(bool fromServer)
{
    const bool library =
        ResourceLibrary::find(QLatin1String(kRadioLibraryFile), m_programFolder).has_value();
    const bool list =
        fromServer ? m_serverListFetched : !stationListPath(m_programFolder, false).isEmpty();
    const bool wasOn = m_state.radioOn;
    m_available = library && list;
    if (m_available) {
        m_state = RadioState();
        const FileRead read = readOwnFile(
            radioParentFolder(m_programFolder) + QLatin1Char('/') + QLatin1String(kRadioStateFile),
            kMaxStateBytes);
        if (read.status == ReadStatus::Ok) {
            m_state = parseRadioState(read.content);
        }
        // What plays stays playing only while the state still says so.
        if (wasOn && !m_state.radioOn) {
            stopStation();
        }
    } else {
        m_state.radioOn = false;
        stopStation();
    }
    emit changed();
    return m_available;
}

void Radio::fetchStationList(std::function<void(bool ok)> done)
{
    if (m_fetch) {
        m_fetch->disconnect(this);
        m_fetch->abort();
        m_fetch->deleteLater();
        m_fetch = nullptr;
    }
    const QUrl server(m_serviceAddress);
    if (!server.isValid() || server.host().isEmpty()) {
        m_serverListFetched = false;
        if (done) {
            done(false);
        }
        return;
    }
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
    }
    QUrl address = server.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment);
    address.setPath(QLatin1String(kRadioListServerPath));
    QNetworkRequest request(address);
    request.setTransferTimeout(15000);
    m_fetch = m_network->get(request);
    QNetworkReply* reply = m_fetch;
    connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64) {
        if (received > kMaxListBytes) {
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, done = std::move(done)] {
        m_fetch = nullptr;
        reply->deleteLater();
        bool ok = false;
        if (reply->error() == QNetworkReply::NoError) {
            const QByteArray text = reply->read(kMaxListBytes + 1);
            // Only a list with stations replaces the copy: an error page
            // served with a 200 would otherwise empty the radio.
            ok = text.size() <= kMaxListBytes && !parseStationList(text).empty() &&
                 writeOwnFile(radioParentFolder(m_programFolder) + QLatin1Char('/') +
                                  QLatin1String(kRadioServerListFile),
                              text);
        }
        m_serverListFetched = ok;
        if (done) {
            done(ok);
        }
    });
}

bool Radio::saveRadioState()
{
    return writeOwnFile(
        radioParentFolder(m_programFolder) + QLatin1Char('/') + QLatin1String(kRadioStateFile),
        radioStateText(m_state));
}

bool Radio::toggleRadio()
{
    if (!m_available) {
        return false;
    }
    m_state.radioOn = !m_state.radioOn;
    if (m_state.radioOn) {
        startStation();
    } else {
        stopStation();
    }
    emit changed();
    return true;
}

void Radio::ensurePlayer()
{
    if (m_player) {
        return;
    }
    m_player = new QMediaPlayer(this);
    m_output = new QAudioOutput(this);
    m_player->setAudioOutput(m_output);
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error error, const QString&) {
                if (error == QMediaPlayer::NoError || m_status == Status::Off) {
                    return;
                }
                // Silence either way; the status says which silence it is.
                setStatus(m_status == Status::Playing ? Status::BrokenOff : Status::NoConnection);
            });
    connect(
        m_player, &QMediaPlayer::mediaStatusChanged, this,
        [this](QMediaPlayer::MediaStatus status) {
            if (m_status == Status::Off) {
                return;
            }
            switch (status) {
            case QMediaPlayer::BufferingMedia:
            case QMediaPlayer::BufferedMedia:
                if (m_player->playbackState() == QMediaPlayer::PlayingState) {
                    setStatus(Status::Playing);
                }
                break;
            case QMediaPlayer::EndOfMedia:
                // A live stream has no end: it broke off.
                setStatus(m_status == Status::Playing ? Status::BrokenOff : Status::NoConnection);
                break;
            case QMediaPlayer::InvalidMedia:
                setStatus(m_status == Status::Playing ? Status::BrokenOff : Status::NoConnection);
                break;
            default:
                break;
            }
        });
    connect(m_player, &QMediaPlayer::positionChanged, this, [this](qint64 position) {
        if (position > 0 && m_status == Status::Connecting) {
            setStatus(Status::Playing);
        }
    });
}

void Radio::dropPlayer()
{
    if (m_player) {
        m_player->disconnect(this);
        m_player->stop();
        delete m_player;
        m_player = nullptr;
        delete m_output;
        m_output = nullptr;
    }
}

void Radio::startStation()
{
    stopStation();
    if (!m_state.radioOn) {
        return;
    }
    m_playingUrl = resolveStationUrl(m_state.stationUrl, m_serviceAddress);
    if (m_playingUrl.isEmpty()) {
        setStatus(Status::NoConnection);
        return;
    }
    ensurePlayer();
    m_output->setVolume(std::clamp(m_state.radioVolume, 0, 100) / 100.0F);
    setStatus(Status::Connecting);
    m_player->setSource(m_playingUrl);
    m_player->play();
}

void Radio::stopStation()
{
    // A new stream gets a new player: a stopped gstreamer pipeline still
    // holds the old connection for a while.
    dropPlayer();
    m_playingUrl.clear();
    setStatus(Status::Off);
}

void Radio::setVolume(int volume)
{
    m_state.radioVolume = std::clamp(volume, 0, 100);
    if (m_output) {
        m_output->setVolume(m_state.radioVolume / 100.0F);
    }
    emit changed();
}

void Radio::setStatus(Status status)
{
    if (m_status == status) {
        return;
    }
    m_status = status;
    emit statusChanged(status);
}

}  // namespace olk
