// Transcripts of whole battles: their lines, the random player's battles and
// the golden files (two defeats and a victory). ORVALIS_UPDATE_GOLDEN=1
// rewrites the golden files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "battle/BattleKit.h"
#include "sim/BattleDriver.h"

namespace orv {
namespace {

using testkit::BattleKit;

std::vector<std::string> linesStartingWith(const Transcript& t, const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& l : t.Lines())
        if (l.rfind(prefix, 0) == 0) out.push_back(l);
    return out;
}

TEST(Transcript, WritesEventsPhasesPlacementsShotsAndTheEnd) {
    BattleKit k;
    k.SetEnemyFleet();
    k.ClickM(1, 1);  // before the first tick: an event, nothing else
    k.DeployPlayer({{0, 0}, {2, 0}, {4, 0}}, {{6, 0}, {8, 0}, {10, 0}, {6, 0}});  // one refused
    k.ClickM(12, 0);
    k.Tick();  // idle during the player's turn: not written
    k.ClickE(3, 3);
    k.ClickE(3, 3);  // refused
    k.ClickE(2, 2);
    k.ClickE(10, 2);

    const std::vector<std::string> expected = {
        "phase InitDeploy",
        "event FG_M_Click 1 1",
        "event WinCP_Timer",
        "phase 指令車配置モード",
        "event FG_M_Click 0 0",
        "place 指 0 0",
        "event FG_M_Click 2 0",
        "place 指 2 0",
        "event FG_M_Click 4 0",
        "place 指 4 0",
        "phase 戦闘車配置モード",
        "event FG_M_Click 6 0",
        "place 戦 6 0",
        "event FG_M_Click 8 0",
        "place 戦 8 0",
        "event FG_M_Click 10 0",
        "place 戦 10 0",
        "event FG_M_Click 6 0",
        "event FG_M_Click 12 0",
        "place 戦 12 0",
        "phase PLAYER_TURN",
        "event FG_E_Click 3 3",
        "shot PLAYER 3 3 隣接",
        "event FG_E_Click 3 3",
        "event FG_E_Click 2 2",
        "shot PLAYER 2 2 指令車ヒット",
        "event FG_E_Click 10 2",
        "shot PLAYER 10 2 指令車ヒット",
        "phase -",
        "end PLAYER_Win",
    };
    EXPECT_EQ(k.transcript.Lines(), expected);
}

TEST(Transcript, TheComputersTurnShowsItsStrategyBeforeEachShot) {
    BattleKit k;
    k.SetEnemyFleet();
    k.DeployPlayer();
    k.PlayerMisses(4);
    k.transcript.Clear();
    k.ComputerMissesOnly();
    for (int i = 0; i < 4; ++i) k.Tick();
    const auto& lines = k.transcript.Lines();
    ASSERT_EQ(lines.size(), 13u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(lines[i * 3], "event WinCP_Timer");
        EXPECT_EQ(lines[i * 3 + 1].rfind("strategy ", 0), 0u) << lines[i * 3 + 1];
        EXPECT_EQ(lines[i * 3 + 2].rfind("shot CP ", 0), 0u) << lines[i * 3 + 2];
        EXPECT_NE(lines[i * 3 + 2].find(" ハズレ"), std::string::npos) << lines[i * 3 + 2];
    }
    EXPECT_EQ(lines.back(), "phase PLAYER_TURN");

    // A surrender ends with its own end line, then the empty phase.
    k.transcript.Clear();
    k.Surrender();
    EXPECT_EQ(k.transcript.Lines(), (std::vector<std::string>{"end CP_Win", "phase -"}));
}

TEST(BattleDriver, RandomBattlesEndWithAWinner) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        GameState gs;
        InitGameData(gs);
        gs.Rng.Seed(seed);
        Transcript t;
        const BattleResult r = FightBattle(gs, &t);
        ASSERT_FALSE(r.winner.empty());
        EXPECT_EQ(t.Lines().back(), "end " + r.winner + "_Win");
        if (r.winner == "PLAYER")
            EXPECT_TRUE(r.senLeft_E == 2 || r.sikiLeft_E == 1);
        else
            EXPECT_TRUE(r.senLeft_M == 2 || r.sikiLeft_M == 1);

        // Seven placements, never refused; one computer decision per shot.
        // (The shots themselves are audited by the seeded battle tests.)
        EXPECT_EQ(linesStartingWith(t, "place ").size(), 7u);
        EXPECT_EQ(linesStartingWith(t, "deploy CP ").size(), 7u);
        EXPECT_EQ(linesStartingWith(t, "event FG_M_Click").size(), 7u);
        EXPECT_EQ(static_cast<int>(linesStartingWith(t, "shot PLAYER ").size()), r.playerShots);
        EXPECT_EQ(static_cast<int>(linesStartingWith(t, "strategy ").size()), r.cpShots);
    }

    GameState gs;  // no transcript at all
    InitGameData(gs);
    gs.Rng.Seed(5);
    EXPECT_FALSE(FightBattle(gs, nullptr).winner.empty());
}

class Golden : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(Golden, TranscriptMatchesTheStoredOne) {
    const std::uint32_t seed = GetParam();
    GameState gs;
    InitGameData(gs);
    gs.Rng.Seed(seed);
    Transcript t;
    FightBattle(gs, &t);

    const std::string path =
        std::string(ORVALIS_TEST_DATA) + "/golden/seed" + std::to_string(seed) + ".txt";
    const char* update = std::getenv("ORVALIS_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::ofstream out(path, std::ios::binary);
        out << t.Text();
        ASSERT_TRUE(out.good()) << "cannot write " << path;
        GTEST_SKIP() << "rewrote " << path;
    }

    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.good()) << "missing " << path << " (run with ORVALIS_UPDATE_GOLDEN=1)";
    std::vector<std::string> stored;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();  // a checkout with CRLF
        stored.push_back(line);
    }

    const auto& actual = t.Lines();
    const size_t n = std::min(stored.size(), actual.size());
    for (size_t i = 0; i < n; ++i) {
        ASSERT_EQ(actual[i], stored[i]) << path << ": first difference at line " << i + 1;
    }
    ASSERT_EQ(actual.size(), stored.size())
        << path << ": same first " << n << " lines, then "
        << (actual.size() > n ? "extra line: " + actual[n] : "missing line: " + stored[n]);
}

INSTANTIATE_TEST_SUITE_P(Seeds, Golden, ::testing::Values(1u, 2u, 5u));

}  // namespace
}  // namespace orv
