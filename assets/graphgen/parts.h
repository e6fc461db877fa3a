#pragma once

// The parts olk-graphgen draws besides the backgrounds (backgrounds.h).

#include <QImage>
#include <QString>

#include "assets/graphgen/common.h"

namespace olk::graphgen {

// The purple design of "TevCGraph1.dll": "BGLilu", the dialog backgrounds
// "GFormOpt" and "GFormRadio", the icons "GIcon48Opt" and "GIcon48Speed",
// the menu animations "GifA" .. "GifG" and the salute "GTouch".
bool makePurple(Output& out);

// The dialog pictures built into the program: the title lettering, the
// caption plate "GCap300", the ribbon "GLenta280x090", the dialog headers
// "GFormOpt" + language ... and the flags.
bool makeDialogs(Output& out);

// The country flags "Country" + code ("Country1-001"), 40 x 27, for every
// entry of the continents' lists (account/countries.h); false when one is
// missing.
bool makeCountryFlags(Output& out);

// The flag of the country `name` of the continents' lists ("Russia",
// "United Kingdom") at w x h; a null image for a name without a flag.
QImage renderCountryFlagAt(const char* name, int w, int h, double cornerRadius);

// Flag `code` ("Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze",
// "Jap", "Kor") at w x h with rounded corners, a thin border and a sheen;
// a null image for an unknown code.
QImage renderFlag(const QString& code, int w, int h);

}  // namespace olk::graphgen
