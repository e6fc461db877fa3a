#pragma once

// The music player's three round buttons of the main menu, 61 x 61 on a
// transparent ground: "MP_Play" and "MP_Pause" (one button, two faces),
// "MP_Next", and "MP_Volume", which leaves its middle free for the volume
// number the menu writes on it and marks its left side "-" and its right
// side "+", where a click lowers or raises the volume.

#include <QImage>
#include <QString>

#include <functional>

namespace olk::art {

enum class MediaSymbol { Play, Pause, Next, Volume };

QImage renderMediaButton(MediaSymbol symbol);

// Writes the four pictures through `save`; false when one could not be
// written.
bool makeMusicArt(const std::function<bool(const QImage&, const QString&)>& save);

}  // namespace olk::art
