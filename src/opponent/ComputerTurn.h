#pragma once
// One shot of the computer at the player's field.
#include <string>

#include "rules/Battle.h"

namespace orv {

// "CP_TURN", "CP_TURN終了" or "ＣＰ勝利".
std::string ComputerShot(Battle& b, Integer X, Integer Y);

}  // namespace orv
