#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/GameState.h"
#include "core/Utilities.h"

namespace orv {
namespace {

double ChiSquare(const std::vector<int>& counts, double expected) {
    double chi = 0;
    for (int c : counts) chi += (c - expected) * (c - expected) / expected;
    return chi;
}

TEST(CellNumbers, DivModAndCellIndexCoverTheFieldRowByRow) {
    EXPECT_EQ(DivMod(0, 19), (UnitPos{0, 0, kTrue}));
    EXPECT_EQ(DivMod(18, 19), (UnitPos{18, 0, kTrue}));
    EXPECT_EQ(DivMod(19, 19), (UnitPos{0, 1, kTrue}));
    EXPECT_EQ(DivMod(170, 19), (UnitPos{18, 8, kTrue}));
    // Remainder keeps the sign of N, the quotient is floored.
    EXPECT_EQ(DivMod(-1, 19), (UnitPos{-1, -1, kTrue}));

    EXPECT_EQ(CellIndex(UnitPos{0, 0, kFalse}, 19), 0);
    EXPECT_EQ(CellIndex(UnitPos{0, 1, kFalse}, 19), 19);
    EXPECT_EQ(CellIndex(UnitPos{18, 8, kFalse}, 19), 170);
    for (Integer n = 0; n <= 170; ++n) EXPECT_EQ(CellIndex(DivMod(n, 19), 19), n);
}

TEST(CellNumbers, DivisionByZeroAndOverflowStopTheGame) {
    EXPECT_DEATH(DivMod(5, 0), "Division by zero");
    EXPECT_DEATH(CellIndex(UnitPos{0, 2000, kTrue}, 19), "Overflow");
    EXPECT_DEATH(CellIndex(UnitPos{12, 1724, kTrue}, 19), "Overflow");  // 32756 + 12
}

TEST(Twips, RoundToNearestWithHalvesToEven) {
    GameState gs;
    EXPECT_EQ(TwipsX(gs, 30), 450);
    EXPECT_EQ(TwipsX(gs, 0), 0);
    gs.TwipsPerPixelX = 1.5f;
    gs.TwipsPerPixelY = 12.0f;
    EXPECT_EQ(TwipsX(gs, 1), 2);  // 1.5
    EXPECT_EQ(TwipsX(gs, 3), 4);  // 4.5
    EXPECT_EQ(TwipsX(gs, 5), 8);  // 7.5
    EXPECT_EQ(TwipsX(gs, -1), -2);
    EXPECT_EQ(TwipsY(gs, 10), 120);  // the vertical factor, not the horizontal one
    gs.TwipsPerPixelX = 15.0f;
    EXPECT_DEATH(TwipsX(gs, 2147483647), "Overflow");
}

TEST(RandomDraws, RandomRangeIsUniformOverTheWholeField) {
    GameState gs;
    gs.Rng.Seed(7);
    constexpr int kPerCell = 300;
    std::vector<int> counts(171, 0);
    for (int i = 0; i < 171 * kPerCell; ++i) {
        const Integer n = RandomRange(gs, 0, 170);
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 170);
        ++counts[static_cast<size_t>(n)];
    }
    // 170 degrees of freedom: mean 170, the one-in-a-million tail near 265.
    EXPECT_LT(ChiSquare(counts, kPerCell), 270.0);

    for (int i = 0; i < 1000; ++i) ASSERT_EQ(RandomRange(gs, 0, 0), 0);
}

TEST(RandomDraws, PercentChanceHitsOneMoreThanPercentInHundredAndOne) {
    GameState gs;
    gs.Rng.Seed(11);
    constexpr int kDraws = 101 * 10000;
    for (Integer p : {0, 1, 2, 45, 60, 90}) {
        int hits = 0;
        for (int i = 0; i < kDraws; ++i) hits += PercentChance(gs, p) ? 1 : 0;
        const double q = (p + 1) / 101.0;
        const double sigma = std::sqrt(kDraws * q * (1 - q));
        // p/100 instead would be off by 11 sigma at 45 and by 100 at 0.
        EXPECT_NEAR(hits, kDraws * q, 5 * sigma) << "PercentChance(" << p << ")";
    }
    for (int i = 0; i < 10000; ++i) ASSERT_TRUE(PercentChance(gs, 100));
}

}  // namespace
}  // namespace orv
