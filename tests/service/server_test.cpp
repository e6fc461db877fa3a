// The service over a real loopback socket: the socket layer converts
// requests, cookies and replies, and stops cleanly.

#include "service/http_server.h"
#include "service_fixture.h"

#include <httplib.h>
#include <thread>

namespace olk::service::testing {
namespace {

class ServerTest : public ServiceBackend {};

TEST_P(ServerTest, ConversationOverLoopback)
{
    HttpServer server(*service);
    server.setLogging(false);
    const int port = server.bind(QStringLiteral("127.0.0.1"), 0);
    ASSERT_GT(port, 0);
    std::thread serving([&server] { server.run(); });

    httplib::Client client("127.0.0.1", port);
    const httplib::Headers headers = {{"User-Agent", "MurkPlayEntry"},
                                      {"Accept", "text/html, */*"}};
    auto ip = client.Get("/ip", headers);
    ASSERT_TRUE(ip);
    EXPECT_EQ(ip->status, 200);
    EXPECT_EQ(ip->body, "127.0.0.1");

    const std::string type = "application/x-www-form-urlencoded";
    auto created = client.Post("/account", headers,
                               online::rawFormBody({{"nick", "Anna"},
                                                    {"pw", "secret1"},
                                                    {"city", "Омск"},
                                                    {"country1", "Russia"},
                                                    {"country2", "1-001"},
                                                    {"sex", "W"},
                                                    {"email", "a@x.ru"},
                                                    {"dater", "10.12.2026"},
                                                    {"R01", "xxx"},
                                                    {"R02", "xxx"},
                                                    {"R03", "xxx"},
                                                    {"R04", "0"},
                                                    {"R05", "0"},
                                                    {"R06", "0"}})
                                   .toStdString(),
                               type);
    ASSERT_TRUE(created);
    EXPECT_EQ(created->body, "ok");

    auto login = client.Post(
        "/account", headers,
        online::listFormBody({{"nick", "Anna"}, {"pw", "secret1"}, {"label0", "0"}}).toStdString(),
        type);
    ASSERT_TRUE(login);
    EXPECT_EQ(
        login->body,
        "ok$\xCE\xEC\xF1\xEA Russia 1-001 W a@x.ru 10.12.2026 xxx xxx xxx 0 0 0");  // Windows-1251
    const std::string setCookie = login->get_header_value("Set-Cookie");
    ASSERT_EQ(setCookie.rfind("olk_session=", 0), 0u);

    // The cookie carries the session to the next request, as the game's
    // client keeps it.
    httplib::Headers withCookie = headers;
    withCookie.emplace("Cookie", setCookie.substr(0, setCookie.find(';')));
    auto balance = client.Post(
        "/account", withCookie,
        online::listFormBody({{"nick", "Anna"}, {"labeltevread", "0"}}).toStdString(), type);
    ASSERT_TRUE(balance);
    EXPECT_EQ(balance->body, "$0");

    auto tooLarge = client.Post("/account", headers, std::string(2 * 1024 * 1024, 'a'), type);
    EXPECT_TRUE(!tooLarge || tooLarge->status == 413);

    server.stop();
    serving.join();
    EXPECT_FALSE(client.Get("/ip"));
}

INSTANTIATE_TEST_SUITE_P(Backends, ServerTest, ::testing::Values("sqlite"), backendName);

}  // namespace
}  // namespace olk::service::testing
