// The menu's music player: its play list, the three buttons, and the tracks
// heard from a real olk-service.

#include "extras/music_player.h"

#include "table/music_buttons.h"
#include "tests/extras/null_sink.h"
#include "tests/service/loopback_club.h"
#include "tests/service/ogg_tracks.h"

#include <gtest/gtest.h>

#include <QAudioOutput>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QMediaPlayer>
#include <QTcpServer>
#include <QTest>

#include <set>

namespace olk {
namespace {

using testing::settle;

TEST(MusicPlayList, ReadsGoodLinesAndLeavesOutTheRest)
{
    struct Case {
        const char* line;
        const char* first;  // nullptr: left out
        const char* second;
    };
    const Case cases[] = {
        {"Card_Room_Waltz~Olk_club_band.ogg", "Card Room Waltz", "Olk club band"},
        {"Blue_Moon~Ella.mp3", "Blue Moon", "Ella"},
        {"  Spaces~Around.mp3\r", "Spaces", "Around"},
        {"Upper~Case.MP3", "Upper", "Case"},
        {"Вальс~Оркестр_клуба.ogg", "Вальс", "Оркестр клуба"},
        {"", nullptr, nullptr},
        {"   ", nullptr, nullptr},
        {"<html><body>", nullptr, nullptr},
        {"<a href=\"x~y.mp3\">x~y.mp3</a>", nullptr, nullptr},
        {"NoTilde.mp3", nullptr, nullptr},
        {"Two~Tildes~Here.mp3", nullptr, nullptr},
        {"~Nobody.mp3", nullptr, nullptr},
        {"Nothing~.mp3", nullptr, nullptr},
        {"___~Blank.mp3", nullptr, nullptr},
        {"Wrong~Ending.wav", nullptr, nullptr},
        {"Wrong~Ending.mp3.txt", nullptr, nullptr},
        {"../Up~There.mp3", nullptr, nullptr},
        {"dir/Track~Band.mp3", nullptr, nullptr},
        {"Back\\slash~Band.mp3", nullptr, nullptr},
        {"Query~Band.mp3?x=1", nullptr, nullptr},
        {"Per%2Fcent~Band.mp3", nullptr, nullptr},
        {".Hidden~Band.mp3", nullptr, nullptr},
        {"Tab\there~Band.mp3", nullptr, nullptr},
        {"Bad\xff\xfeutf~Band.mp3", nullptr, nullptr},
    };
    QByteArray page = "\xEF\xBB\xBF";  // a byte order mark first
    for (const Case& c : cases) {
        page += c.line;
        page += '\n';
    }
    page += QByteArray(300, 'x') + "~Band.mp3\n";  // too long
    const std::vector<MusicTrack> tracks = parsePlayList(page);
    std::vector<std::pair<QString, QString>> expected;
    for (const Case& c : cases) {
        if (c.first != nullptr) {
            expected.emplace_back(QString::fromUtf8(c.first), QString::fromUtf8(c.second));
        }
    }
    ASSERT_EQ(tracks.size(), expected.size());
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        EXPECT_EQ(tracks[i].first, expected[i].first);
        EXPECT_EQ(tracks[i].second, expected[i].second);
    }
    EXPECT_EQ(tracks[0].fileName, QStringLiteral("Card_Room_Waltz~Olk_club_band.ogg"));

    QByteArray many;
    for (int i = 0; i < 1500; ++i) {
        many += "Track_" + QByteArray::number(i) + "~Band.ogg\n";
    }
    EXPECT_EQ(parsePlayList(many).size(), static_cast<std::size_t>(kMaxPlayListLines));
    EXPECT_TRUE(parsePlayList(QByteArray(4 << 20, '~')).empty());
}

// A club with `count` tracks of short tones in its music folder.
struct MusicClub {
    explicit MusicClub(int count, double seconds = 3)
    {
        const QString folder = club.folder.filePath(QStringLiteral("music"));
        QDir().mkpath(folder);
        for (int i = 0; i < count; ++i) {
            QFile file(QDir(folder).filePath(QStringLiteral("Tone_%1~Olk_test_band.ogg").arg(i)));
            file.open(QIODevice::WriteOnly);
            file.write(testing::oggTone(seconds, 330 + 55 * i, 11 + i));
        }
        club.club->music().setFolder(folder);
    }
    QUrl address() const { return QUrl(club.address()); }
    testing::Club club;
};

// Available with more than four tracks: four leave the player (and its
// buttons) out, five bring it in, on a track of the list at volume 50.
TEST(MusicPlayer, AvailableWithMoreThanFourTracks)
{
    for (int count : {4, 5}) {
        MusicClub club(count);
        MusicPlayer player;
        player.setupPlayer(club.address());
        ASSERT_TRUE(settle([&] { return !player.isFetching(); }));
        EXPECT_EQ(player.isAvailable(), count > 4) << count << " tracks";
        if (count > 4) {
            EXPECT_EQ(player.tracks().size(), 5u);
            EXPECT_GE(player.currentTrack(), 0);
            EXPECT_LT(player.currentTrack(), 5);
            EXPECT_EQ(player.volume(), 50);
            EXPECT_FALSE(player.isPlaying());
            const MusicTrack& track =
                player.tracks()[static_cast<std::size_t>(player.currentTrack())];
            EXPECT_EQ(player.mediaPlayer()->source(), player.addressOf(track));
            EXPECT_EQ(player.addressOf(track).toString(),
                      club.club.address() + QStringLiteral("/musik/") + track.fileName);
        }
    }
}

// A service that cannot be reached, or answers with no play list, leaves
// the player unavailable; setting it up never waits for the network.
TEST(MusicPlayer, UnreachableServiceLeavesItSilent)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    testing::Club noMusic;  // the service, without --music: 404
    for (const QUrl& server : {QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port)),
                               QUrl(noMusic.address()), QUrl(), QUrl(QStringLiteral("ftp://x"))}) {
        MusicPlayer player;
        player.setupPlayer(server);  // returns at once: the fetch runs in the event loop
        ASSERT_TRUE(settle([&] { return !player.isFetching(); }));
        EXPECT_FALSE(player.isAvailable()) << server.toString().toStdString();
        player.playPause();
        player.next();
        player.volumeUp();
        EXPECT_FALSE(player.isPlaying());
        EXPECT_EQ(player.volume(), 50);
        EXPECT_EQ(player.mediaPlayer(), nullptr);
    }
}

// Next plays a track of the list at random (the same one may come again);
// the volume moves by fives between 0 and 100; play/pause toggles.
TEST(MusicPlayer, NextVolumeAndPlayPause)
{
    MusicClub club(6);
    MusicPlayer player;
    player.setupPlayer(club.address());
    ASSERT_TRUE(settle([&] { return player.isAvailable(); }));
    player.playPause();
    EXPECT_TRUE(player.isPlaying());
    player.playPause();
    EXPECT_FALSE(player.isPlaying());
    std::set<int> seen;
    for (int i = 0; i < 40; ++i) {
        player.next();
        EXPECT_TRUE(player.isPlaying());
        ASSERT_GE(player.currentTrack(), 0);
        ASSERT_LT(player.currentTrack(), 6);
        seen.insert(player.currentTrack());
        EXPECT_EQ(
            player.mediaPlayer()->source(),
            player.addressOf(player.tracks()[static_cast<std::size_t>(player.currentTrack())]));
    }
    EXPECT_GT(seen.size(), 1u);
    for (int i = 0; i < 12; ++i) {
        player.volumeUp();
    }
    EXPECT_EQ(player.volume(), 100);
    player.volumeDown();
    EXPECT_EQ(player.volume(), 95);
    EXPECT_FLOAT_EQ(player.mediaPlayer()->audioOutput()->volume(), 0.95f);
    for (int i = 0; i < 25; ++i) {
        player.volumeDown();
    }
    EXPECT_EQ(player.volume(), 0);
    player.stop();
    EXPECT_FALSE(player.isPlaying());
}

// The three buttons: at x = 10, 75, 140, 70 pixels above the bottom, shown
// only with an available player, no start-up picture and a scale of at
// least 1.5; the volume's left side lowers, its right side raises, its
// middle does nothing; the play button's hint names the track.
TEST(MusicButtons, ShownPlacedAndClicked)
{
    Settings settings;
    QWidget menu;
    menu.resize(1290, 850);
    MusicPlayer player;
    MusicButtons buttons(player, settings, &menu);
    menu.show();
    buttons.place(menu.size(), 1.7, false);
    MusicButton* play = buttons.button(MusicButton::Kind::PlayPause);
    MusicButton* volume = buttons.button(MusicButton::Kind::Volume);
    EXPECT_FALSE(play->isVisible()) << "no player yet";

    MusicClub club(5);
    player.setupPlayer(club.address());
    ASSERT_TRUE(settle([&] { return player.isAvailable(); }));
    EXPECT_TRUE(play->isVisible()) << "the buttons come with the play list";
    EXPECT_EQ(play->geometry(), QRect(10, 850 - 70, 61, 61));
    EXPECT_EQ(buttons.button(MusicButton::Kind::Next)->geometry(), QRect(75, 780, 61, 61));
    EXPECT_EQ(volume->geometry(), QRect(140, 780, 61, 61));
    const MusicTrack& track = player.tracks()[static_cast<std::size_t>(player.currentTrack())];
    EXPECT_EQ(play->toolTip(), track.first + QStringLiteral("  :  ") + track.second);

    buttons.place(QSize(990, 650), 1.3, false);
    EXPECT_FALSE(play->isVisible()) << "scale 1.3";
    buttons.place(menu.size(), 1.7, true);
    EXPECT_FALSE(play->isVisible()) << "start-up picture";
    buttons.place(menu.size(), 1.5, false);
    EXPECT_TRUE(volume->isVisible());

    struct Click {
        int x;
        int volume;
    };
    for (const Click& click : {Click{50, 55}, Click{35, 60}, Click{34, 60}, Click{26, 60},
                               Click{25, 55}, Click{3, 50}}) {
        QTest::mouseClick(volume, Qt::LeftButton, {}, QPoint(click.x, 30));
        EXPECT_EQ(player.volume(), click.volume) << "x = " << click.x;
    }
    QTest::mousePress(play, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_TRUE(play->isPressed());
    const QImage pressed = play->grab().toImage();
    QTest::mouseRelease(play, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_FALSE(play->isPressed());
    EXPECT_TRUE(player.isPlaying());
    const QImage playing = play->grab().toImage();
    EXPECT_NE(pressed, playing);

    // The keyboard: Enter or Space presses, + and - on the volume, and a
    // focused button shows its frame.
    QTest::keyClick(play, Qt::Key_Space);
    EXPECT_FALSE(player.isPlaying());
    QTest::keyClick(play, Qt::Key_Return);
    EXPECT_TRUE(player.isPlaying());
    const int before = player.volume();
    for (const auto& [key, change] :
         {std::pair{Qt::Key_Plus, 5}, std::pair{Qt::Key_Minus, 0}, std::pair{Qt::Key_Enter, 5},
          std::pair{Qt::Key_Minus, 0}, std::pair{Qt::Key_A, 0}}) {
        QTest::keyClick(volume, key);
        EXPECT_EQ(player.volume(), before + change) << key;
    }
    EXPECT_TRUE(volume->toolTip().contains(QLatin1Char('+')));
    // A screen reader hears what each button does now.
    EXPECT_EQ(volume->accessibleName(),
              QStringLiteral("Music volume: %1").arg(player.volume()));
    EXPECT_EQ(play->accessibleName(), QStringLiteral("Pause the music"));
    QTest::keyClick(play, Qt::Key_Space);
    EXPECT_EQ(play->accessibleName(), QStringLiteral("Play the music"));
    QTest::keyClick(play, Qt::Key_Space);
    const QImage unfocused = volume->grab().toImage();
    menu.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    volume->setFocus();
    EXPECT_NE(volume->grab().toImage(), unfocused);
    player.stop();
}

// What the sound server's null sink hears while `play` runs for `ms`; the
// loudest sample, 0..1; nothing when no sound server runs here.
std::optional<double> loudestHeard(const std::function<void()>& play, int ms)
{
    testing::SinkRecording recording;
    if (!testing::soundServerRuns() || !recording.start()) {
        return std::nullopt;
    }
    QThread::msleep(1000);
    play();
    settle([] { return false; }, ms);
    const auto levels = recording.stop();
    return levels ? testing::loudestOf(*levels) : 0.0;
}

// A track from the service is heard; at its end the player goes on to the
// next one by itself.
TEST(MusicHearing, TracksFromTheServiceAreHeardOneAfterAnother)
{
    if (qEnvironmentVariableIsEmpty("OLK_TEST_HEARS")) {
        GTEST_SKIP() << "only with the test command's sound server";
    }
    MusicClub club(5, 2.0);
    MusicPlayer player;
    player.setupPlayer(club.address());
    ASSERT_TRUE(settle([&] { return player.isAvailable(); }));
    int changes = 0;
    QObject::connect(&player, &MusicPlayer::changed, [&] { ++changes; });
    const auto heard = loudestHeard([&] { player.playPause(); }, 5000);
    if (!heard) {
        GTEST_SKIP() << "no sound server here";
    }
    EXPECT_GT(*heard, 0.1) << "the track is heard; "
                           << player.mediaPlayer()->errorString().toStdString() << " status "
                           << player.mediaPlayer()->mediaStatus();
    EXPECT_TRUE(player.isPlaying());
    // Two-second tracks: by now one has ended and another begun.
    EXPECT_GE(changes, 2) << "the end of a track brings the next";
    player.stop();
    const auto silence = loudestHeard([] {}, 1500);
    ASSERT_TRUE(silence);
    EXPECT_LT(*silence, 0.01) << "stopped";
}

}  // namespace
}  // namespace olk
