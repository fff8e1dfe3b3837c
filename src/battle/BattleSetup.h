#pragma once
// Preparing a battle when the battle screen opens.
#include "battle/Battle.h"

namespace orv {

// Counts, counters and boards back to their start values.
void ResetBattle(GameState& gs);

// The battle screen's load sequence: grids, reset, the computer's deployment
// and memory, portrait, cell pictures, phase "InitDeploy", stage and
// character read-outs.
void LoadBattle(Battle& b);

}  // namespace orv
