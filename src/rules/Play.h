#pragma once
// One battle as the rules see it: the shared state, the screen it plays on
// and, when anyone keeps one, the log it writes itself into. The computer's
// memory is no business of the rules; the battle adds it.
#include "core/BattleView.h"
#include "core/GameState.h"

namespace orv {

class BattleLog;

struct Play {
    GameState& gs;
    BattleView& view;
    BattleLog* transcript = nullptr;

    Play(GameState& state, BattleView& screen) : gs(state), view(screen) {}
};

}  // namespace orv
