#pragma once
// The computer opponent's targeting memory; reset at every battle start.
#include <string>

#include "core/Checked.h"
#include "core/Types.h"

namespace orv {

struct CpState {
    // -1: ruled out; 0 or more: "adjacent" answers next to the cell so far.
    BoundedArray<BoundedArray<Integer, 0, 8>, 0, 18> ScoreMap;  // (column)(row)
    BoundedArray<UnitPos, 0, 171> Candidates;
    Integer CandidateCount = 0;
    Integer BestScore = 0;
    Integer TargetX = 0;
    Integer TargetY = 0;
    std::string CpStrategy;
    Integer LastAdjShot = -1;
    Integer LastAdjX = 0;
    Integer LastAdjY = 0;
    Integer LastSenHitShot = 0;
    Integer FocusMissCount = 0;

    Integer& Score(int x, int y) { return ScoreMap(x)(y); }
    Integer Score(int x, int y) const { return ScoreMap(x)(y); }
};

}  // namespace orv
