#pragma once

#include <QByteArray>

#include "core/card.h"
#include "core/table_state.h"

namespace olk::net::test {

// `n` filling characters.
inline QByteArray fill(int n)
{
    return QByteArray(n, '#');
}

// The 52 cards in the order of their numbers.
inline DeckCells numberedDeck()
{
    DeckCells deck;
    for (int n = 1; n <= kDeckCards; ++n) {
        deck[n] = cardFromNumber(n);
    }
    return deck;
}

}  // namespace olk::net::test
