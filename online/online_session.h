#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "online/account.h"
#include "online/records.h"
#include "online/service_client.h"
#include "settings/settings.h"

namespace olk::online {

// The game's side of the online service for a run: the shared client, the
// addresses the start-up lookup settles, the pause flags, and the account
// (its state and user). Nothing here ever waits: every request answers
// through the event loop.
class OnlineSession : public QObject {
    Q_OBJECT

public:
    // `settings` keeps the score-table and statistics addresses, which the
    // lookup may replace; the user file lies above `programFolder`.
    OnlineSession(Settings& settings, QString programFolder, QObject* parent = nullptr);

    ServiceClient& client() { return m_client; }
    Account& account() { return m_account; }
    int accountState() const { return m_account.state(); }
    const TTevUser& user() const { return m_account.user(); }
    bool worldTopTenPaused() const { return m_worldTopTenPaused; }
    bool chatPaused() const { return m_chatPaused; }
    bool started() const { return m_started; }

    // Points every address at the olk-service at `base` ("http://host:port"):
    // its directory, accounts, score tables, statistics, tournament, news
    // and photos. False, and nothing changed, for an address that is not an
    // http or https one.
    bool useService(const QString& base);

    // The start-up work, once: the service directory is read (three times,
    // as each entry is looked up), the addresses settle, and then the
    // account of the user file, if there is one, logs in; a failure is
    // silent. Returns at once.
    void start();

signals:
    // The addresses and pause flags are settled (whether or not the
    // directory could be read).
    void addressesSettled();
    // The start-up work is over; the account may be logged in.
    void startupFinished();

private:
    void fetchDirectory(int round);
    void settle();

    Settings& m_settings;
    QString m_programFolder;
    QByteArray m_accountAddress;  // the built-in one, or the chosen service's
    ServiceClient m_client;
    std::optional<QByteArray> m_documents[3];
    Account m_account;
    bool m_worldTopTenPaused = false;
    bool m_chatPaused = false;
    bool m_started = false;
};

}  // namespace olk::online
