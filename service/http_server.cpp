#include "service/http_server.h"

#include <httplib.h>

#include <QDateTime>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>

namespace olk::service {

namespace {

// The path as logged: control characters and non-ASCII bytes escaped, so a
// request cannot forge or break log lines.
std::string printable(const std::string& text)
{
    std::string out;
    for (const unsigned char c : text) {
        if (c < 0x21 || c >= 0x7F || c == '\\') {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// When the request being answered on this thread was taken up: set before
// routing, read and cleared by the log line. Requests the library refuses
// itself (a body over the cap, a malformed request) are logged without it.
thread_local std::optional<std::chrono::steady_clock::time_point> requestStarted;

}  // namespace

HttpServer::HttpServer(Service& service)
    : service_(service), server_(std::make_unique<httplib::Server>())
{
    install();
}

HttpServer::~HttpServer() = default;

bool HttpServer::useTls(const QString& certFile, const QString& keyFile, QString* error)
{
    auto tls = std::make_unique<httplib::SSLServer>(certFile.toLocal8Bit().constData(),
                                                    keyFile.toLocal8Bit().constData());
    if (!tls->is_valid()) {
        *error =
            QStringLiteral("cannot use the certificate %1 with the key %2").arg(certFile, keyFile);
        return false;
    }
    server_ = std::move(tls);
    install();
    return true;
}

void HttpServer::install()
{
    const auto handler = [this](const httplib::Request& req, httplib::Response& res) {
        const auto started = std::chrono::steady_clock::now();
        HttpRequest request;
        request.method = req.method;
        request.path = req.path;
        request.body = QByteArray::fromStdString(req.body);
        request.remoteAddress = req.remote_addr;
        request.cookies = parseCookieHeader(req.get_header_value("Cookie"));
        request.arrived = started;
        const HttpResponse response = service_.handle(request);
        // The library cuts a whole body to the ranges asked for (a media
        // player seeks in a track); the status must then say so.
        res.status = response.status == 200 && !req.ranges.empty() && !response.stream
                         ? 206
                         : response.status;
        if (response.stream) {
            res.set_chunked_content_provider(
                response.contentType,
                [stream = response.stream](std::size_t, httplib::DataSink& sink) {
                    const auto write = [&sink](const char* data, std::size_t size) {
                        return sink.is_writable() && sink.write(data, size);
                    };
                    if (!stream(write)) {
                        sink.done();
                    }
                    return true;
                });
        } else {
            res.set_content(response.body.toStdString(), response.contentType.c_str());
        }
        for (const std::string& cookie : response.setCookies) {
            res.headers.emplace("Set-Cookie", cookie);
        }
    };
    // Plain SO_REUSEADDR: the library's default, SO_REUSEPORT, would let a
    // second service bind the same port silently.
    server_->set_socket_options([](auto sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    // Replies go out as soon as they are written: with Nagle's algorithm a
    // reply's last segment waits for the client's delayed acknowledgement
    // (up to 40 ms on Linux) on a kept-alive connection.
    server_->set_tcp_nodelay(true);
    // A busy client keeps its connection for many requests: the library's
    // default of 5 makes it reconnect that often, and its listen queue of 5
    // then overflows under load (a dropped connection attempt is retried
    // only a second later).
    server_->set_keep_alive_max_count(1000);
    server_->new_task_queue = [threads = threads_] { return new httplib::ThreadPool(threads); };
    server_->set_pre_routing_handler([](const httplib::Request&, httplib::Response&) {
        requestStarted = std::chrono::steady_clock::now();
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server_->set_logger([this](const httplib::Request& req, const httplib::Response& res) {
        if (!logging_) {
            requestStarted.reset();
            return;
        }
        char ms[32] = "-";
        if (requestStarted) {
            const auto elapsed = std::chrono::duration<double, std::milli>(
                std::chrono::steady_clock::now() - *requestStarted);
            std::snprintf(ms, sizeof ms, "%.1fms", elapsed.count());
        }
        requestStarted.reset();
        const QByteArray time =
            QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1();
        std::fprintf(stderr, "%s %s %s %s %d %zu %s\n", time.constData(),
                     printable(req.remote_addr).c_str(), printable(req.method).c_str(),
                     printable(req.path).c_str(), res.status, res.body.size(), ms);
    });
    const std::string any = "(.*)";
    server_->Get(any, handler);
    server_->Post(any, handler);
    server_->Put(any, handler);
    server_->Delete(any, handler);
    server_->Patch(any, handler);
    server_->Options(any, handler);
    server_->set_payload_max_length(static_cast<std::size_t>(service_.router().largestBodyLimit()));
}

void HttpServer::setThreads(std::size_t threads)
{
    threads_ = std::max<std::size_t>(threads, 1);
    server_->new_task_queue = [n = threads_] { return new httplib::ThreadPool(n); };
}

namespace {

// The packaged library listens with a queue of 5 connection attempts: a
// burst of clients connecting at once overflows it, and an attempt dropped
// there is retried by the client only a second later. The listening socket
// bound to `port` is found among this process's descriptors and given the
// system's longest queue (listen may be called again on a listening socket).
void lengthenListenQueue(int port)
{
    for (int fd = 3; fd < 1024; ++fd) {
        int listening = 0;
        socklen_t size = sizeof listening;
        if (getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &size) != 0 || !listening) {
            continue;
        }
        sockaddr_storage address{};
        socklen_t length = sizeof address;
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            continue;
        }
        int bound = -1;
        if (address.ss_family == AF_INET) {
            bound = ntohs(reinterpret_cast<const sockaddr_in*>(&address)->sin_port);
        } else if (address.ss_family == AF_INET6) {
            bound = ntohs(reinterpret_cast<const sockaddr_in6*>(&address)->sin6_port);
        }
        if (bound == port) {
            ::listen(fd, SOMAXCONN);
        }
    }
}

}  // namespace

int HttpServer::bind(const QString& host, int port)
{
    const std::string address = host.toStdString();
    const int bound = port == 0 ? server_->bind_to_any_port(address)
                                : (server_->bind_to_port(address, port) ? port : -1);
    if (bound > 0) {
        lengthenListenQueue(bound);
    }
    return bound;
}

bool HttpServer::run()
{
    return server_->listen_after_bind();
}

void HttpServer::stop()
{
    // Streams (the club's radio) end first: each holds a server thread.
    service_.stopStreams();
    server_->stop();
}

}  // namespace olk::service
