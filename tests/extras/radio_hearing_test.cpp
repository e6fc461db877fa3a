// The radio against real streams: the test station (scripts/radio-test-
// station.sh, OLK_TEST_RADIO_URL) heard on the sound server's null sink, a
// station nobody answers for, and a stream that breaks off. Each skips
// without what it needs.

#include "extras/radio.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "records/resource_library.h"
#include "tests/extras/null_sink.h"

namespace olk {
namespace {

QUrl testStation()
{
    return QUrl(qEnvironmentVariable("OLK_TEST_RADIO_URL"));
}

// A program folder whose parent holds the radio's files, so that the radio
// is available.
struct RadioFolder {
    QTemporaryDir root;
    QString program() const { return root.filePath("prog"); }
    RadioFolder()
    {
        QDir(root.path()).mkpath("prog");
        const auto library =
            packResourceLibrary({{"RRADIO_MAING", ResourceKind::Png, QByteArray("png")}});
        QFile lib(root.filePath("TevRadio02.dll"));
        if (library && lib.open(QIODevice::WriteOnly)) {
            lib.write(*library);
        }
        QFile list(root.filePath("TevRadio.rad"));
        if (list.open(QIODevice::WriteOnly)) {
            list.write("RUS#CLUBRUS#Olk Club Radio#Russian Federation#/radio/club.ogg#X\n");
        }
    }
};

// Starts the radio on `address` and returns at once.
void tuneTo(Radio& radio, const QByteArray& address)
{
    ASSERT_TRUE(radio.checkRadio(false));
    radio.state().stationUrl = address;
    radio.state().radioVolume = 100;
    ASSERT_TRUE(radio.toggleRadio());
}

// The loudest sample the null sink's monitor gives over `ms`, the event loop
// running meanwhile.
std::optional<double> loudestHeard(int ms)
{
    testing::SinkRecording recording;
    if (!recording.start()) {
        return std::nullopt;
    }
    QTest::qWait(ms);
    const auto levels = recording.stop();
    if (!levels) {
        return std::nullopt;
    }
    return testing::loudestOf(*levels);
}

TEST(RadioStream, TheTestStationIsHeard)
{
    if (testStation().isEmpty() || !testing::soundServerRuns()) {
        GTEST_SKIP() << "no test station or no sound server here";
    }
    RadioFolder folder;
    Radio radio(folder.program());
    tuneTo(radio, testStation().toEncoded());
    EXPECT_EQ(radio.status(), Radio::Status::Connecting) << "the stream starts in the background";
    QTRY_COMPARE_WITH_TIMEOUT(radio.status(), Radio::Status::Playing, 20000);
    const auto loudest = loudestHeard(3000);
    ASSERT_TRUE(loudest);
    EXPECT_GT(*loudest, 0.02) << "the station is heard";
    EXPECT_EQ(radio.status(), Radio::Status::Playing);

    ASSERT_TRUE(radio.toggleRadio());
    EXPECT_EQ(radio.status(), Radio::Status::Off);
    QTest::qWait(500);  // what was on its way out of the device
    const auto after = loudestHeard(1500);
    ASSERT_TRUE(after);
    EXPECT_LT(*after, 0.005) << "off is silent";
}

TEST(RadioStream, AStationNobodyAnswersIsReported)
{
    if (!testing::soundServerRuns()) {
        GTEST_SKIP() << "no sound server here";
    }
    // A port that was free a moment ago: nothing listens there.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    RadioFolder folder;
    Radio radio(folder.program());
    tuneTo(radio, "http://127.0.0.1:" + QByteArray::number(port) + "/dead.ogg");
    EXPECT_EQ(radio.status(), Radio::Status::Connecting);
    QTRY_COMPARE_WITH_TIMEOUT(radio.status(), Radio::Status::NoConnection, 20000);
    EXPECT_TRUE(radio.state().radioOn) << "the choice stays; only the stream is silent";
    // An address the player cannot take at all is reported at once.
    radio.state().stationUrl = "/radio/club.ogg";  // no service address here
    radio.startStation();
    EXPECT_EQ(radio.status(), Radio::Status::NoConnection);
}

// Passes the test station on to one listener for a while, then hangs up.
class BreakingRelay : public QObject {
public:
    explicit BreakingRelay(const QUrl& station, int breakAfterMs)
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this, station, breakAfterMs] {
            m_client = m_server.nextPendingConnection();
            connect(m_client, &QTcpSocket::readyRead, this, [this, station, breakAfterMs] {
                if (m_reply) {
                    m_client->readAll();
                    return;
                }
                m_client->readAll();
                m_client->write("HTTP/1.0 200 OK\r\nContent-Type: application/ogg\r\n\r\n");
                m_reply = m_network.get(QNetworkRequest(station));
                connect(m_reply, &QNetworkReply::readyRead, this,
                        [this] { m_client->write(m_reply->readAll()); });
                QTimer::singleShot(breakAfterMs, this, [this] {
                    m_reply->abort();
                    m_client->disconnectFromHost();
                    m_server.close();
                });
            });
        });
    }
    QByteArray address() const
    {
        return "http://127.0.0.1:" + QByteArray::number(m_server.serverPort()) + "/relay.ogg";
    }

private:
    QTcpServer m_server;
    QTcpSocket* m_client = nullptr;
    QNetworkAccessManager m_network;
    QNetworkReply* m_reply = nullptr;
};

TEST(RadioStream, AStreamThatBreaksOffIsReported)
{
    if (testStation().isEmpty() || !testing::soundServerRuns()) {
        GTEST_SKIP() << "no test station or no sound server here";
    }
    BreakingRelay relay(testStation(), 4000);
    RadioFolder folder;
    Radio radio(folder.program());
    tuneTo(radio, relay.address());
    QTRY_COMPARE_WITH_TIMEOUT(radio.status(), Radio::Status::Playing, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(radio.status(), Radio::Status::BrokenOff, 30000);
    // Another station can be chosen after it.
    radio.state().stationUrl = testStation().toEncoded();
    radio.startStation();
    QTRY_COMPARE_WITH_TIMEOUT(radio.status(), Radio::Status::Playing, 20000);
}

}  // namespace
}  // namespace olk
