#pragma once
// One battle: the shared state, the opponent's memory, the screen it plays on
// and, optionally, a transcript of everything that happens.
#include <string>

#include "core/BattleView.h"
#include "core/GameState.h"
#include "opponent/CpState.h"

namespace orv {

class Transcript;

struct Battle {
    GameState& gs;
    BattleView& view;
    CpState cp;
    Transcript* transcript = nullptr;

    Battle(GameState& state, BattleView& screen) : gs(state), view(screen) {}
};

}  // namespace orv
