// The club's music: the play list, the tracks and the radio stream of
// olk-service, against the service on a loopback socket.

#include "service/music.h"

#include "loopback_club.h"
#include "ogg_tracks.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <set>

namespace olk::service {
namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A music folder with three tracks and things that are not tracks; a
// secret beside it that no request may reach.
class MusicFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("music")));
        music = root.filePath(QStringLiteral("music"));
        const char* names[] = {"Card_Room_Waltz~Olk_club_band.ogg", "Bossa~Olk_quartet.ogg",
                               "Nocturne~Olk_piano.ogg"};
        for (int i = 0; i < 3; ++i) {
            tracks[i] = testing::oggTone(1.5 + i, 330 + 110 * i, 7 + i);
            writeFile(QDir(music).filePath(QString::fromUtf8(names[i])), tracks[i]);
        }
        writeFile(root.filePath(QStringLiteral("secret.ogg")), "top secret");
        writeFile(QDir(music).filePath(QStringLiteral(".hidden.ogg")), tracks[0]);
        writeFile(QDir(music).filePath(QStringLiteral("notes.txt")), "not a track");
        ASSERT_TRUE(QDir(music).mkdir(QStringLiteral("folder.ogg")));
        ASSERT_TRUE(QFile::link(root.filePath(QStringLiteral("secret.ogg")),
                                QDir(music).filePath(QStringLiteral("Link~Out.ogg"))));
    }

    QTemporaryDir root;
    QString music;
    QByteArray tracks[3];
};

HttpRequest get(const std::string& path)
{
    HttpRequest request;
    request.method = "GET";
    request.path = path;
    request.remoteAddress = "127.0.0.1";
    return request;
}

// The play list names the tracks only, sorted; a track comes whole; every
// name outside the list, a path out of the folder above all, is not found.
TEST_F(MusicFolder, PlayListAndTracksStayInTheFolder)
{
    ClubMusic club(music);
    const HttpResponse list = club.track(get("/musik/_playlist.html"));
    EXPECT_EQ(list.status, 200);
    EXPECT_EQ(list.body,
              "Bossa~Olk_quartet.ogg\nCard_Room_Waltz~Olk_club_band.ogg\nNocturne~Olk_piano.ogg\n");
    const HttpResponse track = club.track(get("/musik/Bossa~Olk_quartet.ogg"));
    EXPECT_EQ(track.status, 200);
    EXPECT_EQ(track.contentType, "audio/ogg");
    EXPECT_EQ(track.body, tracks[1]);
    for (const char* path :
         {"/musik/../secret.ogg", "/musik/..%2Fsecret.ogg", "/musik/../../etc/passwd",
          "/musik//etc/passwd", "/musik/.hidden.ogg", "/musik/notes.txt", "/musik/folder.ogg",
          "/musik/Link~Out.ogg", "/musik/Bossa~Olk_quartet.ogg/", "/musik/Bossa~Olk_quartet.OGG",
          "/musik/\xff\xfe.ogg", "/musik/Bossa~Olk_quartet.ogg\n"}) {
        EXPECT_EQ(club.track(get(path)).status, 404) << path;
    }
    ClubMusic none;
    EXPECT_EQ(none.track(get("/musik/_playlist.html")).status, 404);
    EXPECT_EQ(none.radio().status, 404);
}

// Over the socket a track answers ranges, as a media player seeking in it
// asks for them, and the path escapes stay refused however they are written.
TEST_F(MusicFolder, TracksOverTheSocket)
{
    testing::Club club;
    club.club->music().setFolder(music);
    httplib::Client client("127.0.0.1", club.port);
    const auto whole = client.Get("/musik/Nocturne~Olk_piano.ogg");
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->status, 200);
    EXPECT_EQ(QByteArray::fromStdString(whole->body), tracks[2]);
    const auto part = client.Get("/musik/Nocturne~Olk_piano.ogg", {{"Range", "bytes=100-199"}});
    ASSERT_TRUE(part);
    EXPECT_EQ(part->status, 206);
    EXPECT_EQ(QByteArray::fromStdString(part->body), tracks[2].mid(100, 100));
    for (const char* path : {"/musik/..%2Fsecret.ogg", "/musik/%2E%2E/secret.ogg",
                             "/musik/..%2f..%2fetc%2fpasswd", "/musik/Link~Out.ogg"}) {
        const auto refused = client.Get(path);
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->status, 404) << path;
        EXPECT_EQ(refused->body.find("secret"), std::string::npos);
    }
}

// Reads what the socket has until `enough` holds or the time is up.
QByteArray readUntil(QTcpSocket& socket, const std::function<bool(const QByteArray&)>& enough,
                     int ms = 15000)
{
    QByteArray data;
    QElapsedTimer clock;
    clock.start();
    while (!enough(data) && clock.elapsed() < ms &&
           socket.state() != QAbstractSocket::UnconnectedState) {
        if (socket.waitForReadyRead(100)) {
            data += socket.readAll();
        }
    }
    return data;
}

// A chunked HTTP body without its chunk lines.
QByteArray unchunk(const QByteArray& body)
{
    QByteArray out;
    qsizetype at = 0;
    while (true) {
        const qsizetype line = body.indexOf("\r\n", at);
        if (line < 0) {
            break;
        }
        bool ok = false;
        const qsizetype size = body.mid(at, line - at).toLongLong(&ok, 16);
        if (!ok || size == 0 || line + 2 + size > body.size()) {
            out +=
                body.mid(line + 2, std::max<qsizetype>(0, std::min(size, body.size() - line - 2)));
            break;
        }
        out += body.mid(line + 2, size);
        at = line + 2 + size + 2;
    }
    return out;
}

struct Listener {
    QTcpSocket socket;
    explicit Listener(int port)
    {
        socket.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(port));
        socket.waitForConnected(5000);
        socket.write("GET /radio/club.ogg HTTP/1.1\r\nHost: club\r\n\r\n");
        socket.flush();
    }
    // The status and the body received so far (without the chunk lines).
    std::pair<int, QByteArray> read(const std::function<bool(const QByteArray&)>& enough,
                                    int ms = 15000)
    {
        const QByteArray data = readUntil(
            socket,
            [&](const QByteArray& d) {
                const qsizetype end = d.indexOf("\r\n\r\n");
                return end > 0 &&
                       (!d.startsWith("HTTP/1.1 200") || enough(unchunk(d.mid(end + 4))));
            },
            ms);
        const qsizetype end = data.indexOf("\r\n\r\n");
        return {data.mid(9, 3).toInt(), end > 0 ? unchunk(data.mid(end + 4)) : QByteArray()};
    }
};

// The radio is a chained Ogg stream: the tracks' pages as they are, each
// track under a serial number of its own, every checksum right, one track
// after another round the list.
TEST_F(MusicFolder, RadioChainsTheTracks)
{
    testing::Club club;
    club.club->music().setFolder(music);
    club.club->music().setLeadSeconds(1000);  // no waiting: the whole list at once
    Listener listener(club.port);
    const auto [status, body] = listener.read([](const QByteArray& d) {
        int starts = 0;
        for (const auto& page : testing::oggPages(d)) {
            starts += page.first ? 1 : 0;
        }
        return starts >= 5;
    });
    ASSERT_EQ(status, 200);
    const auto pages = testing::oggPages(body);
    std::vector<std::uint32_t> serials;
    std::set<std::uint32_t> distinct;
    QByteArray link;
    std::vector<QByteArray> links;
    for (const auto& page : pages) {
        QByteArray zeroed = page.bytes;
        qToLittleEndian<quint32>(0, zeroed.data() + 22);
        EXPECT_EQ(oggChecksum(zeroed.constData(), static_cast<std::size_t>(zeroed.size())),
                  page.checksum);
        if (page.first) {
            serials.push_back(page.serial);
            distinct.insert(page.serial);
            if (!link.isEmpty()) {
                links.push_back(link);
            }
            link.clear();
        } else {
            ASSERT_FALSE(serials.empty());
            EXPECT_EQ(page.serial, serials.back());
        }
        // The page apart from its serial number and checksum is the file's.
        qToLittleEndian<quint32>(0, zeroed.data() + 14);
        link += zeroed;
    }
    ASSERT_GE(links.size(), 4u);
    EXPECT_EQ(distinct.size(), serials.size()) << "every track has a serial number of its own";
    const auto normalised = [](const QByteArray& file) {
        QByteArray out;
        for (const auto& page : testing::oggPages(file)) {
            QByteArray zeroed = page.bytes;
            qToLittleEndian<quint32>(0, zeroed.data() + 14);
            qToLittleEndian<quint32>(0, zeroed.data() + 22);
            out += zeroed;
        }
        return out;
    };
    // Sorted, the list is Bossa (1), Waltz (0), Nocturne (2); the radio goes
    // round it from a random place.
    const QByteArray inOrder[3] = {normalised(tracks[1]), normalised(tracks[0]),
                                   normalised(tracks[2])};
    int start = -1;
    for (int i = 0; i < 3; ++i) {
        if (links[0] == inOrder[i]) {
            start = i;
        }
    }
    ASSERT_GE(start, 0) << "the first track is one of the folder's, whole";
    for (std::size_t i = 1; i < links.size(); ++i) {
        EXPECT_EQ(links[i], inOrder[(start + static_cast<int>(i)) % 3]) << "track " << i;
    }
}

// The radio runs only a little ahead of a listener's clock: a listener that
// reads nothing for a while has not been sent more music than that time
// plus the lead, so the service never piles up what it does not read.
TEST_F(MusicFolder, RadioKeepsThePaceOfPlaying)
{
    // One long track, so the pace is not the file's end.
    writeFile(QDir(music).filePath(QStringLiteral("Long~Tone.ogg")), testing::oggTone(60, 440, 3));
    testing::Club club;
    club.club->music().setFolder(music);
    club.club->music().setLeadSeconds(1.0);
    QElapsedTimer clock;
    clock.start();
    Listener listener(club.port);
    QThread::msleep(2500);  // a listener that does not read
    // What has come by now, read at once.
    const auto [status, body] = listener.read([](const QByteArray&) { return false; }, 300);
    const double elapsed = clock.elapsed() / 1000.0;
    ASSERT_EQ(status, 200);
    // What was sent: the tracks before the current one, whole, and the
    // current one up to its last page's time.
    double sent = 0;
    double trackSeconds = 0;
    for (const auto& page : testing::oggPages(body)) {
        if (page.first) {
            sent += trackSeconds;
            trackSeconds = 0;
        }
        trackSeconds = std::max(trackSeconds, page.granule / 44100.0);
    }
    sent += trackSeconds;
    EXPECT_GT(sent, 0.5) << "the radio plays";
    // One page of a tone this thin holds a few seconds.
    EXPECT_LT(sent, elapsed + 1.0 + 6.0) << "sent " << sent << " s of music in " << elapsed << " s";
}

// Each listener holds a thread of the server: beyond the cap the radio
// answers 503, and a listener who leaves makes room for another.
TEST_F(MusicFolder, RadioTakesAtMostItsListeners)
{
    testing::Club club;
    club.club->music().setFolder(music);
    club.club->music().setMaxListeners(2);
    auto first = std::make_unique<Listener>(club.port);
    Listener second(club.port);
    const auto some = [](const QByteArray& d) { return !d.isEmpty(); };
    EXPECT_EQ(first->read(some).first, 200);
    EXPECT_EQ(second.read(some).first, 200);
    {
        Listener third(club.port);
        EXPECT_EQ(third.read(some).first, 503);
    }
    EXPECT_EQ(club.club->music().listeners(), 2);
    first.reset();  // leaves
    ASSERT_TRUE(testing::settle([&] { return club.club->music().listeners() < 2; }, 20000));
    Listener fourth(club.port);
    EXPECT_EQ(fourth.read(some).first, 200);
    // The service stops with listeners on the air (the club's destructor).
}

}  // namespace
}  // namespace olk::service
