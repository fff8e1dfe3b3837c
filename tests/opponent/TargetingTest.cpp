#include <map>
#include <utility>

#include "battle/BattleKit.h"
#include "opponent/ComputerTurn.h"
#include "opponent/Targeting.h"

namespace orv::testkit {
namespace {

using Cell = std::pair<int, int>;

class Targeting : public BattleTest {
protected:
    Cell Target() const { return {b.cp.TargetX, b.cp.TargetY}; }

    // Runs `decide` many times from the same memory and counts the targets.
    template <typename F>
    std::map<Cell, int> Targets(int runs, F decide) {
        const CpState saved = b.cp;
        std::map<Cell, int> seen;
        for (int i = 0; i < runs; ++i) {
            b.cp = saved;
            decide();
            ++seen[Target()];
        }
        b.cp = saved;
        return seen;
    }

    void ExpectUniform(const std::map<Cell, int>& seen, const std::vector<Cell>& cells, int runs) {
        const double expected = static_cast<double>(runs) / static_cast<double>(cells.size());
        for (const Cell& c : cells) {
            EXPECT_NEAR(Hits(seen, c.first, c.second), expected, 5 * std::sqrt(expected))
                << c.first << "," << c.second;
        }
    }

    static int Hits(const std::map<Cell, int>& seen, int x, int y) {
        auto it = seen.find({x, y});
        return it == seen.end() ? 0 : it->second;
    }

    void Adjacent(int x, int y) {
        UpdateScoreMap(b.cp, static_cast<Integer>(x), static_cast<Integer>(y), "隣接");
        b.cp.LastAdjShot = gs.CPShotCount;
        b.cp.LastAdjX = static_cast<Integer>(x);
        b.cp.LastAdjY = static_cast<Integer>(y);
    }
    void Miss(int x, int y) {
        UpdateScoreMap(b.cp, static_cast<Integer>(x), static_cast<Integer>(y), "ハズレ");
    }
    std::vector<Cell> CandidateCells() const {
        std::vector<Cell> cells;
        for (int i = 0; i < b.cp.CandidateCount; ++i)
            cells.push_back({b.cp.Candidates(i).X, b.cp.Candidates(i).Y});
        return cells;
    }
};

TEST_F(Targeting, MissRulesOutTheBlockCutAtTheFieldsEdges) {
    const struct {
        int x, y, ruledOut;
    } cases[] = {{0, 0, 4}, {18, 0, 4}, {0, 8, 4},  {18, 8, 4}, {5, 0, 6},
                 {5, 8, 6}, {0, 4, 6},  {18, 4, 6}, {5, 4, 9},  {1, 1, 9}};
    for (const auto& c : cases) {
        InitCpTargeting(b.cp);
        Miss(c.x, c.y);
        EXPECT_EQ(RuledOutCount(), c.ruledOut) << c.x << "," << c.y;
        for (int y = 0; y <= 8; ++y)
            for (int x = 0; x <= 18; ++x) {
                const bool inBlock = std::abs(x - c.x) <= 1 && std::abs(y - c.y) <= 1;
                EXPECT_EQ(b.cp.Score(x, y) == -1, inBlock) << x << "," << y;
            }
    }
}

TEST_F(Targeting, AdjacentAnswersRaiseOpenNeighboursAndRuleOutTheirOwnCell) {
    Adjacent(5, 4);
    EXPECT_EQ(b.cp.Score(5, 4), -1);
    for (const Cell& c :
         std::vector<Cell>{{4, 3}, {5, 3}, {6, 3}, {4, 4}, {6, 4}, {4, 5}, {5, 5}, {6, 5}})
        EXPECT_EQ(b.cp.Score(c.first, c.second), 1);
    EXPECT_EQ(RuledOutCount(), 1);

    // A second ▲ next to the first: the shared neighbours reach 2, the first
    // ▲ stays ruled out.
    Adjacent(6, 4);
    EXPECT_EQ(b.cp.Score(5, 4), -1);
    EXPECT_EQ(b.cp.Score(6, 4), -1);
    for (const Cell& c : std::vector<Cell>{{5, 3}, {6, 3}, {5, 5}, {6, 5}})
        EXPECT_EQ(b.cp.Score(c.first, c.second), 2);
    for (const Cell& c : std::vector<Cell>{{4, 3}, {4, 5}, {7, 3}, {7, 4}, {7, 5}})
        EXPECT_EQ(b.cp.Score(c.first, c.second), 1);

    // Ruled-out cells never come back, however much evidence arrives.
    Miss(8, 4);
    Adjacent(7, 6);
    EXPECT_EQ(b.cp.Score(7, 5), -1);
    EXPECT_EQ(b.cp.Score(8, 5), -1);
    EXPECT_EQ(b.cp.Score(6, 5), 3);
    EXPECT_EQ(b.cp.Score(6, 6), 1);

    // A hit rules out its own cell and nothing else.
    const int before = RuledOutCount();
    UpdateScoreMap(b.cp, 6, 5, "戦闘車ヒット");
    UpdateScoreMap(b.cp, 0, 0, "指令車ヒット");
    EXPECT_EQ(b.cp.Score(6, 5), -1);
    EXPECT_EQ(b.cp.Score(0, 0), -1);
    EXPECT_EQ(b.cp.Score(1, 1), 0);
    EXPECT_EQ(b.cp.Score(5, 5), 2);
    EXPECT_EQ(RuledOutCount(), before + 2);
}

TEST_F(Targeting, FocusWindowOffersOnlyTheBestCellsAndPicksAmongThemUniformly) {
    Adjacent(5, 4);
    Adjacent(6, 4);
    CollectFocusCells(b.gs, b.cp);
    EXPECT_EQ(b.cp.BestScore, 2);
    const std::vector<Cell> best{{5, 3}, {6, 3}, {5, 5}, {6, 5}};  // row order
    EXPECT_EQ(CandidateCells(), best);

    constexpr int kRuns = 4000;
    const auto seen = Targets(kRuns, [&] { PickRandomCandidate(b.gs, b.cp); });
    EXPECT_EQ(seen.size(), best.size());
    ExpectUniform(seen, best, kRuns);

    // Cut at the corner: three cells.
    InitCpTargeting(b.cp);
    Adjacent(0, 0);
    CollectFocusCells(b.gs, b.cp);
    EXPECT_EQ(CandidateCells(), (std::vector<Cell>{{1, 0}, {0, 1}, {1, 1}}));
}

TEST_F(Targeting, WithoutUsableEvidenceEveryOpenCellIsACandidate) {
    Miss(0, 0);                     // (0,0), (1,0), (0,1), (1,1)
    CollectFocusCells(b.gs, b.cp);  // no ▲ pending
    auto cells = CandidateCells();
    ASSERT_EQ(cells.size(), 167u);
    EXPECT_EQ(cells.front(), (Cell{2, 0}));
    EXPECT_EQ(cells[17], (Cell{2, 1}));
    EXPECT_EQ(cells.back(), (Cell{18, 8}));
    EXPECT_EQ(b.cp.BestScore, 0);

    // A ▲ whose neighbours are all ruled out falls back to the open cells.
    Adjacent(5, 4);
    Miss(4, 4);
    Miss(6, 4);
    CollectFocusCells(b.gs, b.cp);
    cells = CandidateCells();
    EXPECT_EQ(cells.size(), 171u - 4u - 15u);
    for (const Cell& c : cells) EXPECT_NE(b.cp.Score(c.first, c.second), -1);
}

TEST_F(Targeting, WithNoPendingAdjacentBothHuntingStrategiesFireAtRandomOpenCells) {
    // Leave three open cells.
    for (int y = 0; y <= 8; ++y)
        for (int x = 0; x <= 18; ++x) b.cp.Score(x, y) = -1;
    const std::vector<Cell> open{{0, 0}, {9, 4}, {18, 8}};
    for (const Cell& c : open) b.cp.Score(c.first, c.second) = 0;
    gs.CPShotCount = 40;  // far from any hit: "▲全般攻撃" keeps its word

    for (const char* strategy : {"▲全般攻撃", "最後に見つけた▲に集中"}) {
        b.cp.CpStrategy = strategy;
        constexpr int kRuns = 3000;
        const auto seen = Targets(kRuns, [&] { ChooseTarget(b.gs, b.cp); });
        EXPECT_EQ(seen.size(), open.size()) << strategy;
        ExpectUniform(seen, open, kRuns);
    }
}

TEST_F(Targeting, GeneralAttackTurnsSporadicNinetyOneTimesInHundredAndOneNearAHit) {
    constexpr int kRuns = 4040;
    int sporadic = 0;
    const CpState saved = b.cp;
    for (int i = 0; i < kRuns; ++i) {
        b.cp = saved;
        ChooseTarget(b.gs, b.cp);
        sporadic += b.cp.CpStrategy == "散発";
    }
    const double q = 91.0 / 101.0;
    EXPECT_NEAR(sporadic, kRuns * q, 5 * std::sqrt(kRuns * q * (1 - q)));

    // Ten shots after the last combat hit it stays, every time.
    gs.CPShotCount = 12;
    b.cp = saved;
    b.cp.LastSenHitShot = 2;
    for (int i = 0; i < 200; ++i) {
        ChooseTarget(b.gs, b.cp);
        ASSERT_EQ(b.cp.CpStrategy, "▲全般攻撃");
    }
    // Nine shots after it the draw is back.
    b.cp.LastSenHitShot = 3;
    int turned = 0;
    for (int i = 0; i < 200; ++i) {
        b.cp.CpStrategy = "▲全般攻撃";
        ChooseTarget(b.gs, b.cp);
        turned += b.cp.CpStrategy == "散発";
    }
    EXPECT_GT(turned, 150);
}

TEST_F(Targeting, StrongEvidenceSometimesForcesTwoRandomShots) {
    // Four ▲ around (5, 4) give it 4.
    Adjacent(4, 3);
    Adjacent(6, 3);
    Adjacent(4, 5);
    Adjacent(6, 5);
    ASSERT_EQ(b.cp.Score(5, 4), 4);
    b.cp.CpStrategy = "▲全般攻撃";

    constexpr int kRuns = 3030;
    const CpState saved = b.cp;
    int forced = 0;
    for (int i = 0; i < kRuns; ++i) {
        b.cp = saved;
        CollectFocusCells(b.gs, b.cp);
        if (b.cp.CpStrategy == "強制散発") {
            ++forced;
            ASSERT_EQ(b.cp.CandidateCount, 171 - 4);
        } else {
            ASSERT_EQ(CandidateCells(), (std::vector<Cell>{{5, 4}}));
            ASSERT_EQ(b.cp.BestScore, 4);
        }
    }
    const double q = 46.0 / 101.0;
    EXPECT_NEAR(forced, kRuns * q, 5 * std::sqrt(kRuns * q * (1 - q)));

    // The forced decision fires at random and hands over to "散発"; the one
    // after that returns to the pending ▲.
    b.cp = saved;
    b.cp.CpStrategy = "強制散発";
    ChooseTarget(b.gs, b.cp);
    EXPECT_EQ(b.cp.CpStrategy, "散発");
    EXPECT_NE(b.cp.Score(b.cp.TargetX, b.cp.TargetY), -1);
    ChooseTarget(b.gs, b.cp);
    EXPECT_TRUE(b.cp.CpStrategy == "最後に見つけた▲に集中" || b.cp.CpStrategy == "強制散発");

    // Evidence of 3 never forces anything.
    InitCpTargeting(b.cp);
    Adjacent(4, 3);
    Adjacent(6, 3);
    Adjacent(4, 5);
    for (int i = 0; i < 300; ++i) {
        CollectFocusCells(b.gs, b.cp);
        ASSERT_EQ(b.cp.CpStrategy, "▲全般攻撃");
        ASSERT_EQ(b.cp.BestScore, 3);
    }
}

TEST_F(Targeting, AfterTheFirstFocusMissFocusedAndRandomShotsAlternate) {
    Adjacent(5, 4);
    b.cp.CpStrategy = "最後に見つけた▲に集中";
    b.cp.FocusMissCount = 1;
    for (int i = 0; i < 10; ++i) {
        ChooseTarget(b.gs, b.cp);
        EXPECT_EQ(b.cp.CpStrategy, i % 2 == 0 ? "散発" : "最後に見つけた▲に集中") << i;
    }
    // Raised by every fallback and never set back.
    EXPECT_EQ(b.cp.FocusMissCount, 6);
}

// The course of a hunt: a ▲ under "散発", a focused shot next to it, a miss,
// one random shot, then the focus again on what is left of the window.
TEST_F(Targeting, WorkedHuntAroundOneAdjacentAnswer) {
    PlacePlayerFleet({{15, 0}, {17, 0}, {0, 8}}, {{6, 5}, {15, 8}, {17, 8}, {17, 4}});
    b.cp.CpStrategy = "散発";
    gs.SenCount_E = 4;
    ASSERT_EQ(ComputerShot(b, b.cp, 5, 4), text::kCpTurn);
    ASSERT_EQ(gs.Board_M(5, 4), "▲隣");

    const std::vector<Cell> eight{{4, 3}, {5, 3}, {6, 3}, {4, 4}, {6, 4}, {4, 5}, {5, 5}, {6, 5}};
    for (const Cell& c : eight) EXPECT_EQ(b.cp.Score(c.first, c.second), 1);
    EXPECT_EQ(b.cp.Score(5, 4), -1);

    constexpr int kRuns = 4000;
    const auto seen = Targets(kRuns, [&] {
        ChooseTarget(b.gs, b.cp);
        ASSERT_EQ(b.cp.CpStrategy, "最後に見つけた▲に集中");
    });
    int inWindow = 0;
    for (const Cell& c : eight) inWindow += seen.count(c) ? seen.at(c) : 0;
    EXPECT_GT(inWindow, kRuns * 95 / 100);  // the rest is the rare insight move
    ExpectUniform(seen, eight, kRuns);

    b.cp.CpStrategy = "最後に見つけた▲に集中";
    ASSERT_EQ(ComputerShot(b, b.cp, 4, 3), text::kCpTurn);
    ASSERT_EQ(gs.Board_M(4, 3), "×空");
    EXPECT_EQ(b.cp.FocusMissCount, 1);
    for (int y = 2; y <= 4; ++y)
        for (int x = 3; x <= 5; ++x) EXPECT_EQ(b.cp.Score(x, y), -1) << x << "," << y;
    const std::vector<Cell> five{{6, 3}, {6, 4}, {4, 5}, {5, 5}, {6, 5}};
    for (const Cell& c : five) EXPECT_EQ(b.cp.Score(c.first, c.second), 1);

    ChooseTarget(b.gs, b.cp);
    EXPECT_EQ(b.cp.CpStrategy, "散発");
    EXPECT_EQ(b.cp.FocusMissCount, 2);

    // Pretend the random shot went far away, then look at the next focus.
    const auto next = Targets(kRuns, [&] { ChooseTarget(b.gs, b.cp); });
    int inFive = 0;
    for (const Cell& c : five) inFive += next.count(c) ? next.at(c) : 0;
    EXPECT_GT(inFive, kRuns * 95 / 100);
    ExpectUniform(next, five, kRuns);
}

// The rare move that peeks at the player's field.
TEST_F(Targeting, InsightGoesForALivingVehicleNextToAnAdjacentMark) {
    PlacePlayerFleet({{10, 4}, {2, 2}, {16, 7}}, {{12, 5}, {3, 7}, {8, 0}, {0, 4}});
    gs.Board_M(11, 5) = "▲隣";  // next to command 0 and combat 0
    b.cp.Score(11, 5) = -1;
    CollectOpenCells(b.cp);

    constexpr int kRuns = 2000;
    auto seen = Targets(kRuns, [&] { PickWithInsight(b.gs, b.cp, 1, 2); });
    EXPECT_GT(Hits(seen, 10, 4), kRuns * 90 / 100);  // the command vehicle first
    EXPECT_LT(Hits(seen, 12, 5), kRuns * 2 / 100);

    gs.Siki_M(0).Alive = kFalse;  // destroyed ones do not count
    seen = Targets(kRuns, [&] { PickWithInsight(b.gs, b.cp, 1, 2); });
    EXPECT_GT(Hits(seen, 12, 5), kRuns * 90 / 100);

    gs.Sen_M(0).Alive = kFalse;  // neither: a random open cell
    seen = Targets(kRuns, [&] { PickWithInsight(b.gs, b.cp, 1, 2); });
    EXPECT_GT(seen.size(), 100u);
    EXPECT_LT(Hits(seen, 12, 5) + Hits(seen, 10, 4), kRuns * 5 / 100);
}

TEST_F(Targeting, InsightRetriesStopAtTheFirstCellHoldingAVehicle) {
    PlacePlayerFleet({{10, 4}}, {});
    gs.Board_M(11, 4) = "▲隣";
    for (int y = 0; y <= 8; ++y)
        for (int x = 0; x <= 18; ++x) b.cp.Score(x, y) = -1;
    b.cp.Score(10, 4) = 0;  // the vehicle
    b.cp.Score(2, 7) = 0;   // an empty cell
    CollectOpenCells(b.cp);

    // Both retries always fire: the vehicle is kept when a draw finds it
    // (1/2 + 1/4 + 1/8), and an empty last draw replaces it.
    constexpr int kRuns = 4000;
    auto seen = Targets(kRuns, [&] { PickWithInsight(b.gs, b.cp, 100, 100); });
    const double q = 7.0 / 8.0;
    EXPECT_NEAR(Hits(seen, 10, 4), kRuns * q, 5 * std::sqrt(kRuns * q * (1 - q)));
    EXPECT_EQ(Hits(seen, 10, 4) + Hits(seen, 2, 7), kRuns);
}

}  // namespace
}  // namespace orv::testkit
