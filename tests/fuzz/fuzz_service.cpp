// Any request to every endpoint of olk-service, on a real SQLite store: with
// no session, with a member's valid session, or with a made-up cookie. No
// request may crash the service or read out of bounds, and every answer is
// a status of the protocol with a body of bounded size.
//
// Input: one byte choosing the endpoint, one byte choosing the session, then
// the cookie (with the third choice) up to the first newline, then the body.

#include <sodium.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "online/form_body.h"
#include "service/service.h"
#include "service/store.h"
#include "tests/service/member_fields.h"

namespace {

namespace service = olk::service;

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

struct Club {
    QTemporaryDir folder;
    std::unique_ptr<service::Store> store;
    std::unique_ptr<service::Service> service;
    std::string session;  // a registered member's
    qint64 now = 1'800'000'000;
    std::chrono::steady_clock::time_point arrived = std::chrono::steady_clock::now();

    Club()
    {
        require(folder.isValid());
        QString error;
        store = service::Store::open(
            QStringLiteral("sqlite:") + folder.filePath(QStringLiteral("service.sqlite")), &error);
        require(store != nullptr);
        service::Service::Config config;
        config.publicUrl = QStringLiteral("http://olk.example:8765");
        config.downloadsFolder = folder.filePath(QStringLiteral("downloads"));
        config.newsFolder = folder.filePath(QStringLiteral("news"));
        config.account.hashOps = crypto_pwhash_OPSLIMIT_MIN;
        config.account.hashMemory = crypto_pwhash_MEMLIMIT_MIN;
        config.account.photoFolder = folder.filePath(QStringLiteral("photos"));
        config.account.clock = [this] { return now; };
        service = std::make_unique<service::Service>(*store, config);
        for (const service::RateClass c : {service::RateClass::Read, service::RateClass::Post,
                                           service::RateClass::Login,
                                           service::RateClass::Register}) {
            service->limiter().setRule(c, {1e9, 1e9});
        }
        post("/account", olk::online::rawFormBody(
                             service::testing::registrationFields(QStringLiteral("Anna"),
                                                                  QStringLiteral("secret"))));
        const service::HttpResponse login =
            post("/account", olk::online::listFormBody(service::testing::loginFields(
                                 QStringLiteral("Anna"), QStringLiteral("secret"))));
        require(!login.setCookies.empty());
        const std::string& cookie = login.setCookies.front();
        const auto start = cookie.find('=') + 1;
        session = cookie.substr(start, cookie.find(';') - start);
    }

    service::HttpResponse post(const std::string& path, const QByteArray& body)
    {
        service::HttpRequest request;
        request.method = "POST";
        request.path = path;
        request.body = body;
        request.remoteAddress = "192.0.2.1";
        return service->handle(request);
    }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    require(sodium_init() >= 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Never destroyed: the store's connections belong to the thread, and
    // the thread's storage is gone before static objects are.
    static Club& club = *new Club;
    if (size < 2) {
        return 0;
    }
    static const struct {
        const char* method;
        const char* path;
    } endpoints[] = {
        {"POST", "/account"},     {"POST", "/scores"},
        {"POST", "/statistics"},  {"POST", "/tournament"},
        {"POST", "/account/photo"}, {"GET", "/photos/Anna.jpg"},
        {"GET", "/ip"},           {"GET", "/directory"},
        {"GET", "/news"},         {"GET", "/downloads/progr/cards/TevCards06A.dll"},
        {"GET", "/musik/_playlist.html"}, {"GET", "/nowhere"},
    };
    const auto& endpoint = endpoints[data[0] % std::size(endpoints)];
    service::HttpRequest request;
    request.method = endpoint.method;
    request.path = endpoint.path;
    request.remoteAddress = "198.51.100." + std::to_string(data[1] % 8);
    QByteArray rest(reinterpret_cast<const char*>(data) + 2, static_cast<qsizetype>(size - 2));
    switch (data[1] / 8 % 3) {
    case 1:
        request.cookies[service::AccountService::sessionCookie] = club.session;
        break;
    case 2: {
        const qsizetype end = rest.indexOf('\n');
        const QByteArray cookie = end < 0 ? rest : rest.left(end);
        request.cookies[service::AccountService::sessionCookie] = cookie.toStdString();
        rest = end < 0 ? QByteArray() : rest.mid(end + 1);
        break;
    }
    default:
        break;
    }
    request.body = rest;
    // Time goes on, a minute a request, so that sessions and limits move too.
    club.now += 60;
    club.arrived += std::chrono::minutes(1);
    request.arrived = club.arrived;
    const service::HttpResponse response = club.service->handle(request);
    require(response.status >= 200 && response.status < 600);
    require(!response.stream);  // no endpoint here streams
    require(response.body.size() <= 16 * 1024 * 1024);
    return 0;
}
