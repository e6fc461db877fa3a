#pragma once

#include <QChar>
#include <QString>
#include <array>
#include <cstdint>

namespace olk::online {

// The records the online service's requests fill or send. Texts travel as
// Windows-1251 (raw form, replies) or UTF-8 (list form) and are held here as
// QString. Every member starts at the value a request leaves in place when
// its reply does not reach that field; where one request wants other
// starting values, its reply parser sets them (see requests.h).

// Personal information of an account: fourteen texts. The service sends and
// receives WebSite before Skype, unlike the order here.
struct TInfo14 {
    QString Name1;       // first name, at most 20 characters
    QString Name2;       // last name, 20
    QString About;       // 50
    QString Telephone;   // 20
    QString EMailO;      // e-mail shown to others, 50
    QString Skype;       // 50
    QString WebSite;     // 50
    QString OK;          // 50
    QString VK;          // 50
    QString Telegram;    // 50
    QString FaceBook;    // 60
    QString Twitter;     // 50
    QString Instagramm;  // 50
    QString YouTube;     // 50

    friend bool operator==(const TInfo14&, const TInfo14&) = default;
};

// The fourteen texts in their order, and the longest each may be.
inline constexpr std::array<QString TInfo14::*, 14> kInfoFields = {
    &TInfo14::Name1,      &TInfo14::Name2,    &TInfo14::About,    &TInfo14::Telephone,
    &TInfo14::EMailO,     &TInfo14::Skype,    &TInfo14::WebSite,  &TInfo14::OK,
    &TInfo14::VK,         &TInfo14::Telegram, &TInfo14::FaceBook, &TInfo14::Twitter,
    &TInfo14::Instagramm, &TInfo14::YouTube};
inline constexpr std::array<int, 14> kInfoLimits = {20, 20, 50, 20, 50, 50, 50,
                                                    50, 50, 50, 60, 50, 50, 50};

// The account user of this run. The starting values are those a login
// leaves when its reply carries no field block.
struct TTevUser {
    QString Nick;                                  // 2..12 characters
    QString Pw;                                    // in plain, 4..12 characters
    QString City = QStringLiteral("#");            // 2..15 characters
    QString Country1 = QStringLiteral("#");        // country name token
    QString Country2 = QStringLiteral("#");        // country code, "1-001"
    QChar Sex = u'#';                              // 'M' or 'W' once known
    QString EMail = QStringLiteral("#");           // 2..30 characters
    QString DateR = QStringLiteral("00.00.0000");  // registration date
    QString R01 = QStringLiteral("#");             // spare texts ("xxx" at registration)
    QString R02 = QStringLiteral("#");
    QString R03 = QStringLiteral("#");
    std::int32_t R04 = 0;  // the Tevs balance
    std::int32_t R05 = 0;  // spare numbers
    std::int32_t R06 = 0;
    QString PwC;  // the password enciphered, as the user file keeps it
    TInfo14 Info;

    friend bool operator==(const TTevUser&, const TTevUser&) = default;
};

// The account game record, in the service's declaration order. Only Kon,
// Score, Sessions, Rating, R1, R2, Best and KonL travel; Place comes from
// the account rating's place request.
struct TTevGame {
    std::int32_t Kon = 0;       // deals played for the global rating
    std::int32_t Score = 0;     // score of the current cycle
    std::int32_t Sessions = 0;  // completed cycles
    double Rating = 0.0;        // the global account rating
    QChar PlayNow = u'N';
    std::int32_t R1 = 0;               // spare, passed through
    QString R2 = QStringLiteral("#");  // spare, passed through
    std::int32_t Place = 0;
    std::int32_t Best = 0;  // best completed cycle score
    std::int32_t Best5 = 0;
    std::int32_t Best6 = 0;
    std::int32_t Best7 = 0;
    std::int32_t Best8 = 0;
    std::int32_t KonL = 0;  // deals played in the current cycle
    QChar WindA = u' ';
    QChar WindB = u' ';
    std::uint8_t WhoL = 0;
    std::uint8_t SkL = 0;
    std::int32_t Bank = 0;
    std::uint8_t DoBank = 0;
    std::int32_t Win = 0;
    std::int32_t WinL = 0;
    std::int32_t Won = 0;
    std::int32_t WonL = 0;
    std::int32_t Nih = 0;
    std::int32_t NihL = 0;
    std::int32_t Sco = 0;
    std::int32_t ScoL = 0;

    friend bool operator==(const TTevGame&, const TTevGame&) = default;
};

// One row of the account top ten; a row with an empty Nick is empty.
struct TTevTop10 {
    QString Nick;
    QString City;
    QString Country;  // a country code
    QChar Sex = u'M';
    double Rating = 0.0;

    friend bool operator==(const TTevTop10&, const TTevTop10&) = default;
};

// One entry of a score table (also the tournament rankings and the chat);
// a row whose Nick is "#" is empty. GID starts as the table asked for.
struct TTevRecord {
    std::int32_t RID = 0;  // entry number, not shown
    std::int32_t GID = 0;  // table number
    std::int32_t Score = 0;
    QString Nick = QStringLiteral("#");
    QString Country = QStringLiteral("#");
    QString City = QStringLiteral("#");
    QString R07 = QStringLiteral("#");  // the sex, "M" or "W"
    QString R08 = QStringLiteral("#");  // the program version that posted the entry
    QString R09 = QStringLiteral("#");
    QString R10 = QStringLiteral("#*");
    std::int32_t Place = 0;  // 1-based

    bool isEmpty() const { return Nick == QLatin1String("#"); }
    friend bool operator==(const TTevRecord&, const TTevRecord&) = default;
};

// The statistics summary of the game.
struct TTevStat {
    std::int32_t GID = 0;
    std::int32_t Stat1 = 0;                // starts
    std::int32_t Stat2 = 0;                // unique starts (installations)
    std::int32_t Stat3 = 0;                // likes
    QString Stat4;                         // nick of the last player who liked the game
    std::array<std::int32_t, 12> StatX{};  // the per-game counters, 1..12 at 0..11
    std::int32_t StatY = 0;
    QString StatZ;

    friend bool operator==(const TTevStat&, const TTevStat&) = default;
};

// A player at a tournament table, as sent when taking or leaving a place
// and as read back for one place.
struct TTevClient {
    QString Nick;
    std::int32_t Score = 0;
    std::int32_t Kon = 0;     // tournament games
    std::int32_t Rating = 0;  // tournament rating
    QString Country;
    QString City;
    QChar Sex = u'M';
    QString IP;  // the player's public address

    friend bool operator==(const TTevClient&, const TTevClient&) = default;
};

// One tournament table as the table list gives it: 37 fields in this order,
// five of the table and then eight for each of the four places. The relay
// that plays the table listens at IP on Port.
struct TTevTable_4 {
    struct Place {
        QString Nick = QStringLiteral("X");  // "X": the place is free
        std::int32_t Score = 0;
        std::int32_t Kon = 0;
        std::int32_t Rating = 0;
        QString Country = QStringLiteral("X");
        QString City = QStringLiteral("X");
        QChar Sex = u'M';
        QString IP = QStringLiteral("X");

        friend bool operator==(const Place&, const Place&) = default;
    };

    std::int32_t Num = 0;  // table number 1..10
    std::int32_t GID = 0;  // game code
    QString IP = QStringLiteral("0.0.0.0");
    std::int32_t Port = 0;
    QString State = QStringLiteral("X");
    std::array<Place, 4> Places;  // places 1..4 at 0..3

    static constexpr int kFieldCount = 37;
    friend bool operator==(const TTevTable_4&, const TTevTable_4&) = default;
};

}  // namespace olk::online
