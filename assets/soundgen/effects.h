#pragma once

// The program's sound effects, each under the resource name the game plays
// it by:
//   "WTasoKo"  a deal is dealt: a quick riffle of four card flicks
//   "WHodsDo"  after every take and discard: a card slides and lands
//   "WPlMore"  a knock: two raps on a wooden table
//   "WKoGutX"  a deal won: two rising bell notes
//   "WKoGood"  a game left with a plus: three rising bell notes
//   "WKoBadX"  a deal lost: a low, soft falling tone
//   "WKoBads"  a game left with a minus: the same, in two steps
//   "WFiBest"  first place of a cycle: a short major fanfare
//   "WFiGood"  a place in the top ten: a two-note chime
//   "WFiBads"  no place in the top ten: a gentle falling minor figure
//   "WOpenFo"  a window opens: a soft whoosh ending in a pop
//   "WToMenK"  something new arrived: a light ping
//   "WWrongs"  something failed: two soft low buzzes
//   "STimerA"  the tournament move clock ticks
//   "STimerB"  the same in its last seconds: a tick with a short beep
//
// Every effect starts and ends in silence and peaks at kPeakDbfs, so no two
// differ in level by more than their character does.

#include <string_view>
#include <vector>

#include "assets/soundgen/synth.h"

namespace olk::soundgen {

constexpr double kPeakDbfs = -3.0;

struct Effect {
    std::string_view name;
    Signal (*render)();  // the raw sound, before renderEffect finishes it
};

// Every effect, in the order above.
const std::vector<Effect>& effects();

// The finished samples of an effect: a moment of silence before the onset,
// faded edges and the common peak level.
Signal renderEffect(const Effect& effect);

}  // namespace olk::soundgen
