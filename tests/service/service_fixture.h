#pragma once

// A service over a fresh database, for the handler and store tests: SQLite in
// a temporary folder, or the PostgreSQL database OLK_TEST_POSTGRESQL names
// (its tables are dropped first; "postgresql://" alone takes everything from
// the PG* variables, as pg_virtualenv sets them).

#include "core/cp1251.h"
#include "online/form_body.h"
#include "service/service.h"
#include "tests/service/member_fields.h"

#include <gtest/gtest.h>
#include <sodium.h>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrl>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace olk::service::testing {

inline QString postgresqlUrl()
{
    return qEnvironmentVariable("OLK_TEST_POSTGRESQL");
}

// Drops the service's tables from the test database.
inline void dropTables(const QString& url)
{
    const QUrl parsed(url);
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("olk-test-reset"));
        QString name = parsed.path();
        if (name.startsWith(QLatin1Char('/'))) {
            name.remove(0, 1);
        }
        db.setDatabaseName(name);
        if (!parsed.host().isEmpty()) {
            db.setHostName(parsed.host());
        }
        if (parsed.port() > 0) {
            db.setPort(parsed.port());
        }
        if (!parsed.userName().isEmpty()) {
            db.setUserName(parsed.userName());
        }
        if (!parsed.password().isEmpty()) {
            db.setPassword(parsed.password());
        }
        if (db.open()) {
            QSqlQuery query(db);
            for (const char* table :
                 {"schema_version", "members", "sessions", "member_info", "game_records", "scores",
                  "statistics", "tour_seats", "tour_players"}) {
                query.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(QLatin1String(table)));
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("olk-test-reset"));
}

// "sqlite" or "postgresql": which database a store test runs against.
class StoreBackend : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        if (std::string(GetParam()) == "postgresql") {
            if (postgresqlUrl().isEmpty()) {
                GTEST_SKIP() << "OLK_TEST_POSTGRESQL is not set";
            }
            dropTables(postgresqlUrl());
            database = postgresqlUrl();
        } else {
            ASSERT_TRUE(folder.isValid());
            database =
                QStringLiteral("sqlite:") + folder.filePath(QStringLiteral("service.sqlite"));
        }
        QString error;
        store = Store::open(database, &error);
        ASSERT_TRUE(store) << error.toStdString();
    }

    QTemporaryDir folder;
    QString database;
    std::unique_ptr<Store> store;
};

inline std::string backendName(const ::testing::TestParamInfo<const char*>& info)
{
    return info.param;
}

// The whole service on a store, with the cheapest password hashing and a
// clock the test sets.
class ServiceBackend : public StoreBackend {
protected:
    void SetUp() override
    {
        StoreBackend::SetUp();
        if (IsSkipped() || !store) {
            return;
        }
        Service::Config config;
        config.publicUrl = QStringLiteral("http://olk.example:8765");
        config.downloadsFolder = folder.filePath(QStringLiteral("downloads"));
        config.account.hashOps = crypto_pwhash_OPSLIMIT_MIN;
        config.account.hashMemory = crypto_pwhash_MEMLIMIT_MIN;
        config.account.photoFolder = folder.filePath(QStringLiteral("photos"));
        config.account.clock = [this] { return now; };
        service = std::make_unique<Service>(*store, config);
        // Generous limits: the rate tests set their own.
        for (RateClass c :
             {RateClass::Read, RateClass::Post, RateClass::Login, RateClass::Register}) {
            service->limiter().setRule(c, {1e6, 1e6});
        }
    }

    HttpResponse send(const std::string& method, const std::string& path, const QByteArray& body,
                      const std::string& cookie = {})
    {
        HttpRequest request;
        request.method = method;
        request.path = path;
        request.body = body;
        request.remoteAddress = "192.0.2.1";
        if (!cookie.empty()) {
            request.cookies[AccountService::sessionCookie] = cookie;
        }
        return service->handle(request);
    }

    // The reply text of an account request built the way the game builds it.
    QString account(const online::FormFields& fields, bool raw, const std::string& cookie = {})
    {
        const HttpResponse response =
            send("POST", "/account",
                 raw ? online::rawFormBody(fields) : online::listFormBody(fields), cookie);
        return QString::fromStdString(cp1251::toUtf8(response.body.toStdString()));
    }

    QString registerMember(const QString& nick, const QString& password,
                           const QString& city = QStringLiteral("Moscow"),
                           const QString& email = QStringLiteral("me@example.org"))
    {
        return account(registrationFields(nick, password, city, email), true);
    }

    // The session cookie of a login, empty when it failed.
    std::string login(const QString& nick, const QString& password, QString* replyText = nullptr)
    {
        const HttpResponse response =
            send("POST", "/account",
                 online::listFormBody(loginFields(nick, password)));
        if (replyText) {
            *replyText = QString::fromStdString(cp1251::toUtf8(response.body.toStdString()));
        }
        if (response.setCookies.empty()) {
            return {};
        }
        const std::string& cookie = response.setCookies.front();
        const auto start = cookie.find('=') + 1;
        return cookie.substr(start, cookie.find(';') - start);
    }

    qint64 now = 1'800'000'000;
    std::unique_ptr<Service> service;
};

}  // namespace olk::service::testing
