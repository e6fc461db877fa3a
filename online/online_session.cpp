#include "online/online_session.h"

#include <QUrl>

#include "settings/address_cipher.h"

namespace olk::online {

OnlineSession::OnlineSession(Settings& settings, QString programFolder, QObject* parent)
    : QObject(parent),
      m_settings(settings),
      m_programFolder(std::move(programFolder)),
      m_accountAddress(defaultAccountAddress()),
      m_account(m_client, m_programFolder)
{
    m_client.setAddress(Endpoint::Scores, m_settings.serviceAddress);
    m_client.setAddress(Endpoint::Statistics, m_settings.statisticsAddress);
}

bool OnlineSession::useService(const QString& base)
{
    const QUrl url(base, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        return false;
    }
    QString root = url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment).toString();
    while (root.endsWith(u'/')) {
        root.chop(1);
    }
    const struct {
        Endpoint endpoint;
        const char* path;
    } paths[] = {{Endpoint::Directory, "/directory"},   {Endpoint::Account, "/account"},
                 {Endpoint::Scores, "/scores"},         {Endpoint::Statistics, "/statistics"},
                 {Endpoint::Tournament, "/tournament"}, {Endpoint::News, "/news"},
                 {Endpoint::Photos, "/photos/"},        {Endpoint::PublicAddress, "/ip"}};
    for (const auto& each : paths) {
        m_client.setAddress(each.endpoint, encipherAddress(root + QLatin1String(each.path)));
    }
    m_settings.serviceAddress = m_client.address(Endpoint::Scores);
    m_settings.statisticsAddress = m_client.address(Endpoint::Statistics);
    m_accountAddress = m_client.address(Endpoint::Account);
    return true;
}

void OnlineSession::start()
{
    if (m_started) {
        return;
    }
    m_started = true;
    fetchDirectory(0);
}

void OnlineSession::fetchDirectory(int round)
{
    if (round == 3) {
        settle();
        return;
    }
    m_client.fetch(Endpoint::Directory, QString(), [this, round](const Reply& reply) {
        m_documents[round] = reply;
        // A directory that cannot be reached now will not be reached a
        // moment later either: the other two lookups read the same nothing.
        if (!reply) {
            for (int later = round + 1; later < 3; ++later) {
                m_documents[later] = std::nullopt;
            }
            settle();
            return;
        }
        fetchDirectory(round + 1);
    });
}

void OnlineSession::settle()
{
    const OnlineAddresses addresses =
        resolveAddresses(m_settings.serviceAddress, m_settings.statisticsAddress, m_accountAddress,
                         m_documents[0], m_documents[1], m_documents[2]);
    m_settings.serviceAddress = addresses.scores;
    m_settings.statisticsAddress = addresses.statistics;
    m_client.setAddress(Endpoint::Scores, addresses.scores);
    m_client.setAddress(Endpoint::Statistics, addresses.statistics);
    m_client.setAddress(Endpoint::Account, addresses.account);
    m_worldTopTenPaused = addresses.worldTopTenPaused;
    m_chatPaused = addresses.chatPaused;
    emit addressesSettled();
    m_account.loginFromUserFile([this] { emit startupFinished(); });
}

}  // namespace olk::online
