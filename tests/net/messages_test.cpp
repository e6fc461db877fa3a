#include "net/messages.h"
#include "net/receiver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/card.h"
#include "tests/net/net_fixture.h"

namespace olk::net {
namespace {

// Windows-1251 bytes of the cards and flags the fixtures use.
#define H7 "7\xF7"     // 7ч
#define H8 "8\xF7"     // 8ч
#define SA "\xD2\xEF"  // Тп
#define ON "\xC8"      // И
#define OFF "\xCB"     // Л

using test::fill;
using test::numberedDeck;

// The eight of hearts and the ace of spades first, then the rest in order.
DeckCells eightAndAceFirst()
{
    DeckCells deck;
    int i = 1;
    deck[i++] = cellFor(CardCode{'8', suit::kHearts});
    deck[i++] = cellFor(CardCode{rank::kAce, suit::kSpades});
    for (int n = 1; n <= kDeckCards; ++n) {
        const CardCell cell = cardFromNumber(n);
        if (cell != deck[1] && cell != deck[2]) {
            deck[i++] = cell;
        }
    }
    return deck;
}

NameBlock names(const char* r1, const char* r2, const char* r3, const char* r4)
{
    NameBlock block;
    block[1] = r1;
    block[2] = r2;
    block[3] = r3;
    block[4] = r4;
    return block;
}

constexpr CardCode kSevenOfHearts{'7', suit::kHearts};

struct BuiltCase {
    const char* what;
    QByteArray built;
    QByteArray expected;
};

TEST(NetMessages, BuildersWriteTheExactWireText)
{
    const NameBlock block = names("Ivan", "Alexander", "Bo", kComputerName);
    const std::vector<BuiltCase> cases = {
        {"join request", buildJoinRequest("Alexander"), "tev8425connect1Alex"},
        {"join request, short name", buildJoinRequest("Bo"), "tev8425connect1Bo  "},
        {"join accepted", buildJoinAccepted(3, block), "connect2+3IvanAlexBo  PC  "},
        {"role 3 joined", buildNamesUpdated(3, block), "connect3+IvanAlexBo  PC  "},
        {"role 4 joined", buildNamesUpdated(4, block), "connect4+IvanAlexBo  PC  "},
        {"begin", buildMove({MoveKind::Begin, 0, kEmptyCard}, 1),
         "hbegin ### ######### ######### #####1"},
        {"take from the pile", buildMove({MoveKind::Take, 1, kEmptyCard}, 3),
         "htake1#### ######### ######### #####3"},
        {"take from the deck", buildMove({MoveKind::Take, 2, kEmptyCard}, 1),
         "htake2#### ######### ######### #####1"},
        {"discard", buildMove({MoveKind::Discard, 0, kSevenOfHearts}, 2),
         "hputskucha" H7 "######## ######### #####2"},
        {"knock", buildMove({MoveKind::Knock, 0, kEmptyCard}, 4),
         "hmakeknock########## ######### #####4"},
        {"chat of the host", buildChat(1, "Hi all"), "s1Hi all"},
        {"chat of role 3", buildChat(3, "\xCF\xF0\xE8\xE2\xE5\xF2"), "s3\xCF\xF0\xE8\xE2\xE5\xF2"},
        {"abort", buildAbort(), "abort"},
        {"relay connect", buildRelayConnect(3), "connect3" + fill(41) + "3"},
        {"relay begin", buildRelayMove({MoveKind::Begin, 0, kEmptyCard}, 1),
         "hbegin" + fill(43) + "1"},
        {"relay take", buildRelayMove({MoveKind::Take, 2, kEmptyCard}, 4),
         "htake2" + fill(43) + "4"},
        {"relay discard", buildRelayMove({MoveKind::Discard, 0, kSevenOfHearts}, 2),
         "hputskucha" H7 + fill(37) + "2"},
        {"relay knock", buildRelayMove({MoveKind::Knock, 0, kEmptyCard}, 3),
         "hmakeknock" + fill(39) + "3"},
        {"relay chat", buildRelayChat("Hello", 1), "sHello" + fill(43) + "1"},
        {"relay next deal", buildRelayNextDeal(1), "bnext" + fill(44) + "1"},
        {"relay final balances", buildRelayFinalBalances({}, 1),
         "o    0    0    0    0" + fill(28) + "1"},
        {"relay time out", buildRelayTimeOut(2), "TOut" + fill(45) + "2"},
        {"relay leave", buildRelayLeave(4), "disA" + fill(45) + "4"},
        {"relay frame cut to 49", buildRelayFrame(QByteArray(60, 'x'), 2),
         QByteArray(49, 'x') + "2"},
    };
    for (const BuiltCase& c : cases) {
        EXPECT_EQ(c.built, c.expected) << c.what;
    }
}

TEST(NetMessages, FinalBalancesAreSignedRightAlignedFields)
{
    OneBasedArray<int, kSeats> balances;
    balances[1] = 25;
    balances[2] = -5;
    balances[3] = 0;
    balances[4] = -20;
    EXPECT_EQ(buildRelayFinalBalances(balances, 1), "o   25   -5    0  -20" + fill(28) + "1");

    // Beyond five characters a balance is clamped, so the fields stay put.
    balances[1] = 123456;
    balances[2] = -12345;
    EXPECT_EQ(buildRelayFinalBalances(balances, 3), "o99999-9999    0  -20" + fill(28) + "3");
}

TEST(NetMessages, WireNamesAreFourCharacters)
{
    const std::vector<std::pair<QByteArray, QByteArray>> cases = {
        {"Alexander", "Alex"},
        {"Alex", "Alex"},
        {"Bo", "Bo  "},
        {"", "    "},
        {"PC", "PC  "},
        {"Al  ex", "Al  "},
        // Windows-1251 "Саша" and "Александр"
        {"\xD1\xE0\xF8\xE0", "\xD1\xE0\xF8\xE0"},
        {"\xC0\xEB\xE5\xEA\xF1\xE0\xED\xE4\xF0", "\xC0\xEB\xE5\xEA"},
    };
    for (const auto& [name, wire] : cases) {
        EXPECT_EQ(wireName(name), wire) << name.toStdString();
    }
    EXPECT_EQ(wireNameFromUtf8("Александр"), "\xC0\xEB\xE5\xEA");
    EXPECT_EQ(wireNameFromUtf8("李 Li"), "? Li");
}

TEST(NetMessages, NameBlockInRoleOrder)
{
    const QByteArray block = nameBlock(names("Ivan", "Alexander", kComputerName, "Bo"));
    EXPECT_EQ(block, "IvanAlexPC  Bo  ");
    const auto parsed = parseNameBlock(block);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, names("Ivan", "Alex", "PC  ", "Bo  "));
    EXPECT_FALSE(parseNameBlock("IvanAlexPC  Bo "));
    EXPECT_FALSE(parseNameBlock("IvanAlexPC  Bo   "));
}

TEST(NetMessages, DealFieldsAreTwoDigitRankIndexAndPoints)
{
    const QByteArray deal = buildDeal(eightAndAceFirst(), RuleOptions{true, false});
    ASSERT_EQ(deal.size(), kDealLength);
    EXPECT_EQ(deal.left(5), "b" H8 SA);
    EXPECT_EQ(deal.mid(105, 4), "0713");  // rank indexes of the eight and the ace
    EXPECT_EQ(deal.mid(209, 4), "0811");  // their points
    EXPECT_EQ(deal.right(2), ON OFF);
    EXPECT_EQ(buildDeal(eightAndAceFirst(), RuleOptions{false, true}).right(2), OFF ON);
}

TEST(NetMessages, DealRoundTripsWithBothRuleFlags)
{
    for (const bool three : {false, true}) {
        for (const bool punish : {false, true}) {
            const Deal deal{eightAndAceFirst(), RuleOptions{three, punish}};
            EXPECT_EQ(parseDeal(buildDeal(deal.deck, deal.rules)), deal) << three << punish;
        }
    }
}

TEST(NetMessages, RuleFlagOtherThanOnCountsAsOff)
{
    QByteArray deal = buildDeal(numberedDeck(), RuleOptions{});
    deal[313] = 'x';
    deal[314] = ON[0];
    const auto parsed = parseDeal(deal);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->rules, (RuleOptions{false, true}));
}

TEST(NetMessages, BadDealsAreRefused)
{
    const QByteArray good = buildDeal(numberedDeck(), RuleOptions{});
    ASSERT_TRUE(parseDeal(good));
    // Card 2 of the numbered deck is "2б" (rank "01", points "02"); card 49 is
    // "Тч" (rank "13", points "11").
    struct Case {
        const char* what;
        int at;  // 0-based
        QByteArray bytes;
    };
    const std::vector<Case> cases = {
        {"a card twice", 3, "2\xF7"},
        {"not a card", 3, "2x"},
        {"an empty cell", 3, "##"},
        {"a face-down card", 3, "00"},
        {"wrong rank index", 107, "02"},
        {"rank index not zero-padded", 107, " 1"},
        {"wrong points", 209 + 2 * 48, "10"},
        {"points not digits", 209 + 2 * 48, "1a"},
        {"not a deal", 0, "c"},
    };
    for (const Case& c : cases) {
        QByteArray bad = good;
        bad.replace(c.at, c.bytes.size(), c.bytes);
        ASSERT_EQ(bad.size(), good.size());
        EXPECT_FALSE(parseDeal(bad)) << c.what;
        EXPECT_FALSE(parseRelayDeal(bad)) << c.what;
    }
    EXPECT_FALSE(parseDeal(good.chopped(1)));
    EXPECT_FALSE(parseDeal(good + "#"));
    EXPECT_FALSE(parseDeal(""));
}

TEST(NetMessages, RelayDealHasTheTournamentRules)
{
    const DeckCells deck = eightAndAceFirst();
    const QByteArray direct = buildDeal(deck, RuleOptions{false, true});
    const Deal tournament{deck, RuleOptions{true, false}};
    EXPECT_EQ(parseRelayDeal(direct.left(kRelayDealLength)), tournament);
    EXPECT_EQ(parseRelayDeal(direct), tournament);
    EXPECT_EQ(parseRelayDeal(direct.left(kRelayDealLength) + fill(37)), tournament);
    EXPECT_FALSE(parseRelayDeal(direct.left(kRelayDealLength - 1)));
}

TEST(NetMessages, MovesAreReadAtTheirPositions)
{
    struct Case {
        QByteArray message;
        std::optional<Move> move;
        int sender;
    };
    const std::vector<Case> cases = {
        {"hbegin ### ######### ######### #####1", Move{MoveKind::Begin, 0, kEmptyCard}, 1},
        {"htake1#### ######### ######### #####4", Move{MoveKind::Take, 1, kEmptyCard}, 4},
        {"htake2#### ######### ######### #####3", Move{MoveKind::Take, 2, kEmptyCard}, 3},
        {"hputskucha" H7 "######## ######### #####2", Move{MoveKind::Discard, 0, kSevenOfHearts},
         2},
        {"hmakeknock########## ######### #####2", Move{MoveKind::Knock, 0, kEmptyCard}, 2},
        // The filling is never read.
        {"hmakeknockxxxxxxxxxxxxxxxxxxxxxxxxxx3", Move{MoveKind::Knock, 0, kEmptyCard}, 3},
        // Refused:
        {"hjumpover########## ######### ######1", std::nullopt, 0},
        {"htake3#### ######### ######### #####1", std::nullopt, 0},
        {"htake0#### ######### ######### #####1", std::nullopt, 0},
        {"hputskucha########## ######### #####2", std::nullopt, 0},  // code "##"
        {"hputskucha00######## ######### #####2", std::nullopt, 0},
        {"hputskucha7x######## ######### #####2", std::nullopt, 0},
        {"hmakeknock########## ######### #####0", std::nullopt, 0},
        {"hmakeknock########## ######### #####5", std::nullopt, 0},
        {"hmakeknock########## ######### #####a", std::nullopt, 0},
        {"hmakeknock########## ######### ####1", std::nullopt, 0},
        {"hmakeknock########## ######### ######1", std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const auto parsed = parseMove(c.message);
        if (!c.move) {
            EXPECT_FALSE(parsed) << c.message.toStdString();
            continue;
        }
        ASSERT_TRUE(parsed) << c.message.toStdString();
        EXPECT_EQ(parsed->move, *c.move) << c.message.toStdString();
        EXPECT_EQ(parsed->sender, c.sender);
        EXPECT_EQ(parsed->raw, c.message);
    }
}

TEST(NetMessages, JoinRequestNeedsTheExactGameNumber)
{
    EXPECT_EQ(parseJoinRequest("tev8425connect1Alex"), JoinRequest{"Alex"});
    EXPECT_EQ(parseJoinRequest("tev8425connect1Bo  "), JoinRequest{"Bo  "});
    for (const char* refused :
         {"tev8325connect1Alex", "tev8424connect1Alex", "tex8425connect1Alex",
          "tev8425connect2Alex", "tev8425connect1Ale", "tev8425connect1Alexa"}) {
        EXPECT_FALSE(parseJoinRequest(refused)) << refused;
    }
}

TEST(NetMessages, AcceptanceGivesRoleAndNames)
{
    const NameBlock block = names("Ivan", "Alex", "PC  ", "PC  ");
    const std::vector<std::pair<char, int>> roles = {
        {'2', 2}, {'3', 3}, {'4', 4}, {'9', 2}, {'#', 2}};
    for (const auto& [digit, role] : roles) {
        const QByteArray message = QByteArray("connect2+") + digit + "IvanAlexPC  PC  ";
        EXPECT_EQ(parseJoinAccepted(message), (JoinAccepted{role, block})) << digit;
    }
    EXPECT_FALSE(parseJoinAccepted("connect2+2IvanAlexPC  PC "));
    EXPECT_FALSE(parseJoinAccepted("connect3+2IvanAlexPC  PC  "));

    EXPECT_EQ(parseNamesUpdated("connect3+IvanAlexBo  PC  "),
              (NamesUpdated{3, names("Ivan", "Alex", "Bo  ", "PC  ")}));
    EXPECT_EQ(parseNamesUpdated("connect4+IvanAlexBo  Max "),
              (NamesUpdated{4, names("Ivan", "Alex", "Bo  ", "Max ")}));
    EXPECT_FALSE(parseNamesUpdated("connect2+IvanAlexBo  PC  "));
    EXPECT_FALSE(parseNamesUpdated("connect5+IvanAlexBo  PC  "));
    EXPECT_FALSE(parseNamesUpdated("connect3+IvanAlexBo  PC"));
}

TEST(NetMessages, ChatNeedsARoleDigitAndALine)
{
    EXPECT_EQ(parseChat("s2Hello"), (ChatLine{2, "Hello"}));
    EXPECT_EQ(parseChat("s4 "), (ChatLine{4, " "}));
    for (const char* refused : {"s2", "s", "s0Hello", "s5Hello", "sxHello", "t2Hello", ""}) {
        EXPECT_FALSE(parseChat(refused)) << refused;
    }
}

TEST(NetMessages, RelayFrames)
{
    struct Case {
        QByteArray frame;
        std::optional<Message> message;
    };
    const QByteArray knock = "hmakeknock" + fill(39) + "2";
    const QByteArray take = "htake1" + fill(43) + "#";
    const std::vector<Case> cases = {
        {"sHello" + fill(43) + "3", ChatLine{3, "Hello"}},
        {"sHi there#again" + fill(34) + "1", ChatLine{1, "Hi there"}},
        {"s" + QByteArray(48, 'x') + "4", ChatLine{4, QByteArray(48, 'x')}},
        {knock, MoveMessage{{MoveKind::Knock, 0, kEmptyCard}, 2, knock}},
        // A move needs no place digit; without one its sender is 0.
        {take, MoveMessage{{MoveKind::Take, 1, kEmptyCard}, 0, take}},
        {"e" + fill(49), GameEnded{}},
        {"aXXXX3" + fill(44), PlayerLeft{3}},
        {"T" + fill(48) + "4", LostOnTime{4}},
        // Refused:
        {"s" + fill(48) + "3", std::nullopt},
        {"sHello" + fill(44), std::nullopt},
        {"htake3" + fill(43) + "1", std::nullopt},
        {"hello" + fill(44) + "1", std::nullopt},
        {"aXXXX#" + fill(43) + "1", std::nullopt},
        {"T" + fill(49), std::nullopt},
        {"x" + fill(48) + "1", std::nullopt},
        {"bnext" + fill(44) + "1", std::nullopt},
        {"e" + fill(48), std::nullopt},
        {"e" + fill(50), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseRelayFrame(c.frame), c.message) << c.frame.toStdString();
    }
}

}  // namespace
}  // namespace olk::net

namespace olk::net {
namespace {

// What a peer sends is shown and kept printable: control bytes and 0x98 in
// names and chat lines become "?".
TEST(PeerText, NamesAndChatLinesArePrintable)
{
    const auto join = parseJoinRequest(QByteArray("tev8425connect1") + "A\nB\x98");
    ASSERT_TRUE(join);
    EXPECT_EQ(join->name, "A?B?");
    const auto chat = parseChat(QByteArray("s2hi\x1B[2J\r"));
    ASSERT_TRUE(chat);
    EXPECT_EQ(chat->text, "hi?[2J?");
    const auto names =
        parseNameBlock(QByteArray("Ann\x07"
                                  "Bob PC  "
                                  "\x00\x01"
                                  "ok",
                                  16));
    ASSERT_TRUE(names);
    EXPECT_EQ((*names)[1], "Ann?");
    EXPECT_EQ((*names)[4], "??ok");
    EXPECT_EQ(printable("\xC8\xE2\xE0\xED"), "\xC8\xE2\xE0\xED") << "Cyrillic stays";
    // Also a chat line the receiver cuts out of a stream.
    MessageReceiver receiver(MessageReceiver::Side::Joined);
    const auto fed = receiver.feed("s3a\x01");
    ASSERT_EQ(fed.messages.size(), 1u);
    EXPECT_EQ(std::get<ChatLine>(fed.messages[0]).text, "a?");
}

}  // namespace
}  // namespace olk::net
