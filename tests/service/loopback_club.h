#pragma once

// olk-service on SQLite in a temporary folder, serving on a free loopback
// port in the test's process, for the game's side to talk to; with its
// tournament relay on free ports when asked for.

#include <gtest/gtest.h>
#include <sodium.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <memory>
#include <thread>

#include "service/http_server.h"
#include "service/relay.h"
#include "service/service.h"
#include "service/store.h"

namespace olk::testing {

class Club {
public:
    enum class Relay { None, Run };

    explicit Club(Relay withRelay = Relay::None)
    {
        QString error;
        store = service::Store::open(
            QStringLiteral("sqlite:") + folder.filePath(QStringLiteral("club.sqlite")), &error);
        EXPECT_TRUE(store) << error.toStdString();
        service::Service::Config config;
        if (withRelay == Relay::Run) {
            service::Relay::Config relayConfig;
            relayConfig.lingerMilliseconds = 200;
            for (int attempt = 0; attempt < 20 && !relay; ++attempt) {
                relayConfig.basePort = 20000 + QRandomGenerator::global()->bounded(30000);
                relay = std::make_unique<service::Relay>(*store, relayConfig);
                if (!relay->start(&error)) {
                    relay.reset();
                }
            }
            EXPECT_TRUE(relay) << "no free ports for the relay";
            config.tournament.relayBasePort = relayConfig.basePort;
        }
        config.account.hashOps = crypto_pwhash_OPSLIMIT_MIN;
        config.account.hashMemory = crypto_pwhash_MEMLIMIT_MIN;
        config.account.photoFolder = folder.filePath(QStringLiteral("photos"));
        config.newsFolder = folder.filePath(QStringLiteral("news"));
        club = std::make_unique<service::Service>(*store, config);
        for (service::RateClass c : {service::RateClass::Read, service::RateClass::Post,
                                     service::RateClass::Login, service::RateClass::Register}) {
            club->limiter().setRule(c, {1e6, 1e6});
        }
        server = std::make_unique<service::HttpServer>(*club);
        server->setLogging(false);
        port = server->bind(QStringLiteral("127.0.0.1"), 0);
        club->setPublicUrl(address());
        serving = std::thread([this] { server->run(); });
    }
    ~Club()
    {
        server->stop();
        serving.join();
        if (relay) {
            relay->stop();
        }
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(port); }

    QTemporaryDir folder;
    std::unique_ptr<service::Store> store;
    std::unique_ptr<service::Relay> relay;
    std::unique_ptr<service::Service> club;
    std::unique_ptr<service::HttpServer> server;
    std::thread serving;
    int port = 0;
};

// Runs the event loop until `done` holds, for at most `ms`; whether it holds.
inline bool settle(const std::function<bool()>& done, int ms = 10000)
{
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return done();
}

}  // namespace olk::testing
