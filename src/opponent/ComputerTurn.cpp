#include "opponent/ComputerTurn.h"

#include "core/Checked.h"
#include "opponent/Targeting.h"
#include "rules/BattleLog.h"
#include "rules/CellPictures.h"
#include "rules/Reactions.h"
#include "rules/Shots.h"
#include "rules/Texts.h"

namespace orv {
namespace {

// Takes a hit vehicle out of play in its list; the count goes down once.
template <typename List>
void Destroy(List& list, Integer& count, Integer X, Integer Y) {
    for (UnitPos& u : list) {
        if (u.X == X && u.Y == Y) u.Alive = kFalse;
    }
    Dec(count);
}

}  // namespace

std::string ComputerShot(Play& b, CpState& cp, Integer X, Integer Y) {
    GameState& gs = b.gs;

    const std::string answer = JudgeShot(X, Y, gs.Board_M);
    LogShot(b, text::kCpSide, X, Y, answer);
    if (answer == text::kMiss) {
        PlayEffect(b, text::kSndMiss);
        SetCellColor(b, X, Y, Grid::FG_M, gs.MissColor);
        WriteShotMark(X, Y, gs.Board_M, answer);
        UpdateScoreMap(cp, X, Y, answer);
        if (cp.CpStrategy == text::kFocusLastAdj) Inc(cp.FocusMissCount);
    } else if (answer == text::kAdjacent) {
        PlayEffect(b, text::kSndAdjacent);
        SetCellColor(b, X, Y, Grid::FG_M, gs.AdjacentColor);
        WriteShotMark(X, Y, gs.Board_M, answer);
        UpdateScoreMap(cp, X, Y, answer);
        cp.LastAdjShot = gs.CPShotCount;
        cp.LastAdjX = X;
        cp.LastAdjY = Y;
    } else if (answer == text::kCombatHit || answer == text::kCommandHit) {
        const bool combat = answer == text::kCombatHit;
        PlayEffect(b, combat ? text::kSndCombat : text::kSndCommand);
        SetCellColor(b, X, Y, Grid::FG_M, combat ? gs.SenColor : gs.SikiColor);
        if (combat) {
            Destroy(gs.Sen_M, gs.SenCount_M, X, Y);
        } else {
            Destroy(gs.Siki_M, gs.SikiCount_M, X, Y);
        }
        WriteShotMark(X, Y, gs.Board_M, answer);
        UpdateScoreMap(cp, X, Y, answer);
        if (combat) cp.LastSenHitShot = gs.CPShotCount;
        // A hit settles the pending ▲, even when other ▲ remain on the field.
        cp.LastAdjShot = -1;
        ShowRemain_M(b);
        SetCharaFace(b, text::kFaceSmiling);
    }

    std::string result = CountShot<Shooter::Computer>(b);
    RedrawCell(b, X, Y, gs.Board_M, Grid::FG_M);
    return result;
}

}  // namespace orv
