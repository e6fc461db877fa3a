#include "table/radio_dialog.h"
#include "table/radio_icon.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include "extras/cards_button.h"
#include "records/club_file.h"
#include "records/resource_library.h"
#include "settings/word_tables.h"
#include "table/main_menu.h"

namespace olk {
namespace {

QByteArray png(QColor colour, int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A program folder whose parent holds a small radio library and a station
// list without Japanese stations.
struct RadioFolder {
    QTemporaryDir root;
    QString program() const { return root.filePath("prog"); }
    RadioFolder()
    {
        QDir(root.path()).mkpath("prog");
        std::vector<ResourceEntry> entries = {
            {"RRADIO_MAING", ResourceKind::Png, png(Qt::green, 145, 90)},
            {"RRADIO_MAINR", ResourceKind::Png, png(Qt::red, 145, 90)},
            {"RRADIO_RAMKA", ResourceKind::Png, png(Qt::yellow, 180, 180)},
            {"RRADIO_LOGO_RADIOUN", ResourceKind::Png, png(Qt::gray, 150, 150)},
        };
        for (const RadioCountry& country : radioCountries()) {
            entries.push_back({country.flag, ResourceKind::Png, png(Qt::blue, 14, 12)});
        }
        for (int v = 0; v <= 10; ++v) {
            entries.push_back({QStringLiteral("RRADIO_VOLUME%1").arg(v, 2, 10, QLatin1Char('0')),
                               ResourceKind::Png, png(QColor(v * 25, 0, 0), 78, 30)});
        }
        QFile library(root.filePath("TevRadio02.dll"));
        if (library.open(QIODevice::WriteOnly)) {
            library.write(*packResourceLibrary(entries));
        }
        QFile list(root.filePath("TevRadio.rad"));
        if (list.open(QIODevice::WriteOnly)) {
            list.write(
                "# test list\n"
                "RUS#CLUBRUS#Olk Club Radio#Russian Federation#/radio/club.ogg#L\n"
                "RUS#AVTORAD#\xd0\x90\xd0\xb2\xd1\x82\xd0\xbe\xd1\x80\xd0\xb0\xd0\xb4\xd0\xb8"
                "\xd0\xbe Moscow#Russian Federation#http://a.example/avto#L\n"
                "FRA#FINTER0#France Inter#France#http://f.example/inter#L\n"
                "FRA#FIPRADI#FIP#France#http://f.example/fip#L\n");
        }
    }
};

TEST(RadioIcon, ShownOnlyFromAverageWindowTwoBetweenItsNeighbours)
{
    struct Case {
        int windowSize;
        QSize client;
        bool shown;
    };
    const Case cases[] = {
        {1, {760, 500}, false},
        {3, {990, 650}, false},
        {4, {1290, 850}, true},
        {5, {1520, 1000}, true},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.windowSize = c.windowSize;
        MainMenu menu(settings);
        menu.resize(c.client);
        menu.refresh(defaultClubFile());
        RadioIcon* icon = menu.radioIcon();
        EXPECT_EQ(!icon->isHidden(), c.shown) << c.windowSize;
        if (c.shown) {
            const QRect place = icon->geometry();
            EXPECT_EQ(place.size(), QSize(220, 125));
            EXPECT_LT(place.right(), menu.newPlayerButton()->x()) << c.windowSize;
            EXPECT_GT(place.top(), menu.row(5)->geometry().bottom()) << c.windowSize;
            EXPECT_LE(place.bottom(), c.client.height()) << c.windowSize;
        }
    }
}

TEST(RadioIcon, LampHintAndClicks)
{
    Settings settings;
    RadioIcon icon(settings);
    icon.setRadio(false, true, "FIP");
    EXPECT_EQ(icon.lampPicture(), "GRadioB") << "no radio files: never on";
    icon.setRadio(true, false, "FIP");
    EXPECT_EQ(icon.lampPicture(), "GRadioR");
    icon.setRadio(true, true, "FIP");
    EXPECT_EQ(icon.lampPicture(), "GRadioG");
    EXPECT_EQ(icon.toolTip(), text(Text::TevInternetRadio) + ": FIP");
    int toggles = 0;
    int dialogs = 0;
    QObject::connect(&icon, &RadioIcon::toggleRequested, [&] { ++toggles; });
    QObject::connect(&icon, &RadioIcon::dialogRequested, [&] { ++dialogs; });
    QTest::mouseClick(&icon, Qt::LeftButton, {}, QPoint(100, 50));
    QTest::mouseClick(&icon, Qt::RightButton, {}, QPoint(100, 50));
    EXPECT_EQ(toggles, 1);
    EXPECT_EQ(dialogs, 1);
}

TEST(RadioDialog, HeightFollowsTheDesign)
{
    RadioFolder folder;
    Radio radio(folder.program());
    ASSERT_TRUE(radio.checkRadio(false));
    struct Case {
        bool purple;
        int grey;
        int height;
        int raised;
    };
    // The purple design needs the graphics library, which is not here.
    const Case cases[] = {
        {false, 1, 279, 46}, {false, 2, 295, 30}, {false, 3, 325, 0}, {true, 1, 295, 30}};
    for (const Case& c : cases) {
        Settings settings;
        settings.auxDesignPurple = c.purple;
        settings.auxDesignGrey = c.grey;
        settings.radioListFromServer = false;
        RadioDialog dialog(radio, settings, folder.program());
        EXPECT_EQ(dialog.size(), QSize(340, c.height)) << c.grey;
        EXPECT_EQ(dialog.raised(), c.raised);
        EXPECT_EQ(dialog.okButton()->geometry(), QRect(5, 290 - c.raised, 330, 30));
    }
}

TEST(RadioDialog, CountriesStationsAndVolume)
{
    RadioFolder folder;
    Radio radio(folder.program());
    ASSERT_TRUE(radio.checkRadio(false));
    Settings settings;
    settings.radioListFromServer = false;
    RadioDialog dialog(radio, settings, folder.program());
    ASSERT_EQ(dialog.countryList()->count(), 28);
    EXPECT_FALSE(dialog.countryList()->itemIcon(0).isNull()) << "every country has its flag";
    EXPECT_EQ(dialog.countryList()->currentIndex(), 0);
    ASSERT_EQ(dialog.stationList()->count(), 2);
    EXPECT_EQ(dialog.stationList()->currentIndex(), 1) << "the default station is chosen";

    // Japan has no stations here: the list is empty, the station stays.
    const RadioState before = radio.state();
    dialog.countryList()->setCurrentIndex(26);
    EXPECT_EQ(radio.state().radioCountry, 26);
    EXPECT_EQ(dialog.stationList()->count(), 0);
    EXPECT_EQ(radio.state().stationUrl, before.stationUrl);
    EXPECT_EQ(radio.state().stationName, before.stationName);

    // France: its first station is chosen.
    dialog.countryList()->setCurrentIndex(17);
    ASSERT_EQ(dialog.stationList()->count(), 2);
    EXPECT_EQ(radio.state().stationName, "France Inter");
    EXPECT_EQ(radio.state().stationCountry, "France");
    dialog.stationList()->setCurrentIndex(1);
    emit dialog.stationList()->activated(1);
    EXPECT_EQ(radio.state().stationUrl, "http://f.example/fip");
    EXPECT_EQ(dialog.stationList()->toolTip(), "FIP");

    for (int click = 0; click < 12; ++click) {
        QTest::mouseClick(dialog.volumeUp(), Qt::LeftButton);
    }
    EXPECT_EQ(radio.state().radioVolume, 100);
    for (int click = 0; click < 3; ++click) {
        QTest::mouseClick(dialog.volumeDown(), Qt::LeftButton);
    }
    EXPECT_EQ(radio.state().radioVolume, 70);
    EXPECT_TRUE(dialog.okButton()->hasFocus() || !dialog.isVisible());
}

TEST(RadioDialog, ASilentStationSaysWhyWithoutHoldingTheDialog)
{
    RadioFolder folder;
    Radio radio(folder.program());
    ASSERT_TRUE(radio.checkRadio(false));
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    radio.state().stationUrl = "http://127.0.0.1:" + QByteArray::number(port) + "/dead";
    Settings settings;
    settings.radioListFromServer = false;
    RadioDialog dialog(radio, settings, folder.program());
    EXPECT_TRUE(dialog.statusLine()->isHidden()) << "off says nothing";
    dialog.clickRadio();
    EXPECT_TRUE(radio.state().radioOn);
    EXPECT_EQ(dialog.statusLine()->text(), text(Text::RadioConnecting));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.statusLine()->text(), text(Text::RadioNoConnection), 20000);
    dialog.clickRadio();
    EXPECT_FALSE(radio.state().radioOn);
    EXPECT_TRUE(dialog.statusLine()->isHidden());
}

}  // namespace
}  // namespace olk
