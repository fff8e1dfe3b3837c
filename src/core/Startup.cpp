#include "core/Startup.h"

namespace orv {
namespace {

struct CharaLines {
    const char* portrait;
    const char* angry;
    const char* smiling;
};

constexpr CharaLines kCharas[3] = {
    {"\\img\\Chara-0.bmp", "えーっ、ひどいですわぁ", "良い感じですわ"},
    {"\\img\\Chara-1.bmp", "ひどいことしないで・・・", "今日は調子が悪いみたいね"},
    {"\\img\\Chara-2.bmp", "えーっ、ちょっとは手加減してよね", "あれ、、、怒っちゃったかな？"},
};

}  // namespace

void InitGameData(GameState& gs) {
    for (int k = 0; k < 3; ++k) {
        CharaData& c = gs.CharaTable(k);
        c.Status = 0;
        c.MsgTicksInit = 5;
        c.FaceTicksInit = 14;
        c.Portrait = kCharas[k].portrait;
        for (int i = 0; i <= 2; ++i) {
            c.StagePicsA(i) = "Stage1-FG_E.bmp";
            c.StagePicsB(i) = "Stage1-FG_E.bmp";
        }
        c.OmakePics(0) = "Stage1-OMAKE1.bmp";
        c.OmakePics(1) = "Stage1-OMAKE2.bmp";
        c.OmakePics(2) = "Stage1-OMAKE3.bmp";
        c.Lines(0) = "";
        c.Lines(1) = kCharas[k].angry;
        c.Lines(2) = kCharas[k].smiling;
        for (int i = 3; i <= 9; ++i) c.Lines(i) = "";
    }

    gs.MsgTopFirst = 4050;
    gs.MsgTopStop = 4360;
    gs.MsgTopEnd = 4700;
    gs.MsgIntervalCome = 33;
    gs.MsgIntervalStop = 2000;
    gs.MsgIntervalGo = 33;

    gs.MissColor = Rgb(255, 255, 255);
    gs.AdjacentColor = Rgb(255, 200, 200);
    gs.SikiColor = Rgb(255, 255, 0);
    gs.SenColor = Rgb(0, 255, 0);

    gs.CharaIndex = 0;
    gs.StageIndex = 0;
    gs.ScreenSwitching = kFalse;
}

}  // namespace orv
