#pragma once

// The rules the options dialog follows, apart from its widgets.

#include <QList>
#include <QSize>
#include <QString>
#include <array>

#include "settings/settings.h"

namespace olk {

// The window sizes (1..5) the list offers on a screen of this size, in list
// order: "Small window" and "Full screen" always; "Average window 1", "2" and
// "Large window" only where the screen is at least 990 x 670, 1290 x 870 and
// 1520 x 1020.
QList<int> windowSizeChoices(QSize screen);

// The deal-change modes of the "Decks" tab.
enum class DeckMode { ToChangeDecks = 0, AlwaysOne = 1, Random = 2 };

struct DeckModeChoice {
    DeckMode shown;
    std::array<bool, 3> enabled;  // by DeckMode
};

// What "Modification" shows for a deck: decks 8 to 11 always change at
// random and offer nothing else; the others offer the weekday rule and
// "Always one", never "Random".
DeckModeChoice deckModeChoice(int deckIndex, bool alwaysOne);

// Whether the "Salute" checks may be used: only with the graphics library.
bool saluteAvailable(const QString& programFolder);

// The nine files the download buttons fetch, in the order of the "DLL" tab:
// the card libraries A, B and C, the backgrounds, the calendar, the radio
// station list, the radio library, the voices and the graphics library.
inline constexpr int kDownloadFiles = 9;
QString downloadFile(int index);

// The graphics library of the purple designs.
QString graphicsLibraryFile();

// Applies the purple rule to a settings value about to be used: a purple
// design needs the graphics library; without it every design goes back to
// its first entry. True when something had to go back.
bool dropPurpleWithoutLibrary(Settings& settings, bool graphicsLibraryPresent);

// The download server: the online service's address without its path
// ("http://127.0.0.1:8765"); empty when the stored address cannot be read.
QString downloadServer(const Settings& settings);

}  // namespace olk
