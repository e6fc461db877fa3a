#include "tools/bot/bot_options.h"

#include <gtest/gtest.h>

namespace olk::bot {
namespace {

std::variant<BotOptions, std::string> parse(const QString& line)
{
    return parseBotOptions(("olk-bot " + line).split(' ', Qt::SkipEmptyParts));
}

const QString kTournament =
    "--tournament http://127.0.0.1:8080 --table 3 --place 2 --nick Anna --password secret";

TEST(BotOptions, ATournamentPlace)
{
    const auto parsed = parse(kTournament + " --slow 1.5");
    ASSERT_TRUE(std::holds_alternative<BotOptions>(parsed)) << std::get<std::string>(parsed);
    const BotOptions& options = std::get<BotOptions>(parsed);
    EXPECT_EQ(options.mode, BotOptions::Mode::Tournament);
    EXPECT_EQ(options.serviceUrl, "http://127.0.0.1:8080");
    EXPECT_EQ(options.table, 3);
    EXPECT_EQ(options.place, 2);
    EXPECT_EQ(options.nick, "Anna");
    EXPECT_EQ(options.password, "secret");
    EXPECT_EQ(options.slowMs, 1500);
    EXPECT_EQ(options.waitSeconds, 120) << "a table takes longer to fill than a join";

    const auto plain = parse(kTournament + " --wait-seconds 5");
    ASSERT_TRUE(std::holds_alternative<BotOptions>(plain));
    EXPECT_EQ(std::get<BotOptions>(plain).slowMs, 0);
    EXPECT_EQ(std::get<BotOptions>(plain).waitSeconds, 5);
}

TEST(BotOptions, TheDirectConnectionAsBefore)
{
    const auto host = parse("--host 25666 --players 3 --name Hugo --seed 7");
    ASSERT_TRUE(std::holds_alternative<BotOptions>(host));
    EXPECT_EQ(std::get<BotOptions>(host).mode, BotOptions::Mode::Host);
    EXPECT_EQ(std::get<BotOptions>(host).port, 25666);
    EXPECT_EQ(std::get<BotOptions>(host).players, 3);
    const auto join = parse("--join 10.0.0.2:25666");
    ASSERT_TRUE(std::holds_alternative<BotOptions>(join));
    EXPECT_EQ(std::get<BotOptions>(join).address, "10.0.0.2");
}

TEST(BotOptions, WhatIsRefusedAndWhy)
{
    const struct {
        QString line;
        const char* message;  // a part of the message
    } cases[] = {
        {"", "say one of"},
        {"--host 1 --tournament http://a", "say one of"},
        {"--tournament ftp://a --table 1 --place 1 --nick A --password B", "http://"},
        {"--tournament nohost --table 1 --place 1 --nick A --password B", "http://"},
        {"--tournament http://a --table 11 --place 1 --nick A --password B", "--table needs"},
        {"--tournament http://a --table 1 --place 5 --nick A --password B", "--place needs"},
        {"--tournament http://a --table 1 --place 0 --nick A --password B", "--place needs"},
        {"--tournament http://a --table 1 --nick A --password B", "needs --table, --place"},
        {"--tournament http://a --table 1 --place 1 --password B", "needs --table, --place"},
        {"--tournament http://a --table 1 --place 1 --nick A", "needs --table, --place"},
        {"--tournament http://a --table 1 --place 1 --nick A --password B --slow -1", "--slow"},
        {"--tournament http://a --table 1 --place 1 --nick A --password B --slow x", "--slow"},
        {"--tournament http://a --table 1 --place 1 --nick A --password B --name C", "do not go"},
        {"--host 25666 --place 2", "go with --tournament"},
        {"--join 127.0.0.1:1 --slow 3", "go with --tournament"},
        {"--tournament http://a --table", "missing value"},
        {"--bogus 1", "unknown option"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const auto parsed = parse(c.line);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed));
        EXPECT_NE(std::get<std::string>(parsed).find(c.message), std::string::npos)
            << std::get<std::string>(parsed);
    }
}

}  // namespace
}  // namespace olk::bot
