#pragma once

#include <QString>

namespace olk {

// The salute: a short burst at the mouse pointer that confirms a button
// press or a card move. Thirty frames of the graphics library's strip
// "GTouch" (100 x 100 each, 12 ms apart) are put over the screen's square
// around the pointer, which is then given back as it was. The program waits
// for it (at least 360 ms). Without "TevCGraph1.dll" it does nothing and
// costs nothing.
void playSalute(const QString& programFolder);

}  // namespace olk
