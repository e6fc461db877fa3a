#include "online/online_session.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "account/user_file.h"
#include "tests/online/loopback_server.h"

namespace olk::online {
namespace {

// The directory names the server's own account address; the user file's
// account logs in by itself, silently.
TEST(OnlineSession, StartupLookupThenTheUserFilesLogin)
{
    LoopbackServer server;
    QTemporaryDir root;
    const QString program = root.filePath("program");
    QDir().mkpath(program);
    ASSERT_TRUE(writeUserFile(program, {"Ivan", encipherPassword("pa ss")}));
    const QByteArray account = server.address("/account");
    const QByteArray directory = "#AccPath=" + account + "#CTGamesPause=1#";
    for (int i = 0; i < 3; ++i) {
        server.answer(LoopbackServer::response("200 OK", directory));
    }
    server.answer(LoopbackServer::response("200 OK", "ok$Omsk Russia 1-001 M i@x.ru 01.02.2020 "
                                                     "xxx xxx xxx 12 0 0$"));
    Settings settings;
    OnlineSession session(settings, program);
    session.client().setAddress(Endpoint::Directory, server.address("/directory"));
    QSignalSpy finished(&session, &OnlineSession::startupFinished);
    session.start();
    EXPECT_TRUE(finished.isEmpty()) << "nothing is waited for in start()";
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(session.accountState(), LoggedIn);
    EXPECT_EQ(session.user().Nick, "Ivan");
    EXPECT_EQ(session.user().Pw, "pa-ss");  // a blank would break the request
    EXPECT_EQ(session.user().City, "Omsk");
    EXPECT_EQ(session.user().R04, 12);
    EXPECT_TRUE(session.chatPaused());
    EXPECT_FALSE(session.worldTopTenPaused());
    ASSERT_EQ(server.seen.size(), 4);
    EXPECT_EQ(server.seen[3].path, "/account");
}

// With the service down, start() returns at once and the run goes on
// logged out, with the addresses from the settings.
TEST(OnlineSession, ServiceDownIsSilentAndQuick)
{
    QTemporaryDir root;
    const QString program = root.filePath("program");
    QDir().mkpath(program);
    ASSERT_TRUE(writeUserFile(program, {"Ivan", encipherPassword("pass")}));
    Settings settings;
    const QByteArray scores = settings.serviceAddress;
    OnlineSession session(settings, program);
    // A port nobody listens on.
    session.client().setAddress(Endpoint::Directory,
                                encipherAddress(QStringLiteral("http://127.0.0.1:9/directory")));
    session.client().setAddress(Endpoint::Account,
                                encipherAddress(QStringLiteral("http://127.0.0.1:9/account")));
    QSignalSpy settled(&session, &OnlineSession::addressesSettled);
    QSignalSpy finished(&session, &OnlineSession::startupFinished);
    QElapsedTimer clock;
    clock.start();
    session.start();
    EXPECT_LT(clock.elapsed(), 1000) << "start() must not wait for the network";
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(settled.size(), 1);
    EXPECT_EQ(session.accountState(), LoggedOut);
    EXPECT_EQ(settings.serviceAddress, scores);
}

TEST(OnlineSession, AnotherServiceTakesEveryAddress)
{
    Settings settings;
    OnlineSession session(settings, QString());
    EXPECT_FALSE(session.useService("ftp://club.example"));
    EXPECT_FALSE(session.useService("club.example"));
    ASSERT_TRUE(session.useService("http://club.example:8765/"));
    EXPECT_EQ(decipherAddress(session.client().address(Endpoint::Account)),
              QStringLiteral("http://club.example:8765/account"));
    EXPECT_EQ(decipherAddress(session.client().address(Endpoint::Photos)),
              QStringLiteral("http://club.example:8765/photos/"));
    EXPECT_EQ(decipherAddress(settings.serviceAddress),
              QStringLiteral("http://club.example:8765/scores"));
}

}  // namespace
}  // namespace olk::online
