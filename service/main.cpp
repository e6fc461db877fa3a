// olk-service: the online service of Olk. See `olk-service --help`.

#include "service/http_server.h"
#include "service/news_publish.h"
#include "service/options.h"
#include "service/relay.h"

#include <pthread.h>
#include <QCoreApplication>
#include <QDir>
#include <csignal>
#include <cstdio>
#include <thread>

using namespace olk::service;

int main(int argc, char** argv)
{
    // SIGINT and SIGTERM are taken by sigwait below, on the main thread;
    // blocked here before any thread starts, so no server thread gets them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    QCoreApplication app(argc, argv);
    if (app.arguments().size() > 1 && app.arguments()[1] == QLatin1String("publish-news")) {
        return runPublishNews(app.arguments().mid(2), QDir::currentPath());
    }
    const auto parsed = parseOptions(app.arguments().mid(1), QDir::currentPath());
    if (const auto* error = std::get_if<QString>(&parsed)) {
        std::fprintf(stderr, "olk-service: %s\nTry 'olk-service --help'.\n", qPrintable(*error));
        return 2;
    }
    const Options& options = std::get<Options>(parsed);
    if (options.help) {
        std::fputs(qPrintable(usage()), stdout);
        return 0;
    }
    if (!QDir().mkpath(options.dataFolder)) {
        std::fprintf(stderr, "olk-service: cannot create the data folder %s\n",
                     qPrintable(options.dataFolder));
        return 1;
    }
    QString error;
    std::unique_ptr<Store> store = Store::open(options.database, &error);
    if (!store) {
        std::fprintf(stderr, "olk-service: %s\n", qPrintable(error));
        return 1;
    }
    Service::Config config;
    config.publicUrl = options.publicUrl;
    config.downloadsFolder = options.downloads;
    config.newsFolder = options.news;
    config.musicFolder = options.music;
    config.account = AccountService::defaultConfig();
    config.account.photoFolder = QDir(options.dataFolder).filePath(QStringLiteral("photos"));
    config.account.secureCookies = !options.tlsCert.isEmpty();
    config.tournament.status = options.tournamentStatus.front();
    config.tournament.message = options.tournamentMessage;
    config.tournament.relayAddress = options.relayAddress;
    config.tournament.relayBasePort = options.relayBasePort;
    config.tournament.adminNick = options.tournamentAdmin;
    {
        Service service(*store, config);
        if (!options.rateLimit) {
            for (RateClass c :
                 {RateClass::Read, RateClass::Post, RateClass::Login, RateClass::Register}) {
                service.limiter().setRule(c, {1e15, 1e15});
            }
            std::fprintf(stderr, "olk-service: rate limits are off (--no-rate-limit)\n");
        }
        HttpServer server(service);
        server.setThreads(static_cast<std::size_t>(options.threads));
        if (!options.tlsCert.isEmpty() && !server.useTls(options.tlsCert, options.tlsKey, &error)) {
            std::fprintf(stderr, "olk-service: %s\n", qPrintable(error));
            return 2;
        }
        if (server.bind(options.listenHost, options.listenPort) < 0) {
            std::fprintf(stderr,
                         "olk-service: cannot listen on %s port %d (in use, or not this machine's "
                         "address)\n",
                         qPrintable(options.listenHost), options.listenPort);
            return 2;
        }
        std::fprintf(
            stderr, "olk-service: listening on %s port %d, public address %s, database %s\n",
            qPrintable(options.listenHost), options.listenPort, qPrintable(options.publicUrl),
            qPrintable(options.database.startsWith(QLatin1String("sqlite:"))
                           ? options.database
                           : QStringLiteral("PostgreSQL")));
        // The tournament relay listens where the service does, in a thread
        // of its own.
        Relay::Config relayConfig;
        relayConfig.listenAddress = options.listenHost;
        relayConfig.basePort = options.relayBasePort;
        Relay relay(*store, relayConfig);
        if (options.relay) {
            if (!relay.start(&error)) {
                std::fprintf(stderr, "olk-service: %s\n", qPrintable(error));
                return 2;
            }
            std::fprintf(stderr, "olk-service: tournament relay on %s ports %d..%d (table 1..%d)\n",
                         qPrintable(options.listenHost), options.relayBasePort + 1,
                         options.relayBasePort + relayConfig.tables, relayConfig.tables);
        }
        std::thread serving([&server] { server.run(); });
        int signal = 0;
        sigwait(&stopSignals, &signal);
        std::fprintf(stderr, "olk-service: stopping (signal %d)\n", signal);
        server.stop();
        serving.join();
        relay.stop();
    }
    store.reset();
    return 0;
}
