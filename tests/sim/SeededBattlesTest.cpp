#include <gtest/gtest.h>

#include <cstdio>

#include "core/GameState.h"
#include "core/Startup.h"
#include "sim/BattleAudit.h"
#include "sim/BattleDriver.h"

namespace orv {
namespace {

struct Fought {
    GameState gs;
    Transcript transcript;
    BattleResult result;
};

void Fight(Fought& f, std::uint32_t seed) {
    InitGameData(f.gs);
    f.gs.Rng.Seed(seed);
    f.transcript.Clear();
    f.result = FightBattle(f.gs, &f.transcript);
}

// Whole battles against a random player, each checked against the rules that
// hold whatever the dice said. The simulator's --check runs the long series.
TEST(SeededBattles, AThousandBattlesKeepEveryRule) {
    constexpr int kBattles = 1000;
    int cpWins = 0, playerWins = 0, failed = 0;
    Fought f;
    for (int i = 1; i <= kBattles; ++i) {
        Fight(f, static_cast<std::uint32_t>(i));
        const auto problems = AuditBattle(f.gs, f.transcript, f.result);
        if (!problems.empty() && ++failed <= 3) {
            ADD_FAILURE() << "seed " << i << ": " << problems.front() << "\n"
                          << f.transcript.Text();
        }
        cpWins += f.result.winner == "CP";
        playerWins += f.result.winner == "PLAYER";
    }
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(cpWins + playerWins, kBattles);
    // A hunting computer beats a blind player most of the time, not always.
    EXPECT_GT(cpWins, kBattles * 3 / 4);
    EXPECT_GT(playerWins, kBattles / 50);
}

TEST(SeededBattles, SameSeedSameBattle) {
    Fought a, b;
    Fight(a, 4242);
    Fight(b, 4242);
    EXPECT_EQ(a.transcript.Lines(), b.transcript.Lines());
    Fight(b, 4243);
    EXPECT_NE(a.transcript.Lines(), b.transcript.Lines());
}

// The audit itself must notice a broken battle.
TEST(SeededBattles, AuditCatchesTamperedBattles) {
    Fought f;
    Fight(f, 99);
    ASSERT_TRUE(AuditBattle(f.gs, f.transcript, f.result).empty());

    int cpShotX = -1, cpShotY = -1;
    for (const std::string& line : f.transcript.Lines()) {
        if (line.rfind("shot CP ", 0) == 0 && cpShotX < 0)
            std::sscanf(line.c_str(), "shot CP %d %d", &cpShotX, &cpShotY);
    }
    ASSERT_GE(cpShotX, 0);
    const std::string firstCpShot =
        "shot CP " + std::to_string(cpShotX) + " " + std::to_string(cpShotY) + " ";

    {  // the computer fires at a cell again
        Fought t = f;
        std::string again;
        for (const std::string& line : t.transcript.Lines())
            if (line.rfind(firstCpShot, 0) == 0) again = line;
        Transcript tampered;
        for (const std::string& line : t.transcript.Lines()) tampered.Add(line);
        tampered.Add(again);
        EXPECT_FALSE(AuditBattle(t.gs, tampered, t.result).empty());
    }
    {  // a shot cell without its marker
        Fought t = f;
        t.gs.Board_M(cpShotX, cpShotY) = "";
        EXPECT_FALSE(AuditBattle(t.gs, t.transcript, t.result).empty());
    }
    {  // a count that does not match the board
        Fought t = f;
        t.gs.SikiCount_E = static_cast<Integer>(t.gs.SikiCount_E - 1);
        EXPECT_FALSE(AuditBattle(t.gs, t.transcript, t.result).empty());
    }
    {  // no winner
        Fought t = f;
        t.result.winner.clear();
        EXPECT_FALSE(AuditBattle(t.gs, t.transcript, t.result).empty());
    }
}

}  // namespace
}  // namespace orv
