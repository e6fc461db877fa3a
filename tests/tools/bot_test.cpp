#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QThread>
#include <memory>
#include <vector>

namespace {

// A port nobody listens on right now.
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

std::unique_ptr<QProcess> startBot(const QStringList& arguments)
{
    auto bot = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    bot->setProcessEnvironment(env);
    bot->start(OLK_BOT_PROGRAM, arguments);
    EXPECT_TRUE(bot->waitForStarted(5000));
    return bot;
}

QStringList linesOf(QProcess& bot)
{
    return QString::fromUtf8(bot.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// Four bots of one match print the same names, deals and balances, whatever
// their role, and each ends with "match complete".
TEST(Bot, FourBotsPlayOneMatchAndAgree)
{
    const QString port = QString::number(freePort());
    auto host = startBot({"--host", port, "--players", "3", "--name", "Hugo", "--seed", "7"});
    QCoreApplication::processEvents();
    QThread::msleep(300);
    std::vector<std::unique_ptr<QProcess>> joined;
    for (const char* name : {"Anna", "Bert", "Cora"}) {
        joined.push_back(startBot({"--join", "127.0.0.1:" + port, "--name", name}));
    }
    ASSERT_TRUE(host->waitForFinished(30000));
    EXPECT_EQ(host->exitCode(), 0) << host->readAllStandardError().toStdString();
    const QStringList hostLines = linesOf(*host);
    ASSERT_GE(hostLines.size(), 11);
    EXPECT_EQ(hostLines.front(), "role 1");
    EXPECT_EQ(hostLines.back(), "match complete");
    EXPECT_EQ(hostLines.filter(QRegularExpression("^deal \\d deck( \\S+){52}$")).size(), 4);
    EXPECT_EQ(hostLines.filter(QRegularExpression("^end \\d balances( -?\\d+){4}$")).size(), 4);
    QStringList roles;
    for (auto& bot : joined) {
        ASSERT_TRUE(bot->waitForFinished(30000));
        EXPECT_EQ(bot->exitCode(), 0);
        QStringList lines = linesOf(*bot);
        ASSERT_FALSE(lines.isEmpty());
        roles.append(lines.takeFirst());
        EXPECT_EQ(lines, hostLines.mid(1));
    }
    roles.sort();
    EXPECT_EQ(roles, (QStringList{"role 2", "role 3", "role 4"}));
}

TEST(Bot, NothingToJoinOrNobodyJoining)
{
    auto lonely = startBot({"--join", "127.0.0.1:" + QString::number(freePort())});
    ASSERT_TRUE(lonely->waitForFinished(10000));
    EXPECT_EQ(lonely->exitCode(), 2);
    EXPECT_TRUE(lonely->readAllStandardError().contains("no game"));

    auto host = startBot({"--host", QString::number(freePort()), "--wait-seconds", "0"});
    ASSERT_TRUE(host->waitForFinished(10000));
    EXPECT_EQ(host->exitCode(), 2);
    EXPECT_TRUE(host->readAllStandardError().contains("nobody joined"));

    for (const QStringList& bad :
         {QStringList{}, QStringList{"--host", "0"}, QStringList{"--join", "nowhere"},
          QStringList{"--host", "1", "--players", "4"}}) {
        auto bot = startBot(bad);
        ASSERT_TRUE(bot->waitForFinished(10000));
        EXPECT_EQ(bot->exitCode(), 2) << bad.join(' ').toStdString();
    }
}

}  // namespace
