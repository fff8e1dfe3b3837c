// Judging, marking and counting shots; the rules' corner cases.
#include <gtest/gtest.h>

#include "battle/BattleKit.h"
#include "rules/Shots.h"

namespace orv {
namespace {

using testkit::BattleKit;
namespace t = text;

Board boardWith(std::initializer_list<std::tuple<int, int, const char*>> cells) {
    Board board;
    for (auto [c, r, s] : cells) board(c, r) = s;
    return board;
}

TEST(JudgeShot, LooksAtTheBlockAroundTheCellCutAtTheEdges) {
    // Diagonal neighbours count; two cells away do not.
    Board b = boardWith({{5, 5, "戦"}});
    EXPECT_EQ(JudgeShot(5, 5, b), "戦闘車ヒット");
    EXPECT_EQ(JudgeShot(4, 4, b), "隣接");
    EXPECT_EQ(JudgeShot(6, 6, b), "隣接");
    EXPECT_EQ(JudgeShot(6, 4, b), "隣接");
    EXPECT_EQ(JudgeShot(5, 6, b), "隣接");
    EXPECT_EQ(JudgeShot(7, 5, b), "ハズレ");
    EXPECT_EQ(JudgeShot(5, 3, b), "ハズレ");
    EXPECT_EQ(JudgeShot(3, 7, b), "ハズレ");

    b = boardWith({{1, 1, "指"}});
    EXPECT_EQ(JudgeShot(1, 1, b), "指令車ヒット");
    EXPECT_EQ(JudgeShot(0, 0, b), "隣接");
    EXPECT_EQ(JudgeShot(2, 2, b), "隣接");

    // Corners and edges: the block ends at the field and does not wrap into
    // the next or previous row of the storage.
    b = boardWith({{17, 7, "指"}});
    EXPECT_EQ(JudgeShot(18, 8, b), "隣接");
    b = boardWith({{0, 1, "戦"}});
    EXPECT_EQ(JudgeShot(18, 0, b), "ハズレ");
    b = boardWith({{18, 0, "戦"}});
    EXPECT_EQ(JudgeShot(0, 1, b), "ハズレ");
    EXPECT_EQ(JudgeShot(17, 1, b), "隣接");
    b = boardWith({{0, 8, "戦"}});
    EXPECT_EQ(JudgeShot(18, 7, b), "ハズレ");
    EXPECT_EQ(JudgeShot(1, 7, b), "隣接");
    b = boardWith({{2, 0, "戦"}, {0, 2, "指"}});
    EXPECT_EQ(JudgeShot(0, 0, b), "ハズレ");
    b = boardWith({{16, 8, "戦"}, {18, 6, "指"}});
    EXPECT_EQ(JudgeShot(18, 8, b), "ハズレ");

    // Destroyed vehicles still stand next to the cell; earlier answers don't.
    b = boardWith({{9, 4, "★戦"}, {12, 4, "●指"}, {3, 3, "×空"}, {15, 6, "▲隣"}});
    EXPECT_EQ(JudgeShot(10, 5, b), "隣接");
    EXPECT_EQ(JudgeShot(11, 3, b), "隣接");
    EXPECT_EQ(JudgeShot(2, 2, b), "ハズレ");
    EXPECT_EQ(JudgeShot(15, 7, b), "ハズレ");
    EXPECT_EQ(JudgeShot(16, 6, b), "ハズレ");
}

TEST(WriteShotMark, EachAnswerLeavesItsMarkerAndOthersNothing) {
    Board b = boardWith({{0, 0, "戦"}});
    WriteShotMark(0, 0, b, "戦闘車ヒット");
    EXPECT_EQ(b(0, 0), "★戦");
    WriteShotMark(1, 0, b, "指令車ヒット");
    EXPECT_EQ(b(1, 0), "●指");
    WriteShotMark(2, 0, b, "隣接");
    EXPECT_EQ(b(2, 0), "▲隣");
    WriteShotMark(3, 0, b, "ハズレ");
    EXPECT_EQ(b(3, 0), "×空");
    b(4, 0) = "指";
    WriteShotMark(4, 0, b, text::kShotRefused);
    EXPECT_EQ(b(4, 0), "指");
}

TEST(JudgeWin, ComparesForExactlyTwoCombatOrOneCommandLeft) {
    GameState gs;
    gs.SenCount_E = 3;
    gs.SikiCount_E = 2;  // one of each destroyed
    EXPECT_EQ(JudgeWin(gs, "PLAYER"), "未決");
    gs.SenCount_E = 2;
    EXPECT_EQ(JudgeWin(gs, "PLAYER"), "勝ち");
    gs.SenCount_E = 4;
    gs.SikiCount_E = 1;
    EXPECT_EQ(JudgeWin(gs, "PLAYER"), "勝ち");
    gs.SikiCount_E = 0;  // equalities, not bounds
    EXPECT_EQ(JudgeWin(gs, "PLAYER"), "未決");

    gs.SenCount_M = 2;
    gs.SikiCount_M = 3;
    EXPECT_EQ(JudgeWin(gs, "CP"), "勝ち");
    gs.SenCount_M = 4;
    EXPECT_EQ(JudgeWin(gs, "CP"), "未決");
    EXPECT_EQ(JudgeWin(gs, "Player"), "");
    EXPECT_EQ(JudgeWin(gs, ""), "");
}

// Each answer with effects on and off: sounds, colour, marker, picture, icons,
// the face and the read-out.
TEST(PlayerShot, EachAnswerWithEffectsOnAndOff) {
    struct Case {
        int col, row;
        const char* answer;
        const char* sound;
        const char* marker;
        int sprite;
    };
    const Case cases[] = {
        {0, 0, "ハズレ", "\\snd\\ハズレ.WAV", "×空", 0},
        {3, 3, "隣接", "\\snd\\隣接.WAV", "▲隣", 1},
        {2, 6, "戦闘車ヒット", "\\snd\\戦闘車.WAV", "★戦", 2},
        {2, 2, "指令車ヒット", "\\snd\\指令車.WAV", "●指", 3},
    };
    for (int effectsOff = 0; effectsOff <= 1; ++effectsOff) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.answer) + (effectsOff ? " silent" : ""));
            BattleKit k;
            k.SetEnemyFleet();
            k.DeployPlayer();
            k.view.sounds.clear();
            k.view.options[0] = effectsOff;
            k.view.Click(Grid::FG_E, c.col, c.row);
            EXPECT_EQ(PlayerShot(k.b, Grid::FG_E), text::kPlayerTurn);

            const std::vector<std::string> expected =
                effectsOff ? std::vector<std::string>{}
                           : std::vector<std::string>{std::string("close ") + c.sound,
                                                      std::string("play ") + c.sound};
            EXPECT_EQ(k.view.sounds, expected);
            EXPECT_EQ(k.gs.Board_E(c.col, c.row), c.marker);
            const auto& cell = k.view.fgE.at(c.col, c.row);
            EXPECT_EQ(cell.sprite, c.sprite);
            EXPECT_EQ(cell.tile, c.row * 19 + c.col);
            EXPECT_EQ(k.view.fgE.col, c.col);
            EXPECT_EQ(k.view.fgE.row, c.row);
            EXPECT_EQ(k.gs.PLTurnShots, 1);
            EXPECT_EQ(k.view.readouts[Readout::PLShot], "PLShot\n\r1");
            // Three shots of four left.
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(k.view.IconVisible(IconRow::ImageRemShot_P, i), i < 3) << i;

            const std::string answer = c.answer;
            const Long colours[] = {k.gs.MissColor, k.gs.AdjacentColor, k.gs.SenColor,
                                    k.gs.SikiColor};
            EXPECT_EQ(cell.color, colours[&c - cases]);
            const bool hit = c.sprite >= 2;
            EXPECT_EQ(k.gs.SenCount_E, answer == "戦闘車ヒット" ? 3 : 4);
            EXPECT_EQ(k.gs.SikiCount_E, answer == "指令車ヒット" ? 2 : 3);
            EXPECT_EQ(k.view.face, hit ? 1 : 0);
            EXPECT_EQ(k.view.msgCaption, hit ? "えーっ、ひどいですわぁ" : "ゲームスタート");
            EXPECT_EQ(k.view.timerEnabled[BattleTimer::CharaPicTimer], hit);
            if (answer == "戦闘車ヒット") {
                for (int i = 0; i < 4; ++i)
                    EXPECT_EQ(k.view.IconVisible(IconRow::ImageRemSen_E, i), i < 3) << i;
                for (int i = 0; i < 3; ++i)
                    EXPECT_TRUE(k.view.IconVisible(IconRow::ImageRemSiki_E, i)) << i;
            }
            if (answer == "指令車ヒット") {
                for (int i = 0; i < 3; ++i)
                    EXPECT_EQ(k.view.IconVisible(IconRow::ImageRemSiki_E, i), i < 2) << i;
            }
        }
    }
}

TEST(PlayerShot, RefusalsCostNothing) {
    BattleKit k;
    k.SetEnemyFleet();
    // Not the player's turn: refused even with a cell to fire at.
    k.view.Click(Grid::FG_E, 0, 0);
    EXPECT_EQ(PlayerShot(k.b, Grid::FG_E), text::kShotRefused);
    k.DeployPlayer();

    k.ClickE(0, 4);  // miss
    k.ClickE(3, 3);  // adjacent
    k.ClickE(2, 6);  // combat hit
    EXPECT_EQ(k.gs.PLTurnShots, 3);
    k.gs.Board_E(9, 0) = "●指";  // every marker counts as fired at
    k.view.sounds.clear();
    const std::string face = std::to_string(k.view.face);
    for (auto [c, r] : testkit::CellList{{0, 4}, {3, 3}, {2, 6}, {9, 0}}) {
        k.view.Click(Grid::FG_E, c, r);
        EXPECT_EQ(PlayerShot(k.b, Grid::FG_E), text::kShotRefused) << c << "," << r;
    }
    EXPECT_EQ(k.gs.PLTurnShots, 3);
    EXPECT_EQ(k.gs.PLShotCount, 3);
    EXPECT_EQ(k.gs.SenCount_E, 3);
    EXPECT_TRUE(k.view.sounds.empty());
    EXPECT_EQ(k.view.readouts[Readout::PLShot], "PLShot\n\r3");
    EXPECT_EQ(k.gs.GamePhase, t::kPlayerTurn);
}

TEST(PlayerShot, TurnLengthFollowsTheOwnCombatVehicles) {
    BattleKit k;
    k.SetEnemyFleet();
    k.DeployPlayer();
    for (int i = 0; i < 3; ++i) {
        k.view.Click(Grid::FG_E, i, 0);
        EXPECT_EQ(PlayerShot(k.b, Grid::FG_E), text::kPlayerTurn);
    }
    k.view.Click(Grid::FG_E, 3, 0);
    EXPECT_EQ(PlayerShot(k.b, Grid::FG_E), text::kPlayerTurnEnd);
    EXPECT_EQ(k.gs.PLTurnShots, 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(k.view.IconVisible(IconRow::ImageRemShot_P, i));
        EXPECT_TRUE(k.view.IconVisible(IconRow::ImageRemShot_E, i));  // its full set
    }

    k.gs.SenCount_M = 3;  // the computer has destroyed one
    for (int i = 4; i < 6; ++i) {
        k.view.Click(Grid::FG_E, i, 0);
        EXPECT_EQ(PlayerShot(k.b, Grid::FG_E), text::kPlayerTurn);
    }
    k.view.Click(Grid::FG_E, 6, 0);
    EXPECT_EQ(PlayerShot(k.b, Grid::FG_E), text::kPlayerTurnEnd);
    EXPECT_EQ(k.gs.PLShotCount, 7);
}

TEST(ShowRemain, IconsOfLostVehiclesGoFromTheTopDown) {
    BattleKit k;
    k.gs.SenCount_M = 1;
    k.gs.SikiCount_M = 2;
    ShowRemain_M(k.b);
    EXPECT_TRUE(k.view.IconVisible(IconRow::ImageRemSen_M, 0));
    for (int i = 1; i < 4; ++i) EXPECT_FALSE(k.view.IconVisible(IconRow::ImageRemSen_M, i));
    EXPECT_TRUE(k.view.IconVisible(IconRow::ImageRemSiki_M, 1));
    EXPECT_FALSE(k.view.IconVisible(IconRow::ImageRemSiki_M, 2));
    // The enemy's rows are untouched by the player's.
    EXPECT_TRUE(k.view.IconVisible(IconRow::ImageRemSen_E, 3));
}

}  // namespace
}  // namespace orv
