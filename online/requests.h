#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "online/form_body.h"
#include "online/records.h"

namespace olk::online {

// The requests of the online service (olk-service): for each one a builder
// that lays out its form fields in the service's order, and a parser that
// turns the reply into the request's result.
//
// Every request is one form post (Content-Type kContentType, User-Agent
// kUserAgent, Accept kAccept) to one of the endpoints. A few wait at most
// kReadTimeoutMs for the reply (readTimeout3s); the client keeps that limit
// for every later request. A parser takes the reply body, or nothing when
// the transfer failed (no network, refused, timed out, an HTTP error); it
// never fails otherwise than by its result, and a record it cannot fill
// keeps the starting values named with it.

// PublicAddress: a GET whose reply is the caller's address as the service
// sees it (the tournament record's IP).
enum class Endpoint { Directory, Account, Scores, Statistics, Tournament, News, Photos, PublicAddress };

struct ServiceRequest {
    Endpoint endpoint = Endpoint::Account;
    bool listForm = false;
    bool readTimeout3s = false;
    FormFields fields;

    QByteArray body() const;
};

// The reply body; empty when the transfer failed.
using Reply = std::optional<QByteArray>;

inline constexpr char kUserAgent[] = "MurkPlayEntry";
inline constexpr char kContentType[] = "application/x-www-form-urlencoded";
inline constexpr char kAccept[] = "text/html, */*";
inline constexpr int kReadTimeoutMs = 3000;

// This game among the maker's games: the tournament service takes the code
// itself, the score tables and the statistics numbers derived from it.
inline constexpr int kGameCode = 84;
inline constexpr int kWindowsTable = 804;  // scores and statistics
inline constexpr int kAndroidTable = kWindowsTable + 100;
inline constexpr int kAccountTable = kWindowsTable + 300;
inline constexpr int kChatTable = 100;
// The program version every score entry carries.
inline constexpr char kProgramVersion[] = "5.7f";

// ---- Account service ----------------------------------------------------

// Registration: 0 created, 1 the nick is taken, 2 anything else.
enum class RegisterResult { Created = 0, NickTaken = 1, Failed = 2 };
ServiceRequest accountRegister(const TTevUser& user);
RegisterResult parseAccountRegister(const Reply& reply);

struct LoginResult {
    bool ok = false;
    TTevUser user;
};
ServiceRequest accountLogin(const QString& nick, const QString& pw);
// Starts from `current` with Nick and Pw as sent and the account fields at
// their starting values ("#", DateR "00.00.0000", numbers 0), then fills
// them from the reply's block. Fails on "no" anywhere or a bad number.
LoginResult parseAccountLogin(const Reply& reply, const TTevUser& current, const QString& nick,
                              const QString& pw);

struct AccountTopTenResult {
    bool ok = false;
    std::array<TTevTop10, 10> rows;  // row 1 at 0: the club's President
};
ServiceRequest accountTopTen();
AccountTopTenResult parseAccountTopTen(const Reply& reply);

// A number read from the reply; `value` keeps its starting value on failure.
struct NumberResult {
    bool ok = false;
    std::int32_t value = 0;
};

ServiceRequest accountPlace(double rating);
NumberResult parseAccountPlace(const Reply& reply);  // -1 on failure

ServiceRequest clubMembers();
NumberResult parseClubMembers(const Reply& reply);  // -1 on failure

ServiceRequest tevsRead(const QString& nick);
NumberResult parseTevsRead(const Reply& reply);  // 0 on failure

// Adds `amount` (negative: takes it away) to the member's Tevs.
ServiceRequest tevsCredit(const QString& nick, std::int32_t amount);
bool parseTevsCredit(const Reply& reply);

ServiceRequest infoRead(const QString& nick);
// Empty when the transfer failed or the reply says "no"; no flag.
TInfo14 parseInfoRead(const Reply& reply);

ServiceRequest infoSave(const QString& nick, const TInfo14& info);
bool parseInfoSave(const Reply& reply);

struct GameRecordResult {
    bool ok = false;
    TTevGame game;
};
ServiceRequest gameRecordRead(const QString& nick, const QString& pw);
// Starts from `current` with Kon, Score, Sessions, Rating and R1 at 0,
// PlayNow "N" and R2 "#".
GameRecordResult parseGameRecordRead(const Reply& reply, const TTevGame& current);

ServiceRequest gameRecordWrite(const QString& nick, const QString& pw, const TTevGame& game);
bool parseGameRecordWrite(const Reply& reply);

// ---- Score-table service ------------------------------------------------

// Ten rows, row 1 at 0; a row whose Nick is "#" is empty. Every row's GID
// is the table asked for.
struct ScoreTableResult {
    bool ok = false;
    std::array<TTevRecord, 10> rows;
};

ServiceRequest scoreTable(int table);
ScoreTableResult parseScoreTable(const Reply& reply, int table);

ServiceRequest scoreCount(int table);
NumberResult parseScoreCount(const Reply& reply);  // 0 on failure

// The entries of one player (nick and city together name the player).
ServiceRequest myScores(int table, const QString& nick, const QString& city);
ScoreTableResult parseMyScores(const Reply& reply, int table);

// Posts GID, Nick, City, Country, Score, R07, R09 and R10 of `entry`, with
// this program's version in place of R08 and a "*" directly behind R10,
// where the service looks for the end of the entry.
ServiceRequest scorePost(const TTevRecord& entry);
NumberResult parseScorePost(const Reply& reply);  // the new entry's place

// ---- Statistics service -------------------------------------------------

struct StatReadResult {
    bool ok = false;
    TTevStat stat;
};
ServiceRequest statRead();
StatReadResult parseStatRead(const Reply& reply);

ServiceRequest statFirstRun(std::int32_t stat1, std::int32_t stat2);
bool parseStatFirstRun(const Reply& reply);

ServiceRequest statLike(std::int32_t stat3, const QString& stat4);
bool parseStatLike(const Reply& reply);

ServiceRequest statGame(const std::array<std::int32_t, 12>& counters);
bool parseStatGame(const Reply& reply);

// ---- Tournament service -------------------------------------------------

inline constexpr int kTournamentTables = 10;
inline constexpr int kTablePlaces = 4;

struct TourTablesResult {
    bool ok = false;
    std::array<TTevTable_4, kTournamentTables> tables;  // table 1 at 0
    QByteArray raw;                                     // the reply as it came
};
ServiceRequest tourTables();
// The first record is table 10, the next table 9, and so on.
TourTablesResult parseTourTables(const Reply& reply);

enum class SeatAction { Free = 0, Take = 1, Leave = 2 };
// 0 done ("ok"), 2 the place is taken ("is"), 1 anything else; the flag is
// true for 0 and 2.
struct TourSeatResult {
    bool ok = false;
    int code = 1;
};
// `tableSize` 3 or 4 names the table's size in the request; 0 names none.
ServiceRequest tourSeat(int table, int place, SeatAction action, const TTevClient& client,
                        int tableSize = kTablePlaces);
TourSeatResult parseTourSeat(const Reply& reply);

struct TourClientResult {
    bool ok = false;
    TTevClient client;
};
ServiceRequest tourClientRead(int table, int place);
// Starts from `current` with Nick, Country and City empty, Rating 0 and
// Sex "M".
TourClientResult parseTourClientRead(const Reply& reply, const TTevClient& current = {});

struct TourServerInfoResult {
    bool ok = false;
    QChar status = u'X';  // 'Y': the tournament is open
    QString message;      // with its "_" turned into blanks
};
ServiceRequest tourServerInfo();
TourServerInfoResult parseTourServerInfo(const Reply& reply);

struct TourRatingResult {
    bool ok = false;
    std::int32_t score = -1;
    std::int32_t kon = 0;
    std::int32_t rating = 0;
};
ServiceRequest tourRatingRead(const QString& nick);
TourRatingResult parseTourRatingRead(const Reply& reply);

enum class TourKind { Score, Rating, Games };
ServiceRequest tourTopTen(TourKind kind);
// Rows as the score tables' (GID the game code): Place, Nick, City,
// Country, R07 (the sex) and Score (the value of the kind).
ScoreTableResult parseTourTopTen(const Reply& reply);

ServiceRequest tourPlace(TourKind kind, std::int32_t value);
NumberResult parseTourPlace(const Reply& reply);  // -1 on failure

// ---- Service directory ----------------------------------------------------

// The directory is a UTF-8 text of tagged entries. An entry's value is what
// follows its tag after exactly one separator character (whichever it is),
// up to the next "#"; an entry without that "#", or with an empty value,
// counts as absent. The two pause flags count when their tag stands
// anywhere. The addresses stay enciphered (settings/address_cipher.h).
struct ServiceDirectory {
    std::optional<QByteArray> scoreTableAddress;  // "WTGamesPatt", unread when paused
    bool worldTopTenPaused = false;               // "WTGamesPause"
    bool chatPaused = false;                      // "CTGamesPause"
    std::optional<QByteArray> statisticsAddress;  // "StatPath"
    std::optional<QByteArray> accountAddress;     // "AccPath"

    friend bool operator==(const ServiceDirectory&, const ServiceDirectory&) = default;
};
// A directory that could not be fetched reads as an empty document.
ServiceDirectory parseServiceDirectory(const QByteArray& document);

// The addresses (enciphered) and pause flags the start-up lookup settles.
struct OnlineAddresses {
    QByteArray scores;
    QByteArray statistics;
    QByteArray account;
    bool worldTopTenPaused = false;
    bool chatPaused = false;

    friend bool operator==(const OnlineAddresses&, const OnlineAddresses&) = default;
};

// The start-up lookup over the directory, fetched three times (each fetch
// empty when it failed): the first gives the score tables' address and the
// two pause flags (a paused top ten keeps the address it had), the second
// the statistics address, the third the account address, which otherwise
// is the built-in one. The score-table and statistics addresses start as
// the settings have them.
OnlineAddresses resolveAddresses(const QByteArray& scores, const QByteArray& statistics,
                                 const QByteArray& builtInAccount,
                                 const std::optional<QByteArray>& first,
                                 const std::optional<QByteArray>& second,
                                 const std::optional<QByteArray>& third);

}  // namespace olk::online
