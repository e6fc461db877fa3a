#include "service/account_service.h"

#include "online/form_body.h"
#include "online/tournament.h"
#include "service/field_checks.h"
#include "service/plausibility.h"
#include "service/reply_text.h"

#include <sodium.h>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>
#include <semaphore>
#include <thread>

namespace olk::service {

namespace {

using online::FormFields;

enum class Kind {
    Register,
    Login,
    TopTen,
    Place,
    ClubMembers,
    TevsRead,
    TevsCredit,
    InfoRead,
    InfoSave,
    GameRecordRead,
    GameRecordWrite,
};

struct Shape {
    Kind kind;
    bool raw;  // raw form (else list form)
    QList<QByteArray> names;
};

// The account requests by their field names, in the order the game sends them.
const QList<Shape>& shapes()
{
    static const QList<Shape> all = {
        {Kind::Register,
         true,
         {"nick", "pw", "city", "country1", "country2", "sex", "email", "dater", "R01", "R02",
          "R03", "R04", "R05", "R06"}},
        {Kind::Login, false, {"nick", "pw", "label0"}},
        {Kind::TopTen, false, {"crdolkkon"}},
        {Kind::Place, true, {"crdolkrating"}},
        {Kind::ClubMembers, true, {"label1"}},
        {Kind::TevsRead, false, {"nick", "labeltevread"}},
        {Kind::TevsCredit, true, {"nick", "labeltevsave", "R04"}},
        {Kind::InfoRead, false, {"nick", "labelinforead"}},
        {Kind::InfoSave,
         true,
         {"nick", "labelinfosave", "namei", "name2", "about", "telephone", "emailo", "website",
          "skype", "ok", "vk", "telegram", "facebook", "twitter", "instagramm", "youtube"}},
        {Kind::GameRecordRead, false, {"nick", "pw", "crdolkbest"}},
        {Kind::GameRecordWrite,
         true,
         {"nick", "pw", "crdolkkon", "crdolkbest", "crdolkrating", "crdolkses", "crdolkkonl",
          "crdolkscore", "crdolkR1", "crdolkR2"}},
    };
    return all;
}

// The request's kind and its values in the listed order.
std::optional<std::pair<Kind, QStringList>> recognise(const QByteArray& body)
{
    for (const Shape& shape : shapes()) {
        if (auto values = formValues(body, shape.names, shape.raw)) {
            return std::make_pair(shape.kind, std::move(*values));
        }
    }
    return std::nullopt;
}

QString clampedInteger(qint64 value)
{
    const qint64 bounded = std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                                              std::numeric_limits<qint32>::max());
    return QString::fromLatin1(online::formatInteger(bounded));
}

HttpResponse reply(const QString& text)
{
    HttpResponse response;
    response.body = replyBytes(text);
    return response;
}

const QString ok = QStringLiteral("ok");
const QString refused = QStringLiteral("no");

// The limits of the personal-data fields in the order they travel.
constexpr int infoLimits[14] = {20, 20, 50, 20, 50, 50, 50, 50, 50, 50, 60, 50, 50, 50};

}  // namespace

namespace {

// Argon2id takes 64 MiB and a tenth of a second of one core per hash: the
// hashes are computed a few at a time (as many as there are cores), the
// other logins wait their turn, so a burst of logins neither thrashes the
// processor nor takes the pool's threads times 64 MiB.
class HashTurn {
public:
    HashTurn() { turns().acquire(); }
    ~HashTurn() { turns().release(); }
    HashTurn(const HashTurn&) = delete;
    HashTurn& operator=(const HashTurn&) = delete;

private:
    static std::counting_semaphore<>& turns()
    {
        static std::counting_semaphore<> semaphore(
            std::max<std::ptrdiff_t>(2, std::thread::hardware_concurrency()));
        return semaphore;
    }
};

}  // namespace

QString hashPassword(const QString& password, unsigned long long ops, std::size_t memory)
{
    const HashTurn turn;
    const QByteArray utf8 = password.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, utf8.constData(), static_cast<unsigned long long>(utf8.size()), ops,
                          memory) != 0) {
        return {};
    }
    return QString::fromLatin1(hash);
}

bool passwordMatches(const QString& hash, const QString& password)
{
    const HashTurn turn;
    const QByteArray stored = hash.toLatin1();
    const QByteArray utf8 = password.toUtf8();
    return !stored.isEmpty() &&
           crypto_pwhash_str_verify(stored.constData(), utf8.constData(),
                                    static_cast<unsigned long long>(utf8.size())) == 0;
}

AccountService::Config AccountService::defaultConfig()
{
    Config config;
    config.hashOps = crypto_pwhash_OPSLIMIT_INTERACTIVE;
    config.hashMemory = crypto_pwhash_MEMLIMIT_INTERACTIVE;
    return config;
}

AccountService::AccountService(Store& store, RateLimiter& limiter, Config config)
    : store_(store), limiter_(limiter), config_(std::move(config))
{
    if (sodium_init() < 0) {
        std::abort();  // no random numbers: no sessions can be made safely
    }
    if (!config_.clock) {
        config_.clock = [] { return static_cast<qint64>(std::time(nullptr)); };
    }
}

QString AccountService::photoPath(const QString& nick) const
{
    return QDir(config_.photoFolder)
        .filePath(QString::fromLatin1(nickKey(nick).toUtf8().toHex()) + QStringLiteral(".jpg"));
}

HttpResponse AccountService::handle(const HttpRequest& request)
{
    const auto recognised = recognise(request.body);
    if (!recognised) {
        return plainResponse(400, "Not an account request\n");
    }
    const Kind kind = recognised->first;
    const QStringList& v = recognised->second;
    const qint64 now = config_.clock();

    std::optional<QString> sessionNick;
    if (const auto cookie = request.cookies.find(sessionCookie); cookie != request.cookies.end()) {
        const QString token = QString::fromStdString(cookie->second);
        if (token.size() == 64) {
            sessionNick = store_.sessionMember(token, now);
        }
    }
    const QString token =
        sessionNick ? QString::fromStdString(request.cookies.at(sessionCookie)) : QString();
    auto isSessionOf = [&](const QString& nick) {
        return sessionNick && nickKey(*sessionNick) == nickKey(nick);
    };
    auto passwordOf = [&](const QString& nick, const QString& password) {
        const auto hash = store_.passwordHash(nick);
        return hash && passwordMatches(*hash, password);
    };

    RateClass extra = RateClass::Read;
    if (kind == Kind::Register) {
        extra = RateClass::Register;
    } else if (kind == Kind::Login || kind == Kind::GameRecordRead ||
               kind == Kind::GameRecordWrite) {
        extra = RateClass::Login;  // each tries a password
    } else if (kind == Kind::TevsCredit || kind == Kind::InfoSave) {
        extra = RateClass::Post;
    }
    if (extra != RateClass::Read &&
        !limiter_.allow(request.remoteAddress, extra, request.arrived)) {
        return plainResponse(429, "Too many requests, try again later\n");
    }

    switch (kind) {
    case Kind::Register: {
        // Anything but "ok" (created) and "is" (taken) reads as "could not
        // create"; the reply says why for whoever looks.
        Member m;
        m.nick = v[0];
        m.city = v[2];
        m.country1 = v[3];
        m.country2 = v[4];
        m.sex = v[5];
        m.email = v[6];
        m.dateR = replyToken(v[7]);
        m.r01 = replyToken(v[8]);
        m.r02 = replyToken(v[9]);
        m.r03 = replyToken(v[10]);
        // The balance starts at nothing, whatever the request says.
        m.tevs = 0;
        const auto r05 = integerValue(v[12]);
        const auto r06 = integerValue(v[13]);
        static const QRegularExpression countryCode(QStringLiteral("^[1-6]-[0-9]{3}$"));
        const bool valid = accountFieldValid(m.nick, 1) && accountFieldValid(v[1], 3) &&
                           accountFieldValid(m.city, 2) && accountFieldValid(m.email, 4) &&
                           tokenValid(m.country1, 20) && countryCode.match(m.country2).hasMatch() &&
                           (m.sex == QLatin1String("M") || m.sex == QLatin1String("W")) &&
                           tokenValid(v[7], 20) && tokenValid(v[8], 32) && tokenValid(v[9], 32) &&
                           tokenValid(v[10], 32) && integerValue(v[11]) && r05 && r06;
        if (!valid) {
            return reply(QStringLiteral("refused: invalid fields"));
        }
        m.country1 = replyToken(m.country1);
        m.r05 = *r05;
        m.r06 = *r06;
        // The nick the game holds for the tournament's administrator is
        // nobody's to take.
        if (nickKey(m.nick) == nickKey(QString::fromLatin1(online::kTournamentAdminNick)) ||
            store_.findMember(m.nick)) {
            return reply(QStringLiteral("is"));  // no hashing for a taken nick
        }
        const QString hash = hashPassword(v[1], config_.hashOps, config_.hashMemory);
        if (hash.isEmpty()) {
            return reply(QStringLiteral("refused: try again later"));
        }
        switch (store_.createMember(m, hash)) {
        case Store::Created::Yes:
            return reply(ok);
        case Store::Created::NickTaken:
            return reply(QStringLiteral("is"));
        case Store::Created::Failed:
            break;
        }
        return reply(QStringLiteral("refused: try again later"));
    }
    case Kind::Login: {
        const auto member = store_.findMember(v[0]);
        if (!member || !passwordOf(v[0], v[1])) {
            return reply(refused);
        }
        unsigned char bytes[32];
        randombytes_buf(bytes, sizeof bytes);
        const QString newToken = QString::fromLatin1(
            QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes).toHex());
        store_.dropExpiredSessions(now);
        if (!store_.openSession(newToken, member->nick, now + config_.sessionSeconds)) {
            return plainResponse(503, "Try again later\n");
        }
        const QStringList tokens = {
            replyToken(member->city),     replyToken(member->country1),
            replyToken(member->country2), replyToken(member->sex),
            replyToken(member->email),    replyToken(member->dateR),
            replyToken(member->r01),      replyToken(member->r02),
            replyToken(member->r03),      clampedInteger(member->tevs),
            clampedInteger(member->r05),  clampedInteger(member->r06),
        };
        HttpResponse response =
            reply(ok + QLatin1Char('$') + withoutRefusalMarker(tokens.join(QLatin1Char(' '))));
        std::string cookie = std::string(sessionCookie) + "=" + newToken.toStdString() +
                             "; Path=/; HttpOnly; SameSite=Strict; Max-Age=" +
                             std::to_string(config_.sessionSeconds);
        if (config_.secureCookies) {
            cookie += "; Secure";
        }
        response.setCookies.push_back(cookie);
        return response;
    }
    case Kind::TopTen: {
        const auto rows = store_.topTen();
        if (!rows) {
            return plainResponse(503, "Try again later\n");
        }
        // One record per row: place, nick, city, the country's name token
        // (stored at registration), its code, sex, rating.
        QString text = ok;
        int place = 0;
        for (const TopTenRow& row : *rows) {
            const auto member = store_.findMember(row.nick);
            const QStringList tokens = {
                QString::number(++place),
                replyToken(row.nick),
                replyToken(row.city),
                replyToken(member ? member->country1 : QString()),
                replyToken(row.country),
                replyToken(row.sex),
                QString::fromLatin1(online::formatRating(row.rating)),
            };
            text += QLatin1Char('$') + tokens.join(QLatin1Char(' ')) + QLatin1Char('*');
        }
        return reply(text);
    }
    case Kind::Place: {
        const auto rating = ratingValue(v[0]);
        if (!rating) {
            return reply(refused);
        }
        const auto place = store_.placeOf(*rating);
        return place ? reply(ok + QLatin1Char('$') + QString::number(*place))
                     : plainResponse(503, "Try again later\n");
    }
    case Kind::ClubMembers: {
        const qint64 count = store_.memberCount();
        return count >= 0 ? reply(ok + QLatin1Char('$') + QString::number(count))
                          : plainResponse(503, "Try again later\n");
    }
    case Kind::TevsRead: {
        if (!isSessionOf(v[0])) {
            return reply(refused);
        }
        const auto member = store_.findMember(v[0]);
        return member ? reply(QLatin1Char('$') + clampedInteger(member->tevs)) : reply(refused);
    }
    case Kind::TevsCredit: {
        const auto amount = integerValue(v[2]);
        if (!sessionNick || !amount || *amount == 0) {
            return reply(refused);
        }
        if (isSessionOf(v[0])) {
            // The member's own nick: only the confirmation of a transfer
            // already made in this session (negative), or of an award the
            // service has made to it (positive, the account table's bonus).
            const bool settled = *amount < 0 ? store_.settleOwedDebit(token, -*amount)
                                             : store_.settleAward(token, *amount);
            return reply(settled ? ok : refused);
        }
        if (*amount < 0) {
            return reply(refused);  // never take from another member
        }
        return reply(store_.transfer(token, *sessionNick, v[0], *amount) == Store::Transfer::Done
                         ? ok
                         : refused);
    }
    case Kind::InfoRead: {
        if (!store_.findMember(v[0])) {
            return reply(refused);
        }
        const auto info = store_.readInfo(v[0]);
        if (!info) {
            return plainResponse(503, "Try again later\n");
        }
        QStringList items;
        for (const QString& item : *info) {
            items.push_back(replyInfoItem(item));
        }
        return reply(ok + QLatin1Char('$') + withoutRefusalMarker(items.join(QLatin1Char('~'))));
    }
    case Kind::InfoSave: {
        if (!isSessionOf(v[0])) {
            return reply(refused);
        }
        MemberInfo info;
        for (int i = 0; i < 14; ++i) {
            const QString& item = v[i + 2];
            if (!tokenValid(item, infoLimits[i])) {
                return reply(refused);
            }
            info[static_cast<std::size_t>(i)] = replyInfoItem(item);
        }
        return reply(store_.saveInfo(v[0], info) ? ok : refused);
    }
    case Kind::GameRecordRead: {
        if (!isSessionOf(v[0]) && !passwordOf(v[0], v[1])) {
            return reply(refused);
        }
        const auto record = store_.readGameRecord(v[0]);
        if (!record) {
            return plainResponse(503, "Try again later\n");
        }
        const QStringList tokens = {
            clampedInteger(record->kon),
            clampedInteger(record->best),
            QString::fromLatin1(online::formatRating(record->rating)),
            clampedInteger(record->sessions),
            clampedInteger(record->konL),
            clampedInteger(record->score),
            clampedInteger(record->r1),
            replyToken(record->r2),
        };
        return reply(ok + QLatin1Char('$') + tokens.join(QLatin1Char(' ')));
    }
    case Kind::GameRecordWrite: {
        if (!isSessionOf(v[0]) && !passwordOf(v[0], v[1])) {
            return reply(refused);
        }
        GameRecord record;
        const auto kon = integerValue(v[2]);
        const auto best = integerValue(v[3]);
        const auto rating = ratingValue(v[4]);
        const auto sessions = integerValue(v[5]);
        const auto konL = integerValue(v[6]);
        const auto score = integerValue(v[7]);
        const auto r1 = integerValue(v[8]);
        if (!kon || !best || !rating || !sessions || !konL || !score || !r1 || *kon < 0 ||
            *sessions < 0 || *konL < 0 || !tokenValid(v[9], 32)) {
            return reply(refused);
        }
        record.kon = *kon;
        record.best = *best;
        record.rating = *rating;
        record.sessions = *sessions;
        record.konL = *konL;
        record.score = *score;
        record.r1 = *r1;
        record.r2 = v[9].isEmpty() ? QStringLiteral("#") : replyToken(v[9]);
        // Only what a rated game can make of the stored record is kept
        // (plausibility.h).
        const auto written = store_.updateGameRecord(
            v[0],
            [&record](const GameRecord& stored, const std::optional<OpenRatedGame>& open)
                -> std::optional<std::pair<GameRecord, std::optional<OpenRatedGame>>> {
                const auto next = plausible::nextRecord({stored, open}, record);
                if (!next) {
                    return std::nullopt;
                }
                return std::make_pair(next->record, next->open);
            });
        switch (written) {
        case Store::RecordWritten::Done:
            return reply(ok);
        case Store::RecordWritten::Refused:
            return reply(QStringLiteral("refused: not a record a game can produce"));
        case Store::RecordWritten::Failed:
            break;
        }
        return plainResponse(503, "Try again later\n");
    }
    }
    return plainResponse(400, "Not an account request\n");
}

std::optional<AccountService::Session> AccountService::sessionOf(const HttpRequest& request) const
{
    const auto cookie = request.cookies.find(sessionCookie);
    if (cookie == request.cookies.end() || cookie->second.size() != 64) {
        return std::nullopt;
    }
    const QString token = QString::fromStdString(cookie->second);
    const auto nick = store_.sessionMember(token, config_.clock());
    return nick ? std::optional(Session{token, *nick}) : std::nullopt;
}

HttpResponse AccountService::uploadPhoto(const HttpRequest& request)
{
    const auto session = sessionOf(request);
    const std::optional<QString> nick = session ? std::optional(session->nick) : std::nullopt;
    if (!nick) {
        return plainResponse(403, "Log in first\n");
    }
    if (!limiter_.allow(request.remoteAddress, RateClass::Post, request.arrived)) {
        return plainResponse(429, "Too many requests, try again later\n");
    }
    // A JPEG starts with the start-of-image marker and a segment marker and
    // ends with the end-of-image marker; a photo of 200 x 250 pixels is
    // hardly smaller than a few hundred bytes.
    const QByteArray& body = request.body;
    if (body.size() < 256 || body.size() > photoLimit || !body.startsWith("\xFF\xD8\xFF") ||
        !body.endsWith("\xFF\xD9")) {
        return plainResponse(415, "The photo must be a JPEG picture of at most 1 MiB\n");
    }
    QDir().mkpath(config_.photoFolder);
    QSaveFile file(photoPath(*nick));
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit()) {
        return plainResponse(503, "Could not store the photo\n");
    }
    return reply(ok);
}

HttpResponse AccountService::photo(const HttpRequest& request)
{
    // "/photos/NICK.jpg"
    const QString name =
        QString::fromUtf8(request.path).mid(static_cast<qsizetype>(std::strlen("/photos/")));
    if (!name.endsWith(QLatin1String(".jpg")) || name.size() <= 4) {
        return plainResponse(404, "Not found\n");
    }
    QFile file(photoPath(name.chopped(4)));
    if (!file.open(QIODevice::ReadOnly) || file.size() > photoLimit) {
        return plainResponse(404, "Not found\n");
    }
    HttpResponse response;
    response.contentType = "image/jpeg";
    response.body = file.readAll();
    return response;
}

}  // namespace olk::service
