#pragma once

// A minimal HTTP/1.1 server on loopback for the online client's tests.

#include <QHostAddress>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <deque>

#include "settings/address_cipher.h"

namespace olk::online {

// One HTTP request as the loopback server saw it.
struct Seen {
    QByteArray method;
    QByteArray path;
    QMap<QByteArray, QByteArray> headers;  // names in lower case
    QByteArray body;
};

// A minimal HTTP/1.1 server on loopback: records every request and answers
// each with the next canned response (or 200 "ok" when none is left).
class LoopbackServer {
public:
    LoopbackServer()
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [this, socket] { serve(socket); });
            }
        });
    }

    QByteArray address(const char* path) const
    {
        return encipherAddress(QStringLiteral("http://127.0.0.1:%1%2")
                                   .arg(server.serverPort())
                                   .arg(QString::fromLatin1(path)));
    }

    void answer(QByteArray response) { responses.push_back(std::move(response)); }

    static QByteArray response(const QByteArray& status, const QByteArray& body,
                               const QByteArray& extraHeaders = {})
    {
        return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\n" + extraHeaders + "\r\n" + body;
    }

    QTcpServer server;
    std::deque<QByteArray> responses;
    QList<Seen> seen;

private:
    void serve(QTcpSocket* socket)
    {
        QByteArray& pending = buffers[socket];
        pending += socket->readAll();
        while (true) {
            const qsizetype headEnd = pending.indexOf("\r\n\r\n");
            if (headEnd < 0) {
                return;
            }
            Seen request;
            const QList<QByteArray> lines = pending.left(headEnd).split('\n');
            const QList<QByteArray> first = lines.front().trimmed().split(' ');
            request.method = first.value(0);
            request.path = first.value(1);
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const qsizetype colon = lines[i].indexOf(':');
                if (colon > 0) {
                    request.headers[lines[i].left(colon).trimmed().toLower()] =
                        lines[i].mid(colon + 1).trimmed();
                }
            }
            const qsizetype length = request.headers.value("content-length", "0").toLongLong();
            if (pending.size() < headEnd + 4 + length) {
                return;
            }
            request.body = pending.mid(headEnd + 4, length);
            pending.remove(0, headEnd + 4 + length);
            seen.append(request);
            QByteArray reply = response("200 OK", "ok");
            if (!responses.empty()) {
                reply = responses.front();
                responses.pop_front();
            }
            socket->write(reply);
        }
    }

    QMap<QTcpSocket*, QByteArray> buffers;
};

}  // namespace olk::online
