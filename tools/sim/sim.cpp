#include "tools/sim/sim.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <istream>
#include <ostream>
#include <string_view>

#include "core/card.h"
#include "core/cp1251.h"
#include "core/game_engine.h"
#include "core/seat_plan.h"

namespace olk::sim {

namespace {

constexpr const char* kUsage =
    "usage: olk-sim [--deals N] [--seed S] [--decks FILE] [--three-of-a-kind on|off]\n"
    "               [--punish-knocker on|off] [--transcript]";

template <typename T>
std::optional<T> parseNumber(const std::string& text)
{
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> parseSwitch(const std::string& text)
{
    if (text == "on") {
        return true;
    }
    if (text == "off") {
        return false;
    }
    return std::nullopt;
}

// A piece of a decks file fit to quote in a message: at most `maxChars`
// characters of it, "..." when there is more, and control characters, quotes,
// backslashes and bytes that are not UTF-8 escaped ("\x01").
std::string excerpt(std::string_view text, std::size_t maxChars = 20)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    const auto escapeByte = [&](unsigned char b) {
        out += "\\x";
        out += kHex[b >> 4];
        out += kHex[b & 0xF];
    };
    std::size_t chars = 0;
    std::size_t pos = 0;
    while (pos < text.size() && chars < maxChars) {
        const std::size_t start = pos;
        const auto c = cp1251::decodeUtf8(text, pos);
        if (!c || *c < 0x20 || (*c >= 0x7F && *c <= 0x9F)) {
            // Not UTF-8, or a control character (C0, DEL or C1): its bytes.
            pos = c ? pos : start + 1;
            for (std::size_t i = start; i < pos; ++i) {
                escapeByte(static_cast<unsigned char>(text[i]));
            }
        } else if (*c == '"' || *c == '\\') {
            out += '\\';
            out += static_cast<char>(*c);
        } else {
            out.append(text.substr(start, pos - start));
        }
        ++chars;
    }
    if (pos < text.size()) {
        out += "...";
    }
    return out;
}

std::string lineError(std::int64_t line, const std::string& what)
{
    return "decks file line " + std::to_string(line) + ": " + what;
}

// Checks one deck line; fills `deck` or returns what is wrong.
std::optional<std::string> parseDeckLine(std::string_view text, DeckNumbers& deck)
{
    std::uint64_t seen = 0;
    std::size_t count = 0;
    std::size_t pos = 0;
    while (true) {
        const std::size_t blank = text.find(' ', pos);
        const std::string_view token = text.substr(
            pos, blank == std::string_view::npos ? std::string_view::npos : blank - pos);
        if (token.empty()) {
            return text.empty() ? "the line is empty, 52 card codes expected"
                                : "card codes must be separated by single blanks";
        }
        const auto code = cardFromUtf8(token);
        if (!code) {
            return "unknown card code \"" + excerpt(token) + "\"";
        }
        const int n = numberOfCard(*code);
        const std::uint64_t bit = std::uint64_t{1} << (n - 1);
        if (seen & bit) {
            return "card " + excerpt(token) + " appears twice";
        }
        seen |= bit;
        if (count == deck.size()) {
            return "more than 52 card codes";
        }
        deck[count++] = static_cast<std::uint8_t>(n);
        if (blank == std::string_view::npos) {
            break;
        }
        pos = blank + 1;
    }
    if (count != deck.size()) {
        return std::to_string(count) + " card codes, 52 expected";
    }
    return std::nullopt;
}

class Transcript {
public:
    explicit Transcript(std::ostream& out) : m_out(out) {}

    void deal(const TableState& st)
    {
        m_line = "deal " + std::to_string(st.dealNumber) + " first " +
                 std::to_string(st.firstSeat) + " pile " + cardToUtf8(st.pileTop().code);
        flush();
        for (int seat = 1; seat <= kSeats; ++seat) {
            m_line = "hand " + std::to_string(seat);
            const PlayerRecord& player = st.players[seat];
            for (int i = 1; i <= player.cardCount; ++i) {
                m_line += ' ';
                m_line += cardToUtf8(player.cells[i].code);
            }
            flush();
        }
    }

    void move(const PlayedMove& played)
    {
        const std::string seat = std::to_string(played.seat);
        switch (played.kind) {
        case MoveKind::Take:
            m_line = "take " + seat + (played.source == 1 ? " pile " : " deck ") +
                     cardToUtf8(played.card);
            break;
        case MoveKind::Discard:
            m_line = "discard " + seat + " " + cardToUtf8(played.card);
            break;
        case MoveKind::Knock:
            m_line = "knock " + seat;
            break;
        case MoveKind::Begin:
            return;
        }
        flush();
    }

    void end(const TableState& st, const DealResult& result)
    {
        m_line = "end";
        for (int seat = 1; seat <= kSeats; ++seat) {
            m_line += " " + std::to_string(result.results[seat]);
        }
        m_line += " knocker " + std::to_string(result.knocker) + " punished " +
                  (result.punished ? "1" : "0");
        flush();
        m_line = "balance";
        for (int seat = 1; seat <= kSeats; ++seat) {
            m_line += " " + std::to_string(st.players[seat].balance);
        }
        flush();
    }

private:
    void flush()
    {
        m_line += '\n';
        m_out << m_line;
    }

    std::ostream& m_out;
    std::string m_line;
};

}  // namespace

const char* usage()
{
    return kUsage;
}

std::variant<Options, std::string> parseArguments(const std::vector<std::string>& args)
{
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--transcript") {
            options.transcript = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            return options;
        }
        const bool takesValue = arg == "--deals" || arg == "--seed" || arg == "--decks" ||
                                arg == "--three-of-a-kind" || arg == "--punish-knocker";
        if (!takesValue) {
            return "unknown option \"" + arg + "\"\n" + kUsage;
        }
        if (i + 1 >= args.size()) {
            return arg + " needs a value";
        }
        const std::string& value = args[++i];
        if (arg == "--deals") {
            const auto deals = parseNumber<std::int64_t>(value);
            if (!deals || *deals < 1 || *deals > kMaxDeals) {
                return "--deals needs a whole number from 1 to " + std::to_string(kMaxDeals);
            }
            options.deals = *deals;
        } else if (arg == "--seed") {
            const auto seed = parseNumber<std::uint64_t>(value);
            if (!seed) {
                return "--seed needs a whole number from 0 to 18446744073709551615";
            }
            options.seed = *seed;
        } else if (arg == "--decks") {
            if (value.empty()) {
                return std::string("--decks needs the name of a file");
            }
            options.decksFile = value;
        } else {
            const auto on = parseSwitch(value);
            if (!on) {
                return arg + " needs on or off";
            }
            (arg == "--three-of-a-kind" ? options.threeOfAKind30 : options.punishKnocker) = *on;
        }
    }
    return options;
}

std::variant<std::vector<DeckNumbers>, std::string> parseDecks(std::istream& in, std::int64_t deals)
{
    std::vector<DeckNumbers> decks;
    std::string line;
    std::int64_t lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        DeckNumbers deck{};
        if (auto error = parseDeckLine(line, deck)) {
            return lineError(lineNumber, *error);
        }
        decks.push_back(deck);
    }
    if (in.bad()) {
        return std::string("the decks file could not be read");
    }
    if (static_cast<std::int64_t>(decks.size()) < deals) {
        return "the decks file has " + std::to_string(decks.size()) + " lines, " +
               std::to_string(deals) + " deals need as many";
    }
    return decks;
}

int run(const Options& options, std::ostream& out, std::ostream& err)
{
    std::vector<DeckNumbers> decks;
    if (!options.decksFile.empty()) {
        std::ifstream file(options.decksFile, std::ios::binary);
        if (!file) {
            err << "olk-sim: cannot open the decks file \"" << options.decksFile << "\"\n";
            return 2;
        }
        auto parsed = parseDecks(file, options.deals);
        if (const auto* error = std::get_if<std::string>(&parsed)) {
            err << "olk-sim: " << *error << "\n";
            return 2;
        }
        decks = std::move(std::get<std::vector<DeckNumbers>>(parsed));
    }

    GameEngine engine(nullptr, options.seed ? Rng(*options.seed) : Rng::fromClock());
    engine.setup().rules = {options.threeOfAKind30, options.punishKnocker};
    engine.setProfile(Profile{"PC", 0, 0, 0.0});
    const TableState& st = engine.state();

    std::optional<Transcript> transcript;
    if (options.transcript) {
        transcript.emplace(out);
    }

    std::int64_t moves = 0;
    std::int64_t knocks = 0;
    const SeatPlan plan = SeatPlan::allComputer();
    const auto started = std::chrono::steady_clock::now();
    for (std::int64_t deal = 0; deal < options.deals; ++deal) {
        if (!decks.empty()) {
            DeckCells deck;
            const DeckNumbers& numbers = decks[static_cast<std::size_t>(deal)];
            for (int i = 1; i <= kDeckCards; ++i) {
                deck[i] = cardFromNumber(numbers[static_cast<std::size_t>(i - 1)]);
            }
            engine.presetNextDeck(deck);
        }
        engine.startDeal(deal > 0);
        if (transcript) {
            transcript->deal(st);
        }
        engine.beginPlay(false);
        // The game's own turn driver, with the computer at every seat.
        while (const auto played = driveTurn(engine, plan)) {
            if (transcript) {
                transcript->move(*played);
            }
        }
        moves += st.moveCount;
        knocks += st.knocker != 0 ? 1 : 0;
        if (transcript) {
            transcript->end(st, engine.lastDealResult());
            if (!out) {
                break;  // no use playing on when nothing can be written
            }
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    if (!transcript) {
        char summary[160];
        std::snprintf(summary, sizeof summary,
                      "deals %lld moves %lld knocks %lld seconds %.3f deals_per_second %.0f\n",
                      static_cast<long long>(options.deals), static_cast<long long>(moves),
                      static_cast<long long>(knocks), seconds,
                      seconds > 0 ? static_cast<double>(options.deals) / seconds : 0.0);
        out << summary;
    }
    out.flush();
    if (!out) {
        err << "olk-sim: cannot write the output\n";
        return 1;
    }
    return 0;
}

}  // namespace olk::sim
