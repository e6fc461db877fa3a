#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace olk {

// The player's choices that survive a restart, as kept in "Olk.ini". One
// plain value, owned by the application and handed to the parts that need it.
struct Settings {
    // General flags
    int language = 0;  // 0..9, see language.h
    bool soundOn = true;
    bool musicOn = true;
    bool gifAnimation = true;  // animated pictures on the menu
    bool flyingCards = true;
    int clubListMode = 1;  // 1 score, 2 rating
    bool networkMode = false;
    bool ownCursor = true;
    int flightSpeed = 4;  // 1..6
    int windowSize = 1;   // 1..5
    bool statRegistered = true;
    bool likeSent = true;
    bool radioListFromServer = true;
    int captionColour = 1;  // 1..7
    bool newButtons = false;
    bool auxDesignPurple = false;
    int auxDesignGrey = 2;  // 1..3
    int menuDesign = 0;     // 0 customizable, 1 purple
    int tableDesign = 0;    // 0 customizable, 1 purple
    bool saluteButtons = true;
    bool saluteCards = true;

    int cardSet = 0;
    int deckIndex = 0;  // 0..12
    bool deckAlwaysOne = false;

    bool threeOfAKind30 = true;
    bool punishKnocker = false;

    QString fontDecor = QStringLiteral("Comic Sans MS");
    QString fontSerif = QStringLiteral("Comic Sans MS");
    QString fontFixed = QStringLiteral("FixedSys");
    QString fontConew = QStringLiteral("Courier New");
    int scaleDecor = 100;
    int scaleSerif = 100;
    int scaleFixed = 100;
    int scaleConew = 100;

    QString serverAddress = QStringLiteral("127.0.0.1");
    QString serverPort = QStringLiteral("25666");

    int background = 2;        // 1..10
    int backgroundColour = 0;  // 0..6

    QString playerName = QStringLiteral("Mr.X");

    // The two service addresses are kept enciphered, exactly as read, and
    // deciphered only where they are used (address_cipher.h).
    QByteArray serviceAddress;
    QString passportNick = QStringLiteral("Incognito");
    QString passportCountry = QStringLiteral("1-001");
    QString passportCity = QStringLiteral("Moscow");
    QString passportSex = QStringLiteral("M");
    QByteArray statisticsAddress;

    // Whether the anonymous counters (starts, games, wins and losses) go to
    // the game's world statistics: asked once, at the first start; unset
    // until the player has answered, and nothing is sent meanwhile. Kept
    // in a file of its own (kStatisticsConsentFileName), not in "Olk.ini".
    std::optional<bool> sendStatistics;

    bool saveGamesAsGif = false;
    int gifArea = 1;  // 1 main window, 2 whole screen
    int gifFrameDelay = 1000;

    Settings();

    friend bool operator==(const Settings&, const Settings&) = default;
};

}  // namespace olk
