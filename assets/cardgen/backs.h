#pragma once

// The backs of decks 1 to 12 of "TevCards06B.dll", each deck a family of
// designs true to its name: seven weekday designs in related colours, or
// for "Animals", "Flowers", "Places" and "Other" ten motifs.

#include <QList>

#include "assets/artkit/artkit.h"

namespace olk::cardgen {

// The designs of deck 1..12 in back order (Monday first); empty for any
// other deck.
QList<art::BackDesign> deckBacks(int deck);

}  // namespace olk::cardgen
