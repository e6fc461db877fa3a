#pragma once

#include "service/account_service.h"
#include "service/http_types.h"
#include "service/rate_limiter.h"
#include "service/store.h"

namespace olk::service {

// The world score tables and the chat board, posted to one address
// (PUBLIC-URL/scores):
//   ScoreTable  (list form: gid)                 the table's best ten
//   ScoreCount  (list form: rgid)                its number of entries
//   MyScores    (raw form: gid, nick, city)      one player's best ten
//   ScorePost   (raw form: gid, nick, city, country, score, R7, R8, R9, R10
//                and "*" right after the R10 value)   the new entry's place
// Records are "$" place, entry number, score, nick, country, city, R07, R08,
// R09, R10 "*"; blanks in values travel as "_".
//
// Tables: 804 (this game's cycle scores, signed with the passport), 1104
// (the account table: posted only within the session of the nick it names;
// a place 1 earns 25 Tevs, places 2-10 earn 10, awarded here), 100 (the chat
// board: a message is taken only with the number after the latest, R10 the
// message of at most 80 characters, R09 the writer's time, date and game;
// the latest 100 are kept); 904 (the other edition's table) is only read.
// The world tables take only scores a 40-deal cycle can reach
// (plausibility.h); equal scores rank by the earlier post.
class ScoreService {
public:
    ScoreService(Store& store, RateLimiter& limiter, AccountService& accounts);

    HttpResponse handle(const HttpRequest& request);

    static constexpr qint64 chatTable = 100;
    static constexpr qint64 windowsTable = 804;
    static constexpr qint64 androidTable = 904;
    static constexpr qint64 accountTable = 1104;
    static constexpr qsizetype chatMessageLongest = 80;
    static constexpr qsizetype chatStampLongest = 80;

private:
    Store& store_;
    RateLimiter& limiter_;
    AccountService& accounts_;
};

}  // namespace olk::service
