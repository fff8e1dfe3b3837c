#pragma once
#include "core/GameState.h"

namespace orv {

// What the program does before its first window: fill the character table,
// the message constants and the cell colours, and reset the indices.
void InitGameData(GameState& gs);

}  // namespace orv
