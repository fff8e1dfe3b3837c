#pragma once
// Every grid cell shows its piece of the field picture with the sprite of its
// board text composed over it.
#include <string>

#include "rules/Play.h"

namespace orv {

// Sprite cell for a board text: 0 miss (and anything unknown), 1 adjacent,
// 2 combat hit, 3 command hit, 4 combat vehicle, 5 command vehicle.
int SpriteFor(const std::string& text);

void RedrawCell(Play& b, Integer col, Integer row, const Board& board, Grid grid);
void PaintCellPicture(Play& b, Grid grid, Integer col, Integer row, const std::string& text);
// Uncovers the computer's vehicles that were never hit.
void RevealEnemyUnits(Play& b);

}  // namespace orv
