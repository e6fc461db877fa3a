#pragma once

#include <QCursor>

namespace olk {

// The program's own red cursors: an arrow over windows and panels, a hand
// over clickable controls, an I-beam over edit fields and an hourglass while
// waiting. Drawn once, when first asked for.
QCursor ownCursor(Qt::CursorShape shape);

// Switches between the own cursors and the system's standard ones for every
// window of the program, now and for those that open later: a widget that
// asks for the arrow, the hand, the I-beam or the hourglass gets the own one
// while they are on.
void useOwnCursors(bool on);
bool ownCursorsInUse();

// The cursor to show while the program is busy, in the current choice.
QCursor waitCursor();

}  // namespace olk
