#include "online/service_client.h"

#include <gtest/gtest.h>

#include "settings/address_cipher.h"
#include "tests/online/loopback_server.h"

namespace olk::online {
namespace {

TEST(ServiceClient, FormPostCarriesTheFixedHeadersAndTheBody)
{
    LoopbackServer server;
    ServiceClient client;
    client.setAddress(Endpoint::Account, server.address("/account"));
    server.answer(LoopbackServer::response("200 OK", "ok$Omsk"));

    const ServiceRequest login = accountLogin("Ivan Petrov", "pw");
    EXPECT_EQ(sendAndWait(client, login), QByteArray("ok$Omsk"));
    ASSERT_EQ(server.seen.size(), 1);
    const Seen& post = server.seen.front();
    EXPECT_EQ(post.method, "POST");
    EXPECT_EQ(post.path, "/account");
    EXPECT_EQ(post.headers.value("user-agent"), "MurkPlayEntry");
    EXPECT_EQ(post.headers.value("content-type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(post.headers.value("accept"), "text/html, */*");
    EXPECT_EQ(post.body, login.body());
}

TEST(ServiceClient, CookiesCarryOverAndFetchesKeepTheirOwn)
{
    LoopbackServer server;
    ServiceClient client;
    client.setAddress(Endpoint::Account, server.address("/account"));
    client.setAddress(Endpoint::Photos, server.address("/photos/"));
    server.answer(LoopbackServer::response("200 OK", "ok", "Set-Cookie: sid=42; Path=/\r\n"));

    EXPECT_TRUE(sendAndWait(client, clubMembers()));
    EXPECT_TRUE(sendAndWait(client, clubMembers()));
    EXPECT_EQ(fetchAndWait(client, Endpoint::Photos, "Ivan.jpg"), QByteArray("ok"));
    ASSERT_EQ(server.seen.size(), 3);
    EXPECT_FALSE(server.seen[0].headers.contains("cookie"));
    EXPECT_EQ(server.seen[1].headers.value("cookie"), "sid=42");
    const Seen& photo = server.seen[2];
    EXPECT_EQ(photo.method, "GET");
    EXPECT_EQ(photo.path, "/photos/Ivan.jpg");
    EXPECT_FALSE(photo.headers.contains("cookie"));
    EXPECT_NE(photo.headers.value("user-agent"), "MurkPlayEntry");
}

TEST(ServiceClient, TransferFailuresComeBackEmpty)
{
    LoopbackServer server;
    ServiceClient client;
    client.setAddress(Endpoint::Scores, server.address("/scores"));
    for (const QByteArray status : {"500 Internal Server Error", "404 Not Found", "302 Found"}) {
        server.answer(LoopbackServer::response(status, "ok$1"));
        EXPECT_EQ(sendAndWait(client, scoreCount(kWindowsTable)), std::nullopt) << status.data();
    }
    server.answer(
        LoopbackServer::response("200 OK", QByteArray(ServiceClient::kMostReply + 1, 'x')));
    EXPECT_EQ(sendAndWait(client, scoreCount(kWindowsTable)), std::nullopt);

    // Nobody listening, or an address that does not decipher.
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const quint16 port = closed.serverPort();
    closed.close();
    client.setAddress(Endpoint::Statistics,
                      encipherAddress(QStringLiteral("http://127.0.0.1:%1/statistics").arg(port)));
    EXPECT_EQ(sendAndWait(client, statRead()), std::nullopt);
    client.setAddress(Endpoint::Tournament, "not enciphered");
    bool called = false;
    client.send(tourTables(), [&](const Reply& reply) {
        called = true;
        EXPECT_EQ(reply, std::nullopt);
    });
    EXPECT_FALSE(called);  // never from inside send()
    EXPECT_EQ(sendAndWait(client, tourTables()), std::nullopt);
}

TEST(ServiceClient, ReadTimeOutIsSetByTheFirstRequestThatAsksAndKept)
{
    LoopbackServer server;
    ServiceClient client;
    client.setAddress(Endpoint::Account, server.address("/account"));
    client.setAddress(Endpoint::Scores, server.address("/scores"));
    sendAndWait(client, clubMembers());
    EXPECT_EQ(client.readTimeoutMs(), 0);
    sendAndWait(client, scoreTable(kWindowsTable));
    EXPECT_EQ(client.readTimeoutMs(), kReadTimeoutMs);
    sendAndWait(client, clubMembers());
    EXPECT_EQ(client.readTimeoutMs(), kReadTimeoutMs);
}

TEST(ServiceClient, StartsAtTheBuiltInAddresses)
{
    const ServiceClient client;
    EXPECT_EQ(client.address(Endpoint::Scores), defaultServiceAddress());
    EXPECT_EQ(client.address(Endpoint::Account), defaultAccountAddress());
    EXPECT_EQ(client.address(Endpoint::Directory), directoryAddress());
}

}  // namespace
}  // namespace olk::online
