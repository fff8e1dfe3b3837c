#pragma once
// The computer hides its vehicles and forgets its last battle.
#include "rules/Battle.h"

namespace orv {

void DeployComputer(Battle& b);
void InitCpTargeting(CpState& cp);

}  // namespace orv
