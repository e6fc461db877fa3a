#include "table_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/seats.h"

namespace olk::test {

namespace {

std::vector<CardCode> cards(const std::string& utf8)
{
    std::vector<CardCode> out;
    std::istringstream in(utf8);
    std::string word;
    while (in >> word) {
        out.push_back(card(word));
    }
    return out;
}

std::string flightEnd(const FlightEnd& end)
{
    switch (end.place) {
    case FlightEnd::Place::Pile:
        return "pile";
    case FlightEnd::Place::Deck:
        return "deck";
    case FlightEnd::Place::Hand:
        return std::to_string(end.seat) + ":" + std::to_string(end.cell);
    }
    return "?";
}

const char* caption(FirstButton button)
{
    switch (button) {
    case FirstButton::ToBegin:
        return "ToBegin";
    case FirstButton::Knock:
        return "Knock";
    case FirstButton::NextGame:
        return "NextGame";
    }
    return "?";
}

}  // namespace

CardCode card(std::string_view utf8)
{
    const auto code = cardFromUtf8(utf8);
    EXPECT_TRUE(code) << "unknown card " << utf8;
    return code.value_or(kEmptyCard);
}

HandCells hand(std::string_view utf8)
{
    HandCells cells;
    std::istringstream in{std::string(utf8)};
    std::string word;
    int i = 1;
    while (in >> word && i <= kHandCells) {
        cells[i++] = word == "##" ? kEmptyCell : cellFor(card(word));
    }
    return cells;
}

std::string text(const HandCells& cells)
{
    std::string out;
    for (const CardCell& cell : cells) {
        out += (out.empty() ? "" : " ") + cardToUtf8(cell.code);
    }
    return out;
}

DeckCells deckFor(const std::string& seat1, const std::string& seat2, const std::string& seat3,
                  const std::string& seat4, const std::string& pile, const std::string& next)
{
    std::vector<CardCode> order;
    // Blocks by role 1..4 of a local game: seats 4, 2, 1, 3.
    for (const std::string* block : {&seat4, &seat2, &seat1, &seat3}) {
        const auto blockCards = cards(*block);
        EXPECT_EQ(blockCards.size(), 3u);
        order.insert(order.end(), blockCards.begin(), blockCards.end());
    }
    order.push_back(card(pile));
    for (const CardCode code : cards(next)) {
        order.push_back(code);
    }
    for (int n = 1; n <= kDeckCards; ++n) {
        const CardCode code = cardFromNumber(n).code;
        if (std::find(order.begin(), order.end(), code) == order.end()) {
            order.push_back(code);
        }
    }
    EXPECT_EQ(order.size(), 52u);
    DeckCells deck;
    for (int i = 1; i <= kDeckCards && i <= static_cast<int>(order.size()); ++i) {
        deck[i] = cellFor(order[static_cast<std::size_t>(i - 1)]);
    }
    return deck;
}

void setPosition(GameEngine& engine, const std::string& seat1, const std::string& seat2,
                 const std::string& seat3, const std::string& seat4, const std::string& pile,
                 int deckLeft, int turnState, int moveCount, const std::string& next)
{
    TableState& st = engine.editState();
    const DeckCells all = deckFor(seat1, seat2, seat3, seat4, pile, next);
    // all: 12 hand cards, the pile top, `next`, then the rest.
    const std::string* hands[] = {&seat1, &seat2, &seat3, &seat4};
    for (int seat = 1; seat <= kSeats; ++seat) {
        PlayerRecord& player = st.players[seat];
        player.cells = hand(*hands[seat - 1]);
        sortHand(player);
    }
    st.nextDeckIndex = kDeckCards + 1 - deckLeft;
    for (int i = 1; i <= kDeckCards; ++i) {
        st.deck[i] = kEmptyCell;
    }
    // Deck cards in play order from cell nextDeckIndex: cells 14.. of `all`.
    for (int i = 0; i < deckLeft; ++i) {
        st.deck[st.nextDeckIndex + i] = all[14 + i];
    }
    // Everything else lies under the pile top.
    st.pile.fill(kEmptyCell);
    st.pileCount = 0;
    for (int i = 14 + deckLeft; i <= kDeckCards; ++i) {
        st.pile[++st.pileCount] = all[i];
    }
    st.pile[++st.pileCount] = all[13];
    st.turnState = turnState;
    st.moveCount = moveCount;
    st.knocker = 0;
    st.turnsAfterKnock = 0;
    st.playPhase = 2;
    st.gameActive = true;
    if (auto broken = checkInvariants(st)) {
        ADD_FAILURE() << "bad position: " << *broken;
    }
}

std::vector<std::string> RecordingObserver::take()
{
    std::vector<std::string> out;
    out.swap(events);
    return out;
}

bool RecordingObserver::saw(const std::string& event) const
{
    return std::find(events.begin(), events.end(), event) != events.end();
}

void RecordingObserver::prepareTableForDeal()
{
    events.push_back("prepare");
}
void RecordingObserver::chooseBack()
{
    events.push_back("back");
}
void RecordingObserver::showAllHandsChanged(bool on)
{
    events.push_back(std::string("show-all ") + (on ? "on" : "off"));
}
void RecordingObserver::attach(GameEngine& engine)
{
    engine.setObserver(this);
    engine.setLink(this);
    engine.setTurnDriver(this);
}

void RecordingObserver::sendDeal(const DeckCells& deck, const RuleOptions& rules)
{
    events.push_back("send-deal " + cardToUtf8(deck[1].code) + " " +
                     (rules.threeOfAKind30 ? "И" : "Л") + (rules.punishKnocker ? "И" : "Л"));
}
void RecordingObserver::showChatLine()
{
    events.push_back("chat-line");
}
void RecordingObserver::showAwaitingServer()
{
    events.push_back("awaiting-server");
}
void RecordingObserver::setDealNumberHint(int dealNumber, int cycle)
{
    events.push_back("deal-hint " + std::to_string(dealNumber) + "/" + std::to_string(cycle));
}
void RecordingObserver::stopTurnDriver()
{
    events.push_back("driver stop");
}
void RecordingObserver::startTurnDriver()
{
    events.push_back("driver start");
}
void RecordingObserver::startRecording()
{
    events.push_back("record start");
}
void RecordingObserver::showHand(int seat, bool faceUp)
{
    events.push_back("hand " + std::to_string(seat) + (faceUp ? " up" : " down"));
}
void RecordingObserver::showDeckAndPile()
{
    events.push_back("deck-pile");
}
void RecordingObserver::showPlate(int seat, const PlateView& plate)
{
    const char* colour = plate.colour == PlateColour::Yellow ? "yellow"
                         : plate.colour == PlateColour::Red  ? "red"
                                                             : "blue";
    events.push_back("plate " + std::to_string(seat) + " " + colour +
                     (plate.showsResult ? " $" : " name") + " " + std::to_string(plate.value));
}
void RecordingObserver::setPlateHint(int seat, int balance)
{
    events.push_back("hint " + std::to_string(seat) + " $" + std::to_string(balance));
}
void RecordingObserver::showTurnArrow(int turnState)
{
    events.push_back("arrow " + std::to_string(turnState));
}
void RecordingObserver::showDealCounter()
{
    events.push_back("counter");
}
void RecordingObserver::setActionButtons(const ActionButtons& buttons)
{
    events.push_back(std::string("buttons ") + caption(buttons.caption) +
                     (buttons.firstEnabled ? " on" : " off") +
                     (buttons.exitEnabled ? " exit-on" : " exit-off"));
}
void RecordingObserver::flyCard(const CardFlight& flight)
{
    events.push_back("fly " + flightEnd(flight.from) + ">" + flightEnd(flight.to) + " " +
                     cardToUtf8(flight.face));
}
void RecordingObserver::playSound(std::string_view name, bool wait)
{
    events.push_back("sound " + std::string(name) + (wait ? " wait" : ""));
}
void RecordingObserver::announceMove(const Move& move)
{
    switch (move.kind) {
    case MoveKind::Begin:
        events.push_back("announce begin");
        break;
    case MoveKind::Take:
        events.push_back("announce take " + std::to_string(move.source));
        break;
    case MoveKind::Discard:
        events.push_back("announce discard " + cardToUtf8(move.card));
        break;
    case MoveKind::Knock:
        events.push_back("announce knock");
        break;
    }
}
void RecordingObserver::restartMoveClock(int seat)
{
    events.push_back("clock " + std::to_string(seat));
}
void RecordingObserver::stopMoveClocks()
{
    events.push_back("clocks stop");
}
void RecordingObserver::sendFinalBalances(const OneBasedArray<int, kSeats>& byPlace)
{
    events.push_back("final " + std::to_string(byPlace[1]) + " " + std::to_string(byPlace[2]) +
                     " " + std::to_string(byPlace[3]) + " " + std::to_string(byPlace[4]));
}
void RecordingObserver::pause(int milliseconds)
{
    events.push_back("pause " + std::to_string(milliseconds));
}
void RecordingObserver::finishRecording()
{
    events.push_back("record save");
}
void RecordingObserver::refreshAnimatedBackground()
{
    events.push_back("background");
}
void RecordingObserver::dealEnded(const DealResult& result)
{
    events.push_back("deal-ended knocker " + std::to_string(result.knocker) +
                     (result.punished ? " punished" : ""));
}

}  // namespace olk::test
