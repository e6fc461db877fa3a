#include "tools/bot/bot_options.h"

#include <QUrl>
#include <cmath>

#include "core/cp1251.h"

namespace olk::bot {

const char* const kBotUsage =
    "usage: olk-bot --host PORT [--name NAME] [--players N] [--wait-seconds S] [--seed S]\n"
    "       olk-bot --join ADDRESS:PORT [--name NAME]\n"
    "       olk-bot --tournament SERVICE_URL --table T --place K --nick NICK --password PW\n"
    "               [--slow SECONDS] [--wait-seconds S]\n";

namespace {

std::optional<long long> number(const QString& text, long long min, long long max)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    return ok && value >= min && value <= max ? std::optional<long long>(value) : std::nullopt;
}

bool isServiceUrl(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

}  // namespace

std::variant<BotOptions, std::string> parseBotOptions(const QStringList& args)
{
    BotOptions options;
    int modes = 0;
    bool named = false;
    bool playersGiven = false;
    bool tournamentOnly = false;
    bool passwordGiven = false;
    bool waitGiven = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (i + 1 >= args.size()) {
            return "missing value after " + arg.toStdString();
        }
        const QString value = args[++i];
        if (arg == QLatin1String("--host")) {
            const auto port = number(value, 1, 65535);
            if (!port) {
                return "--host needs a port 1..65535";
            }
            options.mode = BotOptions::Mode::Host;
            options.port = static_cast<quint16>(*port);
            ++modes;
        } else if (arg == QLatin1String("--join")) {
            const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
            const auto port = colon > 0 ? number(value.mid(colon + 1), 1, 65535) : std::nullopt;
            if (!port) {
                return "--join needs ADDRESS:PORT";
            }
            options.mode = BotOptions::Mode::Join;
            options.address = value.left(colon);
            options.port = static_cast<quint16>(*port);
            ++modes;
        } else if (arg == QLatin1String("--tournament")) {
            if (!isServiceUrl(value)) {
                return "--tournament needs the service's http:// or https:// address";
            }
            options.mode = BotOptions::Mode::Tournament;
            options.serviceUrl = value;
            ++modes;
        } else if (arg == QLatin1String("--name")) {
            const auto bytes = cp1251::fromUtf8(value.toStdString());
            if (!bytes || bytes->empty()) {
                return "--name needs a name in Latin or Cyrillic letters";
            }
            options.name = QByteArray::fromStdString(*bytes);
            named = true;
        } else if (arg == QLatin1String("--players")) {
            const auto players = number(value, 1, 3);
            if (!players) {
                return "--players needs 1, 2 or 3";
            }
            options.players = static_cast<int>(*players);
            playersGiven = true;
        } else if (arg == QLatin1String("--wait-seconds")) {
            const auto seconds = number(value, 0, 86400);
            if (!seconds) {
                return "--wait-seconds needs 0..86400";
            }
            options.waitSeconds = static_cast<int>(*seconds);
            waitGiven = true;
        } else if (arg == QLatin1String("--seed")) {
            bool ok = false;
            const qulonglong seed = value.toULongLong(&ok);
            if (!ok) {
                return "--seed needs a number";
            }
            options.seed = seed;
        } else if (arg == QLatin1String("--table")) {
            const auto table = number(value, 1, 10);
            if (!table) {
                return "--table needs 1..10";
            }
            options.table = static_cast<int>(*table);
            tournamentOnly = true;
        } else if (arg == QLatin1String("--place")) {
            const auto place = number(value, 1, 4);
            if (!place) {
                return "--place needs 1..4";
            }
            options.place = static_cast<int>(*place);
            tournamentOnly = true;
        } else if (arg == QLatin1String("--nick")) {
            if (value.trimmed().isEmpty()) {
                return "--nick needs the account's nick";
            }
            options.nick = value;
            tournamentOnly = true;
        } else if (arg == QLatin1String("--password")) {
            options.password = value;
            passwordGiven = true;
            tournamentOnly = true;
        } else if (arg == QLatin1String("--slow")) {
            bool ok = false;
            const double seconds = value.toDouble(&ok);
            if (!ok || !std::isfinite(seconds) || seconds < 0 || seconds > 3600) {
                return "--slow needs 0..3600 seconds";
            }
            options.slowMs = static_cast<int>(std::lround(seconds * 1000));
            tournamentOnly = true;
        } else {
            return "unknown option " + arg.toStdString();
        }
    }
    if (modes != 1) {
        return std::string("say one of --host PORT, --join ADDRESS:PORT or --tournament URL");
    }
    if (options.mode == BotOptions::Mode::Tournament) {
        if (named || playersGiven) {
            return std::string("--name and --players do not go with --tournament");
        }
        if (options.table == 0 || options.place == 0 || options.nick.isEmpty() || !passwordGiven) {
            return std::string("--tournament needs --table, --place, --nick and --password");
        }
        // A tournament bot waits longer for the table to fill.
        if (!waitGiven) {
            options.waitSeconds = 120;
        }
    } else if (tournamentOnly) {
        return std::string("--table, --place, --nick, --password and --slow go with --tournament");
    }
    return options;
}

}  // namespace olk::bot
