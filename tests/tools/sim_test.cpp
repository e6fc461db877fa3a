#include "tools/sim/sim.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace olk::sim {
namespace {

const char* const kSortedDeck =
    "2ч 2б 2к 2п 3ч 3б 3к 3п 4ч 4б 4к 4п 5ч 5б 5к 5п 6ч 6б 6к 6п 7ч 7б 7к 7п 8ч 8б 8к 8п "
    "9ч 9б 9к 9п 1ч 1б 1к 1п Вч Вб Вк Вп Дч Дб Дк Дп Кч Кб Кк Кп Тч Тб Тк Тп";

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

std::string repeated(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

std::string lastLineStartingWith(const std::string& text, const std::string& prefix)
{
    std::istringstream in(text);
    std::string line;
    std::string found;
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) == 0) {
            found = line;
        }
    }
    return found;
}

std::string transcript(Options options)
{
    options.transcript = true;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run(options, out, err), 0) << err.str();
    return out.str();
}

TEST(SimArguments, GoodAndBadCommandLines)
{
    const auto parsed = parseArguments({"--deals", "25", "--seed", "9", "--three-of-a-kind", "off",
                                        "--punish-knocker", "on", "--transcript"});
    ASSERT_TRUE(std::holds_alternative<Options>(parsed));
    const Options& options = std::get<Options>(parsed);
    EXPECT_EQ(options.deals, 25);
    EXPECT_EQ(options.seed, 9u);
    EXPECT_FALSE(options.threeOfAKind30);
    EXPECT_TRUE(options.punishKnocker);
    EXPECT_TRUE(options.transcript);

    const std::vector<std::vector<std::string>> bad = {
        {"--deals"},
        {"--deals", "0"},
        {"--deals", "-4"},
        {"--deals", "1e3"},
        {"--deals", "99999999999"},
        {"--seed", "x"},
        {"--seed", "-1"},
        {"--punish-knocker", "yes"},
        {"--frobnicate"},
        {"--three-of-a-kind"},
        {"--decks", ""},
    };
    for (const auto& args : bad) {
        EXPECT_TRUE(std::holds_alternative<std::string>(parseArguments(args))) << args[0];
    }
}

TEST(SimDecks, BadFilesAreRefusedWithTheirLine)
{
    const std::string good = kSortedDeck;
    struct Case {
        std::string file;
        std::int64_t deals;
        const char* message;
    };
    const Case cases[] = {
        {good + "\n" + replaced(good, " Тп", "") + "\n", 2,
         "decks file line 2: 51 card codes, 52 expected"},
        {good + "\n" + good + " 2ч\n", 2, "decks file line 2: card 2ч appears twice"},
        {replaced(good, "5б", "5x") + "\n", 1, "decks file line 1: unknown card code \"5x\""},
        {replaced(good, "5б", "10б") + "\n", 1, "decks file line 1: unknown card code \"10б\""},
        {replaced(good, "Тп", "2ч") + "\n", 1, "decks file line 1: card 2ч appears twice"},
        {replaced(good, "2б ", "2б  ") + "\n", 1,
         "decks file line 1: card codes must be separated by single blanks"},
        {good + "\n\n" + good + "\n", 3,
         "decks file line 2: the line is empty, 52 card codes expected"},
        {good + "\n", 2, "the decks file has 1 lines, 2 deals need as many"},
        {"", 1, "the decks file has 0 lines, 1 deals need as many"},
        {std::string("\xFF\xFE") + good + "\n", 1, "decks file line 1: unknown card code"},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.file);
        const auto parsed = parseDecks(in, c.deals);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.message;
        EXPECT_EQ(std::get<std::string>(parsed).rfind(c.message, 0), 0u)
            << std::get<std::string>(parsed);
    }
}

TEST(SimDecks, BadCodesAreQuotedShortAndEscaped)
{
    struct Case {
        std::string code;
        const char* quoted;
    };
    const Case cases[] = {
        {"\x01\x02" + std::string(100'000, 'z'), "\\x01\\x02zzzzzzzzzzzzzzzzzz..."},
        {"\x1B[31mred\x7F", "\\x1B[31mred\\x7F"},
        {"5\xFF\xC3", "5\\xFF\\xC3"},  // not UTF-8
        {"\xC2\x85\t\r", "\\xC2\\x85\\x09\\x0D"},
        {"q\"\\", "q\\\"\\\\"},
        {std::string(20, 'x'), "xxxxxxxxxxxxxxxxxxxx"},
        {repeated("ж", 25), "жжжжжжжжжжжжжжжжжжжж..."},
    };
    for (const Case& c : cases) {
        std::istringstream in(replaced(kSortedDeck, "5б", c.code) + "\n");
        const auto parsed = parseDecks(in, 1);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.quoted;
        EXPECT_EQ(std::get<std::string>(parsed),
                  std::string("decks file line 1: unknown card code \"") + c.quoted + "\"");
    }
}

TEST(SimDecks, WindowsLineEndsAndExtraLinesAreFine)
{
    std::istringstream in(std::string(kSortedDeck) + "\r\n" + kSortedDeck + "\r\n");
    const auto parsed = parseDecks(in, 1);
    ASSERT_TRUE(std::holds_alternative<std::vector<DeckNumbers>>(parsed));
    const auto& decks = std::get<std::vector<DeckNumbers>>(parsed);
    ASSERT_EQ(decks.size(), 2u);
    for (int i = 0; i < 52; ++i) {
        EXPECT_EQ(decks[0][static_cast<std::size_t>(i)], i + 1);
    }
}

// One deal with its deck taken from a decks file holding `content`.
struct DecksRun {
    int code;
    std::string out;
    std::string err;
};
DecksRun runWithDecksFile(const std::string& content)
{
    const std::string path = ::testing::TempDir() + "olk_sim_decks.txt";
    {
        std::ofstream file(path, std::ios::binary);
        file << content;
    }
    Options options;
    options.deals = 1;
    options.decksFile = path;
    std::ostringstream out;
    std::ostringstream err;
    const int code = run(options, out, err);
    std::remove(path.c_str());
    return {code, out.str(), err.str()};
}

TEST(SimRun, BadDecksFileStopsBeforePlaying)
{
    const DecksRun twice = runWithDecksFile(replaced(kSortedDeck, "Тп", "2ч") + "\n");
    EXPECT_EQ(twice.code, 2);
    EXPECT_EQ(twice.out, "");
    EXPECT_NE(twice.err.find("line 1: card 2ч appears twice"), std::string::npos) << twice.err;

    Options options;
    options.deals = 1;
    options.decksFile = ::testing::TempDir() + "olk_sim_no_such_file.txt";
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run(options, out, err), 2);
}

TEST(SimRun, ALongBadLineGivesAShortMessage)
{
    const DecksRun result = runWithDecksFile("2ч \x01" + std::string(1 << 20, '\x02') + " 2б\n");
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.err, "olk-sim: decks file line 1: unknown card code \"\\x01" +
                              repeated("\\x02", 19) + "...\"\n");
}

TEST(SimRun, AnOutputThatCannotBeWrittenFails)
{
    for (const bool withTranscript : {false, true}) {
        Options options;
        options.deals = 20;
        options.seed = 3;
        options.transcript = withTranscript;
        std::ofstream full("/dev/full");
        ASSERT_TRUE(full.is_open());
        std::ostringstream err;
        EXPECT_EQ(run(options, full, err), 1) << withTranscript;
        EXPECT_EQ(err.str(), "olk-sim: cannot write the output\n");
    }
}

// The program itself, stdout sent where the case says, stderr captured.
TEST(SimProgram, ExitStatusAndMessages)
{
    struct Case {
        const char* arguments;
        const char* stdoutTo;
        int status;
        const char* message;  // all of stderr
    };
    const Case cases[] = {
        {"--deals 3 --seed 1", "/dev/null", 0, ""},
        {"--deals 3 --seed 1", "/dev/full", 1, "olk-sim: cannot write the output\n"},
        {"--deals 3 --seed 1 --transcript", "/dev/full", 1, "olk-sim: cannot write the output\n"},
        {"--help", "/dev/full", 1, "olk-sim: cannot write the output\n"},
        {"--deals 3 --decks ''", "/dev/null", 2, "olk-sim: --decks needs the name of a file\n"},
        {"--decks", "/dev/null", 2, "olk-sim: --decks needs a value\n"},
    };
    for (const Case& c : cases) {
        const std::string command =
            std::string("'") + OLK_SIM_PROGRAM + "' " + c.arguments + " 2>&1 >" + c.stdoutTo;
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr) << command;
        std::string err;
        char buffer[256];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) {
            err.append(buffer, n);
        }
        const int status = pclose(pipe);
        ASSERT_TRUE(WIFEXITED(status)) << command;
        EXPECT_EQ(WEXITSTATUS(status), c.status) << command;
        EXPECT_EQ(err, c.message) << command;
    }
}

TEST(SimRun, DecksFileDealsThoseCards)
{
    const std::string path = ::testing::TempDir() + "olk_sim_decks.txt";
    {
        std::ofstream file(path, std::ios::binary);
        file << kSortedDeck << "\n" << kSortedDeck << "\n";
    }
    Options options;
    options.deals = 2;
    options.decksFile = path;
    const std::string text = transcript(options);
    std::remove(path.c_str());
    // Cards 1-3 to seat 4, 4-6 to seat 2, 7-9 to seat 1, 10-12 to seat 3;
    // card 13 opens the pile. Hands are shown sorted.
    std::istringstream in(text);
    std::string line;
    std::vector<std::string> head;
    for (int i = 0; i < 5 && std::getline(in, line); ++i) {
        head.push_back(line);
    }
    EXPECT_EQ(head,
              (std::vector<std::string>{"deal 1 first 1 pile 5ч", "hand 1 4ч 3к 3п",
                                        "hand 2 3ч 3б 2п", "hand 3 4к 4б 4п", "hand 4 2ч 2к 2б"}));
    EXPECT_NE(text.find("deal 2 first 2 pile 5ч\n"), std::string::npos);
}

TEST(SimRun, SameSeedSameTranscript)
{
    Options options;
    options.deals = 30;
    options.seed = 77;
    const std::string first = transcript(options);
    EXPECT_EQ(transcript(options), first);
    options.seed = 78;
    EXPECT_NE(transcript(options), first);

    // Every line has one of the seven shapes.
    std::istringstream in(first);
    std::string line;
    while (std::getline(in, line)) {
        const std::string word = line.substr(0, line.find(' '));
        EXPECT_TRUE(word == "deal" || word == "hand" || word == "take" || word == "discard" ||
                    word == "knock" || word == "end" || word == "balance")
            << line;
    }
}

TEST(SimRun, SummaryLine)
{
    Options options;
    options.deals = 50;
    options.seed = 1;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(run(options, out, err), 0);
    long long deals = 0, moves = 0, knocks = 0, perSecond = 0;
    double seconds = -1;
    ASSERT_EQ(std::sscanf(out.str().c_str(),
                          "deals %lld moves %lld knocks %lld seconds %lf deals_per_second %lld",
                          &deals, &moves, &knocks, &seconds, &perSecond),
              5)
        << out.str();
    EXPECT_EQ(deals, 50);
    EXPECT_GE(moves, 50 * 8);
    EXPECT_LE(knocks, 50);
    EXPECT_GE(seconds, 0.0);
}

TEST(SimRun, Signature)
{
    // The final balances of 10,000 computer deals from seed 1. Any change of
    // the rules, the opponent or the shuffle moves them; update this only for
    // a deliberate change.
    Options options;
    options.deals = 10'000;
    options.seed = 1;
    EXPECT_EQ(lastLineStartingWith(transcript(options), "balance "), "balance -63 -363 561 -135");
}

}  // namespace
}  // namespace olk::sim
