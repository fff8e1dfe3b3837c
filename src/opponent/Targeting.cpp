#include "opponent/Targeting.h"

#include <algorithm>

#include "core/Checked.h"
#include "core/Utilities.h"
#include "rules/Texts.h"

namespace orv {
namespace {

constexpr int kMaxCol = 18;
constexpr int kMaxRow = 8;

void ClearCandidates(CpState& cp) {
    cp.CandidateCount = 0;
    cp.BestScore = 0;
    cp.Candidates = {};
}

void AppendCandidate(CpState& cp, int x, int y) {
    UnitPos& c = cp.Candidates(cp.CandidateCount);
    c.X = static_cast<Integer>(x);
    c.Y = static_cast<Integer>(y);
    c.Alive = kTrue;
    Inc(cp.CandidateCount);
}

// Draws one candidate and makes it the target.
const UnitPos& TargetRandomCandidate(GameState& gs, CpState& cp) {
    const Integer i = RandomRange(gs, 0, CheckedAdd(cp.CandidateCount, -1));
    const UnitPos& c = cp.Candidates(i);
    cp.TargetX = c.X;
    cp.TargetY = c.Y;
    return c;
}

bool HoldsVehicle(const Board& board, const UnitPos& c) {
    const std::string& t = board(c.X, c.Y);
    return t == text::kCommandUnit || t == text::kCombatUnit;
}

// The 3 x 3 block around a cell, cut at the field's edges.
int Lo(int v) {
    return std::max(v - 1, 0);
}
int Hi(int v, int max) {
    return std::min(v + 1, max);
}

bool NextToAdjacentMark(const Board& board, const UnitPos& u) {
    for (int y = Lo(u.Y); y <= Hi(u.Y, kMaxRow); ++y) {
        for (int x = Lo(u.X); x <= Hi(u.X, kMaxCol); ++x) {
            if (board(x, y) == text::kAdjacentMark) return true;
        }
    }
    return false;
}

// The first living vehicle of the list that stands next to a ▲, if any.
template <typename List>
const UnitPos* FirstExposed(const List& list, const Board& board) {
    for (const UnitPos& u : list) {
        if (u.Alive != kFalse && NextToAdjacentMark(board, u)) return &u;
    }
    return nullptr;
}

}  // namespace

void MarkMissArea(CpState& cp, Integer X, Integer Y) {
    for (int y = Y - 1; y <= Y + 1; ++y) {
        for (int x = X - 1; x <= X + 1; ++x) {
            if (y >= 0 && y <= kMaxRow && x >= 0 && x <= kMaxCol) cp.Score(x, y) = -1;
        }
    }
}

void MarkAdjacentArea(CpState& cp, Integer X, Integer Y) {
    for (int y = Y - 1; y <= Y + 1; ++y) {
        for (int x = X - 1; x <= X + 1; ++x) {
            if (y >= 0 && y <= kMaxRow && x >= 0 && x <= kMaxCol && cp.Score(x, y) != -1) {
                Inc(cp.Score(x, y));
            }
        }
    }
    cp.Score(X, Y) = -1;
}

void UpdateScoreMap(CpState& cp, Integer X, Integer Y, const std::string& Result) {
    if (Result == text::kCombatHit || Result == text::kCommandHit) {
        cp.Score(X, Y) = -1;
    } else if (Result == text::kMiss) {
        MarkMissArea(cp, X, Y);
    } else if (Result == text::kAdjacent) {
        MarkAdjacentArea(cp, X, Y);
    }
}

void CollectOpenCells(CpState& cp) {
    ClearCandidates(cp);
    auto next = cp.Candidates.begin();
    for (int y = 0; y <= kMaxRow; ++y) {
        for (int x = 0; x <= kMaxCol; ++x) {
            if (cp.Score(x, y) == -1) continue;
            *next++ = UnitPos{static_cast<Integer>(x), static_cast<Integer>(y), kTrue};
        }
    }
    cp.CandidateCount = static_cast<Integer>(next - cp.Candidates.begin());
}

void CollectFocusCells(GameState& gs, CpState& cp) {
    if (cp.LastAdjShot == -1) {
        CollectOpenCells(cp);
        return;
    }
    ClearCandidates(cp);
    for (int y = Lo(cp.LastAdjY); y <= Hi(cp.LastAdjY, kMaxRow); ++y) {
        for (int x = Lo(cp.LastAdjX); x <= Hi(cp.LastAdjX, kMaxCol); ++x) {
            const Integer v = cp.Score(x, y);
            if (v == -1) continue;
            if (v > cp.BestScore) {
                ClearCandidates(cp);
                cp.BestScore = v;
                AppendCandidate(cp, x, y);
            } else if (v == cp.BestScore) {
                AppendCandidate(cp, x, y);
            }
        }
    }
    // Strong evidence sometimes makes the computer look elsewhere, so a
    // cluster of ▲ does not give the fleet away at once.
    if (cp.BestScore >= 4 && PercentChance(gs, 45)) {
        CollectOpenCells(cp);
        cp.CpStrategy = text::kForcedSporadic;
    }
    // Nothing to go on around the ▲: any open cell will do.
    if (cp.BestScore <= 0) CollectOpenCells(cp);
}

void PickRandomCandidate(GameState& gs, CpState& cp) {
    TargetRandomCandidate(gs, cp);
}

void PickWithInsight(GameState& gs, CpState& cp, Integer Chance1, Integer Chance2) {
    TargetRandomCandidate(gs, cp);

    // The rare move that looks at the real fleet: a living vehicle next to a
    // ▲ is fired at directly, command vehicles first.
    const UnitPos* siki = FirstExposed(gs.Siki_M, gs.Board_M);
    const UnitPos* sen = FirstExposed(gs.Sen_M, gs.Board_M);
    const UnitPos* pick = nullptr;
    if (siki && sen) {
        // Both outcomes of this draw go to the command vehicle; the draw stays
        // so the sequence of random numbers is unchanged.
        static_cast<void>(PercentChance(gs, 60));
        pick = siki;
    } else if (siki) {
        pick = siki;
    } else if (sen) {
        pick = sen;
    }
    if (pick) {
        cp.TargetX = pick->X;
        cp.TargetY = pick->Y;
    }

    if (PercentChance(gs, Chance1)) {
        if (HoldsVehicle(gs.Board_M, TargetRandomCandidate(gs, cp))) return;
    }
    if (PercentChance(gs, Chance2)) {
        for (int t = 0; t < 2; ++t) {
            if (HoldsVehicle(gs.Board_M, TargetRandomCandidate(gs, cp))) return;
        }
    }
}

void ChooseTarget(GameState& gs, CpState& cp) {
    std::string& s = cp.CpStrategy;

    // Revise the strategy.
    if (s == text::kSporadic) {
        if (cp.LastAdjShot != -1) s = text::kFocusLastAdj;
    } else if (s == text::kFocusLastAdj) {
        if (cp.FocusMissCount >= 1) {
            s = text::kSporadic;
            Inc(cp.FocusMissCount);
        }
    } else if (s == text::kGeneralAttack) {
        if (CheckedAdd(gs.CPShotCount, -cp.LastSenHitShot) <= 9 && PercentChance(gs, 90)) {
            s = text::kSporadic;
        }
    }

    // Act on it.
    if (s == text::kForcedSporadic) {
        s = text::kSporadic;
        CollectOpenCells(cp);
        PickRandomCandidate(gs, cp);
    } else if (s == text::kSporadic) {
        CollectOpenCells(cp);
        PickRandomCandidate(gs, cp);
    } else if (s == text::kFocusLastAdj) {
        if (PercentChance(gs, 1)) {
            CollectOpenCells(cp);
            PickWithInsight(gs, cp, 1, 2);
        } else {
            CollectFocusCells(gs, cp);
            PickRandomCandidate(gs, cp);
        }
    } else if (s == text::kGeneralAttack) {
        CollectFocusCells(gs, cp);
        PickRandomCandidate(gs, cp);
    }
}

}  // namespace orv
