#include <gtest/gtest.h>

#include "core/GameState.h"
#include "core/Startup.h"

namespace orv {
namespace {

TEST(Startup, FillsTheThreeOpponentsAndLeavesTheFourthEmpty) {
    GameState gs;
    InitGameData(gs);

    const char* angry[] = {"えーっ、ひどいですわぁ", "ひどいことしないで・・・",
                           "えーっ、ちょっとは手加減してよね"};
    const char* smiling[] = {"良い感じですわ", "今日は調子が悪いみたいね",
                             "あれ、、、怒っちゃったかな？"};
    for (int k = 0; k < 3; ++k) {
        const CharaData& c = gs.CharaTable(k);
        EXPECT_EQ(c.Portrait, "\\img\\Chara-" + std::to_string(k) + ".bmp");
        EXPECT_EQ(c.Lines(0), "");
        EXPECT_EQ(c.Lines(1), angry[k]);
        EXPECT_EQ(c.Lines(2), smiling[k]);
        for (int i = 3; i <= 20; ++i) EXPECT_EQ(c.Lines(i), "") << k << " line " << i;
        EXPECT_EQ(c.MsgTicksInit, 5);
        EXPECT_EQ(c.FaceTicksInit, 14);
        EXPECT_EQ(c.StagePicsA(2), "Stage1-FG_E.bmp");
        EXPECT_EQ(c.StagePicsB(0), "Stage1-FG_E.bmp");
        EXPECT_EQ(c.StagePicsA(3), "");
        EXPECT_EQ(c.OmakePics(2), "Stage1-OMAKE3.bmp");
    }
    const CharaData& empty = gs.CharaTable(3);
    EXPECT_EQ(empty.Portrait, "");
    for (int i = 0; i <= 20; ++i) EXPECT_EQ(empty.Lines(i), "");
    EXPECT_EQ(empty.FaceTicksInit, 0);
}

TEST(Startup, WritesConstantsColoursAndIndices) {
    GameState gs;
    gs.CharaIndex = 2;
    gs.StageIndex = 1;
    gs.ScreenSwitching = kTrue;
    InitGameData(gs);

    EXPECT_EQ(gs.MsgTopFirst, 4050);
    EXPECT_EQ(gs.MsgTopStop, 4360);
    EXPECT_EQ(gs.MsgTopEnd, 4700);
    EXPECT_EQ(gs.MsgIntervalCome, 33);
    EXPECT_EQ(gs.MsgIntervalStop, 2000);
    EXPECT_EQ(gs.MsgIntervalGo, 33);
    // 0x00BBGGRR
    EXPECT_EQ(gs.MissColor, 0x00FFFFFF);
    EXPECT_EQ(gs.AdjacentColor, 0x00C8C8FF);
    EXPECT_EQ(gs.SikiColor, 0x0000FFFF);
    EXPECT_EQ(gs.SenColor, 0x0000FF00);
    EXPECT_EQ(gs.CharaIndex, 0);
    EXPECT_EQ(gs.StageIndex, 0);
    EXPECT_EQ(gs.ScreenSwitching, kFalse);
}

TEST(StateGuards, OutOfRangeIndicesAndOverflowStopTheGame) {
    GameState gs;
    EXPECT_DEATH(gs.CharaTable(4), "Subscript out of range");
    EXPECT_DEATH(gs.Sen_M(-1), "Subscript out of range");
    EXPECT_DEATH(gs.Board_E(19, 0), "Subscript out of range");
    EXPECT_DEATH(gs.Board_M(0, 9), "Subscript out of range");
    Integer counter = 32767;
    EXPECT_DEATH(Inc(counter), "Overflow");
    Integer low = -32768;
    EXPECT_DEATH(Dec(low), "Overflow");
}

TEST(StateGuards, BoardStorageIsColumnPlusRowTimes19) {
    Board b;
    b(18, 8) = "指";
    b(0, 1) = "戦";
    EXPECT_EQ(b(18, 8), "指");
    EXPECT_EQ(b(0, 1), "戦");
    b.Clear();
    EXPECT_EQ(b(18, 8), "");
}

TEST(Random, SameSeedReplaysTheSameDraws) {
    UniformRandom a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const int x = a.Below(171);
        EXPECT_EQ(x, b.Below(171));
        EXPECT_GE(x, 0);
        EXPECT_LT(x, 171);
        differs |= x != c.Below(171);
    }
    EXPECT_TRUE(differs);
    EXPECT_EQ(a.Below(1), 0);
}

}  // namespace
}  // namespace orv
