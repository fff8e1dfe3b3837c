#pragma once
// A battle on the headless screen with the start-up data loaded, the
// computer's memory fresh and a fixed seed.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/GameState.h"
#include "core/Startup.h"
#include "opponent/ComputerDeployment.h"
#include "rules/Battle.h"
#include "rules/HeadlessView.h"

namespace orv::testing {

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
            gs.Board_M(siki[i].first, siki[i].second) = "指";
        }
        for (size_t i = 0; i < sen.size(); ++i) {
            gs.Sen_M(static_cast<int>(i)) = Unit(sen[i].first, sen[i].second);
            gs.Board_M(sen[i].first, sen[i].second) = "戦";
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

}  // namespace orv::testing
