// The account requests through the service's router, built by the game's
// own form encoder, against SQLite and (when configured) PostgreSQL.

#include "service_fixture.h"

#include "online/rating.h"

#include <QDir>
#include <QFile>
#include <functional>

namespace olk::service::testing {
namespace {

using online::FormFields;

class AccountTest : public ServiceBackend {
protected:
    qint64 balance(const QString& nick) { return store->findMember(nick)->tevs; }

    QString credit(const QString& nick, const QString& amount, const std::string& cookie)
    {
        return account({{"nick", nick}, {"labeltevsave", QStringLiteral("0")}, {"R04", amount}},
                       true, cookie);
    }

    QString tevsRead(const QString& nick, const std::string& cookie)
    {
        return account({{"nick", nick}, {"labeltevread", QStringLiteral("0")}}, false, cookie);
    }

    FormFields infoSave(const QString& nick, const QStringList& items)
    {
        static const char* names[] = {"namei",    "name2",   "about",      "telephone", "emailo",
                                      "website",  "skype",   "ok",         "vk",        "telegram",
                                      "facebook", "twitter", "instagramm", "youtube"};
        FormFields fields{{"nick", nick}, {"labelinfosave", QStringLiteral("0")}};
        for (int i = 0; i < 14; ++i) {
            fields.push_back({names[i], i < items.size() ? items[i] : QString()});
        }
        return fields;
    }

    FormFields gameRecord(const QString& nick, const QString& password, const QString& kon,
                          const QString& rating)
    {
        return {{"nick", nick},
                {"pw", password},
                {"crdolkkon", kon},
                {"crdolkbest", QStringLiteral("120")},
                {"crdolkrating", rating},
                {"crdolkses", QStringLiteral("2")},
                {"crdolkkonl", QStringLiteral("8")},
                {"crdolkscore", QStringLiteral("-35")},
                {"crdolkR1", QStringLiteral("0")},
                {"crdolkR2", QStringLiteral("#")}};
    }
};

TEST_P(AccountTest, RegistrationCreatesTakesOrRefuses)
{
    struct Case {
        QString nick, password, city, email, expected;
    };
    const Case cases[] = {
        {"Ivan", "secret1", "Moscow", "ivan@mail.ru", "ok"},
        {"IVAN", "other1", "Omsk", "i@x.ru", "is"},           // nicks differ in more than case
        {"tevadmin", "secret1", "Omsk", "t@x.ru", "is"},      // the game's administrator nick
        {"Пётр", "secret1", "Moscow", "p@x.ru", "refused"},   // no Cyrillic nick
        {"Ann", "abc", "Moscow", "a@x.ru", "refused"},        // password too short
        {"Ann", "secret1", "M", "a@x.ru", "refused"},         // one-letter city
        {"Ann", "secret1", "Moscow", "@x.ru", "refused"},     // e-mail "@" first
        {"Ann x", "secret1", "Moscow", "a@x.ru", "refused"},  // blank in the nick
        {"Анна", "secret1", "Тверь", "a@x.ru", "refused"},
        {"Anna", "secret1", "Тверь", "a@x.ru", "ok"},  // a Cyrillic city is fine
    };
    for (const Case& c : cases) {
        const QString reply = registerMember(c.nick, c.password, c.city, c.email);
        if (c.expected == QLatin1String("refused")) {
            EXPECT_FALSE(reply.contains(QLatin1String("ok")) || reply.contains(QLatin1String("is")))
                << c.nick.toStdString() << ": " << reply.toStdString();
        } else {
            EXPECT_EQ(reply, c.expected) << c.nick.toStdString();
        }
    }
    EXPECT_EQ(store->memberCount(), 2);
    EXPECT_EQ(account({{"label1", QStringLiteral("0")}}, true), QStringLiteral("ok$2"));
}

TEST_P(AccountTest, RegistrationKeepsOnlyAHashAndNoBalanceFromTheRequest)
{
    FormFields fields{
        {"nick", QStringLiteral("Rich")},      {"pw", QStringLiteral("secret1")},
        {"city", QStringLiteral("Omsk")},      {"country1", QStringLiteral("Russia")},
        {"country2", QStringLiteral("1-001")}, {"sex", QStringLiteral("W")},
        {"email", QStringLiteral("r@x.ru")},   {"dater", QStringLiteral("10 Dec 2026")},
        {"R01", QStringLiteral("xxx")},        {"R02", QStringLiteral("xxx")},
        {"R03", QStringLiteral("xxx")},        {"R04", QStringLiteral("1000000")},
        {"R05", QStringLiteral("0")},          {"R06", QStringLiteral("0")}};
    ASSERT_EQ(account(fields, true), QStringLiteral("ok"));
    const QString hash = store->passwordHash(QStringLiteral("Rich")).value_or(QString());
    EXPECT_TRUE(hash.startsWith(QLatin1String("$argon2id$")));
    EXPECT_FALSE(hash.contains(QLatin1String("secret1")));
    EXPECT_EQ(balance(QStringLiteral("Rich")), 0);

    // The date's blanks come back as "_", so the twelve tokens stay twelve.
    QString reply;
    EXPECT_FALSE(login(QStringLiteral("rich"), QStringLiteral("secret1"), &reply).empty());
    EXPECT_EQ(reply, QStringLiteral("ok$Omsk Russia 1-001 W r@x.ru 10_Dec_2026 xxx xxx xxx 0 0 0"));
}

TEST_P(AccountTest, LoginNeedsTheRightPasswordAndOpensASession)
{
    ASSERT_EQ(registerMember(QStringLiteral("Ivan"), QStringLiteral("secret1")),
              QStringLiteral("ok"));
    struct Case {
        QString nick, password;
        bool opens;
    };
    const Case cases[] = {
        {"Ivan", "secret1", true},    {"ivan", "secret1", true},
        {"Ivan", "Secret1", false},   {"Ivan", "", false},
        {"Nobody", "secret1", false}, {"' OR '1'='1", "' OR '1'='1", false},
    };
    for (const Case& c : cases) {
        QString reply;
        const std::string cookie = login(c.nick, c.password, &reply);
        EXPECT_EQ(!cookie.empty(), c.opens)
            << c.nick.toStdString() << "/" << c.password.toStdString();
        EXPECT_EQ(reply.contains(QLatin1String("no")), !c.opens) << reply.toStdString();
        if (c.opens) {
            EXPECT_EQ(cookie.size(), 64u);
            EXPECT_EQ(store->sessionMember(QString::fromStdString(cookie), now),
                      QStringLiteral("Ivan"));
            EXPECT_FALSE(
                store->sessionMember(QString::fromStdString(cookie), now + 31 * 24 * 3600));
        }
    }
}

TEST_P(AccountTest, ValuesNeverCarryTheRefusalMarker)
{
    ASSERT_EQ(registerMember(QStringLiteral("Snow"), QStringLiteral("secret1"),
                             QStringLiteral("Snowdon"), QStringLiteral("anon@nowhere.no")),
              QStringLiteral("ok"));
    QString reply;
    const std::string cookie = login(QStringLiteral("Snow"), QStringLiteral("secret1"), &reply);
    ASSERT_FALSE(cookie.empty());
    EXPECT_FALSE(reply.contains(QLatin1String("no"))) << reply.toStdString();
    EXPECT_TRUE(reply.startsWith(QStringLiteral("ok$Sn\u043Ewdon ")));

    ASSERT_EQ(
        account(infoSave(QStringLiteral("Snow"), {"Jon", "Snow", "I know nothing"}), true, cookie),
        QStringLiteral("ok"));
    const QString info =
        account({{"nick", QStringLiteral("Snow")}, {"labelinforead", QStringLiteral("0")}}, false);
    EXPECT_FALSE(info.contains(QLatin1String("no")));
}

TEST_P(AccountTest, TevsMoveOnlyOutOfTheSessionsOwnAccount)
{
    for (const char* nick : {"Anna", "Boris", "Clara"}) {
        ASSERT_EQ(registerMember(QString::fromLatin1(nick), QStringLiteral("secret1")),
                  QStringLiteral("ok"));
    }
    ASSERT_TRUE(store->grantTevs(QStringLiteral("Anna"), 100));
    ASSERT_TRUE(store->grantTevs(QStringLiteral("Clara"), 50));
    const std::string anna = login(QStringLiteral("Anna"), QStringLiteral("secret1"));
    ASSERT_FALSE(anna.empty());

    // Each step: who is credited, the amount, the session, the reply, and
    // the three balances after it.
    struct Step {
        const char* nick;
        const char* amount;
        bool withSession;
        const char* expected;
        qint64 anna, boris, clara;
    };
    const Step steps[] = {
        {"Boris", "30", false, "no", 100, 0, 50},  // no session
        {"Boris", "30", true, "ok", 70, 30, 50},   // the transfer
        {"Anna", "-30", true, "ok", 70, 30, 50},   // its confirmation moves nothing
        {"Anna", "-30", true, "no", 70, 30, 50},   // confirmed once only
        {"Boris", "71", true, "no", 70, 30, 50},   // more than the balance
        {"Nobody", "10", true, "no", 70, 30, 50},  // no such member
        {"Clara", "-20", true, "no", 70, 30, 50},  // never take from another
        {"Anna", "500", true, "no", 70, 30, 50},   // nor mint for oneself
        {"Boris", "0", true, "no", 70, 30, 50},
        {"Boris", "1e3", true, "no", 70, 30, 50},
        {"Boris", "99999999999", true, "no", 70, 30, 50},
        {"clara", "70", true, "ok", 0, 30, 120},  // exactly the whole balance
        {"Anna", "-70", true, "ok", 0, 30, 120},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(credit(QString::fromLatin1(s.nick), QString::fromLatin1(s.amount),
                         s.withSession ? anna : ""),
                  QString::fromLatin1(s.expected))
            << s.nick << " " << s.amount;
        EXPECT_EQ(balance(QStringLiteral("Anna")), s.anna) << s.nick << " " << s.amount;
        EXPECT_EQ(balance(QStringLiteral("Boris")), s.boris) << s.nick << " " << s.amount;
        EXPECT_EQ(balance(QStringLiteral("Clara")), s.clara) << s.nick << " " << s.amount;
    }

    // The balance is told only to its owner's session.
    EXPECT_EQ(tevsRead(QStringLiteral("Clara"),
                       login(QStringLiteral("Clara"), QStringLiteral("secret1"))),
              QStringLiteral("$120"));
    EXPECT_EQ(tevsRead(QStringLiteral("Clara"), anna), QStringLiteral("no"));
    EXPECT_EQ(tevsRead(QStringLiteral("Anna"), ""), QStringLiteral("no"));
    EXPECT_EQ(tevsRead(QStringLiteral("Anna"), std::string(64, 'a')), QStringLiteral("no"));
}

TEST_P(AccountTest, PersonalInformationIsSavedOnlyByItsOwner)
{
    ASSERT_EQ(registerMember(QStringLiteral("Anna"), QStringLiteral("secret1")),
              QStringLiteral("ok"));
    ASSERT_EQ(registerMember(QStringLiteral("Boris"), QStringLiteral("secret1")),
              QStringLiteral("ok"));
    const std::string anna = login(QStringLiteral("Anna"), QStringLiteral("secret1"));
    const std::string boris = login(QStringLiteral("Boris"), QStringLiteral("secret1"));
    const QStringList items = {
        "Anna",   "Petrova", "Cards & chess, 'quoted'; DROP TABLE members; --",
        "+7 900", "a@x.ru",  "anna.example",
        "anna.s", "",        "",
        "@anna"};
    EXPECT_EQ(account(infoSave(QStringLiteral("Anna"), items), true, anna), QStringLiteral("ok"));
    EXPECT_EQ(account(infoSave(QStringLiteral("Anna"), {"Evil"}), true, boris),
              QStringLiteral("no"));
    EXPECT_EQ(account(infoSave(QStringLiteral("Anna"), {"Evil"}), true), QStringLiteral("no"));
    EXPECT_EQ(
        account(infoSave(QStringLiteral("Anna"), {QString(21, QLatin1Char('x'))}), true, anna),
        QStringLiteral("no"));  // over the first name's 20 characters
    EXPECT_EQ(account(infoSave(QStringLiteral("Anna"), {"a$b~c"}), true, boris),
              QStringLiteral("no"));

    const QString read =
        account({{"nick", QStringLiteral("Anna")}, {"labelinforead", QStringLiteral("0")}}, false);
    QStringList expected = items;
    while (expected.size() < 14) {
        expected.push_back(QString());
    }
    EXPECT_EQ(read, QStringLiteral("ok$") + expected.join(QLatin1Char('~')));
    EXPECT_EQ(store->memberCount(), 2);
    EXPECT_EQ(account({{"nick", QStringLiteral("Nobody")}, {"labelinforead", QStringLiteral("0")}},
                      false),
              QStringLiteral("no"));
}

TEST_P(AccountTest, GameRecordsTopTenAndPlace)
{
    const char* nicks[] = {"Anna", "Boris", "Clara", "Dmitri"};
    const double ratings[] = {12.5, -3.25, 40, 0};
    const qint64 kons[] = {40, 80, 4, 0};  // Dmitri never played: unrated
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(registerMember(QString::fromLatin1(nicks[i]), QStringLiteral("secret1")),
                  QStringLiteral("ok"));
        // Records made by games played before (the writes' own rules are
        // tested below).
        GameRecord record;
        record.kon = kons[i];
        record.rating = ratings[i];
        record.best = 120;
        record.sessions = 2;
        record.konL = 8;
        record.score = -35;
        if (kons[i] > 0) {
            ASSERT_TRUE(store->writeGameRecord(QString::fromLatin1(nicks[i]), record));
        }
    }
    // Wrong password, bad numbers: refused, nothing changes.
    EXPECT_EQ(
        account(gameRecord(QStringLiteral("Anna"), QStringLiteral("guess1"), "400", "99"), true),
        QStringLiteral("no"));
    EXPECT_EQ(
        account(gameRecord(QStringLiteral("Anna"), QStringLiteral("secret1"), "4x", "99"), true),
        QStringLiteral("no"));
    EXPECT_EQ(
        account(gameRecord(QStringLiteral("Anna"), QStringLiteral("secret1"), "4", "nan"), true),
        QStringLiteral("no"));

    EXPECT_EQ(account({{"nick", QStringLiteral("Anna")},
                       {"pw", QStringLiteral("secret1")},
                       {"crdolkbest", QStringLiteral("0")}},
                      false),
              QStringLiteral("ok$40 120 12.5 2 8 -35 0 #"));
    EXPECT_EQ(account({{"nick", QStringLiteral("Anna")},
                       {"pw", QStringLiteral("nope1")},
                       {"crdolkbest", QStringLiteral("0")}},
                      false),
              QStringLiteral("no"));

    EXPECT_EQ(
        account({{"crdolkkon", QStringLiteral("0")}}, false),
        QStringLiteral("ok$1 Clara Moscow Russia 1-001 M 40*$2 Anna Moscow Russia 1-001 M 12.5*"
                       "$3 Boris Moscow Russia 1-001 M -3.25*"));
    const std::pair<const char*, const char*> places[] = {{"50", "ok$1"},   {"40", "ok$1"},
                                                          {"12.5", "ok$2"}, {"0", "ok$3"},
                                                          {"-100", "ok$4"}, {"x", "no"}};
    for (const auto& [rating, expected] : places) {
        EXPECT_EQ(account({{"crdolkrating", QString::fromLatin1(rating)}}, true),
                  QString::fromLatin1(expected))
            << rating;
    }
}

// The game record as the game reads it: the rating through its text.
online::TTevGame readBack(Store& store, const QString& nick)
{
    const GameRecord r = *store.readGameRecord(nick);
    online::TTevGame g;
    g.Kon = static_cast<std::int32_t>(r.kon);
    g.Best = static_cast<std::int32_t>(r.best);
    g.Rating = online::formatRating(r.rating).toDouble();
    g.Sessions = static_cast<std::int32_t>(r.sessions);
    g.KonL = static_cast<std::int32_t>(r.konL);
    g.Score = static_cast<std::int32_t>(r.score);
    g.R1 = static_cast<std::int32_t>(r.r1);
    g.R2 = r.r2;
    return g;
}

std::string describe(const online::TTevGame& g)
{
    return QStringLiteral("Kon %1 Best %2 Rating %3 Sessions %4 KonL %5 Score %6")
        .arg(g.Kon)
        .arg(g.Best)
        .arg(QString::fromLatin1(online::formatRating(g.Rating)))
        .arg(g.Sessions)
        .arg(g.KonL)
        .arg(g.Score)
        .toStdString();
}

class GameRecordTest : public AccountTest {
protected:
    void SetUp() override
    {
        AccountTest::SetUp();
        if (!IsSkipped() && store) {
            ASSERT_EQ(registerMember(nick, QStringLiteral("secret1")), QStringLiteral("ok"));
        }
    }

    QString write(const online::TTevGame& g)
    {
        return account({{"nick", nick},
                        {"pw", QStringLiteral("secret1")},
                        {"crdolkkon", QString::number(g.Kon)},
                        {"crdolkbest", QString::number(g.Best)},
                        {"crdolkrating", QString::fromLatin1(online::formatRating(g.Rating))},
                        {"crdolkses", QString::number(g.Sessions)},
                        {"crdolkkonl", QString::number(g.KonL)},
                        {"crdolkscore", QString::number(g.Score)},
                        {"crdolkR1", QString::number(g.R1)},
                        {"crdolkR2", g.R2}},
                       true);
    }

    online::TTevGame stored() { return readBack(*store, nick); }

    // One rated game of `result` as the game plays it: the provisional
    // record at the start, the final one at the end.
    void play(int result)
    {
        const online::TTevGame before = stored();
        ASSERT_EQ(write(online::provisionalRecord(before)), QStringLiteral("ok"));
        ASSERT_EQ(write(online::finalRecord(stored(), result, before.Score + result, before.KonL)),
                  QStringLiteral("ok"))
            << result;
    }

    const QString nick = QStringLiteral("Anna");
};

TEST_P(GameRecordTest, RatedGamesAreKeptAsTheGameWritesThem)
{
    // The first game: -200 while it runs, then the real result.
    ASSERT_EQ(write(online::provisionalRecord(stored())), QStringLiteral("ok"));
    EXPECT_DOUBLE_EQ(stored().Rating, -49.9);
    const online::TTevGame final = online::finalRecord(stored(), 50, 50, 0);
    ASSERT_EQ(write(final), QStringLiteral("ok"));
    EXPECT_DOUBLE_EQ(stored().Rating, 12.6);
    EXPECT_EQ(describe(stored()), describe(final));

    // The same final record again (its reply was lost) changes nothing; a
    // second final of the same game is refused.
    EXPECT_EQ(write(final), QStringLiteral("ok"));
    EXPECT_FALSE(write(online::finalRecord(stored(), 60, 110, 4)).contains(QLatin1String("ok")));
    EXPECT_EQ(describe(stored()), describe(final));

    // The rest of the cycle, the extremes included: 4 x 93 won or lost.
    int cycle = 50;
    for (int result : {372, -372, 0, 93, -1, 17, -100, 5}) {
        play(result);
        cycle += result;
        EXPECT_EQ(stored().Score, cycle);
    }
    EXPECT_EQ(stored().KonL, 36);
    play(-40);  // the tenth game ends the cycle
    online::TTevGame after = stored();
    EXPECT_EQ(after.Kon, 40);
    EXPECT_EQ(after.KonL, 0);
    EXPECT_EQ(after.Score, 0);
    EXPECT_EQ(after.Sessions, 1);
    EXPECT_EQ(after.Best, 24);  // the cycle's score, better than none

    // An abandoned game keeps its -200 and loses the cycle's progress; the
    // next game starts over from the provisional record.
    play(30);
    ASSERT_EQ(write(online::provisionalRecord(stored())), QStringLiteral("ok"));
    const online::TTevGame abandoned = stored();
    ASSERT_EQ(write(online::provisionalRecord(abandoned)), QStringLiteral("ok"));
    ASSERT_EQ(write(online::finalRecord(stored(), 10, 10, abandoned.KonL)), QStringLiteral("ok"));
    after = stored();
    EXPECT_EQ(after.Kon, 52);
    EXPECT_EQ(after.KonL, 4);
    EXPECT_EQ(after.Score, 10);
    EXPECT_EQ(after.Sessions, 1);
}

TEST_P(GameRecordTest, WritesNoGameCanProduceAreRefusedAndNothingIsStored)
{
    play(40);
    play(-20);  // Kon 8, KonL 8, Score 20
    const online::TTevGame read = stored();
    const online::TTevGame start = online::provisionalRecord(read);
    struct Case {
        const char* what;
        std::function<void(online::TTevGame&)> change;
    };
    const Case starts[] = {
        {"deals grow by 8", [](auto& g) { g.Kon += 4; }},
        {"deals go back", [](auto& g) { g.Kon -= 8; }},
        {"the cycle's deals kept", [&](auto& g) { g.KonL = read.KonL; }},
        {"the cycle's score kept", [&](auto& g) { g.Score = read.Score; }},
        {"only 100 deducted", [](auto& g) { g.Rating += 100.0 / g.Kon; }},
        {"a cycle completed", [](auto& g) { g.Sessions += 1; }},
        {"a better best", [](auto& g) { g.Best += 100; }},
        {"a negative count", [](auto& g) { g.Sessions = -1; }},
    };
    for (const Case& c : starts) {
        online::TTevGame g = start;
        c.change(g);
        EXPECT_FALSE(write(g).contains(QLatin1String("ok"))) << c.what;
        EXPECT_EQ(describe(stored()), describe(read)) << c.what;
    }
    ASSERT_EQ(write(start), QStringLiteral("ok"));

    const online::TTevGame provisional = stored();
    const online::TTevGame end = online::finalRecord(provisional, 30, read.Score + 30, read.KonL);
    const Case ends[] = {
        {"won more than 4 deals can bring",
         [&](auto& g) { g = online::finalRecord(provisional, 373, read.Score + 373, read.KonL); }},
        {"lost more than 4 deals can cost",
         [&](auto& g) { g = online::finalRecord(provisional, -373, read.Score - 373, read.KonL); }},
        {"half a point", [](auto& g) { g.Rating += 0.5 / g.Kon; }},
        {"a rating from nowhere", [](auto& g) { g.Rating = 1000; }},
        {"deals grow at the end", [](auto& g) { g.Kon += 4; }},
        {"the cycle's deals skip a game", [](auto& g) { g.KonL += 4; }},
        {"the cycle's deals off the step", [](auto& g) { g.KonL = 13; }},
        {"a cycle of 40 deals kept open", [](auto& g) { g.KonL = 40; }},
        {"a cycle score not the game's", [](auto& g) { g.Score += 1; }},
        {"a cycle completed early", [](auto& g) { g.Sessions += 1; }},
        {"a better best", [](auto& g) { g.Best = 999; }},
    };
    for (const Case& c : ends) {
        online::TTevGame g = end;
        c.change(g);
        EXPECT_FALSE(write(g).contains(QLatin1String("ok"))) << c.what;
        EXPECT_EQ(describe(stored()), describe(provisional)) << c.what;
    }
    EXPECT_EQ(write(end), QStringLiteral("ok"));
    EXPECT_EQ(describe(stored()), describe(end));
}

TEST_P(GameRecordTest, TheCycleEndMovesEveryCounterOnce)
{
    for (int game = 0; game < 9; ++game) {
        play(game % 2 == 0 ? 60 : -10);
    }
    const online::TTevGame read = stored();  // KonL 36, Score 260
    ASSERT_EQ(read.KonL, 36);
    ASSERT_EQ(write(online::provisionalRecord(read)), QStringLiteral("ok"));
    const online::TTevGame provisional = stored();
    const online::TTevGame end = online::finalRecord(provisional, 8, read.Score + 8, read.KonL);
    struct Case {
        const char* what;
        std::function<void(online::TTevGame&)> change;
    };
    const Case cases[] = {
        {"no completed cycle", [](auto& g) { g.Sessions -= 1; }},
        {"two completed cycles", [](auto& g) { g.Sessions += 1; }},
        {"the cycle kept open",
         [&](auto& g) {
             g.KonL = 40;
             g.Score = read.Score + 8;
         }},
        {"a best not the cycle's", [](auto& g) { g.Best += 1; }},
        {"a score left behind", [](auto& g) { g.Score = 5; }},
    };
    for (const Case& c : cases) {
        online::TTevGame g = end;
        c.change(g);
        EXPECT_FALSE(write(g).contains(QLatin1String("ok"))) << c.what;
        EXPECT_EQ(describe(stored()), describe(provisional)) << c.what;
    }
    ASSERT_EQ(write(end), QStringLiteral("ok"));
    EXPECT_EQ(stored().Sessions, 1);
    EXPECT_EQ(stored().Best, 268);
}

INSTANTIATE_TEST_SUITE_P(Backends, GameRecordTest, ::testing::Values("sqlite", "postgresql"),
                         backendName);

TEST_P(AccountTest, HostileBodiesAreRefusedWhole)
{
    ASSERT_EQ(registerMember(QStringLiteral("Anna"), QStringLiteral("secret1")),
              QStringLiteral("ok"));
    const QByteArray registration = online::rawFormBody({{"nick", QStringLiteral("Boris")},
                                                         {"pw", QStringLiteral("secret1")},
                                                         {"city", QStringLiteral("Omsk")}});
    const std::pair<QByteArray, int> bodies[] = {
        {QByteArray(64 * 1024 + 1, 'a'), 413},
        {registration, 400},                      // cut short: three of fourteen fields
        {"nick=Anna&&pw=%FF%FE&&label0=0", 400},  // not UTF-8 underneath
        {"nick=Anna&&pw=%G1&&label0=0", 400},     // not an escape
        {"nick=Anna&labeltevread=0\x98", 400},    // not a Windows-1251 byte
        {"", 400},
        {"crdolkkon=0&crdolkkon=0", 400},
        {"nick=Anna&&pw=secret1&&label0=0&&extra=1", 400},
    };
    for (const auto& [body, status] : bodies) {
        EXPECT_EQ(send("POST", "/account", body).status, status) << body.left(60).toStdString();
    }
    // SQL in every field of a registration, a login and a credit is only
    // ever data: refused by the checks or stored as text.
    const QString sql = QStringLiteral("x');DROP TABLE members;--");
    const QList<QByteArray> names = {"nick",  "pw",  "city", "country1", "country2", "sex", "email",
                                     "dater", "R01", "R02",  "R03",      "R04",      "R05", "R06"};
    qint64 created = 1;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QStringList valid = {QStringLiteral("Sql%1").arg(i),
                                   "secret1",
                                   "Omsk",
                                   "Russia",
                                   "1-001",
                                   "W",
                                   "c@x.ru",
                                   "1.1.2026",
                                   "xxx",
                                   "xxx",
                                   "xxx",
                                   "0",
                                   "0",
                                   "0"};
        FormFields fields;
        for (qsizetype k = 0; k < names.size(); ++k) {
            fields.push_back({names[k], k == i ? sql : valid[k]});
        }
        const QString reply = account(fields, true);
        EXPECT_TRUE(reply == QLatin1String("ok") || reply.startsWith(QLatin1String("refused")))
            << names[i].toStdString() << ": " << reply.toStdString();
        created += reply == QLatin1String("ok") ? 1 : 0;
        EXPECT_EQ(login(sql, sql), std::string());
        EXPECT_EQ(credit(sql, QStringLiteral("1"),
                         login(QStringLiteral("Anna"), QStringLiteral("secret1"))),
                  QStringLiteral("no"));
    }
    EXPECT_EQ(store->memberCount(), created);
    QString reply;
    EXPECT_FALSE(login(QStringLiteral("Sql8"), QStringLiteral("secret1"), &reply).empty());
    EXPECT_EQ(
        reply,
        QStringLiteral(
            "ok$Omsk Russia 1-001 W c@x.ru 1.1.2026 x');DROP_TABLE_members;-- xxx xxx 0 0 0"));
}

TEST_P(AccountTest, PhotosAreStoredOnlyForTheSessionsMember)
{
    ASSERT_EQ(registerMember(QStringLiteral("Anna"), QStringLiteral("secret1")),
              QStringLiteral("ok"));
    ASSERT_EQ(registerMember(QStringLiteral("Boris"), QStringLiteral("secret1")),
              QStringLiteral("ok"));
    const std::string anna = login(QStringLiteral("Anna"), QStringLiteral("secret1"));
    const std::string boris = login(QStringLiteral("Boris"), QStringLiteral("secret1"));
    const auto jpeg = [](char fill) {
        return QByteArray("\xFF\xD8\xFF\xE0", 4) + QByteArray(1000, fill) +
               QByteArray("\xFF\xD9", 2);
    };
    EXPECT_EQ(send("POST", "/account/photo", jpeg('a'), anna).status, 200);
    EXPECT_EQ(send("POST", "/account/photo", jpeg('b'), boris).status, 200);
    EXPECT_EQ(send("POST", "/account/photo", jpeg('c'), "").status, 403);
    EXPECT_EQ(send("POST", "/account/photo", QByteArray(2000, 'x'), anna).status, 415);
    EXPECT_EQ(send("POST", "/account/photo", jpeg('d').left(900), anna).status, 415);  // truncated
    EXPECT_EQ(send("POST", "/account/photo", jpeg('d') + QByteArray(1024 * 1024, 'd'), anna).status,
              413);

    const HttpResponse annaPhoto = send("GET", "/photos/Anna.jpg", {});
    EXPECT_EQ(annaPhoto.status, 200);
    EXPECT_EQ(annaPhoto.body, jpeg('a'));
    EXPECT_EQ(annaPhoto.contentType, "image/jpeg");
    EXPECT_EQ(send("GET", "/photos/boris.jpg", {}).body, jpeg('b'));
    for (const char* path :
         {"/photos/Clara.jpg", "/photos/Anna.png", "/photos/../Anna.jpg", "/photos/.jpg"}) {
        EXPECT_EQ(send("GET", path, {}).status, 404) << path;
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, AccountTest, ::testing::Values("sqlite", "postgresql"),
                         backendName);

}  // namespace
}  // namespace olk::service::testing
