// The endpoints apart from the account requests, the router's limits, and
// the command line.

#include "service/options.h"
#include "service_fixture.h"
#include "settings/address_cipher.h"

#include <QDir>
#include <QFile>

namespace olk::service::testing {
namespace {

using namespace std::chrono_literals;

TEST(RateLimiterTest, BucketsEmptyAndRefillPerAddressAndClass)
{
    RateLimiter limiter;
    limiter.setRule(RateClass::Register, {3, 1});  // three at once, one a minute
    const auto t0 = RateLimiter::Clock::time_point{} + 24h;
    struct Step {
        const char* address;
        RateClass rateClass;
        std::chrono::seconds at;
        bool allowed;
    };
    const Step steps[] = {
        {"a", RateClass::Register, 0s, true},     {"a", RateClass::Register, 0s, true},
        {"a", RateClass::Register, 1s, true},     {"a", RateClass::Register, 2s, false},
        {"b", RateClass::Register, 2s, true},  // another address has its own bucket
        {"a", RateClass::Read, 2s, true},      // and another class
        {"a", RateClass::Register, 50s, false},   {"a", RateClass::Register, 62s, true},
        {"a", RateClass::Register, 63s, false},   {"a", RateClass::Register, 3600s, true},
        {"a", RateClass::Register, 3600s, true},  {"a", RateClass::Register, 3600s, true},
        {"a", RateClass::Register, 3600s, false},  // refilled only up to the burst
    };
    for (const Step& s : steps) {
        EXPECT_EQ(limiter.allow(s.address, s.rateClass, t0 + s.at), s.allowed)
            << s.address << " at " << s.at.count();
    }
}

class EndpointTest : public ServiceBackend {};

TEST_P(EndpointTest, UnknownPathsMethodsAndLimits)
{
    service->limiter().setRule(RateClass::Read, {2, 60});
    struct Case {
        const char* method;
        const char* path;
        int status;
    };
    const Case cases[] = {
        {"GET", "/ip", 200},         {"GET", "/ip", 200},
        {"GET", "/ip", 429},  // the third within the second
        {"GET", "/nothing", 404},    {"POST", "/ip", 405},
        {"DELETE", "/account", 405}, {"GET", "/downloads/progr/cards/", 404},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(send(c.method, c.path, {}).status, c.status) << c.method << " " << c.path;
    }
    const HttpResponse limited = send("GET", "/ip", {});
    EXPECT_EQ(limited.status, 429);
    EXPECT_TRUE(limited.body.startsWith("Too many requests"));
}

TEST_P(EndpointTest, IpDirectoryAndDownloads)
{
    EXPECT_EQ(send("GET", "/ip", {}).body, QByteArray("192.0.2.1"));

    // Each entry is tag, one separator, the enciphered address, "#".
    const QByteArray directory = send("GET", "/directory", {}).body;
    const std::pair<const char*, const char*> entries[] = {
        {"WTGamesPatt", "/scores"}, {"StatPath", "/statistics"}, {"AccPath", "/account"}};
    for (const auto& [tag, path] : entries) {
        const qsizetype at = directory.indexOf(tag);
        ASSERT_GE(at, 0) << tag;
        const qsizetype start = at + qsizetype(std::strlen(tag)) + 1;
        const QByteArray value = directory.mid(start, directory.indexOf('#', start) - start);
        EXPECT_EQ(decipherAddress(value),
                  QStringLiteral("http://olk.example:8765") + QLatin1String(path))
            << tag;
    }
    EXPECT_FALSE(directory.contains("Pause"));

    const QDir downloads(folder.filePath(QStringLiteral("downloads")));
    ASSERT_TRUE(downloads.mkpath(QStringLiteral(".")));
    QFile library(downloads.filePath(QStringLiteral("TevCards06A.dll")));
    ASSERT_TRUE(library.open(QIODevice::WriteOnly));
    library.write("library bytes");
    library.close();
    QFile secret(folder.filePath(QStringLiteral("secret.txt")));
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.write("secret");
    secret.close();
    ASSERT_TRUE(QFile::link(secret.fileName(), downloads.filePath(QStringLiteral("link.dll"))));

    const HttpResponse served = send("GET", "/downloads/progr/cards/TevCards06A.dll", {});
    EXPECT_EQ(served.status, 200);
    EXPECT_EQ(served.body, QByteArray("library bytes"));
    for (const char* path :
         {"/downloads/progr/cards/../secret.txt", "/downloads/progr/cards/..",
          "/downloads/progr/cards/sub/TevCards06A.dll", "/downloads/progr/cards/.hidden",
          "/downloads/progr/cards/link.dll", "/downloads/progr/cards/missing.dll",
          "/downloads/progr/cards/..\\secret.txt"}) {
        EXPECT_EQ(send("GET", path, {}).status, 404) << path;
    }
}

TEST_P(EndpointTest, NewsPageCarriesTheLatestNumber)
{
    const QDir news(folder.filePath(QStringLiteral("news")));
    service = nullptr;
    Service::Config config;
    config.publicUrl = QStringLiteral("http://olk.example");
    config.newsFolder = news.path();
    config.account = AccountService::defaultConfig();
    service = std::make_unique<Service>(*store, config);
    EXPECT_TRUE(send("GET", "/news", {}).body.contains("TevNews00000"));  // no folder yet
    // The page "Add Tevs" opens says how Tevs are earned.
    const HttpResponse tevs = send("GET", "/tevs/100", {});
    EXPECT_EQ(tevs.contentType, "text/html; charset=utf-8");
    EXPECT_TRUE(tevs.body.contains("25 Tevs"));

    ASSERT_TRUE(news.mkpath(QStringLiteral(".")));
    const std::pair<const char*, const char*> items[] = {
        {"3.txt", "Spring tournament\nFour tables from Monday."},
        {"12.txt", "New decks <b>&</b> backs\nTwo new decks."},
        {"012.txt", "Not a news number"},
        {"notes.txt", "Not a news number either"},
    };
    for (const auto& [name, text] : items) {
        QFile file(news.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    const HttpResponse page = send("GET", "/news", {});
    EXPECT_EQ(page.contentType, "text/html; charset=utf-8");
    EXPECT_TRUE(page.body.contains("TevNews00012"));
    EXPECT_TRUE(page.body.contains("12. New decks &lt;b&gt;&amp;&lt;/b&gt; backs"));
    EXPECT_LT(page.body.indexOf("12. New decks"), page.body.indexOf("3. Spring tournament"));
    EXPECT_FALSE(page.body.contains("Not a news number"));
}

INSTANTIATE_TEST_SUITE_P(Backends, EndpointTest, ::testing::Values("sqlite"), backendName);

TEST(OptionsTest, CommandLines)
{
    struct Case {
        QStringList arguments;
        bool valid;
        QString listen;  // host:port when valid
        QString database;
        QString publicUrl;
    };
    const Case cases[] = {
        {{},
         true,
         "127.0.0.1:8765",
         "sqlite:/srv/olk-service-data/olk-service.sqlite",
         "http://127.0.0.1:8765"},
        {{"--listen", "0.0.0.0:80", "--public-url", "https://olk.example/"},
         true,
         "0.0.0.0:80",
         "sqlite:/srv/olk-service-data/olk-service.sqlite",
         "https://olk.example"},
        {{"--listen=[::1]:9000", "--data", "d", "--tls-cert", "c.pem", "--tls-key", "k.pem"},
         true,
         "::1:9000",
         "sqlite:/srv/d/olk-service.sqlite",
         "https://[::1]:9000"},
        {{"--database", "postgresql://u:p@db:5432/olk"},
         true,
         "127.0.0.1:8765",
         "postgresql://u:p@db:5432/olk",
         "http://127.0.0.1:8765"},
        {{"--listen", "8765"}, false, {}, {}, {}},
        {{"--listen", "host:99999"}, false, {}, {}, {}},
        {{"--database", "mysql://x"}, false, {}, {}, {}},
        {{"--tls-cert", "c.pem"}, false, {}, {}, {}},
        {{"--public-url", "ftp://x"}, false, {}, {}, {}},
        {{"--data"}, false, {}, {}, {}},
        {{"--verbose"}, false, {}, {}, {}},
    };
    for (const Case& c : cases) {
        const auto parsed = parseOptions(c.arguments, QStringLiteral("/srv"));
        ASSERT_EQ(std::holds_alternative<Options>(parsed), c.valid)
            << c.arguments.join(' ').toStdString();
        if (const auto* options = std::get_if<Options>(&parsed)) {
            EXPECT_EQ(options->listenHost + QLatin1Char(':') + QString::number(options->listenPort),
                      c.listen);
            EXPECT_EQ(options->database, c.database);
            EXPECT_EQ(options->publicUrl, c.publicUrl);
        }
    }
    EXPECT_TRUE(std::get<Options>(parseOptions({"--help"}, "/srv")).help);
    for (const char* word :
         {"--listen", "--database", "--data", "--tls-cert", "--tls-key", "--downloads",
          "--public-url", "/ip", "/directory", "/downloads/progr/cards/", "/photos/",
          "/account/photo", "/scores", "/statistics", "--news", "/news"}) {
        EXPECT_TRUE(usage().contains(QLatin1String(word))) << word;
    }
}

}  // namespace
}  // namespace olk::service::testing
