#pragma once
// Firing: the answer to a shot, its marker, its colour, the turn and the win.
#include <string>

#include "rules/Play.h"

namespace orv {

std::string PlayerShot(Play& b, Grid grid);

enum class Shooter { Player, Computer };
// The bookkeeping after a shot, the same for both sides: the shot counted,
// the shots left shown, and the word for what comes next - the shooter's turn
// goes on ("PLAYER_TURN", "CP_TURN"), it ends ("PLAYER_TURN終了",
// "CP_TURN終了": the other side's shots are shown afresh), or the shooter has
// won ("プレイヤー勝利", "ＣＰ勝利").
template <Shooter who>
std::string CountShot(Play& b);

std::string JudgeShot(Integer col, Integer row, const Board& board);
void WriteShotMark(Integer col, Integer row, Board& board, const std::string& answer);
void SetCellColor(Play& b, Integer col, Integer row, Grid grid, Long color);
// "PLAYER" or "CP": "勝ち" or "未決"; anything else gives "".
std::string JudgeWin(const GameState& gs, const std::string& side);
void ShowRemain_E(Play& b);
void ShowRemain_M(Play& b);

// A sound effect, unless effects are switched off on the title screen:
// always closed first so it starts over.
void PlayEffect(Play& b, const std::string& relativePath);

}  // namespace orv
