#pragma once
// The engine's test kit: a battle on a recording screen, driven by events as
// the real screen drives it, with a fixed seed and layouts the tests choose;
// a fixture for the computer opponent's pieces one by one; and a statistic.
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "battle/Battle.h"
#include "battle/BattleSetup.h"
#include "battle/Dispatcher.h"
#include "core/GameState.h"
#include "core/Startup.h"
#include "opponent/ComputerDeployment.h"
#include "rules/Texts.h"
#include "sim/HeadlessView.h"
#include "sim/Transcript.h"

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

// A battle on the headless screen with the start-up data loaded, the
// computer's memory fresh and a fixed seed.
class BattleTest : public ::testing::Test {
protected:
    BattleTest() : b(gs, view) {
        InitGameData(gs);
        gs.Rng.Seed(20240601);
        view.Attach(&b);
        InitCpTargeting(b.cp);
    }

    // Places the player's fleet by hand, as a finished deployment leaves it.
    void PlacePlayerFleet(const std::vector<std::pair<int, int>>& siki,
                          const std::vector<std::pair<int, int>>& sen) {
        for (size_t i = 0; i < siki.size(); ++i) {
            gs.Siki_M(static_cast<int>(i)) = Unit(siki[i].first, siki[i].second);
            gs.Board_M(siki[i].first, siki[i].second) = text::kCommandUnit;
        }
        for (size_t i = 0; i < sen.size(); ++i) {
            gs.Sen_M(static_cast<int>(i)) = Unit(sen[i].first, sen[i].second);
            gs.Board_M(sen[i].first, sen[i].second) = text::kCombatUnit;
        }
        gs.SikiCount_M = static_cast<Integer>(siki.size());
        gs.SenCount_M = static_cast<Integer>(sen.size());
    }

    static UnitPos Unit(int x, int y, Boolean alive = kTrue) {
        UnitPos u;
        u.X = static_cast<Integer>(x);
        u.Y = static_cast<Integer>(y);
        u.Alive = alive;
        return u;
    }

    int RuledOutCount() const {
        int n = 0;
        for (int y = 0; y <= 8; ++y)
            for (int x = 0; x <= 18; ++x) n += b.cp.Score(x, y) == -1;
        return n;
    }

    GameState gs;
    HeadlessView view;
    Battle b;
};

// Pearson's chi-square of observed counts against one common expectation.
inline double ChiSquare(const std::vector<int>& counts, double expected) {
    double chi = 0;
    for (int c : counts) chi += (c - expected) * (c - expected) / expected;
    return chi;
}

}  // namespace orv::testkit
