#pragma once

#include <QFont>

#include "settings/settings.h"

namespace olk {

// Every text the program draws itself names one of four families; each is a
// face name and a percentage scale from the settings.
enum class FontFamily { Decor, Serif, Fixed, Conew };

// The face of `family` at a wanted pixel size, scaled by the family's
// percentage (halves rounded to even).
QFont familyFont(const Settings& settings, FontFamily family, int size);

// The faces the settings name by default ("Comic Sans MS", "Courier New",
// "Fixedsys") are Windows fonts; this maps them to free faces installed with
// the game (Comfortaa, Liberation Mono, DejaVu Sans Mono) that hold Latin with
// its Central and Western European letters and Cyrillic alike, with CJK faces
// behind them for Chinese, Japanese and Korean text. Call once, after the
// application object exists.
void registerFontSubstitutions();

}  // namespace olk
