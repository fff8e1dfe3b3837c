// Cell pictures, the opponent's face and the three screen timers.
#include <gtest/gtest.h>

#include "battle/BattleKit.h"
#include "rules/BattleTimers.h"
#include "rules/CellPictures.h"
#include "rules/MessageLine.h"
#include "rules/Reactions.h"

namespace orv {
namespace {

using testkit::BattleKit;

TEST(CellPictures, SpriteTileAndSideComeFromTextCellAndGrid) {
    EXPECT_EQ(SpriteFor("×空"), 0);
    EXPECT_EQ(SpriteFor("▲隣"), 1);
    EXPECT_EQ(SpriteFor("★戦"), 2);
    EXPECT_EQ(SpriteFor("●指"), 3);
    EXPECT_EQ(SpriteFor("戦"), 4);
    EXPECT_EQ(SpriteFor("指"), 5);
    EXPECT_EQ(SpriteFor(""), 0);
    EXPECT_EQ(SpriteFor("ハズレ"), 0);

    BattleKit k;
    PaintCellPicture(k.b, Grid::FG_M, 18, 8, "戦");
    PaintCellPicture(k.b, Grid::FG_E, 0, 1, "");
    EXPECT_EQ(k.view.fgM.at(18, 8).tile, 170);
    EXPECT_EQ(k.view.fgM.at(18, 8).sprite, 4);
    EXPECT_EQ(k.view.fgE.at(0, 1).tile, 19);
    EXPECT_EQ(k.view.fgE.at(0, 1).sprite, 0);
    EXPECT_EQ(k.view.fgM.at(0, 1).tile, -1);  // the other field is left alone
    EXPECT_EQ(k.view.fgE.col, 0);
    EXPECT_EQ(k.view.fgE.row, 1);

    k.gs.Board_M(7, 3) = "●指";
    RedrawCell(k.b, 7, 3, k.gs.Board_M, Grid::FG_M);
    EXPECT_EQ(k.view.fgM.at(7, 3).sprite, 3);
    EXPECT_EQ(k.view.fgM.col, 7);
    EXPECT_EQ(k.view.fgM.row, 3);
}

TEST(CellPictures, RevealDrawsOnlyVehiclesNeverHit) {
    BattleKit k;
    k.SetEnemyFleet();
    k.gs.Board_E(2, 6) = "★戦";
    k.gs.Board_E(5, 5) = "▲隣";
    RevealEnemyUnits(k.b);
    int painted = 0;
    for (const auto& cell : k.view.fgE.cells) painted += cell.sprite != -1;
    EXPECT_EQ(painted, 6);
    EXPECT_EQ(k.view.fgE.at(6, 6).sprite, 4);
    EXPECT_EQ(k.view.fgE.at(16, 6).sprite, 5);
    EXPECT_EQ(k.view.fgE.at(2, 6).sprite, -1);
    EXPECT_EQ(k.view.fgE.at(5, 5).sprite, -1);
    for (const auto& cell : k.view.fgM.cells) EXPECT_EQ(cell.sprite, -1);
}

TEST(Reactions, FacesLinesAndTheirCountdown) {
    BattleKit k;
    SetCharaFace(k.b, "笑顔");
    EXPECT_EQ(k.view.face, 2);
    EXPECT_EQ(k.view.msgCaption, "良い感じですわ");
    EXPECT_EQ(k.gs.MsgState, "First");
    EXPECT_TRUE(k.view.timerEnabled[BattleTimer::CharaPicTimer]);
    EXPECT_EQ(k.gs.CharaTable(0).MsgTicks, 5);

    // Fourteen ticks of 150 ms, then the normal face and the timer off.
    for (int i = 1; i <= 13; ++i) {
        CharaPicTimer_Timer(k.b);
        ASSERT_EQ(k.view.face, 2) << i;
        ASSERT_TRUE(k.view.timerEnabled[BattleTimer::CharaPicTimer]) << i;
    }
    CharaPicTimer_Timer(k.b);
    EXPECT_EQ(k.view.face, 0);
    EXPECT_FALSE(k.view.timerEnabled[BattleTimer::CharaPicTimer]);
    EXPECT_EQ(k.gs.CharaTable(0).MsgTicks, -9);

    // A second reaction a second (7 ticks) after the first restarts the 14.
    SetCharaFace(k.b, "怒り");
    for (int i = 0; i < 7; ++i) CharaPicTimer_Timer(k.b);
    SetCharaFace(k.b, "怒り");
    for (int i = 1; i <= 13; ++i) CharaPicTimer_Timer(k.b);
    EXPECT_EQ(k.view.face, 1);
    CharaPicTimer_Timer(k.b);
    EXPECT_EQ(k.view.face, 0);

    // An unknown face word shows the normal face and its empty line.
    SetCharaFace(k.b, "泣き");
    EXPECT_EQ(k.view.face, 0);
    EXPECT_EQ(k.view.msgCaption, "");

    // The lines belong to the current opponent.
    k.gs.CharaIndex = 1;
    SetCharaFace(k.b, "怒り");
    EXPECT_EQ(k.view.msgCaption, "ひどいことしないで・・・");
    EXPECT_EQ(k.gs.CharaTable(1).FaceTicks, 14);
}

// Ticks the message timer and records (top, interval, enabled) after each.
struct SlideStep {
    int top, interval;
    bool enabled;
    std::string state;
    friend bool operator==(const SlideStep&, const SlideStep&) = default;
};

SlideStep tickMsg(BattleKit& k) {
    TimerMsg_Timer(k.b);
    return {k.view.msgTop, k.view.timerInterval[BattleTimer::TimerMsg],
            k.view.timerEnabled[BattleTimer::TimerMsg], k.gs.MsgState};
}

TEST(MessageSlide, RestsTwoSecondsThenSlidesAwayAndStops) {
    BattleKit k;
    k.view.msgTop = 4720;  // where the last message ended
    ShowMessage(k.b, "ゲームスタート");
    EXPECT_EQ(k.view.msgTop, 4720);  // ShowMessage does not move the label
    EXPECT_EQ(k.view.timerInterval[BattleTimer::TimerMsg], 1);

    EXPECT_EQ(tickMsg(k), (SlideStep{4360, 2000, true, "Stop"}));
    EXPECT_EQ(tickMsg(k), (SlideStep{4360, 33, true, "Go"}));
    for (int top = 4400; top <= 4720; top += 40)
        EXPECT_EQ(tickMsg(k), (SlideStep{top, 33, true, "Go"}));
    EXPECT_EQ(tickMsg(k), (SlideStep{4720, 33, false, ""}));
    EXPECT_EQ(tickMsg(k), (SlideStep{4720, 33, false, ""}));  // idle ticks do nothing
    EXPECT_EQ(k.view.msgCaption, "ゲームスタート");           // the caption stays

    // A new message in the middle of the slide starts over from the rest.
    ShowMessage(k.b, "one");
    tickMsg(k);
    tickMsg(k);
    tickMsg(k);
    EXPECT_EQ(k.view.msgTop, 4400);
    ShowMessage(k.b, "two");
    EXPECT_EQ(k.view.msgCaption, "two");
    EXPECT_EQ(tickMsg(k), (SlideStep{4360, 2000, true, "Stop"}));
}

TEST(MusicLoop, RestartsOnlyWhenStopped) {
    BattleKit k;
    const std::string bgm = "\\snd\\MainBGM.wav";
    k.view.soundModes[bgm] = "PLAYING";
    TimerSnd_Timer(k.b);
    k.view.soundModes[bgm] = "stopped";  // the mode word comes in capitals
    TimerSnd_Timer(k.b);
    k.view.soundModes[bgm] = "";
    TimerSnd_Timer(k.b);
    EXPECT_TRUE(k.view.sounds.empty());
    k.view.soundModes[bgm] = "STOPPED";
    TimerSnd_Timer(k.b);
    EXPECT_EQ(k.view.sounds, (std::vector<std::string>{"close " + bgm, "play " + bgm}));
}

}  // namespace
}  // namespace orv
