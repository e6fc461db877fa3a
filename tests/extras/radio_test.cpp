#include "extras/radio.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "records/resource_library.h"

namespace olk {
namespace {

QByteArray fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A program folder "prog" inside a temporary folder, which stands for the
// folder above it.
struct Folders {
    QTemporaryDir root;
    QString program() const { return root.filePath("prog"); }
    QString parent() const { return root.path(); }
    Folders() { QDir(root.path()).mkpath("prog"); }

    void layRadioFiles(const QByteArray& list) const
    {
        const std::optional<QByteArray> library =
            packResourceLibrary({{"RRADIO_MAING", ResourceKind::Png, QByteArray("png")}});
        ASSERT_TRUE(library);
        writeFile(parent() + "/TevRadio02.dll", *library);
        writeFile(parent() + "/TevRadio.rad", list);
    }
};

const QByteArray kList =
    "# country#key    #name#country name#address#logo\n"
    "RUS#CLUBRUS#Olk Club Radio#Russian Federation#/radio/club.ogg#RRADIO_LOGO_OLKCLUB\r\n"
    "RUS#AVTORAD#Авторадио Moscow#Russian Federation#http://a.example/avto#RRADIO_LOGO_AVTORADIO\n"
    "RUS#MAYAKFM#Маяк#Russian Federation#http://a.example/mayak#RRADIO_LOGO_MAYAK\n"
    "#RUS#COMMENT#Not a station#Russian Federation#http://a.example/x#X\n"
    "RUS#SHORT#Too short a key#Russian Federation#http://a.example/s#X\n"
    "RUS#NOFIELD#Missing fields\n"
    "RUS#NOADDRS#No address#Russian Federation##X\n"
    "FRA#FINTER0#France Inter#France#http://f.example/inter#RRADIO_LOGO_FINTER\n"
    "FRA#FIPRADI#FIP (old)#France#http://f.example/fip-old#RRADIO_LOGO_FIP\n"
    "FRA#FIPRADI#FIP#France#http://f.example/fip#RRADIO_LOGO_FIP\n"
    "DE0#BADLOGO#Bad logo#Deutschland#http://d.example/x#../../etc/passwd\n";

TEST(RadioState, FirstStartHasTheDefaultStationOff)
{
    Folders folders;
    folders.layRadioFiles(kList);
    Radio radio(folders.program());
    EXPECT_TRUE(radio.checkRadio(false));
    const RadioState& state = radio.state();
    EXPECT_EQ(state.stationName, QString::fromUtf8("Авторадио Moscow"));
    EXPECT_EQ(state.radioVolume, 30);
    EXPECT_EQ(state.stationCountry, "Russian Federation");
    EXPECT_EQ(state.stationLogo, "RRADIO_LOGO_AVTORADIO");
    EXPECT_FALSE(state.radioOn);
    EXPECT_EQ(state.radioCountry, 0);
}

TEST(RadioState, RoundTripThroughTheFileAboveTheProgram)
{
    Folders folders;
    folders.layRadioFiles(kList);
    Radio radio(folders.program());
    ASSERT_TRUE(radio.checkRadio(false));
    RadioState& state = radio.state();
    ASSERT_TRUE(selectStation(kList, "FINTER0", state));
    state.radioOn = true;
    state.radioVolume = 70;
    state.radioCountry = 17;
    const RadioState saved = state;
    ASSERT_TRUE(radio.saveRadioState());
    const QByteArray text = fileText(folders.parent() + "/TevRadio.ini");
    EXPECT_EQ(text.count('\n'), 7);
    EXPECT_TRUE(text.startsWith("France Inter\r\nhttp://f.example/inter\r\nFrance\r\n"));

    Radio again(folders.program());
    ASSERT_TRUE(again.checkRadio(false));
    EXPECT_EQ(again.state(), saved);
}

TEST(RadioState, EmptyTextsSaveTheDefaults)
{
    for (int field = 0; field < 4; ++field) {
        RadioState state;
        state.radioOn = true;
        state.radioVolume = 90;
        state.radioCountry = 5;
        state.stationName = "Name";
        QString* texts[] = {&state.stationName, nullptr, &state.stationCountry, &state.stationLogo};
        if (texts[field]) {
            texts[field]->clear();
        } else {
            state.stationUrl.clear();
        }
        EXPECT_EQ(parseRadioState(radioStateText(state)), RadioState()) << "field " << field;
    }
}

TEST(RadioState, DamagedLinesKeepTheirDefaults)
{
    struct Case {
        const char* text;
        bool on;
        int volume;
        int country;
    };
    const Case cases[] = {
        {"", false, 30, 0},
        {"A\nhttp://x\nC\nRRADIO_LOGO_X\n1\n50\n3\n", true, 50, 3},
        {"A\nhttp://x\nC\nRRADIO_LOGO_X\nyes\nloud\n-1\n", false, 30, 0},
        {"A\nhttp://x\nC\nRRADIO_LOGO_X\n1\n250\n28\n", true, 30, 0},
        {"A\nhttp://x\nC\nRRADIO_LOGO_X\n1 \n 44\n27", true, 40, 27},
        {"A\r\nhttp://x\r\n", false, 30, 0},
        {"\xff\xfe\x00garbage\n\n\n\n\n\n\n\n\n", false, 30, 0},
    };
    for (const Case& c : cases) {
        const RadioState state = parseRadioState(QByteArray(c.text, qstrlen(c.text)));
        EXPECT_EQ(state.radioOn, c.on) << c.text;
        EXPECT_EQ(state.radioVolume, c.volume) << c.text;
        EXPECT_EQ(state.radioCountry, c.country) << c.text;
        EXPECT_FALSE(state.stationName.isEmpty());
        EXPECT_FALSE(state.stationUrl.isEmpty());
        EXPECT_FALSE(state.stationLogo.isEmpty());
    }
    // A logo that is not a picture name is not taken from the file.
    EXPECT_EQ(parseRadioState("A\nhttp://x\nC\n../x y\n").stationLogo, "RRADIO_LOGO_AVTORADIO");
}

TEST(RadioAvailability, NeedsTheLibraryAndTheList)
{
    Folders folders;
    Radio radio(folders.program());
    EXPECT_FALSE(radio.checkRadio(false));
    folders.layRadioFiles(kList);
    writeFile(folders.parent() + "/TevRadio.ini", "A\nhttp://x\nC\nL\n1\n50\n3\n");
    EXPECT_TRUE(radio.checkRadio(false));
    EXPECT_TRUE(radio.state().radioOn);
    QFile::remove(folders.parent() + "/TevRadio.rad");
    EXPECT_FALSE(radio.checkRadio(false));
    EXPECT_FALSE(radio.state().radioOn) << "an unavailable radio is off";
    EXPECT_FALSE(radio.toggleRadio());
    // From the server, the list counts only once this run fetched it.
    writeFile(folders.parent() + "/TevRadio.ser", kList);
    EXPECT_FALSE(radio.checkRadio(true));
}

TEST(StationList, CountryFilterCommentsAndBrokenLines)
{
    const StationChoice russia = readStationList(kList, 0, QString::fromUtf8("Маяк"));
    ASSERT_EQ(russia.stations.size(), 3u);
    EXPECT_EQ(russia.stations[0].name, "Olk Club Radio");
    EXPECT_EQ(russia.stations[1].key, "AVTORAD");
    EXPECT_EQ(russia.selected, 2);
    EXPECT_FALSE(russia.selectFirst);

    const StationChoice france = readStationList(kList, 17, "Not there");
    ASSERT_EQ(france.stations.size(), 3u);
    EXPECT_EQ(france.selected, 0);
    EXPECT_TRUE(france.selectFirst);

    const StationChoice japan = readStationList(kList, 26, "Olk Club Radio");
    EXPECT_TRUE(japan.stations.empty());
    EXPECT_EQ(japan.selected, -1);
    EXPECT_FALSE(japan.selectFirst);

    EXPECT_TRUE(readStationList(kList, 28, "").stations.empty());
    EXPECT_TRUE(readStationList(kList, -1, "").stations.empty());
    EXPECT_TRUE(readStationList("", 0, "").stations.empty());
    // A foreign file has no stations at all.
    EXPECT_TRUE(parseStationList(QByteArray(4096, '\0')).empty());
}

TEST(StationList, SelectingTakesTheLastLineOfAKey)
{
    RadioState state;
    ASSERT_TRUE(selectStation(kList, "FIPRADI", state));
    EXPECT_EQ(state.stationName, "FIP");
    EXPECT_EQ(state.stationUrl, "http://f.example/fip");
    EXPECT_EQ(state.stationCountry, "France");
    EXPECT_EQ(state.stationLogo, "RRADIO_LOGO_FIP");

    ASSERT_TRUE(selectStation(kList, "BADLOGO", state));
    EXPECT_EQ(state.stationLogo, "RRADIO_LOGO_RADIOUN");

    EXPECT_FALSE(selectStation(kList, "NOTHERE", state));
    EXPECT_EQ(state.stationName, "Bad logo") << "the station stays";
    EXPECT_EQ(state.stationLogo, "RRADIO_LOGO_RADIOUN");
}

TEST(RadioVolume, PictureOfEachVolume)
{
    const std::pair<int, const char*> cases[] = {
        {0, "RRADIO_VOLUME00"},   {1, "RRADIO_VOLUME01"},   {10, "RRADIO_VOLUME01"},
        {11, "RRADIO_VOLUME02"},  {25, "RRADIO_VOLUME03"},  {30, "RRADIO_VOLUME03"},
        {91, "RRADIO_VOLUME10"},  {100, "RRADIO_VOLUME10"}, {-5, "RRADIO_VOLUME00"},
        {130, "RRADIO_VOLUME10"},
    };
    for (const auto& [volume, name] : cases) {
        EXPECT_EQ(volumePictureName(volume), name) << volume;
    }
}

TEST(RadioAddress, RelativeAddressesAreOnTheService)
{
    struct Case {
        const char* address;
        const char* service;
        const char* resolved;
    };
    const Case cases[] = {
        {"/radio/club.ogg", "http://olk.example:8080", "http://olk.example:8080/radio/club.ogg"},
        {"/radio/club.ogg", "https://olk.example/some/path?x=1",
         "https://olk.example/radio/club.ogg"},
        {"/radio/club.ogg", "", ""},
        {"/radio/club.ogg", "ftp://olk.example", ""},
        {"http://a.example:8000/live", "http://olk.example", "http://a.example:8000/live"},
        {"radio/club.ogg", "http://olk.example", ""},
        {"file:///etc/passwd", "http://olk.example", ""},
        {"javascript:alert(1)", "http://olk.example", ""},
        {"//evil.example/x", "http://olk.example", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(resolveStationUrl(c.address, c.service).toString(), c.resolved) << c.address;
    }
}

}  // namespace
}  // namespace olk
