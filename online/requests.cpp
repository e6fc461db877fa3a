#include "requests.h"

#include "online/replies.h"

namespace olk::online {

namespace {

QString number(qint64 value)
{
    return QString::fromLatin1(formatInteger(value));
}

QString rating(double value)
{
    return QString::fromLatin1(formatRating(value));
}

ServiceRequest rawPost(Endpoint endpoint, FormFields fields)
{
    return ServiceRequest{endpoint, false, false, std::move(fields)};
}

ServiceRequest listPost(Endpoint endpoint, FormFields fields, bool readTimeout3s = false)
{
    return ServiceRequest{endpoint, true, readTimeout3s, std::move(fields)};
}

QByteArray gameField(const char* stem)
{
    return QByteArray(stem) + QByteArray::number(kGameCode);
}

QByteArray seatField(const char* stem, int place)
{
    return QByteArray(stem) + QByteArray::number(place);
}

char kindLetter(TourKind kind)
{
    switch (kind) {
    case TourKind::Score:
        return 's';
    case TourKind::Rating:
        return 'r';
    case TourKind::Games:
        break;
    }
    return 'k';
}

// Reads numbered tokens into fields, in the order the calls come, and
// remembers the first token that should have been a number and was not:
// from then on nothing more is read, so the fields before it stay filled.
class FieldReader {
public:
    explicit FieldReader(Tokens tokens) : m_tokens(std::move(tokens)) {}

    bool ok() const { return m_ok; }

    void text(qsizetype n, QString& field)
    {
        if (m_ok && m_tokens.has(n)) {
            field = m_tokens.text(n);
        }
    }
    void firstCharacter(qsizetype n, QChar& field)
    {
        if (m_ok && m_tokens.has(n) && !m_tokens.bytes(n).isEmpty()) {
            field = m_tokens.text(n).front();
        }
    }
    void integer(qsizetype n, std::int32_t& field)
    {
        if (m_ok && m_tokens.has(n)) {
            const auto value = readInteger(m_tokens.bytes(n));
            m_ok = value.has_value();
            if (value) {
                field = *value;
            }
        }
    }
    void fraction(qsizetype n, double& field)
    {
        if (m_ok && m_tokens.has(n)) {
            const auto value = readRating(m_tokens.bytes(n));
            m_ok = value.has_value();
            if (value) {
                field = *value;
            }
        }
    }

private:
    Tokens m_tokens;
    bool m_ok = true;
};

bool okMarker(const Reply& reply)
{
    return reply && hasMarker(*reply, "ok");
}

NumberResult trailing(const Reply& reply, std::int32_t initial)
{
    NumberResult result{false, initial};
    if (reply) {
        if (const auto value = trailingNumber(*reply)) {
            result = {true, *value};
        }
    }
    return result;
}

ScoreTableResult emptyRows(int table)
{
    ScoreTableResult result;
    for (TTevRecord& row : result.rows) {
        row.GID = table;
    }
    return result;
}

}  // namespace

QByteArray ServiceRequest::body() const
{
    return listForm ? listFormBody(fields) : rawFormBody(fields);
}

// ---- Account service ----------------------------------------------------

ServiceRequest accountRegister(const TTevUser& user)
{
    return rawPost(Endpoint::Account, {
                                          {"nick", user.Nick},
                                          {"pw", user.Pw},
                                          {"city", user.City},
                                          {"country1", user.Country1},
                                          {"country2", user.Country2},
                                          {"sex", QString(user.Sex)},
                                          {"email", user.EMail},
                                          {"dater", user.DateR},
                                          {"R01", user.R01},
                                          {"R02", user.R02},
                                          {"R03", user.R03},
                                          {"R04", number(user.R04)},
                                          {"R05", number(user.R05)},
                                          {"R06", number(user.R06)},
                                      });
}

RegisterResult parseAccountRegister(const Reply& reply)
{
    if (!reply) {
        return RegisterResult::Failed;
    }
    // Both markers are tested, "ok" first, so "is" wins when both stand.
    if (hasMarker(*reply, "is")) {
        return RegisterResult::NickTaken;
    }
    return hasMarker(*reply, "ok") ? RegisterResult::Created : RegisterResult::Failed;
}

ServiceRequest accountLogin(const QString& nick, const QString& pw)
{
    return listPost(Endpoint::Account, {{"nick", nick}, {"pw", pw}, {"label0", "0"}});
}

LoginResult parseAccountLogin(const Reply& reply, const TTevUser& current, const QString& nick,
                              const QString& pw)
{
    LoginResult result;
    TTevUser& user = result.user;
    const TTevUser fresh;
    user = current;
    user.Nick = nick;
    user.Pw = pw;
    user.City = fresh.City;
    user.Country1 = fresh.Country1;
    user.Country2 = fresh.Country2;
    user.Sex = fresh.Sex;
    user.EMail = fresh.EMail;
    user.DateR = fresh.DateR;
    user.R01 = fresh.R01;
    user.R02 = fresh.R02;
    user.R03 = fresh.R03;
    user.R04 = fresh.R04;
    user.R05 = fresh.R05;
    user.R06 = fresh.R06;
    if (!reply || hasMarker(*reply, "no")) {
        return result;
    }
    const auto block = fieldBlock(*reply);
    if (!block) {
        result.ok = true;
        return result;
    }
    FieldReader read{Tokens(*block)};
    read.text(1, user.City);
    read.text(2, user.Country1);
    read.text(3, user.Country2);
    read.firstCharacter(4, user.Sex);
    read.text(5, user.EMail);
    read.text(6, user.DateR);
    read.text(7, user.R01);
    read.text(8, user.R02);
    read.text(9, user.R03);
    read.integer(10, user.R04);
    read.integer(11, user.R05);
    read.integer(12, user.R06);
    result.ok = read.ok();
    return result;
}

ServiceRequest accountTopTen()
{
    return listPost(Endpoint::Account, {{"crdolkkon", "0"}});
}

AccountTopTenResult parseAccountTopTen(const Reply& reply)
{
    AccountTopTenResult result;
    if (!reply) {
        return result;
    }
    result.ok = true;
    const QList<QByteArray> records = listRecords(*reply);
    for (qsizetype row = 0; row < records.size() && result.ok; ++row) {
        TTevTop10& entry = result.rows[static_cast<std::size_t>(row)];
        FieldReader read{Tokens(records[row])};
        read.text(2, entry.Nick);
        read.text(3, entry.City);
        read.text(4, entry.Country);
        read.text(5, entry.Country);
        read.firstCharacter(6, entry.Sex);
        read.fraction(7, entry.Rating);
        result.ok = read.ok();
    }
    return result;
}

ServiceRequest accountPlace(double value)
{
    return rawPost(Endpoint::Account, {{"crdolkrating", rating(value)}});
}

NumberResult parseAccountPlace(const Reply& reply)
{
    return trailing(reply, -1);
}

ServiceRequest clubMembers()
{
    return rawPost(Endpoint::Account, {{"label1", "0"}});
}

NumberResult parseClubMembers(const Reply& reply)
{
    return trailing(reply, -1);
}

ServiceRequest tevsRead(const QString& nick)
{
    return listPost(Endpoint::Account, {{"nick", nick}, {"labeltevread", "0"}});
}

NumberResult parseTevsRead(const Reply& reply)
{
    NumberResult result;
    if (!reply || hasMarker(*reply, "no")) {
        return result;
    }
    // The whole block, not cut at blanks.
    if (const auto block = fieldBlock(*reply)) {
        if (const auto value = readInteger(*block)) {
            result = {true, *value};
        }
    }
    return result;
}

ServiceRequest tevsCredit(const QString& nick, std::int32_t amount)
{
    return rawPost(Endpoint::Account,
                   {{"nick", nick}, {"labeltevsave", "0"}, {"R04", number(amount)}});
}

bool parseTevsCredit(const Reply& reply)
{
    return okMarker(reply);
}

ServiceRequest infoRead(const QString& nick)
{
    return listPost(Endpoint::Account, {{"nick", nick}, {"labelinforead", "0"}});
}

TInfo14 parseInfoRead(const Reply& reply)
{
    TInfo14 info;
    if (!reply || hasMarker(*reply, "no")) {
        return info;
    }
    const auto block = fieldBlock(*reply);
    if (!block) {
        return info;
    }
    // WebSite travels before Skype.
    FieldReader read{Tokens(*block, '~')};
    read.text(1, info.Name1);
    read.text(2, info.Name2);
    read.text(3, info.About);
    read.text(4, info.Telephone);
    read.text(5, info.EMailO);
    read.text(6, info.WebSite);
    read.text(7, info.Skype);
    read.text(8, info.OK);
    read.text(9, info.VK);
    read.text(10, info.Telegram);
    read.text(11, info.FaceBook);
    read.text(12, info.Twitter);
    read.text(13, info.Instagramm);
    read.text(14, info.YouTube);
    return info;
}

ServiceRequest infoSave(const QString& nick, const TInfo14& info)
{
    return rawPost(Endpoint::Account, {
                                          {"nick", nick},
                                          {"labelinfosave", "0"},
                                          {"namei", info.Name1},
                                          {"name2", info.Name2},
                                          {"about", info.About},
                                          {"telephone", info.Telephone},
                                          {"emailo", info.EMailO},
                                          {"website", info.WebSite},
                                          {"skype", info.Skype},
                                          {"ok", info.OK},
                                          {"vk", info.VK},
                                          {"telegram", info.Telegram},
                                          {"facebook", info.FaceBook},
                                          {"twitter", info.Twitter},
                                          {"instagramm", info.Instagramm},
                                          {"youtube", info.YouTube},
                                      });
}

bool parseInfoSave(const Reply& reply)
{
    return okMarker(reply);
}

ServiceRequest gameRecordRead(const QString& nick, const QString& pw)
{
    return listPost(Endpoint::Account, {{"nick", nick}, {"pw", pw}, {"crdolkbest", "0"}});
}

GameRecordResult parseGameRecordRead(const Reply& reply, const TTevGame& current)
{
    GameRecordResult result;
    TTevGame& game = result.game;
    const TTevGame fresh;
    game = current;
    game.Kon = fresh.Kon;
    game.Score = fresh.Score;
    game.Sessions = fresh.Sessions;
    game.Rating = fresh.Rating;
    game.R1 = fresh.R1;
    game.PlayNow = fresh.PlayNow;
    game.R2 = fresh.R2;
    if (!reply) {
        return result;
    }
    result.ok = true;
    if (const auto block = fieldBlock(*reply)) {
        FieldReader read{Tokens(*block)};
        read.integer(1, game.Kon);
        read.integer(2, game.Best);
        read.fraction(3, game.Rating);
        read.integer(4, game.Sessions);
        read.integer(5, game.KonL);
        read.integer(6, game.Score);
        read.integer(7, game.R1);
        read.text(8, game.R2);
        result.ok = read.ok();
    }
    return result;
}

ServiceRequest gameRecordWrite(const QString& nick, const QString& pw, const TTevGame& game)
{
    return rawPost(Endpoint::Account, {
                                          {"nick", nick},
                                          {"pw", pw},
                                          {"crdolkkon", number(game.Kon)},
                                          {"crdolkbest", number(game.Best)},
                                          {"crdolkrating", rating(game.Rating)},
                                          {"crdolkses", number(game.Sessions)},
                                          {"crdolkkonl", number(game.KonL)},
                                          {"crdolkscore", number(game.Score)},
                                          {"crdolkR1", number(game.R1)},
                                          {"crdolkR2", game.R2},
                                      });
}

bool parseGameRecordWrite(const Reply& reply)
{
    return okMarker(reply);
}

// ---- Score-table service ------------------------------------------------

ServiceRequest scoreTable(int table)
{
    return listPost(Endpoint::Scores, {{"gid", number(table)}}, true);
}

ScoreTableResult parseScoreTable(const Reply& reply, int table)
{
    ScoreTableResult result = emptyRows(table);
    if (!reply) {
        return result;
    }
    result.ok = true;
    const QList<QByteArray> records = listRecords(*reply);
    for (qsizetype row = 0; row < records.size() && result.ok; ++row) {
        TTevRecord& entry = result.rows[static_cast<std::size_t>(row)];
        FieldReader read{Tokens(records[row])};
        read.integer(1, entry.Place);
        read.integer(3, entry.Score);
        read.text(4, entry.Nick);
        read.text(5, entry.Country);
        read.text(6, entry.City);
        read.text(7, entry.R07);
        read.text(8, entry.R08);
        read.text(9, entry.R09);
        read.text(10, entry.R10);
        result.ok = read.ok();
    }
    return result;
}

ServiceRequest scoreCount(int table)
{
    return listPost(Endpoint::Scores, {{"rgid", number(table)}});
}

NumberResult parseScoreCount(const Reply& reply)
{
    return trailing(reply, 0);
}

ServiceRequest myScores(int table, const QString& nick, const QString& city)
{
    ServiceRequest request =
        rawPost(Endpoint::Scores, {{"gid", number(table)}, {"nick", nick}, {"city", city}});
    request.readTimeout3s = true;
    return request;
}

ScoreTableResult parseMyScores(const Reply& reply, int table)
{
    return parseScoreTable(reply, table);
}

ServiceRequest scorePost(const TTevRecord& entry)
{
    // The service finds the end of the entry by the "*" behind R10.
    return rawPost(Endpoint::Scores, {
                                         {"gid", number(entry.GID)},
                                         {"nick", entry.Nick},
                                         {"city", entry.City},
                                         {"country", entry.Country},
                                         {"score", number(entry.Score)},
                                         {"R7", entry.R07},
                                         {"R8", QString::fromLatin1(kProgramVersion)},
                                         {"R9", entry.R09},
                                         {"R10", entry.R10 + u'*'},
                                     });
}

NumberResult parseScorePost(const Reply& reply)
{
    return trailing(reply, 0);
}

// ---- Statistics service -------------------------------------------------

ServiceRequest statRead()
{
    return listPost(Endpoint::Statistics, {{"gid", number(kWindowsTable)}}, true);
}

StatReadResult parseStatRead(const Reply& reply)
{
    StatReadResult result;
    if (!reply) {
        return result;
    }
    result.ok = true;
    const QList<QByteArray> records = listRecords(*reply);
    if (records.isEmpty()) {
        return result;
    }
    TTevStat& stat = result.stat;
    FieldReader read{Tokens(records.front())};
    read.integer(1, stat.Stat1);
    read.integer(2, stat.Stat2);
    read.integer(3, stat.Stat3);
    read.text(4, stat.Stat4);
    for (int k = 0; k < 12; ++k) {
        read.integer(5 + k, stat.StatX[static_cast<std::size_t>(k)]);
    }
    read.integer(17, stat.StatY);
    read.text(18, stat.StatZ);
    result.ok = read.ok();
    return result;
}

ServiceRequest statFirstRun(std::int32_t stat1, std::int32_t stat2)
{
    return rawPost(
        Endpoint::Statistics,
        {{"gid", number(kWindowsTable)}, {"stat1", number(stat1)}, {"stat2", number(stat2)}});
}

bool parseStatFirstRun(const Reply& reply)
{
    return okMarker(reply);
}

ServiceRequest statLike(std::int32_t stat3, const QString& stat4)
{
    return rawPost(Endpoint::Statistics,
                   {{"gid", number(kWindowsTable)}, {"stat3", number(stat3)}, {"stat4", stat4}});
}

bool parseStatLike(const Reply& reply)
{
    return okMarker(reply);
}

ServiceRequest statGame(const std::array<std::int32_t, 12>& counters)
{
    FormFields fields{{"gid", number(kWindowsTable)}};
    for (std::size_t k = 0; k < counters.size(); ++k) {
        fields.append({"R" + QByteArray::number(k + 1), number(counters[k])});
    }
    return rawPost(Endpoint::Statistics, std::move(fields));
}

bool parseStatGame(const Reply& reply)
{
    return okMarker(reply);
}

// ---- Tournament service -------------------------------------------------

ServiceRequest tourTables()
{
    return listPost(Endpoint::Tournament,
                    {{"readtable410", number(kGameCode)}, {"gid", number(kGameCode)}}, true);
}

TourTablesResult parseTourTables(const Reply& reply)
{
    TourTablesResult result;
    if (!reply) {
        return result;
    }
    result.ok = true;
    result.raw = *reply;
    const QList<QByteArray> records = listRecords(*reply);
    for (qsizetype k = 0; k < records.size() && result.ok; ++k) {
        TTevTable_4& table = result.tables[static_cast<std::size_t>(kTournamentTables - 1 - k)];
        FieldReader read{Tokens(records[k])};
        // Token 1 is not read.
        read.integer(2, table.Num);
        read.integer(3, table.GID);
        read.text(4, table.IP);
        read.integer(5, table.Port);
        read.text(6, table.State);
        qsizetype n = 7;
        for (TTevTable_4::Place& place : table.Places) {
            read.text(n++, place.Nick);
            read.integer(n++, place.Score);
            read.integer(n++, place.Kon);
            read.integer(n++, place.Rating);
            read.text(n++, place.Country);
            read.text(n++, place.City);
            read.firstCharacter(n++, place.Sex);
            read.text(n++, place.IP);
        }
        result.ok = read.ok();
    }
    return result;
}

ServiceRequest tourSeat(int table, int place, SeatAction action, const TTevClient& client,
                        int tableSize)
{
    const QByteArray size = tableSize == 3 || tableSize == 4 ? QByteArray::number(tableSize) : "";
    return rawPost(Endpoint::Tournament,
                   {
                       {"client" + size + "on" + QByteArray::number(place), "0"},
                       {"gid", number(kGameCode)},
                       {"num", number(table)},
                       {"can", number(static_cast<int>(action))},
                       {seatField("nick", place), client.Nick},
                       {seatField("score", place), number(client.Score)},
                       {seatField("kon", place), number(client.Kon)},
                       {seatField("rating", place), number(client.Rating)},
                       {seatField("country", place), client.Country},
                       {seatField("city", place), client.City},
                       {seatField("sex", place), QString(client.Sex)},
                       {seatField("ip", place), client.IP},
                   });
}

TourSeatResult parseTourSeat(const Reply& reply)
{
    if (!reply) {
        return {};
    }
    if (hasMarker(*reply, "ok")) {
        return {true, 0};
    }
    if (hasMarker(*reply, "is")) {
        return {true, 2};
    }
    return {false, 1};
}

ServiceRequest tourClientRead(int table, int place)
{
    return listPost(Endpoint::Tournament, {{seatField("readclient", place), "0"},
                                           {"gid", number(kGameCode)},
                                           {"num", number(table)}});
}

TourClientResult parseTourClientRead(const Reply& reply, const TTevClient& current)
{
    TourClientResult result;
    TTevClient& client = result.client;
    const TTevClient fresh;
    client = current;
    client.Nick = fresh.Nick;
    client.Country = fresh.Country;
    client.City = fresh.City;
    client.Rating = fresh.Rating;
    client.Sex = fresh.Sex;
    if (!reply) {
        return result;
    }
    result.ok = true;
    if (const auto block = fieldBlock(*reply)) {
        FieldReader read{Tokens(*block)};
        read.text(1, client.Nick);
        read.integer(2, client.Score);
        read.integer(3, client.Kon);
        read.integer(4, client.Rating);
        read.text(5, client.Country);
        read.text(6, client.City);
        read.firstCharacter(7, client.Sex);
        read.text(8, client.IP);
        result.ok = read.ok();
    }
    return result;
}

ServiceRequest tourServerInfo()
{
    return listPost(Endpoint::Tournament, {{"serverinforead", "0"}, {"gid", number(kGameCode)}});
}

TourServerInfoResult parseTourServerInfo(const Reply& reply)
{
    TourServerInfoResult result;
    if (!reply) {
        return result;
    }
    result.ok = true;
    if (const auto block = fieldBlock(*reply)) {
        FieldReader read{Tokens(*block)};
        read.firstCharacter(1, result.status);
        read.text(2, result.message);
        result.message.replace(u'_', u' ');
    }
    return result;
}

ServiceRequest tourRatingRead(const QString& nick)
{
    return rawPost(Endpoint::Tournament, {{gameField("readrating"), "0"}, {"nick", nick}});
}

TourRatingResult parseTourRatingRead(const Reply& reply)
{
    TourRatingResult result;
    if (!reply) {
        return result;
    }
    result.ok = true;
    if (const auto block = fieldBlock(*reply)) {
        FieldReader read{Tokens(*block)};
        read.integer(1, result.score);
        read.integer(2, result.kon);
        read.integer(3, result.rating);
        result.ok = read.ok();
    }
    return result;
}

ServiceRequest tourTopTen(TourKind kind)
{
    const QByteArray name = QByteArray("top10") + kindLetter(kind) + QByteArray::number(kGameCode);
    return listPost(Endpoint::Tournament, {{name, "0"}, {"nick", "z"}});
}

ScoreTableResult parseTourTopTen(const Reply& reply)
{
    ScoreTableResult result = emptyRows(kGameCode);
    if (!reply) {
        return result;
    }
    result.ok = true;
    const QList<QByteArray> records = listRecords(*reply);
    for (qsizetype row = 0; row < records.size() && result.ok; ++row) {
        TTevRecord& entry = result.rows[static_cast<std::size_t>(row)];
        FieldReader read{Tokens(records[row])};
        read.integer(1, entry.Place);
        read.text(2, entry.Nick);
        read.text(3, entry.City);
        read.text(4, entry.Country);
        read.text(5, entry.R07);
        read.integer(6, entry.Score);
        result.ok = read.ok();
    }
    return result;
}

ServiceRequest tourPlace(TourKind kind, std::int32_t value)
{
    const QByteArray name = QByteArray("place") + kindLetter(kind) + QByteArray::number(kGameCode);
    const char* valueName = kind == TourKind::Score    ? "score1"
                            : kind == TourKind::Rating ? "rating1"
                                                       : "kon1";
    return rawPost(Endpoint::Tournament, {{name, "0"}, {valueName, number(value)}});
}

NumberResult parseTourPlace(const Reply& reply)
{
    return trailing(reply, -1);
}

// ---- Service directory ----------------------------------------------------

namespace {

// The value of the first entry `tag`: after the tag and one separator
// character, up to the next "#". Empty when absent, unclosed or empty.
std::optional<QByteArray> directoryEntry(const QString& document, QLatin1StringView tag)
{
    const qsizetype at = document.indexOf(tag);
    if (at < 0) {
        return std::nullopt;
    }
    qsizetype start = at + tag.size() + 1;
    if (start <= document.size() && document[start - 1].isHighSurrogate() &&
        start < document.size() && document[start].isLowSurrogate()) {
        ++start;  // one separator character, outside the basic plane
    }
    if (start > document.size()) {
        return std::nullopt;
    }
    const qsizetype end = document.indexOf(u'#', start);
    if (end <= start) {
        return std::nullopt;
    }
    return document.sliced(start, end - start).toUtf8();
}

}  // namespace

ServiceDirectory parseServiceDirectory(const QByteArray& document)
{
    const QString text = QString::fromUtf8(document);
    ServiceDirectory directory;
    directory.chatPaused = text.contains(QLatin1StringView("CTGamesPause"));
    directory.worldTopTenPaused = text.contains(QLatin1StringView("WTGamesPause"));
    if (!directory.worldTopTenPaused) {
        directory.scoreTableAddress = directoryEntry(text, QLatin1StringView("WTGamesPatt"));
    }
    directory.statisticsAddress = directoryEntry(text, QLatin1StringView("StatPath"));
    directory.accountAddress = directoryEntry(text, QLatin1StringView("AccPath"));
    return directory;
}

OnlineAddresses resolveAddresses(const QByteArray& scores, const QByteArray& statistics,
                                 const QByteArray& builtInAccount,
                                 const std::optional<QByteArray>& first,
                                 const std::optional<QByteArray>& second,
                                 const std::optional<QByteArray>& third)
{
    OnlineAddresses addresses{scores, statistics, builtInAccount};
    const ServiceDirectory one = parseServiceDirectory(first.value_or(QByteArray()));
    addresses.chatPaused = one.chatPaused;
    addresses.worldTopTenPaused = one.worldTopTenPaused;
    addresses.scores = one.scoreTableAddress.value_or(addresses.scores);
    addresses.statistics =
        parseServiceDirectory(second.value_or(QByteArray())).statisticsAddress.value_or(statistics);
    addresses.account =
        parseServiceDirectory(third.value_or(QByteArray())).accountAddress.value_or(builtInAccount);
    return addresses;
}

}  // namespace olk::online
