#include "service_client.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "settings/address_cipher.h"

namespace olk::online {

namespace {

std::optional<QUrl> plainUrl(const QByteArray& enciphered, const QString& suffix)
{
    const std::optional<QString> address = decipherAddress(enciphered);
    if (!address) {
        return std::nullopt;
    }
    const QUrl url(*address + suffix, QUrl::StrictMode);
    if (!url.isValid() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        return std::nullopt;
    }
    return url;
}

// Collects the reply within kMostReply and calls `done` once when it ends.
void collect(QNetworkReply* reply, ServiceClient::Done done, QObject* lifetime = nullptr)
{
    auto body = std::make_shared<QByteArray>();
    auto finished = std::make_shared<bool>(false);
    const auto finish = [reply, body, finished, done = std::move(done), lifetime](bool ok) {
        if (*finished) {
            return;
        }
        *finished = true;
        reply->deleteLater();
        if (lifetime) {
            lifetime->deleteLater();
        }
        done(ok ? Reply(*body) : std::nullopt);
    };
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, body, finish] {
        if (body->size() + reply->bytesAvailable() > ServiceClient::kMostReply) {
            finish(false);
            reply->abort();
            return;
        }
        body->append(reply->readAll());
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, body, finish] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() == QNetworkReply::NoError && status >= 200 && status < 300) {
            if (body->size() + reply->bytesAvailable() > ServiceClient::kMostReply) {
                finish(false);
                return;
            }
            body->append(reply->readAll());
            finish(true);
        } else {
            finish(false);
        }
    });
}

// Reports a failure from the event loop, as a transfer would.
void failLater(QObject* context, ServiceClient::Done done)
{
    QTimer::singleShot(0, context, [done = std::move(done)] { done(std::nullopt); });
}

}  // namespace

ServiceClient::ServiceClient(QObject* parent)
    : QObject(parent),
      m_addresses{
          {Endpoint::Directory, directoryAddress()},
          {Endpoint::Account, defaultAccountAddress()},
          {Endpoint::Scores, defaultServiceAddress()},
          {Endpoint::Statistics, defaultStatisticsAddress()},
          {Endpoint::Tournament, tournamentAddress()},
          {Endpoint::News, newsAddress()},
          {Endpoint::Photos, photoStoreAddress()},
          {Endpoint::PublicAddress, publicAddressAddress()},
      }
{
    // Redirects are not part of the service; a 3xx is an error status.
    m_manager.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

ServiceClient::~ServiceClient()
{
    const auto drop = [](const QList<QNetworkReply*>& replies) {
        for (QNetworkReply* reply : replies) {
            reply->disconnect();
            delete reply;
        }
    };
    drop(m_manager.findChildren<QNetworkReply*>());
    drop(findChildren<QNetworkReply*>());
}

void ServiceClient::setAddress(Endpoint endpoint, const QByteArray& enciphered)
{
    m_addresses[endpoint] = enciphered;
}

QByteArray ServiceClient::address(Endpoint endpoint) const
{
    const auto it = m_addresses.find(endpoint);
    return it == m_addresses.end() ? QByteArray() : it->second;
}

void ServiceClient::send(const ServiceRequest& request, Done done)
{
    if (request.readTimeout3s) {
        m_readTimeoutMs = kReadTimeoutMs;
    }
    const std::optional<QUrl> url = plainUrl(address(request.endpoint), QString());
    if (!url) {
        failLater(this, std::move(done));
        return;
    }
    QNetworkRequest post(*url);
    post.setHeader(QNetworkRequest::UserAgentHeader, QByteArray(kUserAgent));
    post.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(kContentType));
    post.setRawHeader("Accept", kAccept);
    post.setTransferTimeout(m_readTimeoutMs > 0 ? m_readTimeoutMs : kLongestSilenceMs);
    collect(m_manager.post(post, request.body()), std::move(done));
}

void ServiceClient::fetch(Endpoint endpoint, const QString& suffix, Done done)
{
    const std::optional<QUrl> url = plainUrl(address(endpoint), suffix);
    if (!url) {
        failLater(this, std::move(done));
        return;
    }
    auto* manager = new QNetworkAccessManager(this);
    manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    QNetworkRequest get(*url);
    get.setTransferTimeout(kLongestSilenceMs);
    collect(manager->get(get), std::move(done), manager);
}

void ServiceClient::upload(Endpoint endpoint, const QString& suffix, const QByteArray& body,
                           const QByteArray& contentType, Done done)
{
    const std::optional<QUrl> url = plainUrl(address(endpoint), suffix);
    if (!url) {
        failLater(this, std::move(done));
        return;
    }
    QNetworkRequest post(*url);
    post.setHeader(QNetworkRequest::UserAgentHeader, QByteArray(kUserAgent));
    post.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    post.setTransferTimeout(m_readTimeoutMs > 0 ? m_readTimeoutMs : kLongestSilenceMs);
    collect(m_manager.post(post, body), std::move(done));
}

namespace {

Reply wait(const std::function<void(ServiceClient::Done)>& start)
{
    QEventLoop loop;
    Reply result;
    bool arrived = false;
    start([&](const Reply& reply) {
        result = reply;
        arrived = true;
        loop.quit();
    });
    if (!arrived) {
        loop.exec();
    }
    return result;
}

}  // namespace

Reply sendAndWait(ServiceClient& client, const ServiceRequest& request)
{
    return wait([&](ServiceClient::Done done) { client.send(request, std::move(done)); });
}

Reply fetchAndWait(ServiceClient& client, Endpoint endpoint, const QString& suffix)
{
    return wait([&](ServiceClient::Done done) { client.fetch(endpoint, suffix, std::move(done)); });
}

}  // namespace olk::online
