#pragma once

#include "service/account_service.h"
#include "service/music.h"
#include "service/rate_limiter.h"
#include "service/router.h"
#include "service/score_service.h"
#include "service/statistics_service.h"
#include "service/store.h"
#include "service/tournament_service.h"

#include <QString>

namespace olk::service {

// Every endpoint of olk-service on one router, without any socket:
//   GET  /ip                        the caller's address
//   GET  /directory                 the service directory the game reads at start
//   GET  /downloads/progr/cards/F   a file of the downloads folder
//   GET  /photos/NICK.jpg           a member's photo
//   POST /account                   the account requests
//   POST /account/photo             a member's own photo, within the session
//   POST /scores                    the world score tables and the chat board
//   POST /statistics                the statistics counters
//   POST /tournament                the online tournament's tables, places and rankings
//   GET  /news                      the news page
//   GET  /musik/_playlist.html      the club's music: the tracks, one per line
//   GET  /musik/NAME                one track
//   GET  /radio/club.ogg            the club's radio, an endless Ogg stream
class Service {
public:
    struct Config {
        // The address the game reaches this service at, without a trailing
        // "/" ("http://host:port"); the directory points there.
        QString publicUrl;
        QString downloadsFolder;
        QString newsFolder;
        QString musicFolder;  // empty: no music (404)
        AccountService::Config account;
        TournamentService::Config tournament;
    };

    Service(Store& store, Config config);

    // The address the directory names, once it is known (a service bound to
    // a port picked by the system); only before serving starts.
    void setPublicUrl(const QString& url) { config_.publicUrl = url; }
    // The club's music, to set only before serving starts.
    ClubMusic& music() { return music_; }
    // Ends every stream (the radio's listeners), before the server stops.
    void stopStreams() { music_.stop(); }

    HttpResponse handle(const HttpRequest& request) { return router_.handle(request); }
    const Router& router() const { return router_; }
    RateLimiter& limiter() { return limiter_; }

    // The paths served, for --help.
    static QString pathsHelp();

    // The service directory: the enciphered addresses of the score-table,
    // statistics and account services, each as tag, "=", value, "#".
    QByteArray directory() const;

private:
    HttpResponse download(const HttpRequest& request) const;

    Config config_;
    RateLimiter limiter_;
    AccountService accounts_;
    ScoreService scores_;
    StatisticsService statistics_;
    TournamentService tournament_;
    ClubMusic music_;
    Router router_;
};

}  // namespace olk::service
