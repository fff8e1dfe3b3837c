#pragma once
// The player's deployment: one vehicle per click on the own field.
#include <string>

#include "rules/Battle.h"

namespace orv {

// Each returns "" (placed, more to come), "配置済み" (refused) or the
// final word when the last vehicle of the kind has been placed.
std::string PlaceCommandUnit(Battle& b, Grid grid, Board& board);
std::string PlaceCombatUnit(Battle& b, Grid grid, Board& board);

}  // namespace orv
