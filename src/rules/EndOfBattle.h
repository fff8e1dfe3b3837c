#pragma once
// Where the game goes after a won battle, and where each bonus viewer leads
// when it is clicked.
#include "core/BattleView.h"
#include "core/GameState.h"
#include "rules/Play.h"

namespace orv {

void ShowVictoryPicture(Play& b);

// The screen viewer A leads to: back to the bonus menu, or on to the next
// stage's battle (StageIndex moves on by one).
ScreenId LeaveOmakeCG0A(GameState& gs);

// The screen viewer C leads to: back to the bonus menu, or to the title with
// the next game starting at the first stage again.
ScreenId LeaveOmakeCG0C(GameState& gs);

}  // namespace orv
