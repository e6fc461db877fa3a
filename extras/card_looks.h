#pragma once

// The looks a player chooses among: 48 card sets (the faces), 13 decks (the
// backs) and 10 backgrounds in 7 colours, with the resource names their
// pictures have in the program and in the picture libraries
// ("TevCards06A.dll", "TevCards06B.dll", "TevCards06C.dll", "TevBackG03.dll",
// "TevCGraph1.dll"; records/resource_library.h).

#include <QImage>
#include <QString>

#include "core/card.h"

namespace olk {

// How cards are drawn at the current window size: the small 69 x 94 pictures
// inside a 1-pixel outline, pictures resampled to the card size, or the large
// 146 x 198 pictures as they are.
enum class DrawingClass { Small, Scaled, Large };

inline constexpr int kCardSets = 48;
inline constexpr int kDecks = 13;
inline constexpr int kBackgrounds = 10;       // 1..10; 0 is none
inline constexpr int kBackgroundColours = 7;  // 0..6

struct CardSetInfo {
    char library;         // 'A', 'B', 'C'; 0 for the built-in set
    const char* setCode;  // jacks, queens and kings
    const char* pipCode;  // 2 to 10
    const char* aceCode;
    bool narrow;          // drawn 61 instead of 71 design pixels wide
    int flagLanguage;     // the language whose flag the options list shows
};

// Set 0..47; another number gives set 0.
const CardSetInfo& cardSetInfo(int cardSet);
// The file of a library letter: 'A' → "TevCards06A.dll".
QString cardLibraryFile(char library);

// Deck 0..12: its code ("" for the built-in deck) and how many backs it has.
struct DeckInfo {
    const char* code;
    int backs;
};
const DeckInfo& deckInfo(int deckIndex);

// The resource name of a face: suit part + rank part ("Ch02", "Pi5A").
QString faceName(CardCode card);

// The back every face-down card shows in this deal: today's weekday (Monday
// 1 .. Sunday 7) when decks change by the day, 7 for "Always one".
int chooseBack(bool alwaysOne, int dayOfWeek);

// A library face: suit prefix + rank part + the set's code for that rank +
// "B" outside the small class ("Ch02Mod", "Pi4KCorB").
QString libraryFaceName(CardCode card, int cardSet, DrawingClass drawingClass);

// A back: "Ob" + back part + deck code + "" in the small class, else "B",
// or "U" with a narrow card set ("Ob07Su", "Ob03WeAniU").
QString backName(int backNumber, int deckIndex, DrawingClass drawingClass, bool narrowSet);

// A background: "Fon" + two digits + colour code + "" at "Small window",
// else "B" ("Fon01Fi", "Fon01FiB").
QString backgroundName(int background, int backgroundColour, int windowSize);

// The back of the next deal: decks 8 to 11 choose at random among their ten
// (`random` is a number 1..10 drawn afresh); the others by today's weekday
// (Monday 1 .. Sunday 7), or 7 for "Always one".
int chooseBack(bool alwaysOne, int dayOfWeek, int deckIndex, int random);

// Library faces are stored with one ellipse of pixels inverted; this turns
// them back (the built-in set is stored as it is).
void restoreLibraryFace(QImage& face, DrawingClass drawingClass, bool narrowSet);

}  // namespace olk
