#pragma once

#include <QString>
#include <QStringList>
#include <variant>

namespace olk::service {

struct Options {
    QString listenHost = QStringLiteral("127.0.0.1");
    int listenPort = 8765;
    QString database;    // default: sqlite:DATA/olk-service.sqlite
    QString dataFolder;  // default: ./olk-service-data
    QString tlsCert;
    QString tlsKey;
    QString downloads;     // default: DATA/downloads
    QString news;          // default: DATA/news
    QString music;         // default: none (no club music)
    QString publicUrl;     // default: http(s)://LISTEN-ADDRESS
    QString relayAddress;  // default: the public address's host
    int relayBasePort = 8865;
    QString tournamentStatus = QStringLiteral("Y");
    QString tournamentMessage;
    QString tournamentAdmin;
    bool rateLimit = true;
    bool relay = true;  // the tournament relay runs with the service
    int threads = 64;
    bool help = false;
};

// Reads the command line (without the program's name) and fills in the
// defaults, with `currentFolder` as the base of the data folder. A text
// saying what is wrong for a bad command line.
std::variant<Options, QString> parseOptions(const QStringList& arguments,
                                            const QString& currentFolder);

QString usage();

}  // namespace olk::service
