#pragma once
// How the computer chooses its next cell: a score map of the evidence and a
// small strategy machine.
#include <string>

#include "rules/Battle.h"

namespace orv {

void ChooseTarget(Battle& b);
void UpdateScoreMap(Battle& b, Integer X, Integer Y, const std::string& Result);
void MarkMissArea(Battle& b, Integer X, Integer Y);
void MarkAdjacentArea(Battle& b, Integer X, Integer Y);
void CollectOpenCells(Battle& b);
void CollectFocusCells(Battle& b);
void PickRandomCandidate(Battle& b);
void PickWithInsight(Battle& b, Integer Chance1, Integer Chance2);

}  // namespace orv
