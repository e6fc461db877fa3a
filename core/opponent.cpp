#include "opponent.h"

#include "hand_value.h"

namespace olk {

namespace {

constexpr CardCell kTrialGap{kEmptyCard, kEmptyValue, 0};

}  // namespace

double knockThreshold(int moveCount)
{
    if (moveCount < 4) {
        return 0.0;
    }
    if (moveCount <= 6) {
        return 19.0;
    }
    if (moveCount <= 10) {
        return 22.0;
    }
    if (moveCount <= 14) {
        return 25.0;
    }
    return 28.0;
}

int pileBonus(const HandCells& cells)
{
    const char s1 = cells[1].code.suit;
    const char s2 = cells[2].code.suit;
    const char s3 = cells[3].code.suit;
    if (s1 == s2 && s2 == s3) {
        return 2;
    }
    if (s1 == s2 || s2 == s3 || s1 == s3) {
        return 3;
    }
    return 4;
}

TakeChoice chooseTake(const TableState& state, int seat, bool threeOfAKind30)
{
    const HandCells& hand = state.players[seat].cells;
    const double current = handValue(hand, threeOfAKind30);

    double best = 0.0;
    if (state.pileCount >= 1) {
        for (int k = 1; k <= 3; ++k) {
            HandCells trial = hand;
            trial[4] = state.pileTop();
            trial[k] = kTrialGap;
            const double value = handValue(trial, threeOfAKind30);
            if (value > best) {
                best = value;
            }
        }
    }

    TakeChoice choice;
    const bool deckHasCards = state.nextDeckIndex <= kDeckCards;
    const bool pileHasCard = state.pileCount >= 1;
    choice.source = (current + pileBonus(hand) > best && deckHasCards) || !pileHasCard ? 2 : 1;
    if (choice.source == 2 && state.moveCount >= 4 && state.knocker == 0) {
        choice.knock = current >= knockThreshold(state.moveCount);
    }
    return choice;
}

int chooseDiscard(const TableState& state, int seat, bool threeOfAKind30)
{
    const HandCells& hand = state.players[seat].cells;
    int bestCell = 1;
    double best = -1.0;
    for (int k = 1; k <= kHandCells; ++k) {
        HandCells trial = hand;
        trial[k] = kTrialGap;
        const double value = handValue(trial, threeOfAKind30);
        if (value > best) {
            best = value;
            bestCell = k;
        }
    }
    return bestCell;
}

}  // namespace olk
