#pragma once
// One battle: what the rules play on, and the computer opponent's memory.
#include "opponent/CpState.h"
#include "rules/Play.h"

namespace orv {

struct Battle : Play {
    CpState cp;

    Battle(GameState& state, BattleView& screen) : Play(state, screen) {}
};

}  // namespace orv
