#include "opponent/ComputerDeployment.h"

#include "core/Utilities.h"
#include "rules/Texts.h"

namespace orv {
namespace {

// A cell drawn uniformly from the whole field.
UnitPos DrawCell(GameState& gs) {
    return DivMod(RandomRange(gs, 0, 170), 19);
}

// Compares only with the first `placed` records: the others still hold (0, 0)
// from the reset, and counting them would close the corner cell for good.
template <typename List>
bool Taken(const List& list, int placed, const UnitPos& p) {
    for (int j = List::kLower; j < List::kLower + placed; ++j) {
        if (list(j).X == p.X && list(j).Y == p.Y) return true;
    }
    return false;
}

}  // namespace

void DeployComputer(GameState& gs) {
    for (UnitPos& u : gs.Sen_E) u = UnitPos{};
    for (int i = 0; i <= 3; ++i) {
        UnitPos p = DrawCell(gs);
        while (Taken(gs.Sen_E, i, p)) p = DrawCell(gs);
        gs.Sen_E(i) = p;
    }

    for (UnitPos& u : gs.Siki_E) u = UnitPos{};
    for (int i = 0; i <= 2; ++i) {
        UnitPos p = DrawCell(gs);
        while (Taken(gs.Siki_E, i, p) || Taken(gs.Sen_E, 4, p)) p = DrawCell(gs);
        gs.Siki_E(i) = p;
    }

    gs.Board_E.Clear();
    for (const UnitPos& u : gs.Sen_E) gs.Board_E(u.X, u.Y) = text::kCombatUnit;
    for (const UnitPos& u : gs.Siki_E) gs.Board_E(u.X, u.Y) = text::kCommandUnit;
}

void InitCpTargeting(CpState& cp) {
    cp.CpStrategy = text::kGeneralAttack;
    for (auto& column : cp.ScoreMap) {
        for (Integer& v : column) v = 0;
    }
    cp.CandidateCount = 0;
    cp.BestScore = 0;
    // Stale entries keep their cells; only the count says what is filled.
    for (UnitPos& c : cp.Candidates) c.Alive = kFalse;
    cp.LastAdjShot = -1;
    cp.LastAdjX = 0;
    cp.LastAdjY = 0;
    cp.LastSenHitShot = 0;
    cp.FocusMissCount = 0;
}

}  // namespace orv
