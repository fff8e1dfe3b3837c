#pragma once
// Where the game goes after a won battle.
#include "rules/Battle.h"

namespace orv {

void ShowVictoryPicture(Battle& b);

}  // namespace orv
