#pragma once
// How the computer chooses its next cell: a score map of the evidence and a
// small strategy machine.
#include <string>

#include "core/GameState.h"
#include "opponent/CpState.h"

namespace orv {

// The state gives the random draws and, for the rare look at the real
// fleet, the player's field; everything else is the computer's own memory.
void ChooseTarget(GameState& gs, CpState& cp);
void UpdateScoreMap(CpState& cp, Integer X, Integer Y, const std::string& Result);
void MarkMissArea(CpState& cp, Integer X, Integer Y);
void MarkAdjacentArea(CpState& cp, Integer X, Integer Y);
void CollectOpenCells(CpState& cp);
void CollectFocusCells(GameState& gs, CpState& cp);
void PickRandomCandidate(GameState& gs, CpState& cp);
void PickWithInsight(GameState& gs, CpState& cp, Integer Chance1, Integer Chance2);

}  // namespace orv
