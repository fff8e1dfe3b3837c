// Whole battles driven by events alone, checking the state after each step.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "battle/BattleKit.h"
#include "rules/Deployment.h"

namespace orv {
namespace {

using testkit::BattleKit;
namespace t = text;

const std::string kPrompt3 = "指令ユニットを配置してください  残り 3機";
const std::string kPrompt2 = "指令ユニットを配置してください  残り 2機";
const std::string kCombat4 = "攻撃ユニットを配置してください  残り 4機";
const std::string kCombat1 = "攻撃ユニットを配置してください  残り 1機";
const std::string kLoseBox = "戦闘結果|You Lose";
const std::string kWinBox = "戦闘結果|\u3000    -You Win-";

int countText(const Board& board, const std::string& text) {
    int n = 0;
    for (int x = 0; x <= 18; ++x)
        for (int y = 0; y <= 8; ++y) n += board(x, y) == text;
    return n;
}

TEST(LoadBattle, PreparesAFreshBattleAndKeepsWhatSurvivesBattles) {
    BattleKit k(3, false);
    k.gs.StageIndex = 1;
    k.gs.CharaIndex = 2;
    k.gs.Sen_M(3) = UnitPos{7, 7, kTrue};  // left over from an earlier battle
    k.gs.PLShotCount = 99;
    k.gs.Board_M(4, 4) = t::kMissMark;
    LoadBattle(k.b);

    EXPECT_TRUE(k.view.setupGridsCalled);
    EXPECT_TRUE(k.view.cellPicturesReady);
    EXPECT_EQ(k.gs.GamePhase, t::kInitDeploy);
    EXPECT_EQ(k.view.readouts[Readout::StageNo], "Stage 2");
    EXPECT_EQ(k.view.readouts[Readout::CharaNo], "CharaNo \n\r2");
    EXPECT_EQ(k.view.portrait, "\\img\\Chara-2.bmp");
    EXPECT_EQ(k.view.face, 0);
    EXPECT_EQ(k.gs.SenCount_E, 4);
    EXPECT_EQ(k.gs.SikiCount_E, 3);
    EXPECT_EQ(k.gs.SenCount_M, 0);
    EXPECT_EQ(k.gs.SikiCount_M, 0);
    EXPECT_EQ(k.gs.PLShotCount, 0);
    EXPECT_EQ(countText(k.gs.Board_M, ""), 171);
    EXPECT_EQ(countText(k.gs.Board_E, t::kCombatUnit), 4);
    EXPECT_EQ(countText(k.gs.Board_E, t::kCommandUnit), 3);
    EXPECT_EQ(k.gs.Sen_M(3), (UnitPos{7, 7, kTrue}));
    EXPECT_EQ(k.gs.StageIndex, 1);
    EXPECT_EQ(k.b.cp.CpStrategy, t::kGeneralAttack);
    EXPECT_FALSE(k.view.commandVisible);

    BattleKit first;
    EXPECT_EQ(first.view.readouts[Readout::StageNo], "Stage 1");
    EXPECT_EQ(first.view.readouts[Readout::CharaNo], "CharaNo \n\r0");
}

TEST(Deployment, OpensOnTheFirstTickAndCountsThePromptsDown) {
    BattleKit k;
    // Before the first tick the own field does not take vehicles.
    k.ClickM(3, 3);
    EXPECT_EQ(k.gs.Board_M(3, 3), "");
    EXPECT_EQ(k.gs.EventName, t::kFG_M_Click);
    EXPECT_TRUE(k.view.sounds.empty());
    EXPECT_FALSE(k.view.commandVisible);

    k.Tick();
    EXPECT_EQ(k.gs.GamePhase, t::kCommandDeploy);
    EXPECT_TRUE(k.view.commandVisible);
    EXPECT_EQ(k.view.commandCaption, kPrompt3);
    k.Tick();  // later ticks during deployment change nothing
    EXPECT_EQ(k.gs.GamePhase, t::kCommandDeploy);

    k.ClickM(0, 0);
    EXPECT_EQ(k.view.commandCaption, kPrompt2);
    EXPECT_EQ(k.gs.SikiCount_M, 1);
    // Refused on the same cell: prompt written again, nothing else.
    k.view.commandCaption.clear();
    const auto soundsBefore = k.view.sounds;
    k.ClickM(0, 0);
    EXPECT_EQ(k.view.commandCaption, kPrompt2);
    EXPECT_EQ(k.gs.SikiCount_M, 1);
    EXPECT_EQ(k.view.sounds, soundsBefore);
    // The enemy field is not fired at during deployment.
    k.ClickE(0, 0);
    EXPECT_EQ(k.gs.PLShotCount, 0);
    EXPECT_EQ(k.gs.EventName, t::kFG_E_Click);

    k.ClickM(18, 8);
    k.ClickM(5, 4);
    EXPECT_EQ(k.gs.GamePhase, t::kCombatDeploy);
    EXPECT_EQ(k.view.commandCaption, kCombat4);
    EXPECT_EQ(k.gs.Siki_M(0), (UnitPos{0, 0, kTrue}));
    EXPECT_EQ(k.gs.Siki_M(1), (UnitPos{18, 8, kTrue}));
    EXPECT_EQ(k.gs.Siki_M(2), (UnitPos{5, 4, kTrue}));

    k.ClickM(5, 4);  // a command vehicle's cell is taken for combat vehicles too
    EXPECT_EQ(k.view.commandCaption, kCombat4);
    EXPECT_EQ(k.gs.Board_M(5, 4), t::kCommandUnit);

    k.ClickM(18, 0);
    k.ClickM(0, 8);
    k.ClickM(5, 5);
    EXPECT_EQ(k.view.commandCaption, kCombat1);
    EXPECT_TRUE(k.view.commandVisible);
    EXPECT_EQ(k.gs.GamePhase, t::kCombatDeploy);
    k.ClickM(6, 4);
    EXPECT_EQ(k.gs.GamePhase, t::kPlayerTurn);
    EXPECT_FALSE(k.view.commandVisible);
    EXPECT_EQ(k.view.commandCaption, kCombat1);  // hidden, not rewritten
    EXPECT_EQ(k.view.msgCaption, "ゲームスタート");
    EXPECT_EQ(k.gs.MsgState, "First");
    EXPECT_EQ(k.view.timerInterval[BattleTimer::TimerMsg], 1);
    EXPECT_TRUE(k.view.timerEnabled[BattleTimer::TimerMsg]);
    EXPECT_EQ(k.gs.SenCount_M, 4);
    EXPECT_EQ(k.gs.Sen_M(3), (UnitPos{6, 4, kTrue}));

    // Placed vehicles are coloured and drawn on the own field.
    const auto& cmd = k.view.fgM.at(18, 8);
    EXPECT_EQ(cmd.color, k.gs.SikiColor);
    EXPECT_EQ(cmd.sprite, 5);
    EXPECT_EQ(cmd.tile, 170);
    const auto& cmb = k.view.fgM.at(0, 8);
    EXPECT_EQ(cmb.color, k.gs.SenColor);
    EXPECT_EQ(cmb.sprite, 4);
    EXPECT_EQ(cmb.tile, 152);

    // Once the battle runs the own field is closed and ticks are idle.
    k.ClickM(9, 4);
    k.Tick();
    EXPECT_EQ(k.gs.Board_M(9, 4), "");
    EXPECT_EQ(k.gs.SenCount_M, 4);
    EXPECT_EQ(k.gs.GamePhase, t::kPlayerTurn);
    EXPECT_EQ(k.gs.CPShotCount, 0);
}

TEST(Deployment, PlacementWordsAndSounds) {
    BattleKit k;
    k.Tick();
    EXPECT_EQ(PlaceCommandUnit(k.b, Grid::FG_M, k.gs.Board_M), "");  // (0, 0) is current
    k.view.Click(Grid::FG_M, 0, 0);
    EXPECT_EQ(PlaceCommandUnit(k.b, Grid::FG_M, k.gs.Board_M), text::kRefused);
    k.view.Click(Grid::FG_M, 1, 0);
    EXPECT_EQ(PlaceCommandUnit(k.b, Grid::FG_M, k.gs.Board_M), "");
    k.view.Click(Grid::FG_M, 2, 0);
    EXPECT_EQ(PlaceCommandUnit(k.b, Grid::FG_M, k.gs.Board_M), "指令車配置終了");
    k.view.Click(Grid::FG_M, 3, 0);
    EXPECT_EQ(PlaceCommandUnit(k.b, Grid::FG_M, k.gs.Board_M), text::kRefused);  // all placed
    EXPECT_EQ(k.gs.SikiCount_M, 3);
    EXPECT_EQ(k.gs.Board_M(3, 0), "");

    const std::string msg = "\\snd\\メッセージ.WAV";
    EXPECT_EQ(k.view.sounds,
              (std::vector<std::string>{"close " + msg, "play " + msg, "close " + msg,
                                        "play " + msg, "close " + msg, "play " + msg}));

    k.view.sounds.clear();
    const std::string adj = "\\snd\\隣接.WAV";
    for (int c = 3; c <= 5; ++c) {
        k.view.Click(Grid::FG_M, c, 0);
        EXPECT_EQ(PlaceCombatUnit(k.b, Grid::FG_M, k.gs.Board_M), "");
    }
    k.view.options[0] = 1;  // effects off: same placement, silent
    k.view.Click(Grid::FG_M, 6, 0);
    EXPECT_EQ(PlaceCombatUnit(k.b, Grid::FG_M, k.gs.Board_M), "戦闘車配置終了");
    EXPECT_EQ(k.gs.Board_M(6, 0), "戦");
    EXPECT_EQ(k.view.sounds.size(), 6u);
    EXPECT_EQ(k.view.sounds.back(), "play " + adj);
}

TEST(Turns, ThePlayersTurnPassesToTheComputerAndBack) {
    BattleKit k;
    k.SetEnemyFleet();
    k.DeployPlayer();

    k.PlayerMisses(3);
    EXPECT_EQ(k.gs.GamePhase, t::kPlayerTurn);
    k.ClickE(0, 0);  // refused: fired at before, the turn keeps its shot
    EXPECT_EQ(k.gs.PLTurnShots, 3);
    EXPECT_EQ(k.gs.GamePhase, t::kPlayerTurn);
    k.PlayerMisses(1);
    EXPECT_EQ(k.gs.GamePhase, t::kCpTurnPhase);
    EXPECT_EQ(k.gs.PLTurnShots, 0);
    EXPECT_EQ(k.gs.PLShotCount, 4);
    EXPECT_EQ(k.view.readouts[Readout::PLShot], "PLShot\n\r4");

    // During the computer's turn the enemy field is closed.
    k.ClickE(5, 0);
    EXPECT_EQ(k.gs.PLShotCount, 4);
    EXPECT_EQ(k.gs.Board_E(5, 0), "");

    k.ComputerMissesOnly();
    for (int i = 1; i <= 3; ++i) {
        k.Tick();
        EXPECT_EQ(k.gs.GamePhase, t::kCpTurnPhase) << i;
        EXPECT_EQ(k.gs.CPShotCount, i);
    }
    k.Tick();
    EXPECT_EQ(k.gs.GamePhase, t::kPlayerTurn);
    EXPECT_EQ(k.gs.CPShotCount, 4);
    EXPECT_EQ(k.gs.CPTurnShots, 0);

    // Next computer turn: its first shot destroys a combat vehicle, so the
    // player's following turn has three shots.
    k.PlayerMisses(4);
    k.OpenForComputer([](int x, int y) { return x == 6 && y == 0; });
    k.Tick();
    EXPECT_EQ(k.gs.Board_M(6, 0), "★戦");
    EXPECT_EQ(k.gs.SenCount_M, 3);
    EXPECT_EQ(k.view.face, 2);
    k.ComputerMissesOnly();
    for (int i = 0; i < 3; ++i) k.Tick();
    EXPECT_EQ(k.gs.GamePhase, t::kPlayerTurn);
    k.PlayerMisses(2);
    EXPECT_EQ(k.gs.GamePhase, t::kPlayerTurn);
    k.PlayerMisses(1);
    EXPECT_EQ(k.gs.GamePhase, t::kCpTurnPhase);
    EXPECT_TRUE(k.view.boxes.empty());
}

TEST(Victory, SecondCommandHitWinsMidTurnAndLeavesForTheFirstViewer) {
    BattleKit k;
    k.SetEnemyFleet();
    k.DeployPlayer();
    k.ClickE(2, 2);  // command hit
    EXPECT_EQ(k.view.face, 1);
    EXPECT_EQ(k.view.msgCaption, "えーっ、ひどいですわぁ");
    k.ClickE(10, 6);  // combat hit: one of each kind does not win
    EXPECT_EQ(k.gs.GamePhase, t::kPlayerTurn);
    k.ClickE(10, 2);  // second command vehicle, third shot of four
    EXPECT_EQ(k.gs.GamePhase, "");
    EXPECT_EQ(k.view.raised, (std::vector<std::string>{text::kPLAYER_Win}));
    EXPECT_EQ(k.view.boxes, (std::vector<std::string>{kWinBox}));
    EXPECT_EQ(k.view.switches, (std::vector<ScreenId>{ScreenId::ACD_OmakeCG0A}));
    // The nested dispatch overwrote EventName; the outer call was not misled.
    EXPECT_EQ(k.gs.EventName, t::kPLAYER_Win);
    EXPECT_EQ(k.gs.PLTurnShots, 3);

    // Uncovered: never-found vehicles show their sprites, hits keep theirs.
    EXPECT_EQ(k.view.fgE.at(16, 6).sprite, 5);
    EXPECT_EQ(k.view.fgE.at(14, 2).sprite, 4);
    EXPECT_EQ(k.view.fgE.at(2, 6).sprite, 4);
    EXPECT_EQ(k.view.fgE.at(2, 2).sprite, 3);
    EXPECT_EQ(k.view.fgE.at(10, 6).sprite, 2);
    EXPECT_EQ(k.view.fgE.at(5, 5).sprite, -1);

    // Nothing moves the game any more.
    k.Tick();
    k.ClickE(0, 0);
    k.ClickM(9, 4);
    EXPECT_EQ(k.gs.PLShotCount, 3);
    EXPECT_EQ(k.gs.CPShotCount, 0);
    EXPECT_EQ(k.view.boxes.size(), 1u);
}

TEST(Victory, WinningOnTheLastShotOfTheTurnDoesNotPassTheTurn) {
    BattleKit k;
    k.SetEnemyFleet();
    k.DeployPlayer();
    k.view.ticksDuringBox = 3;
    k.PlayerMisses(2);
    k.ClickE(2, 6);
    k.ClickE(6, 6);  // fourth shot, second combat vehicle
    EXPECT_EQ(k.gs.GamePhase, "");
    EXPECT_EQ(k.gs.PLTurnShots, 0);
    EXPECT_EQ(k.gs.CPShotCount, 0);  // the ticks during the box did nothing
    EXPECT_EQ(k.view.phaseAtBox, (std::vector<std::string>{""}));
    EXPECT_EQ(k.view.boxes, (std::vector<std::string>{kWinBox}));
}

TEST(Victory, TheViewerDependsOnStageAndOpponent) {
    struct Case {
        Integer stage, chara;
        std::vector<ScreenId> switches;
    };
    const Case cases[] = {{0, 0, {ScreenId::ACD_OmakeCG0A}},
                          {1, 0, {ScreenId::ACD_OmakeCG0C}},
                          {2, 0, {}},
                          {0, 1, {}}};
    for (const Case& c : cases) {
        BattleKit k;
        k.gs.StageIndex = c.stage;
        k.gs.CharaIndex = c.chara;
        k.SetEnemyFleet();
        k.DeployPlayer();
        k.ClickE(2, 2);
        k.ClickE(10, 2);
        EXPECT_EQ(k.view.switches, c.switches) << c.stage << " " << c.chara;
        EXPECT_EQ(k.gs.StageIndex, c.stage);
        EXPECT_EQ(k.view.boxes.size(), 1u);
    }
}

TEST(Defeat, TheComputerWinsWithinItsTurnAndLeavesForTheContinueScreen) {
    BattleKit k;
    k.SetEnemyFleet();
    k.DeployPlayer();
    k.view.ticksDuringBox = 5;
    k.PlayerMisses(4);
    k.ComputerHitsOnly();
    for (int i = 0; i < 3 && !k.gs.GamePhase.empty(); ++i) k.Tick();
    // Three hits on two kinds always include a second of one kind.
    EXPECT_EQ(k.gs.GamePhase, "");
    EXPECT_EQ(k.view.raised, (std::vector<std::string>{text::kCP_Win}));
    EXPECT_EQ(k.view.boxes, (std::vector<std::string>{kLoseBox}));
    EXPECT_EQ(k.view.switches, (std::vector<ScreenId>{ScreenId::ACD_Continue}));
    EXPECT_EQ(k.view.phaseAtBox, (std::vector<std::string>{""}));
    EXPECT_TRUE(k.gs.SenCount_M == 2 || k.gs.SikiCount_M == 1);
    const Integer shots = k.gs.CPShotCount;
    EXPECT_LE(shots, 3);
    // Every uncovered enemy vehicle is drawn.
    EXPECT_EQ(k.view.fgE.at(2, 2).sprite, 5);
    EXPECT_EQ(k.view.fgE.at(14, 2).sprite, 4);
    k.Tick();
    EXPECT_EQ(k.gs.CPShotCount, shots);
}

// Surrender from every phase: one defeat box, then the continue screen, and
// ticks that arrive while the box is open fire nothing.
TEST(Surrender, EndsTheBattleFromEveryPhase) {
    struct Case {
        const char* name;
        std::function<void(BattleKit&)> reach;
    };
    const Case cases[] = {
        {"InitDeploy", [](BattleKit&) {}},
        {"command placement", [](BattleKit& k) { k.Tick(); }},
        {"combat placement",
         [](BattleKit& k) {
             k.Tick();
             for (auto [c, r] : testkit::kOwnSiki) k.ClickM(c, r);
         }},
        {"player turn", [](BattleKit& k) { k.DeployPlayer(); }},
        {"computer turn",
         [](BattleKit& k) {
             k.DeployPlayer();
             k.PlayerMisses(4);
             k.ComputerHitsOnly();  // a tick that got through would score at once
         }},
        {"after a victory at stage 3",
         [](BattleKit& k) {
             k.gs.StageIndex = 2;
             k.DeployPlayer();
             k.ClickE(2, 2);
             k.ClickE(10, 2);
             k.view.boxes.clear();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BattleKit k;
        k.SetEnemyFleet();
        c.reach(k);
        const Integer cpShots = k.gs.CPShotCount;
        const Integer counts = k.gs.SenCount_M + k.gs.SikiCount_M;
        k.view.ticksDuringBox = 4;
        k.Surrender();
        EXPECT_EQ(k.gs.GamePhase, "");
        EXPECT_EQ(k.view.boxes, (std::vector<std::string>{kLoseBox}));
        EXPECT_EQ(k.view.phaseAtBox.back(), "");
        EXPECT_EQ(k.view.switches.back(), ScreenId::ACD_Continue);
        EXPECT_EQ(k.gs.CPShotCount, cpShots);
        EXPECT_EQ(k.gs.SenCount_M + k.gs.SikiCount_M, counts);
        EXPECT_EQ(k.view.fgE.at(16, 6).sprite, 5);
        // The surrender came from the menu, not from the engine.
        EXPECT_EQ(std::count(k.view.raised.begin(), k.view.raised.end(), text::kCP_Win), 0);
    }
}

TEST(Events, UnknownEventsAndIgnoredClicksChangeNothing) {
    BattleKit k;
    k.SetEnemyFleet();
    k.DeployPlayer();
    k.Send("FG_D_Click", Grid::None);
    k.Send("fg_e_click", Grid::FG_E);  // case matters
    EXPECT_EQ(k.gs.EventName, "fg_e_click");
    EXPECT_EQ(k.gs.PLShotCount, 0);
    EXPECT_EQ(k.gs.GamePhase, t::kPlayerTurn);
    k.Send(t::kFG_M_Click, Grid::FG_M);
    EXPECT_EQ(k.gs.EventName, t::kFG_M_Click);
    EXPECT_TRUE(k.view.boxes.empty());
}

}  // namespace
}  // namespace orv
