#pragma once
// The player's deployment: one vehicle per click on the own field.
#include <string>

#include "rules/Play.h"

namespace orv {

// Each returns "" (placed, more to come), "配置済み" (refused) or the
// final word when the last vehicle of the kind has been placed.
std::string PlaceCommandUnit(Play& b, Grid grid, Board& board);
std::string PlaceCombatUnit(Play& b, Grid grid, Board& board);

}  // namespace orv
