#include "service/service.h"

#include "service/news_page.h"
#include "service/tevs_page.h"
#include "settings/address_cipher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace olk::service {

Service::Service(Store& store, Config config)
    : config_(std::move(config)),
      accounts_(store, limiter_, config_.account),
      scores_(store, limiter_, accounts_),
      statistics_(store, limiter_),
      tournament_(store, limiter_, accounts_, config_.tournament),
      music_(config_.musicFolder),
      router_(limiter_)
{
    router_.add({"GET", "/ip", RateClass::Read, 0, [](const HttpRequest& request) {
                     return plainResponse(200, QByteArray::fromStdString(request.remoteAddress));
                 }});
    router_.add({"GET", "/directory", RateClass::Read, 0,
                 [this](const HttpRequest&) { return plainResponse(200, directory()); }});
    router_.add({"GET", "/downloads/progr/cards/", RateClass::Read, 0,
                 [this](const HttpRequest& request) { return download(request); }});
    router_.add({"GET", "/news", RateClass::Read, 0, [this](const HttpRequest&) {
                     HttpResponse response;
                     response.contentType = "text/html; charset=utf-8";
                     response.body = newsPage(config_.newsFolder);
                     return response;
                 }});
    router_.add({"GET", "/tevs/", RateClass::Read, 0, [](const HttpRequest&) {
                     HttpResponse response;
                     response.contentType = "text/html; charset=utf-8";
                     response.body = tevsPage();
                     return response;
                 }});
    router_.add({"GET", "/photos/", RateClass::Read, 0,
                 [this](const HttpRequest& request) { return accounts_.photo(request); }});
    router_.add({"POST", "/account", RateClass::Read, Router::defaultBodyLimit,
                 [this](const HttpRequest& request) { return accounts_.handle(request); }});
    router_.add({"POST", "/scores", RateClass::Read, Router::defaultBodyLimit,
                 [this](const HttpRequest& request) { return scores_.handle(request); }});
    router_.add({"POST", "/statistics", RateClass::Read, Router::defaultBodyLimit,
                 [this](const HttpRequest& request) { return statistics_.handle(request); }});
    router_.add({"POST", "/tournament", RateClass::Read, Router::defaultBodyLimit,
                 [this](const HttpRequest& request) { return tournament_.handle(request); }});
    router_.add({"POST", "/account/photo", RateClass::Read, AccountService::photoLimit,
                 [this](const HttpRequest& request) { return accounts_.uploadPhoto(request); }});
    router_.add({"GET", "/musik/", RateClass::Read, 0,
                 [this](const HttpRequest& request) { return music_.track(request); }});
    router_.add({"GET", "/radio/club.ogg", RateClass::Read, 0,
                 [this](const HttpRequest&) { return music_.radio(); }});
}

QString Service::pathsHelp()
{
    return QStringLiteral(
        "  GET  /ip                          the caller's address, as plain text\n"
        "  GET  /directory                   the service directory the game reads at start:\n"
        "                                    the enciphered addresses of PUBLIC-URL/scores\n"
        "                                    (WTGamesPatt), PUBLIC-URL/statistics (StatPath) and\n"
        "                                    PUBLIC-URL/account (AccPath)\n"
        "  GET  /downloads/progr/cards/FILE  FILE from the downloads folder (plain names only)\n"
        "  GET  /news                        the news page, from the news folder (N.txt per item:\n"
        "                                    its title on the first line, then the text)\n"
        "  GET  /photos/NICK.jpg             a member's photo\n"
        "  GET  /tevs/100                    how members come by Tevs (the game's \"Add Tevs\")\n"
        "  POST /account                     the account requests: register, log in, top ten,\n"
        "                                    place, members, Tevs, personal information and\n"
        "                                    the account game record\n"
        "  POST /account/photo               the logged-in member's own photo (a JPEG body,\n"
        "                                    at most 1 MiB)\n"
        "  POST /scores                      the world score tables (804 this game, 904 the other\n"
        "                                    edition's, read only; 1104 the account table) and "
        "the\n"
        "                                    chat board (100): tables, counts, a player's "
        "entries,\n"
        "                                    new entries\n"
        "  POST /statistics                  the statistics counters of the game (804): starts,\n"
        "                                    installations, likes, per-game counts; the summary\n"
        "  POST /tournament                  the online tournament (game code 84): the ten\n"
        "                                    tables with their relay addresses, taking and\n"
        "                                    leaving places (within the member's session), one\n"
        "                                    place's occupant, the status and message, a\n"
        "                                    member's tournament record, the top ten and places\n"
        "                                    by score, rating or games\n"
        "  GET  /musik/_playlist.html        the club's music (--music): the tracks' file names,\n"
        "                                    one per line, sorted\n"
        "  GET  /musik/NAME                  one track (audio/ogg)\n"
        "  GET  /radio/club.ogg              the club's radio: the tracks one after another as\n"
        "                                    an endless Ogg stream at playing pace (at most 8\n"
        "                                    listeners; 503 beyond)\n");
}

QByteArray Service::directory() const
{
    QByteArray text;
    const auto entry = [&](const char* tag, const char* path) {
        text += tag;
        text += '=';
        text += encipherAddress(config_.publicUrl + QLatin1String(path));
        text += "#\n";
    };
    entry("WTGamesPatt", "/scores");
    entry("StatPath", "/statistics");
    entry("AccPath", "/account");
    return text;
}

HttpResponse Service::download(const HttpRequest& request) const
{
    static constexpr std::string_view prefix = "/downloads/progr/cards/";
    const QString name = QString::fromUtf8(request.path.substr(prefix.size()));
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || name.contains(QLatin1Char('/')) ||
        name.contains(QLatin1Char('\\')) || name.contains(QChar(0)) ||
        config_.downloadsFolder.isEmpty()) {
        return plainResponse(404, "Not found\n");
    }
    const QFileInfo info(QDir(config_.downloadsFolder).filePath(name));
    if (!info.isFile() || info.isSymLink()) {
        return plainResponse(404, "Not found\n");
    }
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return plainResponse(404, "Not found\n");
    }
    HttpResponse response;
    response.contentType = "application/octet-stream";
    response.body = file.readAll();
    return response;
}

}  // namespace olk::service
