#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <array>

#include "core/card.h"
#include "extras/card_looks.h"
#include "records/resource_library.h"
#include "settings/settings.h"

#include <QStringList>
#include <optional>

namespace olk {

// The libraries the chosen card set and deck are drawn from, opened for one
// loading pass (beside the program, then in the folder above), and the
// choices that had to fall back because a library was missing.
struct CardSources {
    std::optional<ResourceLibrary> faces;  // none: the built-in faces
    std::optional<ResourceLibrary> backs;  // none: the built-in backs
    // Each library that could not be found, once, for the message
    // "Can`t find the file" + " " + name.
    QStringList missingLibraries;
};

// Finds the libraries of `settings.cardSet` and `settings.deckIndex` for the
// drawing class. A missing face library sets the card set to "Classical-1";
// a missing "TevCards06B.dll" sets the deck to "Classical-1", and the card
// set as well when it is a narrow one outside the small class (deck 0's
// narrow backs are in that library too). The fallen-back choices stay in the
// settings.
CardSources findCardSources(Settings& settings, DrawingClass drawingClass,
                            const QString& programFolder);

// The pictures the table draws cards and the background with, held ready at
// the size the current window needs: faces and backs already resampled for
// the scaled class, as stored for the small and large ones.
//
// The built-in card set "Classical-1", deck 0 and the background "Felt" in
// "Green" come with the program (drawn by olk-artgen).
class CardPictures {
public:
    CardPictures();

    // Loads the built-in faces and backs for the window's drawing class and
    // card size.
    //
    // Every loader takes the screen's device pixel ratio: above 1 the
    // pictures are resampled from the large ones straight to the device's
    // pixels (card size x ratio, carrying the ratio), so a HiDPI screen
    // shows real detail rather than an upscaled card. The small class's
    // outlined card is then drawn whole, like the scaled class's.
    void load(DrawingClass drawingClass, int cardWidth, int cardHeight, int cornerSize,
              qreal ratio = 1.0);

    // Loads the faces of `cardSet` and the backs of `deckIndex` from
    // `sources` (built-in where it has no library), for the drawing class and
    // card size. A picture a library lacks or cannot decode is replaced by
    // the built-in one.
    void load(const CardSources& sources, int cardSet, int deckIndex, DrawingClass drawingClass,
              int cardWidth, int cardHeight, int cornerSize, qreal ratio = 1.0);

    // Builds the background for a window of `windowSize` with this client
    // area: the built-in "Felt" in "Green".
    void loadBackground(int windowSize, QSize client, qreal ratio = 1.0);

    // Builds the background the settings choose for this client area: with
    // `purple`, the purple design's "BGLilu" from "TevCGraph1.dll"; else
    // `background` in `backgroundColour` from "TevBackG03.dll" ("Felt" in
    // "Green" is the program's own; background 0 is none, a null picture).
    // A missing library falls back as the rules say (the purple designs to
    // the customizable ones, the background to "Felt" in "Green"), changing
    // the settings; its file is named in the result, once.
    QStringList loadBackground(Settings& settings, bool purple, QSize client,
                               const QString& programFolder, qreal ratio = 1.0);

    // The face of a real card, null for anything else.
    const QImage& face(CardCode card) const;
    // Back 1..10 of the deck; a number it does not have gives back 1.
    const QImage& back(int backNumber) const;
    const QImage& background() const { return m_background; }
    DrawingClass drawingClass() const { return m_class; }
    // The small class's 69 x 94 pictures, drawn inside a black outline;
    // false when the pictures are whole cards.
    bool outlined() const { return m_outlined; }

private:
    DrawingClass m_class = DrawingClass::Small;
    bool m_outlined = true;
    std::array<QImage, 53> m_faces;  // by deck number 1..52
    std::array<QImage, 11> m_backs;  // 1..10
    QImage m_background;
    QImage m_none;
};

// A picture of the purple design's library "TevCGraph1.dll" (beside the
// program or above it); null without the library or the picture.
QImage graphicsLibraryPicture(const QString& programFolder, const QString& name);

// A built-in picture by name (":/art/<name>"); null when there is none.
QImage builtInPicture(const QString& name);

// The main window's own colour for a background colour 0..6; green without a
// background picture.
QColor windowColour(int background, int backgroundColour);

}  // namespace olk
