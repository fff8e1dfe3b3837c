#pragma once
// Firing: the answer to a shot, its marker, its colour, the turn and the win.
#include <string>

#include "rules/Battle.h"

namespace orv {

std::string PlayerShot(Battle& b, Grid grid);
std::string JudgeShot(Integer col, Integer row, const Board& board);
void WriteShotMark(Integer col, Integer row, Board& board, const std::string& answer);
void SetCellColor(Battle& b, Integer col, Integer row, Grid grid, Long color);
// "PLAYER" or "CP": "勝ち" or "未決"; anything else gives "".
std::string JudgeWin(const GameState& gs, const std::string& side);
void ShowRemain_E(Battle& b);
void ShowRemain_M(Battle& b);

// A sound effect, unless effects are switched off on the title screen:
// always closed first so it starts over.
void PlayEffect(Battle& b, const std::string& relativePath);

}  // namespace orv
