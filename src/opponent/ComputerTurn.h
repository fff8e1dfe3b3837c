#pragma once
// One shot of the computer at the player's field.
#include <string>

#include "opponent/CpState.h"
#include "rules/Play.h"

namespace orv {

// "CP_TURN", "CP_TURN終了" or "ＣＰ勝利".
std::string ComputerShot(Play& p, CpState& cp, Integer X, Integer Y);

}  // namespace orv
