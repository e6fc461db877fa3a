#include "net/lan_discovery.h"

#include <gtest/gtest.h>

#include <QTest>

namespace olk::net {
namespace {

const QHostAddress kSender(QStringLiteral("192.168.1.20"));

QByteArray announcement(const QString& name, quint16 port = 25666, int seats = 3)
{
    return buildAnnouncement({name, port, seats});
}

TEST(LanAnnouncement, BuildsAndParsesBack)
{
    for (const Announcement& sent :
         {Announcement{QStringLiteral("Anna"), 25666, 3}, Announcement{QStringLiteral("Ёжик"), 1, 0},
          Announcement{QStringLiteral("a b"), 65535, 2}}) {
        const QByteArray datagram = buildAnnouncement(sent);
        EXPECT_LE(datagram.size(), kAnnouncementMaxBytes);
        EXPECT_EQ(parseAnnouncement(datagram), sent) << datagram.toStdString();
    }
    EXPECT_EQ(buildAnnouncement({QStringLiteral("Anna"), 25666, 3}), "OLKLAN1 25666 3 Anna");
}

// A name that could not be shown comes out cleaned and capped, still parsing.
TEST(LanAnnouncement, CleansTheName)
{
    const struct {
        QString name;
        QString sent;
    } cases[] = {
        {QString(), QStringLiteral("?")},
        {QStringLiteral("a\nb\tc"), QStringLiteral("a?b?c")},
        {QString(60, QLatin1Char('x')), QString(40, QLatin1Char('x'))},
        {QString(30, QChar(0x0436)), QString(20, QChar(0x0436))},  // two bytes each
    };
    for (const auto& c : cases) {
        const auto parsed = parseAnnouncement(buildAnnouncement({c.name, 4000, 9}));
        ASSERT_TRUE(parsed) << c.name.toStdString();
        EXPECT_EQ(parsed->name, c.sent);
        EXPECT_EQ(parsed->freeSeats, 3) << "seats clamped";
    }
}

TEST(LanAnnouncement, RefusesWhatIsNotExactlyOne)
{
    const QByteArray bad[] = {
        "",
        "OLKLAN1 ",
        "OLKLAN1 25666 3 ",              // no name
        "OLKLAN2 25666 3 Anna",          // another version
        "olklan1 25666 3 Anna",
        "OLKLAN1 2566 3 Anna",           // four digits
        "OLKLAN1 +2566 3 Anna",
        "OLKLAN1 00000 3 Anna",          // port 0
        "OLKLAN1 65536 3 Anna",          // beyond a port
        "OLKLAN1 99999 3 Anna",
        "OLKLAN1 25666 4 Anna",          // four free seats
        "OLKLAN1 25666 - Anna",
        "OLKLAN1 25666  3Anna",
        "OLKLAN1 25666 3Anna",
        "OLKLAN1 25666 3 An\nna",        // a line end
        QByteArray("OLKLAN1 25666 3 A\0na", 21),
        "OLKLAN1 25666 3 \xff\xfe",      // not UTF-8
        "OLKLAN1 25666 3 \xed\xa0\x80",  // a surrogate
        "OLKLAN1 25666 3 " + QByteArray(41, 'x'),
        "OLKLAN1 25666 3 " + QByteArray(600, 'x'),
    };
    for (const QByteArray& datagram : bad) {
        EXPECT_FALSE(parseAnnouncement(datagram)) << datagram.toStdString();
    }
    EXPECT_TRUE(parseAnnouncement("OLKLAN1 25666 3 " + QByteArray(40, 'x')));
}

TEST(LanListener, IgnoresGarbageAndKeysBySenderAndPort)
{
    LanListener listener;
    int changes = 0;
    QObject::connect(&listener, &LanListener::gamesChanged, [&] { ++changes; });
    for (const QByteArray& garbage : {QByteArray("hello"), QByteArray("OLKLAN1 25666 7 Anna"),
                                      announcement(QStringLiteral("Anna")) + QByteArray(600, ' ')}) {
        listener.take(garbage, kSender, 0);
    }
    EXPECT_TRUE(listener.games().empty());
    EXPECT_EQ(changes, 0);

    listener.take(announcement(QStringLiteral("Anna"), 25666, 3), kSender, 0);
    listener.take(announcement(QStringLiteral("Anna"), 25666, 3), kSender, 100);
    EXPECT_EQ(changes, 1) << "hearing the same again shows nothing new";
    listener.take(announcement(QStringLiteral("Anna"), 25666, 2), kSender, 200);
    listener.take(announcement(QStringLiteral("Bob"), 25667, 3), kSender, 200);
    // Another machine naming the same port has an entry of its own.
    const QHostAddress other(QStringLiteral("192.168.1.30"));
    listener.take(announcement(QStringLiteral("Evil"), 25666, 0), other, 200);
    ASSERT_EQ(listener.games().size(), 3u);
    EXPECT_EQ(listener.games()[0].address, kSender);
    EXPECT_EQ(listener.games()[0].name, QStringLiteral("Anna"));
    EXPECT_EQ(listener.games()[0].freeSeats, 2);
    EXPECT_EQ(listener.games()[0].heardMs, 200);
    EXPECT_EQ(listener.games()[1].name, QStringLiteral("Bob"));
    EXPECT_EQ(listener.games()[2].address, other);
    EXPECT_EQ(listener.games()[2].name, QStringLiteral("Evil"));
}

TEST(LanListener, KeepsAtMost32AndDropsTheSilent)
{
    LanListener listener;
    for (int port = 1; port <= 40; ++port) {
        listener.take(announcement(QStringLiteral("G"), static_cast<quint16>(port)), kSender,
                      port <= 16 ? 0 : 3000);
    }
    ASSERT_EQ(listener.games().size(), static_cast<size_t>(LanListener::kMaxGames));
    EXPECT_EQ(listener.games().back().port, 32) << "a new game beyond the cap is ignored";
    listener.take(announcement(QStringLiteral("G"), 1), kSender, 4000);  // heard again

    listener.expire(5000);
    EXPECT_EQ(listener.games().size(), 32u) << "5 s is not yet silent";
    listener.expire(5001);
    ASSERT_EQ(listener.games().size(), 17u);
    EXPECT_EQ(listener.games().front().port, 1);
    listener.take(announcement(QStringLiteral("G"), 40), kSender, 5001);
    EXPECT_EQ(listener.games().size(), 18u) << "room again";
    listener.expire(100000);
    EXPECT_TRUE(listener.games().empty());
}

TEST(LanDiscovery, AHostIsHeardOverLoopback)
{
    LanListener listener;
    ASSERT_TRUE(listener.listen(0));
    LanAnnouncer announcer;
    announcer.start({QStringLiteral("Anna"), 25666, 2}, listener.localPort());
    EXPECT_TRUE(announcer.isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !listener.games().empty(); }, 10000));
    ASSERT_EQ(listener.games().size(), 1u);
    const LanListener::Game& game = listener.games().front();
    EXPECT_EQ(game.name, QStringLiteral("Anna"));
    EXPECT_EQ(game.port, 25666);
    EXPECT_EQ(game.freeSeats, 2);
    EXPECT_EQ(game.address, QHostAddress(QHostAddress::LocalHost))
        << "heard over loopback and the broadcasts, listed once";
    announcer.stop();
    EXPECT_FALSE(announcer.isActive());
}

}  // namespace
}  // namespace olk::net
