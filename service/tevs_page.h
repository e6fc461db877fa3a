#pragma once

#include <QByteArray>

namespace olk::service {

// The page the game's "Add Tevs to Your account" opens (GET /tevs/100): how
// members of this club come by Tevs. The club sells none: Tevs are the
// bonuses of the account rating's cycle report and what other members
// transfer, and the page says so rather than pretending to take money.
QByteArray tevsPage();

}  // namespace olk::service
