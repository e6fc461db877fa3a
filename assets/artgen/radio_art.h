#pragma once

// The radio's pictures: the menu icon's radio "GRadioA" with its lamp
// overlays "GRadioB" (no radio files), "GRadioR" (off) and "GRadioG" (on),
// and the same set drawn larger for the radio library's "RRADIO_MAING" and
// "RRADIO_MAINR" (olk-radiogen).

#include <QImage>
#include <QString>

#include <functional>

namespace olk::art {

enum class RadioLamp { None, Grey, Red, Green };

// A table radio in a wooden case with a dial and a speaker cloth, w x h on a
// transparent ground; `lamp` adds the pilot lamp (and, when green, the
// dial's glow) or, with None, leaves the lamp dark.
QImage renderRadioSet(int w, int h, RadioLamp lamp);

// Only what the lamp adds to renderRadioSet(w, h, None), for the overlays
// drawn over the dark radio.
QImage renderRadioLamp(int w, int h, RadioLamp lamp);

// Writes "GRadioA", "GRadioB", "GRadioR" and "GRadioG" (146 x 90) through
// `save`; false when one could not be written.
bool makeRadioArt(const std::function<bool(const QImage&, const QString&)>& save);

}  // namespace olk::art
