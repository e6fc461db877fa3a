#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings/address_cipher.h"
#include "settings/language.h"

namespace olk {
namespace {

QList<QByteArray> defaultLines()
{
    return settingsToLines(Settings());
}

Settings readLines(const QList<QByteArray>& lines)
{
    return settingsFromLines(lines).settings;
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every field away from its default.
Settings everythingChanged()
{
    Settings s;
    s.language = 7;
    s.soundOn = false;
    s.musicOn = true;
    s.gifAnimation = false;
    s.flyingCards = false;
    s.clubListMode = 2;
    s.networkMode = true;
    s.ownCursor = false;
    s.flightSpeed = 6;
    s.windowSize = 5;
    s.statRegistered = false;
    s.likeSent = false;
    s.radioListFromServer = false;
    s.captionColour = 7;
    s.newButtons = true;
    s.auxDesignPurple = true;
    s.auxDesignGrey = 3;
    s.menuDesign = 1;
    s.tableDesign = 1;
    s.saluteButtons = false;
    s.saluteCards = false;
    s.cardSet = 3;
    s.deckIndex = 12;
    s.deckAlwaysOne = true;
    s.threeOfAKind30 = false;
    s.punishKnocker = true;
    s.fontDecor = QStringLiteral("Arial");
    s.fontSerif = QStringLiteral("Times New Roman");
    s.fontFixed = QStringLiteral("Lucida Console");
    s.fontConew = QStringLiteral("Consolas");
    s.scaleDecor = 90;
    s.scaleSerif = 120;
    s.scaleFixed = 75;
    s.scaleConew = 150;
    s.serverAddress = QStringLiteral("127.0.0.9");
    s.serverPort = QStringLiteral("30000");
    s.background = 10;
    s.backgroundColour = 3;
    s.playerName = QStringLiteral("Иван Петров");
    s.serviceAddress = encipherAddress(QStringLiteral("http://127.0.0.1:9/a/"));
    s.passportNick = QStringLiteral("Ivan");
    s.passportCountry = QStringLiteral("6-054");
    s.passportCity = QStringLiteral("Новосибирск");
    s.passportSex = QStringLiteral("W");
    s.statisticsAddress = encipherAddress(QStringLiteral("http://127.0.0.1:9/s/"));
    s.saveGamesAsGif = true;
    s.gifArea = 2;
    s.gifFrameDelay = 250;
    return s;
}

TEST(SettingsFile, WrittenFormOfTheDefaults)
{
    const QList<QByteArray> lines = defaultLines();
    ASSERT_EQ(lines.size(), 35);
    const QList<QByteArray> expected = {"<# General>",
                                        "011110141RL010020011",
                                        "<# Cards>",
                                        "0",
                                        "<# Decks>",
                                        "000",
                                        "<# Individual>",
                                        "10####",
                                        "<# Fonts>",
                                        "Comic Sans MS",
                                        "Comic Sans MS",
                                        "FixedSys",
                                        "Courier New",
                                        "100",
                                        "100",
                                        "100",
                                        "100",
                                        "<# IP & Port>",
                                        "127.0.0.1",
                                        "25666",
                                        "<# Background>",
                                        "020",
                                        "<# Name Of Player>",
                                        "Mr.X",
                                        "<# World Top Ten>",
                                        defaultServiceAddress(),
                                        "Incognito",
                                        "1-001",
                                        "Moscow",
                                        "M",
                                        defaultStatisticsAddress(),
                                        "<# Save Games as GIF>",
                                        "\xEB",
                                        "1",
                                        "1000"};
    EXPECT_EQ(lines, expected);
}

TEST(SettingsFile, WrittenFormsOfDeckAndBackground)
{
    Settings s;
    s.deckIndex = 7;
    s.deckAlwaysOne = true;
    EXPECT_EQ(settingsToLines(s)[5], "071");
    s.background = 10;
    s.backgroundColour = 3;
    EXPECT_EQ(settingsToLines(s)[21], "103");
    s.background = 2;
    s.backgroundColour = 0;
    EXPECT_EQ(settingsToLines(s)[21], "020");
}

TEST(SettingsFile, EveryFieldSurvivesARestart)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Settings changed = everythingChanged();
    ASSERT_TRUE(saveSettings(dir.path(), changed));
    const SettingsRead read = loadSettings(dir.path());
    EXPECT_TRUE(read.complete);
    EXPECT_EQ(read.settings, changed);

    // Always CR LF, Windows-1251.
    const QByteArray content = readFile(dir.filePath("Olk.ini"));
    EXPECT_EQ(content.count("\r\n"), 35);
    EXPECT_EQ(content.count('\n'), 35);
    EXPECT_TRUE(content.contains("\xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2"));  // Иван Петров
}

// Lines whose values the program did not change go back byte for byte: a
// byte the code page leaves undefined, a number written its own way.
TEST(SettingsFile, UnchangedLinesAreWrittenBackAsTheyStood)
{
    QTemporaryDir dir;
    QList<QByteArray> lines = settingsToLines(everythingChanged());
    lines[23] = "Bob\x98";  // player name with the undefined byte 0x98
    lines[26] =
        "N\x98"
        "ck";              // passport nick
    lines[19] = "025666";  // the port with a leading zero
    const QByteArray original = lines.join("\r\n") + "\r\n";
    writeFile(dir.filePath("Olk.ini"), original);
    SettingsRead read = loadSettings(dir.path());
    ASSERT_TRUE(read.complete);
    ASSERT_TRUE(saveSettings(dir.path(), read.settings, read.lines));
    EXPECT_EQ(readFile(dir.filePath("Olk.ini")), original);

    // A changed value is written the program's way; the rest stays.
    read.settings.flightSpeed = read.settings.flightSpeed == 3 ? 4 : 3;
    read.settings.passportNick = QStringLiteral("Nick");
    ASSERT_TRUE(saveSettings(dir.path(), read.settings, read.lines));
    const QList<QByteArray> saved = readFile(dir.filePath("Olk.ini")).split('\n');
    EXPECT_EQ(saved[23], "Bob\x98\r");
    EXPECT_EQ(saved[26], "Nick\r");
    EXPECT_EQ(saved[19], "025666\r");
    EXPECT_NE(saved[1], lines[1] + "\r");
}

// The statistics answer lives beside "Olk.ini": written only once given,
// and anything but "1" or "0" there counts as not asked yet.
TEST(SettingsFile, TheStatisticsAnswerIsKeptBesideTheSettings)
{
    QTemporaryDir dir;
    Settings s;
    ASSERT_TRUE(saveSettings(dir.path(), s));
    EXPECT_FALSE(QFile::exists(dir.filePath("OlkStat.ini")));
    EXPECT_FALSE(loadSettings(dir.path()).settings.sendStatistics.has_value());
    s.sendStatistics = true;
    ASSERT_TRUE(saveSettings(dir.path(), s));
    EXPECT_EQ(readFile(dir.filePath("OlkStat.ini")), "1\r\n");
    EXPECT_EQ(loadSettings(dir.path()).settings.sendStatistics, std::optional<bool>(true));
    for (const QByteArray& garbage : {QByteArray("yes"), QByteArray("2\r\n"), QByteArray()}) {
        writeFile(dir.filePath("OlkStat.ini"), garbage);
        EXPECT_FALSE(loadSettings(dir.path()).settings.sendStatistics.has_value()) << garbage.data();
    }
    // The settings file's own lines do not change with it.
    EXPECT_EQ(readFile(dir.filePath("Olk.ini")).count("\r\n"), 35);
}

TEST(SettingsFile, MissingOrShortFileGivesDefaults)
{
    QTemporaryDir dir;
    EXPECT_EQ(loadSettings(dir.path()).settings, Settings());
    EXPECT_FALSE(loadSettings(dir.path()).complete);

    QList<QByteArray> lines = settingsToLines(everythingChanged());
    lines.removeLast();
    QByteArray content = lines.join("\r\n") + "\r\n";
    writeFile(dir.filePath("Olk.ini"), content);
    EXPECT_EQ(loadSettings(dir.path()).settings, Settings()) << "34 lines";
}

TEST(SettingsFile, LinuxLineEndsAndAMissingLastLineEnd)
{
    QTemporaryDir dir;
    const QList<QByteArray> lines = settingsToLines(everythingChanged());
    writeFile(dir.filePath("Olk.ini"), lines.join("\n"));
    EXPECT_EQ(loadSettings(dir.path()).settings, everythingChanged());
}

TEST(SettingsFile, ReadingStopsAtTheFirstBadLine)
{
    // Line 6 "5": only line 2 and the card set of line 4 are taken.
    QList<QByteArray> lines = settingsToLines(everythingChanged());
    lines[5] = "5";
    const SettingsRead read = settingsFromLines(lines);
    EXPECT_FALSE(read.complete);
    Settings expected;
    const Settings changed = everythingChanged();
    expected.language = changed.language;
    expected.soundOn = changed.soundOn;
    expected.musicOn = changed.musicOn;
    expected.gifAnimation = changed.gifAnimation;
    expected.flyingCards = changed.flyingCards;
    expected.clubListMode = changed.clubListMode;
    expected.networkMode = changed.networkMode;
    expected.ownCursor = changed.ownCursor;
    expected.flightSpeed = changed.flightSpeed;
    expected.windowSize = changed.windowSize;
    expected.statRegistered = changed.statRegistered;
    expected.likeSent = changed.likeSent;
    expected.radioListFromServer = changed.radioListFromServer;
    expected.captionColour = changed.captionColour;
    expected.newButtons = changed.newButtons;
    expected.auxDesignPurple = changed.auxDesignPurple;
    expected.auxDesignGrey = changed.auxDesignGrey;
    expected.menuDesign = changed.menuDesign;
    expected.tableDesign = changed.tableDesign;
    expected.saluteButtons = changed.saluteButtons;
    expected.saluteCards = changed.saluteCards;
    expected.cardSet = changed.cardSet;
    EXPECT_EQ(read.settings, expected);

    // An empty line 24 keeps the name and everything after it.
    lines = settingsToLines(everythingChanged());
    lines[23] = "";
    const Settings stopped = readLines(lines);
    EXPECT_EQ(stopped.background, 10);
    EXPECT_EQ(stopped.playerName, QStringLiteral("Mr.X"));
    EXPECT_EQ(stopped.passportCity, QStringLiteral("Moscow"));
    EXPECT_EQ(stopped.serviceAddress, defaultServiceAddress());
}

TEST(SettingsFile, GeneralFlags)
{
    struct Case {
        QByteArray line2;
        void (*check)(const Settings&);
    };
    const Case cases[] = {
        // One character: the language, the rest default.
        {"3",
         [](const Settings& s) {
             EXPECT_EQ(s.language, 3);
             EXPECT_TRUE(s.soundOn && s.musicOn);
             EXPECT_EQ(s.flightSpeed, 4);
             EXPECT_TRUE(s.statRegistered);
         }},
        {"02", [](const Settings& s) { EXPECT_TRUE(s.soundOn && !s.musicOn); }},
        {"03", [](const Settings& s) { EXPECT_TRUE(!s.soundOn && s.musicOn); }},
        {"00", [](const Settings& s) { EXPECT_TRUE(!s.soundOn && !s.musicOn); }},
        {"0#########", [](const Settings& s) { EXPECT_FALSE(s.statRegistered); }},
        // The radio list: "0" the server, anything else the disk.
        {"000000000000", [](const Settings& s) { EXPECT_TRUE(s.radioListFromServer); }},
        {"000000000001", [](const Settings& s) { EXPECT_FALSE(s.radioListFromServer); }},
        {"00000000000#", [](const Settings& s) { EXPECT_FALSE(s.radioListFromServer); }},
        // Values the writer never produces fall back to the defaults.
        {"a", [](const Settings& s) { EXPECT_EQ(s.language, 0); }},
        {"k", [](const Settings& s) { EXPECT_EQ(s.language, 0); }},
        {"0#####97",
         [](const Settings& s) {
             EXPECT_EQ(s.flightSpeed, 4);
             EXPECT_EQ(s.windowSize, 1);
         }},
        {"0000000000009##4ab",
         [](const Settings& s) {
             EXPECT_EQ(s.captionColour, 1);
             EXPECT_EQ(s.auxDesignGrey, 2);
             EXPECT_EQ(s.menuDesign, 0);
             EXPECT_EQ(s.tableDesign, 0);
         }},
    };
    for (const Case& c : cases) {
        QList<QByteArray> lines = defaultLines();
        lines[1] = c.line2;
        SCOPED_TRACE(c.line2.toStdString());
        c.check(readLines(lines));
    }
}

TEST(SettingsFile, LineRules)
{
    struct Case {
        int line;  // 1-based
        QByteArray value;
        void (*check)(const Settings&);
    };
    const Case cases[] = {
        {4, "x7", [](const Settings& s) { EXPECT_EQ(s.cardSet, 0); }},
        {6, "xy1",
         [](const Settings& s) {
             EXPECT_EQ(s.deckIndex, 0);
             EXPECT_TRUE(s.deckAlwaysOne);
         }},
        {6, "991", [](const Settings& s) { EXPECT_EQ(s.deckIndex, 0); }},
        // Any character but "0" switches a rule option on.
        {8, "0x####",
         [](const Settings& s) {
             EXPECT_FALSE(s.threeOfAKind30);
             EXPECT_TRUE(s.punishKnocker);
         }},
        {10, "A",
         [](const Settings& s) {
             EXPECT_EQ(s.fontDecor, QStringLiteral("Comic Sans MS"));
             EXPECT_EQ(s.playerName, QStringLiteral("Mr.X"));
         }},
        {15, "abc",
         [](const Settings& s) {
             EXPECT_EQ(s.scaleSerif, 100);
             EXPECT_EQ(s.playerName, QStringLiteral("Ivan"));
         }},
        {15, "0", [](const Settings& s) { EXPECT_EQ(s.scaleSerif, 100); }},
        {22, "1",
         [](const Settings& s) {
             EXPECT_EQ(s.background, 2);
             EXPECT_EQ(s.playerName, QStringLiteral("Ivan"));
         }},
        {22, "559",
         [](const Settings& s) {
             EXPECT_EQ(s.background, 2);
             EXPECT_EQ(s.backgroundColour, 0);
         }},
        // Continent 2 allows at most 51: the default stays, reading goes on.
        {28, "2-052",
         [](const Settings& s) {
             EXPECT_EQ(s.passportCountry, QStringLiteral("1-001"));
             EXPECT_EQ(s.passportCity, QStringLiteral("Omsk"));
         }},
        {28, "2-051",
         [](const Settings& s) { EXPECT_EQ(s.passportCountry, QStringLiteral("2-051")); }},
        {28, "7-001",
         [](const Settings& s) { EXPECT_EQ(s.passportCountry, QStringLiteral("1-001")); }},
        {28, "2-05",
         [](const Settings& s) { EXPECT_EQ(s.passportCity, QStringLiteral("Moscow")); }},
        {30, "X", [](const Settings& s) { EXPECT_EQ(s.passportSex, QStringLiteral("M")); }},
        {30, "W", [](const Settings& s) { EXPECT_EQ(s.passportSex, QStringLiteral("W")); }},
        {27, "ABCDEFGHIJKLMNOP",
         [](const Settings& s) { EXPECT_EQ(s.passportNick, QStringLiteral("ABCDEFGHIJKL")); }},
        {33, "\xE8\xE8", [](const Settings& s) { EXPECT_FALSE(s.saveGamesAsGif); }},
        {34, "3", [](const Settings& s) { EXPECT_EQ(s.gifArea, 1); }},
        {35, "-5", [](const Settings& s) { EXPECT_EQ(s.gifFrameDelay, 1000); }},
    };
    for (const Case& c : cases) {
        QList<QByteArray> lines = defaultLines();
        lines[23] = "Ivan";
        lines[28] = "Omsk";
        lines[c.line - 1] = c.value;
        SCOPED_TRACE("line " + std::to_string(c.line) + " \"" + c.value.toStdString() + "\"");
        c.check(readLines(lines));
    }
}

TEST(SettingsFile, NamesTheFileCannotHoldAreWrittenSafely)
{
    Settings s;
    s.playerName = QStringLiteral("张\r\nbad");
    const QList<QByteArray> lines = settingsToLines(s);
    ASSERT_EQ(lines.size(), 35);
    EXPECT_EQ(lines[23], "?  bad");
}

TEST(SettingsFile, AFailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(saveSettings(dir.path(), everythingChanged()));
    const QByteArray before = readFile(dir.filePath("Olk.ini"));

    // A folder that is a file: nothing can be created in it.
    writeFile(dir.filePath("plain"), "x");
    EXPECT_FALSE(saveSettings(dir.filePath("plain"), Settings()));

    // The settings file is in the way as a folder.
    QDir(dir.path()).mkdir("blocked");
    QDir(dir.filePath("blocked")).mkdir("Olk.ini");
    EXPECT_FALSE(saveSettings(dir.filePath("blocked"), Settings()));

    // A read-only folder (root may write anyway, so only as a normal user).
    if (geteuid() != 0) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(saveSettings(dir.path(), Settings()));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    EXPECT_EQ(readFile(dir.filePath("Olk.ini")), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"Olk.ini", "plain"}));
}

TEST(SettingsFile, StartUpKeepsScalesButNotFaceNames)
{
    QTemporaryDir dir;
    Settings saved = everythingChanged();
    saved.language = German;
    ASSERT_TRUE(saveSettings(dir.path(), saved));
    Settings read = loadStartupSettings(dir.path()).settings;
    EXPECT_EQ(read.language, German);
    EXPECT_EQ(read.scaleSerif, 120);
    EXPECT_EQ(read.fontSerif, QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(read.fontFixed, QStringLiteral("Fixedsys"));

    // A club file whose last line starts with "1" asks for Russian.
    QByteArray club;
    for (int i = 0; i < 5; ++i) {
        club += QByteArray(59, '#') + "\r\n";
    }
    for (int i = 0; i < 10; ++i) {
        club += QByteArray(26, ' ') + "\r\n";
    }
    club += "\xB8}" + QByteArray(26, '#') + "\r\n" + "1" + QByteArray(27, '0') + "\r\n";
    writeFile(dir.filePath("Olk.clb"), club);
    EXPECT_EQ(loadStartupSettings(dir.path()).settings.language, Russian);
}

TEST(SettingsFile, ScaledFontHeight)
{
    struct Case {
        int size;
        int percent;
        int height;
    };
    const Case cases[] = {
        {16, 120, 19},               // 19.2
        {16, 100, 16}, {5, 150, 8},  // 7.5: halves go to the even neighbour
        {3, 150, 4},                 // 4.5
        {10, 125, 12},               // 12.5
        {10, 135, 14},               // 13.5
        {20, 10, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(scaledFontHeight(c.size, c.percent), c.height) << c.size << " x " << c.percent;
    }
}

TEST(AddressCipher, RoundTripAndBuiltInAddresses)
{
    for (const QString& address : {QStringLiteral("http://127.0.0.1:8765/olk/"), QString(),
                                   QStringLiteral("ftp://example.invalid/пути")}) {
        const QByteArray enciphered = encipherAddress(address);
        EXPECT_FALSE(enciphered.contains(address.toUtf8()) && !address.isEmpty());
        EXPECT_EQ(decipherAddress(enciphered), address);
    }
    const std::pair<QByteArray, const char*> builtIn[] = {
        {defaultServiceAddress(), "http://127.0.0.1:8765/scores"},
        {defaultStatisticsAddress(), "http://127.0.0.1:8765/statistics"},
        {directoryAddress(), "http://127.0.0.1:8765/directory"},
        {defaultAccountAddress(), "http://127.0.0.1:8765/account"},
        {tournamentAddress(), "http://127.0.0.1:8765/tournament"},
        {newsAddress(), "http://127.0.0.1:8765/news"},
        {photoStoreAddress(), "http://127.0.0.1:8765/photos/"},
    };
    for (const auto& [enciphered, plain] : builtIn) {
        EXPECT_EQ(decipherAddress(enciphered), QString::fromLatin1(plain));
    }
    for (const char* bad : {"", "%%%", "bm90IGEgY2lwaGVy", "\xE8"}) {
        EXPECT_FALSE(decipherAddress(bad)) << bad;
    }
}

}  // namespace
}  // namespace olk
