#pragma once

#include "service/http_types.h"
#include "service/rate_limiter.h"
#include "service/store.h"

#include <QString>
#include <functional>
#include <optional>

namespace olk::service {

// The account service: every account request of the game arrives as a form
// post to one address and is recognised by its field names, in order. The
// replies are what the game reads: a marker ("ok", "is", "no"), a "$" field
// block, "$ ... *" records, or a number after the last "$".
//
// What the wire leaves open is settled here:
// - Passwords are kept only as Argon2id hashes.
// - AccountLogin opens a session: a random token in a cookie, kept in the
//   database with its member and expiry.
// - TevsCredit moves Tevs only within a session and only out of the
//   session's own account: the game's transfer is a credit of +amount to the
//   target followed by a credit of -amount to its own nick; the first does
//   the whole move in one transaction, the second only confirms it. The
//   account table's bonus is awarded by the service itself when the score
//   is posted (score_service.h); the game's own credit of it only confirms
//   it. Nothing else creates or destroys Tevs.
// - InfoSave needs the member's session (the game sends no password with
//   it); GameRecordWrite the member's password or session; TevsRead answers
//   only for the session's own member.
// - Photos are posted to /account/photo within the member's session.
class AccountService {
public:
    struct Config {
        // Argon2id cost (libsodium's opslimit and memlimit).
        unsigned long long hashOps;
        std::size_t hashMemory;
        qint64 sessionSeconds = 30 * 24 * 3600;
        bool secureCookies = false;
        QString photoFolder;
        std::function<qint64()> clock;  // seconds since the epoch
    };

    // The interactive Argon2id cost; tests use the smallest one.
    static Config defaultConfig();

    AccountService(Store& store, RateLimiter& limiter, Config config);

    HttpResponse handle(const HttpRequest& request);
    HttpResponse uploadPhoto(const HttpRequest& request);
    HttpResponse photo(const HttpRequest& request);

    // The session a request's cookie names, when it is valid now.
    struct Session {
        QString token;
        QString nick;  // as registered
    };
    std::optional<Session> sessionOf(const HttpRequest& request) const;

    static constexpr qsizetype photoLimit = 1024 * 1024;
    static constexpr const char* sessionCookie = "olk_session";

    // Where a member's photo lies: the nick's key spelled in hexadecimal, so
    // no nick can name another file.
    QString photoPath(const QString& nick) const;

private:
    Store& store_;
    RateLimiter& limiter_;
    Config config_;
};

// The hash to keep for a password; empty when hashing fails.
QString hashPassword(const QString& password, unsigned long long ops, std::size_t memory);
bool passwordMatches(const QString& hash, const QString& password);

}  // namespace olk::service
