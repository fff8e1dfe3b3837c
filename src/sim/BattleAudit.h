#pragma once
// Checks a finished battle against what must hold whatever the dice said:
// no cell fired at twice, every shot cell marked with its answer, answers
// true to the fields, counts that match the boards, the computer never
// choosing a cell it had already ruled out, and exactly one winner.
// Used by the simulator's --check and by the long seeded battle test.
#include <string>
#include <vector>

#include "core/GameState.h"
#include "sim/BattleDriver.h"
#include "sim/Transcript.h"

namespace orv {

// One line per broken rule; empty when the battle is sound. Needs the
// battle's transcript and the state it left behind.
std::vector<std::string> AuditBattle(const GameState& gs, const Transcript& transcript,
                                     const BattleResult& result);

}  // namespace orv
