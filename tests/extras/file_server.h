#pragma once

// A little HTTP server on loopback for the download tests.

#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include "records/resource_library.h"

namespace olk {

// A little HTTP server on loopback that answers each file its own way.
// It answers each file of the download path its own way: "TevCards06A.dll"
// whole and valid, "TevCards06B.dll" broken off halfway, "TevCards06C.dll"
// a web page, "TevRadio.rad" a radio list; anything else is not found.
class FileServer : public QObject {
public:
    FileServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    m_request += socket->readAll();
                    if (m_request.contains("\r\n\r\n")) {
                        answer(socket, m_request.split(' ').value(1));
                        m_request.clear();
                    }
                });
            }
        });
    }

    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()));
    }

    static QByteArray library()
    {
        return packResourceLibrary({{"Ch02Med", ResourceKind::Png, QByteArray(5000, 'p')}}).value();
    }

private:
    void answer(QTcpSocket* socket, const QByteArray& path)
    {
        const QByteArray good = library();
        auto send = [socket](const QByteArray& status, const QByteArray& body, qint64 length) {
            socket->write("HTTP/1.1 " + status + "\r\nContent-Length: " +
                          QByteArray::number(length) + "\r\nConnection: close\r\n\r\n" + body);
            socket->flush();
            socket->disconnectFromHost();
        };
        if (path.endsWith("/downloads/progr/cards/TevCards06A.dll")) {
            send("200 OK", good, good.size());
        } else if (path.endsWith("/TevCards06B.dll")) {
            send("200 OK", good.left(good.size() / 2), good.size());  // breaks off
        } else if (path.endsWith("/TevCards06C.dll")) {
            const QByteArray page = "<html>not a library</html>";
            send("200 OK", page, page.size());
        } else if (path.endsWith("/TevRadio.rad")) {
            send("200 OK", "Radio one|http://127.0.0.1/one\r\n", 32);
        } else {
            send("404 Not Found", "missing", 7);
        }
    }

    QTcpServer m_server;
    QByteArray m_request;
};

}  // namespace olk
