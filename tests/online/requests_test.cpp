#include "online/requests.h"

#include <gtest/gtest.h>

#include <functional>

#include "online/form_body.h"

namespace olk::online {
namespace {

// Windows-1251 bytes of "Москва".
const QByteArray kMoscow1251("\xCC\xEE\xF1\xEA\xE2\xE0");
// Percent-encoded UTF-8 of "Москва".
const QByteArray kMoscowEncoded("%D0%9C%D0%BE%D1%81%D0%BA%D0%B2%D0%B0");

TTevClient sampleClient()
{
    return TTevClient{"Ivan", 120, 7, 1500, "1-001", QStringLiteral("Москва"), u'M', "10.0.0.5"};
}

TEST(Requests, BodiesAreExactlyAsTheServiceReadsThem)
{
    TTevUser user;
    user.Nick = "Ivan";
    user.Pw = "secret";
    user.City = QStringLiteral("Москва");
    user.Country1 = "Russia";
    user.Country2 = "1-001";
    user.Sex = u'M';
    user.EMail = "i@x.ru";
    user.DateR = "01.02.2024";
    user.R01 = user.R02 = user.R03 = "xxx";
    user.R04 = -5;
    TTevGame game;
    game.Kon = 40;
    game.Best = 120;
    game.Rating = 12.5;
    game.Sessions = 1;
    game.KonL = 4;
    game.Score = -30;
    game.R1 = 3;
    game.R2 = "#";
    TTevRecord entry;
    entry.GID = kWindowsTable;
    entry.Nick = "Ivan";
    entry.City = QStringLiteral("Москва");
    entry.Country = "1-001";
    entry.Score = 210;
    entry.R07 = "M";
    entry.R08 = "ignored";
    entry.R10 = "#";
    TInfo14 info;
    info.Name1 = "Ivan";
    info.Skype = "iv.skype";
    info.WebSite = "iv.ru";
    info.YouTube = "yt";

    struct Case {
        const char* what;
        ServiceRequest request;
        Endpoint endpoint;
        bool listForm;
        bool readTimeout3s;
        QByteArray body;
    };
    const Case cases[] = {
        {"AccountRegister", accountRegister(user), Endpoint::Account, false, false,
         "nick=Ivan&pw=secret&city=" + kMoscow1251 +
             "&country1=Russia&country2=1-001&sex=M&email=i@x.ru&dater=01.02.2024"
             "&R01=xxx&R02=xxx&R03=xxx&R04=-5&R05=0&R06=0"},
        {"AccountLogin", accountLogin("Ivan Petrov", QStringLiteral("пароль")), Endpoint::Account,
         true, false, "nick=Ivan+Petrov&&pw=%D0%BF%D0%B0%D1%80%D0%BE%D0%BB%D1%8C&&label0=0"},
        {"AccountTopTen", accountTopTen(), Endpoint::Account, true, false, "crdolkkon=0"},
        {"AccountPlace tiny", accountPlace(0.000001), Endpoint::Account, false, false,
         "crdolkrating=0"},
        {"AccountPlace", accountPlace(12.5), Endpoint::Account, false, false, "crdolkrating=12.5"},
        {"ClubMembers", clubMembers(), Endpoint::Account, false, false, "label1=0"},
        {"TevsRead", tevsRead("Ivan"), Endpoint::Account, true, false, "nick=Ivan&&labeltevread=0"},
        {"TevsCredit", tevsCredit("Ivan", -25), Endpoint::Account, false, false,
         "nick=Ivan&labeltevsave=0&R04=-25"},
        {"InfoRead", infoRead("Ivan"), Endpoint::Account, true, false,
         "nick=Ivan&&labelinforead=0"},
        {"InfoSave", infoSave("Ivan", info), Endpoint::Account, false, false,
         "nick=Ivan&labelinfosave=0&namei=Ivan&name2=&about=&telephone=&emailo="
         "&website=iv.ru&skype=iv.skype&ok=&vk=&telegram=&facebook=&twitter=&instagramm="
         "&youtube=yt"},
        {"GameRecordRead", gameRecordRead("Ivan", "pw"), Endpoint::Account, true, false,
         "nick=Ivan&&pw=pw&&crdolkbest=0"},
        {"GameRecordWrite", gameRecordWrite("Ivan", "pw", game), Endpoint::Account, false, false,
         "nick=Ivan&pw=pw&crdolkkon=40&crdolkbest=120&crdolkrating=12.5&crdolkses=1"
         "&crdolkkonl=4&crdolkscore=-30&crdolkR1=3&crdolkR2=#"},
        {"ScoreTable", scoreTable(kAccountTable), Endpoint::Scores, true, true, "gid=1104"},
        {"ScoreCount", scoreCount(kAndroidTable), Endpoint::Scores, true, false, "rgid=904"},
        {"MyScores", myScores(kWindowsTable, "Ivan", QStringLiteral("Москва")), Endpoint::Scores,
         false, true, "gid=804&nick=Ivan&city=" + kMoscow1251},
        {"ScorePost", scorePost(entry), Endpoint::Scores, false, false,
         "gid=804&nick=Ivan&city=" + kMoscow1251 +
             "&country=1-001&score=210&R7=M&R8=5.7f&R9=#&R10=#*"},
        {"StatRead", statRead(), Endpoint::Statistics, true, true, "gid=804"},
        {"StatFirstRun", statFirstRun(1, 0), Endpoint::Statistics, false, false,
         "gid=804&stat1=1&stat2=0"},
        {"StatLike", statLike(1, "Ivan"), Endpoint::Statistics, false, false,
         "gid=804&stat3=1&stat4=Ivan"},
        {"StatGame", statGame({1, 0, 30, -30, 0, 0, 0, 0, 0, 0, 0, 12}), Endpoint::Statistics,
         false, false,
         "gid=804&R1=1&R2=0&R3=30&R4=-30&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=12"},
        {"TourTables", tourTables(), Endpoint::Tournament, true, true, "readtable410=84&&gid=84"},
        {"TourSeat", tourSeat(3, 2, SeatAction::Take, sampleClient()), Endpoint::Tournament, false,
         false,
         "client4on2=0&gid=84&num=3&can=1&nick2=Ivan&score2=120&kon2=7&rating2=1500"
         "&country2=1-001&city2=" +
             kMoscow1251 + "&sex2=M&ip2=10.0.0.5"},
        {"TourSeat without size", tourSeat(10, 1, SeatAction::Free, TTevClient{}, 0),
         Endpoint::Tournament, false, false,
         "clienton1=0&gid=84&num=10&can=0&nick1=&score1=0&kon1=0&rating1=0&country1=&city1="
         "&sex1=M&ip1="},
        {"TourClientRead", tourClientRead(3, 2), Endpoint::Tournament, true, false,
         "readclient2=0&&gid=84&&num=3"},
        {"TourServerInfo", tourServerInfo(), Endpoint::Tournament, true, false,
         "serverinforead=0&&gid=84"},
        {"TourRatingRead", tourRatingRead("Ivan"), Endpoint::Tournament, false, false,
         "readrating84=0&nick=Ivan"},
        {"TourTopTen", tourTopTen(TourKind::Rating), Endpoint::Tournament, true, false,
         "top10r84=0&&nick=z"},
        {"TourPlace score", tourPlace(TourKind::Score, 120), Endpoint::Tournament, false, false,
         "places84=0&score1=120"},
        {"TourPlace games", tourPlace(TourKind::Games, 7), Endpoint::Tournament, false, false,
         "placek84=0&kon1=7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.request.endpoint, c.endpoint);
        EXPECT_EQ(c.request.listForm, c.listForm);
        EXPECT_EQ(c.request.readTimeout3s, c.readTimeout3s);
        EXPECT_EQ(c.request.body(), c.body);
    }
}

// Values that a raw body carries verbatim and a list body escapes.
const QString kAwkward[] = {
    QStringLiteral("Пётр"),     QStringLiteral("a b"), QStringLiteral("R&D"),
    QStringLiteral("x=y"),      QStringLiteral("1+1"), QStringLiteral("100%"),
    QStringLiteral("?a=1&b=2"), QStringLiteral(""),    QStringLiteral("Ёж & Ко = 5% + 1"),
};

TEST(Requests, EveryBodyReadsBackToItsFields)
{
    const std::function<ServiceRequest(const QString&)> builders[] = {
        [](const QString& v) {
            TTevUser user;
            user.Nick = user.Pw = user.City = user.Country1 = user.Country2 = user.EMail = v;
            user.DateR = user.R01 = user.R02 = user.R03 = v;
            return accountRegister(user);
        },
        [](const QString& v) { return accountLogin(v, v); },
        [](const QString&) { return accountTopTen(); },
        [](const QString&) { return accountPlace(1234.5678); },
        [](const QString&) { return clubMembers(); },
        [](const QString& v) { return tevsRead(v); },
        [](const QString& v) { return tevsCredit(v, -7); },
        [](const QString& v) { return infoRead(v); },
        [](const QString& v) {
            return infoSave(v, TInfo14{v, v, v, v, v, v, v, v, v, v, v, v, v, v});
        },
        [](const QString& v) { return gameRecordRead(v, v); },
        [](const QString& v) {
            TTevGame game;
            game.R2 = v;
            game.Rating = -0.125;
            return gameRecordWrite(v, v, game);
        },
        [](const QString&) { return scoreTable(kChatTable); },
        [](const QString&) { return scoreCount(kWindowsTable); },
        [](const QString& v) { return myScores(kWindowsTable, v, v); },
        [](const QString& v) {
            TTevRecord entry;
            entry.Nick = entry.City = entry.Country = entry.R07 = entry.R09 = entry.R10 = v;
            return scorePost(entry);
        },
        [](const QString&) { return statRead(); },
        [](const QString&) { return statFirstRun(1, 1); },
        [](const QString& v) { return statLike(3, v); },
        [](const QString&) { return statGame({}); },
        [](const QString&) { return tourTables(); },
        [](const QString& v) {
            return tourSeat(1, 4, SeatAction::Leave, TTevClient{v, 1, 2, 3, v, v, u'W', v});
        },
        [](const QString&) { return tourClientRead(1, 1); },
        [](const QString&) { return tourServerInfo(); },
        [](const QString& v) { return tourRatingRead(v); },
        [](const QString&) { return tourTopTen(TourKind::Games); },
        [](const QString&) { return tourPlace(TourKind::Rating, -3); },
    };
    for (const auto& build : builders) {
        for (const QString& value : kAwkward) {
            const ServiceRequest request = build(value);
            SCOPED_TRACE(request.body().toStdString());
            EXPECT_EQ(decodeFormBody(request.body()), request.fields);
            EXPECT_EQ(
                request.listForm ? decodeListForm(request.body()) : decodeRawForm(request.body()),
                request.fields);
        }
    }
}

TEST(Requests, RegistrationResultFollowsTheMarkers)
{
    struct Case {
        Reply reply;
        RegisterResult result;
    };
    const Case cases[] = {
        {QByteArray("ok"), RegisterResult::Created},
        {QByteArray("is"), RegisterResult::NickTaken},
        {QByteArray("ok, but the nick is taken"), RegisterResult::NickTaken},
        {QByteArray("error"), RegisterResult::Failed},
        {std::nullopt, RegisterResult::Failed},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseAccountRegister(c.reply), c.result);
    }
}

TEST(Requests, LoginFillsTheUserFromTheBlock)
{
    TTevUser before;
    before.PwC = "kept";
    before.City = "Old";
    const QByteArray reply =
        "ok$" + kMoscow1251 + " Russia 1-001 Wx a@b.c 03.04.2021 r1 r2 r3 150 0 7";
    const LoginResult login = parseAccountLogin(reply, before, "Ivan", "pw");
    ASSERT_TRUE(login.ok);
    TTevUser expected = before;
    expected.Nick = "Ivan";
    expected.Pw = "pw";
    expected.City = QStringLiteral("Москва");
    expected.Country1 = "Russia";
    expected.Country2 = "1-001";
    expected.Sex = u'W';
    expected.EMail = "a@b.c";
    expected.DateR = "03.04.2021";
    expected.R01 = "r1";
    expected.R02 = "r2";
    expected.R03 = "r3";
    expected.R04 = 150;
    expected.R06 = 7;  // the block runs to the end and keeps its last character
    EXPECT_EQ(login.user, expected);

    // Without a block the account fields are at their starting values.
    const LoginResult bare = parseAccountLogin(QByteArray("ok"), before, "Ivan", "pw");
    EXPECT_TRUE(bare.ok);
    EXPECT_EQ(bare.user.City, "#");
    EXPECT_EQ(bare.user.Sex, u'#');
    EXPECT_EQ(bare.user.DateR, "00.00.0000");
    EXPECT_EQ(bare.user.PwC, "kept");

    const Reply failing[] = {QByteArray("no$Moscow Russia"), QByteArray("$a b c d e f g h i x"),
                             std::nullopt};
    for (const Reply& r : failing) {
        EXPECT_FALSE(parseAccountLogin(r, before, "Ivan", "pw").ok);
    }
}

TEST(Requests, AccountTopTenRowsAndTheirRatings)
{
    const AccountTopTenResult top =
        parseAccountTopTen(QByteArray("$1 Ivan Moscow 1-001 1-002 M 12,75*$2 Olga Kyiv 1-003"));
    ASSERT_TRUE(top.ok);
    EXPECT_EQ(top.rows[0], (TTevTop10{"Ivan", "Moscow", "1-002", u'M', 12.75}));
    EXPECT_EQ(top.rows[1], (TTevTop10{"Olga", "Kyiv", "1-003", u'M', 0.0}));
    EXPECT_EQ(top.rows[2], TTevTop10{});

    const AccountTopTenResult bad =
        parseAccountTopTen(QByteArray("$1 A c 1 1 M 5.5*$2 B c 1 1 W x*"));
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.rows[0].Rating, 5.5);
    EXPECT_EQ(bad.rows[1].Sex, u'W');
    EXPECT_FALSE(parseAccountTopTen(std::nullopt).ok);
}

TEST(Requests, ScoreTableFillsRowsInOrderAndLeavesTheRestEmpty)
{
    const QByteArray reply = "$1 901 310 Ivan 1-001 " + kMoscow1251 +
                             " M 5.7f 12:00_01.01.2024_Olk #*"
                             "$2 902 280 Olga 1-003 Kyiv W 5.7f x y*"
                             "$3 903 250 Petr 1-001 Omsk M*";
    const ScoreTableResult table = parseScoreTable(reply, kWindowsTable);
    ASSERT_TRUE(table.ok);
    TTevRecord first;
    first.GID = kWindowsTable;
    first.Place = 1;
    first.Score = 310;
    first.Nick = "Ivan";
    first.Country = "1-001";
    first.City = QStringLiteral("Москва");
    first.R07 = "M";
    first.R08 = "5.7f";
    first.R09 = "12:00_01.01.2024_Olk";
    first.R10 = "#";
    EXPECT_EQ(table.rows[0], first);
    EXPECT_EQ(table.rows[1].R10, "y");
    EXPECT_EQ(table.rows[2].R08, "#");
    for (std::size_t row = 3; row < 10; ++row) {
        EXPECT_TRUE(table.rows[row].isEmpty());
        EXPECT_EQ(table.rows[row].GID, kWindowsTable);
        EXPECT_EQ(table.rows[row].R10, "#*");
    }

    // A bad number stops the reading there; what came before stays.
    const ScoreTableResult bad = parseScoreTable(QByteArray("$1 0 10 A*$2 0 x B*$3 0 5 C*"), 100);
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.rows[0].Nick, "A");
    EXPECT_EQ(bad.rows[1].Place, 2);
    EXPECT_TRUE(bad.rows[1].isEmpty());
    EXPECT_TRUE(bad.rows[2].isEmpty());

    EXPECT_TRUE(parseMyScores(QByteArray("nothing yet"), kWindowsTable).ok);
    EXPECT_FALSE(parseMyScores(std::nullopt, kWindowsTable).ok);
}

TEST(Requests, TrailingNumberRequestsAndTheirFailureValues)
{
    using Parser = NumberResult (*)(const Reply&);
    struct Case {
        Parser parse;
        Reply reply;
        NumberResult result;
    };
    const Case cases[] = {
        {parseAccountPlace, QByteArray("$17"), {true, 17}},
        {parseAccountPlace, QByteArray("$"), {false, -1}},
        {parseClubMembers, QByteArray("members$123"), {true, 123}},
        {parseClubMembers, std::nullopt, {false, -1}},
        {parseScoreCount, QByteArray("$12a"), {true, 12}},
        {parseScoreCount, QByteArray("none"), {false, 0}},
        {parseScorePost, QByteArray("ok$5"), {true, 5}},
        {parseTourPlace, QByteArray("$99999999999"), {false, -1}},
    };
    for (const Case& c : cases) {
        const NumberResult r = c.parse(c.reply);
        EXPECT_EQ(r.ok, c.result.ok);
        EXPECT_EQ(r.value, c.result.value);
    }
}

TEST(Requests, TevsReadTakesTheWholeBlock)
{
    struct Case {
        Reply reply;
        bool ok;
        std::int32_t value;
    };
    const Case cases[] = {
        {QByteArray("$150"), true, 150}, {QByteArray("$-20$"), true, -20},
        {QByteArray("$1 2"), false, 0},  {QByteArray("no$5"), false, 0},
        {QByteArray("ok"), false, 0},    {std::nullopt, false, 0},
    };
    for (const Case& c : cases) {
        const NumberResult r = parseTevsRead(c.reply);
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(r.value, c.value);
    }
}

TEST(Requests, MarkerOnlyRequests)
{
    using Parser = bool (*)(const Reply&);
    for (const Parser parse : {parseTevsCredit, parseInfoSave, parseGameRecordWrite,
                               parseStatFirstRun, parseStatLike, parseStatGame}) {
        EXPECT_TRUE(parse(QByteArray("ok")));
        EXPECT_FALSE(parse(QByteArray("OK")));
        EXPECT_FALSE(parse(std::nullopt));
    }
}

TEST(Requests, InfoReadCutsAtTildesWithWebSiteBeforeSkype)
{
    const TInfo14 info = parseInfoRead(QByteArray(
        "$Ivan~Petrov~I like cards~+7 123~i@x.ru~iv.ru~iv.skype~ok1~vk1~tg~fb~tw~in~yt"));
    EXPECT_EQ(info, (TInfo14{"Ivan", "Petrov", "I like cards", "+7 123", "i@x.ru", "iv.skype",
                             "iv.ru", "ok1", "vk1", "tg", "fb", "tw", "in", "yt"}));
    EXPECT_EQ(parseInfoRead(QByteArray("$Ivan~Petrov")).Name2, "Petrov");
    EXPECT_EQ(parseInfoRead(QByteArray("no$Ivan~Petrov")), TInfo14{});
    EXPECT_EQ(parseInfoRead(std::nullopt), TInfo14{});
}

TEST(Requests, GameRecordReadResetsItsFieldsAndKeepsTheOthers)
{
    TTevGame before;
    before.Place = 3;
    before.Best = 90;
    before.R2 = "old";
    before.Kon = 8;
    const GameRecordResult read =
        parseGameRecordRead(QByteArray("$40 120 12,5 1 4 -30 3 note"), before);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.game.Kon, 40);
    EXPECT_EQ(read.game.Best, 120);
    EXPECT_EQ(read.game.Rating, 12.5);
    EXPECT_EQ(read.game.Sessions, 1);
    EXPECT_EQ(read.game.KonL, 4);
    EXPECT_EQ(read.game.Score, -30);
    EXPECT_EQ(read.game.R1, 3);
    EXPECT_EQ(read.game.R2, "note");
    EXPECT_EQ(read.game.Place, 3);

    const GameRecordResult bare = parseGameRecordRead(QByteArray("ok"), before);
    EXPECT_TRUE(bare.ok);
    EXPECT_EQ(bare.game.Kon, 0);
    EXPECT_EQ(bare.game.R2, "#");
    EXPECT_EQ(bare.game.Best, 90);
    EXPECT_FALSE(parseGameRecordRead(QByteArray("$40 x"), before).ok);
}

TEST(Requests, StatReadFillsTheSummary)
{
    const StatReadResult read =
        parseStatRead(QByteArray("$100 40 5 Olga 1 2 3 4 5 6 7 8 9 10 11 12 13 z*$ignored"));
    ASSERT_TRUE(read.ok);
    TTevStat expected;
    expected.Stat1 = 100;
    expected.Stat2 = 40;
    expected.Stat3 = 5;
    expected.Stat4 = "Olga";
    expected.StatX = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    expected.StatY = 13;
    expected.StatZ = "z";
    EXPECT_EQ(read.stat, expected);
    EXPECT_EQ(parseStatRead(QByteArray("$7")).stat.Stat1, 7);
    EXPECT_TRUE(parseStatRead(QByteArray("")).ok);
    EXPECT_FALSE(parseStatRead(QByteArray("$7 x")).ok);
}

TEST(Requests, TourTablesFillFromTableTenDown)
{
    QByteArray record = "x 10 84 127.0.0.1 9001 Y";
    for (int place = 1; place <= 4; ++place) {
        record += " P" + QByteArray::number(place) + " 10 2 1500 1-001 Omsk W 10.0.0." +
                  QByteArray::number(place);
    }
    const QByteArray reply = "$" + record + "*";
    const TourTablesResult one = parseTourTables(reply);
    ASSERT_TRUE(one.ok);
    EXPECT_EQ(one.raw, reply);
    const TTevTable_4& ten = one.tables[9];
    EXPECT_EQ(ten.Num, 10);
    EXPECT_EQ(ten.GID, 84);
    EXPECT_EQ(ten.IP, "127.0.0.1");
    EXPECT_EQ(ten.Port, 9001);
    EXPECT_EQ(ten.State, "Y");
    EXPECT_EQ(ten.Places[3],
              (TTevTable_4::Place{"P4", 10, 2, 1500, "1-001", "Omsk", u'W', "10.0.0.4"}));
    for (std::size_t t = 0; t < 9; ++t) {
        EXPECT_EQ(one.tables[t], TTevTable_4{});
    }
    EXPECT_EQ(TTevTable_4{}.IP, "0.0.0.0");
    EXPECT_EQ(TTevTable_4{}.Places[0].Nick, "X");

    const TourTablesResult two = parseTourTables("$" + record + "*$x 9*");
    EXPECT_EQ(two.tables[8].Num, 9);
    EXPECT_FALSE(parseTourTables(QByteArray("$x 10 84 127.0.0.1 port")).ok);
    EXPECT_FALSE(parseTourTables(std::nullopt).ok);
}

TEST(Requests, TourSeatResultCodes)
{
    struct Case {
        Reply reply;
        bool ok;
        int code;
    };
    const Case cases[] = {
        {QByteArray("ok"), true, 0},    {QByteArray("is"), true, 2}, {QByteArray("ok is"), true, 0},
        {QByteArray("busy"), false, 1}, {std::nullopt, false, 1},
    };
    for (const Case& c : cases) {
        const TourSeatResult r = parseTourSeat(c.reply);
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(r.code, c.code);
    }
}

TEST(Requests, TourClientServerInfoAndRating)
{
    TTevClient before = sampleClient();
    const TourClientResult client =
        parseTourClientRead(QByteArray("$Olga 10 2 1400 1-003 Kyiv Wx 10.0.0.9"), before);
    ASSERT_TRUE(client.ok);
    EXPECT_EQ(client.client, (TTevClient{"Olga", 10, 2, 1400, "1-003", "Kyiv", u'W', "10.0.0.9"}));
    const TourClientResult bare = parseTourClientRead(QByteArray(""), before);
    EXPECT_TRUE(bare.ok);
    EXPECT_EQ(bare.client, (TTevClient{"", 120, 7, 0, "", "", u'M', "10.0.0.5"}));

    const TourServerInfoResult open =
        parseTourServerInfo(QByteArray("$Yes Welcome_to_the_tournament!"));
    EXPECT_TRUE(open.ok);
    EXPECT_EQ(open.status, u'Y');
    EXPECT_EQ(open.message, "Welcome to the tournament!");
    const TourServerInfoResult empty = parseTourServerInfo(QByteArray("$ closed"));
    EXPECT_EQ(empty.status, u'X');
    EXPECT_EQ(empty.message, "closed");
    EXPECT_FALSE(parseTourServerInfo(std::nullopt).ok);

    const TourRatingResult rating = parseTourRatingRead(QByteArray("$120 7 1500"));
    EXPECT_TRUE(rating.ok);
    EXPECT_EQ(rating.score, 120);
    EXPECT_EQ(rating.kon, 7);
    EXPECT_EQ(rating.rating, 1500);
    EXPECT_EQ(parseTourRatingRead(QByteArray("none")).score, -1);
    EXPECT_FALSE(parseTourRatingRead(QByteArray("$1 x")).ok);
}

TEST(Requests, TourTopTenRows)
{
    const ScoreTableResult top =
        parseTourTopTen(QByteArray("$1 Ivan Omsk 1-001 M 1500*$2 Olga Kyiv 1-003 W 1400*"));
    ASSERT_TRUE(top.ok);
    EXPECT_EQ(top.rows[1].Nick, "Olga");
    EXPECT_EQ(top.rows[1].City, "Kyiv");
    EXPECT_EQ(top.rows[1].Country, "1-003");
    EXPECT_EQ(top.rows[1].R07, "W");
    EXPECT_EQ(top.rows[1].Score, 1400);
    EXPECT_EQ(top.rows[1].Place, 2);
    EXPECT_TRUE(top.rows[2].isEmpty());
    EXPECT_EQ(top.rows[2].GID, kGameCode);
}

TEST(Requests, ServiceDirectoryEntries)
{
    struct Case {
        QByteArray document;
        ServiceDirectory directory;
    };
    const Case cases[] = {
        {"WTGamesPatt=abc#StatPath:def#AccPath ghi#",
         {QByteArray("abc"), false, false, QByteArray("def"), QByteArray("ghi")}},
        {"WTGamesPause WTGamesPatt=abc# CTGamesPause",
         {std::nullopt, true, true, std::nullopt, std::nullopt}},
        // No closing "#", an empty value, a tag at the very end: absent.
        {"AccPath=#StatPath=def", {}},
        {"WTGamesPatt", {}},
        {"StatPath=a b#", {std::nullopt, false, false, QByteArray("a b"), std::nullopt}},
        // Any one character separates, a multi-byte one too.
        {"AccPath\xE2\x86\x92x=y#", {std::nullopt, false, false, std::nullopt, QByteArray("x=y")}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseServiceDirectory(c.document), c.directory) << c.document.toStdString();
    }
}

TEST(Requests, StartUpAddressLookup)
{
    const QByteArray full = "WTGamesPatt=S2#StatPath=T2#AccPath=A2#CTGamesPause";
    struct Case {
        std::optional<QByteArray> first, second, third;
        OnlineAddresses addresses;
    };
    const Case cases[] = {
        {full, full, full, {"S2", "T2", "A2", false, true}},
        // Nothing fetched: the settings' addresses, the built-in account.
        {std::nullopt, std::nullopt, std::nullopt, {"S1", "T1", "A0", false, false}},
        {QByteArray("WTGamesPause WTGamesPatt=S2#"),
         QByteArray("AccPath=A2#"),
         QByteArray("StatPath=T2#"),
         {"S1", "T1", "A0", true, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(resolveAddresses("S1", "T1", "A0", c.first, c.second, c.third), c.addresses);
    }
}

}  // namespace
}  // namespace olk::online
