#include "service/score_service.h"

#include "online/form_body.h"
#include "service/field_checks.h"
#include "service/plausibility.h"
#include "service/reply_text.h"

#include <QRegularExpression>

namespace olk::service {

namespace {

HttpResponse reply(const QString& text)
{
    HttpResponse response;
    response.body = replyBytes(text);
    return response;
}

HttpResponse unavailable()
{
    return plainResponse(503, "Try again later\n");
}

QString records(const std::vector<ScoreEntry>& entries)
{
    QString text = QStringLiteral("ok");
    for (const ScoreEntry& e : entries) {
        const QStringList tokens = {
            QString::number(e.place), QString::number(e.rid), QString::number(e.score),
            replyToken(e.nick),       replyToken(e.country),  replyToken(e.city),
            replyToken(e.r07),        replyToken(e.r08),      replyToken(e.r09),
            replyToken(e.r10),
        };
        text += QLatin1Char('$') + tokens.join(QLatin1Char(' ')) + QLatin1Char('*');
    }
    return text;
}

bool readable(qint64 gid)
{
    return gid == ScoreService::windowsTable || gid == ScoreService::androidTable ||
           gid == ScoreService::accountTable || gid == ScoreService::chatTable;
}

// The texts a table keeps: the passport's characters, the country as a code
// or a name token.
bool allowedText(const QString& text, qsizetype longest)
{
    if (text.size() > longest) {
        return false;
    }
    for (QChar c : text) {
        if (!isAllowed(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace

ScoreService::ScoreService(Store& store, RateLimiter& limiter, AccountService& accounts)
    : store_(store), limiter_(limiter), accounts_(accounts)
{
}

HttpResponse ScoreService::handle(const HttpRequest& request)
{
    const QByteArray& body = request.body;
    if (const auto v = formValues(body, {"gid"}, false)) {
        const auto gid = integerValue((*v)[0]);
        if (!gid || !readable(*gid)) {
            return reply(QStringLiteral("no"));
        }
        const auto entries = store_.scoreTable(*gid, 10);
        return entries ? reply(records(*entries)) : unavailable();
    }
    if (const auto v = formValues(body, {"rgid"}, false)) {
        const auto gid = integerValue((*v)[0]);
        if (!gid || !readable(*gid)) {
            return reply(QStringLiteral("no"));
        }
        const qint64 count = store_.scoreCount(*gid);
        return count >= 0 ? reply(QStringLiteral("ok$") + QString::number(count)) : unavailable();
    }
    // A post is looked for before a player's entries: read as the shorter
    // request, its city would swallow the rest of the body.
    const auto v = formValues(
        body, {"gid", "nick", "city", "country", "score", "R7", "R8", "R9", "R10"}, true);
    if (!v) {
        if (const auto mine = formValues(body, {"gid", "nick", "city"}, true)) {
            const auto gid = integerValue((*mine)[0]);
            if (!gid || !readable(*gid)) {
                return reply(QStringLiteral("no"));
            }
            const auto entries =
                store_.playerScores(*gid, replyToken((*mine)[1]), replyToken((*mine)[2]), 10);
            return entries ? reply(records(*entries)) : unavailable();
        }
        return plainResponse(400, "Not a score-table request\n");
    }
    if (!limiter_.allow(request.remoteAddress, RateClass::Post, request.arrived)) {
        return plainResponse(429, "Too many requests, try again later\n");
    }
    ScoreEntry entry;
    const auto gid = integerValue((*v)[0]);
    const auto score = integerValue((*v)[4]);
    entry.nick = (*v)[1];
    entry.city = (*v)[2];
    entry.country = (*v)[3];
    entry.r07 = (*v)[5];
    entry.r08 = (*v)[6];
    entry.r09 = (*v)[7];
    entry.r10 = (*v)[8];
    // The body's convention ends the last value with "*".
    if (entry.r10.endsWith(QLatin1Char('*'))) {
        entry.r10.chop(1);
    }
    // A world table's score is a 40-deal cycle's; a chat message is at most
    // the game's 80 characters.
    const bool chat = gid && *gid == chatTable;
    const bool valid = gid && score && (*gid == windowsTable || *gid == accountTable || chat) &&
                       (chat || plausible::cycleScore(*score)) &&
                       passportFieldValid(entry.nick, 1) && passportFieldValid(entry.city, 2) &&
                       allowedText(entry.country, 20) &&
                       (entry.r07 == QLatin1String("M") || entry.r07 == QLatin1String("W")) &&
                       tokenValid(entry.r08, 10) && tokenValid(entry.r09, chatStampLongest) &&
                       tokenValid(entry.r10, chat ? chatMessageLongest : 200);
    if (!valid) {
        return reply(QStringLiteral("no"));
    }
    entry.gid = *gid;
    entry.score = *score;
    for (QString* text : {&entry.r08, &entry.r09, &entry.r10}) {
        *text = replyToken(*text);
    }
    std::optional<AccountService::Session> session;
    if (entry.gid == accountTable) {
        session = accounts_.sessionOf(request);
        if (!session || nickKey(session->nick) != nickKey(entry.nick)) {
            return reply(QStringLiteral("no"));
        }
        entry.nick = session->nick;
    }
    // A chat message takes the number after the latest (the writer read it
    // just before), so two writers never share a number and nobody writes
    // ahead; the loser of a race reads the board again.
    const qint64 keep = chat ? 100 : 1'000'000;
    bool outOfTurn = false;
    const auto place = store_.postScore(entry, keep, chat ? &outOfTurn : nullptr);
    if (outOfTurn) {
        return reply(QStringLiteral("no"));
    }
    if (!place) {
        return unavailable();
    }
    if (session && *place <= 10) {
        store_.award(session->token, session->nick, *place == 1 ? 25 : 10);
    }
    return reply(QStringLiteral("ok$") + QString::number(*place));
}

}  // namespace olk::service
