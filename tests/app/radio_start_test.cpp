#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "records/club_file.h"
#include "records/end_of_game.h"
#include "records/resource_library.h"
#include "table/main_menu.h"

namespace olk {
namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A station left on starts by itself when the start-up picture goes, and the
// melody gives way to it; the state is written back when the window goes.
TEST(RadioStart, AStationLeftOnStartsInPlaceOfTheMelody)
{
    QTemporaryDir root;
    const QString program = root.filePath("prog");
    ASSERT_TRUE(QDir(root.path()).mkpath("prog"));
    ASSERT_TRUE(writeClubFile(program + "/Olk.clb", defaultClubFile()));
    ASSERT_TRUE(writeClubFile(program + "/Olk.net", defaultClubFile()));
    writeFile(root.filePath("TevRadio02.dll"),
              *packResourceLibrary({{"RRADIO_MAING", ResourceKind::Png, QByteArray("png")}}));
    writeFile(root.filePath("TevRadio.rad"),
              "RUS#CLUBRUS#Olk Club Radio#Russian Federation#/radio/club.ogg#L\n");
    // An address no player takes: the start is tried and fails at once,
    // without a stream.
    writeFile(root.filePath("TevRadio.ini"),
              "Old Radio\r\nftp://old.example/x\r\nRussian Federation\r\nL\r\n1\r\n40\r\n0\r\n");
    Settings settings;
    settings.radioListFromServer = false;
    settings.musicOn = true;
    settings.soundOn = false;
    {
        MainWindow window(settings, program);
        ASSERT_TRUE(window.checkClubFiles());
        window.showStartup();
        window.show();
        ASSERT_TRUE(window.radio().available());
        EXPECT_TRUE(window.radio().state().radioOn);
        EXPECT_EQ(window.radio().status(), Radio::Status::Off) << "nothing plays before";
        QTest::mouseClick(window.findChild<StartupPicture*>(), Qt::LeftButton);
        EXPECT_FALSE(settings.musicOn) << "the melody gives way";
        EXPECT_FALSE(window.melody().isOn());
        EXPECT_EQ(window.radio().status(), Radio::Status::NoConnection);
        EXPECT_EQ(window.menu().radioIcon()->lampPicture(), "GRadioG");
        window.radio().state().radioVolume = 80;
    }
    QFile state(root.filePath("TevRadio.ini"));
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_EQ(parseRadioState(state.readAll()).radioVolume, 80);
}

// Without the radio's files the state file is left as it was.
TEST(RadioStart, NoRadioFilesLeaveTheStateFileAlone)
{
    QTemporaryDir root;
    const QString program = root.filePath("prog");
    ASSERT_TRUE(QDir(root.path()).mkpath("prog"));
    ASSERT_TRUE(writeClubFile(program + "/Olk.clb", defaultClubFile()));
    ASSERT_TRUE(writeClubFile(program + "/Olk.net", defaultClubFile()));
    const QByteArray chosen = "FIP\r\nhttp://f.example/fip\r\nFrance\r\nL\r\n1\r\n70\r\n17\r\n";
    writeFile(root.filePath("TevRadio.ini"), chosen);
    Settings settings;
    settings.radioListFromServer = false;
    {
        MainWindow window(settings, program);
        window.showStartup();
        EXPECT_FALSE(window.radio().available());
        EXPECT_EQ(window.menu().radioIcon()->lampPicture(), "GRadioB");
    }
    QFile state(root.filePath("TevRadio.ini"));
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_EQ(state.readAll(), chosen);
}

}  // namespace
}  // namespace olk
