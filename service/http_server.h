#pragma once

#include "service/service.h"

#include <QString>
#include <memory>

namespace httplib {
class Server;
}

namespace olk::service {

// The socket side: cpp-httplib (HTTPS when given a certificate) on a pool of
// threads. It only converts requests and replies for the service's router
// and writes one log line per request to standard error.
class HttpServer {
public:
    explicit HttpServer(Service& service);
    ~HttpServer();

    // Empty `error` when the certificate and key were taken (or none given).
    bool useTls(const QString& certFile, const QString& keyFile, QString* error);

    // Port 0 picks a free port; the port bound is returned, -1 on failure.
    int bind(const QString& host, int port);
    // Serves until stop(); call after bind().
    bool run();
    void stop();

    void setLogging(bool on) { logging_ = on; }
    // How many connections are served at once (each kept-alive connection
    // holds a thread while it lasts); more wait for a free thread.
    void setThreads(std::size_t threads);

private:
    void install();

    Service& service_;
    std::unique_ptr<httplib::Server> server_;
    bool logging_ = true;
    std::size_t threads_ = 64;
};

}  // namespace olk::service
