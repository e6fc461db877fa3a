#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace olk::bot {

// What olk-bot was asked to do (tools/bot/main.cpp tells the options).
struct BotOptions {
    enum class Mode { Host, Join, Tournament };
    Mode mode = Mode::Host;

    // Direct connection.
    quint16 port = 0;
    QString address;
    QByteArray name = "Bot";  // Windows-1251
    int players = 1;
    int waitSeconds = 30;  // host: for players; tournament: for the table to fill
    std::optional<std::uint64_t> seed;

    // Tournament.
    QString serviceUrl;  // http(s)://host[:port], as olk-service answers there
    int table = 0;       // 1..10
    int place = 0;       // 1..4
    QString nick;
    QString password;
    int slowMs = 0;  // waited before each own move
};

// The options of a command line (arguments[0] is the program), or a message
// for standard error.
std::variant<BotOptions, std::string> parseBotOptions(const QStringList& arguments);

extern const char* const kBotUsage;

}  // namespace olk::bot
