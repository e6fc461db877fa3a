#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/game_engine.h"

namespace olk::test {

// A card from its UTF-8 text; fails the test for an unknown code.
CardCode card(std::string_view utf8);

// Four hand cells from text such as "Тч Кч 1ч ##" (fewer codes leave the
// last cells empty).
HandCells hand(std::string_view utf8);

// Cells as text, "##" for empty ones.
std::string text(const HandCells& cells);

// A full deck whose blocks deal the given hands in a local game (the local
// player counts as role 1: cards 1-3 to seat 4, 4-6 to seat 2, 7-9 to seat 1,
// 10-12 to seat 3), with `pile` as card 13 and then `next` as the first deck
// cards; the remaining cards follow in deck numbering order.
DeckCells deckFor(const std::string& seat1, const std::string& seat2, const std::string& seat3,
                  const std::string& seat4, const std::string& pile, const std::string& next = "");

// A consistent mid-deal table: the given hands (three cards each), `pile` on
// top of the pile, and `deckLeft` cards in the deck, `next` first among them.
// The other cards lie under the pile top. Play has begun, nobody knocked.
void setPosition(GameEngine& engine, const std::string& seat1, const std::string& seat2,
                 const std::string& seat3, const std::string& seat4, const std::string& pile,
                 int deckLeft, int turnState, int moveCount, const std::string& next = "");

// Writes every call of the engine's observer, participant link and turn
// driver as one line of text, in their one order.
class RecordingObserver : public TableObserver, public ParticipantLink, public TurnDriver {
public:
    std::vector<std::string> events;

    // Watches all three of the engine's outlets.
    void attach(GameEngine& engine);

    // The events since the last call, then forgets them.
    std::vector<std::string> take();
    bool saw(const std::string& event) const;

    void prepareTableForDeal() override;
    void chooseBack() override;
    void showAllHandsChanged(bool on) override;
    void sendDeal(const DeckCells& deck, const RuleOptions& rules) override;
    void showChatLine() override;
    void showAwaitingServer() override;
    void setDealNumberHint(int dealNumber, int cycle) override;
    void stopTurnDriver() override;
    void startTurnDriver() override;
    void startRecording() override;
    void showHand(int seat, bool faceUp) override;
    void showDeckAndPile() override;
    void showPlate(int seat, const PlateView& plate) override;
    void setPlateHint(int seat, int balance) override;
    void showTurnArrow(int turnState) override;
    void showDealCounter() override;
    void setActionButtons(const ActionButtons& buttons) override;
    void flyCard(const CardFlight& flight) override;
    void playSound(std::string_view name, bool wait) override;
    void announceMove(const Move& move) override;
    void restartMoveClock(int seat) override;
    void stopMoveClocks() override;
    void sendFinalBalances(const OneBasedArray<int, kSeats>& byPlace) override;
    void pause(int milliseconds) override;
    void finishRecording() override;
    void refreshAnimatedBackground() override;
    void dealEnded(const DealResult& result) override;
};

}  // namespace olk::test
