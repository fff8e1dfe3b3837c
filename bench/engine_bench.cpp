// The engine's cost per decision and per event, on a battle in progress.
// Each iteration puts back what the measured call changed (a few cells and
// counters, the computer's memory), so every run sees the same position; that
// bookkeeping is included in the times and is small beside the calls.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "battle/Battle.h"
#include "battle/BattleSetup.h"
#include "battle/Dispatcher.h"
#include "core/GameState.h"
#include "core/Startup.h"
#include "opponent/Targeting.h"
#include "rules/Shots.h"
#include "rules/Texts.h"
#include "sim/HeadlessView.h"

namespace orv {
namespace {

// Twelve computer shots into a battle, nothing of the player's lost yet.
class MidBattle {
public:
    explicit MidBattle(std::uint32_t seed) : b(gs, view) {
        InitGameData(gs);
        gs.Rng.Seed(seed);
        view.Attach(&b);
        view.options[static_cast<size_t>(OptionBox::CheckSE)] = 1;  // no sound log
        LoadBattle(b);
        Dispatch(text::kWinCP_Timer, Grid::FG_M);
        for (auto [c, r] : {std::pair{2, 1}, {9, 2}, {15, 6}, {4, 7}, {11, 4}, {17, 1}, {7, 5}}) {
            view.Click(Grid::FG_M, c, r);
            Dispatch(text::kFG_M_Click, Grid::FG_M);
        }
        int next = 0;
        while (!gs.GamePhase.empty() && gs.CPShotCount < 12) {
            if (gs.GamePhase == text::kPlayerTurn) {
                // The player works along row 4 and then row 0, one cell in three.
                const int cell = 76 + 3 * next++;
                view.Click(Grid::FG_E, cell % 171 % 19, cell % 171 / 19);
                Dispatch(text::kFG_E_Click, Grid::FG_E);
            } else {
                Dispatch(text::kWinCP_Timer, Grid::FG_M);
            }
        }
    }

    bool Usable() const {
        return gs.GamePhase == text::kPlayerTurn && gs.SenCount_M == 4 && gs.SikiCount_M == 3 &&
               gs.SenCount_E == 4 && gs.SikiCount_E == 3;
    }

    void Dispatch(const char* event, Grid grid) {
        gs.EventName = event;
        DispatchGameEvent(b, grid);
    }

    GameState gs;
    HeadlessView view;
    Battle b;
};

// The first seed whose battle gets there; the same one every run.
std::unique_ptr<MidBattle> MakeMidBattle() {
    for (std::uint32_t seed = 1; seed < 1000; ++seed) {
        auto m = std::make_unique<MidBattle>(seed);
        if (m->Usable()) return m;
    }
    return nullptr;
}

void ChooseTargetFrom(benchmark::State& state, const char* strategy, bool adjacentPending) {
    auto battle = MakeMidBattle();
    if (!battle) return state.SkipWithError("no seed gives a battle in progress");
    MidBattle& m = *battle;
    CpState& cp = m.b.cp;
    if (adjacentPending && cp.LastAdjShot == -1) {
        cp.LastAdjShot = m.gs.CPShotCount;  // hunt around a cell next to a vehicle
        cp.LastAdjX = 10;
        cp.LastAdjY = 5;
    }
    if (!adjacentPending) cp.LastAdjShot = -1;
    for (auto _ : state) {
        cp.CpStrategy = strategy;
        cp.FocusMissCount = 0;
        ChooseTarget(m.gs, cp);
        benchmark::DoNotOptimize(cp.TargetX);
    }
}

void BM_ChooseTarget_Sporadic(benchmark::State& state) {
    ChooseTargetFrom(state, text::kSporadic, false);
}
BENCHMARK(BM_ChooseTarget_Sporadic);

void BM_ChooseTarget_Focus(benchmark::State& state) {
    ChooseTargetFrom(state, text::kFocusLastAdj, true);
}
BENCHMARK(BM_ChooseTarget_Focus);

// A click on the enemy grid in the player's turn: a miss far from anything.
void BM_Dispatch_PlayerShot(benchmark::State& state) {
    auto battle = MakeMidBattle();
    if (!battle) return state.SkipWithError("no seed gives a battle in progress");
    MidBattle& m = *battle;
    GameState& gs = m.gs;
    int col = -1, row = -1;
    for (int r = 0; r <= 8 && col < 0; ++r)
        for (int c = 0; c <= 18 && col < 0; ++c)
            if (JudgeShot(static_cast<Integer>(c), static_cast<Integer>(r), gs.Board_E) ==
                    text::kMiss &&
                gs.Board_E(c, r).empty()) {
                col = c;
                row = r;
            }
    const Integer shots = gs.PLShotCount;
    for (auto _ : state) {
        m.view.Click(Grid::FG_E, col, row);
        m.Dispatch(text::kFG_E_Click, Grid::FG_E);
        gs.Board_E(col, row).clear();
        gs.PLTurnShots = 0;
        gs.PLShotCount = shots;
        gs.GamePhase = text::kPlayerTurn;
    }
}
BENCHMARK(BM_Dispatch_PlayerShot);

// A tick of the computer's clock in its turn: choose a cell, fire, judge.
void BM_Dispatch_CpTimer(benchmark::State& state) {
    auto battle = MakeMidBattle();
    if (!battle) return state.SkipWithError("no seed gives a battle in progress");
    MidBattle& m = *battle;
    GameState& gs = m.gs;
    const CpState cp = m.b.cp;
    const Integer shots = gs.CPShotCount;
    const auto sen = gs.Sen_M;
    const auto siki = gs.Siki_M;
    for (auto _ : state) {
        gs.GamePhase = text::kCpTurnPhase;
        m.Dispatch(text::kWinCP_Timer, Grid::FG_M);

        const int x = m.b.cp.TargetX, y = m.b.cp.TargetY;
        std::string& cell = gs.Board_M(x, y);
        cell = cell == text::kCombatHitMark    ? text::kCombatUnit
               : cell == text::kCommandHitMark ? text::kCommandUnit
                                               : "";
        m.b.cp = cp;
        gs.CPTurnShots = 0;
        gs.CPShotCount = shots;
        gs.SenCount_M = 4;
        gs.SikiCount_M = 3;
        gs.Sen_M = sen;
        gs.Siki_M = siki;
    }
}
BENCHMARK(BM_Dispatch_CpTimer);

}  // namespace
}  // namespace orv
