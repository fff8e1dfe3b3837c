#pragma once
// Fights one whole battle on a HeadlessView with a player who plays at random:
// the 3 command and then the 4 combat vehicles go on uniformly random free
// cells of the own field, and every shot goes to a uniformly random cell of
// the enemy field not fired at yet. All draws come from gs.Rng, so a seed
// replays the battle. The computer's clock ticks only when it is its turn.
#include <string>

#include "core/GameState.h"
#include "sim/Transcript.h"

namespace orv {

struct BattleResult {
    std::string winner;  // "PLAYER", "CP", or empty if the battle did not end
    int playerShots = 0;
    int cpShots = 0;
    // Vehicles still in play at the end.
    int senLeft_M = 0, sikiLeft_M = 0, senLeft_E = 0, sikiLeft_E = 0;
};

// gs must have been through InitGameData and seeded. The transcript may be null.
BattleResult FightBattle(GameState& gs, Transcript* transcript);

}  // namespace orv
