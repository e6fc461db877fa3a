#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <functional>
#include <map>

#include "online/requests.h"

namespace olk::online {

// The HTTP side of the online service. One client lives as long as the main
// window: its cookies carry over from request to request, every form post
// carries kUserAgent, kAccept and kContentType, and once a request that
// waits at most kReadTimeoutMs has been sent, every later one waits that
// long too. Before that, and for the directory, the news and the photos
// (fetched by short-lived managers of their own: default headers, no
// cookies shared), a transfer ends only after kLongestSilenceMs without a
// byte: a service that takes connections and never answers must not keep
// requests, and their sockets, pending for ever while the menu asks again
// every half minute.
//
// Addresses are kept enciphered (settings/address_cipher.h) and deciphered
// only when a request goes out; they start at the built-in ones.
// Every transfer error (unreadable address, refused, timed out, an HTTP
// error status, a reply over kMostReply) reaches `done` as an empty Reply;
// `done` is called exactly once, from the event loop, never from inside
// send() or fetch().
class ServiceClient : public QObject {
public:
    explicit ServiceClient(QObject* parent = nullptr);
    // Requests still on their way are dropped without calling their `done`.
    ~ServiceClient() override;

    void setAddress(Endpoint endpoint, const QByteArray& enciphered);
    QByteArray address(Endpoint endpoint) const;

    using Done = std::function<void(const Reply&)>;
    void send(const ServiceRequest& request, Done done);
    // A GET of the endpoint's address followed by `suffix` (a photo's
    // nick + ".jpg").
    void fetch(Endpoint endpoint, const QString& suffix, Done done);
    // A POST of `body` as `contentType` to the endpoint's address followed
    // by `suffix`, with the shared cookies (a member's photo goes to the
    // account address + "/photo" within the session).
    void upload(Endpoint endpoint, const QString& suffix, const QByteArray& body,
                const QByteArray& contentType, Done done);

    // 0 while no request has set the read time-out.
    int readTimeoutMs() const { return m_readTimeoutMs; }

    static constexpr qsizetype kMostReply = 4 * 1024 * 1024;
    static constexpr int kLongestSilenceMs = 30000;

private:
    QNetworkAccessManager m_manager;
    std::map<Endpoint, QByteArray> m_addresses;
    int m_readTimeoutMs = 0;
};

// Sends and waits in a local event loop: for the callers that need the
// result before they go on.
Reply sendAndWait(ServiceClient& client, const ServiceRequest& request);
Reply fetchAndWait(ServiceClient& client, Endpoint endpoint, const QString& suffix = {});

}  // namespace olk::online
