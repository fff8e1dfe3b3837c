#pragma once
// A battle on a recording screen, driven by events as the real screen drives
// it, with a fixed seed and layouts the tests choose.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/GameState.h"
#include "core/Startup.h"
#include "rules/Battle.h"
#include "rules/BattleSetup.h"
#include "rules/Dispatcher.h"
#include "rules/HeadlessView.h"
#include "rules/Texts.h"
#include "rules/Transcript.h"

namespace orv::testkit {

using CellList = std::vector<std::pair<int, int>>;

// A screen whose clock keeps ticking while a result box is open, as the real
// one does: each box lets `ticksDuringBox` "WinCP_Timer" events through.
class TickingView : public HeadlessView {
  public:
    Battle* battle = nullptr;
    int ticksDuringBox = 0;
    std::vector<std::string> phaseAtBox;

    void MessageBoxOk(const std::string& text, const std::string& title) override {
        HeadlessView::MessageBoxOk(text, title);
        phaseAtBox.push_back(battle->gs.GamePhase);
        for (int i = 0; i < ticksDuringBox; ++i) {
            battle->gs.EventName = text::kWinCP_Timer;
            DispatchGameEvent(*battle, Grid::FG_M);
        }
    }
};

// Fleets that keep rows 0, 4 and 8 of the enemy field out of reach of any
// vehicle, and the player's own vehicles in row 0 only.
inline const CellList kEnemySiki = {{2, 2}, {10, 2}, {16, 6}};
inline const CellList kEnemySen = {{2, 6}, {6, 6}, {10, 6}, {14, 2}};
inline const CellList kOwnSiki = {{0, 0}, {2, 0}, {4, 0}};
inline const CellList kOwnSen = {{6, 0}, {8, 0}, {10, 0}, {12, 0}};

struct BattleKit {
    GameState gs;
    TickingView view;
    Battle b{gs, view};
    Transcript transcript;

    explicit BattleKit(std::uint32_t seed = 1, bool load = true) {
        InitGameData(gs);
        gs.Rng.Seed(seed);
        view.Attach(&b);
        view.battle = &b;
        b.transcript = &transcript;
        if (load) LoadBattle(b);
    }

    void Send(const std::string& event, Grid grid) {
        gs.EventName = event;
        DispatchGameEvent(b, grid);
    }
    void Tick() { Send(text::kWinCP_Timer, Grid::FG_M); }
    void ClickM(int col, int row) {
        view.Click(Grid::FG_M, col, row);
        Send(text::kFG_M_Click, Grid::FG_M);
    }
    void ClickE(int col, int row) {
        view.Click(Grid::FG_E, col, row);
        Send(text::kFG_E_Click, Grid::FG_E);
    }
    void Surrender() { Send(text::kCP_Win, Grid::FG_E); }

    // Replaces the computer's random layout with a known one.
    void SetEnemyFleet(const CellList& siki = kEnemySiki, const CellList& sen = kEnemySen) {
        gs.Board_E.Clear();
        for (auto [c, r] : siki) gs.Board_E(c, r) = text::kCommandUnit;
        for (auto [c, r] : sen) gs.Board_E(c, r) = text::kCombatUnit;
    }

    // First tick, then the seven placements: the battle stands at PLAYER_TURN.
    void DeployPlayer(const CellList& siki = kOwnSiki, const CellList& sen = kOwnSen) {
        Tick();
        for (auto [c, r] : siki) ClickM(c, r);
        for (auto [c, r] : sen) ClickM(c, r);
    }

    // Leaves the computer nothing to aim at but the untouched own cells that
    // pass `open`, so its next shots land where the test wants them.
    void OpenForComputer(const std::function<bool(int, int)>& open) {
        for (int x = 0; x <= 18; ++x)
            for (int y = 0; y <= 8; ++y) {
                const std::string& cell = gs.Board_M(x, y);
                const bool untouched =
                    cell.empty() || cell == text::kCombatUnit || cell == text::kCommandUnit;
                b.cp.Score(x, y) = (untouched && open(x, y)) ? 0 : -1;
            }
    }
    // Only the rows far from the own fleet: every computer shot misses.
    void ComputerMissesOnly() {
        OpenForComputer([](int, int y) { return y >= 3; });
    }
    // Only the own vehicles: every computer shot hits.
    void ComputerHitsOnly() {
        OpenForComputer([this](int x, int y) {
            return gs.Board_M(x, y) == text::kCombatUnit || gs.Board_M(x, y) == text::kCommandUnit;
        });
    }

    // Fires the player's turn at cells of enemy row 0 (all misses).
    int missColumn = 0;
    void PlayerMisses(int shots) {
        for (int i = 0; i < shots; ++i) ClickE(missColumn++, 0);
    }
};

}  // namespace orv::testkit
