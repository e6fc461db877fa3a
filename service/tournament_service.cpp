#include "service/tournament_service.h"

#include "service/field_checks.h"
#include "service/reply_text.h"

namespace olk::service {

namespace {

HttpResponse reply(const QString& text)
{
    HttpResponse response;
    response.body = replyBytes(text);
    return response;
}

HttpResponse refused()
{
    return reply(QStringLiteral("no"));
}

HttpResponse unavailable()
{
    return plainResponse(503, "Try again later\n");
}

QByteArray code()
{
    return QByteArray::number(TournamentService::gameCode);
}

bool isGameCode(const QString& text)
{
    return text == QString::number(TournamentService::gameCode);
}

// A table or place number in 1..`last`, or 0.
int numberIn(const QString& text, int last)
{
    const auto value = integerValue(text);
    return value && *value >= 1 && *value <= last ? static_cast<int>(*value) : 0;
}

struct Ranking {
    char letter;
    TourRanking ranking;
    const char* valueName;  // of TourPlace
};
constexpr Ranking rankings[] = {
    {'s', TourRanking::Score, "score1"},
    {'r', TourRanking::Rating, "rating1"},
    {'k', TourRanking::Games, "kon1"},
};

qint64 rankedValue(const TourStanding& s, TourRanking ranking)
{
    switch (ranking) {
    case TourRanking::Score:
        return s.score;
    case TourRanking::Rating:
        return s.rating;
    case TourRanking::Games:
        break;
    }
    return s.kon;
}

// The eight tokens of one place: its occupant, or the free place's "X"s.
// An occupant's address is told only to a caller at that same address
// (which is all the game asks it for: whether two players share one);
// anyone else reads "X", so the list gives nobody's address away.
QStringList placeTokens(const TourSeat* seat, const QString& callerAddress)
{
    if (seat == nullptr) {
        return {QStringLiteral("X"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("M"), QStringLiteral("X")};
    }
    return {replyToken(seat->nick),        QString::number(seat->score), QString::number(seat->kon),
            QString::number(seat->rating), replyToken(seat->country),    replyToken(seat->city),
            replyToken(seat->sex),
            seat->ip == callerAddress ? replyToken(seat->ip) : QStringLiteral("X")};
}

}  // namespace

TournamentService::TournamentService(Store& store, RateLimiter& limiter, AccountService& accounts,
                                     Config config)
    : store_(store), limiter_(limiter), accounts_(accounts), config_(std::move(config))
{
}

HttpResponse TournamentService::handle(const HttpRequest& request)
{
    const QByteArray& body = request.body;
    if (body.startsWith("client")) {
        return seat(request);
    }
    if (const auto v = formValues(body, {"readtable410", "gid"}, false)) {
        return isGameCode((*v)[0]) && isGameCode((*v)[1])
                   ? tablesReply(QString::fromStdString(request.remoteAddress))
                   : refused();
    }
    if (const auto v = formValues(body, {"serverinforead", "gid"}, false)) {
        if ((*v)[0] != QLatin1String("0") || !isGameCode((*v)[1])) {
            return refused();
        }
        return reply(QStringLiteral("ok$") + config_.status + QLatin1Char(' ') +
                     replyToken(config_.message));
    }
    for (int k = 1; k <= places; ++k) {
        const auto v =
            formValues(body, {"readclient" + QByteArray::number(k), "gid", "num"}, false);
        if (!v) {
            continue;
        }
        const int table = numberIn((*v)[2], tables);
        if ((*v)[0] != QLatin1String("0") || !isGameCode((*v)[1]) || table == 0) {
            return refused();
        }
        const auto seats = store_.tourSeats();
        if (!seats) {
            return unavailable();
        }
        const TourSeat* found = nullptr;
        for (const TourSeat& s : *seats) {
            if (s.table == table && s.place == k) {
                found = &s;
            }
        }
        return reply(
            QStringLiteral("ok$") +
            placeTokens(found, QString::fromStdString(request.remoteAddress)).join(QLatin1Char(' ')));
    }
    if (const auto v = formValues(body, {"readrating" + code(), "nick"}, true)) {
        if ((*v)[0] != QLatin1String("0") || !tokenValid((*v)[1], 64)) {
            return refused();
        }
        const auto standing = store_.tourStanding((*v)[1]);
        if (!standing) {
            // No such member (or no database): the game keeps its score -1.
            return refused();
        }
        return reply(QStringLiteral("ok$%1 %2 %3")
                         .arg(standing->score)
                         .arg(standing->kon)
                         .arg(standing->rating));
    }
    for (const Ranking& r : rankings) {
        if (const auto v =
                formValues(body, {"top10" + QByteArray(1, r.letter) + code(), "nick"}, false)) {
            if ((*v)[0] != QLatin1String("0")) {
                return refused();
            }
            const auto rows = store_.tourTopTen(r.ranking);
            if (!rows) {
                return unavailable();
            }
            QString text = QStringLiteral("ok");
            int place = 0;
            for (const TourStanding& s : *rows) {
                const QStringList tokens = {
                    QString::number(++place), replyToken(s.nick),
                    replyToken(s.city),       replyToken(s.country),
                    replyToken(s.sex),        QString::number(rankedValue(s, r.ranking)),
                };
                text += QLatin1Char('$') + tokens.join(QLatin1Char(' ')) + QLatin1Char('*');
            }
            return reply(text);
        }
        if (const auto v =
                formValues(body, {"place" + QByteArray(1, r.letter) + code(), r.valueName}, true)) {
            const auto value = integerValue((*v)[1]);
            if ((*v)[0] != QLatin1String("0") || !value) {
                return refused();
            }
            const auto place = store_.tourPlace(r.ranking, *value);
            return place ? reply(QStringLiteral("ok$") + QString::number(*place)) : unavailable();
        }
    }
    return plainResponse(400, "Not a tournament request\n");
}

HttpResponse TournamentService::tablesReply(const QString& callerAddress)
{
    const auto seats = store_.tourSeats();
    if (!seats) {
        return unavailable();
    }
    QString text = QStringLiteral("ok");
    // The game fills its tables from the last: the first record is table 10.
    for (int table = tables; table >= 1; --table) {
        std::array<const TourSeat*, places> at{};
        for (const TourSeat& s : *seats) {
            if (s.table == table && s.place >= 1 && s.place <= places) {
                at[static_cast<std::size_t>(s.place - 1)] = &s;
            }
        }
        QStringList tokens = {
            QString::number(table),
            QString::number(table),
            QString::number(gameCode),
            replyToken(config_.relayAddress),
            QString::number(config_.relayBasePort + table),
            // The table's state: "Y" once someone sits at place 1.
            at[0] != nullptr ? QStringLiteral("Y") : QStringLiteral("X"),
        };
        for (const TourSeat* s : at) {
            tokens += placeTokens(s, callerAddress);
        }
        text += QLatin1Char('$') + tokens.join(QLatin1Char(' ')) + QLatin1Char('*');
    }
    return reply(text);
}

HttpResponse TournamentService::seat(const HttpRequest& request)
{
    std::optional<QStringList> v;
    int place = 0;
    for (int k = 1; k <= places && !v; ++k) {
        const QByteArray n = QByteArray::number(k);
        for (const char* stem : {"client4on", "clienton"}) {
            v = formValues(request.body,
                           {stem + n, "gid", "num", "can", "nick" + n, "score" + n, "kon" + n,
                            "rating" + n, "country" + n, "city" + n, "sex" + n, "ip" + n},
                           true);
            if (v) {
                place = k;
                break;
            }
        }
    }
    if (!v) {
        return plainResponse(400, "Not a tournament request\n");
    }
    if (!limiter_.allow(request.remoteAddress, RateClass::Post, request.arrived)) {
        return plainResponse(429, "Too many requests, try again later\n");
    }
    const int table = numberIn((*v)[2], tables);
    const auto action = integerValue((*v)[3]);
    const bool numbersRead =
        integerValue((*v)[5]) && integerValue((*v)[6]) && integerValue((*v)[7]);
    if ((*v)[0] != QLatin1String("0") || !isGameCode((*v)[1]) || table == 0 || !action ||
        *action < 0 || *action > 2 || !numbersRead) {
        return refused();
    }
    const auto session = accounts_.sessionOf(request);
    if (!session) {
        return refused();
    }
    if (*action != 1) {
        switch (store_.freeTourSeat(table, place, session->nick)) {
        case Store::SeatFreed::Done:
        case Store::SeatFreed::WasFree:
            return reply(QStringLiteral("ok"));
        case Store::SeatFreed::NotHolder:
            return refused();
        case Store::SeatFreed::Failed:
            break;
        }
        return unavailable();
    }
    if (config_.status != QLatin1Char('Y') || nickKey((*v)[4]) != nickKey(session->nick)) {
        return refused();
    }
    const auto member = store_.findMember(session->nick);
    const auto standing = store_.tourStanding(session->nick);
    if (!member || !standing) {
        return unavailable();
    }
    TourSeat seat;
    seat.table = table;
    seat.place = place;
    seat.nick = session->nick;
    seat.score = standing->score;
    seat.kon = standing->kon;
    seat.rating = standing->rating;
    seat.country = member->country2;
    seat.city = member->city;
    seat.sex = member->sex;
    seat.ip = QString::fromStdString(request.remoteAddress);
    const QString& relay = config_.relayAddress;
    const bool relayOnLoopback = relay.startsWith(QLatin1String("127.")) ||
                                 relay == QLatin1String("::1") ||
                                 relay == QLatin1String("localhost");
    const bool admin =
        !config_.adminNick.isEmpty() && nickKey(config_.adminNick) == nickKey(session->nick);
    switch (store_.takeTourSeat(seat, !relayOnLoopback && !admin)) {
    case Store::SeatTaken::Done:
        return reply(QStringLiteral("ok"));
    case Store::SeatTaken::AlreadyHeld:
        return reply(QStringLiteral("is"));
    case Store::SeatTaken::Failed:
        return unavailable();
    default:
        return refused();
    }
}

}  // namespace olk::service
