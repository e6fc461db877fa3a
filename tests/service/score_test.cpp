// The world score tables and the chat board through the service's router,
// with bodies built by the game's own form encoder.

#include "service_fixture.h"

namespace olk::service::testing {
namespace {

using online::FormFields;

class ScoreTest : public ServiceBackend {
protected:
    QString scores(const QByteArray& body, const std::string& cookie = {})
    {
        return QString::fromStdString(
            cp1251::toUtf8(send("POST", "/scores", body, cookie).body.toStdString()));
    }

    // A post as the game builds it: raw form, "*" right after the R10 value.
    QString post(qint64 gid, const QString& nick, qint64 score,
                 const QString& r10 = QStringLiteral("#"), const std::string& cookie = {},
                 const QString& sex = QStringLiteral("M"))
    {
        FormFields fields{{"gid", QString::number(gid)},
                          {"nick", nick},
                          {"city", QStringLiteral("Omsk")},
                          {"country", QStringLiteral("1-001")},
                          {"score", QString::number(score)},
                          {"R7", sex},
                          {"R8", QStringLiteral("5.7f")},
                          {"R9", QStringLiteral("#")},
                          {"R10", r10}};
        return scores(online::rawFormBody(fields) + "*", cookie);
    }

    QString table(qint64 gid)
    {
        return scores(online::listFormBody({{"gid", QString::number(gid)}}));
    }
};

TEST_P(ScoreTest, PostsTakePlacesAndTablesListTheBest)
{
    struct Step {
        const char* nick;
        qint64 score;
        const char* expected;
    };
    const Step steps[] = {
        {"Anna", 50, "ok$1"},
        {"Boris", 120, "ok$1"},
        {"Clara", 50, "ok$3"},  // equal scores: the earlier entry stands higher
        {"Anna", -300, "ok$4"},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(post(804, QString::fromLatin1(s.nick), s.score), QString::fromLatin1(s.expected))
            << s.nick;
    }
    EXPECT_EQ(table(804),
              QStringLiteral(
                  "ok$1 2 120 Boris 1-001 Omsk M 5.7f # #*$2 1 50 Anna 1-001 Omsk M 5.7f # #*"
                  "$3 3 50 Clara 1-001 Omsk M 5.7f # #*$4 4 -300 Anna 1-001 Omsk M 5.7f # #*"));
    EXPECT_EQ(table(904), QStringLiteral("ok"));
    EXPECT_EQ(scores(online::listFormBody({{"rgid", QStringLiteral("804")}})),
              QStringLiteral("ok$4"));
    EXPECT_EQ(scores(online::rawFormBody({{"gid", QStringLiteral("804")},
                                          {"nick", QStringLiteral("Anna")},
                                          {"city", QStringLiteral("Omsk")}})),
              QStringLiteral(
                  "ok$2 1 50 Anna 1-001 Omsk M 5.7f # #*$4 4 -300 Anna 1-001 Omsk M 5.7f # #*"));
}

TEST_P(ScoreTest, PostsOutsideTheRulesAreRefused)
{
    struct Case {
        qint64 gid;
        const char* nick;
        const char* r10;
        const char* sex;
        bool accepted;
    };
    const Case cases[] = {
        {804, "Пётр", "#", "M", true},    // the passport may be Cyrillic
        {904, "Anna", "#", "M", false},   // the other edition's table is read only
        {1104, "Anna", "#", "M", false},  // the account table needs the session
        {7, "Anna", "#", "M", false},
        {804, "A", "#", "M", false},
        {804, "Anna Maria", "#", "M", false},
        {804, "Anna", "#", "X", false},
        {804, "Anna", "x');DROP TABLE scores;--", "W", true},
    };
    for (const Case& c : cases) {
        const QString reply = post(c.gid, QString::fromUtf8(c.nick), 10, QString::fromUtf8(c.r10),
                                   {}, QString::fromLatin1(c.sex));
        EXPECT_EQ(reply.startsWith(QLatin1String("ok$")), c.accepted) << c.gid << " " << c.nick;
    }
    EXPECT_EQ(scores(online::listFormBody({{"rgid", QStringLiteral("804")}})),
              QStringLiteral("ok$2"));
    EXPECT_TRUE(
        table(804).endsWith(QStringLiteral("Anna 1-001 Omsk W 5.7f # x');DROP_TABLE_scores;--*")))
        << table(804).toStdString();
    EXPECT_EQ(send("POST", "/scores", "%FF%FE").status, 400);
}

TEST_P(ScoreTest, ChatMessagesTakeTheNumberAfterTheLatest)
{
    const auto count = [&] {
        return scores(online::listFormBody({{"rgid", QStringLiteral("100")}}));
    };
    struct Case {
        const char* nick;
        qint64 number;
        QString message;
        bool accepted;
    };
    const Case cases[] = {
        {"Anna", 0, "Hello all", false},       // before the first
        {"Anna", 2, "Hello all", false},       // ahead of the board
        {"Anna", 999999, "Hello all", false},  // far ahead
        {"Anna", 1, "Hello all", true},        // the first of an empty board
        {"Boris", 1, "Me too", false},         // the number is taken
        {"Boris", 2, "Hi $ * ~ there", true},
        {"Clara", 3, QString(81, u'x'), false},  // longer than the game's 80
        {"Clara", 3, QString(80, u'x'), true},
    };
    qint64 stored = 0;
    for (const Case& c : cases) {
        const QString reply = post(100, QString::fromLatin1(c.nick), c.number, c.message);
        EXPECT_EQ(reply, c.accepted ? QStringLiteral("ok$1") : QStringLiteral("no"))
            << c.nick << " " << c.number;
        stored += c.accepted ? 1 : 0;
        EXPECT_EQ(count(), QStringLiteral("ok$%1").arg(stored)) << c.nick << " " << c.number;
    }
    EXPECT_TRUE(table(100).startsWith(
        QStringLiteral("ok$1 3 3 Clara 1-001 Omsk M 5.7f # %1*$2 2 2 Boris 1-001 Omsk M 5.7f # "
                       "Hi_______there*$3 1 1 Anna 1-001 Omsk M 5.7f # Hello_all*")
            .arg(QString(80, u'x'))))
        << table(100).toStdString();

    // The writer's stamp (time, date and game) within its field.
    FormFields fields{{"gid", QStringLiteral("100")},   {"nick", QStringLiteral("Dmitri")},
                      {"city", QStringLiteral("Omsk")}, {"country", QStringLiteral("1-001")},
                      {"score", QStringLiteral("4")},   {"R7", QStringLiteral("M")},
                      {"R8", QStringLiteral("5.7f")},   {"R9", QString(81, u'9')},
                      {"R10", QStringLiteral("Hi")}};
    EXPECT_EQ(scores(online::rawFormBody(fields) + "*"), QStringLiteral("no"));
    fields[7].value = QStringLiteral("12:00:00_10.12.2026_Olk");
    EXPECT_EQ(scores(online::rawFormBody(fields) + "*"), QStringLiteral("ok$1"));
}

TEST_P(ScoreTest, WorldTablesTakeOnlyScoresACycleCanReach)
{
    // A cycle is 40 deals; one deal moves a balance by at most 3 x 31.
    struct Case {
        qint64 gid;
        qint64 score;
        bool accepted;
    };
    const Case cases[] = {
        {804, 3720, true},    {804, -3720, true},  {804, 0, true},     {804, 3721, false},
        {804, -3721, false},  {804, 99999, false}, {1104, 3720, true}, {1104, 3721, false},
        {1104, -3721, false}, {1104, -3720, true},
    };
    ASSERT_EQ(registerMember(QStringLiteral("Anna"), QStringLiteral("secret1")),
              QStringLiteral("ok"));
    const std::string anna = login(QStringLiteral("Anna"), QStringLiteral("secret1"));
    qint64 stored804 = 0;
    qint64 stored1104 = 0;
    for (const Case& c : cases) {
        const QString reply =
            post(c.gid, QStringLiteral("Anna"), c.score, QStringLiteral("#"), anna);
        EXPECT_EQ(reply.startsWith(QLatin1String("ok$")), c.accepted) << c.gid << " " << c.score;
        (c.gid == 804 ? stored804 : stored1104) += c.accepted ? 1 : 0;
    }
    EXPECT_EQ(scores(online::listFormBody({{"rgid", QStringLiteral("804")}})),
              QStringLiteral("ok$%1").arg(stored804));
    EXPECT_EQ(scores(online::listFormBody({{"rgid", QStringLiteral("1104")}})),
              QStringLiteral("ok$%1").arg(stored1104));
}

TEST_P(ScoreTest, EqualScoresRankByTheEarlierPost)
{
    // Posted out of alphabetical order, and with a better score between.
    const char* nicks[] = {"Zoe", "Boris", "Anna", "Mila"};
    const qint64 points[] = {70, 70, 90, 70};
    for (int i = 0; i < 4; ++i) {
        post(804, QString::fromLatin1(nicks[i]), points[i]);
    }
    const QString rows = table(804);
    EXPECT_TRUE(rows.startsWith(QStringLiteral("ok$1 3 90 Anna")) &&
                rows.contains(QStringLiteral("$2 1 70 Zoe")) &&
                rows.contains(QStringLiteral("$3 2 70 Boris")) &&
                rows.contains(QStringLiteral("$4 4 70 Mila")))
        << rows.toStdString();
    EXPECT_EQ(post(804, QStringLiteral("Olga"), 70), QStringLiteral("ok$5"));
}

TEST_P(ScoreTest, TheAccountTableAwardsItsBonusOnce)
{
    for (const char* nick : {"Anna", "Boris"}) {
        ASSERT_EQ(registerMember(QString::fromLatin1(nick), QStringLiteral("secret1")),
                  QStringLiteral("ok"));
    }
    const std::string anna = login(QStringLiteral("Anna"), QStringLiteral("secret1"));
    const auto credit = [&](const char* amount) {
        return account({{"nick", QStringLiteral("Anna")},
                        {"labeltevsave", QStringLiteral("0")},
                        {"R04", QString::fromLatin1(amount)}},
                       true, anna);
    };
    EXPECT_EQ(post(1104, QStringLiteral("Boris"), 300, QStringLiteral("#"), anna),
              QStringLiteral("no"));
    EXPECT_EQ(post(1104, QStringLiteral("Anna"), 300, QStringLiteral("#"), anna),
              QStringLiteral("ok$1"));
    EXPECT_EQ(store->findMember(QStringLiteral("Anna"))->tevs, 25);
    EXPECT_EQ(credit("25"), QStringLiteral("ok"));  // the game's confirmation adds nothing
    EXPECT_EQ(credit("25"), QStringLiteral("no"));
    EXPECT_EQ(store->findMember(QStringLiteral("Anna"))->tevs, 25);
    EXPECT_EQ(post(1104, QStringLiteral("anna"), 100, QStringLiteral("#"), anna),
              QStringLiteral("ok$2"));
    EXPECT_EQ(credit("10"), QStringLiteral("ok"));
    EXPECT_EQ(store->findMember(QStringLiteral("Anna"))->tevs, 35);
    EXPECT_EQ(store->findMember(QStringLiteral("Boris"))->tevs, 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, ScoreTest, ::testing::Values("sqlite", "postgresql"),
                         backendName);

}  // namespace
}  // namespace olk::service::testing
