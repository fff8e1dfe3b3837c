#include <set>
#include <utility>

#include "battle/BattleKit.h"
#include "opponent/ComputerDeployment.h"

namespace orv::testkit {
namespace {

using ComputerDeployment = BattleTest;

TEST_F(ComputerDeployment, HidesFourCombatAndThreeCommandVehiclesOnSevenCells) {
    for (int round = 0; round < 200; ++round) {
        gs.Board_E(3, 3) = "×空";  // left over from an earlier battle
        DeployComputer(b.gs);

        std::set<std::pair<int, int>> cells;
        for (const UnitPos& u : gs.Sen_E) {
            EXPECT_EQ(u.Alive, kTrue);
            EXPECT_EQ(gs.Board_E(u.X, u.Y), "戦");
            cells.insert({u.X, u.Y});
        }
        for (const UnitPos& u : gs.Siki_E) {
            EXPECT_EQ(u.Alive, kTrue);
            EXPECT_EQ(gs.Board_E(u.X, u.Y), "指");
            cells.insert({u.X, u.Y});
        }
        ASSERT_EQ(cells.size(), 7u) << "vehicles share a cell in round " << round;

        int filled = 0;
        for (int y = 0; y <= 8; ++y)
            for (int x = 0; x <= 18; ++x) {
                if (gs.Board_E(x, y).empty()) continue;
                ++filled;
                EXPECT_TRUE(cells.count({x, y})) << x << "," << y << " " << gs.Board_E(x, y);
            }
        EXPECT_EQ(filled, 7);
    }
}

// Every cell, the corner (0, 0) included, is open to both kinds of vehicle
// and equally likely.
TEST_F(ComputerDeployment, LayoutIsUniformOverAllCellsCornerIncluded) {
    constexpr int kDeployments = 6000;
    std::vector<int> counts(171, 0);
    int cornerSen = 0, cornerSiki = 0;
    for (int d = 0; d < kDeployments; ++d) {
        DeployComputer(b.gs);
        for (const UnitPos& u : gs.Sen_E) ++counts[static_cast<size_t>(u.Y * 19 + u.X)];
        for (const UnitPos& u : gs.Siki_E) ++counts[static_cast<size_t>(u.Y * 19 + u.X)];
        cornerSen += gs.Board_E(0, 0) == "戦";
        cornerSiki += gs.Board_E(0, 0) == "指";
    }
    const double expected = kDeployments * 7.0 / 171.0;  // about 246 per cell
    EXPECT_GT(cornerSen, 0);
    EXPECT_GT(cornerSiki, 0);
    EXPECT_NEAR(counts[0], expected, 5 * std::sqrt(expected));
    // Seven distinct cells per draw make the counts slightly less spread than
    // independent ones; the bound is generous.
    EXPECT_LT(ChiSquare(counts, expected), 270.0);
}

TEST_F(ComputerDeployment, TargetingMemoryStartsOverAtEveryBattle) {
    CpState& cp = b.cp;
    cp.CpStrategy = "散発";
    cp.Score(0, 0) = -1;
    cp.Score(18, 8) = 3;
    cp.CandidateCount = 12;
    cp.BestScore = 4;
    cp.Candidates(5) = Unit(7, 7);
    cp.LastAdjShot = 17;
    cp.LastAdjX = 4;
    cp.LastAdjY = 5;
    cp.LastSenHitShot = 9;
    cp.FocusMissCount = 6;

    InitCpTargeting(cp);

    EXPECT_EQ(cp.CpStrategy, "▲全般攻撃");
    EXPECT_EQ(RuledOutCount(), 0);
    for (int y = 0; y <= 8; ++y)
        for (int x = 0; x <= 18; ++x) ASSERT_EQ(cp.Score(x, y), 0) << x << "," << y;
    EXPECT_EQ(cp.CandidateCount, 0);
    EXPECT_EQ(cp.BestScore, 0);
    EXPECT_EQ(cp.Candidates(5).Alive, kFalse);
    EXPECT_EQ(cp.LastAdjShot, -1);
    EXPECT_EQ(cp.LastAdjX, 0);
    EXPECT_EQ(cp.LastAdjY, 0);
    EXPECT_EQ(cp.LastSenHitShot, 0);
    EXPECT_EQ(cp.FocusMissCount, 0);
}

}  // namespace
}  // namespace orv::testkit
