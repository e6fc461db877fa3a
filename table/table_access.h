#pragma once

#include <QString>

#include "core/card.h"

namespace olk {

// A card's name in the language in use, "Queen of hearts"; empty for an
// empty cell, a face-down card or anything that is not one of the 52.
QString cardName(CardCode code);

// Screen readers see the table through an accessible interface of its own:
// the table draws everything itself, so its children are made up here (the
// cards of the own hand, the pile's top card, the deck and the four name
// plates) before the real child widgets (the action buttons, the chat).
// Installed once; every TableView gets it.
void installTableAccessibility();

}  // namespace olk
