#include "battle/BattleKit.h"
#include "opponent/ComputerTurn.h"
#include "rules/ShotIndicators.h"

namespace orv::testkit {
namespace {

class ComputerTurn : public BattleTest {
protected:
    ComputerTurn() {
        // Command vehicles in the top row, combat vehicles in the bottom row;
        // the middle rows are empty water.
        PlacePlayerFleet({{2, 0}, {9, 0}, {16, 0}}, {{1, 8}, {6, 8}, {11, 8}, {16, 8}});
        gs.SenCount_E = 4;
        gs.SikiCount_E = 3;
        gs.GamePhase = text::kCpTurnPhase;
    }
    std::vector<bool> Icons(IconRow row) {
        std::vector<bool> v;
        for (int i = 0; i < 4; ++i) v.push_back(view.IconVisible(row, i));
        return v;
    }
};

TEST_F(ComputerTurn, MissAndAdjacentAreMarkedColouredAndRemembered) {
    EXPECT_EQ(ComputerShot(b, b.cp, 9, 4), text::kCpTurn);
    EXPECT_EQ(gs.Board_M(9, 4), "×空");
    EXPECT_EQ(view.fgM.at(9, 4).color, gs.MissColor);
    EXPECT_EQ(view.fgM.at(9, 4).sprite, 0);
    EXPECT_EQ(view.sounds,
              (std::vector<std::string>{"close \\snd\\ハズレ.WAV", "play \\snd\\ハズレ.WAV"}));
    EXPECT_EQ(RuledOutCount(), 9);
    EXPECT_EQ(b.cp.LastAdjShot, -1);
    EXPECT_EQ(b.cp.FocusMissCount, 0);  // not under the focus strategy
    EXPECT_EQ(gs.CPTurnShots, 1);
    EXPECT_EQ(gs.CPShotCount, 1);
    EXPECT_EQ(view.readouts[Readout::CPShot], "CPShot\n\r1");
    EXPECT_TRUE(view.fgE.at(9, 4).color == -1);  // the enemy grid is left alone

    EXPECT_EQ(ComputerShot(b, b.cp, 5, 7), text::kCpTurn);  // next to (6, 8)
    EXPECT_EQ(gs.Board_M(5, 7), "▲隣");
    EXPECT_EQ(view.fgM.at(5, 7).color, gs.AdjacentColor);
    EXPECT_EQ(view.fgM.at(5, 7).sprite, 1);
    EXPECT_EQ(b.cp.LastAdjShot, 1);  // the count before this shot
    EXPECT_EQ(b.cp.LastAdjX, 5);
    EXPECT_EQ(b.cp.LastAdjY, 7);
    EXPECT_EQ(b.cp.Score(5, 7), -1);
    EXPECT_EQ(b.cp.Score(6, 8), 1);
    EXPECT_EQ(view.readouts[Readout::CPShot], "CPShot\n\r2");

    b.cp.CpStrategy = "最後に見つけた▲に集中";
    ComputerShot(b, b.cp, 12, 3);
    ComputerShot(b, b.cp, 3, 3);
    EXPECT_EQ(b.cp.FocusMissCount, 2);
    EXPECT_EQ(b.cp.LastAdjShot, 1);  // a miss leaves the pending ▲ alone
}

TEST_F(ComputerTurn, HitsTakeTheVehicleOutAndEndThePendingAdjacent) {
    gs.CPShotCount = 6;
    b.cp.LastAdjShot = 4;
    b.cp.LastSenHitShot = 0;

    EXPECT_EQ(ComputerShot(b, b.cp, 6, 8), text::kCpTurn);
    EXPECT_EQ(gs.Board_M(6, 8), "★戦");
    EXPECT_EQ(view.fgM.at(6, 8).color, gs.SenColor);
    EXPECT_EQ(view.fgM.at(6, 8).sprite, 2);
    EXPECT_EQ(gs.Sen_M(1).Alive, kFalse);
    EXPECT_EQ(gs.Sen_M(0).Alive, kTrue);
    EXPECT_EQ(gs.SenCount_M, 3);
    EXPECT_EQ(b.cp.LastSenHitShot, 6);
    EXPECT_EQ(b.cp.LastAdjShot, -1);
    EXPECT_EQ(b.cp.Score(6, 8), -1);
    EXPECT_EQ(RuledOutCount(), 1);
    EXPECT_EQ(view.face, 2);
    EXPECT_EQ(view.msgCaption, "良い感じですわ");
    EXPECT_FALSE(view.IconVisible(IconRow::ImageRemSen_M, 3));
    EXPECT_TRUE(view.IconVisible(IconRow::ImageRemSen_M, 2));
    EXPECT_EQ(view.sounds.back(), "play \\snd\\戦闘車.WAV");

    b.cp.LastAdjShot = 7;
    EXPECT_EQ(ComputerShot(b, b.cp, 9, 0), text::kCpTurn);
    EXPECT_EQ(gs.Board_M(9, 0), "●指");
    EXPECT_EQ(view.fgM.at(9, 0).color, gs.SikiColor);
    EXPECT_EQ(gs.Siki_M(1).Alive, kFalse);
    EXPECT_EQ(gs.SikiCount_M, 2);
    EXPECT_EQ(b.cp.LastSenHitShot, 6);  // only combat hits move it
    EXPECT_EQ(b.cp.LastAdjShot, -1);
    EXPECT_FALSE(view.IconVisible(IconRow::ImageRemSiki_M, 2));
    EXPECT_TRUE(view.IconVisible(IconRow::ImageRemSiki_M, 1));
    EXPECT_EQ(view.sounds.back(), "play \\snd\\指令車.WAV");
}

TEST_F(ComputerTurn, TurnLastsAsManyShotsAsTheComputerHasCombatVehicles) {
    gs.SenCount_E = 3;
    EXPECT_EQ(ComputerShot(b, b.cp, 3, 3), text::kCpTurn);
    EXPECT_EQ(Icons(IconRow::ImageRemShot_E), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(ComputerShot(b, b.cp, 9, 3), text::kCpTurn);
    EXPECT_EQ(ComputerShot(b, b.cp, 15, 3), text::kCpTurnEnd);
    EXPECT_EQ(gs.CPTurnShots, 0);
    EXPECT_EQ(gs.CPShotCount, 3);
    EXPECT_EQ(Icons(IconRow::ImageRemShot_E), (std::vector<bool>(4, false)));
    EXPECT_EQ(Icons(IconRow::ImageRemShot_P), (std::vector<bool>(4, true)));
}

TEST_F(ComputerTurn, SecondHitOfAKindWinsEvenMidTurn) {
    EXPECT_EQ(ComputerShot(b, b.cp, 2, 0), text::kCpTurn);
    EXPECT_EQ(ComputerShot(b, b.cp, 16, 0), "ＣＰ勝利");
    EXPECT_EQ(gs.CPTurnShots, 2);  // the turn was not over
    EXPECT_EQ(gs.SikiCount_M, 1);
    EXPECT_EQ(gs.Board_M(16, 0), "●指");
    EXPECT_EQ(view.fgM.at(16, 0).sprite, 3);
    // The dispatcher, not the shot, ends the battle.
    EXPECT_TRUE(view.raised.empty());
    EXPECT_EQ(gs.GamePhase, text::kCpTurnPhase);
}

TEST_F(ComputerTurn, LastShotOfTheTurnThatAlsoWinsStillClosesTheTurn) {
    gs.PLTurnShots = 0;
    ComputerShot(b, b.cp, 1, 8);
    ComputerShot(b, b.cp, 4, 4);
    ComputerShot(b, b.cp, 12, 4);
    ASSERT_EQ(gs.CPTurnShots, 3);
    EXPECT_EQ(ComputerShot(b, b.cp, 11, 8), "ＣＰ勝利");
    EXPECT_EQ(gs.CPTurnShots, 0);
    EXPECT_EQ(gs.SenCount_M, 2);
    EXPECT_EQ(Icons(IconRow::ImageRemShot_P), (std::vector<bool>{true, true, false, false}));
}

TEST_F(ComputerTurn, SoundEffectsOffChangesNothingButTheSound) {
    view.options[static_cast<size_t>(OptionBox::CheckSE)] = 1;
    ComputerShot(b, b.cp, 9, 4);
    ComputerShot(b, b.cp, 5, 7);
    ComputerShot(b, b.cp, 6, 8);
    EXPECT_TRUE(view.sounds.empty());
    EXPECT_EQ(gs.Board_M(6, 8), "★戦");
    EXPECT_EQ(gs.SenCount_M, 3);
    EXPECT_EQ(view.face, 2);
}

TEST_F(ComputerTurn, ShotIconsShowTheShotsLeftFromTheLowestIndex) {
    const struct {
        int senCount, turnShots;
        std::vector<bool> shown;
    } cases[] = {
        {4, 0, {true, true, true, true}},    {4, 1, {true, true, true, false}},
        {3, 0, {true, true, true, false}},   {3, 3, {false, false, false, false}},
        {2, 1, {true, false, false, false}}, {2, 3, {false, false, false, false}},
    };
    for (const auto& c : cases) {
        gs.SenCount_M = static_cast<Integer>(c.senCount);
        gs.PLTurnShots = static_cast<Integer>(c.turnShots);
        gs.SenCount_E = static_cast<Integer>(c.senCount);
        gs.CPTurnShots = static_cast<Integer>(c.turnShots);
        ShowShotsLeft_M(b);
        ShowShotsLeft_E(b);
        EXPECT_EQ(Icons(IconRow::ImageRemShot_P), c.shown) << c.senCount << "-" << c.turnShots;
        EXPECT_EQ(Icons(IconRow::ImageRemShot_E), c.shown) << c.senCount << "-" << c.turnShots;
    }
    gs.SenCount_M = 5;
    gs.PLTurnShots = 0;
    EXPECT_DEATH(ShowShotsLeft_M(b), "Subscript out of range");
}

}  // namespace
}  // namespace orv::testkit
