#pragma once

#include "service/account_service.h"
#include "service/http_types.h"
#include "service/rate_limiter.h"
#include "service/store.h"

#include <QString>

namespace olk::service {

// The online tournament, posted to one address (PUBLIC-URL/tournament) with
// the game code 84 (k a place 1..4, n a table 1..10):
//   TourTables      (list: readtable410, gid)     the ten tables, table 10
//                                                 first: "$" n, n, 84, relay
//                                                 address, relay port, state,
//                                                 then per place nick, score,
//                                                 games, rating, country,
//                                                 city, sex, address "*"
//   TourSeat        (raw: client4onk or clientonk, gid, num, can, nickk,
//                    scorek, konk, ratingk, countryk, cityk, sexk, ipk)
//                   can 1 takes place k, 2 leaves it, 0 frees it: "ok"
//                   done, "is" the place is the caller's already, "no"
//   TourClientRead  (list: readclientk, gid, num)  one place's occupant
//   TourServerInfo  (list: serverinforead, gid)    status letter, message
//   TourRatingRead  (raw: readrating84, nick)      score, games, rating
//   TourTopTen      (list: top10X84, nick)         the best ten by X = s
//                                                  (score), r (rating) or k
//                                                  (games)
//   TourPlace       (raw: placeX84, score1 | rating1 | kon1)  a value's place
//
// What the wire leaves open is settled here:
// - A place is taken or freed only within the session (AccountLogin) of the
//   member it belongs to. A taken place carries the member's tournament
//   record and passport values as the service keeps them, and the address
//   the request came from; the values the game sends with it are not kept.
// - A member holds one place over all tables; place k > 1 is taken only
//   while place k - 1 is; places are taken only while the tournament is
//   open (status "Y").
// - Leaving or freeing one's place frees the later places of the table too.
//   Freeing a place that is already free is done ("ok"); someone else's is
//   refused.
// - Two members playing from one address do not sit at one table, unless
//   the relay is on this machine's loopback (a local test) or one of them is
//   the administrator.
// - The relay of table n listens at the relay address on base port + n.
class TournamentService {
public:
    struct Config {
        QChar status = u'Y';  // "Y": open
        QString message;
        QString relayAddress = QStringLiteral("127.0.0.1");
        int relayBasePort = 8865;
        QString adminNick;  // none when empty
    };

    TournamentService(Store& store, RateLimiter& limiter, AccountService& accounts, Config config);

    HttpResponse handle(const HttpRequest& request);

    static constexpr int gameCode = 84;
    static constexpr int tables = 10;
    static constexpr int places = 4;

private:
    HttpResponse seat(const HttpRequest& request);
    HttpResponse tablesReply(const QString& callerAddress);

    Store& store_;
    RateLimiter& limiter_;
    AccountService& accounts_;
    Config config_;
};

}  // namespace olk::service
