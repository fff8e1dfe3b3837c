#pragma once
// The computer hides its vehicles and forgets its last battle.
#include "core/GameState.h"
#include "opponent/CpState.h"

namespace orv {

void DeployComputer(GameState& gs);
void InitCpTargeting(CpState& cp);

}  // namespace orv
