#pragma once

// The faces of the 47 library card sets: which SVG deck each is rendered
// from and how it is turned into a product of its own (faces.cpp holds the
// table, with a line for every set).

#include <QColor>
#include <QImage>
#include <QString>

#include "core/card.h"

class QSvgRenderer;

namespace olk::cardgen {

// The KDE SVG decks the sets are rendered from.
enum class Deck {
    Egyptians,
    Dondorf,
    Paris,
    JollyRoyal,
    NicuOrnamental,
    NicuWhite,
    Oxygen,
    OxygenAir,
    OxygenWhite,
    Penguins,
    Standard,
    Tigullio,
    XskatFrench,
    XskatGerman,
};

// The deck's file below the card deck folder ("svg-standard/standard.svgz").
QString deckFile(Deck deck);

// Suit colours of the pip cards, the aces and the courts' indices.
enum class Inks {
    AsDrawn,     // red and black
    FourColour,  // hearts red, diamonds blue, clubs green, spades black
    Tournament,  // the German skat tournament colours: diamonds yellow, spades green
    Latin,       // Spanish and Italian suit colours: cups red, coins gold,
                 // clubs green, swords blue
};

// The band round the face.
enum class Frame {
    None,
    Line,       // a band of `ink` with a fine inner line of `light`
    Double,     // two thin lines of `ink` on the paper
    Lacquer,    // black lacquer with gold lines and gold dots (palekh boxes)
    Gilded,     // a gold band with dark edges
    Beads,      // a band of `ink` threaded with beads of `light` and `accent`
    Knot,       // interlaced cords of `light` on `ink`
    Leaves,     // leaves of `light` and buds of `accent` on `ink`
    Folk,       // an embroidered zigzag of `light` on `ink`
    Weave,      // woven strips of `light` on `ink`
    Tricolour,  // stripes of `ink`, `light` and `accent`
    Pinta,      // the Spanish frame line of `ink`, broken once for coins,
                // twice for cups, three times for swords, four for clubs
    Seasons,    // a line band in the colour of the suit's season
    Fret,       // a Chinese lattice of `light` squares on `ink`
};

enum class Index {
    AsDrawn,
    Serif,  // the deck's corner indices covered by small serif ones
    Large,  // big plates with the rank and the suit: readable from afar
};

enum class Finish {
    Matt,
    Satin,  // silky streaks across the card
    Gloss,  // a lacquered highlight over the top: plastic cards
};

struct SetStyle {
    int cardSet;
    Deck deck;
    QColor paper;       // multiplied into the face; white leaves it as drawn
    int courtHue;       // degrees the courts' colours turn, the suits' red kept
    double courtSepia;  // 0..1: how far the courts go to brown, the suits' red kept
    double cardSepia;   // 0..1: the same for every card
    Inks inks;
    Frame frame;
    QColor ink;
    QColor light;
    QColor accent;
    Index index;
    Finish finish;
};

// The style of library set 1..47.
const SetStyle& setStyle(int cardSet);

// Renders the face of `card` in the set's style at w x h, crisp and
// antialiased straight at that size; `outline` draws the card's edge (the
// large pictures carry it, the table draws it round the small ones).
QImage renderLibraryFace(QSvgRenderer& svg, const SetStyle& style, CardCode card, int w, int h,
                         bool outline);

}  // namespace olk::cardgen
